#include "history/OperatorResults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The last Sunday of a month.
QDate lastSunday(int year, int month) {
    QDate d(year, month, QDate(year, month, 1).daysInMonth());
    return d.addDays(-(d.dayOfWeek() % 7));
}

// A JSON number that is a whole number within range.
bool wholeNumber(const QJsonValue& v, qint64& out) {
    if (!v.isDouble()) return false;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9.0e15) return false;
    out = static_cast<qint64>(d);
    return true;
}

bool numberList(const QJsonValue& v, std::vector<int>& out) {
    if (v.isUndefined() || v.isNull()) return true;
    if (!v.isArray()) return false;
    for (const QJsonValue item : v.toArray()) {
        qint64 n = 0;
        if (!wholeNumber(item, n) || n < 0 || n > 1000) return false;
        out.push_back(int(n));
    }
    return true;
}

double amount(const QJsonValue& v) {
    const double d = v.toDouble(0);
    return std::isfinite(d) && d > 0 ? d : 0;
}

QString pathUnder(const QUrl& base, const QString& tail) {
    QString path = base.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path + tail;
}

// A value of an error object as text: numbers without a fraction, texts as they are.
QString valueText(const QJsonValue& v) {
    if (v.isString()) return v.toString().trimmed();
    qint64 n = 0;
    if (wholeNumber(v, n)) return QString::number(n);
    return {};
}

} // namespace

OperatorDraw::State OperatorDraw::state() const {
    const QString s = status.trimmed().toLower();
    if (s == QLatin1String("results")) return State::Complete;
    if (s == QLatin1String("cancelled") || s == QLatin1String("canceled")) return State::Cancelled;
    return State::NotYetDrawn;
}

namespace OperatorResults {

QDateTime greekTime(qint64 epochMs) {
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(epochMs, Qt::UTC);
    const int year = utc.date().year();
    const QDateTime summerStart(lastSunday(year, 3), QTime(1, 0), Qt::UTC);
    const QDateTime summerEnd(lastSunday(year, 10), QTime(1, 0), Qt::UTC);
    const bool summer = utc >= summerStart && utc < summerEnd;
    const QDateTime wall = utc.addSecs((summer ? 3 : 2) * 3600);
    // The wall-clock reading in Greece, as a time without zone.
    return QDateTime(wall.date(), wall.time());
}

QDate greekDate(qint64 epochMs) {
    return greekTime(epochMs).date();
}

QUrl rangeUrl(const QUrl& base, const QDate& from, const QDate& to, int page) {
    QUrl url = base;
    url.setPath(pathUnder(base, QStringLiteral("/draw-date/") + from.toString(Qt::ISODate) + QLatin1Char('/') +
                                    to.toString(Qt::ISODate)));
    url.setQuery(QStringLiteral("limit=%1&page=%2").arg(PageSize).arg(page));
    return url;
}

QUrl announcedUrl(const QUrl& base) {
    QUrl url = base;
    url.setPath(pathUnder(base, QStringLiteral("/last-result-and-active")));
    return url;
}

std::optional<TierPlace> tierOf(int categoryId) {
    constexpr std::pair<int, TierPlace> places[] = {{1, {6, false}}, {10, {5, true}}, {2, {5, false}}, {3, {4, false}}, {4, {3, false}}};
    for (const auto& [id, place] : places)
        if (id == categoryId) return place;
    return std::nullopt;
}

QString serviceError(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (!doc.isObject() || doc.object().contains(QStringLiteral("content"))) return {};
    const QJsonObject o = doc.object();
    const QString code = valueText(o.value(QStringLiteral("code")));
    QString message;
    for (const char* key : {"message", "description", "error"}) {
        message = valueText(o.value(QLatin1String(key)));
        if (!message.isEmpty()) break;
    }
    if (code.isEmpty() && message.isEmpty()) return {};
    if (message.isEmpty()) return QCoreApplication::translate("OperatorResults", "der Dienst meldet Fehler %1").arg(code);
    if (code.isEmpty()) return QCoreApplication::translate("OperatorResults", "der Dienst meldet: %1").arg(message);
    return QCoreApplication::translate("OperatorResults", "der Dienst meldet Fehler %1: %2").arg(code, message);
}

std::optional<AnnouncedDraw> parseAnnounced(const QByteArray& json, QString& error) {
    error.clear();
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonObject active = doc.object().value(QStringLiteral("active")).toObject();
    AnnouncedDraw next;
    if (!doc.isObject() || !wholeNumber(active.value(QStringLiteral("drawId")), next.drawId) ||
        !wholeNumber(active.value(QStringLiteral("drawTime")), next.drawTime)) {
        error = QCoreApplication::translate("OperatorResults", "die Antwort nennt keine kommende Ziehung (\"active\")");
        return std::nullopt;
    }
    // The first tier's category: id 1, else the first one given.
    const QJsonArray categories = active.value(QStringLiteral("prizeCategories")).toArray();
    QJsonObject first = categories.isEmpty() ? QJsonObject() : categories.first().toObject();
    for (const QJsonValue c : categories)
        if (c.toObject().value(QStringLiteral("id")).toDouble(0) == 1) first = c.toObject();
    for (const char* key : {"minimumDistributed", "jackpot"}) {
        const double value = amount(first.value(QLatin1String(key)));
        if (value > 0) {
            next.jackpot = value;
            break;
        }
    }
    return next;
}

OperatorPage parsePage(const QByteArray& json, QString& error) {
    error.clear();
    OperatorPage page;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QCoreApplication::translate("OperatorResults", "keine gültige JSON-Antwort (%1 an Stelle %2)")
                    .arg(parseError.errorString())
                    .arg(parseError.offset);
        return {};
    }
    if (!doc.isObject() || !doc.object().value(QStringLiteral("content")).isArray()) {
        error = QCoreApplication::translate("OperatorResults", "die Antwort enthält keine Liste von Ziehungen (\"content\")");
        return {};
    }
    const QJsonObject root = doc.object();
    qint64 total = 0;
    if (wholeNumber(root.value(QStringLiteral("totalPages")), total) && total >= 0)
        page.totalPages = int(std::min<qint64>(total, 100000));
    qint64 size = 0;
    if (wholeNumber(root.value(QStringLiteral("size")), size) && size > 0) page.size = int(std::min<qint64>(size, 100000));
    qint64 elements = 0;
    if (wholeNumber(root.value(QStringLiteral("totalElements")), elements) && elements >= 0) page.totalElements = elements;
    page.last = root.value(QStringLiteral("last")).toBool(false);

