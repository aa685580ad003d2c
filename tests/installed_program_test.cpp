// The program as a package installs it: `cmake --install` into a temporary DESTDIR, the tree
// made read-only, then the installed program started with a data home of its own.
#include "base/BuildInfo.h"
#include "base/DayCount.h"
#include "base/Paths.h"
#include "gui/TForm3.h"
#include "history/DrawHistory.h"
#include "support/FileBytes.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"
#include "support/ScopedEnv.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QLockFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

// Every file and directory below root with its mode and content hash.
QMap<QString, QString> snapshot(const QString& root) {
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st {};
        ::lstat(QFile::encodeName(path).constData(), &st);
        QString entry = QString::number(st.st_mode, 8);
        QFile f(path);
        if (QFileInfo(path).isFile() && f.open(QIODevice::ReadOnly))
            entry +=
                QLatin1Char(' ') +
                QString::fromLatin1(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
        entries.insert(path.mid(root.size()), entry);
    }
    return entries;
}

void setTreeWritable(const QString& root, bool writable) {
    QStringList paths{root};
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths << it.next();
    for (const QString& path : paths) {
        QFileInfo info(path);
        if (info.isSymLink()) continue;
        QFile::Permissions p = info.permissions();
        const QFile::Permissions write =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        QFile::setPermissions(path, writable ? p | QFile::WriteOwner | QFile::WriteUser : p & ~write);
    }
}

struct RunResult {
    int exitCode = -1;
    QString out;
};

RunResult runProgram(const QString& program, const QStringList& args,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QStringLiteral("timed out: ") + QString::fromLocal8Bit(p.readAll())};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

// One install for all tests of this program; each test gets its own data home.
class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = new QTemporaryDir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), s_root->path() + QStringLiteral("/dest"));
        const RunResult install =
            runProgram(QStringLiteral(QUINTARA_CMAKE),
                       {QStringLiteral("--install"), QStringLiteral(QUINTARA_BINARY_DIR),
                        QStringLiteral("--prefix"), QStringLiteral("/usr")},
                       env);
        s_installLog = install.out;
        s_installed = install.exitCode == 0;
        if (s_installed) {
            setTreeWritable(destDir(), false);
            s_before = snapshot(destDir());
        }
    }
    static void TearDownTestSuite() {
        setTreeWritable(destDir(), true);
        delete s_root;
        s_root = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(s_installed) << s_installLog.toStdString();
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.configHome());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_dataHome.emplace("XDG_DATA_HOME", data.path());
    }
    void TearDown() override {
        m_dataHome.reset();
        // Nothing a test does may change the install tree.
        if (s_installed) {
            EXPECT_EQ(snapshot(destDir()), s_before);
        }
    }

    static QString destDir() { return s_root->path() + QStringLiteral("/dest"); }
    static QString usr() { return destDir() + QStringLiteral("/usr/"); }
    QString userDir() const { return data.path() + QStringLiteral("/quintara/"); }

    QTemporaryDir data;
    TestProgramDir configHome; // points the settings store at a folder of its own
    QProcessEnvironment env;

    static inline QTemporaryDir* s_root = nullptr;
    static inline bool s_installed = false;
    static inline QString s_installLog;
    static inline QMap<QString, QString> s_before;

private:
    std::optional<ScopedEnv> m_dataHome;
};

} // namespace

