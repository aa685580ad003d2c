#include "stats/BarChartModel.h"
#include "gui/BarChartView.h"
#include "stats/Plot.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(ChartModel, PrepareActivatesSeries2AndClearsOnlyIt) {
    BarChartModel chart;
    chart.series1()->addBar(1, 5);
    chart.series2()->addBar(1, 7);
    chart.series1()->setActive(true);
    chart.series2()->setActive(false);
    chart.prepareStatistic();
    EXPECT_TRUE(chart.series2()->isActive());
    EXPECT_FALSE(chart.series1()->isActive());
    EXPECT_EQ(chart.series2()->count(), 0);
    EXPECT_EQ(chart.series1()->count(), 1);
    EXPECT_EQ(chart.series2()->objectName(), QStringLiteral("Series2"));
}

TEST(ChartModel, BarsKeepValuesLabelsAndColours) {
    BarChartModel chart;
    chart.series2()->addBar(3, 12, QStringLiteral("drei"));
    chart.series2()->addBar(4, 0, {}, BarColours::Red);
    EXPECT_EQ(chart.series2()->yValue(0), 12);
    EXPECT_EQ(chart.series2()->bar(0).label, QStringLiteral("drei"));
    EXPECT_EQ(chart.series2()->bar(0).colour, chart.series2()->defaultColour());
    EXPECT_EQ(chart.series2()->bar(1).colour, BarColours::Red);
    EXPECT_THROW(chart.series2()->yValue(2), std::out_of_range);
}

TEST(ChartModel, FixedRangeNeverHoldsMinimumAboveMaximum) {
    BarChartModel chart;
    chart.leftAxis()->setFixedRange(385, 482);
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
    EXPECT_EQ(chart.leftAxis()->minimum(), 385);
    EXPECT_EQ(chart.leftAxis()->maximum(), 482);
    // A range below the previous one: no change notice sees a minimum above the maximum.
    QVector<std::pair<double, double>> seen;
    QObject::connect(chart.leftAxis(), &ValueAxis::changed, [&] {
        seen.push_back({chart.leftAxis()->minimum(), chart.leftAxis()->maximum()});
    });
    chart.leftAxis()->setFixedRange(2, 9);
    for (const auto& [lo, hi] : seen) EXPECT_LE(lo, hi);
    EXPECT_EQ(chart.leftAxis()->minimum(), 2);
    EXPECT_EQ(chart.leftAxis()->maximum(), 9);
}

TEST(ChartModel, AutomaticRangeComesFromTheActiveBars) {
    BarChartModel chart;
    chart.prepareStatistic();
    chart.leftAxis()->setAutomatic(true);
    EXPECT_EQ(chart.leftAxis()->minimum(), 0);
    EXPECT_EQ(chart.leftAxis()->maximum(), 0);
    chart.series2()->addBar(1, 4);
    chart.series2()->addBar(2, 17);
    chart.series1()->addBar(1, 99); // inactive: not counted
    EXPECT_EQ(chart.leftAxis()->minimum(), 0);
    EXPECT_EQ(chart.leftAxis()->maximum(), 17);
    // Setting a limit switches the automatic mode off.
    chart.leftAxis()->setFixedRange(0, 20);
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
}

TEST(ChartModel, ViewRedrawsOnceForABurstOfChanges) {
    BarChartView view;
    QSignalSpy spy(view.model(), &BarChartModel::changed);
    applyPlot(view.model(), Statistics::numberPlot({}, QStringLiteral("Titel")));
    EXPECT_GT(spy.count(), 1);
    EXPECT_EQ(view.model()->bottomTitle(), QStringLiteral("Titel"));
    view.refresh(); // draws the current state without waiting for the event loop
    EXPECT_NE(view.chart(), nullptr);
}

TEST(ChartModel, BarsAddedAtOnceEqualBarsAddedOneByOneWithOneNotice) {
    std::array<int, Lotto::NumberSlots> values{};
    for (int n = 1; n <= Lotto::HighestNumber; ++n) values[static_cast<std::size_t>(n)] = (n * 37) % 11;
    const Plot plot = Statistics::numberPlot(values, QStringLiteral("Titel"));

    BarChartModel byOne;
    byOne.series2()->addBar(99, 5, QStringLiteral("alt")); // cleared by the statistic
    byOne.prepareStatistic();
    for (const PlotBar& bar : plot.bars) byOne.series2()->addBar(bar.x, bar.y, {}, bar.colour);

    BarChartModel atOnce;
    atOnce.series2()->addBar(99, 5, QStringLiteral("alt"));
    applyPlot(&atOnce, plot);
    ASSERT_EQ(atOnce.series2()->count(), byOne.series2()->count());
    for (int i = 0; i < byOne.series2()->count(); ++i) {
        const Bar& a = atOnce.series2()->bar(i);
        const Bar& b = byOne.series2()->bar(i);
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
        EXPECT_EQ(a.colour, b.colour);
        EXPECT_EQ(a.label, b.label);
    }
    // Appending keeps the bars there, with one notice; nothing to append gives none.
    QSignalSpy spy(atOnce.series2(), &BarSeries::changed);
    atOnce.series2()->addBars({Bar{50, 1, {}, atOnce.series2()->defaultColour()}, Bar{51, 2, QStringLiteral("x"), 7}});
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(atOnce.series2()->count(), 51);
    EXPECT_EQ(atOnce.series2()->bar(50).label, QStringLiteral("x"));
    atOnce.series2()->addBars({});
    EXPECT_EQ(spy.count(), 1);
}
