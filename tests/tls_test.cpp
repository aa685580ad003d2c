// HTTPS on this machine: Qt's TLS backend loads and completes a handshake with a local server.
#include "net/HttpClient.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Tls, TheBackendLoadsAndHandshakesWithALocalServer) {
    EXPECT_TRUE(HttpClient::tlsProblem().isEmpty()) << HttpClient::tlsProblem().toStdString();
    ASSERT_TRUE(QSslSocket::supportsSsl()) << "install libssl3";
    EXPECT_TRUE(QSslSocket::availableBackends().contains(QStringLiteral("openssl")));

    QTemporaryDir dir;
    const std::optional<TestCertificate> cert = TestCertificate::make(dir.path());
    ASSERT_TRUE(cert) << "openssl could not make a certificate";
    FakeOperator server({}, &*cert);
    const QUrl url(server.base() + QStringLiteral("/draw-date/2025-09-01/2025-09-01?limit=50&page=0"));
    ASSERT_EQ(url.scheme(), QStringLiteral("https"));

    // Not trusted yet: the handshake fails, and the user reads why.
    HttpClient client;
    const HttpResult untrusted = fetch(client, url, {});
    EXPECT_FALSE(untrusted.succeeded());
    EXPECT_TRUE(untrusted.tlsFailed);
    EXPECT_TRUE(untrusted.errorText.startsWith(QStringLiteral("TLS-Verbindung zu 127.0.0.1:")))
        << untrusted.errorText.toStdString();
    EXPECT_TRUE(untrusted.errorText.contains(QStringLiteral("nicht vertrauenswürdig")))
        << untrusted.errorText.toStdString();

    // Trusted: the request goes through the encrypted connection.
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration saved = conf;
    conf.addCaCertificate(cert->certificate);
    QSslConfiguration::setDefaultConfiguration(conf);
    HttpClient trusting;
    // (As the update asks the service: the fake turns the per-date protocol's agent away.)
    const HttpResult ok = fetch(trusting, url, {}, {{"User-Agent", "Quintara-GR/test"}});
    QSslConfiguration::setDefaultConfiguration(saved);
    ASSERT_TRUE(ok.succeeded()) << ok.failureText().toStdString();
    EXPECT_TRUE(ok.body.startsWith("{\"content\":[]")) << ok.body.constData();
}
