#pragma once
#include <array>
#include <cstdint>

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
    int crossSum() const;

    static DrawRecord fromBytes(const unsigned char* bytes);
    void toBytes(unsigned char* bytes) const;
    std::array<unsigned char, Size> toBytes() const;

    bool operator==(const DrawRecord&) const = default;
};
