// What tickets cost and win: the columns of a tip line, its stake, its winnings on a draw from
// the prize tables, and the prize table file as the source of the dividends.
#include "base/DayCount.h"
#include "evaluation/Winnings.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <bit>
#include <gtest/gtest.h>
#include <set>

namespace {

const QString Vew = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/vew/");

std::uint64_t numbers(std::initializer_list<int> list) {
    std::uint64_t m = 0;
    for (const int v : list) m |= std::uint64_t{1} << v;
    return m;
}

Chance::Round drawOn(const QDate& date, std::array<int, 6> winning, int additional) {
    DrawRecord r;
    r.date = DayCount::fromDate(date);
    for (std::size_t i = 0; i < 6; ++i) r.numbers[i] = static_cast<std::uint8_t>(winning[i]);
    r.additional = static_cast<std::uint8_t>(additional);
    return Chance::roundOf(r, 1);
}

const QDate Day(2021, 3, 6);
// Winning 5, 12, 19, 26, 33, 40, additional 44.
const Chance::Round Draw = drawOn(Day, {5, 12, 19, 26, 33, 40}, 44);

MemoryDividends dividendsOfTheDay() {
    MemoryDividends d;
    d.set(Day, {{6, false, 1000000.0}, {5, true, 50000.0}, {5, false, 1500.0}, {4, false, 35.0}, {3, false, 1.5}});
    return d;
}

} // namespace

TEST(Tickets, ALineIsPlayedWithItsOwnNumbersAndTheListsShape) {
    const Chance::TipShape single = Winnings::listShape(6, SystemKind::Single, SystemTable{});
    // Repeated, out-of-range and non-numeric fields are left out.
    std::optional<Winnings::Ticket> t = Winnings::ticketOf(QStringLiteral("05,12,12,50,xx,19,26,33,40:Normal"), single);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->numbers, numbers({5, 12, 19, 26, 33, 40}));
    EXPECT_EQ(t->columns(), 1);
    EXPECT_FALSE(Winnings::ticketOf(QStringLiteral("05,12,19,26,33:Normal"), single));

    // A reduced system plays the rows of its table; a line of another size is a full system.
    SystemTable table;
    table.load(Vew + QStringLiteral("609.txt"));
    const Chance::TipShape reduced = Winnings::listShape(9, SystemKind::Reduced, table);
    ASSERT_EQ(static_cast<int>(reduced.rows.size()), table.rowCount());
    t = Winnings::ticketOf(QStringLiteral("03,07,11,15,19,23,27,31,35:609"), reduced);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->columns(), table.rowCount());
    const std::vector<std::uint64_t> rows = t->expandedColumns();
    ASSERT_EQ(static_cast<int>(rows.size()), table.rowCount());
    EXPECT_EQ(rows[0], numbers({3, 7, 11, 15, 19, 27})); // xxxxx-x--
    EXPECT_EQ(rows[1], numbers({3, 7, 11, 19, 23, 27})); // xxx-xxx--
    t = Winnings::ticketOf(QStringLiteral("01,02,03,04,05,06,07,08:609"), reduced);
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->shape.rows.empty());
    EXPECT_EQ(t->columns(), 28);

    // Blank and unplayable lines of a list are left out.
    SystemTableSet tables(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/"));
    EXPECT_EQ(Winnings::ticketsOf({QStringLiteral("  "), QStringLiteral("1,2,3"), QStringLiteral("1,2,3,4,5,6")},
                                  tables, single)
                  .size(),
              1u);
}

