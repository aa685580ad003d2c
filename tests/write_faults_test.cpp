// Every file the program writes, made to fail while it is written: a full disk (a file-size
// limit in a forked child, since root ignores permissions), a directory or file in the way, and
// a read-only directory where permissions apply. Each failure must be reported with the file's
// name, and what the file held before must still be there, with no half-written file beside it.
#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "base/SettingsStore.h"
#include "base/TextFile.h"
#include "gui/TForm6.h"
#include "history/DrawHistory.h"
#include "i18n/Translation.h"
#include "support/ChildRun.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Outcome = ChildOutcome;

// Runs the write in a forked child whose files may not grow beyond `limit` bytes.
Outcome runWithFileSizeLimit(rlim_t limit, const std::function<void()>& write) {
    return runInChild(
        [limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{};
            getrlimit(RLIMIT_FSIZE, &rl);
            rl.rlim_cur = limit;
            return setrlimit(RLIMIT_FSIZE, &rl) == 0;
        },
        write);
}

Outcome runInProcess(const std::function<void()>& write) {
    try {
        write();
        return {Outcome::Succeeded, {}};
    } catch (const FileError& e) {
        return {Outcome::FileFailure, e.message()};
    } catch (...) {
        return {Outcome::OtherFailure, {}};
    }
}

// Every file below the directory with its bytes, directories marked: the whole state a
// failed write must leave as it found it.
QMap<QString, QByteArray> snapshot(const QString& dir) {
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isDir()) {
            files.insert(path, "<dir>");
        } else {
            QFile f(path);
            files.insert(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>"));
        }
    }
    return files;
}

std::vector<DrawRecord> someDraws(int count, double firstDay) {
    std::vector<DrawRecord> draws;
    for (int i = 0; i < count; ++i) {
        DrawRecord r = makeDraw(DayCount::toDate(firstDay + 7 * i),
                                {1 + i % 40, 2 + i % 40, 3 + i % 40, 44, 45, 46}, 47, i);
        r.reserved.fill(static_cast<std::uint8_t>(0x30 + i));
        draws.push_back(r);
    }
    return draws;
}

// One file the program writes: how its old content is made and how the program writes it.
struct Writer {
    const char* name;
    QString fileName;
    std::function<void(const QString& path)> prepareOld;
    std::function<void(const QString& path)> write;
};

const double kFirstDay = DayCount::fromDate(QDate(2024, 1, 3));

QStringList manyTips() {
    QStringList tips;
    for (int i = 0; i < 30; ++i)
        tips << QStringLiteral("%1,11,17,25,38,44:Normal").arg(1 + i % 9, 2, 10, QLatin1Char('0'));
    return tips;
}

