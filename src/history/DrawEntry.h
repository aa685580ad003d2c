#pragma once
#include "history/DrawHistory.h"

#include <QDate>
#include <QString>
#include <array>
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

// The date the entry proposes: the first draw day after the newest stored draw, the one most
// likely missing. When that lies after today, the last draw day up to today.
QDate proposedDate(const DrawRecord& newest, const QDate& today);

// The six numbers in ascending order.
void sortNumbers(DrawRecord& record);

// A draw newer than every stored one is appended; otherwise it goes in date order, replacing a
// stored draw of the same date. Returns the date of the newest draw afterwards. Throws
// FileError, and the history then holds what it held before.
double store(DrawHistory& history, const DrawRecord& entered, double lastDate);

// What is wrong with the typed-in fields, naming the field: 1 to 6 a winning number, 7 the
// additional number. The six texts must be whole numbers that pass checkDrawNumbers.
struct FieldProblem {
    int field = 0;
    QString message;
};
std::optional<FieldProblem> check(const std::array<QString, 6>& numberTexts, int additional);
// A draw after today cannot have been drawn yet (field 0: the date).
std::optional<FieldProblem> checkDate(const QDate& date, const QDate& today);

// The stored draw of that date, if there is one (the entry would replace it).
std::optional<DrawRecord> storedDraw(const DrawHistory& history, double date);

// "5, 7, 30, 33, 35, 36 (Zusatzzahl 12)" for the questions about a draw.
QString numbersText(const DrawRecord& record);

} // namespace DrawEntry
