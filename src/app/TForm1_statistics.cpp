// The statistics of the draws in the analysis window as charts, and the chart saved as a picture.
#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "stats/HistoryRecords.h"
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
    // A missing file ends here, chart untouched.
    const std::shared_ptr<const HistoryRecords> history = HistoryRecords::read(historyPath());
    showStatistic(Statistics::frequencyPlot(Statistics::numberFrequencies(history->records, drawFilter())),
                  history->records, [this] { SpeedButton2Click(); });
}

void TForm1::showChartPage() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
}

void TForm1::runSearch(int runLength) {
    BusyCursor busy;
    const auto records = history().readAll();
    const auto runs = Statistics::runCounts(records, drawFilter(), static_cast<Statistics::RunKind>(runLength));
    showStatistic(Statistics::runPlot(runs), records, [this, runLength] { runSearch(runLength); });
    showChartPage();
}

void TForm1::Button5Click() {
    BusyCursor busy;
    // A missing history is not reported here: no draw is counted and every bar stays at 1.
    const DrawHistory file = history();
    const auto records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    showStatistic(Statistics::overduePlot(Statistics::overdueNumbers(records, drawFilter())), records,
                  [this] { Button5Click(); });
    showChartPage();
}

void TForm1::SpeedButton9Click() {
    BusyCursor busy;
    const auto records = history().readAll();
    showStatistic(Statistics::crossSumPlot(Statistics::crossSums(records, drawFilter())), records,
                  [this] { SpeedButton9Click(); });
}

void TForm1::Button6Click() {
    BusyCursor busy;
    applyPlot(ui.Chart1->model(), Statistics::tipDistributionPlot(Statistics::tipDistribution(tipLines())));
    m_chartStatistic = nullptr; // the tips' numbers do not depend on the analysis window
    showChartPage();
}

void TForm1::showStatistic(const Plot& plot, const std::vector<DrawRecord>& records,
                           std::function<void()> again) {
    applyPlot(ui.Chart1->model(), plot);
    m_chartStatistic = std::move(again);
    // An empty chart after a start date beyond the newest draw would look like a fault.
    if (const auto note = Statistics::windowAfterLastDraw(records, drawFilter())) ui.Chart1->model()->setBottomTitle(*note);
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
