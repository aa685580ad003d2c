#pragma once
#include "history/DrawHistory.h"

#include <optional>

// Storing a draw the player typed in. The draw is written only once the player confirms, and a
// failed write throws, so the caller can say that the draw was not stored.
namespace DrawEntry {

struct Start {
    // The newest stored draw, none for an empty history. It prefills the dialog and lends the
    // entered draw the fields the dialog does not show (additional number, eighth byte, reserved).
    std::optional<DrawRecord> newest;
    DrawRecord working;
    double lastDate = 0.0;
};

// Reads the newest draw; a missing history is created empty first. Throws FileError.
Start begin(const DrawHistory& history);

// The six numbers in ascending order; equal numbers stay next to each other.
void sortNumbers(DrawRecord& record);

// A draw newer than every stored one is appended; otherwise it goes in date order, replacing a
// stored draw of the same date. Returns the date of the newest draw afterwards. Throws
// FileError, and the history then holds what it held before.
double store(DrawHistory& history, const DrawRecord& entered, double lastDate);

} // namespace DrawEntry
