#pragma once
#include "evaluation/Matching.h"
#include "history/Dividends.h"
#include "history/HistoryStamp.h"
#include "history/PrizeTable.h"
#include "stats/ChanceBaseline.h"
#include "tips/SystemTable.h"
#include "tips/TipFiles.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// What the player's tips cost and win: the columns a tip line plays, its stake, and what it won
// on a draw from that draw's prize table. A dividend the table does not know is never guessed:
// the columns it would pay are counted as wins of unknown value.
namespace Winnings {

// The hits and additional number of each prize level (Chance::Level).
inline constexpr std::array<std::pair<int, bool>, Chance::LevelCount> Tiers{
    {{3, false}, {4, false}, {5, false}, {5, true}, {6, false}}};

// How the lines of the tip list are played, from the system selector: a reduced system plays
// the rows of its table (at most six positions each), the others every six of the numbers.
Chance::TipShape listShape(int size, SystemKind kind, const SystemTable& table);

struct Ticket {
    std::uint64_t numbers = 0; // bit n set for number n
    Chance::TipShape shape;

    int columns() const { return Chance::rowsPlayed(shape); }
    // The columns as bit sets of numbers: every six of a full system's numbers in lexicographic
    // order, the rows of a reduced system in table order.
    std::vector<std::uint64_t> expandedColumns() const;
};

// The ticket of a line: its different numbers from 1 to 49; none for fewer than six. A line of
// the list's size is played as the list's shape says, another as a full system.
std::optional<Ticket> ticketOf(const QString& line, const Chance::TipShape& listShape);
// A line played by its own designation (a reduced code by that code's table); a line without
// ":" as `fallback` says. No ticket for fewer than six numbers or a code without a table file,
// which missingTable then names.
struct PlayedLine {
    std::optional<Ticket> ticket;
    QString missingTable;
};
PlayedLine playedLine(const QString& line, SystemTableSet& tables, const Chance::TipShape& fallback);
// The tickets of the list's lines that can be played, in list order.
std::vector<Ticket> ticketsOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);
// The shape of the list's first line that can be played; `fallback` for a list without one.
Chance::TipShape listShapeOf(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);

// The columns the list plays on one draw and the codes of missing tables (lines that cost nothing).
struct ListStake {
    std::int64_t columns = 0;
    QStringList missingTables;
};
ListStake listStake(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback);
// "Einsatz je Ziehung: 28 Reihen × 0,50 € = 14,00 €", the missing tables named after it.
QString stakeText(const ListStake& stake, std::optional<double> pricePerColumn);

// The price of one column on one draw from the fee field's text ("0,50" or "0.50"); the fee for
// both draw days is per week, so half of it is the price per draw. None for no amount or below 0.
std::optional<double> pricePerColumn(const QString& feeText, bool bothDays);

// What one ticket did on one draw.
struct Result {
    std::array<std::int64_t, Chance::LevelCount> columns{}; // winning columns per Chance::Level
    Chance::Money money;
};
Result result(const Ticket& ticket, const Chance::Round& round, double pricePerColumn,
              const DividendSource* dividends);
Chance::Money listMoney(const std::vector<Ticket>& tickets, const Chance::Round& round, double pricePerColumn,
                        const DividendSource* dividends);

Chance::Round roundOf(const CurrentDraw& draw, int tips);

// "1.234,50 €".
QString euros(double amount);
// The known money: "1,50 €"; "unbekannt" when no win's dividend is known, "1,50 € + unbekannt"
// when some are not.
QString moneyText(const Chance::Money& money);
void addMoney(Chance::Money& to, const Chance::Money& money);

// The hint of a winning line: "Gewinn: 35,50 €", "Gewinn: Quote unbekannt", or the known part
// and how many winning columns have no known dividend.
QString winningText(const Chance::Money& money);

// The source knows some dividend of the draw on `date`: its prize table is there.
bool prizesKnown(const DividendSource* dividends, const QDate& date);
// A winning line's tiers and money, highest tier first: "6 × 4er, 16 × 3er = 234,00 €".
QString tierText(const Result& result);
// What the whole list won: "Gewinn: 234,00 € (Einsatz 14,00 €)"; no stake part without a price.
QString listWinText(const Chance::Money& money, bool priceKnown);

// The tip list's results draw by draw, for the comparison with chance.
struct Tally {
    std::vector<Chance::Round> rounds;
    std::array<std::int64_t, Chance::LevelCount> levels{};
    Chance::Money money;

    void add(const Chance::Round& round, const HitTally& hits, const std::vector<Ticket>& tickets,
             double pricePerColumn, const DividendSource* dividends);
};

// The prize tables of a file as a dividend source, read again only when the file changed.
class PrizeTableFile {
public:
    // Null when the file is missing, a directory or cannot be read: every dividend unknown.
    const DividendSource* dividends(const QString& path);

private:
    struct Kept;
    std::shared_ptr<Kept> m_kept;
};

} // namespace Winnings

// The tip list as the operator's slips take it: a reduced system as the six-number rows of its
// table (the slip has no box for its code), a full system as one column with its rows and stake.
namespace SlipTips {

// Each line played by its own designation (Winnings::playedLine). A line that cannot be played
// stays as it is, a missing table named below it. pricePerRow: none when it is not known.
std::vector<TipFiles::SlipTip> of(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback,
                                  std::optional<double> pricePerRow);

} // namespace SlipTips
