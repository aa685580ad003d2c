#pragma once
#include "tips/SystemTable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// How good a reduced system is: for every count k of winning numbers among its base numbers,
// every choice of those k base numbers is tried, and the best row's hits are counted. The
// guarantee of k is the smallest best-row hit count over all choices.
namespace WheelReport {

struct Profile {
    int k = 0;
    std::int64_t cases = 0;                 // C(base, k)
    int guarantee = 0;                      // minimum best-row hits
    std::array<std::int64_t, 7> reaching{}; // cases whose best row has at least h hits
    // A choice of winning base positions (1-based) that gets only the guarantee.
    std::vector<int> weakest;
    double share(int h) const {
        return cases > 0 ? double(reaching[static_cast<std::size_t>(h)]) / double(cases) : 0;
    }
};

struct Report {
    int base = 0;                 // base numbers: the length of the longest row
    std::vector<QString> rows;    // the table's rows
    std::vector<Profile> profile; // k = 0 .. min(6, base)
    // The largest k >= 3 for which the guarantee is k itself (every such choice lies in one row).
    int fullGuarantee() const;
};

// The rows of a table file: each must mark exactly six positions with "x" within the first 26
// characters, and there must be one row at least and at most SystemTable::Capacity. Throws
// AppError naming the first bad line.
Report analyse(const QStringList& lines);
Report analyseFile(const QString& path);

// Plain text for the window, from k = 3 on.
QStringList describe(const Report& report);

// Calls f(mask) for every set of `size` positions out of 0..n-1 (as a bit set), in
// lexicographic order of the positions.
template <typename F> void forEachSubset(int n, int size, F&& f) {
    if (size == 0) {
        f(0u);
        return;
    }
    std::vector<int> pick(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) pick[static_cast<std::size_t>(i)] = i;
    for (;;) {
        std::uint32_t mask = 0;
        for (const int p : pick) mask |= 1u << p;
        f(mask);
        int i = size - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == n - size + i) --i;
        if (i < 0) return;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < size; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace WheelReport
