// Computes the reduced-system tables: for v base numbers, a set of six-number rows such that
// every choice of t base numbers lies wholly inside at least one row. So whenever t (or more)
// of the winning numbers are among the base numbers, some row has at least t hits.
//
// A greedy cover is shrunk by a seeded local search: drop one row, then move single numbers of
// single rows until every t-subset is covered again; repeat until three attempts in a row fail
// within the step budget. The seeds and budgets are fixed, so every run writes the same files
// (about two minutes on one core).
//
// Usage: quintara-wheelgen <output directory>   (writes <code>.txt, lines ended by CR LF)

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int RowSize = 6;
constexpr int MaxRows = 1000;

struct WheelPlan {
    const char* code;
    int base;      // number of base numbers
    int guarantee; // t: t winning numbers among the base give a row with t hits
};

const WheelPlan Systems[] = {
    {"609", 9, 3},  {"610", 10, 3}, {"612", 12, 3}, {"616", 16, 3}, {"622", 22, 3},
    {"626", 26, 3}, {"710", 10, 4}, {"711", 11, 4}, {"712", 12, 4},
};

// Small deterministic generator (splitmix64).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t m_state;
};

std::vector<std::uint32_t> subsetsOfSize(int v, int size) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t m = 0; m < (1u << v); ++m)
        if (std::popcount(m) == size) out.push_back(m);
    return out;
}

// Every t-subset of the base gets an index; the row moves look them up by mask.
class Cover {
public:
    Cover(int v, int t) : m_v(v), m_t(t), m_subsets(subsetsOfSize(v, t)), m_index(1u << v, -1) {
        for (size_t i = 0; i < m_subsets.size(); ++i) m_index[m_subsets[i]] = static_cast<int>(i);
        m_count.assign(m_subsets.size(), 0);
        m_uncoveredPos.assign(m_subsets.size(), -1);
        for (size_t i = 0; i < m_subsets.size(); ++i) markUncovered(static_cast<int>(i));
    }

    int base() const { return m_v; }
    int guarantee() const { return m_t; }
    const std::vector<std::uint32_t>& rows() const { return m_rows; }
    int uncovered() const { return static_cast<int>(m_uncovered.size()); }
    const std::vector<std::uint32_t>& subsets() const { return m_subsets; }
    std::uint32_t uncoveredAt(int i) const {
        return m_subsets[static_cast<size_t>(m_uncovered[static_cast<size_t>(i)])];
    }

    void addRow(std::uint32_t row) {
        m_rows.push_back(row);
        forSubsets(row, [&](int s) { increment(s); });
    }
    void removeRow(size_t i) {
        forSubsets(m_rows[i], [&](int s) { decrement(s); });
        m_rows[i] = m_rows.back();
        m_rows.pop_back();
    }
    void replaceRow(size_t i, std::uint32_t row) {
        forSubsets(row, [&](int s) { increment(s); });
        forSubsets(m_rows[i], [&](int s) { decrement(s); });
        m_rows[i] = row;
    }
    // Change of the uncovered count if row i became `row`.
    int delta(size_t i, std::uint32_t row) const {
        int d = 0;
        const std::uint32_t old = m_rows[i];
        forSubsets(old, [&](int s) {
            if ((m_subsets[static_cast<size_t>(s)] & ~row) != 0 && m_count[static_cast<size_t>(s)] == 1) ++d;
        });
        forSubsets(row, [&](int s) {
            if ((m_subsets[static_cast<size_t>(s)] & ~old) != 0 && m_count[static_cast<size_t>(s)] == 0) --d;
        });
        return d;
    }
    int gain(std::uint32_t row) const {
        int g = 0;
        forSubsets(row, [&](int s) {
            if (m_count[static_cast<size_t>(s)] == 0) ++g;
        });
        return g;
    }

private:
    template <typename F> void forSubsets(std::uint32_t row, F&& f) const {
        // The t-subsets of a six-element row: walk the submasks of size t.
        for (std::uint32_t sub = row; sub != 0; sub = (sub - 1) & row)
            if (std::popcount(sub) == m_t) f(m_index[sub]);
    }
    void increment(int s) {
        if (m_count[static_cast<size_t>(s)]++ == 0) markCovered(s);
    }
    void decrement(int s) {
        if (--m_count[static_cast<size_t>(s)] == 0) markUncovered(s);
    }
    void markUncovered(int s) {
        m_uncoveredPos[static_cast<size_t>(s)] = static_cast<int>(m_uncovered.size());
        m_uncovered.push_back(s);
    }
    void markCovered(int s) {
        const int pos = m_uncoveredPos[static_cast<size_t>(s)];
        const int last = m_uncovered.back();
        m_uncovered[static_cast<size_t>(pos)] = last;
        m_uncoveredPos[static_cast<size_t>(last)] = pos;
        m_uncovered.pop_back();
        m_uncoveredPos[static_cast<size_t>(s)] = -1;
    }

    int m_v;
    int m_t;
    std::vector<std::uint32_t> m_subsets;
    std::vector<int> m_index;
    std::vector<int> m_count;
    std::vector<int> m_uncovered;
    std::vector<int> m_uncoveredPos;
    std::vector<std::uint32_t> m_rows;
};

