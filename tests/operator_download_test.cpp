// The update from the operator's results service, against a local fake of it.
#include "base/BuildInfo.h"
#include "base/DayCount.h"
#include "gui/Language.h"
#include "history/DrawDownload.h"
#include "history/NextDraw.h"
#include "net/HttpClient.h"
#include "history/PrizeTable.h"
#include "support/Awaiting.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QSslConfiguration>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class QuietView : public DrawDownloadView {
public:
    QDate todayDate{2025, 9, 1};
    double picker = 0;
    QStringList panel0;
    std::vector<double> pickerDates;
    void runStarted() override {}
    void runEnded() override {}
    double requestDate() const override { return picker; }
    bool setRequestDate(double dayCount) override {
        picker = dayCount;
        pickerDates.push_back(dayCount);
        return true;
    }
    QDate today() const override { return todayDate; }
    bool stopRequested() const override { return false; }
    QString proxyHostText() const override { return {}; }
    QString proxyPortText() const override { return QStringLiteral("80"); }
    void setStatusText(int panel, const QString& text) override {
        if (panel == 0) panel0 << text;
    }
    void setCurrentDrawDate(double) override {}
    void setDrawText(const QString&) override {}
    void setCrossSumText(const QString&) override {}
    void setTipDrawText(const QString&) override {}
};

std::vector<DrawRecord> upTo(const QDate& last) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : realHistory())
        if (r.date <= DayCount::fromDate(last)) out.push_back(r);
    return out;
}

struct OperatorDownload : ::testing::Test {
    TestProgramDir dir;
    QString historyPath = dir.file(QStringLiteral("ZahlenGR.dat"));
    QString prizePath = PrizeTable::companionPath(historyPath);
    QString nextPath = NextDraw::companionPath(historyPath);
    HttpClient client;
    QuietView view;
    const std::vector<DrawRecord> all = realHistory();

    void SetUp() override { QDir().mkpath(dir.path()); }

    QByteArray historyBytes() const { return readBytes(historyPath); }
    DrawDownloadResult runAgainst(const QString& base) {
        DrawDownload download(client, historyPath, *DrawSource::parse(base));
        download.setPrizeTablePath(prizePath);
        download.setNextDrawPath(nextPath);
        download.setRetryPause(10ms, 200ms);
        return runToEnd(download, view);
    }
};

// The date ranges asked for, in order (not the request for the next draw).
std::vector<std::pair<QDate, QDate>> rangesAsked(const FakeOperator& fake) {
    std::vector<std::pair<QDate, QDate>> out;
    for (const SeenRequest& r : fake.requests) {
        const QList<QByteArray> parts = r.target.split('?').value(0).split('/');
        if (parts.value(4) != "draw-date") continue;
        out.emplace_back(QDate::fromString(QString::fromLatin1(parts.value(5)), Qt::ISODate),
                         QDate::fromString(QString::fromLatin1(parts.value(6)), Qt::ISODate));
    }
    return out;
}

} // namespace

