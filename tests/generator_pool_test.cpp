#include "base/Errors.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "generator/GenerationRules.h"
#include "generator/KeptTips.h"
#include "generator/PreferencePool.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <vector>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Statistics handed in as bars; counts how often each was computed.
struct FixedSource : PoolSource {
    std::map<PoolStatistic, StatisticBars> bars;
    std::map<PoolStatistic, int> computed;
    QStringList statuses;
    StatisticBars compute(PoolStatistic s) override {
        ++computed[s];
        return bars.at(s);
    }
    void status(const QString& text) override { statuses << text; }
};

// 49 number bars with the given values at the given numbers, `rest` elsewhere; axis from the
// smallest to the largest value.
StatisticBars numberBars(std::map<int, double> values, double rest) {
    StatisticBars b;
    for (int n = 1; n <= 49; ++n) b.values.push_back(values.count(n) ? values[n] : rest);
    b.min = *std::min_element(b.values.begin(), b.values.end());
    b.max = *std::max_element(b.values.begin(), b.values.end());
    return b;
}

PoolOptions nothingPreferred() {
    PoolOptions o;
    o.rareNumbers = false;
    o.overdue = false;
    o.excludeDraw = {false, false, false};
    return o;
}

RecentDraws recentOf(std::array<std::uint8_t, 8> last, std::array<std::uint8_t, 8> second = {},
                     std::array<std::uint8_t, 8> third = {}) {
    RecentDraws r;
    r.groups = {last, second, third};
    return r;
}

} // namespace

TEST(PreferencePool, DefaultsWeighNumbersByTheInnerAndOuterBandsOfBothStatistics) {
    FixedSource source;
    // Range 0..100: the rare bands are <= 30 and <= 15, the overdue bands >= 70 and >= 85.
    source.bars[PoolStatistic::Frequencies] =
        numberBars({{1, 0}, {2, 10}, {3, 20}, {4, 30}, {5, 31}, {6, 100}}, 50);
    source.bars[PoolStatistic::Overdue] = numberBars({{2, 90}, {3, 70}, {7, 100}, {8, 0}}, 50);
    PreferencePool pool;
    PoolOptions options;
    options.excludeDraw = {false, false, false};
    ASSERT_EQ(buildPool(pool, options, RecentDraws{}, source), PoolOutcome::Ready);
    const auto w = pool.weights();
    EXPECT_EQ(w[1], 4); // rare inner band, not overdue
    EXPECT_EQ(w[2], 7); // inner band of both
    EXPECT_EQ(w[3], 5); // outer rare band, outer overdue band
    EXPECT_EQ(w[4], 3); // the upper rare limit is inclusive
    EXPECT_EQ(w[5], 1);
    EXPECT_EQ(w[6], 1);
    EXPECT_EQ(w[7], 4);
    EXPECT_EQ(w[8], 1);
    EXPECT_EQ(source.computed[PoolStatistic::Frequencies], 1);
    EXPECT_EQ(source.computed[PoolStatistic::Overdue], 1);
    // The pool ends with every number once, in order.
    const std::vector<int> e = pool.entries();
    ASSERT_GE(e.size(), 49u);
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(e[e.size() - 50 + static_cast<std::size_t>(n)], n);
    EXPECT_EQ(source.statuses.first(), QStringLiteral("Berechnung der Zahlenverteilung"));
    EXPECT_TRUE(source.statuses.contains(QStringLiteral("Min: 0  Max: 30  0")));
    EXPECT_TRUE(source.statuses.contains(QStringLiteral("Berechnung der der Ausstehenden Zahlen")));
    EXPECT_TRUE(source.statuses.contains(QStringLiteral("Min: 70 Max: 100  ") + QString::number(2 * 4 + 2)));
}

