#pragma once
#include <QByteArray>
#include <QStringList>

// The tip list as CSV for spreadsheets: "tipp,system,zahlen" header, then per line its number
// in the list, its system code (empty when none) and each of its fields as they stand.
namespace TipCsv {

QByteArray format(const QStringList& lines);

} // namespace TipCsv
