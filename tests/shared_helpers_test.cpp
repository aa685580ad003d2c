#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Random.h"
#include "base/Rounding.h"
#include "base/SafeFile.h"
#include "base/TextFile.h"
#include "history/DrawDownload.h"
#include "support/FileBytes.h"
#include "tips/TipFiles.h"

#include <QLocale>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(Random, FollowsTheLinearCongruenceAndScalesTheUpperBits) {
    Rng::setSeed(0);
    // seed 0 -> 1; 1 * 49 >> 32 = 0
    EXPECT_EQ(Rng::random(49), 0u);
    EXPECT_EQ(Rng::seed(), 1u);
    // 1 * 134775813 + 1 = 134775814; (134775814 * 49) >> 32 = 1
    EXPECT_EQ(Rng::random(49), 1u);
    EXPECT_EQ(Rng::seed(), 134775814u);

    // Wraps modulo 2^32 and stays within 0..n-1.
    Rng::setSeed(0xFFFFFFFFu);
    const std::uint32_t expectedSeed = 0xFFFFFFFFu * 134775813u + 1u;
    const std::uint32_t v = Rng::random(1000);
    EXPECT_EQ(Rng::seed(), expectedSeed);
    EXPECT_EQ(v, static_cast<std::uint32_t>((std::uint64_t(expectedSeed) * 1000) >> 32));

    Rng::setSeed(42);
    for (int i = 0; i < 10000; ++i) ASSERT_LT(Rng::random(49), 49u);
}

TEST(Random, SameSeedSameSequenceAndSignedSeedKeepsItsBits) {
    Rng::setSeedSigned(-1);
    EXPECT_EQ(Rng::seed(), 0xFFFFFFFFu);
    EXPECT_EQ(Rng::seedSigned(), -1);
    Rng::setSeed(777);
    std::vector<std::uint32_t> a, b;
    for (int i = 0; i < 50; ++i) a.push_back(Rng::random(49));
    Rng::setSeed(777);
    for (int i = 0; i < 50; ++i) b.push_back(Rng::random(49));
    EXPECT_EQ(a, b);
}

TEST(Rounding, HalvesGoToTheEvenInteger) {
    EXPECT_EQ(roundHalfEven(101.5), 102);
    EXPECT_EQ(roundHalfEven(112.5), 112);
    EXPECT_EQ(roundHalfEven(17.5), 18);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(24.0), 24);
}

TEST(DayCount, EpochWeekdaysAndFormats) {
    EXPECT_EQ(DayCount::fromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DayCount::fromDate(QDate(1990, 12, 5)), 33212.0);
    EXPECT_EQ(DayCount::toDate(45899.0), QDate(2025, 8, 30));
    EXPECT_EQ(DayCount::weekday(0.0), DayCount::Saturday);
    EXPECT_EQ(DayCount::weekday(1.0), DayCount::Sunday);
    EXPECT_EQ(DayCount::weekday(DayCount::fromDate(QDate(2011, 3, 5))), DayCount::Saturday);
    EXPECT_EQ(DayCount::weekday(DayCount::fromDate(QDate(2011, 10, 12))), DayCount::Wednesday);
    EXPECT_EQ(DayCount::weekday(QDate(2011, 10, 12)), DayCount::Wednesday);
    // Before the epoch the weekday still follows the calendar.
    EXPECT_EQ(DayCount::weekday(DayCount::fromDate(QDate(1899, 12, 27))), DayCount::Wednesday);
    EXPECT_EQ(DayCount::compactText(DayCount::fromDate(QDate(2011, 3, 9))), QStringLiteral("20110309"));
    EXPECT_TRUE(DayCount::shortWeekdayText(DayCount::fromDate(QDate(2011, 10, 12)))
                    .endsWith(QStringLiteral(" 12.10.11")));
}

TEST(DayCount, ShortDateTextIsTheDateFormatsDayMonthAndTwoDigitYear) {
    // Every day of three centuries, the turns of the centuries and the first years included.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (QDate d(1899, 12, 1); d <= QDate(2100, 3, 1); d = d.addDays(1)) {
        const QString expected = QLocale().dayName(d.dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ') +
                                 d.toString(QStringLiteral("dd.MM.yy"));
        ASSERT_EQ(DayCount::shortWeekdayText(DayCount::fromDate(d)), expected) << d.toString(Qt::ISODate).toStdString();
    }
    for (const QDate d : {QDate(1, 1, 1), QDate(9, 7, 3), QDate(100, 2, 28), QDate(1000, 12, 31), QDate(9999, 12, 31),
                          QDate(10000, 1, 1), QDate(-44, 3, 15)})
        EXPECT_TRUE(DayCount::shortWeekdayText(DayCount::fromDate(d)).endsWith(
            QLatin1Char(' ') + d.toString(QStringLiteral("dd.MM.yy"))))
            << d.toString(Qt::ISODate).toStdString();
    QLocale::setDefault(before);
}

