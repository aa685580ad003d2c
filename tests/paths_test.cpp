#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A temporary folder with an install tree (prefix/bin, prefix/share/quintara) and a home.
struct Trees : ::testing::Test {
    QTemporaryDir temp;
    QString root() const { return temp.path() + QLatin1Char('/'); }
    QString bin() const { return root() + QStringLiteral("prefix/bin/"); }
    QString share() const { return root() + QStringLiteral("prefix/share/quintara/"); }
    QString xdg() const { return root() + QStringLiteral("xdg/"); }
    ScopedEnv xdgData{"XDG_DATA_HOME", temp.path() + QStringLiteral("/xdg")};
    ScopedEnv home{"HOME", temp.path() + QStringLiteral("/home")};

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        QDir().mkpath(bin());
        writeFile(share() + QStringLiteral("ZahlenGR.dat"), QByteArray(64, '\x11'));
    }
};

} // namespace

TEST(PathsLayout, PortableKeepsEveryFileBesideTheProgram) {
    const Paths p = Paths::portable(QStringLiteral("/opt/q"));
    EXPECT_EQ(p.layout(), Paths::Layout::Portable);
    EXPECT_EQ(p.programDirectory(), QStringLiteral("/opt/q/"));
    EXPECT_EQ(p.historyPath(), QStringLiteral("/opt/q/ZahlenGR.dat"));
    EXPECT_EQ(p.tipListPath(), QStringLiteral("/opt/q/tipps.txt"));
    EXPECT_EQ(p.tipTextPath(), QStringLiteral("/opt/q/Tipp.txt"));
    EXPECT_EQ(p.downloadFilePath(), QStringLiteral("/opt/q/Lotto.html"));
    EXPECT_EQ(p.winSoundPath(), QStringLiteral("/opt/q/yippee.wav"));
    EXPECT_EQ(p.translationPath(QStringLiteral("Bezeich_gr.txt")),
              QStringLiteral("/opt/q/land/Bezeich_gr.txt"));
    EXPECT_EQ(p.dataDirectory(), p.userDirectory());
    // File dialogs open where the system chooses, as they always did.
    EXPECT_TRUE(p.dialogDirectory().isEmpty());
    // Nothing is made for a portable program.
    EXPECT_NO_THROW(p.prepareUserDirectory());
}

TEST(PathsLayout, TheBuiltProgramIsPortable) {
    const Paths p = Paths::forProgram(QStringLiteral(QUINTARA_PROGRAM_DIR));
    EXPECT_EQ(p.layout(), Paths::Layout::Portable);
    EXPECT_EQ(QFileInfo(p.historyPath()).absolutePath(),
              QFileInfo(QStringLiteral(QUINTARA_PROGRAM_DIR)).absoluteFilePath());
}

TEST(PathsLayout, VersionAndDataPlaceComeFromTheBuild) {
    EXPECT_FALSE(BuildInfo::version().isEmpty());
    EXPECT_EQ(BuildInfo::dataDirectoryFromProgram(), QStringLiteral("../share/quintara"));
}

TEST_F(Trees, AnInstallTreeReadsShippedFilesThereAndKeepsThePlayersInTheDataHome) {
    const Paths p = Paths::forProgram(bin());
    EXPECT_EQ(p.layout(), Paths::Layout::Installed);
    EXPECT_EQ(p.dataDirectory(), share());
    EXPECT_EQ(p.userDirectory(), xdg() + QStringLiteral("quintara/"));
    EXPECT_EQ(p.bundledHistoryPath(), share() + QStringLiteral("ZahlenGR.dat"));
    EXPECT_EQ(p.historyPath(), xdg() + QStringLiteral("quintara/ZahlenGR.dat"));
    EXPECT_EQ(p.tipListPath(), xdg() + QStringLiteral("quintara/tipps.txt"));
    EXPECT_EQ(p.downloadFilePath(), xdg() + QStringLiteral("quintara/Lotto.html"));
    EXPECT_EQ(p.winSoundPath(), share() + QStringLiteral("yippee.wav"));
    EXPECT_EQ(p.translationPath(QStringLiteral("Bezeich_de.txt")),
              share() + QStringLiteral("land/Bezeich_de.txt"));
    EXPECT_EQ(p.dialogDirectory(), p.userDirectory());
}

TEST_F(Trees, DataHomeFallsBackToTheHomeDirectory) {
    {
        ScopedEnv unset("XDG_DATA_HOME", QString());
        EXPECT_EQ(Paths::userDataHome(), root() + QStringLiteral("home/.local/share/quintara/"));
    }
    {
        // A relative XDG_DATA_HOME is invalid and ignored.
        ScopedEnv relative("XDG_DATA_HOME", QStringLiteral("relative/data"));
        EXPECT_EQ(Paths::userDataHome(), root() + QStringLiteral("home/.local/share/quintara/"));
    }
}

