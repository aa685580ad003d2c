// The chance beside the results: exact probabilities, the random players (on threads, streamed
// while an analysis runs), and the money a ticket costs and wins, on the core library alone.
#include "base/DayCount.h"
#include "stats/ChanceBaseline.h"
#include "support/TestDraws.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

namespace {

std::uint64_t tipOf(std::initializer_list<int> numbers) {
    std::uint64_t m = 0;
    for (const int v : numbers) m |= std::uint64_t{1} << v;
    return m;
}

std::vector<Chance::Round> realRounds(int tips, const QDate& from) {
    std::vector<Chance::Round> rounds;
    for (const DrawRecord& r : realHistory())
        if (DayCount::toDate(r.date) >= from) rounds.push_back(Chance::roundOf(r, tips));
    return rounds;
}

} // namespace

// ---- Chance ----

TEST(Chance, ExactProbabilitiesMatchHandComputedValues) {
    // C(49,6) = 13 983 816. Three hits: C(6,3) C(43,3) = 20 * 12 341.
    constexpr double All = 13983816.0;
    EXPECT_DOUBLE_EQ(Chance::probability(6, 3, false, false), 246820 / All);
    EXPECT_DOUBLE_EQ(Chance::probability(6, 4, false, false), 13545 / All);
    EXPECT_DOUBLE_EQ(Chance::probability(6, 6, false, false), 1 / All);
    // With an additional number: five hits and the additional number, C(6,5) * 1; without it,
    // C(6,5) * 42.
    EXPECT_DOUBLE_EQ(Chance::probability(6, 5, true, true), 6 / All);
    EXPECT_DOUBLE_EQ(Chance::probability(6, 5, false, true), 252 / All);
    // Seven numbers (C(49,7) = 85 900 584): all six winning numbers, C(43,1) = 43 ways.
    EXPECT_DOUBLE_EQ(Chance::probability(7, 6, false, false), 43 / 85900584.0);
    // Every outcome together is certain.
    for (const int n : {6, 9, 12}) {
        double sum = 0;
        for (int h = 0; h <= 6; ++h)
            for (const bool a : {false, true}) sum += Chance::probability(n, h, a, true);
        EXPECT_NEAR(sum, 1.0, 1e-12) << n;
    }

    // Two draws, one with and one without additional number, six tips on the first, two on the
    // second.
    const std::vector<Chance::Round> rounds{Chance::roundOf(makeDraw({2020, 1, 4}, {1, 2, 3, 4, 5, 6}, 7), 6),
                                            Chance::roundOf(makeDraw({2020, 1, 8}, {1, 2, 3, 4, 5, 6}, 0), 2)};
    const auto e = Chance::expectation(rounds, {6, {}});
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ((*e)[Chance::Three], 8 * 246820 / All);
    EXPECT_DOUBLE_EQ((*e)[Chance::Five], 6 * 252 / All + 2 * 258 / All);
    EXPECT_DOUBLE_EQ((*e)[Chance::FiveAdditional], 6 * 6 / All);
    EXPECT_DOUBLE_EQ((*e)[Chance::Six], 8 / All);
    // A reduced system is only simulated.
    EXPECT_FALSE(Chance::expectation(rounds, {9, {0x3F}}));
}

