// Inputs found by fuzzing the readers, kept so the faults stay mended. Each ran into undefined
// behaviour before (visible under the sanitizer build; in a plain build it gave arbitrary
// weekdays and dates).
#include "base/DayCount.h"
#include "base/TextFile.h"
#include "generator/PreferencePool.h"
#include "history/DrawBrowsing.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "stats/Statistics.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A damaged ZahlenGR.dat holds dates no calendar has: every date conversion must stay defined
// and give "no date" or a weekday in range, never an arbitrary one.
TEST(DamagedDates, WeekdaysStayInRangeAndTextsAreEmpty) {
    for (double bad : {kNaN, kInf, -kInf, 1e300, -1e300, 1.3608e257, 9.3e18, -9.3e18}) {
        const int day = DayCount::weekday(bad);
        EXPECT_GE(day, 1) << bad;
        EXPECT_LE(day, 7) << bad;
        EXPECT_FALSE(DayCount::toDate(bad).isValid()) << bad;
        EXPECT_TRUE(DayCount::compactText(bad).isEmpty()) << bad;
        // The next request date moves on from where it was (or stays not-a-number), it is no jump
        // to some other date.
        const double next = DrawDownload::nextRequestDate(bad);
        EXPECT_TRUE(std::isnan(next) || next >= bad) << bad;
        (void)DayCount::shortWeekdayText(bad);
        (void)TipFiles::proposedName(DayCount::toDate(bad), QDate(2025, 9, 3));
    }
    // Ordinary dates are untouched by the bound: day 0 was a Saturday, 3 Sep 2025 a Wednesday.
    EXPECT_EQ(DayCount::weekday(0.0), DayCount::Saturday);
    EXPECT_EQ(DayCount::weekday(DayCount::fromDate(QDate(2025, 9, 3))), DayCount::Wednesday);
    EXPECT_EQ(DayCount::weekday(-1.0), 6);
    EXPECT_EQ(DayCount::toDate(DayCount::fromDate(QDate(1, 1, 1))), QDate(1, 1, 1));
}

// The same dates read from a history file through every statistic and browsing step.
TEST(DamagedDates, AHistoryWithImpossibleDatesIsCountedWithoutFault) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    std::vector<DrawRecord> records;
    for (double bad : {-1e300, kNaN, 45000.0, 1e300, kInf}) {
        DrawRecord r = makeDraw(QDate(2023, 3, 4), {1, 2, 3, 4, 5, 6}, 7);
        r.date = bad;
        records.push_back(r);
    }
    dir.writeHistory(records);
    const auto read = DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))).readAll();
    ASSERT_EQ(read.size(), records.size());

    DrawFilter filter{-kInf, kInf, true, false};
    const auto f = Statistics::numberFrequencies(read, filter);
    EXPECT_LE(f.draws, 5);
    (void)Statistics::overdueNumbers(read, filter);
    (void)Statistics::crossSums(read, filter);
    (void)Statistics::runCounts(read, filter, Statistics::RunKind::Pairs);
    const DrawBrowsing::WeekdayRule onlyWednesdays{false, true};
    const auto back = DrawBrowsing::back(read, 4, onlyWednesdays);
    const auto forward = DrawBrowsing::forward(read, 0, onlyWednesdays);
    EXPECT_LT(back.index.value_or(0), 5);
    EXPECT_LT(forward.index.value_or(0), 5);
}

// A number list whose weight is the largest 32-bit number: one more entry than the weight
// overflowed. The pool is full of that number instead, as for any weight beyond its capacity.
TEST(NumberListWeights, TheLargestWeightFillsThePoolWithoutOverflow) {
    std::array<bool, 50> ticked{};
    std::array<QString, 50> texts;
    texts.fill(QStringLiteral("1"));
    ticked[7] = true;
    texts[7] = QStringLiteral("2147483647");
    PreferencePool pool;
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.size(), PreferencePool::Capacity);
    EXPECT_EQ(pool.weights()[7], PreferencePool::Capacity);

    // Read from a file as the number choice window loads it.
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("liste.hlw"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("2147483647\r\n\r\n3\r\n");
    f.close();
    const QStringList lines = TextFile::readLines(path);
    ticked = {};
    for (int n = 1; n <= 49; ++n) {
        const QString line = n <= lines.size() ? lines[n - 1] : QString();
        ticked[static_cast<std::size_t>(n)] = !line.isEmpty();
        texts[static_cast<std::size_t>(n)] = line.isEmpty() ? QStringLiteral("1") : line;
    }
    pool.rebuild(ticked, texts);
    EXPECT_EQ(pool.weights()[1], PreferencePool::Capacity);
    EXPECT_EQ(pool.weights()[3], 0); // the pool was full before number 3
}

} // namespace
