// The program against a small, independent reference in plain C++ doing the same work with
// bit masks and arrays: read the history file, scan the all-time history check, and every chart
// statistic of the window (read the file, count, make the bars and the title). Both run side by
// side in one process on the same history file (the bundled real history, 3,449 draws), and the
// reference's results - every bar of every chart - are checked equal to the program's before
// anything is measured.
#include "BenchSupport.h"
#include "ReferenceScan.h"
#include "base/DayCount.h"
#include "base/Random.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/BarChartModel.h"
#include "stats/HistoryRecords.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"

#include <QCoreApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
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

// The scan on prepared draws.
inline long firstReaching(const Prepared& p, double from, double to, int minHits, std::uint64_t tip) {
    return firstReaching(p.dates, p.masks, from, to, minHits, tip);
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

// ---- The chart statistics: what the chart ends up holding ----

constexpr unsigned Red = 0xFF0000;
constexpr unsigned Green = 0x00A000; // also the default colour of the statistics' series

struct Bar {
    double x;
    double y;
    std::string label; // always empty
    unsigned colour;
};

struct Plot {
    std::vector<Bar> bars;
    bool automaticAxis = true;
    double axisMin = 0, axisMax = 0; // fixed axis only
    std::string title;
};

struct Window {
    double from, to;
    bool saturdays, wednesdays;

    bool weekdayPasses(double date) const {
        if (saturdays && wednesdays) return true;
        // Day 0 was a Saturday; 1 = Sunday ... 7 = Saturday.
        const long long days = static_cast<long long>(std::floor(date));
        const int day = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
        return (saturdays && day == 7) || (wednesdays && day == 4);
    }
    bool closed(double date) const { return from <= date && date <= to && weekdayPasses(date); }
    bool open(double date) const { return from < date && date <= to && weekdayPasses(date); }
};

bool isRed(int n) {
    switch (n) {
    case 1: case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19: case 23:
    case 29: case 31: case 37: case 41: case 43: case 47:
        return true;
    default:
        return false;
    }
}

// Bars 1..49 in red and green, the axis fixed from the smallest to the largest value.
void numberBars(Plot& plot, const int* values) {
    plot.bars.clear();
    int lo = values[1], hi = values[1];
    for (int n = 1; n <= 49; ++n) {
        plot.bars.push_back({double(n), double(values[n]), {}, isRed(n) ? Red : Green});
        lo = std::min(lo, values[n]);
        hi = std::max(hi, values[n]);
    }
    plot.automaticAxis = false;
    plot.axisMin = lo;
    plot.axisMax = hi;
}

// Round half to even (the default rounding mode).
long long average(long long total, int draws) {
    return draws == 0 ? 0 : std::llrint(static_cast<double>(total) / draws);
}

std::string drawsAndAverage(const char* head, int draws, long long total) {
    char text[128];
    std::snprintf(text, sizeof text, "%s     Ziehungen: %d    Quersumme: %lld", head, draws, average(total, draws));
    return text;
}

void frequencyChart(const char* path, const Window& w, Plot& plot) {
    const std::vector<Draw> draws = readFile(path);
    int count[50] = {};
    int n = 0;
    long long sums = 0;
    for (const Draw& d : draws)
        if (w.closed(d.date)) {
            for (std::uint8_t k : d.numbers) {
                if (k < 50) ++count[k];
                sums += k;
            }
            ++n;
        }
    numberBars(plot, count);
    plot.title = drawsAndAverage("Zahlenverteilung", n, sums);
}

// length 2, 3 or 4: runs n .. n + length - 1 of winning numbers.
void runChart(const char* path, const Window& w, int length, Plot& plot) {
    const std::vector<Draw> draws = readFile(path);
    const int lastStart = length == 2 ? 48 : 47;
    const int barCount = length == 2 ? 48 : length == 3 ? 47 : 49;
    int found[50] = {};
    int n = 0, total = 0;
    for (const Draw& d : draws) {
        if (!w.open(d.date)) continue;
        ++n;
        std::uint64_t drawn = 0;
        for (std::uint8_t k : d.numbers)
            if (k < 64) drawn |= std::uint64_t{1} << k;
        // Each drawn number may start a run: are the next length - 1 numbers drawn too?
        for (std::uint8_t k : d.numbers) {
            if (k < 1 || k > lastStart) continue;
            const std::uint64_t run = ((std::uint64_t{1} << length) - 1) << k;
            if ((drawn & run) == run) {
                ++found[k];
                ++total;
            }
        }
    }
    plot.bars.clear();
    int lo = found[1], hi = found[1];
    for (int k = 1; k <= barCount; ++k) {
        plot.bars.push_back({double(k), double(found[k]), {}, Green});
        lo = std::min(lo, found[k]);
        hi = std::max(hi, found[k]);
    }
    plot.automaticAxis = length == 4;
    plot.axisMin = plot.automaticAxis ? 0 : lo;
    plot.axisMax = plot.automaticAxis ? 0 : hi;
    char text[256];
    if (length == 2)
        std::snprintf(text, sizeof text,
                      "Bei %d Ziehungen wurden %d Paare gefunden! H\u00e4ufigkeit = 1.Zahl des Paares (%d x 5 => %d x 5-6)",
                      n, total, found[5], found[5]);
    else if (length == 3)
        std::snprintf(text, sizeof text,
                      "Bei %d Ziehungen wurden %d Dreier gefunden! H\u00e4ufigkeit = 1.Zahl des Dreiers (%d x 5 => %d x 5-6-7)",
                      n, total, found[5], found[5]);
    else
        std::snprintf(text, sizeof text,
                      "Bei %d Ziehungen wurden %d Vierer gefunden! H\u00e4ufigkeit = 1.Zahl des Vierers (%dx 5 => %dx 5-6-7-8)",
                      n, total, found[5], found[5]);
    plot.title = text;
}

void overdueChart(const char* path, const Window& w, Plot& plot) {
    const std::vector<Draw> draws = readFile(path); // a missing file: no draw
    // last[k]: how many draws were counted up to the last one holding k (0: none).
    int last[50] = {};
    int n = 0;
    for (const Draw& d : draws) {
        if (!w.open(d.date)) continue;
        ++n;
        for (std::uint8_t k : d.numbers)
            if (k < 50) last[k] = n;
    }
    int wait[50];
    for (int k = 0; k < 50; ++k) wait[k] = n - last[k] + 1;
    numberBars(plot, wait);
    plot.title = "Welche Zahl ist \u00fcberf\u00e4llig, wurde also seit wievielen Ziehungen nicht gezogen?";
}

void crossSumChart(const char* path, const Window& w, Plot& plot) {
    const std::vector<Draw> draws = readFile(path);
    std::array<int, 6 * 255 + 1> occurrences{};
    int lo = 6 * 255, hi = 0, n = 0;
    long long total = 0;
    for (const Draw& d : draws) {
        if (!w.open(d.date)) continue;
        int s = 0;
        for (std::uint8_t k : d.numbers) s += k;
        ++occurrences[s];
        lo = std::min(lo, s);
        hi = std::max(hi, s);
        ++n;
        total += s;
    }
    plot.bars.clear();
    for (int s = lo; s <= hi; ++s) plot.bars.push_back({double(s), double(occurrences[s]), {}, Green});
    plot.automaticAxis = true;
    plot.axisMin = plot.axisMax = 0;
    plot.title = drawsAndAverage("Quersummenverteilung", n, total);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Each line up to its first ':', split at ','; a field that is no whole number ends the line.
void tipChart(const std::vector<std::string>& lines, Plot& plot) {
    int count[50] = {};
    for (const std::string& line : lines) {
        const std::size_t end = std::min(line.find(':'), line.size());
        std::size_t start = 0;
        while (start <= end) {
            std::size_t comma = line.find(',', start);
            if (comma > end) comma = end;
            std::size_t a = start, b = comma;
            while (a < b && isBlank(line[a])) ++a;
            while (b > a && isBlank(line[b - 1])) --b;
            if (a < b && line[a] == '+' && !(a + 1 < b && line[a + 1] == '-')) ++a;
            int value = 0;
            const auto [p, ec] = std::from_chars(line.data() + a, line.data() + b, value);
            if (a == b || ec != std::errc() || p != line.data() + b) break;
            if (value >= 0 && value <= 49) ++count[value];
            start = comma + 1;
        }
    }
    numberBars(plot, count);
    plot.title = "Zahlenverteilung des Tippes";
}

} // namespace ref

namespace {

struct Setup {
    QTemporaryDir dir;
    QString path;
    std::string nativePath;
    double from = 0, to = 0;
    std::vector<std::uint64_t> tips; // never reaching six hits: the whole window is scanned
    // The window as it opens: from 7 September 1986, to the day of the run (after the newest
    // draw), both weekday boxes checked. Every draw of the history is counted.
    DrawFilter window;
    ref::Window refWindow{};
    // The tip list for the tip distribution: 1000 ten-number full systems.
    QStringList tipLines;
    std::vector<std::string> refTipLines;
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
        s.window = {DayCount::fromDate(QDate(1986, 9, 7)), DayCount::fromDate(BenchClock().today()), true, true};
        if (s.window.to < records.back().date) std::abort();
        s.refWindow = {s.window.from, s.window.to, s.window.saturdays, s.window.wednesdays};
        s.tipLines = fullSystemTipLines(1000);
        for (const QString& line : s.tipLines) s.refTipLines.push_back(line.toStdString());
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

    const std::shared_ptr<const HistoryRecords> h = HistoryRecords::read(s.path);
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

// ---- The chart statistics as the window runs them ----

enum class Chart { Frequencies, Pairs, Triples, Quadruples, Overdue, CrossSums, TipDistribution };
constexpr Chart AllCharts[] = {Chart::Frequencies, Chart::Pairs,     Chart::Triples,        Chart::Quadruples,
                               Chart::Overdue,     Chart::CrossSums, Chart::TipDistribution};

const char* chartName(Chart c) {
    switch (c) {
    case Chart::Frequencies: return "number frequencies";
    case Chart::Pairs: return "pairs";
    case Chart::Triples: return "triples";
    case Chart::Quadruples: return "quadruples";
    case Chart::Overdue: return "overdue numbers";
    case Chart::CrossSums: return "cross sums";
    case Chart::TipDistribution: return "tip distribution";
    }
    return "?";
}

// What the button does after reading its controls: read the file, count, plot, fill the chart.
void programChart(Chart c, BarChartModel* chart) {
    using namespace Statistics;
    const Setup& s = setup();
    const DrawFilter& filter = s.window;
    switch (c) {
    case Chart::Frequencies:
        applyPlot(chart, frequencyPlot(numberFrequencies(DrawHistory(s.path).readAll(), filter)));
        break;
    case Chart::Pairs:
    case Chart::Triples:
    case Chart::Quadruples: {
        const RunKind kind = c == Chart::Pairs ? RunKind::Pairs : c == Chart::Triples ? RunKind::Triples : RunKind::Quadruples;
        const auto records = DrawHistory(s.path).readAll();
        applyPlot(chart, runPlot(runCounts(records, filter, kind)));
        break;
    }
    case Chart::Overdue: {
        // A missing history counts no draw.
        const DrawHistory file(s.path);
        const auto records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
        applyPlot(chart, overduePlot(overdueNumbers(records, filter)));
        break;
    }
    case Chart::CrossSums:
        applyPlot(chart, crossSumPlot(crossSums(DrawHistory(s.path).readAll(), filter)));
        break;
    case Chart::TipDistribution:
        applyPlot(chart, tipDistributionPlot(tipDistribution(s.tipLines)));
        break;
    }
}

void referenceChart(Chart c, ref::Plot& plot) {
    const Setup& s = setup();
    const char* path = s.nativePath.c_str();
    switch (c) {
    case Chart::Frequencies: ref::frequencyChart(path, s.refWindow, plot); break;
    case Chart::Pairs: ref::runChart(path, s.refWindow, 2, plot); break;
    case Chart::Triples: ref::runChart(path, s.refWindow, 3, plot); break;
    case Chart::Quadruples: ref::runChart(path, s.refWindow, 4, plot); break;
    case Chart::Overdue: ref::overdueChart(path, s.refWindow, plot); break;
    case Chart::CrossSums: ref::crossSumChart(path, s.refWindow, plot); break;
    case Chart::TipDistribution: ref::tipChart(s.refTipLines, plot); break;
    }
}

// The first difference between the chart and the reference's plot, or an empty text.
std::string chartDifference(const BarChartModel& chart, const ref::Plot& plot) {
    char text[512];
    const BarSeries* series = chart.series2();
    if (!series->isActive() || chart.series1()->isActive()) return "Series2 is not the only active series";
    if (series->count() != static_cast<int>(plot.bars.size())) {
        std::snprintf(text, sizeof text, "%d bars, the reference has %zu", series->count(), plot.bars.size());
        return text;
    }
    for (int i = 0; i < series->count(); ++i) {
        const Bar& b = series->bar(i);
        const ref::Bar& r = plot.bars[static_cast<std::size_t>(i)];
        if (b.x != r.x || b.y != r.y || b.colour != r.colour || b.label.toStdString() != r.label) {
            std::snprintf(text, sizeof text, "bar %d: x %g y %g colour %06X label \"%s\", the reference x %g y %g colour %06X label \"%s\"",
                          i, b.x, b.y, b.colour, b.label.toStdString().c_str(), r.x, r.y, r.colour, r.label.c_str());
            return text;
        }
    }
    const ValueAxis* axis = chart.leftAxis();
    double lo = plot.axisMin, hi = plot.axisMax;
    if (plot.automaticAxis) { // the chart's own range: from 0 or below to the tallest bar
        lo = hi = 0;
        for (const ref::Bar& r : plot.bars) {
            lo = std::min(lo, r.y);
            hi = std::max(hi, r.y);
        }
    }
    if (axis->isAutomatic() != plot.automaticAxis || axis->minimum() != lo || axis->maximum() != hi) {
        std::snprintf(text, sizeof text, "left axis %s %g to %g, the reference %s %g to %g",
                      axis->isAutomatic() ? "automatic" : "fixed", axis->minimum(), axis->maximum(),
                      plot.automaticAxis ? "automatic" : "fixed", lo, hi);
        return text;
    }
    if (chart.bottomTitle().toStdString() != plot.title)
        return "title \"" + chart.bottomTitle().toStdString() + "\", the reference \"" + plot.title + "\"";
    return {};
}

// Every chart, every bar; the chart starts from another statistic's state each time.
bool chartsAgree() {
    BarChartModel chart;
    ref::Plot plot;
    for (const Chart c : AllCharts) {
        programChart(c, &chart);
        referenceChart(c, plot);
        const std::string difference = chartDifference(chart, plot);
        if (!difference.empty()) {
            std::fprintf(stderr, "%s: the program's chart and the reference differ: %s\n", chartName(c),
                         difference.c_str());
            return false;
        }
    }
    return true;
}

template <Chart C> void BM_Chart_Program(benchmark::State& state) {
    BarChartModel chart; // kept, as the window keeps its chart
    for (auto _ : state) {
        programChart(C, &chart);
        benchmark::DoNotOptimize(chart.series2()->count());
    }
}
template <Chart C> void BM_Chart_Reference(benchmark::State& state) {
    ref::Plot plot;
    for (auto _ : state) {
        referenceChart(C, plot);
        benchmark::DoNotOptimize(plot.bars.size());
    }
}

void BM_ReadFile_Program(benchmark::State& state) {
    const DrawHistory history(setup().path);
    for (auto _ : state) benchmark::DoNotOptimize(history.readAll());
}
void BM_ReadFile_Reference(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ref::readFile(setup().nativePath.c_str()));
}

// The all-time check as the generator makes it: a scan of the run's reading.
void BM_HistoryScan_Program(benchmark::State& state) {
    Setup& s = setup();
    const std::shared_ptr<const HistoryRecords> h = HistoryRecords::read(s.path);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            HistoryCheck::firstInWindowReachingMask(*h, {s.from, s.to}, 6, s.tips[i++ % s.tips.size()]));
    }
}
// The reference keeps its prepared masks and checks the file with one stat() per check.
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

// Each chart statistic, program and reference side by side.
#define CHART(NAME)                                                                                \
    BENCHMARK(BM_Chart_Program<Chart::NAME>)->Name("BM_" #NAME "Chart_Program")->Unit(benchmark::kMicrosecond); \
    BENCHMARK(BM_Chart_Reference<Chart::NAME>)->Name("BM_" #NAME "Chart_Reference")->Unit(benchmark::kMicrosecond)
CHART(Frequencies);
CHART(Pairs);
CHART(Triples);
CHART(Quadruples);
CHART(Overdue);
CHART(CrossSums);
CHART(TipDistribution);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!resultsAgree()) {
        std::fprintf(stderr, "reference and program disagree on the real history\n");
        return 1;
    }
    if (!chartsAgree()) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
