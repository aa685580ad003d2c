#include "server/DrawServer.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"

#include <QDate>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <cmath>

namespace {

qint64 dayKey(double dayCount) {
    return std::llround(dayCount);
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 431:
        return "Request Header Fields Too Large";
    default:
        return "Error";
    }
}

QByteArray newSessionId() {
    QByteArray id(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(id.data()), id.size() / 4);
    return id.toHex();
}

// The value of our cookie in a Cookie header ("a=1; QSESSION=...; b=2").
QByteArray sessionFromCookies(const QByteArray& header) {
    const QByteArray prefix = QByteArray(DrawServer::CookieName) + '=';
    for (QByteArray part : header.split(';')) {
        part = part.trimmed();
        if (part.startsWith(prefix)) return part.mid(prefix.size());
    }
    return {};
}

} // namespace

DrawTable::DrawTable(const std::vector<DrawRecord>& records) {
    for (const DrawRecord& r : records) m_draws[dayKey(r.date)] = r;
}

DrawTable DrawTable::fromFile(const QString& path) {
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) return DrawTable(DrawCsv::readFile(path));
    return DrawTable(DrawHistory(path).readAll());
}

const DrawRecord* DrawTable::find(double dayCount) const {
    const auto it = m_draws.find(dayKey(dayCount));
    return it == m_draws.end() ? nullptr : &it->second;
}

QByteArray DrawTable::answerText(const DrawRecord& record) {
    QByteArray text;
    for (std::uint8_t n : record.numbers) text += QByteArray::number(n) + ',';
    return text + QByteArray::number(record.additional);
}

DrawServer::DrawServer(DrawTable draws, QObject* parent)
    : QObject(parent), m_draws(std::move(draws)), m_server(new QTcpServer(this)) {
    m_server->setMaxPendingConnections(MaxConnections);
    connect(m_server, &QTcpServer::newConnection, this, &DrawServer::acceptConnections);
}

DrawServer::~DrawServer() = default;

void DrawServer::replaceDraws(DrawTable draws) {
    m_draws = std::move(draws);
}

bool DrawServer::listen(const QHostAddress& address, quint16 port) {
    return m_server->listen(address, port);
}
quint16 DrawServer::port() const {
    return m_server->serverPort();
}
QString DrawServer::errorString() const {
    return m_server->errorString();
}

DrawServer::Answer DrawServer::answer(const QByteArray& method, const QByteArray& target) const {
    if (method != "GET" && method != "HEAD") return {405, "Nur GET wird beantwortet"};
    QByteArray pathAndQuery = target;
    // A request that came through a proxy may carry the absolute form.
    if (const qsizetype scheme = pathAndQuery.indexOf("://"); scheme > 0 && !pathAndQuery.startsWith('/')) {
        const qsizetype slash = pathAndQuery.indexOf('/', scheme + 3);
        pathAndQuery = slash < 0 ? QByteArray("/") : pathAndQuery.mid(slash);
    }
    const qsizetype question = pathAndQuery.indexOf('?');
    const QByteArray path = question < 0 ? pathAndQuery : pathAndQuery.left(question);
    const QByteArray query = question < 0 ? QByteArray() : pathAndQuery.mid(question + 1);
    if (path != "/zahlen/velmora.asp") return {404, "Nicht gefunden"};

    const QUrlQuery items(QString::fromLatin1(query));
    const QString value = items.queryItemValue(QStringLiteral("Datum"), QUrl::FullyDecoded);
    bool digits = value.size() == 8;
    for (QChar c : value) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const QDate date = digits ? QDate::fromString(value, QStringLiteral("yyyyMMdd")) : QDate();
    if (!date.isValid()) return {400, "Datum als yyyymmdd erwartet"};

    const DrawRecord* draw = m_draws.find(DayCount::fromDate(date));
    return {200, draw ? DrawTable::answerText(*draw) : QByteArray()};
}

