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

} // namespace Language

namespace Language {

namespace {

// The pattern of a message with its placeholders as captures, and the placeholder numbers in
// the order they stand.
QRegularExpression patternOf(const QString& text, QList<int>& order) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
        const int number = m.captured(1).toInt();
        if (order.contains(number)) {
            pattern += QStringLiteral("\\%1").arg(order.indexOf(number) + 1);
        } else {
            order << number;
            pattern += QStringLiteral("(.*?)");
        }
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

Retranslator::Retranslator(QList<Message> messages) : m_messages(std::move(messages)) {
    for (const Message& m : m_messages) {
        const QString before = QCoreApplication::translate(m.context, m.source);
        Frame frame;
        qsizetype first = -1, last = -1;
        for (qsizetype k = 0; k + 1 < before.size(); ++k) {
            if (before[k] != QLatin1Char('%') || before[k + 1] < QLatin1Char('1') || before[k + 1] > QLatin1Char('9'))
                continue;
            if (first < 0) first = k;
            last = k + 2;
        }
        frame.placeholders = first >= 0;
        frame.head = frame.placeholders ? before.left(first) : before;
        if (frame.placeholders) frame.tail = before.mid(last);
        m_before << before;
        m_frames << frame;
    }
    m_patterns.resize(m_messages.size());
    m_orders.resize(m_messages.size());
    m_made.fill(false, m_messages.size());
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
        if (!m_made[i]) {
            m_patterns[i] = patternOf(m_before[i], m_orders[i]);
            m_made[i] = true;
        }
        const QList<int>& order = m_orders[i];
        const auto match = m_patterns[i].match(shown);
        if (!match.hasMatch()) continue;
        QString text = QCoreApplication::translate(m_messages[i].context, m_messages[i].source);
        // Values replaced from the highest number down, so "%1" never eats the start of "%10".
        for (int k = static_cast<int>(order.size()) - 1; k >= 0; --k)
            text.replace(QStringLiteral("%%1").arg(order[k]), match.captured(k + 1));
        return text;
    }
    return shown;
}

} // namespace Language
