// What the program's files go through beyond a clean run: a user who made a file read-only or
// unreadable (tested as an ordinary user even when the tests run as root), temporaries left by
// a killed run, a power cut after a rename (the directory sync, seen with strace), a damaged
// history at start-up, files far too large, and a shutdown whose saves fail.
#include "base/Errors.h"
#include "base/SafeFile.h"
#include "base/SettingsStore.h"
#include "base/TextFile.h"
#include "history/DrawHistory.h"
#include "i18n/Translation.h"
#include "server/DrawServer.h"
#include "support/ChildRun.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Runs `work` as an ordinary user: in a forked child that gives up root for "nobody" when the
// test runs as root. Returns the FileError text ("" when the work succeeded, "!" for any other
// end). `dir` and everything below it is handed to that user first.
QString asOrdinaryUser(const QString& dir, const std::function<void()>& work) {
    if (::geteuid() == 0) {
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), dir});
        // The directories above must let the user through.
        for (QString up = QFileInfo(dir).absolutePath(); up != QLatin1String("/");
             up = QFileInfo(up).absolutePath()) {
            struct stat st {};
            const QByteArray native = QFile::encodeName(up);
            if (::stat(native.constData(), &st) == 0 && !(st.st_mode & S_IXOTH))
                ::chmod(native.constData(), (st.st_mode & 07777) | S_IXOTH);
        }
    }
    const ChildOutcome o =
        runInChild([] { return ::geteuid() != 0 || (::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0); }, work);
    if (o.kind == ChildOutcome::Succeeded) return QString();
    if (o.kind == ChildOutcome::FileFailure) return o.message;
    return QStringLiteral("!");
}

std::vector<DrawRecord> threeDraws() {
    return {makeDraw(QDate(2020, 1, 1), {1, 2, 3, 4, 5, 6}, 7), makeDraw(QDate(2020, 1, 4), {7, 8, 9, 10, 11, 12}, 13),
            makeDraw(QDate(2020, 1, 8), {13, 14, 15, 16, 17, 18}, 19)};
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

// A history the user made read-only is neither changed by an entry for an older date nor by a
// removal: the refusal names it, as an append's does. A writable one keeps its mode.
TEST(FilePermissions, AReadOnlyHistoryIsRefusedByEveryRewriteAsByTheAppend) {
    TestProgramDir dir;
    dir.writeHistory(threeDraws());
    const QString path = dir.file(QStringLiteral("ZahlenGR.dat"));
    const QByteArray before = readBytes(path);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    DrawRecord older = threeDraws()[1];
    older.numbers[0] = 40;
    for (const auto& [name, change] : std::vector<std::pair<const char*, std::function<void()>>>{
             {"append", [&] { DrawHistory(path).append(makeDraw(QDate(2020, 1, 11), {1, 2, 3, 4, 5, 6})); }},
             {"insert", [&] { DrawHistory(path).insertOrReplace(older); }},
             {"removal", [&] { DrawHistory(path).removeDate(threeDraws()[1].date); }}}) {
        const QString error = asOrdinaryUser(dir.path(), change);
        ASSERT_NE(error, QStringLiteral("!")) << name << ": could not run as an ordinary user";
        EXPECT_TRUE(error.contains(path)) << name << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(systemErrorText(EACCES))) << name << ": " << error.toStdString();
        EXPECT_EQ(readBytes(path), before) << name;
        EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("ZahlenGR.dat")}) << name;
    }
    // Writable for the owner and the group only: the rewritten file stays so, and stays theirs.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0660), 0);
    EXPECT_EQ(asOrdinaryUser(dir.path(), [&] { DrawHistory(path).insertOrReplace(older); }), QString());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
    EXPECT_EQ(st.st_uid, ::geteuid() == 0 ? kNobody : ::geteuid());
    EXPECT_EQ(DrawHistory(path).readAll()[1], older);
}

