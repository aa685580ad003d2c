#include "base/DayCount.h"
#include "history/Dividends.h"
#include "history/DrawDownload.h"
#include "history/NextDraw.h"
#include "history/OperatorResults.h"
#include "history/PrizeTable.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

qint64 utcMs(int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::UTC).toMSecsSinceEpoch();
}

QByteArray page(const QByteArray& draws, const QByteArray& tail = ",\"totalPages\":1,\"last\":true") {
    return "{\"content\":[" + draws + "]" + tail + "}";
}

const QByteArray kDraw =
    R"({"drawId":2925,"drawTime":1756580400000,"status":"results",
        "winningNumbers":{"list":[7,37,9,33,36,30],"bonus":[]},
        "prizeCategories":[{"id":3,"divident":28.5,"winners":3100,"distributed":1,"jackpot":0,"fixed":0,"categoryType":0},
                           {"id":1,"divident":0,"winners":0,"distributed":0,"jackpot":1250000.75,"fixed":0,"categoryType":1},
                           {"id":2,"divident":1500.1,"winners":12,"distributed":1,"jackpot":0,"fixed":0,"categoryType":0},
                           {"id":4,"divident":1.5,"winners":50000,"distributed":1,"jackpot":0,"fixed":1.5,"categoryType":1}],
        "wagerStatistics":{"columns":1,"wagers":1,"addOn":[]}})";

} // namespace

TEST(OperatorResults, TheDrawDateIsTheGreekCalendarDate) {
    // Winter (UTC+2): 22:30 UTC is already the next day in Athens, 21:59 UTC is not.
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 1, 15, 22, 30)), QDate(2025, 1, 16));
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 1, 15, 21, 59)), QDate(2025, 1, 15));
    // Summer (UTC+3): 21:00 UTC is midnight in Athens.
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 7, 2, 21, 0)), QDate(2025, 7, 3));
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 7, 2, 20, 59)), QDate(2025, 7, 2));
    // The changes: summer time from 30 March 2025 01:00 UTC, winter time from 26 October 01:00 UTC.
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 3, 30, 0, 59)), QDate(2025, 3, 30)); // 02:59 EET
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 3, 29, 21, 30)), QDate(2025, 3, 29)); // 23:30 EET
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 10, 25, 21, 30)), QDate(2025, 10, 26)); // 00:30 EEST
    EXPECT_EQ(OperatorResults::greekDate(utcMs(2025, 10, 26, 21, 30)), QDate(2025, 10, 26)); // 23:30 EET
}

TEST(OperatorResults, ReadsAPageOfDrawsWithTheirPrizeTiers) {
    QString error;
    const OperatorPage p = OperatorResults::parsePage(page(kDraw, ",\"totalPages\":3,\"last\":false"), error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(p.totalPages, 3);
    EXPECT_FALSE(p.last);
    ASSERT_EQ(p.draws.size(), 1u);
    const OperatorDraw& d = p.draws[0];
    EXPECT_EQ(d.drawId, 2925);
    EXPECT_EQ(d.date, QDate(2025, 8, 30)); // 19:00 UTC = 22:00 in Athens
    EXPECT_EQ(d.numbers, (std::vector<int>{7, 37, 9, 33, 36, 30}));
    EXPECT_TRUE(d.bonus.empty());
    EXPECT_EQ(d.state(), OperatorDraw::State::Complete);
    // Without an additional number, in the order sent (ids 3, 1, 2, 4): 4, 6, 5, 3 hits.
    ASSERT_EQ(d.tiers.size(), 4u);
    EXPECT_EQ(d.tiers[0].category, 3);
    EXPECT_EQ(d.tiers[0].hits, 4);
    EXPECT_DOUBLE_EQ(d.tiers[0].dividend, 28.5);
    EXPECT_EQ(d.tiers[1].category, 1);
    EXPECT_EQ(d.tiers[1].hits, 6);
    EXPECT_DOUBLE_EQ(d.tiers[1].jackpot, 1250000.75);
    EXPECT_EQ(d.tiers[2].hits, 5);
    EXPECT_FALSE(d.tiers[2].additional);
    EXPECT_DOUBLE_EQ(d.tiers[2].dividend, 1500.1);
    EXPECT_EQ(d.tiers[2].winners, 12);
    EXPECT_EQ(d.tiers[3].hits, 3);
    EXPECT_DOUBLE_EQ(d.tiers[3].fixed, 1.5);
    EXPECT_DOUBLE_EQ(d.tiers[2].fixed, 0.0);
}

// A draw of 7 May 2022 as the service sends it: categories 1, 10, 2, 3, 4, the 5 + 1 tier
// second. The amounts were checked by hand against the tier each id stands for.
const QByteArray kDraw2022 =
    R"({"gameId":5103,"drawId":2130,"drawTime":1651950000000,"status":"results","drawBreak":0,"visualDraw":2130,
        "pricePoints":{"amount":0.5},
        "winningNumbers":{"list":[46,3,14,8,2,6],"bonus":[36]},
        "prizeCategories":[
          {"id":1,"divident":0.0,"winners":0,"distributed":0.0,"jackpot":2512345.6,"fixed":0.0,"categoryType":0,"gameType":"Lotto","minimumDistributed":1000000},
          {"id":10,"divident":48765.25,"winners":2,"distributed":97530.5,"jackpot":0.0,"fixed":0.0,"categoryType":0,"gameType":"Lotto"},
          {"id":2,"divident":1520.5,"winners":12,"distributed":18246.0,"jackpot":0.0,"fixed":0.0,"categoryType":0,"gameType":"Lotto"},
          {"id":3,"divident":35.75,"winners":900,"distributed":32175.0,"jackpot":0.0,"fixed":0.0,"categoryType":0,"gameType":"Lotto"},
          {"id":4,"divident":1.5,"winners":20000,"distributed":30000.0,"jackpot":0.0,"fixed":1.5,"categoryType":1,"gameType":"Lotto"},
          {"id":7,"divident":9.0,"winners":5,"distributed":45.0,"jackpot":0.0,"fixed":0.0,"categoryType":0,"gameType":"Lotto"}],
        "wagerStatistics":{"columns":4567890,"wagers":1234567,"addOn":[]}})";

