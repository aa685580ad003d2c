#include "app/TForm1.h"
#include "base/Errors.h"
#include "base/DayCount.h"
#include "base/Log.h"
#include "gui/TForm3.h"
#include "history/DrawBrowsing.h"
#include "history/DrawEntry.h"
#include "history/DrawHistory.h"

#include <QDateTime>
#include <QFileInfo>

void TForm1::BitBtn8Click() {
    const std::vector<DrawRecord> before = storedDraws();
    DrawHistory file = history();
    DrawEntry::Start start = DrawEntry::begin(file);
    double lastDate = start.lastDate;

    auto dialog = std::make_unique<TForm3>(this);
    dialog->reportProblem = [this](const QString& text) { showMessage(text); };
    dialog->today = m_platform.clock->today();
    if (start.newest) {
        const DrawRecord& newest = *start.newest;
        dialog->DateTimePicker1->trySetDate(DrawEntry::proposedDate(newest, dialog->today));
        for (int i = 1; i <= 6; ++i) dialog->number(i)->setPosition(newest.numbers[i - 1]);
        dialog->UpDown7->setPosition(newest.additional);
        dialog->UpDown8->setPosition(newest.eighth);
    }

    // The dialog comes back until the draw may be stored or the player cancels.
    while (m_platform.dialogs->showModal(dialog.get()) == QDialog::Accepted) {
        if (const auto problem = dialog->problem()) {
            showMessage(problem->message);
            dialog->markProblem(problem->field);
            continue;
        }
        DrawRecord entered = start.working;
        entered.date = dialog->DateTimePicker1->dayCount();
        for (int i = 1; i <= 6; ++i)
            entered.numbers[i - 1] = static_cast<std::uint8_t>(dialog->number(i)->position());
        entered.additional = static_cast<std::uint8_t>(dialog->UpDown7->position());
        entered.eighth = static_cast<std::uint8_t>(dialog->UpDown8->position());
        DrawEntry::sortNumbers(entered);

        const QString dateText = DayCount::toDate(entered.date).toString(QStringLiteral("dd.MM.yyyy"));
        if (const auto stored = DrawEntry::storedDraw(file, entered.date);
            stored && stored->numberBytes() != entered.numberBytes()) {
            const QString question = tr("Die Ziehung vom %1 ersetzen?\n\nGespeichert: %2\nNeu: %3")
                                         .arg(dateText, DrawEntry::numbersText(*stored),
                                              DrawEntry::numbersText(entered));
            if (m_platform.dialogs->question(this, question) != Dialogs::Answer::Yes) continue;
        }
        // A draw the player typed in must not vanish silently.
        try {
            lastDate = DrawEntry::store(file, entered, lastDate);
        } catch (const AppError& e) {
            logShownFailure(e);
            showError(tr("Die Ziehung vom %1 wurde nicht gespeichert.\n%2").arg(dateText, e.message()));
        }
        break;
    }
    dialog.reset();

    ui.DateTimePicker1->trySetDayCount(lastDate);
    SpeedButton5Click();
    showSlipChecks(before);
}

void TForm1::BitBtn4Click() {
    // One click must not throw away a draw.
    DrawRecord shown;
    for (int i = 0; i < 6; ++i) shown.numbers[i] = static_cast<std::uint8_t>(m_currentDraw.numbers[i + 1]);
    shown.additional = static_cast<std::uint8_t>(m_currentDraw.numbers[7]);
    const QString question = tr("Die Ziehung vom %1 löschen?\n\n%2")
                                 .arg(DayCount::toDate(m_currentDraw.date).toString(QStringLiteral("dd.MM.yyyy")),
                                      DrawEntry::numbersText(shown));
    if (m_platform.dialogs->question(this, question) != Dialogs::Answer::Yes) return;
    {
        BusyCursor busy;
        history().removeDate(m_currentDraw.date);
    }
    SpeedButton5Click();
}

void TForm1::checkHistoryDamage() {
    const DrawHistory file = history();
    if (!file.exists()) return;
    DrawHistory::Damage damage;
    try {
        damage = file.inspect();
    } catch (const AppError&) {
        return; // the first reader of the activation reports it
    }
    if (!damage.any()) return;
    QString what = tr("Die Datei der Ziehungen \"%1\" ist beschädigt: %2 von %3 Datensätzen sind "
                      "keine gültigen Ziehungen oder stehen außer der Reihe, der erste an Position %4.")
                       .arg(file.filePath())
                       .arg(damage.damaged)
                       .arg(damage.records)
                       .arg(damage.firstDamaged + 1);
    if (damage.trailingBytes > 0)
        what += QLatin1Char(' ') + tr("Am Ende steht ein abgeschnittener Datensatz (%1 Bytes).").arg(damage.trailingBytes);
    const QString backup = file.filePath() + QStringLiteral(".beschaedigt-") +
                           QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString question =
        what + QStringLiteral("\n\n") +
        tr("Soll die Datei repariert werden? Die %1 gültigen Ziehungen bleiben in Datumsfolge erhalten, "
           "die beschädigte Datei wird als \"%2\" aufbewahrt. Ohne Reparatur bleibt die Datei unverändert.")
            .arg(damage.good.size())
            .arg(QFileInfo(backup).fileName());
    if (m_platform.dialogs->question(this, question) != Dialogs::Answer::Yes) return;
    runAction([&] {
        BusyCursor busy;
        file.repair(backup);
        showMessage(tr("Die Datei der Ziehungen wurde repariert; die beschädigte Fassung liegt in \"%1\".")
                        .arg(backup));
    });
}

void TForm1::browse(bool forward) {
    const std::vector<DrawRecord> records = history().readAll(); // a missing file ends here
    const DrawBrowsing::WeekdayRule rule{ui.CheckBox16->isChecked(), ui.CheckBox17->isChecked()};
    const DrawBrowsing::Step step = forward ? DrawBrowsing::forward(records, m_currentDraw.index, rule)
                                            : DrawBrowsing::back(records, m_currentDraw.index, rule);
    if (step.index) {
        const DrawRecord& record = records[static_cast<size_t>(*step.index)];
        m_currentDraw.index = static_cast<int>(*step.index);
        m_currentDraw.take(record);
        ui.Label29->setText(drawText(m_currentDraw, QStringLiteral("  "), QStringLiteral("   +  ")));
        ui.Label35->setText(ui.Label29->text());
        ui.Label13->setText(tr("Quersumme: %1").arg(m_currentDraw.crossSum()));
        ui.DateTimePicker1->trySetDayCount(record.date);
    }
    for (int i = 0; i < step.checks; ++i) Komplettcheck();
}
