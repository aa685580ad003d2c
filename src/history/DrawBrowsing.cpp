#include "history/DrawBrowsing.h"

#include "base/DayCount.h"

#include <algorithm>

namespace DrawBrowsing {

bool WeekdayRule::stepsOver(double date) const {
    const int day = DayCount::weekday(date);
    return (!saturdays && day == DayCount::Saturday) || (!wednesdays && day == DayCount::Wednesday);
}

Step back(const std::vector<DrawRecord>& records, qint64 index, const WeekdayRule& rule) {
    Step step;
    step.checks = 1;
    const qint64 count = static_cast<qint64>(records.size());
    if (count == 0) return step;
    // The history may have lost draws since the index was taken.
    qint64 at = std::min(index, count);
    while (true) {
        at = std::max<qint64>(at - 1, 0);
        ++step.visits;
        if (!rule.stepsOver(records[static_cast<size_t>(at)].date) || at == 0) break;
    }
    step.index = at;
    step.checks = step.visits;
    return step;
}

Step forward(const std::vector<DrawRecord>& records, qint64 index, const WeekdayRule& rule) {
    Step step;
    const qint64 count = static_cast<qint64>(records.size());
    if (count == 0) return step;
    qint64 at = index;
    bool turnedAtEnd = false;
    while (true) {
        at = std::clamp<qint64>(at + 1, 0, count - 1);
        ++step.visits;
        if (!rule.stepsOver(records[static_cast<size_t>(at)].date)) break;
        if (at == count - 1) {
            // Passing the end a second time means no draw near the end passes the rule.
            if (turnedAtEnd) break;
            turnedAtEnd = true;
            at -= 2;
        }
    }
    step.index = at;
    step.checks = step.visits;
    return step;
}

} // namespace DrawBrowsing
