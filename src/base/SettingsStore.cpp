#include "base/SettingsStore.h"

#include "base/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <algorithm>
#include <cctype>

const QString SettingsStore::ProgramKey = QStringLiteral("\\SOFTWARE\\Brenlow\\Velmora");

namespace {

const QByteArray kHeader = "Windows Registry Editor Version 5.00";
const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");
// Larger files are not settings this program wrote; they are left alone.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and ignored.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QStringList keyParts(const QString& keyPath) {
    return keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The characters a text escapes, and the letters that stand for them after a backslash.
constexpr QStringView kEscaped = u"\\\"\n\r";
constexpr QStringView kEscapeLetters = u"\\\"nr";

QString quote(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        const qsizetype e = kEscaped.indexOf(c);
        if (e >= 0) out += QLatin1Char('\\');
        out += e >= 0 ? kEscapeLetters.at(e) : c;
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote.
bool unquote(const QString& line, qsizetype& pos, QString& text) {
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"')) return false;
    text.clear();
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++pos >= line.size()) return false;
        const qsizetype e = kEscapeLetters.indexOf(line.at(pos));
        if (e < 0) return false;
        text += kEscaped.at(e);
    }
    return false; // no closing quote
}

bool isHexDigits(QStringView s) {
    return !s.isEmpty() &&
           std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80 && std::isxdigit(c.unicode()); });
}

} // namespace

QString SettingsStore::filePathForKey(const QString& keyPath) {
    return configHome() + QLatin1Char('/') + keyParts(keyPath).join(QLatin1Char('/')) +
           QStringLiteral(".reg");
}

SettingsStore SettingsStore::openKey(const QString& keyPath) {
    SettingsStore store = openFile(filePathForKey(keyPath));
    store.m_keyPath = keyPath;
    return store;
}

SettingsStore SettingsStore::openFile(const QString& filePath) {
    SettingsStore store;
    store.m_keyPath = ProgramKey;
    store.m_filePath = filePath;
    if (!QFileInfo::exists(filePath)) return store;
    try {
        store.parse(SafeFile::readAll(filePath, kMaxFileSize));
    } catch (const FileError& e) {
        store.m_unread = e.message();
    }
    return store;
}

const SettingsStore::Value* SettingsStore::find(const QString& name) const {
    const auto it = m_index.constFind(name.toCaseFolded());
    return it == m_index.constEnd() ? nullptr : &m_values.at(*it);
}

void SettingsStore::put(const QString& name, Value value) {
    const QString key = name.toCaseFolded();
    if (const auto it = m_index.constFind(key); it != m_index.constEnd()) {
        value.name = m_values[*it].name;
        m_values[*it] = std::move(value);
        return;
    }
    m_index.insert(key, m_values.size());
    value.name = name;
    m_values.append(std::move(value));
}

bool SettingsStore::hasValue(const QString& name) const {
    return find(name) != nullptr;
}

std::optional<SettingsStore::Kind> SettingsStore::kind(const QString& name) const {
    if (const Value* v = find(name)) return v->kind;
    return std::nullopt;
}

QStringList SettingsStore::valueNames() const {
    QStringList names;
    for (const Value& v : m_values) names << v.name;
    return names;
}

const SettingsStore::Value& SettingsStore::get(const QString& name, Kind kind) const {
    static const char* const kindNames[] = {"REG_DWORD", "REG_SZ", "REG_BINARY"};
    const Value* v = find(name);
    if (!v)
        throw SettingsError(QCoreApplication::translate("SettingsStore", "Der Einstellungswert \"%1\" ist nicht vorhanden.").arg(name));
    if (v->kind != kind)
        throw SettingsError(QCoreApplication::translate("SettingsStore", "Der Einstellungswert \"%1\" hat nicht den Datentyp %2.")
                                .arg(name, QLatin1String(kindNames[static_cast<int>(kind)])));
    return *v;
}

qint32 SettingsStore::readInteger(const QString& name) const {
    return get(name, Kind::Integer).integer;
}