std::vector<Writer> writers() {
    const auto oldHistory = [](const QString& path) {
        HistoryAppender appender(path);
        for (const DrawRecord& r : someDraws(6, kFirstDay)) appender.append(r);
    };
    const auto oldText = [](const QString& path) { writeBytes(path, "01,02,03,04,05,06:Normal\r\n"); };
    return {
        {"history append", QStringLiteral("ZahlenGR.dat"), oldHistory,
         [](const QString& path) {
             DrawHistory(path).append(makeDraw(DayCount::toDate(kFirstDay + 100), {7, 8, 9, 10, 11, 12}, 13));
         }},
        {"history download append", QStringLiteral("ZahlenGR.dat"), oldHistory,
         [](const QString& path) {
             HistoryAppender appender(path);
             for (const DrawRecord& r : someDraws(4, kFirstDay + 70)) appender.append(r);
         }},
        {"history insert-or-replace", QStringLiteral("ZahlenGR.dat"), oldHistory,
         [](const QString& path) {
             DrawHistory(path).insertOrReplace(
                 makeDraw(DayCount::toDate(kFirstDay + 7), {9, 19, 29, 39, 40, 41}, 1));
         }},
        {"history removal", QStringLiteral("ZahlenGR.dat"), oldHistory,
         [](const QString& path) { DrawHistory(path).removeDate(kFirstDay + 14); }},
        {"tip list", Paths::TipListName, oldText,
         [](const QString& path) { TipFiles::write(path, manyTips()); }},
        {"tip file", QStringLiteral("20250903.hlt"), oldText,
         [](const QString& path) { TipFiles::write(path, manyTips()); }},
        {"tip text", Paths::TipTextName, oldText,
         [](const QString& path) { TipFiles::write(path, TipFiles::tipText(manyTips(), 6, kFirstDay)); }},
        {"number list", QStringLiteral("20250903.hlw"), oldText,
         [](const QString& path) {
             // What the number choice window writes: 49 lines, a weight or nothing.
             QStringList lines;
             for (int n = 1; n <= 49; ++n) lines << (n % 2 ? QString::number(n % 7) : QString());
             TextFile::writeLinesAtomic(path, lines);
         }},
        {"translation template", QStringLiteral("vorlage.txt"),
         [](const QString& path) {
             writeBytes(path, "TForm1\r\nButton1\r\nAlt\r\n\r\n0\r\n");
             writeBytes(path + Translation::CompanionSuffix, Translation::encodeCompanion({"Alt", ""}));
         },
         [](const QString& path) {
             std::vector<Translation::Entry> entries;
             for (int i = 0; i < 20; ++i)
                 entries.push_back({QStringLiteral("TForm1"), QStringLiteral("Button%1").arg(i),
                                    QStringLiteral("Κουμπί %1").arg(i), QStringLiteral("Hinweis"), "1"});
             Translation::writeTemplate(path, entries);
         }},
        {"settings", QStringLiteral("Velmora.reg"),
         [](const QString& path) {
             SettingsStore s = SettingsStore::openFile(path);
             s.writeInteger(QStringLiteral("UpDown3"), 4);
             s.save();
         },
         [](const QString& path) {
             SettingsStore s = SettingsStore::openFile(path);
             for (int i = 0; i < 30; ++i)
                 s.writeString(QStringLiteral("Wert%1").arg(i), QStringLiteral("Text %1").arg(i));
             s.save();
         }},
    };
}

class WriteFaults : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        QDir().mkpath(dir.path());
        base = dir.path() + QStringLiteral("w/");
        QDir().mkpath(base);
        path = base + GetParam().fileName;
        GetParam().prepareOld(path);
        before = snapshot(base);
        ASSERT_FALSE(before.isEmpty());
    }
    void expectReportedAndUnchanged(const Outcome& o, const QString& named) {
        ASSERT_NE(o.kind, Outcome::Crashed);
        EXPECT_EQ(o.kind, Outcome::FileFailure) << "reported as success or with a foreign error";
        EXPECT_TRUE(o.message.contains(named)) << o.message.toStdString();
        EXPECT_EQ(snapshot(base), before) << "old content changed or a half-written file left";
    }
    TestProgramDir dir;
    QString base;
    QString path;
    QMap<QString, QByteArray> before;
};

TEST_P(WriteFaults, AFullDiskKeepsTheOldContent) {
    // Appends get no room beyond what is there; every other write gets too little room for any
    // whole new content, a rewrite of the same size included.
    const bool append = QString::fromLatin1(GetParam().name).contains(QLatin1String("append"));
    const qint64 limit = append ? QFileInfo(path).size() : 64;
    const Outcome o = runWithFileSizeLimit(static_cast<rlim_t>(limit), [this] { GetParam().write(path); });
    // A download append may write a part of a record before the disk is full; the part is no
    // record and is ignored by every reader, so the history reads as before.
    if (GetParam().fileName == QLatin1String("ZahlenGR.dat")) {
        ASSERT_EQ(o.kind, Outcome::FileFailure) << o.message.toStdString();
        EXPECT_TRUE(o.message.contains(path));
        DrawHistory history(path);
        EXPECT_EQ(history.readAll(), someDraws(6, kFirstDay));
        EXPECT_EQ(QDir(base).entryList(QDir::Files), QStringList{QStringLiteral("ZahlenGR.dat")});
        return;
    }
    expectReportedAndUnchanged(o, path);
    // Without the limit the same write goes through.
    EXPECT_EQ(runInProcess([this] { GetParam().write(path); }).kind, Outcome::Succeeded);
    EXPECT_NE(snapshot(base), before);
}

