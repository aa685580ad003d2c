#pragma once
#include "net/HttpGetter.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// HttpGetter on Qt Network. One object keeps one cookie jar, so cookies a server sets live as
// long as the client (the main window keeps one for the program run).
//
// get() waits in a local event loop: input events, repaints and timers keep running while the
// request is under way. Only one request runs at a time; a get() from inside that loop is
// refused with a failure instead of nesting.
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
    std::chrono::milliseconds timeout() const { return m_timeout; }
    void setMaxBodySize(qint64 bytes) override { m_maxBody = bytes; }
    qint64 maxBodySize() const { return m_maxBody; }

    using HttpGetter::get;
    // Sends AcceptValue and UserAgentValue unless `headers` names others.
    HttpResult get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers) override;
    void abort() override;
    bool busy() const { return m_busy; }

    QNetworkAccessManager* manager() const { return m_manager; }

    // Whether HTTPS can work at all: Qt's TLS backend plugin and the OpenSSL library it needs
    // are present. Empty when they are, otherwise what is missing, in words.
    static QString tlsProblem();

private:
    QNetworkAccessManager* m_manager;
    QPointer<QNetworkReply> m_reply;
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    qint64 m_maxBody = DefaultMaxBody;
    bool m_busy = false;
    bool m_abortRequested = false;
};
