#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawDownload.h"
#include "net/HttpClient.h"
#include "history/DrawHistory.h"
#include "server/DrawServer.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <optional>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class RecordingView : public DrawDownloadView {
public:
    QDate todayDate{2025, 9, 1};
    double picker = DayCount::fromDate(QDate(2025, 9, 1));
    bool refuseDates = false;
    bool stop = false;
    QString proxyHost;
    QString proxyPort = QStringLiteral("80");

    int started = 0;
    int ended = 0;
    QStringList panel0, panel1, drawTexts, crossSums, tipDraws;
    std::vector<double> currentDates;

    void runStarted() override { ++started; }
    void runEnded() override { ++ended; }
    double requestDate() const override { return picker; }
    bool setRequestDate(double dayCount) override {
        if (refuseDates) return false;
        picker = dayCount;
        return true;
    }
    QDate today() const override { return todayDate; }
    bool stopRequested() const override { return stop; }
    QString proxyHostText() const override { return proxyHost; }
    QString proxyPortText() const override { return proxyPort; }
    void setStatusText(int panel, const QString& text) override { (panel == 0 ? panel0 : panel1) << text; }
    void setCurrentDrawDate(double dayCount) override { currentDates.push_back(dayCount); }
    void setDrawText(const QString& text) override { drawTexts << text; }
    void setCrossSumText(const QString& text) override { crossSums << text; }
    void setTipDrawText(const QString& text) override { tipDraws << text; }
};

double day(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}
QByteArray datum(double dayCount) {
    return "/zahlen/velmora.asp?Datum=" + DayCount::compactText(dayCount).toLatin1();
}
QByteArray bytesOf(const DrawRecord& r) {
    const auto b = r.toBytes();
    return QByteArray(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
}

struct DownloadFixture : ::testing::Test {
    TestProgramDir dir;
    QString historyPath = dir.file(QStringLiteral("ZahlenGR.dat"));
    HttpClient client;
    RecordingView view;

    void SetUp() override { QDir().mkpath(dir.path()); }

    DrawDownloadResult runAgainst(const QString& address) {
        DrawDownload download(client, historyPath, {DrawSource::PerDate, *DrawDownload::parseServerAddress(address)});
        return runToEnd(download, view);
    }
    // A history whose newest draw is on the given date, with recognisable reserved bytes.
    DrawRecord writeHistoryEndingOn(double date) {
        DrawRecord older = makeDraw(DayCount::toDate(date - 3), {1, 2, 3, 4, 5, 6}, 7);
        DrawRecord newest = makeDraw(DayCount::toDate(date), {10, 20, 30, 40, 41, 42}, 9);
        newest.reserved.fill(0xA5);
        dir.writeHistory({older, newest});
        return newest;
    }
};

// A server that answers the given bodies in turn, then empty bodies.
void answerInTurn(ScriptedHttpServer& server, std::vector<ScriptedAnswer> answers) {
    server.handler = [answers = std::move(answers), next = size_t(0)](const SeenRequest&) mutable {
        return next < answers.size() ? answers[next++] : ScriptedAnswer::ok("");
    };
}

} // namespace

TEST(DrawStepping, MovesToTheNextCalendarDay) {
    // Draws moved by holidays fall on any weekday, so every day is asked for. 2025-08-31 is a
    // Sunday; the step crosses month and year ends too.
    const double sunday = day(2025, 8, 31);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(DrawDownload::nextRequestDate(sunday + i), sunday + i + 1) << i;
    EXPECT_EQ(DrawDownload::nextRequestDate(day(2024, 12, 31)), day(2025, 1, 1));
    EXPECT_EQ(DrawDownload::nextRequestDate(day(2024, 2, 28)), day(2024, 2, 29));
}