TEST_P(WriteFaults, SomethingInTheWayIsReportedAndChangesNothing) {
    // Where the program puts its replacement or its file, a directory of the same name stands.
    const QString fileName = GetParam().fileName;
    QString blocked;
    if (fileName == QLatin1String("ZahlenGR.dat")) {
        DrawHistory h(path);
        blocked = QString::fromLatin1(GetParam().name).contains(QLatin1String("removal")) ? h.removeTempPath()
                  : QString::fromLatin1(GetParam().name).contains(QLatin1String("insert"))
                      ? h.insertTempPath()
                      : QString();
        if (blocked.isEmpty()) GTEST_SKIP() << "appends write in place; a full disk is their fault";
        ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    } else {
        // The file itself is a directory (with content the write must not touch).
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/inside")));
        writeBytes(path + QStringLiteral("/inside/keep.txt"), "keep");
        blocked = path;
    }
    before = snapshot(base);
    // The message names the file that could not be written: the history or its replacement.
    expectReportedAndUnchanged(runInProcess([this] { GetParam().write(path); }),
                               QFileInfo(blocked).fileName());
}

TEST_P(WriteFaults, AReadOnlyDirectoryIsReportedAndChangesNothing) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    ASSERT_TRUE(QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    expectReportedAndUnchanged(runInProcess([this] { GetParam().write(path); }), QFileInfo(path).fileName());
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(EveryWrittenFile, WriteFaults, ::testing::ValuesIn(writers()),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

// The settings go below the user's configuration directory; a file where a directory of that
// path belongs must fail the save with its path, not pass as saved.
TEST(SettingsWriteFault, AFileWhereTheDirectoryBelongsFailsTheSave) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    writeBytes(dir.path() + QStringLiteral("blocker"), "x");
    SettingsStore s = SettingsStore::openFile(dir.path() + QStringLiteral("blocker/sub/Velmora.reg"));
    s.writeInteger(QStringLiteral("UpDown3"), 4);
    const Outcome o = runInProcess([&] { s.save(); });
    EXPECT_EQ(o.kind, Outcome::FileFailure);
    EXPECT_TRUE(o.message.contains(QStringLiteral("Velmora.reg")) ||
                o.message.contains(QStringLiteral("blocker")))
        << o.message.toStdString();
}

// Through the window: the tip text that cannot be written is an error box naming the file, and
// no viewer is started on a file that was not written.
TEST(WindowWriteFault, TipTextThatCannotBeWrittenIsShownAndNotOpened) {
    TestProgramDir dir;
    FormFixture f(dir);
    ASSERT_TRUE(QDir().mkpath(dir.file(Paths::TipTextName)));
    f->controls().ListBox1->addItem(QStringLiteral("03,11,17,25,38,44:Normal"));
    const auto errorsBefore = f.platform.dialogs->errors().size();
    f->runAction([&] { f->BitBtn7Click(); });
    ASSERT_EQ(f.platform.dialogs->errors().size(), errorsBefore + 1);
    EXPECT_TRUE(f.platform.dialogs->errors().last().contains(Paths::TipTextName));
    EXPECT_TRUE(f.platform.shell->opened.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.file(Paths::TipTextName)).isDir());
}

// A tip file chosen in the save dialog that cannot be written leaves the old file and says so.
TEST(WindowWriteFault, TipFileSaveIntoAMissingFolderIsShown) {
    TestProgramDir dir;
    FormFixture f(dir);
    f->controls().ListBox1->addItem(QStringLiteral("03,11,17,25,38,44:Normal"));
    const QString target = dir.file(QStringLiteral("fehlt/20250903.hlt"));
    f.platform.dialogs->saveAnswers.push_back(target);
    const auto errorsBefore = f.platform.dialogs->errors().size();
    f->runAction([&] { f->SpeedButton15Click(); });
    ASSERT_EQ(f.platform.dialogs->errors().size(), errorsBefore + 1);
    EXPECT_TRUE(f.platform.dialogs->errors().last().contains(QStringLiteral("20250903.hlt")));
    EXPECT_FALSE(QFileInfo::exists(target));
}

// The number choice window's save into a place it cannot write: an error box with the name.
TEST(WindowWriteFault, NumberListThatCannotBeWrittenIsShown) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    TestPlatform platform;
    TForm6 chooser(platform.platform());
    chooser.box(5)->setChecked(true);
    const QString target = dir.file(QStringLiteral("20250903.hlw"));
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral("/inside")));
    platform.dialogs->saveAnswers.push_back(target);
    chooser.SpeedButton1->click();
    ASSERT_EQ(platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(platform.dialogs->errors()[0].contains(QStringLiteral("20250903.hlw")));
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/inside")).isDir());
}

} // namespace
