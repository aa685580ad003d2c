#pragma once
#include "generator/PreferencePool.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <span>

// The tip being drawn: positions 1..N hold a number 1..49, or 0 while not drawn yet; the
// positions beyond N stay 0.
struct CandidateTip {
    static constexpr int MaxNumbers = 26;

    std::array<std::uint8_t, MaxNumbers + 1> pos{}; // index 0 unused

    void clear() { pos.fill(0); }
    void sortAscending(int n);
    // Bit v set for each number v at positions 1..n.
    std::uint64_t mask(int n) const;
};

// One row per tip of the list: kept tips first, then the tips the run accepts. Rule 1 compares
// a candidate with rows 1..t-1 on their first N values.
class TicketTable {
public:
    static constexpr int Rows = 960;
    static constexpr int Width = 26;

    void clear() { m_masks.fill(0); }
    // Row t (1..Rows) from its first n values; values outside 1..49 could never equal a drawn
    // number and are left out.
    void setRow(int t, std::span<const int> values, int n);
    void setRow(int t, const CandidateTip& tip, int n) { m_masks[static_cast<std::size_t>(t)] = tip.mask(n); }
    std::uint64_t mask(int t) const { return m_masks[static_cast<std::size_t>(t)]; }

private:
    std::array<std::uint64_t, Rows + 1> m_masks{};
};

// The option values the rules read; the window refreshes them whenever the user had a chance
// to change a control.
struct RuleOptions {
    bool maxMatchesOn = true;  // CheckBox3
    int maxMatches = 4;        // UpDown3
    bool minMatchesOn = true;  // CheckBox24
    int minMatches = 2;        // UpDown1
    bool everyPair = false;    // CheckBox27: both bounds, whatever the two boxes say
    bool forcePair = false;    // CheckBox8
    bool noRunsOfThree = true; // CheckBox18
    int crossSumLow = 125;     // UpDown2
    int crossSumHigh = 175;    // UpDown15
    // Last, second-last, third-last draw: CheckBox4/5/23 with UpDown4/5/11.
    std::array<bool, 3> recentOn{true, true, true};
    std::array<int, 3> recentAllowance{0, 1, 2};
    bool evenOn = false; // CheckBox25, UpDown16
    int evenMin = 2;
    bool oddOn = false; // CheckBox26, UpDown17
    int oddMin = 2;
    bool primesOn = false; // CheckBox22, UpDown10
    int primesMin = 2;
    int primeWidth = 6;    // UpDown18 as the prime count reads it
    bool historyOn = true; // CheckBox9, UpDown6
    int historyHits = 5;
    struct RecentCheck {
        bool on = true;
        int hits = 4;
        int draws = 40;
    };
    // CheckBox30 with UpDown19/20, CheckBox31 with UpDown21/22.
    std::array<RecentCheck, 2> recentChecks{RecentCheck{true, 4, 40}, RecentCheck{true, 3, 10}};
    int maxRuns = 100000; // attempts per tip
};

// The checks against the draw history: each gets the candidate's history-check text and
// answers false when some draw reached the hits.
class HistoryChecks {
public:
    virtual ~HistoryChecks() = default;
    virtual bool allTime(QStringView text, int minHits) = 0;
    virtual bool recent(QStringView text, int minHits, int drawCount) = 0;
};

namespace Rules {

// The scaled cross sum round(s / n * 6), an exact half going to the even integer.
int crossSum(const CandidateTip& tip, int n);
// Two neighbouring positions hold n, n + 1.
bool hasPair(const CandidateTip& tip, int n);
// Three neighbouring positions hold n, n + 1, n + 2.
bool hasRunOfThree(const CandidateTip& tip, int n);
int evenCount(const CandidateTip& tip, int n);
int oddCount(const CandidateTip& tip, int n);
// Positions 1..width holding 1 or a prime up to 47.
int primeCount(const CandidateTip& tip, int width);

// The numbers in decimal, each followed by "," ("3,12,17,25,33,41,"); returns the length.
using HistoryText = std::array<char16_t, CandidateTip::MaxNumbers * 3>;
int historyText(const CandidateTip& tip, int n, HistoryText& out);

// The number (1..13) of the first rule that fails, or 0. t: the tip's row; rows 1..t-1 take
// part in rule 1. The history checks are asked only when every rule before them passed.
int firstFailingRule(const CandidateTip& tip, int n, int t, const TicketTable& table,
                     const RecentDraws& recent, const RuleOptions& o, HistoryChecks& checks);

} // namespace Rules
