#include "stats/Plot.h"
#include "base/Lotto.h"

#include "stats/Statistics.h"

#include <algorithm>

void applyPlot(BarChartModel* chart, const Plot& plot) {
    chart->prepareStatistic();
    BarSeries* series = chart->series2();
    // All bars at once: a chart view listening to the model refreshes once, not once per bar.
    QVector<Bar> bars;
    bars.reserve(static_cast<qsizetype>(plot.bars.size()));
    for (const PlotBar& bar : plot.bars) bars.push_back(Bar{bar.x, bar.y, {}, bar.colour.value_or(series->defaultColour())});
    series->addBars(bars);
    switch (plot.leftAxis) {
    case Plot::LeftAxis::Fixed:
        chart->leftAxis()->setFixedRange(plot.axisMin, plot.axisMax);
        break;
    case Plot::LeftAxis::Automatic:
        chart->leftAxis()->setAutomatic(true);
        break;
    case Plot::LeftAxis::Unchanged:
        break;
    }
    if (plot.title) chart->setBottomTitle(*plot.title);
}

namespace Statistics {

Plot numberPlot(const std::array<int, Lotto::NumberSlots>& values, const QString& title) {
    Plot plot;
    plot.bars.reserve(Lotto::HighestNumber);
    for (int n = 1; n <= Lotto::HighestNumber; ++n)
        plot.bars.push_back(
            {double(n), double(values[n]), isRedNumber(n) ? BarColours::Red : BarColours::Green});
    const auto [smallest, largest] =
        std::minmax_element(values.begin() + 1, values.begin() + Lotto::HighestNumber + 1);
    plot.leftAxis = Plot::LeftAxis::Fixed;
    plot.axisMin = *smallest;
    plot.axisMax = *largest;
    plot.title = title;
    return plot;
}

} // namespace Statistics
