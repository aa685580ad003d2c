// The slips the player played: every column of a line scored against the draws it covers, the
// euros from each draw's own dividends, and the slips file that keeps what it cannot read.
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Beside = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/");

DrawRecord draw(const QDate& date, std::array<int, 6> winning, int additional) {
    DrawRecord r;
    r.date = DayCount::fromDate(date);
    for (std::size_t i = 0; i < 6; ++i) r.numbers[i] = static_cast<std::uint8_t>(winning[i]);
    r.additional = static_cast<std::uint8_t>(additional);
    return r;
}

Slips::Slip slip(QStringList lines, const QDate& first, int draws = 1, double price = 0.5) {
    Slips::Slip s;
    s.lines = std::move(lines);
    s.firstDraw = first;
    s.draws = draws;
    s.pricePerColumn = price;
    return s;
}

const QDate Day(2025, 8, 23);
// The prize table of a draw: 1.50 € for three hits, 35 € for four, ...
MemoryDividends dividendsOf(const QDate& date) {
    MemoryDividends d;
    d.set(date, {{6, false, 1000000.0}, {5, true, 50000.0}, {5, false, 1500.0}, {4, false, 35.0}, {3, false, 1.5}});
    return d;
}

std::vector<int> hitsOf(const Slips::LineCheck& line) {
    std::vector<int> hits;
    for (const Slips::ColumnHits& c : line.columns) hits.push_back(c.hits);
    return hits;
}

} // namespace

TEST(SlipChecks, EveryColumnOfEachSystemKindIsScoredAndPaidByTheDrawsDividends) {
    SystemTableSet tables(Beside);
    const MemoryDividends dividends = dividendsOf(Day);
    const std::vector<DrawRecord> history{draw(Day, {1, 2, 3, 4, 20, 30}, 44)};

    // A single tip with three hits and the additional number: one 3, 1.50 €.
    {
        const Slips::Slip s = slip({QStringLiteral("01,02,03,25,38,44:Normal")}, Day);
        const auto checks = Slips::checkAll({s}, history, &dividends, tables);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_EQ(checks[0].columns, 1);
        EXPECT_EQ(hitsOf(checks[0].lines[0]), std::vector<int>{3});
        EXPECT_TRUE(checks[0].lines[0].columns[0].additional);
        EXPECT_EQ(checks[0].bestTierText(), QStringLiteral("3 Richtige"));
        EXPECT_DOUBLE_EQ(checks[0].money.stake, 0.5);
        EXPECT_DOUBLE_EQ(checks[0].money.knownReturn, 1.5);
        EXPECT_EQ(Slips::summaryText(checks), QStringLiteral("1 Schein geprüft: 1 × 3 Richtige, 1,50 €"));
    }
    // A full system of eight with four hits plays 28 columns: six 4s and sixteen 3s.
    {
        const Slips::Slip s = slip({QStringLiteral("01,02,03,04,05,06,07,08:008")}, Day);
        EXPECT_EQ(Slips::columnsOf(s, tables), 28);
        const auto checks = Slips::checkAll({s}, history, &dividends, tables);
        ASSERT_EQ(checks.size(), 1u);
        const Slips::LineCheck& line = checks[0].lines[0];
        ASSERT_EQ(line.columns.size(), 28u);
        const std::vector<int> hits = hitsOf(line);
        EXPECT_EQ(std::count(hits.begin(), hits.end(), 4), 6);
        EXPECT_EQ(std::count(hits.begin(), hits.end(), 3), 16);
        EXPECT_EQ(line.result.columns[Chance::Four], 6);
        EXPECT_EQ(line.result.columns[Chance::Three], 16);
        EXPECT_DOUBLE_EQ(checks[0].money.stake, 14.0);
        EXPECT_DOUBLE_EQ(checks[0].money.knownReturn, 6 * 35.0 + 16 * 1.5);
        EXPECT_EQ(checks[0].bestTierText(), QStringLiteral("4 Richtige"));
        EXPECT_EQ(Slips::summaryText(checks),
                  QStringLiteral("1 Schein geprüft: 6 × 4 Richtige, 16 × 3 Richtige, 234,00 €"));
    }
    // Reduced system 610 on the numbers 1 to 10: its rows hold, by position, 1-6 | 1,2,5-8 |
    // 1,2,7-10 | 1,3,4,6,7,10 | 1,3,4,6,8,9 | 1,5,6,7,9,10 | 2-5,7,10 | 2-4,8-10 | 2,5,6,8-10 |
    // 3-5,7-9. Winning 1, 3, 4, 9 among them (additional 7).
    {
        const std::vector<DrawRecord> h{draw(Day, {1, 3, 4, 9, 20, 30}, 7)};
        const Slips::Slip s = slip({QStringLiteral("01,02,03,04,05,06,07,08,09,10:610"),
                                    QStringLiteral("11,12,13,14,15,16,17,18,19,20:999")},
                                   Day);
        EXPECT_EQ(Slips::columnsOf(s, tables), 10); // the line without table plays nothing
        const auto checks = Slips::checkAll({s}, h, &dividends, tables);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_EQ(hitsOf(checks[0].lines[0]), (std::vector<int>{3, 1, 2, 3, 4, 2, 2, 3, 1, 3}));
        EXPECT_TRUE(checks[0].lines[0].columns[3].additional);
        EXPECT_FALSE(checks[0].lines[0].columns[0].additional);
        EXPECT_EQ(checks[0].lines[0].result.columns[Chance::Four], 1);
        EXPECT_EQ(checks[0].lines[0].result.columns[Chance::Three], 4);
        EXPECT_EQ(checks[0].lines[1].missingTable, QStringLiteral("999"));
        EXPECT_TRUE(checks[0].lines[1].columns.empty());
        EXPECT_DOUBLE_EQ(checks[0].money.knownReturn, 35.0 + 4 * 1.5);
    }
}