TEST(OperatorResults, CategoriesArePlacedByTheirIdNotTheirOrder) {
    QString error;
    const OperatorPage p = OperatorResults::parsePage(page(kDraw2022), error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(p.draws.size(), 1u);
    const OperatorDraw& d = p.draws[0];
    EXPECT_EQ(d.date, QDate(2022, 5, 7)); // 19:00 UTC = 22:00 in Athens
    EXPECT_EQ(d.bonus, std::vector<int>{36});
    struct Expected {
        int category, hits;
        bool additional;
        double dividend, fixed;
    };
    const Expected expected[] = {{1, 6, false, 0.0, 0.0},     {10, 5, true, 48765.25, 0.0}, {2, 5, false, 1520.5, 0.0},
                                 {3, 4, false, 35.75, 0.0},   {4, 3, false, 1.5, 1.5},      {7, 0, false, 9.0, 0.0}};
    ASSERT_EQ(d.tiers.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].category);
        EXPECT_EQ(d.tiers[i].category, expected[i].category);
        EXPECT_EQ(d.tiers[i].hits, expected[i].hits);
        EXPECT_EQ(d.tiers[i].additional, expected[i].additional);
        EXPECT_DOUBLE_EQ(d.tiers[i].dividend, expected[i].dividend);
        EXPECT_DOUBLE_EQ(d.tiers[i].fixed, expected[i].fixed);
    }
    EXPECT_DOUBLE_EQ(d.tiers[0].jackpot, 2512345.6);

    // What a row of each outcome is paid; the unplaced category 7 pays nothing.
    PrizeTable table;
    table.merge(d.prizes());
    const TierTableDividends<PrizeTable> paid(table);
    EXPECT_EQ(paid.dividend(d.date, 5, true), 48765.25);
    EXPECT_EQ(paid.dividend(d.date, 5, false), 1520.5);
    EXPECT_EQ(paid.dividend(d.date, 4, false), 35.75);
    EXPECT_EQ(paid.dividend(d.date, 4, true), 35.75); // a four with the additional number is a four
    EXPECT_EQ(paid.dividend(d.date, 3, false), 1.5);
    EXPECT_FALSE(paid.dividend(d.date, 2, false));
    EXPECT_FALSE(paid.dividend(d.date, 0, false));

    // A fixed tier that names no amount pays its dividend as the fixed prize.
    const OperatorPage q = OperatorResults::parsePage(
        page(R"({"drawId":9,"drawTime":1651950000000,"status":"results","winningNumbers":{"list":[1,2,3,4,5,6]},
                 "prizeCategories":[{"id":4,"divident":2.0,"winners":1,"categoryType":1}]})"),
        error);
    ASSERT_EQ(q.draws.size(), 1u);
    EXPECT_DOUBLE_EQ(q.draws[0].tiers.at(0).fixed, 2.0);

    EXPECT_EQ(OperatorResults::tierOf(10)->hits, 5);
    EXPECT_FALSE(OperatorResults::tierOf(5));
    EXPECT_FALSE(OperatorResults::tierOf(0));
}

