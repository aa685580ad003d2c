// Chance beside the results, money, rule reports, wheel reports and CSV in and out, on the core
// library alone.
#include "base/Random.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "generator/RuleReport.h"
#include "generator/TipGenerator.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/ChanceBaseline.h"
#include "tips/TipCsv.h"
#include "tips/WheelReport.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <map>

namespace {

DrawRecord draw(const QDate& date, std::array<int, 6> numbers, int additional = 0) {
    DrawRecord r;
    r.date = DayCount::fromDate(date);
    for (int i = 0; i < 6; ++i)
        r.numbers[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(numbers[static_cast<std::size_t>(i)]);
    r.additional = static_cast<std::uint8_t>(additional);
    return r;
}

std::uint64_t tipOf(std::initializer_list<int> numbers) {
    std::uint64_t m = 0;
    for (const int v : numbers) m |= std::uint64_t{1} << v;
    return m;
}

const QString Bundled = QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv");
const QString Vew = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/vew/");

std::vector<Chance::Round> realRounds(int tips, const QDate& from) {
    std::vector<Chance::Round> rounds;
    for (const DrawRecord& r : DrawCsv::readFile(Bundled))
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
    const std::vector<Chance::Round> rounds{Chance::roundOf(draw({2020, 1, 4}, {1, 2, 3, 4, 5, 6}, 7), 6),
                                            Chance::roundOf(draw({2020, 1, 8}, {1, 2, 3, 4, 5, 6}, 0), 2)};
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
    EXPECT_TRUE(one.bands[Chance::Three].contains((*e)[Chance::Three]));
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
// come out exactly as a simulation of all draws at once, money included, whatever batches the
// worker happened to take, and a stop or an early end must neither hang nor give a result.
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
            // Now and then the worker catches up, so it plays batches of every size.
            if (i % 97 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_EQ(streamed.roundsAdded(), static_cast<int>(rounds.size()));
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

        // Every round at once: the waiting caller plays players of the worker's batch beside it.
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
}

TEST(Chance, ReducedSystemScoresItsBestRow) {
    // Rows: positions 1-6 and 4-9 of a nine-number tip.
    const Chance::TipShape shape{9, {0x3Fu, 0x1F8u}};
    const std::uint64_t tip = tipOf({3, 7, 11, 15, 19, 23, 27, 31, 35});
    // Winning: 15, 19, 23, 27 (positions 4..7) and two others; additional 3 (position 1).
    const Chance::Round round = Chance::roundOf(draw({2020, 1, 4}, {15, 19, 23, 27, 40, 41}, 3), 1);
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
    const Chance::Round round = Chance::roundOf(draw(day, {5, 12, 19, 26, 33, 40}, 44), 1);

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
    const Chance::Round unknown = Chance::roundOf(draw(day.addDays(4), {5, 12, 19, 26, 33, 40}), 1);
    m = Chance::ticketMoney(tipOf({5, 12, 19, 1, 2, 3}), {6, {}}, unknown, 0.5, &d);
    EXPECT_EQ(m.unknownWins, 1);
    EXPECT_DOUBLE_EQ(m.knownReturn, 0.0);
    EXPECT_FALSE(m.complete());
    // No win: nothing to look up, the money is complete.
    m = Chance::ticketMoney(tipOf({1, 2, 3, 4, 6, 7}), {6, {}}, unknown, 0.5, &d);
    EXPECT_TRUE(m.complete());
    EXPECT_DOUBLE_EQ(m.balance(), -0.5);
}

TEST(Money, PrizeTablesAnswerThroughTheTierAdapter) {
    // The shape of the update's prize tables: draws found by date, tiers with more fields.
    struct Tier {
        int category = 0;
        int hits = 0;
        bool additional = false;
        double dividend = 0;
        bool fixed = false;
    };
    struct Draw {
        std::vector<Tier> tiers;
    };
    struct Table {
        std::map<QDate, Draw> draws;
        const Draw* find(const QDate& d) const {
            const auto it = draws.find(d);
            return it == draws.end() ? nullptr : &it->second;
        }
    } table;
    table.draws[{2022, 5, 7}] = Draw{{{1, 6, false, 2e6, false},
                                      {2, 5, true, 40000, false},
                                      {3, 5, false, 1200, false},
                                      {4, 4, false, 40, false},
                                      {5, 3, false, 1.5, true}}};
    const TierTableDividends<Table> source(table);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 5, true), 40000.0);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 5, false), 1200.0);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 3, true), 1.5); // a three with the additional number
    EXPECT_FALSE(source.dividend({2022, 5, 7}, 2, false));
    EXPECT_FALSE(source.dividend({2022, 5, 11}, 4, false));
}

