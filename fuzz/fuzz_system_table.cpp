// Reduced-system tables are files beside the program that users edit and share: loading one
// and checking tips against its rows must hold for any content.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "evaluation/Matching.h"
#include "tips/SystemTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    CurrentDraw draw;
    for (int i = 1; i <= 8; ++i) draw.numbers[static_cast<size_t>(i)] = in.byte() % 52;
    const QString line = QString::fromUtf8(in.part());
    const QString path = writeScratch(QStringLiteral("table.txt"), in.rest());
    static SystemTable table;
    try {
        table.load(path);
        if (table.rowCount() > SystemTable::Capacity) __builtin_trap();
        for (int r = 1; r <= table.rowCount(); ++r) {
            const auto& marks = table.marks(r);
            if (marks.count > SystemTable::MaxPositions) __builtin_trap();
        }
        ParsedTicket ticket;
        ticket.parse(line);
        (void)checkTicket(ticket, SystemKind::Reduced, table, draw);
    } catch (const AppError&) {
    }
    return 0;
}
