#include "stats/ChanceBaseline.h"
#include "base/Lotto.h"

#include "base/CpuDispatch.h"
#include "base/DayCount.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace Chance {

namespace {

double choose(int n, int k) {
    if (k < 0 || n < 0 || k > n) return 0;
    double r = 1;
    for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
    return r;
}

// splitmix64: a small, fast sequence; one per player, so players never share state.
struct Sequence {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 1..49
    int number() { return 1 + static_cast<int>(((next() >> 32) * Lotto::HighestNumber) >> 32); }
};

std::uint64_t randomTip(Sequence& seq, int n) {
    std::uint64_t tip = 0;
    int count = 0;
    while (count < n) {
        const std::uint64_t bit = std::uint64_t{1} << seq.number();
        if (tip & bit) continue;
        tip |= bit;
        ++count;
    }
    return tip;
}

// The dividends of one round, looked up once before the players run: [hits 3..6][additional].
using RoundPrizes = std::array<std::array<std::optional<double>, 2>, 7>;

RoundPrizes prizesOf(const Round& round, const DividendSource* source) {
    RoundPrizes prizes;
    if (source)
        for (int h = 3; h <= 6; ++h)
            for (int a = 0; a < 2; ++a) prizes[h][a] = source->dividend(round.date, h, a == 1);
    return prizes;
}

// Where the round's numbers stand among the tip's numbers (in ascending order, the positions a
// reduced system's rows are written in): the positions of the winning numbers as bits, and the
// position of the additional number (-1 when the tip does not hold it).
struct TipPositions {
    std::uint32_t winning = 0;
    int additional = -1;
};

[[gnu::always_inline]] inline TipPositions positionsOf(std::uint64_t tip, const Round& round) {
    TipPositions at;
    int p = 0;
    for (std::uint64_t m = tip; m; m &= m - 1, ++p) {
        const int v = std::countr_zero(m);
        if (round.winning >> v & 1) at.winning |= 1u << p;
        if (v == round.additional && round.additional > 0) at.additional = p;
    }
    return at;
}

// Rows won by one tip: calls f(hits, additional, rows) for every outcome of three or more hits.
template <typename F>
[[gnu::always_inline]] inline void forEachWinningRow(std::uint64_t tip, const TipShape& shape, const Round& round,
                                                     F&& f) {
    const bool addIn = round.additional > 0 && (tip >> round.additional & 1);
    if (!shape.rows.empty()) {
        const TipPositions at = positionsOf(tip, round);
        for (const std::uint32_t row : shape.rows) {
            const int h = std::popcount(row & at.winning);
            if (h >= 3) f(h, at.additional >= 0 && (row >> at.additional & 1), 1.0);
        }
        return;
    }
    const int n = shape.numbers;
    const int h = std::popcount(tip & round.winning);
    if (n == 6) {
        if (h >= 3) f(h, addIn, 1.0);
        return;
    }
    // A full system plays every six of its n numbers.
    const int others = n - h;
    for (int j = 3; j <= std::min(h, 6); ++j) {
        const double rows = choose(h, j) * choose(others, 6 - j);
        if (rows == 0) continue;
        const double withAdd = addIn ? choose(h, j) * choose(others - 1, 5 - j) : 0.0;
        if (withAdd > 0) f(j, true, withAdd);
        if (rows - withAdd > 0) f(j, false, rows - withAdd);
    }
}

// Adds the rows the tip won, each valued by dividend(hits, additional) where that is known.
// Inlined into the simulation's loop, so it is built with that loop's instruction set.
template <typename D>
[[gnu::always_inline]] inline void addWins(Money& money, std::uint64_t tip, const TipShape& shape,
                                           const Round& round, D&& dividend) {
    forEachWinningRow(tip, shape, round, [&](int h, bool a, double count) {
        if (const std::optional<double> d = dividend(h, a))
            money.knownReturn += *d * count;
        else
            money.unknownWins += static_cast<std::int64_t>(count);
    });
}

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const double pos = p * static_cast<double>(sorted.size() - 1);
    const auto i = static_cast<std::size_t>(pos);
    const double frac = pos - static_cast<double>(i);
    if (i + 1 >= sorted.size()) return sorted.back();
    return sorted[i] + (sorted[i + 1] - sorted[i]) * frac;
}

Band bandOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {percentile(values, 0.05), percentile(values, 0.5), percentile(values, 0.95)};
}

QString number(double v, int decimals) {
    return QLocale().toString(v, 'f', decimals);
}

} // namespace

int levelOf(int hits, bool additional) {
    switch (hits) {
    case 3:
        return Three;
    case 4:
        return Four;
    case 5:
        return additional ? FiveAdditional : Five;
    case 6:
        return Six;
    default:
        return -1;
    }
}

