#pragma once
// The per-user settings key: named values of three kinds (32-bit integer, text, binary), kept
// in a text file under the user's configuration directory, in the line format of registry
// exports so that it stays readable and every value keeps its kind:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\SOFTWARE\Brenlow\Velmora]
//   "UpDown3"=dword:00000004
//   "ProxyHostEdit"="proxy.example"
//   "Preis"=hex:00,00,00,00,00,00,00,00
//
// Texts escape "\" as "\\", '"' as "\"", line feed as "\n" and carriage return as "\r".
// Lines that do not parse are skipped, so a damaged file loses only its damaged lines. A file
// that cannot be read whole (larger than 4 MB, no regular file, an input/output error) is left
// as it is: the key opens empty and save() refuses to write over it.
#include "base/Errors.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// Reading a value that does not exist or has another kind.
class SettingsError : public AppError {
public:
    using AppError::AppError;
};

class SettingsStore {
public:
    enum class Kind { Integer, Text, Binary };

    static const QString ProgramKey; // "\SOFTWARE\Brenlow\Velmora"

    // The file that holds a key of the current user: $XDG_CONFIG_HOME (when set to an absolute
    // path, else ~/.config) + the key path with "/" separators + ".reg".
    static QString filePathForKey(const QString& keyPath);

    // Opens a key: reads its file when it exists. It never fails: a missing, unreadable or
    // damaged file gives the values that could be read (possibly none).
    static SettingsStore openKey(const QString& keyPath);
    // The same for a file given directly.
    static SettingsStore openFile(const QString& filePath);

    // Lines of the file that were skipped because they did not parse.
    int skippedLines() const { return m_skipped; }
    // Why the existing file could not be read (empty when it was read or did not exist); such
    // a file is kept: save() throws instead of replacing it.
    const QString& unreadReason() const { return m_unread; }

    // Value names compare without regard to case, as registry value names do.
    bool hasValue(const QString& name) const;
    std::optional<Kind> kind(const QString& name) const;
    QStringList valueNames() const; // in the order they were first written or read

    // Throw SettingsError when the value is absent or of another kind.
    qint32 readInteger(const QString& name) const;
    QString readString(const QString& name) const;
    QByteArray readBinary(const QString& name) const;

    void writeInteger(const QString& name, qint32 value);
    void writeString(const QString& name, const QString& value);
    void writeBinary(const QString& name, const QByteArray& value);

    void clear() {
        m_values.clear();
        m_index.clear();
    }
    // Appends the values of another key whose names this one does not hold.
    void addMissingFrom(const SettingsStore& other);

    // Writes the key to its file in one step, owner-only, creating the directories. Throws
    // FileError, leaving the previous file as it was; so does a file unread at the opening.
    void save() const;

    // The file content save() writes.
    QByteArray serialize() const;
    // Parses file content into the values; returns the number of lines skipped.
    int parse(const QByteArray& content);

private:
    struct Value {
        QString name;
        Kind kind = Kind::Integer;
        qint32 integer = 0;
        QString text;
        QByteArray binary;
    };
    const Value* find(const QString& name) const;
    // The value of that name and kind; throws SettingsError when there is none.
    const Value& get(const QString& name, Kind kind) const;
    // Stores value under name; a value already there keeps its spelling of the name.
    void put(const QString& name, Value value);
    // Reads what follows "name=" from line[pos]; false when it is no value of the three kinds.
    static bool readData(const QString& line, qsizetype pos, Value& value);

    QString m_keyPath;
    QString m_filePath;
    QVector<Value> m_values;
    // Position in m_values by case-folded name, so that a large key parses in linear time.
    QHash<QString, qsizetype> m_index;
    int m_skipped = 0;
    QString m_unread;
};
