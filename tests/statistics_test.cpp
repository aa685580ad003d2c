#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawBrowsing.h"
#include "history/DrawHistory.h"
#include "stats/BarChartModel.h"
#include "stats/HistoryRecords.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"
#include "stats/TipTest.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <QDir>
#include <limits>

using namespace Statistics;

namespace {

double day(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}

// A window from the day before the first test draw to far ahead, both weekday boxes on.
DrawFilter wideFilter() {
    DrawFilter f;
    f.from = day(2024, 12, 31);
    f.to = day(2030, 1, 1);
    return f;
}

std::vector<double> ys(const Plot& plot) {
    std::vector<double> out;
    for (const PlotBar& b : plot.bars) out.push_back(b.y);
    return out;
}

std::vector<int> nonZeroStarts(const RunCounts& runs) {
    std::vector<int> out;
    for (int n = 0; n < 50; ++n)
        if (runs.found[n] != 0) out.push_back(n);
    return out;
}

} // namespace

// ---- Runs of consecutive numbers ----

TEST(RunSearch, OverlappingRunsInOneDrawAndExactTitles) {
    // Stored in server order, not sorted.
    const std::vector<DrawRecord> h = {makeDraw(QDate(2025, 1, 4), {31, 8, 5, 30, 7, 6})};
    const RunCounts pairs = runCounts(h, wideFilter(), RunKind::Pairs);
    const RunCounts triples = runCounts(h, wideFilter(), RunKind::Triples);
    const RunCounts quads = runCounts(h, wideFilter(), RunKind::Quadruples);

    EXPECT_EQ(nonZeroStarts(pairs), (std::vector<int>{5, 6, 7, 30}));
    EXPECT_EQ(nonZeroStarts(triples), (std::vector<int>{5, 6}));
    EXPECT_EQ(nonZeroStarts(quads), (std::vector<int>{5}));
    EXPECT_EQ(pairs.total, 4);
    EXPECT_EQ(triples.total, 2);
    EXPECT_EQ(quads.total, 1);

    EXPECT_EQ(runTitle(pairs),
              QStringLiteral("Bei 1 Ziehungen wurden 4 Paare gefunden! Häufigkeit = 1.Zahl des "
                             "Paares (1 x 5 => 1 x 5-6)"));
    EXPECT_EQ(runTitle(triples),
              QStringLiteral("Bei 1 Ziehungen wurden 2 Dreier gefunden! Häufigkeit = 1.Zahl des "
                             "Dreiers (1 x 5 => 1 x 5-6-7)"));
    EXPECT_EQ(runTitle(quads),
              QStringLiteral("Bei 1 Ziehungen wurden 1 Vierer gefunden! Häufigkeit = 1.Zahl des "
                             "Vierers (1x 5 => 1x 5-6-7-8)"));
}

TEST(RunSearch, WindowWeekdaysAndTheAdditionalNumber) {
    const std::vector<DrawRecord> h = {
        makeDraw(QDate(2025, 1, 1), {1, 2, 20, 30, 40, 45}),       // Wednesday, on the from date
        makeDraw(QDate(2025, 1, 4), {10, 20, 30, 40, 45, 49}, 11), // Saturday, 11 only additional
        makeDraw(QDate(2025, 1, 8), {3, 4, 17, 25, 33, 41}),       // Wednesday
        makeDraw(QDate(2025, 1, 12), {12, 13, 22, 26, 35, 44}),    // Sunday
        makeDraw(QDate(2025, 1, 15), {14, 15, 16, 27, 36, 47}),    // Wednesday, after the to date
    };
    DrawFilter f;
    f.from = day(2025, 1, 1);
    f.to = day(2025, 1, 12);

    RunCounts pairs = runCounts(h, f, RunKind::Pairs);
    // The draw on the from date is out, the one on the to date in; draws without a run count.
    EXPECT_EQ(pairs.draws, 3);
    EXPECT_EQ(nonZeroStarts(pairs), (std::vector<int>{3, 12}));
    EXPECT_EQ(pairs.found[10], 0); // 10-11 would need the additional number

    f.wednesdays = false; // Saturdays only
    pairs = runCounts(h, f, RunKind::Pairs);
    EXPECT_EQ(pairs.draws, 1);
    EXPECT_EQ(pairs.total, 0);

    f.saturdays = false; // neither box: nothing passes, not even the Sunday draw
    for (RunKind kind : {RunKind::Pairs, RunKind::Triples, RunKind::Quadruples}) {
        const RunCounts none = runCounts(h, f, kind);
        EXPECT_EQ(none.draws, 0);
        const Plot plot = runPlot(none);
        EXPECT_TRUE(
            std::all_of(plot.bars.begin(), plot.bars.end(), [](const PlotBar& b) { return b.y == 0; }));
    }
}

