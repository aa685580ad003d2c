#include "base/Errors.h"
#include "app/TForm1.h"
#include "history/DrawEntry.h"
#include "gui/TForm3.h"

#include <memory>

void TForm1::BitBtn8Click() {
    DrawHistory file = history();
    DrawEntry::Start start = DrawEntry::begin(file);
    double lastDate = start.lastDate;

    auto dialog = std::make_unique<TForm3>(this);
    if (start.newest) {
        const DrawRecord& newest = *start.newest;
        dialog->DateTimePicker1->trySetDayCount(newest.date);
        for (int i = 1; i <= 6; ++i) dialog->number(i)->setPosition(newest.numbers[i - 1]);
        dialog->UpDown7->setPosition(newest.additional);
        dialog->UpDown8->setPosition(newest.eighth);
    }

    if (m_platform.dialogs->showModal(dialog.get()) == QDialog::Accepted) {
        DrawRecord entered = start.working;
        entered.date = dialog->DateTimePicker1->dayCount();
        for (int i = 1; i <= 6; ++i)
            entered.numbers[i - 1] = static_cast<std::uint8_t>(dialog->number(i)->position());
        entered.additional = static_cast<std::uint8_t>(dialog->UpDown7->position());
        entered.eighth = static_cast<std::uint8_t>(dialog->UpDown8->position());
        DrawEntry::sortNumbers(entered);
        // A draw the player typed in must not vanish silently: a failed write is reported and
        // the history stays as it was.
        try {
            lastDate = DrawEntry::store(file, entered, lastDate);
        } catch (const AppError& e) {
            showError(
                tr("Die Ziehung vom %1 wurde nicht gespeichert.\n%2")
                    .arg(DayCount::toDate(entered.date).toString(QStringLiteral("dd.MM.yyyy")), e.message()));
        }
    }
    dialog.reset();

    ui.DateTimePicker1->trySetDayCount(lastDate);
    SpeedButton5Click();
}
