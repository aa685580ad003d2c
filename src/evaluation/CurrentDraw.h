#pragma once
#include "history/DrawRecord.h"

#include <array>

// The draw of the evaluation date, against which the tip list is checked.
struct CurrentDraw {
    double date = 0.0;
    // Index 1 to 6: the winning numbers in record order; 7: the additional number; 8: the
    // eighth number byte. Index 0 is unused.
    std::array<int, 9> numbers{};
    // Zero-based position of the draw's record in the history file.
    int index = 0;

    void take(const DrawRecord& record) {
        date = record.date;
        const auto bytes = record.numberBytes();
        for (int i = 0; i < 8; ++i) numbers[i + 1] = bytes[i];
    }
    int crossSum() const {
        return numbers[1] + numbers[2] + numbers[3] + numbers[4] + numbers[5] + numbers[6];
    }
};
