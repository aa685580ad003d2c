#include "base/Random.h"

namespace Rng {

RandomSequence& program() {
    // Created on first use, lives until the program ends.
    static RandomSequence sequence;
    return sequence;
}

} // namespace Rng
