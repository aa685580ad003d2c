#include "gui/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace Language {

namespace {

Id g_current = Id::German;

QLocale localeOf(Id id) {
    switch (id) {
    case Id::English:
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    case Id::Greek:
        return QLocale(QLocale::Greek, QLocale::Greece);
    case Id::German:
        break;
    }
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace

void select(Id id) {
    g_current = id;
    QLocale::setDefault(localeOf(id));
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
    switch (id) {
    case Id::English:
        return QStringLiteral("English");
    case Id::Greek:
        return QStringLiteral("Ελληνικά");
    case Id::German:
        break;
    }
    return QStringLiteral("Deutsch");
}

Retranslator::Frame Retranslator::frameOf(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    Frame frame;
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        if (!frame.placeholders) frame.head = text.left(m.capturedStart());
        frame.placeholders = true;
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
    if (frame.placeholders)
        frame.tail = text.mid(from);
    else
        frame.head = text;
    pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
    // Compiled on its first match: only texts that fit the frame need it.
    frame.pattern = QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
    return frame;
}

Retranslator::Retranslator(QList<Message> messages) : m_messages(std::move(messages)) {
    for (const Message& m : m_messages) m_frames << frameOf(QCoreApplication::translate(m.context, m.source));
}

QString Retranslator::retranslate(const QString& shown) const {
    if (shown.isEmpty()) return shown;
    for (int i = 0; i < m_messages.size(); ++i) {
        // Most shown texts are no message at all: the frame rules them out without a pattern.
        const Frame& frame = m_frames[i];
        if (!frame.placeholders) {
            if (shown != frame.head) continue;
            return QCoreApplication::translate(m_messages[i].context, m_messages[i].source);
        }
        if (shown.size() < frame.head.size() + frame.tail.size() || !shown.startsWith(frame.head) ||
            !shown.endsWith(frame.tail))
            continue;
        const auto match = frame.pattern.match(shown);
        if (!match.hasMatch()) continue;
        QString text = QCoreApplication::translate(m_messages[i].context, m_messages[i].source);
        // Values replaced from the highest number down, so "%1" never eats the start of "%10".
        for (int k = static_cast<int>(frame.order.size()) - 1; k >= 0; --k)
            text.replace(QStringLiteral("%%1").arg(frame.order[k]), match.captured(k + 1));
        return text;
    }
    return shown;
}

} // namespace Language