TEST(SlipChecks, ASlipCoversItsNextDrawsWhateverTheirWeekday) {
    SystemTableSet tables(Beside);
    // Christmas moved a draw to Tuesday 23 December.
    const std::vector<DrawRecord> history{draw(QDate(2025, 12, 20), {1, 2, 3, 4, 5, 6}, 7),
                                          draw(QDate(2025, 12, 23), {1, 2, 3, 40, 41, 42}, 7),
                                          draw(QDate(2025, 12, 27), {10, 11, 12, 13, 14, 15}, 7)};
    const Slips::Slip s = slip({QStringLiteral("01,02,03,04,05,06:Normal")}, QDate(2025, 12, 21), 3);
    const std::vector<DrawRecord> covered = Slips::coveredDraws(s, history);
    ASSERT_EQ(covered.size(), 2u);
    EXPECT_EQ(DayCount::toDate(covered[0].date), QDate(2025, 12, 23));
    EXPECT_FALSE(Slips::finished(s, history));
    EXPECT_TRUE(Slips::finished(slip(s.lines, s.firstDraw, 2), history));

    // Only the draws an update added are checked.
    const auto fresh = Slips::checkNew({s}, history, {QDate(2025, 12, 23)}, nullptr, tables);
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh[0].date, QDate(2025, 12, 23));
    EXPECT_EQ(fresh[0].bestHits, 3);
    EXPECT_TRUE(Slips::checkNew({s}, history, {QDate(2025, 12, 20)}, nullptr, tables).empty());
    EXPECT_EQ(Slips::checkAll({s}, history, nullptr, tables).size(), 2u);
}

TEST(SlipChecks, ANewSlipStartsWithTheNextDrawNeverInThePast) {
    const QDate saturday(2025, 8, 30), monday(2025, 9, 1);
    // The announced draw, even on a moved day.
    EXPECT_EQ(Slips::nextDrawDate(QDate(2025, 9, 2), saturday, monday), QDate(2025, 9, 2));
    // None announced, or one already stored or passed: the next Wednesday or Saturday.
    EXPECT_EQ(Slips::nextDrawDate(std::nullopt, saturday, monday), QDate(2025, 9, 3));
    EXPECT_EQ(Slips::nextDrawDate(saturday, saturday, monday), QDate(2025, 9, 3));
    EXPECT_EQ(Slips::nextDrawDate(std::nullopt, QDate(2025, 8, 27), QDate(2025, 8, 28)), saturday);
    EXPECT_EQ(Slips::nextDrawDate(std::nullopt, QDate(2025, 8, 27), saturday), saturday); // today's draw
    // A history weeks behind: from today on.
    EXPECT_EQ(Slips::nextDrawDate(QDate(2025, 7, 2), QDate(2025, 6, 28), monday), QDate(2025, 9, 3));
    EXPECT_EQ(Slips::nextDrawDate(std::nullopt, QDate(), monday), QDate(2025, 9, 3));
}

