// Files that are not what the program wrote, or not where it expects them: a pipe or a device in
// a file's place, symbolic links to the history, the tip list and the settings, a history and a
// settings file far beyond any real one, CSV imports the history could not hold, appends after
// another writer, and the leftovers of tip-file saves that were killed.
#include "app/TForm1.h"
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "base/SettingsStore.h"
#include "base/TextFile.h"
#include "gui/AnalysisReport.h"
#include "history/DrawCsv.h"
#include "history/DrawHistory.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isLink(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

void link(const QString& target, const QString& at) {
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()), 0);
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

std::vector<DrawRecord> threeDraws() {
    return {makeDraw(QDate(2020, 1, 1), {1, 2, 3, 4, 5, 6}, 7), makeDraw(QDate(2020, 1, 4), {7, 8, 9, 10, 11, 12}, 13),
            makeDraw(QDate(2020, 1, 8), {13, 14, 15, 16, 17, 18}, 19)};
}

QString errorOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const FileError& e) {
        return e.message();
    }
    return {};
}

const QString kNotRegular = QStringLiteral("keine gewöhnliche Datei");

} // namespace

// A pipe where a file belongs is refused at once by every reader, as a device is: before, a pipe
// named ZahlenGR.dat held the start for ever and /dev/zero filled the memory.
TEST(NonRegularFiles, PipesAndDevicesAreRefusedAtOnceByEveryReader) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    const QString tips = dir.file(QStringLiteral("tipps.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(tips).constData(), 0600), 0);

    const DrawHistory file(history);
    EXPECT_TRUE(errorOf([&] { file.read(); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([&] { file.recordCount(); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([&] { file.lastRecord(); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([&] { HistoryAppender appender(history); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([&] { TipFiles::read(tips); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([] { SafeFile::readAll(QStringLiteral("/dev/zero"), 1024); }).contains(kNotRegular));
    EXPECT_TRUE(errorOf([] { DrawCsv::readFile(QStringLiteral("/dev/zero")); }).contains(kNotRegular));

    {
        FormFixture f(dir);
        const QStringList errors = f.platform.dialogs->errors();
        ASSERT_GE(errors.size(), 2);
        EXPECT_TRUE(errors[0].contains(tips) && errors[0].contains(kNotRegular)) << errors[0].toStdString();
        EXPECT_TRUE(errors.join(QLatin1Char('\n')).contains(history));
        EXPECT_TRUE(f->isVisible());
    }
    // The window wrote nothing in their place.
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(history).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::lstat(QFile::encodeName(tips).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A history, tip list or settings file that is a link is written where the link leads, and the
// link stays: appends and rewrites of the history alike, relative links and chains of them too.
TEST(Symlinks, LinkedFilesAreWrittenAtTheirTargetsAndStayLinks) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath(QStringLiteral("daten/ziehungen.dat"));
    QDir().mkpath(QFileInfo(real).absolutePath());
    DrawHistory(real).replaceAll(threeDraws());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    link(real, history);

    DrawHistory linked(history);
    const DrawRecord later = makeDraw(QDate(2020, 1, 11), {20, 21, 22, 23, 24, 25}, 26);
    const DrawRecord between = makeDraw(QDate(2020, 1, 6), {30, 31, 32, 33, 34, 35}, 36);
    linked.append(later);
    linked.insertOrReplace(between);
    linked.removeDate(threeDraws()[0].date);
    EXPECT_TRUE(isLink(history));
    const auto d = threeDraws();
    EXPECT_EQ(DrawHistory(real).readAll(), (std::vector<DrawRecord>{d[1], between, d[2], later}));
    // The rewrites' temporary files were made beside the target and are gone.
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("ZahlenGR.dat")});
    EXPECT_EQ(filesIn(QFileInfo(real).absolutePath()), QStringList{QStringLiteral("ziehungen.dat")});

    // The tip list through two relative links: tipps.txt -> ../tips/aktuell.txt -> liste.txt.
    const QString tipsDir = elsewhere.filePath(QStringLiteral("tips"));
    QDir().mkpath(tipsDir);
    link(QStringLiteral("liste.txt"), tipsDir + QStringLiteral("/aktuell.txt"));
    const QString relative = QDir(dir.path()).relativeFilePath(tipsDir + QStringLiteral("/aktuell.txt"));
    link(relative, dir.file(QStringLiteral("tipps.txt")));
    const QStringList tips{QStringLiteral("01,02,03,04,05,06:Normal")};
    TipFiles::write(dir.file(QStringLiteral("tipps.txt")), tips);
    EXPECT_TRUE(isLink(dir.file(QStringLiteral("tipps.txt"))));
    EXPECT_TRUE(isLink(tipsDir + QStringLiteral("/aktuell.txt")));
    EXPECT_EQ(TipFiles::read(tipsDir + QStringLiteral("/liste.txt")), tips);

    // The settings keep their link and the target becomes owner-only.
    const QString settingsTarget = elsewhere.filePath(QStringLiteral("Velmora.reg"));
    const QString settingsLink = dir.file(QStringLiteral("Velmora.reg"));
    link(settingsTarget, settingsLink);
    SettingsStore store = SettingsStore::openFile(settingsLink);
    store.writeInteger(QStringLiteral("Land"), 3);
    store.save();
    EXPECT_TRUE(isLink(settingsLink));
    EXPECT_EQ(SettingsStore::openFile(settingsTarget).readInteger(QStringLiteral("Land")), 3);
    EXPECT_EQ(QFileInfo(settingsTarget).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());

    // Links that lead round in a circle are refused with that reason.
    link(dir.file(QStringLiteral("b.hlt")), dir.file(QStringLiteral("a.hlt")));
    link(dir.file(QStringLiteral("a.hlt")), dir.file(QStringLiteral("b.hlt")));
    const QString loop = errorOf([&] { TipFiles::write(dir.file(QStringLiteral("a.hlt")), tips); });
    EXPECT_TRUE(loop.contains(systemErrorText(ELOOP))) << loop.toStdString();
    EXPECT_TRUE(isLink(dir.file(QStringLiteral("a.hlt"))));
}

// A history far beyond any real one (which is below 1 MB) is refused at start with the reason
// and kept as it is; it is not held in memory, appended to or cut.
TEST(FileLimits, AHistoryBeyondItsCapIsRefusedAtStartAndKept) {
    TestProgramDir dir;
    dir.writeHistory(threeDraws());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    {
        QFile f(history);
        ASSERT_TRUE(f.resize(DrawHistory::MaxFileBytes + DrawRecord::Size));
    }
    {
        FormFixture f(dir);
        const QStringList errors = f.platform.dialogs->errors();
        ASSERT_FALSE(errors.isEmpty());
        EXPECT_TRUE(errors[0].contains(history) && errors[0].contains(QStringLiteral("zu groß")))
            << errors[0].toStdString();
    }
    EXPECT_TRUE(errorOf([&] { DrawHistory(history).append(threeDraws()[0]); }).contains(QStringLiteral("zu groß")));
    EXPECT_EQ(QFileInfo(history).size(), DrawHistory::MaxFileBytes + DrawRecord::Size);
}

// A settings file beyond its cap is said at start and left whole: before, the values past the
// cap were dropped by the next save.
TEST(FileLimits, ASettingsFileBeyondItsCapIsReportedAtStartAndNotCutAtTheEnd) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = SettingsStore::filePathForKey(SettingsStore::ProgramKey);
    QByteArray content = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Brenlow\\Velmora]\n";
    for (int i = 0; content.size() <= 4 * 1024 * 1024; ++i)
        content += "\"Wert" + QByteArray::number(i) + "\"=\"" + QByteArray(40, 'x') + "\"\n";
    writeBytes(path, content);
    {
        FormFixture f(dir, false);
        const QStringList errors = f.platform.dialogs->errors();
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QStringLiteral("Einstellungen")) && errors[0].contains(QStringLiteral("zu groß")))
            << errors[0].toStdString();
        // The shutdown says that the settings were not saved; the tips are.
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes};
        EXPECT_TRUE(f.form->close());
        ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
        EXPECT_TRUE(f.platform.dialogs->questions()[0].contains(path));
    }
    EXPECT_EQ(readBytes(path), content);
}

// The import takes only draws the history itself accepts, so the next start does not find it
// damaged; a file that is no regular file or far too large is refused at once with the reason.
TEST(CsvImport, TakesOnlyWhatTheHistoryAcceptsAndRefusesHostileFiles) {
    const QByteArray csv = "date,n1,n2,n3,n4,n5,n6,additional\n"
                           "0001-01-01,1,2,3,4,5,6,7\n"
                           "1899-12-31,1,2,3,4,5,6,7\n"
                           "1900-01-01,1,2,3,4,5,6,7\n"
                           "2199-12-31,1,2,3,4,5,6,7\n"
                           "2200-01-01,1,2,3,4,5,6,7\n"
                           "9999-12-31,1,2,3,4,5,6,7\n";
    const DrawCsv::ImportPlan plan = DrawCsv::planImport(threeDraws(), csv);
    EXPECT_EQ(plan.added, 2);
    ASSERT_EQ(plan.refused.size(), 4);
    for (const QString& why : plan.refused)
        EXPECT_TRUE(why.contains(QStringLiteral("nicht zwischen 1900-01-01 und 2199-12-31"))) << why.toStdString();
    EXPECT_FALSE(DrawHistory::inspect(plan.merged, 0).any());
    EXPECT_THROW(DrawCsv::parse("2200-01-01,1,2,3,4,5,6,7\n"), AppError);

    TestProgramDir dir;
    dir.writeHistory(threeDraws());
    const QByteArray before = readBytes(dir.file(QStringLiteral("ZahlenGR.dat")));
    const QString fifo = dir.file(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.file(QStringLiteral("huge.csv"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(100 * 1024 * 1024));
    }
    FormFixture f(dir, false);
    f.platform.dialogs->openAnswers = {fifo, huge, QStringLiteral("/dev/zero")};
    for (int i = 0; i < 3; ++i) f->report()->historyImport->click();
    const QStringList errors = f.platform.dialogs->errors();
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].contains(fifo) && errors[0].contains(kNotRegular)) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(huge) && errors[1].contains(QStringLiteral("zu groß"))) << errors[1].toStdString();
    EXPECT_TRUE(errors[2].contains(kNotRegular)) << errors[2].toStdString();
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("ZahlenGR.dat"))), before);
}

