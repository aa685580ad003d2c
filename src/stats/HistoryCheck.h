#pragma once
#include "stats/DrawFilter.h"
#include "stats/HistorySnapshot.h"
#include "tips/TipLine.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The two history checks answer for one candidate tip whether it already reached a number of
// hits on some draw of a date window: the whole analysis window, or the last few weeks. Here
// are the date windows and the scan that stops at the first draw reaching the hits.
namespace HistoryCheck {

// start < date <= end: the window is open at its start.
struct DateWindow {
    double start = 0;
    double end = 0;
    bool contains(double date) const { return start < date && date <= end; }
};

// The all-time check: from < date <= to; the weekday boxes are not applied.
DateWindow historyWindow(const DrawFilter& filter);

// The recent check: start = to - 7 * drawCount days with both weekday boxes checked, else
// to - 3.5 * drawCount days rounded half to even (17.5 days become 18). The boxes set only
// the span: draws of any weekday inside it are examined.
DateWindow recentWindow(const DrawFilter& filter, int drawCount);

struct ScanResult {
    // Some record of the window gave at least minHits: the check answers false.
    bool reached = false;
    // The record the scan examined last: the one that reached minHits, or else the last
    // record of the window. None when the window holds no record. The window method leaves
    // the current draw on this record.
    std::optional<std::size_t> lastExamined;
};

// Walks the records of the window in file order and stops at the first for which
// hits(record, index) >= minHits; `hits` is called once per examined record, in order. Always
// inlined, so that the scan is built with the instruction set of the function that calls it.
template <typename HitFunction>
[[gnu::always_inline]] inline ScanResult firstInWindowReaching(const HistoryRecords& history, const DateWindow& window, int minHits,
                                 HitFunction&& hits) {
    const auto [first, last] = history.candidates(window.start, window.end);
    if (history.ascending) {
        // The candidates are exactly the window.
        for (std::size_t i = first; i < last; ++i)
            if (hits(history.records[i], i) >= minHits) return {true, i};
        if (first == last) return {};
        return {false, last - 1};
    }
    ScanResult result;
    for (std::size_t i = first; i < last; ++i) {
        if (!window.contains(history.dates[i])) continue;
        result.lastExamined = i;
        if (hits(history.records[i], i) >= minHits) {
            result.reached = true;
            break;
        }
    }
    return result;
}

// The numbers of a parsed single tip or full system as a bit mask, when its hits on a draw
// are exactly the common numbers of the mask and the draw's winning numbers: the fields up to
// the first that is no number, all of them different and from 1 to 63. None otherwise; the
// caller then counts with checkTicket.
std::optional<std::uint64_t> tipMask(const ParsedTicket& ticket);

// firstInWindowReaching with the hits counted as the common numbers of the draw's winning
// numbers and `tipMask`, through history.winningMasks when history.masksExact holds.
ScanResult firstInWindowReachingMask(const HistoryRecords& history, const DateWindow& window, int minHits,
                                     std::uint64_t tipMask);

} // namespace HistoryCheck
