#pragma once
#include "history/DrawRecord.h"

#include <QString>
#include <vector>

// The published results as CSV: "date,n1,n2,n3,n4,n5,n6,additional" with ISO dates, numbers in
// drawn order, an empty additional number where the game had none (stored as 0).
namespace DrawCsv {

// Throws AppError naming the line when a row is malformed or the dates do not ascend.
std::vector<DrawRecord> parse(const QByteArray& text);
std::vector<DrawRecord> readFile(const QString& path);

} // namespace DrawCsv
