// The program downloads through the HTTP module, loaded on the first request: the program
// itself does not load Qt Network, and without the module a download fails with a message
// saying so instead of crashing or claiming success.
#include "app/TForm1.h"
#include "gui/ModuleHttp.h"
#include "server/DrawServer.h"
#include "support/LoopbackServers.h"
#include "support/ModuleFiles.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString programFile() {
    return QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara");
}

QString builtModule() {
    return QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_net.so");
}

// The shared libraries the dynamic loader maps when `file` starts, its own and theirs.
QString librariesLoadedAtStart(const QString& file) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_TRACE_LOADED_OBJECTS"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.start(file, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

TEST(NetModule, ProgramStartsWithoutQtNetworkAndItsLibraries) {
    ASSERT_TRUE(QFileInfo(programFile()).isExecutable());
    const QString program = librariesLoadedAtStart(programFile());
    // The trace lists what the program does load.
    ASSERT_TRUE(program.contains(QStringLiteral("libQt6Widgets"))) << program.toStdString();
    for (const char* library : {"libQt6Network", "libkrb5", "libgssapi", "libproxy"})
        EXPECT_FALSE(program.contains(QLatin1String(library))) << library << "\n" << program.toStdString();

    // (Brotli stays: the font library Qt Gui needs brings it too.)
}

TEST(NetModule, FirstRequestLoadsTheModuleBesideTheProgramAndFetchesThroughIt) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest& r) {
        if (r.target == "/big") return ScriptedAnswer::ok(QByteArray(200, 'x'));
        if (r.target == "/slow") return ScriptedAnswer::hang();
        return ScriptedAnswer::ok("01,02,03,04,05,06:07");
    };
    ModuleHttpGetter http(ModuleHttpGetter::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));
    // Settings made before the first request reach the client the module makes.
    http.setMaxBodySize(100);
    http.setTimeout(std::chrono::milliseconds(300));
    http.abort(); // nothing under way, nothing loaded: no effect
    EXPECT_TRUE(http.loadedFrom().isEmpty());

    EXPECT_FALSE(libraryMapped("quintara_net.so"));
    const HttpResult ok = http.get(QUrl(server.address() + QStringLiteral("/draw")), {});
    EXPECT_EQ(http.loadedFrom(), builtModule());
    EXPECT_TRUE(libraryMapped("quintara_net.so"));
    EXPECT_TRUE(ok.succeeded()) << ok.failureText().toStdString();
    EXPECT_EQ(ok.body, QByteArray("01,02,03,04,05,06:07"));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_FALSE(server.requests[0].header("user-agent").isEmpty());

    const HttpResult big = http.get(QUrl(server.address() + QStringLiteral("/big")), {});
    EXPECT_FALSE(big.succeeded());
    EXPECT_TRUE(big.body.isEmpty());

    const HttpResult slow = http.get(QUrl(server.address() + QStringLiteral("/slow")), {});
    EXPECT_TRUE(slow.timedOut) << slow.failureText().toStdString();
    EXPECT_FALSE(slow.succeeded());

    // Settings made later reach the loaded client too.
    http.setMaxBodySize(1000);
    EXPECT_TRUE(http.get(QUrl(server.address() + QStringLiteral("/big")), {}).succeeded());
    EXPECT_EQ(http.loadedFrom(), builtModule());
}

TEST(NetModule, InstalledProgramLooksInItsLibraryDirectory) {
    const QStringList files = ModuleHttpGetter::moduleFilesFor(QStringLiteral("/opt/q/bin/"));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], QStringLiteral("/opt/q/bin/quintara_net.so"));
    EXPECT_TRUE(files[1].endsWith(QStringLiteral("/quintara/quintara_net.so"))) << files[1].toStdString();
}