TEST(Chance, SimulationIsReproducibleAndIndependentOfThreads) {
    const std::vector<Chance::Round> rounds = realRounds(6, {2015, 1, 1});
    ASSERT_GT(rounds.size(), 1000u);
    Chance::SimulationSettings settings;
    settings.players = 200;
    settings.seed = 4711;
    settings.threads = 1;
    const Chance::SimulationResult one = Chance::simulate(rounds, {6, {}}, settings);
    settings.threads = 2;
    const Chance::SimulationResult two = Chance::simulate(rounds, {6, {}}, settings);
    const Chance::SimulationResult again = Chance::simulate(rounds, {6, {}}, settings);
    ASSERT_EQ(one.players.size(), 200u);
    for (std::size_t p = 0; p < one.players.size(); ++p) {
        EXPECT_EQ(one.players[p].levels, two.players[p].levels) << p;
        EXPECT_EQ(two.players[p].levels, again.players[p].levels) << p;
    }
    settings.seed = 4712;
    const Chance::SimulationResult other = Chance::simulate(rounds, {6, {}}, settings);
    int differing = 0;
    for (std::size_t p = 0; p < one.players.size(); ++p)
        differing += other.players[p].levels != one.players[p].levels;
    EXPECT_GT(differing, 150);

    // The simulated players agree with the exact expectation: the mean number of threes lies
    // within a few standard errors of it, and the median band holds it.
    const auto e = Chance::expectation(rounds, {6, {}});
    double mean = 0;
    for (const auto& p : one.players) mean += static_cast<double>(p.levels[Chance::Three]);
    mean /= static_cast<double>(one.players.size());
    const double sd = std::sqrt((*e)[Chance::Three]); // Poisson-like spread of one player
    EXPECT_NEAR(mean, (*e)[Chance::Three], 4 * sd / std::sqrt(200.0));
    EXPECT_EQ(Chance::compare(one.bands[Chance::Three], (*e)[Chance::Three]), 0);
    EXPECT_LT(one.bands[Chance::Three].low, one.bands[Chance::Three].high);
}

