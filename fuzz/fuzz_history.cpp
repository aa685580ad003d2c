// ZahlenGR.dat may come from anywhere (an older program, a copy, a broken disk): every read,
// statistic, lookup and browsing step over it must stay within bounds and defined.
#include "FuzzSupport.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawBrowsing.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/HistoryRecords.h"
#include "stats/Statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    DrawFilter filter;
    filter.from = in.value<double>();
    filter.to = in.value<double>();
    filter.saturdays = in.flag();
    filter.wednesdays = in.flag();
    const qint64 index = in.value<std::int16_t>();
    const int recent = in.value<std::int16_t>();
    const QString path = writeScratch(QStringLiteral("ZahlenGR.dat"), in.rest());

    try {
        DrawHistory history(path);
        const qint64 count = history.recordCount();
        const std::vector<DrawRecord> records = history.readAll();
        if (static_cast<qint64>(records.size()) != count) __builtin_trap();
        (void)history.lastRecord();

        (void)Statistics::frequencyPlot(Statistics::numberFrequencies(records, filter));
        (void)Statistics::frequencyTitle(Statistics::numberFrequencies(records, filter));
        for (auto kind :
             {Statistics::RunKind::Pairs, Statistics::RunKind::Triples, Statistics::RunKind::Quadruples}) {
            const auto runs = Statistics::runCounts(records, filter, kind);
            (void)Statistics::runTitle(runs);
            (void)Statistics::runPlot(runs);
        }
        (void)Statistics::overduePlot(Statistics::overdueNumbers(records, filter));
        const auto sums = Statistics::crossSums(records, filter);
        (void)Statistics::crossSumTitle(sums);
        (void)Statistics::crossSumPlot(sums);

        DrawBrowsing::WeekdayRule rule{filter.saturdays, filter.wednesdays};
        (void)DrawBrowsing::back(records, index, rule);
        (void)DrawBrowsing::forward(records, index, rule);
        (void)DrawBrowsing::back(records, count - 1, rule);
        (void)DrawBrowsing::forward(records, 0, rule);

        const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(path);
        const HistoryRecords& hr = *held;
        for (const auto& window :
             {HistoryCheck::historyWindow(filter), HistoryCheck::recentWindow(filter, recent)}) {
            const auto scan = HistoryCheck::firstInWindowReaching(
                hr, window, 3, [](const DrawRecord& r, std::size_t) { return r.crossSum() % 7; });
            if (scan.lastExamined && *scan.lastExamined >= hr.size()) __builtin_trap();
        }
        for (const DrawRecord& r : records) {
            (void)DayCount::shortWeekdayText(r.date);
            (void)DayCount::compactText(r.date);
            (void)DayCount::weekday(r.date);
        }
    } catch (const AppError&) {
    }
    return 0;
}
