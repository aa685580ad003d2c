#pragma once
#include <QByteArray>
#include <QStringList>

// The tip list as CSV for spreadsheets: "tipp,system,zahlen" header, then per line its number
// in the list, its system code (the text after ":", empty when none) and each of its numbers
// as its own field. Fields that are no number are written as they stand (quoted when needed).
namespace TipCsv {

QByteArray format(const QStringList& lines);

} // namespace TipCsv
