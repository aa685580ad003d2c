#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Random.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/HistoryRecords.h"
#include "stats/Statistics.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>

using namespace HistoryCheck;

namespace {

double day(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

int plainHits(const DrawRecord& r, const std::array<int, 6>& tip) {
    int hits = 0;
    for (int t : tip)
        for (auto n : r.numbers)
            if (n == t) ++hits;
    return hits;
}

std::vector<DrawRecord> threeDraws() {
    return {makeDraw(QDate(2025, 1, 1), {1, 2, 3, 4, 5, 6}),
            makeDraw(QDate(2025, 1, 4), {7, 8, 9, 10, 11, 12}),
            makeDraw(QDate(2025, 1, 8), {13, 14, 15, 16, 17, 18})};
}

class ReadingTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("ZahlenGR.dat")); }
};

} // namespace

// ---- Date windows ----

TEST(HistoryWindows, AllTimeWindowIsOpenAtItsStart) {
    DrawFilter f;
    f.from = day(2025, 1, 1);
    f.to = day(2025, 1, 8);
    f.saturdays = f.wednesdays = false; // not applied
    const DateWindow w = historyWindow(f);
    EXPECT_FALSE(w.contains(day(2025, 1, 1)));
    EXPECT_TRUE(w.contains(day(2025, 1, 2)));
    EXPECT_TRUE(w.contains(day(2025, 1, 8)));
    EXPECT_FALSE(w.contains(day(2025, 1, 9)));
}

TEST(HistoryWindows, RecentWindowSpanFollowsTheWeekdayBoxes) {
    DrawFilter f;
    f.from = day(1990, 1, 1); // not used
    f.to = day(2025, 3, 1);
    EXPECT_EQ(f.to - recentWindow(f, 10).start, 70);
    f.wednesdays = false;
    EXPECT_EQ(f.to - recentWindow(f, 10).start, 35);
    EXPECT_EQ(f.to - recentWindow(f, 5).start, 18); // 17.5 to the even 18
    EXPECT_EQ(f.to - recentWindow(f, 7).start, 24); // 24.5 to the even 24
    f.saturdays = false;
    EXPECT_EQ(f.to - recentWindow(f, 10).start, 35);
    EXPECT_EQ(recentWindow(f, 10).end, f.to);

    // The draw exactly at the start lies outside, the one a day later inside.
    f.saturdays = f.wednesdays = true;
    const DateWindow w = recentWindow(f, 10);
    EXPECT_FALSE(w.contains(f.to - 70));
    EXPECT_TRUE(w.contains(f.to - 69));
}

// ---- Scanning a window ----

TEST(WindowScan, StopsAtTheFirstRecordReachingTheHits) {
    HistoryRecords h;
    const std::vector<DrawRecord> draws = {
        makeDraw(QDate(2025, 1, 1), {1, 2, 3, 4, 5, 6}),   // on the from date
        makeDraw(QDate(2025, 1, 4), {1, 2, 3, 4, 40, 41}), // 4 hits
        makeDraw(QDate(2025, 1, 8), {1, 2, 3, 4, 5, 41}),  // 5 hits
        makeDraw(QDate(2025, 1, 11), {1, 2, 3, 4, 5, 6}),  // 6 hits
        makeDraw(QDate(2025, 1, 15), {20, 21, 22, 23, 24, 25}),
    };
    for (const auto& r : draws) {
        h.records.push_back(r);
        h.dates.push_back(r.date);
    }
    const std::array<int, 6> tip = {1, 2, 3, 4, 5, 6};
    std::vector<size_t> seen;
    auto hits = [&](const DrawRecord& r, size_t i) {
        seen.push_back(i);
        return plainHits(r, tip);
    };

    ScanResult s = firstInWindowReaching(h, {day(2025, 1, 1), day(2025, 1, 15)}, 5, hits);
    EXPECT_TRUE(s.reached);
    EXPECT_EQ(s.lastExamined, 2u);
    EXPECT_EQ(seen, (std::vector<size_t>{1, 2}));

    // None reaches 6 before the 11th; the draw on the from date would have.
    seen.clear();
    s = firstInWindowReaching(h, {day(2025, 1, 1), day(2025, 1, 10)}, 6, hits);
    EXPECT_FALSE(s.reached);
    EXPECT_EQ(s.lastExamined, 2u);
    EXPECT_EQ(seen, (std::vector<size_t>{1, 2}));

    // A window without records examines none.
    seen.clear();
    s = firstInWindowReaching(h, {day(2025, 1, 15), day(2025, 2, 1)}, 0, hits);
    EXPECT_FALSE(s.reached);
    EXPECT_FALSE(s.lastExamined.has_value());
    EXPECT_TRUE(seen.empty());

    // minHits 0: the first record of the window (the 8th; the 4th is its open start) reaches it.
    s = firstInWindowReaching(h, {day(2025, 1, 4), day(2025, 2, 1)}, 0, hits);
    EXPECT_TRUE(s.reached);
    EXPECT_EQ(s.lastExamined, 2u);
}

