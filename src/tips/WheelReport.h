#pragma once
#include "tips/SystemTable.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
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
    // A choice of winning base positions (1-based) that gets only the guarantee: where a
    // table has a hole, this is one.
    std::vector<int> weakest;
    double share(int h) const {
        return cases > 0 ? double(reaching[static_cast<std::size_t>(h)]) / double(cases) : 0;
    }
};

struct Report {
    int base = 0;                 // base numbers: the length of the longest row
    std::vector<QString> rows;    // the table's rows
    std::vector<Profile> profile; // k = 0 .. min(6, base)
    // The largest k for which the guarantee is k itself (every such choice lies in one row),
    // and the one for k = 3.. as a summary.
    int fullGuarantee() const;
};

// The rows of a table file: each must mark exactly six positions with "x" within the first 26
// characters, and there must be one row at least and at most SystemTable::Capacity. Throws
// AppError naming the first bad line.
Report analyse(const QStringList& lines);
Report analyseFile(const QString& path);

// Plain text for the window, one line per k: "3 von 9 Basiszahlen richtig: mindestens 3
// Treffer; 3er in 100 % der 84 Fälle, …".
QStringList describe(const Report& report);

} // namespace WheelReport