// Each failed read says what happened: no permission, not found, a folder in the way.
TEST(FilePermissions, ReadErrorsSayWhatReallyHappened) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString tips = dir.file(QStringLiteral("tipps.txt"));
    writeBytes(tips, "01,02,03,04,05,06:Normal\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(tips).constData(), 0000), 0);
    const QString denied = asOrdinaryUser(dir.path(), [&] { TipFiles::read(tips); });
    EXPECT_TRUE(denied.contains(systemErrorText(EACCES))) << denied.toStdString();
    EXPECT_FALSE(denied.contains(systemErrorText(ENOENT))) << denied.toStdString();
    const QString table = asOrdinaryUser(dir.path(), [&] { TextFile::readLines(tips); });
    EXPECT_TRUE(table.contains(systemErrorText(EACCES))) << table.toStdString();
    const QString csv = dir.file(QStringLiteral("draws.csv"));
    writeBytes(csv, "x");
    ASSERT_EQ(::chmod(QFile::encodeName(csv).constData(), 0000), 0);
    const QString csvError = asOrdinaryUser(dir.path(), [&] { DrawTable::fromFile(csv); });
    EXPECT_TRUE(csvError.contains(systemErrorText(EACCES))) << csvError.toStdString();

    try {
        TipFiles::read(dir.file(QStringLiteral("fehlt.hlt")));
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(systemErrorText(ENOENT)));
    }
    QDir().mkpath(dir.file(QStringLiteral("ordner.hlt")));
    try {
        TipFiles::read(dir.file(QStringLiteral("ordner.hlt")));
        ADD_FAILURE() << "a folder was read";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(systemErrorText(EISDIR))) << e.message().toStdString();
    }
}

// Too large to be what the program wrote: refused whole, with the reason, never held in memory.
// A tip list that is read and not changed is not written again, so it keeps its bytes.
TEST(FileLimits, HugeFilesAreRefusedAndAnUnchangedTipListIsNotRewritten) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString tips = dir.file(QStringLiteral("tipps.txt"));
    QByteArray junk(10 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>(0x80 + (i * 7919) % 0x7f);
    for (qsizetype i = 200; i < junk.size(); i += 300) junk[i] = '\n';
    writeBytes(tips, junk);
    {
        FormFixture f(dir, false);
        ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
        EXPECT_TRUE(f.platform.dialogs->errors()[0].contains(QStringLiteral("zu groß")));
        EXPECT_EQ(f->controls().ListBox1->count(), 0);
    }
    EXPECT_EQ(QFileInfo(tips).size(), junk.size());

    // Junk small enough to be read comes back as it was, not re-encoded and grown.
    const QByteArray smallJunk = junk.left(100 * 1024);
    writeBytes(tips, smallJunk);
    {
        FormFixture f(dir, false);
        EXPECT_GT(f->controls().ListBox1->count(), 0);
    }
    EXPECT_EQ(readBytes(tips), smallJunk);

    // One line of 20 MB in a translation file; one of 20 000 characters in a small one.
    const QString translation = dir.file(QStringLiteral("Bezeich_xx.txt"));
    writeBytes(translation, QByteArray(20 * 1024 * 1024, 'x'));
    EXPECT_THROW(Translation::read(translation), FileError);
    writeBytes(translation, "TForm1\r\nButton1\r\n" + QByteArray(20000, 'x') + "\r\n\r\n0\r\n");
    try {
        Translation::read(translation);
        ADD_FAILURE() << "a line of 20000 characters was taken";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("zu lang"))) << e.message().toStdString();
    }
}

