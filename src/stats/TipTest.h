#pragma once
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"
#include "stats/Plot.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

// The tip test: replays the draws of the analysis window against the whole tip list and
// reports each draw on which the list reached a chosen number of hits.
namespace TipTest {

// The input box asking for the threshold: caption, prompt, proposed answer.
QString caption();
QString prompt();
QString proposal();

// The answer as a whole number; throws ConversionError (before any file is opened).
int threshold(const QString& answer);

// "DDD dd.mm.yy", two blanks, then each of the six numbers after two blanks; no additional
// number.
QString drawLabel(const DrawRecord& record);
// "Quersummer: " and the sum of the six numbers.
QString crossSumLabel(const DrawRecord& record);
// "Ein Treffer am: " and the date in the user's short date format.
QString hitMessage(double date);

// Every record with from <= date <= to (no weekday test), in file order: examine(index,
// record) loads it as the current draw, checks the list and returns the best hit count; a
// result at or above the threshold is reported before the next record is examined.
void run(const std::vector<DrawRecord>& records, const DrawFilter& filter, int threshold,
         const std::function<int(std::size_t index, const DrawRecord& record)>& examine,
         const std::function<void(const QString& message)>& report);

// What the chart shows afterwards: ten empty bars x = 0 to 9, axes and title left alone.
Plot finalPlot();

} // namespace TipTest
