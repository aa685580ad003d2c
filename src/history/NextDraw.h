#pragma once
#include "history/OperatorResults.h"

#include <QDate>
#include <QString>
#include <optional>

// The next draw as the operator last announced it, kept beside the prize tables in a file of
// its own, "<name>.naechste.csv" in the history's directory: a header line and one line
//   fetched,drawId,drawTime,jackpot
//   2025-09-01,2926,1756926000000,1500000.00
// fetched: the Greek calendar day it was fetched; drawTime: epoch milliseconds; jackpot: euros
// with two decimals, empty when the service announced none. Lines end with CR LF.
struct NextDraw {
    static const QString Header;

    QDate fetched;
    AnnouncedDraw draw;

    static QString companionPath(const QString& historyPath);
    // Empty when the file is missing, unreadable or not of this form.
    static std::optional<NextDraw> read(const QString& path);
    // Replaces the file in one step. Throws FileError.
    void write(const QString& path) const;

    // The draw calendar: Wednesdays and Saturdays.
    static QDate drawDayAfter(const QDate& day);
    static QDate drawDayOnOrBefore(const QDate& day);
    // The day of the draw the player plays for next: the announced draw when it lies today or
    // later, otherwise the first draw day after the newest stored draw that is not before
    // today (a draw day today counts while its draw is not stored). newestStored: day count,
    // 0 for none.
    static QDate expectedDay(const std::optional<NextDraw>& announced, double newestStored, const QDate& today);
};
