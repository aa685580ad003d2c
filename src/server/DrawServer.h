#pragma once
#include "history/DrawRecord.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <map>
#include <vector>

class QTcpServer;
class QTcpSocket;

// The draws a results server answers with, by day count.
class DrawTable {
public:
    DrawTable() = default;
    explicit DrawTable(const std::vector<DrawRecord>& records);
    // A results CSV ("*.csv") or a history file (any other name). Throws AppError.
    static DrawTable fromFile(const QString& path);

    const DrawRecord* find(double dayCount) const;
    std::size_t size() const { return m_draws.size(); }
    // "n1,n2,n3,n4,n5,n6,z": the numbers as stored, 0 for a missing additional number.
    static QByteArray answerText(const DrawRecord& record);

private:
    std::map<qint64, DrawRecord> m_draws;
};

// The head of one HTTP request at the front of a connection's buffer. parse() looks for the
// end of the head from where the previous call stopped, so a head that arrives byte by byte
// (or a buffer of many pipelined requests) is searched once in all: linear in the bytes.
struct RequestHead {
    enum class State { Incomplete, Complete, TooLarge, Malformed };
    State state = State::Incomplete;
    qsizetype length = 0; // bytes of the head with its blank line, when Complete
    QByteArray method;
    QByteArray target;
    QByteArray cookies;  // all Cookie headers joined with "; "
    bool keepAlive = false;

    // data: the buffer from the first byte of this request. scanned: how far an earlier call
    // with the same request found no head end (updated; start at 0).
    static RequestHead parse(QByteArrayView data, qsizetype& scanned, qsizetype maxBytes);
};

// A small HTTP/1.1 server that answers GET /zahlen/velmora.asp?Datum=yyyymmdd with the draw of
// that date: 200 and "n1,...,n6,z" for a draw, 200 and an empty body for a date without one,
// 400 for a malformed date, 404 for other paths, 405 for other methods. It hands out a session
// cookie to every client that does not send one back.
//
// Connections are kept alive between requests. A misbehaving client cannot shut others out:
// a request head must arrive whole within HeaderTimeoutMs of its first byte and may not exceed
// MaxRequestBytes; one client address holds at most MaxConnectionsPerAddress connections and
// all of them at most MaxConnections, and a new connection beyond either limit displaces the
// longest-quiet connection of the address with the most; a connection buffers at most
// MaxBufferedBytes of requests (the rest waits in the network) and gets at most
// RequestsPerTurn answers before other connections get their turn; answers a client does not
// read stop its further requests from being read.
class DrawServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxRequestBytes = 8 * 1024;
    static constexpr int MaxConnections = 64;
    static constexpr int MaxConnectionsPerAddress = 16;
    static constexpr int IdleTimeoutMs = 30000;
    static constexpr int HeaderTimeoutMs = 5000;
    static constexpr qsizetype MaxBufferedBytes = 64 * 1024;
    static constexpr qint64 MaxUnsentBytes = 256 * 1024;
    static constexpr int RequestsPerTurn = 16;
    static constexpr const char* CookieName = "QSESSION";

    struct Request {
        QByteArray method;
        QByteArray target;
        int status = 0;
        bool knownSession = false; // the client sent back a cookie this server had set
    };

    explicit DrawServer(DrawTable draws, QObject* parent = nullptr);

    // Port 0 picks a free port. Returns false with errorString() set when listening fails.
    bool listen(const QHostAddress& address, quint16 port);
    quint16 port() const;
    QString errorString() const;

    const DrawTable& draws() const { return m_draws; }
    // Serves these draws from now on (a mirror that has fetched new ones).
    void replaceDraws(DrawTable draws);

    // Status and body for a request target (origin form "/path?query" or absolute form).
    struct Answer {
        int status = 200;
        QByteArray body;
    };
    Answer answer(const QByteArray& method, const QByteArray& target) const;

signals:
    void requestServed(const DrawServer::Request& request);

private:
    struct Connection;
    void acceptConnections();
    void serve(Connection* c);
    void schedule(Connection* c);
    void respond(Connection* c, int status, const QByteArray& body, bool head, bool keepAlive,
                 const QByteArray& cookie);
    void drop(Connection* c);
    Connection* displaceable(const QHostAddress& forAddress) const;

    DrawTable m_draws;
    QTcpServer* m_server;
    QHash<QTcpSocket*, Connection*> m_connections;
    QSet<QByteArray> m_sessions;
    quint64 m_activity = 0; // counter that orders connections by their last activity
};