TEST_F(Trees, AProgramDirectoryThatCannotBeWrittenReadsItsFilesBesideItself) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes every directory";
    const QString ro = root() + QStringLiteral("readonly/");
    QDir().mkpath(ro);
    ASSERT_TRUE(QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner));
    const Paths p = Paths::forProgram(ro);
    QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(p.layout(), Paths::Layout::Installed);
    EXPECT_EQ(p.dataDirectory(), ro);
    EXPECT_EQ(p.historyPath(), xdg() + QStringLiteral("quintara/ZahlenGR.dat"));
}

TEST_F(Trees, FirstStartMakesAPrivateDirectoryWithACopyOfTheBundledHistory) {
    // The shipped copy is read-only, as in an install tree; the player's copy must be writable.
    const QString bundled = share() + QStringLiteral("ZahlenGR.dat");
    ASSERT_TRUE(QFile::setPermissions(bundled, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const mode_t oldMask = ::umask(0);
    const Paths p = Paths::forProgram(bin());
    p.prepareUserDirectory();
    ::umask(oldMask);

    EXPECT_EQ(modeOf(p.userDirectory()), 0700u);
    EXPECT_EQ(readFile(p.historyPath()), QByteArray(64, '\x11'));
    EXPECT_TRUE(QFileInfo(p.historyPath()).isWritable());
    EXPECT_EQ(modeOf(p.historyPath()) & 0077u, 0u);
    // No stray temporary files beside it.
    EXPECT_EQ(QDir(p.userDirectory()).entryList(QDir::Files | QDir::Hidden), QStringList{Paths::HistoryName});
}

TEST_F(Trees, AnExistingHistoryOfThePlayerIsNeverReplaced) {
    const Paths p = Paths::forProgram(bin());
    writeFile(p.historyPath(), QByteArray(32, '\x22'));
    p.prepareUserDirectory();
    EXPECT_EQ(readFile(p.historyPath()), QByteArray(32, '\x22'));

    // An emptied history is the player's too.
    writeFile(p.historyPath(), QByteArray());
    p.prepareUserDirectory();
    EXPECT_EQ(readFile(p.historyPath()), QByteArray());

    // An existing directory keeps its mode and its other files.
    writeFile(p.tipListPath(), "1, 2, 3, 4, 5, 6\r\n");
    ASSERT_TRUE(QFile::setPermissions(p.userDirectory(), QFile::ReadOwner | QFile::WriteOwner |
                                                             QFile::ExeOwner | QFile::ReadGroup |
                                                             QFile::ExeGroup));
    p.prepareUserDirectory();
    EXPECT_EQ(modeOf(p.userDirectory()), 0750u);
    EXPECT_EQ(readFile(p.tipListPath()), QByteArray("1, 2, 3, 4, 5, 6\r\n"));
}

TEST_F(Trees, WithoutABundledHistoryTheDirectoryStaysEmpty) {
    QFile::remove(share() + QStringLiteral("ZahlenGR.dat"));
    const Paths p = Paths::forProgram(bin());
    p.prepareUserDirectory();
    EXPECT_TRUE(QFileInfo(p.userDirectory()).isDir());
    EXPECT_FALSE(QFileInfo::exists(p.historyPath()));
}

TEST_F(Trees, ADirectoryThatCannotBeMadeIsReportedInGerman) {
    // A plain file stands where the data home should be.
    writeFile(root() + QStringLiteral("blocked"), "x");
    const Paths p = Paths::installed(bin(), share(), root() + QStringLiteral("blocked/quintara"));
    try {
        p.prepareUserDirectory();
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("kann nicht angelegt werden")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(root() + QStringLiteral("blocked/quintara")));
    }
}

// The first-start copy on a full disk (a file-size limit here, which root obeys too) says so in
// the player's language and names the file; no half copy and no temporary file stay behind, so
// the next start copies again.
TEST_F(Trees, AFirstStartCopyThatCannotBeWrittenNamesTheFileAndLeavesNothing) {
    writeFile(share() + QStringLiteral("ZahlenGR.dat"), QByteArray(64 * 1024, '\x11'));
    const Paths p = Paths::forProgram(bin());
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    QString message;
    try {
        p.prepareUserDirectory();
    } catch (const FileError& e) {
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(message.contains(QStringLiteral("Fehler beim Schreiben der Datei \"%1\"").arg(p.historyPath())))
        << message.toStdString();
    EXPECT_TRUE(message.contains(systemErrorText(EFBIG))) << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Unknown error")));
    EXPECT_TRUE(QDir(p.userDirectory()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    p.prepareUserDirectory();
    EXPECT_EQ(readFile(p.historyPath()), QByteArray(64 * 1024, '\x11'));
}
