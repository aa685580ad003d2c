// Secheroderfuenfer and kurzzeitCheck through the real main window, on the real history and
// on a synthetic history of 10,000 draws. Called alone, outside a run, each check reads the
// history file once before it scans; within a run the checks scan the run's reading.
#include "BenchSupport.h"
#include "base/Random.h"
#include "app/TForm1.h"
#include "history/DrawCsv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class SilentDialogs : public WidgetDialogs {
public:
    void message(QWidget*, const QString&) override {}
    void error(QWidget*, const QString&) override {}
};

std::vector<DrawRecord> synthetic(int count) {
    std::vector<DrawRecord> records;
    std::uint32_t seed = 99;
    double date = DayCount::fromDate(QDate(1950, 1, 4));
    for (int i = 0; i < count; ++i) {
        DrawRecord r;
        r.date = date;
        date += (i % 2) ? 4 : 3;
        int k = 0;
        while (k < 6) {
            seed = Rng::next(seed);
            const int n = static_cast<int>(Rng::scale(seed, 49)) + 1;
            if (std::find(r.numbers.begin(), r.numbers.begin() + k, n) == r.numbers.begin() + k)
                r.numbers[k++] = n;
        }
        records.push_back(r);
    }
    return records;
}

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    explicit Fixture(const std::vector<DrawRecord>& records) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
        writeHistoryFile(dir.path() + QStringLiteral("/ZahlenGR.dat"), records);
        Platform p = Platform::system();
        p.dialogs = std::make_shared<SilentDialogs>();
        p.clock = std::make_shared<BenchClock>();
        form = std::make_unique<TForm1>(dir.path() + QLatin1Char('/'), p);
        form->controls().DateTimePicker2->setDate(QDate(1900, 1, 1));
        form->controls().DateTimePicker1->setDate(DayCount::toDate(records.back().date));
    }
};

// Made on first use, destroyed before the application object.
std::unique_ptr<Fixture> g_fixtures[2];

Fixture& fixture(int which) {
    if (!g_fixtures[which])
        g_fixtures[which] = std::make_unique<Fixture>(
            which == 0 ? DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV)) : synthetic(10000));
    return *g_fixtures[which];
}

// A tip that never reaches five hits scans the whole window: the slowest case.
void BM_Secheroderfuenfer(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    const QString tip = QStringLiteral("1,2,3,4,5,6,");
    for (auto _ : state) benchmark::DoNotOptimize(f.form->Secheroderfuenfer(tip, 6));
}
BENCHMARK(BM_Secheroderfuenfer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_kurzzeitCheck(benchmark::State& state) {
    Fixture& f = fixture(static_cast<int>(state.range(0)));
    const QString tip = QStringLiteral("1,2,3,4,5,6,");
    for (auto _ : state) benchmark::DoNotOptimize(f.form->kurzzeitCheck(tip, 4, 40));
}
BENCHMARK(BM_kurzzeitCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Under a full system of nine numbers the same mask path counts.
void BM_SecheroderfuenferFullSystem(benchmark::State& state) {
    Fixture& f = fixture(0);
    f.form->setSelectorText(QStringLiteral("Vollsystem"));
    const QString tip = QStringLiteral("1,2,3,4,5,6,7,8,9,");
    for (auto _ : state) benchmark::DoNotOptimize(f.form->Secheroderfuenfer(tip, 7));
    f.form->setSelectorText(QStringLiteral("Normal"));
}
BENCHMARK(BM_SecheroderfuenferFullSystem)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, {}, [] {
        for (auto& f : g_fixtures) f.reset();
    });
}