TEST_F(OperatorDownload, FromTheEndOf2024TheHistoryBecomesTheBundledOneByteForByte) {
    dir.writeHistory(upTo(QDate(2024, 12, 28)));
    FakeOperator fake(all);
    fake.maxLimit = 5; // fewer per page than asked for: the ranges come in pages
    const DrawDownloadResult result = runAgainst(fake.base());

    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.stored, 70);
    EXPECT_EQ(historyBytes(), recordBytes(all));
    EXPECT_EQ(historyBytes().size(), 3449 * 32);
    // Ranges of 31 days from the day after the newest draw to today, each asked page by page,
    // then the next draw.
    EXPECT_EQ(fake.requests.front().target, "/draws/v3.0/5103/draw-date/2024-12-29/2025-01-28?limit=100&page=0");
    EXPECT_EQ(fake.requests[1].target, "/draws/v3.0/5103/draw-date/2024-12-29/2025-01-28?limit=100&page=1");
    EXPECT_EQ(fake.requests.back().target, "/draws/v3.0/5103/last-result-and-active");
    EXPECT_EQ(result.requests, int(fake.requests.size()));
    const auto ranges = rangesAsked(fake);
    EXPECT_EQ(ranges.back().second, QDate(2025, 9, 1));
    for (size_t i = 1; i < ranges.size(); ++i) {
        EXPECT_LE(ranges[i].first.daysTo(ranges[i].second) + 1, 31);
        // The next page of the same range, or the next range.
        EXPECT_TRUE(ranges[i] == ranges[i - 1] || ranges[i].first == ranges[i - 1].second.addDays(1));
    }
    EXPECT_EQ(result.newestStored, DayCount::fromDate(QDate(2025, 8, 30)));
    EXPECT_EQ(view.picker, DayCount::fromDate(QDate(2025, 9, 2)));
    // An honest agent and JSON asked for, on every request.
    for (const SeenRequest& r : fake.requests) {
        EXPECT_EQ(r.header("user-agent"), "Quintara-GR/" + BuildInfo::version().toUtf8());
        EXPECT_EQ(r.header("accept"), "application/json");
    }

    // The prize tables of every stored draw sit beside the history.
    const PrizeTable prizes = PrizeTable::read(prizePath);
    EXPECT_EQ(prizes.size(), 70);
    EXPECT_EQ(prizes.damagedLines(), 0);
    EXPECT_EQ(prizes.mendedLines(), 0);
    ASSERT_NE(prizes.find(QDate(2025, 8, 30)), nullptr);
    EXPECT_EQ(prizes.find(QDate(2025, 8, 30))->tiers.size(), 4u);
    EXPECT_EQ(prizes.dividend(QDate(2025, 8, 30), 5, false), 1500.0);
    EXPECT_EQ(prizes.dividend(QDate(2025, 8, 30), 4, false), 30.0);
    EXPECT_DOUBLE_EQ(prizes.find(QDate(2025, 8, 30))->tiers[1].fixed, 1500.0);
    // And the next draw: Wednesday 3 September, with the jackpot announced.
    const auto next = NextDraw::read(nextPath);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->fetched, QDate(2025, 9, 1));
    EXPECT_EQ(OperatorResults::greekDate(next->draw.drawTime), QDate(2025, 9, 3));
    EXPECT_EQ(next->draw.jackpot, 1200000.0);
    EXPECT_TRUE(result.nextDrawStored);

    // Up to date: the next run asks for the two days since and stores nothing.
    view.todayDate = QDate(2025, 9, 2);
    fake.requests.clear();
    fake.nextJackpot = 0;
    const DrawDownloadResult again = runAgainst(fake.base());
    EXPECT_EQ(again.stored, 0);
    EXPECT_EQ(again.requests, 2);
    EXPECT_TRUE(again.summaryText().contains(QStringLiteral("neuesten Stand")));
    EXPECT_EQ(historyBytes(), recordBytes(all));
    ASSERT_TRUE(NextDraw::read(nextPath));
    EXPECT_FALSE(NextDraw::read(nextPath)->draw.jackpot); // none announced this time
}

