#include "base/Errors.h"

#include <cerrno>
#include <cstring>
#include <QCoreApplication>
#include <utility>

QString errorText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const AppError*>(&error)) return own->message();
    return QString::fromLocal8Bit(error.what());
}

QString systemErrorText(int errorNumber) {
    static const std::pair<int, const char*> known[] = {
        {ENOENT, QT_TRANSLATE_NOOP("Errors", "Datei nicht gefunden")},
        {EACCES, QT_TRANSLATE_NOOP("Errors", "Zugriff verweigert")},
        {EPERM, QT_TRANSLATE_NOOP("Errors", "Zugriff verweigert")},
        {ENOSPC, QT_TRANSLATE_NOOP("Errors", "Nicht genügend Speicherplatz auf dem Datenträger")},
        {EDQUOT, QT_TRANSLATE_NOOP("Errors", "Speicherkontingent überschritten")},
        {EROFS, QT_TRANSLATE_NOOP("Errors", "Das Dateisystem ist schreibgeschützt")},
        {EISDIR, QT_TRANSLATE_NOOP("Errors", "Ein Verzeichnis steht an Stelle der Datei")},
        {ENOTDIR, QT_TRANSLATE_NOOP("Errors", "Ein Teil des Pfades ist kein Verzeichnis")},
        {EIO, QT_TRANSLATE_NOOP("Errors", "Ein-/Ausgabefehler")},
        {EFBIG, QT_TRANSLATE_NOOP("Errors", "Die Datei würde größer als erlaubt")},
        {ELOOP, QT_TRANSLATE_NOOP("Errors", "Zu viele symbolische Verknüpfungen hintereinander")},
        {EEXIST, QT_TRANSLATE_NOOP("Errors", "Die Datei ist bereits vorhanden")},
    };
    for (const auto& [number, text] : known)
        if (number == errorNumber) return QCoreApplication::translate("Errors", text);
    return QString::fromLocal8Bit(std::strerror(errorNumber));
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
    if (ok) value = v;
    return ok;
}

int toInt(const QString& text) {
    int value = 0;
    if (!tryToInt(text, value))
        throw ConversionError(QCoreApplication::translate("Errors", "'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}