TEST(DrawAnswer, SplitsTheSevenFieldsAsTheServerSendsThem) {
    const DrawAnswer blanks = DrawAnswer::parse(QStringLiteral(" 4,  15,23,31,38,45, 12"));
    EXPECT_EQ(blanks.numbers, (std::array<int, 6>{4, 15, 23, 31, 38, 45}));
    EXPECT_EQ(blanks.additional, 12);
    EXPECT_TRUE(blanks.invalidReason().isEmpty());

    // Too few fields: the missing ones count as 0 and the last text is the additional number.
    const DrawAnswer shortAnswer = DrawAnswer::parse(QStringLiteral("4,15,23"));
    EXPECT_EQ(shortAnswer.numbers, (std::array<int, 6>{4, 15, 0, 0, 0, 0}));
    EXPECT_EQ(shortAnswer.additional, 23);

    const DrawAnswer garbled = DrawAnswer::parse(QStringLiteral("4,x,23,31,38,45,12"));
    EXPECT_EQ(garbled.numbers[1], 0);
    EXPECT_TRUE(garbled.invalidReason().contains(QStringLiteral("2. Feld")))
        << garbled.invalidReason().toStdString();

    EXPECT_THROW(DrawAnswer::parse(QStringLiteral("4,15,23,31,38,45,12 ")), ConversionError);
    EXPECT_THROW(DrawAnswer::parse(QStringLiteral("4,15,23,31,38,45,99999999999")), ConversionError);
}

TEST(DrawServerAddress, AcceptsSchemeHostAndPortOnly) {
    EXPECT_EQ(DrawDownload::parseServerAddress(QStringLiteral(" http://127.0.0.1:8049/ "))->toString(),
              QStringLiteral("http://127.0.0.1:8049"));
    EXPECT_EQ(
        DrawDownload::requestUrl(QUrl(QString::fromLatin1(DrawDownload::LocalServer)), day(2025, 9, 3)),
        QUrl(QStringLiteral("http://127.0.0.1:8049/zahlen/velmora.asp?Datum=20250903")));
    for (const char* bad : {"", "127.0.0.1:8049", "ftp://brenlow.example", "http://", "http://h/zahlen",
                            "http://h:8049?x=1", "http://u@h:1", "http://h:0"})
        EXPECT_FALSE(DrawDownload::parseServerAddress(QString::fromLatin1(bad))) << bad;
}

TEST_F(DownloadFixture, BringsAHistoryYearsBehindUpToDateExactly) {
    const std::vector<DrawRecord> source = realHistory();
    const double cutoff = day(2022, 1, 1);
    std::vector<DrawRecord> old;
    for (const DrawRecord& r : source)
        if (r.date < cutoff) old.push_back(r);
    old.back().reserved.fill(0x5A);
    dir.writeHistory(old);

    DrawServer server{DrawTable(source)};
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    int requests = 0, knownSessions = 0;
    QObject::connect(&server, &DrawServer::requestServed, [&](const DrawServer::Request& r) {
        ++requests;
        knownSessions += r.knownSession;
        EXPECT_EQ(r.status, 200);
    });
    const DrawDownloadResult result = runAgainst(QStringLiteral("http://127.0.0.1:%1").arg(server.port()));

    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.failed, 0);
    EXPECT_EQ(result.requests, requests);
    // One request per calendar day after the newest stored draw, today included.
    EXPECT_EQ(requests, int(DayCount::fromDate(view.todayDate) - old.back().date));
    EXPECT_EQ(knownSessions, requests - 1); // the session cookie came back every time

    // Every draw after the cut-off arrives byte for byte, over the reserved bytes of the newest
    // record, the draws moved to other weekdays by holidays included.
    std::vector<DrawRecord> expected = old;
    int moved = 0;
    for (const DrawRecord& r : source) {
        if (r.date < cutoff) continue;
        const int weekday = DayCount::weekday(r.date);
        moved += weekday != DayCount::Wednesday && weekday != DayCount::Saturday;
        DrawRecord copy = r;
        copy.reserved = old.back().reserved;
        expected.push_back(copy);
    }
    EXPECT_EQ(moved, 4);
    const std::vector<DrawRecord> now = dir.readHistory();
    ASSERT_EQ(now.size(), expected.size());
    for (size_t i = 0; i < now.size(); ++i)
        ASSERT_EQ(bytesOf(now[i]), bytesOf(expected[i])) << "record " << i;
    EXPECT_EQ(result.stored, int(expected.size() - old.size()));
    EXPECT_EQ(view.started, 1);
    EXPECT_EQ(view.ended, 1);
    EXPECT_GT(view.picker, DayCount::fromDate(view.todayDate));
}

