#pragma once
#include "history/DrawRecord.h"

#include <QString>
#include <QStringList>
#include <vector>

// The published results as CSV: "date,n1,n2,n3,n4,n5,n6,additional" with ISO dates, numbers in
// drawn order, an empty additional number where the game had none (stored as 0).
namespace DrawCsv {

// The results of every draw since 1958 are well below a megabyte; a larger file is refused.
constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;

// Throws AppError naming the line when a row is malformed or the dates do not ascend.
std::vector<DrawRecord> parse(const QByteArray& text);
// Reads at most MaxFileBytes of a regular file. Throws FileError.
std::vector<DrawRecord> readFile(const QString& path);
QByteArray readText(const QString& path);

// The records in the same format: a header line, then one line per record, LF line ends, an
// empty additional number for 0. A history built from such a file exports to the same bytes.
QByteArray format(const std::vector<DrawRecord>& records);

// An import of CSV into the history, worked out before anything is written: every line is
// checked like a draw received by the update and must be a record the history accepts; good
// lines are merged by date into the history.
struct ImportPlan {
    std::vector<DrawRecord> merged; // the history after the import, dates ascending
    int added = 0;     // new dates
    int replaced = 0;  // dates whose stored draw differs
    int unchanged = 0; // dates whose stored draw is the same
    // Lines refused, with their reason ("Zeile 7: ..."), in file order.
    QStringList refused;
    bool changes() const { return added > 0 || replaced > 0; }
};
ImportPlan planImport(const std::vector<DrawRecord>& history, const QByteArray& text);
// "12 Ziehungen hinzugefügt, 1 ersetzt, 3000 unverändert, 2 Zeilen abgelehnt." and the first
// refused lines.
QString importSummary(const ImportPlan& plan);

} // namespace DrawCsv
