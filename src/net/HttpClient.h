#pragma once
#include "net/HttpGetter.h"

#include <QByteArray>
#include <QObject>
#include <QList>
#include <QSslError>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// HttpGetter on Qt Network. One object keeps one cookie jar, so cookies a server sets live as
// long as the client (the main window keeps one for the program run). A get() while a request
// runs is refused with a failure.
class HttpClient : public QObject, public HttpGetter {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultTimeout{15000};
    static constexpr qint64 DefaultMaxBody = 64 * 1024;
    static const QByteArray AcceptValue;
    static const QByteArray UserAgentValue;

    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    void setTimeout(std::chrono::milliseconds timeout) override { m_timeout = timeout; }
    void setMaxBodySize(qint64 bytes) override { m_maxBody = bytes; }

    // Sends AcceptValue and UserAgentValue unless `headers` names others.
    void get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers, Done done) override;
    void abort() override;
    bool busy() const { return bool(m_done); }

    // Whether HTTPS can work at all: Qt's TLS backend plugin and the OpenSSL library it needs
    // are present. Empty when they are, otherwise what is missing, in words.
    static QString tlsProblem();

private:
    // The request under way: what its reply has delivered so far.
    struct Request {
        QUrl url;
        HttpProxy proxy;
        QByteArray body;
        QList<QSslError> sslErrors;
        bool tooLarge = false;
        bool timedOut = false;
    };
    void stopForSize();
    void replyFinished();
    // Ends the request with this outcome: the client is free again before `done` runs, so that
    // it may start the next request.
    void deliver(const HttpResult& result);
    // A request refused before sending (an invalid address, no TLS): its outcome arrives from the
    // event loop as every other one does.
    void refuse(const QString& errorText, bool tlsFailed = false);

    QNetworkAccessManager* m_manager;
    QTimer* m_timer;   // the time-out of the request under way
    QTimer* m_refusal; // delivers a refused request's outcome
    QNetworkReply* m_reply = nullptr;
    Request m_request;
    HttpResult m_refused;
    Done m_done; // set while a request runs
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    qint64 m_maxBody = DefaultMaxBody;
};
