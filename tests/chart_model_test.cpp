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
    // A range below the previous one is reached through a lower limit of 0 first.
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
    chart.leftAxis()->setMaximum(20);
    EXPECT_FALSE(chart.leftAxis()->isAutomatic());
}

TEST(ChartModel, ViewRedrawsOnceForABurstOfChanges) {
    BarChartView view;
    QSignalSpy spy(view.model(), &BarChartModel::changed);
    applyPlot(view.model(), Statistics::numberPlot({}, QStringLiteral("Titel")));
    EXPECT_GT(spy.count(), 49);
    EXPECT_EQ(view.model()->bottomTitle(), QStringLiteral("Titel"));
    view.refresh(); // draws the current state without waiting for the event loop
    EXPECT_NE(view.chart(), nullptr);
}
