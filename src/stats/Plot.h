#pragma once
#include "base/Lotto.h"
#include "stats/BarChartModel.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What a statistic puts into the chart, computed without touching it. Every statistic fills the
// chart through applyPlot(), so the generator reads back the same values whichever window
// method produced them.

struct PlotBar {
    double x = 0;
    double y = 0;
    // None: the series' default colour.
    std::optional<BarColour> colour;

    bool operator==(const PlotBar&) const = default;
};

struct Plot {
    enum class LeftAxis {
        Fixed,     // from axisMin to axisMax, automatic scaling off
        Automatic, // the chart chooses the range from the bars
        Unchanged, // left as the previous statistic set it
    };

    std::vector<PlotBar> bars;
    LeftAxis leftAxis = LeftAxis::Automatic;
    double axisMin = 0;
    double axisMax = 0;
    // With a title the bottom axis is also set to automatic; without one both stay as they are.
    std::optional<QString> title;
};

// Series2 active, Series1 inactive, Series2 cleared; then the bars, the left axis and the
// bottom axis.
void applyPlot(BarChartModel* chart, const Plot& plot);

namespace Statistics {

// Bars 1 to 49 from values[1..49] with 1 and the primes red and the others green, the left
// axis fixed from the smallest to the largest value.
Plot numberPlot(const std::array<int, Lotto::NumberSlots>& values, const QString& title);

} // namespace Statistics
