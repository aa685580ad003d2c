#include "base/Errors.h"
#include "base/TextFile.h"
#include "evaluation/Matching.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Winning numbers 3 9 17 22 35 48, additional number 11.
CurrentDraw sampleDraw() {
    CurrentDraw d;
    const int n[] = {3, 9, 17, 22, 35, 48, 11, 5};
    for (int i = 0; i < 8; ++i) d.numbers[static_cast<size_t>(i + 1)] = n[i];
    return d;
}

SystemTable tableOf(const QStringList& rows) {
    SystemTable t;
    for (int r = 1; r <= rows.size(); ++r) t.setRow(r, rows[r - 1]);
    t.setRowCount(static_cast<int>(rows.size()));
    return t;
}

// `table` is the one the selector loaded; lines naming a code read theirs from the vew
// directory of `dir`.
struct Checker {
    QTemporaryDir dir;
    SystemTableSet byCode{dir.path() + QLatin1Char('/')};
    CurrentDraw draw = sampleDraw();
    SystemTable table;
    ParsedTicket ticket;
    QString selector = QStringLiteral("Normal");
    TicketResult result;

    SystemTables tables() { return {&table, &byCode}; }
    void writeTable(const QString& code, const QStringList& rows) {
        QDir(dir.path()).mkpath(QStringLiteral("vew"));
        TextFile::writeBytesAtomic(dir.path() + QStringLiteral("/vew/") + code + QStringLiteral(".txt"),
                                   (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    }
    TicketResult check(const QString& line) {
        zettelcheck(line, ticket, selector, result, tables(), draw);
        return result;
    }
};

} // namespace

TEST(SingleAndFullSystem, HitsAndAdditionalNumber) {
    Checker c;
    EXPECT_EQ(c.check(QStringLiteral("01,02,04,05,06,07:Normal")), (TicketResult{0, false}));
    // Four winning numbers and the additional number: still "4", tallied as (4, yes).
    TicketResult r = c.check(QStringLiteral("03,09,11,17,22,40:Normal"));
    EXPECT_EQ(r, (TicketResult{4, true}));
    EXPECT_EQ(hitText(r), QStringLiteral("4"));
    r = c.check(QStringLiteral("03,09,11,17,22,35:Normal"));
    EXPECT_EQ(r, (TicketResult{5, true}));
    EXPECT_EQ(hitText(r), QStringLiteral("5 + Z"));
    r = c.check(QStringLiteral("03,09,12,17,22,35:Normal"));
    EXPECT_EQ(hitText(r), QStringLiteral("5"));
    r = c.check(QStringLiteral("03,09,17,22,35,48:Normal"));
    EXPECT_EQ(hitText(r), QStringLiteral("6"));

    // A full system of ten numbers counts the winning numbers among all ten.
    r = c.check(QStringLiteral("03,09,11,17,20,22,30,35,44,48:010"));
    EXPECT_EQ(c.selector, QStringLiteral("Vollsystem"));
    EXPECT_EQ(r, (TicketResult{6, true}));
    EXPECT_EQ(hitText(r), QStringLiteral("6"));
}

TEST(SingleAndFullSystem, LineWithoutColonFollowsTheSelector) {
    Checker c;
    c.selector = QStringLiteral("Normal");
    // Nine numbers under "Normal": every number counts.
    EXPECT_EQ(c.check(QStringLiteral("01,03,09,17,20,22,35,40,48")).hits, 6);
    EXPECT_EQ(c.selector, QStringLiteral("Normal"));

    // Under a reduced selector the same line is checked by the table rows.
    c.table = tableOf({QStringLiteral("x-x---x--"), QStringLiteral("xxx")});
    c.selector = QStringLiteral("VEW:609");
    EXPECT_EQ(c.check(QStringLiteral("01,03,09,17,20,22,35,40,48")).hits, 2);
}

TEST(SingleAndFullSystem, NonNumericFieldStopsTheCount) {
    Checker c;
    // Counting stops at "ab": only 03 and 09 count, and the additional number after it is not seen.
    EXPECT_EQ(c.check(QStringLiteral("03,09,ab,11,17,22:Normal")), (TicketResult{2, false}));
    EXPECT_EQ(c.check(QStringLiteral("03,09,17 ,11,22,35:Normal")), (TicketResult{2, false}));
    EXPECT_EQ(c.check(QStringLiteral("03,09,,11,17,22,35:007")), (TicketResult{2, false}));
    EXPECT_EQ(c.check(QStringLiteral("x,03,09,11,17,22,35:007")), (TicketResult{0, false}));
    // A field whose text was cut never matches by accident.
    EXPECT_EQ(c.check(QStringLiteral("0000003,09:Normal")).hits, 1);
}

TEST(SingleAndFullSystem, RepeatedNumbersCountOnce) {
    Checker c;
    // Seven copies of a winning number are one hit, not seven.
    const TicketResult r = c.check(QStringLiteral("03,03,03,03,03,03,03:007"));
    EXPECT_EQ(r.hits, 1);
    HitTally tally;
    tally.add(r);
    EXPECT_EQ(tally.count(1, false), 1);

    // A manually entered draw may repeat a number; both winning places count.
    c.draw.numbers[2] = 3;
    EXPECT_EQ(c.check(QStringLiteral("03,40,41,42,43,44:Normal")).hits, 2);
}

TEST(SingleAndFullSystem, ValuesOutsideTheNumberRangeCompareExactly) {
    Checker c;
    c.draw.numbers[1] = 100; // a damaged record may hold any byte
    c.draw.numbers[7] = 200;
    EXPECT_EQ(c.check(QStringLiteral("100,09,200,-3,64,17:Normal")), (TicketResult{3, true}));
    EXPECT_EQ(c.check(QStringLiteral("36,164,-100,09,17,22:Normal")), (TicketResult{3, false}));
}

TEST(ReducedSystem, BestRowDecidesAndTheEarliestGivesTheFlag) {
    Checker c;
    c.selector = QStringLiteral("VEW:609"); // loaded below as c.table; the lines name no code
    // Tip positions: 1:03 2:09 3:17 4:22 5:35 6:11 7:40 8:41 9:42 (11 is the additional number).
    const QString line = QStringLiteral("03,09,17,22,35,11,40,41,42");
    c.table = tableOf({
        QStringLiteral("xxx---xxx"), // 03 09 17 40 41 42: 3
        QStringLiteral("xxxxx-x--"), // 03 09 17 22 35 40: 5
        QStringLiteral("xxxxxx---"), // 03 09 17 22 35 11: 5 and the additional number
    });
    TicketResult r = c.check(line);
    EXPECT_EQ(r, (TicketResult{5, false}));
    EXPECT_EQ(hitText(r), QStringLiteral("5"));

    // With the two five-rows swapped the flagged one comes first and wins.
    c.table =
        tableOf({QStringLiteral("xxx---xxx"), QStringLiteral("xxxxxx---"), QStringLiteral("xxxxx-x--")});
    EXPECT_EQ(hitText(c.check(line)), QStringLiteral("5 + Z"));

    // A row only counts its first six marks: the seventh (35) is left out.
    c.table = tableOf({QStringLiteral("xxxx--xxxx")});
    EXPECT_EQ(c.check(QStringLiteral("03,09,17,22,01,02,40,41,35,48")).hits, 4);
}

TEST(ReducedSystem, RowsWithoutLowerCaseMarksAreSkipped) {
    Checker c;
    c.selector = QStringLiteral("VEW:609");
    const QString line = QStringLiteral("03,09,17,22,35,11,40,41,42");
    // Upper-case X, empty rows and marks beyond the line mark nothing.
    c.table = tableOf({QStringLiteral("XXXXXX"), QString(), QStringLiteral("---------xxxxxx")});
    EXPECT_EQ(c.check(line), (TicketResult{0, false}));
    // A short row marks only what it reaches.
    c.table = tableOf({QStringLiteral("xx")});
    EXPECT_EQ(c.check(line).hits, 2);
    // No table at all: nothing is won.
    c.table = SystemTable();
    EXPECT_EQ(c.check(line), (TicketResult{0, false}));
    // A count set by the full system with empty rows behaves the same.
    c.table.setRowCount(84);
    EXPECT_EQ(c.check(line), (TicketResult{0, false}));
    // Rows beyond rowCount are not looked at.
    c.table = tableOf({QStringLiteral("xxxxxx")});
    c.table.setRow(2, QStringLiteral("xxxxx"));
    c.table.setRowCount(1);
    EXPECT_EQ(c.check(QStringLiteral("40,41,42,43,44,03")).hits, 1);
}

TEST(ReducedSystem, MarkedFieldThatIsNoNumberFails) {
    Checker c;
    c.selector = QStringLiteral("VEW:609");
    c.table = tableOf({QStringLiteral("xxxxxx---"), QStringLiteral("---xxxxxx")});
    // Field 8 is marked by row 2 only: row 1 is fine, row 2 throws.
    EXPECT_THROW(c.check(QStringLiteral("03,09,17,22,35,11,40,ab,42")), ConversionError);
    EXPECT_EQ(c.result, (TicketResult{0, false}));
    try {
        c.check(QStringLiteral("03,09,17,22,35,11,40,4 ,42"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'4 ' ist kein gültiger Integerwert"));
    }
    // An unmarked field may hold anything.
    c.table = tableOf({QStringLiteral("xxxxxx---")});
    EXPECT_EQ(c.check(QStringLiteral("03,09,17,22,35,11,40,ab,42")).hits, 5);
}

TEST(TipList, HitListStatusTallyAndSound) {
    Checker c;
    QStringList lines{
        QStringLiteral("03,09,17,01,02,04:Normal"), // 3
        QStringLiteral("  "),                       // blank: removed
        QStringLiteral("03,09,17,22,01,11:Normal"), // 4 + additional
        QString(),                                  // removed
        QStringLiteral("01,02,04,05,06,07:Normal"), // 0
        QStringLiteral("03,09,17,22,35,11:Normal"), // 5 + Z
    };
    HitTally tally;
    tally.add(TicketResult{6, false}); // left over from an earlier check
    const ListCheck check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.removedLines, (std::vector<int>{1, 3}));
    EXPECT_EQ(lines.size(), 4);
    EXPECT_EQ(check.hitTexts, (QStringList{"3", "4", "0", "5 + Z"}));
    EXPECT_EQ(check.maxHits, 5);
    EXPECT_EQ(check.winningLines, 3);
    EXPECT_EQ(check.status, QStringLiteral("Max-Gewinn 5er"));
    EXPECT_TRUE(check.error.isEmpty());
    EXPECT_EQ(tally.count(6, false), 0);
    EXPECT_EQ(tally.count(3, false), 1);
    EXPECT_EQ(tally.count(4, true), 1);
    EXPECT_EQ(tally.count(0, false), 1);
    EXPECT_EQ(tally.count(5, true), 1);
    // The last line's outcome stays as the result.
    EXPECT_EQ(c.result, (TicketResult{5, true}));
}

TEST(TipList, EmptyListsAndSmallWins) {
    Checker c;
    HitTally tally;
    QStringList lines;
    ListCheck check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_TRUE(check.hitTexts.isEmpty());
    EXPECT_EQ(check.maxHits, 0);
    EXPECT_EQ(check.status, QString());

    lines = QStringList{QStringLiteral("03,09,01,02,04,05:Normal"), QStringLiteral("	")};
    check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.hitTexts, QStringList{"2"});
    EXPECT_EQ(check.status, QString()); // below three hits
    EXPECT_EQ(check.winningLines, 0);

    lines =
        QStringList{QStringLiteral("03,09,17,01,02,04:Normal"), QStringLiteral("03,09,17,22,01,02:Normal")};
    check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.status, QStringLiteral("Max-Gewinn 4er"));
    EXPECT_EQ(check.winningLines, 2);
}

