#include "net/HttpClient.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"

#include <optional>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QUrl at(const ScriptedHttpServer& server, const QString& pathAndQuery = QStringLiteral("/a?b=1")) {
    return QUrl(server.address() + pathAndQuery);
}

} // namespace

TEST(HttpClient, SendsTheFixedHeadersAndReturnsTheBody) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::ok("4,15,23,31,38,45,12"); };
    HttpClient client;
    const HttpResult result =
        fetch(client, at(server, QStringLiteral("/zahlen/velmora.asp?Datum=20250903")), {});

    ASSERT_TRUE(result.succeeded()) << result.failureText().toStdString();
    EXPECT_EQ(result.body, "4,15,23,31,38,45,12");
    EXPECT_EQ(result.statusText, QStringLiteral("OK"));
    ASSERT_EQ(server.requests.size(), 1u);
    const SeenRequest& seen = server.requests[0];
    EXPECT_EQ(seen.method, "GET");
    EXPECT_EQ(seen.target, "/zahlen/velmora.asp?Datum=20250903");
    EXPECT_EQ(seen.header("accept"), "text/html, */*");
    EXPECT_EQ(seen.header("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");

    // Headers of a request replace the fixed ones of that name, for that request only.
    fetch(client, at(server), {}, {{"User-Agent", "Quintara-GR/9.9"}, {"Accept", "application/json"}});
    fetch(client, at(server), {});
    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(server.requests[1].header("user-agent"), "Quintara-GR/9.9");
    EXPECT_EQ(server.requests[1].header("accept"), "application/json");
    EXPECT_EQ(server.requests[2].header("user-agent"), HttpClient::UserAgentValue);
}

TEST(HttpClient, ErrorStatusesAndRedirectsAreFailuresWithTheirStatusLine) {
    ScriptedHttpServer server;
    const std::vector<ScriptedAnswer> answers = {
        ScriptedAnswer::failing(404, "Not Found"),
        ScriptedAnswer::failing(500, "Internal Server Error"),
        ScriptedAnswer{.status = 302, .reason = "Found", .headers = {"Location: /elsewhere"}},
        ScriptedAnswer{.status = 204, .reason = "No Content"},
        ScriptedAnswer::failing(400, "Bad Request"),
        ScriptedAnswer::failing(405, "Method Not Allowed"),
        ScriptedAnswer::failing(503, "Service Unavailable"),
    };
    size_t next = 0;
    server.handler = [&](const SeenRequest&) { return answers.at(next++); };
    HttpClient client;
    for (const char* expected : {"404 Not Found", "500 Internal Server Error", "302 Found", "204 No Content",
                                 "400 Bad Request", "405 Method Not Allowed", "503 Service Unavailable"}) {
        const HttpResult result = fetch(client, at(server), {});
        EXPECT_FALSE(result.succeeded());
        EXPECT_EQ(result.failureText(), QString::fromLatin1(expected));
        EXPECT_TRUE(result.body.isEmpty());
    }
    // The body of an error status is kept: a service may say there why it refused.
    server.handler = [](const SeenRequest&) {
        return ScriptedAnswer{.status = 400, .reason = "Bad Request", .body = R"({"code":1003})"};
    };
    const HttpResult refused = fetch(client, at(server), {});
    EXPECT_EQ(refused.failureText(), QStringLiteral("400 Bad Request"));
    EXPECT_EQ(refused.body, R"({"code":1003})");
    // The redirect was not followed.
    EXPECT_EQ(server.requests.size(), answers.size() + 1);
}

TEST(HttpClient, ConnectionFailuresAreDescribedInGerman) {
    HttpClient client;
    const HttpResult refused =
        fetch(client, QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(refusingPort())), {});
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.statusCode, 0);
    EXPECT_TRUE(refused.errorText.contains(QStringLiteral("abgelehnt"))) << refused.errorText.toStdString();

    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) {
        return ScriptedAnswer{.body = "4,15,23", .headers = {"Content-Length: 500"}, .contentLength = false};
    };
    const HttpResult truncated = fetch(client, at(server), {});
    EXPECT_FALSE(truncated.succeeded());
    EXPECT_FALSE(truncated.errorText.isEmpty());
    EXPECT_TRUE(truncated.body.isEmpty());

    const HttpResult invalid = fetch(client, QUrl(QStringLiteral("ftp://127.0.0.1/x")), {});
    EXPECT_FALSE(invalid.succeeded());
    EXPECT_TRUE(invalid.errorText.contains(QStringLiteral("Ungültige Serveradresse")));
}

