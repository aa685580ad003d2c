#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawEntry.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class Entry : public ::testing::Test {
protected:
    void SetUp() override {
        h = history();
        dir.writeHistory({makeDraw(QDate(2011, 10, 5), {1, 5, 9, 20, 30, 44}, 12, 3),
                          makeDraw(QDate(2011, 10, 8), {2, 6, 10, 21, 31, 45}, 13, 4),
                          makeDraw(QDate(2011, 10, 12), {3, 9, 17, 22, 35, 48}, 14, 5)});
    }
    DrawHistory history() const { return DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))); }
    DrawHistory h{QString()};
    DrawRecord entered(const QDate& date, std::array<int, 6> numbers) {
        DrawRecord r = DrawEntry::begin(history()).working;
        r.date = DayCount::fromDate(date);
        for (int i = 0; i < 6; ++i) r.numbers[static_cast<size_t>(i)] = static_cast<std::uint8_t>(numbers[i]);
        DrawEntry::sortNumbers(r);
        return r;
    }
    TestProgramDir dir;
};

} // namespace

TEST_F(Entry, StartsFromTheNewestDraw) {
    const auto start = DrawEntry::begin(history());
    ASSERT_TRUE(start.newest.has_value());
    EXPECT_EQ(start.lastDate, DayCount::fromDate(QDate(2011, 10, 12)));
    EXPECT_EQ(start.working.numbers, (std::array<std::uint8_t, 6>{3, 9, 17, 22, 35, 48}));
}

TEST_F(Entry, LaterDrawIsAppendedSortedWithTheHiddenFieldsOfTheNewest) {
    const DrawRecord r = entered(QDate(2011, 10, 15), {40, 2, 33, 2, 18, 7});
    const double last = DrawEntry::store(h, r, DrawEntry::begin(history()).lastDate);
    EXPECT_EQ(last, r.date);
    const auto stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[3].numbers, (std::array<std::uint8_t, 6>{2, 2, 7, 18, 33, 40}));
    EXPECT_EQ(stored[3].additional, 14);
    EXPECT_EQ(stored[3].eighth, 5);
}

TEST_F(Entry, SameDateReplacesAndEarlierDateIsInserted) {
    const double newest = DayCount::fromDate(QDate(2011, 10, 12));
    DrawRecord r = entered(QDate(2011, 10, 8), {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    auto stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].numbers, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));

    r = entered(QDate(2011, 10, 10), {7, 8, 9, 10, 11, 12});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[2].date, r.date);
    EXPECT_EQ(stored[3].date, newest);

    // The newest draw itself is replaced in place.
    r = entered(QDate(2011, 10, 12), {11, 12, 13, 14, 15, 16});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[3].numbers[0], 11);
}

TEST_F(Entry, MissingHistoryIsCreatedEmpty) {
    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    const auto start = DrawEntry::begin(history());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("ZahlenGR.dat"))));
    EXPECT_FALSE(start.newest.has_value());
    EXPECT_EQ(start.lastDate, 0.0);
    const DrawRecord r = entered(QDate(2002, 7, 9), {49, 49, 49, 49, 49, 49});
    DrawEntry::store(h, r, start.lastDate);
    ASSERT_EQ(dir.readHistory().size(), 1u);
}

TEST_F(Entry, FailedWritesThrowAndKeepTheHistory) {
    const auto before = dir.readHistory();
    // The rewrite cannot create its temporary file.
    QDir().mkpath(history().insertTempPath());
    const DrawRecord r = entered(QDate(2011, 10, 8), {1, 2, 3, 4, 5, 6});
    EXPECT_THROW(DrawEntry::store(h, r, DayCount::fromDate(QDate(2011, 10, 12))), FileError);
    EXPECT_EQ(dir.readHistory(), before);

    // The append cannot open the file.
    DrawHistory nowhere(dir.file(QStringLiteral("missing/ZahlenGR.dat")));
    EXPECT_THROW(DrawEntry::store(nowhere, r, 0.0), FileError);
}