TEST(RunSearch, RunsAtTheTopOfTheRangeAndBarLayouts) {
    const std::vector<DrawRecord> h = {makeDraw(QDate(2025, 1, 4), {46, 47, 48, 49, 1, 3})};
    const RunCounts pairs = runCounts(h, wideFilter(), RunKind::Pairs);
    const RunCounts triples = runCounts(h, wideFilter(), RunKind::Triples);
    const RunCounts quads = runCounts(h, wideFilter(), RunKind::Quadruples);
    EXPECT_EQ(nonZeroStarts(pairs), (std::vector<int>{46, 47, 48}));
    EXPECT_EQ(nonZeroStarts(triples), (std::vector<int>{46, 47}));
    EXPECT_EQ(nonZeroStarts(quads), (std::vector<int>{46}));

    const Plot pp = runPlot(pairs), tp = runPlot(triples), qp = runPlot(quads);
    ASSERT_EQ(pp.bars.size(), 48u);
    ASSERT_EQ(tp.bars.size(), 47u);
    ASSERT_EQ(qp.bars.size(), 49u);
    EXPECT_EQ(pp.bars.front().x, 1);
    EXPECT_EQ(pp.bars.back().x, 48);
    EXPECT_EQ(pp.bars.back().y, 1);
    EXPECT_EQ(tp.bars.back().y, 1); // the run 47-48-49
    EXPECT_EQ(qp.bars[45].y, 1);    // the run 46..49
    EXPECT_EQ(qp.bars[46].y, 0);
    EXPECT_EQ(qp.bars[47].y, 0);
    EXPECT_EQ(qp.bars[48].y, 0);
    for (const Plot* p : {&pp, &tp, &qp})
        for (const PlotBar& b : p->bars) EXPECT_FALSE(b.colour.has_value()); // series default

    EXPECT_EQ(pp.leftAxis, Plot::LeftAxis::Fixed);
    EXPECT_EQ(pp.axisMin, 0);
    EXPECT_EQ(pp.axisMax, 1);
    EXPECT_EQ(tp.leftAxis, Plot::LeftAxis::Fixed);
    EXPECT_EQ(qp.leftAxis, Plot::LeftAxis::Automatic);
}

TEST(RunSearch, QuadruplesScaleTheAxisAutomaticallyInTheChart) {
    std::vector<DrawRecord> h;
    for (int i = 0; i < 3; ++i) h.push_back(makeDraw(QDate(2025, 1, 4).addDays(7 * i), {5, 6, 7, 8, 30, 31}));
    h.push_back(makeDraw(QDate(2025, 2, 1), {20, 21, 22, 23, 40, 41}));
    BarChartModel chart;
    chart.leftAxis()->setFixedRange(0, 100); // left over from an earlier statistic
    applyPlot(&chart, runPlot(runCounts(h, wideFilter(), RunKind::Quadruples)));
    EXPECT_TRUE(chart.leftAxis()->isAutomatic());
    EXPECT_EQ(chart.leftAxis()->minimum(), 0);
    EXPECT_EQ(chart.leftAxis()->maximum(), 3);
    EXPECT_EQ(chart.series2()->count(), 49);
    EXPECT_EQ(chart.series2()->yValue(4), 3);
    EXPECT_EQ(chart.series2()->yValue(19), 1);
    EXPECT_TRUE(chart.bottomTitle().startsWith(QStringLiteral("Bei 4 Ziehungen wurden 4 Vierer gefunden!")));
    EXPECT_TRUE(chart.bottomTitle().endsWith(QStringLiteral("(3x 5 => 3x 5-6-7-8)")));
}

