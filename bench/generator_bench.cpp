// A generation run with the built-in options on the real 1990-2025 history, through the main
// window under the offscreen platform and through the domain code alone, and the rate at which
// candidates are drawn and tested when only the cross-sum rule is on.
#include "BenchSupport.h"
#include "base/Random.h"
#include "app/TForm1.h"
#include "generator/TipGenerator.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

long g_candidates = 0, g_checks = 0;

// Every iteration uses the next of these seeds, the same sequence for window and domain runs.
constexpr std::uint32_t Seeds[] = {11, 22, 33, 44, 55, 66, 77, 88, 99, 111, 222, 333, 444, 555, 666, 777};

struct Setup {
    QTemporaryDir dir;
    QString programDir;
    std::vector<DrawRecord> records;

    Setup() {
        programDir = dir.filePath(QStringLiteral("program/"));
        QDir().mkpath(programDir);
        QDir().mkpath(dir.filePath(QStringLiteral("config")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        records = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
        QFile f(historyPath());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        for (const DrawRecord& r : records) {
            const auto b = r.toBytes();
            f.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
        }
        f.close();
    }
    QString historyPath() const { return programDir + QStringLiteral("ZahlenGR.dat"); }
};

Setup& setup() {
    static Setup s;
    return s;
}

std::unique_ptr<TForm1> makeWindow() {
    auto form = std::make_unique<TForm1>(setup().programDir, quietPlatform());
    form->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return form;
}

// The domain side of a run (runOnHistory): one reading of the history file taken for the run,
// the last draws, the pool from the statistics, the drawing loop with the history checks on
// that reading, the new lines checked against the draw.
struct Count : GenerationHooks {
    long candidates = 0;
    bool candidateDrawn(int, const CandidateTip&, int, int, RuleOptions&) override {
        ++candidates;
        return true;
    }
    bool allTime(QStringView, int) override { return true; }
    bool recent(QStringView, int, int) override { return true; }
};

int domainRun(const DrawFilter& filter, GenerationState& state, RuleOptions options) {
    Count count;
    const std::shared_ptr<const HistoryRecords> history = HistoryRecords::read(setup().historyPath());
    const HistoryRun run = runOnHistory(*history, filter, PoolOptions{}, options, 6, 6, state, Rng::program(), &count);
    benchmark::DoNotOptimize(run.check);
    g_candidates += count.candidates;
    g_checks += run.historyChecks;
    return static_cast<int>(run.lines.size());
}

DrawFilter wholeHistory(const TForm1& form) {
    return {form.controls().DateTimePicker2->dayCount(), form.currentDraw().date, true, true};
}

void BM_DefaultRunWindow(benchmark::State& state) {
    auto form = makeWindow();
    std::size_t i = 0;
    int tips = 0;
    for (auto _ : state) {
        Rng::setSeed(Seeds[i++ % std::size(Seeds)]);
        form->Label28Click();
        tips += form->controls().ListBox1->count();
        state.PauseTiming();
        // What the event loop does after the run: paint, refresh the chart.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["tips"] =
        benchmark::Counter(static_cast<double>(tips), benchmark::Counter::kAvgIterations);
    form->close();
}

void BM_DefaultRunDomain(benchmark::State& state) {
    auto form = makeWindow(); // only for the analysis window it starts with
    const DrawFilter filter = wholeHistory(*form);
    form->close();
    auto generation = std::make_unique<GenerationState>();
    std::size_t i = 0;
    int tips = 0;
    g_candidates = g_checks = 0;
    for (auto _ : state) {
        Rng::setSeed(Seeds[i++ % std::size(Seeds)]);
        tips += domainRun(filter, *generation, RuleOptions{});
    }
    state.counters["candidates"] =
        benchmark::Counter(static_cast<double>(g_candidates), benchmark::Counter::kAvgIterations);
    state.counters["checks"] =
        benchmark::Counter(static_cast<double>(g_checks), benchmark::Counter::kAvgIterations);
    state.counters["tips"] =
        benchmark::Counter(static_cast<double>(tips), benchmark::Counter::kAvgIterations);
}

// The defaults, but no tip may ever have had three hits: almost every candidate goes through
// the all-time history check and fails it, until the 2000 attempts for the first tip are spent.
// Shows what the window adds per candidate when the history checks do the work.
void BM_HistoryHeavyRunWindow(benchmark::State& state) {
    auto form = makeWindow();
    form->controls().UpDown6->setPosition(3);
    form->controls().UpDown7->setPosition(2);
    Rng::setSeed(5);
    for (auto _ : state) {
        form->Label28Click();
        if (form->generation().runCount != 2000) state.SkipWithError("the run did not use every attempt");
    }
    state.SetItemsProcessed(state.iterations() * 2000);
    form->close();
}

void BM_HistoryHeavyRunDomain(benchmark::State& state) {
    auto form = makeWindow();
    const DrawFilter filter = wholeHistory(*form);
    form->close();
    auto generation = std::make_unique<GenerationState>();
    RuleOptions options;
    options.historyHits = 3;
    options.maxRuns = 2000;
    Rng::setSeed(5);
    for (auto _ : state) {
        domainRun(filter, *generation, options);
        if (generation->runCount != 2000) state.SkipWithError("the run did not use every attempt");
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}

// Only the cross-sum rule, with bounds no candidate meets: every attempt draws a candidate,
// sorts it and tests it, until the attempt limit ends the tip.
RuleOptions crossSumOnly(int attempts) {
    RuleOptions o;
    o.maxMatchesOn = o.minMatchesOn = o.everyPair = o.forcePair = o.noRunsOfThree = false;
    o.recentOn = {false, false, false};
    o.historyOn = false;
    o.recentChecks[0].on = o.recentChecks[1].on = false;
    o.crossSumLow = 200;
    o.crossSumHigh = 100;
    o.maxRuns = attempts;
    return o;
}

void BM_CandidatesCrossSumOnlyDomain(benchmark::State& state) {
    auto form = makeWindow();
    const DrawFilter filter = wholeHistory(*form);
    form->close();
    PreferencePool pool;
    const HistoryRecords records = HistoryRecords::of(setup().records);
    HistoryPoolSource source(records, filter);
    const RecentDraws recent = RecentDraws::fromHistory(setup().records, filter.to, {true, true});
    buildPool(pool, PoolOptions{}, recent, source);
    RecordHistoryChecks hooks(records, filter);
    auto generation = std::make_unique<GenerationState>();
    constexpr int Attempts = 100000;
    Rng::setSeed(1);
    for (auto _ : state) {
        RuleOptions o = crossSumOnly(Attempts);
        benchmark::DoNotOptimize(generateTips(pool, recent, 6, 0, 1, o, *generation, hooks, Rng::program()));
    }
    state.SetItemsProcessed(state.iterations() * Attempts);
}

void BM_CandidatesCrossSumOnlyWindow(benchmark::State& state) {
    auto form = makeWindow();
    for (QCheckBox* box : {form->controls().CheckBox3, form->controls().CheckBox24, form->controls().CheckBox27, form->controls().CheckBox8,
                           form->controls().CheckBox18, form->controls().CheckBox4, form->controls().CheckBox5, form->controls().CheckBox23,
                           form->controls().CheckBox9, form->controls().CheckBox30, form->controls().CheckBox31})
        box->setChecked(false);
    form->controls().UpDown2->setPosition(200);
    form->controls().UpDown15->setPosition(100);
    form->controls().UpDown9->setPosition(1);
    form->controls().UpDown7->setPosition(100);
    Rng::setSeed(1);
    for (auto _ : state) {
        form->Label28Click();
        if (form->generation().runCount != 100000) state.SkipWithError("the run did not use every attempt");
    }
    state.SetItemsProcessed(state.iterations() * 100000);
    form->close();
}

} // namespace

BENCHMARK(BM_DefaultRunWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DefaultRunDomain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryHeavyRunWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryHeavyRunDomain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CandidatesCrossSumOnlyDomain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CandidatesCrossSumOnlyWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, setup);
}
