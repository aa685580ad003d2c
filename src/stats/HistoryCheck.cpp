#include "stats/HistoryCheck.h"

#include "base/Rounding.h"

namespace HistoryCheck {

DateWindow historyWindow(const DrawFilter& filter) {
    return {filter.from, filter.to};
}

DateWindow recentWindow(const DrawFilter& filter, int drawCount) {
    const double span = filter.saturdays && filter.wednesdays
                            ? 7.0 * drawCount
                            : static_cast<double>(roundHalfEven(3.5 * drawCount));
    return {filter.to - span, filter.to};
}

} // namespace HistoryCheck
