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

// The statistics over the draw history in file order and the analysis window, free of any
// display; the *Plot functions turn the counts into what the chart shows.
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

// Bit n set for each of the six winning numbers n below 64 (never the additional number).
std::uint64_t winningMask(const DrawRecord& record);

// ---- Number frequencies ----

struct NumberFrequencies {
    std::array<int, Lotto::NumberSlots> count{}; // index 1 to 49
    int draws = 0;
    long long crossSums = 0;
};
// Draws on or after the from date; the additional number is not counted.
NumberFrequencies numberFrequencies(const std::vector<DrawRecord>& records, const DrawFilter& filter);
// The same, from the running counts where the dates ascend and every weekday counts.
NumberFrequencies frequenciesOf(const HistoryRecords& history, const DrawFilter& filter);

// Rounded half to even; 0 without draws.
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

// Pairs 1..48, triples and quadruples 1..47 (a quadruple from 47 is never found; its bar stays).
int lastRunStart(RunKind kind);

// Draws strictly after the from date; runs overlap freely, of the six winning numbers only.
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
// The same; where the dates ascend, walking back only until every number has been seen.
Overdue overdueOf(const HistoryRecords& history, const DrawFilter& filter);
Plot overduePlot(const Overdue& overdue);

// ---- Cross-sum distribution ----

struct CrossSums {
    // A history file written by other programs may hold any byte: every sum has its counter.
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

// The chart title when the window starts after the newest draw, naming its date; none otherwise.
std::optional<QString> windowAfterLastDraw(const std::vector<DrawRecord>& records, const DrawFilter& filter);

// ---- Tip distribution ----

// How often each number 0..49 occurs in the tip lines, each cut at its first ":"; a field that
// does not convert ends that line.
std::array<int, Lotto::NumberSlots> tipDistribution(const QStringList& tipLines);
Plot tipDistributionPlot(const std::array<int, Lotto::NumberSlots>& count);

} // namespace Statistics
