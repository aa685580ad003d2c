#include "gui/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace Language {

namespace {

Id g_current = Id::German;

struct Known {
    QLocale::Language language;
    QLocale::Country country;
    const char* ownName; // UTF-8
};

// In the order of Id.
constexpr Known known[] = {
    {QLocale::German, QLocale::Germany, "Deutsch"},
    {QLocale::English, QLocale::UnitedKingdom, "English"},
    {QLocale::Greek, QLocale::Greece, "Ελληνικά"},
};

} // namespace

void select(Id id) {
    g_current = id;
    const Known& k = known[static_cast<int>(id)];
    QLocale::setDefault(QLocale(k.language, k.country));
    MessageCatalogues::install(id);
}

Id startLanguage(const SettingsStore& store, std::optional<Id> system) {
    auto stored = [&store](const char* item) -> std::optional<bool> {
        const QString name = QLatin1String(item);
        if (store.kind(name) != SettingsStore::Kind::Integer) return std::nullopt;
        return store.readInteger(name) != 0;
    };
    const std::optional<bool> german = stored("Deutsch1");
    const std::optional<bool> english = stored("Englichen1");
    const std::optional<bool> greek = stored("Grichisch1");
    if (!german && !english && !greek) return system.value_or(Id::Greek);
    // As the window applies them: a later checked item wins; Greek counts as checked when absent.
    if (greek.value_or(true)) return Id::Greek;
    if (english.value_or(false)) return Id::English;
    return Id::German;
}

Id current() {
    return g_current;
}

QString ownName(Id id) {
    return QString::fromUtf8(known[static_cast<int>(id)].ownName);
}

Retranslator::Frame Retranslator::frameOf(const Message& message) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    const QString text = QCoreApplication::translate(message.context, message.source);
    Frame frame;
    frame.message = message;
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (frame.order.isEmpty()) frame.head = text.left(m.capturedStart());
        pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
        const int number = m.captured(1).toInt();
        if (frame.order.contains(number)) {
            pattern += QStringLiteral("\\%1").arg(frame.order.indexOf(number) + 1);
        } else {
            frame.order << number;
            pattern += QStringLiteral("(.*?)");
        }
        from = m.capturedEnd();
    }
    if (!frame.order.isEmpty())
        frame.tail = text.mid(from);
    else
        frame.head = text;
    pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
    // Compiled on its first match: only texts that fit the frame need it.
    frame.pattern = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
    return frame;
}

Retranslator::Retranslator(const QList<Message>& messages) {
    for (const Message& m : messages) m_frames << frameOf(m);
}

QString Retranslator::retranslate(const QString& shown) const {
    if (shown.isEmpty()) return shown;
    // Most shown texts are no message at all: the frame rules them out without a pattern.
    for (const Frame& frame : m_frames) {
        if (frame.order.isEmpty()) {
            if (shown != frame.head) continue;
            return QCoreApplication::translate(frame.message.context, frame.message.source);
        }
        if (shown.size() < frame.head.size() + frame.tail.size() || !shown.startsWith(frame.head) ||
            !shown.endsWith(frame.tail))
            continue;
        const auto match = frame.pattern.match(shown);
        if (!match.hasMatch()) continue;
        QString text = QCoreApplication::translate(frame.message.context, frame.message.source);
        // Values replaced from the highest number down, so "%1" never eats the start of "%10".
        for (int k = static_cast<int>(frame.order.size()) - 1; k >= 0; --k)
            text.replace(QStringLiteral("%%1").arg(frame.order[k]), match.captured(k + 1));
        return text;
    }
    return shown;
}

} // namespace Language

namespace {

// Width of the column the own names stand in: the widest of the menu's own names.
int ownNameWidth(const QMenu* menu, const QFontMetrics& metrics) {
    int widest = 0;
    for (QAction* action : menu->actions()) {
        const QString own = shownMenuText(action).section(QLatin1Char('\t'), 1);
        widest = std::max(widest, metrics.horizontalAdvance(own));
    }
    return widest;
}

// Draws the own name of a language item where a menu draws shortcuts.
class OwnNameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (element == CE_MenuItem && item && menu) {
            for (QAction* action : menu->actions()) {
                if (menu->actionGeometry(action) != item->rect) continue;
                QStyleOptionMenuItem own(*item);
                own.text = shownMenuText(action);
                // The menu reserves the shortcut column for real shortcuts only (none here);
                // without this the styles draw the name from the item's right edge, cut.
                own.reservedShortcutWidth = std::max(item->reservedShortcutWidth,
                                                     ownNameWidth(menu, item->fontMetrics) + columnGap(item->fontMetrics));
                QProxyStyle::drawControl(element, &own, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (type == CT_MenuItem && menu) {
            // Room for the widest own name beside every item.
            const int widest = ownNameWidth(menu, option->fontMetrics);
            if (widest > 0) s.rwidth() += widest + columnGap(option->fontMetrics);
        }
        return s;
    }

private:
    static int columnGap(const QFontMetrics& metrics) { return metrics.horizontalAdvance(QStringLiteral("MMM")); }
};

} // namespace

QString shownMenuText(const QAction* item) {
    const QString own = item->property(OwnNameProperty).toString();
    QString caption = item->text();
    QString bare = caption;
    bare.remove(QLatin1Char('&'));
    if (own.isEmpty() || bare.contains(own, Qt::CaseInsensitive)) return caption;
    return caption + QLatin1Char('\t') + own;
}

void showOwnNames(QMenu* menu) {
    auto* style = new OwnNameStyle;
    style->setParent(menu);
    menu->setStyle(style);
}
