#include "app/DayCount.h"

#include <QLocale>
#include <cmath>

namespace DayCount {

namespace {
const qint64 kEpochJulian = QDate(1899, 12, 30).toJulianDay();

// QDate numbers Monday 1 ... Sunday 7.
int qtWeekday(int dayOfWeek) {
    return dayOfWeek % 7 + 1;
}
} // namespace

double fromDate(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - kEpochJulian);
}

QDate toDate(double dayCount) {
    return QDate::fromJulianDay(kEpochJulian + static_cast<qint64>(std::floor(dayCount)));
}

int weekday(double dayCount) {
    const qint64 days = static_cast<qint64>(std::floor(dayCount));
    // Day 0 was a Saturday.
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

int weekday(const QDate& date) {
    return qtWeekday(date.dayOfWeek());
}

QString shortWeekdayText(double dayCount) {
    const QDate date = toDate(dayCount);
    QLocale locale;
    return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
           date.toString(QStringLiteral("dd.MM.yy"));
}

QString longWeekdayText(double dayCount) {
    const QDate date = toDate(dayCount);
    QLocale locale;
    return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ') +
           date.toString(QStringLiteral("dd.MM.yy"));
}

QString compactText(double dayCount) {
    return toDate(dayCount).toString(QStringLiteral("yyyyMMdd"));
}

} // namespace DayCount
