// Tip lines reach the parser from files, the list and the entry edit: any text must parse and
// be checked under each of the three system kinds without fault.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "evaluation/Matching.h"
#include "tips/SystemTable.h"
#include "tips/TipLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CurrentDraw draw;
    for (int i = 1; i <= 8; ++i) draw.numbers[static_cast<size_t>(i)] = in.byte();
    static SystemTable table;
    table.clearRows();
    const int rows = in.byte() % 40;
    for (int r = 1; r <= rows; ++r) table.setRow(r, QString::fromLatin1(in.part()));
    table.setRowCount(in.flag() ? rows : in.value<std::int16_t>());

    // Codes named by the lines find no table here: such lines are reported, never scored.
    SystemTableSet byCode{QStringLiteral("/nonexistent/")};
    const SystemTables tables{&table, &byCode};
    static ParsedTicket ticket;
    QString selector = QString::fromUtf8(in.part());
    const QString text = QString::fromUtf8(in.rest());
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ticket.parse(line);
        for (SystemKind kind : {SystemKind::Single, SystemKind::Full, SystemKind::Reduced}) {
            try {
                const TicketResult r = checkTicket(ticket, kind, table, draw);
                if (r.hits > 6) __builtin_trap();
                (void)hitText(r);
            } catch (const AppError&) {
            }
        }
        TicketResult result;
        try {
            (void)zettelcheck(line, ticket, selector, result, tables, draw);
        } catch (const AppError&) {
            if (result.hits != 0) __builtin_trap(); // a failed check leaves no hits behind
        }
        (void)TipLine::selectorTextForCode(ticket.systemCode);
        (void)TipLine::designation(selector, ticket.count);
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    ParsedTicket listTicket;
    TicketResult result;
    HitTally tally;
    (void)checkTipList(lines, selector, listTicket, result, tally, tables, draw);
    return 0;
}