TEST(TipList, SelectorCarriesFromLineToLine) {
    Checker c;
    c.writeTable(QStringLiteral("609"), {QStringLiteral("xxx---"), QStringLiteral("x-----")});
    c.table = tableOf({QStringLiteral("xx----")}); // what the selector loaded
    QStringList lines{
        QStringLiteral("03,09,17,22,35,48"),     // under "Normal": 6
        QStringLiteral("03,09,17,22,35,48:609"), // its own table's rows: best 3
        QStringLiteral("03,09,17,22,35,48"),     // the reduced kind, with the selector's table: 2
        QStringLiteral("03,09,17,22,35,48:012"), // full system: 6
        QStringLiteral("03,09,17,22,35,48"),     // full system: 6
    };
    HitTally tally;
    const ListCheck check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.hitTexts, (QStringList{"6", "3", "2", "6", "6"}));
    EXPECT_EQ(c.selector, QStringLiteral("Vollsystem"));
}

TEST(TipList, FailingLineEndsTheLoopButKeepsEarlierResults) {
    Checker c;
    c.writeTable(QStringLiteral("609"), {QStringLiteral("xxxxxx")});
    QStringList lines{
        QStringLiteral("03,09,17,22,01,02:Normal"), // 4
        QStringLiteral("03,zz,17,22,35,48:609"),    // marked non-number: fails
        QStringLiteral("03,09,17,22,35,48:Normal"), // never checked
    };
    HitTally tally;
    const ListCheck check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.hitTexts, QStringList{"4"});
    EXPECT_EQ(check.maxHits, 4);
    EXPECT_EQ(check.status, QStringLiteral("Max-Gewinn 4er"));
    EXPECT_TRUE(check.error.contains(QStringLiteral("zz")));
    EXPECT_EQ(tally.count(4, false), 1);
    EXPECT_EQ(tally.count(0, false), 0);
    // The failing line's selector text stays, as the parse set it before the check failed.
    EXPECT_EQ(c.selector, QStringLiteral("VEW:609"));
}

