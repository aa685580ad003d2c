#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace {

class HistoryFile : public ::testing::Test {
protected:
    TestProgramDir dir;
    QString path() const { return dir.file(QStringLiteral("ZahlenGR.dat")); }
    DrawHistory history() const { return DrawHistory(path()); }
    void SetUp() override { QDir().mkpath(dir.path()); }

    static DrawRecord draw(int y, int m, int d, std::array<int, 6> n, int extra = 0) {
        return makeDraw(QDate(y, m, d), n, extra);
    }
    std::vector<DrawRecord> threeDraws() const {
        return {draw(2011, 10, 5, {1, 2, 3, 4, 5, 6}, 7), draw(2011, 10, 8, {8, 9, 10, 11, 12, 13}, 14),
                draw(2011, 10, 12, {3, 9, 17, 22, 35, 48}, 20)};
    }
    QByteArray fileBytes() const {
        QFile f(path());
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
};

} // namespace

TEST_F(HistoryFile, RecordIsThirtyTwoLittleEndianBytes) {
    DrawRecord r = draw(1990, 12, 5, {2, 4, 5, 46, 48, 49}, 0);
    r.eighth = 9;
    for (int i = 0; i < 16; ++i) r.reserved[i] = static_cast<std::uint8_t>(0xA0 + i);
    const auto bytes = r.toBytes();
    const QByteArray hex = QByteArray(reinterpret_cast<const char*>(bytes.data()), 32).toHex();
    EXPECT_EQ(hex, QByteArray("000000008037e040"
                              "020405"
                              "2e3031"
                              "00"
                              "09"
                              "a0a1a2a3a4a5a6a7a8a9aaabacadaeaf"));
    EXPECT_EQ(DrawRecord::fromBytes(bytes.data()), r);
    EXPECT_EQ(r.crossSum(), 2 + 4 + 5 + 46 + 48 + 49);
    const auto eight = r.numberBytes();
    EXPECT_EQ(eight[6], 0);
    EXPECT_EQ(eight[7], 9);
}

TEST_F(HistoryFile, EmptyFileHasNoRecords) {
    dir.writeHistory({});
    EXPECT_EQ(history().recordCount(), 0);
    EXPECT_TRUE(history().readAll().empty());
    EXPECT_FALSE(history().lastRecord().has_value());
}

TEST_F(HistoryFile, PartialTrailingRecordIsIgnoredAndOverwrittenByAppend) {
    const auto records = threeDraws();
    dir.writeHistory({records[0], records[1]});
    {
        QFile f(path());
        f.open(QIODevice::Append);
        f.write(QByteArray(10, 'x'));
    }
    EXPECT_EQ(history().recordCount(), 2);
    EXPECT_EQ(history().lastRecord()->date, records[1].date);

    history().append(records[2]);
    EXPECT_EQ(fileBytes().size(), 3 * 32);
    EXPECT_EQ(history().readAll(), records);
}

// Any bytes at all, read as a whole file, come back as the records decoded one by one: every
// field at its place, the reserved bytes included, and a trailing partial record left out.
TEST_F(HistoryFile, WholeFileReadDecodesEveryByteOfEveryRecord) {
    QByteArray bytes;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 5000 * 32 + 17; ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes.append(static_cast<char>(seed >> 24));
    }
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const DrawHistory::Reading reading = history().read();
    ASSERT_EQ(reading.records.size(), 5000u);
    EXPECT_EQ(reading.trailingBytes, 17);
    for (std::size_t i = 0; i < reading.records.size(); ++i) {
        const auto* raw = reinterpret_cast<const unsigned char*>(bytes.constData()) + i * 32;
        const DrawRecord expected = DrawRecord::fromBytes(raw);
        const DrawRecord& got = reading.records[i];
        // Compared byte for byte: a date field holding a NaN is still the same record.
        ASSERT_EQ(got.toBytes(), expected.toBytes()) << "record " << i;
        ASSERT_EQ(std::memcmp(got.toBytes().data(), raw, 32), 0) << "record " << i;
        ASSERT_EQ(got.numbers, expected.numbers) << "record " << i;
        ASSERT_EQ(got.reserved, expected.reserved) << "record " << i;
    }
    EXPECT_EQ(history().readAll().size(), 5000u);
}