TEST_F(DownloadFixture, ResumesAfterTheNewestRecordAndStopsAtToday) {
    const std::vector<DrawRecord> source = realHistory();
    std::vector<DrawRecord> old;
    for (const DrawRecord& r : source)
        if (r.date <= day(2025, 8, 2)) old.push_back(r);
    dir.writeHistory(old);
    DrawServer server{DrawTable(source)};
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    std::vector<QByteArray> targets;
    QObject::connect(&server, &DrawServer::requestServed,
                     [&](const DrawServer::Request& r) { targets.push_back(r.target); });
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(server.port());

    auto daysFrom = [](double first, double last) {
        std::vector<QByteArray> out;
        for (double d = first; d <= last; ++d) out.push_back(datum(d));
        return out;
    };
    view.todayDate = QDate(2025, 8, 16); // today is asked for too
    runAgainst(address);
    EXPECT_EQ(targets, daysFrom(day(2025, 8, 3), day(2025, 8, 16)));
    targets.clear();
    view.todayDate = QDate(2025, 9, 1);
    runAgainst(address);
    EXPECT_EQ(targets, daysFrom(day(2025, 8, 17), day(2025, 9, 1)));
    const std::vector<DrawRecord> now = dir.readHistory();
    ASSERT_EQ(now.size(), source.size());
    EXPECT_EQ(now.back(), source.back());

    // Newest draw today: the next day lies after today, so nothing is asked.
    targets.clear();
    view.todayDate = QDate(2025, 8, 30);
    const DrawDownloadResult none = runAgainst(address);
    EXPECT_EQ(none.requests, 0);
    EXPECT_TRUE(targets.empty());
    EXPECT_EQ(view.picker, day(2025, 8, 31));
    EXPECT_EQ(view.ended, 3);
}

TEST_F(DownloadFixture, FirstRequestFollowsTheSteppingFromNewestOrPicker) {
    ScriptedHttpServer server;
    struct Case {
        std::optional<double> newest;
        double picker;
        double firstRequest;
    };
    const Case cases[] = {
        {day(2025, 8, 23), 0, day(2025, 8, 24)},            // the day after the newest draw
        {day(2025, 8, 24), 0, day(2025, 8, 25)},
        {std::nullopt, day(2025, 8, 25), day(2025, 8, 26)}, // empty history: the day after the picker
        {std::nullopt, day(2025, 8, 28), day(2025, 8, 29)},
    };
    for (const Case& c : cases) {
        server.requests.clear();
        if (c.newest)
            writeHistoryEndingOn(*c.newest);
        else
            dir.writeHistory({});
        view.picker = c.picker;
        view.todayDate = DayCount::toDate(c.firstRequest);
        const DrawDownloadResult result = runAgainst(server.address());
        ASSERT_EQ(server.requests.size(), 1u);
        EXPECT_EQ(server.requests[0].target, datum(c.firstRequest));
        EXPECT_EQ(result.noDraw, 1);
    }

    // A picker that refuses every date does not hold the run up.
    writeHistoryEndingOn(day(2025, 8, 2));
    view.refuseDates = true;
    view.todayDate = QDate(2025, 8, 16);
    server.requests.clear();
    EXPECT_EQ(runAgainst(server.address()).requests, 14);
    EXPECT_EQ(server.requests.size(), 14u);
}

