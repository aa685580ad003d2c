#include "base/Errors.h"
#include "base/DayCount.h"
#include "base/Rounding.h"
#include "base/Tr.h"
#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "stats/DrawLookup.h"
#include "stats/HistoryRecords.h"
#include "tips/SystemTable.h"

QString TForm1::drawText(const CurrentDraw& draw, const QString& afterDate, const QString& beforeAdditional) {
    QString text = DayCount::shortWeekdayText(draw.date) + afterDate;
    for (int i = 1; i <= 6; ++i) text += QStringLiteral("  ") + QString::number(draw.numbers[i]);
    text += beforeAdditional + QString::number(draw.numbers[7]);
    return text;
}

std::shared_ptr<const HistoryRecords> TForm1::readDraws(bool mustExist) {
    try {
        return HistoryRecords::read(historyPath());
    } catch (const FileError&) {
        if (history().exists()) throw;
        showMessage(tr("Lesen Sie zuerst die Daten der Ziehungen ein"));
        if (mustExist) throw;
        return nullptr;
    }
}

void TForm1::SpeedButton5Click() {
    if (const std::shared_ptr<const HistoryRecords> history = readDraws(false)) showDrawOfDate(*history);
}

void TForm1::showDrawOfDate(const HistoryRecords& history) {
    const double target = static_cast<double>(roundHalfEven(ui.DateTimePicker1->dayCount()));
    const DrawLookup lookup = lookupDraw(history, target);
    if (lookup.record) {
        m_currentDraw.take(history.records[*lookup.record]);
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
    // The line is scored by its own system; the selector keeps the system the player chose.
    QString selector = ui.selectorValue();
    ::zettelcheck(line, m_parsedTicket, selector, m_ticketResult, systemTables(), m_currentDraw);
}

void TForm1::showTipListStake() {
    const Winnings::ListStake stake = Winnings::listStake(tipLines(), m_systemTables, tipShape());
    ui.TipListStake->setText(Winnings::stakeText(stake, stakePerRow()));
}

int TForm1::Komplettcheck(bool announce) {
    m_hitTally.clear();
    m_lastLineHits.clear();
    showTipListStake();
    if (!m_evaluationEnabled) return 0;
    ui.ListBox2->clear();
    QStringList lines = tipLines();
    // Every line is scored by its own designation; a line without one follows the selector's
    // text as the lines before it leave it.
    QString selector = ui.selectorValue();
    const ListCheck check =
        ::checkTipList(lines, selector, m_parsedTicket, m_ticketResult, m_hitTally, systemTables(), m_currentDraw);
    for (auto it = check.removedLines.rbegin(); it != check.removedLines.rend(); ++it)
        delete ui.ListBox1->takeItem(*it);

    // With the draw's prize table known, each winning line shows its tiers and euros; its hint
    // tells what it won in any case.
    const Chance::TipShape shape = tipShape();
    const Chance::Round round = Winnings::roundOf(m_currentDraw, 1);
    const DividendSource* dividends = dividendSource();
    const bool prizesKnown = Winnings::prizesKnown(dividends, round.date);
    const std::optional<double> price = stakePerRow();
    ui.ListBox2->addItems(check.hitTexts);
    for (qsizetype i = 0; i < check.hitTexts.size() && i < lines.size(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!check.lineScored[at] || check.lineHits[at] < 3) continue;
        const Winnings::PlayedLine played = Winnings::playedLine(lines[i], m_systemTables, shape);
        if (!played.ticket) continue;
        const Winnings::Result result = Winnings::result(*played.ticket, round, price.value_or(0), dividends);
        QListWidgetItem* item = ui.ListBox2->item(static_cast<int>(i));
        if (prizesKnown) item->setText(item->text() + QStringLiteral("  ") + Winnings::tierText(result));
        if (const QString hint = Winnings::winningText(result.money); !hint.isEmpty()) item->setToolTip(hint);
    }
    ui.setHitListShowsMoney(prizesKnown);
    if (prizesKnown || check.winningLines > 0) {
        const Chance::Money money = Winnings::listMoney(Winnings::ticketsOf(lines, m_systemTables, shape), round,
                                                        price.value_or(0), dividends);
        ui.HitListTotal->setText(Winnings::listWinText(money, price.has_value()));
    } else {
        ui.HitListTotal->clear();
    }

    m_lastLineHits = check.lineHits;
    if (announce) {
        for (int i = 0; i < check.winningLines; ++i) m_platform.sound->play(winSoundFile());
        ui.StatusBar1->setPanelText(0, check.status);
    }
    return check.maxHits;
}

void TForm1::UpDown18Click() {
    const int n = ui.UpDown18->position();
    const SystemChoice::SizeStep step = SystemChoice::sizeStep(n, ui.UpDown8->position());
    ui.UpDown8->setMaximum(step.ticketsMaximum);
    ui.UpDown8->setPosition(step.ticketsPosition);
    ui.ComboBox1->clear();
    ui.StatusBar1->setPanelText(1, QString());
    // The kind that fits n, then every reduced system made for n numbers.
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
