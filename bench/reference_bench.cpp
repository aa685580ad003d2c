// The program against a small, independent reference in plain C++ doing the same work with
// bit masks: read the history file, scan the all-time history check, count the number
// frequencies. Both run side by side in one process on the same history file (the bundled
// real history, 3,449 draws), and the reference's results are checked equal to the program's
// before anything is measured.
#include "BenchSupport.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/HistorySnapshot.h"
#include "stats/Statistics.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ref {

// ---- The reference: no Qt, no classes of the program ----

struct Draw {
    double date;
    std::uint8_t numbers[6];
};

std::vector<Draw> readFile(const char* path) {
    std::vector<Draw> draws;
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return draws;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fseek(f, 0, SEEK_SET);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    draws.resize(got / 32);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        std::memcpy(&draws[i].date, &bytes[i * 32], 8); // little-endian machine
        std::memcpy(draws[i].numbers, &bytes[i * 32 + 8], 6);
    }
    return draws;
}

struct Prepared {
    std::vector<double> dates;
    std::vector<std::uint64_t> masks;
};

Prepared prepare(const std::vector<Draw>& draws) {
    Prepared p;
    p.dates.reserve(draws.size());
    p.masks.reserve(draws.size());
    for (const Draw& d : draws) {
        std::uint64_t m = 0;
        for (std::uint8_t n : d.numbers) m |= std::uint64_t{1} << (n & 63);
        p.dates.push_back(d.date);
        p.masks.push_back(m);
    }
    return p;
}

// Index of the first draw from < date <= to with at least minHits common numbers, or -1; the
// dates are ascending.
__attribute__((target_clones("popcnt", "default"))) long firstReaching(const Prepared& p, double from,
                                                                        double to, int minHits,
                                                                        std::uint64_t tip) {
    std::size_t lo = 0, hi = p.dates.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (p.dates[mid] <= from) lo = mid + 1;
        else hi = mid;
    }
    for (std::size_t i = lo; i < p.dates.size() && p.dates[i] <= to; ++i)
        if (__builtin_popcountll(p.masks[i] & tip) >= minHits) return static_cast<long>(i);
    return -1;
}

struct Frequencies {
    std::array<int, 50> count{};
    int draws = 0;
    long long crossSums = 0;
};

Frequencies frequencies(const std::vector<Draw>& draws, double from, double to) {
    Frequencies f;
    for (const Draw& d : draws)
        if (from <= d.date && d.date <= to) {
            for (std::uint8_t n : d.numbers) {
                if (n < 50) ++f.count[n];
                f.crossSums += n;
            }
            ++f.draws;
        }
    return f;
}

} // namespace ref

namespace {

struct Setup {
    QTemporaryDir dir;
    QString path;
    std::string nativePath;
    double from = 0, to = 0;
    std::vector<std::uint64_t> tips; // never reaching six hits: the whole window is scanned
};

Setup& setup() {
    static Setup s = [] {
        Setup s;
        s.path = s.dir.filePath(QStringLiteral("ZahlenGR.dat"));
        s.nativePath = QFile::encodeName(s.path).toStdString();
        const std::vector<DrawRecord> records = DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV));
        // Written as an entry leaves it: the records, then one rewrite by the program's writer.
        writeHistoryFile(s.path, records);
        DrawHistory(s.path).insertOrReplace(records.back());
        s.from = records.front().date - 1;
        s.to = records.back().date;
        std::uint32_t seed = 99;
        for (int i = 0; i < 64; ++i) {
            std::uint64_t m = 0;
            while (std::popcount(m) < 6) {
                seed = seed * 134775813u + 1u;
                m |= std::uint64_t{1} << (1 + ((static_cast<std::uint64_t>(seed) * 49) >> 32));
            }
            s.tips.push_back(m);
        }
        return s;
    }();
    return s;
}

// The reference must give the program's results, or nothing is measured.
bool resultsAgree() {
    Setup& s = setup();
    const std::vector<DrawRecord> program = DrawHistory(s.path).readAll();
    const std::vector<ref::Draw> reference = ref::readFile(s.nativePath.c_str());
    if (program.size() != reference.size()) return false;
    for (std::size_t i = 0; i < program.size(); ++i)
        if (program[i].date != reference[i].date ||
            std::memcmp(program[i].numbers.data(), reference[i].numbers, 6) != 0)
            return false;

    HistorySnapshot snapshot(s.path);
    const std::shared_ptr<const HistoryRecords> h = snapshot.records();
    const ref::Prepared p = ref::prepare(reference);
    for (const std::uint64_t tip : s.tips)
        for (int hits = 3; hits <= 6; ++hits) {
            const auto scan = HistoryCheck::firstInWindowReachingMask(*h, {s.from, s.to}, hits, tip);
            const long r = ref::firstReaching(p, s.from, s.to, hits, tip);
            if (scan.reached != (r >= 0)) return false;
            if (scan.reached && static_cast<long>(*scan.lastExamined) != r) return false;
        }

    const DrawFilter filter{s.from, s.to, true, true};
    const Statistics::NumberFrequencies f = Statistics::numberFrequencies(program, filter);
    const ref::Frequencies rf = ref::frequencies(reference, s.from, s.to);
    return f.count == rf.count && f.draws == rf.draws && f.crossSums == rf.crossSums;
}

void BM_ReadFile_Program(benchmark::State& state) {
    const DrawHistory history(setup().path);
    for (auto _ : state) benchmark::DoNotOptimize(history.readAll());
}
void BM_ReadFile_Reference(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ref::readFile(setup().nativePath.c_str()));
}

// The all-time check as the generator makes it: validate the snapshot (one stat()), scan.
void BM_HistoryScan_Program(benchmark::State& state) {
    Setup& s = setup();
    HistorySnapshot snapshot(s.path);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::shared_ptr<const HistoryRecords> h = snapshot.records();
        benchmark::DoNotOptimize(
            HistoryCheck::firstInWindowReachingMask(*h, {s.from, s.to}, 6, s.tips[i++ % s.tips.size()]));
    }
}
// The reference keeps its prepared masks and checks the file with one stat() as well.
void BM_HistoryScan_Reference(benchmark::State& state) {
    Setup& s = setup();
    const ref::Prepared p = ref::prepare(ref::readFile(s.nativePath.c_str()));
    std::size_t i = 0;
    for (auto _ : state) {
        struct stat st {};
        benchmark::DoNotOptimize(::stat(s.nativePath.c_str(), &st));
        benchmark::DoNotOptimize(ref::firstReaching(p, s.from, s.to, 6, s.tips[i++ % s.tips.size()]));
    }
}

// Read and count, as the chart button does before plotting.
void BM_Frequencies_Program(benchmark::State& state) {
    Setup& s = setup();
    const DrawFilter filter{s.from, s.to, true, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(Statistics::numberFrequencies(DrawHistory(s.path).readAll(), filter));
}
void BM_Frequencies_Reference(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(ref::frequencies(ref::readFile(s.nativePath.c_str()), s.from, s.to));
}

BENCHMARK(BM_ReadFile_Program)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFile_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryScan_Program)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryScan_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frequencies_Program)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Frequencies_Reference)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!resultsAgree()) {
        std::fprintf(stderr, "reference and program disagree on the real history\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
