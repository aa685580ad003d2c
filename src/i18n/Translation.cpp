#include "i18n/Translation.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringEncoder>
#include <QTranslator>
#include <memory>
#include <optional>
#include <vector>

namespace Translation {

std::vector<Entry> parse(const QStringList& lines, const QStringList* companion) {
    std::vector<Entry> entries;
    for (qsizetype start = 0, k = 0; start < lines.size(); start += 5, ++k) {
        Entry e;
        e.window = lines.value(start).trimmed();
        e.component = lines.value(start + 1).trimmed();
        e.caption = companion ? companion->value(2 * k) : lines.value(start + 2);
        e.hint = companion ? companion->value(2 * k + 1) : lines.value(start + 3);
        e.charset = lines.value(start + 4);
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

namespace MessageCatalogues {

namespace {

std::vector<std::unique_ptr<QTranslator>> g_installed;
// The language of the installed catalogues; none before the first call.
std::optional<Language> g_language;
// The code of each Language, in its order.
const char* const Codes[] = {"de", "en", "el"};

void add(const QString& file, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory)) return;
    QCoreApplication::installTranslator(translator.get());
    g_installed.push_back(std::move(translator));
}

} // namespace

void install(Language language) {
    // The program's start selects its language twice (for the command-line help, then for the
    // window); loading the same catalogues again would change nothing.
    if (g_language == language) return;
    g_language = language;
    for (auto& translator : g_installed) QCoreApplication::removeTranslator(translator.get());
    g_installed.clear();
    const QLatin1String code(Codes[static_cast<int>(language)]);
    add(QStringLiteral("quintara_") + code, QStringLiteral(":/i18n"));
    // Qt ships no Greek for its own texts; ours covers what the program shows of them.
    if (language == Language::Greek) add(QStringLiteral("qt_el"), QStringLiteral(":/i18n"));
    add(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

std::optional<Language> ofLocaleNames(const QStringList& names) {
    if (names.isEmpty()) return std::nullopt;
    const QString first = names.first().toLower();
    for (int i = 0; i < 3; ++i) {
        const QLatin1String c(Codes[i]);
        // "de", or "de" and a separator: "de_DE", "de-DE", "de.UTF-8", "de@euro".
        if (first == c || (first.startsWith(c) && QStringView(u"_-.@").contains(first[c.size()])))
            return static_cast<Language>(i);
    }
    return std::nullopt;
}

std::optional<Language> ofSystem() {
    // Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG for the user interface's languages; "C"
    // gives no language of its own.
    QByteArray chosen;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (chosen.isEmpty()) chosen = qgetenv(variable);
    QStringList names;
    // LANGUAGE lists the preferred languages, but counts only beside a real locale.
    const QByteArray preferred = qgetenv("LANGUAGE");
    if (!preferred.isEmpty() && chosen != "C" && !chosen.startsWith("C.") && chosen != "POSIX")
        names = QString::fromLocal8Bit(preferred).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (names.isEmpty() && !chosen.isEmpty()) names << QString::fromLocal8Bit(chosen);
    return ofLocaleNames(names);
}

} // namespace MessageCatalogues
