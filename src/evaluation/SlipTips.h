#pragma once
#include "stats/ChanceBaseline.h"
#include "tips/SystemTableSet.h"
#include "tips/TipFiles.h"

#include <QStringList>
#include <optional>
#include <vector>

// The tip list as the operator's slips take it. The slip has no box for a reduced system's
// code, so a reduced system is written as the six-number rows of its table, each a single tip;
// a full system stays one system column, with the rows it plays and their stake; a single tip
// stays as it is.
namespace SlipTips {

// Each line played by its own designation (Winnings::playedLine; lines without one as
// `fallback` says). A line that cannot be played (fewer than six numbers, a missing table)
// stays as it is, a missing table named below it. pricePerRow: the price of one row, none
// when it is not known (the stake then says "unbekannt").
std::vector<TipFiles::SlipTip> of(const QStringList& lines, SystemTableSet& tables, const Chance::TipShape& fallback,
                                  std::optional<double> pricePerRow);

} // namespace SlipTips
