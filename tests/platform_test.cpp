// The program's real platform: every adapter is there, the tip's print preview and PDF, the win
// sound and the HTTP client the update downloads with.
#include "gui/Platform.h"
#include "gui/TipPrint.h"
#include "gui/WavSound.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000)) return {};
    return QString::fromUtf8(text.readAllStandardOutput());
}

const QStringList kTipText{QStringLiteral("Quintara Tipp für Mittwoch 03.09.25"),
                           QStringLiteral("~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"), QStringLiteral(" "),
                           QStringLiteral("1. Lotto-Schein"),
                           QStringLiteral(" 1. Tipp:  05,07,30,33,35,36:Normal"),
                           QStringLiteral(" 2. Tipp:  11,17,23,29,41,47:Normal")};

} // namespace

TEST(Platform, TheRealOneHasEveryAdapter) {
    // The window calls each of them without asking first.
    const Platform platform = Platform::system();
    EXPECT_NE(platform.dialogs, nullptr);
    EXPECT_NE(platform.clock, nullptr);
    EXPECT_NE(platform.sound, nullptr);
    EXPECT_NE(platform.shell, nullptr);
    EXPECT_NE(platform.printing, nullptr);
    ASSERT_TRUE(platform.http);
    EXPECT_NE(platform.http(), nullptr);
    EXPECT_TRUE(platform.clock->today().isValid());
}

TEST(Platform, TheRealHttpClientFetchesWithTheSettingsGivenIt) {
    ScriptedHttpServer server;
    server.handler = [](const SeenRequest& r) {
        if (r.target == "/big") return ScriptedAnswer::ok(QByteArray(200, 'x'));
        return ScriptedAnswer::ok("01,02,03,04,05,06:07");
    };
    const std::unique_ptr<HttpGetter> http = Platform::system().http();
    http->setMaxBodySize(100);
    const HttpResult ok = fetch(*http, QUrl(server.address() + QStringLiteral("/draw")));
    EXPECT_TRUE(ok.succeeded()) << ok.failureText().toStdString();
    EXPECT_EQ(ok.body, QByteArray("01,02,03,04,05,06:07"));
    const HttpResult big = fetch(*http, QUrl(server.address() + QStringLiteral("/big")));
    EXPECT_FALSE(big.succeeded());
    EXPECT_TRUE(big.body.isEmpty());
}

TEST(Platform, TheWinSoundPlaysAgainAndAMissingFileIsSilence) {
    const QString win = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/yippee.wav");
    ASSERT_TRUE(QFileInfo::exists(win));
    {
        WavSound sound;
        sound.play(QStringLiteral(QUINTARA_PROGRAM_DIR "/no-such-sound.wav"));
        // A second sound cuts off the first; a machine without audio stays silent.
        sound.play(win);
        sound.play(win);
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    } // gone while it may still be playing
    WavSound never;
    never.play(QStringLiteral(QUINTARA_PROGRAM_DIR "/no-such-sound.wav"));
}

TEST(TipPrinting, ThePreviewShowsThePagesAndThePdfHoldsTheTipText) {
    TipPrinting printing;
    QWidget owner;
    Printing::Preview preview = printing.tipPreview(kTipText, &owner);
    ASSERT_NE(preview.dialog, nullptr);

    // The preview as the player sees it: its name and title, "Als PDF speichern" first in the
    // tool bar, and the pages laid out once it is shown.
    QDialog* dialog = preview.dialog.get();
    EXPECT_EQ(dialog->parentWidget(), &owner);
    EXPECT_EQ(dialog->objectName(), QStringLiteral("TippDruckvorschau"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Druckvorschau: Tipp"));
    ASSERT_NE(preview.savePdf, nullptr);
    EXPECT_EQ(preview.savePdf->objectName(), QStringLiteral("AlsPdfSpeichern"));
    EXPECT_EQ(preview.savePdf->text(), QStringLiteral("Als PDF speichern …"));
    auto* bar = dialog->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().value(0), preview.savePdf);
    dialog->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    auto* pages = dialog->findChild<QGraphicsView*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_NE(pages->scene(), nullptr);
    EXPECT_FALSE(pages->scene()->items().isEmpty());
    dialog->hide();
    preview.dialog.reset();

    // The PDF holds the tip text, and an existing file is replaced.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("Tipp.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older file, not a PDF");
    }
    ASSERT_TRUE(printing.saveTipPdf(kTipText, pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    const QString content = pdfText(pdf);
    for (const QString& expected :
         {kTipText[0], kTipText[3], QStringLiteral("05,07,30,33,35,36:Normal"), QStringLiteral("11,17,23,29,41,47:Normal")})
        EXPECT_TRUE(content.contains(expected)) << expected.toStdString() << "\n" << content.toStdString();

    // A folder that does not exist is a failure, not a success.
    EXPECT_FALSE(printing.saveTipPdf(kTipText, dir.filePath(QStringLiteral("missing/Tipp.pdf"))));
}