TEST(NetModule, MissingOrBrokenModuleFailsEveryRequestWithTheReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList files = unusableModuleFiles(dir, QStringLiteral("net"));
    ASSERT_TRUE(QFileInfo(files.last()).isFile()) << files.last().toStdString();
    ScriptedHttpServer server;
    ModuleHttpGetter http(files);
    http.setTimeout(std::chrono::seconds(1));
    http.setMaxBodySize(10);
    for (int i = 0; i < 2; ++i) {
        const HttpResult r = http.get(QUrl(server.address()), {});
        EXPECT_FALSE(r.succeeded());
        EXPECT_FALSE(r.aborted);
        EXPECT_EQ(r.statusCode, 0);
        EXPECT_EQ(r.errorText, ModuleHttpGetter::missingModuleText());
        EXPECT_EQ(r.failureText(), ModuleHttpGetter::missingModuleText());
    }
    http.abort();
    EXPECT_TRUE(http.loadedFrom().isEmpty());
    EXPECT_TRUE(server.requests.empty());
    EXPECT_TRUE(ModuleHttpGetter::missingModuleText().contains(QStringLiteral("quintara_net.so")));
}

namespace {

// A window whose downloads go through a ModuleHttpGetter on `moduleFiles`, against a draw
// server holding the real history; the program directory holds it up to 30 July 2025.
struct ModuleWindow : ::testing::Test {
    TestProgramDir dir;
    TestPlatform platform;
    std::vector<DrawRecord> all = realHistory();
    std::vector<DrawRecord> before;
    std::unique_ptr<DrawServer> server;

    void SetUp() override {
        for (const auto& r : all)
            if (r.date <= DayCount::fromDate(QDate(2025, 7, 30))) before.push_back(r);
        dir.writeHistory(before);
        storeLanguage(QStringLiteral("Deutsch1"));
        server = std::make_unique<DrawServer>(DrawTable(all));
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0));
        platform.clock->date = QDate(2025, 9, 1);
    }
    std::unique_ptr<TForm1> window(const QStringList& moduleFiles) {
        platform.http = [moduleFiles] { return std::unique_ptr<HttpGetter>(std::make_unique<ModuleHttpGetter>(moduleFiles)); };
        auto form = std::make_unique<TForm1>(dir.path(), platform.platform());
        form->buildLaterPages(); // not shown: nothing has built them yet
        form->ui.DrawServerEdit->setText(QStringLiteral("http://127.0.0.1:%1").arg(server->port()));
        return form;
    }
};

} // namespace

TEST_F(ModuleWindow, DownloadGoesThroughTheModule) {
    auto form = window(ModuleHttpGetter::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));
    form->ui.BitBtn1->click();
    EXPECT_EQ(dir.readHistory().size(), all.size());
    EXPECT_TRUE(platform.dialogs->errors().isEmpty());
}

TEST_F(ModuleWindow, WindowTimeOutReachesTheModuleClient) {
    ScriptedHttpServer silent;
    auto form = window(ModuleHttpGetter::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));
    form->ui.DrawServerEdit->setText(silent.address());
    form->setDownloadTimeout(std::chrono::milliseconds(200));
    int asked = 0;
    silent.handler = [&](const SeenRequest&) {
        // The first day times out; on the second the player stops the run.
        if (++asked == 2) form->ui.SpeedButton8->click();
        return ScriptedAnswer::hang();
    };
    form->ui.BitBtn1->click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dir.readHistory(), before);
    // The client's own time-out is 15 s; the window's 200 ms is the one that ended the first day.
    const QString panel = form->ui.StatusBar1->panelText(0);
    EXPECT_TRUE(panel.contains(QStringLiteral("200 ms"))) << panel.toStdString();
}

TEST_F(ModuleWindow, WithoutTheModuleTheDownloadFailsWithTheReason) {
    QTemporaryDir modules;
    ASSERT_TRUE(modules.isValid());
    auto form = window(unusableModuleFiles(modules, QStringLiteral("net")));
    int served = 0;
    QObject::connect(server.get(), &DrawServer::requestServed, [&](const DrawServer::Request&) { ++served; });
    form->ui.BitBtn1->click();

    EXPECT_EQ(served, 0);
    EXPECT_EQ(dir.readHistory(), before);
    const QString panel = form->ui.StatusBar1->panelText(0);
    EXPECT_TRUE(panel.contains(ModuleHttpGetter::missingModuleText())) << panel.toStdString();
    // A failed run, not one that found the history up to date.
    EXPECT_TRUE(panel.contains(QStringLiteral("ohne Antwort"))) << panel.toStdString();
    EXPECT_FALSE(panel.contains(QStringLiteral("neuesten Stand"))) << panel.toStdString();
    EXPECT_TRUE(form->ui.BitBtn1->isEnabled());
    EXPECT_TRUE(form->ui.SpeedButton8->isHidden());
}