TEST_F(InstalledProgram, InstallsProgramsDataAndDesktopFiles) {
    for (const char* file :
         {"bin/quintara", "bin/quintara-drawserver", "share/quintara/ZahlenGR.dat",
          "share/quintara/yippee.wav", "share/quintara/land/Bezeich_de.txt",
          "share/quintara/land/Bezeich_en.txt", "share/quintara/land/Bezeich_gr.txt",
          "share/quintara/vew/609.txt", "share/quintara/vew/712.txt",
          "share/applications/example.brenlow.quintara.desktop",
          "share/metainfo/example.brenlow.quintara.metainfo.xml",
          "share/icons/hicolor/scalable/apps/quintara.svg", "share/icons/hicolor/16x16/apps/quintara.png",
          "share/icons/hicolor/256x256/apps/quintara.png", "share/man/man1/quintara.1",
          "share/man/man1/quintara-drawserver.1", "share/doc/quintara/LICENSE",
          "share/doc/quintara/copyright", "share/doc/quintara/greek-lotto-6-49.README.md",
          "share/doc/quintara/README.md"})
        EXPECT_TRUE(QFileInfo(usr() + QLatin1String(file)).isFile()) << file;
    EXPECT_TRUE(QFileInfo(usr() + QStringLiteral("bin/quintara")).isExecutable());
    // The programs are whole: no libraries of their own beside them.
    EXPECT_FALSE(QFileInfo::exists(usr() + QStringLiteral("lib/quintara")));
    // The shipped history is the one built from the bundled results, not the build tree's.
    const qint64 size = QFileInfo(usr() + QStringLiteral("share/quintara/ZahlenGR.dat")).size();
    EXPECT_EQ(size, qint64(3449) * 32);
    // The unit runs the installed server on the shipped draws.
    const QByteArray unit = readBytes(usr() + QStringLiteral("lib/systemd/user/quintara-drawserver.service"));
    EXPECT_TRUE(unit.contains("quintara-drawserver --file ")) << unit.constData();

    // Both programs answer --version with the one version of the build.
    const RunResult gui =
        runProgram(usr() + QStringLiteral("bin/quintara"), {QStringLiteral("--version")}, env);
    EXPECT_EQ(gui.exitCode, 0) << gui.out.toStdString();
    EXPECT_TRUE(gui.out.contains(BuildInfo::version())) << gui.out.toStdString();
    const RunResult server =
        runProgram(usr() + QStringLiteral("bin/quintara-drawserver"), {QStringLiteral("--version")}, env);
    EXPECT_EQ(server.exitCode, 0) << server.out.toStdString();
    EXPECT_TRUE(server.out.contains(QStringLiteral("quintara-drawserver ") + BuildInfo::version()))
        << server.out.toStdString();

    // The desktop files pass the validators where they are installed.
    const QString desktopValidate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!desktopValidate.isEmpty()) {
        const RunResult r = runProgram(
            desktopValidate, {usr() + QStringLiteral("share/applications/example.brenlow.quintara.desktop")});
        EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    }
    const QString appstream = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (!appstream.isEmpty()) {
        const RunResult r = runProgram(
            appstream, {QStringLiteral("validate"), QStringLiteral("--no-net"),
                        usr() + QStringLiteral("share/metainfo/example.brenlow.quintara.metainfo.xml")});
        EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    }
}

