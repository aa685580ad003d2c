#pragma once
#include "base/Lotto.h"
#include "history/DrawRecord.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The records of a history file, prepared for the history checks of every candidate tip.
// An action reads the file once and hands the reading to what it calls; a run (generation,
// historic analysis) keeps its reading to the end, whatever happens to the file meanwhile.
struct HistoryRecords {
    std::vector<DrawRecord> records; // file order
    std::vector<double> dates;       // dates[i] == records[i].date, packed for searching
    std::vector<std::uint64_t> winningMasks; // Statistics::winningMask of each record
    // Every record holds six different winning numbers below 64: then the hits of a tip are
    // exactly popcount(winningMasks[i] & tipMask); otherwise count number by number.
    bool masksExact = true;
    // Dates strictly ascending, as every writer keeps them: date windows by binary search.
    bool ascending = true;
    // Bytes of a cut-off record after the last whole one when the file was read.
    std::int64_t trailingBytes = 0;

    // numbers[i][n]: how often n (0 to 49) appears among records [0, i); crossSums[i] the sum
    // of their cross sums. size() + 1 entries; empty for more draws than the counts hold.
    struct RunningCounts {
        std::vector<std::array<std::uint16_t, Lotto::NumberSlots>> numbers;
        std::vector<long long> crossSums;
    };

    // The history file as it is now; throws FileError when it cannot be read.
    static std::shared_ptr<const HistoryRecords> read(const QString& path);
    static HistoryRecords of(std::vector<DrawRecord> records);

    std::size_t size() const { return records.size(); }
    // [first, last) of the records that can lie in start < date <= end: exact when ascending,
    // the whole file otherwise.
    std::pair<std::size_t, std::size_t> candidates(double start, double end) const;

    // Worked out on the first call and kept, from one thread; the records must not change after
    // it. Only the pool statistics need them, and they cost more than the reading itself.
    const RunningCounts& runningCounts() const;

private:
    mutable std::optional<RunningCounts> m_runningCounts;
};
