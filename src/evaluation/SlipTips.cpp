#include "evaluation/SlipTips.h"

#include "base/Lotto.h"
#include "evaluation/Winnings.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <bit>

namespace SlipTips {

namespace {

QString numbersLine(std::uint64_t numbers, const QString& designation) {
    std::vector<int> list;
    for (std::uint64_t m = numbers; m; m &= m - 1) list.push_back(std::countr_zero(m));
    return TipLine::makeLine(list, designation);
}

QString stakeText(int rows, std::optional<double> pricePerRow) {
    const QString stake = pricePerRow ? QLocale().toString(rows * *pricePerRow, 'f', 2) + QStringLiteral(" €")
                                      : QCoreApplication::translate("SlipTips", "unbekannt");
    return QCoreApplication::translate("SlipTips", "Vollsystem: %n Reihen, Einsatz %1", nullptr, rows).arg(stake);
}

} // namespace

std::vector<TipFiles::SlipTip> of(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback,
                                  std::optional<double> pricePerRow) {
    std::vector<TipFiles::SlipTip> out;
    for (const QString& line : lines) {
        const Winnings::PlayedLine played = Winnings::playedLine(line, tables, fallback);
        TipFiles::SlipTip tip = TipFiles::plainTip(line);
        if (!played.ticket) {
            if (!played.missingTable.isEmpty())
                tip.note = QCoreApplication::translate("SlipTips", "Tabelle %1 fehlt: das System kann nicht "
                                                                   "aufgeschrieben werden")
                               .arg(played.missingTable);
            out.push_back(tip);
            continue;
        }
        const Winnings::Ticket& ticket = *played.ticket;
        if (ticket.shape.rows.empty()) {
            tip.numbers = ticket.numbers;
            if (ticket.shape.numbers > Lotto::DrawnNumbers) tip.note = stakeText(ticket.columns(), pricePerRow);
            out.push_back(tip);
            continue;
        }
        const std::vector<std::uint64_t> rows = ticket.expandedColumns();
        const int count = static_cast<int>(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            TipFiles::SlipTip row;
            row.numbers = rows[r];
            row.line = numbersLine(rows[r], TipLine::Normal);
            // The first row says where the rows come from.
            if (r == 0)
                row.note = QCoreApplication::translate("SlipTips", "%n Reihen aus %1", nullptr, count).arg(line);
            out.push_back(row);
        }
    }
    return out;
}

} // namespace SlipTips
