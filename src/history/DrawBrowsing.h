#pragma once
#include "history/DrawRecord.h"

#include <QtGlobal>
#include <optional>
#include <vector>

// Stepping through the draws of the history one at a time, backwards or forwards, passing over
// the draws of a weekday the player has switched off.
namespace DrawBrowsing {

struct WeekdayRule {
    bool saturdays = true;  // "Samstags Ziehungen"
    bool wednesdays = true; // "Mitwoch Ziehungen"
    // Draws on other weekdays are never stepped over.
    bool stepsOver(double date) const;
};

struct Step {
    // Position of the draw shown after the step; none when the history is empty.
    std::optional<qint64> index;
    // Draws taken on the way, the shown one included.
    int visits = 0;
    // How often the tip list is checked: once per visit; a backward step checks once even on an
    // empty history, a forward step then does nothing.
    int checks = 0;
};

// One draw back from `index` (the current draw's position), and further while the rule steps
// over the draw reached. When the first draw of the history is stepped over too, the step ends
// on it. A stale index at or beyond the end starts from the last draw.
Step back(const std::vector<DrawRecord>& records, qint64 index, const WeekdayRule& rule);

// One draw forward, and further while the rule steps over the draw reached. The last draw,
// when stepped over, sends the step back to the draw before it. When no draw at the end of the
// history passes the rule, the step ends on the last draw.
Step forward(const std::vector<DrawRecord>& records, qint64 index, const WeekdayRule& rule);

} // namespace DrawBrowsing
