// The draw server program under abuse: clients that send their request a byte at a time, and a
// client that pipelines megabytes of requests. Meanwhile an ordinary request must be answered
// at once. Each test starts a real quintara-drawserver on 127.0.0.1 and bounds its waits; the
// delays seen are recorded as test properties.
#include "server/DrawServer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimeZone>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <vector>

using namespace std::chrono_literals;

namespace {

const QByteArray kRequest = "GET /zahlen/velmora.asp?Datum=20250827 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";

// The server program; QUINTARA_DRAWSERVER names another build of it to compare against.
QString serverProgram() {
    const QByteArray other = qgetenv("QUINTARA_DRAWSERVER");
    return other.isEmpty() ? QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver")
                           : QString::fromLocal8Bit(other);
}

class ServerProcess {
public:
    ServerProcess() {
        m_process.start(serverProgram(), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--file"),
                                          QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv")});
        if (!m_process.waitForStarted(10000)) return;
        QByteArray banner;
        const QDeadlineTimer deadline(20s);
        while (!banner.contains('\n') && !deadline.hasExpired() && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(200);
            banner += m_process.readAllStandardOutput();
        }
        const auto match =
            QRegularExpression(QStringLiteral("127\\.0\\.0\\.1:(\\d+)")).match(QString::fromLatin1(banner));
        if (match.hasMatch()) port = static_cast<quint16>(match.captured(1).toUInt());
    }
    ~ServerProcess() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    quint16 port = 0;

private:
    QProcess m_process;
};

void pump(std::chrono::milliseconds ms) {
    const QDeadlineTimer until(ms);
    while (!until.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// One ordinary request on a new connection, retried on refusal, while the event loop keeps
// the other test clients going. Milliseconds until the whole answer arrived; -1 when none came
// within `bound`.
qint64 ordinaryRequestDelay(quint16 port, std::chrono::milliseconds bound,
                            const std::function<void()>& meanwhile = {}) {
    QElapsedTimer clock;
    clock.start();
    const QDeadlineTimer deadline(bound);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write("GET /zahlen/velmora.asp?Datum=20250827 HTTP/1.1\r\nConnection: close\r\n\r\n");
        QByteArray answer;
        while (!deadline.hasExpired() && socket.state() != QAbstractSocket::UnconnectedState) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (meanwhile) meanwhile();
            answer += socket.readAll();
        }
        answer += socket.readAll();
        // A whole answer: the server closes after it, as asked.
        if (answer.startsWith("HTTP/1.1 200") && answer.mid(answer.indexOf("\r\n\r\n")).count(',') == 6)
            return clock.elapsed();
        pump(50ms); // refused or closed without an answer: try again
    }
    return -1;
}

void report(const char* name, qint64 ms) {
    ::testing::Test::RecordProperty(name, static_cast<int>(ms));
    std::cout << name << " = " << ms << " ms" << std::endl;
}

} // namespace

TEST(DrawServerAbuse, SlowClientsDoNotShutOthersOutAndMissTheirDeadline) {
    ServerProcess server;
    ASSERT_NE(server.port, 0);
    // Connections that send their request head a byte now and then, never finishing it.
    std::vector<std::unique_ptr<QTcpSocket>> slow;
    for (int i = 0; i < 64; ++i) {
        slow.push_back(std::make_unique<QTcpSocket>());
        slow.back()->connectToHost(QHostAddress::LocalHost, server.port);
    }
    pump(300ms);
    qsizetype sent = 0;
    auto trickle = [&] {
        for (auto& s : slow)
            if (s->state() == QAbstractSocket::ConnectedState) s->write(kRequest.mid(sent % 20, 1));
        ++sent;
    };
    trickle();
    pump(500ms);
    trickle();

    const int waitSeconds = std::max(15, qEnvironmentVariableIntValue("QUINTARA_ABUSE_WAIT_S"));
    // The slow clients go on sending a byte a second while the ordinary client waits.
    QElapsedTimer sinceByte;
    sinceByte.start();
    const qint64 delay = ordinaryRequestDelay(server.port, std::chrono::seconds(waitSeconds), [&] {
        if (sinceByte.elapsed() < 1000) return;
        trickle();
        sinceByte.restart();
    });
    report("delay_under_64_slow_clients_ms", delay);
    ASSERT_GE(delay, 0) << "no answer while slow clients hold the server";
    EXPECT_LT(delay, 2000);

    // Bytes now and then do not keep a request head alive past its deadline.
    QElapsedTimer clock;
    clock.start();
    int open = 64;
    while (open > 0 && clock.elapsed() < DrawServer::HeaderTimeoutMs + 5000) {
        trickle();
        pump(500ms);
        open = 0;
        for (auto& s : slow) open += s->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    }
    EXPECT_EQ(open, 0) << "slow request heads outlived the deadline";
    EXPECT_GE(clock.elapsed(), DrawServer::HeaderTimeoutMs - 1500);
}

TEST(DrawServerAbuse, APipelinedBurstDoesNotStallOthers) {
    ServerProcess server;
    ASSERT_NE(server.port, 0);
    // Six megabytes of requests on one connection; its answers are read and thrown away.
    QByteArray burst;
    while (burst.size() < 6 * 1024 * 1024) burst += kRequest;
    const qsizetype requests = burst.size() / kRequest.size();
    QTcpSocket greedy;
    greedy.connectToHost(QHostAddress::LocalHost, server.port);
    ASSERT_TRUE(greedy.waitForConnected(5000));
    greedy.write(burst);
    qint64 answered = 0;
    auto drain = [&] { answered += greedy.readAll().count("HTTP/1.1 200"); };
    pump(300ms);
    drain();

    // QUINTARA_ABUSE_WAIT_S waits longer, to measure a server that does stall.
    const int waitSeconds = std::max(20, qEnvironmentVariableIntValue("QUINTARA_ABUSE_WAIT_S"));
    const qint64 delay = ordinaryRequestDelay(server.port, std::chrono::seconds(waitSeconds), drain);
    report("delay_under_6mb_pipelined_burst_ms", delay);
    ASSERT_GE(delay, 0) << "no answer while a pipelined burst is served";
    EXPECT_LT(delay, 2000);

    // The greedy client is still served in full, in bounded time.
    const QDeadlineTimer deadline(60s);
    while (answered < requests && !deadline.hasExpired() && greedy.state() == QAbstractSocket::ConnectedState) {
        greedy.waitForReadyRead(100);
        drain();
    }
    EXPECT_EQ(answered, requests);
}

// Answers name their real character set (the texts are UTF-8) and carry the date of the answer.
TEST(DrawServerAbuse, AnswersCarryTheirCharsetAndDate) {
    ServerProcess server;
    ASSERT_NE(server.port, 0);
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.port);
    socket.write("GET /nirgends HTTP/1.1\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    const QDeadlineTimer deadline(5s);
    while (socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(100);
        answer += socket.readAll();
    }
    answer += socket.readAll();
    ASSERT_TRUE(answer.startsWith("HTTP/1.1 404")) << answer.constData();
    const qsizetype bodyAt = answer.indexOf("\r\n\r\n") + 4;
    EXPECT_TRUE(answer.contains("Content-Type: text/plain; charset=utf-8\r\n"));
    EXPECT_EQ(QString::fromUtf8(answer.mid(bodyAt)), QStringLiteral("Nicht gefunden"));
    const auto date = QRegularExpression(QStringLiteral("\r\nDate: ([^\r]+)\r\n")).match(QString::fromLatin1(answer));
    ASSERT_TRUE(date.hasMatch());
    const QDateTime sent = QLocale::c().toDateTime(date.captured(1), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    ASSERT_TRUE(sent.isValid()) << date.captured(1).toStdString();
    QDateTime utc = sent;
    utc.setTimeSpec(Qt::UTC);
    EXPECT_LE(std::abs(utc.secsTo(QDateTime::currentDateTimeUtc())), 60);
}

// The request head parser finds a head however it is cut into reads, and each byte is looked
// at a bounded number of times.
TEST(RequestHeadParser, FindsTheHeadAcrossReadsAndKeepsItsPlace) {
    const QByteArray two = "GET /a HTTP/1.1\r\nCookie: x=1\r\nCookie: QSESSION=ab\r\n\r\nGET /b HTTP/1.0\n\n";
    for (qsizetype cut = 0; cut <= two.size(); ++cut) {
        qsizetype scanned = 0;
        RequestHead h = RequestHead::parse(QByteArrayView(two).first(cut), scanned, 8192);
        if (h.state == RequestHead::State::Incomplete) {
            EXPECT_LE(scanned, cut);
            h = RequestHead::parse(two, scanned, 8192);
        }
        ASSERT_EQ(h.state, RequestHead::State::Complete) << cut;
        EXPECT_EQ(h.target, "/a");
        EXPECT_EQ(h.cookies, "x=1; QSESSION=ab");
        EXPECT_TRUE(h.keepAlive);
        EXPECT_EQ(two.mid(h.length, 6), "GET /b");
        qsizetype again = 0;
        const RequestHead second = RequestHead::parse(QByteArrayView(two).sliced(h.length), again, 8192);
        ASSERT_EQ(second.state, RequestHead::State::Complete);
        EXPECT_EQ(second.target, "/b");
        EXPECT_FALSE(second.keepAlive);
    }
    qsizetype scanned = 0;
    EXPECT_EQ(RequestHead::parse(QByteArray(9000, 'a'), scanned, 8192).state, RequestHead::State::TooLarge);
    scanned = 0;
    EXPECT_EQ(RequestHead::parse("BROKEN\r\n\r\n", scanned, 8192).state, RequestHead::State::Malformed);
    // Fed a byte at a time, a long head is searched once in all: the saved place only grows.
    const QByteArray longHead = "GET / HTTP/1.1\r\nX: " + QByteArray(8000, 'y') + "\r\n\r\n";
    scanned = 0;
    qsizetype previous = 0;
    for (qsizetype n = 1; n < longHead.size(); ++n) {
        ASSERT_EQ(RequestHead::parse(QByteArrayView(longHead).first(n), scanned, 8192).state,
                  RequestHead::State::Incomplete);
        ASSERT_GE(scanned, previous);
        ASSERT_LE(scanned, n);
        previous = scanned;
    }
    EXPECT_EQ(RequestHead::parse(longHead, scanned, 8192).state, RequestHead::State::Complete);
}
