#include "tips/TipCsv.h"

#include "tips/TipLine.h"

namespace TipCsv {

namespace {
QByteArray field(const QString& text) {
    QByteArray t = text.toUtf8();
    if (t.contains(',') || t.contains('"') || t.contains('\n') || t.contains('\r'))
        t = '"' + t.replace('"', "\"\"") + '"';
    return t;
}
} // namespace

QByteArray format(const QStringList& lines) {
    QByteArray out = "tipp,system,zahlen\r\n";
    int index = 0;
    for (const QString& line : lines) {
        if (TipLine::isBlank(line)) continue;
        ++index;
        ParsedTicket ticket;
        const bool hasCode = ticket.parse(line).has_value();
        out += QByteArray::number(index) + ',' + field(hasCode ? ticket.systemCode : QString());
        for (int k = 1; k <= ticket.count; ++k) {
            const TicketSlot& slot = ticket.numbers[static_cast<std::size_t>(k)];
            out += ',' + (slot.numeric ? QByteArray::number(slot.value) : field(slot.text()));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace TipCsv
