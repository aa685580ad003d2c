#pragma once
#include "evaluation/Winnings.h" // Ticket, PlayedLine, playedLine
#include "history/Dividends.h"
#include "history/DrawRecord.h"
#include "tips/SystemTableSet.h"

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

// Tip lines (any system kind) played from a first draw date on for `draws` consecutive draws
// of the history (whatever their weekday).
struct Slip {
    QString id;   // unique in the book, never reused (kept in the file)
    QString name; // may be empty
    QStringList lines;
    QDate firstDraw;
    int draws = 1;             // 1..MaxDraws
    double pricePerColumn = 0; // euros per column and draw

    bool operator==(const Slip&) const = default;
};

// Columns one draw of the slip plays (a line whose table is missing plays none).
int columnsOf(const Slip& slip, SystemTableSet& tables);
double stakePerDraw(const Slip& slip, SystemTableSet& tables); // columns × price

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
    // the best tier as text: "3 Richtige", "5 + Z", "–" when nothing won (translated)
    QString bestTierText() const;
};

// The first `draws` draws of the history dated on or after firstDraw; fewer while the later
// draws have not been drawn yet.
std::vector<DrawRecord> coveredDraws(const Slip& slip, const std::vector<DrawRecord>& history);
bool finished(const Slip& slip, const std::vector<DrawRecord>& history); // every draw drawn

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
    void replace(int index, Slip slip); // edit: keeps the id
    void remove(int index);

private:
    std::vector<Slip> m_slips;
    QList<QByteArray> m_damaged; // lines that could not be read, written back byte for byte
    int m_lastId = 0;      // the highest id ever given (kept in the file's header)
};

} // namespace Slips
