#pragma once
#include "evaluation/CurrentDraw.h"
#include "evaluation/Matching.h"
#include "history/Dividends.h"
#include "history/HistoryStamp.h"
#include "history/PrizeTable.h"
#include "stats/ChanceBaseline.h"
#include "tips/SystemTableSet.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the player's tips cost and win: the columns a tip line plays, its stake, and what it won
// on a draw from that draw's prize table. A dividend the table does not know is never guessed:
// the columns it would pay are counted as wins of unknown value.
namespace Winnings {

// How the lines of the tip list are played, from the system selector: `size` numbers per tip;
// a reduced system plays the rows of its table (each row the positions of the tip's numbers in
// ascending order, at most six), a single tip or full system every six of its numbers.
Chance::TipShape listShape(int size, SystemKind kind, const SystemTable& table);

// One tip line as it is played.
struct Ticket {
    std::uint64_t numbers = 0; // bit n set for number n
    Chance::TipShape shape;

    // Columns of six numbers it plays: 1, C(n, 6) for a full system, the rows of a reduced one.
    int columns() const { return Chance::rowsPlayed(shape); }
    // Those columns as bit sets of numbers: the tip itself, every six of a full system's
    // numbers (in lexicographic order of the numbers), the rows of a reduced system in table
    // order.
    std::vector<std::uint64_t> expandedColumns() const;
};

// The ticket of a line: its different numbers from 1 to 49 (fields that are no number, out of
// range or repeated are left out). None for fewer than six such numbers. A line of the list's
// size is played as the list's shape says; a line of another size as a full system of its
// numbers.
std::optional<Ticket> ticketOf(const QString& line, const Chance::TipShape& listShape);
// A line played by its own designation: "Normal" a single tip, "Vollsystem" or "007" to "012"
// a full system of its numbers, any other code the rows of that code's table. A line without
// ":" is played as `fallback` says (ticketOf). The ticket is none for a line of fewer than six
// numbers and for a code without a table file; missingTable then names that code.
struct PlayedLine {
    std::optional<Ticket> ticket;
    QString missingTable;
};
PlayedLine playedLine(const QString& line, SystemTableSet& tables, const Chance::TipShape& fallback);
// The tickets of the list's lines that can be played, each by its own designation (playedLine),
// in list order.
std::vector<Ticket> ticketsOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);
// How the list's tips are played, for a comparison with random tips of the same kind: the
// shape of its first line that can be played; `fallback` for a list without one.
Chance::TipShape listShapeOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);

// What the list costs on one draw before it is played: the columns of its lines and the codes
// of tables that are missing (those lines cost nothing, as they cannot be played).
struct ListStake {
    std::int64_t columns = 0;
    QStringList missingTables;
};
ListStake listStake(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);
// "Einsatz je Ziehung: 28 Reihen × 0,50 € = 14,00 €"; "Preis unbekannt" when the price is no
// amount; the missing tables named after it.
QString stakeText(const ListStake& stake, std::optional<double> pricePerColumn);

// The price of one column on one draw from the fee field's text ("0,50" or "0.50"); the fee for
// both draw days is per week, so half of it is the price per draw. None when the text is no
// amount or is negative.
std::optional<double> pricePerColumn(const QString& feeText, bool bothDays);

// What one ticket did on one draw.
struct Result {
    // Winning columns of each prize level (Chance::Level).
    std::array<std::int64_t, Chance::LevelCount> columns{};
    // Stake (columns × price), the known return and the winning columns of unknown dividend.
    Chance::Money money;
};
Result result(const Ticket& ticket, const Chance::Round& round, double pricePerColumn,
              const DividendSource* dividends);
// Stake and return of every ticket together.
Chance::Money listMoney(const std::vector<Ticket>& tickets, const Chance::Round& round, double pricePerColumn,
                        const DividendSource* dividends);

// The draw loaded for the evaluation, played with `tips` tips.
Chance::Round roundOf(const CurrentDraw& draw, int tips);

// What a winning line won, as its hit-list entry hints it: "Gewinn: 35,50 €", "Gewinn: Quote
// unbekannt", or the known part and how many winning columns have no known dividend.
QString winningText(const Chance::Money& money);

// The source knows some dividend of the draw on `date`: its prize table is there.
bool prizesKnown(const DividendSource* dividends, const QDate& date);
// A winning line's tiers and money, highest tier first: "6 × 4er, 16 × 3er = 234,00 €". The
// money is "unbekannt" when no column's dividend is known, "… € + unbekannt" when some are not.
QString tierText(const Result& result);
// What the whole list won on the draw: "Gewinn: 234,00 € (Einsatz 14,00 €)", with "unbekannt"
// in place of what is not known; no stake part when the price is not known.
QString listWinText(const Chance::Money& money, bool priceKnown);

// The rounds, hits per prize level and money of the tip list draw by draw, as the comparison
// with chance collects them.
struct Tally {
    std::vector<Chance::Round> rounds;
    std::array<std::int64_t, Chance::LevelCount> levels{};
    Chance::Money money;

    // The draw, with the hits the list's check counted on it and the money of the tickets.
    void add(const Chance::Round& round, const HitTally& hits, const std::vector<Ticket>& tickets,
             double pricePerColumn, const DividendSource* dividends);
};

// The prize tables of a file as a dividend source, read again only when the file changed (one
// stat() per call tells).
class PrizeTableFile {
public:
    // The dividends of the file at `path` as it is now; null when it is missing, a directory or
    // cannot be read: every dividend is then unknown.
    const DividendSource* dividends(const QString& path);

private:
    struct Kept;
    std::shared_ptr<Kept> m_kept;
};

} // namespace Winnings
