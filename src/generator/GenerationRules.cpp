#include "generator/GenerationRules.h"
#include "base/CpuDispatch.h"
#include "base/Lotto.h"

#include "base/Rounding.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <bit>

void CandidateTip::sortAscending(int n) {
    // Different numbers below 64, as the pool gives them: read back in order from a bit set,
    // without the branches of a sort.
    std::uint64_t set = 0;
    std::uint8_t above = 0;
    for (int k = 1; k <= n; ++k) {
        const std::uint8_t v = pos[static_cast<std::size_t>(k)];
        above |= static_cast<std::uint8_t>(v & 0xC0);
        set |= std::uint64_t{1} << (v & 63);
    }
    if (above == 0) {
        std::array<std::uint8_t, MaxNumbers + 1> sorted{};
        int count = 0;
        for (; set != 0 && count < n; set &= set - 1)
            sorted[static_cast<std::size_t>(++count)] = static_cast<std::uint8_t>(std::countr_zero(set));
        if (count == n && set == 0) {
            std::copy(sorted.begin() + 1, sorted.begin() + 1 + n, pos.begin() + 1);
            return;
        }
    }
    // Repeated or larger values.
    std::sort(pos.begin() + 1, pos.begin() + 1 + n);
}

std::uint64_t CandidateTip::mask(int n) const {
    std::uint64_t m = 0;
    for (int k = 1; k <= n; ++k) m |= std::uint64_t{1} << pos[static_cast<std::size_t>(k)];
    return m & ~std::uint64_t{1}; // position value 0 is "not drawn"
}

void TicketTable::setRow(int t, std::span<const int> values, int n) {
    std::uint64_t m = 0;
    for (const int v : values.first(std::min(values.size(), static_cast<std::size_t>(n))))
        if (v >= 1 && v <= Lotto::HighestNumber) m |= std::uint64_t{1} << v;
    m_masks[static_cast<std::size_t>(t)] = m;
}

namespace Rules {

namespace {
int at(const CandidateTip& tip, int k) {
    return tip.pos[static_cast<std::size_t>(k)];
}

// Rule 1 for the candidate's numbers against rows 1..rows of the table.
QUINTARA_POPCNT_CLONES
bool ticketOptimisationFails(std::uint64_t candidate, const TicketTable& table, int rows,
                             const RuleOptions& o) {
    if (rows < 1) return false;
    int most = 0;
    int fewest = 64;
    for (int r = 1; r <= rows; ++r) {
        const int hits = std::popcount(candidate & table.mask(r));
        most = std::max(most, hits);
        fewest = std::min(fewest, hits);
    }
    const bool tooMany = most > o.maxMatches;
    const bool tooFew = fewest < o.minMatches;
    return (tooMany && o.maxMatchesOn) || (tooFew && o.minMatchesOn) || (o.everyPair && (tooMany || tooFew));
}

} // namespace

int crossSum(const CandidateTip& tip, int n) {
    int s = 0;
    for (int k = 1; k <= n; ++k) s += at(tip, k);
    if (n == 6) return s;
    // s * 6 is exact; the quotient is exact whenever it ends in .5.
    return static_cast<int>(roundHalfEven(static_cast<double>(s) * 6 / n));
}

bool hasPair(const CandidateTip& tip, int n) {
    for (int k = 1; k < n; ++k)
        if (at(tip, k + 1) == at(tip, k) + 1) return true;
    return false;
}

bool hasRunOfThree(const CandidateTip& tip, int n) {
    for (int k = 1; k + 2 <= n; ++k)
        if (at(tip, k + 1) == at(tip, k) + 1 && at(tip, k + 2) == at(tip, k) + 2) return true;
    return false;
}

int evenCount(const CandidateTip& tip, int n) {
    int c = 0;
    for (int k = 1; k <= n; ++k) c += (at(tip, k) % 2 == 0);
    return c;
}

int oddCount(const CandidateTip& tip, int n) {
    return n - evenCount(tip, n);
}

int primeCount(const CandidateTip& tip, int width) {
    int c = 0;
    for (int k = 1; k <= std::min(width, CandidateTip::MaxNumbers); ++k) c += Statistics::isRedNumber(at(tip, k));
    return c;
}

int historyText(const CandidateTip& tip, int n, HistoryText& out) {
    int len = 0;
    for (int k = 1; k <= n; ++k) {
        const int v = at(tip, k);
        if (v >= 10) out[static_cast<std::size_t>(len++)] = static_cast<char16_t>(u'0' + v / 10);
        out[static_cast<std::size_t>(len++)] = static_cast<char16_t>(u'0' + v % 10);
        out[static_cast<std::size_t>(len++)] = u',';
    }
    return len;
}

QUINTARA_POPCNT_CLONES
int firstFailingRule(const CandidateTip& tip, int n, int t, const TicketTable& table,
                     const RecentDraws& recent, const RuleOptions& o, HistoryChecks& checks) {
    const std::uint64_t mask = tip.mask(n);
    if (t > 1 && ticketOptimisationFails(mask, table, std::min(t - 1, TicketTable::Rows), o)) return 1;
    if (o.forcePair && !hasPair(tip, n)) return 2;
    if (o.noRunsOfThree && hasRunOfThree(tip, n)) return 3;
    const int qs = crossSum(tip, n);
    if (qs < o.crossSumLow || qs > o.crossSumHigh) return 4;
    for (int g = 0; g < 3; ++g) {
        const auto i = static_cast<std::size_t>(g);
        if (o.recentOn[i] && std::popcount(mask & recent.mask(g)) > o.recentAllowance[i]) return 5 + g;
    }
    if (o.evenOn && evenCount(tip, n) < o.evenMin) return 8;
    if (o.oddOn && oddCount(tip, n) < o.oddMin) return 9;
    if (o.primesOn && primeCount(tip, o.primeWidth) < o.primesMin) return 10;
    if (!o.historyOn && !o.recentChecks[0].on && !o.recentChecks[1].on) return 0;

    HistoryText buffer;
    const QStringView text(buffer.data(), historyText(tip, n, buffer));
    if (o.historyOn && !checks.allTime(text, o.historyHits)) return 11;
    for (int c = 0; c < 2; ++c) {
        const RuleOptions::RecentCheck& rc = o.recentChecks[static_cast<std::size_t>(c)];
        if (rc.on && !checks.recent(text, rc.hits, rc.draws)) return 12 + c;
    }
    return 0;
}

} // namespace Rules
