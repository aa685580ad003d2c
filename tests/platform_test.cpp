// The program's real platform: every adapter is there, the tip's print preview and PDF, the win
// sound and the HTTP client the update downloads with.
#include "gui/Platform.h"
#include "gui/TForm6.h"
#include "gui/TipPrint.h"
#include "support/Awaiting.h"
#include "support/LoopbackServers.h"
#include "support/TestPlatform.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QInputDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(30000)) return {};
    return QString::fromUtf8(text.readAllStandardOutput());
}

TipFiles::TipSheet tipSheet() {
    TipFiles::TipSheet sheet;
    sheet.title = QStringLiteral("Quintara Tipp für Mittwoch 03.09.25");
    sheet.tickets = {{TipFiles::plainTip(QStringLiteral("05,07,30,33,35,36:Normal")),
                      TipFiles::plainTip(QStringLiteral("11,17,23,29,41,47:Normal"))},
                     {TipFiles::plainTip(QStringLiteral("01,02,03,04,05,06,07,08:008"))}};
    sheet.tickets[1][0].note = QStringLiteral("Vollsystem: 28 Reihen, Einsatz 14,00 €");
    return sheet;
}

// The number grids of a printed document: per grid the numbers in its filled cells.
std::vector<std::vector<int>> filledGridNumbers(QTextDocument& doc) {
    std::vector<std::vector<int>> grids;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextCursor at(b);
        QTextTable* table = at.currentTable();
        if (!table || table->columns() != TipPrint::GridColumns || table->cellAt(at) != table->cellAt(0, 0) ||
            at.position() != table->cellAt(0, 0).firstPosition())
            continue;
        std::vector<int> filled;
        for (int r = 0; r < table->rows(); ++r)
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor text(cell.firstCursorPosition());
                text.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
                const int n = text.selectedText().toInt();
                EXPECT_EQ(n, r * TipPrint::GridColumns + c + 1);
                const QBrush fill = cell.format().background();
                if (fill.style() != Qt::NoBrush && fill.color() == Qt::black) filled.push_back(n);
            }
        grids.push_back(filled);
    }
    return grids;
}

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

TEST(TipPrinting, EachTipIsAGridOfTheFortyNineNumbersWithItsOwnFilled) {
    const std::unique_ptr<QTextDocument> doc = TipPrint::document(tipSheet());
    const std::vector<std::vector<int>> grids = filledGridNumbers(*doc);
    EXPECT_EQ(grids, (std::vector<std::vector<int>>{
                         {5, 7, 30, 33, 35, 36}, {11, 17, 23, 29, 41, 47}, {1, 2, 3, 4, 5, 6, 7, 8}}));
    const QString text = doc->toPlainText();
    for (const char* expected : {"Quintara Tipp für Mittwoch 03.09.25", "1. Lotto-Schein", "2. Lotto-Schein",
                                 "Vollsystem: 28 Reihen, Einsatz 14,00 €", "01,02,03,04,05,06,07,08:008"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(TipPrinting, ThePreviewShowsThePagesAndThePdfHoldsTheTipText) {
    Printing printing;
    QWidget owner;
    const TipFiles::TipSheet sheet = tipSheet();
    Printing::Preview preview = printing.tipPreview(sheet, &owner);
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
    ASSERT_TRUE(printing.saveTipPdf(sheet, pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    const QString content = pdfText(pdf);
    for (const QString& expected :
         {sheet.title, QStringLiteral("1. Lotto-Schein"), QStringLiteral("05,07,30,33,35,36:Normal"),
          QStringLiteral("11,17,23,29,41,47:Normal")})
        EXPECT_TRUE(content.contains(expected)) << expected.toStdString() << "\n" << content.toStdString();

    // A folder that does not exist is a failure, not a success.
    EXPECT_FALSE(printing.saveTipPdf(sheet, dir.filePath(QStringLiteral("missing/Tipp.pdf"))));
}

TEST(QuestionBoxes, TheQuestionStandsWholeInTheBoxAndCancelSaysItTakesTheProposal) {
    WidgetDialogs dialogs;
    QWidget parent;
    parent.resize(565, 450);
    parent.show();
    QString labelText, cancelHint;
    bool fits = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!box) return;
        QApplication::processEvents();
        labelText = box->labelText();
        for (QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().contains(QStringLiteral("stoppen"))) continue;
            fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                     : label->width() >= label->sizeHint().width();
        }
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (!b->toolTip().isEmpty()) cancelHint = b->toolTip();
        box->reject();
    });
    const QString answer = dialogs.inputBox(&parent, QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),
                                            QStringLiteral("Tipp-Test"), QStringLiteral("6"));
    EXPECT_EQ(answer, QStringLiteral("6"));
    EXPECT_TRUE(labelText.contains(QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?")));
    EXPECT_TRUE(labelText.contains(QStringLiteral("Tipp-Test")));
    EXPECT_TRUE(fits);
    EXPECT_TRUE(cancelHint.contains(QStringLiteral("„6“"))) << cancelHint.toStdString();

    // The number choice window's question stands above the numbers and follows its caption.
    TestPlatform platform;
    TForm6 form6(platform.platform());
    EXPECT_EQ(form6.Question->text(), QStringLiteral("Welche Zahlen für die Berechnung"));
    form6.setWindowTitle(QStringLiteral("Zahlen für Berechnung wählen"));
    EXPECT_EQ(form6.Question->text(), QStringLiteral("Zahlen für Berechnung wählen"));
    // OK and "&Ändern" explain the difference; their own hints stay the translations' business.
    EXPECT_TRUE(form6.explanation(form6.BitBtn1).contains(QStringLiteral("berechneten Gewichten")));
    EXPECT_TRUE(form6.explanation(form6.BitBtn3).contains(QStringLiteral("Gewichten ihrer Hinweise")));
    EXPECT_TRUE(form6.BitBtn1->toolTip().isEmpty());
}
