#include "i18n/Translation.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QFileInfo>
#include <QStringEncoder>

namespace Translation {

std::vector<Entry> parse(const QStringList& lines, const QStringList* companion) {
    std::vector<Entry> entries;
    for (qsizetype start = 0; start < lines.size(); start += 5) {
        Entry e;
        e.window = lines.value(start).trimmed();
        e.component = lines.value(start + 1).trimmed();
        e.caption = lines.value(start + 2);
        e.hint = lines.value(start + 3);
        e.charset = lines.value(start + 4);
        if (companion) {
            const qsizetype k = static_cast<qsizetype>(entries.size());
            e.caption = companion->value(2 * k);
            e.hint = companion->value(2 * k + 1);
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

std::vector<Entry> read(const QString& path) {
    const QStringList lines = TextFile::readLines(path);
    const QString companionPath = path + CompanionSuffix;
    if (!QFileInfo::exists(companionPath)) return parse(lines, nullptr);
    const QStringList companion = TextFile::readLines(companionPath);
    return parse(lines, &companion);
}

const Entry* find(const std::vector<Entry>& entries, const QString& window, const QString& component) {
    for (const Entry& e : entries)
        if (e.window == window && e.component == component) return &e;
    return nullptr;
}

std::optional<int> charsetNumber(const Entry& entry) {
    int value = 0;
    if (!tryToInt(entry.charset, value)) return std::nullopt;
    return value;
}

QStringList fileLines(const std::vector<Entry>& entries) {
    QStringList lines;
    for (const Entry& e : entries) lines << e.window << e.component << e.caption << e.hint << e.charset;
    return lines;
}

QStringList companionLines(const std::vector<Entry>& entries) {
    QStringList lines;
    for (const Entry& e : entries) lines << e.caption << e.hint;
    return lines;
}

QByteArray encodeCompanion(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    // The mark is written even for an empty list, so the file always says what it is.
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder(text));
}

void writeTemplate(const QString& path, const std::vector<Entry>& entries) {
    TextFile::writeLinesAtomic(path, fileLines(entries));
    TextFile::writeBytesAtomic(path + CompanionSuffix, encodeCompanion(companionLines(entries)));
}

} // namespace Translation
