#pragma once
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"
#include "stats/Plot.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <vector>

// The tip test: reports each draw of the analysis window on which the tip list reached a
// chosen number of hits.
namespace TipTest {

// The input box asking for the threshold: caption, prompt, proposed answer.
QString caption();
QString proposal();
// "Tipp-Test der Ziehungen vom <from> bis <to>": the player sees the window before the test.
QString promptWithRange(const DrawFilter& filter);

// A date as the player's language writes dates (the short format of the locale).
QString dateText(double date);

// The answer as a whole number; throws ConversionError (before any file is opened).
int threshold(const QString& answer);

// "DDD dd.mm.yy", two blanks, then each of the six numbers after two blanks.
QString drawLabel(const DrawRecord& record);
// "Quersummer: " and the sum of the six numbers.
QString crossSumLabel(const DrawRecord& record);
QString hitMessage(double date);

// Every record with from <= date <= to (no weekday test), in file order: examine() returns the
// list's best hits, reported at or above the threshold. Returns the records examined.
int run(const std::vector<DrawRecord>& records, const DrawFilter& filter, int threshold,
        const std::function<int(std::size_t index, const DrawRecord& record)>& examine,
        const std::function<void(const QString& message)>& report,
        const std::function<bool()>& stopRequested = {});

// What the search found, per tip line: on how many draws that line reached the threshold.
struct LineHits {
    explicit LineHits(std::size_t lines = 0) : perLine(lines, 0) {}
    // One draw's hits per line (lines beyond the counted ones are ignored).
    void add(const std::vector<int>& hitsPerLine, int threshold);
    std::vector<int> perLine;
    int draws = 0; // draws on which at least one line reached the threshold
};

// The hit message, then every tip line that reached the threshold, with its number and hits.
QString hitBoxText(double date, const QStringList& lines, const std::vector<int>& hitsPerLine, int threshold);
// Draws examined (and whether the user stopped), draws that reached the threshold, and per
// tip line its count of such draws.
QString summaryText(const QStringList& lines, const LineHits& hits, int threshold, int examined, bool stopped);

// What the chart shows afterwards: ten empty bars x = 0 to 9, axes and title left alone.
Plot finalPlot();

} // namespace TipTest