TEST(PreferencePool, GroupBandsAndTheirSharedStatistic) {
    FixedSource source;
    // 48 pair bars; range 0..10: the frequent band is 7 < v <= 10, the rare one 0 < v <= 3.
    StatisticBars pairs;
    pairs.values.assign(48, 5);
    pairs.values[0] = 10;  // pair 1-2
    pairs.values[9] = 7;   // 10-11: on the exclusive lower limit
    pairs.values[20] = 3;  // 21-22
    pairs.values[30] = 0;  // 31-32: never rare
    pairs.values[47] = 10; // the last bar is not examined
    pairs.min = 0;
    pairs.max = 10;
    source.bars[PoolStatistic::Pairs] = pairs;

    PoolOptions o = nothingPreferred();
    o.onlyPreferred = true;
    o.numbersPerTip = 2;
    o.rarePairs = true;
    PreferencePool pool;
    ASSERT_EQ(buildPool(pool, o, RecentDraws{}, source), PoolOutcome::Ready);
    EXPECT_EQ(pool.entries(), (std::vector<int>{21, 22}));
    EXPECT_EQ(source.computed[PoolStatistic::Pairs], 1);

    o.frequentPairs = true;
    ASSERT_EQ(buildPool(pool, o, RecentDraws{}, source), PoolOutcome::Ready);
    EXPECT_EQ(pool.entries(), (std::vector<int>{1, 2, 21, 22}));
    // Both bands from one computation.
    EXPECT_EQ(source.computed[PoolStatistic::Pairs], 2);

    // All bars equal: the frequent band takes none, the rare band every examined bar.
    StatisticBars flat;
    flat.values.assign(49, 4);
    flat.min = flat.max = 4;
    source.bars[PoolStatistic::Quadruples] = flat;
    PoolOptions q = nothingPreferred();
    q.frequentQuads = true;
    buildPool(pool, q, RecentDraws{}, source);
    EXPECT_EQ(pool.size(), 49);
    q.rareQuads = true;
    buildPool(pool, q, RecentDraws{}, source);
    EXPECT_EQ(pool.size(), 46 * 4 + 49); // runs of four starting at 1..46
    EXPECT_EQ(pool.weights()[1], 2);
    EXPECT_EQ(pool.weights()[4], 5);
    EXPECT_EQ(pool.weights()[49], 2);
    // A flat number statistic puts every number in both passes.
    source.bars[PoolStatistic::Frequencies] = numberBars({}, 12);
    PoolOptions f = nothingPreferred();
    f.frequentNumbers = true;
    buildPool(pool, f, RecentDraws{}, source);
    EXPECT_EQ(pool.weights()[17], 4);
}

TEST(PreferencePool, BandLimitsRoundExactHalvesToEven) {
    EXPECT_EQ(PoolBands::frequentNumberLow(0, 15, 3, 10), 10);       // 10.5
    EXPECT_EQ(PoolBands::frequentNumberLow(0, 25, 3, 10), 18);       // 17.5
    EXPECT_EQ(PoolBands::rareNumberHigh(0, 5, 3, 10), 2);            // 1.5
    EXPECT_EQ(PoolBands::rareNumberHigh(0, 25, 3, 10), 8);           // 7.5
    EXPECT_EQ(PoolBands::frequentNumberLow(100, 200, 25, 200), 188); // 187.5
    EXPECT_EQ(PoolBands::rareNumberHigh(100, 105, 30, 100), 102);    // 101.5
    EXPECT_EQ(PoolBands::rareNumberHigh(100, 105, 30, 200), 101);    // 100.75
}

TEST(PreferencePool, NeighboursOfTheLastDrawAndTheShortageCheck) {
    FixedSource source;
    PoolOptions o = nothingPreferred();
    o.lastDrawNeighbours = true;
    o.onlyPreferred = true;
    PreferencePool pool;
    // 1 has no lower neighbour, 49 no upper one; the eighth value 0 gives four entries of 1.
    ASSERT_EQ(buildPool(pool, o, recentOf({1, 20, 49, 30, 31, 40, 10, 0}), source), PoolOutcome::Ready);
    const auto w = pool.weights();
    EXPECT_EQ(w[2], 4);
    EXPECT_EQ(w[48], 4);
    EXPECT_EQ(w[19], 4);
    EXPECT_EQ(w[21], 4);
    EXPECT_EQ(w[30], 4); // from 31
    EXPECT_EQ(w[31], 4); // from 30
    EXPECT_EQ(w[1], 4);
    EXPECT_EQ(w[20], 0);

    // Only preferred numbers and none preferred: too few.
    EXPECT_EQ(buildPool(
                  pool,
                  [] {
                      PoolOptions p = nothingPreferred();
                      p.onlyPreferred = true;
                      return p;
                  }(),
                  RecentDraws{}, source),
              PoolOutcome::TooFewNumbers);
    EXPECT_EQ(pool.size(), 0);
    // Fifteen entries of five numbers are too few for six-number tips.
    o.lastDrawNeighbours = false;
    o.rareNumbers = true;
    o.rarePercent = 5;
    source.bars[PoolStatistic::Frequencies] = numberBars({{3, 0}, {9, 0}, {17, 0}, {25, 0}, {33, 0}}, 100);
    EXPECT_EQ(buildPool(pool, o, RecentDraws{}, source), PoolOutcome::TooFewNumbers);
    EXPECT_EQ(pool.size(), 15);
    EXPECT_EQ(pool.distinctCount(), 5);
}

