#pragma once
#include <cmath>
#include <cstdint>

// Averages, band limits, scaled cross sums and day spans all round an exact half to the even
// integer (101.5 -> 102, 112.5 -> 112); done by hand so it never depends on the FPU mode.
inline std::int64_t roundHalfEven(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    std::int64_t result = static_cast<std::int64_t>(lower);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
    return result;
}
