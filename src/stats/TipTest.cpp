#include "stats/TipTest.h"

#include "base/DayCount.h"
#include "base/Errors.h"

#include <QLocale>
#include <QCoreApplication>

namespace TipTest {

QString caption() {
    return QCoreApplication::translate("TipTest", "Bei wievielen Zahlen Übereinstellung stoppen?");
}
QString prompt() {
    return QCoreApplication::translate("TipTest", "Tipp-Test");
}
QString proposal() {
    return QStringLiteral("6");
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
    return QCoreApplication::translate("TipTest", "Ein Treffer am: %1")
        .arg(QLocale().toString(DayCount::toDate(date), QLocale::ShortFormat));
}

void run(const std::vector<DrawRecord>& records, const DrawFilter& filter, int threshold,
         const std::function<int(std::size_t, const DrawRecord&)>& examine,
         const std::function<void(const QString&)>& report) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& r = records[i];
        if (!filter.inClosedWindow(r.date)) continue;
        if (examine(i, r) >= threshold) report(hitMessage(r.date));
    }
}

Plot finalPlot() {
    Plot plot;
    for (int x = 0; x <= 9; ++x) plot.bars.push_back({double(x), 0.0, std::nullopt});
    plot.leftAxis = Plot::LeftAxis::Unchanged;
    return plot;
}

} // namespace TipTest
