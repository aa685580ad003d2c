#include "base/TextFile.h"

#include "base/Errors.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <QCoreApplication>

namespace TextFile {

QStringList splitLines(const QString& text) {
    QStringList lines;
    QString current;
    const int n = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty()) lines << current;
    return lines;
}

QString decode(const QByteArray& bytes) {
    if (auto encoding = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*encoding, QStringConverter::Flag::ConvertInitialBom);
        QString text = decoder(bytes);
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    QStringDecoder decoder(QStringConverter::System);
    return decoder(bytes);
}

QByteArray encodeLines(const QStringList& lines) {
    QStringEncoder encoder(QStringConverter::System);
    QByteArray out;
    for (const QString& line : lines) {
        out += encoder(line);
        out += "\r\n";
    }
    return out;
}

QStringList readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int err = file.error() == QFileDevice::PermissionsError ? EACCES : ENOENT;
        throw openError(path, err);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw readError(path, EIO);
    return splitLines(decode(bytes));
}

void writeBytesAtomic(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered: a short write (full disk, size limit) must fail here. A buffered write would
    // only fail while commit() flushes, and commit() would still rename the truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int err = file.error() == QFileDevice::PermissionsError ? EACCES : EIO;
        throw FileError(
            QCoreApplication::translate("TextFile", "Die Datei \"%1\" kann nicht geschrieben werden. %2.")
                .arg(path, file.errorString().isEmpty() ? systemErrorText(err) : file.errorString()));
    }
    const bool whole = file.write(bytes) == bytes.size();
    if (!whole || !file.commit()) {
        // A short write without an error of its own means the file may not grow any further.
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QCoreApplication::translate("TextFile", "Die Daten konnten nicht vollständig geschrieben werden");
        throw FileError(
            QCoreApplication::translate("TextFile",
                "Fehler beim Schreiben der Datei \"%1\". %2. Der bisherige Inhalt bleibt erhalten.")
                .arg(path, reason));
    }
}

void writeLinesAtomic(const QString& path, const QStringList& lines) {
    writeBytesAtomic(path, encodeLines(lines));
}

} // namespace TextFile