// Every writer syncs the directory after its rename or creation. Seen from outside with strace
// on the program's own history writer and tip-file writer.
TEST(PowerLoss, TheDirectoryIsSyncedAfterEveryRenameAndCreation) {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty()) GTEST_SKIP() << "strace is not installed";
    TestProgramDir dir;
    dir.writeHistory(threeDraws());
    const QString history = dir.file(QStringLiteral("ZahlenGR.dat"));
    const QString log = dir.file(QStringLiteral("strace.log"));
    auto traced = [&](const QStringList& args) -> QString {
        QFile::remove(log);
        QProcess p;
        p.start(strace, QStringList{QStringLiteral("-f"), QStringLiteral("-e"),
                                    QStringLiteral("trace=openat,rename,renameat,renameat2,fsync,fdatasync"),
                                    QStringLiteral("-o"), log, QStringLiteral(HISTORY_WRITER)} +
                            args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
        return QString::fromUtf8(readBytes(log));
    };
    // After the rename (or the creating open) the directory is opened and synced.
    auto directorySyncedAfter = [&](const QString& trace, const QString& event) {
        const auto found = QRegularExpression(event).match(trace);
        if (!found.hasMatch()) return false;
        const qsizetype at = found.capturedEnd();
        const QString dirPath = QFileInfo(history).absolutePath();
        const QRegularExpression open(QStringLiteral("openat\\([^\"]*\"%1/?\", [^)]*O_DIRECTORY[^)]*\\) = (\\d+)")
                                          .arg(QRegularExpression::escape(dirPath)));
        const auto m = open.match(trace, at);
        return m.hasMatch() && trace.indexOf(QStringLiteral("fsync(%1)").arg(m.captured(1)), m.capturedEnd()) > 0;
    };
    const QString rewrite = traced({QStringLiteral("rewrite"), history, QStringLiteral("1")});
    if (rewrite.isEmpty()) GTEST_SKIP() << "strace cannot trace here (no ptrace permission)";
    EXPECT_TRUE(directorySyncedAfter(rewrite, QStringLiteral("rename[^\n]*ZahlenGR\\.dat~")));
    EXPECT_TRUE(directorySyncedAfter(rewrite, QStringLiteral("rename[^\n]*Zahlen\\.da~")));

    const QString tipFile = dir.file(QStringLiteral("neu.hlt"));
    const QString tips = traced({QStringLiteral("tipfile"), tipFile});
    EXPECT_TRUE(directorySyncedAfter(tips, QStringLiteral("rename[^\n]*neu\\.hlt")));

    QFile::remove(history);
    const QString created = traced({QStringLiteral("create"), history});
    EXPECT_TRUE(directorySyncedAfter(created, QStringLiteral("openat[^\n]*ZahlenGR\\.dat\"[^\n]*O_CREAT")));
    EXPECT_EQ(DrawHistory(history).recordCount(), 1);
}

// Leftovers of a killed write are the program's to clear at its next start; files of the same
// kind of name that are not its own stay.
TEST(StaleTemporaries, TheNextStartRemovesOnlyTheProgramsOwn) {
    TestProgramDir dir;
    dir.writeHistory(threeDraws());
    const QStringList own{QStringLiteral("ZahlenGR.dat~"), QStringLiteral("Zahlen.da~"),
                          QStringLiteral("tipps.txt.qgr-Ab12Cd")};
    const QStringList foreign{QStringLiteral("notizen.txt~"), QStringLiteral("ZahlenGR.dat.bak"),
                              QStringLiteral("tipps.txt.qgr-zu-lang"), QStringLiteral("tipps.txt.Ab12Cd")};
    for (const QString& name : own + foreign) writeBytes(dir.file(name), "x");
    const QString settingsDir = QFileInfo(SettingsStore::filePathForKey(SettingsStore::ProgramKey)).absolutePath();
    QDir().mkpath(settingsDir);
    writeBytes(settingsDir + QStringLiteral("/Velmora.reg.qgr-x1Y2z3"), "x");
    // Gone once the window stands, before it is shown and before anything of this run writes.
    FormFixture f(dir, false);
    for (const QString& name : own) EXPECT_FALSE(QFile::exists(dir.file(name))) << name.toStdString();
    for (const QString& name : foreign) EXPECT_TRUE(QFile::exists(dir.file(name))) << name.toStdString();
    EXPECT_FALSE(QFile::exists(settingsDir + QStringLiteral("/Velmora.reg.qgr-x1Y2z3")));
}

