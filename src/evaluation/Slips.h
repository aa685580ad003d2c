#pragma once
#include "evaluation/Winnings.h" // Ticket, PlayedLine, playedLine
#include "history/Dividends.h"
#include "history/DrawRecord.h"
#include "tips/SystemTable.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The slips the player has actually played, each checked against the draws it covers as soon
// as they are in the history, with each draw's own dividends.
namespace Slips {

constexpr int MaxDraws = 10;

// Tip lines (any system kind) played on `draws` consecutive draws of the history from firstDraw
// on, whatever their weekday.
struct Slip {
    QString id;   // unique in the book, never reused (kept in the file)
    QString name; // may be empty
    QStringList lines;
    QDate firstDraw;
    int draws = 1;             // 1..MaxDraws
    double pricePerColumn = 0; // euros per column and draw

    bool operator==(const Slip&) const = default;
};

// Columns one draw of the slip plays (a line whose table is missing plays none), and their price.
int columnsOf(const Slip& slip, SystemTableSet& tables);
double stakePerDraw(const Slip& slip, SystemTableSet& tables);

struct ColumnHits {
    std::uint64_t numbers = 0; // bit n = number n
    int hits = 0;
    bool additional = false;
};
struct LineCheck {
    QString line;
    QString missingTable;            // the code whose table file is missing; columns empty then
    std::vector<ColumnHits> columns; // every played column in order
    Winnings::Result result;         // winning columns per level and money
};
// A slip on one draw it covers.
struct DrawCheck {
    int slip = -1; // index into the book's slips
    QDate date;
    std::array<int, 6> winning{}; // ascending
    int additionalNumber = 0;     // 0: the draw had none
    std::vector<LineCheck> lines;
    int columns = 0;
    Chance::Money money; // stake of this draw, known return, unknown wins
    int bestHits = 0;
    bool bestAdditional = false;
    QString bestTierText() const; // "3 Richtige", "5 + Z"; "–" when nothing won
};

// The slip's draws that the history holds; fewer than `draws` while the later ones are to come.
std::vector<DrawRecord> coveredDraws(const Slip& slip, const std::vector<DrawRecord>& history);
bool finished(const Slip& slip, const std::vector<DrawRecord>& history);

// The draw a slip recorded now is first played on: the announced next draw when it lies after
// the newest stored draw and not before today; else the first Wednesday or Saturday after the
// newest stored draw (may be invalid) and not before today.
QDate nextDrawDate(const std::optional<QDate>& announced, const QDate& newestStored, const QDate& today);

// Every (slip, covered draw) pair, in slip order then date order, checked with that draw's
// dividends (null source: every dividend unknown).
std::vector<DrawCheck> checkAll(const std::vector<Slip>& slips, const std::vector<DrawRecord>& history,
                                const DividendSource* dividends, SystemTableSet& tables);
// Only the pairs whose draw date is in `newDates`.
std::vector<DrawCheck> checkNew(const std::vector<Slip>& slips, const std::vector<DrawRecord>& history,
                                const std::vector<QDate>& newDates, const DividendSource* dividends,
                                SystemTableSet& tables);

// "2 Scheine geprüft: 1 × 3 Richtige, 1,50 €"; empty when no slip was checked.
QString summaryText(const std::vector<DrawCheck>& checks);

// The money of a set of checks, and what the same columns would return on average on those
// draws (from the hit probabilities and each draw's dividends; none when one is unknown).
struct Totals {
    Chance::Money money;
    std::optional<double> expectedReturn;
};
Totals totals(const std::vector<DrawCheck>& checks, const DividendSource* dividends);

// The slips file (documented in docs/files.md). Damaged lines are reported and kept as they
// are when the book is saved again; never dropped.
class SlipBook {
public:
    struct LoadResult {
        QString error; // in words, empty = ok (missing file = empty book)
        QStringList damagedLines;
    };
    LoadResult load(const QString& path);
    QString save(const QString& path) const; // the error in words, empty on success
    const std::vector<Slip>& slips() const { return m_slips; }
    QString add(Slip slip);             // gives it a new id, returns the id
    void replace(int index, Slip slip); // keeps the id
    void remove(int index);

private:
    std::vector<Slip> m_slips;
    QList<QByteArray> m_damaged; // lines that could not be read, written back byte for byte
    int m_lastId = 0;      // the highest id ever given (kept in the file's header)
};

} // namespace Slips