TEST_F(OperatorDownload, AFirstUpdateFrom1990BringsTheWholeBundledHistory) {
    // A service as strict as the real one may be: ranges over 31 days refused with an error
    // object, ten draws a page, the old agent string turned away; once busy, and once an error
    // object for a range it would otherwise serve (the run goes on with 15 days).
    // (Most of the run time is the history's sync of every appended draw.)
    FakeOperator fake(all);
    fake.maxRangeDays = 31;
    fake.maxLimit = 10;
    fake.rangeRefusalStatus = 200;
    fake.script = [](const SeenRequest&, int index) -> std::optional<FakeAnswer> {
        if (index == 20) return FakeAnswer::reply(503, "Service Unavailable", R"({"code":503,"message":"busy"})");
        if (index == 380) return FakeAnswer::reply(200, "OK", R"({"code":1001,"message":"try a shorter range"})");
        return std::nullopt;
    };
    view.picker = DayCount::fromDate(QDate(1990, 11, 30)); // the first request is for 1 December 1990
    const DrawDownloadResult result = runAgainst(fake.base());

    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.stored, 3449);
    EXPECT_EQ(rangesAsked(fake).front().first, QDate(1990, 12, 1));
    // Byte for byte the history the build makes from the bundled CSV.
    QFile built(QStringLiteral(QUINTARA_BINARY_DIR "/ZahlenGR.sample.dat"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_TRUE(historyBytes() == built.readAll());
    const PrizeTable prizes = PrizeTable::read(prizePath);
    EXPECT_EQ(prizes.size(), 3449);
    EXPECT_EQ(prizes.damagedLines(), 0);
    const QDate may(2022, 5, 7);
    EXPECT_EQ(prizes.dividend(may, 5, true), FakeOperator::dividendOf(10, may));
    EXPECT_EQ(prizes.dividend(may, 3, false), 1.5);
    EXPECT_TRUE(NextDraw::read(nextPath));
}

TEST_F(OperatorDownload, HolidayMovedDrawsArriveAndLongRangesAreSplitWhenRefused) {
    dir.writeHistory(upTo(QDate(2022, 12, 31)));
    FakeOperator fake(all);
    fake.maxRangeDays = 10;
    fake.rangeRefusalStatus = 200; // error objects with status 200
    fake.descending = false;
    const DrawDownloadResult result = runAgainst(fake.base());

    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(all));
    // 2023-03-26, 2023-10-29 and 2024-12-26 fell on a Sunday or Thursday.
    int moved = 0;
    for (const DrawRecord& r : dir.readHistory()) {
        const int wd = DayCount::weekday(r.date);
        moved += r.date > DayCount::fromDate(QDate(2022, 12, 31)) && wd != DayCount::Wednesday && wd != DayCount::Saturday;
    }
    EXPECT_EQ(moved, 3);
    // 31 days were refused, then 15; 7 days are accepted.
    EXPECT_EQ(result.failed, 2);
    const auto ranges = rangesAsked(fake);
    ASSERT_GT(ranges.size(), 3u);
    EXPECT_EQ(ranges[0].first.daysTo(ranges[0].second) + 1, 31);
    EXPECT_EQ(ranges[1].first.daysTo(ranges[1].second) + 1, 15);
    for (size_t i = 2; i < ranges.size(); ++i) EXPECT_LE(ranges[i].first.daysTo(ranges[i].second) + 1, 7);
}

TEST_F(OperatorDownload, ADrawNotYetDrawnWaitsForTheNextUpdate) {
    dir.writeHistory(upTo(QDate(2025, 8, 2)));
    FakeOperator fake(all);
    fake.statusOf[QDate(2025, 8, 20)] = QStringLiteral("active");
    const DrawDownloadResult first = runAgainst(fake.base());
    EXPECT_EQ(first.incomplete, 1);
    EXPECT_EQ(first.stored, 4); // 6, 9, 13 and 16 August; nothing after the unfinished draw
    EXPECT_EQ(dir.readHistory().back().date, DayCount::fromDate(QDate(2025, 8, 16)));

    fake.statusOf.clear();
    fake.statusOf[QDate(2025, 8, 27)] = QStringLiteral("cancelled"); // no draw at all
    const DrawDownloadResult second = runAgainst(fake.base());
    EXPECT_EQ(second.stored, 3);
    EXPECT_EQ(rangesAsked(fake).back().first, QDate(2025, 8, 17));
    std::vector<DrawRecord> expected = upTo(QDate(2025, 8, 30));
    expected.erase(expected.end() - 2); // the cancelled 27 August
    EXPECT_EQ(historyBytes(), recordBytes(expected));
}

