#pragma once
#include "base/DayCount.h"

// The analysis window of the statistics: from date, to date and the two weekday boxes.
struct DrawFilter {
    double from = 0;
    double to = 0;
    bool saturdays = true;
    bool wednesdays = true;

    // Both boxes on: every draw passes, whatever its weekday. Neither: none does.
    bool passesWeekday(double date) const {
        if (saturdays && wednesdays) return true;
        const int day = DayCount::weekday(date);
        return (saturdays && day == DayCount::Saturday) || (wednesdays && day == DayCount::Wednesday);
    }
    // from <= date <= to (number frequencies, tip test).
    bool inClosedWindow(double date) const { return from <= date && date <= to; }
    // from < date <= to (group searches, overdue numbers, cross sums, history check).
    bool inOpenWindow(double date) const { return from < date && date <= to; }
};
