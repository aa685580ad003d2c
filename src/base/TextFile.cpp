#include "base/TextFile.h"

#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QCoreApplication>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

QStringList splitLines(const QString& text) {
    QStringList lines;
    const qsizetype n = text.size();
    const QChar* chars = text.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = chars[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && chars[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < n) lines << text.mid(start);
    return lines;
}

namespace {

// Decodes file content; a byte-order mark selects the encoding and is dropped.
QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::System));
    return decoder(bytes);
}

} // namespace

QStringList readLines(const QString& path, const Limits& limits) {
    const QStringList lines = splitLines(decode(SafeFile::readAll(path, limits.maxBytes)));
    if (lines.size() > limits.maxLines)
        throw FileError(QCoreApplication::translate("TextFile",
                                                    "Die Datei \"%1\" hat zu viele Zeilen: %2, höchstens %3 "
                                                    "werden gelesen. Sie bleibt unverändert.")
                            .arg(path)
                            .arg(lines.size())
                            .arg(limits.maxLines));
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).size() > limits.maxLineLength)
            throw FileError(QCoreApplication::translate("TextFile",
                                                        "Die Zeile %2 der Datei \"%1\" ist zu lang: %3 Zeichen, "
                                                        "höchstens %4 werden gelesen. Die Datei bleibt unverändert.")
                                .arg(path)
                                .arg(i + 1)
                                .arg(lines.at(i).size())
                                .arg(limits.maxLineLength));
    return lines;
}

void writeBytesAtomic(const QString& path, const QByteArray& bytes) {
    SafeFile::ReplaceOptions options;
    options.failureNote = QCoreApplication::translate("TextFile", "Der bisherige Inhalt bleibt erhalten.");
    SafeFile::replace(path, bytes, options);
}

void writeLinesAtomic(const QString& path, const QStringList& lines) {
    QStringEncoder encoder(QStringConverter::System);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder(line);
        bytes += "\r\n";
    }
    writeBytesAtomic(path, bytes);
}

} // namespace TextFile
