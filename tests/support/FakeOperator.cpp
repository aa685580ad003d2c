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
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) serve(socket);
    });
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
    QJsonArray categories;
    const int tiers = r.additional != 0 ? 5 : 4;
    for (int id = 1; done && id <= tiers; ++id) {
        const double dividend = id == 1 ? 0.0 : 1000000.0 / (id * id * id) + 0.25 * id;
        categories.append(QJsonObject{{"id", id},
                                      {"divident", dividend},
                                      {"winners", id == 1 ? 0 : 10 * id * id},
                                      {"distributed", dividend * 10 * id * id},
                                      {"jackpot", id == 1 ? 1000000.0 + date.day() * 1000.5 : 0.0},
                                      {"fixed", id == tiers ? 1 : 0},
                                      {"categoryType", id == 1 ? 1 : 0},
                                      {"gameType", "Lotto"},
                                      {"minimumDistributed", 0}});
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

FakeAnswer FakeOperator::answer(const SeenRequest& request) const {
    const QUrl url(QString::fromLatin1(request.pathAndQuery()));
    const QStringList parts = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // draws v3.0 5103 draw-date <from> <to>
    if (parts.size() != 6 || parts[0] != QLatin1String("draws") || parts[2] != QLatin1String("5103") ||
        parts[3] != QLatin1String("draw-date"))
        return FakeAnswer::reply(404, "Not Found", R"({"error":"not found"})");
    const QDate from = QDate::fromString(parts[4], Qt::ISODate);
    const QDate to = QDate::fromString(parts[5], Qt::ISODate);
    if (!from.isValid() || !to.isValid() || from > to)
        return FakeAnswer::reply(400, "Bad Request", R"({"error":"invalid dates"})");
    if (maxRangeDays > 0 && from.daysTo(to) + 1 > maxRangeDays)
        return FakeAnswer::reply(400, "Bad Request", R"({"error":"range too long"})");
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

void FakeOperator::serve(QTcpSocket* socket) {
    socket->setParent(this);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        *buffer += socket->readAll();
        SeenRequest request;
        if (!takeRequest(*buffer, request)) return;
        const int index = int(requests.size());
        requests.push_back(request);
        std::optional<FakeAnswer> scripted = script ? script(request, index) : std::nullopt;
        const FakeAnswer a = scripted ? *scripted : answer(request);
        if (a.hang) return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + ' ' + a.reason + "\r\n";
        out += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        for (const QByteArray& line : a.headers) out += line + "\r\n";
        out += "Connection: close\r\n\r\n" + a.body;
        QPointer<QTcpSocket> guard(socket);
        auto send = [guard, out] {
            if (!guard) return;
            guard->write(out);
            guard->disconnectFromHost();
        };
        if (a.delayMs > 0)
            QTimer::singleShot(a.delayMs, this, send);
        else
            send();
    });
}