QString levelName(int level) {
    static const char* const Names[LevelCount] = {
        QT_TRANSLATE_NOOP("Chance", "3er"), QT_TRANSLATE_NOOP("Chance", "4er"),
        QT_TRANSLATE_NOOP("Chance", "5er"), QT_TRANSLATE_NOOP("Chance", "5er + ZZ"),
        QT_TRANSLATE_NOOP("Chance", "6er")};
    return QCoreApplication::translate("Chance", Names[level >= Three && level < Six ? level : Six]);
}

Round roundOf(const DrawRecord& record, int tips) {
    Round r;
    r.date = DayCount::toDate(record.date);
    for (const std::uint8_t v : record.numbers)
        if (v >= 1 && v <= Lotto::HighestNumber) r.winning |= std::uint64_t{1} << v;
    r.additional = record.additional <= Lotto::HighestNumber ? record.additional : 0;
    // An additional number among the winning numbers can never be a second hit.
    if (r.additional > 0 && (r.winning >> r.additional & 1)) r.additional = 0;
    r.tips = tips;
    return r;
}

double probability(int n, int hits, bool additional, bool drawHasAdditional) {
    const double all = choose(Lotto::HighestNumber, n);
    if (!drawHasAdditional) return additional ? 0.0 : choose(6, hits) * choose(43, n - hits) / all;
    if (additional) return choose(6, hits) * choose(42, n - hits - 1) / all;
    return choose(6, hits) * choose(42, n - hits) / all;
}

std::optional<std::array<double, LevelCount>> expectation(const std::vector<Round>& rounds,
                                                          const TipShape& shape) {
    if (!shape.rows.empty()) return std::nullopt;
    const int n = shape.numbers;
    std::array<double, LevelCount> e{};
    // Per tip and draw kind: with and without additional number.
    std::array<std::array<double, LevelCount>, 2> per{};
    for (int kind = 0; kind < 2; ++kind)
        for (int h = 3; h <= 6; ++h)
            for (int a = 0; a < 2; ++a) per[kind][levelOf(h, a == 1)] += probability(n, h, a == 1, kind == 1);
    for (const Round& r : rounds)
        for (int l = 0; l < LevelCount; ++l) e[l] += r.tips * per[r.additional > 0 ? 1 : 0][l];
    return e;
}

int rowsPlayed(const TipShape& shape) {
    if (!shape.rows.empty()) return static_cast<int>(shape.rows.size());
    return static_cast<int>(choose(shape.numbers, 6));
}

namespace {

// The best row of the tip on the round; inlined where the simulation counts bits.
[[gnu::always_inline]] inline Score scoreOf(std::uint64_t tip, const TipShape& shape, const Round& round) {
    Score s;
    if (shape.rows.empty()) {
        s.hits = std::popcount(tip & round.winning);
        s.additional = round.additional > 0 && (tip >> round.additional & 1);
        return s;
    }
    const TipPositions at = positionsOf(tip, round);
    s.hits = -1;
    for (const std::uint32_t row : shape.rows) {
        const int h = std::popcount(row & at.winning);
        if (h > s.hits) {
            s.hits = h;
            s.additional = at.additional >= 0 && (row >> at.additional & 1);
        }
    }
    return s;
}

} // namespace

Score score(std::uint64_t tip, const TipShape& shape, const Round& round) {
    return scoreOf(tip, shape, round);
}

namespace {

// The random players and their sequences. Player p's sequence depends on the seed and p alone,
// so the players come out the same however their rounds are shared among threads.
struct Crowd {
    Crowd(const TipShape& tipShape, const SimulationSettings& settings)
        : shape(tipShape), seed(settings.seed), stake(settings.stakePerRow * rowsPlayed(tipShape)),
          threads(settings.threads), withMoney(settings.dividends != nullptr || settings.stakePerRow != 0),
          players(static_cast<std::size_t>(std::max(0, settings.players))) {
        sequences.reserve(players.size());
        for (std::size_t p = 0; p < players.size(); ++p)
            sequences.push_back(Sequence{seed * 0x100000001B3ull ^
                                         (static_cast<std::uint64_t>(p) + 1) * 0xD6E8FEB86659FD93ull});
    }

