#pragma once
#include "stats/ChanceBaseline.h"
#include "tips/SystemTableSet.h"
#include "tips/TipFiles.h"

#include <QStringList>
#include <optional>
#include <vector>

// The tip list as the operator's slips take it: a reduced system as the six-number rows of its
// table (the slip has no box for its code), a full system as one column with its rows and stake.
namespace SlipTips {

// Each line played by its own designation (Winnings::playedLine). A line that cannot be played
// stays as it is, a missing table named below it. pricePerRow: none when it is not known.
std::vector<TipFiles::SlipTip> of(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback,
                                  std::optional<double> pricePerRow);

} // namespace SlipTips