TEST(PreferencePool, ExclusionRemovesRecentNumbersAndKeepsEveryOtherEntry) {
    // No statistic: 1..49 once each; the last draw with additional number 8 leaves the pool.
    FixedSource source;
    PoolOptions o = nothingPreferred();
    o.excludeDraw = {true, false, true};
    PreferencePool pool;
    buildPool(
        pool, o,
        recentOf({3, 12, 25, 30, 41, 49, 8, 0}, {1, 2, 4, 5, 6, 7, 9, 0}, {10, 11, 13, 14, 15, 16, 17, 0}),
        source);
    const auto w = pool.weights();
    for (int n = 1; n <= 49; ++n) {
        const bool excluded = n == 3 || n == 12 || n == 25 || n == 30 || n == 41 || n == 49 || n == 8 ||
                              (n >= 10 && n <= 17 && n != 12);
        EXPECT_EQ(w[n], excluded ? 0 : 1) << n;
    }

    // The order after removal: a removed entry takes the last entry's place, which is examined
    // in turn.
    PreferencePool small;
    for (int n : {1, 2, 3, 4, 5, 2, 6, 5}) small.add(n);
    small.removeNumbers((1u << 2) | (1u << 5));
    EXPECT_EQ(small.entries(), (std::vector<int>{1, 6, 3, 4}));
}

TEST(PreferencePool, OkKeepsTheWeightsOfTheNumbersLeftTickedAndOnlyThose) {
    PreferencePool pool;
    for (int n : {8, 3, 11, 3, 12, 20, 8, 3}) pool.add(n);
    std::array<bool, 50> ticked{};
    for (int n : {3, 8, 11, 12, 20}) ticked[n] = true;
    // The boxes as the pool preset them: the pool stays entry for entry.
    const std::vector<int> before = pool.entries();
    pool.keepTicked(ticked);
    EXPECT_EQ(pool.entries(), before);

    // 8, 11 and 12 unticked, 40 ticked anew: the others keep their weights, 40 gets one entry.
    ticked[8] = ticked[11] = ticked[12] = false;
    ticked[40] = true;
    pool.keepTicked(ticked);
    const auto w = pool.weights();
    EXPECT_EQ(w[3], 3);
    EXPECT_EQ(w[20], 1);
    EXPECT_EQ(w[40], 1);
    for (int n : {8, 11, 12}) EXPECT_EQ(w[n], 0) << n;
    EXPECT_EQ(pool.size(), 5);
    EXPECT_EQ(pool.entries().back(), 40);
}

TEST(PreferencePool, CapacityRebuildAndRange) {
    PreferencePool pool;
    for (int i = 0; i < 12; ++i) pool.add(i % 49 + 1, 50);
    EXPECT_EQ(pool.size(), PreferencePool::Capacity);
    EXPECT_EQ(pool.weights()[11], 40);
    EXPECT_EQ(pool.weights()[12], 0);
    pool.clear();
    pool.add(0, 3);
    pool.add(50, 3);
    EXPECT_EQ(pool.size(), 0);

    // The edited window: ticked boxes with their weights. Unchanged weights give one entry
    // more each; a ticked box of weight 0 gives two; negative weights none.
    std::array<bool, 50> ticked{};
    std::array<QString, 50> texts;
    for (int n = 1; n <= 49; ++n) texts[n] = QStringLiteral("1");
    ticked[5] = true, texts[5] = QStringLiteral("3");
    ticked[6] = true, texts[6] = QStringLiteral("0");
    ticked[7] = true, texts[7] = QStringLiteral("-2");
    ticked[8] = false, texts[8] = QStringLiteral("9");
    ticked[9] = true, texts[9] = QStringLiteral(" 1 ");
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.entries(), (std::vector<int>{5, 5, 5, 5, 6, 6, 9, 9}));
    // A weight text that is no whole number fails the rebuild.
    texts[9] = QStringLiteral("1.5");
    EXPECT_THROW(pool.rebuild(ticked, texts), ConversionError);
    // The whole rebuild is bounded by the capacity too.
    ticked.fill(true);
    texts.fill(QStringLiteral("20"));
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.size(), PreferencePool::Capacity);
}

