#include "server/DrawServer.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <algorithm>
#include <cmath>

namespace {

qint64 dayKey(double dayCount) {
    return std::llround(dayCount);
}

// The body of an error answer: a line for whoever asks by hand, in the server's language. Clients
// go by the status; the program shows its own message for it, never the body.
QByteArray errorBody(const char* text) {
    return QCoreApplication::translate("DrawServer", text).toUtf8();
}

QByteArray reasonPhrase(int status) {
    static const QHash<int, QByteArray> phrases{
        {200, "OK"}, {400, "Bad Request"}, {404, "Not Found"}, {405, "Method Not Allowed"}, {431, "Request Header Fields Too Large"}};
    return phrases.value(status, "Error");
}

// The current time as HTTP wants it: "Sun, 06 Nov 1994 08:49:37 GMT".
QByteArray httpDate() {
    return QLocale::c()
        .toString(QDateTime::currentDateTimeUtc(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
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

RequestHead RequestHead::parse(QByteArrayView data, qsizetype& scanned, qsizetype maxBytes) {
    RequestHead h;
    // The head ends at the first blank line: "\r\n\r\n" or a bare "\n\n" (also "\n\r\n").
    // The search resumes where the last one stopped; each candidate looks back at the bytes
    // before it, so a blank line split across two reads is still seen.
    qsizetype end = -1, separator = 0;
    const qsizetype limit = std::min<qsizetype>(data.size(), maxBytes + 4);
    for (qsizetype i = std::max<qsizetype>(scanned, 1); i < limit; ++i) {
        if (data[i] != '\n') continue;
        if (data[i - 1] == '\n') {
            end = i - 1;
            separator = 2;
            break;
        }
        if (data[i - 1] == '\r' && i >= 2 && data[i - 2] == '\n') {
            end = i - 2;
            separator = 3;
            break;
        }
    }
    // "\r\n\r\n": the blank line's own CR belongs to the separator, the first CR to the head.
    if (end > 0 && separator == 3 && data[end - 1] == '\r') {
        --end;
        separator = 4;
    }
    if (end < 0) {
        scanned = limit;
        h.state = data.size() > maxBytes ? State::TooLarge : State::Incomplete;
        return h;
    }
    if (end > maxBytes) {
        h.state = State::TooLarge;
        return h;
    }
    h.length = end + separator;

    const QByteArray head = data.first(end).toByteArray();
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    const QList<QByteArray> requestLine = lines.value(0).split(' ');
    if (requestLine.size() != 3 || requestLine[0].isEmpty() || requestLine[1].isEmpty() ||
        !requestLine[2].startsWith("HTTP/1.")) {
        h.state = State::Malformed;
        return h;
    }
    QByteArray connection;
    bool hasBody = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "cookie")
            h.cookies += (h.cookies.isEmpty() ? "" : "; ") + value;
        else if (name == "connection")
            connection = value.toLower();
        else if (name == "transfer-encoding" || (name == "content-length" && value != "0"))
            hasBody = true;
    }
    const bool http11 = requestLine[2] == "HTTP/1.1";
    // Request bodies are not expected; rather than parse one, answer and close.
    h.keepAlive = !hasBody && (http11 ? !connection.contains("close") : connection.contains("keep-alive"));
    h.method = requestLine[0];
    h.target = requestLine[1];
    h.state = State::Complete;
    return h;
}

struct DrawServer::Connection {
    QTcpSocket* socket = nullptr;
    QHostAddress address;
    QByteArray buffer;        // received; the bytes before `consumed` are answered
    qsizetype consumed = 0;
    qsizetype scanned = 0;    // how far the head at the front was searched
    QTimer* idle = nullptr;   // between requests
    QTimer* header = nullptr; // from the first byte of a request to the end of its head
    bool scheduled = false;
    bool closing = false;
    quint64 lastActive = 0;
};

DrawServer::DrawServer(DrawTable draws, QObject* parent)
    : QObject(parent), m_draws(std::move(draws)), m_server(new QTcpServer(this)) {
    m_server->setMaxPendingConnections(MaxConnections);
    connect(m_server, &QTcpServer::newConnection, this, &DrawServer::acceptConnections);
}

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
    if (method != "GET" && method != "HEAD")
        return {405, errorBody(QT_TRANSLATE_NOOP("DrawServer", "Nur GET wird beantwortet"))};
    QByteArray pathAndQuery = target;
    // A request that came through a proxy may carry the absolute form.
    if (const qsizetype scheme = pathAndQuery.indexOf("://"); scheme > 0 && !pathAndQuery.startsWith('/')) {
        const qsizetype slash = pathAndQuery.indexOf('/', scheme + 3);
        pathAndQuery = slash < 0 ? QByteArray("/") : pathAndQuery.mid(slash);
    }
    const qsizetype question = pathAndQuery.indexOf('?');
    const QByteArray path = question < 0 ? pathAndQuery : pathAndQuery.left(question);
    const QByteArray query = question < 0 ? QByteArray() : pathAndQuery.mid(question + 1);
    if (path != "/zahlen/velmora.asp")
        return {404, errorBody(QT_TRANSLATE_NOOP("DrawServer", "Nicht gefunden"))};

    const QUrlQuery items(QString::fromLatin1(query));
    const QString value = items.queryItemValue(QStringLiteral("Datum"), QUrl::FullyDecoded);
    bool digits = value.size() == 8;
    for (QChar c : value) digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const QDate date = digits ? QDate::fromString(value, QStringLiteral("yyyyMMdd")) : QDate();
    if (!date.isValid())
        return {400, errorBody(QT_TRANSLATE_NOOP("DrawServer", "Datum als yyyymmdd erwartet"))};

    const DrawRecord* draw = m_draws.find(DayCount::fromDate(date));
    return {200, draw ? DrawTable::answerText(*draw) : QByteArray()};
}

DrawServer::Connection* DrawServer::displaceable(const QHostAddress& forAddress) const {
    // The address that holds the most connections gives one up: the new client's own address
    // when it is at its limit, so one address can only ever push out its own connections.
    QHash<QHostAddress, int> perAddress;
    for (const Connection* c : m_connections) ++perAddress[c->address];
    QHostAddress victim;
    if (perAddress.value(forAddress) >= MaxConnectionsPerAddress) {
        victim = forAddress;
    } else if (m_connections.size() >= MaxConnections) {
        int most = 0;
        for (auto it = perAddress.cbegin(); it != perAddress.cend(); ++it)
            if (it.value() > most) {
                most = it.value();
                victim = it.key();
            }
    } else {
        return nullptr;
    }
    Connection* quietest = nullptr;
    for (Connection* c : m_connections)
        if (c->address == victim && (!quietest || c->lastActive < quietest->lastActive)) quietest = c;
    return quietest;
}

void DrawServer::acceptConnections() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        const QHostAddress address = socket->peerAddress();
        if (Connection* old = displaceable(address)) drop(old);
        auto* c = new Connection;
        c->socket = socket;
        c->address = address;
        c->lastActive = ++m_activity;
        // Qt reads no more than this ahead of us; beyond it the client waits in the network.
        socket->setReadBufferSize(MaxBufferedBytes);
        m_connections.insert(socket, c);
        // Freed with the socket, never while a call on the stack may still use it.
        connect(socket, &QObject::destroyed, [c] { delete c; });
        c->idle = new QTimer(socket);
        c->idle->setSingleShot(true);
        c->idle->setInterval(IdleTimeoutMs);
        c->header = new QTimer(socket);
        c->header->setSingleShot(true);
        c->header->setInterval(HeaderTimeoutMs);
        connect(c->idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(c->header, &QTimer::timeout, socket, &QTcpSocket::abort);
        connect(socket, &QTcpSocket::readyRead, this, [this, c] { serve(c); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, c] {
            if (c->socket->bytesToWrite() < MaxUnsentBytes / 2) schedule(c);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
        c->idle->start();
        if (socket->bytesAvailable() > 0) serve(c);
    }
}

void DrawServer::drop(Connection* c) {
    m_connections.remove(c->socket);
    c->socket->disconnect(this);
    c->closing = true;
    c->socket->abort();
    c->socket->deleteLater();
}

void DrawServer::schedule(Connection* c) {
    if (c->scheduled) return;
    c->scheduled = true;
    QTcpSocket* socket = c->socket;
    // Queued: other connections' events run first. The socket may be gone by then.
    QTimer::singleShot(0, this, [this, socket] {
        if (Connection* again = m_connections.value(socket)) {
            again->scheduled = false;
            serve(again);
        }
    });
}

void DrawServer::respond(Connection* c, int status, const QByteArray& body, bool head, bool keepAlive,
                         const QByteArray& cookie) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    out += "Date: " + httpDate() + "\r\n";
    out += "Content-Type: text/plain; charset=utf-8\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Cache-Control: no-store\r\n";
    if (!cookie.isEmpty())
        out += "Set-Cookie: " + QByteArray(CookieName) + '=' + cookie + "; Path=/; HttpOnly\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    if (!head) out += body;
    c->socket->write(out);
    if (!keepAlive) {
        c->closing = true;
        c->buffer.clear();
        c->socket->disconnectFromHost();
    }
}

void DrawServer::serve(Connection* c) {
    QTcpSocket* socket = c->socket;
    int answered = 0;
    while (!c->closing && socket->state() == QAbstractSocket::ConnectedState) {
        // A client that does not read its answers gets no more of them for now; bytesWritten
        // brings it back.
        if (socket->bytesToWrite() >= MaxUnsentBytes) return;
        const QByteArrayView pending = QByteArrayView(c->buffer).sliced(c->consumed);
        const RequestHead h =
            pending.isEmpty() ? RequestHead{} : RequestHead::parse(pending, c->scanned, MaxRequestBytes);
        if (h.state == RequestHead::State::Incomplete) {
            if (socket->bytesAvailable() == 0) {
                if (!pending.isEmpty()) {
                    // The deadline runs from the first byte of the request; more bytes do not
                    // extend it.
                    c->idle->stop();
                    if (!c->header->isActive()) c->header->start();
                }
                return;
            }
            // Only the unanswered rest moves to the front, once per read.
            c->buffer.remove(0, c->consumed);
            c->consumed = 0;
            c->buffer += socket->read(MaxBufferedBytes - c->buffer.size());
            c->lastActive = ++m_activity;
            continue;
        }
        if (h.state == RequestHead::State::TooLarge) {
            respond(c, 431, errorBody(QT_TRANSLATE_NOOP("DrawServer", "Anfrage zu groß")), false, false, {});
            return;
        }
        if (h.state == RequestHead::State::Malformed) {
            respond(c, 400, errorBody(QT_TRANSLATE_NOOP("DrawServer", "Ungültige Anfrage")), false, false,
                    {});
            return;
        }
        if (answered == RequestsPerTurn) {
            schedule(c);
            return;
        }
        ++answered;
        c->consumed += h.length;
        c->scanned = 0;
        c->header->stop();
        if (c->consumed == c->buffer.size()) {
            c->buffer.clear();
            c->consumed = 0;
        }

        Request request;
        request.method = h.method;
        request.target = h.target;
        const QByteArray session = sessionFromCookies(h.cookies);
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
        // A slot connected to requestServed may have closed the connection.
        if (!m_connections.contains(socket)) return;
        respond(c, a.status, a.body, request.method == "HEAD", h.keepAlive, newCookie);
        if (!h.keepAlive) return;
        if (c->buffer.isEmpty() && socket->bytesAvailable() == 0) c->idle->start();
    }
}

// The meta-object code stays in this object file, so a program that links the library without
// using the class does not pull it in (and Qt Network with it).
#include "moc_DrawServer.cpp" // NOLINT(bugprone-suspicious-include): moc's code for this file's classes
