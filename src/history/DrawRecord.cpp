#include "history/DrawRecord.h"
#include "base/Lotto.h"

#include <cstring>

std::array<std::uint8_t, 8> DrawRecord::numberBytes() const {
    std::array<std::uint8_t, 8> bytes{};
    std::copy(numbers.begin(), numbers.end(), bytes.begin());
    bytes[6] = additional;
    bytes[7] = eighth;
    return bytes;
}

DrawRecord DrawRecord::fromBytes(const unsigned char* bytes) {
    DrawRecord r;
    std::memcpy(&r, bytes, Size);
    return r;
}

void DrawRecord::toBytes(unsigned char* bytes) const {
    std::memcpy(bytes, this, Size);
}

std::array<unsigned char, DrawRecord::Size> DrawRecord::toBytes() const {
    std::array<unsigned char, Size> bytes{};
    toBytes(bytes.data());
    return bytes;
}

std::optional<DrawNumbersProblem> checkDrawNumbers(const std::array<int, 6>& numbers, int additional) {
    using Kind = DrawNumbersProblem::Kind;
    for (int i = 0; i < 6; ++i) {
        if (numbers[i] < 1 || numbers[i] > Lotto::HighestNumber) return DrawNumbersProblem{Kind::NumberOutOfRange, i + 1, numbers[i]};
        for (int j = 0; j < i; ++j)
            if (numbers[j] == numbers[i]) return DrawNumbersProblem{Kind::NumberRepeated, i + 1, numbers[i], j + 1};
    }
    if (additional < 0 || additional > Lotto::HighestNumber) return DrawNumbersProblem{Kind::AdditionalOutOfRange, 7, additional};
    if (additional != 0)
        for (int i = 0; i < 6; ++i)
            if (numbers[i] == additional)
                return DrawNumbersProblem{Kind::AdditionalAmongNumbers, 7, additional, i + 1};
    return std::nullopt;
}