TEST(GenerationRules, CountsOfACandidate) {
    auto tip = [](std::vector<int> v) {
        CandidateTip t;
        for (std::size_t k = 0; k < v.size(); ++k) t.pos[k + 1] = static_cast<std::uint8_t>(v[k]);
        return t;
    };
    EXPECT_TRUE(Rules::hasPair(tip({1, 2, 3, 10, 20, 30}), 6));
    EXPECT_TRUE(Rules::hasRunOfThree(tip({1, 2, 3, 10, 20, 30}), 6));
    EXPECT_FALSE(Rules::hasPair(tip({1, 3, 5, 7, 9, 11}), 6));
    EXPECT_FALSE(Rules::hasRunOfThree(tip({1, 3, 5, 7, 9, 11}), 6));
    EXPECT_FALSE(Rules::hasRunOfThree(tip({1, 2, 4, 5, 7, 8}), 6));
    EXPECT_TRUE(Rules::hasRunOfThree(tip({1, 5, 20, 21, 22, 40}), 6));

    EXPECT_EQ(Rules::crossSum(tip({2, 4, 6, 8, 10, 12, 14, 16}), 8), 54);
    EXPECT_EQ(Rules::crossSum(tip({1, 2, 3, 4, 5, 6, 7}), 7), 24);
    EXPECT_EQ(Rules::crossSum(tip({5, 10, 15, 20, 22, 23, 25, 30}), 8), 112); // 112.5
    EXPECT_EQ(Rules::crossSum(tip({5, 10, 15, 20, 22, 23, 26, 30}), 8), 113); // 113.25
    EXPECT_EQ(Rules::crossSum(tip({1, 2, 3, 4, 5, 6}), 6), 21);

    // 1 and 2 count as primes; positions beyond the width are not looked at.
    EXPECT_EQ(Rules::primeCount(tip({1, 2, 4, 6, 8, 9}), 6), 2);
    EXPECT_EQ(Rules::primeCount(tip({4, 6, 8, 9, 10, 12}), 6), 0);
    EXPECT_EQ(Rules::primeCount(tip({4, 6, 8, 9, 10, 47, 43}), 6), 1);
    EXPECT_EQ(Rules::primeCount(tip({4, 6, 8, 9, 10, 47}), 11), 1);
    EXPECT_EQ(Rules::evenCount(tip({1, 2, 4, 6, 8, 9}), 6), 4);
    EXPECT_EQ(Rules::oddCount(tip({1, 2, 4, 6, 8, 9}), 6), 2);

    Rules::HistoryText text;
    const int len = Rules::historyText(tip({3, 12, 17, 25, 33, 41}), 6, text);
    EXPECT_EQ(QStringView(text.data(), len), QStringLiteral("3,12,17,25,33,41,"));
}

