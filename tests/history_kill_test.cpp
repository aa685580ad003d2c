// A program killed at any moment (power cut, SIGKILL) must leave the draw history either as it
// was before the change or as it is after it: every record whole, dates ascending. A child
// process changes the history and is killed after random delays.
#include "base/DayCount.h"
#include "history/DrawHistory.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int kKills = 50;

// Starts the writer and waits (bounded) until it says it begins its work.
bool startWriter(QProcess& p, const QStringList& args) {
    p.start(QStringLiteral(HISTORY_WRITER), args);
    if (!p.waitForStarted(10000)) return false;
    QElapsedTimer t;
    t.start();
    while (!p.canReadLine() && t.elapsed() < 20000)
        if (!p.waitForReadyRead(1000) && p.state() != QProcess::Running) return false;
    return p.readLine().startsWith("ready");
}

void killWriter(QProcess& p) {
    p.kill(); // SIGKILL
    p.waitForFinished(10000);
}

// Resets the history in one write (the appender syncs every record, too slow for 50 resets).
void writeRecords(const QString& path, const std::vector<DrawRecord>& records) {
    QByteArray bytes;
    for (const DrawRecord& r : records) {
        const auto b = r.toBytes();
        bytes.append(reinterpret_cast<const char*>(b.data()), DrawRecord::Size);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

std::vector<DrawRecord> recordsBetween(const std::vector<DrawRecord>& all, const QDate& from,
                                       const QDate& to) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : all)
        if (r.date >= DayCount::fromDate(from) && r.date <= DayCount::fromDate(to)) out.push_back(r);
    return out;
}

bool wholeRecordsAscending(const QString& path, std::vector<DrawRecord>& records) {
    if (QFileInfo(path).size() % DrawRecord::Size != 0) return false;
    records = DrawHistory(path).readAll();
    for (size_t i = 1; i < records.size(); ++i)
        if (!(records[i - 1].date < records[i].date)) return false;
    return true;
}

// Puts the old history in place, starts the writer, kills it after `delayMs` and reads what is
// left. False when the writer did not start or the file holds a broken or unordered record.
bool killedWrite(const QString& history, const std::vector<DrawRecord>& old, const QStringList& args,
                 unsigned long delayMs, std::vector<DrawRecord>& now) {
    writeRecords(history, old);
    QProcess p;
    if (!startWriter(p, args)) return false;
    QThread::msleep(delayMs);
    killWriter(p);
    return wholeRecordsAscending(history, now);
}

TEST(HistoryKill, ADownloadKilledAnywhereKeepsTheOldDrawsAndWholeNewOnes) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    const QString draws = QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv");
    const auto all = realHistory();
    const auto old = recordsBetween(all, QDate(2022, 1, 1), QDate(2023, 12, 31));
    const QStringList args{QStringLiteral("download"), history, draws, QStringLiteral("2024-12-31")};

    // One run to its end gives the history every interrupted run must be a prefix of.
    writeRecords(history, old);
    QElapsedTimer runTime;
    runTime.start();
    {
        QProcess p;
        ASSERT_TRUE(startWriter(p, args));
        ASSERT_TRUE(p.waitForFinished(120000));
        ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    const qint64 fullRunMs = std::max<qint64>(runTime.elapsed(), 50);
    const std::vector<DrawRecord> complete = DrawHistory(history).readAll();
    ASSERT_GT(complete.size(), old.size() + 90);
    ASSERT_TRUE(std::equal(old.begin(), old.end(), complete.begin()));

    std::mt19937 random(20250903);
    std::uniform_int_distribution<qint64> delay(0, fullRunMs);
    int partial = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        std::vector<DrawRecord> now;
        ASSERT_TRUE(killedWrite(history, old, args, static_cast<unsigned long>(delay(random)), now))
            << "kill " << kill;
        ASSERT_GE(now.size(), old.size()) << "kill " << kill;
        ASSERT_LE(now.size(), complete.size()) << "kill " << kill;
        ASSERT_TRUE(std::equal(now.begin(), now.end(), complete.begin())) << "kill " << kill;
        if (now.size() > old.size() && now.size() < complete.size()) ++partial;
    }
    // The kills must really have landed inside runs, not only before or after them.
    EXPECT_GT(partial, 0);
    RecordProperty("kills_inside_a_run", partial);
}

TEST(HistoryKill, ARewriteKilledAnywhereLeavesTheOldOrTheNewHistory) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    const auto old = recordsBetween(realHistory(), QDate(2015, 1, 1), QDate(2024, 12, 31));
    ASSERT_GT(old.size(), 500u);
    const size_t mid = old.size() / 2;
    const QStringList args{QStringLiteral("rewrite"), history, QStringLiteral("100000")};

    std::mt19937 random(4711);
    std::uniform_int_distribution<int> delay(0, 400);
    int withInserted = 0, replaced = 0, leftTemporaries = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        std::vector<DrawRecord> now;
        ASSERT_TRUE(killedWrite(history, old, args, static_cast<unsigned long>(delay(random)), now))
            << "kill " << kill;
        ASSERT_TRUE(now.size() == old.size() || now.size() == old.size() + 1) << "kill " << kill;
        // Apart from the replaced draw (either number) and the inserted one, nothing changes.
        size_t j = 0;
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i].date == old[mid].date + 1) {
                ASSERT_EQ(now[i].numberBytes(), old[mid].numberBytes()) << "kill " << kill;
                ++withInserted;
                continue;
            }
            DrawRecord expected = old[j++];
            if (j - 1 == mid && now[i].numbers[0] == 48 && expected.numbers[0] != 48) {
                expected.numbers[0] = 48;
                ++replaced;
            }
            ASSERT_EQ(now[i], expected) << "kill " << kill << " record " << i;
        }
        ASSERT_EQ(j, old.size());
        // The next start of the program clears what the killed write left beside the history.
        const QStringList temporaries{QStringLiteral("*~"), QStringLiteral("*.qgr-*")};
        const QStringList left = QDir(dir.path()).entryList(temporaries, QDir::Files);
        if (!left.isEmpty()) ++leftTemporaries;
        { FormFixture start(dir, false); }
        EXPECT_TRUE(QDir(dir.path()).entryList(temporaries, QDir::Files).isEmpty())
            << "kill " << kill << " left " << left.join(QLatin1Char(' ')).toStdString();
    }
    RecordProperty("kills_leaving_a_temporary", leftTemporaries);
    RecordProperty("kills_with_inserted_draw", withInserted);
    RecordProperty("kills_with_replaced_draw", replaced);
    // A stale replacement file left by a kill does not stop the next change.
    DrawHistory(history).insertOrReplace(old[mid]);
    DrawHistory(history).removeDate(old[mid].date + 1);
    EXPECT_EQ(DrawHistory(history).readAll(), old);
}

} // namespace
