#pragma once
#include <cstdint>

namespace Rng {

// One step of the generator, and scaling a state to 0 .. n - 1.
constexpr std::uint32_t next(std::uint32_t s) {
    return s * 134775813u + 1u;
}
constexpr std::uint32_t scale(std::uint32_t s, std::uint32_t n) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(s) * n) >> 32);
}

} // namespace Rng

// A random sequence: a 32-bit state, advanced one step per number drawn. Tips are
// reproducible: the same seed, history, options and tip list give the same tips, so the
// sequence must never depend on anything else. Domain code that draws numbers is handed the
// sequence to draw from.
class RandomSequence {
public:
    explicit RandomSequence(std::uint32_t seed = 0) : m_state(seed) {}

    std::uint32_t seed() const { return m_state; }
    void setSeed(std::uint32_t value) { m_state = value; }
    // The lucky number is entered as a signed 32-bit value; its bits become the seed.
    void setSeedSigned(std::int32_t value) { m_state = static_cast<std::uint32_t>(value); }
    std::int32_t seedSigned() const { return static_cast<std::int32_t>(m_state); }

    // A value from 0 to n - 1 (n >= 1): advances the state, then scales it by n.
    std::uint32_t random(std::uint32_t n) {
        m_state = Rng::next(m_state);
        return Rng::scale(m_state, n);
    }

private:
    std::uint32_t m_state;
};

// The program's one sequence. The windows seed it (at start-up from the clock, from the lucky
// number) and hand it to the generation run; nothing in the domain code reaches it from here.
namespace Rng {

RandomSequence& program();

inline std::uint32_t seed() {
    return program().seed();
}
inline void setSeed(std::uint32_t value) {
    program().setSeed(value);
}
inline void setSeedSigned(std::int32_t value) {
    program().setSeedSigned(value);
}
inline std::int32_t seedSigned() {
    return program().seedSigned();
}
inline std::uint32_t random(std::uint32_t n) {
    return program().random(n);
}

} // namespace Rng
