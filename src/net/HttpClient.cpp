#include "net/HttpClient.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QSslSocket>
#include <QTimer>
#include <utility>

const QByteArray HttpClient::AcceptValue = QByteArrayLiteral("text/html, */*");
const QByteArray HttpClient::UserAgentValue = QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");

namespace {

QString hostText(const QUrl& url) {
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    return url.host() + QLatin1Char(':') + QString::number(port);
}

QString durationText(std::chrono::milliseconds timeout) {
    const auto ms = timeout.count();
    if (ms % 1000 == 0) return QString::number(ms / 1000) + QStringLiteral(" s");
    return QString::number(ms) + QStringLiteral(" ms");
}

// Errors that only say the server answered with an HTTP error status: the status line tells
// the user more than Qt's wording would.
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    return (error >= QNetworkReply::ContentAccessDenied && error < QNetworkReply::ProtocolUnknownError) ||
           error == QNetworkReply::ProtocolInvalidOperationError || // Qt's name for a 400
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

QString transportErrorText(QNetworkReply::NetworkError error, const QString& errorString, const QUrl& url,
                           const HttpProxy& proxy) {
    const QString server = hostText(url);
    const QString proxyText = proxy.host + QLatin1Char(':') + QString::number(proxy.port);
    // Through a proxy the only connection the client opens is the one to the proxy.
    if (!proxy.host.isEmpty() && error == QNetworkReply::ConnectionRefusedError)
        error = QNetworkReply::ProxyConnectionRefusedError;
    if (!proxy.host.isEmpty() && error == QNetworkReply::HostNotFoundError)
        error = QNetworkReply::ProxyNotFoundError;
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("HttpClient", "Verbindung zu %1 abgelehnt").arg(server);
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("HttpClient", "%1 hat die Verbindung vorzeitig getrennt").arg(server);
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("HttpClient", "Server %1 nicht gefunden").arg(url.host());
    case QNetworkReply::TimeoutError:
        return QCoreApplication::translate("HttpClient", "Zeitüberschreitung bei der Verbindung zu %1").arg(server);
    case QNetworkReply::ProxyConnectionRefusedError:
        return QCoreApplication::translate("HttpClient", "Verbindung zum Proxy %1 abgelehnt").arg(proxyText);
    case QNetworkReply::ProxyConnectionClosedError:
        return QCoreApplication::translate("HttpClient", "Der Proxy %1 hat die Verbindung vorzeitig getrennt").arg(proxyText);
    case QNetworkReply::ProxyNotFoundError:
        return QCoreApplication::translate("HttpClient", "Proxy %1 nicht gefunden").arg(proxy.host);
    case QNetworkReply::ProxyTimeoutError:
        return QCoreApplication::translate("HttpClient", "Zeitüberschreitung bei der Verbindung zum Proxy %1").arg(proxyText);
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QCoreApplication::translate("HttpClient", "Der Proxy %1 verlangt eine Anmeldung").arg(proxyText);
    default:
        return QCoreApplication::translate("HttpClient", "Netzwerkfehler bei %1: %2").arg(server, errorString);
    }
}

// The first certificate complaint of a failed handshake, in words.
QString sslErrorText(const QList<QSslError>& errors, const QUrl& url) {
    for (const QSslError& e : errors) {
        switch (e.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
            return QCoreApplication::translate("HttpClient", "das Zertifikat ist nicht vertrauenswürdig");
        case QSslError::CertificateExpired:
            return QCoreApplication::translate("HttpClient", "das Zertifikat ist abgelaufen");
        case QSslError::CertificateNotYetValid:
            return QCoreApplication::translate("HttpClient", "das Zertifikat ist noch nicht gültig");
        case QSslError::HostNameMismatch:
            return QCoreApplication::translate("HttpClient", "das Zertifikat gilt nicht für %1").arg(url.host());
        case QSslError::CertificateRevoked:
            return QCoreApplication::translate("HttpClient", "das Zertifikat wurde widerrufen");
        default:
            break;
        }
    }
    return errors.isEmpty() ? QString() : errors.first().errorString();
}

} // namespace

QString HttpClient::tlsProblem() {
    if (QSslSocket::supportsSsl()) return {};
    if (QSslSocket::availableBackends().isEmpty())
        return QCoreApplication::translate("HttpClient",
                                           "Kein TLS-Modul für Qt gefunden (Paket libqt6network6 unvollständig)");
    return QCoreApplication::translate("HttpClient",
                                       "HTTPS ist nicht möglich: die OpenSSL-Bibliothek fehlt (Paket libssl3)");
}

HttpClient::HttpClient(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)), m_timer(new QTimer(this)),
      m_refusal(new QTimer(this)) {
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_request.timedOut = true;
        if (m_reply) m_reply->abort();
    });
    m_refusal->setSingleShot(true);
    m_refusal->setInterval(0);
    connect(m_refusal, &QTimer::timeout, this, [this] { deliver(m_refused); });
}