TEST_F(OperatorDownload, FailuresEndTheRunWithoutLeavingAGapAndSayWhy) {
    const auto old = upTo(QDate(2025, 5, 31));
    dir.writeHistory(old);
    FakeOperator fake(all);
    // Any range holding 20 July fails: halved down to that one day, then given up.
    fake.script = [&](const SeenRequest& r, int) -> std::optional<FakeAnswer> {
        const QList<QByteArray> parts = r.target.split('?').value(0).split('/');
        if (parts.value(4) != "draw-date") return std::nullopt;
        const QDate from = QDate::fromString(QString::fromLatin1(parts.value(5)), Qt::ISODate);
        const QDate to = QDate::fromString(QString::fromLatin1(parts.value(6)), Qt::ISODate);
        if (from <= QDate(2025, 7, 20) && to >= QDate(2025, 7, 20))
            return FakeAnswer::reply(500, "Internal Server Error", R"({"code":9,"message":"database offline"})");
        return std::nullopt;
    };
    const DrawDownloadResult broken = runAgainst(fake.base());
    EXPECT_TRUE(broken.endReason.contains(QStringLiteral("500 Internal Server Error")))
        << broken.endReason.toStdString();
    EXPECT_TRUE(broken.endReason.contains(QStringLiteral("der Dienst meldet Fehler 9: database offline")))
        << broken.endReason.toStdString();
    EXPECT_TRUE(broken.endReason.contains(QStringLiteral("20.07.2025"))) << broken.endReason.toStdString();
    EXPECT_TRUE(broken.summaryText().contains(QStringLiteral("Grund:")));
    EXPECT_EQ(rangesAsked(fake).back(), std::make_pair(QDate(2025, 7, 20), QDate(2025, 7, 20)));
    // Everything before the failing day arrived, nothing after it; no next draw was asked for.
    EXPECT_EQ(historyBytes(), recordBytes(upTo(QDate(2025, 7, 19))));
    EXPECT_FALSE(NextDraw::read(nextPath));

    // Each kind of failure, in words, and how often it is asked.
    struct Case {
        std::function<std::optional<FakeAnswer>(const SeenRequest&, int)> script;
        const char* reason;
        size_t requests;
    };
    const Case cases[] = {
        {[](const SeenRequest&, int) { return FakeAnswer::reply(200, "OK", "{\"content\":[{\"drawId\":"); }, "JSON", 1},
        {[](const SeenRequest&, int) { return FakeAnswer::reply(200, "OK", "<html>Wartung</html>"); }, "JSON", 1},
        {[](const SeenRequest&, int) { return FakeAnswer::hanging(); }, "Zeitüberschreitung", 1},
        {[](const SeenRequest&, int) { return FakeAnswer::reply(429, "Too Many Requests", "", {"Retry-After: 0"}); },
         "429 Too Many Requests", 3}, // asked three times in all, then given up
        // Refusals: 31, 15, 7, 3 and 1 days (from 20 July), then given up.
        {[](const SeenRequest&, int) { return FakeAnswer::reply(404, "Not Found", "{}"); }, "HTTP-Status 404 Not Found", 5},
        {[](const SeenRequest&, int) { return FakeAnswer::reply(200, "OK", R"({"code":1003,"message":"range"})"); },
         "der Dienst meldet Fehler 1003: range", 5},
    };
    client.setTimeout(300ms);
    for (const Case& c : cases) {
        fake.requests.clear();
        fake.script = c.script;
        const QByteArray before = historyBytes();
        const DrawDownloadResult r = runAgainst(fake.base());
        EXPECT_EQ(r.stored, 0);
        EXPECT_TRUE(r.endReason.contains(QString::fromUtf8(c.reason))) << r.endReason.toStdString();
        EXPECT_EQ(historyBytes(), before);
        EXPECT_EQ(fake.requests.size(), c.requests) << c.reason;
    }

    // A busy service that recovers: asked again after the pause, and the run goes to its end.
    fake.requests.clear();
    fake.script = [](const SeenRequest&, int index) -> std::optional<FakeAnswer> {
        if (index == 0) return FakeAnswer::reply(503, "Service Unavailable", "");
        return std::nullopt;
    };
    client.setTimeout(10s);
    const DrawDownloadResult recovered = runAgainst(fake.base());
    EXPECT_TRUE(recovered.endReason.isEmpty()) << recovered.endReason.toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(all));
}