// A history of 70,000 records (2.2 MB) comes back whole and in order, across what used to be
// a block of 65,536 records.
TEST_F(HistoryFile, LargeHistoryIsReadWholeAndInOrder) {
    constexpr int Count = 70000;
    QByteArray bytes(Count * 32, '\0');
    for (int i = 0; i < Count; ++i) {
        DrawRecord r = draw(1990, 1, 3, {1 + i % 44, 2 + i % 44, 3 + i % 44, 4 + i % 44, 5 + i % 44, 6 + i % 44});
        r.date += i;
        r.reserved[15] = static_cast<std::uint8_t>(i);
        r.toBytes(reinterpret_cast<unsigned char*>(bytes.data()) + i * 32);
    }
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const std::vector<DrawRecord> records = history().readAll();
    ASSERT_EQ(records.size(), static_cast<std::size_t>(Count));
    for (int i : {0, 65535, 65536, Count - 1}) {
        EXPECT_EQ(records[i].date, records[0].date + i) << i;
        EXPECT_EQ(records[i].numbers[0], 1 + i % 44) << i;
        EXPECT_EQ(records[i].reserved[15], static_cast<std::uint8_t>(i)) << i;
    }
}

TEST_F(HistoryFile, InsertOrReplaceKeepsDateOrderAndOneRecordPerDate) {
    const auto records = threeDraws();
    dir.writeHistory(records);

    // Same date: replaced, length unchanged.
    DrawRecord replacement = draw(2011, 10, 8, {1, 12, 23, 34, 45, 46}, 3);
    auto newest = history().insertOrReplace(replacement);
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->date, records[2].date);
    EXPECT_EQ(history().readAll(), (std::vector<DrawRecord>{records[0], replacement, records[2]}));

    // Between two draws: inserted in order.
    DrawRecord between = draw(2011, 10, 9, {5, 6, 7, 8, 9, 10});
    history().insertOrReplace(between);
    EXPECT_EQ(history().readAll(), (std::vector<DrawRecord>{records[0], replacement, between, records[2]}));

    // Before the first draw.
    DrawRecord first = draw(2011, 1, 1, {5, 6, 7, 8, 9, 11});
    history().insertOrReplace(first);
    EXPECT_EQ(history().readAll().front(), first);
    EXPECT_EQ(history().recordCount(), 5);

    // No temporary file stays behind.
    EXPECT_FALSE(QFile::exists(history().insertTempPath()));
}

TEST_F(HistoryFile, RemoveDateDropsOnlyThatDate) {
    const auto records = threeDraws();
    dir.writeHistory(records);
    history().removeDate(records[1].date);
    EXPECT_EQ(history().readAll(), (std::vector<DrawRecord>{records[0], records[2]}));
    EXPECT_FALSE(QFile::exists(history().removeTempPath()));

    // An absent date rewrites the same records.
    history().removeDate(records[1].date + 1);
    EXPECT_EQ(history().readAll(), (std::vector<DrawRecord>{records[0], records[2]}));
}

TEST_F(HistoryFile, MissingFileFailsAtTheOpenAndCreatesNothing) {
    EXPECT_THROW(history().readAll(), FileError);
    EXPECT_THROW(history().removeDate(40000), FileError);
    EXPECT_FALSE(QFile::exists(history().removeTempPath()));
    EXPECT_FALSE(QFile::exists(path()));
    try {
        history().readAll();
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("ZahlenGR.dat")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("nicht gefunden")));
    }
}

TEST_F(HistoryFile, FailedRewriteLeavesTheHistoryWhole) {
    const auto records = threeDraws();
    dir.writeHistory(records);
    const QByteArray before = fileBytes();

    // A directory in the way of either temporary file makes the rewrite fail before the rename.
    QDir().mkpath(history().insertTempPath());
    EXPECT_THROW(history().insertOrReplace(draw(2011, 10, 9, {1, 2, 3, 4, 5, 6})), FileError);
    EXPECT_EQ(fileBytes(), before);

    QDir().mkpath(history().removeTempPath());
    EXPECT_THROW(history().removeDate(records[0].date), FileError);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(HistoryFile, RewriteReplacesInOneStepAndKeepsPermissions) {
    dir.writeHistory(threeDraws());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    history().removeDate(threeDraws()[0].date);
    const auto perms = QFile::permissions(path());
    EXPECT_TRUE(perms & QFileDevice::WriteOwner);
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther));
}