// ---- Rules ----

namespace {
struct NoHistory : GenerationHooks {
    bool allTime(QStringView, int) override { return true; }
    bool recent(QStringView, int, int) override { return true; }
};

PreferencePool everyNumber() {
    PreferencePool pool;
    for (int n = 1; n <= 49; ++n) pool.add(n);
    return pool;
}
} // namespace

TEST(RuleCounts, AddUpToTheCandidatesDrawnAndNameTheBlockingRule) {
    const PreferencePool pool = everyNumber();
    RecentDraws recent;
    recent.groups[0] = {1, 2, 3, 4, 5, 6, 7, 0};
    recent.groups[1] = {10, 11, 12, 13, 14, 15, 16, 0};
    NoHistory hooks;
    RuleOptions options;
    options.historyOn = false;
    options.recentChecks[0].on = options.recentChecks[1].on = false;
    auto state = std::make_unique<GenerationState>();
    RandomSequence sequence(4711);
    ASSERT_EQ(generateTips(pool, recent, 6, 0, 6, options, *state, hooks, sequence), GenerationResult::Complete);
    const RuleCounts& c = state->counts;
    EXPECT_EQ(c.passed, 6);
    EXPECT_EQ(c.rejected() + c.passed, c.candidates);
    EXPECT_GT(c.rejectedBy[4], 0); // the cross sum always rejects some
    EXPECT_EQ(c.rejectedBy[2], 0); // the forced pair is off

    // Impossible cross sums: every attempt that has no run of three (rule 3 comes first) is
    // rejected by rule 4, and the text names it.
    options.noRunsOfThree = false;
    options.crossSumLow = 200;
    options.crossSumHigh = 100;
    options.maxRuns = 500;
    ASSERT_EQ(generateTips(pool, recent, 6, 0, 6, options, *state, hooks, sequence), GenerationResult::TipFailed);
    EXPECT_EQ(state->counts.candidates, 500);
    EXPECT_EQ(state->counts.rejectedBy[4], 500);
    EXPECT_EQ(state->counts.leaders(), std::vector<int>{4});
    EXPECT_TRUE(state->counts.failureText().contains(RuleReport::ruleName(4)));
    EXPECT_TRUE(state->counts.toCsv().startsWith("regel,name,verworfen,anteil\r\n1,"));

    // "At most 1" and "at least 2" common numbers between tips: the second tip can never pass
    // rule 1.
    options = RuleOptions{};
    options.historyOn = false;
    options.recentChecks[0].on = options.recentChecks[1].on = false;
    options.maxMatches = 1;
    options.minMatches = 2;
    options.maxRuns = 1000;
    ASSERT_EQ(generateTips(pool, recent, 6, 0, 6, options, *state, hooks, sequence), GenerationResult::TipFailed);
    EXPECT_EQ(state->counts.passed, 1);
    EXPECT_EQ(state->counts.leaders().front(), 1);
    EXPECT_EQ(state->counts.rejected() + state->counts.passed, state->counts.candidates);
}

