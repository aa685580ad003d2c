#pragma once
// The HTTP interface the draw download and the mirror work against; HttpClient implements it on
// Qt Network. The main window reaches HttpClient only through this interface (Platform::http),
// so nothing here needs Qt Network.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>

// Where a request goes through: an HTTP proxy, or directly when the host is empty.
struct HttpProxy {
    QString host;
    quint16 port = 0;
};

// Header lines of one request ("User-Agent", "Quintara-GR/1.0"); each replaces the client's own
// line of that name.
using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// The outcome of one GET. A request "succeeded" only with status 200, a complete body within
// the size cap and no transport error; everything else is a failed request.
struct HttpResult {
    int statusCode = 0; // 0 when no HTTP response arrived
    QString statusText; // the reason phrase of the response
    QByteArray body;    // also that of an error status (within the size cap); empty without a response
    QString errorText;  // German description of a transport failure; empty for HTTP statuses
    bool timedOut = false;
    bool aborted = false;
    bool tlsFailed = false;     // the TLS handshake failed (untrusted certificate, no TLS backend)
    int retryAfterSeconds = -1; // a Retry-After header in seconds; -1 when none

    bool succeeded() const { return statusCode == 200 && errorText.isEmpty(); }
    // What the user reads for a failed request: "<code> <reason>" for an HTTP status, the
    // transport error otherwise.
    QString failureText() const {
        if (!errorText.isEmpty()) return errorText;
        return QString::number(statusCode) + QLatin1Char(' ') + statusText;
    }
};

// An asynchronous GET as the draw download needs it: get() sends the request and returns at
// once; `done` is called once with the outcome, from the event loop (never from inside get()).
// One request runs at a time.
class HttpGetter {
public:
    using Done = std::function<void(const HttpResult&)>;

    virtual ~HttpGetter() = default;
    virtual void get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers, Done done) = 0;
    // Ends the running request at once: its `done` is called with an aborted failure before
    // abort() returns. Nothing happens without a request.
    virtual void abort() = 0;
    // A longer body makes the request fail; the server is not trusted to send little.
    virtual void setMaxBodySize(qint64 bytes) = 0;
    // The whole request, from sending to the last body byte, must finish within this time.
    virtual void setTimeout(std::chrono::milliseconds timeout) = 0;
};

// Makes the HTTP client a main window downloads with.
using HttpGetterFactory = std::function<std::unique_ptr<HttpGetter>()>;
