#include "generator/TipGenerator.h"

#include "base/Random.h"
#include "stats/HistoryCheck.h"

#include <bit>

GenerationResult generateTips(const PreferencePool& pool, const RecentDraws& recent, int n, int kept,
                              int target, RuleOptions& options, GenerationState& state,
                              GenerationHooks& hooks) {
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
                const std::uint8_t v = entries[Rng::random(size)];
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
    QString text = QString::number(t) + QStringLiteral(".Tipp:  ");
    for (int k = 1; k <= n; ++k)
        text += QLatin1Char(' ') + QString::number(tip.pos[static_cast<std::size_t>(k)]);
    return text + QStringLiteral(" QS: ") + QString::number(qs);
}

QString rejectionStatusText(int runCount) {
    return QString::number(runCount) + QStringLiteral(" Reihen getestet");
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
    std::uint64_t tipMask = 0;
    int value = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(',')) {
            if (value > 0 && value < 64) tipMask |= std::uint64_t{1} << value;
            value = 0;
        } else {
            value = value * 10 + (c.unicode() - u'0');
        }
    }
    const HistoryRecords& history = m_history.records();
    const auto hits = [&](const DrawRecord& r, std::size_t i) {
        if (history.masksExact) return std::popcount(history.winningMasks[i] & tipMask);
        int h = 0;
        for (const std::uint8_t v : r.numbers) h += (v < 64 && (tipMask >> v & 1));
        return h;
    };
    return !HistoryCheck::firstInWindowReaching(history, {start, end}, minHits, hits).reached;
}
