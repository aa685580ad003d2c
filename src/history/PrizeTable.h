#pragma once
#include <QDate>
#include <QString>
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
// always written with two decimals; files of earlier versions hold a bare 0 or 1 there (whether
// the tier was fixed), read as 0 and as the tier's dividend. Lines end with CR LF.
//
// Earlier versions placed the categories by their order instead of their id, so the hits of a
// line are always taken from its category id on reading; a file with lines so mended (or with
// old `fixed` flags) reports it, and readMending writes it back corrected.
class PrizeTable {
public:
    static const QString Header;

    // The companion file of a history: "<name>.quoten.csv" in the history's directory.
    static QString companionPath(const QString& historyPath);

    // A missing file is an empty table; damaged lines are skipped and counted. Throws FileError
    // when the file exists but cannot be read.
    static PrizeTable read(const QString& path);
    // read, and a file that needed mending is replaced by the mended table at once (not when
    // it has damaged lines, which writing would drop; a failure to write leaves it for the next
    // reading; the table read is right either way).
    static PrizeTable readMending(const QString& path);
    // Replaces the file in one step (through TextFile's atomic writer). Throws FileError.
    void write(const QString& path) const;

    // Replaces the draw of the same date.
    void merge(const DrawPrizes& draw);
    const DrawPrizes* find(const QDate& date) const;
    // The published dividend of a tier; nullopt when the draw or the tier is unknown.
    std::optional<double> dividend(const QDate& date, int hits, bool additional) const;
    int size() const { return int(m_draws.size()); }
    int damagedLines() const { return m_damaged; }
    // Lines read with other hits or an old `fixed` flag than this version writes.
    int mendedLines() const { return m_mended; }

    std::vector<DrawPrizes> draws() const;

private:
    std::map<qint64, DrawPrizes> m_draws; // by Julian day
    int m_damaged = 0;
    int m_mended = 0;
};