TEST(RuleBackTest, CountsTheRealDrawsEachRuleWouldHaveRejected) {
    const QDate d0(2024, 1, 3);
    const std::vector<DrawRecord> records{
        draw(d0, {1, 2, 3, 20, 30, 40}, 9),              // run of three, sum 96
        draw(d0.addDays(3), {1, 2, 25, 33, 41, 49}, 8),  // 1, 2 of the draw before; sum 151
        draw(d0.addDays(7), {5, 15, 25, 35, 45, 10}, 0), // 25 of the draw before; sum 135
        draw(d0.addDays(10), {1, 2, 3, 20, 30, 40}, 0),  // the first again: a 6-er in the window
    };
    DrawFilter filter{DayCount::fromDate(d0.addDays(-1)), DayCount::fromDate(d0.addDays(30)), true, true};
    RuleOptions o; // defaults: no run of three, sums 125..175, last draws 0 / 1 / 2, no 5-er
    o.recentChecks[0].on = o.recentChecks[1].on = false;
    const RuleReport::BackTest t = RuleReport::backTest(records, filter, o);
    EXPECT_EQ(t.draws, 4);
    EXPECT_FALSE(t.enabled[1]);
    EXPECT_FALSE(t.enabled[12]);
    EXPECT_EQ(t.rejected[3], 2);  // draws 1 and 4
    EXPECT_EQ(t.rejected[4], 2);  // draws 1 and 4 (96)
    EXPECT_EQ(t.rejected[5], 2);  // draw 2 (1, 2) and draw 3 (25); the additional number counts
    EXPECT_EQ(t.rejected[6], 1);  // draw 4 has 1, 2 of draw 2: more than 1
    EXPECT_EQ(t.rejected[7], 1);  // draw 4 has six of draw 1: more than 2
    EXPECT_EQ(t.rejected[11], 1); // draw 4 repeats draw 1 within the window
    EXPECT_DOUBLE_EQ(t.share(3), 0.5);
    // A window that starts after the first draw: the repeat is no longer caught.
    filter.from = DayCount::fromDate(d0);
    EXPECT_EQ(RuleReport::backTest(records, filter, o).rejected[11], 0);
    EXPECT_TRUE(t.toCsv().contains("11,"));
}

namespace {

// The history rules of the back-test counted the plain way: every draw before the tested one
// whose date lies in the window, compared number by number.
std::array<int, 3> historyRejectionsByHand(const std::vector<DrawRecord>& records, const DrawFilter& filter,
                                           const RuleOptions& o) {
    std::array<int, 3> rejected{};
    for (std::size_t i = 1; i < records.size(); ++i) {
        const DrawRecord& d = records[i];
        if (!filter.inClosedWindow(d.date) || !filter.passesWeekday(d.date)) continue;
        DrawFilter before = filter;
        before.to = records[i - 1].date;
        const auto reached = [&](const HistoryCheck::DateWindow& w, int minHits) {
            for (std::size_t j = 0; j < i; ++j) {
                if (!w.contains(records[j].date)) continue;
                int common = 0;
                for (const std::uint8_t a : d.numbers)
                    for (const std::uint8_t b : records[j].numbers) common += a == b;
                if (common >= minHits) return true;
            }
            return false;
        };
        if (o.historyOn && reached(HistoryCheck::historyWindow(before), o.historyHits)) ++rejected[0];
        for (int c = 0; c < 2; ++c) {
            const RuleOptions::RecentCheck& rc = o.recentChecks[static_cast<std::size_t>(c)];
            if (rc.on && reached(HistoryCheck::recentWindow(before, rc.draws), rc.hits)) ++rejected[1 + c];
        }
    }
    return rejected;
}

} // namespace

