#pragma once
#include <QString>
#include <QStringList>

// Text files of the program: written in the system's 8-bit encoding without byte-order mark,
// every line ended by CR LF; on reading a byte-order mark (UTF-8, UTF-16) selects the encoding
// and CR, LF or CR LF end a line.
namespace TextFile {

// Splits decoded text into lines; a final line end does not start another line.
QStringList splitLines(const QString& text);

// What a reader accepts; a file beyond any of these is refused whole with a FileError that says
// so, rather than read in part or held in memory without bound.
struct Limits {
    qint64 maxBytes = 8 * 1024 * 1024;
    qsizetype maxLines = 200000;
    qsizetype maxLineLength = 16 * 1024;
};

// Throws FileError when the file cannot be opened or read (saying why: no permission, not
// found, input/output error) or lies beyond the limits.
QStringList readLines(const QString& path, const Limits& limits = {});
// Replaces the file in one step (temporary file, sync, rename, directory sync), so a failure or
// a crash leaves the previous content whole; a read-only file is refused. Throws FileError.
void writeLinesAtomic(const QString& path, const QStringList& lines);
void writeBytesAtomic(const QString& path, const QByteArray& bytes);

} // namespace TextFile
