#include "generator/PreferencePool.h"
#include "base/Lotto.h"

#include "base/Tr.h"
#include "base/Errors.h"
#include "base/Rounding.h"
#include "stats/HistoryRecords.h"
#include "stats/Plot.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <bit>
#include <QCoreApplication>

void PreferencePool::add(int n, int times) {
    if (n < 1 || n > Lotto::HighestNumber) return;
    for (int i = 0; i < times && m_size < Capacity; ++i)
        m_entries[static_cast<std::size_t>(m_size++)] = static_cast<std::uint8_t>(n);
}

std::vector<int> PreferencePool::entries() const {
    return std::vector<int>(m_entries.begin(), m_entries.begin() + m_size);
}

std::array<int, Lotto::NumberSlots> PreferencePool::weights() const {
    std::array<int, Lotto::NumberSlots> w{};
    for (int i = 0; i < m_size; ++i) ++w[m_entries[static_cast<std::size_t>(i)]];
    return w;
}

int PreferencePool::distinctCount() const {
    std::uint64_t seen = 0;
    for (int i = 0; i < m_size; ++i) seen |= std::uint64_t{1} << m_entries[static_cast<std::size_t>(i)];
    return std::popcount(seen);
}

void PreferencePool::removeNumbers(std::uint64_t excluded) {
    auto marked = [excluded](std::uint8_t n) { return (excluded >> n & 1) != 0; };
    for (int pos = 0; pos < m_size; ++pos) {
        while (pos < m_size && marked(m_entries[static_cast<std::size_t>(pos)])) {
            m_entries[static_cast<std::size_t>(pos)] = m_entries[static_cast<std::size_t>(m_size - 1)];
            --m_size;
        }
    }
}

void PreferencePool::keepTicked(const std::array<bool, Lotto::NumberSlots>& ticked) {
    std::uint64_t unticked = 0;
    for (int n = 1; n <= Lotto::HighestNumber; ++n)
        if (!ticked[static_cast<std::size_t>(n)]) unticked |= std::uint64_t{1} << n;
    removeNumbers(unticked);
    const std::array<int, Lotto::NumberSlots> held = weights();
    for (int n = 1; n <= Lotto::HighestNumber; ++n)
        if (ticked[static_cast<std::size_t>(n)] && held[static_cast<std::size_t>(n)] == 0) add(n);
}

void PreferencePool::rebuild(const std::array<bool, Lotto::NumberSlots>& ticked, const std::array<QString, Lotto::NumberSlots>& weightTexts) {
    clear();
    for (int n = 1; n <= Lotto::HighestNumber; ++n) {
        if (!ticked[static_cast<std::size_t>(n)]) continue;
        int w = toInt(weightTexts[static_cast<std::size_t>(n)]);
        if (w == 0) w = 1;
        // w + 1 overflows for the largest weight a file may hold; the pool holds no more
        // than Capacity entries anyway.
        if (w >= 0) add(n, w < Capacity ? w + 1 : Capacity);
    }
}

std::uint64_t RecentDraws::mask(int group) const {
    std::uint64_t m = 0;
    for (int i = 0; i < 7; ++i) {
        const std::uint8_t v = groups[static_cast<std::size_t>(group)][static_cast<std::size_t>(i)];
        if (v > 0 && v < 64) m |= std::uint64_t{1} << v;
    }
    return m;
}

RecentDraws RecentDraws::fromHistory(const std::vector<DrawRecord>& records, double date,
                                     const DrawBrowsing::WeekdayRule& rule) {
    RecentDraws recent;
    if (records.empty()) return recent;
    const double target = static_cast<double>(roundHalfEven(date));
    const auto on =
        std::find_if(records.begin(), records.end(), [&](const DrawRecord& r) { return r.date >= target; });
    qint64 index = (on == records.end() ? records.end() - 1 : on) - records.begin();
    for (int g = 0; g < 3; ++g) {
        if (g > 0) index = DrawBrowsing::back(records, index, rule).index.value_or(index);
        recent.groups[static_cast<std::size_t>(g)] = records[static_cast<std::size_t>(index)].numberBytes();
    }
    return recent;
}

namespace PoolBands {

// The numerators below are exact for whole bar values, and a quotient ending in .5 is exact in
// binary, so an exact half is recognised as one and goes to the even integer.
int frequentNumberLow(double min, double max, int percent, int divisor) {
    return static_cast<int>(roundHalfEven((divisor * max - percent * (max - min)) / divisor));
}
int rareNumberHigh(double min, double max, int percent, int divisor) {
    return static_cast<int>(roundHalfEven((divisor * min + percent * (max - min)) / divisor));
}

QString statusText(int lo, int hi, int size, bool oneBlank) {
    const QString text = oneBlank ? QCoreApplication::translate("PreferencePool", "Min: %1 Max: %2  %3")
                                  : QCoreApplication::translate("PreferencePool", "Min: %1  Max: %2  %3");
    return text.arg(lo).arg(hi).arg(size);
}

} // namespace PoolBands

