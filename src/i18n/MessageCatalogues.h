#pragma once
#include <QStringList>
#include <optional>

// The message catalogues of the program and of Qt, embedded under ":/i18n" (ours) or taken from
// Qt's translations directory. German is built in: of ours, its catalogue holds only the
// singular and plural forms of the texts with a count.
namespace MessageCatalogues {

enum class Language { German, English, Greek };

// Installs the catalogues of the language, replacing those installed by an earlier call;
// nothing happens when they are installed already.
void install(Language language);

// The language of locale names as the system lists them ("el_GR.UTF-8", "de-DE", "en"), by the
// first name: German for "de", English for "en", Greek for "el"; none for any other language,
// "C" and "POSIX" included.
std::optional<Language> ofLocaleNames(const QStringList& names);
// The same for the system's message locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
std::optional<Language> ofSystem();

} // namespace MessageCatalogues