TEST(OperatorResults, ErrorObjectsAndTheAnnouncedDraw) {
    EXPECT_EQ(OperatorResults::serviceError(R"({"code":1003,"message":"date range too long"})"),
              QStringLiteral("der Dienst meldet Fehler 1003: date range too long"));
    EXPECT_EQ(OperatorResults::serviceError(R"({"code":"E17"})"), QStringLiteral("der Dienst meldet Fehler E17"));
    EXPECT_EQ(OperatorResults::serviceError(R"({"error":"Bad Request"})"), QStringLiteral("der Dienst meldet: Bad Request"));
    for (const QByteArray& none : {page(kDraw), QByteArray("<html>403</html>"), QByteArray("{}"), QByteArray()})
        EXPECT_TRUE(OperatorResults::serviceError(none).isEmpty()) << none.constData();

    QString error;
    const auto next = OperatorResults::parseAnnounced(
        R"({"last":{"drawId":2925,"drawTime":1756580400000,"status":"results"},
            "active":{"drawId":2926,"drawTime":1756926000000,"status":"active",
                      "prizeCategories":[{"id":10,"minimumDistributed":5},{"id":1,"jackpot":900000.0,"minimumDistributed":1300000}]}})",
        error);
    ASSERT_TRUE(next) << error.toStdString();
    EXPECT_EQ(next->drawId, 2926);
    EXPECT_EQ(OperatorResults::greekTime(next->drawTime), QDateTime(QDate(2025, 9, 3), QTime(22, 0)));
    EXPECT_EQ(next->jackpot, 1300000.0);
    // Only a carried-over jackpot: that one; nothing at all: unknown.
    EXPECT_EQ(OperatorResults::parseAnnounced(R"({"active":{"drawId":1,"drawTime":1,"prizeCategories":[{"id":1,"jackpot":7.5}]}})", error)->jackpot, 7.5);
    EXPECT_FALSE(OperatorResults::parseAnnounced(R"({"active":{"drawId":1,"drawTime":1}})", error)->jackpot);
    for (const QByteArray& bad : {QByteArray(R"({"last":{}})"), QByteArray(R"({"active":{"drawId":1}})"), QByteArray("[]")}) {
        EXPECT_FALSE(OperatorResults::parseAnnounced(bad, error)) << bad.constData();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(OperatorResults::announcedUrl(QUrl(QStringLiteral("https://api.example/draws/v3.0/5103/"))),
              QUrl(QStringLiteral("https://api.example/draws/v3.0/5103/last-result-and-active")));
}

TEST(NextDraw, RoundTripsAndRefusesWhatItDidNotWrite) {
    QTemporaryDir dir;
    const QString path = NextDraw::companionPath(dir.filePath(QStringLiteral("ZahlenGR.dat")));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("ZahlenGR.naechste.csv")));
    EXPECT_FALSE(NextDraw::read(path));
    NextDraw{QDate(2025, 9, 1), {2926, 1756926000000, 1500000.5}}.write(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("fetched,drawId,drawTime,jackpot\r\n2025-09-01,2926,1756926000000,1500000.50\r\n"));
    f.close();
    const auto back = NextDraw::read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->fetched, QDate(2025, 9, 1));
    EXPECT_EQ(back->draw.drawTime, 1756926000000);
    EXPECT_EQ(back->draw.jackpot, 1500000.5);

    NextDraw{QDate(2025, 9, 1), {2926, 1756926000000, std::nullopt}}.write(path);
    ASSERT_TRUE(NextDraw::read(path));
    EXPECT_FALSE(NextDraw::read(path)->draw.jackpot);

    for (const QByteArray& bad : {QByteArray("fetched,drawId,drawTime,jackpot\r\n2025-09-01,x,1,\r\n"),
                                  QByteArray("fetched,drawId,drawTime,jackpot\r\n2025-09-01,1,1,-3\r\n"),
                                  QByteArray("2025-09-01,1,1,\r\n"), QByteArray()}) {
        QFile w(path);
        ASSERT_TRUE(w.open(QIODevice::WriteOnly | QIODevice::Truncate));
        w.write(bad);
        w.close();
        EXPECT_FALSE(NextDraw::read(path)) << bad.constData();
    }
}

