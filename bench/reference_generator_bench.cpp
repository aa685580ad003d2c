// The default generation run of six tips against a small, independent reference in plain C++
// doing the same work: read the history file, take the last three draws up to the evaluation
// date, the two statistics of the built-in options (rare numbers, overdue numbers), build the
// weighted pool, draw six tips from the program's random sequence under the built-in rules
// with the history checks on bit masks, and check the new tips against the draw.
//
// Before anything is measured, the reference's tips and hits are compared for every seed the
// benchmarks use with those of the program's domain code and of its main window (offscreen);
// the program stops with a message when they differ. Then the three run side by side in one
// process on the same history file (the bundled real history, 1990-2025).
#include "BenchSupport.h"
#include "ReferenceScan.h"
#include "app/TForm1.h"
#include "base/Random.h"
#include "evaluation/Matching.h"
#include "generator/TipGenerator.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ref {

// ---- The reference: plain C++ and the standard library, no Qt, no classes of the program ----

// The history file: 32-byte records, a little-endian double day count, six winning numbers,
// the additional number, an eighth byte, sixteen reserved bytes.
struct History {
    std::vector<double> dates;
    std::vector<std::array<std::uint8_t, 8>> numbers; // six numbers, additional, eighth
    std::vector<std::uint64_t> masks;                 // the six winning numbers as bits
};

bool readFile(const char* path, History& h) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    std::vector<unsigned char> bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    const std::size_t count = got / 32;
    h.dates.resize(count);
    h.numbers.resize(count);
    h.masks.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* r = &bytes[i * 32];
        std::memcpy(&h.dates[i], r, 8); // little-endian machine
        std::memcpy(h.numbers[i].data(), r + 8, 8);
        std::uint64_t m = 0;
        for (int k = 0; k < 6; ++k) m |= std::uint64_t{1} << (r[8 + k] & 63);
        h.masks[i] = m;
    }
    return true;
}

long long roundHalfEven(double x) {
    const double lower = std::floor(x);
    long long r = static_cast<long long>(lower);
    const double diff = x - lower;
    if (diff > 0.5 || (diff == 0.5 && r % 2 != 0)) ++r;
    return r;
}

// The program's random sequence: a 32-bit linear congruential state, scaled into 0 .. n - 1.
struct Random {
    std::uint32_t state;
    std::uint32_t below(std::uint32_t n) {
        state = state * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * n) >> 32);
    }
};

// The scan on the kept draws.
inline long firstReaching(const History& h, double from, double to, int minHits, std::uint64_t tip) {
    return firstReaching(h.dates, h.masks, from, to, minHits, tip);
}

// Six tips drawn from the pool, each the first candidate that passes every rule.
__attribute__((target_clones("popcnt", "default"))) bool drawTips(const History& h, const std::uint8_t* pool,
                                                                   int poolSize,
                                                                   const std::array<std::uint64_t, 3>& recent,
                                                                   double from, double to, std::uint32_t seed,
                                                                   std::vector<std::uint64_t>& accepted,
                                                                   long& candidates) {
    Random random{seed};
    accepted.reserve(6);
    constexpr int MaxRuns = 100000;
    for (int t = 0; t < 6; ++t) {
        int runs = 0;
        for (;;) {
            if (runs >= MaxRuns) return false;
            ++runs;
            std::uint64_t tip = 0;
            for (int k = 0; k < 6;) {
                const std::uint8_t v = pool[random.below(static_cast<std::uint32_t>(poolSize))];
                if (tip >> v & 1) continue;
                tip |= std::uint64_t{1} << v;
                ++k;
            }
            ++candidates;
            bool fails = false;
            for (const std::uint64_t earlier : accepted) {
                const int common = __builtin_popcountll(tip & earlier);
                if (common > 4 || common < 2) fails = true;
            }
            if (fails || (tip & tip >> 1 & tip >> 2) != 0) continue;
            int sum = 0;
            for (std::uint64_t m = tip; m != 0; m &= m - 1) sum += __builtin_ctzll(m);
            if (sum < 125 || sum > 175) continue;
            if (__builtin_popcountll(tip & recent[0]) > 0 || __builtin_popcountll(tip & recent[1]) > 1 ||
                __builtin_popcountll(tip & recent[2]) > 2)
                continue;
            if (firstReaching(h, from, to, 5, tip) >= 0 || firstReaching(h, to - 7.0 * 40, to, 4, tip) >= 0 ||
                firstReaching(h, to - 7.0 * 10, to, 3, tip) >= 0)
                continue;
            if (runs >= MaxRuns) return false; // found on the very last attempt: does not count
            accepted.push_back(tip);
            break;
        }
    }
    return true;
}

