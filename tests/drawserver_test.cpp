#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/PrizeTable.h"
#include "net/HttpClient.h"
#include "server/DrawMirror.h"
#include "server/DrawServer.h"
#include "net/HttpClient.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

DrawTable sampleTable() {
    return DrawTable({makeDraw(QDate(2025, 8, 27), {4, 15, 23, 31, 38, 45}, 12),
                      makeDraw(QDate(2025, 8, 30), {7, 37, 9, 33, 36, 30}, 0)});
}

// Sends raw bytes and collects the answer until the server closes, within a bounded time.
QByteArray exchange(quint16 port, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    QByteArray answer;
    const QDeadlineTimer deadline(5s);
    while (socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        answer += socket.readAll();
    }
    return answer + socket.readAll();
}

} // namespace

TEST(DrawServer, AnswersDatesAsAgreed) {
    const DrawServer server(sampleTable());
    struct Case {
        const char* target;
        int status;
        const char* body; // nullptr: any
    };
    const Case cases[] = {
        {"/zahlen/velmora.asp?Datum=20250827", 200, "4,15,23,31,38,45,12"},
        {"/zahlen/velmora.asp?Datum=20250830", 200, "7,37,9,33,36,30,0"},
        {"http://127.0.0.1:8049/zahlen/velmora.asp?Datum=20250827", 200, "4,15,23,31,38,45,12"},
        {"/zahlen/velmora.asp?Datum=20250828", 200, ""},
        {"/zahlen/velmora.asp?x=1&Datum=20250827", 200, "4,15,23,31,38,45,12"},
        {"/zahlen/velmora.asp?Datum=2025082", 400, nullptr},
        {"/zahlen/velmora.asp?Datum=2025-08-27", 400, nullptr},
        {"/zahlen/velmora.asp?Datum=20250230", 400, nullptr},
        {"/zahlen/velmora.asp?Datum=+2025082", 400, nullptr},
        {"/zahlen/velmora.asp?Datum=202508270", 400, nullptr},
        {"/zahlen/velmora.asp", 400, nullptr},
        {"/zahlen/velmora.asp?datum=20250827", 400, nullptr},
        {"/zahlen/other.asp?Datum=20250827", 404, nullptr},
        {"/", 404, nullptr},
    };
    for (const Case& c : cases) {
        const DrawServer::Answer a = server.answer("GET", c.target);
        EXPECT_EQ(a.status, c.status) << c.target;
        if (c.body) {
            EXPECT_EQ(a.body, QByteArray(c.body)) << c.target;
        }
    }
    EXPECT_EQ(server.answer("POST", "/zahlen/velmora.asp?Datum=20250827").status, 405);
}

