#pragma once
#include "generator/GenerationRules.h"
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// What the rules of the generator do: their names, and how many real draws each enabled rule
// would itself have rejected (a rule that throws out many real draws shapes the tips more than
// it filters bad ones).
namespace RuleReport {

// The rule's name in the user's language, rule 1..13.
QString ruleName(int rule);

struct BackTest {
    int draws = 0; // draws of the window tested
    // Index = rule number; rule 1 compares the tips of one run with each other and is never
    // tested against draws.
    std::array<bool, 14> enabled{};
    std::array<int, 14> rejected{};
    double share(int rule) const {
        return draws > 0 ? double(rejected[static_cast<std::size_t>(rule)]) / draws : 0;
    }
    // "regel,name,verworfen,ziehungen,anteil" for each enabled rule.
    QByteArray toCsv() const;
};

// Each draw of the window (from <= date <= to, on a chosen weekday) is taken as a six-number
// tip and tested against every enabled rule on its own, as the generator would have tested it
// when the draw before it was the newest: the three draws before it are the recent draws, the
// all-time check covers the window's draws before it, the recent checks the span before it.
BackTest backTest(const std::vector<DrawRecord>& records, const DrawFilter& filter,
                  const RuleOptions& options);

} // namespace RuleReport
