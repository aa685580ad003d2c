// The shipped reduced-system tables keep the promises written down for the players: whenever
// `guarantee` of the winning numbers are among the base numbers of a tip line, the check finds
// a row with at least that many hits. Every choice of winning base numbers is tried.
#include "base/Errors.h"
#include "evaluation/Matching.h"
#include "tips/SystemTable.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

struct Shipped {
    const char* code;
    int base;
    int guarantee;
};

void PrintTo(const Shipped& s, std::ostream* os) {
    *os << s.code;
}

const Shipped Tables[] = {
    {"609", 9, 3},  {"610", 10, 3}, {"612", 12, 3}, {"616", 16, 3}, {"622", 22, 3},
    {"626", 26, 3}, {"710", 10, 4}, {"711", 11, 4}, {"712", 12, 4},
};

const QString BesideDir = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/");

// Calls f for every set of `size` positions out of 0..n-1.
template <typename F> void forEachSubset(int n, int size, F&& f) {
    std::vector<int> pick(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i) pick[static_cast<size_t>(i)] = i;
    while (true) {
        f(pick);
        int i = size - 1;
        while (i >= 0 && pick[static_cast<size_t>(i)] == n - size + i) --i;
        if (i < 0) return;
        ++pick[static_cast<size_t>(i)];
        for (int j = i + 1; j < size; ++j)
            pick[static_cast<size_t>(j)] = pick[static_cast<size_t>(j - 1)] + 1;
    }
}

class ShippedTable : public ::testing::TestWithParam<Shipped> {};

} // namespace

TEST_P(ShippedTable, RowsAreWellFormed) {
    const Shipped s = GetParam();
    SystemTable table;
    const auto step =
        SystemChoice::changeStep(QStringLiteral("VEW:") + QLatin1String(s.code), s.base, BesideDir, table);
    ASSERT_GT(table.rowCount(), 0) << "missing table " << s.code;
    EXPECT_LE(table.rowCount(), SystemTable::Capacity);
    EXPECT_EQ(step.linesIgnored, 0);
    for (int r = 1; r <= table.rowCount(); ++r) {
        const QString row = table.row(r);
        ASSERT_EQ(row.size(), s.base) << s.code << " row " << r;
        EXPECT_EQ(row.count(QLatin1Char('x')), 6) << s.code << " row " << r;
        EXPECT_EQ(row.count(QLatin1Char('-')), s.base - 6) << s.code << " row " << r;
    }
    // Lines end in CR LF throughout, and no row repeats.
    QFile f(step.tablePath);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), table.rowCount());
    std::vector<QString> rows;
    for (int r = 1; r <= table.rowCount(); ++r) rows.push_back(table.row(r));
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end()) << s.code;
}

TEST_P(ShippedTable, EveryChoiceOfWinningBaseNumbersIsMet) {
    const Shipped s = GetParam();
    SystemTable table;
    SystemChoice::changeStep(QStringLiteral("VEW:") + QLatin1String(s.code), s.base, BesideDir, table);
    ASSERT_GT(table.rowCount(), 0);

    // The tip line holds 1..base in order; winning numbers not among them come from 40 upwards.
    std::vector<int> numbers;
    for (int i = 1; i <= s.base; ++i) numbers.push_back(i);
    ParsedTicket ticket;
    QString selector;
    TicketResult result;
    CurrentDraw draw;
    SystemTableSet byCode(BesideDir);
    zettelcheck(TipLine::makeLine(numbers, QStringLiteral("VEW:") + QLatin1String(s.code)), ticket, selector,
                result, {&table, &byCode}, draw);
    ASSERT_EQ(selector, QStringLiteral("VEW:") + QLatin1String(s.code));
    ASSERT_EQ(ticket.count, s.base);

    int subsets = 0;
    int missed = 0;
    QString firstMiss;
    forEachSubset(s.base, s.guarantee, [&](const std::vector<int>& winning) {
        ++subsets;
        for (int w = 1; w <= 6; ++w)
            draw.numbers[static_cast<size_t>(w)] =
                w <= s.guarantee ? winning[static_cast<size_t>(w - 1)] + 1 : 40 + w;
        draw.numbers[7] = 49;
        if (checkTicket(ticket, SystemKind::Reduced, table, draw).hits >= s.guarantee) return;
        if (missed++ == 0)
            for (const int p : winning) firstMiss += QString::number(p + 1) + QLatin1Char(' ');
    });
    EXPECT_GT(subsets, 0);
    EXPECT_EQ(missed, 0) << s.code << ": no row with " << s.guarantee << " hits for the winning numbers "
                         << firstMiss.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, ShippedTable, ::testing::ValuesIn(Tables),
                         [](const ::testing::TestParamInfo<Shipped>& info) {
                             return std::string("code") + info.param.code;
                         });

