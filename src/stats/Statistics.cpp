#include "stats/Statistics.h"
#include "stats/HistoryRecords.h"
#include "base/Lotto.h"

#include "base/Errors.h"
#include "base/Rounding.h"

#include <algorithm>
#include <bit>
#include <QCoreApplication>

namespace Statistics {

std::uint64_t winningMask(const DrawRecord& record) {
    std::uint64_t mask = 0;
    for (auto n : record.numbers)
        if (n < 64) mask |= std::uint64_t{1} << n;
    return mask;
}

// ---- Number frequencies ----

NumberFrequencies numberFrequencies(const std::vector<DrawRecord>& records, const DrawFilter& filter) {
    NumberFrequencies f;
    for (const DrawRecord& r : records) {
        if (!filter.inClosedWindow(r.date) || !filter.passesWeekday(r.date)) continue;
        int sum = 0;
        for (const std::uint8_t n : r.numbers) {
            if (n < f.count.size()) ++f.count[n];
            sum += n;
        }
        ++f.draws;
        f.crossSums += sum;
    }
    return f;
}

NumberFrequencies frequenciesOf(const HistoryRecords& history, const DrawFilter& filter) {
    const bool everyWeekday = filter.saturdays && filter.wednesdays;
    if (!history.ascending || !everyWeekday) return numberFrequencies(history.records, filter);
    const HistoryRecords::RunningCounts& counts = history.runningCounts();
    if (counts.numbers.size() != history.size() + 1) return numberFrequencies(history.records, filter);
    // from <= date <= to
    const auto begin = std::lower_bound(history.dates.begin(), history.dates.end(), filter.from);
    const auto end = std::upper_bound(begin, history.dates.end(), filter.to);
    const auto first = static_cast<std::size_t>(begin - history.dates.begin());
    const auto last = static_cast<std::size_t>(end - history.dates.begin());
    NumberFrequencies f;
    for (std::size_t n = 0; n < f.count.size(); ++n)
        f.count[n] = counts.numbers[last][n] - counts.numbers[first][n];
    f.draws = static_cast<int>(last - first);
    f.crossSums = counts.crossSums[last] - counts.crossSums[first];
    return f;
}

long long averageCrossSum(long long total, int draws) {
    return draws == 0 ? 0 : roundHalfEven(static_cast<double>(total) / draws);
}

QString frequencyTitle(const NumberFrequencies& f) {
    return QCoreApplication::translate("Statistics", "Zahlenverteilung     Ziehungen: %1    Quersumme: %2")
        .arg(f.draws)
        .arg(averageCrossSum(f.crossSums, f.draws));
}

Plot frequencyPlot(const NumberFrequencies& f) {
    return numberPlot(f.count, frequencyTitle(f));
}

// ---- Runs of consecutive numbers ----

int lastRunStart(RunKind kind) {
    return kind == RunKind::Pairs ? 48 : 47;
}

RunCounts runCounts(const std::vector<DrawRecord>& records, const DrawFilter& filter, RunKind kind) {
    RunCounts runs;
    runs.kind = kind;
    const int length = static_cast<int>(kind);
    // Starting numbers 1 to lastRunStart; a run may end at most at 50, well inside the mask.
    const std::uint64_t starts = ((std::uint64_t{1} << (lastRunStart(kind) + 1)) - 1) & ~std::uint64_t{1};
    for (const DrawRecord& r : records) {
        if (!filter.inOpenWindow(r.date) || !filter.passesWeekday(r.date)) continue;
        ++runs.draws;
        const std::uint64_t drawn = winningMask(r);
        // Bit n survives when n, n + 1, ..., n + length - 1 were all drawn.
        std::uint64_t complete = drawn & starts;
        for (int step = 1; step < length; ++step) complete &= drawn >> step;
        while (complete) {
            const int n = std::countr_zero(complete);
            complete &= complete - 1;
            ++runs.found[n];
            ++runs.total;
        }
    }
    return runs;
}

QString runTitle(const RunCounts& runs) {
    // No blank before the "x" of the quadruples: the title has always read so.
    static const char* const Titles[] = {
        QT_TRANSLATE_NOOP("Statistics", "Bei %1 Ziehungen wurden %2 Paare gefunden! Häufigkeit = 1.Zahl des Paares (%3 x 5 => %3 x 5-6)"),
        QT_TRANSLATE_NOOP("Statistics", "Bei %1 Ziehungen wurden %2 Dreier gefunden! Häufigkeit = 1.Zahl des Dreiers (%3 x 5 => %3 x 5-6-7)"),
        QT_TRANSLATE_NOOP("Statistics", "Bei %1 Ziehungen wurden %2 Vierer gefunden! Häufigkeit = 1.Zahl des Vierers (%3x 5 => %3x 5-6-7-8)"),
    };
    return QCoreApplication::translate("Statistics", Titles[static_cast<int>(runs.kind) - 2])
        .arg(QString::number(runs.draws), QString::number(runs.total), QString::number(runs.found[5]));
}

Plot runPlot(const RunCounts& runs) {
    Plot plot;
    // Pairs 48 bars, triples 47, quadruples 49 (bars 47 to 49 always 0).
    const int bars = runs.kind == RunKind::Quadruples ? 49 : lastRunStart(runs.kind);
    plot.bars.reserve(bars);
    for (int n = 1; n <= bars; ++n) plot.bars.push_back({double(n), double(runs.found[n]), std::nullopt});
    if (runs.kind == RunKind::Quadruples) {
        plot.leftAxis = Plot::LeftAxis::Automatic;
    } else {
        const auto [smallest, largest] =
            std::minmax_element(runs.found.begin() + 1, runs.found.begin() + bars + 1);
        plot.leftAxis = Plot::LeftAxis::Fixed;
        plot.axisMin = *smallest;
        plot.axisMax = *largest;
    }
    plot.title = runTitle(runs);
    return plot;
}

// ---- Overdue numbers ----

Overdue overdueNumbers(const std::vector<DrawRecord>& records, const DrawFilter& filter) {
    Overdue overdue;
    // lastDrawn[n]: the count of draws up to and including the last one holding n (0: none).
    std::array<int, Lotto::NumberSlots> lastDrawn{};
    for (const DrawRecord& r : records) {
        if (!filter.inOpenWindow(r.date) || !filter.passesWeekday(r.date)) continue;
        ++overdue.draws;
        for (auto n : r.numbers)
            if (n < lastDrawn.size()) lastDrawn[n] = overdue.draws;
    }
    for (size_t n = 0; n < lastDrawn.size(); ++n) overdue.wait[n] = overdue.draws - lastDrawn[n] + 1;
    return overdue;
}

Overdue overdueOf(const HistoryRecords& history, const DrawFilter& filter) {
    // A number 0 in some record (no draw of this program has one) is counted by the plain walk.
    if (!history.ascending) return overdueNumbers(history.records, filter);
    const HistoryRecords::RunningCounts& counts = history.runningCounts();
    const bool noZero = counts.numbers.size() == history.size() + 1 && counts.numbers.back()[0] == 0;
    if (!noZero) return overdueNumbers(history.records, filter);
    // from < date <= to
    const auto [first, last] = history.candidates(filter.from, filter.to);
    const bool everyWeekday = filter.saturdays && filter.wednesdays;
    Overdue overdue;
    if (everyWeekday) {
        overdue.draws = static_cast<int>(last - first);
    } else {
        for (std::size_t i = first; i < last; ++i) overdue.draws += filter.passesWeekday(history.dates[i]);
    }
    // Walking back from the newest draw of the window: the k-th draw counted holds the numbers
    // whose wait is k. Numbers never met wait one draw longer than the window has.
    overdue.wait.fill(overdue.draws + 1);
    std::uint64_t seen = 0;
    constexpr std::uint64_t All = ((std::uint64_t{1} << Lotto::NumberSlots) - 1) & ~std::uint64_t{1};
    int k = 0;
    for (std::size_t i = last; i > first && seen != All; --i) {
        if (!everyWeekday && !filter.passesWeekday(history.dates[i - 1])) continue;
        ++k;
        for (const std::uint8_t n : history.records[i - 1].numbers) {
            if (n >= Lotto::NumberSlots || (seen >> n & 1)) continue;
            seen |= std::uint64_t{1} << n;
            overdue.wait[n] = k;
        }
    }
    return overdue;
}

Plot overduePlot(const Overdue& overdue) {
    return numberPlot(overdue.wait, QCoreApplication::translate(
                                        "Statistics", "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"));
}

// ---- Cross-sum distribution ----

CrossSums crossSums(const std::vector<DrawRecord>& records, const DrawFilter& filter) {
    CrossSums sums;
    for (const DrawRecord& r : records) {
        if (!filter.inOpenWindow(r.date) || !filter.passesWeekday(r.date)) continue;
        const int s = r.crossSum();
        ++sums.occurrences[s];
        sums.smallest = sums.draws == 0 ? s : std::min(sums.smallest, s);
        sums.largest = sums.draws == 0 ? s : std::max(sums.largest, s);
        ++sums.draws;
        sums.total += s;
    }
    return sums;
}

QString crossSumTitle(const CrossSums& sums) {
    return QCoreApplication::translate("Statistics", "Quersummenverteilung     Ziehungen: %1    Quersumme: %2")
        .arg(sums.draws)
        .arg(averageCrossSum(sums.total, sums.draws));
}

Plot crossSumPlot(const CrossSums& sums) {
    Plot plot;
    if (sums.draws > 0) {
        plot.bars.reserve(sums.largest - sums.smallest + 1);
        for (int s = sums.smallest; s <= sums.largest; ++s)
            plot.bars.push_back({double(s), double(sums.occurrences[s]), std::nullopt});
    }
    plot.leftAxis = Plot::LeftAxis::Automatic;
    plot.title = crossSumTitle(sums);
    return plot;
}

// ---- Tip distribution ----

namespace {

// A field's value as tryToInt gives it; one to nine ASCII digits between blanks are read directly.
bool fieldValue(QStringView field, int& value) {
    qsizetype a = 0, b = field.size();
    while (a < b && field[a] == u' ') ++a;
    while (b > a && field[b - 1] == u' ') --b;
    if (b > a && b - a <= 9) {
        int v = 0;
        qsizetype i = a;
        for (; i < b && field[i] >= u'0' && field[i] <= u'9'; ++i) v = v * 10 + (field[i].unicode() - u'0');
        if (i == b) {
            value = v;
            return true;
        }
    }
    bool ok = false;
    const int v = field.trimmed().toInt(&ok, 10);
    if (ok) value = v;
    return ok;
}

} // namespace

std::array<int, Lotto::NumberSlots> tipDistribution(const QStringList& tipLines) {
    std::array<int, Lotto::NumberSlots> count{};
    for (const QString& line : tipLines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QStringView numbers = colon < 0 ? QStringView(line) : QStringView(line).left(colon);
        // Every field ends at a "," or at the end of the numbers.
        for (qsizetype start = 0; start <= numbers.size();) {
            qsizetype comma = numbers.indexOf(QLatin1Char(','), start);
            if (comma < 0) comma = numbers.size();
            int value = 0;
            if (!fieldValue(numbers.sliced(start, comma - start), value)) break;
            if (value >= 0 && value <= Lotto::HighestNumber) ++count[value];
            start = comma + 1;
        }
    }
    return count;
}

std::optional<QString> windowAfterLastDraw(const std::vector<DrawRecord>& records, const DrawFilter& filter) {
    double newest = 0;
    for (const DrawRecord& r : records) newest = std::max(newest, r.date);
    if (newest <= 0 || filter.from <= newest) return std::nullopt;
    const auto date = [](double day) { return DayCount::toDate(day).toString(QStringLiteral("dd.MM.yyyy")); };
    return QCoreApplication::translate("Statistics", "Keine Ziehung ab dem %1: die neueste gespeicherte Ziehung ist vom %2. "
                                                     "Wählen Sie unter „Statistik ab“ ein früheres Datum.")
        .arg(date(filter.from), date(newest));
}

Plot tipDistributionPlot(const std::array<int, Lotto::NumberSlots>& count) {
    return numberPlot(count, QCoreApplication::translate("Statistics", "Zahlenverteilung des Tippes"));
}

} // namespace Statistics