// The player's slips as one ledger, a row for every draw each slip covers, drawn and checked or
// still to come: everything the slips window shows and decides.
namespace SlipLedger {

// Open: the rows of slips with draws still to come; Won: the drawn rows that won.
enum class Filter { All, Open, Finished, Won };

struct Row {
    int slip = -1;  // index into the book's slips
    int check = -1; // index into Ledger::checks; -1 while the draw is still to come
    int draw = 1;   // which of the slip's draws, 1 to its draws
    // For a draw still to come the draw day it is due on, counted on from the last drawn one.
    QDate date;
    int columns = 0;
    double stake = 0; // of this draw
    bool slipFinished = false;

    bool open() const { return check < 0; }
};

struct Ledger {
    std::vector<Slips::DrawCheck> checks; // as Slips::checkAll gives them
    std::vector<Row> rows;                // slip order, each slip's draws in date order
};

Ledger build(const std::vector<Slips::Slip>& slips, const std::vector<DrawRecord>& history,
             const DividendSource* dividends, SystemTableSet& tables);

// A drawn row with at least one winning column.
bool won(const Ledger& ledger, const Row& row);
// The indexes of the rows the filter keeps, in ledger order.
std::vector<int> rowsOf(const Ledger& ledger, Filter filter);
// The checks of those rows (the drawn ones), for Slips::totals.
std::vector<Slips::DrawCheck> checksOf(const Ledger& ledger, const std::vector<int>& rows);

// The known balance after each draw date of the drawn rows, in date order.
struct BalancePoint {
    QDate date;
    double balance = 0;
};
std::vector<BalancePoint> runningBalance(const Ledger& ledger, const std::vector<int>& rows);

// ---- Texts, in the messages' language and the locale's number format ----
// The column headers of the table: date, slip, columns, stake, tier, winnings.
QStringList headers();
// The slip's name, or "Schein <id>" for a slip without one.
QString slipName(const Slips::Slip& slip);
// The best tier of a drawn row ("3 Richtige", "–"), "offen" for a draw still to come.
QString tierText(const Ledger& ledger, const Row& row);
// The row's winnings, "offen" for a draw still to come.
QString rowWinningsText(const Ledger& ledger, const Row& row);
// The totals line: staked, won, balance, the average return of the same stake, what is to come.
QString totalsText(const Slips::Totals& totals, int openDraws, double openStake);

// The rows as CSV, one line per row after a header line, lines ended by CR LF:
//   datum,schein,spalten,einsatz,gewinnklasse,gewinn,ohne_quote
//   2025-08-23,Wochenende,28,14.00,4,35.20,0
// datum ISO; schein quoted when it holds a comma or a quote; einsatz and gewinn with a dot and
// two decimals (gewinn the known part, empty for a draw to come); gewinnklasse 3, 4, 5, 5+ZZ, 6,
// empty for no win, "offen" for a draw to come; ohne_quote the winning columns of unknown
// dividend. UTF-8 without byte-order mark.
QByteArray toCsv(const Ledger& ledger, const std::vector<int>& rows, const std::vector<Slips::Slip>& slips);

// The rows as a page of text for the print preview, in fixed-width columns.
QStringList printText(const QString& title, const Ledger& ledger, const std::vector<int>& rows,
                      const std::vector<Slips::Slip>& slips, const QString& totalsLine);

} // namespace SlipLedger