    TipShape shape;
    std::uint64_t seed;
    double stake; // of one tip
    int threads;
    bool withMoney;
    std::vector<PlayerResult> players;
    std::vector<Sequence> sequences;
};

// Players [from, to) over a run of rounds: the loop the comparison spends its time in.
QUINTARA_POPCNT_CLONES
void playRounds(Crowd& crowd, std::size_t from, std::size_t to, const Round* rounds, const RoundPrizes* prizes,
                std::size_t count) {
    const TipShape& shape = crowd.shape;
    const double stake = crowd.stake;
    const bool withMoney = crowd.withMoney;
    for (std::size_t p = from; p < to; ++p) {
        PlayerResult& out = crowd.players[p];
        Sequence& seq = crowd.sequences[p];
        for (std::size_t i = 0; i < count; ++i) {
            const Round& round = rounds[i];
            for (int t = 0; t < round.tips; ++t) {
                const std::uint64_t tip = randomTip(seq, shape.numbers);
                const Score s = scoreOf(tip, shape, round);
                const int level = levelOf(s.hits, s.additional);
                if (level >= 0) ++out.levels[static_cast<std::size_t>(level)];
                if (withMoney) {
                    out.money.stake += stake;
                    addWins(out.money, tip, shape, round, [&](int h, bool a) { return prizes[i][h][a ? 1 : 0]; });
                }
            }
        }
    }
}

// Plays the rounds for one player after another on worker threads, then sums the players up;
// progress and stop as for simulate().
SimulationResult playAll(Crowd& crowd, const Round* rounds, const RoundPrizes* prizes, std::size_t count,
                         const std::function<void(int, int)>& progress, const std::atomic<bool>* stop) {
    const int total = static_cast<int>(crowd.players.size());
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    // The calling thread plays too, and tells the progress between its players.
    const auto play = [&](bool reporting) {
        auto told = std::chrono::steady_clock::now();
        for (int p = next.fetch_add(1); p < total && !stopped(); p = next.fetch_add(1)) {
            const auto i = static_cast<std::size_t>(p);
            playRounds(crowd, i, i + 1, rounds, prizes, count);
            done.fetch_add(1);
            if (reporting && progress && std::chrono::steady_clock::now() - told >= std::chrono::milliseconds(40)) {
                progress(done.load(), total);
                told = std::chrono::steady_clock::now();
            }
        }
    };

    int threads = crowd.threads > 0 ? crowd.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, std::max(1, total));
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(threads - 1));
    for (int i = 1; i < threads; ++i) workers.emplace_back(play, false);
    play(true);
    for (std::thread& w : workers) w.join();
    if (done.load() < total) return {{}, {}, {}, true, crowd.seed};
    if (progress) progress(total, total);

    const auto bandOver = [&crowd](const auto& value) {
        std::vector<double> values;
        values.reserve(crowd.players.size());
        for (const PlayerResult& p : crowd.players) values.push_back(value(p));
        return bandOf(std::move(values));
    };
    SimulationResult result;
    result.seed = crowd.seed;
    for (std::size_t l = 0; l < LevelCount; ++l)
        result.bands[l] = bandOver([l](const PlayerResult& p) { return static_cast<double>(p.levels[l]); });
    result.balance = bandOver([](const PlayerResult& p) { return p.money.balance(); });
    result.players = std::move(crowd.players);
    return result;
}

} // namespace

SimulationResult simulate(const std::vector<Round>& rounds, const TipShape& shape,
                          const SimulationSettings& settings, const std::function<void(int, int)>& progress,
                          const std::atomic<bool>* stop) {
    Crowd crowd(shape, settings);
    std::vector<RoundPrizes> prizes;
    prizes.reserve(rounds.size());
    for (const Round& round : rounds) prizes.push_back(prizesOf(round, settings.dividends));
    return playAll(crowd, rounds.data(), prizes.data(), rounds.size(), progress, stop);
}

// A worker plays each added round for every player as it comes; finish() stops it after the round
// in play and plays the rest as simulate() does, on every core.
struct StreamedPlayers::State {
    explicit State(const TipShape& shape, const SimulationSettings& settings) : crowd(shape, settings) {}

    Crowd crowd;
    std::mutex mutex;
    std::condition_variable added;
    std::vector<Round> rounds;
    std::vector<RoundPrizes> prizes;
    std::size_t played = 0; // rounds the worker played for every player
    bool quit = false;
    std::thread worker;

    void work() {
        std::unique_lock lock(mutex);
        for (;;) {
            added.wait(lock, [&] { return quit || played < rounds.size(); });
            if (quit) return;
            // Copied: the caller may grow the vectors meanwhile.
            const Round round = rounds[played];
            const RoundPrizes prize = prizes[played];
            lock.unlock();
            playRounds(crowd, 0, crowd.players.size(), &round, &prize, 1);
            lock.lock();
            ++played;
        }
    }

    void end() {
        {
            std::lock_guard lock(mutex);
            quit = true;
        }
        added.notify_all();
        if (worker.joinable()) worker.join();
    }
};