TEST(DrawServer, ReadsTheResultsCsvAndHistoryFilesAlike) {
    TestProgramDir dir;
    const std::vector<DrawRecord> real = realHistory();
    dir.writeHistory(real);
    const DrawTable fromCsv =
        DrawTable::fromFile(QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv"));
    const DrawTable fromDat = DrawTable::fromFile(dir.file(QStringLiteral("ZahlenGR.dat")));
    ASSERT_EQ(fromCsv.size(), real.size());
    ASSERT_EQ(fromDat.size(), real.size());
    for (const DrawRecord& r : real) {
        ASSERT_NE(fromCsv.find(r.date), nullptr);
        EXPECT_EQ(DrawTable::answerText(*fromCsv.find(r.date)), DrawTable::answerText(*fromDat.find(r.date)));
    }
    EXPECT_THROW(DrawTable::fromFile(dir.file(QStringLiteral("missing.dat"))), AppError);
}

TEST(DrawServer, KeepsConnectionsAliveAndRecognisesItsSessionCookie) {
    DrawServer server(sampleTable());
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    std::vector<DrawServer::Request> served;
    QObject::connect(&server, &DrawServer::requestServed,
                     [&](const DrawServer::Request& r) { served.push_back(r); });
    HttpClient client;
    const QString base = QStringLiteral("http://127.0.0.1:%1/zahlen/velmora.asp?Datum=").arg(server.port());
    EXPECT_EQ(fetch(client, QUrl(base + QStringLiteral("20250827")), {}).body, "4,15,23,31,38,45,12");
    EXPECT_EQ(fetch(client, QUrl(base + QStringLiteral("20250830")), {}).body, "7,37,9,33,36,30,0");
    const HttpResult bad = fetch(client, QUrl(base + QStringLiteral("2025")), {});
    EXPECT_EQ(bad.failureText(), QStringLiteral("400 Bad Request"));
    HttpClient stranger;
    fetch(stranger, QUrl(base + QStringLiteral("20250827")), {});

    ASSERT_EQ(served.size(), 4u);
    EXPECT_FALSE(served[0].knownSession);
    EXPECT_TRUE(served[1].knownSession);
    EXPECT_TRUE(served[2].knownSession);
    EXPECT_FALSE(served[3].knownSession);
}

TEST(DrawServer, RejectsMalformedAndOversizedRequests) {
    DrawServer server(sampleTable());
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    EXPECT_TRUE(exchange(server.port(), "NONSENSE\r\n\r\n").startsWith("HTTP/1.1 400 "));
    const QByteArray huge = "GET /zahlen/velmora.asp?Datum=20250827 HTTP/1.1\r\nX: " +
                            QByteArray(DrawServer::MaxRequestBytes + 10, 'a') + "\r\n\r\n";
    EXPECT_TRUE(exchange(server.port(), huge).startsWith("HTTP/1.1 431 "));
    // Two requests on one connection, the second asking to close it.
    const QByteArray two = exchange(server.port(), "GET /zahlen/velmora.asp?Datum=20250827 HTTP/1.1\r\n\r\n"
                                                   "GET /zahlen/velmora.asp?Datum=20250830 HTTP/1.1\r\n"
                                                   "Connection: close\r\n\r\n");
    EXPECT_EQ(two.count("HTTP/1.1 200 OK"), 2);
    EXPECT_TRUE(two.endsWith("\r\n\r\n7,37,9,33,36,30,0"));
}

namespace {

// Starts the server program on the real history and a free port, and reads its first line.
void startOnTheRealHistory(QProcess& server, const QString& program, QByteArray& banner) {
    server.start(program, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--file"),
                           QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv")});
    ASSERT_TRUE(server.waitForStarted(10000));
    const QDeadlineTimer deadline(20s);
    while (!banner.contains('\n') && !deadline.hasExpired() && server.state() == QProcess::Running) {
        server.waitForReadyRead(200);
        banner += server.readAllStandardOutput();
    }
}

} // namespace

TEST(DrawServerProgram, ServesItsFileOnAFreePort) {
    const QString program = QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver");
    QProcess server;
    QByteArray banner;
    ASSERT_NO_FATAL_FAILURE(startOnTheRealHistory(server, program, banner));
    const auto match = QRegularExpression(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)"))
                           .match(QString::fromLatin1(banner));
    ASSERT_TRUE(match.hasMatch()) << banner.constData();

    HttpClient client;
    const HttpResult result =
        fetch(client, QUrl(match.captured(0) + QStringLiteral("/zahlen/velmora.asp?Datum=20250827")), {});
    EXPECT_TRUE(result.succeeded()) << result.failureText().toStdString();
    const DrawTable real(realHistory());
    const DrawRecord* expected = real.find(DayCount::fromDate(QDate(2025, 8, 27)));
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(result.body, DrawTable::answerText(*expected));
    server.kill();
    server.waitForFinished(5000);

    // Bad command lines end at once with an exit code.
    for (const QStringList& args :
         {QStringList{}, QStringList{QStringLiteral("--file"), QStringLiteral("/nonexistent.dat")},
          QStringList{QStringLiteral("--file"), QStringLiteral("x.csv"), QStringLiteral("--port"),
                      QStringLiteral("99999")}}) {
        QProcess bad;
        bad.start(program, args);
        ASSERT_TRUE(bad.waitForFinished(10000));
        EXPECT_NE(bad.exitCode(), 0) << args.join(' ').toStdString();
    }
}

TEST(DrawServerProgram, SpeaksTheSystemsLanguageButClientsGoByTheStatus) {
    const QString program = QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver");
    auto environment = [](const char* lcAll) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QLatin1String(lcAll));
        env.remove(QStringLiteral("LANGUAGE"));
        return env;
    };
    auto help = [&](const char* lcAll) {
        QProcess p;
        p.setProcessEnvironment(environment(lcAll));
        p.start(program, {QStringLiteral("--help")});
        EXPECT_TRUE(p.waitForFinished(10000));
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString greek = help("el_GR.UTF-8");
    EXPECT_TRUE(greek.contains(QStringLiteral("Απαντά στα αιτήματα κληρώσεων του Quintara GR μέσω HTTP."))) << greek.toStdString();
    EXPECT_TRUE(greek.contains(QStringLiteral("-f, --file <διαδρομή>"))) << greek.toStdString();
    EXPECT_TRUE(greek.contains(QStringLiteral("Εμφανίζει πληροφορίες έκδοσης."))) << greek.toStdString();
    EXPECT_TRUE(help("en_US.UTF-8").contains(QStringLiteral("Draws to serve: a results CSV or a ZahlenGR.dat.")));
    // No language of the program's: German, the language built in.
    const QString builtIn = help("C.UTF-8");
    EXPECT_TRUE(builtIn.contains(QStringLiteral("Beantwortet die Ziehungsanfragen von Quintara GR über HTTP."))) << builtIn.toStdString();
    EXPECT_TRUE(builtIn.contains(QStringLiteral("Zeigt Versionsinformation an."))) << builtIn.toStdString();

    // A wrong value is named in the language too.
    QProcess bad;
    bad.setProcessEnvironment(environment("el_GR.UTF-8"));
    bad.start(program, {QStringLiteral("--file"), QStringLiteral("x.csv"), QStringLiteral("--port"), QStringLiteral("99999")});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(bad.readAllStandardError()).trimmed(),
              QStringLiteral("quintara-drawserver: μη έγκυρη τιμή για το --port: «99999»"));

    // The error bodies follow the server's language; the banner that scripts read does not.
    QProcess server;
    server.setProcessEnvironment(environment("el_GR.UTF-8"));
    QByteArray banner;
    ASSERT_NO_FATAL_FAILURE(startOnTheRealHistory(server, program, banner));
    const auto match = QRegularExpression(QStringLiteral("^Listening on http://127\\.0\\.0\\.1:(\\d+) "))
                           .match(QString::fromLatin1(banner));
    ASSERT_TRUE(match.hasMatch()) << banner.constData();
    const auto port = static_cast<quint16>(match.captured(1).toUInt());
    const QByteArray answer = exchange(port, "GET /nirgends HTTP/1.1\r\nConnection: close\r\n\r\n");
    ASSERT_TRUE(answer.startsWith("HTTP/1.1 404 Not Found\r\n")) << answer.constData();
    EXPECT_EQ(QString::fromUtf8(answer.mid(answer.indexOf("\r\n\r\n") + 4)), QStringLiteral("Δεν βρέθηκε"));
    // The program goes by the status: what it reports of a refused request holds no body text
    // (the body is kept beside it, for a service's error object).
    HttpClient client;
    const HttpResult refused =
        fetch(client, QUrl(QStringLiteral("http://127.0.0.1:%1/zahlen/velmora.asp?Datum=2025").arg(port)), {});
    EXPECT_EQ(refused.statusCode, 400);
    EXPECT_FALSE(refused.succeeded());
    EXPECT_EQ(refused.failureText(), QStringLiteral("400 Bad Request"));
    server.kill();
    server.waitForFinished(5000);

    // In the test's own process no catalogue is installed: the built-in German.
    const DrawServer plain(sampleTable());
    EXPECT_EQ(plain.answer("GET", "/nirgends").body, QByteArray("Nicht gefunden"));
    EXPECT_EQ(plain.answer("POST", "/zahlen/velmora.asp").body, QByteArray("Nur GET wird beantwortet"));
}

