#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Translation files: entries of five lines (window name, control name, caption, hint, font
// character set) that replace the captions and hints of the program's windows. A companion
// file, the translation file's name followed by ".trans", holds captions and hints in UTF-16 LE
// (two lines per entry) for characters the narrow encoding cannot carry.
namespace Translation {

struct Entry {
    QString window;    // trimmed
    QString component; // trimmed
    QString caption;   // exact, blanks included
    QString hint;
    QString charset; // as written; a whole number when it is to be applied
};

inline const QString CompanionSuffix = QStringLiteral(".trans");

// The entries of the file, with captions and hints from its companion when one exists; lines
// missing at the end of either read as empty. Throws FileError when a file cannot be read.
std::vector<Entry> read(const QString& path);
// Entries from the text of a translation file and the lines of its companion (nullptr: none).
std::vector<Entry> parse(const QStringList& lines, const QStringList* companion);

// The first entry for the control of that window; names compare exactly, case included.
const Entry* find(const std::vector<Entry>& entries, const QString& window, const QString& component);

// None when the line is not a whole number.
std::optional<int> charsetNumber(const Entry& entry);

// The lines of a translation file and of its companion for these entries.
QStringList fileLines(const std::vector<Entry>& entries);
QStringList companionLines(const std::vector<Entry>& entries);
// UTF-16 little-endian with byte-order mark, CR LF after every line.
QByteArray encodeCompanion(const QStringList& lines);

// Writes the translation file in the narrow encoding and its companion beside it; FileError
// when either cannot be written.
void writeTemplate(const QString& path, const std::vector<Entry>& entries);

} // namespace Translation

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
