// The tip test: the tip list replayed against every draw of the analysis window, with chance
// beside the result in the report window.
#include "app/TForm1.h"
#include "base/Random.h"
#include "gui/EventPulse.h"
#include "history/DrawHistory.h"
#include "stats/TipTest.h"

#include <QCoreApplication>
#include <QScopeGuard>

void TForm1::SpeedButton4Click() {
    // While it runs the button stops the test.
    if (m_tipTestRunning) {
        m_tipTestStop = true;
        return;
    }
    if (m_busy) return;
    const QString answer = m_platform.dialogs->inputBox(this, TipTest::caption(), TipTest::promptWithRange(drawFilter()),
                                                        TipTest::proposal());
    const int threshold = TipTest::threshold(answer);
    const DrawHistory file = history();
    // A missing history is not reported: no draw is examined.
    const auto records = file.exists() ? file.readAll() : std::vector<DrawRecord>{};
    BarChartModel* chart = ui.Chart1->model();
    chart->prepareStatistic();
    m_chartStatistic = nullptr; // the test's chart is not redrawn for another start date

    // The draw the player was looking at comes back when the test ends.
    const CurrentDraw browsed = m_currentDraw;
    const QString browsedTexts[] = {ui.Label29->text(), ui.Label35->text(), ui.Label13->text()};

    const QString caption = ui.SpeedButton4->text();
    m_tipTestRunning = true;
    m_tipTestStop = false;
    m_busy = true;
    const auto endRun = [&] {
        if (!m_tipTestRunning) return;
        ui.SpeedButton4->setText(caption);
        m_tipTestRunning = false;
        m_busy = false;
    };
    const auto restore = qScopeGuard(endRun);

    // Beside the hits: what random tips would have had on the same draws.
    Winnings::Tally chance;
    // The list as the first check leaves it (blank lines gone, the selector on the lines' system).
    std::optional<std::vector<Winnings::Ticket>> tickets;
    const QStringList lines = tipLines();
    TipTest::LineHits hits(static_cast<std::size_t>(lines.size()));
    bool stopped = false;
    EventPulse pulse(EventPulse::First::AtOnce);
    const int examined = TipTest::run(
        records, drawFilter(), threshold,
        [&](std::size_t, const DrawRecord& record) {
            m_currentDraw.take(record);
            ui.Label29->setText(TipTest::drawLabel(record));
            ui.Label13->setText(TipTest::crossSumLabel(record));
            ui.Label35->setText(ui.Label29->text());
            const int best = Komplettcheck();
            if (!tickets) tickets = Winnings::ticketsOf(tipLines(), m_systemTables, tipShape());
            chance.add(Chance::roundOf(record, 0), m_hitTally, *tickets, stakePerRow().value_or(0), dividendSource());
            // Progress and the stop button once per pulse: painting costs far more than a draw.
            if (pulse.due()) {
                ui.SpeedButton4->setText(tr("Tipp-Test anhalten (bei %1)").arg(TipTest::dateText(record.date)));
                pulse.pass();
            }
            return best;
        },
        [&](const QString&) {
            // Every hit keeps its own box, which names the tips that hit and offers a way out.
            hits.add(m_lastLineHits, threshold);
            const QString text = TipTest::hitBoxText(m_currentDraw.date, tipLines(), m_lastLineHits, threshold);
            if (!m_platform.dialogs->messageOrStop(this, text, tr("Suche beenden"))) stopped = true;
        },
        [&] {
            if (m_tipTestStop) stopped = true;
            return stopped || m_closed;
        });
    endRun();
    applyPlot(chart, TipTest::finalPlot());
    if (m_closed) {
        // Closed during the test: no box for a window that is gone; the program ends as asked.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    m_currentDraw = browsed;
    ui.Label29->setText(browsedTexts[0]);
    ui.Label35->setText(browsedTexts[1]);
    ui.Label13->setText(browsedTexts[2]);
    Komplettcheck();
    showMessage(TipTest::summaryText(lines, hits, threshold, examined, stopped));
    if (chance.rounds.empty() || m_closed || !m_evaluationEnabled) return;
    const DrawFilter filter = drawFilter();
    showChanceComparison(tr("Tipp-Test vom %1 bis %2: %3 Ziehungen, %4 Tipps")
                             .arg(TipTest::dateText(filter.from), TipTest::dateText(filter.to))
                             .arg(chance.rounds.size())
                             .arg(chance.rounds.front().tips),
                         chance.rounds, chance.levels, chance.money, Rng::seed(),
                         Winnings::listShapeOf(tipLines(), m_systemTables, tipShape()));
}
