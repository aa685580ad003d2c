#include "generator/HistoricAnalysis.h"

#include "base/DayCount.h"

#include <QCoreApplication>
namespace HistoricAnalysis {

QString seedStatus(int luckyNumber) {
    return QCoreApplication::translate("HistoricAnalysis", "GlücksZahl %1 gesetzt").arg(luckyNumber);
}

int luckyProposal(std::uint32_t seed) {
    const auto asSigned = static_cast<std::int32_t>(seed);
    if (asSigned >= LowestLucky && asSigned <= HighestLucky) return asSigned;
    return static_cast<int>(seed % static_cast<std::uint32_t>(HighestLucky)) + LowestLucky;
}

QString notALuckyNumber(const QString& answer) {
    return QCoreApplication::translate("HistoricAnalysis", "„%1“ ist keine Zahl. Geben Sie als Glückszahl eine ganze "
                                                           "Zahl von %2 bis %3 ein.")
        .arg(answer)
        .arg(LowestLucky)
        .arg(HighestLucky);
}

void Totals::add(const HitTally& tally, int weekday) {
    auto& target = (weekday == DayCount::Saturday || weekday == DayCount::Sunday) ? saturday : wednesday;
    for (int h = 0; h <= 6; ++h)
        for (int z = 0; z < 2; ++z) target[h][z] += tally.count(h, z == 1);
}

QString Totals::summary() const {
    const QChar lf(QLatin1Char('\n'));
    QString text = QCoreApplication::translate("HistoricAnalysis", "Aktuelle Einstellung brachten für Sa. bzw. Mi.") + lf;
    for (int h = 0; h <= 6; ++h) {
        text += QCoreApplication::translate("HistoricAnalysis", "%1er         => %2        => %3")
                    .arg(h)
                    .arg(saturday[h][0])
                    .arg(wednesday[h][0]) +
                lf;
        if (h <= 5)
            text += QCoreApplication::translate("HistoricAnalysis", "%1er + ZZ=> %2        => %3")
                        .arg(h)
                        .arg(saturday[h][1])
                        .arg(wednesday[h][1]) +
                    lf;
    }
    text += lf + QCoreApplication::translate("HistoricAnalysis", "Bei %1 Ziehungen").arg(steps);
    return text;
}

int stepDays(bool saturdays, bool wednesdays) {
    return saturdays && wednesdays ? 3 : 6;
}

} // namespace HistoricAnalysis
