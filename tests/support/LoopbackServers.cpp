#include "support/LoopbackServers.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

QByteArray SeenRequest::header(const QByteArray& lowerName) const {
    for (const auto& [name, value] : headers)
        if (name == lowerName) return value;
    return {};
}

QByteArray SeenRequest::pathAndQuery() const {
    if (target.startsWith('/')) return target;
    const QUrl url = QUrl::fromEncoded(target);
    return url.path(QUrl::FullyEncoded).toLatin1() + (url.hasQuery() ? "?" + url.query().toLatin1() : "");
}

bool takeRequest(QByteArray& buffer, SeenRequest& request) {
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4);
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request = SeenRequest{first.value(0), first.value(1), {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.append(
                {lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed()});
    }
    return true;
}

void acceptRequests(QTcpServer* server, QObject* owner,
                    std::function<void(QTcpSocket* socket, const SeenRequest& request)> answer) {
    QObject::connect(server, &QTcpServer::pendingConnectionAvailable, owner, [server, owner, answer] {
        while (QTcpSocket* socket = server->nextPendingConnection()) {
            socket->setParent(owner);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, owner, [socket, buffer, answer] {
                *buffer += socket->readAll();
                SeenRequest request;
                if (takeRequest(*buffer, request)) answer(socket, request);
            });
        }
    });
}

QByteArray responseBytes(int status, const QByteArray& reason, const QByteArray& body,
                         const QList<QByteArray>& headers, bool contentLength) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    if (contentLength) out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    for (const QByteArray& line : headers) out += line + "\r\n";
    return out + "Connection: close\r\n\r\n" + body;
}

quint16 refusingPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

ScriptedHttpServer::ScriptedHttpServer() : m_server(new QTcpServer(this)) {
    m_server->listen(QHostAddress::LocalHost, 0);
    acceptRequests(m_server, this, [this](QTcpSocket* socket, const SeenRequest& request) { serve(socket, request); });
}

ScriptedHttpServer::~ScriptedHttpServer() = default;
quint16 ScriptedHttpServer::port() const {
    return m_server->serverPort();
}
QString ScriptedHttpServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void ScriptedHttpServer::serve(QTcpSocket* socket, const SeenRequest& request) {
    requests.push_back(request);
    const ScriptedAnswer answer = handler ? handler(request) : ScriptedAnswer{};
    if (answer.kind == ScriptedAnswer::Hang) return;
    if (answer.kind == ScriptedAnswer::Close) {
        socket->disconnectFromHost();
        return;
    }
    const QByteArray out = responseBytes(answer.status, answer.reason, answer.body, answer.headers, answer.contentLength);
    if (answer.trickleMs <= 0) {
        socket->write(out);
        socket->disconnectFromHost();
        return;
    }
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, out, sent] {
        socket->write(out.mid((*sent)++, 1));
        if (*sent >= out.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(answer.trickleMs);
}

RecordingProxy::RecordingProxy() : m_server(new QTcpServer(this)) {
    m_server->listen(QHostAddress::LocalHost, 0);
    acceptRequests(m_server, this, [this](QTcpSocket* client, const SeenRequest& request) { serve(client, request); });
}

RecordingProxy::~RecordingProxy() = default;
quint16 RecordingProxy::port() const {
    return m_server->serverPort();
}

void RecordingProxy::serve(QTcpSocket* client, const SeenRequest& request) {
    requests.push_back(request);
    const QUrl url = QUrl::fromEncoded(request.target);
    // The tests may reach loopback only.
    if (url.host() != QLatin1String("127.0.0.1") || url.port() <= 0) {
        client->write("HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        client->disconnectFromHost();
        return;
    }
    QByteArray out = request.method + ' ' + request.pathAndQuery() + " HTTP/1.1\r\n";
    for (const auto& [name, value] : request.headers)
        if (name != "connection" && name != "proxy-connection") out += name + ": " + value + "\r\n";
    out += "Connection: close\r\n\r\n";
    QPointer<QTcpSocket> guardedClient(client);
    auto* upstream = new QTcpSocket(client);
    connect(upstream, &QTcpSocket::connected, upstream, [upstream, out] { upstream->write(out); });
    connect(upstream, &QTcpSocket::readyRead, upstream, [upstream, guardedClient] {
        if (guardedClient) guardedClient->write(upstream->readAll());
    });
    connect(upstream, &QTcpSocket::disconnected, upstream, [guardedClient] {
        if (guardedClient) guardedClient->disconnectFromHost();
    });
    connect(upstream, &QTcpSocket::errorOccurred, upstream, [upstream, guardedClient] {
        if (!guardedClient || upstream->error() != QAbstractSocket::ConnectionRefusedError) return;
        guardedClient->write(
            "HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        guardedClient->disconnectFromHost();
    });
    upstream->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(url.port()));
}
