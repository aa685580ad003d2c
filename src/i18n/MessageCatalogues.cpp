#include "i18n/MessageCatalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <optional>
#include <vector>

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
