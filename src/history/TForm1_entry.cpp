#include "app/Errors.h"
#include "app/Rounding.h"
#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "history/TForm3.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>

void TForm1::BitBtn8Click() {
    DrawHistory file = history();
    DrawRecord working;
    double lastDate = 0;
    bool hasNewest = false;
    {
        // A missing history is created empty, as the download does.
        HistoryAppender opened(file.filePath());
        if (opened.lastRecord()) {
            working = *opened.lastRecord();
            lastDate = working.date;
            hasNewest = true;
        }
    }

    auto dialog = std::make_unique<TForm3>(this);
    if (hasNewest) {
        dialog->DateTimePicker1->trySetDayCount(working.date);
        for (int i = 1; i <= 6; ++i) dialog->number(i)->setPosition(working.numbers[i - 1]);
        dialog->UpDown7->setPosition(working.additional);
        dialog->UpDown8->setPosition(working.eighth);
    }

    if (m_platform.dialogs->showModal(dialog.get()) == QDialog::Accepted) {
        working.date = dialog->DateTimePicker1->dayCount();
        for (int i = 1; i <= 6; ++i)
            working.numbers[i - 1] = static_cast<std::uint8_t>(dialog->number(i)->position());
        working.additional = static_cast<std::uint8_t>(dialog->UpDown7->position());
        working.eighth = static_cast<std::uint8_t>(dialog->UpDown8->position());
        std::sort(working.numbers.begin(), working.numbers.end());
        // A draw the player typed in must not vanish silently: a failed write is reported and
        // the history stays as it was.
        try {
            if (static_cast<double>(roundHalfEven(lastDate)) >= working.date) {
                if (auto newest = file.insertOrReplace(working)) lastDate = newest->date;
            } else {
                file.append(working);
                lastDate = working.date;
            }
        } catch (const AppError& e) {
            showError(
                QStringLiteral("Die Ziehung vom %1 wurde nicht gespeichert.\n%2")
                    .arg(DayCount::toDate(working.date).toString(QStringLiteral("dd.MM.yyyy")), e.message()));
        }
    }
    dialog.reset();

    ui.DateTimePicker1->trySetDayCount(lastDate);
    SpeedButton5Click();
}