TEST_F(DownloadFixture, StoresAnAnswerAndShowsItAsTheWindowExpects) {
    const DrawRecord newest = writeHistoryEndingOn(day(2025, 9, 2));
    view.todayDate = QDate(2025, 9, 3);
    ScriptedHttpServer server;
    answerInTurn(server, {ScriptedAnswer::ok("4,15,23,31,38,45,12")});
    const DrawDownloadResult result = runAgainst(server.address());

    EXPECT_EQ(result.stored, 1);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].target, "/zahlen/velmora.asp?Datum=20250903");
    EXPECT_EQ(view.panel0, (QStringList{QStringLiteral("Stand 03.09.2025: noch keine neue Ziehung gespeichert"),
                                        QStringLiteral("Received 19 bytes")}));
    EXPECT_EQ(view.panel1, QStringList{QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!")});
    const QString text =
        DayCount::shortWeekdayText(day(2025, 9, 3)) + QStringLiteral("     4  15  23  31  38  45  +  12");
    EXPECT_EQ(view.drawTexts, QStringList{text});
    EXPECT_EQ(view.tipDraws, QStringList{text});
    EXPECT_EQ(view.crossSums, QStringList{QStringLiteral("Quersumme: 156")});
    EXPECT_EQ(view.currentDates, std::vector<double>{day(2025, 9, 3)});

    const std::vector<DrawRecord> now = dir.readHistory();
    ASSERT_EQ(now.size(), 3u);
    DrawRecord expected = makeDraw(QDate(2025, 9, 3), {4, 15, 23, 31, 38, 45}, 12);
    expected.reserved = newest.reserved;
    EXPECT_EQ(now[2], expected);
}

TEST_F(DownloadFixture, ProgressNamesTheDateReachedAndTheDrawsStoredSoFar) {
    writeHistoryEndingOn(day(2025, 9, 2));
    view.todayDate = QDate(2025, 9, 6);
    ScriptedHttpServer server;
    answerInTurn(server, {ScriptedAnswer::ok("1,2,3,4,5,6,7"), ScriptedAnswer::ok(""),
                          ScriptedAnswer::ok("8,9,10,11,12,13,14")});
    EXPECT_EQ(runAgainst(server.address()).stored, 2);
    EXPECT_EQ(view.panel0.filter(QStringLiteral("Stand ")),
              (QStringList{QStringLiteral("Stand 03.09.2025: noch keine neue Ziehung gespeichert"),
                           QStringLiteral("Stand 04.09.2025: 1 neue Ziehung gespeichert"),
                           QStringLiteral("Stand 05.09.2025: 1 neue Ziehung gespeichert"),
                           QStringLiteral("Stand 06.09.2025: 2 neue Ziehungen gespeichert")}));
}

TEST_F(DownloadFixture, FailedRequestsAreShownAndTheRunGoesOn) {
    writeHistoryEndingOn(day(2025, 8, 2));
    view.todayDate = QDate(2025, 8, 6);
    client.setTimeout(300ms);
    ScriptedHttpServer server;
    // By date: the client may repeat a request whose connection closed before any answer.
    server.handler = [](const SeenRequest& r) {
        if (r.target == datum(day(2025, 8, 3))) return ScriptedAnswer::failing(500, "Internal Server Error");
        if (r.target == datum(day(2025, 8, 4))) return ScriptedAnswer::hang();
        if (r.target == datum(day(2025, 8, 5))) return ScriptedAnswer::close();
        return ScriptedAnswer::ok("1,2,3,4,5,6,7");
    };
    const DrawDownloadResult result = runAgainst(server.address());

    EXPECT_EQ(result.requests, 4);
    EXPECT_EQ(result.failed, 3);
    EXPECT_EQ(result.stored, 1);
    EXPECT_TRUE(result.error.isEmpty());
    ASSERT_EQ(view.panel0.size(), 8);
    EXPECT_EQ(view.panel0[1], QStringLiteral("500 Internal Server Error"));
    EXPECT_TRUE(view.panel0[3].startsWith(QStringLiteral("Zeitüberschreitung")))
        << view.panel0[3].toStdString();
    EXPECT_FALSE(view.panel0[5].isEmpty());
    EXPECT_FALSE(view.panel0[5].startsWith(QStringLiteral("Stand ")));
    EXPECT_EQ(dir.readHistory().back().date, day(2025, 8, 6));
    EXPECT_EQ(result.failureText, view.panel0[5]);

    // The failed dates lie before the newest draw now and are not asked for again.
    server.requests.clear();
    EXPECT_EQ(runAgainst(server.address()).requests, 0);
}

TEST_F(DownloadFixture, AnUnreachableServerStoresNothing) {
    writeHistoryEndingOn(day(2025, 8, 2));
    const std::vector<DrawRecord> before = dir.readHistory();
    view.todayDate = QDate(2025, 8, 13);
    const DrawDownloadResult result = runAgainst(QStringLiteral("http://127.0.0.1:%1").arg(refusingPort()));

    // Five days without an answer end the run, instead of waiting out every day up to today.
    EXPECT_EQ(result.requests, DrawDownload::DeadServerFailures);
    EXPECT_EQ(result.failed, 5);
    EXPECT_EQ(view.panel0.filter(QStringLiteral("abgelehnt")).size(), 5);
    EXPECT_TRUE(result.endReason.startsWith(QStringLiteral("5 Anfragen hintereinander blieben ohne Antwort")))
        << result.endReason.toStdString();
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("abgelehnt"))) << result.summaryText().toStdString();
    EXPECT_EQ(dir.readHistory(), before);
    EXPECT_EQ(view.ended, 1);
}