TEST_F(HistoryFile, AppenderCreatesTheFileAndRepeatsNothing) {
    HistoryAppender appender(path());
    EXPECT_FALSE(appender.lastRecord());
    const auto records = threeDraws();
    for (const auto& r : records) appender.append(r);
    appender.close();
    EXPECT_EQ(history().readAll(), records);
    HistoryAppender again(path());
    EXPECT_EQ(*again.lastRecord(), records[2]);
}

// The check names the damaged records (no draw, out of order, a repeated date), the first of
// them and a cut record at the end; the sound draws come out in date order, one per date, the
// first of a date kept. A reading taken earlier gives the same answer as the file.
TEST_F(HistoryFile, DamageIsFoundInTheFileAndInAReadingOfIt) {
    const auto good = threeDraws();
    DrawRecord garbage = draw(2011, 10, 15, {1, 1, 60, 4, 5, 6});
    DrawRecord nanDate = good[0];
    nanDate.date = std::numeric_limits<double>::quiet_NaN();
    DrawRecord sameDay = good[1];
    sameDay.additional = 33;
    const DrawRecord later = draw(2011, 10, 19, {20, 21, 22, 23, 24, 25});
    dir.writeHistory({good[0], good[2], good[1], sameDay, garbage, nanDate, later});
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(20, '\x01'));
    }
    const DrawHistory::Damage d = history().inspect();
    EXPECT_EQ(d.records, 7);
    EXPECT_EQ(d.damaged, 4);
    EXPECT_EQ(d.firstDamaged, 2);
    EXPECT_EQ(d.trailingBytes, 20);
    EXPECT_EQ(d.good, (std::vector<DrawRecord>{good[0], good[1], good[2], later}));
    const DrawHistory::Damage fromReading = DrawHistory::inspect(history().read());
    EXPECT_EQ(fromReading.records, d.records);
    EXPECT_EQ(fromReading.damaged, d.damaged);
    EXPECT_EQ(fromReading.firstDamaged, d.firstDamaged);
    EXPECT_EQ(fromReading.trailingBytes, d.trailingBytes);
    EXPECT_EQ(fromReading.good, d.good);

    // Sound records with only a cut record after them: that one is the first damage.
    dir.writeHistory(good);
    EXPECT_FALSE(history().inspect().any());
    EXPECT_EQ(history().inspect().good, good);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(31, 'x'));
    }
    const DrawHistory::Damage cut = DrawHistory::inspect(history().read());
    EXPECT_TRUE(cut.any());
    EXPECT_EQ(cut.damaged, 0);
    EXPECT_EQ(cut.firstDamaged, 3);
    EXPECT_EQ(cut.trailingBytes, 31);
    EXPECT_EQ(cut.good, good);
    // Nothing at all is sound.
    const DrawHistory::Damage empty = DrawHistory::inspect({}, 0);
    EXPECT_FALSE(empty.any());
    EXPECT_EQ(empty.firstDamaged, -1);
}

TEST(RealHistory, BundledResultsConvertExactly) {
    const auto records = realHistory();
    ASSERT_EQ(records.size(), 3449u);
    EXPECT_EQ(records.front(), makeDraw(QDate(1990, 12, 5), {2, 4, 5, 46, 48, 49}));
    EXPECT_EQ(records.back().date, DayCount::fromDate(QDate(2025, 8, 30)));
    for (size_t i = 1; i < records.size(); ++i) ASSERT_LT(records[i - 1].date, records[i].date);

    // The history the build puts beside the program holds the same records.
    const auto sample = DrawHistory(QStringLiteral(QUINTARA_BINARY_DIR "/ZahlenGR.sample.dat")).readAll();
    EXPECT_EQ(sample, records);
}

TEST(DrawCsvParse, RejectsMalformedRows) {
    EXPECT_THROW(DrawCsv::parse("date,n1,n2,n3,n4,n5,n6,additional\n2001-01-03,1,2,3,4,5,50,\n"), AppError);
    EXPECT_THROW(DrawCsv::parse("2001-01-03,1,2,3,4,5,6,\n2001-01-03,1,2,3,4,5,6,\n"), AppError);
    EXPECT_THROW(DrawCsv::parse("2001-13-03,1,2,3,4,5,6,\n"), AppError);
    const auto ok = DrawCsv::parse("2001-01-03,1,2,3,4,5,6,7\r\n");
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0].additional, 7);
}

