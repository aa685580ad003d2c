#pragma once
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

// One draw as stored in ZahlenGR.dat: 32 bytes, little-endian, no header.
//   0  8  date        day count as an IEEE 754 double (whole days)
//   8  6  numbers     the six winning numbers
//  14  1  additional  the additional number (0 where the game had none)
//  15  1  eighth      eighth number byte
//  16 16  reserved    carried along, never interpreted
struct DrawRecord {
    static constexpr int Size = 32;

    double date = 0.0;
    std::array<std::uint8_t, 6> numbers{};
    std::uint8_t additional = 0;
    std::uint8_t eighth = 0;
    std::array<std::uint8_t, 16> reserved{};

    // Bytes 8 to 15: six numbers, additional number, eighth byte.
    std::array<std::uint8_t, 8> numberBytes() const;
    int crossSum() const {
        int sum = 0;
        for (const std::uint8_t n : numbers) sum += n;
        return sum;
    }

    static DrawRecord fromBytes(const unsigned char* bytes);
    void toBytes(unsigned char* bytes) const;
    std::array<unsigned char, Size> toBytes() const;

    bool operator==(const DrawRecord&) const = default;
};

// A record in memory is byte for byte its 32 bytes in the file (a little-endian machine with
// IEEE doubles): records are copied to and from the file as they are.
static_assert(std::endian::native == std::endian::little && std::numeric_limits<double>::is_iec559 &&
              std::is_trivially_copyable_v<DrawRecord> && std::is_standard_layout_v<DrawRecord> &&
              sizeof(DrawRecord) == DrawRecord::Size && offsetof(DrawRecord, numbers) == 8 &&
              offsetof(DrawRecord, additional) == 14 && offsetof(DrawRecord, eighth) == 15 &&
              offsetof(DrawRecord, reserved) == 16);

// The rule every draw kept in the history obeys: six distinct numbers 1 to 49 and an additional
// number that is 0 (none) or 1 to 49 and not among them. The update and the manual entry both
// apply it; each words the problem for its own reader.
struct DrawNumbersProblem {
    enum class Kind {
        NumberOutOfRange,       // numbers[field - 1] is not 1 to 49
        NumberRepeated,         // numbers[field - 1] already stands in earlierField
        AdditionalOutOfRange,   // the additional number is not 0 to 49
        AdditionalAmongNumbers, // the additional number already stands in earlierField
    };
    Kind kind;
    int field = 0;        // 1 to 6 for a winning number, 7 for the additional number
    int value = 0;        // the offending value
    int earlierField = 0; // for the two repetitions: the field that holds the value first

    bool operator==(const DrawNumbersProblem&) const = default;
};

// The first problem in field order (each winning number checked for its range, then against
// the numbers before it; then the additional number), or none.
std::optional<DrawNumbersProblem> checkDrawNumbers(const std::array<int, 6>& numbers, int additional);