TEST(HttpClient, TimeOutEndsAHangingRequestAndTheClientStaysUsable) {
    ScriptedHttpServer server;
    int calls = 0;
    server.handler = [&](const SeenRequest&) {
        return ++calls == 1 ? ScriptedAnswer::hang() : ScriptedAnswer::ok("1,2,3,4,5,6,7");
    };
    HttpClient client;
    client.setTimeout(300ms);
    const HttpResult slow = fetch(client, at(server), {});
    EXPECT_TRUE(slow.timedOut);
    EXPECT_FALSE(slow.succeeded());
    EXPECT_TRUE(slow.failureText().startsWith(QStringLiteral("Zeitüberschreitung")))
        << slow.failureText().toStdString();
    EXPECT_TRUE(slow.failureText().contains(QStringLiteral("300 ms")));

    client.setTimeout(10s);
    const HttpResult next = fetch(client, at(server), {});
    EXPECT_TRUE(next.succeeded());
    EXPECT_EQ(next.body, "1,2,3,4,5,6,7");
}

TEST(HttpClient, AByteByByteAnswerWithinTheTimeOutArrivesWhole) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) {
        return ScriptedAnswer{.body = "4,15,23,31,38,45,12", .trickleMs = 2};
    };
    HttpClient client;
    client.setTimeout(20s);
    const HttpResult result = fetch(client, at(server), {});
    ASSERT_TRUE(result.succeeded()) << result.failureText().toStdString();
    EXPECT_EQ(result.body, "4,15,23,31,38,45,12");
}

TEST(HttpClient, OversizedBodiesFailWithOrWithoutAnnouncedLength) {
    ScriptedHttpServer server;
    const QByteArray big(100 * 1024, '7');
    bool announce = true;
    server.handler = [&](const SeenRequest&) {
        return ScriptedAnswer{.body = big, .contentLength = announce};
    };
    HttpClient client;
    for (bool announced : {true, false}) {
        announce = announced;
        const HttpResult result = fetch(client, at(server), {});
        EXPECT_FALSE(result.succeeded()) << "announced " << announced;
        EXPECT_TRUE(result.errorText.contains(QStringLiteral("zu groß"))) << result.errorText.toStdString();
        EXPECT_TRUE(result.body.isEmpty());
    }
    client.setMaxBodySize(big.size());
    EXPECT_TRUE(fetch(client, at(server), {}).succeeded());
}

TEST(HttpClient, CookiesAreSentBackByTheSameClientOnly) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest& r) {
        ScriptedAnswer a = ScriptedAnswer::ok("x");
        if (r.header("cookie").isEmpty()) a.headers << "Set-Cookie: SID=abc123; Path=/";
        return a;
    };
    HttpClient first;
    fetch(first, at(server), {});
    fetch(first, at(server, QStringLiteral("/zahlen/velmora.asp?Datum=20250903")), {});
    HttpClient second;
    fetch(second, at(server), {});

    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_TRUE(server.requests[0].header("cookie").isEmpty());
    EXPECT_EQ(server.requests[1].header("cookie"), "SID=abc123");
    EXPECT_TRUE(server.requests[2].header("cookie").isEmpty());
}

