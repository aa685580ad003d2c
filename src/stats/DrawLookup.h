#pragma once
#include "stats/HistorySnapshot.h"

#include <cstddef>
#include <optional>

// Which draw an evaluation date picks from the history, as the draw line shows it.
//
// The records are walked in file order up to the first dated on or after the target (or the
// last record); the walk's stop is the draw's position. That record is the draw when it lies
// on or after the target. The last record is taken whenever the walk ends there with a date
// above zero, even before the target: past the newest draw, the newest draw is shown.
struct DrawLookup {
    // The record taken; none when the file is empty or the walk stopped on a record that
    // cannot be taken (a date below the target that is not the last, or not a number).
    std::optional<std::size_t> record;
    // The record was taken as the first of the file (the draw line then spaces its date
    // wider).
    bool firstRecord = false;
    // Zero-based position where the walk stopped (0 for an empty file).
    std::size_t index = 0;
};

DrawLookup lookupDraw(const HistoryRecords& history, double target);