TEST(OperatorResults, StatesAndUnreadableAnswers) {
    QString error;
    const OperatorPage p = OperatorResults::parsePage(
        page(R"({"drawId":1,"drawTime":1756580400000,"status":"active","winningNumbers":{"list":[],"bonus":[]}},
                {"drawId":2,"drawTime":1756580400000,"status":"cancelled"},
                {"drawId":3,"drawTime":1756580400000,"status":"RESULTS","winningNumbers":{"list":[1,2,3,4,5,6],"bonus":[7]}})",
             ""),
        error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(p.draws.size(), 3u);
    EXPECT_EQ(p.totalPages, -1);
    EXPECT_EQ(p.draws[0].state(), OperatorDraw::State::NotYetDrawn);
    EXPECT_EQ(p.draws[1].state(), OperatorDraw::State::Cancelled);
    EXPECT_EQ(p.draws[2].state(), OperatorDraw::State::Complete);
    EXPECT_EQ(p.draws[2].bonus, std::vector<int>{7});

    for (const QByteArray& bad :
         {QByteArray("{\"content\":[{\"drawId\":1,"), QByteArray("<html>Wartung</html>"), QByteArray("[]"),
          QByteArray("{\"content\":{}}"), page(R"({"drawId":"x","drawTime":1})"), page(R"({"drawId":1})"),
          page(R"({"drawId":1,"drawTime":1,"winningNumbers":{"list":[1,2.5,3,4,5,6]}})"),
          page(R"({"drawId":1,"drawTime":1,"winningNumbers":{"list":"1,2,3"}})")}) {
        const OperatorPage none = OperatorResults::parsePage(bad, error);
        EXPECT_FALSE(error.isEmpty()) << bad.constData();
        EXPECT_TRUE(none.draws.empty());
    }
    EXPECT_EQ(OperatorResults::rangeUrl(QUrl(QStringLiteral("https://api.example/draws/v3.0/5103/")),
                                        QDate(2024, 12, 29), QDate(2025, 9, 1), 2),
              QUrl(QStringLiteral("https://api.example/draws/v3.0/5103/draw-date/2024-12-29/2025-09-01?limit=100&page=2")));
}

TEST(DrawSource, AnAddressWithAPathIsTheOperatorsService) {
    const auto perDate = DrawSource::parse(QStringLiteral(" http://127.0.0.1:8049/ "));
    ASSERT_TRUE(perDate);
    EXPECT_EQ(perDate->kind, DrawSource::PerDate);
    EXPECT_EQ(perDate->address, QUrl(QStringLiteral("http://127.0.0.1:8049")));

    const auto op = DrawSource::parse(QString::fromLatin1(DrawDownload::DefaultServer) + QLatin1Char('/'));
    ASSERT_TRUE(op);
    EXPECT_EQ(op->kind, DrawSource::Operator);
    EXPECT_EQ(op->address, QUrl(QString::fromLatin1(DrawDownload::DefaultServer)));

    for (const char* bad : {"", "api.opap.gr/draws", "ftp://h/x", "https://h/x?y=1", "https://u@h/x", "http://h:0/x"})
        EXPECT_FALSE(DrawSource::parse(QString::fromLatin1(bad))) << bad;
}

TEST(DrawDownloadSummary, SaysWhatCameOrWhyNothingDid) {
    DrawDownloadResult r;
    r.stored = 3;
    r.newestStored = DayCount::fromDate(QDate(2025, 8, 30));
    EXPECT_EQ(r.summaryText(), QStringLiteral("3 neue Ziehungen gespeichert, die neueste vom 30.08.2025."));
    r.stored = 1;
    EXPECT_EQ(r.summaryText(), QStringLiteral("1 neue Ziehung gespeichert, vom 30.08.2025."));

    DrawDownloadResult none;
    EXPECT_TRUE(none.summaryText().contains(QStringLiteral("neuesten Stand")));
    none.failed = 11;
    none.failureText = QStringLiteral("Verbindung zu 127.0.0.1:8049 abgelehnt");
    EXPECT_EQ(none.summaryText(), QStringLiteral("Keine neue Ziehung gespeichert. 11 Anfragen fehlgeschlagen, "
                                                 "zuletzt: Verbindung zu 127.0.0.1:8049 abgelehnt."));
    DrawDownloadResult status;
    status.failed = 1;
    status.failureStatus = 429;
    status.failureText = QStringLiteral("429 Too Many Requests");
    EXPECT_TRUE(status.summaryText().contains(QStringLiteral("HTTP-Status 429 Too Many Requests")))
        << status.summaryText().toStdString();
    status.stopped = true;
    EXPECT_TRUE(status.summaryText().contains(QStringLiteral("angehalten")));
}

