// The historic analysis ("Historische Analyse ...") from 1 January 2015, and over the whole
// history, to the newest draw of the real history, with the built-in options, through the real
// main window (offscreen).
#include "BenchSupport.h"
#include "app/TForm1.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <thread>

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

// One window over one history file for all runs, as a player keeps the program open.
struct Analysis {
    QTemporaryDir dir;
    std::shared_ptr<AnsweringDialogs> dialogs = std::make_shared<AnsweringDialogs>();
    std::unique_ptr<TForm1> form;
    QString path;
    DrawRecord newest;

    Analysis() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
        path = dir.path() + QStringLiteral("/ZahlenGR.dat");
        const std::vector<DrawRecord> records = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
        writeHistoryFile(path, records);
        newest = records.back();
        Platform p = Platform::system();
        p.dialogs = dialogs;
        p.clock = std::make_shared<BenchClock>();
        form = std::make_unique<TForm1>(dir.path() + QLatin1Char('/'), p);
    }
};

// Ended before the application, like every window.
std::unique_ptr<Analysis> g_analysis;

Analysis& analysis() {
    if (!g_analysis) g_analysis = std::make_unique<Analysis>();
    return *g_analysis;
}

// Right after the program wrote the history (an entry of the newest draw: the file is rewritten
// and replaced), right after another program wrote it, or with the file untouched for over two
// seconds. The analysis reads the file once at its start, so all three cost the same; they are
// kept to compare with the figures of the cache of the file the program once had.
enum class FileState { JustWritten, WrittenElsewhere, Settled };

void runAnalysis(benchmark::State& state, QDate from, FileState file) {
    Analysis& a = analysis();
    for (auto _ : state) {
        state.PauseTiming();
        if (file == FileState::JustWritten) {
            DrawHistory(a.path).insertOrReplace(a.newest);
        } else if (file == FileState::WrittenElsewhere) {
            writeHistoryFile(a.path, DrawHistory(a.path).readAll());
        } else {
            const QDateTime changed = QFileInfo(a.path).metadataChangeTime();
            const qint64 wait = 2300 - changed.msecsTo(QDateTime::currentDateTime());
            if (wait > 0) std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        }
        a.form->controls().DateTimePicker1->setDate(from);
        state.ResumeTiming();
        a.form->BitBtn9Click();
    }
    state.SetLabel(a.dialogs->summary.section(QLatin1Char('\n'), -1).toStdString());
}

void BM_HistoricAnalysisFrom2015_JustWritten(benchmark::State& state) {
    runAnalysis(state, QDate(2015, 1, 1), FileState::JustWritten);
}
void BM_HistoricAnalysisFrom2015_WrittenElsewhere(benchmark::State& state) {
    runAnalysis(state, QDate(2015, 1, 1), FileState::WrittenElsewhere);
}
void BM_HistoricAnalysisFrom2015_Settled(benchmark::State& state) {
    runAnalysis(state, QDate(2015, 1, 1), FileState::Settled);
}
void BM_HistoricAnalysisWhole_Settled(benchmark::State& state) {
    runAnalysis(state, QDate(1990, 1, 1), FileState::Settled);
}
BENCHMARK(BM_HistoricAnalysisFrom2015_JustWritten)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoricAnalysisFrom2015_WrittenElsewhere)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoricAnalysisFrom2015_Settled)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoricAnalysisWhole_Settled)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, {}, [] { g_analysis.reset(); });
}
