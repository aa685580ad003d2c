#pragma once
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The three files that hold the tip list: "tipps.txt" in the player's directory (the list carried from
// one run to the next), the tip files the user saves and loads (".hlt"), and the readable tip
// text "Tipp.txt" grouped by ticket. All of them are text files of the program's kind: read with
// a byte-order mark honoured and any line end, written with CR LF and replaced in one step.
namespace TipFiles {

// German source; shown through translated() (base/Tr.h).
inline const QString Filter = QString::fromUtf8(QT_TRANSLATE_NOOP("TipFiles", "Tippdatei|*.hlt"));
inline const QString Suffix = QStringLiteral("hlt");

// Every line of the file, unchanged; the whole file or FileError.
QStringList read(const QString& path);
// Replaces the file with the lines; the old content stays whole when this throws FileError.
void write(const QString& path, const QStringList& tips);

// The tip file of the draw on `drawDay`: "yyyymmdd.hlt".
QString fileName(const QDate& drawDay);

// Three days after a Wednesday, four after any other day.
double nextDrawDate(double drawDate);

// One tip as the operator's slip takes it: a column of six numbers, or a full system column.
struct SlipTip {
    QString line;              // the tip line written after "Tipp:"
    std::uint64_t numbers = 0; // bit n set: number n is marked in the column
    QString note;              // written on a line of its own below the tip; empty: none
};

// The tip line as it stands, its numbers from 1 to 49 marked.
SlipTip plainTip(const QString& line);

// The tips in tickets of tipsPerTicket (at least one), in list order.
struct TipSheet {
    QString title;
    std::vector<std::vector<SlipTip>> tickets;
};
TipSheet sheet(const std::vector<SlipTip>& tips, int tipsPerTicket, double nextDraw);

// The texts of the sheet, in the player's language; the German ones are the tip text's own.
QString ticketHeader(int ticket); // "1. Lotto-Schein"
QString tipLabel(int number);     // " 1. Tipp:  "

// The tip text: the title, a tilde line, and each ticket after a line holding one blank under
// its header, each tip numbered within its ticket, its note (if any) on the line below.
QStringList text(const TipSheet& sheet);
// The tip text of tip lines as they stand, each line one tip.
QStringList tipText(const QStringList& tips, int tipsPerTicket, double nextDraw);

// The tip list as CSV for spreadsheets: "tipp,system,zahlen" header, then per line its number
// in the list, its system code (empty when none) and each of its fields as they stand.
QByteArray csv(const QStringList& lines);

} // namespace TipFiles
