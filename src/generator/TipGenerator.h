#pragma once
#include "base/Random.h"
#include "evaluation/Matching.h"
#include "generator/GenerationRules.h"
#include "generator/PreferencePool.h"
#include "stats/HistoryCheck.h"
#include "stats/HistoryRecords.h"
#include "tips/TipLine.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// What the drawing loop tells its owner, and asks it. A hook must never draw random numbers.
class GenerationHooks : public HistoryChecks {
public:
    // A candidate was drawn and sorted, before its rules are tested; the owner may refresh
    // `options` from the controls. False stops the run.
    virtual bool candidateDrawn(int /*t*/, const CandidateTip&, int /*qs*/, int /*runCount*/, RuleOptions&) {
        return true;
    }
    virtual void rejected(int /*runCount*/) {}
    // Half of the attempts for one tip are spent: the forced pair is off for the rest of the run.
    virtual void pairRuleSwitchedOff() {}
    virtual void accepted(int /*t*/, const CandidateTip&) {}
};

// How the candidates of one run fared: each is rejected by the first rule it fails or passes.
struct RuleCounts {
    static constexpr int Rules = 13;
    std::int64_t candidates = 0;
    std::int64_t passed = 0;
    std::array<std::int64_t, Rules + 1> rejectedBy{}; // index = rule number 1..13; 0 unused

    std::int64_t rejected() const;
    // The leader and every rule that rejected at least half as many, most first.
    std::vector<int> leaders() const;
    // "Die meisten Kandidaten verwarf die Regel „Quersumme“ (1.998 von 2.000)." and the like;
    // empty when nothing was rejected.
    QString failureText() const;
    // "regel,name,verworfen,anteil" for each rule, then the passed candidates.
    QByteArray toCsv() const;
};

struct GenerationState {
    CandidateTip candidate;
    TicketTable table;
    int runCount = 0;
    // Counted afresh by every generateTips call.
    RuleCounts counts;
};

enum class GenerationResult {
    Complete,  // every tip up to the target stands (or none was needed)
    TipFailed, // a tip was not found within the attempt limit; no further tip was generated
    Stopped,   // the owner stopped the run
};

// Draws tips t = kept + 1 .. target from the pool: candidates until one passes every rule or
// options.maxRuns attempts are spent.
GenerationResult generateTips(const PreferencePool& pool, const RecentDraws& recent, int n, int kept,
                              int target, RuleOptions& options, GenerationState& state,
                              GenerationHooks& hooks, RandomSequence& random);

// The status texts of a candidate ("3.Tipp:   3 12 17 25 33 41 QS: 131") and of a rejection
// ("1234 Reihen getestet").
QString candidateStatusText(int t, const CandidateTip& tip, int n, int qs);
QString rejectionStatusText(int runCount);

// History checks straight on one reading of a history file, counting hits as the window does
// for single tips.
class RecordHistoryChecks : public GenerationHooks {
public:
    RecordHistoryChecks(const HistoryRecords& history, const DrawFilter& filter)
        : m_history(history), m_filter(filter) {}
    bool allTime(QStringView text, int minHits) override;
    bool recent(QStringView text, int minHits, int drawCount) override;

    long checks = 0; // history checks answered

private:
    bool check(QStringView text, int minHits, const HistoryCheck::DateWindow& window);
    const HistoryRecords& m_history;
    DrawFilter m_filter;
    ParsedTicket m_ticket;
};

// A generation run without the window on one reading of a history file: the last three
// draws up to filter.to, the pool, the drawing, and the new lines checked against the draw of
// filter.to. `observer` hears of the candidates and tips; its history checks are not asked.
struct HistoryRun {
    PoolOutcome pool = PoolOutcome::Ready;
    GenerationResult result = GenerationResult::Complete;
    QStringList lines; // the accepted tips, in order
    ListCheck check;   // the lines against the draw
    long historyChecks = 0;
};
HistoryRun runOnHistory(const HistoryRecords& history, const DrawFilter& filter, const PoolOptions& poolOptions,
                        RuleOptions& options, int n, int target, GenerationState& state, RandomSequence& random,
                        GenerationHooks* observer = nullptr);
