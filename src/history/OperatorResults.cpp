#include "history/OperatorResults.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cmath>

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
    for (const QJsonValue& item : v.toArray()) {
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

bool flag(const QJsonValue& v) {
    if (v.isBool()) return v.toBool();
    return v.toDouble(0) != 0;
}

} // namespace

OperatorDraw::State OperatorDraw::state() const {
    const QString s = status.trimmed().toLower();
    if (s == QLatin1String("results")) return State::Complete;
    if (s == QLatin1String("cancelled") || s == QLatin1String("canceled")) return State::Cancelled;
    return State::NotYetDrawn;
}

namespace OperatorResults {

QDate greekDate(qint64 epochMs) {
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(epochMs, Qt::UTC);
    const int year = utc.date().year();
    const QDateTime summerStart(lastSunday(year, 3), QTime(1, 0), Qt::UTC);
    const QDateTime summerEnd(lastSunday(year, 10), QTime(1, 0), Qt::UTC);
    const bool summer = utc >= summerStart && utc < summerEnd;
    return utc.addSecs((summer ? 3 : 2) * 3600).date();
}

QUrl rangeUrl(const QUrl& base, const QDate& from, const QDate& to, int page, int limit) {
    QUrl url = base;
    QString path = base.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    url.setPath(path + QStringLiteral("/draw-date/") + from.toString(Qt::ISODate) + QLatin1Char('/') +
                to.toString(Qt::ISODate));
    url.setQuery(QStringLiteral("limit=%1&page=%2").arg(limit).arg(page));
    return url;
}

std::vector<PrizeTier> mapTiers(std::vector<PrizeTier> categories, bool withAdditional) {
    struct Tier {
        int hits;
        bool additional;
    };
    static const Tier old[] = {{6, false}, {5, true}, {5, false}, {4, false}, {3, false}};
    static const Tier now[] = {{6, false}, {5, false}, {4, false}, {3, false}};
    std::stable_sort(categories.begin(), categories.end(),
                     [](const PrizeTier& a, const PrizeTier& b) { return a.category < b.category; });
    const Tier* tiers = withAdditional ? old : now;
    const size_t count = withAdditional ? std::size(old) : std::size(now);
    for (size_t i = 0; i < categories.size(); ++i) {
        categories[i].hits = i < count ? tiers[i].hits : 0;
        categories[i].additional = i < count && tiers[i].additional;
    }
    return categories;
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
    page.last = root.value(QStringLiteral("last")).toBool(false);

    for (const QJsonValue& item : root.value(QStringLiteral("content")).toArray()) {
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
        std::vector<PrizeTier> categories;
        for (const QJsonValue& c : o.value(QStringLiteral("prizeCategories")).toArray()) {
            const QJsonObject co = c.toObject();
            PrizeTier tier;
            qint64 id = 0, winners = 0;
            if (!wholeNumber(co.value(QStringLiteral("id")), id)) continue;
            tier.category = int(id);
            tier.dividend = amount(co.value(QStringLiteral("divident")));
            if (wholeNumber(co.value(QStringLiteral("winners")), winners) && winners > 0) tier.winners = winners;
            tier.fixed = flag(co.value(QStringLiteral("fixed")));
            tier.jackpot = amount(co.value(QStringLiteral("jackpot")));
            categories.push_back(tier);
        }
        draw.tiers = mapTiers(std::move(categories), !draw.bonus.empty());
        page.draws.push_back(std::move(draw));
    }
    return page;
}

} // namespace OperatorResults
