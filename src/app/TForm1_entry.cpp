#include "base/Errors.h"
#include "base/Log.h"
#include "base/DayCount.h"
#include "app/TForm1.h"
#include "history/DrawEntry.h"
#include "gui/TForm3.h"

#include <memory>

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
            stored && (stored->numbers != entered.numbers || stored->additional != entered.additional ||
                       stored->eighth != entered.eighth)) {
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
