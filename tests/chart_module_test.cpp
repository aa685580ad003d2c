// The main window's chart is drawn by the chart module, loaded when the chart is first needed:
// the program itself does not load Qt Charts or Qt Svg, and without the module the pane says so.
// This program links neither (no fake platform here), so the loaded libraries tell what
// the module brought in.
#include "gui/ChartPane.h"
#include "gui/ModuleChart.h"
#include "gui/ProgramModule.h"

#include "support/ModuleFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

int greenPixels(const QImage& image) {
    int green = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QColor c(image.pixel(x, y));
            if (c.green() > 120 && c.red() < 60 && c.blue() < 60) ++green;
        }
    return green;
}

void fillTen(BarChartModel* model) {
    model->prepareStatistic();
    for (int n = 1; n <= 10; ++n) model->series2()->addBar(n, 10 + n);
    model->setBottomTitle(QStringLiteral("Zehn Balken"));
}

} // namespace

TEST(ChartModule, FirstShownChartLoadsTheModuleAndDrawsFollowsAndSavesThroughIt) {
    // Nothing of the program has loaded the chart libraries up to here.
    ASSERT_FALSE(libraryMapped("libQt6Charts"));
    ASSERT_FALSE(libraryMapped("libQt6Svg"));
    auto maker = std::make_shared<ModuleChart>(
        ProgramModule::filesFor(QStringLiteral("chart"), QStringLiteral(QUINTARA_PROGRAM_DIR)));
    ChartPane pane;
    pane.setMaker(maker);
    pane.resize(520, 320);

    // A statistic fills the model while the chart was never shown: no drawing, nothing loaded.
    fillTen(pane.model());
    settle();
    EXPECT_EQ(pane.model()->series2()->count(), 10);
    EXPECT_EQ(pane.drawing(), nullptr);
    EXPECT_TRUE(maker->loadedFrom().isEmpty());
    EXPECT_FALSE(libraryMapped("libQt6Charts"));

    pane.show();
    settle();
    EXPECT_EQ(maker->loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_chart.so"));
    EXPECT_TRUE(libraryMapped("libQt6Charts"));
    ASSERT_NE(pane.drawing(), nullptr);
    QWidget* drawn = pane.drawing()->widget();
    EXPECT_EQ(drawn->parentWidget(), &pane);
    EXPECT_TRUE(drawn->isVisible());
    EXPECT_EQ(drawn->geometry(), pane.rect());
    EXPECT_EQ(pane.findChild<QLabel*>(QStringLiteral("ChartMissing")), nullptr);
    // The bars of the model are on screen.
    EXPECT_GT(greenPixels(pane.grab().toImage()), 100);

    // The drawing follows the model by itself: emptied, the bars are gone after the next turn of
    // the event loop; filled again, they are back.
    pane.model()->prepareStatistic();
    settle();
    EXPECT_EQ(greenPixels(pane.grab().toImage()), 0);
    fillTen(pane.model());
    settle();
    EXPECT_GT(greenPixels(pane.grab().toImage()), 100);

    // Saving goes through the module: a PNG of twice the pixels and an SVG drawing described by
    // the chart's title.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(pane.savePng(png));
    const QImage picture(png);
    EXPECT_EQ(picture.size(), pane.size() * 2);
    EXPECT_GT(greenPixels(picture), 100);
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(pane.saveSvg(svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).constData();
    EXPECT_TRUE(text.contains("Zehn Balken"));
    // An unwritable place is a failure, not a success.
    EXPECT_FALSE(pane.savePng(dir.filePath(QStringLiteral("no-such-folder/chart.png"))));

    // The module is looked for once; a second pane gets its drawing from the same module.
    ChartPane second;
    second.setMaker(maker);
    EXPECT_TRUE(second.canDraw());
    EXPECT_EQ(maker->loadedFrom(), QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara_chart.so"));
}

TEST(ChartModule, WithoutAUsableModuleThePaneSaysSoAndSavingFails) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // No file, not a library at all, and a library without the entry point.
    const QStringList unusable = unusableModuleFiles(dir, QStringLiteral("chart"));
    ASSERT_TRUE(QFileInfo(unusable[2]).isFile()) << unusable[2].toStdString();
    auto maker = std::make_shared<ModuleChart>(unusable);

    ChartPane pane;
    pane.setMaker(maker);
    pane.resize(520, 320);
    fillTen(pane.model());
    pane.show();
    settle();
    EXPECT_EQ(pane.drawing(), nullptr);
    EXPECT_TRUE(maker->loadedFrom().isEmpty());
    const auto* missing = pane.findChild<QLabel*>(QStringLiteral("ChartMissing"));
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->isVisible());
    EXPECT_EQ(missing->text(), ChartPane::missingText());
    EXPECT_TRUE(missing->text().contains(QStringLiteral("quintara_chart.so")));

    pane.refresh();
    EXPECT_FALSE(pane.canDraw());
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    EXPECT_FALSE(pane.savePng(png));
    EXPECT_FALSE(pane.saveSvg(dir.filePath(QStringLiteral("chart.svg"))));
    EXPECT_FALSE(QFileInfo::exists(png));
    // The model keeps working for the generator.
    EXPECT_EQ(pane.model()->leftAxis()->maximum(), 20);

    // A pane without any maker behaves the same.
    ChartPane bare;
    EXPECT_FALSE(bare.canDraw());
    EXPECT_FALSE(bare.savePng(png));
}