struct Run {
    std::vector<std::array<int, 6>> tips; // ascending numbers
    std::vector<int> hits;                // of each tip on the evaluation draw
    long candidates = 0;
};

// The built-in options: six numbers, six tips, 100,000 attempts per tip; rare numbers and
// overdue numbers preferred at 30 %; at most four and at least two numbers in common with every
// earlier tip; no three consecutive numbers; cross sum 125 to 175; no number of the last draw,
// at most one of the second-last, two of the third-last (the last draw's numbers also leave the
// pool); never five hits on a draw of the window, never four in the last 40 weeks nor three in
// the last 10.
bool runOn(const History& h, double from, double evaluationDay, std::uint32_t seed, Run& out) {
    if (h.dates.empty()) return false;
    const std::size_t size = h.dates.size();

    // The draw on or after the evaluation date (the last one when none is) and the two before it.
    std::size_t at = size - 1;
    for (std::size_t i = 0; i < size; ++i)
        if (h.dates[i] >= evaluationDay) {
            at = i;
            break;
        }
    const double to = h.dates[at];
    std::array<std::uint64_t, 3> recent{};
    for (int g = 0, i = static_cast<int>(at); g < 3; ++g, i = i > 0 ? i - 1 : 0)
        for (int k = 0; k < 7; ++k) {
            const unsigned v = h.numbers[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
            if (v > 0 && v < 64) recent[static_cast<std::size_t>(g)] |= std::uint64_t{1} << v;
        }

    // Frequencies over from <= date <= to, waits over from < date <= to.
    std::array<int, 50> count{}, lastSeen{};
    int waitDraws = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const double d = h.dates[i];
        if (d > to) continue;
        const bool open = from < d;
        if (open) ++waitDraws;
        if (from <= d)
            for (int k = 0; k < 6; ++k) {
                const unsigned v = h.numbers[i][static_cast<std::size_t>(k)];
                if (v < 50) {
                    ++count[v];
                    if (open) lastSeen[v] = waitDraws;
                }
            }
    }
    std::array<int, 50> wait{};
    for (int v = 0; v < 50; ++v) wait[static_cast<std::size_t>(v)] = waitDraws - lastSeen[static_cast<std::size_t>(v)] + 1;

    // The pool, at most 540 entries.
    std::array<std::uint8_t, 540> pool{};
    int poolSize = 0;
    auto add = [&](int v, int times) {
        for (int i = 0; i < times && poolSize < 540; ++i) pool[static_cast<std::size_t>(poolSize++)] = static_cast<std::uint8_t>(v);
    };
    auto band = [&](const std::array<int, 50>& values, long long lo, long long hi, int times) {
        for (int v = 1; v <= 49; ++v)
            if (lo <= values[static_cast<std::size_t>(v)] && values[static_cast<std::size_t>(v)] <= hi) add(v, times);
    };
    auto range = [](const std::array<int, 50>& values, double& lo, double& hi) {
        int a = values[1], b = values[1];
        for (int v = 2; v <= 49; ++v) {
            a = std::min(a, values[static_cast<std::size_t>(v)]);
            b = std::max(b, values[static_cast<std::size_t>(v)]);
        }
        lo = a;
        hi = b;
    };
    double mn = 0, mx = 0;
    range(count, mn, mx); // rare numbers: 30 % of the range twice, 15 % once more
    band(count, roundHalfEven(mn), roundHalfEven((100 * mn + 30 * (mx - mn)) / 100), 2);
    band(count, roundHalfEven(mn), roundHalfEven((200 * mn + 30 * (mx - mn)) / 200), 1);
    range(wait, mn, mx); // overdue numbers: the top 30 % twice, the top 15 % once more
    band(wait, roundHalfEven((100 * mx - 30 * (mx - mn)) / 100), roundHalfEven(mx), 2);
    band(wait, roundHalfEven((200 * mx - 30 * (mx - mn)) / 200), roundHalfEven(mx), 1);
    for (int v = 1; v <= 49; ++v) add(v, 1);
    // The last draw's numbers leave: each is replaced by the pool's last entry.
    for (int i = 0; i < poolSize; ++i)
        while (i < poolSize && (recent[0] >> pool[static_cast<std::size_t>(i)] & 1))
            pool[static_cast<std::size_t>(i)] = pool[static_cast<std::size_t>(--poolSize)];
    std::uint64_t distinct = 0;
    for (int i = 0; i < poolSize; ++i) distinct |= std::uint64_t{1} << pool[static_cast<std::size_t>(i)];
    if (__builtin_popcountll(distinct) < 6) return false;

    out = {};
    std::vector<std::uint64_t> accepted;
    if (!drawTips(h, pool.data(), poolSize, recent, from, to, seed, accepted, out.candidates)) return false;
    const std::uint64_t drawMask = h.masks[at];
    for (const std::uint64_t tip : accepted) {
        std::array<int, 6> numbers{};
        int k = 0;
        for (std::uint64_t m = tip; m != 0; m &= m - 1) numbers[static_cast<std::size_t>(k++)] = __builtin_ctzll(m);
        out.tips.push_back(numbers);
        out.hits.push_back(__builtin_popcountll(tip & drawMask));
    }
    return true;
}

