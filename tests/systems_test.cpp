#include "support/TestPlatform.h"
#include "tips/SystemTable.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray linesOf(int count, const QByteArray& line) {
    QByteArray out;
    for (int i = 0; i < count; ++i) out += line + "\r\n";
    return out;
}

} // namespace

TEST(FullSystem, RowCounts) {
    const int expected[] = {0, 1, 7, 28, 84, 210, 462, 924};
    for (int n = 5; n <= 12; ++n) EXPECT_EQ(SystemChoice::fullSystemRows(n), expected[n - 5]) << n;
    EXPECT_EQ(SystemChoice::fullSystemRows(0), 0);
    EXPECT_EQ(SystemChoice::fullSystemRows(26), 230230);
    EXPECT_EQ(SystemChoice::fullSystemRowsText(7), QStringLiteral("7 Tippreihen pro Tipp!"));
    EXPECT_EQ(SystemChoice::tableRowsText(12), QStringLiteral("12Tippreihen pro Tipp!"));
}

TEST(SizeStep, EntryAndTipsPerTicket) {
    // Up from 6 to 7 with the default of six tips per ticket.
    auto s = SystemChoice::sizeStep(7, 6);
    EXPECT_EQ(s.entry, QStringLiteral("Vollsystem"));
    EXPECT_EQ(s.ticketsPosition, 3);
    EXPECT_EQ(s.ticketsMaximum, 3);

    // A system keeps a smaller setting.
    s = SystemChoice::sizeStep(9, 2);
    EXPECT_EQ(s.entry, QStringLiteral("Vollsystem"));
    EXPECT_EQ(s.ticketsPosition, 2);
    EXPECT_EQ(s.ticketsMaximum, 3);

    // Back to 6: a single tip always gives three tips per ticket.
    for (int before : {1, 3, 6}) {
        s = SystemChoice::sizeStep(6, before);
        EXPECT_EQ(s.entry, QStringLiteral("Normal"));
        EXPECT_EQ(s.ticketsPosition, 3);
        EXPECT_EQ(s.ticketsMaximum, 6);
    }
}

class ChangeStepTest : public ::testing::Test {
protected:
    TestProgramDir dir;
    SystemTable table;
    QString vew(const QString& name) const { return dir.file(QStringLiteral("vew/") + name); }
};

