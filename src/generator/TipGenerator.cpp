#include "generator/TipGenerator.h"

#include "base/Rounding.h"
#include "stats/DrawLookup.h"

#include <QCoreApplication>
#include <algorithm>

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
    return check(text, minHits, HistoryCheck::historyWindow(m_filter));
}

bool RecordHistoryChecks::recent(QStringView text, int minHits, int drawCount) {
    return check(text, minHits, HistoryCheck::recentWindow(m_filter, drawCount));
}

bool RecordHistoryChecks::check(QStringView text, int minHits, const HistoryCheck::DateWindow& window) {
    ++checks;
    m_ticket.parse(text);
    // A candidate holds different numbers from 1 to 49, so the mask always exists.
    const std::optional<std::uint64_t> mask = HistoryCheck::tipMask(m_ticket);
    if (!mask) return true;
    return !HistoryCheck::firstInWindowReachingMask(m_history, window, minHits, *mask).reached;
}

namespace {

// The history checks on the run's reading; everything else goes to the observer.
class RunHooks : public RecordHistoryChecks {
public:
    RunHooks(const HistoryRecords& history, const DrawFilter& filter, int n, GenerationHooks* observer)
        : RecordHistoryChecks(history, filter), m_n(n), m_observer(observer) {}

    bool candidateDrawn(int t, const CandidateTip& tip, int qs, int runCount, RuleOptions& options) override {
        return !m_observer || m_observer->candidateDrawn(t, tip, qs, runCount, options);
    }
    void rejected(int runCount) override {
        if (m_observer) m_observer->rejected(runCount);
    }
    void pairRuleSwitchedOff() override {
        if (m_observer) m_observer->pairRuleSwitchedOff();
    }
    void accepted(int t, const CandidateTip& tip) override {
        std::array<int, CandidateTip::MaxNumbers> numbers{};
        std::copy_n(tip.pos.begin() + 1, m_n, numbers.begin());
        lines << TipLine::makeLine(std::span<const int>(numbers.data(), static_cast<std::size_t>(m_n)),
                                   TipLine::Normal);
        if (m_observer) m_observer->accepted(t, tip);
    }

    QStringList lines;

private:
    int m_n;
    GenerationHooks* m_observer;
};

} // namespace

HistoryRun runOnHistory(const HistoryRecords& history, const DrawFilter& filter, const PoolOptions& poolOptions,
                        RuleOptions& options, int n, int target, GenerationState& state, RandomSequence& random,
                        GenerationHooks* observer) {
    const DrawBrowsing::WeekdayRule rule{filter.saturdays, filter.wednesdays};
    const RecentDraws recent = RecentDraws::fromHistory(history.records, filter.to, rule);

    HistoryRun run;
    HistoryPoolSource source(history, filter);
    PreferencePool pool;
    run.pool = buildPool(pool, poolOptions, recent, source);
    if (run.pool != PoolOutcome::Ready) return run;
    // No kept tips: rule 1 compares only with rows this run writes.
    RunHooks hooks(history, filter, n, observer);
    run.result = generateTips(pool, recent, n, 0, target, options, state, hooks, random);
    run.lines = hooks.lines;
    run.historyChecks = hooks.checks;

    CurrentDraw draw;
    const DrawLookup lookup = lookupDraw(history, static_cast<double>(roundHalfEven(filter.to)));
    if (lookup.record) draw.take(history.records[*lookup.record]);
    QString selector = TipLine::Normal;
    ParsedTicket ticket;
    TicketResult result;
    HitTally tally;
    // The lines are single tips: no table is ever asked for.
    const SystemTable table;
    SystemTableSet byCode{QString()};
    QStringList lines = run.lines;
    run.check = checkTipList(lines, selector, ticket, result, tally, {&table, &byCode}, draw);
    return run;
}