TEST_F(InstalledProgram, FirstStartOfTheInstalledProgramCopiesTheHistoryOnce) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(usr() + QStringLiteral("bin/quintara"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    const QByteArray bundled = readBytes(usr() + QStringLiteral("share/quintara/ZahlenGR.dat"));
    QElapsedTimer clock;
    clock.start();
    // The copy is made during start-up; 60 s leaves room for a loaded machine.
    while (readBytes(userDir() + Paths::HistoryName) != bundled && clock.elapsed() < 60000 &&
           program.state() == QProcess::Running)
        QThread::msleep(50);
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(10000);
    ASSERT_TRUE(running) << program.readAll().constData();
    EXPECT_EQ(readBytes(userDir() + Paths::HistoryName), bundled);
    EXPECT_EQ(QFileInfo(userDir()).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
              QFile::Permissions());
}

TEST_F(InstalledProgram, EntryUpdateAndTipsLiveInTheDataHomeAcrossStarts) {
    const Paths paths = Paths::forProgram(usr() + QStringLiteral("bin"));
    ASSERT_EQ(paths.layout(), Paths::Layout::Installed);
    const QStringList tips{QStringLiteral("3, 11, 19, 27, 35, 43"), QStringLiteral("1, 2, 3, 4, 5, 6")};
    {
        TestPlatform platform;
        platform.clock->date = QDate(2025, 9, 10);
        TForm1 form(paths, platform.platform());
        form.show();
        FormFixture::processEvents();
        // First start: the bundled history was copied into the data home.
        ASSERT_EQ(DrawHistory(userDir() + Paths::HistoryName).recordCount(), 3449);
        EXPECT_EQ(form.historyPath(), userDir() + Paths::HistoryName);
        EXPECT_EQ(form.winSoundFile(), usr() + QStringLiteral("share/quintara/yippee.wav"));
        EXPECT_EQ(form.controls().FileNameEdit->text(), userDir() + QStringLiteral("Lotto.html"));

        // A manual entry of the draw after the newest shipped one (Saturday 2025-08-30).
        platform.dialogs->modalAnswers.push_back([](QDialog* d) {
            auto* dialog = qobject_cast<TForm3*>(d);
            dialog->DateTimePicker1->setDate(QDate(2025, 9, 3));
            const int numbers[6] = {7, 14, 21, 28, 35, 42};
            for (int i = 1; i <= 6; ++i) dialog->number(i)->setPosition(numbers[i - 1]);
            return int(QDialog::Accepted);
        });
        form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet4);
        ASSERT_TRUE(triggerControl(&form, QStringLiteral("BitBtn8")));
        EXPECT_EQ(platform.dialogs->errors(), QStringList());

        // The update appends the draws after it (Saturday 2025-09-06; none on the 10th).
        ScriptedHttpServer server;
        server.handler = [](const SeenRequest& request) {
            return ScriptedAnswer::ok(request.pathAndQuery().contains("Datum=20250906")
                                          ? QByteArray("4,15,23,31,38,45,12")
                                          : QByteArray());
        };
        form.setServerOverride(server.address());
        form.QuintaraClick();
        ASSERT_TRUE(waitUntil([&] { return !form.downloadRunning(); }));
        EXPECT_EQ(platform.dialogs->errors(), QStringList());
        EXPECT_EQ(DrawHistory(userDir() + Paths::HistoryName).recordCount(), 3451);

        form.controls().ListBox1->clear();
        form.controls().ListBox1->addItems(tips);
        form.BitBtn7Click();
        ASSERT_EQ(platform.shell->opened.size(), 1);
        EXPECT_EQ(platform.shell->opened[0], userDir() + QStringLiteral("Tipp.txt"));
        // A tip file is proposed in the data home, not in the working directory.
        form.SpeedButton15Click();
        ASSERT_FALSE(platform.dialogs->fileRequests.empty());
        EXPECT_EQ(platform.dialogs->fileRequests.back().directory, userDir());
        form.close();
    }
    EXPECT_TRUE(QFileInfo::exists(userDir() + QStringLiteral("tipps.txt")));
    EXPECT_TRUE(QFileInfo::exists(userDir() + QStringLiteral("Tipp.txt")));

    // Second start: the entry and the tips are there, the history was not copied again.
    TestPlatform platform;
    TForm1 again(paths, platform.platform());
    again.show();
    FormFixture::processEvents();
    QStringList restored;
    for (int i = 0; i < again.controls().ListBox1->count(); ++i) restored << again.controls().ListBox1->item(i)->text();
    EXPECT_EQ(restored, tips);
    const std::vector<DrawRecord> history = DrawHistory(userDir() + Paths::HistoryName).readAll();
    ASSERT_EQ(history.size(), 3451u);
    EXPECT_EQ(history[3449].date, DayCount::fromDate(QDate(2025, 9, 3)));
    EXPECT_EQ(history[3449].numbers, (std::array<std::uint8_t, 6>{7, 14, 21, 28, 35, 42}));
    EXPECT_EQ(history[3450].date, DayCount::fromDate(QDate(2025, 9, 6)));
    EXPECT_EQ(history[3450].numbers, (std::array<std::uint8_t, 6>{4, 15, 23, 31, 38, 45}));
    again.close();
}