// The whole run, the file read first.
bool run(const char* path, double from, double evaluationDay, std::uint32_t seed, Run& out) {
    History h;
    return readFile(path, h) && runOn(h, from, evaluationDay, seed, out);
}

// A reading kept from run to run and trusted while one stat() finds the file as it was read
// (inode, size, modification and change time), as a cache of the file would do it.
struct KeptReading {
    History history;
    struct stat seen {};
    bool valid = false;

    const History* get(const char* path) {
        struct stat now {};
        if (::stat(path, &now) != 0) return nullptr;
        const bool same = valid && now.st_ino == seen.st_ino && now.st_dev == seen.st_dev &&
                          now.st_size == seen.st_size && now.st_mtim.tv_sec == seen.st_mtim.tv_sec &&
                          now.st_mtim.tv_nsec == seen.st_mtim.tv_nsec && now.st_ctim.tv_sec == seen.st_ctim.tv_sec &&
                          now.st_ctim.tv_nsec == seen.st_ctim.tv_nsec;
        if (!same) {
            valid = readFile(path, history);
            seen = now;
        }
        return valid ? &history : nullptr;
    }
};

std::string tipLine(const std::array<int, 6>& tip) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d,%02d,%02d,%02d,%02d,%02d:Normal", tip[0], tip[1], tip[2], tip[3], tip[4],
                  tip[5]);
    return text;
}

} // namespace ref

namespace {

// The seeds of generator_bench: every iteration uses the next, the same for all three.
constexpr std::uint32_t Seeds[] = {11, 22, 33, 44, 55, 66, 77, 88, 99, 111, 222, 333, 444, 555, 666, 777};

struct Setup {
    QTemporaryDir dir;
    QString programDir;
    std::string nativePath;
    DrawFilter filter;        // the window's analysis window after its start
    double evaluationDay = 0; // the evaluation date the window starts with

