#include "app/TForm1.h"
#include "base/Random.h"
#include "gui/BarChartView.h"
#include "history/DrawHistory.h"
#include "stats/Statistics.h"
#include "stats/TipTest.h"

void TForm1::showChartPage() {
    ui.PageControl1->setCurrentWidget(ui.TabSheet5);
}

QStringList TForm1::tipLines() const {
    QStringList lines;
    for (int i = 0; i < ui.ListBox1->count(); ++i) lines << ui.ListBox1->item(i)->text();
    return lines;
}

void TForm1::runSearch(int runLength) {
    BusyCursor busy;
    const auto records = history().readAll();
    const auto runs =
        Statistics::runCounts(records, drawFilter(), static_cast<Statistics::RunKind>(runLength));
    applyPlot(ui.Chart1->model(), Statistics::runPlot(runs));
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
    applyPlot(ui.Chart1->model(), Statistics::overduePlot(Statistics::overdueNumbers(records, drawFilter())));
    showChartPage();
}

void TForm1::SpeedButton21Click() {
    Button5Click();
}

void TForm1::SpeedButton9Click() {
    BusyCursor busy;
    const auto records = history().readAll();
    applyPlot(ui.Chart1->model(), Statistics::crossSumPlot(Statistics::crossSums(records, drawFilter())));
}

void TForm1::Label74Click() {
    showChartPage();
    SpeedButton9Click();
}

void TForm1::Button6Click() {
    BusyCursor busy;
    applyPlot(ui.Chart1->model(), Statistics::tipDistributionPlot(Statistics::tipDistribution(tipLines())));
    showChartPage();
}

void TForm1::SpeedButton4Click() {
    const QString answer =
        m_platform.dialogs->inputBox(this, TipTest::caption(), TipTest::prompt(), TipTest::proposal());
    const int threshold = TipTest::threshold(answer);
    const DrawHistory file = history();
    // A missing history is not reported: no draw is examined.
    const auto records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    BarChartModel* chart = ui.Chart1->model();
    chart->prepareStatistic();
    // Beside the hits: what random tips would have had on the same draws.
    ChanceTally chance;
    const QStringList lines = tipLines();
    TipTest::LineHits hits(static_cast<std::size_t>(lines.size()));
    bool stopped = false;
    const int examined = TipTest::run(
        records, drawFilter(), threshold,
        [&](std::size_t, const DrawRecord& record) {
            m_currentDraw.take(record);
            ui.Label29->setText(TipTest::drawLabel(record));
            ui.Label13->setText(TipTest::crossSumLabel(record));
            ui.Label35->setText(ui.Label29->text());
            repaint();
            const int best = Komplettcheck();
            addChanceRound(chance, record, dividendSource());
            return best;
        },
        [&](const QString&) {
            // Every hit keeps its own box, which names the tips that hit and offers a way out.
            hits.add(m_lastLineHits, threshold);
            const QString text = TipTest::hitBoxText(m_currentDraw.date, tipLines(), m_lastLineHits, threshold);
            if (!m_platform.dialogs->messageOrStop(this, text, tr("Suche beenden"))) stopped = true;
        },
        [&] { return stopped || m_closed; });
    applyPlot(chart, TipTest::finalPlot());
    if (!m_closed) showMessage(TipTest::summaryText(lines, hits, threshold, examined, stopped));
    if (chance.rounds.empty() || m_closed || !m_evaluationEnabled) return;
    const DrawFilter filter = drawFilter();
    showChanceComparison(tr("Tipp-Test vom %1 bis %2: %3 Ziehungen, %4 Tipps")
                             .arg(DayCount::toDate(filter.from).toString(QStringLiteral("dd.MM.yyyy")),
                                  DayCount::toDate(filter.to).toString(QStringLiteral("dd.MM.yyyy")))
                             .arg(chance.rounds.size())
                             .arg(chance.rounds.front().tips),
                         chance.rounds, chance.levels, chance.money, Rng::seed());
}

void TForm1::exportChart(bool svg) {
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString filter = svg ? tr("SVG-Zeichnung|*.svg") : tr("PNG-Bild|*.png");
    const QString proposed = tr("Diagramm") + QLatin1Char('-') +
                             m_platform.clock->today().toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + suffix;
    const QString path = m_platform.dialogs->saveFileName(this, {filter, suffix, proposed, m_paths.dialogDirectory()});
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