TEST_F(DownloadFixture, GarbledAndIncompleteAnswersAreNotStored) {
    struct Case {
        const char* body;
        enum { Rejected, Incomplete, Stored } outcome;
    };
    const std::vector<Case> cases = {
        {"4,x,23,31,38,45,12", Case::Rejected}, // the unreadable field would be stored as 0
        {"4,15,23,31,38,50,12", Case::Rejected},
        {"4,15,23,31,38,300,12", Case::Rejected}, // would wrap to 44 in a byte
        {"-4,15,23,31,38,45,12", Case::Rejected},
        {"4,15,15,31,38,45,12", Case::Rejected},
        {"4,15,23,31,38,45,15", Case::Rejected},
        {"4,15,23,31,38,45,50", Case::Rejected},
        {"4,15,23,31,38,0,12", Case::Incomplete},
        {"4,15,23", Case::Incomplete},
        {" 4, 15,23,31,38,45, 0", Case::Stored},
        {"49,1,2,3,4,5,48", Case::Stored},
    };
    writeHistoryEndingOn(day(2025, 6, 7));
    std::vector<ScriptedAnswer> answers;
    std::vector<double> dates;
    double date = day(2025, 6, 7);
    for (const Case& c : cases) {
        answers.push_back(ScriptedAnswer::ok(c.body));
        date = DrawDownload::nextRequestDate(date);
        dates.push_back(date);
    }
    view.todayDate = DayCount::toDate(date);
    ScriptedHttpServer server;
    answerInTurn(server, answers);
    const DrawDownloadResult result = runAgainst(server.address());

    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_EQ(result.requests, int(cases.size()));
    EXPECT_EQ(view.drawTexts.size(), int(cases.size())); // every draw is shown
    std::vector<double> storedDates;
    for (const DrawRecord& r : dir.readHistory()) storedDates.push_back(r.date);
    storedDates.erase(storedDates.begin(), storedDates.begin() + 2);
    std::vector<double> expectedDates;
    int rejected = 0, incomplete = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        if (cases[i].outcome == Case::Stored) expectedDates.push_back(dates[i]);
        if (cases[i].outcome != Case::Rejected) continue;
        ++rejected;
        const QString dateText = DayCount::toDate(dates[i]).toString(QStringLiteral("dd.MM.yyyy"));
        EXPECT_EQ(view.panel0.filter(dateText).filter(QStringLiteral("verworfen")).size(), 1)
            << cases[i].body;
    }
    for (const Case& c : cases) incomplete += c.outcome == Case::Incomplete;
    EXPECT_EQ(storedDates, expectedDates);
    EXPECT_EQ(result.rejected, rejected);
    EXPECT_EQ(result.incomplete, incomplete);
    EXPECT_EQ(dir.readHistory()[2].additional, 0);
}

TEST_F(DownloadFixture, AnUnreadableFirstOrLastFieldEndsTheRunKeepingEarlierDraws) {
    for (const char* bad : {"4,15,23,31,38,45,12\r\n", "4,15,23,31,38,45,12\n", "<html>Fehler</html>",
                            "4,15,23,31,38,45,12x", "42", "x,15,23,31,38,45,12"}) {
        writeHistoryEndingOn(day(2025, 8, 2));
        view = RecordingView{};
        view.todayDate = QDate(2025, 8, 16);
        ScriptedHttpServer server;
        answerInTurn(server, {ScriptedAnswer::ok("1,2,3,4,5,6,7"), ScriptedAnswer::ok(bad)});
        const DrawDownloadResult result = runAgainst(server.address());

        EXPECT_TRUE(result.error.contains(QStringLiteral("kein gültiger Integerwert"))) << bad;
        EXPECT_EQ(result.requests, 2) << bad;
        EXPECT_EQ(server.requests.size(), 2u);
        EXPECT_EQ(result.stored, 1);
        EXPECT_EQ(dir.readHistory().size(), 3u);
        EXPECT_EQ(view.ended, 1);
    }
}

TEST_F(DownloadFixture, StopDuringTheThirdRequestFinishesItAndSendsNoFourth) {
    writeHistoryEndingOn(day(2025, 8, 2));
    view.todayDate = QDate(2025, 9, 1);
    ScriptedHttpServer server;
    server.handler = [&](const SeenRequest&) {
        if (server.requests.size() == 3) view.stop = true;
        return ScriptedAnswer::ok(QByteArray::number(int(server.requests.size())) + ",10,11,12,13,14,0");
    };
    const DrawDownloadResult result = runAgainst(server.address());

    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.requests, 3);
    EXPECT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(result.stored, 3);
    EXPECT_EQ(dir.readHistory().back().date, day(2025, 8, 5));
    EXPECT_EQ(view.picker, day(2025, 8, 6)); // the first date not fetched
}

