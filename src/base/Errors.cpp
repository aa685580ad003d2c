#include "base/Errors.h"

#include <cerrno>
#include <cstring>
#include <QCoreApplication>

QString errorText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const AppError*>(&error)) return own->message();
    return QString::fromLocal8Bit(error.what());
}

QString systemErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOENT:
        return QCoreApplication::translate("Errors", "Datei nicht gefunden");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Errors", "Zugriff verweigert");
    case ENOSPC:
        return QCoreApplication::translate("Errors", "Nicht genügend Speicherplatz auf dem Datenträger");
    case EDQUOT:
        return QCoreApplication::translate("Errors", "Speicherkontingent überschritten");
    case EROFS:
        return QCoreApplication::translate("Errors", "Das Dateisystem ist schreibgeschützt");
    case EISDIR:
        return QCoreApplication::translate("Errors", "Ein Verzeichnis steht an Stelle der Datei");
    case ENOTDIR:
        return QCoreApplication::translate("Errors", "Ein Teil des Pfades ist kein Verzeichnis");
    case EIO:
        return QCoreApplication::translate("Errors", "Ein-/Ausgabefehler");
    case EFBIG:
        return QCoreApplication::translate("Errors", "Die Datei würde größer als erlaubt");
    case ELOOP:
        return QCoreApplication::translate("Errors", "Zu viele symbolische Verknüpfungen hintereinander");
    case EEXIST:
        return QCoreApplication::translate("Errors", "Die Datei ist bereits vorhanden");
    default:
        return QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

FileError openError(const QString& path, int errorNumber) {
    return FileError(QCoreApplication::translate("Errors", "Die Datei \"%1\" kann nicht geöffnet werden. %2.")
                         .arg(path, systemErrorText(errorNumber)));
}

FileError readError(const QString& path, int errorNumber) {
    return FileError(
        QCoreApplication::translate("Errors", "Fehler beim Lesen der Datei \"%1\". %2.").arg(path, systemErrorText(errorNumber)));
}

FileError writeError(const QString& path, int errorNumber) {
    return FileError(QCoreApplication::translate("Errors", "Fehler beim Schreiben der Datei \"%1\". %2.")
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
        throw ConversionError(QCoreApplication::translate("Errors", "'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}
