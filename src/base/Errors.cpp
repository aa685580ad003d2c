#include "base/Errors.h"

#include <cerrno>
#include <cstring>

QString errorText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const AppError*>(&error)) return own->message();
    return QString::fromLocal8Bit(error.what());
}

QString systemErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QStringLiteral("Datei nicht gefunden");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert");
    case ENOSPC:
        return QStringLiteral("Nicht genügend Speicherplatz auf dem Datenträger");
    case EDQUOT:
        return QStringLiteral("Speicherkontingent überschritten");
    case EROFS:
        return QStringLiteral("Das Dateisystem ist schreibgeschützt");
    case EISDIR:
        return QStringLiteral("Ein Verzeichnis steht an Stelle der Datei");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Verzeichnis");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler");
    case EEXIST:
        return QStringLiteral("Die Datei ist bereits vorhanden");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

FileError openError(const QString& path, int errorNumber) {
    return FileError(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden. %2.")
                         .arg(path, systemErrorText(errorNumber)));
}

FileError readError(const QString& path, int errorNumber) {
    return FileError(
        QStringLiteral("Fehler beim Lesen der Datei \"%1\". %2.").arg(path, systemErrorText(errorNumber)));
}

FileError writeError(const QString& path, int errorNumber) {
    return FileError(QStringLiteral("Fehler beim Schreiben der Datei \"%1\". %2.")
                         .arg(path, systemErrorText(errorNumber)));
}

bool tryToInt(const QString& text, int& value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) return false;
    value = v;
    return true;
}

int toInt(const QString& text) {
    int value = 0;
    if (!tryToInt(text, value))
        throw ConversionError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}
