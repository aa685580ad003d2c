#pragma once
// What the window benchmarks share: a fixed clock and a history file written from records.
#include "history/DrawRecord.h"
#include "gui/Platform.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

class BenchClock : public Clock {
public:
    QDate today() const override { return QDate(2025, 9, 1); }
    std::uint64_t counter() const override { return 1; }
};

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
