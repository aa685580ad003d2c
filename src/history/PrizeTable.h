#pragma once
#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <vector>

// One prize tier of a draw as the operator publishes it. `category` is the operator's own id;
// `hits` and `additional` are our reading of it (see OperatorResults: the tiers are mapped in
// id order to 6, 5 + additional number (while the game had one), 5, 4, 3 hits). hits = 0 marks
// a tier we could not place; the id is kept so that a wrong mapping can be mended later.
struct PrizeTier {
    int category = 0;
    int hits = 0;
    bool additional = false;
    double dividend = 0; // euros per winning column; 0 when nobody won the tier
    qint64 winners = 0;
    bool fixed = false;  // a fixed prize rather than a share of the pool
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
//   2025-08-30,2925,1,6,0,0,0,0,1250000
// Dates ISO, flags 0/1, amounts as decimal numbers with a dot. Lines end with CR LF.
class PrizeTable {
public:
    static const QString Header;

    // The companion file of a history: "<name>.quoten.csv" in the history's directory.
    static QString companionPath(const QString& historyPath);

    // A missing file is an empty table; damaged lines are skipped and counted. Throws FileError
    // when the file exists but cannot be read.
    static PrizeTable read(const QString& path);
    // Replaces the file in one step (through TextFile's atomic writer). Throws FileError.
    void write(const QString& path) const;

    // Replaces the draw of the same date.
    void merge(const DrawPrizes& draw);
    const DrawPrizes* find(const QDate& date) const;
    // The published dividend of a tier; nullopt when the draw or the tier is unknown.
    std::optional<double> dividend(const QDate& date, int hits, bool additional) const;
    int size() const { return int(m_draws.size()); }
    int damagedLines() const { return m_damaged; }

    std::vector<DrawPrizes> draws() const;

private:
    std::map<qint64, DrawPrizes> m_draws; // by Julian day
    int m_damaged = 0;
};
