#pragma once
#include "history/DrawRecord.h"
#include "tips/SystemTable.h"
#include "tips/TipLine.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The draw of the evaluation date, against which the tip list is checked.
struct CurrentDraw {
    double date = 0.0;
    // Index 1 to 6: the winning numbers in record order; 7: the additional number; 8: the
    // eighth number byte. Index 0 is unused.
    std::array<int, 9> numbers{};
    // Zero-based position of the draw's record in the history file.
    int index = 0;

    void take(const DrawRecord& record) {
        date = record.date;
        const auto bytes = record.numberBytes();
        for (int i = 0; i < 8; ++i) numbers[i + 1] = bytes[i];
    }
    int crossSum() const {
        return numbers[1] + numbers[2] + numbers[3] + numbers[4] + numbers[5] + numbers[6];
    }
};

// How a tip line is counted against a draw, from the text of the system selector: exactly
// "Normal" a single tip, exactly "Vollsystem" a full system, anything else a reduced system.
enum class SystemKind { Single, Full, Reduced };
SystemKind systemKindOf(QStringView selectorText);

// The outcome of the last checked line.
struct TicketResult {
    std::uint8_t hits = 0;      // matches with the six winning numbers (best row of a reduced system)
    bool additionalHit = false; // the additional number is among the tip (of that best row)
    bool operator==(const TicketResult&) const = default;
};

// Tips per outcome of the last whole-list check.
struct HitTally {
    std::array<std::array<std::int32_t, 2>, 7> counts{};
    void clear() { counts = {}; }
    void add(const TicketResult& r) { ++counts[r.hits][r.additionalHit ? 1 : 0]; }
    int count(int hits, bool additionalHit) const { return counts[hits][additionalHit ? 1 : 0]; }
};

// Single tip and full system: every number of the line counts, up to the first field that is
// no number. Reduced system: each table row with an "x" within the line's fields is one tip of
// its first six marked numbers; the best row decides, the earliest of equally good rows giving
// the additional-number flag. A marked field that is no number throws ConversionError.
TicketResult checkTicket(const ParsedTicket& ticket, SystemKind kind, const SystemTable& table,
                         const CurrentDraw& draw);

// A line that names its system ("...:610") is scored by that code's own table; a line without
// ":" follows the selector's text and, for a reduced system, the table the selector loaded.
struct SystemTables {
    const SystemTable* selected = nullptr;
    SystemTableSet* byCode = nullptr;
};

// Parse and check in one: the line's system code, when it has one, replaces selectorText.
// result is zero when the check throws and when the line names a table that is missing; that
// table's code is returned then (the line was not scored).
std::optional<QString> zettelcheck(QStringView line, ParsedTicket& ticket, QString& selectorText,
                                   TicketResult& result, const SystemTables& tables, const CurrentDraw& draw);

// The hit-list entry of a line: "5 + Z" or the hit count.
QString hitText(const TicketResult& result);
QString missingTableText(const QString& code); // "Tabelle 610 fehlt"
// First status panel after a whole-list check: "Max-Gewinn 4er"; empty below three hits.
QString maxWinText(int maxHits);

// The outcome of checking a whole tip list.
struct ListCheck {
    std::vector<int> removedLines; // indices (in the list as it was) of blank lines, ascending
    QStringList hitTexts;          // one per remaining line, up to a line that failed
    std::vector<int> lineHits;     // the hits of each of those lines
    std::vector<bool> lineScored;  // false where the line's table is missing
    int maxHits = 0;
    int winningLines = 0; // lines with three or more hits: one win sound each
    QString status;       // the first status panel
    QString error;        // message of the failure that ended the line loop; empty when none
};

// Removes the blank lines from `lines`, then checks the others in order, each under the
// selector text the lines before it left. A line naming a missing table gets 0 hits and no
// place in the tally. A line whose check fails ends the loop: it and the lines after it get no
// hit-list entry.
ListCheck checkTipList(QStringList& lines, QString& selectorText, ParsedTicket& ticket, TicketResult& result,
                       HitTally& tally, const SystemTables& tables, const CurrentDraw& draw);