TEST(GenerationRules, RulesInTheirOrderWithTheHistoryChecksLast) {
    struct Checks : HistoryChecks {
        QStringList calls;
        bool allTimeAnswer = true;
        bool recentAnswer = true;
        bool allTime(QStringView text, int hits) override {
            calls << QStringLiteral("all %1 %2").arg(text).arg(hits);
            return allTimeAnswer;
        }
        bool recent(QStringView text, int hits, int draws) override {
            calls << QStringLiteral("recent %1 %2 %3").arg(text).arg(hits).arg(draws);
            return recentAnswer;
        }
    } checks;
    CandidateTip c;
    const std::array<int, 6> numbers{5, 12, 19, 28, 36, 43}; // sum 143, no pair
    for (int k = 0; k < 6; ++k) c.pos[k + 1] = static_cast<std::uint8_t>(numbers[k]);
    TicketTable table;
    table.setRow(1, std::vector<int>{5, 12, 19, 1, 2, 3}, 6);            // 3 in common
    table.setRow(2, std::vector<int>{5, 12, 40, 41, 42, 44, 19, 28}, 6); // 2 in the first six
    const RecentDraws recent =
        recentOf({1, 2, 3, 4, 6, 7, 43, 0}, {5, 0, 0, 0, 0, 0, 0, 0}, {12, 19, 0, 0, 0, 0, 0, 0});
    RuleOptions o;
    auto rule = [&](int t) { return Rules::firstFailingRule(c, 6, t, table, recent, o, checks); };

    // The additional number 43 of the last draw counts.
    EXPECT_EQ(rule(3), 5);
    o.recentAllowance[0] = 1;
    EXPECT_EQ(rule(3), 0);
    EXPECT_EQ(checks.calls, (QStringList{QStringLiteral("all 5,12,19,28,36,43, 5"),
                                         QStringLiteral("recent 5,12,19,28,36,43, 4 40"),
                                         QStringLiteral("recent 5,12,19,28,36,43, 3 10")}));
    checks.calls.clear();
    checks.allTimeAnswer = false;
    EXPECT_EQ(rule(3), 11);
    EXPECT_EQ(checks.calls.size(), 1);
    checks.allTimeAnswer = true;
    checks.recentAnswer = false;
    EXPECT_EQ(rule(3), 12);
    o.recentChecks[0].on = false;
    EXPECT_EQ(rule(3), 13);
    o.recentChecks[1].on = false;
    EXPECT_EQ(rule(3), 0);

    // Rule 1: the rows before t only; bounds by their boxes or by CheckBox27.
    o.minMatches = 3;
    EXPECT_EQ(rule(2), 0);
    EXPECT_EQ(rule(3), 1);
    o.minMatchesOn = false;
    EXPECT_EQ(rule(3), 0);
    o.everyPair = true;
    EXPECT_EQ(rule(3), 1);
    o.minMatches = 2;
    o.maxMatches = 2;
    EXPECT_EQ(rule(2), 1);
    o.everyPair = false;
    o.maxMatchesOn = false;
    EXPECT_EQ(rule(3), 0);

    o.forcePair = true;
    EXPECT_EQ(rule(1), 2);
    o.forcePair = false;
    o.crossSumLow = 144;
    EXPECT_EQ(rule(1), 4);
    o.crossSumLow = 100;
    o.crossSumHigh = 142;
    EXPECT_EQ(rule(1), 4);
    o.crossSumHigh = 143;
    o.recentAllowance = {1, 0, 1};
    EXPECT_EQ(rule(1), 6);
    o.recentAllowance = {1, 1, 1};
    EXPECT_EQ(rule(1), 7);
    o.recentAllowance = {1, 1, 2};
    o.evenOn = true;
    o.evenMin = 4; // 12, 28, 36
    EXPECT_EQ(rule(1), 8);
    o.evenMin = 3;
    o.oddOn = true;
    o.oddMin = 4; // 5, 19, 43
    EXPECT_EQ(rule(1), 9);
    o.oddMin = 3;
    o.primesOn = true;
    o.primesMin = 4;
    EXPECT_EQ(rule(1), 10);
    o.primesMin = 3; // 5, 19, 43
    EXPECT_EQ(rule(1), 0);
}

