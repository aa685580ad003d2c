#pragma once
#include <QStringList>
#include <optional>

// The message catalogues of the program and of Qt, embedded under ":/i18n" (ours) or taken from
// Qt's translations directory. German is built in: of ours, its catalogue holds only the
// singular and plural forms of the texts with a count.
namespace MessageCatalogues {

enum class Language { German, English, Greek };

// Installs the catalogues of the language in place of those of an earlier call.
void install(Language language);

// The language of the first of the locale names the system lists ("el_GR.UTF-8", "de-DE",
// "en"); none for any other language, "C" and "POSIX" included.
std::optional<Language> ofLocaleNames(const QStringList& names);
// The same for the system's message locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::optional<Language> ofSystem();

} // namespace MessageCatalogues