namespace {

std::vector<DrawRecord> drawsUpTo(const QDate& last) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : realHistory())
        if (r.date <= DayCount::fromDate(last)) out.push_back(r);
    return out;
}

// The file of a mirror that last ran at the end of 2024, in a fresh test directory.
QString mirrorFileOf2024(const TestProgramDir& dir) {
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("mirror.dat"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(recordBytes(drawsUpTo(QDate(2024, 12, 28))));
    return path;
}

} // namespace

TEST(DrawMirror, BacksOffAfterFailuresUpToThePeriod) {
    DrawMirror::Options o;
    o.period = std::chrono::minutes(60);
    o.retryMin = std::chrono::minutes(1);
    EXPECT_EQ(DrawMirror::nextDelay(o, 0), std::chrono::minutes(60));
    EXPECT_EQ(DrawMirror::nextDelay(o, 1), std::chrono::minutes(1));
    EXPECT_EQ(DrawMirror::nextDelay(o, 2), std::chrono::minutes(2));
    EXPECT_EQ(DrawMirror::nextDelay(o, 4), std::chrono::minutes(8));
    EXPECT_EQ(DrawMirror::nextDelay(o, 7), std::chrono::minutes(60));
    EXPECT_EQ(DrawMirror::nextDelay(o, 50), std::chrono::minutes(60));
}

