#include "evaluation/SlipTips.h"

#include "base/Lotto.h"
#include "evaluation/Winnings.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QLocale>
#include <bit>

namespace SlipTips {

namespace {

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
        if (!played.ticket || played.ticket->shape.rows.empty()) {
            TipFiles::SlipTip tip = TipFiles::plainTip(line);
            if (!played.missingTable.isEmpty())
                tip.note = QCoreApplication::translate("SlipTips", "Tabelle %1 fehlt: das System kann nicht "
                                                                   "aufgeschrieben werden")
                               .arg(played.missingTable);
            else if (played.ticket && played.ticket->shape.numbers > Lotto::DrawnNumbers)
                tip.note = stakeText(played.ticket->columns(), pricePerRow);
            out.push_back(tip);
            continue;
        }
        const std::vector<std::uint64_t> rows = played.ticket->expandedColumns();
        const int count = static_cast<int>(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            TipFiles::SlipTip row;
            row.numbers = rows[r];
            std::vector<int> numbers;
            for (std::uint64_t m = rows[r]; m; m &= m - 1) numbers.push_back(std::countr_zero(m));
            row.line = TipLine::makeLine(numbers, TipLine::Normal);
            // The first row says where the rows come from.
            if (r == 0)
                row.note = QCoreApplication::translate("SlipTips", "%n Reihen aus %1", nullptr, count).arg(line);
            out.push_back(row);
        }
    }
    return out;
}

} // namespace SlipTips
