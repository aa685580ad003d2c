#pragma once
#include <QString>
#include <QStringList>

// Text files of the program: written in the system's 8-bit encoding without byte-order mark,
// every line ended by CR LF; on reading a byte-order mark (UTF-8, UTF-16) selects the encoding
// and CR, LF or CR LF end a line.
namespace TextFile {

// Splits decoded text into lines; a final line end does not start another line.
QStringList splitLines(const QString& text);
// Decodes file content, honouring a byte-order mark.
QString decode(const QByteArray& bytes);
QByteArray encodeLines(const QStringList& lines);

// Throws FileError when the file cannot be opened or read.
QStringList readLines(const QString& path);
// Replaces the file in one step (temporary file, flush, rename), so a failure or a crash leaves
// the previous content whole. Throws FileError.
void writeLinesAtomic(const QString& path, const QStringList& lines);
void writeBytesAtomic(const QString& path, const QByteArray& bytes);

} // namespace TextFile
