#pragma once
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// Where a request goes through: an HTTP proxy, or directly when the host is empty.
struct HttpProxy {
    QString host;
    quint16 port = 0;
};

// The outcome of one GET. A request "succeeded" only with status 200, a complete body within
// the size cap and no transport error; everything else is a failed request.
struct HttpResult {
    int statusCode = 0; // 0 when no HTTP response arrived
    QString statusText; // the reason phrase of the response
    QByteArray body;    // empty for failed requests
    QString errorText;  // German description of a transport failure; empty for HTTP statuses
    bool timedOut = false;
    bool aborted = false;
    bool tlsFailed = false;     // the TLS handshake failed (untrusted certificate, no TLS backend)
    int retryAfterSeconds = -1; // a Retry-After header in seconds; -1 when none

    bool succeeded() const { return statusCode == 200 && errorText.isEmpty(); }
    // What the user reads for a failed request: "<code> <reason>" for an HTTP status, the
    // transport error otherwise.
    QString failureText() const;
};

// A blocking GET as the draw download needs it. Implementations keep the user interface alive
// while they wait and can be aborted from an event handled meanwhile.
class HttpGetter {
public:
    virtual ~HttpGetter() = default;
    virtual HttpResult get(const QUrl& url, const HttpProxy& proxy) = 0;
    // Ends a running get() at once; it returns an aborted failure.
    virtual void abort() = 0;
    // A longer body makes the request fail; the server is not trusted to send little.
    virtual void setMaxBodySize(qint64 bytes) = 0;
};

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

    // The whole request, from sending to the last body byte, must finish within this time.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }
    void setMaxBodySize(qint64 bytes) override { m_maxBody = bytes; }
    qint64 maxBodySize() const { return m_maxBody; }

    HttpResult get(const QUrl& url, const HttpProxy& proxy) override;
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
