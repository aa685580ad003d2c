#include "base/Errors.h"
#include "base/Random.h"
#include "base/ScopeExit.h"
#include "app/TForm1.h"
#include "generator/HistoricAnalysis.h"

#include <QCoreApplication>

void TForm1::SpeedButton13Click() {
    const QString answer =
        m_platform.dialogs->inputBox(this, QStringLiteral("Ihre Glückszahl (1-99999999)?"),
                                     HistoricAnalysis::InputPrompt, QString::number(Rng::seedSigned()));
    int lucky = 0;
    // A text that is no whole number changes nothing, silently.
    if (!tryToInt(answer, lucky)) return;
    Rng::setSeedSigned(lucky);
    ui.StatusBar1->setPanelText(1, HistoricAnalysis::seedStatus(lucky));
}

void TForm1::BitBtn9Click() {
    // While it runs the button stops the analysis after the current step.
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
    const ScopeExit restore([&] {
        ui.CheckBox20->setChecked(listEditing);
        ui.BitBtn9->setText(caption);
        m_analysisRunning = false;
        m_busy = false;
    });

    const double start = ui.DateTimePicker1->dayCount();
    SpeedButton5Click();
    const QString proposal = QString::number(Rng::random(99999));
    const QString answer = m_platform.dialogs->inputBox(this, HistoricAnalysis::InputCaption,
                                                        HistoricAnalysis::InputPrompt, proposal);

    HistoricAnalysis::Totals totals;
    try {
        const int lucky = toInt(answer);
        Rng::setSeedSigned(lucky);
        ui.StatusBar1->setPanelText(1, HistoricAnalysis::seedStatus(lucky));
        double previous = DayCount::fromDate(m_platform.clock->today());
        double s = start;
        while (previous != s && !m_analysisStop) {
            previous = s;
            Rng::setSeedSigned(lucky);
            Label28Click();
            const int days =
                HistoricAnalysis::stepDays(ui.CheckBox16->isChecked(), ui.CheckBox17->isChecked());
            ui.DateTimePicker1->trySetDayCount(ui.DateTimePicker1->dayCount() + days);
            SpeedButton5Click();
            ++totals.steps;
            const double evaluated = ui.DateTimePicker1->dayCount();
            totals.add(hitTally, DayCount::weekday(evaluated));
            s = evaluated;
            // Progress, and a chance for the stop button.
            ui.BitBtn9->setText(QStringLiteral("Analyse anhalten (bei %1)")
                                    .arg(DayCount::toDate(evaluated).toString(QStringLiteral("dd.MM.yyyy"))));
            QCoreApplication::processEvents();
        }
    } catch (const std::exception&) {
        if (!m_closed) showMessage(HistoricAnalysis::InputError);
        return;
    }
    if (m_closed) {
        // The window was closed during the analysis: it ended after the step in progress, and
        // no box may pop up for a window that is gone. The program ends as the close asked,
        // even when the close came while the analysis held the event loop.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    showMessage(totals.summary());
}
