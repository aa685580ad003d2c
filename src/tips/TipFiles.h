#pragma once
#include "base/Paths.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The three files that hold the tip list: "tipps.txt" in the player's directory (the list carried from
// one run to the next), the tip files the user saves and loads (".hlt"), and the readable tip
// text "Tipp.txt" grouped by ticket. All of them are text files of the program's kind: read with
// a byte-order mark honoured and any line end, written with CR LF and replaced in one step.
namespace TipFiles {

inline const QString& ListFileName = Paths::TipListName;
inline const QString& TextFileName = Paths::TipTextName;
// German source; shown through translated() (base/Tr.h).
inline const QString Filter = QString::fromUtf8(QT_TRANSLATE_NOOP("TipFiles", "Tippdatei|*.hlt"));
inline const QString Suffix = QStringLiteral("hlt");

// Every line of the file, unchanged, in order. The whole file is read or FileError is thrown,
// so a caller can keep its list when the file is unreadable.
QStringList read(const QString& path);
// Replaces the file with the lines; the old content stays whole when this throws FileError.
// Temporary files that killed saves left in the file's folder are removed first.
void write(const QString& path, const QStringList& tips);

// The name proposed when a tip file is saved, from the draw date chosen for the evaluation:
// after a Sunday or Wednesday the next Wednesday or Saturday three days on, after a Saturday
// the Wednesday four days on; on any other weekday today's date. "yyyymmdd.hlt".
QString proposedName(const QDate& chosenDraw, const QDate& today);
// The tip file of the draw on `drawDay`: "yyyymmdd.hlt".
QString fileName(const QDate& drawDay);

// The draw that follows a draw on the given day count: three days after a Wednesday, four
// days after any other day.
double nextDrawDate(double drawDate);

// The tip text: title with the next draw's date, a tilde line, and the tips in tickets of
// tipsPerTicket, each ticket under its own header, each tip numbered within its ticket.
QStringList tipText(const QStringList& tips, int tipsPerTicket, double nextDraw);

} // namespace TipFiles
