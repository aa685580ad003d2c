#include "base/Errors.h"
#include "base/Random.h"
#include "base/Tr.h"
#include "app/TForm1.h"
#include "generator/HistoricAnalysis.h"
#include "gui/AnalysisReport.h"
#include "gui/EventPulse.h"

#include <QCoreApplication>
#include <QScopeGuard>

void TForm1::SpeedButton13Click() {
    const QString answer =
        m_platform.dialogs->inputBox(this, tr("Ihre Glückszahl (1-99999999)?"),
                                     translated("HistoricAnalysis", HistoricAnalysis::InputPrompt),
                                     QString::number(HistoricAnalysis::luckyProposal(static_cast<std::uint32_t>(Rng::seedSigned()))));
    int lucky = 0;
    // A text that is no whole number changes nothing; the player is told why.
    if (!tryToInt(answer, lucky)) {
        showMessage(HistoricAnalysis::notALuckyNumber(answer));
        return;
    }
    Rng::setSeedSigned(lucky);
    ui.StatusBar1->setPanelText(1, HistoricAnalysis::seedStatus(lucky));
}

void TForm1::BitBtn9Click() {
    // While it runs the button stops the analysis.
    if (m_analysisRunning) {
        m_analysisStop = true;
        return;
    }
    if (m_busy) return;

    const bool listEditing = ui.CheckBox20->isChecked();
    const QString caption = ui.BitBtn9->text();
    ui.CheckBox20->setChecked(false);
    m_analysisRunning = true;
    m_analysisStop = false;
    m_busy = true;
    const auto restore = qScopeGuard([&] {
        ui.CheckBox20->setChecked(listEditing);
        ui.BitBtn9->setText(caption);
        m_analysisRunning = false;
        m_busy = false;
    });

    const double start = ui.DateTimePicker1->dayCount();
    SpeedButton5Click();
    const QString proposal = QString::number(Rng::random(99999));
    const QString answer = m_platform.dialogs->inputBox(this, translated("HistoricAnalysis", HistoricAnalysis::InputCaption),
                                                        translated("HistoricAnalysis", HistoricAnalysis::InputPrompt), proposal);

    // Every step works on one reading of the history file, taken by the first.
    std::shared_ptr<const HistoryRecords> history;
    HistoricAnalysis::Totals totals;
    Winnings::Tally chance;
    // The random players play each step's draw on a thread of their own while the analysis goes on.
    std::unique_ptr<Chance::StreamedPlayers> players;
    m_analysisCounts = {};
    int lucky = 0;
    try {
        lucky = toInt(answer);
        players = std::make_unique<Chance::StreamedPlayers>(tipShape(), chanceSettings(static_cast<std::uint32_t>(lucky)));
        Rng::setSeedSigned(lucky);
        ui.StatusBar1->setPanelText(1, HistoricAnalysis::seedStatus(lucky));
        double previous = DayCount::fromDate(m_platform.clock->today());
        EventPulse pulse(EventPulse::First::AtOnce);
        double s = start;
        while (previous != s && !m_analysisStop) {
            previous = s;
            Rng::setSeedSigned(lucky);
            if (!history) history = readDraws(true);
            generate(history);
            const int days =
                HistoricAnalysis::stepDays(ui.CheckBox16->isChecked(), ui.CheckBox17->isChecked());
            ui.DateTimePicker1->trySetDayCount(ui.DateTimePicker1->dayCount() + days);
            showDrawOfDate(*history);
            ++totals.steps;
            const double evaluated = ui.DateTimePicker1->dayCount();
            totals.add(m_hitTally, DayCount::weekday(evaluated));
            const DividendSource* dividends = dividendSource();
            chance.add(Winnings::roundOf(m_currentDraw, 0), m_hitTally,
                       Winnings::ticketsOf(tipLines(), m_systemTables, tipShape()), stakePerRow().value_or(0), dividends);
            players->add(chance.rounds.back(), dividends);
            s = evaluated;
            // Progress and the stop button once per pulse: painting costs far more than a step.
            if (pulse.due()) {
                ui.BitBtn9->setText(tr("Analyse anhalten (bei %1)")
                                        .arg(DayCount::toDate(evaluated).toString(QStringLiteral("dd.MM.yyyy"))));
                pulse.pass();
            }
        }
    } catch (const std::exception&) {
        if (!m_closed) showMessage(translated("HistoricAnalysis", HistoricAnalysis::InputError));
        return;
    }
    if (m_closed) {
        // Closed during the analysis: no box for a window that is gone; the program ends as asked.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    showMessage(totals.summary());
    if (m_closed) return;

    m_reportCounts = m_analysisCounts;
    m_reportCountsTitle = tr("Alle Läufe der historischen Analyse:");
    report()->showRuleCounts(m_reportCountsTitle, m_reportCounts);
    if (chance.rounds.empty()) return;
    const QString title =
        tr("Historische Analyse ab %1: %2 Ziehungen, %3 Tipps je Ziehung, Glückszahl %4")
            .arg(DayCount::toDate(start).toString(QStringLiteral("dd.MM.yyyy")))
            .arg(chance.rounds.size())
            .arg(ui.UpDown9->position())
            .arg(lucky);
    showChanceComparison(title, chance.rounds, chance.levels, chance.money, static_cast<std::uint32_t>(lucky),
                         players->shape(), players.get());
}