TEST(TipList, ALineNamingItsSystemIsScoredByThatTableAndAMissingOneIsNamed) {
    Checker c;
    // The selector loaded a table that would give six; the lines name their own.
    c.table = tableOf({QStringLiteral("xxxxxx")});
    c.selector = QStringLiteral("VEW:609");
    c.writeTable(QStringLiteral("610"), {QStringLiteral("x-x-x-x-x-"), QStringLiteral("-x-x-x-x-x")});
    QStringList lines{
        QStringLiteral("03,01,09,02,17,04,22,05,35,06:610"), // row 1: 03 09 17 22 35 = 5
        QStringLiteral("03,09,17,22,35,48:616"),             // no table: named, not scored
        QStringLiteral("01,03,02,09,04,17,05,06,07,08:610"), // row 2: 03 09 17 = 3
    };
    HitTally tally;
    const ListCheck check = checkTipList(lines, c.selector, c.ticket, c.result, tally, c.tables(), c.draw);
    EXPECT_EQ(check.hitTexts, (QStringList{"5", "Tabelle 616 fehlt", "3"}));
    EXPECT_EQ(check.lineHits, (std::vector<int>{5, 0, 3}));
    EXPECT_EQ(check.lineScored, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(check.error.isEmpty());
    EXPECT_EQ(check.winningLines, 2);
    // The line without a table is no tip of the tally.
    int tallied = 0;
    for (int h = 0; h <= 6; ++h) tallied += tally.count(h, false) + tally.count(h, true);
    EXPECT_EQ(tallied, 2);
}

TEST(TipList, StatusTexts) {
    EXPECT_EQ(maxWinText(0), QString());
    EXPECT_EQ(maxWinText(2), QString());
    EXPECT_EQ(maxWinText(3), QStringLiteral("Max-Gewinn 3er"));
    EXPECT_EQ(maxWinText(6), QStringLiteral("Max-Gewinn 6er"));
    EXPECT_EQ(systemKindOf(u"Normal"), SystemKind::Single);
    EXPECT_EQ(systemKindOf(u"Vollsystem"), SystemKind::Full);
    EXPECT_EQ(systemKindOf(u"VEW:609"), SystemKind::Reduced);
    EXPECT_EQ(systemKindOf(u"normal"), SystemKind::Reduced);
    EXPECT_EQ(systemKindOf(u""), SystemKind::Reduced);
}