TEST_F(OperatorDownload, TheOldAgentStringIsTurnedAwayByTheService) {
    // What the per-date protocol sends; the fake answers it as block lists do.
    FakeOperator fake(all);
    const HttpResult r = fetch(client, OperatorResults::rangeUrl(QUrl(fake.base()), QDate(2025, 8, 1), QDate(2025, 8, 31), 0), {});
    EXPECT_EQ(r.statusCode, 403);
    EXPECT_EQ(fake.requests.at(0).header("user-agent"), HttpClient::UserAgentValue);
    const HttpResult ok = fetch(client, OperatorResults::rangeUrl(QUrl(fake.base()), QDate(2025, 8, 1), QDate(2025, 8, 31), 0),
                                     {}, DrawDownload::operatorHeaders());
    EXPECT_TRUE(ok.succeeded()) << ok.failureText().toStdString();
}

TEST_F(OperatorDownload, AbortStopsTheRequestInFlightAndKeepsWhatArrived) {
    dir.writeHistory(upTo(QDate(2025, 5, 31)));
    FakeOperator fake(all);
    client.setTimeout(60s);
    DrawDownload download(client, historyPath, *DrawSource::parse(fake.base()));
    fake.script = [&](const SeenRequest&, int index) -> std::optional<FakeAnswer> {
        if (index == 2) {
            QTimer::singleShot(20ms, [&] { download.abort(); });
            return FakeAnswer::hanging();
        }
        return std::nullopt;
    };
    const DrawDownloadResult result = runToEnd(download, view);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.requests, 3);
    EXPECT_EQ(historyBytes(), recordBytes(upTo(QDate(2025, 8, 1))));
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("angehalten")));
}

TEST_F(OperatorDownload, AnInvalidDrawEndsTheRunAndNothingAfterItIsStored) {
    std::vector<DrawRecord> published = upTo(QDate(2025, 8, 30));
    const auto old = upTo(QDate(2025, 8, 13));
    dir.writeHistory(old);
    published[published.size() - 4].numbers[1] = published[published.size() - 4].numbers[0]; // 20 August
    FakeOperator fake(published);
    const DrawDownloadResult result = runAgainst(fake.base());
    EXPECT_EQ(result.rejected, 1);
    EXPECT_EQ(result.stored, 1); // 16 August; not 23, 27 and 30 August after the bad one
    EXPECT_EQ(view.panel0.filter(QStringLiteral("20.08.2025")).filter(QStringLiteral("verworfen")).size(), 1);
    EXPECT_TRUE(result.endReason.contains(QStringLiteral("die Ziehung vom 20.08.2025 ist unbrauchbar")))
        << result.endReason.toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(upTo(QDate(2025, 8, 16))));
    EXPECT_EQ(PrizeTable::read(prizePath).size(), 1);

    // Once the service mends it, the next update takes it and the rest.
    FakeOperator mended(upTo(QDate(2025, 8, 30)));
    EXPECT_TRUE(runAgainst(mended.base()).endReason.isEmpty());
    EXPECT_EQ(historyBytes(), recordBytes(upTo(QDate(2025, 8, 30))));
}

TEST_F(OperatorDownload, AServiceThatRepeatsPagesOrMiscountsStoresNothingOfTheRange) {
    const auto old = upTo(QDate(2025, 7, 31));
    dir.writeHistory(old);
    FakeOperator fake(all);
    fake.maxLimit = 4;
    struct Case {
        std::function<std::optional<FakeAnswer>(const SeenRequest&, int)> script;
        const char* reason;
    };
    const Case cases[] = {
        // Every page number answered with the first page, claiming many pages.
        {[&](const SeenRequest& r, int) -> std::optional<FakeAnswer> {
             SeenRequest first = r;
             first.target.replace("page=1", "page=0").replace("page=2", "page=0");
             FakeAnswer a = fake.answer(first);
             a.body.replace("\"totalPages\":3", "\"totalPages\":1000");
             return a;
         },
         "mehrfach"},
        // Fewer draws than the service itself counts.
        {[&](const SeenRequest& r, int) -> std::optional<FakeAnswer> {
             FakeAnswer a = fake.answer(r);
             a.body.replace("\"totalElements\":9", "\"totalElements\":12");
             return a;
         },
         "nannte 12 Ziehungen"},
        // An answer far beyond any page of draws.
        {[](const SeenRequest&, int) { return FakeAnswer::reply(200, "OK", QByteArray(1100 * 1024, ' ')); }, "zu groß"},
    };
    for (const Case& c : cases) {
        fake.script = c.script;
        const DrawDownloadResult r = runAgainst(fake.base());
        EXPECT_EQ(r.stored, 0) << c.reason;
        EXPECT_TRUE(r.endReason.contains(QString::fromUtf8(c.reason))) << r.endReason.toStdString();
        EXPECT_EQ(historyBytes(), recordBytes(old));
    }
}

