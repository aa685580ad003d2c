#pragma once
#include "evaluation/Slips.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

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

// The first regular draw day (Wednesday or Saturday) after `date`.
QDate nextDrawDay(const QDate& date);

// ---- Texts, in the messages' language and the locale's number format ----
// The column headers of the table: date, slip, columns, stake, tier, winnings.
QStringList headers();
inline QString euro(double amount) { return Winnings::euros(amount); }
inline QString winningsText(const Chance::Money& money) { return Winnings::moneyText(money); }
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
