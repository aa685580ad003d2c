#include "base/DayCount.h"
#include "history/DrawDownload.h"
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
                           {"id":4,"divident":1.5,"winners":50000,"distributed":1,"jackpot":0,"fixed":true,"categoryType":0}],
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
    // Without an additional number: ids in order are 6, 5, 4, 3 hits.
    ASSERT_EQ(d.tiers.size(), 4u);
    EXPECT_EQ(d.tiers[0].category, 1);
    EXPECT_EQ(d.tiers[0].hits, 6);
    EXPECT_DOUBLE_EQ(d.tiers[0].jackpot, 1250000.75);
    EXPECT_EQ(d.tiers[1].hits, 5);
    EXPECT_FALSE(d.tiers[1].additional);
    EXPECT_DOUBLE_EQ(d.tiers[1].dividend, 1500.1);
    EXPECT_EQ(d.tiers[1].winners, 12);
    EXPECT_EQ(d.tiers[2].hits, 4);
    EXPECT_EQ(d.tiers[3].hits, 3);
    EXPECT_TRUE(d.tiers[3].fixed);

    // With an additional number the second tier is 5 + additional number.
    std::vector<PrizeTier> cats(6);
    for (int i = 0; i < 6; ++i) cats[i].category = 6 - i;
    const auto old = OperatorResults::mapTiers(cats, true);
    EXPECT_EQ(old[0].hits, 6);
    EXPECT_EQ(old[1].hits, 5);
    EXPECT_TRUE(old[1].additional);
    EXPECT_EQ(old[2].hits, 5);
    EXPECT_FALSE(old[2].additional);
    EXPECT_EQ(old[4].hits, 3);
    EXPECT_EQ(old[5].hits, 0); // a tier we cannot place
    EXPECT_EQ(old[5].category, 6);
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
              QUrl(QStringLiteral("https://api.example/draws/v3.0/5103/draw-date/2024-12-29/2025-09-01?limit=50&page=2")));
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
    DrawPrizes older{QDate(2023, 10, 4), 2700, {{1, 6, false, 0, 0, false, 3e6}, {2, 5, true, 1e5 / 3, 2, false, 0}}};
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
    EXPECT_TRUE(raw.readAll().startsWith(PrizeTable::Header.toLatin1() + "\r\n2023-10-04,2700,1,6,0,0,0,0,3000000\r\n"));
}
