#include "history/DrawEntry.h"

#include "base/Rounding.h"

#include <algorithm>

namespace DrawEntry {

Start begin(const DrawHistory& history) {
    if (!history.exists()) HistoryAppender(history.filePath()).close();
    Start start;
    start.newest = history.lastRecord();
    if (start.newest) {
        start.working = *start.newest;
        start.lastDate = start.newest->date;
    }
    return start;
}

void sortNumbers(DrawRecord& record) {
    std::sort(record.numbers.begin(), record.numbers.end());
}

double store(DrawHistory& history, const DrawRecord& entered, double lastDate) {
    if (static_cast<double>(roundHalfEven(lastDate)) >= entered.date) {
        const std::optional<DrawRecord> newest = history.insertOrReplace(entered);
        return newest ? newest->date : entered.date;
    }
    history.append(entered);
    return entered.date;
}

} // namespace DrawEntry