TEST(HistoryCsv, RealHistoryRoundTripsByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile bundled(QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv"));
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    const QByteArray csv = bundled.readAll();

    // The history as the converter builds it.
    const std::vector<DrawRecord> records = DrawCsv::parse(csv);
    DrawHistory original(dir.filePath(QStringLiteral("orig.dat")));
    original.replaceAll(records);
    QFile origFile(original.filePath());
    ASSERT_TRUE(origFile.open(QIODevice::ReadOnly));
    const QByteArray origBytes = origFile.readAll();
    ASSERT_EQ(origBytes.size(), static_cast<qsizetype>(records.size()) * DrawRecord::Size);

    // Export: the same text as the bundled file.
    const QByteArray exported = DrawCsv::format(original.readAll());
    EXPECT_EQ(exported, csv);

    // Import into an empty ZahlenGR.dat: the same bytes.
    DrawHistory fresh(dir.filePath(QStringLiteral("ZahlenGR.dat")));
    const DrawCsv::ImportPlan plan =
        DrawCsv::planImport(fresh.exists() ? fresh.readAll() : std::vector<DrawRecord>{}, exported);
    EXPECT_EQ(plan.added, static_cast<int>(records.size()));
    EXPECT_TRUE(plan.refused.isEmpty());
    fresh.replaceAll(plan.merged);
    QFile freshFile(fresh.filePath());
    ASSERT_TRUE(freshFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(freshFile.readAll(), origBytes);

    // Importing it again changes nothing.
    const DrawCsv::ImportPlan again = DrawCsv::planImport(fresh.readAll(), exported);
    EXPECT_EQ(again.unchanged, static_cast<int>(records.size()));
    EXPECT_FALSE(again.changes());
}

TEST(HistoryCsv, BadLinesAreRefusedAndCountedGoodOnesMerged) {
    const std::vector<DrawRecord> stored{makeDraw({2025, 8, 27}, {1, 2, 3, 4, 5, 6}, 7),
                                         makeDraw({2025, 8, 30}, {7, 8, 9, 10, 11, 12}, 0)};
    const QByteArray text = "date,n1,n2,n3,n4,n5,n6,additional\n"
                            "2025-08-23,3,13,23,33,43,49,\n"  // added, before the stored ones
                            "2025-08-27,1,2,3,4,5,6,7\n"      // unchanged
                            "2025-08-30,7,8,9,10,11,13,\n"    // replaced
                            "2025-09-03,5,5,6,7,8,9,\n"       // repeated number
                            "2025-09-06,1,2,3,4,5,50,\n"      // out of range
                            "2025-09-10,1,2,3,4,5,6,6\n"      // additional among the six
                            "2025-13-01,1,2,3,4,5,6,\n"       // no date
                            "2025-09-13,1,2,3,4,5\n"          // seven fields
                            "2025-08-23,4,14,24,34,44,48,\n"; // date twice in the file
    const DrawCsv::ImportPlan plan = DrawCsv::planImport(stored, text);
    EXPECT_EQ(plan.added, 1);
    EXPECT_EQ(plan.replaced, 1);
    EXPECT_EQ(plan.unchanged, 1);
    ASSERT_EQ(plan.refused.size(), 6);
    EXPECT_TRUE(plan.refused[0].startsWith(QStringLiteral("Zeile 5:")));
    EXPECT_TRUE(plan.refused[5].startsWith(QStringLiteral("Zeile 10:")));
    ASSERT_EQ(plan.merged.size(), 3u);
    EXPECT_EQ(DayCount::toDate(plan.merged[0].date), QDate(2025, 8, 23));
    EXPECT_EQ(plan.merged[0].numbers[0], 3);
    EXPECT_EQ(plan.merged[2].numbers[5], 13);
    EXPECT_TRUE(DrawCsv::importSummary(plan).startsWith(
        QStringLiteral("1 Ziehungen hinzugefügt, 1 ersetzt, 1 unverändert, 6 Zeilen abgelehnt.")));
}
