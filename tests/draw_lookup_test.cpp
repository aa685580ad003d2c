#include "stats/DrawLookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

HistoryRecords recordsOf(const std::vector<double>& dates) {
    HistoryRecords h;
    for (double d : dates) {
        DrawRecord r;
        r.date = d;
        h.records.push_back(r);
        if (!h.dates.empty() && !(h.dates.back() < d)) h.ascending = false;
        h.dates.push_back(d);
    }
    return h;
}

// The draw line's walk, record by record from the first: each record reached that lies on or
// after the target is taken; past the end the last record is taken again.
DrawLookup walk(const std::vector<double>& dates, double target) {
    DrawLookup out;
    std::size_t read = 0;
    int index = 1;
    const auto take = [&](std::size_t i, bool first) {
        out.record = i;
        out.firstRecord = first;
    };
    if (!dates.empty()) {
        read = 1;
        if (dates[0] >= target) take(0, true);
        while (read < dates.size() && target > dates[read - 1]) {
            ++read;
            ++index;
            if (dates[read - 1] >= target) take(read - 1, false);
        }
    }
    out.index = static_cast<std::size_t>(index - 1);
    if (read == dates.size() && read > 0 && dates[read - 1] > 0) take(read - 1, false);
    return out;
}

void expectSame(const std::vector<double>& dates, double target) {
    const DrawLookup got = lookupDraw(recordsOf(dates), target);
    const DrawLookup want = walk(dates, target);
    EXPECT_EQ(got.record, want.record) << "target " << target;
    EXPECT_EQ(got.firstRecord, want.firstRecord) << "target " << target;
    EXPECT_EQ(got.index, want.index) << "target " << target;
}

} // namespace

TEST(DrawLookup, PicksTheFirstDrawOnOrAfterTheDateAndTheNewestPastTheEnd) {
    const std::vector<double> dates{100, 103, 107, 110};
    // Before the first draw and on it: the first draw, spaced as the first.
    for (double t : {50.0, 100.0}) {
        const DrawLookup l = lookupDraw(recordsOf(dates), t);
        ASSERT_TRUE(l.record);
        EXPECT_EQ(*l.record, 0u);
        EXPECT_TRUE(l.firstRecord);
        EXPECT_EQ(l.index, 0u);
    }
    // Between draws: the next one.
    const DrawLookup between = lookupDraw(recordsOf(dates), 104);
    EXPECT_EQ(between.record, std::optional<std::size_t>(2));
    EXPECT_FALSE(between.firstRecord);
    // After the newest draw: the newest.
    const DrawLookup after = lookupDraw(recordsOf(dates), 500);
    EXPECT_EQ(after.record, std::optional<std::size_t>(3));
    EXPECT_EQ(after.index, 3u);
    // A single draw is taken as a later one (the walk takes it twice).
    const DrawLookup single = lookupDraw(recordsOf({100}), 10);
    EXPECT_EQ(single.record, std::optional<std::size_t>(0));
    EXPECT_FALSE(single.firstRecord);
    // Nothing in an empty file.
    const DrawLookup none = lookupDraw(recordsOf({}), 10);
    EXPECT_FALSE(none.record);
    EXPECT_EQ(none.index, 0u);
}

TEST(DrawLookup, AgreesWithTheRecordByRecordWalkOnOrderedAndDisorderedFiles) {
    std::mt19937 gen(20251209);
    std::uniform_int_distribution<int> day(-5, 60);
    const std::vector<std::vector<double>> fixed{
        {0},        {-3},           {0, 5},         {5, 5, 5},        {10, 3, 7, 12},
        {10, 0},    {3, std::nan(""), 8}, {std::nan(""), 4}, {1, 2, 3, -1},
    };
    for (const auto& dates : fixed)
        for (double t = -6; t <= 15; t += 0.5) expectSame(dates, t);
    for (int round = 0; round < 300; ++round) {
        std::vector<double> dates(static_cast<std::size_t>(1 + round % 12));
        for (double& d : dates) d = day(gen);
        if (round % 2 == 0) std::sort(dates.begin(), dates.end());
        if (round % 4 == 0) dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
        for (int t = -7; t <= 62; t += 3) expectSame(dates, t);
    }
}