HttpClient::~HttpClient() {
    // Whoever waits for the request goes with the client: nothing is called back.
    m_done = nullptr;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void HttpClient::abort() {
    if (!m_done) return;
    m_refusal->stop();
    m_timer->stop();
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    HttpResult result;
    result.aborted = true;
    result.errorText = QCoreApplication::translate("HttpClient", "Die Anfrage wurde abgebrochen");
    deliver(result);
}

void HttpClient::deliver(const HttpResult& result) {
    m_timer->stop();
    const Done done = std::exchange(m_done, nullptr);
    if (done) done(result);
}

void HttpClient::refuse(const QString& errorText, bool tlsFailed) {
    m_refused = HttpResult{};
    m_refused.errorText = errorText;
    m_refused.tlsFailed = tlsFailed;
    m_refusal->start();
}

void HttpClient::get(const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers, Done done) {
    if (m_done) {
        // The running request keeps the client; the refusal arrives from the event loop too.
        HttpResult busy;
        busy.errorText = QCoreApplication::translate("HttpClient", "Es läuft bereits eine Anfrage");
        QTimer::singleShot(0, this, [done = std::move(done), busy] { done(busy); });
        return;
    }
    m_done = std::move(done);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        refuse(QCoreApplication::translate("HttpClient", "Ungültige Serveradresse \"%1\"").arg(url.toString()));
        return;
    }
    if (const QString problem = scheme == QLatin1String("https") ? tlsProblem() : QString(); !problem.isEmpty()) {
        refuse(problem, true);
        return;
    }

    // An explicit "no proxy" keeps proxy variables of the environment out of a direct request.
    m_manager->setProxy(proxy.host.isEmpty()
                            ? QNetworkProxy(QNetworkProxy::NoProxy)
                            : QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port));
    QNetworkRequest request(url);
    request.setRawHeader("Accept", AcceptValue);
    request.setRawHeader("User-Agent", UserAgentValue);
    for (const auto& [name, value] : headers) request.setRawHeader(name, value);
    // Redirects are not followed: the server answers one fixed address, and a 3xx from it is
    // a failed request to be shown with its status.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);

    m_request = Request{};
    m_request.url = url;
    m_request.proxy = proxy;
    QNetworkReply* reply = m_manager->get(request);
    m_reply = reply;
    // Each handler may end the request (and its `done` start the next one): it touches nothing
    // after that.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_maxBody) stopForSize();
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (m_request.tooLarge) return;
        m_request.body += reply->readAll();
        if (m_request.body.size() > m_maxBody) stopForSize();
    });
    connect(reply, &QNetworkReply::sslErrors, this,
            [this](const QList<QSslError>& errors) { m_request.sslErrors += errors; });
    connect(reply, &QNetworkReply::finished, this, &HttpClient::replyFinished);
    m_timer->start(m_timeout);
}

void HttpClient::stopForSize() {
    m_request.tooLarge = true;
    if (m_reply) m_reply->abort();
}

void HttpClient::replyFinished() {
    QNetworkReply* reply = std::exchange(m_reply, nullptr);
    if (!reply) return;
    reply->disconnect(this);
    reply->deleteLater();
    m_timer->stop();
    Request& r = m_request;
    const QString host = hostText(r.url);

    HttpResult result;
    if (!r.tooLarge && reply->isOpen()) {
        r.body += reply->readAll();
        if (r.body.size() > m_maxBody) r.tooLarge = true;
    }
    result.statusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.statusText =
        QString::fromLatin1(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray());
    bool retryOk = false;
    const int retryAfter = reply->rawHeader("Retry-After").trimmed().toInt(&retryOk);
    if (retryOk && retryAfter >= 0) result.retryAfterSeconds = retryAfter;
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorString = reply->errorString();

    if (r.timedOut) {
        result.timedOut = true;
        result.errorText = QCoreApplication::translate("HttpClient", "Zeitüberschreitung: %1 hat nicht innerhalb von %2 geantwortet")
                               .arg(host, durationText(m_timeout));
    } else if (r.tooLarge) {
        result.errorText = QCoreApplication::translate("HttpClient", "Die Antwort von %1 ist zu groß (mehr als %2 Bytes)")
                               .arg(host)
                               .arg(m_maxBody);
    } else if (error == QNetworkReply::SslHandshakeFailedError) {
        result.tlsFailed = true;
        const QString why = sslErrorText(r.sslErrors, r.url);
        result.errorText = tr("TLS-Verbindung zu %1 fehlgeschlagen: %2").arg(host, why.isEmpty() ? errorString : why);
    } else if (error != QNetworkReply::NoError && !(result.statusCode > 0 && isHttpStatusError(error))) {
        result.errorText = transportErrorText(error, errorString, r.url, r.proxy);
    }
    // The body of an error status may say why (a service's error object).
    if (result.succeeded() || (result.errorText.isEmpty() && result.statusCode > 0)) result.body = r.body;
    deliver(result);
}

// The meta-object code stays in this object file, so a program that links the library without
// using the class does not pull it in (and Qt Network with it).
#include "moc_HttpClient.cpp" // NOLINT(bugprone-suspicious-include): moc's code for this file's classes
