#pragma once
#include "base/SettingsStore.h"
#include "i18n/Translation.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <optional>

// The language of the program's messages (status texts, message and input boxes, chart titles,
// the texts of the windows created later) and of Qt's own dialog buttons. Captions and hints of
// the windows come from the translation files in land/ instead. German is built in: selecting
// it leaves only the catalogue of its plural forms, so the built-in texts show unchanged and a
// count of one reads right.
namespace Language {

using Id = MessageCatalogues::Language;

// Installs the message catalogues of the language, replacing those of the previous one, and
// makes its locale the default, so weekday names follow the language. Widgets receive a
// LanguageChange event.
void select(Id id);
Id current();

// The language of the program's start, before its window exists (the command-line help): the
// one the player chose last, read from the stored settings as the window reads them. On a first
// start (no language stored) the system's, when it is German, English or Greek, else Greek, the
// language the window starts with.
Id startLanguage(const SettingsStore& store, std::optional<Id> system);

// The language's name in that language ("Deutsch", "English", "Ελληνικά"); it stands beside the
// language menu's captions, so every language can be found from any other.
QString ownName(Id id);

// Texts the program has put on screen (status panels, chart title, ...) follow a switch of the
// language at once: made before the switch, it knows the messages in the old language; after
// the switch, retranslate() finds which message a shown text is, with its values (%1, %2, ...),
// and gives the same message in the new language. A text of no listed message stays as it is.
class Retranslator {
public:
    struct Message {
        const char* context;
        const char* source;
    };
    explicit Retranslator(QList<Message> messages);
    QString retranslate(const QString& shown) const;

private:
    // What every text before the switch must start and end with: the words before its first
    // and after its last placeholder (%1 ... %9); a text without placeholders is its head. The
    // pattern has the placeholders as captures, `order` their numbers as they stand.
    struct Frame {
        QString head;
        QString tail;
        bool placeholders = false;
        QRegularExpression pattern;
        QList<int> order;
    };
    static Frame frameOf(const QString& text);

    QList<Message> m_messages;
    QList<Frame> m_frames;
};

} // namespace Language