TEST_F(OperatorDownload, AnUnreadablePrizeFileIsSetAsideAndTheUpdateGoesOn) {
    FakeOperator fake(all);
    const QByteArray header = PrizeTable::Header.toLatin1() + "\r\n";
    const QByteArray line = "2025-08-16,2918,4,3,0,1.5,20000,1.50,0\r\n";
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    };
    const Case cases[] = {
        {"a directory", [&] { QDir().mkpath(prizePath); }, "Verzeichnis"},
        {"too many lines", [&] { writeBytes(prizePath, header + line.repeated(250000)); }, "zu viele Zeilen"},
        {"too large", [&] { writeBytes(prizePath, header + QByteArray(17 * 1024 * 1024, 'x')); }, "zu groß"},
    };
    for (const Case& c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        dir.writeHistory(upTo(QDate(2025, 8, 16)));
        writeBytes(prizePath + QStringLiteral(".defekt"), "an earlier one, not to be replaced");
        c.make();
        const qint64 before = QFileInfo(prizePath).size();
        const DrawDownloadResult result = runAgainst(fake.base());
        EXPECT_TRUE(result.error.isEmpty()) << c.what << ": " << result.error.toStdString();
        EXPECT_EQ(result.stored, 4) << c.what;
        // Moved whole beside the history, under a free name; the tables start afresh.
        EXPECT_EQ(result.prizeFileSetAside, prizePath + QStringLiteral(".defekt2")) << c.what;
        EXPECT_EQ(QFileInfo(result.prizeFileSetAside).size(), before) << c.what;
        EXPECT_EQ(readBytes(prizePath + QStringLiteral(".defekt")), "an earlier one, not to be replaced");
        EXPECT_EQ(PrizeTable::read(prizePath).size(), 4) << c.what;
        const QString summary = result.summaryText();
        EXPECT_TRUE(summary.contains(QStringLiteral(".defekt2")) && summary.contains(QString::fromUtf8(c.reason)))
            << c.what << ": " << summary.toStdString();
    }
}

TEST_F(OperatorDownload, ADrawWithEndlessPrizeCategoriesKeepsTheFirstOnesWithANote) {
    dir.writeHistory(upTo(QDate(2025, 8, 16)));
    FakeOperator fake(all);
    // The newest draw of the answer comes with 60,000 categories more, as short as JSON allows:
    // as many as fit a page (a table of 250,000 exceeds any page and ends the run unstored).
    QByteArray more;
    for (int id = 11; id < 11 + 60000; ++id) more += "{\"id\":" + QByteArray::number(id) + "},";
    fake.script = [&](const SeenRequest& r, int) -> std::optional<FakeAnswer> {
        FakeAnswer a = fake.answer(r);
        a.body.replace(a.body.indexOf("\"prizeCategories\":[") + 19, 0, more);
        return a;
    };
    const DrawDownloadResult result = runAgainst(fake.base());
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.stored, 4);
    const PrizeTable prizes = PrizeTable::read(prizePath);
    ASSERT_NE(prizes.find(QDate(2025, 8, 30)), nullptr);
    EXPECT_EQ(prizes.find(QDate(2025, 8, 30))->tiers.size(), size_t(PrizeTable::MaxTiers));
    EXPECT_EQ(prizes.find(QDate(2025, 8, 27))->tiers.size(), 4u);
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("Die Ziehung vom 30.08.2025 kam mit 60004 Gewinnklassen")))
        << result.summaryText().toStdString();
}

