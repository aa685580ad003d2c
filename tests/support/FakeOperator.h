#pragma once
// A stand-in for the operator's JSON results service on 127.0.0.1, over HTTP or HTTPS: the draws
// of a date range, paged, in the shape the real service answers. Tests script failures and odd
// answers per request.
#include "history/DrawRecord.h"
#include "support/LoopbackServers.h"

#include <QDate>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QTcpServer;

struct FakeAnswer {
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    QList<QByteArray> headers;
    bool hang = false; // accept the request and never answer
    int delayMs = 0;   // answer after this pause

    static FakeAnswer reply(int status, const QByteArray& reason, const QByteArray& body,
                            const QList<QByteArray>& headers = {}) {
        FakeAnswer a;
        a.status = status;
        a.reason = reason;
        a.body = body;
        a.headers = headers;
        return a;
    }
    static FakeAnswer hanging() {
        FakeAnswer a;
        a.hang = true;
        return a;
    }
};

// A certificate for 127.0.0.1 made with the openssl tool in a temporary directory.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
    // Empty when the openssl tool is missing or fails.
    static std::optional<TestCertificate> make(const QString& directory);
};

class FakeOperator : public QObject {
public:
    // draws: the published draws; a record with additional number 0 is published without bonus.
    explicit FakeOperator(std::vector<DrawRecord> draws, const TestCertificate* tls = nullptr);
    ~FakeOperator() override;

    quint16 port() const;
    // "<scheme>://127.0.0.1:<port>/draws/v3.0/5103"
    QString base() const;

    int maxLimit = 100;       // the service hands out at most this many draws per page
    int maxRangeDays = 0;     // > 0: longer ranges get an error object
    int rangeRefusalStatus = 400; // with this status (200: an error object with status 200)
    // The draw last-result-and-active announces: on this date (default: the next Wednesday or
    // Saturday after the newest draw), with this jackpot (0: none given).
    QDate nextDrawDate;
    double nextJackpot = 1200000.0;
    bool descending = true;   // newest draw first
    std::map<QDate, QString> statusOf; // a status other than "results" for a date
    // Asked first for every request (index counts from 0); an answer replaces the normal one.
    std::function<std::optional<FakeAnswer>(const SeenRequest&, int index)> script;
    std::vector<SeenRequest> requests;

    static qint64 drawIdOf(int index) { return 1000 + index; }
    // 19:00 UTC, i.e. 21:00 or 22:00 in Athens.
    static qint64 drawTimeOf(const QDate& date);
    static QByteArray drawJson(const DrawRecord& record, qint64 drawId, const QString& status);
    // The dividend the fake publishes for a category of a draw date: 10 (5 + 1) varies with
    // the day, 2, 3 and 4 (5, 4, 3 hits) are fixed at 1500, 30 and 1.50; 1 (6 hits) is never won.
    static double dividendOf(int categoryId, const QDate& date);
    QByteArray announcedJson() const;
    FakeAnswer answer(const SeenRequest& request) const;

private:
    void serve(class QTcpSocket* socket, const SeenRequest& request);
    std::vector<DrawRecord> m_draws;
    QTcpServer* m_server;
    bool m_tls;
};
