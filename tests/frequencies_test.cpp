#include "stats/Statistics.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {
DrawFilter window(QDate from, QDate to, bool sat = true, bool wed = true) {
    return DrawFilter{DayCount::fromDate(from), DayCount::fromDate(to), sat, wed};
}
} // namespace

TEST(NumberFrequencies, OneDrawOfOneToSix) {
    const std::vector<DrawRecord> records{makeDraw(QDate(2011, 10, 12), {1, 2, 3, 4, 5, 6}, 7)};
    const auto f = Statistics::numberFrequencies(records, window(QDate(2011, 1, 1), QDate(2011, 12, 31)));
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(f.count[n], n <= 6 ? 1 : 0) << n;
    EXPECT_EQ(f.draws, 1);
    EXPECT_EQ(Statistics::frequencyTitle(f),
              QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21"));
}

TEST(NumberFrequencies, WindowIsInclusiveAndWeekdayBoxesFilter) {
    // Wednesday 12.10., Saturday 15.10., Sunday 16.10. (a holiday shift), Wednesday 19.10.
    const std::vector<DrawRecord> records{makeDraw(QDate(2011, 10, 12), {1, 2, 3, 4, 5, 6}),
                                          makeDraw(QDate(2011, 10, 15), {1, 12, 13, 14, 15, 16}),
                                          makeDraw(QDate(2011, 10, 16), {1, 22, 23, 24, 25, 26}),
                                          makeDraw(QDate(2011, 10, 19), {1, 32, 33, 34, 35, 36})};
    // from and to dates both count.
    auto f = Statistics::numberFrequencies(records, window(QDate(2011, 10, 12), QDate(2011, 10, 19)));
    EXPECT_EQ(f.draws, 4);
    EXPECT_EQ(f.count[1], 4);
    f = Statistics::numberFrequencies(records, window(QDate(2011, 10, 13), QDate(2011, 10, 18)));
    EXPECT_EQ(f.draws, 2);

    // Saturdays only: the Sunday draw does not pass; both boxes: it does.
    f = Statistics::numberFrequencies(records, window(QDate(2011, 1, 1), QDate(2011, 12, 31), true, false));
    EXPECT_EQ(f.draws, 1);
    EXPECT_EQ(f.count[12], 1);
    f = Statistics::numberFrequencies(records, window(QDate(2011, 1, 1), QDate(2011, 12, 31), false, true));
    EXPECT_EQ(f.draws, 2);
    EXPECT_EQ(f.count[22], 0);
    f = Statistics::numberFrequencies(records, window(QDate(2011, 1, 1), QDate(2011, 12, 31), false, false));
    EXPECT_EQ(f.draws, 0);
    EXPECT_EQ(Statistics::frequencyTitle(f),
              QStringLiteral("Zahlenverteilung     Ziehungen: 0    Quersumme: 0"));
}

TEST(NumberFrequencies, AverageCrossSumRoundsHalfToEven) {
    // Sums 100 and 103 average 101.5 -> 102; sums 100 and 101 average 100.5 -> 100.
    EXPECT_EQ(Statistics::averageCrossSum(203, 2), 102);
    EXPECT_EQ(Statistics::averageCrossSum(201, 2), 100);
    EXPECT_EQ(Statistics::averageCrossSum(0, 0), 0);
}

TEST(NumberFrequencies, RealHistoryCountsEveryNumberOfEveryDraw) {
    const auto records = realHistory();
    const auto f = Statistics::numberFrequencies(records, window(QDate(1986, 9, 7), QDate(2030, 1, 1)));
    EXPECT_EQ(f.draws, 3449);
    long long total = 0;
    for (int n = 1; n <= 49; ++n) total += f.count[n];
    EXPECT_EQ(total, 6LL * 3449);
}
