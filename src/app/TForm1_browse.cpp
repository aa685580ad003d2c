#include "app/TForm1.h"
#include "history/DrawBrowsing.h"
#include "history/DrawHistory.h"

void TForm1::takeBrowsedDraw(const DrawRecord& record) {
    m_currentDraw.take(record);
    ui.Label29->setText(drawText(m_currentDraw, QStringLiteral("  "), QStringLiteral("   +  ")));
    ui.Label35->setText(ui.Label29->text());
    ui.Label13->setText(tr("Quersumme: %1").arg(m_currentDraw.crossSum()));
    ui.DateTimePicker1->trySetDayCount(record.date);
}

void TForm1::browse(bool forward) {
    const std::vector<DrawRecord> records = history().readAll(); // a missing file ends here
    const DrawBrowsing::WeekdayRule rule{ui.CheckBox16->isChecked(), ui.CheckBox17->isChecked()};
    const DrawBrowsing::Step step = forward ? DrawBrowsing::forward(records, m_currentDraw.index, rule)
                                            : DrawBrowsing::back(records, m_currentDraw.index, rule);
    if (step.index) {
        m_currentDraw.index = static_cast<int>(*step.index);
        takeBrowsedDraw(records[static_cast<size_t>(*step.index)]);
    }
    for (int i = 0; i < step.checks; ++i) Komplettcheck();
}

void TForm1::SpeedButton6Click() {
    browse(false);
}
void TForm1::SpeedButton7Click() {
    browse(true);
}