TEST(DrawMirror, FetchesNewDrawsIntoItsFileAndServesThem) {
    TestProgramDir dir;
    dir.writeHistory(drawsUpTo(QDate(2025, 8, 16)));
    const QString path = dir.file(QStringLiteral("ZahlenGR.dat"));
    FakeOperator fake(realHistory());
    DrawServer server(DrawTable::fromFile(path));
    const double newest = DayCount::fromDate(QDate(2025, 8, 30));
    EXPECT_EQ(server.answer("GET", "/zahlen/velmora.asp?Datum=20250830").body, "");

    DrawMirror mirror(path, *DrawSource::parse(fake.base()), server, DrawMirror::Options{});
    const DrawDownloadResult result = updateOnce(mirror);
    EXPECT_EQ(result.stored, 4);
    EXPECT_EQ(readBytes(path), recordBytes(drawsUpTo(QDate(2025, 8, 30))));
    ASSERT_NE(server.draws().find(newest), nullptr);
    EXPECT_EQ(server.answer("GET", "/zahlen/velmora.asp?Datum=20250830").body, "7,37,9,33,36,30,0");
    EXPECT_EQ(mirror.failuresInARow(), 0);
    EXPECT_EQ(PrizeTable::read(PrizeTable::companionPath(path)).size(), 4);

    // An upstream failure leaves file and served draws as they were and counts towards the back-off.
    fake.script = [](const SeenRequest&, int) { return std::optional<FakeAnswer>(FakeAnswer::reply(500, "Error", "")); };
    const DrawDownloadResult failed = updateOnce(mirror);
    EXPECT_FALSE(failed.endReason.isEmpty());
    EXPECT_EQ(mirror.failuresInARow(), 1);
    EXPECT_EQ(readBytes(path), recordBytes(drawsUpTo(QDate(2025, 8, 30))));
    EXPECT_NE(server.draws().find(newest), nullptr);
}