// A damaged history is reported once at start-up with the count and the first position, left
// alone without consent, and repaired on request: sound draws in date order, the damaged file
// kept beside it.
TEST(DamagedHistory, IsReportedAtStartAndRepairedOnlyWithConsent) {
    TestProgramDir dir;
    const auto good = threeDraws();
    DrawRecord garbage = makeDraw(QDate(2020, 1, 15), {1, 1, 60, 4, 5, 6});
    DrawRecord nanDate = good[0];
    nanDate.date = std::numeric_limits<double>::quiet_NaN();
    const DrawRecord later = makeDraw(QDate(2020, 1, 22), {20, 21, 22, 23, 24, 25});
    // good0, good2, good1 (out of order), good2 again, garbage, NaN, later + a cut record.
    dir.writeHistory({good[0], good[2], good[1], good[2], garbage, nanDate, later});
    const QString path = dir.file(QStringLiteral("ZahlenGR.dat"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(20, '\x01'));
    }
    const QByteArray damaged = readBytes(path);

    {
        FormFixture f(dir, false);
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::No};
        f->show();
        FormFixture::processEvents();
        const QStringList asked = f.platform.dialogs->questions();
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked[0].contains(QStringLiteral("4 von 7"))) << asked[0].toStdString();
        EXPECT_TRUE(asked[0].contains(QStringLiteral("Position 3"))) << asked[0].toStdString();
        EXPECT_TRUE(asked[0].contains(QStringLiteral("20 Bytes"))) << asked[0].toStdString();
    }
    EXPECT_EQ(readBytes(path), damaged);

    {
        FormFixture f(dir, false);
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes};
        f->show();
        FormFixture::processEvents();
        ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
    }
    EXPECT_EQ(dir.readHistory(), (std::vector<DrawRecord>{good[0], good[1], good[2], later}));
    QStringList backups = QDir(dir.path()).entryList({QStringLiteral("ZahlenGR.dat.beschaedigt-*")}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(readBytes(dir.file(backups[0])), damaged);

    // A sound history asks nothing.
    FormFixture again(dir);
    EXPECT_TRUE(again.platform.dialogs->questions().isEmpty());
}

// At shutdown a failed save is said, the tips are saved although the settings failed, and
// when the tips cannot be saved where they belong the user may put them elsewhere or stay.
TEST(Shutdown, FailedSavesAreSaidAndTheTipsCanBeKeptElsewhere) {
    const QString tip = QStringLiteral("01,02,03,04,05,06:Normal");
    {
        TestProgramDir dir;
        // The configuration folder is a plain file: the settings cannot be saved.
        QDir(dir.configHome()).removeRecursively();
        writeBytes(dir.configHome(), "x");
        FormFixture f(dir, false);
        f->controls().ListBox1->addItem(tip);
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes};
        EXPECT_TRUE(f.form->close());
        ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
        EXPECT_TRUE(f.platform.dialogs->questions()[0].contains(dir.configHome()));
        EXPECT_EQ(readBytes(dir.file(QStringLiteral("tipps.txt"))), (tip + QStringLiteral("\r\n")).toLatin1());
    }
    {
        TestProgramDir dir;
        QDir().mkpath(dir.path());
        FormFixture f(dir, false);
        // A folder stands where the tip list belongs.
        QDir().mkpath(dir.file(QStringLiteral("tipps.txt/x")));
        f->controls().ListBox1->addItem(tip);
        // Cancel: the window stays open. Then: elsewhere, but the choice is cancelled; then a
        // place that is written.
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Cancel};
        EXPECT_FALSE(f.form->close());
        const QString elsewhere = dir.file(QStringLiteral("gerettet.hlt"));
        f.platform.dialogs->questionAnswers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
        f.platform.dialogs->saveAnswers = {QString(), elsewhere};
        EXPECT_TRUE(f.form->close());
        EXPECT_EQ(f.platform.dialogs->questions().size(), 3);
        EXPECT_TRUE(f.platform.dialogs->questions()[0].contains(QStringLiteral("tipps.txt")));
        EXPECT_EQ(TipFiles::read(elsewhere), QStringList{tip});
    }
}

// Text files come from every editor: lines end in LF, CR LF or a lone CR, mixed in one file; an
// empty line is a line; a last line without its end still counts, a final line end adds none.
TEST(TextLines, EveryLineEndStyleSplitsTheSameWay) {
    const auto split = [](const char* text) { return TextFile::splitLines(QString::fromUtf8(text)); };
    EXPECT_EQ(split(""), QStringList());
    EXPECT_EQ(split("\n"), QStringList({QString()}));
    EXPECT_EQ(split("a"), QStringList({"a"}));
    EXPECT_EQ(split("a\nb\n"), QStringList({"a", "b"}));
    EXPECT_EQ(split("a\r\nb\r\n"), QStringList({"a", "b"}));
    EXPECT_EQ(split("a\rb\r"), QStringList({"a", "b"}));
    EXPECT_EQ(split("a\n\r\nb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(split("a\r\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(split("a\n\nb\r"), QStringList({"a", "", "b"}));
    EXPECT_EQ(split("\r\n\r\nα β\r"), QStringList({"", "", "α β"}));
    EXPECT_EQ(split("ends\r"), QStringList({"ends"}));
}
