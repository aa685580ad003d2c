#include "evaluation/Matching.h"

#include "base/Errors.h"

#include <algorithm>
#include <QCoreApplication>

SystemKind systemKindOf(QStringView selectorText) {
    if (selectorText == TipLine::Normal) return SystemKind::Single;
    if (selectorText == TipLine::FullSystem) return SystemKind::Full;
    return SystemKind::Reduced;
}

namespace {

// Hits are the winning positions whose number is among the tip's numbers. For a tip of
// distinct numbers that is the plain count of equal pairs; a tip that repeats a number must
// not count one winning number twice (it could otherwise report more than six hits).
// Lottery numbers fit a 64-bit set; other values take the slow path.
TicketResult countHits(const int* values, int n, const CurrentDraw& draw) {
    std::uint64_t tip = 0;
    bool small = true;
    for (int k = 0; k < n; ++k) {
        const unsigned v = static_cast<unsigned>(values[k]);
        if (v < 64)
            tip |= std::uint64_t{1} << v;
        else
            small = false;
    }
    const auto contains = [&](int x) {
        const unsigned u = static_cast<unsigned>(x);
        if (u < 64 && (tip >> u) & 1u) return true;
        if (small) return false;
        for (int k = 0; k < n; ++k)
            if (values[k] == x) return true;
        return false;
    };
    TicketResult r;
    int hits = 0;
    for (int w = 1; w <= 6; ++w)
        if (contains(draw.numbers[static_cast<size_t>(w)])) ++hits;
    r.hits = static_cast<std::uint8_t>(hits);
    r.additionalHit = contains(draw.numbers[7]);
    return r;
}

// The generator calls the check for every candidate against every draw of the history, so
// this works on the values the parser already converted and allocates nothing.
TicketResult checkAllNumbers(const ParsedTicket& ticket, const CurrentDraw& draw) {
    std::array<int, ParsedTicket::MaxFields> values;
    int valid = 0;
    while (valid < ticket.count && ticket.numbers[valid + 1].numeric) {
        values[valid] = ticket.numbers[valid + 1].value;
        ++valid;
    }
    return countHits(values.data(), valid, draw);
}

[[noreturn]] void throwNotANumber(const TicketSlot& slot) {
    throw ConversionError(QCoreApplication::translate("Matching", "'%1' ist kein gültiger Integerwert").arg(slot.text()));
}

TicketResult checkRows(const ParsedTicket& ticket, const SystemTable& table, const CurrentDraw& draw) {
    TicketResult best;
    const int rows = std::min(table.rowCount(), SystemTable::Capacity);
    for (int r = 1; r <= rows; ++r) {
        const SystemTable::Marks& marks = table.marks(r);
        std::array<int, 6> values;
        int used = 0;
        for (int m = 0; m < marks.count; ++m) {
            const int slot = marks.positions[m] + 1;
            if (slot > ticket.count) break; // positions are ascending
            const TicketSlot& field = ticket.numbers[slot];
            if (!field.numeric) throwNotANumber(field);
            if (used < 6) values[used++] = field.value; // later marks only need to convert
        }
        if (used == 0) continue; // no "x" within the line's fields
        const TicketResult row = countHits(values.data(), used, draw);
        if (row.hits > best.hits) best = row;
    }
    return best;
}

} // namespace

TicketResult checkTicket(const ParsedTicket& ticket, SystemKind kind, const SystemTable& table,
                         const CurrentDraw& draw) {
    if (kind == SystemKind::Reduced) return checkRows(ticket, table, draw);
    return checkAllNumbers(ticket, draw);
}

std::optional<QString> zettelcheck(QStringView line, ParsedTicket& ticket, QString& selectorText,
                                   TicketResult& result, const SystemTables& tables,
                                   const CurrentDraw& draw) {
    const std::optional<QString> shown = ticket.parse(line);
    if (shown) selectorText = *shown;
    result = TicketResult{};
    const SystemKind kind = systemKindOf(selectorText);
    const SystemTable* table = tables.selected;
    if (kind == SystemKind::Reduced && shown) {
        // Without the tables by code (a caller that holds none) the code's table is missing too.
        table = tables.byCode ? tables.byCode->table(ticket.systemCode) : nullptr;
        if (!table) return ticket.systemCode;
    }
    result = checkTicket(ticket, kind, *table, draw);
    return std::nullopt;
}

QString hitText(const TicketResult& result) {
    if (result.hits == 5 && result.additionalHit) return QCoreApplication::translate("Matching", "5 + Z");
    return QString::number(result.hits);
}

QString missingTableText(const QString& code) {
    return QCoreApplication::translate("Matching", "Tabelle %1 fehlt").arg(code);
}

QString maxWinText(int maxHits) {
    if (maxHits < 3) return QString();
    return QCoreApplication::translate("Matching", "Max-Gewinn %1er").arg(maxHits);
}

ListCheck checkTipList(QStringList& lines, QString& selectorText, ParsedTicket& ticket, TicketResult& result,
                       HitTally& tally, const SystemTables& tables, const CurrentDraw& draw) {
    ListCheck check;
    tally.clear();

    for (qsizetype i = 0; i < lines.size(); ++i)
        if (TipLine::isBlank(lines[i])) check.removedLines.push_back(static_cast<int>(i));
    if (!check.removedLines.empty()) lines.removeIf([](const QString& line) { return TipLine::isBlank(line); });

    try {
        for (const QString& line : std::as_const(lines)) {
            // A line whose table is missing has a zero result.
            const std::optional<QString> missing = zettelcheck(line, ticket, selectorText, result, tables, draw);
            check.hitTexts << (missing ? missingTableText(*missing) : hitText(result));
            check.lineHits.push_back(result.hits);
            check.lineScored.push_back(!missing);
            if (missing) continue;
            tally.add(result);
            if (result.hits >= 3) ++check.winningLines;
            check.maxHits = std::max<int>(check.maxHits, result.hits);
        }
    } catch (const AppError& e) {
        check.error = e.message();
    } catch (const std::exception& e) {
        check.error = QString::fromLocal8Bit(e.what());
    }
    check.status = maxWinText(check.maxHits);
    return check;
}
