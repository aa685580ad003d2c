// The historic analysis ("Historische Analyse ...") from 1 January 2015 to the newest draw of
// the real history, with the built-in options, through the real main window (offscreen).
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "history/DrawCsv.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers the lucky number box and keeps the summary.
class AnsweringDialogs : public WidgetDialogs {
public:
    QString summary;
    void message(QWidget*, const QString& text) override { summary = text; }
    void error(QWidget*, const QString& text) override { summary = text; }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override {
        return QStringLiteral("4711");
    }
};

void BM_HistoricAnalysisFrom2015(benchmark::State& state) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
    writeHistoryFile(dir.path() + QStringLiteral("/ZahlenGR.dat"),
                     DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV)));
    auto dialogs = std::make_shared<AnsweringDialogs>();
    Platform p = Platform::system();
    p.dialogs = dialogs;
    p.clock = std::make_shared<BenchClock>();
    TForm1 form(dir.path() + QLatin1Char('/'), p);
    for (auto _ : state) {
        form.ui.DateTimePicker1->setDate(QDate(2015, 1, 1));
        form.BitBtn9Click();
    }
    state.SetLabel(dialogs->summary.section(QLatin1Char('\n'), -1).toStdString());
}
BENCHMARK(BM_HistoricAnalysisFrom2015)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv);
}