TEST(PrizeTable, RoundTripsMergesAndCountsDamagedLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.quoten.csv"));
    EXPECT_EQ(PrizeTable::companionPath(dir.filePath(QStringLiteral("ZahlenGR.dat"))), path);
    EXPECT_EQ(PrizeTable::read(path).size(), 0); // missing file

    QString error;
    const OperatorDraw draw = OperatorResults::parsePage(page(kDraw), error).draws.at(0);
    PrizeTable table;
    table.merge(draw.prizes());
    DrawPrizes older{QDate(2023, 10, 4), 2700, {{1, 6, false, 0, 0, 0, 3e6}, {10, 5, true, 1e5 / 3, 2, 0, 0}}};
    table.merge(older);
    table.write(path);

    const PrizeTable back = PrizeTable::read(path);
    EXPECT_EQ(back.size(), 2);
    EXPECT_EQ(back.damagedLines(), 0);
    const DrawPrizes* found = back.find(QDate(2025, 8, 30));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->drawId, 2925);
    ASSERT_EQ(found->tiers.size(), draw.tiers.size());
    for (size_t i = 0; i < draw.tiers.size(); ++i) {
        EXPECT_EQ(found->tiers[i].category, draw.tiers[i].category);
        EXPECT_EQ(found->tiers[i].hits, draw.tiers[i].hits);
        EXPECT_EQ(found->tiers[i].dividend, draw.tiers[i].dividend); // exact, not rounded
        EXPECT_EQ(found->tiers[i].winners, draw.tiers[i].winners);
        EXPECT_EQ(found->tiers[i].fixed, draw.tiers[i].fixed);
        EXPECT_EQ(found->tiers[i].jackpot, draw.tiers[i].jackpot);
    }
    EXPECT_EQ(back.dividend(QDate(2023, 10, 4), 5, true), 1e5 / 3);
    EXPECT_EQ(back.dividend(QDate(2025, 8, 30), 4, false), 28.5);
    EXPECT_FALSE(back.dividend(QDate(2025, 8, 30), 5, true));  // no such tier any more
    EXPECT_FALSE(back.dividend(QDate(2025, 8, 27), 4, false)); // unknown draw

    // A later answer for the same date replaces the draw; nothing is duplicated.
    PrizeTable again = back;
    DrawPrizes replaced = *found;
    replaced.tiers.resize(1);
    again.merge(replaced);
    EXPECT_EQ(again.size(), 2);
    EXPECT_EQ(again.find(QDate(2025, 8, 30))->tiers.size(), 1u);

    // Damaged lines are skipped and counted; the good ones stay readable.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("2025-09-03,2926,1,6,0,abc,0,0,0\r\n2025-09-03,2926,1\r\n2025-13-01,1,1,6,0,0,0,0,0\r\n"
            "2025-09-06,2927,2,5,0,-5,1,0,0\r\n2025-09-06,2927,2,5,0,5,1,2,0\r\n");
    f.close();
    const PrizeTable damaged = PrizeTable::read(path);
    EXPECT_EQ(damaged.size(), 2);
    EXPECT_EQ(damaged.damagedLines(), 5);
    // The file is written with CR LF, header first.
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().startsWith(PrizeTable::Header.toLatin1() + "\r\n2023-10-04,2700,1,6,0,0,0,0.00,3000000\r\n"));
}