// Greedy start: always the row that covers the most uncovered t-subsets (the first such row
// in mask order, so the start is deterministic).
void greedy(Cover& cover, const std::vector<std::uint32_t>& candidates) {
    while (cover.uncovered() > 0) {
        int bestGain = -1;
        std::uint32_t best = 0;
        for (const std::uint32_t row : candidates) {
            const int g = cover.gain(row);
            if (g > bestGain) {
                bestGain = g;
                best = row;
            }
        }
        cover.addRow(best);
    }
}

// Local search on a fixed number of rows. A move takes an uncovered t-subset S and a row that
// holds all but one element of S, and swaps one of the row's other numbers for the missing
// one (a random swap when no row is that close). Worse moves are accepted with a falling
// probability; starting cool keeps most of the structure of the cover it starts from.
// Returns true when it reached a full cover within the step budget.
bool anneal(Cover& cover, Rng& rng, long steps) {
    const int v = cover.base();
    const int t = cover.guarantee();
    // Cools from 1 to 0.05 over the budget, so each size gets a full schedule.
    double temperature = 0.15;
    const double cooling = std::pow(0.1, 1.0 / static_cast<double>(steps));
    std::vector<size_t> near;
    for (long step = 0; step < steps; ++step) {
        if (cover.uncovered() == 0) return true;
        const std::uint32_t s = cover.uncoveredAt(rng.below(cover.uncovered()));
        near.clear();
        for (size_t i = 0; i < cover.rows().size(); ++i)
            if (std::popcount(cover.rows()[i] & s) == t - 1) near.push_back(i);
        size_t i;
        std::uint32_t row;
        if (!near.empty()) {
            i = near[static_cast<size_t>(rng.below(static_cast<int>(near.size())))];
            const std::uint32_t old = cover.rows()[i];
            const std::uint32_t missing = s & ~old;
            std::uint32_t others = old & ~s;
            int pick = rng.below(std::popcount(others));
            while (pick-- > 0) others &= others - 1;
            row = (old & ~(others & (~others + 1))) | missing;
        } else {
            i = static_cast<size_t>(rng.below(static_cast<int>(cover.rows().size())));
            const std::uint32_t old = cover.rows()[i];
            int out = rng.below(RowSize);
            std::uint32_t bits = old;
            while (out-- > 0) bits &= bits - 1;
            const std::uint32_t drop = bits & (~bits + 1);
            int in = rng.below(v - RowSize);
            std::uint32_t free = ~old & ((1u << v) - 1);
            while (in-- > 0) free &= free - 1;
            row = (old & ~drop) | (free & (~free + 1));
        }
        const int d = cover.delta(i, row);
        if (d <= 0 || rng.unit() < std::exp(-d / temperature)) cover.replaceRow(i, row);
        temperature *= cooling;
    }
    return cover.uncovered() == 0;
}

std::vector<std::uint32_t> wheel(const WheelPlan& plan, std::uint64_t seed, long stepsPerSize) {
    Cover start(plan.base, plan.guarantee);
    greedy(start, subsetsOfSize(plan.base, RowSize));
    std::vector<std::uint32_t> best = start.rows();
    Rng rng(seed);
    // Try one row fewer until the search fails to close the gap a few times in a row.
    int failures = 0;
    while (best.size() > 1 && failures < 3) {
        Cover attempt(plan.base, plan.guarantee);
        for (const std::uint32_t r : best) attempt.addRow(r);
        attempt.removeRow(static_cast<size_t>(rng.below(static_cast<int>(best.size()))));
        if (anneal(attempt, rng, stepsPerSize)) {
            best = attempt.rows();
            failures = 0;
        } else {
            ++failures;
        }
    }
    return best;
}

std::string rowText(std::uint32_t row, int base) {
    std::string text(static_cast<size_t>(base), '-');
    for (int k = 0; k < base; ++k)
        if (row & (1u << k)) text[static_cast<size_t>(k)] = 'x';
    return text;
}

bool verify(const std::vector<std::uint32_t>& rows, const WheelPlan& plan) {
    for (const std::uint32_t s : subsetsOfSize(plan.base, plan.guarantee)) {
        bool covered = false;
        for (const std::uint32_t r : rows)
            if ((s & ~r) == 0) covered = true;
        if (!covered) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <output directory> [code]\n", argv[0]);
        return 2;
    }
    const std::string outDir = argv[1];
    const long stepsPerSize = 3'000'000;
    std::printf("| Code | Base numbers | Guarantee | Rows |\n|---|---|---|---|\n");
    for (const WheelPlan& plan : Systems) {
        if (argc == 3 && std::string(argv[2]) != plan.code) continue;
        const std::uint64_t seed = 0x5157 + static_cast<std::uint64_t>(plan.base * 16 + plan.guarantee);
        std::vector<std::uint32_t> rows = wheel(plan, seed, stepsPerSize);
        if (!verify(rows, plan) || rows.size() > MaxRows) {
            std::fprintf(stderr, "%s: no valid table\n", plan.code);
            return 1;
        }
        // Rows in reading order: the ones marking earlier numbers first.
        std::vector<std::string> lines;
        for (const std::uint32_t r : rows) lines.push_back(rowText(r, plan.base));
        std::sort(lines.begin(), lines.end(),
                  [](const std::string& a, const std::string& b) { return a > b; });

        const std::string path = outDir + "/" + plan.code + ".txt";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) out << line << "\r\n";
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", path.c_str());
            return 1;
        }
        std::printf("| %s | %d | %d if %d | %zu |\n", plan.code, plan.base, plan.guarantee, plan.guarantee,
                    rows.size());
        std::fflush(stdout);
    }
    return 0;
}
