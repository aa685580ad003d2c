#include "base/Errors.h"
#include "base/DayCount.h"
#include "base/Rounding.h"
#include "app/TForm1.h"
#include "evaluation/Matching.h"
#include "evaluation/Winnings.h"
#include "history/DrawHistory.h"
#include "stats/DrawLookup.h"
#include "stats/HistorySnapshot.h"

QString TForm1::drawText(const CurrentDraw& draw, const QString& afterDate, const QString& beforeAdditional) {
    QString text = DayCount::shortWeekdayText(draw.date) + afterDate;
    for (int i = 1; i <= 6; ++i) text += QStringLiteral("  ") + QString::number(draw.numbers[i]);
    text += beforeAdditional + QString::number(draw.numbers[7]);
    return text;
}

void TForm1::SpeedButton5Click() {
    // The history as it is on disk now: the snapshot checks the file on every call and reads it
    // again whenever it changed, so a generation run's repeated lookups cost no file reads.
    std::shared_ptr<const HistoryRecords> history;
    try {
        history = historySnapshot().records();
    } catch (const FileError&) {
        if (!this->history().exists()) {
            showMessage(tr("Lesen Sie zuerst die Daten der Ziehungen ein"));
            return;
        }
        throw;
    }
    const double target = static_cast<double>(roundHalfEven(ui.DateTimePicker1->dayCount()));
    const DrawLookup lookup = lookupDraw(*history, target);
    if (lookup.record) {
        // A record taken by the walk is shown as the first of the file or as a later one.
        m_currentDraw.take(history->records[*lookup.record]);
        ui.Label29->setText(drawText(m_currentDraw,
                                     lookup.firstRecord ? QStringLiteral("   ") : QStringLiteral("  "),
                                     QStringLiteral("   + ")));
        ui.Label13->setText(tr("Quersumme: %1").arg(m_currentDraw.crossSum()));
    }
    m_currentDraw.index = static_cast<int>(lookup.index);

    ui.DateTimePicker1->trySetDayCount(m_currentDraw.date);
    ui.Label35->setText(ui.Label29->text());
    Komplettcheck();
}

void TForm1::setSelectorText(const QString& text) {
    // Set from code: the selector's change handling runs only on the user's edits.
    const QString label = ui.selectorLabel(text);
    if (ui.ComboBox1->currentText() != label) ui.ComboBox1->setEditText(label);
}

void TForm1::Zettelcheck(const QString& line) {
    QString selector = ui.selectorValue();
    const bool shown = ::zettelcheck(line, m_parsedTicket, selector, m_ticketResult, m_systemTable, m_currentDraw);
    if (shown) setSelectorText(selector);
}

int TForm1::Komplettcheck() {
    m_hitTally.clear();
    m_lastLineHits.clear();
    if (!m_evaluationEnabled) return 0;
    ui.ListBox2->clear();
    QStringList lines = tipLines();
    QString selector = ui.selectorValue();
    const ListCheck check =
        checkTipList(lines, selector, m_parsedTicket, m_ticketResult, m_hitTally, m_systemTable, m_currentDraw);
    for (auto it = check.removedLines.rbegin(); it != check.removedLines.rend(); ++it)
        delete ui.ListBox1->takeItem(*it);
    ui.ListBox2->addItems(check.hitTexts);
    // The hint of a winning line's entry tells what it won, where the dividend is known.
    const Chance::TipShape shape = tipShape();
    const Chance::Round round = Winnings::roundOf(m_currentDraw, 1);
    const DividendSource* dividends = nullptr;
    bool dividendsLooked = false;
    for (int i = 0; i < check.hitTexts.size() && i < lines.size(); ++i) {
        if (check.hitTexts[i].section(QLatin1Char(' '), 0, 0).toInt() < 3) continue;
        QListWidgetItem* item = ui.ListBox2->item(i);
        const std::optional<Winnings::Ticket> ticket = Winnings::ticketOf(lines[i], shape);
        if (!item || !ticket) continue;
        // One look at the prize table file per check, not one per winning line.
        if (!dividendsLooked) dividends = dividendSource();
        dividendsLooked = true;
        item->setToolTip(Winnings::winningText(Winnings::result(*ticket, round, 0, dividends).money));
    }
    m_lastLineHits = check.lineHits;
    setSelectorText(selector);
    for (int i = 0; i < check.winningLines; ++i) m_platform.sound->play(m_winSoundFile);
    ui.StatusBar1->setPanelText(0, check.status);
    return check.maxHits;
}
