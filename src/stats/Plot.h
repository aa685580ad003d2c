#pragma once
#include "base/Lotto.h"
#include "stats/BarChartModel.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What a statistic puts into the chart, computed without touching it; every statistic fills
// the chart through applyPlot().

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
    std::optional<QString> title; // none: the bottom title stays
};

// Series2 prepared (BarChartModel::prepareStatistic), then the bars and the axes.
void applyPlot(BarChartModel* chart, const Plot& plot);

namespace Statistics {

// Bars 1 to 49 with 1 and the primes red, the left axis fixed from the smallest to the largest.
Plot numberPlot(const std::array<int, Lotto::NumberSlots>& values, const QString& title);

} // namespace Statistics
