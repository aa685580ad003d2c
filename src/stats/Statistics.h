#pragma once
#include "base/Lotto.h"
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"
#include "stats/Plot.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <cstdint>
#include <vector>

struct HistoryRecords;

// The statistics over the draw history, free of any display. Each takes the records of the
// history file in file order and the analysis window, and returns its counts; the *Plot
// functions turn those into what the chart shows (see applyPlot).
namespace Statistics {

// 1 and the primes up to 47: drawn red in the number charts, and the generator's primes.
inline constexpr std::uint64_t RedNumbers = [] {
    std::uint64_t bits = 0;
    for (int k : {1, 2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}) bits |= std::uint64_t{1} << k;
    return bits;
}();
inline bool isRedNumber(int n) {
    return n >= 0 && n < 64 && ((RedNumbers >> n) & 1) != 0;
}

// Bit n set for each of the six winning numbers n of the record (the additional number is
// never part of a statistic). Numbers above 63 cannot be represented and are left out.
std::uint64_t winningMask(const DrawRecord& record);

// ---- Number frequencies ----

struct NumberFrequencies {
    std::array<int, Lotto::NumberSlots> count{}; // index 1 to 49
    int draws = 0;
    long long crossSums = 0;
};
// Draws on or after the from date; the additional number is not counted.
NumberFrequencies numberFrequencies(const std::vector<DrawRecord>& records, const DrawFilter& filter);

// The same over the prepared records of a history file; where the dates ascend and every
// weekday counts, from the running counts instead of a walk over every draw.
NumberFrequencies frequenciesOf(const HistoryRecords& history, const DrawFilter& filter);

// Average cross sum rounded half to even; 0 when no draw was counted.
long long averageCrossSum(long long total, int draws);

QString frequencyTitle(const NumberFrequencies& f);
Plot frequencyPlot(const NumberFrequencies& f);

// ---- Runs of consecutive numbers ----

// The value is the length of the run.
enum class RunKind { Pairs = 2, Triples = 3, Quadruples = 4 };

struct RunCounts {
    RunKind kind = RunKind::Pairs;
    // found[n]: draws holding the run that starts at n. Index 1 up to the last starting
    // number searched (48 for pairs, 47 otherwise); every other entry stays 0.
    std::array<int, Lotto::NumberSlots> found{};
    int draws = 0; // counted draws, with or without a run
    int total = 0; // runs found over all counted draws
};

// Starting numbers searched: pairs 1..48, triples 1..47, quadruples 1..47 (the run from 47
// would need a 50, so it is never found; its bar is kept for the chart's sake).
int lastRunStart(RunKind kind);

// Draws strictly after the from date; runs overlap freely, and only the six winning numbers
// make up a run.
RunCounts runCounts(const std::vector<DrawRecord>& records, const DrawFilter& filter, RunKind kind);
QString runTitle(const RunCounts& runs);
// Default colour; pairs and triples fix the left axis from the smallest to the largest bar,
// quadruples leave it to the chart.
Plot runPlot(const RunCounts& runs);

// ---- Overdue numbers ----

struct Overdue {
    // wait[n]: 1 when n was drawn in the last counted draw, 2 in the one before, ...,
    // 1 + draws when not drawn in the window at all. Index 1 to 49.
    std::array<int, Lotto::NumberSlots> wait{};
    int draws = 0;
};
// Draws strictly after the from date.
Overdue overdueNumbers(const std::vector<DrawRecord>& records, const DrawFilter& filter);
// The same over the prepared records; where the dates ascend, walking back from the end of the
// window only until every number has been seen.
Overdue overdueOf(const HistoryRecords& history, const DrawFilter& filter);
Plot overduePlot(const Overdue& overdue);

// ---- Cross-sum distribution ----

struct CrossSums {
    // Six number bytes of a record sum to at most 6 * 255; a history file written by other
    // programs may hold any byte, so every possible sum has its counter.
    static constexpr int MaxSum = 6 * 255;
    std::array<int, MaxSum + 1> occurrences{};
    int smallest = 0; // meaningful only when draws > 0
    int largest = 0;
    int draws = 0;
    long long total = 0;
};
// Draws strictly after the from date.
CrossSums crossSums(const std::vector<DrawRecord>& records, const DrawFilter& filter);
QString crossSumTitle(const CrossSums& sums);
// One bar for every sum from the smallest to the largest, zeros included; none without a
// counted draw. Both axes automatic.
Plot crossSumPlot(const CrossSums& sums);

// ---- The analysis window itself ----

// When the window starts after the newest draw (no draw can fall into it), the chart title
// that says so, naming the newest draw's date; none otherwise, or without any draw.
std::optional<QString> windowAfterLastDraw(const std::vector<DrawRecord>& records, const DrawFilter& filter);

// ---- Tip distribution ----

// How often each number occurs in the tip lines: each line is cut at its first ":", its
// comma-separated fields converted in turn; a field that does not convert ends that line,
// values outside 0..49 are not counted. Index 0 to 49.
std::array<int, Lotto::NumberSlots> tipDistribution(const QStringList& tipLines);
Plot tipDistributionPlot(const std::array<int, Lotto::NumberSlots>& count);

} // namespace Statistics
