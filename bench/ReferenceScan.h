#pragma once
// The plain references' history check scan: draws as ascending dates and six-number bit masks,
// built with popcnt and for the baseline (picked at load time, as the program's scan is).
#include <cstdint>
#include <vector>

namespace ref {

// Index of the first draw dated from < date <= to with at least minHits numbers of the tip,
// or -1.
__attribute__((target_clones("popcnt", "default"))) inline long
firstReaching(const std::vector<double>& dates, const std::vector<std::uint64_t>& masks, double from, double to,
              int minHits, std::uint64_t tip) {
    std::size_t lo = 0, hi = dates.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (dates[mid] <= from) lo = mid + 1;
        else hi = mid;
    }
    for (std::size_t i = lo; i < dates.size() && dates[i] <= to; ++i)
        if (__builtin_popcountll(masks[i] & tip) >= minHits) return static_cast<long>(i);
    return -1;
}

} // namespace ref
