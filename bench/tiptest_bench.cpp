// The tip test ("Tipp-Test") of 200 single tips over the whole real history (1990-2025) through
// the real main window, shown (offscreen), with the built-in threshold of six hits. The
// comparison with chance that follows it is stopped as soon as it starts: it is measured by
// chance_bench; this measures the replay of the draws, the window's part.
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "gui/AnalysisReport.h"
#include "history/DrawCsv.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <thread>

namespace {

struct TipTest {
    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    QTimer stopChance;

    TipTest() {
        const QString programDir = dir.filePath(QStringLiteral("program/"));
        QDir().mkpath(programDir);
        QDir().mkpath(dir.filePath(QStringLiteral("config")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        writeHistoryFile(programDir + QStringLiteral("ZahlenGR.dat"),
                         DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV)));
        // A settled file: read once per test, as a player's history is.
        std::this_thread::sleep_for(std::chrono::milliseconds(2300));
        form = std::make_unique<TForm1>(programDir, quietPlatform());
        form->show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        form->controls().ListBox1->clear();
        Rng::setSeed(11);
        for (int t = 0; t < 200; ++t) {
            QStringList numbers;
            std::uint64_t taken = 0;
            while (numbers.size() < 6) {
                const int n = Rng::random(49) + 1;
                if (taken >> n & 1) continue;
                taken |= std::uint64_t{1} << n;
                numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            }
            form->controls().ListBox1->addItem(numbers.join(QLatin1Char(',')) + QStringLiteral(":Normal"));
        }
        form->controls().DateTimePicker2->trySetDate(QDate(1990, 1, 1));
        form->controls().DateTimePicker1->trySetDate(QDate(2025, 9, 1));
        // The stop button of the comparison with chance, pressed as soon as it can be.
        stopChance.setInterval(0);
        QObject::connect(&stopChance, &QTimer::timeout, [this] {
            if (AnalysisReport* r = form->findChild<AnalysisReport*>(QStringLiteral("AnalysisReport")))
                if (r->chanceStop->isEnabled()) r->chanceStop->click();
        });
        stopChance.start();
    }
};

std::unique_ptr<TipTest> g_test;

void BM_TipTest200TipsWholeHistory(benchmark::State& state) {
    if (!g_test) g_test = std::make_unique<TipTest>();
    for (auto _ : state) g_test->form->SpeedButton4Click();
    state.SetLabel(g_test->form->controls().Label29->text().toStdString());
}
BENCHMARK(BM_TipTest200TipsWholeHistory)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, {}, [] { g_test.reset(); });
}
