// The chance comparison: 1,000 random players with six single tips on every draw of the real
// history from 1 January 2015, with one and with two worker threads, and the exact expectation.
#include "base/DayCount.h"
#include "history/DrawCsv.h"
#include "stats/ChanceBaseline.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<Chance::Round> roundsFrom2015(int tips) {
    std::vector<Chance::Round> rounds;
    for (const DrawRecord& r : DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV)))
        if (DayCount::toDate(r.date) >= QDate(2015, 1, 1)) rounds.push_back(Chance::roundOf(r, tips));
    return rounds;
}

void BM_RandomPlayers2015(benchmark::State& state) {
    const std::vector<Chance::Round> rounds = roundsFrom2015(6);
    Chance::SimulationSettings settings;
    settings.players = 1000;
    settings.seed = 4711;
    settings.threads = static_cast<int>(state.range(0));
    settings.stakePerRow = 0.5;
    for (auto _ : state) {
        const Chance::SimulationResult r = Chance::simulate(rounds, {6, {}}, settings);
        benchmark::DoNotOptimize(r.bands[0].median);
    }
    state.SetLabel(std::to_string(rounds.size()) + " draws x 6 tips x 1000 players");
}
BENCHMARK(BM_RandomPlayers2015)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RandomPlayersReducedSystem(benchmark::State& state) {
    const std::vector<Chance::Round> rounds = roundsFrom2015(6);
    // A nine-number system of seven rows of six.
    const Chance::TipShape shape{9, {0x3F, 0x1C7, 0x1F8, 0x0DB, 0x16D, 0x1B6, 0x0F3}};
    Chance::SimulationSettings settings;
    settings.players = 1000;
    settings.threads = 2;
    for (auto _ : state) benchmark::DoNotOptimize(Chance::simulate(rounds, shape, settings).bands[0].median);
}
BENCHMARK(BM_RandomPlayersReducedSystem)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExactExpectation2015(benchmark::State& state) {
    const std::vector<Chance::Round> rounds = roundsFrom2015(6);
    for (auto _ : state) benchmark::DoNotOptimize(Chance::expectation(rounds, {6, {}}));
}
BENCHMARK(BM_ExactExpectation2015)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
