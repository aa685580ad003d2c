#pragma once
// What the window benchmarks share: a fixed clock, a platform that answers without asking, a
// history file written from records and a tip list.
#include "base/Random.h"
#include "history/DrawRecord.h"
#include "gui/TipPrint.h"
#include "gui/Platform.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

class BenchClock : public Clock {
public:
    QDate today() const override { return QDate(2025, 9, 1); }
    std::uint64_t counter() const override { return 1; }
};

// Dialogs that never wait: messages pass, input boxes take their proposal, file dialogs are
// cancelled; an error or a question ends the benchmark.
class QuietDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&) override {}
    void error(QWidget*, const QString& text) override {
        qFatal("error during the benchmark: %s", qPrintable(text));
    }
    bool messageOrStop(QWidget*, const QString&, const QString&) override { return true; }
    QString inputBox(QWidget*, const QString&, const QString&, const QString& proposal) override {
        return proposal;
    }
    Answer question(QWidget*, const QString& text, bool) override {
        qFatal("question during the benchmark: %s", qPrintable(text));
    }
    QString saveFileName(QWidget*, const FileRequest&) override { return {}; }
    QString openFileName(QWidget*, const FileRequest&) override { return {}; }
};

class SilentSoundAndShell : public Sound, public Shell {
public:
    void play(const QString&) override {}
    bool open(const QString&) override { return true; }
};

// The main window's platform in a benchmark: quiet dialogs, the fixed clock, no sound, and the
// program's own printing and HTTP client should a benchmark use them.
inline Platform quietPlatform() {
    auto silent = std::make_shared<SilentSoundAndShell>();
    // Never an update at start: a benchmark does not go online.
    return Platform{std::make_shared<QuietDialogs>(), std::make_shared<BenchClock>(), silent, silent,
                    std::make_shared<Printing>(), Platform::system().http, false};
}

// count lines of ten-number full systems ("nn,...,nn:Vollsystem") from a fixed seed.
inline QStringList fullSystemTipLines(int count) {
    QStringList lines;
    Rng::setSeed(7);
    for (int i = 0; i < count; ++i) {
        QString line;
        for (int k = 0; k < 10; ++k)
            line += QStringLiteral("%1,").arg(Rng::random(49) + 1, 2, 10, QLatin1Char('0'));
        line.chop(1);
        lines << line + QStringLiteral(":Vollsystem");
    }
    return lines;
}

inline void writeHistoryFile(const QString& path, const std::vector<DrawRecord>& records) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const auto& r : records) {
        const auto b = r.toBytes();
        f.write(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
}

// The main() of a benchmark that needs widgets: an application on the offscreen platform,
// `before` once it exists, the benchmarks, then `after` while the application still exists.
inline int runWidgetBenchmarks(int argc, char** argv, const std::function<void()>& before = {},
                               const std::function<void()>& after = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (before) before();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (after) after();
    return 0;
}
