#include "generator/RuleReport.h"

#include "generator/TipGenerator.h"
#include "stats/HistoryCheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <bit>
#include <limits>
#include <numeric>

namespace RuleReport {

QString ruleName(int rule) {
    static const char* const Names[] = {
        "",
        QT_TRANSLATE_NOOP("RuleReport", "Übereinstimmungen zwischen den Tipps"),
        QT_TRANSLATE_NOOP("RuleReport", "Zahlenpaar erzwingen"),
        QT_TRANSLATE_NOOP("RuleReport", "keine drei Zahlen in Folge"),
        QT_TRANSLATE_NOOP("RuleReport", "Quersumme"),
        QT_TRANSLATE_NOOP("RuleReport", "Zahlen der letzten Ziehung"),
        QT_TRANSLATE_NOOP("RuleReport", "Zahlen der vorletzten Ziehung"),
        QT_TRANSLATE_NOOP("RuleReport", "Zahlen der drittletzten Ziehung"),
        QT_TRANSLATE_NOOP("RuleReport", "gerade Zahlen"),
        QT_TRANSLATE_NOOP("RuleReport", "ungerade Zahlen"),
        QT_TRANSLATE_NOOP("RuleReport", "Primzahlen"),
        QT_TRANSLATE_NOOP("RuleReport", "nie ein Gewinn im Analysezeitraum"),
        QT_TRANSLATE_NOOP("RuleReport", "kein Gewinn in den letzten Ziehungen"),
        QT_TRANSLATE_NOOP("RuleReport", "kein Gewinn in den letzten Ziehungen (2. Regel)"),
    };
    if (rule < 1 || rule > 13) return {};
    return QCoreApplication::translate("RuleReport", Names[rule]);
}

namespace {

QByteArray csvText(const QString& text) {
    QByteArray t = text.toUtf8();
    if (t.contains(',') || t.contains('"')) t = '"' + t.replace('"', "\"\"") + '"';
    return t;
}

} // namespace

QByteArray BackTest::toCsv() const {
    QByteArray out = "regel,name,verworfen,ziehungen,anteil\r\n";
    for (int r = 1; r <= 13; ++r) {
        if (!enabled[static_cast<std::size_t>(r)]) continue;
        out += QByteArray::number(r) + ',' + csvText(ruleName(r)) + ',' +
               QByteArray::number(rejected[static_cast<std::size_t>(r)]) + ',' + QByteArray::number(draws) +
               ',' + QByteArray::number(share(r), 'f', 4) + "\r\n";
    }
    return out;
}

BackTest backTest(const std::vector<DrawRecord>& records, const DrawFilter& filter, const RuleOptions& o) {
    BackTest result;
    // Index = rule number.
    result.enabled = {false, false, o.forcePair, o.noRunsOfThree, true, o.recentOn[0], o.recentOn[1],
                      o.recentOn[2], o.evenOn, o.oddOn, o.primesOn, o.historyOn, o.recentChecks[0].on,
                      o.recentChecks[1].on};

    const HistoryRecords history = HistoryRecords::of(records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& d = records[i];
        if (!filter.inClosedWindow(d.date) || !filter.passesWeekday(d.date)) continue;
        ++result.draws;
        CandidateTip tip;
        std::array<std::uint8_t, 6> sorted = d.numbers;
        std::sort(sorted.begin(), sorted.end());
        for (int k = 0; k < 6; ++k)
            tip.pos[static_cast<std::size_t>(k + 1)] = sorted[static_cast<std::size_t>(k)];
        // A value 0 is no number of the tip.
        const std::uint64_t mask = history.winningMasks[i] & ~std::uint64_t{1};
        const auto reject = [&](int rule) { ++result.rejected[static_cast<std::size_t>(rule)]; };

        if (o.forcePair && !Rules::hasPair(tip, 6)) reject(2);
        if (o.noRunsOfThree && Rules::hasRunOfThree(tip, 6)) reject(3);
        const int qs = Rules::crossSum(tip, 6);
        if (qs < o.crossSumLow || qs > o.crossSumHigh) reject(4);
        for (int g = 0; g < 3; ++g) {
            const auto gi = static_cast<std::size_t>(g);
            if (!o.recentOn[gi] || i < gi + 1) continue;
            const DrawRecord& r = records[i - gi - 1];
            const std::uint64_t additional = r.additional < 64 ? std::uint64_t{1} << r.additional : 0;
            if (std::popcount(mask & (history.winningMasks[i - gi - 1] | additional)) > o.recentAllowance[gi])
                reject(5 + g);
        }
        if (o.evenOn && Rules::evenCount(tip, 6) < o.evenMin) reject(8);
        if (o.oddOn && Rules::oddCount(tip, 6) < o.oddMin) reject(9);
        if (o.primesOn && Rules::primeCount(tip, std::min(o.primeWidth, 6)) < o.primesMin) reject(10);

        if (i == 0) continue;
        // The generator's window ended at the draw before this one.
        DrawFilter before = filter;
        before.to = records[i - 1].date;
        // The history check the generator runs, over the draws before this one only: the
        // generator did not know the later ones (a file out of date order may hold some in the
        // window).
        const auto reached = [&](const HistoryCheck::DateWindow& w, int minHits) {
            return HistoryCheck::firstInWindowReaching(history, w, minHits, [&](const DrawRecord&, std::size_t j) {
                       return j < i ? std::popcount(mask & history.winningMasks[j]) : std::numeric_limits<int>::min();
                   }).reached;
        };
        if (o.historyOn && reached(HistoryCheck::historyWindow(before), o.historyHits)) reject(11);
        for (int c = 0; c < 2; ++c) {
            const RuleOptions::RecentCheck& rc = o.recentChecks[static_cast<std::size_t>(c)];
            if (rc.on && reached(HistoryCheck::recentWindow(before, rc.draws), rc.hits)) reject(12 + c);
        }
    }
    return result;
}

} // namespace RuleReport

