#include "stats/HistoryCheck.h"

#include "base/CpuDispatch.h"
#include "base/Rounding.h"

#include <bit>

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

std::optional<std::uint64_t> tipMask(const ParsedTicket& ticket) {
    std::uint64_t mask = 0;
    for (int k = 1; k <= ticket.count; ++k) {
        const TicketSlot& slot = ticket.numbers[static_cast<std::size_t>(k)];
        if (!slot.numeric) break; // counting stops at the first field that is no number
        if (slot.value < 1 || slot.value > 63 || (mask >> slot.value & 1)) return std::nullopt;
        mask |= std::uint64_t{1} << slot.value;
    }
    return mask;
}

namespace {

// The scan over the masks, the loop the generator spends its history checks in.

QUINTARA_POPCNT_CLONES
ScanResult scanMasks(const HistoryRecords& history, const DateWindow& window, int minHits, std::uint64_t tip) {
    const std::uint64_t* masks = history.winningMasks.data();
    return firstInWindowReaching(history, window, minHits, [masks, tip](const DrawRecord&, std::size_t i) __attribute__((always_inline)) {
        return std::popcount(masks[i] & tip);
    });
}

} // namespace

ScanResult firstInWindowReachingMask(const HistoryRecords& history, const DateWindow& window, int minHits,
                                     std::uint64_t tip) {
    if (history.masksExact) return scanMasks(history, window, minHits, tip);
    return firstInWindowReaching(history, window, minHits, [tip](const DrawRecord& r, std::size_t) {
        int hits = 0;
        for (const std::uint8_t v : r.numbers) hits += (v < 64 && (tip >> v & 1));
        return hits;
    });
}

} // namespace HistoryCheck
