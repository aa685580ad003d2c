#include "app/TForm1.h"
#include "history/DrawHistory.h"

bool TForm1::steppedOver(double date) const {
    const int day = DayCount::weekday(date);
    return (!ui.CheckBox16->isChecked() && day == DayCount::Saturday) ||
           (!ui.CheckBox17->isChecked() && day == DayCount::Wednesday);
}

void TForm1::takeBrowsedDraw(const DrawRecord& record) {
    currentDraw.take(record);
    ui.Label29->setText(drawText(currentDraw, QStringLiteral("  "), QStringLiteral("   +  ")));
    ui.Label35->setText(ui.Label29->text());
    ui.Label13->setText(QStringLiteral("Quersumme: ") + QString::number(currentDraw.crossSum()));
    ui.DateTimePicker1->trySetDayCount(record.date);
}

void TForm1::SpeedButton6Click() {
    const DrawHistory file = history();
    file.recordCount(); // a missing history fails here, before anything changes
    int visited = 0;
    for (;;) {
        int index = currentDraw.index - 1;
        if (index < 1) index = 0;
        const auto at = file.recordAt(index);
        if (!at) break;
        currentDraw.index = index;
        takeBrowsedDraw(at->record);
        ++visited;
        // At the first draw there is nothing further back: keep the draw reached.
        if (!steppedOver(at->record.date) || currentDraw.index == 0) break;
    }
    for (int i = 0; i < std::max(visited, 1); ++i) Komplettcheck();
}

void TForm1::SpeedButton7Click() {
    const DrawHistory file = history();
    if (file.recordCount() == 0) return;
    int visited = 0;
    bool bounced = false;
    for (;;) {
        const auto at = file.recordAt(currentDraw.index + 1);
        if (!at) break;
        currentDraw.index = static_cast<int>(at->recordsRead - 1);
        takeBrowsedDraw(at->record);
        ++visited;
        if (!steppedOver(at->record.date)) break;
        const bool last = at->recordsRead == file.recordCount();
        if (last) {
            // When the last two draws are both stepped over there is no draw to land on: keep
            // the last one instead of bouncing between them for ever.
            if (bounced) break;
            bounced = true;
            currentDraw.index -= 2;
        }
    }
    for (int i = 0; i < visited; ++i) Komplettcheck();
}
