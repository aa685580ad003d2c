// The settings key as the start-up reads it: parsing (and saving) a key of 20,000 to 80,000
// values, about 2 MB at the most, below the 4 MB cap. The time should grow in step with the
// number of values.
#include "base/SettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QByteArray keyOf(int values) {
    QByteArray content = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Brenlow\\Velmora]\n";
    for (int i = 0; i < values; ++i)
        content += "\"Wert" + QByteArray::number(i) + "\"=\"" + QByteArray::number(i * 7919) + "\"\n";
    return content;
}

void BM_ParseSettings(benchmark::State& state) {
    const QByteArray content = keyOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SettingsStore store = SettingsStore::openFile(QStringLiteral("/nonexistent/Velmora.reg"));
        benchmark::DoNotOptimize(store.parse(content));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * content.size());
}
BENCHMARK(BM_ParseSettings)->Arg(20000)->Arg(40000)->Arg(80000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_OpenAndSaveSettings(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmora.reg"));
    SettingsStore seed = SettingsStore::openFile(path);
    seed.parse(keyOf(static_cast<int>(state.range(0))));
    seed.save();
    for (auto _ : state) {
        SettingsStore store = SettingsStore::openFile(path);
        store.writeInteger(QStringLiteral("Land"), 3);
        store.save();
    }
}
BENCHMARK(BM_OpenAndSaveSettings)->Arg(80000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