// An append kept open for a whole update writes at the file's end as it is at that moment, over
// a cut-off record, never over a draw written meanwhile.
TEST(HistoryAppends, GoToTheRealEndOfTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZahlenGR.dat"));
    const auto d = threeDraws();
    DrawHistory(path).replaceAll({d[0]});
    HistoryAppender appender(path);
    DrawHistory(path).append(d[1]);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(10, '\x01'));
    }
    appender.append(d[2]);
    appender.close();
    EXPECT_EQ(DrawHistory(path).readAll(), d);
    EXPECT_EQ(QFileInfo(path).size(), 3 * DrawRecord::Size);
}

// A tip-file save that was killed leaves its temporary file in the folder the player chose; the
// next save into that folder removes the program's own leftovers and nothing else.
TEST(StaleTemporaries, ATipFileSaveClearsTheLeftoversOfKilledSavesInItsFolder) {
    QTemporaryDir folder;
    const QStringList own{QStringLiteral("20250910.hlt.qgr-Ab12Cd"), QStringLiteral("tipps.hlt.qgr-x9Y8z7")};
    const QStringList foreign{QStringLiteral("brief.qgr-kurz"), QStringLiteral("20250910.hlt.bak"),
                              QStringLiteral("20250910.hlt")};
    for (const QString& name : own + foreign) writeBytes(folder.filePath(name), "x");
    const QStringList tips{QStringLiteral("01,02,03,04,05,06:Normal")};
    TipFiles::write(folder.filePath(QStringLiteral("20250913.hlt")), tips);
    QStringList expected = foreign;
    expected << QStringLiteral("20250913.hlt");
    expected.sort();
    EXPECT_EQ(filesIn(folder.path()), expected);
    EXPECT_EQ(TipFiles::read(folder.filePath(QStringLiteral("20250913.hlt"))), tips);
}
