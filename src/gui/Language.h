#pragma once
#include "base/SettingsStore.h"
#include "i18n/Translation.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <optional>

class QAction;
class QMenu;

// The language of the program's messages (status texts, message and input boxes, chart titles,
// the texts of the windows created later) and of Qt's own dialog buttons. Captions and hints of
// the windows come from the translation files in land/ instead.
namespace Language {

using Id = MessageCatalogues::Language;

// Installs the message catalogues of the language and makes its locale the default, so weekday
// names follow the language.
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
    explicit Retranslator(const QList<Message>& messages);
    QString retranslate(const QString& shown) const;

private:
    // What every text before the switch must start and end with: the words before its first
    // and after its last placeholder (%1 ... %9); a text without placeholders is its head. The
    // pattern has the placeholders as captures, `order` their numbers as they stand (none for
    // a text without placeholders).
    struct Frame {
        Message message;
        QString head;
        QString tail;
        QRegularExpression pattern;
        QList<int> order;
    };
    static Frame frameOf(const Message& message);

    QList<Frame> m_frames;
};

} // namespace Language

// Menu items with this property (a language's name in that language) show it in the menu's
// right-hand column ("Englisch      English") when their caption differs from it. The caption
// itself stays as a translation file sets it.
inline constexpr const char* OwnNameProperty = "ownName";
void showOwnNames(QMenu* menu);
// What the menu shows for an item: the caption, and after a tab the own name when it shows.
QString shownMenuText(const QAction* item);