TEST_F(OperatorDownload, WorksOverHttpsWithATrustedCertificate) {
    const std::optional<TestCertificate> cert = TestCertificate::make(dir.path());
    ASSERT_TRUE(cert) << "openssl could not make a certificate";
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration saved = conf;
    conf.addCaCertificate(cert->certificate);
    QSslConfiguration::setDefaultConfiguration(conf);

    dir.writeHistory(upTo(QDate(2025, 7, 31)));
    FakeOperator fake(all, &*cert);
    ASSERT_TRUE(fake.base().startsWith(QStringLiteral("https://")));
    const DrawDownloadResult result = runAgainst(fake.base());
    QSslConfiguration::setDefaultConfiguration(saved);
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(all));
}

namespace {

double dayOf(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}

} // namespace

TEST(DrawRecheck, AsksForRecentHolesAndMissingTablesInSharedRanges) {
    // The lottery's own pauses (spring 2020, January 2021) lie more than a year back: not asked.
    std::vector<DrawRecord> history;
    for (const DrawRecord& r : realHistory())
        if (r.date <= dayOf(2025, 6, 4) || r.date == dayOf(2025, 8, 23) || r.date >= dayOf(2025, 8, 27))
            history.push_back(r);
    PrizeTable prizes;
    for (const DrawRecord& r : history)
        if (r.date >= dayOf(2025, 8, 23) && r.date != dayOf(2025, 8, 27)) prizes.merge({DayCount::toDate(r.date), 1, {}});
    const auto ranges = DrawDownload::recheckRanges(history, prizes, QDate(2025, 9, 1));
    // The hole of 5 June to 23 August in ranges of at most 31 days; the last one takes along the
    // draw of 27 August, which has no table (the first table is that of 23 August).
    const std::vector<std::pair<QDate, QDate>> expected = {{QDate(2025, 6, 5), QDate(2025, 7, 5)},
                                                           {QDate(2025, 7, 6), QDate(2025, 8, 5)},
                                                           {QDate(2025, 8, 6), QDate(2025, 8, 27)}};
    EXPECT_EQ(ranges, expected);
    // A week between two draws is no hole; without any table no table is missing.
    EXPECT_TRUE(DrawDownload::recheckRanges(upTo(QDate(2025, 8, 30)), PrizeTable{}, QDate(2025, 9, 1)).empty());
}

// The tables of a window are written before its draws are appended: an update ended by a full
// disk after some appends leaves every stored draw with its table, and the next update brings
// the rest.
TEST_F(OperatorDownload, AnUpdateEndedAfterItsAppendsLeavesNoStoredDrawWithoutItsTable) {
    const auto old = upTo(QDate(2025, 7, 31));
    dir.writeHistory(old);
    FakeOperator fake(all);
    DrawDownloadResult cut;
    {
        FileSizeLimit limit(static_cast<rlim_t>(old.size() + 3) * DrawRecord::Size);
        cut = runAgainst(fake.base());
    }
    EXPECT_FALSE(cut.error.isEmpty());
    EXPECT_EQ(cut.stored, 3);
    const PrizeTable afterCut = PrizeTable::read(prizePath);
    for (const DrawRecord& r : dir.readHistory())
        if (r.date > old.back().date) {
            EXPECT_NE(afterCut.find(DayCount::toDate(r.date)), nullptr) << r.date;
        }

    const DrawDownloadResult rest = runAgainst(fake.base());
    EXPECT_TRUE(rest.error.isEmpty()) << rest.error.toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(all));
    EXPECT_EQ(PrizeTable::read(prizePath).size(), 9);
}