std::int64_t RuleCounts::rejected() const {
    return std::accumulate(rejectedBy.begin() + 1, rejectedBy.end(), std::int64_t{0});
}

std::vector<int> RuleCounts::leaders() const {
    const std::int64_t top = *std::max_element(rejectedBy.begin() + 1, rejectedBy.end());
    std::vector<int> rules;
    for (int r = 1; r <= Rules && top > 0; ++r)
        if (2 * rejectedBy[static_cast<std::size_t>(r)] >= top) rules.push_back(r);
    std::stable_sort(rules.begin(), rules.end(), [this](int a, int b) {
        return rejectedBy[static_cast<std::size_t>(a)] > rejectedBy[static_cast<std::size_t>(b)];
    });
    return rules;
}

QString RuleCounts::failureText() const {
    const std::vector<int> top = leaders();
    if (top.empty()) return {};
    const QLocale locale;
    QStringList parts;
    for (const int r : top)
        parts << QCoreApplication::translate("RuleReport", "„%1“ (Regel %2: %3 von %4 Kandidaten)")
                     .arg(RuleReport::ruleName(r))
                     .arg(r)
                     .arg(locale.toString(static_cast<qlonglong>(rejectedBy[static_cast<std::size_t>(r)])),
                          locale.toString(static_cast<qlonglong>(candidates)));
    if (top.size() == 1)
        return QCoreApplication::translate("RuleReport", "Die meisten Kandidaten verwarf die Regel %1.")
            .arg(parts.front());
    return QCoreApplication::translate("RuleReport", "Die meisten Kandidaten verwarfen die Regeln %1.")
        .arg(parts.join(QStringLiteral(", ")));
}

QByteArray RuleCounts::toCsv() const {
    QByteArray out = "regel,name,verworfen,anteil\r\n";
    for (int r = 1; r <= Rules; ++r) {
        const std::int64_t n = rejectedBy[static_cast<std::size_t>(r)];
        out += QByteArray::number(r) + ',' + RuleReport::ruleName(r).toUtf8() + ',' +
               QByteArray::number(static_cast<qlonglong>(n)) + ',' +
               QByteArray::number(candidates > 0 ? double(n) / double(candidates) : 0.0, 'f', 4) + "\r\n";
    }
    out += "0,angenommen," + QByteArray::number(static_cast<qlonglong>(passed)) + ',' +
           QByteArray::number(candidates > 0 ? double(passed) / double(candidates) : 0.0, 'f', 4) + "\r\n";
    return out;
}