TEST(RunSearch, MatchesAPlainMembershipCountOverTheRealHistory) {
    const std::vector<DrawRecord> h = realHistory();
    DrawFilter f;
    f.from = h[100].date; // open start: draw 100 itself is out
    f.to = h[3000].date;
    f.saturdays = false; // Wednesdays only
    for (RunKind kind : {RunKind::Pairs, RunKind::Triples, RunKind::Quadruples}) {
        const int length = static_cast<int>(kind);
        std::array<int, 50> expected{};
        int draws = 0;
        for (size_t i = 101; i <= 3000; ++i) {
            if (DayCount::weekday(h[i].date) != DayCount::Wednesday) continue;
            ++draws;
            for (int n = 1; n <= lastRunStart(kind); ++n) {
                bool all = true;
                for (int k = 0; k < length; ++k)
                    all = all &&
                          std::find(h[i].numbers.begin(), h[i].numbers.end(), n + k) != h[i].numbers.end();
                if (all) ++expected[n];
            }
        }
        const RunCounts runs = runCounts(h, f, kind);
        EXPECT_EQ(runs.draws, draws);
        EXPECT_EQ(runs.found, expected);
        EXPECT_EQ(runs.total, std::accumulate(expected.begin(), expected.end(), 0));
        EXPECT_GT(runs.total, 0);
    }
}

// ---- Chart application ----

TEST(ApplyPlot, PreparesTheChartAndSetsAxesAndTitleAsDescribed) {
    BarChartModel chart;
    chart.series1()->setActive(true);
    chart.series2()->addBar(99, 99);

    std::array<int, 50> values{};
    values[2] = 5;
    values[4] = 3;
    values[1] = 2;
    for (int n = 5; n <= 49; ++n) values[n] = 1;
    applyPlot(&chart, numberPlot(values, QStringLiteral("T")));

    EXPECT_FALSE(chart.series1()->isActive());
    EXPECT_TRUE(chart.series2()->isActive());
    ASSERT_EQ(chart.series2()->count(), 49);
    EXPECT_EQ(chart.series2()->bar(0).x, 1);
    EXPECT_EQ(chart.series2()->bar(0).colour, BarColours::Red);   // 1
    EXPECT_EQ(chart.series2()->bar(3).colour, BarColours::Green); // 4
    EXPECT_EQ(chart.series2()->bar(46).colour, BarColours::Red);  // 47
    EXPECT_EQ(chart.series2()->bar(48).colour, BarColours::Green);
    // Smallest and largest bar, not starting from zero.
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
    EXPECT_EQ(chart.leftAxis()->minimum(), 0); // values[3]
    EXPECT_EQ(chart.leftAxis()->maximum(), 5);
    EXPECT_EQ(chart.bottomTitle(), QStringLiteral("T"));

    // A plot without axis or title leaves both as they were.
    Plot bare;
    bare.leftAxis = Plot::LeftAxis::Unchanged;
    bare.bars.push_back({0, 0, std::nullopt});
    chart.setBottomTitle(QStringLiteral("before"));
    applyPlot(&chart, bare);
    EXPECT_EQ(chart.series2()->count(), 1);
    EXPECT_EQ(chart.series2()->bar(0).colour, chart.series2()->defaultColour());
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
    EXPECT_EQ(chart.leftAxis()->maximum(), 5);
    EXPECT_EQ(chart.bottomTitle(), QStringLiteral("before"));
}

TEST(NumberPlot, RedAreOneAndThePrimes) {
    for (int n = 1; n <= 49; ++n) {
        bool prime = n > 1;
        for (int d = 2; d * d <= n; ++d) prime = prime && n % d != 0;
        EXPECT_EQ(isRedNumber(n), n == 1 || prime) << n;
    }
    EXPECT_FALSE(isRedNumber(0));
    EXPECT_FALSE(isRedNumber(53));
}