TEST(SlipChecks, AWinWithoutKnownDividendIsUnknownAndSoIsItsExpectation) {
    SystemTableSet tables(Beside);
    const MemoryDividends dividends = dividendsOf(Day);
    const QDate later(2025, 8, 27); // no prize table for this draw
    const std::vector<DrawRecord> history{draw(Day, {1, 2, 3, 40, 41, 42}, 7),
                                          draw(later, {1, 2, 3, 40, 41, 42}, 0)};
    const Slips::Slip s = slip({QStringLiteral("01,02,03,04,05,06:Normal")}, Day, 2);

    const auto unknown = Slips::checkNew({s}, history, {later}, &dividends, tables);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].money.unknownWins, 1);
    EXPECT_DOUBLE_EQ(unknown[0].money.knownReturn, 0);
    EXPECT_EQ(Slips::summaryText(unknown), QStringLiteral("1 Schein geprüft: 1 × 3 Richtige, unbekannt"));

    const auto all = Slips::checkAll({s, s}, history, &dividends, tables);
    EXPECT_EQ(Slips::summaryText(all), QStringLiteral("2 Scheine geprüft: 4 × 3 Richtige, 3,00 € + unbekannt"));
    EXPECT_FALSE(Slips::totals(all, &dividends).expectedReturn);

    // On the draw with a table: Σ P(tier) × dividend for one column of six, 1 column.
    const Slips::Totals known = Slips::totals(Slips::checkNew({s}, history, {Day}, &dividends, tables), &dividends);
    const double expected = Chance::probability(6, 3, false, true) * 1.5 + Chance::probability(6, 3, true, true) * 1.5 +
                            Chance::probability(6, 4, false, true) * 35 + Chance::probability(6, 4, true, true) * 35 +
                            Chance::probability(6, 5, false, true) * 1500 +
                            Chance::probability(6, 5, true, true) * 50000 + Chance::probability(6, 6, false, true) * 1e6;
    ASSERT_TRUE(known.expectedReturn);
    EXPECT_NEAR(*known.expectedReturn, expected, 1e-12);
    EXPECT_DOUBLE_EQ(known.money.stake, 0.5);

    // Nothing won: the status line says so; nothing checked: no status line.
    const std::vector<DrawRecord> blank{draw(Day, {30, 31, 32, 33, 34, 35}, 36)};
    EXPECT_EQ(Slips::summaryText(Slips::checkAll({s}, blank, &dividends, tables)),
              QStringLiteral("1 Schein geprüft: kein Gewinn"));
    EXPECT_EQ(Slips::checkAll({s}, blank, &dividends, tables)[0].bestTierText(), QStringLiteral("–"));
    EXPECT_TRUE(Slips::summaryText({}).isEmpty());
}

TEST(SlipBook, SlipsSurviveTheFileAndDamagedLinesAreKeptByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.scheine.csv"));
    Slips::SlipBook book;
    EXPECT_TRUE(book.load(path).error.isEmpty()); // missing file: an empty book
    EXPECT_TRUE(book.slips().empty());

    Slips::Slip odd = slip({QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("01,02,03,04,05,06,07:a;b|c")},
                           QDate(2025, 8, 23), 10, 0.375);
    odd.name = QStringLiteral("Büro; Ελλάδα | C:\\tipps\nzwei");
    EXPECT_EQ(book.add(odd), QStringLiteral("1"));
    EXPECT_EQ(book.add(slip({QStringLiteral("07,08,09,10,11,12:Normal")}, QDate(2025, 8, 27))), QStringLiteral("2"));
    book.remove(1);
    ASSERT_TRUE(book.save(path).isEmpty());

    Slips::SlipBook again;
    ASSERT_TRUE(again.load(path).damagedLines.isEmpty());
    ASSERT_EQ(again.slips().size(), 1u);
    odd.id = QStringLiteral("1");
    EXPECT_EQ(again.slips()[0], odd);
    // The removed slip's id is not given again.
    EXPECT_EQ(again.add(slip({QStringLiteral("07,08,09,10,11,12:Normal")}, QDate(2025, 8, 30))), QStringLiteral("3"));

    // Lines the book cannot read are reported and written back unchanged, wherever they stood.
    const QByteArray good = QByteArrayLiteral("4;Sa;2025-08-30;2;0.5;01,02,03,04,05,06:Normal");
    const QByteArray tooManyDraws = QByteArrayLiteral("9;x;2025-08-30;11;0.5;01,02,03,04,05,06:Normal");
    const QByteArray notUtf8 = QByteArrayLiteral("5;\xff\xfe;2025-08-30;1;0.5;01,02,03,04,05,06:Normal");
    const QByteArray sameId = QByteArrayLiteral("4;twice;2025-09-03;1;0.5;01,02,03,04,05,06:Normal");
    writeBytes(path, "id;name;firstDraw;draws;price;lines\n" + tooManyDraws + "\n" + good + "\r\n" + notUtf8 + "\r" +
                         sameId + "\n\n");
    Slips::SlipBook damaged;
    const Slips::SlipBook::LoadResult loaded = damaged.load(path);
    EXPECT_TRUE(loaded.error.isEmpty());
    EXPECT_EQ(loaded.damagedLines.size(), 3);
    ASSERT_EQ(damaged.slips().size(), 1u);
    EXPECT_EQ(damaged.slips()[0].id, QStringLiteral("4"));
    EXPECT_EQ(damaged.add(damaged.slips()[0]), QStringLiteral("10")); // above every id in the file
    ASSERT_TRUE(damaged.save(path).isEmpty());
    const QByteArray saved = readBytes(path);
    for (const QByteArray& raw : {tooManyDraws, notUtf8, sameId}) EXPECT_TRUE(saved.contains(raw + "\r\n")) << raw.constData();
    Slips::SlipBook reread;
    EXPECT_EQ(reread.load(path).damagedLines.size(), 3);
    EXPECT_EQ(reread.slips().size(), 2u);

    // A directory is refused with the reason.
    EXPECT_FALSE(Slips::SlipBook().load(dir.path()).error.isEmpty());
}
