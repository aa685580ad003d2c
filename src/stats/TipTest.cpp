#include "stats/TipTest.h"

#include "base/DayCount.h"
#include "base/Errors.h"

#include <QCoreApplication>
#include <QLocale>

namespace TipTest {

QString caption() {
    return QCoreApplication::translate("TipTest", "Bei wievielen Zahlen Übereinstellung stoppen?");
}
QString proposal() {
    return QStringLiteral("6");
}

QString promptWithRange(const DrawFilter& filter) {
    return QCoreApplication::translate("TipTest", "Tipp-Test der Ziehungen vom %1 bis %2")
        .arg(dateText(filter.from), dateText(filter.to));
}

QString dateText(double date) {
    return QLocale().toString(DayCount::toDate(date), QLocale::ShortFormat);
}

int threshold(const QString& answer) {
    return toInt(answer);
}

QString drawLabel(const DrawRecord& record) {
    QString text = DayCount::shortWeekdayText(record.date) + QStringLiteral("  ");
    for (auto n : record.numbers) text += QStringLiteral("  ") + QString::number(n);
    return text;
}

QString crossSumLabel(const DrawRecord& record) {
    return QCoreApplication::translate("TipTest", "Quersummer: %1").arg(record.crossSum());
}

QString hitMessage(double date) {
    return QCoreApplication::translate("TipTest", "Ein Treffer am: %1").arg(dateText(date));
}

int run(const std::vector<DrawRecord>& records, const DrawFilter& filter, int threshold,
        const std::function<int(std::size_t, const DrawRecord&)>& examine,
        const std::function<void(const QString&)>& report, const std::function<bool()>& stopRequested) {
    int examined = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& r = records[i];
        if (!filter.inClosedWindow(r.date)) continue;
        if (stopRequested && stopRequested()) break;
        ++examined;
        if (examine(i, r) >= threshold) report(hitMessage(r.date));
    }
    return examined;
}

void LineHits::add(const std::vector<int>& hitsPerLine, int threshold) {
    bool any = false;
    for (std::size_t i = 0; i < hitsPerLine.size() && i < perLine.size(); ++i)
        if (hitsPerLine[i] >= threshold) {
            ++perLine[i];
            any = true;
        }
    if (any) ++draws;
}

QString hitBoxText(double date, const QStringList& lines, const std::vector<int>& hitsPerLine, int threshold) {
    QString text = hitMessage(date) + QLatin1Char('\n');
    for (std::size_t i = 0; i < hitsPerLine.size() && i < static_cast<std::size_t>(lines.size()); ++i) {
        if (hitsPerLine[i] < threshold) continue;
        const int hits = hitsPerLine[i];
        text += QLatin1Char('\n') + QCoreApplication::translate("TipTest", "Tipp %1: %2  (%n Richtige)", nullptr, hits)
                                        .arg(i + 1)
                                        .arg(lines[static_cast<qsizetype>(i)]);
    }
    return text;
}

QString summaryText(const QStringList& lines, const LineHits& hits, int threshold, int examined, bool stopped) {
    QStringList text;
    text << (stopped ? QCoreApplication::translate("TipTest", "Suche abgebrochen nach %n geprüften Ziehungen.",
                                                   nullptr, examined)
                     : QCoreApplication::translate("TipTest", "Suche beendet: %n Ziehungen geprüft.", nullptr, examined));
    text << QCoreApplication::translate("TipTest", "Ziehungen mit mindestens %n Richtigen: %1", nullptr, threshold)
                .arg(hits.draws);
    // A long list names the tips that hit; the others are summed up in one line.
    constexpr int MaxListed = 30;
    int listed = 0, withoutHit = 0, notListed = 0;
    text << QString();
    for (std::size_t i = 0; i < hits.perLine.size() && i < static_cast<std::size_t>(lines.size()); ++i) {
        if (hits.perLine[i] == 0 && lines.size() > MaxListed) {
            ++withoutHit;
            continue;
        }
        if (listed == MaxListed) {
            ++notListed;
            continue;
        }
        ++listed;
        const int draws = hits.perLine[i];
        text << QCoreApplication::translate("TipTest", "Tipp %1 (%2): %n Treffer", nullptr, draws)
                    .arg(i + 1)
                    .arg(lines[static_cast<qsizetype>(i)]);
    }
    if (notListed > 0)
        text << QCoreApplication::translate("TipTest", "… und %n weitere Tipps mit Treffern", nullptr, notListed);
    if (withoutHit > 0)
        text << QCoreApplication::translate("TipTest", "%n weitere Tipps ohne Treffer", nullptr, withoutHit);
    return text.join(QLatin1Char('\n'));
}

Plot finalPlot() {
    Plot plot;
    for (int x = 0; x <= 9; ++x) plot.bars.push_back({double(x), 0.0, std::nullopt});
    plot.leftAxis = Plot::LeftAxis::Unchanged;
    return plot;
}

} // namespace TipTest
