#pragma once
#include "base/Lotto.h"
#include "history/DrawBrowsing.h"
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class BarChartModel;

// The numbers the tips are drawn from, with weights: a number with three entries is three
// times as likely to be picked as a number with one. The order of the entries decides which
// number a given random value picks, so every step that builds the pool keeps it exactly.
class PreferencePool {
public:
    static constexpr int Capacity = 540;

    // Appends `times` entries of n. Entries beyond the capacity are discarded, and so is a
    // number outside 1..49 (a damaged draw record could make the neighbour block ask for one;
    // it must never reach a tip).
    void add(int n, int times = 1);
    void clear() { m_size = 0; }

    int size() const { return m_size; }
    const std::uint8_t* data() const { return m_entries.data(); }
    std::vector<int> entries() const;

    // Index 1..49: the number of entries of each number.
    std::array<int, Lotto::NumberSlots> weights() const;
    int distinctCount() const;

    // Removes every entry that `excluded` marks, keeping all other entries: walking from the
    // first position, a removed entry is replaced by the last entry of the pool (which is then
    // examined in turn), and the pool shortens by one.
    void removeNumbers(std::uint64_t excluded);

    // The pool as the number choice window's OK gives it back: the entries of the numbers still
    // ticked keep their weights (removed as removeNumbers does), and each ticked number the pool
    // did not hold gets one entry at the end. Boxes as the pool preset them change nothing.
    void keepTicked(const std::array<bool, Lotto::NumberSlots>& ticked);

    // The pool as the number choice window's "Ändern" gives it back: for n = 1..49 whose box is ticked,
    // its weight text w converted to a whole number (ConversionError when it is none), w 0
    // counted as 1, and w + 1 entries of n (none for a negative w).
    void rebuild(const std::array<bool, Lotto::NumberSlots>& ticked, const std::array<QString, Lotto::NumberSlots>& weightTexts);

private:
    std::array<std::uint8_t, Capacity> m_entries{};
    int m_size = 0;
};

// The values of the last three draws, as the generator's rules and the neighbour block use
// them: each group holds the eight number bytes of a record (six numbers, additional number,
// eighth byte) in stored order. Group 0 is the last draw, 1 the second-last, 2 the third-last.
struct RecentDraws {
    std::array<std::array<std::uint8_t, 8>, 3> groups{};

    // Bit v set for each of the first seven values v (1..63) of a group: what the rules on
    // recent draws compare with. A value 0 never matches.
    std::uint64_t mask(int group) const;

    // The draw on or after `date` (the last draw when none is), then one draw back twice with
    // the weekday rule, as the draw browsing steps. Empty history: all groups zero.
    static RecentDraws fromHistory(const std::vector<DrawRecord>& records, double date,
                                   const DrawBrowsing::WeekdayRule& rule);
};

// A statistic as the pool reads it back from the chart: the bar values of Series2 and the
// value axis limits (the fixed range, or what the automatic scaling chose).
struct StatisticBars {
    std::vector<double> values;
    double min = 0;
    double max = 0;
};
StatisticBars readStatistic(const BarChartModel& chart);

enum class PoolStatistic { Pairs, Triples, Quadruples, Frequencies, Overdue };

// The options of the pool phase, read from the controls when the phase starts.
struct PoolOptions {
    bool frequentPairs = false;      // CheckBox1
    bool rarePairs = false;          // CheckBox11
    bool frequentTriples = false;    // CheckBox6
    bool rareTriples = false;        // CheckBox12
    bool frequentQuads = false;      // CheckBox7
    bool rareQuads = false;          // CheckBox13
    bool frequentNumbers = false;    // CheckBox2
    int frequentPercent = 30;        // UpDown12
    bool rareNumbers = true;         // CheckBox14
    int rarePercent = 30;            // UpDown14
    bool overdue = true;             // CheckBox10
    int overduePercent = 30;         // UpDown13
    bool lastDrawNeighbours = false; // CheckBox19
    bool onlyPreferred = false;      // CheckBox15
    int numbersPerTip = 6;           // UpDown18
    // A recent draw whose allowance is 0 with its box on: its numbers leave the pool.
    std::array<bool, 3> excludeDraw{true, false, false};
};

// Where the pool phase gets its statistics from and where it reports its progress.
class PoolSource {
public:
    virtual ~PoolSource() = default;
    // Runs the statistic (its status text has been shown) and returns what the chart holds.
    virtual StatisticBars compute(PoolStatistic statistic) = 0;
    virtual void status(const QString& /*text*/) {}
};

// German sources; shown through translated() (base/Tr.h) in the player's language.
inline const QString NeighboursText =
    QString::fromUtf8(QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der benachbarten Zahlen der letzten Ziehung"));
inline const QString TooFewNumbersText = QString::fromUtf8(QT_TRANSLATE_NOOP(
    "PreferencePool",
    "Es stehen zu wenig Zahlen für eine Berechnung zu Verfügung. Ändern Sie die Einstellungen unter "
    "Optionen=>Statistisch"));

// Band limits of the statistics; x rounded half to even, computed exactly for whole values.
namespace PoolBands {
// Group statistics, a fixed 30 % of the range: frequent round(max - 0.3 (max - min)) < v <= round(max),
// rare 0 < v <= round(min + 0.3 (max - min)).
int frequentGroupLow(double min, double max);
int rareGroupHigh(double min, double max);
// Number statistics with a percentage p: pass 1 takes p % of the range, pass 2 half of it.
int frequentNumberLow(double min, double max, int percent, int divisor); // divisor 100 or 200
int rareNumberHigh(double min, double max, int percent, int divisor);
// The status of one band: its limits and the pool size after it, "Min: lo  Max: hi  size" in
// German; the rare group band of the quadruples and the first pass of the overdue band have
// one blank before "Max" instead of two.
QString statusText(int lo, int hi, int size, bool oneBlank = false);
} // namespace PoolBands

enum class PoolOutcome { Ready, TooFewNumbers };

// Builds the pool: the statistic blocks in their fixed order, then the base entries (or the
// shortage check when only preferred numbers are used), then the exclusion of recent draws.
PoolOutcome buildPool(PreferencePool& pool, const PoolOptions& options, const RecentDraws& recent,
                      PoolSource& source);

struct HistoryRecords;

// The statistics computed from history records into a chart model of its own, exactly as the
// window's chart buttons compute them; for running the generator without the window.
class HistoryPoolSource : public PoolSource {
public:
    HistoryPoolSource(const std::vector<DrawRecord>& records, const DrawFilter& filter);
    // From a reading of the history file: the number frequencies and the overdue numbers come
    // from its running counts, as the window's run takes them (same values as the walk).
    HistoryPoolSource(const HistoryRecords& history, const DrawFilter& filter);
    ~HistoryPoolSource() override;
    StatisticBars compute(PoolStatistic statistic) override;

private:
    const std::vector<DrawRecord>& m_records;
    const HistoryRecords* m_history = nullptr;
    DrawFilter m_filter;
    std::unique_ptr<BarChartModel> m_chart;
};