TEST_F(DownloadFixture, GoesThroughTheProxyWithCookiesKept) {
    writeHistoryEndingOn(day(2025, 8, 2));
    view.todayDate = QDate(2025, 8, 5);
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest& r) {
        ScriptedAnswer a = ScriptedAnswer::ok("");
        if (r.header("cookie").isEmpty()) a.headers << "Set-Cookie: SID=s1; Path=/";
        return a;
    };
    RecordingProxy proxy;
    view.proxyHost = QStringLiteral("127.0.0.1");
    view.proxyPort = QString::number(proxy.port());
    const DrawDownloadResult result = runAgainst(server.address());

    EXPECT_EQ(result.requests, 3);
    ASSERT_EQ(proxy.requests.size(), 3u);
    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(proxy.requests[0].target, server.address().toLatin1() + datum(day(2025, 8, 3)));
    EXPECT_EQ(proxy.requests[2].header("accept"), "text/html, */*");
    EXPECT_TRUE(server.requests[0].header("cookie").isEmpty());
    EXPECT_EQ(server.requests[1].header("cookie"), "SID=s1");
    EXPECT_EQ(server.requests[2].header("cookie"), "SID=s1");

    // The port is read before every request: a bad one ends the run before anything is sent.
    for (const char* port : {"abc", "", "70000"}) {
        view.proxyPort = QString::fromLatin1(port);
        const DrawDownloadResult bad = runAgainst(server.address());
        EXPECT_EQ(bad.requests, 0) << port;
        EXPECT_FALSE(bad.error.isEmpty()) << port;
    }
    EXPECT_EQ(proxy.requests.size(), 3u);
}

TEST_F(DownloadFixture, AHistoryThatCannotBeOpenedEndsTheRunBeforeAnyRequest) {
    QDir().mkpath(historyPath); // a directory where the file should be
    ScriptedHttpServer server;
    const DrawDownloadResult result = runAgainst(server.address());
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(result.requests, 0);
    EXPECT_EQ(view.started, 1);
    EXPECT_EQ(view.ended, 1);
}

TEST_F(DownloadFixture, AbortEndsAHangingRunAtOnceAndASecondStartIsRefused) {
    writeHistoryEndingOn(day(2025, 8, 2));
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::hang(); };
    client.setTimeout(60s);
    DrawDownload download(client, historyPath, {DrawSource::PerDate, QUrl(server.address())});
    std::optional<DrawDownloadResult> result;
    download.start(view, [&](const DrawDownloadResult& r) { result = r; });
    EXPECT_TRUE(download.running());
    EXPECT_FALSE(result); // the run goes on from the event loop
    ASSERT_TRUE(waitUntil([&] { return server.requests.size() == 1; }));

    DrawDownloadResult second;
    download.start(view, [&](const DrawDownloadResult& r) { second = r; });
    EXPECT_TRUE(second.refused);
    EXPECT_TRUE(download.running());

    // The run has ended when abort() returns: no waiting for the hanging answer.
    download.abort();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->stopped);
    EXPECT_EQ(result->requests, 1);
    EXPECT_EQ(view.started, 1);
    EXPECT_EQ(view.ended, 1);
    EXPECT_FALSE(download.running());
}

// A window closed during an update drops its run: nothing of the run is called afterwards.
TEST_F(DownloadFixture, ADownloadDestroyedDuringItsRunCallsNothingBack) {
    writeHistoryEndingOn(day(2025, 8, 2));
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::hang(); };
    client.setTimeout(200ms);
    bool finished = false;
    {
        DrawDownload download(client, historyPath, {DrawSource::PerDate, QUrl(server.address())});
        download.start(view, [&](const DrawDownloadResult&) { finished = true; });
        ASSERT_TRUE(waitUntil([&] { return server.requests.size() == 1; }));
    }
    waitUntil([] { return false; }, std::chrono::milliseconds(400));
    EXPECT_FALSE(finished);
    EXPECT_EQ(view.ended, 0);
    EXPECT_FALSE(client.busy());
}
