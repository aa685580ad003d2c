#pragma once
#include <QDate>
#include <QString>

// Dates are whole day counts held as doubles, day 0 being 30 December 1899 — the form the
// history file stores and the settings keep.
namespace DayCount {

constexpr int Sunday = 1;
constexpr int Wednesday = 4;
constexpr int Thursday = 5;
constexpr int Saturday = 7;

double fromDate(const QDate& date);
QDate toDate(double dayCount);
// 1 = Sunday ... 7 = Saturday.
int weekday(double dayCount);
int weekday(const QDate& date);

// "DDD dd.mm.yy": short weekday name of the user's language, then the date.
QString shortWeekdayText(double dayCount);
// "DDDD dd.mm.yy": full weekday name.
QString longWeekdayText(double dayCount);
// "yyyymmdd".
QString compactText(double dayCount);

} // namespace DayCount
