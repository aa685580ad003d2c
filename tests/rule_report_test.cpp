// The rule report: what each rule of the generator rejected in a run, and the back-test of the
// rules against the real draws.
#include "base/DayCount.h"
#include "generator/RuleReport.h"
#include "generator/TipGenerator.h"
#include "stats/HistoryCheck.h"
#include "support/TestDraws.h"

#include <algorithm>
#include <gtest/gtest.h>

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
        makeDraw(d0, {1, 2, 3, 20, 30, 40}, 9),              // run of three, sum 96
        makeDraw(d0.addDays(3), {1, 2, 25, 33, 41, 49}, 8),  // 1, 2 of the draw before; sum 151
        makeDraw(d0.addDays(7), {5, 15, 25, 35, 45, 10}, 0), // 25 of the draw before; sum 135
        makeDraw(d0.addDays(10), {1, 2, 3, 20, 30, 40}, 0),  // the first again: a 6-er in the window
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
    std::vector<DrawRecord> records = realHistory();
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
