#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Random.h"
#include "history/DrawHistory.h"
#include "stats/HistoryCheck.h"
#include "stats/HistorySnapshot.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

using namespace HistoryCheck;

namespace {

double day(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}

QByteArray bytesOf(const std::vector<DrawRecord>& records) {
    QByteArray out;
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        out.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Overwrites the start of the file without truncating it: same size, same inode.
void overwriteInPlace(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void appendFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void replaceByRename(const QString& path, const QByteArray& bytes) {
    const QString temp = path + QStringLiteral(".new");
    writeFile(temp, bytes);
    ASSERT_EQ(std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()), 0);
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

class SnapshotTest : public ::testing::Test {
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

// ---- The snapshot of the file ----

TEST_F(SnapshotTest, ReadsWholeRecordsAndRecognisesTheirOrder) {
    QByteArray bytes = bytesOf(threeDraws());
    bytes.append("partial", 7); // a trailing partial record is never read
    writeFile(path(), bytes);
    HistorySnapshot snap(path());
    const HistoryRecords& h = snap.records();
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h.records, threeDraws());
    EXPECT_TRUE(h.ascending);
    EXPECT_EQ(h.dates[2], day(2025, 1, 8));
    EXPECT_EQ(h.winningMasks[0], 0b1111110u);
    EXPECT_TRUE(h.masksExact);

    std::vector<DrawRecord> shuffled = threeDraws();
    std::swap(shuffled[0], shuffled[2]);
    writeFile(path(), bytesOf(shuffled));
    EXPECT_FALSE(snap.records().ascending);

    // A repeated number, or one the mask cannot hold, makes the masks undercount.
    for (const std::array<int, 6>& odd :
         {std::array<int, 6>{5, 5, 6, 7, 8, 9}, std::array<int, 6>{1, 2, 3, 4, 5, 70}}) {
        std::vector<DrawRecord> draws = threeDraws();
        draws.push_back(makeDraw(QDate(2025, 2, 1), odd));
        writeFile(path(), bytesOf(draws));
        EXPECT_FALSE(snap.records().masksExact);
    }
}

TEST_F(SnapshotTest, MissingFileOrDirectoryIsAFileError) {
    HistorySnapshot missing(path());
    EXPECT_THROW(missing.records(), FileError);
    writeFile(path(), bytesOf(threeDraws()));
    EXPECT_EQ(missing.records().size(), 3u); // created after a failed call
    ASSERT_TRUE(QFile::remove(path()));
    EXPECT_THROW(missing.records(), FileError); // never answered from the old reading

    HistorySnapshot directory(dir.path());
    EXPECT_THROW(directory.records(), FileError);
}

TEST_F(SnapshotTest, ASettledFileIsAnsweredFromTheCacheUntilItChanges) {
    writeFile(path(), bytesOf(threeDraws()));
    // Settle time 0: the reading is trusted at once, so only stat() decides.
    HistorySnapshot snap(path(), std::chrono::nanoseconds(0));
    EXPECT_EQ(snap.records().size(), 3u);
    EXPECT_EQ(snap.records().size(), 3u);
    EXPECT_EQ(snap.records().size(), 3u);
    EXPECT_EQ(snap.loadCount(), 1u);

    // Append: the size changes.
    appendFile(path(), bytesOf({makeDraw(QDate(2025, 1, 11), {19, 20, 21, 22, 23, 24})}));
    EXPECT_EQ(snap.records().size(), 4u);
    EXPECT_EQ(snap.loadCount(), 2u);

    // Replaced by rename with the same size: a new inode.
    std::vector<DrawRecord> other = threeDraws();
    other.push_back(makeDraw(QDate(2025, 1, 12), {25, 26, 27, 28, 29, 30}));
    replaceByRename(path(), bytesOf(other));
    EXPECT_EQ(snap.records().records, other);

    // Rewritten in place with the same size and an explicitly different modification time.
    other[0].numbers = {40, 41, 42, 43, 44, 45};
    overwriteInPlace(path(), bytesOf(other));
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path()).constData(), times, 0), 0);
    EXPECT_EQ(snap.records().records, other);
}

TEST_F(SnapshotTest, FreshlyChangedFilesAreReadAgainOnEveryCall) {
    writeFile(path(), bytesOf(threeDraws()));
    // The file's change time lies within the settle time of every reading.
    HistorySnapshot snap(path(), std::chrono::hours(24 * 365 * 100));
    snap.records();
    snap.records();
    EXPECT_EQ(snap.loadCount(), 2u);

    // A rewrite in place of the same size, immediately after a reading (normally in the same
    // timestamp tick), is seen with the default settle time.
    HistorySnapshot normal(path());
    std::vector<DrawRecord> draws = threeDraws();
    EXPECT_EQ(normal.records().records, draws);
    for (int round = 0; round < 20; ++round) {
        draws[1].numbers[0] = static_cast<std::uint8_t>(20 + round);
        overwriteInPlace(path(), bytesOf(draws));
        ASSERT_EQ(normal.records().records, draws) << round;
    }
}

TEST_F(SnapshotTest, SharedSnapshotIsOnePerFile) {
    writeFile(path(), bytesOf(threeDraws()));
    HistorySnapshot& a = HistorySnapshot::of(path());
    EXPECT_EQ(&a, &HistorySnapshot::of(path()));
    EXPECT_NE(&a, &HistorySnapshot::of(path() + QStringLiteral("2")));
    EXPECT_EQ(a.records().size(), 3u);
}

// ---- A history check built on the pieces, over the real history ----

TEST_F(SnapshotTest, MaskCountedChecksAgreeWithAPlainWalkOfTheFile) {
    const std::vector<DrawRecord> real = realHistory();
    writeFile(path(), bytesOf(real));
    HistorySnapshot snap(path());
    const HistoryRecords& h = snap.records();
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
        DrawHistory(path()).scanRecords([&](const DrawRecord& r, qint64 i) {
            if (!window.contains(r.date)) return true;
            plain.lastExamined = static_cast<size_t>(i);
            if (plainHits(r, tip) >= minHits) {
                plain.reached = true;
                return false;
            }
            return true;
        });
        ASSERT_EQ(fast.reached, plain.reached) << round;
        ASSERT_EQ(fast.lastExamined, plain.lastExamined) << round;
        if (round % 10 == 0) {
            EXPECT_TRUE(fast.reached);
        }
    }
}
