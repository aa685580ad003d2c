#pragma once
#include "stats/HistoryRecords.h"

#include <cstddef>
#include <optional>

// Which draw an evaluation date picks: the records are walked in file order up to the first
// dated on or after the target (or the last record). That record is the draw when it lies on
// or after the target; past the newest draw, the newest draw (with a date above zero) is shown.
struct DrawLookup {
    // None when the file is empty or the walk stopped on a record that cannot be taken.
    std::optional<std::size_t> record;
    // Taken as the first of the file (the draw line then spaces its date wider).
    bool firstRecord = false;
    // Zero-based position where the walk stopped (0 for an empty file).
    std::size_t index = 0;
};

DrawLookup lookupDraw(const HistoryRecords& history, double target);