    for (const QJsonValue item : root.value(QStringLiteral("content")).toArray()) {
        const QJsonObject o = item.toObject();
        OperatorDraw draw;
        if (!wholeNumber(o.value(QStringLiteral("drawId")), draw.drawId) ||
            !wholeNumber(o.value(QStringLiteral("drawTime")), draw.drawTime)) {
            error = QCoreApplication::translate("OperatorResults", "eine Ziehung ohne gültige Nummer oder Zeit (\"drawId\", \"drawTime\")");
            return {};
        }
        draw.date = greekDate(draw.drawTime);
        draw.status = o.value(QStringLiteral("status")).toString();
        const QJsonObject winning = o.value(QStringLiteral("winningNumbers")).toObject();
        if (!numberList(winning.value(QStringLiteral("list")), draw.numbers) ||
            !numberList(winning.value(QStringLiteral("bonus")), draw.bonus)) {
            error = QCoreApplication::translate("OperatorResults", "die Gewinnzahlen der Ziehung %1 sind unlesbar").arg(draw.drawId);
            return {};
        }
        for (const QJsonValue c : o.value(QStringLiteral("prizeCategories")).toArray()) {
            const QJsonObject co = c.toObject();
            PrizeTier tier;
            qint64 id = 0, winners = 0;
            if (!wholeNumber(co.value(QStringLiteral("id")), id)) continue;
            tier.category = int(id);
            const auto place = tierOf(tier.category);
            tier.hits = place ? place->hits : 0;
            tier.additional = place && place->additional;
            tier.dividend = amount(co.value(QStringLiteral("divident")));
            if (wholeNumber(co.value(QStringLiteral("winners")), winners) && winners > 0) tier.winners = winners;
            tier.fixed = amount(co.value(QStringLiteral("fixed")));
            if (tier.fixed == 0 && co.value(QStringLiteral("categoryType")).toDouble(0) == 1) tier.fixed = tier.dividend;
            tier.jackpot = amount(co.value(QStringLiteral("jackpot")));
            draw.tiers.push_back(tier);
        }
        page.draws.push_back(std::move(draw));
    }
    return page;
}

} // namespace OperatorResults
