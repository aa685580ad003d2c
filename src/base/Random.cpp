#include "base/Random.h"

namespace Rng {

RandomSequence& program() {
    static RandomSequence sequence;
    return sequence;
}

} // namespace Rng
