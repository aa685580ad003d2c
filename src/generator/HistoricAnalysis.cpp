#include "generator/HistoricAnalysis.h"

#include "base/DayCount.h"

namespace HistoricAnalysis {

QString seedStatus(int luckyNumber) {
    return QStringLiteral("GlücksZahl ") + QString::number(luckyNumber) + QStringLiteral(" gesetzt");
}

void Totals::add(const HitTally& tally, int weekday) {
    auto& target = (weekday == DayCount::Saturday || weekday == DayCount::Sunday) ? saturday : wednesday;
    for (int h = 0; h <= 6; ++h)
        for (int z = 0; z < 2; ++z) target[h][z] += tally.count(h, z == 1);
}

QString Totals::summary() const {
    const QChar lf(QLatin1Char('\n'));
    QString text = QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi.") + lf;
    for (int h = 0; h <= 6; ++h) {
        text += QString::number(h) + QStringLiteral("er         => ") + QString::number(saturday[h][0]) +
                QStringLiteral("        => ") + QString::number(wednesday[h][0]) + lf;
        if (h <= 5)
            text += QString::number(h) + QStringLiteral("er + ZZ=> ") + QString::number(saturday[h][1]) +
                    QStringLiteral("        => ") + QString::number(wednesday[h][1]) + lf;
    }
    text += lf + QStringLiteral("Bei ") + QString::number(steps) + QStringLiteral(" Ziehungen");
    return text;
}

int stepDays(bool saturdays, bool wednesdays) {
    return saturdays && wednesdays ? 3 : 6;
}

} // namespace HistoricAnalysis