TEST(Tickets, AFullSystemExpandsIntoEverySixOfItsNumbers) {
    Winnings::Ticket t;
    t.numbers = numbers({1, 2, 3, 4, 5, 6, 7, 8});
    t.shape = {8, {}};
    const std::vector<std::uint64_t> columns = t.expandedColumns();
    ASSERT_EQ(columns.size(), 28u);
    EXPECT_EQ(columns.front(), numbers({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(columns.back(), numbers({3, 4, 5, 6, 7, 8}));
    const std::set<std::uint64_t> different(columns.begin(), columns.end());
    EXPECT_EQ(different.size(), 28u);
    for (const std::uint64_t c : columns) {
        EXPECT_EQ(std::popcount(c), 6);
        EXPECT_EQ(c & ~t.numbers, 0u);
    }
}

TEST(Stake, ThePriceOfAColumnFromTheFeeField) {
    EXPECT_EQ(Winnings::pricePerColumn(QStringLiteral(" 0,50 "), false), 0.5);
    EXPECT_EQ(Winnings::pricePerColumn(QStringLiteral("1.00"), true), 0.5); // per week: half per draw
    EXPECT_FALSE(Winnings::pricePerColumn(QStringLiteral("fünfzig"), false));
    EXPECT_FALSE(Winnings::pricePerColumn(QString(), false));
    EXPECT_FALSE(Winnings::pricePerColumn(QStringLiteral("-0,50"), false));
    Winnings::Ticket system;
    system.numbers = numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    system.shape = {10, {}};
    EXPECT_DOUBLE_EQ(Winnings::result(system, Draw, 0.5, nullptr).money.stake, 105.0); // C(10,6) = 210
}

TEST(Winnings, AFullSystemOfEightWithFourHitsWinsSixFoursAndSixteenThrees) {
    const MemoryDividends d = dividendsOfTheDay();
    Winnings::Ticket t;
    t.numbers = numbers({5, 12, 19, 26, 44, 1, 2, 3}); // four winning numbers and the additional
    t.shape = {8, {}};
    const Winnings::Result r = Winnings::result(t, Draw, 0.5, &d);
    // C(4,4)*C(4,2) = 6 columns hold four hits, C(4,3)*C(4,3) = 16 hold three.
    EXPECT_EQ(r.columns[Chance::Four], 6);
    EXPECT_EQ(r.columns[Chance::Three], 16);
    EXPECT_EQ(r.columns[Chance::Five] + r.columns[Chance::FiveAdditional] + r.columns[Chance::Six], 0);
    EXPECT_DOUBLE_EQ(r.money.stake, 14.0);
    EXPECT_DOUBLE_EQ(r.money.knownReturn, 6 * 35.0 + 16 * 1.5);
    EXPECT_TRUE(r.money.complete());
    EXPECT_EQ(Winnings::winningText(r.money), QStringLiteral("Gewinn: 234,00 €"));

    // Without a prize table of the draw every win is counted, none valued.
    const Winnings::Result unknown = Winnings::result(t, Draw, 0.5, nullptr);
    EXPECT_EQ(unknown.money.unknownWins, 22);
    EXPECT_DOUBLE_EQ(unknown.money.knownReturn, 0.0);
    EXPECT_EQ(Winnings::winningText(unknown.money), QStringLiteral("Gewinn: Quote unbekannt"));

    // A table that knows the fours only: the known part and how many wins are not valued.
    MemoryDividends foursOnly;
    foursOnly.set(Day, {{4, false, 35.0}});
    const Winnings::Result part = Winnings::result(t, Draw, 0.5, &foursOnly);
    EXPECT_EQ(Winnings::winningText(part.money),
              QStringLiteral("Gewinn: mindestens 210,00 € (für 16 Gewinnreihe(n) ist die Quote unbekannt)"));
}

TEST(Winnings, TheTallyAddsTheListsHitsAndMoneyDrawByDraw) {
    const MemoryDividends d = dividendsOfTheDay();
    SystemTableSet tables(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/"));
    const std::vector<Winnings::Ticket> tickets =
        Winnings::ticketsOf({QStringLiteral("05,12,19,26,01,02:Normal"), QStringLiteral("05,12,19,26,33,44:Normal"),
                             QStringLiteral("01,02,03,04,06,07:Normal")},
                            tables, Winnings::listShape(6, SystemKind::Single, SystemTable{}));
    HitTally hits;
    hits.add({4, false});
    hits.add({5, true});
    hits.add({0, false});
    Winnings::Tally tally;
    tally.add(Draw, hits, tickets, 0.5, &d);
    tally.add(Draw, hits, tickets, 0.5, &d);
    ASSERT_EQ(tally.rounds.size(), 2u);
    EXPECT_EQ(tally.rounds[0].tips, 3);
    EXPECT_EQ(tally.levels[Chance::Four], 2);
    EXPECT_EQ(tally.levels[Chance::FiveAdditional], 2);
    EXPECT_EQ(tally.levels[Chance::Three], 0);
    EXPECT_DOUBLE_EQ(tally.money.stake, 2 * 1.5);
    EXPECT_DOUBLE_EQ(tally.money.knownReturn, 2 * (35.0 + 50000.0));
}

TEST(Winnings, ThePrizeTableFileIsReadAgainWhenItChanges) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.quoten.csv"));
    Winnings::PrizeTableFile file;
    EXPECT_EQ(file.dividends(path), nullptr); // no file: nothing known
    EXPECT_EQ(file.dividends(dir.path()), nullptr); // a directory neither

    PrizeTable table;
    table.merge({Day, 2400, {{3, 4, false, 35.0, 10, false, 0}}});
    table.write(path);
    const DividendSource* source = file.dividends(path);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->dividend(Day, 4, false), 35.0);
    EXPECT_FALSE(source->dividend(Day, 3, false));

    // Written anew with another dividend: the new one is seen.
    table.merge({Day, 2400, {{3, 4, false, 36.5, 10, false, 0}, {4, 3, false, 1.5, 99, true, 0}}});
    table.write(path);
    source = file.dividends(path);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->dividend(Day, 4, false), 36.5);
    EXPECT_EQ(source->dividend(Day, 3, true), 1.5);
    QFile::remove(path);
    EXPECT_EQ(file.dividends(path), nullptr);
}

TEST(Tickets, ALineIsPlayedByItsOwnDesignationWhateverTheListShows) {
    SystemTableSet tables(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/"));
    const Chance::TipShape single = Winnings::listShape(6, SystemKind::Single, SystemTable{});
    SystemTable table;
    table.load(Vew + QStringLiteral("610.txt"));

    // The list shows a single tip; the line's own code decides.
    Winnings::PlayedLine played =
        Winnings::playedLine(QStringLiteral("01,02,03,04,05,06,07,08,09,10:610"), tables, single);
    ASSERT_TRUE(played.ticket);
    EXPECT_EQ(played.ticket->columns(), table.rowCount());
    EXPECT_TRUE(played.missingTable.isEmpty());

    played = Winnings::playedLine(QStringLiteral("01,02,03,04,05,06,07,08:008"), tables, single);
    ASSERT_TRUE(played.ticket);
    EXPECT_EQ(played.ticket->columns(), 28);

    // A code without a table plays nothing and says which table is missing.
    played = Winnings::playedLine(QStringLiteral("01,02,03,04,05,06,07,08,09,10:999"), tables, single);
    EXPECT_FALSE(played.ticket);
    EXPECT_EQ(played.missingTable, QStringLiteral("999"));
    played = Winnings::playedLine(QStringLiteral("01,02,03,04,05,06,07,08,09,10:../610"), tables, single);
    EXPECT_FALSE(played.ticket);

    // Without a designation the list's shape decides.
    played = Winnings::playedLine(QStringLiteral("01,02,03,04,05,06"), tables, single);
    ASSERT_TRUE(played.ticket);
    EXPECT_EQ(played.ticket->columns(), 1);
}

TEST(Money, PrizeTablesAnswerThroughTheTierAdapter) {
    // The shape of the update's prize tables: draws found by date, tiers with more fields.
    struct Tier {
        int category = 0;
        int hits = 0;
        bool additional = false;
        double dividend = 0;
        bool fixed = false;
    };
    struct Draw {
        std::vector<Tier> tiers;
    };
    struct Table {
        std::map<QDate, Draw> draws;
        const Draw* find(const QDate& d) const {
            const auto it = draws.find(d);
            return it == draws.end() ? nullptr : &it->second;
        }
    } table;
    table.draws[{2022, 5, 7}] = Draw{{{1, 6, false, 2e6, false},
                                      {2, 5, true, 40000, false},
                                      {3, 5, false, 1200, false},
                                      {4, 4, false, 40, false},
                                      {5, 3, false, 1.5, true}}};
    const TierTableDividends<Table> source(table);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 5, true), 40000.0);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 5, false), 1200.0);
    EXPECT_EQ(source.dividend({2022, 5, 7}, 3, true), 1.5); // a three with the additional number
    EXPECT_FALSE(source.dividend({2022, 5, 7}, 2, false));
    EXPECT_FALSE(source.dividend({2022, 5, 11}, 4, false));
}

