#include "history/DrawRecord.h"
#include "base/Lotto.h"

#include <bit>
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
    std::uint64_t bits = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&bits, bytes, 8);
    } else {
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[i];
    }
    r.date = std::bit_cast<double>(bits);
    std::memcpy(r.numbers.data(), bytes + 8, 6);
    r.additional = bytes[14];
    r.eighth = bytes[15];
    std::memcpy(r.reserved.data(), bytes + 16, 16);
    return r;
}

void DrawRecord::toBytes(unsigned char* bytes) const {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(date);
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    std::memcpy(bytes + 8, numbers.data(), 6);
    bytes[14] = additional;
    bytes[15] = eighth;
    std::memcpy(bytes + 16, reserved.data(), 16);
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
