#include "base/Random.h"

namespace {
std::uint32_t g_seed = 0;
}

namespace Rng {

std::uint32_t seed() {
    return g_seed;
}
void setSeed(std::uint32_t value) {
    g_seed = value;
}

std::uint32_t random(std::uint32_t n) {
    g_seed = next(g_seed);
    return scale(g_seed, n);
}

} // namespace Rng
