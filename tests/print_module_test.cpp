// Printing goes through the print module, loaded on the first print: the program itself does not
// load Qt PrintSupport, and without the module printing is refused, not crashed.
// This program uses no fake platform, so the statically linked printing of the window tests is
// not in it and the maps below show what the module alone loads.
#include "gui/ModulePrinting.h"

#include "support/ModuleFiles.h"

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

TEST(PrintModule, TheProgramDoesNotNeedPrintSupport) {
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara")});
    ASSERT_TRUE(readelf.waitForFinished(30000));
    const QByteArray dynamic = readelf.readAllStandardOutput();
    // The list was read: the program does need the widgets.
    ASSERT_TRUE(dynamic.contains("libQt6Widgets")) << dynamic.constData();
    EXPECT_FALSE(dynamic.contains("PrintSupport")) << dynamic.constData();
    EXPECT_FALSE(dynamic.contains("libcups")) << dynamic.constData();
}

TEST(PrintModule, FirstPreviewLoadsTheModuleBesideTheProgramAndItPrintsAndSavesThePdf) {
    // Nothing of the program has loaded the print libraries up to here.
    ASSERT_FALSE(libraryMapped("libQt6PrintSupport"));
    ModulePrinting printing(ModulePrinting::moduleFilesFor(QStringLiteral(QUINTARA_PROGRAM_DIR)));
    EXPECT_TRUE(printing.loadedFrom().isEmpty());
    EXPECT_FALSE(libraryMapped("libQt6PrintSupport"));

    QWidget owner;
    Printing::Preview preview = printing.tipPreview(kTipText, &owner);
    ASSERT_NE(preview.dialog, nullptr);
    EXPECT_EQ(printing.loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_print.so"));
    EXPECT_TRUE(libraryMapped("libQt6PrintSupport"));

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

TEST(PrintModule, MissingOrBrokenModuleGivesNoPreviewAndNoPdf) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // No file, not a library at all, and a library without the entry point.
    const QStringList unusable = unusableModuleFiles(dir, QStringLiteral("print"));
    ASSERT_TRUE(QFileInfo(unusable[2]).isFile()) << unusable[2].toStdString();
    ModulePrinting printing(unusable);
    QWidget owner;
    const Printing::Preview preview = printing.tipPreview(kTipText, &owner);
    EXPECT_EQ(preview.dialog, nullptr);
    EXPECT_EQ(preview.savePdf, nullptr);
    const QString pdf = dir.filePath(QStringLiteral("Tipp.pdf"));
    EXPECT_FALSE(printing.saveTipPdf(kTipText, pdf));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(printing.loadedFrom().isEmpty());
}

TEST(PrintModule, InstalledProgramLooksInItsLibraryDirectory) {
    const QStringList files = ModulePrinting::moduleFilesFor(QStringLiteral("/opt/q/bin/"));
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0], QStringLiteral("/opt/q/bin/quintara_print.so"));
    EXPECT_TRUE(files[1].endsWith(QStringLiteral("/quintara/quintara_print.so"))) << files[1].toStdString();
}
