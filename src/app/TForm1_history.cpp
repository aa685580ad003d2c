#include "app/TForm1.h"
#include "base/DayCount.h"
#include "history/DrawEntry.h"
#include "history/DrawHistory.h"

void TForm1::BitBtn4Click() {
    // One click must not throw away a draw: the question names it, and "No" changes nothing.
    DrawRecord shown;
    shown.date = currentDraw.date;
    for (int i = 0; i < 6; ++i) shown.numbers[i] = static_cast<std::uint8_t>(currentDraw.numbers[i + 1]);
    shown.additional = static_cast<std::uint8_t>(currentDraw.numbers[7]);
    const QString question = tr("Die Ziehung vom %1 löschen?\n\n%2")
                                 .arg(DayCount::toDate(currentDraw.date).toString(QStringLiteral("dd.MM.yyyy")),
                                      DrawEntry::numbersText(shown));
    if (m_platform.dialogs->question(this, question) != Dialogs::Answer::Yes) return;
    {
        BusyCursor busy;
        history().removeDate(currentDraw.date);
    }
    SpeedButton5Click();
}