TEST(WindowScan, RecordsOutOfDateOrderAreStillScannedInFileOrder) {
    HistoryRecords h;
    const std::vector<double> dates = {day(2025, 1, 8), day(2024, 1, 1), day(2025, 1, 4), day(2026, 1, 1),
                                       day(2025, 1, 6)};
    for (double d : dates) {
        DrawRecord r;
        r.date = d;
        h.records.push_back(r);
        h.dates.push_back(d);
    }
    h.ascending = false;
    std::vector<size_t> seen;
    const ScanResult s =
        firstInWindowReaching(h, {day(2025, 1, 1), day(2025, 12, 31)}, 1, [&](const DrawRecord&, size_t i) {
            seen.push_back(i);
            return 0;
        });
    EXPECT_EQ(seen, (std::vector<size_t>{0, 2, 4}));
    EXPECT_EQ(s.lastExamined, 4u);
}

// ---- Reading the file ----

TEST_F(ReadingTest, ReadsWholeRecordsAndRecognisesTheirOrder) {
    QByteArray bytes = recordBytes(threeDraws());
    bytes.append("partial", 7); // a trailing partial record is never read
    writeFile(path(), bytes);
    const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(path());
    const HistoryRecords& h = *held;
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h.records, threeDraws());
    EXPECT_TRUE(h.ascending);
    EXPECT_EQ(h.dates[2], day(2025, 1, 8));
    EXPECT_EQ(h.winningMasks[0], 0b1111110u);
    EXPECT_TRUE(h.masksExact);

    std::vector<DrawRecord> shuffled = threeDraws();
    std::swap(shuffled[0], shuffled[2]);
    writeFile(path(), recordBytes(shuffled));
    EXPECT_FALSE(HistoryRecords::read(path())->ascending);

    // A repeated number, or one the mask cannot hold, makes the masks undercount.
    for (const std::array<int, 6>& odd :
         {std::array<int, 6>{5, 5, 6, 7, 8, 9}, std::array<int, 6>{1, 2, 3, 4, 5, 70}}) {
        std::vector<DrawRecord> draws = threeDraws();
        draws.push_back(makeDraw(QDate(2025, 2, 1), odd));
        writeFile(path(), recordBytes(draws));
        EXPECT_FALSE(HistoryRecords::read(path())->masksExact);
    }
}

TEST_F(ReadingTest, MissingFileOrDirectoryIsAFileError) {
    EXPECT_THROW(HistoryRecords::read(path()), FileError);
    EXPECT_THROW(HistoryRecords::read(dir.path()), FileError);
}