TEST(Money, KnownAndUnknownPartsAddUpAndShowApart) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Chance::Money total;
    Winnings::addMoney(total, {14.0, 35.5, 0});
    EXPECT_EQ(Winnings::moneyText(total), QStringLiteral("35,50 €"));
    Winnings::addMoney(total, {0.5, 1200.0, 2});
    EXPECT_DOUBLE_EQ(total.stake, 14.5);
    EXPECT_DOUBLE_EQ(total.knownReturn, 1235.5);
    EXPECT_EQ(total.unknownWins, 2);
    EXPECT_EQ(Winnings::moneyText(total), QStringLiteral("1.235,50 € + unbekannt"));
    EXPECT_EQ(Winnings::moneyText({1.0, 0.0, 3}), QStringLiteral("unbekannt"));
    EXPECT_EQ(Winnings::moneyText({1.0, 0.0, 0}), QStringLiteral("0,00 €"));
    QLocale::setDefault(before);
}

TEST(Money, APrizeTableIsKnownWhenAnyTierHasItsDividend) {
    const MemoryDividends day = dividendsOfTheDay();
    EXPECT_TRUE(Winnings::prizesKnown(&day, Day));
    EXPECT_FALSE(Winnings::prizesKnown(&day, Day.addDays(4)));
    EXPECT_FALSE(Winnings::prizesKnown(nullptr, Day));
    MemoryDividends onlySix;
    onlySix.set(Day, {{6, false, 1000000.0}});
    EXPECT_TRUE(Winnings::prizesKnown(&onlySix, Day));
}
