#pragma once
#include "evaluation/CurrentDraw.h"
#include "tips/SystemTable.h"
#include "tips/SystemTableSet.h"
#include "tips/TipLine.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// How a tip line is counted against a draw. The kind follows the text of the system
// selector: exactly "Normal" is a single tip, exactly "Vollsystem" a full system, anything
// else a reduced system whose rows come from the loaded SystemTable.
enum class SystemKind { Single, Full, Reduced };
SystemKind systemKindOf(QStringView selectorText);

// The outcome of the last checked line.
struct TicketResult {
    std::uint8_t hits = 0;      // matches with the six winning numbers (best row of a reduced system)
    bool additionalHit = false; // the additional number is among the tip (of that best row)
    bool operator==(const TicketResult&) const = default;
};

// Tips per outcome of the last whole-list check, by hits 0..6 and additional number no/yes.
struct HitTally {
    std::array<std::array<std::int32_t, 2>, 7> counts{};
    void clear() { counts = {}; }
    void add(const TicketResult& r) { ++counts[r.hits][r.additionalHit ? 1 : 0]; }
    int count(int hits, bool additionalHit) const { return counts[hits][additionalHit ? 1 : 0]; }
};

// Checks a parsed tip against a draw.
// Single tip and full system: every number of the line counts (a full system thus counts the
// winning numbers among all of its numbers); the count stops at the first field that is no
// number, keeping what was counted before it.
// Reduced system: each table row 1..rowCount with an "x" within the line's fields is one row
// tip, made of its first six marked numbers (a row marking fewer counts the ones it marks);
// the best row decides, the earliest of equally good rows giving the additional-number flag.
// A marked field that is no number throws ConversionError.
TicketResult checkTicket(const ParsedTicket& ticket, SystemKind kind, const SystemTable& table,
                         const CurrentDraw& draw);

// The reduced-system tables a check scores lines with. A line that names its system ("...:610")
// is scored by that code's own table, whatever the selector loaded; a line without ":" follows
// the selector's text and, for a reduced system, the table the selector loaded. Both are needed.
struct SystemTables {
    const SystemTable* selected = nullptr;
    SystemTableSet* byCode = nullptr;
};

// What parsing and checking one line told besides its result.
struct LineOutcome {
    // The line's system code replaced selectorText.
    bool selectorSet = false;
    // The code the line names when there is no table file for it: the line was not scored.
    std::optional<QString> missingTable;
};

// Parse and check in one: the line's system code, when it has one, replaces selectorText;
// the kind then follows selectorText. result is zero when the check throws and when the line
// names a table that is missing.
LineOutcome zettelcheck(QStringView line, ParsedTicket& ticket, QString& selectorText, TicketResult& result,
                        const SystemTables& tables, const CurrentDraw& draw);

// The hit-list entry of a line: "5 + Z" for five hits with the additional number, otherwise
// the hit count.
QString hitText(const TicketResult& result);
// The hit-list entry of a line whose table file is missing: "Tabelle 610 fehlt".
QString missingTableText(const QString& code);
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

// Removes the lines that are blank after trimming from `lines`, then checks the others in
// order, each under the selector text the lines before it left (a line without ":" takes the
// kind of the line before). The tally is cleared first. A line naming a missing table gets
// the entry "Tabelle ... fehlt", 0 hits and no place in the tally. A line whose check fails
// ends the loop: it and the lines after it get no hit-list entry, and max and status reflect
// the lines checked before it.
ListCheck checkTipList(QStringList& lines, QString& selectorText, ParsedTicket& ticket, TicketResult& result,
                       HitTally& tally, const SystemTables& tables, const CurrentDraw& draw);