TEST(TipMask, OnlyDifferentNumbersUpToTheFirstFieldThatIsNone) {
    ParsedTicket t;
    t.parse(u"3,17,49,1");
    EXPECT_EQ(tipMask(t), std::optional<std::uint64_t>((1ull << 3) | (1ull << 17) | (1ull << 49) | 2));
    t.parse(u"3,17,x,20"); // counting stops at "x"
    EXPECT_EQ(tipMask(t), std::optional<std::uint64_t>((1ull << 3) | (1ull << 17)));
    for (const char16_t* bad : {u"3,3,4", u"0,5,6", u"64,5,6", u"-2,5"}) {
        t.parse(bad);
        EXPECT_FALSE(tipMask(t)) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(TipMask, CountsNumberByNumberWhereTheDrawMasksAreNotExact) {
    HistoryRecords h;
    const std::vector<DrawRecord> draws{makeDraw(QDate(2025, 1, 1), {5, 5, 6, 7, 8, 9}),
                                        makeDraw(QDate(2025, 1, 4), {1, 2, 3, 4, 5, 70})};
    for (const DrawRecord& r : draws) {
        h.records.push_back(r);
        h.dates.push_back(r.date);
        h.winningMasks.push_back(0); // must not be used
    }
    h.masksExact = false;
    const DateWindow all{0, day(2026, 1, 1)};
    // The repeated 5 counts twice, as it does number by number; 70 counts never.
    EXPECT_TRUE(firstInWindowReachingMask(h, all, 3, (1ull << 5) | (1ull << 6)).reached);
    const ScanResult second = firstInWindowReachingMask(h, all, 5, 0b11110ull | (1ull << 5));
    EXPECT_TRUE(second.reached);
    EXPECT_EQ(second.lastExamined, 1u);
    EXPECT_FALSE(firstInWindowReachingMask(h, all, 6, 0b11110ull | (1ull << 5)).reached);
}

// ---- A history check built on the pieces, over the real history ----

TEST_F(ReadingTest, MaskCountedChecksAgreeWithAPlainWalkOfTheFile) {
    const std::vector<DrawRecord> real = realHistory();
    writeFile(path(), recordBytes(real));
    const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(path());
    const HistoryRecords& h = *held;
    ASSERT_TRUE(h.ascending);

    DrawFilter f;
    f.from = real[500].date;
    f.to = real[3200].date;
    Rng::setSeed(4711);
    for (int round = 0; round < 300; ++round) {
        std::array<int, 6> tip{};
        std::uint64_t tipMask = 0;
        for (int k = 0; k < 6;) {
            const int n = static_cast<int>(Rng::random(49)) + 1;
            if (tipMask & (std::uint64_t{1} << n)) continue;
            tipMask |= std::uint64_t{1} << n;
            tip[k++] = n;
        }
        // Every few rounds a tip that was drawn inside the window.
        if (round % 10 == 0) {
            const DrawRecord& r = real[600 + round * 7];
            tipMask = 0;
            for (int k = 0; k < 6; ++k) {
                tip[k] = r.numbers[k];
                tipMask |= std::uint64_t{1} << tip[k];
            }
        }
        const int minHits = 3 + round % 4;
        const bool recent = round % 2 == 1;
        const DateWindow window = recent ? recentWindow(f, 4 + round % 125) : historyWindow(f);

        const ScanResult fast = firstInWindowReaching(h, window, minHits, [&](const DrawRecord&, size_t i) {
            return std::popcount(h.winningMasks[i] & tipMask);
        });

        ScanResult plain;
        const std::vector<DrawRecord> stored = DrawHistory(path()).readAll();
        for (std::size_t i = 0; i < stored.size() && !plain.reached; ++i) {
            if (!window.contains(stored[i].date)) continue;
            plain.lastExamined = i;
            plain.reached = plainHits(stored[i], tip) >= minHits;
        }
        const ScanResult dispatched = firstInWindowReachingMask(h, window, minHits, tipMask);
        ASSERT_EQ(dispatched.reached, plain.reached) << round;
        ASSERT_EQ(dispatched.lastExamined, plain.lastExamined) << round;
        ASSERT_EQ(fast.reached, plain.reached) << round;
        ASSERT_EQ(fast.lastExamined, plain.lastExamined) << round;
        if (round % 10 == 0) {
            EXPECT_TRUE(fast.reached);
        }
    }
}

// ---- Running counts ----

namespace {

// How often each number appears in records [0, end) and the sum of their cross sums, counted
// from scratch.
std::pair<std::array<std::uint16_t, Lotto::NumberSlots>, long long> countPrefix(const std::vector<DrawRecord>& records,
                                                                               std::size_t end) {
    std::array<std::uint16_t, Lotto::NumberSlots> counts{};
    long long sums = 0;
    for (std::size_t i = 0; i < end; ++i) {
        for (const std::uint8_t n : records[i].numbers)
            if (n < Lotto::NumberSlots) ++counts[n];
        sums += records[i].crossSum();
    }
    return {counts, sums};
}

void expectCountsOf(const HistoryRecords& h, std::size_t step) {
    const HistoryRecords::RunningCounts& c = h.runningCounts();
    ASSERT_EQ(c.numbers.size(), h.size() + 1);
    ASSERT_EQ(c.crossSums.size(), h.size() + 1);
    for (std::size_t i = 0; i <= h.size(); i = (i == h.size() || i + step <= h.size()) ? i + step : h.size()) {
        const auto [counts, sums] = countPrefix(h.records, i);
        EXPECT_EQ(c.numbers[i], counts) << i;
        EXPECT_EQ(c.crossSums[i], sums) << i;
    }
}

} // namespace

TEST_F(ReadingTest, RunningCountsMatchCountingFromScratch) {
    // The real history, a small file with a number outside the counted range and a cut-off
    // record, and an empty file.
    std::vector<DrawRecord> odd = threeDraws();
    odd[1].numbers[2] = 0;
    odd[2].numbers[5] = 200;
    QByteArray oddBytes = recordBytes(odd);
    oddBytes.append("cut", 3);
    const std::vector<std::pair<QByteArray, std::size_t>> files = {
        {recordBytes(realHistory()), 97}, {oddBytes, 1}, {QByteArray(), 1}};
    for (const auto& [bytes, step] : files) {
        SCOPED_TRACE(bytes.size());
        writeFile(path(), bytes);
        const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(path());
        EXPECT_EQ(held->trailingBytes, bytes.size() % DrawRecord::Size);
        expectCountsOf(*held, step);
    }
    if (HasFailure()) return;
    // The pool statistics over the small file: number 0 is counted, 200 is not.
    writeFile(path(), recordBytes(odd));
    DrawFilter all;
    all.from = 0;
    all.to = day(2100, 1, 1);
    const Statistics::NumberFrequencies f = Statistics::frequenciesOf(*HistoryRecords::read(path()), all);
    const Statistics::NumberFrequencies plain = Statistics::numberFrequencies(odd, all);
    EXPECT_EQ(f.count, plain.count);
    EXPECT_EQ(f.count[0], 1);
    EXPECT_EQ(f.crossSums, plain.crossSums);
}

TEST(RunningCounts, TooManyDrawsForTheirWidthGiveNone) {
    // The counts are 16 bits wide: a history of 65535 draws or more has none, and the
    // statistics count record by record.
    const HistoryRecords many = HistoryRecords::of(std::vector<DrawRecord>(65534, threeDraws()[0]));
    EXPECT_EQ(many.runningCounts().numbers.size(), 65535u);
    EXPECT_EQ(many.runningCounts().numbers.back()[1], 65534);
    const HistoryRecords tooMany = HistoryRecords::of(std::vector<DrawRecord>(65535, threeDraws()[0]));
    EXPECT_TRUE(tooMany.runningCounts().numbers.empty());
    EXPECT_TRUE(tooMany.runningCounts().crossSums.empty());
}

// The damage check on a reading finds what the check of the file finds.
TEST_F(ReadingTest, DamageOfTheReadingIsTheDamageOfTheFile) {
    const std::vector<DrawRecord> good = threeDraws();
    DrawRecord garbage = good[1];
    garbage.numbers[3] = 60;
    const QByteArray unordered = recordBytes({good[0], good[2], good[1], good[2], garbage});
    // The bytes and whether they are damaged.
    const std::vector<std::pair<QByteArray, bool>> files = {
        {recordBytes(good), false},           {unordered, true},
        {QByteArray(), false},            {QByteArray(20, '\x01'), true},
        {recordBytes({good[2], good[0]}), true}, {unordered + QByteArray(5, 'x'), true},
        {recordBytes(good) + QByteArray(31, 'x'), true}};
    for (const auto& [bytes, damaged] : files) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        writeFile(path(), bytes);
        const std::shared_ptr<const HistoryRecords> held = HistoryRecords::read(path());
        const DrawHistory::Damage fromReading = DrawHistory::inspect(held->records, held->trailingBytes);
        const DrawHistory::Damage fromFile = DrawHistory(path()).inspect();
        EXPECT_EQ(fromReading.records, fromFile.records);
        EXPECT_EQ(fromReading.damaged, fromFile.damaged);
        EXPECT_EQ(fromReading.firstDamaged, fromFile.firstDamaged);
        EXPECT_EQ(fromReading.trailingBytes, fromFile.trailingBytes);
        EXPECT_EQ(fromReading.good, fromFile.good);
        EXPECT_EQ(fromReading.any(), damaged);
    }
}
