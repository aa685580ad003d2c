#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "stats/Statistics.h"

namespace {

// Bars 1 to 49 with the prime colouring, left axis fixed from the smallest to the largest.
void plotNumberBars(BarChartModel* chart, const std::array<int, 50>& values) {
    int smallest = values[1], largest = values[1];
    for (int n = 1; n <= 49; ++n) {
        chart->series2()->addBar(n, values[n], {},
                                 Statistics::isRedNumber(n) ? BarColours::Red : BarColours::Green);
        smallest = std::min(smallest, values[n]);
        largest = std::max(largest, values[n]);
    }
    chart->leftAxis()->setFixedRange(smallest, largest);
}

} // namespace

DrawFilter TForm1::drawFilter() const {
    DrawFilter f;
    f.from = ui.DateTimePicker2->dayCount();
    f.to = ui.DateTimePicker1->dayCount();
    f.saturdays = ui.CheckBox16->isChecked();
    f.wednesdays = ui.CheckBox17->isChecked();
    return f;
}

void TForm1::SpeedButton2Click() {
    BusyCursor busy;
    const DrawFilter filter = drawFilter();
    const auto records = history().readAll(); // a missing file ends here, chart untouched
    const Statistics::NumberFrequencies f = Statistics::numberFrequencies(records, filter);
    BarChartModel* chart = ui.Chart1->model();
    chart->prepareStatistic();
    plotNumberBars(chart, f.count);
    chart->setBottomAutomatic(true);
    chart->setBottomTitle(Statistics::frequencyTitle(f));
}

void TForm1::SpeedButton20Click() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
    SpeedButton2Click();
}
