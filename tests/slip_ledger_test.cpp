// The ledger behind the slips window: draws still to come, the filters, the running balance
// over several slips, the totals line and the CSV and print forms.
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "history/NextDraw.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

DrawRecord draw(const QDate& date, std::array<int, 6> winning) {
    DrawRecord r;
    r.date = DayCount::fromDate(date);
    for (std::size_t i = 0; i < 6; ++i) r.numbers[i] = static_cast<std::uint8_t>(winning[i]);
    return r;
}

Slips::Slip slip(const QString& name, const QDate& first, int draws) {
    return {QString::number(first.day()), name, {QStringLiteral("01,02,03,40,41,42:Normal")}, first, draws, 0.5};
}

const QDate Wed(2025, 8, 27), Sat(2025, 8, 30);

} // namespace

TEST(SlipLedger, DrawsStillToComeAreDueOnTheNextRegularDrawDays) {
    EXPECT_EQ(NextDraw::drawDayAfter(Wed), Sat);
    EXPECT_EQ(NextDraw::drawDayAfter(Sat), QDate(2025, 9, 3));
    SystemTableSet tables(QStringLiteral("/nonexistent/"));
    MemoryDividends dividends;
    dividends.set(Wed, {{3, false, 2.0}});
    const std::vector<DrawRecord> history{draw(Wed, {1, 2, 3, 10, 11, 12}), draw(Sat, {20, 21, 22, 23, 24, 25})};
    // The second slip starts on a Monday after the history: its first draw is due on Wednesday.
    const std::vector<Slips::Slip> slips{slip(QStringLiteral("Lang"), Wed, 5), slip(QString(), QDate(2025, 9, 1), 1),
                                         slip(QStringLiteral("Kurz"), Sat, 1)};
    const SlipLedger::Ledger ledger = SlipLedger::build(slips, history, &dividends, tables);
    ASSERT_EQ(ledger.rows.size(), 7u);
    std::vector<QDate> dates;
    for (const SlipLedger::Row& r : ledger.rows) dates.push_back(r.date);
    EXPECT_EQ(dates, (std::vector<QDate>{Wed, Sat, QDate(2025, 9, 3), QDate(2025, 9, 6), QDate(2025, 9, 10),
                                         QDate(2025, 9, 3), Sat}));
    EXPECT_TRUE(ledger.rows[2].open());
    EXPECT_EQ(ledger.rows[4].draw, 5);
    EXPECT_DOUBLE_EQ(ledger.rows[4].stake, 0.5);
    EXPECT_EQ(SlipLedger::tierText(ledger, ledger.rows[3]), QStringLiteral("offen"));
    EXPECT_EQ(SlipLedger::slipName(slips[1]), QStringLiteral("Schein 1"));

    EXPECT_EQ(SlipLedger::rowsOf(ledger, SlipLedger::Filter::Open), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(SlipLedger::rowsOf(ledger, SlipLedger::Filter::Finished), std::vector<int>{6});
    EXPECT_EQ(SlipLedger::rowsOf(ledger, SlipLedger::Filter::Won), std::vector<int>{0});
    // Both slips drawn on 08-30 count as one point; rows to come count nothing.
    const auto balance = SlipLedger::runningBalance(ledger, SlipLedger::rowsOf(ledger, SlipLedger::Filter::All));
    ASSERT_EQ(balance.size(), 2u);
    EXPECT_DOUBLE_EQ(balance[0].balance, 1.5);
    EXPECT_EQ(balance[1].date, Sat);
    EXPECT_DOUBLE_EQ(balance[1].balance, 0.5);
    EXPECT_EQ(SlipLedger::checksOf(ledger, {0, 2, 6}).size(), 2u);
}

TEST(SlipLedger, TotalsLineCsvAndPrintedPage) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Slips::Totals t;
    t.money = {1.0, 1.5, 0};
    t.expectedReturn = 0.37;
    EXPECT_EQ(SlipLedger::totalsText(t, 3, 1.5),
              QStringLiteral("Einsatz 1,00 €, Gewinn 1,50 €, Saldo 0,50 € · derselbe Einsatz bringt im Mittel "
                             "0,37 € · 3 Ziehung(en) offen, Einsatz 1,50 €"));
    t.money.unknownWins = 2;
    t.expectedReturn.reset();
    EXPECT_EQ(SlipLedger::totalsText(t, 0, 0),
              QStringLiteral("Einsatz 1,00 €, Gewinn 1,50 € + unbekannt, Saldo 0,50 € (ohne 2 Gewinnreihe(n) "
                             "unbekannter Quote) · derselbe Einsatz bringt im Mittel unbekannt"));
    EXPECT_EQ(Winnings::moneyText({1, 0, 3}), QStringLiteral("unbekannt"));

    SystemTableSet tables(QStringLiteral("/nonexistent/"));
    const std::vector<Slips::Slip> slips{slip(QStringLiteral("Der \"große\" Schein"), Sat, 2)};
    const SlipLedger::Ledger ledger =
        SlipLedger::build(slips, {draw(Sat, {1, 2, 3, 4, 5, 6})}, nullptr, tables);
    // Three hits without a prize table: a win of unknown dividend; the second draw is to come.
    EXPECT_EQ(SlipLedger::toCsv(ledger, {0, 1}, slips),
              QByteArray("datum,schein,spalten,einsatz,gewinnklasse,gewinn,ohne_quote\r\n"
                         "2025-08-30,\"Der \"\"große\"\" Schein\",1,0.50,3,0.00,1\r\n"
                         "2025-09-03,\"Der \"\"große\"\" Schein\",1,0.50,offen,,0\r\n"));
    const QStringList page = SlipLedger::printText(QStringLiteral("Titel"), ledger, {0, 1}, slips, QStringLiteral("Summe"));
    ASSERT_EQ(page.size(), 7);
    EXPECT_EQ(page[0], QStringLiteral("Titel"));
    // The amounts stand right-aligned under their headers.
    EXPECT_EQ(page[3].indexOf(QStringLiteral("0,50 €")) + 6, page[2].indexOf(QStringLiteral("Einsatz")) + 7);
    EXPECT_TRUE(page[4].endsWith(QStringLiteral("offen"))) << page[4].toStdString();
    EXPECT_EQ(page[6], QStringLiteral("Summe"));
}
