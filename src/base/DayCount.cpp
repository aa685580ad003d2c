#include "base/DayCount.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace DayCount {

namespace {
const qint64 kEpochJulian = QDate(1899, 12, 30).toJulianDay();

// Day counts come from files that may be damaged: NaN, infinities and values no calendar
// reaches must never be converted to an integer as they are (that is undefined). Beyond this
// bound (some 270 000 years) a day count is taken as the bound, NaN as day 0.
constexpr double kMaxDays = 1e8;

qint64 wholeDays(double dayCount) {
    if (std::isnan(dayCount)) return 0;
    return static_cast<qint64>(std::floor(std::clamp(dayCount, -kMaxDays, kMaxDays)));
}

// "dd.MM.yy" as QDate::toString gives it; written directly for the years 0 to 9999, where
// the draw line asks for it on every lookup.
QString shortDateText(const QDate& date) {
    const int year = date.year();
    if (!date.isValid() || year < 0 || year > 9999) return date.toString(QStringLiteral("dd.MM.yy"));
    const int values[3] = {date.day(), date.month(), year % 100};
    QString text(8, QLatin1Char('.'));
    for (int i = 0; i < 3; ++i) {
        text[i * 3] = QLatin1Char(static_cast<char>('0' + values[i] / 10));
        text[i * 3 + 1] = QLatin1Char(static_cast<char>('0' + values[i] % 10));
    }
    return text;
}

} // namespace

double fromDate(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - kEpochJulian);
}

QDate toDate(double dayCount) {
    if (!(std::fabs(dayCount) <= kMaxDays)) return {};
    return QDate::fromJulianDay(kEpochJulian + wholeDays(dayCount));
}

int weekday(double dayCount) {
    const qint64 days = wholeDays(dayCount);
    // Day 0 was a Saturday.
    return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

int weekday(const QDate& date) {
    // QDate numbers Monday 1 ... Sunday 7.
    return date.dayOfWeek() % 7 + 1;
}

QString shortWeekdayText(double dayCount) {
    const QDate date = toDate(dayCount);
    return QLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') + shortDateText(date);
}

QString longWeekdayText(double dayCount) {
    const QDate date = toDate(dayCount);
    return QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ') + shortDateText(date);
}

QString compactText(double dayCount) {
    return toDate(dayCount).toString(QStringLiteral("yyyyMMdd"));
}

} // namespace DayCount