TEST(RuleBackTest, HistoryRulesCountWhatThePlainCountGives) {
    std::vector<DrawRecord> records = DrawCsv::readFile(Bundled);
    ASSERT_GT(records.size(), 3000u);
    RuleOptions o;
    o.historyHits = 4; // some real draws repeat four numbers of an earlier one
    o.recentChecks[0] = {true, 3, 20};
    o.recentChecks[1] = {true, 2, 4};
    const DrawFilter whole{DayCount::fromDate({1990, 1, 1}), DayCount::fromDate({2025, 9, 1}), true, true};
    const DrawFilter wednesdays{DayCount::fromDate({2010, 1, 1}), DayCount::fromDate({2025, 9, 1}), false, true};
    for (const DrawFilter& filter : {whole, wednesdays}) {
        const RuleReport::BackTest t = RuleReport::backTest(records, filter, o);
        const std::array<int, 3> byHand = historyRejectionsByHand(records, filter, o);
        EXPECT_GT(t.rejected[11], 0);
        EXPECT_GT(t.rejected[13], 0);
        EXPECT_EQ(t.rejected[11], byHand[0]);
        EXPECT_EQ(t.rejected[12], byHand[1]);
        EXPECT_EQ(t.rejected[13], byHand[2]);
    }
    // Out of date order, a later draw of the file can lie in a window: only the draws before
    // the tested one in the file count.
    std::reverse(records.begin() + 1000, records.begin() + 1400);
    const RuleReport::BackTest t = RuleReport::backTest(records, whole, o);
    const std::array<int, 3> byHand = historyRejectionsByHand(records, whole, o);
    EXPECT_EQ(t.rejected[11], byHand[0]);
    EXPECT_EQ(t.rejected[12], byHand[1]);
    EXPECT_EQ(t.rejected[13], byHand[2]);
}

// ---- Wheels ----

TEST(WheelReport, ShippedTablesShowTheirDocumentedGuarantee) {
    struct Shipped {
        const char* code;
        int base, rows, guarantee;
    };
    for (const Shipped s : {Shipped{"609", 9, 7, 3}, Shipped{"612", 12, 15, 3}, Shipped{"626", 26, 162, 3},
                            Shipped{"710", 10, 21, 4}, Shipped{"712", 12, 45, 4}}) {
        const WheelReport::Report r =
            WheelReport::analyseFile(Vew + QLatin1String(s.code) + QStringLiteral(".txt"));
        EXPECT_EQ(r.base, s.base) << s.code;
        EXPECT_EQ(static_cast<int>(r.rows.size()), s.rows) << s.code;
        EXPECT_EQ(r.fullGuarantee(), s.guarantee) << s.code;
        const WheelReport::Profile& p = r.profile[static_cast<std::size_t>(s.guarantee)];
        EXPECT_EQ(p.guarantee, s.guarantee) << s.code;
        EXPECT_EQ(p.reaching[static_cast<std::size_t>(s.guarantee)], p.cases) << s.code;
        // Six winning base numbers always lie in some row with at least the guarantee.
        EXPECT_GE(r.profile.back().guarantee, s.guarantee) << s.code;
    }
}

TEST(WheelReport, AHoleIsShownAndBadLinesAreNamed) {
    QStringList lines;
    for (const QString& row : WheelReport::analyseFile(Vew + QStringLiteral("609.txt")).rows) lines << row;
    // Without its last row the 609 table no longer covers every three.
    lines.removeLast();
    const WheelReport::Report holed = WheelReport::analyse(lines);
    EXPECT_EQ(holed.profile[3].guarantee, 2);
    EXPECT_LT(holed.profile[3].reaching[3], holed.profile[3].cases);
    ASSERT_EQ(holed.profile[3].weakest.size(), 3u);
    EXPECT_TRUE(WheelReport::describe(holed).join(QLatin1Char('\n')).contains(QStringLiteral("Lücke")));

    lines.insert(2, QStringLiteral("xxxxx----"));
    try {
        WheelReport::analyse(lines);
        ADD_FAILURE() << "five marks accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Zeile 3:"))) << e.message().toStdString();
    }
    EXPECT_THROW(WheelReport::analyse({}), AppError);
}

// ---- CSV ----