TEST(WheelReport, ShippedTablesShowTheirDocumentedGuarantee) {
    struct Shipped {
        const char* code;
        int base, rows, guarantee;
    };
    for (const Shipped s : {Shipped{"609", 9, 7, 3}, Shipped{"612", 12, 15, 3}, Shipped{"626", 26, 162, 3},
                            Shipped{"710", 10, 21, 4}, Shipped{"712", 12, 45, 4}}) {
        const WheelReport::Report r =
            WheelReport::analyseFile(BesideDir + QStringLiteral("vew/") + QLatin1String(s.code) + QStringLiteral(".txt"));
        EXPECT_EQ(r.base, s.base) << s.code;
        EXPECT_EQ(static_cast<int>(r.rows.size()), s.rows) << s.code;
        EXPECT_EQ(r.fullGuarantee(), s.guarantee) << s.code;
        const WheelReport::Profile& p = r.profile[static_cast<std::size_t>(s.guarantee)];
        EXPECT_EQ(p.guarantee, s.guarantee) << s.code;
        EXPECT_EQ(p.reaching[static_cast<std::size_t>(s.guarantee)], p.cases) << s.code;
        // Six winning base numbers always lie in some row with at least the guarantee.
        EXPECT_GE(r.profile.back().guarantee, s.guarantee) << s.code;
    }
}

TEST(WheelReport, AHoleIsShownAndBadLinesAreNamed) {
    QStringList lines;
    for (const QString& row : WheelReport::analyseFile(BesideDir + QStringLiteral("vew/") + QStringLiteral("609.txt")).rows) lines << row;
    // Without its last row the 609 table no longer covers every three.
    lines.removeLast();
    const WheelReport::Report holed = WheelReport::analyse(lines);
    EXPECT_EQ(holed.profile[3].guarantee, 2);
    EXPECT_LT(holed.profile[3].reaching[3], holed.profile[3].cases);
    ASSERT_EQ(holed.profile[3].weakest.size(), 3u);
    EXPECT_TRUE(WheelReport::describe(holed).join(QLatin1Char('\n')).contains(QStringLiteral("Lücke")));

    lines.insert(2, QStringLiteral("xxxxx----"));
    try {
        WheelReport::analyse(lines);
        ADD_FAILURE() << "five marks accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Zeile 3:"))) << e.message().toStdString();
    }
    EXPECT_THROW(WheelReport::analyse({}), AppError);
}

TEST(WheelReport, SubsetsComeInLexicographicOrderOfTheirPositions) {
    std::vector<std::uint32_t> masks;
    WheelReport::forEachSubset(5, 3, [&](std::uint32_t m) { masks.push_back(m); });
    ASSERT_EQ(masks.size(), 10u);
    EXPECT_EQ(masks[0], 0b00111u);
    EXPECT_EQ(masks[1], 0b01011u);
    EXPECT_EQ(masks[2], 0b10011u);
    EXPECT_EQ(masks[3], 0b01101u);
    EXPECT_EQ(masks.back(), 0b11100u);
    masks.clear();
    WheelReport::forEachSubset(4, 0, [&](std::uint32_t m) { masks.push_back(m); });
    EXPECT_EQ(masks, std::vector<std::uint32_t>{0u});
}
