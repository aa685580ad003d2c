#pragma once
#include "base/Lotto.h"
#include "history/DrawBrowsing.h"
#include "history/DrawRecord.h"
#include "stats/BarChartModel.h"
#include "stats/DrawFilter.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct HistoryRecords;

// The numbers the tips are drawn from, one entry per weight. The order of the entries decides
// which number a given random value picks, so every step that builds the pool keeps it exactly.
class PreferencePool {
public:
    static constexpr int Capacity = 540;

    // Appends `times` entries of n; entries beyond the capacity are discarded, and so is a
    // number outside 1..49 (the neighbours of a damaged draw record).
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

    // The number choice window's OK: unticked numbers are removed as removeNumbers does, and each
    // ticked number the pool did not hold gets one entry at the end.
    void keepTicked(const std::array<bool, Lotto::NumberSlots>& ticked);

    // The number choice window's "Ändern": for each ticked n, w + 1 entries of n for its weight
    // text w (ConversionError when no whole number; 0 counts as 1, a negative w gives none).
    void rebuild(const std::array<bool, Lotto::NumberSlots>& ticked, const std::array<QString, Lotto::NumberSlots>& weightTexts);

private:
    std::array<std::uint8_t, Capacity> m_entries{};
    int m_size = 0;
};

// The eight number bytes of the last three draws in stored order: group 0 the last draw, 1 the
// second-last, 2 the third-last.
struct RecentDraws {
    std::array<std::array<std::uint8_t, 8>, 3> groups{};

    // Bit v set for each of the first seven values v (1..63) of a group.
    std::uint64_t mask(int group) const;

    // The draw on or after `date` (the last draw when none is), then one draw back twice with
    // the weekday rule, as the draw browsing steps. Empty history: all groups zero.
    static RecentDraws fromHistory(const std::vector<DrawRecord>& records, double date,
                                   const DrawBrowsing::WeekdayRule& rule);
};

// A statistic as the pool reads it back from the chart: the bars of Series2 and the axis limits.
struct StatisticBars {
    std::vector<double> values;
    double min = 0;
    double max = 0;
};
enum class PoolStatistic { Pairs, Triples, Quadruples, Frequencies, Overdue };

// The statistic as its chart button computes it, put into the chart and read back.
StatisticBars computeStatistic(BarChartModel& chart, const HistoryRecords& history, const DrawFilter& filter,
                               PoolStatistic statistic);

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

class PoolSource {
public:
    virtual ~PoolSource() = default;
    // Runs the statistic and returns what the chart holds.
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

// Band limits of the statistics, rounded half to even.
namespace PoolBands {
// round(max - percent / divisor (max - min)) and round(min + percent / divisor (max - min)). The
// group statistics take 3 / 10 of the range; the number statistics take `percent` / 100 in pass
// 1 and half of that (divisor 200) in pass 2.
int frequentNumberLow(double min, double max, int percent, int divisor);
int rareNumberHigh(double min, double max, int percent, int divisor);
// "Min: lo  Max: hi  size"; the rare quadruples and the first overdue pass have one blank
// before "Max".
QString statusText(int lo, int hi, int size, bool oneBlank = false);
} // namespace PoolBands

enum class PoolOutcome { Ready, TooFewNumbers };

// The statistic blocks in their fixed order, then the base entries (or the shortage check when
// only preferred numbers are used), then the exclusion of recent draws.
PoolOutcome buildPool(PreferencePool& pool, const PoolOptions& options, const RecentDraws& recent,
                      PoolSource& source);

// The statistics computed into a chart model of its own.
class HistoryPoolSource : public PoolSource {
public:
    HistoryPoolSource(const HistoryRecords& history, const DrawFilter& filter)
        : m_history(history), m_filter(filter) {}
    StatisticBars compute(PoolStatistic statistic) override {
        return computeStatistic(m_chart, m_history, m_filter, statistic);
    }

private:
    const HistoryRecords& m_history;
    DrawFilter m_filter;
    BarChartModel m_chart;
};
