// The slips window opening with 5,000 rows: 500 slips of 10 draws each over the real history
// since 2015, each slip of one single tip and one full system of seven, checked with a prize
// table for every draw; from the read of the slips file to the first painted window.
#include "BenchSupport.h"
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "gui/SlipsWindow.h"
#include "history/DrawCsv.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct SlipBookOnDisk {
    QTemporaryDir dir;
    std::vector<DrawRecord> history = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
    MemoryDividends dividends;
    SlipsWindow::Sources sources;

    SlipBookOnDisk() {
        std::vector<QDate> dates;
        for (const DrawRecord& r : history) {
            const QDate date = DayCount::toDate(r.date);
            if (date.year() < 2015) continue;
            dates.push_back(date);
            dividends.set(date, {{6, false, 2000000}, {5, false, 1500}, {4, false, 35}, {3, false, 1.5}});
        }
        Slips::SlipBook book;
        Rng::setSeed(5);
        auto line = [](int numbers, const char* kind) {
            QStringList picked;
            std::uint64_t taken = 0;
            while (picked.size() < numbers) {
                const int n = Rng::random(49) + 1;
                if (taken >> n & 1) continue;
                taken |= std::uint64_t{1} << n;
                picked << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            }
            return picked.join(QLatin1Char(',')) + QLatin1Char(':') + QLatin1String(kind);
        };
        for (int s = 0; s < 500; ++s)
            book.add({{}, QStringLiteral("Schein %1").arg(s + 1), {line(6, "Normal"), line(7, "Vollsystem")},
                      dates[static_cast<std::size_t>(s) * 10 % (dates.size() - 10)], 10, 0.5});
        sources.slipsPath = dir.filePath(QStringLiteral("ZahlenGR.scheine.csv"));
        if (!book.save(sources.slipsPath).isEmpty()) qFatal("cannot write the slips file");
        sources.dataDirectory = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/");
        sources.history = [this] { return history; };
        sources.dividends = [this] { return &dividends; };
    }
};

std::unique_ptr<SlipBookOnDisk> g_book;

void BM_SlipsWindowOpens5000Rows(benchmark::State& state) {
    if (!g_book) g_book = std::make_unique<SlipBookOnDisk>();
    const Platform platform = quietPlatform();
    std::size_t rows = 0;
    for (auto _ : state) {
        auto window = std::make_unique<SlipsWindow>(g_book->sources, platform.dialogs, platform.printing);
        window->reload();
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        rows = window->ledger().rows.size();
        window.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(rows) + " rows");
}
BENCHMARK(BM_SlipsWindowOpens5000Rows)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, {}, [] { g_book.reset(); });
}
