// The update from the operator's results service, against a local fake of it.
#include "base/DayCount.h"
#include "history/DrawDownload.h"
#include "net/HttpClient.h"
#include "history/PrizeTable.h"
#include "support/FakeOperator.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QSslConfiguration>
#include <QTimer>
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

QByteArray bytesOf(const std::vector<DrawRecord>& records) {
    QByteArray out;
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        out.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
    return out;
}

struct OperatorDownload : ::testing::Test {
    TestProgramDir dir;
    QString historyPath = dir.file(QStringLiteral("ZahlenGR.dat"));
    QString prizePath = PrizeTable::companionPath(historyPath);
    HttpClient client;
    QuietView view;
    const std::vector<DrawRecord> all = realHistory();

    void SetUp() override { QDir().mkpath(dir.path()); }

    QByteArray historyBytes() const {
        QFile f(historyPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    DrawDownloadResult runAgainst(const QString& base) {
        DrawDownload download(client, historyPath, *DrawSource::parse(base));
        download.setPrizeTablePath(prizePath);
        download.setRetryPause(10ms, 200ms);
        return download.run(view);
    }
};

} // namespace

TEST_F(OperatorDownload, FromTheEndOf2024TheHistoryBecomesTheBundledOneByteForByte) {
    dir.writeHistory(upTo(QDate(2024, 12, 28)));
    FakeOperator fake(all);
    fake.maxLimit = 10; // the service pages by ten: seven pages for the 70 missing draws
    const DrawDownloadResult result = runAgainst(fake.base());

    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(result.stored, 70);
    EXPECT_EQ(result.requests, 7);
    EXPECT_EQ(historyBytes(), bytesOf(all));
    EXPECT_EQ(historyBytes().size(), 3449 * 32);
    // One range from the day after the newest draw to today, asked page by page.
    ASSERT_EQ(fake.requests.size(), 7u);
    EXPECT_EQ(fake.requests[0].target, "/draws/v3.0/5103/draw-date/2024-12-29/2025-09-01?limit=50&page=0");
    EXPECT_EQ(fake.requests[6].target, "/draws/v3.0/5103/draw-date/2024-12-29/2025-09-01?limit=50&page=6");
    EXPECT_EQ(result.newestStored, DayCount::fromDate(QDate(2025, 8, 30)));
    EXPECT_EQ(view.picker, DayCount::fromDate(QDate(2025, 9, 2)));

    // The prize tables of every stored draw sit beside the history.
    const PrizeTable prizes = PrizeTable::read(prizePath);
    EXPECT_EQ(prizes.size(), 70);
    EXPECT_EQ(prizes.damagedLines(), 0);
    ASSERT_NE(prizes.find(QDate(2025, 8, 30)), nullptr);
    EXPECT_EQ(prizes.find(QDate(2025, 8, 30))->tiers.size(), 4u);
    EXPECT_EQ(prizes.dividend(QDate(2025, 8, 30), 5, false), 1000000.0 / 8 + 0.5);

    // Up to date: the next run asks for the two days since and stores nothing.
    view.todayDate = QDate(2025, 9, 2);
    const DrawDownloadResult again = runAgainst(fake.base());
    EXPECT_EQ(again.stored, 0);
    EXPECT_EQ(again.requests, 1);
    EXPECT_TRUE(again.summaryText().contains(QStringLiteral("neuesten Stand")));
    EXPECT_EQ(historyBytes(), bytesOf(all));
}

TEST_F(OperatorDownload, HolidayMovedDrawsArriveAndLongRangesAreSplitWhenRefused) {
    dir.writeHistory(upTo(QDate(2022, 12, 31)));
    FakeOperator fake(all);
    fake.maxRangeDays = 40;
    fake.descending = false;
    const DrawDownloadResult result = runAgainst(fake.base());

    EXPECT_TRUE(result.endReason.isEmpty()) << result.endReason.toStdString();
    EXPECT_EQ(historyBytes(), bytesOf(all));
    // 2023-03-26, 2023-10-29 and 2024-12-26 fell on a Sunday or Thursday.
    int moved = 0;
    for (const DrawRecord& r : dir.readHistory()) {
        const int wd = DayCount::weekday(r.date);
        moved += r.date > DayCount::fromDate(QDate(2022, 12, 31)) && wd != DayCount::Wednesday && wd != DayCount::Saturday;
    }
    EXPECT_EQ(moved, 3);
    // 366 days were refused, then 183, 91 and 45; 22 days are accepted.
    EXPECT_EQ(result.failed, 4);
    for (size_t i = 4; i < fake.requests.size(); ++i) {
        const QList<QByteArray> parts = fake.requests[i].target.split('/');
        const QDate from = QDate::fromString(QString::fromLatin1(parts.value(5)), Qt::ISODate);
        const QDate to = QDate::fromString(QString::fromLatin1(parts.value(6).split('?').value(0)), Qt::ISODate);
        EXPECT_LE(from.daysTo(to) + 1, 22) << fake.requests[i].target.constData();
    }
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
    EXPECT_EQ(fake.requests.back().target.split('/').value(5), "2025-08-17");
    std::vector<DrawRecord> expected = upTo(QDate(2025, 8, 30));
    expected.erase(expected.end() - 2); // the cancelled 27 August
    EXPECT_EQ(historyBytes(), bytesOf(expected));
}

TEST_F(OperatorDownload, FailuresEndTheRunWithoutLeavingAGapAndSayWhy) {
    const auto old = upTo(QDate(2025, 5, 31));
    dir.writeHistory(old);
    FakeOperator fake(all);
    fake.maxRangeDays = 31; // windows of 22 days after the refusals
    int served = 0;
    fake.script = [&](const SeenRequest&, int index) -> std::optional<FakeAnswer> {
        if (index < 4) return std::nullopt; // the refused long ranges
        if (++served == 3) return FakeAnswer::reply(500, "Internal Server Error", "{}");
        return std::nullopt;
    };
    const DrawDownloadResult broken = runAgainst(fake.base());
    EXPECT_TRUE(broken.endReason.contains(QStringLiteral("500 Internal Server Error")))
        << broken.endReason.toStdString();
    EXPECT_TRUE(broken.summaryText().contains(QStringLiteral("Grund:")));
    // Two windows of 22 days arrived (1 June to 14 July), nothing after the failed one.
    const auto now = dir.readHistory();
    EXPECT_EQ(now.back(), upTo(QDate(2025, 7, 14)).back());
    EXPECT_EQ(historyBytes(), bytesOf(upTo(QDate(2025, 7, 14))));

    // Each kind of failure, in words.
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
        {[](const SeenRequest&, int) { return FakeAnswer::reply(404, "Not Found", "{}"); }, "HTTP-Status 404 Not Found", 1},
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
    EXPECT_EQ(historyBytes(), bytesOf(all));
}

TEST_F(OperatorDownload, AbortStopsTheRequestInFlightAndKeepsWhatArrived) {
    dir.writeHistory(upTo(QDate(2025, 5, 31)));
    FakeOperator fake(all);
    fake.maxRangeDays = 31;
    client.setTimeout(60s);
    DrawDownload download(client, historyPath, *DrawSource::parse(fake.base()));
    fake.script = [&](const SeenRequest&, int index) -> std::optional<FakeAnswer> {
        if (index == 6) {
            QTimer::singleShot(20ms, [&] { download.abort(); });
            return FakeAnswer::hanging();
        }
        return std::nullopt;
    };
    const DrawDownloadResult result = download.run(view);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.requests, 7);
    EXPECT_EQ(historyBytes(), bytesOf(upTo(QDate(2025, 7, 14))));
    EXPECT_TRUE(result.summaryText().contains(QStringLiteral("angehalten")));
}

TEST_F(OperatorDownload, InvalidDrawsAreRejectedAndTheOthersStored) {
    std::vector<DrawRecord> published = upTo(QDate(2025, 8, 30));
    const auto old = upTo(QDate(2025, 8, 16));
    dir.writeHistory(old);
    published[published.size() - 4].numbers[1] = published[published.size() - 4].numbers[0]; // 20 August
    FakeOperator fake(published);
    const DrawDownloadResult result = runAgainst(fake.base());
    EXPECT_EQ(result.rejected, 1);
    EXPECT_EQ(result.stored, 3);
    EXPECT_EQ(view.panel0.filter(QStringLiteral("20.08.2025")).filter(QStringLiteral("verworfen")).size(), 1);
    EXPECT_EQ(dir.readHistory().size(), old.size() + 3);
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
    EXPECT_EQ(historyBytes(), bytesOf(all));
}
