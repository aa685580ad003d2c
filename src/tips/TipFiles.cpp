#include "tips/TipFiles.h"

#include "base/DayCount.h"
#include "base/SafeFile.h"
#include "base/Lotto.h"
#include "base/TextFile.h"
#include "tips/TipLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

namespace TipFiles {

namespace {

QByteArray csvField(const QString& text) {
    QByteArray t = text.toUtf8();
    if (t.contains(',') || t.contains('"') || t.contains('\n') || t.contains('\r'))
        t = '"' + t.replace('"', "\"\"") + '"';
    return t;
}

QString titleText(double nextDraw) {
    return QCoreApplication::translate("TipFiles", "Quintara Tipp für %1").arg(DayCount::longWeekdayText(nextDraw));
}

} // namespace

QStringList read(const QString& path) {
    // A run makes at most 960 tips and a full system 462; tip lines are a few dozen characters.
    // Far beyond that a file is no tip list, and reading it would stall the window.
    TextFile::Limits limits;
    limits.maxBytes = 2 * 1024 * 1024;
    limits.maxLines = 50000;
    limits.maxLineLength = 1024;
    return TextFile::readLines(path, limits);
}

void write(const QString& path, const QStringList& tips) {
    // A save killed midway leaves its temporary file (the program's own name) in the folder the
    // player chose; the next save there takes it away, before it writes its own.
    SafeFile::removeStaleTemporaries(QFileInfo(SafeFile::writeTarget(path)).absolutePath());
    TextFile::writeLinesAtomic(path, tips);
}

QString fileName(const QDate& drawDay) {
    return drawDay.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + Suffix;
}

double nextDrawDate(double drawDate) {
    return drawDate + (DayCount::weekday(drawDate) == DayCount::Wednesday ? 3 : 4);
}

SlipTip plainTip(const QString& line) {
    SlipTip tip;
    tip.line = line;
    ParsedTicket parsed;
    parsed.parse(line);
    for (int k = 1; k <= parsed.count; ++k) {
        const TicketSlot& slot = parsed.numbers[static_cast<std::size_t>(k)];
        if (slot.numeric && slot.value >= 1 && slot.value <= Lotto::HighestNumber)
            tip.numbers |= std::uint64_t{1} << slot.value;
    }
    return tip;
}

TipSheet sheet(const std::vector<SlipTip>& tips, int tipsPerTicket, double nextDraw) {
    // The spin never goes below one; a smaller value would leave no ticket to start.
    const auto perTicket = static_cast<std::size_t>(std::max(1, tipsPerTicket));
    TipSheet out;
    out.title = titleText(nextDraw);
    for (std::size_t p = 0; p < tips.size(); ++p) {
        if (p % perTicket == 0) out.tickets.emplace_back();
        out.tickets.back().push_back(tips[p]);
    }
    return out;
}

QString ticketHeader(int ticket) {
    return QCoreApplication::translate("TipFiles", "%1. Lotto-Schein").arg(ticket);
}

QString tipLabel(int number) {
    return QCoreApplication::translate("TipFiles", "%1. Tipp:  ").arg(number, 2);
}

QStringList text(const TipSheet& sheet) {
    QStringList out{sheet.title, QString(39, QLatin1Char('~'))};
    for (std::size_t t = 0; t < sheet.tickets.size(); ++t) {
        out << QStringLiteral(" ");
        out << ticketHeader(static_cast<int>(t) + 1);
        const std::vector<SlipTip>& tips = sheet.tickets[t];
        for (std::size_t k = 0; k < tips.size(); ++k) {
            out << tipLabel(static_cast<int>(k) + 1) + tips[k].line;
            // Under the tip line, so that every line after "Tipp:" stays a tip line.
            if (!tips[k].note.isEmpty()) out << QString(11, QLatin1Char(' ')) + tips[k].note;
        }
    }
    return out;
}

QStringList tipText(const QStringList& tips, int tipsPerTicket, double nextDraw) {
    std::vector<SlipTip> plain;
    plain.reserve(static_cast<std::size_t>(tips.size()));
    for (const QString& line : tips) plain.push_back(plainTip(line));
    return text(sheet(plain, tipsPerTicket, nextDraw));
}

QByteArray csv(const QStringList& lines) {
    QByteArray out = "tipp,system,zahlen\r\n";
    int index = 0;
    for (const QString& line : lines) {
        if (TipLine::isBlank(line)) continue;
        ++index;
        ParsedTicket ticket;
        const bool hasCode = ticket.parse(line).has_value();
        out += QByteArray::number(index) + ',' + csvField(hasCode ? ticket.systemCode : QString());
        for (int k = 1; k <= ticket.count; ++k) {
            const TicketSlot& slot = ticket.numbers[static_cast<std::size_t>(k)];
            out += ',' + (slot.numeric ? QByteArray::number(slot.value) : csvField(slot.text()));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace TipFiles