// The report names its seed so that a comparison can be made again: the same seed must give
// the same random players, release after release.
TEST(Chance, TheSameSeedGivesTheSamePlayersAsBefore) {
    const std::vector<Chance::Round> rounds = realRounds(6, {2015, 1, 1});
    Chance::SimulationSettings settings;
    settings.players = 300;
    settings.seed = 4711;
    std::uint64_t digest = 1469598103934665603ull;
    for (const Chance::TipShape& shape : {Chance::TipShape{6, {}}, Chance::TipShape{9, {}}}) {
        const Chance::SimulationResult r = Chance::simulate(rounds, shape, settings);
        for (const Chance::PlayerResult& p : r.players)
            for (const std::int64_t v : p.levels) digest = (digest ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
    }
    EXPECT_EQ(digest, 18425323148482385586ull);
}

TEST(Chance, StopEndsTheRunWithoutAResult) {
    const std::vector<Chance::Round> rounds = realRounds(6, {2015, 1, 1});
    std::atomic<bool> stop{false};
    int calls = 0;
    Chance::SimulationSettings settings;
    settings.players = 100000;
    const auto result = Chance::simulate(
        rounds, {6, {}}, settings,
        [&](int done, int total) {
            ++calls;
            EXPECT_LE(done, total);
            stop = true;
        },
        &stop);
    EXPECT_TRUE(result.stopped);
    EXPECT_TRUE(result.players.empty());
    EXPECT_GE(calls, 1);
}

// The analysis feeds its draws to the players one at a time while it runs; the players must
// come out exactly as a simulation of all draws at once, money included, however many draws the
// worker played before finish() played the rest, and a stop or an early end must neither hang
// nor give a result.
TEST(Chance, StreamedPlayersMatchTheSimulation) {
    const std::vector<Chance::Round> rounds = realRounds(6, {2015, 1, 1});
    MemoryDividends dividends;
    for (std::size_t i = 0; i < rounds.size(); i += 3)
        dividends.set(rounds[i].date, {{3, false, 2.0}, {4, false, 40.0}, {5, false, 1500.0}});
    Chance::SimulationSettings settings;
    settings.players = 150;
    settings.seed = 90210;
    settings.stakePerRow = 0.5;
    settings.dividends = &dividends;
    for (const Chance::TipShape& shape : {Chance::TipShape{6, {}}, Chance::TipShape{8, {0x3F, 0xFC, 0xCF}}}) {
        const Chance::SimulationResult whole = Chance::simulate(rounds, shape, settings);
        Chance::StreamedPlayers streamed(shape, settings);
        for (std::size_t i = 0; i < rounds.size(); ++i) {
            streamed.add(rounds[i], &dividends);
            // Now and then the worker catches up, so finish() is left more or fewer draws.
            if (i % 97 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        int lastDone = -1;
        const Chance::SimulationResult fed = streamed.finish([&](int done, int total) {
            EXPECT_GE(done, lastDone);
            EXPECT_LE(done, total);
            lastDone = done;
        });
        EXPECT_EQ(lastDone, settings.players);
        ASSERT_FALSE(fed.stopped);
        ASSERT_EQ(fed.players.size(), whole.players.size());
        for (std::size_t p = 0; p < fed.players.size(); ++p) {
            EXPECT_EQ(fed.players[p].levels, whole.players[p].levels) << shape.numbers << ' ' << p;
            EXPECT_DOUBLE_EQ(fed.players[p].money.stake, whole.players[p].money.stake);
            EXPECT_DOUBLE_EQ(fed.players[p].money.knownReturn, whole.players[p].money.knownReturn);
            EXPECT_EQ(fed.players[p].money.unknownWins, whole.players[p].money.unknownWins);
        }
        EXPECT_DOUBLE_EQ(fed.bands[Chance::Three].median, whole.bands[Chance::Three].median);
        EXPECT_DOUBLE_EQ(fed.balance.low, whole.balance.low);
        EXPECT_EQ(fed.seed, whole.seed);

        // Every round at once: finish() plays nearly all of them on every core.
        Chance::StreamedPlayers atOnce(shape, settings);
        for (const Chance::Round& r : rounds) atOnce.add(r, &dividends);
        const Chance::SimulationResult shared = atOnce.finish();
        ASSERT_EQ(shared.players.size(), whole.players.size());
        for (std::size_t p = 0; p < shared.players.size(); ++p) {
            EXPECT_EQ(shared.players[p].levels, whole.players[p].levels) << shape.numbers << ' ' << p;
            EXPECT_DOUBLE_EQ(shared.players[p].money.knownReturn, whole.players[p].money.knownReturn);
        }
    }

    // Stopped while rounds are still unplayed: a stopped result, at once.
    settings.players = 20000;
    {
        Chance::StreamedPlayers streamed({6, {}}, settings);
        for (const Chance::Round& r : rounds) streamed.add(r, &dividends);
        std::atomic<bool> stop{true};
        const Chance::SimulationResult r = streamed.finish({}, &stop);
        EXPECT_TRUE(r.stopped);
        EXPECT_TRUE(r.players.empty());
    }
    // Dropped without finishing (the window closed mid-analysis): the worker ends.
    {
        Chance::StreamedPlayers streamed({6, {}}, settings);
        for (const Chance::Round& r : rounds) streamed.add(r, nullptr);
    }
    // No round at all: an empty comparison of the right size.
    settings.players = 10;
    Chance::StreamedPlayers none({6, {}}, settings);
    const Chance::SimulationResult empty = none.finish();
    ASSERT_FALSE(empty.stopped);
    EXPECT_EQ(empty.players.size(), 10u);
    EXPECT_EQ(empty.bands[Chance::Three].high, 0);

    // Every round played before finish(): nothing is left, and nothing is played twice.
    const std::vector<Chance::Round> few(rounds.begin(), rounds.begin() + 5);
    Chance::StreamedPlayers early({6, {}}, settings);
    for (const Chance::Round& r : few) early.add(r, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    int shown = -1;
    const Chance::SimulationResult played = early.finish([&](int done, int) { shown = done; });
    EXPECT_EQ(shown, settings.players);
    settings.dividends = nullptr;
    const Chance::SimulationResult alone = Chance::simulate(few, {6, {}}, settings);
    ASSERT_EQ(played.players.size(), alone.players.size());
    for (std::size_t p = 0; p < played.players.size(); ++p) {
        EXPECT_EQ(played.players[p].levels, alone.players[p].levels) << p;
        EXPECT_DOUBLE_EQ(played.players[p].money.stake, alone.players[p].money.stake) << p;
        EXPECT_EQ(played.players[p].money.unknownWins, alone.players[p].money.unknownWins) << p;
    }
}

TEST(Chance, ReducedSystemScoresItsBestRow) {
    // Rows: positions 1-6 and 4-9 of a nine-number tip.
    const Chance::TipShape shape{9, {0x3Fu, 0x1F8u}};
    const std::uint64_t tip = tipOf({3, 7, 11, 15, 19, 23, 27, 31, 35});
    // Winning: 15, 19, 23, 27 (positions 4..7) and two others; additional 3 (position 1).
    const Chance::Round round = Chance::roundOf(makeDraw({2020, 1, 4}, {15, 19, 23, 27, 40, 41}, 3), 1);
    const Chance::Score s = Chance::score(tip, shape, round);
    EXPECT_EQ(s.hits, 4);       // row 2 holds 15, 19, 23, 27
    EXPECT_FALSE(s.additional); // row 2 lacks position 1
    // Both rows pay: row 1 has 3 hits (15, 19, 23) and the additional 3, row 2 has 4.
    MemoryDividends d;
    d.set({2020, 1, 4}, {{3, false, 2.0}, {4, false, 30.0}});
    const Chance::Money m = Chance::ticketMoney(tip, shape, round, 0.5, &d);
    EXPECT_DOUBLE_EQ(m.stake, 1.0);
    EXPECT_DOUBLE_EQ(m.knownReturn, 32.0);
}

// ---- Money ----

TEST(Money, KnownDividendsOnAHandCheckedTicket) {
    MemoryDividends d;
    const QDate day(2021, 3, 6);
    d.set(day,
          {{6, false, 1000000.0}, {5, true, 50000.0}, {5, false, 1500.0}, {4, false, 35.0}, {3, false, 1.5}});
    const Chance::Round round = Chance::roundOf(makeDraw(day, {5, 12, 19, 26, 33, 40}, 44), 1);

    // Single tip with 4 hits: 35 euros.
    Chance::Money m = Chance::ticketMoney(tipOf({5, 12, 19, 26, 1, 2}), {6, {}}, round, 0.5, &d);
    EXPECT_DOUBLE_EQ(m.stake, 0.5);
    EXPECT_DOUBLE_EQ(m.knownReturn, 35.0);
    EXPECT_TRUE(m.complete());
    // Five and the additional number: the 5 + additional tier, not the plain five.
    m = Chance::ticketMoney(tipOf({5, 12, 19, 26, 33, 44}), {6, {}}, round, 0.5, &d);
    EXPECT_DOUBLE_EQ(m.knownReturn, 50000.0);
    // Full system of 8 numbers holding 4 winning numbers and the additional number: of its 28
    // rows, C(4,4)*C(4,2) = 6 have four hits and C(4,3)*C(4,3) = 16 have three; a three with
    // the additional number is paid as a three. 6 * 35 + 16 * 1.5 = 234; stake 28 * 0.5.
    m = Chance::ticketMoney(tipOf({5, 12, 19, 26, 44, 1, 2, 3}), {8, {}}, round, 0.5, &d);
    EXPECT_DOUBLE_EQ(m.stake, 14.0);
    EXPECT_DOUBLE_EQ(m.knownReturn, 234.0);
    EXPECT_DOUBLE_EQ(m.balance(), 220.0);
    // A draw whose dividends are unknown: the win is counted, never valued.
    const Chance::Round unknown = Chance::roundOf(makeDraw(day.addDays(4), {5, 12, 19, 26, 33, 40}), 1);
    m = Chance::ticketMoney(tipOf({5, 12, 19, 1, 2, 3}), {6, {}}, unknown, 0.5, &d);
    EXPECT_EQ(m.unknownWins, 1);
    EXPECT_DOUBLE_EQ(m.knownReturn, 0.0);
    EXPECT_FALSE(m.complete());
    // No win: nothing to look up, the money is complete.
    m = Chance::ticketMoney(tipOf({1, 2, 3, 4, 6, 7}), {6, {}}, unknown, 0.5, &d);
    EXPECT_TRUE(m.complete());
    EXPECT_DOUBLE_EQ(m.balance(), -0.5);
}