namespace {

QString poolStatisticText(PoolStatistic statistic) {
    static const char* const Texts[] = {
        QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der Paarbildung"),
        QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der Dreiergruppenbildung"),
        QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der Vierergruppenbildung"),
        QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der Zahlenverteilung"),
        QT_TRANSLATE_NOOP("PreferencePool", "Berechnung der der Ausstehenden Zahlen"),
    };
    return QCoreApplication::translate("PreferencePool", Texts[static_cast<int>(statistic)]);
}

// One group statistic (g consecutive numbers per bar): the frequent band and/or the rare band.
// Every bar with lo < v <= hi gives one entry of each of its g numbers.
void groupBlocks(PreferencePool& pool, PoolSource& source, PoolStatistic statistic, int g, bool frequent,
                 bool rare, bool oneBlankInRare) {
    if (!frequent && !rare) return;
    source.status(poolStatisticText(statistic));
    const StatisticBars bars = source.compute(statistic);
    const auto band = [&](int lo, int hi, bool oneBlank) {
        source.status(PoolBands::statusText(lo, hi, pool.size(), oneBlank));
        // The last g - 1 bars stay unexamined.
        for (int i = 0; i + g <= static_cast<int>(bars.values.size()); ++i) {
            const double v = bars.values[static_cast<std::size_t>(i)];
            if (lo < v && v <= hi)
                for (int k = 1; k <= g; ++k) pool.add(i + k);
        }
    };
    if (frequent)
        band(PoolBands::frequentNumberLow(bars.min, bars.max, 3, 10),
             static_cast<int>(roundHalfEven(bars.max)), false);
    if (rare) band(0, PoolBands::rareNumberHigh(bars.min, bars.max, 3, 10), oneBlankInRare);
}

// One pass of a number band: every bar with lo <= v <= hi gives `times` entries of its number.
void numberPass(PreferencePool& pool, PoolSource& source, const StatisticBars& bars, int lo, int hi,
                int times, bool oneBlank) {
    source.status(PoolBands::statusText(lo, hi, pool.size(), oneBlank));
    for (std::size_t i = 0; i < bars.values.size(); ++i)
        if (lo <= bars.values[i] && bars.values[i] <= hi) pool.add(static_cast<int>(i) + 1, times);
}

void frequentNumberBlock(PreferencePool& pool, PoolSource& source, const StatisticBars& bars, int percent,
                         bool oneBlankInFirstPass) {
    const int hi = static_cast<int>(roundHalfEven(bars.max));
    numberPass(pool, source, bars, PoolBands::frequentNumberLow(bars.min, bars.max, percent, 100), hi, 2,
               oneBlankInFirstPass);
    numberPass(pool, source, bars, PoolBands::frequentNumberLow(bars.min, bars.max, percent, 200), hi, 1,
               false);
}

} // namespace

PoolOutcome buildPool(PreferencePool& pool, const PoolOptions& o, const RecentDraws& recent,
                      PoolSource& source) {
    pool.clear();
    groupBlocks(pool, source, PoolStatistic::Pairs, 2, o.frequentPairs, o.rarePairs, false);
    groupBlocks(pool, source, PoolStatistic::Triples, 3, o.frequentTriples, o.rareTriples, false);
    groupBlocks(pool, source, PoolStatistic::Quadruples, 4, o.frequentQuads, o.rareQuads, true);

    if (o.frequentNumbers || o.rareNumbers) {
        source.status(poolStatisticText(PoolStatistic::Frequencies));
        const StatisticBars bars = source.compute(PoolStatistic::Frequencies);
        if (o.frequentNumbers) frequentNumberBlock(pool, source, bars, o.frequentPercent, false);
        if (o.rareNumbers) {
            const int lo = static_cast<int>(roundHalfEven(bars.min));
            numberPass(pool, source, bars, lo,
                       PoolBands::rareNumberHigh(bars.min, bars.max, o.rarePercent, 100), 2, false);
            numberPass(pool, source, bars, lo,
                       PoolBands::rareNumberHigh(bars.min, bars.max, o.rarePercent, 200), 1, false);
        }
    }
    if (o.overdue) {
        source.status(poolStatisticText(PoolStatistic::Overdue));
        frequentNumberBlock(pool, source, source.compute(PoolStatistic::Overdue), o.overduePercent, true);
    }
    if (o.lastDrawNeighbours) {
        source.status(translated("PreferencePool", NeighboursText));
        for (const std::uint8_t x : recent.groups[0]) {
            if (x > 1) pool.add(x - 1, 4);
            if (x < Lotto::HighestNumber) pool.add(x + 1, 4);
        }
    }

    if (o.onlyPreferred) {
        if (pool.distinctCount() < o.numbersPerTip) return PoolOutcome::TooFewNumbers;
    } else {
        for (int n = 1; n <= Lotto::HighestNumber; ++n) pool.add(n);
    }

    std::uint64_t excluded = 0;
    for (int g = 0; g < 3; ++g)
        if (o.excludeDraw[static_cast<std::size_t>(g)]) excluded |= recent.mask(g);
    pool.removeNumbers(excluded);
    return PoolOutcome::Ready;
}

StatisticBars computeStatistic(BarChartModel& chart, const HistoryRecords& history, const DrawFilter& filter,
                               PoolStatistic statistic) {
    using namespace Statistics;
    switch (statistic) {
    case PoolStatistic::Pairs:
    case PoolStatistic::Triples:
    case PoolStatistic::Quadruples: {
        // Pairs, triples and quadruples come in the order of the run lengths 2, 3 and 4.
        const auto kind = static_cast<RunKind>(static_cast<int>(statistic) + 2);
        applyPlot(&chart, runPlot(runCounts(history.records, filter, kind)));
        break;
    }
    case PoolStatistic::Frequencies:
        applyPlot(&chart, frequencyPlot(frequenciesOf(history, filter)));
        break;
    case PoolStatistic::Overdue:
        applyPlot(&chart, overduePlot(overdueOf(history, filter)));
        break;
    }
    StatisticBars bars;
    const BarSeries* series = chart.series2();
    bars.values.reserve(static_cast<std::size_t>(series->count()));
    for (int i = 0; i < series->count(); ++i) bars.values.push_back(series->yValue(i));
    bars.min = chart.leftAxis()->minimum();
    bars.max = chart.leftAxis()->maximum();
    return bars;
}