TEST(HistoryCsv, RealHistoryRoundTripsByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile bundled(Bundled);
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    const QByteArray csv = bundled.readAll();

    // The history as the converter builds it.
    const std::vector<DrawRecord> records = DrawCsv::parse(csv);
    DrawHistory original(dir.filePath(QStringLiteral("orig.dat")));
    original.replaceAll(records);
    QFile origFile(original.filePath());
    ASSERT_TRUE(origFile.open(QIODevice::ReadOnly));
    const QByteArray origBytes = origFile.readAll();
    ASSERT_EQ(origBytes.size(), static_cast<qsizetype>(records.size()) * DrawRecord::Size);

    // Export: the same text as the bundled file.
    const QByteArray exported = DrawCsv::format(original.readAll());
    EXPECT_EQ(exported, csv);

    // Import into an empty ZahlenGR.dat: the same bytes.
    DrawHistory fresh(dir.filePath(QStringLiteral("ZahlenGR.dat")));
    const DrawCsv::ImportPlan plan =
        DrawCsv::planImport(fresh.exists() ? fresh.readAll() : std::vector<DrawRecord>{}, exported);
    EXPECT_EQ(plan.added, static_cast<int>(records.size()));
    EXPECT_TRUE(plan.refused.isEmpty());
    fresh.replaceAll(plan.merged);
    QFile freshFile(fresh.filePath());
    ASSERT_TRUE(freshFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(freshFile.readAll(), origBytes);

    // Importing it again changes nothing.
    const DrawCsv::ImportPlan again = DrawCsv::planImport(fresh.readAll(), exported);
    EXPECT_EQ(again.unchanged, static_cast<int>(records.size()));
    EXPECT_FALSE(again.changes());
}

TEST(HistoryCsv, BadLinesAreRefusedAndCountedGoodOnesMerged) {
    const std::vector<DrawRecord> stored{draw({2025, 8, 27}, {1, 2, 3, 4, 5, 6}, 7),
                                         draw({2025, 8, 30}, {7, 8, 9, 10, 11, 12}, 0)};
    const QByteArray text = "date,n1,n2,n3,n4,n5,n6,additional\n"
                            "2025-08-23,3,13,23,33,43,49,\n"  // added, before the stored ones
                            "2025-08-27,1,2,3,4,5,6,7\n"      // unchanged
                            "2025-08-30,7,8,9,10,11,13,\n"    // replaced
                            "2025-09-03,5,5,6,7,8,9,\n"       // repeated number
                            "2025-09-06,1,2,3,4,5,50,\n"      // out of range
                            "2025-09-10,1,2,3,4,5,6,6\n"      // additional among the six
                            "2025-13-01,1,2,3,4,5,6,\n"       // no date
                            "2025-09-13,1,2,3,4,5\n"          // seven fields
                            "2025-08-23,4,14,24,34,44,48,\n"; // date twice in the file
    const DrawCsv::ImportPlan plan = DrawCsv::planImport(stored, text);
    EXPECT_EQ(plan.added, 1);
    EXPECT_EQ(plan.replaced, 1);
    EXPECT_EQ(plan.unchanged, 1);
    ASSERT_EQ(plan.refused.size(), 6);
    EXPECT_TRUE(plan.refused[0].startsWith(QStringLiteral("Zeile 5:")));
    EXPECT_TRUE(plan.refused[5].startsWith(QStringLiteral("Zeile 10:")));
    ASSERT_EQ(plan.merged.size(), 3u);
    EXPECT_EQ(DayCount::toDate(plan.merged[0].date), QDate(2025, 8, 23));
    EXPECT_EQ(plan.merged[0].numbers[0], 3);
    EXPECT_EQ(plan.merged[2].numbers[5], 13);
    EXPECT_TRUE(DrawCsv::importSummary(plan).startsWith(
        QStringLiteral("1 Ziehungen hinzugefügt, 1 ersetzt, 1 unverändert, 6 Zeilen abgelehnt.")));
}

TEST(TipListCsv, OneRowPerLineWithItsSystem) {
    const QByteArray csv =
        TipCsv::format({QStringLiteral("01,08,15,22,29,36:Normal"), QStringLiteral("  "),
                        QStringLiteral("02,09,16,23,30,37,44:007"), QStringLiteral("3,x,5")});
    EXPECT_EQ(csv, QByteArray("tipp,system,zahlen\r\n1,Normal,1,8,15,22,29,36\r\n2,007,2,9,16,23,30,37,44\r\n"
                              "3,,3,x,5\r\n"));
}
