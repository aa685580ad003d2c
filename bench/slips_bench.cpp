// Checking a syndicate's slips after an update: 50 slips of 200 columns each, every slip valid
// for the last 10 draws of the real history, all 10 draws new (Slips::checkNew), with the
// dividends of a prize table for every draw. Once with single tips, once with full systems.
#include "base/DayCount.h"
#include "base/Random.h"
#include "evaluation/Slips.h"
#include "history/DrawCsv.h"
#include "tips/TipLine.h"

#include <benchmark/benchmark.h>

namespace {

struct Syndicate {
    std::vector<DrawRecord> history = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
    std::vector<QDate> newDates;
    std::vector<Slips::Slip> slips;
    MemoryDividends dividends;

    // Each slip: `lines` tip lines of `size` numbers (6: single tips, more: full systems).
    Syndicate(int lines, int size) {
        const std::size_t first = history.size() - 10;
        for (std::size_t i = first; i < history.size(); ++i) {
            const QDate date = DayCount::toDate(history[i].date);
            newDates.push_back(date);
            dividends.set(date, {{6, false, 0}, {5, false, 1500}, {4, false, 30}, {3, false, 1.5}});
        }
        std::uint32_t seed = 4711;
        for (int s = 0; s < 50; ++s) {
            Slips::Slip slip;
            slip.firstDraw = newDates.front();
            slip.draws = 10;
            slip.pricePerColumn = 0.5;
            for (int l = 0; l < lines; ++l) {
                std::vector<int> numbers;
                while (static_cast<int>(numbers.size()) < size) {
                    seed = Rng::next(seed);
                    const int n = static_cast<int>(Rng::scale(seed, 49)) + 1;
                    if (std::find(numbers.begin(), numbers.end(), n) == numbers.end()) numbers.push_back(n);
                }
                std::sort(numbers.begin(), numbers.end());
                slip.lines << TipLine::makeLine(numbers, size == 6 ? TipLine::Normal : TipLine::FullSystem);
            }
            slips.push_back(std::move(slip));
        }
    }
};

void check(benchmark::State& state, int lines, int size) {
    const Syndicate syndicate(lines, size);
    SystemTableSet tables(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/"));
    const int columns = Slips::columnsOf(syndicate.slips.front(), tables);
    for (auto _ : state) {
        const std::vector<Slips::DrawCheck> checks = Slips::checkNew(
            syndicate.slips, syndicate.history, syndicate.newDates, &syndicate.dividends, tables);
        benchmark::DoNotOptimize(Slips::summaryText(checks));
    }
    state.SetLabel("50 slips x " + std::to_string(columns) + " columns x 10 draws");
}

// 200 single tips per slip.
void BM_CheckNewSingleTips(benchmark::State& state) {
    check(state, 200, 6);
}
BENCHMARK(BM_CheckNewSingleTips)->Unit(benchmark::kMillisecond);

// 7 full systems of 8 numbers per slip: 7 x 28 = 196 columns, each expanded into its rows.
void BM_CheckNewFullSystems(benchmark::State& state) {
    check(state, 7, 8);
}
BENCHMARK(BM_CheckNewFullSystems)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
