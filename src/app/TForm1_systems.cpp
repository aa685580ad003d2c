#include "app/TForm1.h"
#include "tips/SystemTableSet.h"
#include "base/Tr.h"

#include <QLineEdit>

void TForm1::UpDown18Click() {
    const int n = ui.UpDown18->position();
    const SystemChoice::SizeStep step = SystemChoice::sizeStep(n, ui.UpDown8->position());
    ui.UpDown8->setMaximum(step.ticketsMaximum);
    ui.UpDown8->setPosition(step.ticketsPosition);
    ui.ComboBox1->clear();
    ui.StatusBar1->setPanelText(1, QString());
    // The kind that fits n, then every reduced system whose table is made for n numbers; each
    // entry's hint tells the rows one tip plays.
    for (const SystemChoice::Entry& entry : SystemChoice::entries(n, m_systemTables)) {
        ui.ComboBox1->addItem(ui.selectorLabel(entry.value), entry.value);
        ui.ComboBox1->setItemData(ui.ComboBox1->count() - 1, entry.rows, Form1Ui::RowsRole);
        ui.ComboBox1->setItemData(ui.ComboBox1->count() - 1, SystemChoice::entryHint(entry.rows), Qt::ToolTipRole);
    }
    ui.ComboBox1->setEnabled(true);
    ui.StatusBar1->setPanelText(1, translated("SystemChoice", SystemChoice::ChooseText));
    setSelectorText(step.entry);
    ComboBox1Change();
}

void TForm1::ComboBox1Change() {
    ui.StatusBar1->setPanelText(0, QString());
    const SystemChoice::ChangeStep step = SystemChoice::changeStep(
        ui.selectorValue(), ui.UpDown18->position(), m_paths.dataDirectory(), m_systemTable);
    if (step.status) ui.StatusBar1->setPanelText(1, *step.status);
    if (step.linesIgnored > 0) showMessage(SystemChoice::tooManyLinesText(step.tablePath, step.linesIgnored));
    if (step.recheck) Komplettcheck();
}

void TForm1::restoreStoredSystem() {
    if (m_settings.system >= 0 && m_settings.system < ui.ComboBox1->count()) {
        ui.ComboBox1->setCurrentIndex(m_settings.system);
        const QVariant value = ui.ComboBox1->itemData(m_settings.system);
        setSelectorText(value.isValid() ? value.toString() : ui.ComboBox1->itemText(m_settings.system));
    }
    ComboBox1Change();
}