void DrawServer::acceptConnections() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        if (m_buffers.size() >= MaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_buffers.insert(socket, {});
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(IdleTimeoutMs);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, idle] {
            idle->start();
            readFrom(socket);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
        idle->start();
        if (socket->bytesAvailable() > 0) readFrom(socket);
    }
}

void DrawServer::readFrom(QTcpSocket* socket) {
    auto it = m_buffers.find(socket);
    if (it == m_buffers.end()) return;
    QByteArray& buffer = it.value();
    buffer += socket->readAll();

    auto respond = [&](int status, const QByteArray& body, bool head, bool keepAlive,
                       const QByteArray& cookie) {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
        out += "Content-Type: text/plain; charset=us-ascii\r\n";
        out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        out += "Cache-Control: no-store\r\n";
        if (!cookie.isEmpty())
            out += "Set-Cookie: " + QByteArray(CookieName) + '=' + cookie + "; Path=/; HttpOnly\r\n";
        out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
        if (!head) out += body;
        socket->write(out);
        if (!keepAlive) socket->disconnectFromHost();
    };

    while (socket->state() == QAbstractSocket::ConnectedState) {
        qsizetype end = buffer.indexOf("\r\n\r\n");
        qsizetype separator = 4;
        if (const qsizetype bare = buffer.indexOf("\n\n"); bare >= 0 && (end < 0 || bare < end)) {
            end = bare;
            separator = 2;
        }
        if (end < 0) {
            if (buffer.size() > MaxRequestBytes) {
                buffer.clear();
                respond(431, "Anfrage zu groß", false, false, {});
            }
            return;
        }
        if (end > MaxRequestBytes) {
            buffer.clear();
            respond(431, "Anfrage zu groß", false, false, {});
            return;
        }
        const QByteArray head = buffer.left(end);
        buffer.remove(0, end + separator);

        QList<QByteArray> lines = head.split('\n');
        for (QByteArray& line : lines)
            if (line.endsWith('\r')) line.chop(1);
        const QList<QByteArray> requestLine = lines.value(0).split(' ');
        if (requestLine.size() != 3 || !requestLine[2].startsWith("HTTP/1.")) {
            buffer.clear();
            respond(400, "Ungültige Anfrage", false, false, {});
            return;
        }
        QByteArray cookieHeader;
        QByteArray connection;
        bool hasBody = false;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon <= 0) continue;
            const QByteArray name = lines[i].left(colon).trimmed().toLower();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            if (name == "cookie")
                cookieHeader += (cookieHeader.isEmpty() ? "" : "; ") + value;
            else if (name == "connection")
                connection = value.toLower();
            else if (name == "transfer-encoding")
                hasBody = true;
            else if (name == "content-length" && value != "0")
                hasBody = true;
        }
        const bool http11 = requestLine[2] == "HTTP/1.1";
        // Request bodies are not expected; rather than parse one, answer and close.
        const bool keepAlive =
            !hasBody && (http11 ? !connection.contains("close") : connection.contains("keep-alive"));

        Request request;
        request.method = requestLine[0];
        request.target = requestLine[1];
        const QByteArray session = sessionFromCookies(cookieHeader);
        request.knownSession = !session.isEmpty() && m_sessions.contains(session);
        QByteArray newCookie;
        if (!request.knownSession) {
            // Bounded: a client that never sends its cookie back must not grow the set forever.
            if (m_sessions.size() >= 100000) m_sessions.clear();
            newCookie = newSessionId();
            m_sessions.insert(newCookie);
        }
        const Answer a = answer(request.method, request.target);
        request.status = a.status;
        emit requestServed(request);
        // Closing may drop the connection's buffer at once: nothing touches it afterwards.
        if (!keepAlive) buffer.clear();
        respond(a.status, a.body, request.method == "HEAD", keepAlive, newCookie);
        if (!keepAlive) return;
    }
}
