#pragma once
#include <cstdint>

// The program's one random generator. Tips are reproducible: the same seed, history, options
// and tip list give the same tips, so the sequence must never depend on anything else.
namespace Rng {

// The seed, shared by the whole program.
std::uint32_t seed();
void setSeed(std::uint32_t value);
// The lucky number is entered as a signed 32-bit value; its bits become the seed.
inline void setSeedSigned(std::int32_t value) {
    setSeed(static_cast<std::uint32_t>(value));
}
inline std::int32_t seedSigned() {
    return static_cast<std::int32_t>(seed());
}

// A value from 0 to n - 1 (n >= 1): advances the seed, then scales it by n.
std::uint32_t random(std::uint32_t n);

// Pure form of one step, for callers that keep their own state (tests, benchmarks).
constexpr std::uint32_t next(std::uint32_t s) {
    return s * 134775813u + 1u;
}
constexpr std::uint32_t scale(std::uint32_t s, std::uint32_t n) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(s) * n) >> 32);
}

} // namespace Rng