TEST(NumberFrequencies, OneDrawWindowIncludesTheFromDate) {
    const std::vector<DrawRecord> h = {makeDraw(QDate(2025, 1, 4), {1, 2, 3, 4, 5, 6}, 7)};
    DrawFilter f;
    f.from = f.to = day(2025, 1, 4);
    const Plot plot = frequencyPlot(numberFrequencies(h, f));
    EXPECT_EQ(ys(plot)[5], 1);
    EXPECT_EQ(ys(plot)[6], 0); // the additional number
    EXPECT_EQ(plot.axisMin, 0);
    EXPECT_EQ(plot.axisMax, 1);
    EXPECT_EQ(*plot.title, QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 21"));
}

// ---- Overdue numbers ----

TEST(OverdueNumbers, WaitsCountBackFromTheLastCountedDraw) {
    const std::vector<DrawRecord> h = {
        makeDraw(QDate(2025, 1, 1), {7, 8, 9, 10, 11, 12}),     // on the from date: not counted
        makeDraw(QDate(2025, 1, 4), {1, 7, 20, 21, 22, 23}),    // 1st counted
        makeDraw(QDate(2025, 1, 8), {1, 2, 30, 31, 32, 33}, 9), // 2nd
        makeDraw(QDate(2025, 1, 11), {2, 3, 40, 41, 42, 43}),   // 3rd (last)
        makeDraw(QDate(2025, 1, 15), {4, 5, 6, 44, 45, 46}),    // after the to date
    };
    DrawFilter f;
    f.from = day(2025, 1, 1);
    f.to = day(2025, 1, 11);
    const Overdue o = overdueNumbers(h, f);
    EXPECT_EQ(o.draws, 3);
    EXPECT_EQ(o.wait[7], 3);
    EXPECT_EQ(o.wait[1], 2);
    EXPECT_EQ(o.wait[2], 1);
    EXPECT_EQ(o.wait[3], 1);
    EXPECT_EQ(o.wait[9], 4);  // only additional in the window, drawn before it
    EXPECT_EQ(o.wait[49], 4); // never drawn

    const Plot plot = overduePlot(o);
    EXPECT_EQ(plot.leftAxis, Plot::LeftAxis::Fixed);
    EXPECT_EQ(plot.axisMin, 1);
    EXPECT_EQ(plot.axisMax, 4);
    EXPECT_EQ(
        *plot.title,
        QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"));

    // Only Saturdays: the 4th and the 11th count.
    f.wednesdays = false;
    const Overdue sat = overdueNumbers(h, f);
    EXPECT_EQ(sat.draws, 2);
    EXPECT_EQ(sat.wait[1], 2);
    EXPECT_EQ(sat.wait[30], 3);

    // An empty history (as when the file is missing): every bar 1.
    const Overdue none = overdueNumbers({}, f);
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(none.wait[n], 1);
}

// ---- Cross sums ----

TEST(CrossSums, EverySumBetweenSmallestAndLargestWithHalfEvenAverage) {
    const std::vector<DrawRecord> h = {
        makeDraw(QDate(2025, 1, 1), {1, 2, 3, 4, 5, 6}),       // on the from date: not counted
        makeDraw(QDate(2025, 1, 4), {10, 11, 12, 20, 22, 25}), // 100
        makeDraw(QDate(2025, 1, 8), {10, 11, 12, 20, 22, 28}), // 103
    };
    DrawFilter f;
    f.from = day(2025, 1, 1);
    f.to = day(2025, 1, 8);
    const CrossSums sums = crossSums(h, f);
    const Plot plot = crossSumPlot(sums);
    ASSERT_EQ(plot.bars.size(), 4u);
    EXPECT_EQ(plot.bars.front().x, 100);
    EXPECT_EQ(plot.bars.back().x, 103);
    EXPECT_EQ(ys(plot), (std::vector<double>{1, 0, 0, 1}));
    EXPECT_EQ(plot.leftAxis, Plot::LeftAxis::Automatic);
    EXPECT_EQ(*plot.title, QStringLiteral("Quersummenverteilung     Ziehungen: 2    Quersumme: 102"));

    f.saturdays = f.wednesdays = false;
    const Plot empty = crossSumPlot(crossSums(h, f));
    EXPECT_TRUE(empty.bars.empty());
    EXPECT_EQ(*empty.title, QStringLiteral("Quersummenverteilung     Ziehungen: 0    Quersumme: 0"));
}

TEST(CrossSums, RecordsFromElsewhereWithLargeBytesAreCountedSafely) {
    // Bytes above 49 cannot come from this program's writers, but a copied file may hold them;
    // their sums lie beyond the largest real cross sum of 279.
    const std::vector<DrawRecord> h = {makeDraw(QDate(2025, 1, 4), {255, 255, 255, 255, 255, 255}),
                                       makeDraw(QDate(2025, 1, 8), {44, 45, 46, 47, 48, 49})};
    const CrossSums sums = crossSums(h, wideFilter());
    EXPECT_EQ(sums.smallest, 279);
    EXPECT_EQ(sums.largest, 1530);
    const Plot plot = crossSumPlot(sums);
    EXPECT_EQ(plot.bars.size(), 1530u - 279u + 1u);
    EXPECT_EQ(plot.bars.back().y, 1);
    // The other statistics ignore such numbers instead of writing past their counters.
    EXPECT_EQ(overdueNumbers(h, wideFilter()).wait[49], 1);
    EXPECT_EQ(runCounts(h, wideFilter(), RunKind::Pairs).total, 5);
}

TEST(CrossSums, RealHistoryAddsUp) {
    const std::vector<DrawRecord> h = realHistory();
    DrawFilter f;
    f.from = h.front().date - 1;
    f.to = h.back().date;
    const CrossSums sums = crossSums(h, f);
    EXPECT_EQ(sums.draws, static_cast<int>(h.size()));
    EXPECT_EQ(std::accumulate(sums.occurrences.begin(), sums.occurrences.end(), 0), sums.draws);
    EXPECT_GE(sums.smallest, 21);
    EXPECT_LE(sums.largest, 279);
    EXPECT_EQ(sums.occurrences[sums.smallest] > 0 && sums.occurrences[sums.largest] > 0, true);
    // 6 * 25 on average for uniformly drawn numbers.
    const long long avg = averageCrossSum(sums.total, sums.draws);
    EXPECT_GT(avg, 140);
    EXPECT_LT(avg, 160);
}

// ---- Tip distribution ----

TEST(TipDistribution, CountsEachLinesNumbersUntilAFieldFails) {
    const auto c = tipDistribution(
        {QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("01,10,20,30,40,49:Normal")});
    EXPECT_EQ(c[1], 2);
    for (int n : {2, 3, 4, 5, 6, 10, 20, 30, 40, 49}) EXPECT_EQ(c[n], 1) << n;
    EXPECT_EQ(std::accumulate(c.begin(), c.end(), 0), 12);

    const auto d = tipDistribution({
        QStringLiteral("07,08,x9,11:Normal"),            // stops at x9: 7 and 8 stay counted
        QStringLiteral("12,13,14,15,16,17,18:System 7"), // a system line counts each number once
        QStringLiteral("21, 22 ,50,-1,00"),              // no designation; 50 and -1 not counted, 0 is
        QStringLiteral(""),                              // nothing to count
        QStringLiteral("23:Normal:extra"),               // cut at the first ":"
        QStringLiteral("24,,25"),                        // an empty field ends the line
    });
    EXPECT_EQ(d[7], 1);
    EXPECT_EQ(d[8], 1);
    EXPECT_EQ(d[11], 0);
    for (int n = 12; n <= 18; ++n) EXPECT_EQ(d[n], 1);
    EXPECT_EQ(d[21], 1);
    EXPECT_EQ(d[22], 1);
    EXPECT_EQ(d[0], 1);
    EXPECT_EQ(d[23], 1);
    EXPECT_EQ(d[24], 1);
    EXPECT_EQ(d[25], 0);
    EXPECT_EQ(std::accumulate(d.begin(), d.end(), 0), 2 + 7 + 3 + 1 + 1);
}

namespace {

// The count as it was first written, one copy per field: cut, append ",", convert each field
// with tryToInt. The in-place count must agree with it on any line.
std::array<int, 50> tipDistributionByCopies(const QStringList& lines) {
    std::array<int, 50> count{};
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString numbers = (colon < 0 ? line : line.left(colon)) + QLatin1Char(',');
        qsizetype start = 0;
        for (qsizetype comma = numbers.indexOf(QLatin1Char(',')); comma >= 0;
             start = comma + 1, comma = numbers.indexOf(QLatin1Char(','), start)) {
            int value = 0;
            if (!tryToInt(numbers.mid(start, comma - start), value)) break;
            if (value >= 0 && value <= 49) ++count[value];
        }
    }
    return count;
}

} // namespace

TEST(TipDistribution, AgreesWithAFieldByFieldCopyOnOddLines) {
    // Blanks of every kind, signs, leading zeros, empty fields, overflows, other digits and
    // separators: each line alone, then all together.
    const QStringList odd = {
        QStringLiteral(" 5, 6 ,\t7\t,8\n"), QStringLiteral("+9,-0,+-10,-+11"), QStringLiteral("012,0013,00"),
        QStringLiteral("1e1,14"), QStringLiteral("0x10,15"), QStringLiteral("\u00a016\u00a0,\u300017,18"),
        QStringLiteral("\uff11\uff19,20"), QStringLiteral(","), QStringLiteral(",21"), QStringLiteral("22,"),
        QStringLiteral("23,,24"), QStringLiteral(":25"), QStringLiteral("26:27,28"), QStringLiteral("29::30"),
        QStringLiteral("2147483647,31"), QStringLiteral("2147483648,32"), QStringLiteral("-2147483649,33"),
        QStringLiteral("99999999999999999999,34"), QStringLiteral("3 5,36"), QStringLiteral("37 ,  ,38"),
        QStringLiteral("39;40,41"), QStringLiteral("42,43,44,45,46,47,48,49,50,-1,1"), QStringLiteral(""),
        QStringLiteral("   "), QStringLiteral("5.0,6"), QStringLiteral("\u0667,7"),
        QStringLiteral("123456789,000000008,0000000009,  10  ,1234567890,11"),
    };
    for (const QString& line : odd)
        EXPECT_EQ(tipDistribution({line}), tipDistributionByCopies({line})) << line.toStdString();
    EXPECT_EQ(tipDistribution(odd), tipDistributionByCopies(odd));

    // Generated lines of numbers, blanks and stray characters.
    QStringList generated;
    std::uint32_t seed = 4711;
    const QString pieces[] = {QStringLiteral("7"),  QStringLiteral("49"), QStringLiteral("0"), QStringLiteral(","),
                              QStringLiteral(" "),  QStringLiteral(":"),  QStringLiteral("+"), QStringLiteral("-"),
                              QStringLiteral("x"),  QStringLiteral("13"), QStringLiteral("\t"), QStringLiteral("50")};
    for (int i = 0; i < 2000; ++i) {
        QString line;
        seed = seed * 1664525u + 1013904223u;
        const int length = static_cast<int>(seed >> 28);
        for (int k = 0; k < length; ++k) {
            seed = seed * 1664525u + 1013904223u;
            line += pieces[(seed >> 16) % std::size(pieces)];
        }
        generated << line;
    }
    const auto counted = tipDistribution(generated);
    EXPECT_EQ(counted, tipDistributionByCopies(generated));
    EXPECT_GT(std::accumulate(counted.begin() + 1, counted.end(), 0), 100); // the lines do count
}

TEST(TipDistribution, EmptyListGivesZeroBarsAndAZeroAxis) {
    BarChartModel chart;
    applyPlot(&chart, tipDistributionPlot(tipDistribution({})));
    ASSERT_EQ(chart.series2()->count(), 49);
    for (int i = 0; i < 49; ++i) EXPECT_EQ(chart.series2()->yValue(i), 0);
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
    EXPECT_EQ(chart.leftAxis()->minimum(), 0);
    EXPECT_EQ(chart.leftAxis()->maximum(), 0);
    EXPECT_EQ(chart.bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
}

// ---- Tip test ----

TEST(TipTest, ReportsEachDrawReachingTheThresholdInDateOrder) {
    const std::vector<DrawRecord> h = {
        makeDraw(QDate(2025, 1, 1), {1, 2, 3, 4, 5, 6}),       // on the from date: examined
        makeDraw(QDate(2025, 1, 4), {1, 2, 3, 4, 5, 6}),       // Saturday
        makeDraw(QDate(2025, 1, 5), {10, 20, 30, 40, 45, 49}), // Sunday: no weekday test
        makeDraw(QDate(2025, 1, 8), {1, 2, 3, 40, 45, 49}),
        makeDraw(QDate(2025, 1, 11), {1, 2, 3, 4, 5, 6}), // after the to date
    };
    DrawFilter f;
    f.from = day(2025, 1, 1);
    f.to = day(2025, 1, 8);
    f.saturdays = f.wednesdays = false;
    // Scores the list would reach on each draw, by index.
    const std::vector<int> best = {3, 2, 4, 3, 6};
    std::vector<size_t> examined;
    QStringList messages;
    TipTest::run(
        h, f, 3,
        [&](size_t i, const DrawRecord&) {
            examined.push_back(i);
            return best[i];
        },
        [&](const QString& m) { messages << m; });
    EXPECT_EQ(examined, (std::vector<size_t>{0, 1, 2, 3}));
    EXPECT_EQ(messages, (QStringList{QStringLiteral("Ein Treffer am: 01.01.25"),
                                     QStringLiteral("Ein Treffer am: 05.01.25"),
                                     QStringLiteral("Ein Treffer am: 08.01.25")}));

    // The list check disabled scores 0 everywhere: only a threshold of 0 reports.
    messages.clear();
    auto zero = [](size_t, const DrawRecord&) { return 0; };
    auto collect = [&](const QString& m) { messages << m; };
    TipTest::run(h, f, 1, zero, collect);
    EXPECT_TRUE(messages.isEmpty());
    TipTest::run(h, f, 0, zero, collect);
    EXPECT_EQ(messages.size(), 4);
}

TEST(TipTest, InputLabelsAndChart) {
    EXPECT_EQ(TipTest::caption(), QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"));
    EXPECT_EQ(TipTest::threshold(TipTest::proposal()), 6);
    EXPECT_EQ(TipTest::threshold(QStringLiteral(" 3 ")), 3);
    EXPECT_THROW(TipTest::threshold(QStringLiteral("drei")), ConversionError);

    const DrawRecord r = makeDraw(QDate(2025, 1, 8), {31, 8, 5, 30, 7, 6}, 44);
    EXPECT_EQ(TipTest::drawLabel(r),
              DayCount::shortWeekdayText(r.date) + QStringLiteral("    31  8  5  30  7  6"));
    EXPECT_EQ(TipTest::crossSumLabel(r), QStringLiteral("Quersummer: 87"));

    BarChartModel chart;
    chart.setBottomTitle(QStringLiteral("kept"));
    applyPlot(&chart, TipTest::finalPlot());
    ASSERT_EQ(chart.series2()->count(), 10);
    EXPECT_EQ(chart.series2()->bar(0).x, 0);
    EXPECT_EQ(chart.series2()->bar(9).x, 9);
    EXPECT_EQ(chart.series2()->yValue(9), 0);
    EXPECT_EQ(chart.bottomTitle(), QStringLiteral("kept"));
}

// The generator asks for the number frequencies and the overdue numbers before every run; it
// takes them from the running counts of the history's reading. Those must give exactly what a
// walk over every draw gives, for any window and weekday boxes, on the real history, on a file
// whose dates do not ascend and on one with a number 0 in a draw.
TEST(PreparedStatistics, AgreeWithTheWalkOverEveryDraw) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<DrawRecord> real = realHistory();
    std::vector<DrawRecord> unordered = real;
    std::swap(unordered[100], unordered[2000]);
    std::vector<DrawRecord> withZero = real;
    withZero[3000].numbers[2] = 0;

    int files = 0;
    for (const std::vector<DrawRecord>* draws : std::array<const std::vector<DrawRecord>*, 3>{&real, &unordered, &withZero}) {
        const QString path = dir.filePath(QStringLiteral("h%1.dat").arg(++files));
        QByteArray bytes;
        for (const DrawRecord& r : *draws) {
            const auto b = r.toBytes();
            bytes.append(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const std::shared_ptr<const HistoryRecords> history = HistoryRecords::read(path);
        ASSERT_EQ(history->size(), draws->size());

        std::vector<std::pair<double, double>> windows;
        const double first = real.front().date;
        const double last = real.back().date;
        // Exactly on draw dates, a day off them, empty, before and after every draw.
        for (const std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{57}, std::size_t{1500},
                                    std::size_t{2999}, std::size_t{3000}, real.size() - 1}) {
            windows.push_back({real[i].date, last});
            windows.push_back({first, real[i].date});
            windows.push_back({real[i].date - 1, real[i].date + 1});
            windows.push_back({real[i].date, real[i].date});
            windows.push_back({real[i / 2].date + 0.5, real[i].date - 0.5});
        }
        windows.push_back({first - 100, last + 100});
        windows.push_back({last + 1, last + 400});
        windows.push_back({first - 400, first - 1});
        for (const auto& [from, to] : windows) {
            for (const auto& [sat, wed] : {std::pair{true, true}, std::pair{true, false}, std::pair{false, true},
                                           std::pair{false, false}}) {
                DrawFilter filter;
                filter.from = from;
                filter.to = to;
                filter.saturdays = sat;
                filter.wednesdays = wed;
                const NumberFrequencies plain = numberFrequencies(*draws, filter);
                const NumberFrequencies fast = frequenciesOf(*history, filter);
                EXPECT_EQ(fast.count, plain.count) << files << ' ' << from << ' ' << to << sat << wed;
                EXPECT_EQ(fast.draws, plain.draws);
                EXPECT_EQ(fast.crossSums, plain.crossSums);
                const Overdue plainWait = overdueNumbers(*draws, filter);
                const Overdue fastWait = overdueOf(*history, filter);
                EXPECT_EQ(fastWait.wait, plainWait.wait) << files << ' ' << from << ' ' << to << sat << wed;
                EXPECT_EQ(fastWait.draws, plainWait.draws);
            }
        }
    }
}

// A damaged ZahlenGR.dat holds dates no calendar has: read from the file, they pass every
// statistic and browsing step without fault.
TEST(DamagedDates, AHistoryWithImpossibleDatesIsCountedWithoutFault) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    std::vector<DrawRecord> records;
    for (double bad : {-1e300, std::numeric_limits<double>::quiet_NaN(), 45000.0, 1e300, std::numeric_limits<double>::infinity()}) {
        DrawRecord r = makeDraw(QDate(2023, 3, 4), {1, 2, 3, 4, 5, 6}, 7);
        r.date = bad;
        records.push_back(r);
    }
    dir.writeHistory(records);
    const auto read = DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))).readAll();
    ASSERT_EQ(read.size(), records.size());

    DrawFilter filter{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(), true, false};
    const auto f = Statistics::numberFrequencies(read, filter);
    EXPECT_LE(f.draws, 5);
    (void)Statistics::overdueNumbers(read, filter);
    (void)Statistics::crossSums(read, filter);
    (void)Statistics::runCounts(read, filter, Statistics::RunKind::Pairs);
    const DrawBrowsing::WeekdayRule onlyWednesdays{false, true};
    const auto back = DrawBrowsing::back(read, 4, onlyWednesdays);
    const auto forward = DrawBrowsing::forward(read, 0, onlyWednesdays);
    EXPECT_LT(back.index.value_or(0), 5);
    EXPECT_LT(forward.index.value_or(0), 5);
}
