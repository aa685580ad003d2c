// Each chart statistic as the window runs it (read the history file, count, build the plot,
// apply it to a chart model) and the history-check path (read the history, find the window,
// scan it), on the real 1990-2025 history and on a synthetic 10,000-draw history.
#include "BenchSupport.h"
#include "base/DayCount.h"
#include "base/Random.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "stats/BarChartModel.h"
#include "stats/HistoryCheck.h"
#include "stats/HistoryRecords.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cstdio>

namespace {

enum Source { Real = 0, Synthetic = 1 };

void writeHistory(const QString& path, const std::vector<DrawRecord>& records) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        f.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
}

// Draws on alternating Wednesdays and Saturdays from 1990 on, six distinct numbers each.
std::vector<DrawRecord> syntheticHistory(int count) {
    Rng::setSeed(20250830);
    std::vector<DrawRecord> out;
    double date = DayCount::fromDate(QDate(1990, 1, 3));
    for (int i = 0; i < count; ++i) {
        DrawRecord r;
        r.date = date;
        std::uint64_t used = 0;
        for (int k = 0; k < 6;) {
            const int n = static_cast<int>(Rng::random(49)) + 1;
            if (used & (std::uint64_t{1} << n)) continue;
            used |= std::uint64_t{1} << n;
            r.numbers[k++] = static_cast<std::uint8_t>(n);
        }
        r.additional = static_cast<std::uint8_t>(Rng::random(49) + 1);
        out.push_back(r);
        date += (i % 2 == 0) ? 3 : 4;
    }
    return out;
}

struct Histories {
    QTemporaryDir dir;
    QString paths[2];
    DrawFilter filters[2];

    Histories() {
        const std::vector<DrawRecord> real = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
        const std::vector<DrawRecord> synthetic = syntheticHistory(10000);
        paths[Real] = dir.filePath(QStringLiteral("real.dat"));
        paths[Synthetic] = dir.filePath(QStringLiteral("synthetic.dat"));
        writeHistory(paths[Real], real);
        writeHistory(paths[Synthetic], synthetic);
        // The whole history, both weekday boxes on: every draw is counted.
        filters[Real] = {real.front().date - 1, real.back().date, true, true};
        filters[Synthetic] = {synthetic.front().date - 1, synthetic.back().date, true, true};
    }
};

Histories& histories() {
    static Histories h;
    return h;
}

void label(benchmark::State& state) {
    state.SetLabel(state.range(0) == Real ? "real 1990-2025" : "synthetic 10000");
}

// ---- Chart statistics: read + count + plot ----

template <typename MakePlot> void runStatistic(benchmark::State& state, MakePlot&& makePlot) {
    Histories& h = histories();
    const int source = static_cast<int>(state.range(0));
    const DrawHistory file(h.paths[source]);
    BarChartModel chart;
    for (auto _ : state) {
        const std::vector<DrawRecord> records = file.readAll();
        applyPlot(&chart, makePlot(records, h.filters[source]));
        benchmark::DoNotOptimize(chart.series2()->count());
    }
    label(state);
}

void BM_ReadHistoryFile(benchmark::State& state) {
    Histories& h = histories();
    const DrawHistory file(h.paths[state.range(0)]);
    for (auto _ : state) benchmark::DoNotOptimize(file.readAll());
    label(state);
}

void BM_NumberFrequencies(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::frequencyPlot(Statistics::numberFrequencies(r, f));
    });
}

void BM_Pairs(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::runPlot(Statistics::runCounts(r, f, Statistics::RunKind::Pairs));
    });
}

void BM_Triples(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::runPlot(Statistics::runCounts(r, f, Statistics::RunKind::Triples));
    });
}

void BM_Quadruples(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::runPlot(Statistics::runCounts(r, f, Statistics::RunKind::Quadruples));
    });
}

void BM_OverdueNumbers(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::overduePlot(Statistics::overdueNumbers(r, f));
    });
}

void BM_CrossSums(benchmark::State& state) {
    runStatistic(state, [](const auto& r, const DrawFilter& f) {
        return Statistics::crossSumPlot(Statistics::crossSums(r, f));
    });
}

// The tip list, not the history: 1000 lines of ten-number full systems.
void BM_TipDistribution(benchmark::State& state) {
    const QStringList lines = fullSystemTipLines(1000);
    BarChartModel chart;
    for (auto _ : state) {
        applyPlot(&chart, Statistics::tipDistributionPlot(Statistics::tipDistribution(lines)));
        benchmark::DoNotOptimize(chart.series2()->count());
    }
    state.SetLabel("1000 tip lines");
}

// ---- History checks: read the history and scan the window ----

// A tip that reaches at most a few hits anywhere, so the scan runs through the whole window:
// the slowest case, and the one of most candidates.
constexpr std::array<int, 6> kTip = {1, 2, 3, 4, 5, 6};

std::uint64_t tipMask() {
    std::uint64_t m = 0;
    for (int n : kTip) m |= std::uint64_t{1} << n;
    return m;
}

// The reading an action or a run starts with: the file, the masks and the running counts.
void BM_HistoryRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(HistoryRecords::read(histories().paths[state.range(0)])->size());
    label(state);
}

// hits(records, record, index): the hit count of the tip on one draw.
template <typename HitFunction>
void runCheck(benchmark::State& state, const HistoryCheck::DateWindow& window, HitFunction&& hits) {
    // Within a run: every check scans the run's reading.
    const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(histories().paths[state.range(0)]);
    const HistoryRecords& records = *held;
    std::size_t examined = 0;
    for (auto _ : state) {
        const HistoryCheck::ScanResult r = HistoryCheck::firstInWindowReaching(
            records, window, 6, [&](const DrawRecord& d, std::size_t i) { return hits(records, d, i); });
        benchmark::DoNotOptimize(r);
        examined = r.lastExamined ? *r.lastExamined : 0;
    }
    state.counters["lastIndex"] = static_cast<double>(examined);
    label(state);
}

// The all-time check with the hits of a single tip taken from the prepared number masks.
void BM_HistoryCheckScanMask(benchmark::State& state) {
    const std::uint64_t mask = tipMask();
    runCheck(state, HistoryCheck::historyWindow(histories().filters[state.range(0)]),
             [mask](const HistoryRecords& h, const DrawRecord&, std::size_t i) {
                 return std::popcount(h.winningMasks[i] & mask);
             });
}

// The same with the hits counted number by number, 6 x 6 comparisons per draw.
void BM_HistoryCheckScanPlain(benchmark::State& state) {
    runCheck(state, HistoryCheck::historyWindow(histories().filters[state.range(0)]),
             [](const HistoryRecords&, const DrawRecord& r, std::size_t) {
                 int hits = 0;
                 for (int t : kTip)
                     for (auto n : r.numbers) hits += (n == t);
                 return hits;
             });
}

// The recent check over the last 40 draws (both weekday boxes: 280 days).
void BM_RecentCheckScan(benchmark::State& state) {
    const std::uint64_t mask = tipMask();
    runCheck(state, HistoryCheck::recentWindow(histories().filters[state.range(0)], 40),
             [mask](const HistoryRecords& h, const DrawRecord&, std::size_t i) {
                 return std::popcount(h.winningMasks[i] & mask);
             });
}

} // namespace

#define SOURCES ->Arg(Real)->Arg(Synthetic)
BENCHMARK(BM_ReadHistoryFile) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NumberFrequencies) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pairs) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Triples) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Quadruples) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverdueNumbers) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CrossSums) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TipDistribution)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryRead) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryCheckScanMask) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryCheckScanPlain) SOURCES->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecentCheckScan) SOURCES->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