TEST(HttpClient, ProxiedRequestsCarryTheAbsoluteAddressAndTheHeaders) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::ok("9,8,7,6,5,4,3"); };
    RecordingProxy proxy;
    HttpClient client;
    const QUrl url = at(server, QStringLiteral("/zahlen/velmora.asp?Datum=20250906"));
    const HttpResult result = fetch(client, url, HttpProxy{QStringLiteral("127.0.0.1"), proxy.port()});

    ASSERT_TRUE(result.succeeded()) << result.failureText().toStdString();
    EXPECT_EQ(result.body, "9,8,7,6,5,4,3");
    ASSERT_EQ(proxy.requests.size(), 1u);
    EXPECT_EQ(proxy.requests[0].target, url.toEncoded());
    EXPECT_EQ(proxy.requests[0].header("user-agent"), HttpClient::UserAgentValue);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].target, "/zahlen/velmora.asp?Datum=20250906");

    // A direct request afterwards no longer goes through the proxy.
    EXPECT_TRUE(fetch(client, url, {}).succeeded());
    EXPECT_EQ(proxy.requests.size(), 1u);

    const HttpResult noProxy = fetch(client, url, HttpProxy{QStringLiteral("127.0.0.1"), refusingPort()});
    EXPECT_FALSE(noProxy.succeeded());
    EXPECT_TRUE(noProxy.errorText.contains(QStringLiteral("Proxy"))) << noProxy.errorText.toStdString();
}

TEST(HttpClient, GetReturnsAtOnceAndTheOutcomeComesFromTheEventLoopOrAnAbort) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::hang(); };
    HttpClient client;
    client.setTimeout(60s);
    std::optional<HttpResult> first, second;
    client.get(at(server), {}, {}, [&](const HttpResult& r) { first = r; });
    EXPECT_TRUE(client.busy());
    // A second request while one runs is refused; the first goes on.
    client.get(at(server), {}, {}, [&](const HttpResult& r) { second = r; });
    EXPECT_FALSE(first || second); // nothing is called back from inside get()
    ASSERT_TRUE(waitUntil([&] { return second && !server.requests.empty(); }));
    EXPECT_TRUE(second->errorText.contains(QStringLiteral("läuft bereits")));
    EXPECT_FALSE(first);
    EXPECT_TRUE(client.busy());

    // An abort ends the request at once: its outcome is there when abort() returns.
    client.abort();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->aborted);
    EXPECT_FALSE(first->timedOut);
    EXPECT_FALSE(first->succeeded());
    EXPECT_FALSE(client.busy());

    // The client is free for the next request inside the outcome of the last, and a request
    // refused before sending (here: no HTTP address) also reports from the event loop.
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::ok("1,2,3,4,5,6,7"); };
    std::optional<HttpResult> chained, invalid;
    client.get(at(server), {}, {}, [&](const HttpResult& r) {
        client.get(QUrl(QStringLiteral("ftp://127.0.0.1/x")), {}, {}, [&](const HttpResult& last) { invalid = last; });
        chained = r;
    });
    ASSERT_TRUE(waitUntil([&] { return chained && invalid; }));
    EXPECT_EQ(chained->body, "1,2,3,4,5,6,7");
    EXPECT_TRUE(invalid->errorText.contains(QStringLiteral("Ungültige Serveradresse")));
    EXPECT_FALSE(client.busy());
}

TEST(HttpClient, DestroyingTheClientDuringARequestCallsNothingBack) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::hang(); };
    auto* client = new HttpClient;
    client->setTimeout(200ms);
    bool called = false;
    client->get(at(server), {}, {}, [&](const HttpResult&) { called = true; });
    ASSERT_TRUE(waitUntil([&] { return !server.requests.empty(); }));
    delete client;
    // Past the time-out the request would have had.
    waitUntil([] { return false; }, 400ms);
    EXPECT_FALSE(called);
}

TEST(HttpClient, ABusyServerSaysWhenToAskAgain) {
    ScriptedHttpServer server;
    QList<QByteArray> headers{"Retry-After: 7"};
    server.handler = [&](const SeenRequest&) {
        return ScriptedAnswer{.status = 429, .reason = "Too Many Requests", .headers = headers};
    };
    HttpClient client;
    const HttpResult busy = fetch(client, at(server), {});
    EXPECT_FALSE(busy.succeeded());
    EXPECT_EQ(busy.failureText(), QStringLiteral("429 Too Many Requests"));
    EXPECT_EQ(busy.retryAfterSeconds, 7);
    // A date instead of seconds, or none at all: no pause is known.
    for (const QByteArray& header : {QByteArray("Retry-After: Wed, 21 Oct 2025 07:28:00 GMT"), QByteArray()}) {
        headers = header.isEmpty() ? QList<QByteArray>{} : QList<QByteArray>{header};
        EXPECT_EQ(fetch(client, at(server), {}).retryAfterSeconds, -1) << header.constData();
    }
}
