#include "generator/TipGenerator.h"

#include "stats/HistoryCheck.h"

#include <QCoreApplication>

GenerationResult generateTips(const PreferencePool& pool, const RecentDraws& recent, int n, int kept,
                              int target, RuleOptions& options, GenerationState& state,
                              GenerationHooks& hooks, RandomSequence& random) {
    const auto size = static_cast<std::uint32_t>(pool.size());
    const std::uint8_t* entries = pool.data();
    CandidateTip& tip = state.candidate;
    state.counts = {};
    // Fewer different numbers than a tip needs would draw forever.
    if (kept < target && pool.distinctCount() < n) return GenerationResult::TipFailed;

    for (int t = kept + 1; t <= target; ++t) {
        state.runCount = 0;
        tip.clear();
        for (;;) {
            if (state.runCount >= options.maxRuns) return GenerationResult::TipFailed;
            ++state.runCount;
            if (state.runCount == options.maxRuns / 2) {
                options.forcePair = false;
                hooks.pairRuleSwitchedOff();
            }

            // A number already in the candidate is drawn again for the same position.
            std::uint64_t drawn = 0;
            for (int k = 1; k <= n;) {
                const std::uint8_t v = entries[random.random(size)];
                if (drawn >> v & 1) continue;
                drawn |= std::uint64_t{1} << v;
                tip.pos[static_cast<std::size_t>(k++)] = v;
            }
            const int qs = Rules::crossSum(tip, n);
            tip.sortAscending(n);
            if (!hooks.candidateDrawn(t, tip, qs, state.runCount, options)) return GenerationResult::Stopped;

            ++state.counts.candidates;
            if (const int rule = Rules::firstFailingRule(tip, n, t, state.table, recent, options, hooks); rule != 0) {
                ++state.counts.rejectedBy[static_cast<std::size_t>(rule)];
                tip.clear();
                hooks.rejected(state.runCount);
                continue;
            }
            ++state.counts.passed;
            // A candidate found on the very last attempt does not count.
            if (state.runCount >= options.maxRuns) return GenerationResult::TipFailed;
            if (t <= TicketTable::Rows) state.table.setRow(t, tip, n);
            hooks.accepted(t, tip);
            break;
        }
    }
    return GenerationResult::Complete;
}

QString candidateStatusText(int t, const CandidateTip& tip, int n, int qs) {
    QString numbers;
    for (int k = 1; k <= n; ++k)
        numbers += QLatin1Char(' ') + QString::number(tip.pos[static_cast<std::size_t>(k)]);
    return QCoreApplication::translate("TipGenerator", "%1.Tipp:  %2 QS: %3").arg(QString::number(t), numbers, QString::number(qs));
}

QString rejectionStatusText(int runCount) {
    return QCoreApplication::translate("TipGenerator", "%1 Reihen getestet").arg(runCount);
}

bool RecordHistoryChecks::allTime(QStringView text, int minHits) {
    const HistoryCheck::DateWindow w = HistoryCheck::historyWindow(m_filter);
    return check(text, minHits, w.start, w.end);
}

bool RecordHistoryChecks::recent(QStringView text, int minHits, int drawCount) {
    const HistoryCheck::DateWindow w = HistoryCheck::recentWindow(m_filter, drawCount);
    return check(text, minHits, w.start, w.end);
}

bool RecordHistoryChecks::check(QStringView text, int minHits, double start, double end) {
    m_ticket.parse(text);
    // A candidate holds different numbers from 1 to 49, so the mask always exists.
    const std::optional<std::uint64_t> mask = HistoryCheck::tipMask(m_ticket);
    if (!mask) return true;
    const std::shared_ptr<const HistoryRecords> history = m_history.records();
    return !HistoryCheck::firstInWindowReachingMask(*history, {start, end}, minHits, *mask).reached;
}
