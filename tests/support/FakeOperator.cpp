#include "support/FakeOperator.h"

#include "base/DayCount.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>

std::optional<TestCertificate> TestCertificate::make(const QString& directory) {
    const QString cert = directory + QStringLiteral("/cert.pem");
    const QString key = directory + QStringLiteral("/key.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert, QStringLiteral("-days"),
                   QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) return std::nullopt;
    QFile c(cert), k(key);
    if (!c.open(QIODevice::ReadOnly) || !k.open(QIODevice::ReadOnly)) return std::nullopt;
    TestCertificate out{QSslCertificate(c.readAll(), QSsl::Pem), QSslKey(k.readAll(), QSsl::Ec, QSsl::Pem)};
    if (out.certificate.isNull() || out.key.isNull()) return std::nullopt;
    return out;
}

FakeOperator::FakeOperator(std::vector<DrawRecord> draws, const TestCertificate* tls)
    : m_draws(std::move(draws)), m_tls(tls != nullptr) {
    if (tls) {
        auto* server = new QSslServer(this);
        QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
        conf.setLocalCertificate(tls->certificate);
        conf.setPrivateKey(tls->key);
        conf.setPeerVerifyMode(QSslSocket::VerifyNone);
        server->setSslConfiguration(conf);
        m_server = server;
    } else {
        m_server = new QTcpServer(this);
    }
    m_server->listen(QHostAddress::LocalHost, 0);
    acceptRequests(m_server, this, [this](QTcpSocket* socket, const SeenRequest& request) { serve(socket, request); });
}

FakeOperator::~FakeOperator() = default;

quint16 FakeOperator::port() const {
    return m_server->serverPort();
}

QString FakeOperator::base() const {
    return QStringLiteral("%1://127.0.0.1:%2/draws/v3.0/5103").arg(m_tls ? "https" : "http").arg(port());
}

qint64 FakeOperator::drawTimeOf(const QDate& date) {
    return QDateTime(date, QTime(19, 0), Qt::UTC).toMSecsSinceEpoch();
}

QByteArray FakeOperator::drawJson(const DrawRecord& r, qint64 drawId, const QString& status) {
    const QDate date = DayCount::toDate(r.date);
    const bool done = status == QLatin1String("results");
    QJsonArray list, bonus;
    if (done) {
        for (std::uint8_t n : r.numbers) list.append(int(n));
        if (r.additional != 0) bonus.append(int(r.additional));
    }
    // The categories in the order the service sends them: 6, 5 + additional number (while the
    // draw has one), 5, 4, 3 hits. The 6 and 5 + 1 tiers share a pool, the others pay fixed
    // amounts; each tier's dividend is distinct, so that a tier read as another shows.
    QJsonArray categories;
    std::vector<int> ids{1, 10, 2, 3, 4};
    if (r.additional == 0) ids.erase(ids.begin() + 1);
    for (const int id : done ? ids : std::vector<int>{}) {
        const double dividend = dividendOf(id, date);
        const bool fixed = id != 1 && id != 10;
        QJsonObject c{{"id", id},
                      {"divident", dividend},
                      {"winners", id == 1 ? 0 : 10 * id},
                      {"distributed", dividend * 10 * id},
                      {"jackpot", id == 1 ? 1000000.0 + date.day() * 1000.5 : 0.0},
                      {"fixed", fixed ? dividend : 0.0},
                      {"categoryType", fixed ? 1 : 0},
                      {"gameType", "Lotto"}};
        if (id == 1) c.insert("minimumDistributed", 1000000);
        categories.append(c);
    }
    const QJsonObject draw{{"gameId", 5103},
                           {"drawId", drawId},
                           {"drawTime", drawTimeOf(date)},
                           {"status", status},
                           {"drawBreak", 0},
                           {"visualDraw", drawId},
                           {"pricePoints", QJsonObject{{"amount", 0.5}}},
                           {"winningNumbers", QJsonObject{{"list", list}, {"bonus", bonus}}},
                           {"prizeCategories", categories},
                           {"wagerStatistics", QJsonObject{{"columns", 123456}, {"wagers", 45678}, {"addOn", QJsonArray{}}}}};
    return QJsonDocument(draw).toJson(QJsonDocument::Compact);
}

double FakeOperator::dividendOf(int categoryId, const QDate& date) {
    switch (categoryId) {
    case 10:
        return 40000.0 + date.day() * 10.25;
    case 2:
        return 1500.0;
    case 3:
        return 30.0;
    case 4:
        return 1.5;
    default:
        return 0.0;
    }
}

