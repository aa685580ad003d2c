#include "stats/Statistics.h"

#include "app/Rounding.h"

namespace Statistics {

bool isRedNumber(int n) {
    switch (n) {
    case 1:
    case 2:
    case 3:
    case 5:
    case 7:
    case 11:
    case 13:
    case 17:
    case 19:
    case 23:
    case 29:
    case 31:
    case 37:
    case 41:
    case 43:
    case 47:
        return true;
    default:
        return false;
    }
}

NumberFrequencies numberFrequencies(const std::vector<DrawRecord>& records, const DrawFilter& filter) {
    NumberFrequencies f;
    for (const DrawRecord& r : records) {
        if (!filter.inClosedWindow(r.date) || !filter.passesWeekday(r.date)) continue;
        for (auto n : r.numbers)
            if (n < f.count.size()) ++f.count[n];
        ++f.draws;
        f.crossSums += r.crossSum();
    }
    return f;
}

long long averageCrossSum(long long total, int draws) {
    return draws == 0 ? 0 : roundHalfEven(static_cast<double>(total) / draws);
}

QString frequencyTitle(const NumberFrequencies& f) {
    return QStringLiteral("Zahlenverteilung     Ziehungen: %1    Quersumme: %2")
        .arg(f.draws)
        .arg(averageCrossSum(f.crossSums, f.draws));
}

} // namespace Statistics
