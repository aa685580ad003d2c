// Working on the tip list: its lines, one tip edited in the number choice window, clearing it.
#include "app/TForm1.h"
#include "base/Lotto.h"
#include "gui/TForm6.h"

#include <QCheckBox>
#include <QPushButton>

QStringList TForm1::tipLines() const {
    QStringList lines;
    for (int i = 0; i < ui.ListBox1->count(); ++i) lines << ui.ListBox1->item(i)->text();
    return lines;
}

void TForm1::SpeedButton11Click() {
    ui.ListBox1->clear();
    ui.ListBox2->clear();
    ui.HitListTotal->clear();
    showTipListStake();
}

void TForm1::SpeedEditClick() {
    const int index = ui.ListBox1->currentRow();
    if (index < 0) {
        showMessage(tr("Wählen Sie zuerst einen Tipp aus"));
        return;
    }
    const QString edited = ui.ListBox1->item(index)->text();
    try {
        Zettelcheck(edited);
    } catch (const std::exception&) {
        // A tip that does not parse whole opens with the numbers read before the fault.
    }

    TForm6* chooser = form6();
    chooser->BitBtn3->hide();
    chooser->BitBtn4->show();
    chooser->PickCount = m_parsedTicket.count;
    for (int k = 1; k <= Lotto::HighestNumber; ++k) {
        chooser->box(k)->setChecked(false);
        chooser->setBoxColour(k, TForm6::BoxColour::Neutral);
    }
    // Marking stops at the first field that is no number of 1..49; nothing is reported.
    for (int slot = 1; slot <= m_parsedTicket.count; ++slot) {
        const TicketSlot& field = m_parsedTicket.numbers[static_cast<std::size_t>(slot)];
        if (!field.numeric || field.value < 0 || field.value > Lotto::HighestNumber) break;
        if (field.value == 0) continue;
        chooser->box(field.value)->setChecked(true);
        chooser->setBoxColour(field.value, TForm6::BoxColour::Picked);
    }

    if (chooser->execute() == TForm6::mrOk) {
        // At most twelve numbers, the lowest ones.
        std::array<int, 12> numbers{};
        int taken = 0;
        for (int k = 1; k <= Lotto::HighestNumber && taken < 12; ++k)
            if (chooser->box(k)->isChecked()) numbers[static_cast<std::size_t>(taken++)] = k;
        // The tip keeps its own system; a line without one takes the selector's.
        const QString system = edited.contains(QLatin1Char(':'))
                                   ? TipLine::selectorTextForCode(m_parsedTicket.systemCode)
                                   : ui.selectorValue();
        const QString line =
            TipLine::makeLine(std::span<const int>(numbers.data(), static_cast<std::size_t>(taken)), system);
        delete ui.ListBox1->takeItem(index);
        ui.ListBox1->insertItem(index, line);
    }

    chooser->BitBtn3->show();
    chooser->BitBtn4->hide();
    for (int k = 1; k <= Lotto::HighestNumber; ++k) chooser->setBoxColour(k, TForm6::BoxColour::Neutral);
    chooser->setWindowTitle(tr("Zahlen für Berechnung wählen"));
    Komplettcheck();
}