TEST_F(InstalledProgram, ADataHomeThatCannotBeMadeIsReportedAndTheWindowStillOpens) {
    QFile blocker(data.path() + QStringLiteral("/quintara"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TestPlatform platform;
    TForm1 form(Paths::forProgram(usr() + QStringLiteral("bin")), platform.platform());
    ASSERT_FALSE(platform.dialogs->errors().isEmpty());
    EXPECT_TRUE(platform.dialogs->errors()[0].contains(QStringLiteral("kann nicht angelegt werden")));
    form.show();
    FormFixture::processEvents();
    EXPECT_TRUE(form.isVisible());
    form.close();
}

// Two starts on one data directory would lose each other's draws and tips: the second asks the
// first to come forward, says so, and writes nothing. A start after the first was killed takes
// over the lock it left behind.
TEST_F(InstalledProgram, ASecondStartWritesNothingAndTheLockOfAKilledOneIsTakenOver) {
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    const QString lockPath = userDir() + QStringLiteral(".quintara.lock");
    auto start = [&](QProcess& p) {
        p.setProcessEnvironment(env);
        p.start(usr() + QStringLiteral("bin/quintara"), {});
        ASSERT_TRUE(p.waitForStarted(10000));
    };
    // Waits (60 s at most: a loaded machine) until the process holds the lock.
    auto holdsLock = [&](const QProcess& p) {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            QLockFile lock(lockPath);
            qint64 pid = 0;
            QString host, app;
            if (lock.getLockInfo(&pid, &host, &app) && pid == p.processId()) return true;
            if (clock.elapsed() > 60000 || p.state() != QProcess::Running) return false;
            QThread::msleep(50);
        }
    };
    // What a start that found the lock held said (Qt's own warnings too), once it said it.
    auto saidByLaterStart = [&](QProcess& p) {
        QByteArray said;
        QElapsedTimer clock;
        clock.start();
        while (!said.contains("bereits ge") && clock.elapsed() < 60000 && p.state() == QProcess::Running) {
            p.waitForReadyRead(100);
            said += p.readAllStandardError();
        }
        return QString::fromUtf8(said + p.readAllStandardError());
    };
    const QByteArray bundled = readBytes(usr() + QStringLiteral("share/quintara/ZahlenGR.dat"));

    QProcess first;
    ASSERT_NO_FATAL_FAILURE(start(first));
    ASSERT_TRUE(holdsLock(first)) << first.readAll().constData();
    QElapsedTimer copied;
    copied.start();
    while (readBytes(userDir() + Paths::HistoryName) != bundled && copied.elapsed() < 60000) QThread::msleep(50);
    ASSERT_EQ(readBytes(userDir() + Paths::HistoryName), bundled);
    const QMap<QString, QString> dataBefore = snapshot(userDir());
    const QMap<QString, QString> configBefore = snapshot(configHome.configHome());

    QProcess second;
    ASSERT_NO_FATAL_FAILURE(start(second));
    const QString said = saidByLaterStart(second);
    EXPECT_TRUE(said.contains(QStringLiteral("Quintara GR ist bereits geöffnet. Das geöffnete Fenster wurde nach vorn geholt.")))
        << said.toStdString();
    EXPECT_EQ(snapshot(userDir()), dataBefore);
    EXPECT_EQ(snapshot(configHome.configHome()), configBefore);
    second.kill(); // its message box is all that is left of it
    second.waitForFinished(10000);

    first.kill();
    first.waitForFinished(10000);
    ASSERT_TRUE(QFileInfo::exists(lockPath)); // a killed program cannot remove it
    QProcess third;
    ASSERT_NO_FATAL_FAILURE(start(third));
    EXPECT_TRUE(holdsLock(third));
    QProcess fourth;
    ASSERT_NO_FATAL_FAILURE(start(fourth));
    EXPECT_TRUE(saidByLaterStart(fourth).contains(QStringLiteral("bereits geöffnet")));
    for (QProcess* p : {&fourth, &third}) {
        p->kill();
        p->waitForFinished(10000);
    }
}