TEST_F(OperatorDownload, TablesMissingForStoredDrawsAreFetchedAndTheDrawsStayAsStored) {
    // An older update stored the draws of August without their tables; the 16 August draw was
    // typed in with other numbers than the operator's.
    std::vector<DrawRecord> stored = upTo(QDate(2025, 8, 30));
    DrawRecord& typed = stored[stored.size() - 5];
    ASSERT_EQ(typed.date, dayOf(2025, 8, 16));
    typed.numbers = {1, 2, 3, 4, 5, 6};
    dir.writeHistory(stored);
    PrizeTable july;
    for (const DrawRecord& r : upTo(QDate(2025, 7, 31)))
        if (r.date >= dayOf(2025, 7, 1)) july.merge({DayCount::toDate(r.date), 1, {{1, 6, false, 0, 0, 0, 0}}});
    july.write(prizePath);
    FakeOperator fake(all);

    const DrawDownloadResult result = runAgainst(fake.base());
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.stored, 0);
    EXPECT_EQ(result.holesFilled, 0);
    EXPECT_EQ(result.tablesFilled, 9);
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("Die Quoten von 9 gespeicherten Ziehungen nachgeholt.")))
        << result.summaryText().toStdString();
    EXPECT_EQ(historyBytes(), recordBytes(stored));
    const PrizeTable prizes = PrizeTable::read(prizePath);
    EXPECT_EQ(prizes.size(), july.size() + 9);
    EXPECT_EQ(prizes.dividend(QDate(2025, 8, 16), 4, false), 30.0);
    // The days after the newest draw, then August from the first draw without a table, in one
    // range; nothing before July.
    const std::vector<std::pair<QDate, QDate>> expected = {{QDate(2025, 8, 31), QDate(2025, 9, 1)},
                                                           {QDate(2025, 8, 2), QDate(2025, 8, 30)}};
    EXPECT_EQ(rangesAsked(fake), expected);

    // Nothing missing any more: nothing asked again.
    fake.requests.clear();
    EXPECT_EQ(runAgainst(fake.base()).tablesFilled, 0);
    EXPECT_EQ(rangesAsked(fake).size(), 1u);
}

TEST_F(OperatorDownload, HolesLeftByATypedInLaterDrawAreFilledInDateOrderAndWholeOnly) {
    // Stored up to 2 August, then 23 August typed in by hand: 6 to 20 August are missing.
    std::vector<DrawRecord> stored = upTo(QDate(2025, 8, 2));
    DrawRecord typed = upTo(QDate(2025, 8, 23)).back();
    typed.numbers = {1, 2, 3, 4, 5, 6};
    stored.push_back(typed);
    dir.writeHistory(stored);

    // A bad draw in the hole: nothing of that range goes in, and the reason names it.
    std::vector<DrawRecord> published = all;
    DrawRecord& bad = *std::find_if(published.begin(), published.end(),
                                    [](const DrawRecord& r) { return r.date == dayOf(2025, 8, 13); });
    bad.numbers[1] = bad.numbers[0];
    FakeOperator broken(published);
    const DrawDownloadResult refused = runAgainst(broken.base());
    EXPECT_EQ(refused.holesFilled, 0);
    EXPECT_TRUE(refused.endReason.contains(QStringLiteral("13.08.2025"))) << refused.endReason.toStdString();
    EXPECT_EQ(dir.readHistory().size(), stored.size() + 2); // 27 and 30 August appended

    FakeOperator fake(all);
    const DrawDownloadResult result = runAgainst(fake.base());
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.holesFilled, 5);
    EXPECT_EQ(result.tablesFilled, 1); // the typed draw's, asked for with the hole
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("5 fehlende Ziehungen nachgetragen.")))
        << result.summaryText().toStdString();
    Language::select(Language::Id::English);
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("5 missing draws filled in."))) << result.summaryText().toStdString();
    Language::select(Language::Id::Greek);
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("Συμπληρώθηκαν 5 κληρώσεις που έλειπαν.")))
        << result.summaryText().toStdString();
    Language::select(Language::Id::German);
    std::vector<DrawRecord> expected = all;
    for (DrawRecord& r : expected)
        if (r.date == typed.date) r = typed; // the typed draw stays as typed
    EXPECT_EQ(dir.readHistory(), expected);
    const PrizeTable prizes = PrizeTable::read(prizePath);
    for (const QDate& d : {QDate(2025, 8, 6), QDate(2025, 8, 20), QDate(2025, 8, 23), QDate(2025, 8, 30)})
        EXPECT_NE(prizes.find(d), nullptr) << d.toString().toStdString();
    EXPECT_EQ(rangesAsked(fake).back(), std::make_pair(QDate(2025, 8, 3), QDate(2025, 8, 23)));

    // Filled: the next update asks only for the days since.
    fake.requests.clear();
    EXPECT_EQ(runAgainst(fake.base()).holesFilled, 0);
    EXPECT_EQ(rangesAsked(fake).size(), 1u);
}
