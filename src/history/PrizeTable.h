#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// One prize tier of a draw as the operator publishes it. `category` is the operator's own id;
// `hits` and `additional` are our reading of it (OperatorResults::tierOf). hits = 0 marks a tier
// we could not place: it never pays; the id is kept so that the reading can be mended later.
struct PrizeTier {
    int category = 0;
    int hits = 0;
    bool additional = false;
    double dividend = 0; // euros per winning column; 0 when nobody won the tier
    qint64 winners = 0;
    double fixed = 0;    // the fixed prize in euros; 0 for a share of the pool
    double jackpot = 0;  // the amount carried over into the next draw
};

struct DrawPrizes {
    QDate date;
    qint64 drawId = 0;
    std::vector<PrizeTier> tiers;
};

// The prize tables of the draws, kept beside the history in a CSV file of their own (the history
// file format has no room for them). One line per tier, after a header line:
//   date,drawId,category,hits,additional,dividend,winners,fixed,jackpot
//   2025-08-30,2925,1,6,0,0,0,0.00,1250000
//   2025-08-30,2925,2,5,0,1500,3,1500.00,0
// Dates ISO, the flag 0/1, amounts as decimal numbers with a dot. `fixed` is the fixed prize,
// written with two decimals; older files hold a bare 0 or 1 there (whether the tier was fixed),
// read as 0 and as the tier's dividend. Lines end with CR LF.
//
// Older files placed the categories by their order, so the hits of a line are always taken
// from its category id; readMending writes such lines back corrected.
//
// The player may mend the file by hand, so a line that cannot be read (damaged, a second drawId
// for a date, a tier beyond MaxTiers) is kept as it is and written back after the draws.
class PrizeTable {
public:
    static const QString Header;
    // A draw of Lotto has five tiers; of a larger table the first MaxTiers are kept.
    static constexpr int MaxTiers = 32;
    // A real file of 3,500 draws is some 200 kB; a file beyond these is refused whole.
    static constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
    static constexpr qsizetype MaxFileLines = 200000;

    // The companion file of a history: "<name>.quoten.csv" in the history's directory.
    static QString companionPath(const QString& historyPath);

    // A missing file is an empty table. Throws FileError when the file exists but cannot be
    // read (no regular file, no permission, beyond MaxFileBytes or MaxFileLines).
    static PrizeTable read(const QString& path);
    // read, and a file that needed mending is replaced by the mended table at once (a failure
    // to write leaves it for the next reading).
    static PrizeTable readMending(const QString& path);
    // readMending for an update that writes the file back. A file that cannot be read at all
    // would block every later update: it is moved aside to "<path>.defekt" (".defekt2", ...;
    // never over another file) and the table starts empty. If even the move fails, the table
    // is not writable(). notes() says what happened. Never throws FileError.
    static PrizeTable readForUpdate(const QString& path);
    // Replaces the file in one step: the draws by date, then the lines kept unread.
    void write(const QString& path) const;

    // Replaces the draw of the same date, keeping at most MaxTiers tiers (with a note).
    void merge(const DrawPrizes& draw);
    const DrawPrizes* find(const QDate& date) const;
    // The published dividend of a tier; nullopt when the draw or the tier is unknown.
    std::optional<double> dividend(const QDate& date, int hits, bool additional) const;
    int size() const { return int(m_draws.size()); }
    // Lines that could not be read into the table; they are kept as they are.
    int damagedLines() const { return int(m_unread.size()); }
    // Lines read with other hits or an old `fixed` flag than this version writes.
    int mendedLines() const { return m_mended; }

    std::vector<DrawPrizes> draws() const;

    // False only after readForUpdate could neither read the file nor move it aside.
    bool writable() const { return m_writable; }
    // Where readForUpdate moved the file; empty when it did not.
    const QString& setAsidePath() const { return m_setAside; }
    // What the player should know about the file and the tables, one sentence each.
    const QStringList& notes() const { return m_notes; }

private:
    void addTier(const QString& line, const QDate& date, qint64 drawId, PrizeTier tier);

    std::map<qint64, DrawPrizes> m_draws; // by Julian day
    QStringList m_unread;                 // lines as they were, in file order
    int m_firstUnreadLine = 0;            // its line number in the file, from 1
    int m_mended = 0;
    bool m_writable = true;
    QString m_setAside;
    QStringList m_notes;
};
