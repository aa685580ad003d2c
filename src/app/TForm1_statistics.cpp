// The statistics of the draws in the analysis window as charts: number frequencies, pairs and
// runs, overdue numbers, cross sums, the numbers of the tip list, and the chart saved as a
// picture.
#include "app/TForm1.h"
#include "base/Random.h"
#include "gui/BarChartView.h"
#include "history/DrawHistory.h"
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
    showStatistic(Statistics::frequencyPlot(Statistics::numberFrequencies(history->records, filter)), history->records,
                  &TForm1::SpeedButton2Click);
}

void TForm1::SpeedButton20Click() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
    SpeedButton2Click();
}

void TForm1::showChartPage() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
}

void TForm1::runSearch(int runLength) {
    BusyCursor busy;
    const auto records = history().readAll();
    const auto runs =
        Statistics::runCounts(records, drawFilter(), static_cast<Statistics::RunKind>(runLength));
    void (TForm1::*const again)() =
        runLength == 2 ? &TForm1::Button2Click : runLength == 3 ? &TForm1::Button3Click : &TForm1::Button4Click;
    showStatistic(Statistics::runPlot(runs), records, again);
    showChartPage();
}

void TForm1::Button2Click() {
    runSearch(2);
}
void TForm1::Button3Click() {
    runSearch(3);
}
void TForm1::Button4Click() {
    runSearch(4);
}

void TForm1::Label66Click() {
    showChartPage();
    Button2Click();
}

void TForm1::Label75Click() {
    showChartPage();
    Button3Click();
}

void TForm1::Label69Click() {
    showChartPage();
    Button4Click();
}

void TForm1::Button5Click() {
    BusyCursor busy;
    // A missing history is not reported here: no draw is counted and every bar stays at 1.
    const DrawHistory file = history();
    const auto records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    showStatistic(Statistics::overduePlot(Statistics::overdueNumbers(records, drawFilter())), records,
                  &TForm1::Button5Click);
    showChartPage();
}

void TForm1::SpeedButton21Click() {
    Button5Click();
}

void TForm1::SpeedButton9Click() {
    BusyCursor busy;
    const auto records = history().readAll();
    showStatistic(Statistics::crossSumPlot(Statistics::crossSums(records, drawFilter())), records,
                  &TForm1::SpeedButton9Click);
}

void TForm1::Label74Click() {
    showChartPage();
    SpeedButton9Click();
}

void TForm1::Button6Click() {
    BusyCursor busy;
    applyPlot(ui.Chart1->model(), Statistics::tipDistributionPlot(Statistics::tipDistribution(tipLines())));
    m_chartStatistic = nullptr; // the tips' numbers do not depend on the analysis window
    showChartPage();
}

void TForm1::showStatistic(const Plot& plot, const std::vector<DrawRecord>& records, void (TForm1::*again)()) {
    applyPlot(ui.Chart1->model(), plot);
    m_chartStatistic = again;
    // An empty chart after a start date beyond the newest draw would look like a fault.
    if (const auto note = Statistics::windowAfterLastDraw(records, drawFilter())) ui.Chart1->model()->setBottomTitle(*note);
}

void TForm1::DateTimePicker2Change() {
    if (m_chartStatistic && !m_busy && !m_generating) (this->*m_chartStatistic)();
}

void TForm1::ChartZoomClick() {
    ui.Chart1->setZoomed(ui.ChartZoom->isChecked());
}

void TForm1::exportChart(bool svg) {
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString filter = svg ? tr("SVG-Zeichnung|*.svg") : tr("PNG-Bild|*.png");
    const QString proposed = tr("Diagramm") + QLatin1Char('-') +
                             m_platform.clock->today().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + suffix;
    const QString path = m_platform.dialogs->saveFile(this, {filter, suffix, proposed, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    const bool written = svg ? ui.Chart1->saveSvg(path) : ui.Chart1->savePng(path);
    if (!written)
        showError(tr("Das Diagramm konnte nicht als %1 gespeichert werden.").arg(path));
}

void TForm1::DiagrammPNGClick() {
    exportChart(false);
}

void TForm1::DiagrammSVGClick() {
    exportChart(true);
}