TEST(PrizeTable, AFileOfTheOldOrderMappingIsMendedOnReadingAndRewrittenOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.quoten.csv"));
    // As earlier versions wrote the draw of 7 May 2022: ids sorted 1, 2, 3, 4, 10 and labelled
    // 6, 5 + 1, 5, 4, 3; `fixed` a flag. A draw without additional number was labelled right.
    const QByteArray old = "date,drawId,category,hits,additional,dividend,winners,fixed,jackpot\r\n"
                           "2022-05-07,2130,1,6,0,0,0,0,2512345.6\r\n"
                           "2022-05-07,2130,2,5,1,1520.5,12,0,0\r\n"
                           "2022-05-07,2130,3,5,0,35.75,900,0,0\r\n"
                           "2022-05-07,2130,4,4,0,1.5,20000,1,0\r\n"
                           "2022-05-07,2130,10,3,0,48765.25,2,0,0\r\n"
                           "2023-11-01,2760,1,6,0,0,0,0,100000\r\n"
                           "2023-11-01,2760,2,5,0,1500,3,1,0\r\n"
                           "2023-11-01,2760,6,5,0,7,3,0,0\r\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    const PrizeTable read = PrizeTable::read(path);
    EXPECT_EQ(read.damagedLines(), 0);
    EXPECT_EQ(read.mendedLines(), 8); // every line held a `fixed` flag; four were relabelled too
    const QDate may(2022, 5, 7);
    EXPECT_EQ(read.dividend(may, 5, true), 48765.25);
    EXPECT_EQ(read.dividend(may, 5, false), 1520.5);
    EXPECT_EQ(read.dividend(may, 4, false), 35.75);
    EXPECT_EQ(read.dividend(may, 3, false), 1.5);
    EXPECT_DOUBLE_EQ(read.find(may)->tiers[3].fixed, 1.5); // the old flag: the dividend
    EXPECT_EQ(read.find(QDate(2023, 11, 1))->tiers[2].hits, 0); // category 6 is no tier we know

    // Reading alone leaves the file; readMending writes it back mended, once.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
    f.close();
    const PrizeTable mended = PrizeTable::readMending(path);
    EXPECT_EQ(mended.dividend(may, 5, true), 48765.25);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray now = f.readAll();
    f.close();
    EXPECT_TRUE(now.contains("2022-05-07,2130,10,5,1,48765.25,2,0.00,0\r\n")) << now.constData();
    EXPECT_TRUE(now.contains("2022-05-07,2130,4,3,0,1.5,20000,1.50,0\r\n")) << now.constData();
    EXPECT_TRUE(now.contains("2023-11-01,2760,6,0,0,7,3,0.00,0\r\n")) << now.constData();
    const PrizeTable again = PrizeTable::read(path);
    EXPECT_EQ(again.mendedLines(), 0);
    EXPECT_EQ(again.size(), 2);

    // A damaged line does not stop the mending: it is written back as it was, after the draws.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(old + "2022-05-11,2131,1\r\n");
    f.close();
    EXPECT_EQ(PrizeTable::readMending(path).dividend(may, 5, true), 48765.25);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), now + "2022-05-11,2131,1\r\n");
}

TEST(PrizeTable, LinesItCannotReadAreKeptAsTheyAreWhenTheFileIsRewritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.quoten.csv"));
    // One draw with 40 tiers: the first 32 are the table, the rest beyond any real draw.
    QByteArray many;
    for (int id = 100; id < 140; ++id) many += "2025-08-20,2923," + QByteArray::number(id) + ",0,0,1,0,0.00,0\r\n";
    const qsizetype cut = many.indexOf("2025-08-20,2923,132,");
    const QByteArray good = "2025-08-27,2924,1,6,0,0,0,0.00,1200000\r\n";
    // A mistyped amount, a line cut short, a second draw id for 27 August (with a blank before it).
    const QByteArray damaged = "2025-08-27,2924,2,5,0,15OO,3,1500.00,0\r\n"
                               "2025-08-23,29\r\n"
                               " 2025-08-27,9999,3,4,0,30,100,30.00,0\r\n";
    const QByteArray header = PrizeTable::Header.toLatin1() + "\r\n";
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(header + many + good + damaged);
    }
    const PrizeTable table = PrizeTable::read(path);
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(table.damagedLines(), 8 + 3);
    EXPECT_EQ(table.find(QDate(2025, 8, 20))->tiers.size(), size_t(PrizeTable::MaxTiers));
    EXPECT_EQ(table.find(QDate(2025, 8, 27))->drawId, 2924); // the first id of the date stands
    ASSERT_EQ(table.notes().size(), 1);
    EXPECT_TRUE(table.notes()[0].contains(QStringLiteral("11 unlesbare Zeilen, die erste ist Zeile 34")))
        << table.notes()[0].toStdString();

    // A new draw merged and the file rewritten: every line is still there, the unread ones last.
    PrizeTable updated = table;
    updated.merge(DrawPrizes{QDate(2025, 8, 30), 2925, {{1, 6, false, 0, 0, 0, 1250000}}});
    updated.write(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray expected =
        header + many.left(cut) + good + "2025-08-30,2925,1,6,0,0,0,0.00,1250000\r\n" + many.mid(cut) + damaged;
    EXPECT_EQ(f.readAll(), expected);
    f.close();
    // Read and written again, nothing is doubled.
    PrizeTable::read(path).write(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), expected);
}