TEST(DrawServerProgram, MirrorsTheOperatorAndServesWhatItFetched) {
    TestProgramDir dir;
    const QString path = mirrorFileOf2024(dir);
    FakeOperator fake(realHistory());
    fake.maxLimit = 20;
    QProcess server;
    server.start(QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver"),
                 {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--file"), path,
                  QStringLiteral("--upstream"), fake.base(), QStringLiteral("--period"), QStringLiteral("60")});
    ASSERT_TRUE(server.waitForStarted(10000));

    // The child asks the fake, which runs in this process: keep the event loop going while waiting.
    QByteArray output;
    const QDeadlineTimer deadline(60s);
    while (!output.contains("Update:") && !deadline.hasExpired() && server.state() == QProcess::Running) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        server.waitForReadyRead(20);
        output += server.readAllStandardOutput();
    }
    ASSERT_TRUE(output.contains("Update: 70 neue Ziehungen gespeichert")) << output.constData();
    const auto match =
        QRegularExpression(QStringLiteral("http://127\\.0\\.0\\.1:(\\d+)")).match(QString::fromLatin1(output));
    ASSERT_TRUE(match.hasMatch()) << output.constData();

    HttpClient client;
    const HttpResult served =
        fetch(client, QUrl(match.captured(0) + QStringLiteral("/zahlen/velmora.asp?Datum=20250830")), {});
    EXPECT_TRUE(served.succeeded()) << served.failureText().toStdString();
    EXPECT_EQ(served.body, "7,37,9,33,36,30,0");
    EXPECT_EQ(readBytes(path), recordBytes(realHistory()));
    server.kill();
    server.waitForFinished(5000);

    // A mirror keeps a history file, not a CSV; a bad upstream or period ends at once.
    for (const QStringList& args :
         {QStringList{QStringLiteral("--file"), QStringLiteral("x.csv"), QStringLiteral("--upstream"), fake.base()},
          QStringList{QStringLiteral("--file"), path, QStringLiteral("--upstream"), QStringLiteral("nonsense")},
          QStringList{QStringLiteral("--file"), path, QStringLiteral("--upstream"), fake.base(),
                      QStringLiteral("--period"), QStringLiteral("0")}}) {
        QProcess bad;
        bad.start(QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver"), args);
        ASSERT_TRUE(bad.waitForFinished(10000));
        EXPECT_EQ(bad.exitCode(), 2) << args.join(' ').toStdString();
    }
}

// Two mirrors of one file would lose draws between them: the second refuses to start and
// leaves the file alone; once the first is killed, its lock is taken over by the next.
TEST(DrawServerProgram, OneMirrorPerFileAndTheLockOfAKilledOneIsTakenOver) {
    TestProgramDir dir;
    const QString path = mirrorFileOf2024(dir);
    const QByteArray before = readBytes(path);
    ASSERT_FALSE(before.isEmpty());
    FakeOperator fake(realHistory());
    const QString program = QStringLiteral(QUINTARA_BINARY_DIR "/tools/drawserver/quintara-drawserver");
    const QStringList args{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--file"), path,
                           QStringLiteral("--upstream"), fake.base()};
    auto startMirror = [&](QProcess& p) {
        p.start(program, args);
        ASSERT_TRUE(p.waitForStarted(10000));
        QByteArray out;
        const QDeadlineTimer deadline(60s);
        while (!out.contains("Listening") && !deadline.hasExpired() && p.state() == QProcess::Running) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            p.waitForReadyRead(20);
            out += p.readAllStandardOutput();
        }
        ASSERT_TRUE(out.contains("Listening")) << out.constData() << p.readAllStandardError().constData();
    };
    QProcess first;
    ASSERT_NO_FATAL_FAILURE(startMirror(first));

    QProcess second;
    second.start(program, args);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 1);
    const QString said = QString::fromUtf8(second.readAllStandardError());
    EXPECT_TRUE(said.contains(path) && said.contains(QStringLiteral("fortgeschrieben"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QString::number(first.processId()))) << said.toStdString();

    first.kill();
    first.waitForFinished(5000);
    QProcess third;
    ASSERT_NO_FATAL_FAILURE(startMirror(third));
    third.kill();
    third.waitForFinished(5000);
    // Whatever the mirrors fetched, the refused one wrote nothing: the file only grew.
    EXPECT_TRUE(readBytes(path).startsWith(before));
}