QString SettingsStore::readString(const QString& name) const {
    return get(name, Kind::Text).text;
}

QByteArray SettingsStore::readBinary(const QString& name) const {
    return get(name, Kind::Binary).binary;
}

void SettingsStore::writeInteger(const QString& name, qint32 value) {
    put(name, Value{name, Kind::Integer, value, {}, {}});
}

void SettingsStore::writeString(const QString& name, const QString& value) {
    put(name, Value{name, Kind::Text, 0, value, {}});
}

void SettingsStore::writeBinary(const QString& name, const QByteArray& value) {
    put(name, Value{name, Kind::Binary, 0, {}, value});
}

void SettingsStore::addMissingFrom(const SettingsStore& other) {
    for (const Value& v : other.m_values)
        if (!hasValue(v.name)) put(v.name, v);
}

QByteArray SettingsStore::serialize() const {
    QString out = QString::fromLatin1(kHeader) + QStringLiteral("\n\n[") + kRoot;
    for (const QString& part : keyParts(m_keyPath)) out += QLatin1Char('\\') + part;
    out += QStringLiteral("]\n");
    for (const Value& v : m_values) {
        out += quote(v.name) + QLatin1Char('=');
        switch (v.kind) {
        case Kind::Integer:
            out += QStringLiteral("dword:%1").arg(static_cast<quint32>(v.integer), 8, 16, QLatin1Char('0'));
            break;
        case Kind::Text:
            out += quote(v.text);
            break;
        case Kind::Binary:
            out += QStringLiteral("hex:") + QString::fromLatin1(v.binary.toHex(','));
            break;
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

bool SettingsStore::readData(const QString& line, qsizetype pos, Value& value) {
    const QStringView data = QStringView(line).mid(pos);
    if (data.startsWith(QLatin1Char('"'))) {
        value.kind = Kind::Text;
        return unquote(line, pos, value.text) && pos == line.size();
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = data.mid(6);
        if (digits.size() > 8 || !isHexDigits(digits)) return false;
        value.integer = static_cast<qint32>(digits.toUInt(nullptr, 16));
        return true;
    }
    if (!data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) return false;
    value.kind = Kind::Binary;
    const QStringView bytes = data.mid(4).trimmed();
    if (bytes.isEmpty()) return true;
    for (QStringView b : bytes.split(QLatin1Char(','))) {
        b = b.trimmed();
        if (b.size() != 2 || !isHexDigits(b)) return false;
        value.binary.append(static_cast<char>(b.toUInt(nullptr, 16)));
    }
    return true;
}

int SettingsStore::parse(const QByteArray& content) {
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    int skipped = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('[')) || trimmed == QLatin1String(kHeader) ||
            trimmed == QLatin1String("REGEDIT4"))
            continue;

        qsizetype pos = 0;
        QString name;
        Value value;
        if (!unquote(trimmed, pos, name) || name.isEmpty() || pos >= trimmed.size() ||
            trimmed.at(pos) != QLatin1Char('=') || !readData(trimmed, pos + 1, value)) {
            ++skipped;
            continue;
        }
        // A later line for the same name replaces the earlier one, as an import would.
        put(name, std::move(value));
    }
    m_skipped += skipped;
    return skipped;
}

void SettingsStore::save() const {
    if (!m_unread.isEmpty())
        throw FileError(QCoreApplication::translate("SettingsStore",
                                                    "Die Einstellungen werden nicht gespeichert, damit die Datei, "
                                                    "die beim Start nicht gelesen werden konnte, erhalten bleibt: %1")
                            .arg(m_unread));
    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath()))
        throw FileError(QCoreApplication::translate("SettingsStore", "Der Ordner \"%1\" für die Einstellungen kann nicht angelegt werden.")
                            .arg(info.absolutePath()));
    // Owner-only: the key holds the password field.
    SafeFile::ReplaceOptions options;
    options.fixedMode = 0600;
    options.failureNote =
        QCoreApplication::translate("SettingsStore", "Die bisherigen Einstellungen bleiben erhalten.");
    SafeFile::replace(m_filePath, serialize(), options);
}