TEST_F(ChangeStepTest, TypingAReducedCodeLoadsItsTableOnTheLastKeystroke) {
    writeFile(vew("609.txt"), linesOf(12, "xxxxxx---"));
    for (const char* partial : {"VEW:", "VEW:6", "VEW:60"}) {
        const auto step = SystemChoice::changeStep(QString::fromLatin1(partial), 6, dir.path(), table);
        EXPECT_EQ(table.rowCount(), 0) << partial;
        EXPECT_EQ(step.status, QStringLiteral("0Tippreihen pro Tipp!")) << partial;
        EXPECT_TRUE(step.recheck) << partial;
    }
    const auto step = SystemChoice::changeStep(QStringLiteral("VEW:609"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 12);
    EXPECT_EQ(step.status, QStringLiteral("12Tippreihen pro Tipp!"));
    EXPECT_TRUE(step.recheck);
    EXPECT_EQ(step.linesIgnored, 0);
    EXPECT_EQ(table.row(12), QStringLiteral("xxxxxx---"));
    EXPECT_EQ(table.row(13), QString());
}

TEST_F(ChangeStepTest, AnyColonDecidesAndOtherTextsLeaveTheCount) {
    writeFile(vew("abc.txt"), "xxxxxx\r\nxx-xxxx\r\n");
    auto step = SystemChoice::changeStep(QStringLiteral("Normal:abc"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_TRUE(step.recheck);

    // The full system: C(n, 6) rows, the table's rows are emptied, no re-check.
    step = SystemChoice::changeStep(QStringLiteral("Vollsystem"), 7, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 7);
    EXPECT_EQ(step.status, QStringLiteral("7 Tippreihen pro Tipp!"));
    EXPECT_FALSE(step.recheck);
    EXPECT_EQ(table.row(1), QString());
    EXPECT_EQ(table.marks(1).count, 0);

    // A single tip: the count stays, the rows stay empty, the status panel is left alone.
    step = SystemChoice::changeStep(QStringLiteral("Normal"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 7);
    EXPECT_FALSE(step.status.has_value());
    EXPECT_FALSE(step.recheck);

    // The comparison is exact: other spellings are not the full system.
    SystemChoice::changeStep(QStringLiteral("vollsystem"), 8, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 7);
}

TEST_F(ChangeStepTest, CodesCannotReachFilesOutsideTheTableDirectory) {
    writeFile(dir.file("secret.txt"), "xxxxxx\r\n");
    writeFile(vew("sub/609.txt"), "xxxxxx\r\n");
    for (const char* text : {"VEW:../secret", "VEW:..\\secret", "VEW:sub/609"}) {
        table.setRowCount(5);
        const auto step = SystemChoice::changeStep(QString::fromLatin1(text), 6, dir.path(), table);
        EXPECT_EQ(table.rowCount(), 0) << text;
        EXPECT_EQ(step.status, QStringLiteral("0Tippreihen pro Tipp!")) << text;
    }
    // A directory named like a table is no table.
    QDir().mkpath(vew("dir.txt"));
    SystemChoice::changeStep(QStringLiteral("VEW:dir"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST_F(ChangeStepTest, RowsAndTheirMarks) {
    // Line ends of all three kinds, an upper-case X row, a short row, and an empty last line.
    writeFile(vew("t.txt"), "xx-x-x--xx\rXXXXXX\nxxx\r\n---------xxxxxxxxxxxxxxxxxxxxx\r\n\r\n");
    SystemChoice::changeStep(QStringLiteral("VEW:t"), 6, dir.path(), table);
    ASSERT_EQ(table.rowCount(), 5);

    const auto positions = [&](int r) {
        std::vector<int> out;
        for (int m = 0; m < table.marks(r).count; ++m) out.push_back(table.marks(r).positions[m]);
        return out;
    };
    EXPECT_EQ(positions(1), (std::vector<int>{0, 1, 3, 5, 8, 9}));
    EXPECT_TRUE(positions(2).empty());
    EXPECT_EQ(positions(3), (std::vector<int>{0, 1, 2}));
    // Marks beyond the 26th position can never meet a field of a tip line.
    EXPECT_EQ(positions(4).size(), 17u);
    EXPECT_EQ(positions(4).back(), 25);
    EXPECT_EQ(table.row(5), QString());
    EXPECT_TRUE(positions(5).empty());
}

TEST_F(ChangeStepTest, OverlongTableKeepsTheFirstThousandRowsAndSaysSo) {
    QByteArray bytes = linesOf(1000, "xxxxxx");
    bytes += linesOf(5, "------xxxxxx");
    writeFile(vew("big.txt"), bytes);
    const auto step = SystemChoice::changeStep(QStringLiteral("VEW:big"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 1000);
    EXPECT_EQ(step.linesIgnored, 5);
    EXPECT_EQ(step.status, QStringLiteral("1000Tippreihen pro Tipp!"));
    EXPECT_EQ(table.row(1000), QStringLiteral("xxxxxx"));
    const QString warning = SystemChoice::tooManyLinesText(step.tablePath, step.linesIgnored);
    EXPECT_TRUE(warning.contains(QStringLiteral("big.txt")));
    EXPECT_TRUE(warning.contains(QStringLiteral("1000")));

    // Exactly 1000 lines are no overflow.
    writeFile(vew("full.txt"), linesOf(1000, "xxxxxx"));
    EXPECT_EQ(SystemChoice::changeStep(QStringLiteral("VEW:full"), 6, dir.path(), table).linesIgnored, 0);
    EXPECT_EQ(table.rowCount(), 1000);
}

TEST_F(ChangeStepTest, ChangingToAnotherTableForgetsTheOldRows) {
    writeFile(vew("a.txt"), linesOf(3, "xxxxxx"));
    writeFile(vew("b.txt"), "------xxxxxx\r\n");
    SystemChoice::changeStep(QStringLiteral("VEW:a"), 6, dir.path(), table);
    SystemChoice::changeStep(QStringLiteral("VEW:b"), 6, dir.path(), table);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.row(2), QString());
    EXPECT_EQ(table.marks(2).count, 0);
    EXPECT_EQ(table.marks(1).positions[0], 6);
}

TEST_F(ChangeStepTest, ATableIsListedForTheSizeItsLowerCaseMarksReach) {
    writeFile(vew("606.txt"), "xxxxxx---X\r\n");            // an upper-case X marks nothing
    writeFile(vew("707.txt"), "xxxxxx-\r\n-xxxxxx\r\n\r\n"); // the empty last line is a row too
    writeFile(vew("leer.txt"), "");
    writeFile(vew("notiz.md"), "xxxxxx\r\n");
    SystemTableSet tables(dir.path());
    EXPECT_EQ(tables.codes(), (QStringList{"606", "707", "leer"}));
    const auto values = [&](int n) {
        QStringList out;
        for (const SystemChoice::Entry& e : SystemChoice::entries(n, tables))
            out << e.value + QLatin1Char('/') + QString::number(e.rows);
        return out;
    };
    EXPECT_EQ(values(6), (QStringList{"Normal/1", "VEW:606/1"}));
    EXPECT_EQ(values(7), (QStringList{"Vollsystem/7", "VEW:707/3"}));
    EXPECT_EQ(values(10), QStringList{"Vollsystem/210"});
}