QByteArray FakeOperator::announcedJson() const {
    // The next Wednesday or Saturday after the newest published draw, at 19:00 UTC.
    QDate next = nextDrawDate;
    if (!next.isValid() && !m_draws.empty()) {
        next = DayCount::toDate(m_draws.back().date).addDays(1);
        while (next.dayOfWeek() != Qt::Wednesday && next.dayOfWeek() != Qt::Saturday) next = next.addDays(1);
    }
    QJsonArray categories;
    if (nextJackpot > 0)
        categories.append(QJsonObject{{"id", 1}, {"divident", 0}, {"winners", 0}, {"distributed", 0},
                                      {"jackpot", nextJackpot - 400000}, {"fixed", 0}, {"categoryType", 0},
                                      {"minimumDistributed", nextJackpot}});
    const QJsonObject active{{"gameId", 5103},
                             {"drawId", drawIdOf(int(m_draws.size()))},
                             {"drawTime", drawTimeOf(next)},
                             {"status", "active"},
                             {"drawBreak", 1800000},
                             {"visualDraw", drawIdOf(int(m_draws.size()))},
                             {"pricePoints", QJsonObject{{"amount", 0.5}}},
                             {"prizeCategories", categories},
                             {"wagerStatistics", QJsonObject{{"columns", 0}, {"wagers", 0}, {"addOn", QJsonArray{}}}}};
    QByteArray last = "null";
    if (!m_draws.empty()) last = drawJson(m_draws.back(), drawIdOf(int(m_draws.size()) - 1), QStringLiteral("results"));
    return "{\"last\":" + last + ",\"active\":" + QJsonDocument(active).toJson(QJsonDocument::Compact) + "}";
}

FakeAnswer FakeOperator::answer(const SeenRequest& request) const {
    // Agents on the public block lists are turned away, as by the real service's firewall.
    if (request.header("user-agent").contains("Indy Library"))
        return FakeAnswer::reply(403, "Forbidden", "<html><body>Access denied</body></html>");
    const QUrl url(QString::fromLatin1(request.pathAndQuery()));
    const QStringList parts = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.size() == 4 && parts[0] == QLatin1String("draws") && parts[2] == QLatin1String("5103") &&
        parts[3] == QLatin1String("last-result-and-active"))
        return FakeAnswer::reply(200, "OK", announcedJson(), {"Content-Type: application/json"});
    // draws v3.0 5103 draw-date <from> <to>
    if (parts.size() != 6 || parts[0] != QLatin1String("draws") || parts[2] != QLatin1String("5103") ||
        parts[3] != QLatin1String("draw-date"))
        return FakeAnswer::reply(404, "Not Found", R"({"code":404,"message":"not found"})");
    const QDate from = QDate::fromString(parts[4], Qt::ISODate);
    const QDate to = QDate::fromString(parts[5], Qt::ISODate);
    if (!from.isValid() || !to.isValid() || from > to)
        return FakeAnswer::reply(400, "Bad Request", R"({"code":400,"message":"invalid dates"})");
    if (maxRangeDays > 0 && from.daysTo(to) + 1 > maxRangeDays) {
        const QByteArray complaint = R"({"code":1003,"message":"date range too long"})";
        return rangeRefusalStatus == 200 ? FakeAnswer::reply(200, "OK", complaint, {"Content-Type: application/json"})
                                         : FakeAnswer::reply(rangeRefusalStatus, "Bad Request", complaint);
    }
    const QUrlQuery query(url);
    const int limit = std::clamp(query.queryItemValue(QStringLiteral("limit")).toInt(), 1, maxLimit);
    const int page = std::max(0, query.queryItemValue(QStringLiteral("page")).toInt());

    std::vector<int> hits;
    for (int i = 0; i < int(m_draws.size()); ++i) {
        const QDate d = DayCount::toDate(m_draws[i].date);
        if (d >= from && d <= to) hits.push_back(i);
    }
    if (descending) std::reverse(hits.begin(), hits.end());
    const int total = int(hits.size());
    const int totalPages = (total + limit - 1) / limit;
    QByteArray content;
    for (int k = page * limit; k < std::min(total, (page + 1) * limit); ++k) {
        const int i = hits[k];
        const QDate d = DayCount::toDate(m_draws[i].date);
        const auto status = statusOf.find(d);
        if (!content.isEmpty()) content += ',';
        content += drawJson(m_draws[i], drawIdOf(i),
                            status == statusOf.end() ? QStringLiteral("results") : status->second);
    }
    const int count = std::max(0, std::min(total, (page + 1) * limit) - page * limit);
    const QByteArray body = "{\"content\":[" + content + "],\"totalPages\":" + QByteArray::number(totalPages) +
                            ",\"totalElements\":" + QByteArray::number(total) + ",\"last\":" +
                            (page + 1 >= totalPages ? "true" : "false") + ",\"number\":" + QByteArray::number(page) +
                            ",\"size\":" + QByteArray::number(limit) + ",\"numberOfElements\":" +
                            QByteArray::number(count) + ",\"first\":" + (page == 0 ? "true" : "false") + "}";
    return FakeAnswer::reply(200, "OK", body, {"Content-Type: application/json"});
}

void FakeOperator::serve(QTcpSocket* socket, const SeenRequest& request) {
    const int index = int(requests.size());
    requests.push_back(request);
    std::optional<FakeAnswer> scripted = script ? script(request, index) : std::nullopt;
    const FakeAnswer a = scripted ? *scripted : answer(request);
    if (a.hang) return;
    QPointer<QTcpSocket> guard(socket);
    auto send = [guard, out = responseBytes(a.status, a.reason, a.body, a.headers)] {
        if (!guard) return;
        guard->write(out);
        guard->disconnectFromHost();
    };
    if (a.delayMs > 0)
        QTimer::singleShot(a.delayMs, this, send);
    else
        send();
}
