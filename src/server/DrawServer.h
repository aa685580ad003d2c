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
    // A results CSV ("*.csv") or a history file of 32-byte records (any other name).
    // Throws AppError.
    static DrawTable fromFile(const QString& path);

    const DrawRecord* find(double dayCount) const;
    std::size_t size() const { return m_draws.size(); }
    // "n1,n2,n3,n4,n5,n6,z": the numbers as stored, 0 for a missing additional number.
    static QByteArray answerText(const DrawRecord& record);

private:
    std::map<qint64, DrawRecord> m_draws;
};

// A small HTTP/1.1 server that answers GET /zahlen/velmora.asp?Datum=yyyymmdd with the draw of
// that date: 200 and "n1,...,n6,z" for a draw, 200 and an empty body for a date without one,
// 400 for a malformed date, 404 for other paths, 405 for other methods. It hands out a session
// cookie to every client that does not send one back.
//
// Connections are kept alive between requests. Requests are limited in size, idle connections
// are closed, and the number of open connections is capped, so a misbehaving client cannot
// exhaust the server.
class DrawServer : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype MaxRequestBytes = 8 * 1024;
    static constexpr int MaxConnections = 64;
    static constexpr int IdleTimeoutMs = 30000;
    static constexpr const char* CookieName = "QSESSION";

    struct Request {
        QByteArray method;
        QByteArray target;
        int status = 0;
        bool knownSession = false; // the client sent back a cookie this server had set
    };

    explicit DrawServer(DrawTable draws, QObject* parent = nullptr);
    ~DrawServer() override;

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
    void acceptConnections();
    void readFrom(QTcpSocket* socket);

    DrawTable m_draws;
    QTcpServer* m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QSet<QByteArray> m_sessions;
};
