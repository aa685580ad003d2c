#pragma once
// HTTP servers on 127.0.0.1 for the network tests: one that answers as each test scripts it
// (including on purpose wrongly), and a proxy that records what it forwards. Both run in the
// test's thread; the client under test keeps them going while it waits in its event loop.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QTcpServer;
class QTcpSocket;

struct SeenRequest {
    QByteArray method;
    QByteArray target;
    QList<QPair<QByteArray, QByteArray>> headers; // names lower-cased
    QByteArray header(const QByteArray& lowerName) const;
    // The target without the scheme and authority of a proxied request.
    QByteArray pathAndQuery() const;
};

struct ScriptedAnswer {
    enum Kind { Respond, Hang, Close };
    Kind kind = Respond;
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body{};
    QList<QByteArray> headers{}; // extra "Name: value" lines
    bool contentLength = true;   // false: the end of the body is the end of the connection
    int trickleMs = 0;           // > 0: the whole response goes out one byte per pause

    static ScriptedAnswer ok(const QByteArray& body) { return ScriptedAnswer{.body = body}; }
    static ScriptedAnswer failing(int code, const QByteArray& reason) {
        return ScriptedAnswer{.status = code, .reason = reason};
    }
    static ScriptedAnswer hang() { return ScriptedAnswer{.kind = Hang}; }
    static ScriptedAnswer close() { return ScriptedAnswer{.kind = Close}; }
};

class ScriptedHttpServer : public QObject {
public:
    ScriptedHttpServer();
    ~ScriptedHttpServer() override;
    quint16 port() const;
    QString address() const; // "http://127.0.0.1:<port>"

    // Called for every request; answers 200 with an empty body when unset.
    std::function<ScriptedAnswer(const SeenRequest&)> handler;
    std::vector<SeenRequest> requests;

private:
    void serve(QTcpSocket* socket, const SeenRequest& request);
    QTcpServer* m_server;
};

// Forwards requests in absolute form to 127.0.0.1 only (anything else gets 502) and records
// them as received.
class RecordingProxy : public QObject {
public:
    RecordingProxy();
    ~RecordingProxy() override;
    quint16 port() const;
    std::vector<SeenRequest> requests;

private:
    void serve(QTcpSocket* client, const SeenRequest& request);
    QTcpServer* m_server;
};

// Hands each request head arriving on a connection `server` accepts (after the handshake, for
// a TLS server) to `answer`, with its socket; the sockets belong to `owner` and go when their
// connection closes. The one accepting loop of the loopback servers.
void acceptRequests(QTcpServer* server, QObject* owner,
                    std::function<void(QTcpSocket* socket, const SeenRequest& request)> answer);
// "HTTP/1.1 <status> <reason>", Content-Length (unless `contentLength` is false), the extra
// header lines, "Connection: close", then the body.
QByteArray responseBytes(int status, const QByteArray& reason, const QByteArray& body,
                         const QList<QByteArray>& headers, bool contentLength = true);

// Parses a request head ("GET / HTTP/1.1\r\nName: value\r\n\r\n") from the front of buffer;
// false while it is incomplete.
bool takeRequest(QByteArray& buffer, SeenRequest& request);
// A port on 127.0.0.1 that refuses connections (it was free a moment ago).
quint16 refusingPort();