TEST(Random, SequencesAreIndependentObjectsAndTheProgramHasOne) {
    // Two sequences of the same seed give the same numbers, whatever the other one does.
    RandomSequence a(4711), b(4711);
    std::vector<std::uint32_t> fromA, fromB;
    for (int i = 0; i < 20; ++i) fromA.push_back(a.random(49));
    Rng::setSeed(1);
    for (int i = 0; i < 20; ++i) {
        Rng::random(49); // the program's sequence is a third one
        fromB.push_back(b.random(49));
    }
    EXPECT_EQ(fromA, fromB);
    EXPECT_EQ(a.seed(), b.seed());

    // The program-wide calls all act on the one object handed to domain code.
    Rng::setSeed(99);
    EXPECT_EQ(&Rng::program(), &Rng::program());
    EXPECT_EQ(Rng::program().seed(), 99u);
    RandomSequence copy(99);
    EXPECT_EQ(Rng::program().random(1000), copy.random(1000));
    EXPECT_EQ(Rng::seed(), copy.seed());
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

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
    }
    // Ordinary dates are untouched by the bound: day 0 was a Saturday, 3 Sep 2025 a Wednesday.
    EXPECT_EQ(DayCount::weekday(0.0), DayCount::Saturday);
    EXPECT_EQ(DayCount::weekday(DayCount::fromDate(QDate(2025, 9, 3))), DayCount::Wednesday);
    EXPECT_EQ(DayCount::weekday(-1.0), 6);
    EXPECT_EQ(DayCount::toDate(DayCount::fromDate(QDate(1, 1, 1))), QDate(1, 1, 1));
}

// A byte-order mark picks the encoding and is not part of the first line; without one the
// system's encoding applies. A second mark is text.
TEST(TextFile, AByteOrderMarkSelectsTheEncodingAndIsDropped) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.txt"));
    const auto linesOf = [&](const QByteArray& bytes) {
        writeBytes(path, bytes);
        return TextFile::readLines(path);
    };
    EXPECT_EQ(linesOf("\xEF\xBB\xBF\xCE\xB1\r\nb"), QStringList({QStringLiteral("α"), "b"}));
    EXPECT_EQ(linesOf(QByteArray("\xFF\xFE" "a\0\r\0\n\0\xB1\x03", 10)), QStringList({"a", QStringLiteral("α")}));
    EXPECT_EQ(linesOf(QByteArray("\xFE\xFF" "\0a\0\n\x03\xB1", 8)), QStringList({"a", QStringLiteral("α")}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBF\xEF\xBB\xBFx"), QStringList({QStringLiteral("\uFEFFx")}));
    EXPECT_EQ(linesOf("plain\r\n"), QStringList({"plain"}));
}

// Reads and writes at an offset move every byte or end at the file's end; a descriptor that
// cannot do it throws the error that names the file.
TEST(SafeFile, ReadAndWriteAtAnOffsetMoveEveryByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.bin"));
    writeBytes(path, "0123456789");
    const UniqueFd fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
    ASSERT_GE(fd.get(), 0);
    SafeFile::writeAt(fd.get(), "ab", 2, 12, path);
    EXPECT_EQ(readBytes(path), QByteArray("0123456789\0\0ab", 14));
    char buffer[8] = {};
    EXPECT_EQ(SafeFile::readAt(fd.get(), buffer, 4, 3, path), 4);
    EXPECT_EQ(QByteArray(buffer, 4), "3456");
    EXPECT_EQ(SafeFile::readAt(fd.get(), buffer, 8, 10, path), 4);
    EXPECT_EQ(SafeFile::readAt(fd.get(), buffer, 8, 20, path), 0);
    const UniqueFd readOnly(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    try {
        SafeFile::writeAt(readOnly.get(), "x", 1, 0, path);
        ADD_FAILURE() << "a read-only descriptor took a write";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
    }
    EXPECT_THROW(SafeFile::readAt(-1, buffer, 1, 0, path), FileError);
}
