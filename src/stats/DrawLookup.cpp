#include "stats/DrawLookup.h"

#include <algorithm>

DrawLookup lookupDraw(const HistoryRecords& history, double target) {
    DrawLookup lookup;
    const std::size_t size = history.size();
    if (size == 0) return lookup;

    // The walk continues while the target lies after the record's date.
    std::size_t stop;
    if (history.ascending) {
        stop = static_cast<std::size_t>(
            std::lower_bound(history.dates.begin(), history.dates.end(), target) - history.dates.begin());
        stop = std::min(stop, size - 1);
    } else {
        stop = 0;
        while (stop + 1 < size && target > history.dates[stop]) ++stop;
    }
    lookup.index = stop;

    const double date = history.dates[stop];
    if (stop == size - 1 && date > 0) {
        lookup.record = stop;
    } else if (date >= target) {
        lookup.record = stop;
        lookup.firstRecord = stop == 0;
    }
    return lookup;
}