StreamedPlayers::StreamedPlayers(const TipShape& shape, const SimulationSettings& settings)
    : m_state(std::make_unique<State>(shape, settings)) {
    m_state->worker = std::thread([s = m_state.get()] { s->work(); });
}

StreamedPlayers::~StreamedPlayers() {
    m_state->end();
}

void StreamedPlayers::add(const Round& round, const DividendSource* dividends) {
    // The prize tables are read here, on the caller's thread, where their owner lives.
    const RoundPrizes prizes = prizesOf(round, dividends);
    {
        std::lock_guard lock(m_state->mutex);
        m_state->rounds.push_back(round);
        m_state->prizes.push_back(prizes);
    }
    m_state->added.notify_one();
}

const TipShape& StreamedPlayers::shape() const {
    return m_state->crowd.shape;
}

SimulationResult StreamedPlayers::finish(const std::function<void(int, int)>& progress,
                                         const std::atomic<bool>* stop) {
    State& s = *m_state;
    s.end();
    const std::size_t all = s.rounds.size();
    const std::size_t rest = all - s.played;
    const auto roundsDone = [&](int done, int total) {
        // Rounds played, in the players' terms the progress of simulate() uses.
        const auto left = static_cast<std::size_t>(total - done) * rest / std::max<std::size_t>(all, 1);
        if (progress) progress(total - static_cast<int>(left), total);
    };
    return playAll(s.crowd, s.rounds.data() + s.played, s.prizes.data() + s.played, rest, roundsDone, stop);
}

Money ticketMoney(std::uint64_t tip, const TipShape& shape, const Round& round, double stakePerRow,
                  const DividendSource* dividends) {
    Money money;
    money.stake = stakePerRow * rowsPlayed(shape);
    // Only the outcomes the tip won are looked up: most tips of a list win nothing.
    addWins(money, tip, shape, round,
            [&](int h, bool a) { return dividends ? dividends->dividend(round.date, h, a) : std::nullopt; });
    return money;
}

std::array<double, LevelCount> winningColumns(std::uint64_t tip, const TipShape& shape, const Round& round) {
    std::array<double, LevelCount> columns{};
    forEachWinningRow(tip, shape, round, [&](int h, bool a, double count) {
        columns[static_cast<std::size_t>(levelOf(h, a))] += count;
    });
    return columns;
}

int compare(const Band& band, double value) {
    if (value < band.low) return -1;
    if (value > band.high) return 1;
    return 0;
}

QString sentence(int level, std::int64_t actual, std::optional<double> expected, const Band& band) {
    static const char* const Verdicts[3] = {
        QT_TRANSLATE_NOOP("Chance", "schlechter als 95 % der Zufallsspieler."),
        QT_TRANSLATE_NOOP("Chance", "im Bereich des Zufalls."),
        QT_TRANSLATE_NOOP("Chance", "besser als 95 % der Zufallsspieler.")};
    const QString verdict =
        QCoreApplication::translate("Chance", Verdicts[compare(band, static_cast<double>(actual)) + 1]);
    const QString exp =
        expected ? number(*expected, 1) : QCoreApplication::translate("Chance", "nur simuliert");
    return QCoreApplication::translate("Chance", "%1: %2 Treffer, Zufall erwartet %3 (Median %4, 90 % der "
                                                 "Zufallsspieler %5 bis %6): %7")
        .arg(levelName(level), QString::number(actual), exp, number(band.median, 0), number(band.low, 0),
             number(band.high, 0), verdict);
}

QByteArray toCsv(const std::array<std::int64_t, LevelCount>& actual,
                 const std::optional<std::array<double, LevelCount>>& expected, const SimulationResult& sim) {
    QByteArray out = "stufe,ergebnis,erwartet,median,p5,p95,bewertung\r\n";
    static const char* const Names[LevelCount] = {"3", "4", "5", "5+ZZ", "6"};
    static const char* const Verdicts[3] = {"unter", "im Bereich", "ueber"};
    for (std::size_t l = 0; l < LevelCount; ++l) {
        const Band& b = sim.bands[l];
        out += QByteArray(Names[l]) + ',' + QByteArray::number(static_cast<qlonglong>(actual[l])) + ',' +
               (expected ? QByteArray::number((*expected)[l], 'f', 4) : QByteArray()) + ',' +
               QByteArray::number(b.median, 'f', 1) + ',' + QByteArray::number(b.low, 'f', 1) + ',' +
               QByteArray::number(b.high, 'f', 1) + ',' + Verdicts[compare(b, static_cast<double>(actual[l])) + 1] +
               "\r\n";
    }
    out += "seed," + QByteArray::number(static_cast<qulonglong>(sim.seed)) + ",,,,,\r\n";
    return out;
}

} // namespace Chance
