#pragma once
#include "generator/GenerationRules.h"
#include "history/DrawRecord.h"
#include "stats/DrawFilter.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// The rules of the generator: their names, and how many real draws each would have rejected.
namespace RuleReport {

// The rule's name in the user's language, rule 1..13.
QString ruleName(int rule);

struct BackTest {
    int draws = 0; // draws of the window tested
    // Index = rule number; rule 1 compares tips with each other and is never tested.
    std::array<bool, 14> enabled{};
    std::array<int, 14> rejected{};
    double share(int rule) const {
        return draws > 0 ? double(rejected[static_cast<std::size_t>(rule)]) / draws : 0;
    }
    // "regel,name,verworfen,ziehungen,anteil" for each enabled rule.
    QByteArray toCsv() const;
};

// Each draw of the window (from <= date <= to, on a chosen weekday) taken as a tip and tested
// against every enabled rule on its own, as the generator would have when the draw before it
// was the newest.
BackTest backTest(const std::vector<DrawRecord>& records, const DrawFilter& filter,
                  const RuleOptions& options);

} // namespace RuleReport
