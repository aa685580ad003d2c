#include "base/SettingsStore.h"

#include "base/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

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

QString quote(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('"'))
            out += QStringLiteral("\\\"");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
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
        const QChar e = line.at(pos);
        if (e == QLatin1Char('\\') || e == QLatin1Char('"'))
            text += e;
        else if (e == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else
            return false;
    }
    return false; // no closing quote
}

bool isHexDigits(QStringView s) {
    for (const QChar c : s)
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    return !s.isEmpty();
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

SettingsStore::Value& SettingsStore::slot(const QString& name) {
    const QString key = name.toCaseFolded();
    if (const auto it = m_index.constFind(key); it != m_index.constEnd()) return m_values[*it];
    m_index.insert(key, m_values.size());
    m_values.append(Value{name, Kind::Integer, 0, {}, {}});
    return m_values.back();
}

bool SettingsStore::hasValue(const QString& name) const {
    return find(name) != nullptr;
}

std::optional<SettingsStore::Kind> SettingsStore::kind(const QString& name) const {
    const Value* v = find(name);
    if (!v) return std::nullopt;
    return v->kind;
}

QStringList SettingsStore::valueNames() const {
    QStringList names;
    for (const Value& v : m_values) names << v.name;
    return names;
}

namespace {
QString kindName(SettingsStore::Kind kind) {
    switch (kind) {
    case SettingsStore::Kind::Integer:
        return QStringLiteral("REG_DWORD");
    case SettingsStore::Kind::Text:
        return QStringLiteral("REG_SZ");
    case SettingsStore::Kind::Binary:
        return QStringLiteral("REG_BINARY");
    }
    return {};
}

SettingsError wrongValue(const QString& name, bool exists, SettingsStore::Kind wanted) {
    if (!exists)
        return SettingsError(QCoreApplication::translate("SettingsStore", "Der Einstellungswert \"%1\" ist nicht vorhanden.").arg(name));
    return SettingsError(
        QCoreApplication::translate("SettingsStore", "Der Einstellungswert \"%1\" hat nicht den Datentyp %2.").arg(name, kindName(wanted)));
}
} // namespace

qint32 SettingsStore::readInteger(const QString& name) const {
    const Value* v = find(name);
    if (!v || v->kind != Kind::Integer) throw wrongValue(name, v, Kind::Integer);
    return v->integer;
}

QString SettingsStore::readString(const QString& name) const {
    const Value* v = find(name);
    if (!v || v->kind != Kind::Text) throw wrongValue(name, v, Kind::Text);
    return v->text;
}

QByteArray SettingsStore::readBinary(const QString& name) const {
    const Value* v = find(name);
    if (!v || v->kind != Kind::Binary) throw wrongValue(name, v, Kind::Binary);
    return v->binary;
}

void SettingsStore::writeInteger(const QString& name, qint32 value) {
    Value& v = slot(name);
    v = Value{v.name, Kind::Integer, value, {}, {}};
}

void SettingsStore::writeString(const QString& name, const QString& value) {
    Value& v = slot(name);
    v = Value{v.name, Kind::Text, 0, value, {}};
}

void SettingsStore::writeBinary(const QString& name, const QByteArray& value) {
    Value& v = slot(name);
    v = Value{v.name, Kind::Binary, 0, {}, value};
}

void SettingsStore::addMissingFrom(const SettingsStore& other) {
    for (const Value& v : other.m_values)
        if (!hasValue(v.name)) slot(v.name) = v;
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
        case Kind::Binary: {
            QStringList bytes;
            for (const char b : v.binary)
                bytes << QStringLiteral("%1").arg(static_cast<quint8>(b), 2, 16, QLatin1Char('0'));
            out += QStringLiteral("hex:") + bytes.join(QLatin1Char(','));
            break;
        }
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
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
        if (!unquote(trimmed, pos, name) || name.isEmpty() || pos >= trimmed.size() ||
            trimmed.at(pos) != QLatin1Char('=')) {
            ++skipped;
            continue;
        }
        ++pos;
        const QStringView data = QStringView(trimmed).mid(pos);
        Value value{name, Kind::Integer, 0, {}, {}};
        bool ok = false;
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype end = pos;
            ok = unquote(trimmed, end, value.text) && end == trimmed.size();
            value.kind = Kind::Text;
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QStringView digits = data.mid(6);
            if (digits.size() <= 8 && isHexDigits(digits)) {
                value.integer = static_cast<qint32>(digits.toUInt(&ok, 16));
                value.kind = Kind::Integer;
            }
        } else if (data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
            value.kind = Kind::Binary;
            const QStringView bytes = data.mid(4).trimmed();
            ok = true;
            if (!bytes.isEmpty()) {
                for (QStringView b : bytes.split(QLatin1Char(','))) {
                    b = b.trimmed();
                    if (b.size() != 2 || !isHexDigits(b)) {
                        ok = false;
                        break;
                    }
                    value.binary.append(static_cast<char>(b.toUInt(nullptr, 16)));
                }
            }
        }
        if (!ok) {
            ++skipped;
            continue;
        }
        // A later line for the same name replaces the earlier one, as an import would.
        Value& target = slot(name);
        value.name = target.name;
        target = value;
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
