#include "stats/HistoryRecords.h"

#include "history/DrawHistory.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <bit>

std::pair<std::size_t, std::size_t> HistoryRecords::candidates(double start, double end) const {
    if (!ascending) return {0, dates.size()};
    const auto first = std::upper_bound(dates.begin(), dates.end(), start);
    const auto last = std::upper_bound(first, dates.end(), end);
    return {static_cast<std::size_t>(first - dates.begin()), static_cast<std::size_t>(last - dates.begin())};
}

HistoryRecords HistoryRecords::of(std::vector<DrawRecord> records) {
    HistoryRecords data;
    data.records = std::move(records);
    data.dates.reserve(data.records.size());
    data.winningMasks.reserve(data.records.size());
    for (const DrawRecord& r : data.records) {
        // NaN dates fail the comparison too, and so fall back to testing every record.
        if (!data.dates.empty() && !(data.dates.back() < r.date)) data.ascending = false;
        data.dates.push_back(r.date);
        const std::uint64_t mask = Statistics::winningMask(r);
        if (std::popcount(mask) != 6) data.masksExact = false;
        data.winningMasks.push_back(mask);
    }
    return data;
}

const HistoryRecords::RunningCounts& HistoryRecords::runningCounts() const {
    if (m_runningCounts) return *m_runningCounts;
    RunningCounts& c = m_runningCounts.emplace();
    if (records.size() >= 65535) return c; // more draws than the counts hold
    c.numbers.resize(records.size() + 1);
    c.crossSums.resize(records.size() + 1);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& r = records[i];
        c.numbers[i + 1] = c.numbers[i];
        for (const std::uint8_t n : r.numbers)
            if (n < Lotto::NumberSlots) ++c.numbers[i + 1][n];
        c.crossSums[i + 1] = c.crossSums[i] + r.crossSum();
    }
    return c;
}

std::shared_ptr<const HistoryRecords> HistoryRecords::read(const QString& path) {
    DrawHistory::Reading reading = DrawHistory(path).read();
    auto data = std::make_shared<HistoryRecords>(of(std::move(reading.records)));
    data->trailingBytes = reading.trailingBytes;
    return data;
}
