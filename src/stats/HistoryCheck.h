#pragma once
#include "stats/DrawFilter.h"
#include "stats/HistoryRecords.h"
#include "tips/TipLine.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// Whether a candidate tip already reached a number of hits on some draw of a date window (the
// whole analysis window, or the last few weeks): the windows and the scan.
namespace HistoryCheck {

// start < date <= end.
struct DateWindow {
    double start = 0;
    double end = 0;
    bool contains(double date) const { return start < date && date <= end; }
};

// The all-time check: from < date <= to; the weekday boxes are not applied.
DateWindow historyWindow(const DrawFilter& filter);

// The recent check: to - 7 * drawCount days with both weekday boxes checked, else to - 3.5 *
// drawCount days rounded half to even. The boxes set only the span, not the weekdays examined.
DateWindow recentWindow(const DrawFilter& filter, int drawCount);

struct ScanResult {
    // Some record of the window gave at least minHits: the check answers false.
    bool reached = false;
    // The record that reached minHits, or else the last record of the window; none for an
    // empty window. The window leaves the current draw on it.
    std::optional<std::size_t> lastExamined;
};

// Walks the records of the window in file order up to the first with hits(record, index) >=
// minHits. Always inlined, so that the scan is built with its caller's instruction set.
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

// The fields of a parsed tip up to the first that is no number as a bit mask, when all are
// different and from 1 to 63; none otherwise (the caller then counts with checkTicket).
std::optional<std::uint64_t> tipMask(const ParsedTicket& ticket);

// firstInWindowReaching with the hits of `tipMask`, through the winning masks where exact.
ScanResult firstInWindowReachingMask(const HistoryRecords& history, const DateWindow& window, int minHits,
                                     std::uint64_t tipMask);

} // namespace HistoryCheck
