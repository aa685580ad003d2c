#pragma once
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"

#include <QString>
#include <array>
#include <vector>

// The statistics over the draw history, free of any display. Each takes the records of the
// history file in file order and the analysis window.
namespace Statistics {

// 1 and the primes up to 47: drawn red in the number charts.
bool isRedNumber(int n);

struct NumberFrequencies {
    std::array<int, 50> count{}; // index 1 to 49
    int draws = 0;
    long long crossSums = 0;
};
// Draws on or after the from date; the additional number is not counted.
NumberFrequencies numberFrequencies(const std::vector<DrawRecord>& records, const DrawFilter& filter);

// Average cross sum rounded half to even; 0 when no draw was counted.
long long averageCrossSum(long long total, int draws);

QString frequencyTitle(const NumberFrequencies& f);

} // namespace Statistics