    QString historyPath() const { return programDir + QStringLiteral("ZahlenGR.dat"); }
};

Setup& setup();

std::unique_ptr<TForm1> makeWindow() {
    auto form = std::make_unique<TForm1>(setup().programDir, quietPlatform());
    form->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return form;
}

Setup& setup() {
    static Setup s;
    static bool ready = false;
    if (ready) return s;
    ready = true;
    s.programDir = s.dir.filePath(QStringLiteral("program/"));
    QDir().mkpath(s.programDir);
    QDir().mkpath(s.dir.filePath(QStringLiteral("config")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(s.dir.filePath(QStringLiteral("config"))));
    writeHistoryFile(s.historyPath(), DrawCsv::readFile(QStringLiteral(QUINTARA_REAL_HISTORY_CSV)));
    s.nativePath = QFile::encodeName(s.historyPath()).toStdString();
    auto form = makeWindow();
    s.evaluationDay = form->controls().DateTimePicker1->dayCount();
    // The analysis window of generator_bench: from the window's start date to its current draw.
    s.filter = {form->controls().DateTimePicker2->dayCount(), form->currentDraw().date, true, true};
    form->close();
    return s;
}

// ---- The program: its domain code and its main window ----

struct Outcome {
    QStringList lines;
    std::vector<int> hits;
};

// The domain side of a run, as generator_bench measures it: the file read at its start.
HistoryRun domainRun(const DrawFilter& filter, GenerationState& state) {
    RuleOptions options;
    const std::shared_ptr<const HistoryRecords> history = HistoryRecords::read(setup().historyPath());
    return runOnHistory(*history, filter, PoolOptions{}, options, 6, 6, state, Rng::program());
}

Outcome windowOutcome(const TForm1& form) {
    Outcome o;
    for (int i = 0; i < form.controls().ListBox1->count(); ++i) o.lines << form.controls().ListBox1->item(i)->text();
    for (int i = 0; i < form.controls().ListBox2->count(); ++i)
        o.hits.push_back(form.controls().ListBox2->item(i)->text().section(QLatin1Char(' '), 0, 0).toInt());
    return o;
}

QString describe(const QStringList& lines, const std::vector<int>& hits) {
    QStringList parts;
    for (qsizetype i = 0; i < lines.size(); ++i)
        parts << lines[i] + QStringLiteral(" (%1)").arg(i < qsizetype(hits.size()) ? hits[std::size_t(i)] : -1);
    return parts.join(QStringLiteral("  "));
}

// The reference must give the program's tips and hits for every seed, or nothing is measured.
bool resultsAgree() {
    Setup& s = setup();
    auto generation = std::make_unique<GenerationState>();
    auto form = makeWindow();
    bool agree = true;
    for (const std::uint32_t seed : Seeds) {
        ref::Run r;
        if (!ref::run(s.nativePath.c_str(), s.filter.from, s.evaluationDay, seed, r)) {
            std::fprintf(stderr, "seed %u: the reference found no six tips\n", seed);
            return false;
        }
        ref::KeptReading kept;
        ref::Run again;
        const ref::History* h = kept.get(s.nativePath.c_str());
        if (!h || !ref::runOn(*h, s.filter.from, s.evaluationDay, seed, again) || again.tips != r.tips ||
            again.hits != r.hits) {
            std::fprintf(stderr, "seed %u: the reference on a kept reading differs\n", seed);
            return false;
        }
        QStringList refLines;
        for (const auto& tip : r.tips) refLines << QString::fromStdString(ref::tipLine(tip));

        Rng::setSeed(seed);
        const HistoryRun run = domainRun(s.filter, *generation);
        const Outcome domain{run.lines, run.check.lineHits};

        Rng::setSeed(seed);
        form->Label28Click();
        const Outcome window = windowOutcome(*form);
        QCoreApplication::processEvents();

        const bool domainAgrees = domain.lines == refLines && domain.hits == r.hits;
        const bool windowAgrees = window.lines == refLines && window.hits == r.hits;
        if (!domainAgrees || !windowAgrees) {
            std::fprintf(stderr, "seed %u: the tips differ\n  reference: %s\n  domain:    %s\n  window:    %s\n", seed,
                         qPrintable(describe(refLines, r.hits)), qPrintable(describe(domain.lines, domain.hits)),
                         qPrintable(describe(window.lines, window.hits)));
            agree = false;
        }
    }
    form->close();
    return agree;
}

void BM_DefaultRun_ProgramDomain(benchmark::State& state) {
    Setup& s = setup();
    auto generation = std::make_unique<GenerationState>();
    std::size_t i = 0;
    for (auto _ : state) {
        Rng::setSeed(Seeds[i++ % std::size(Seeds)]);
        benchmark::DoNotOptimize(domainRun(s.filter, *generation));
    }
}

void BM_DefaultRun_ProgramWindow(benchmark::State& state) {
    auto form = makeWindow();
    std::size_t i = 0;
    for (auto _ : state) {
        Rng::setSeed(Seeds[i++ % std::size(Seeds)]);
        form->Label28Click();
        state.PauseTiming();
        // What the event loop does after the run: paint, refresh the chart.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    form->close();
}

void BM_DefaultRun_Reference(benchmark::State& state) {
    Setup& s = setup();
    std::size_t i = 0;
    ref::Run r;
    for (auto _ : state) {
        if (!ref::run(s.nativePath.c_str(), s.filter.from, s.evaluationDay, Seeds[i++ % std::size(Seeds)], r))
            state.SkipWithError("the reference found no six tips");
        benchmark::DoNotOptimize(r);
    }
}

// The same work on a reading kept between runs and checked with one stat() per run, as a
// cache of the history file would do it.
void BM_DefaultRun_ReferenceKeptReading(benchmark::State& state) {
    Setup& s = setup();
    std::size_t i = 0;
    ref::Run r;
    ref::KeptReading kept;
    for (auto _ : state) {
        const ref::History* h = kept.get(s.nativePath.c_str());
        if (!h || !ref::runOn(*h, s.filter.from, s.evaluationDay, Seeds[i++ % std::size(Seeds)], r))
            state.SkipWithError("the reference found no six tips");
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

BENCHMARK(BM_DefaultRun_ProgramDomain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DefaultRun_ProgramWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DefaultRun_Reference)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DefaultRun_ReferenceKeptReading)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    return runWidgetBenchmarks(argc, argv, [] {
        if (!resultsAgree()) {
            std::fprintf(stderr, "reference and program disagree: nothing measured\n");
            std::exit(1);
        }
    });
}
