#include "app/TForm1.h"
#include "stats/HistorySnapshot.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"

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
    // The file as it is now, all of it in file order; a missing file ends here, chart untouched.
    const std::shared_ptr<const HistoryRecords> history = historySnapshot().records();
    applyPlot(ui.Chart1->model(),
              Statistics::frequencyPlot(Statistics::numberFrequencies(history->records, filter)));
}

void TForm1::SpeedButton20Click() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
    SpeedButton2Click();
}
