// What the program writes to standard error: one category per subsystem with its warnings on by
// default, and a warning wherever a failed update, a failed write or a failed mirror update is
// reported.
#include "app/TForm1.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Log.h"
#include "server/DrawMirror.h"
#include "server/DrawServer.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"
#include "support/LoopbackServers.h"
#include "support/TestPlatform.h"
#include "tips/TipFiles.h"

#include <QDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Logged {
    QString category;
    QtMsgType type;
    QString text;
};

// Collects what is logged while it lives, instead of writing it to standard error.
class LogCapture {
public:
    LogCapture() : m_previous(qInstallMessageHandler(&LogCapture::handle)) { s_current = this; }
    ~LogCapture() {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<Logged> warnings(const char* category) const {
        std::vector<Logged> out;
        for (const Logged& l : messages)
            if (l.category == QLatin1String(category) && l.type == QtWarningMsg) out.push_back(l);
        return out;
    }
    std::vector<Logged> messages;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (s_current)
            s_current->messages.push_back({QString::fromLatin1(context.category ? context.category : ""), type, text});
    }
    static inline LogCapture* s_current = nullptr;
    QtMessageHandler m_previous;
};

std::vector<DrawRecord> drawsUpTo(QDate last) {
    std::vector<DrawRecord> out;
    for (const auto& r : realHistory())
        if (r.date <= DayCount::fromDate(last)) out.push_back(r);
    return out;
}

} // namespace

TEST(Diagnostics, EachSubsystemHasACategoryWithWarningsOnAndDebugOff) {
    for (const QLoggingCategory* category : {&logUpdate(), &logFiles(), &logServer()}) {
        EXPECT_TRUE(category->isWarningEnabled()) << category->categoryName();
        EXPECT_TRUE(category->isCriticalEnabled()) << category->categoryName();
        EXPECT_FALSE(category->isInfoEnabled()) << category->categoryName();
        EXPECT_FALSE(category->isDebugEnabled()) << category->categoryName();
    }
    EXPECT_STREQ(logUpdate().categoryName(), "quintara.update");
    EXPECT_STREQ(logFiles().categoryName(), "quintara.files");
    EXPECT_STREQ(logServer().categoryName(), "quintara.server");
}

TEST(Diagnostics, AFailedUpdateIsWrittenWithTheServerAndWhatThePlayerWasShown) {
    TestProgramDir dir;
    dir.writeHistory(drawsUpTo(QDate(2025, 8, 27)));
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::failing(500, "Internal Server Error"); };
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->controls().DrawServerEdit->setText(server.address());

    LogCapture log;
    f->controls().BitBtn1->click();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    const auto warnings = log.warnings("quintara.update");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].text.contains(server.address())) << warnings[0].text.toStdString();
    // The summary the status bar shows, the status of the failure included.
    const QString panel = f->controls().StatusBar1->panelText(0);
    EXPECT_TRUE(panel.startsWith(warnings[0].text.section(QLatin1Char(' '), 1))) << panel.toStdString();
    EXPECT_TRUE(warnings[0].text.contains(QStringLiteral("500"))) << warnings[0].text.toStdString();
}

TEST(Diagnostics, AnUpdateWithoutFailureWritesNothing) {
    TestProgramDir dir;
    dir.writeHistory(drawsUpTo(QDate(2025, 8, 30)));
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest&) { return ScriptedAnswer::ok({}); }; // no draw on those days
    FormFixture f(dir, false);
    f.platform.clock->date = QDate(2025, 9, 1);
    f->controls().DrawServerEdit->setText(server.address());

    LogCapture log;
    f->controls().BitBtn1->click();
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
    ASSERT_FALSE(server.requests.empty());
    EXPECT_TRUE(log.warnings("quintara.update").empty());
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
}

TEST(Diagnostics, AFileThatCannotBeWrittenIsWrittenAsShownAndAMistypedNumberIsNot) {
    TestProgramDir dir;
    FormFixture f(dir);
    ASSERT_TRUE(QDir().mkpath(dir.file(Paths::TipTextName)));
    f->controls().ListBox1->addItem(QStringLiteral("03,11,17,25,38,44:Normal"));

    LogCapture log;
    f->runAction([&] { f->BitBtn7Click(); });
    ASSERT_FALSE(f.platform.dialogs->errors().isEmpty());
    const auto warnings = log.warnings("quintara.files");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, f.platform.dialogs->errors().last());
    EXPECT_TRUE(warnings[0].text.contains(Paths::TipTextName));

    // An error of the player's input is shown but is no file failure.
    f->runAction([] { toInt(QStringLiteral("zwölf")); });
    EXPECT_EQ(log.warnings("quintara.files").size(), 1u);
}

TEST(Diagnostics, AFailedMirrorUpdateIsWrittenUnderTheServer) {
    TestProgramDir dir;
    dir.writeHistory(drawsUpTo(QDate(2025, 8, 16)));
    const QString path = dir.file(QStringLiteral("ZahlenGR.dat"));
    FakeOperator fake(realHistory());
    fake.script = [](const SeenRequest&, int) { return std::optional<FakeAnswer>(FakeAnswer::reply(500, "Error", "")); };
    DrawServer server(DrawTable::fromFile(path));
    DrawMirror mirror(path, *DrawSource::parse(fake.base()), server, DrawMirror::Options{});

    LogCapture log;
    updateOnce(mirror);
    updateOnce(mirror);
    const auto warnings = log.warnings("quintara.server");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_TRUE(warnings[0].text.contains(fake.base())) << warnings[0].text.toStdString();
    EXPECT_TRUE(warnings[1].text.contains(QStringLiteral(" 2 "))) << warnings[1].text.toStdString();
}
