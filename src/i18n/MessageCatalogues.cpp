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
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    switch (language) {
    case Language::German:
        // Only the plural forms of the texts with a count; every other text is the source.
        add(QStringLiteral("quintara_de"), QStringLiteral(":/i18n"));
        add(QStringLiteral("qtbase_de"), qtDirectory);
        break;
    case Language::English:
        add(QStringLiteral("quintara_en"), QStringLiteral(":/i18n"));
        add(QStringLiteral("qtbase_en"), qtDirectory);
        break;
    case Language::Greek:
        // Qt ships no Greek for its own texts; ours covers what the program shows of them.
        add(QStringLiteral("quintara_el"), QStringLiteral(":/i18n"));
        add(QStringLiteral("qt_el"), QStringLiteral(":/i18n"));
        add(QStringLiteral("qtbase_el"), qtDirectory);
        break;
    }
}

std::optional<Language> ofLocaleNames(const QStringList& names) {
    if (names.isEmpty()) return std::nullopt;
    const QString first = names.first().toLower();
    auto is = [&first](const char* code) {
        const QLatin1String c(code);
        return first == c || first.startsWith(c + QLatin1Char('_')) ||
               first.startsWith(c + QLatin1Char('-')) || first.startsWith(c + QLatin1Char('.')) ||
               first.startsWith(c + QLatin1Char('@'));
    };
    if (is("de")) return Language::German;
    if (is("en")) return Language::English;
    if (is("el")) return Language::Greek;
    return std::nullopt;
}

std::optional<Language> ofSystem() {
    // Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG for the user interface's languages; "C"
    // gives no language of its own.
    const QByteArray all = qgetenv("LC_ALL");
    const QByteArray messages = qgetenv("LC_MESSAGES");
    const QByteArray lang = qgetenv("LANG");
    const QByteArray chosen = !all.isEmpty() ? all : !messages.isEmpty() ? messages : lang;
    QStringList names;
    // LANGUAGE lists the preferred languages, but counts only beside a real locale.
    const QByteArray preferred = qgetenv("LANGUAGE");
    if (!preferred.isEmpty() && chosen != "C" && !chosen.startsWith("C.") && chosen != "POSIX")
        names = QString::fromLocal8Bit(preferred).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (names.isEmpty() && !chosen.isEmpty()) names << QString::fromLocal8Bit(chosen);
    return ofLocaleNames(names);
}

} // namespace MessageCatalogues
