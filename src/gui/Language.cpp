#include "gui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <vector>

namespace Language {

namespace {

Id g_current = Id::German;
std::vector<std::unique_ptr<QTranslator>> g_installed;

// Embedded catalogues (":/i18n/"), then Qt's own from the system.
void install(const QString& file, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, directory)) return;
    QCoreApplication::installTranslator(translator.get());
    g_installed.push_back(std::move(translator));
}

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
    for (auto& translator : g_installed) QCoreApplication::removeTranslator(translator.get());
    g_installed.clear();
    g_current = id;
    QLocale::setDefault(localeOf(id));
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    switch (id) {
    case Id::German:
        install(QStringLiteral("qtbase_de"), qtDirectory);
        break;
    case Id::English:
        install(QStringLiteral("quintara_en"), QStringLiteral(":/i18n"));
        install(QStringLiteral("qtbase_en"), qtDirectory);
        break;
    case Id::Greek:
        // Qt ships no Greek for its dialogs; ours covers the buttons the program shows.
        install(QStringLiteral("quintara_el"), QStringLiteral(":/i18n"));
        install(QStringLiteral("qt_el"), QStringLiteral(":/i18n"));
        install(QStringLiteral("qtbase_el"), qtDirectory);
        break;
    }
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
    for (const Message& m : m_messages) m_before << QCoreApplication::translate(m.context, m.source);
}

QString Retranslator::retranslate(const QString& shown) const {
    if (shown.isEmpty()) return shown;
    for (int i = 0; i < m_messages.size(); ++i) {
        QList<int> order;
        const auto match = patternOf(m_before[i], order).match(shown);
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