TEST(KeptTips, RowsFollowTheListLinesAsTheEvaluationParsesThem) {
    CurrentDraw draw;
    DrawRecord r;
    r.numbers = {1, 2, 3, 10, 20, 30};
    r.additional = 40;
    draw.take(r);
    QStringList lines{
        QStringLiteral("1,2,3,4,5,6"),
        // A field that is no number holds none; numbers outside 1..49 are none either.
        QStringLiteral("7,x,9,0,50,12"),
        // A system code applies to its own line only.
        QStringLiteral("13,14,15,16,17,18,19:VEW-A"),
    };
    // More fields than a row holds: the first Width count.
    QStringList many;
    for (int k = 1; k <= 30; ++k) many << QString::number(k <= 26 ? k : 49);
    lines << many.join(QLatin1Char(','));
    // The last line has no code: checked as a single tip under the given selector.
    lines << QStringLiteral("1,2,3,10,44,45");

    TicketTable table;
    table.clear();
    ParsedTicket ticket;
    TicketResult result;
    SystemTable systems;
    SystemTableSet byCode(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/"));
    fillKeptRows(table, lines, 6, QStringLiteral("Normal"), ticket, result, SystemTables{&systems, &byCode}, draw);

    EXPECT_EQ(table.mask(1), 0b1111110u);
    EXPECT_EQ(table.mask(2), (std::uint64_t{1} << 7) | (std::uint64_t{1} << 9) | (std::uint64_t{1} << 12));
    // n = 6: only the first six numbers enter the mask.
    EXPECT_EQ(table.mask(3), (std::uint64_t{0b111111} << 13));
    EXPECT_EQ(table.mask(4), 0b1111110u);
    EXPECT_EQ(table.mask(6), 0u); // no line, no row

    // Left as the last line's parse and check: four hits as a single tip.
    EXPECT_EQ(ticket.count, 6);
    EXPECT_EQ(result.hits, 4);
    EXPECT_FALSE(result.additionalHit);
}

TEST(KeptTips, OnlyAsManyLinesAsTheTableHasRows) {
    QStringList lines;
    for (int i = 0; i < TicketTable::Rows + 5; ++i) lines << QStringLiteral("%1,2,3,4,5,6").arg(1 + i % 40 + 7);
    TicketTable table;
    table.clear();
    ParsedTicket ticket;
    TicketResult result;
    const SystemTable none;
    fillKeptRows(table, lines, 6, QStringLiteral("Normal"), ticket, result, SystemTables{&none, nullptr}, CurrentDraw{});
    EXPECT_EQ(table.mask(TicketTable::Rows), (std::uint64_t{1} << (1 + (TicketTable::Rows - 1) % 40 + 7)) | 0b1111100u);
    // The parse stops with the last row's line.
    EXPECT_EQ(ticket.numbers[1].value, 1 + (TicketTable::Rows - 1) % 40 + 7);
}

// Every candidate is sorted before the rules see it: different numbers through a bit set, and
// anything else (a number twice, a value the bit set cannot hold) as a plain sort would.
TEST(CandidateTip, SortsAscendingWhateverItHolds) {
    RandomSequence random(77);
    for (int round = 0; round < 2000; ++round) {
        const int n = 1 + round % CandidateTip::MaxNumbers;
        CandidateTip tip;
        std::vector<std::uint8_t> values;
        for (int k = 1; k <= n; ++k) {
            // Mostly 1..49, now and then a repeat, 0 or a value of 64 and more.
            int v = 1 + static_cast<int>(random.random(49));
            if (round % 7 == 0 && k > 1) v = values.back();
            if (round % 11 == 0 && k == n) v = 64 + static_cast<int>(random.random(150));
            if (round % 13 == 0 && k == 1) v = 0;
            tip.pos[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v);
            values.push_back(static_cast<std::uint8_t>(v));
        }
        tip.sortAscending(n);
        std::sort(values.begin(), values.end());
        for (int k = 1; k <= n; ++k)
            ASSERT_EQ(tip.pos[static_cast<std::size_t>(k)], values[static_cast<std::size_t>(k - 1)]) << round << ' ' << k;
        for (int k = n + 1; k <= CandidateTip::MaxNumbers; ++k) ASSERT_EQ(tip.pos[static_cast<std::size_t>(k)], 0);
    }
}

// A number list whose weight is the largest 32-bit number: one more entry than the weight
// overflowed. The pool is full of that number instead, as for any weight beyond its capacity.
TEST(NumberListWeights, TheLargestWeightFillsThePoolWithoutOverflow) {
    std::array<bool, 50> ticked{};
    std::array<QString, 50> texts;
    texts.fill(QStringLiteral("1"));
    ticked[7] = true;
    texts[7] = QStringLiteral("2147483647");
    PreferencePool pool;
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.size(), PreferencePool::Capacity);
    EXPECT_EQ(pool.weights()[7], PreferencePool::Capacity);

    // Read from a file as the number choice window loads it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.hlw"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("2147483647\r\n\r\n3\r\n");
    f.close();
    const QStringList lines = TextFile::readLines(path);
    ticked = {};
    for (int n = 1; n <= 49; ++n) {
        const QString line = n <= lines.size() ? lines[n - 1] : QString();
        ticked[static_cast<std::size_t>(n)] = !line.isEmpty();
        texts[static_cast<std::size_t>(n)] = line.isEmpty() ? QStringLiteral("1") : line;
    }
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.weights()[1], PreferencePool::Capacity);
    EXPECT_EQ(pool.weights()[3], 0); // the pool was full before number 3
}
