#include "app/TForm1.h"
#include "evaluation/Matching.h"
#include "stats/HistoryCheck.h"
#include "stats/HistorySnapshot.h"


bool TForm1::historyCheck(const QString& tip, int minHits, const HistoryCheck::DateWindow& window) {
    // The generator asks this for every candidate; the snapshot answers from memory while the
    // file on disk is unchanged and reads it again the moment it changes.
    const std::shared_ptr<const HistoryRecords> held = historySnapshot().records();
    const HistoryRecords& history = *held;
    ui.Chart1->model()->prepareStatistic();

    // A candidate carries the chosen system's designation and is scored by it; a reduced
    // system by its own code's table (none: no rows, nothing reached).
    QString selector = ui.selectorValue();
    const SystemTable* table = &m_systemTable;
    static const SystemTable noRows;
    if (auto shown = m_parsedTicket.parse(tip)) {
        selector = *shown;
        if (systemKindOf(selector) == SystemKind::Reduced) {
            table = m_systemTables.table(m_parsedTicket.systemCode);
            if (!table) table = &noRows;
        }
    }
    const SystemKind kind = systemKindOf(selector);

    // Single tips and full systems of different numbers count their hits with one AND of
    // bit masks; everything else goes through the full check.
    std::optional<std::uint64_t> mask;
    if (kind != SystemKind::Reduced && history.masksExact) mask = HistoryCheck::tipMask(m_parsedTicket);
    const HistoryCheck::ScanResult scan =
        mask ? HistoryCheck::firstInWindowReachingMask(history, window, minHits, *mask)
             : HistoryCheck::firstInWindowReaching(
                   history, window, minHits, [&](const DrawRecord& r, std::size_t) {
                       m_currentDraw.take(r);
                       return static_cast<int>(checkTicket(m_parsedTicket, kind, *table, m_currentDraw).hits);
                   });
    // Leave the current draw and the result on the last draw examined, as a draw-by-draw walk would.
    if (scan.lastExamined) {
        m_currentDraw.take(history.records[*scan.lastExamined]);
        m_ticketResult = checkTicket(m_parsedTicket, kind, *table, m_currentDraw);
    }
    return !scan.reached;
}

bool TForm1::Secheroderfuenfer(const QString& tip, int minHits) {
    return historyCheck(tip, minHits, HistoryCheck::historyWindow(drawFilter()));
}

bool TForm1::kurzzeitCheck(const QString& tip, int minHits, int drawCount) {
    return historyCheck(tip, minHits, HistoryCheck::recentWindow(drawFilter(), drawCount));
}
