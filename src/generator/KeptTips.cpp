#include "generator/KeptTips.h"

#include <algorithm>
#include <array>
#include <span>

void fillKeptRows(TicketTable& table, const QStringList& lines, int n, const QString& selector,
                  ParsedTicket& ticket, TicketResult& result, const SystemTables& systems,
                  const CurrentDraw& draw) {
    const int rows = static_cast<int>(std::min<qsizetype>(lines.size(), TicketTable::Rows));
    for (int i = 0; i < rows; ++i) {
        QString lineSelector = selector;
        zettelcheck(lines[i], ticket, lineSelector, result, systems, draw);
        std::array<int, TicketTable::Width> values{};
        const int count = std::min(ticket.count, TicketTable::Width);
        for (int k = 1; k <= count; ++k) {
            const TicketSlot& slot = ticket.numbers[static_cast<std::size_t>(k)];
            values[static_cast<std::size_t>(k - 1)] = slot.numeric ? slot.value : 0;
        }
        table.setRow(i + 1, std::span<const int>(values.data(), static_cast<std::size_t>(count)), n);
    }
}
