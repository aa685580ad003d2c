#include "app/TForm1.h"
#include "base/DayCount.h"
#include "gui/BarChartView.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QtCharts/QBarSet>
#include <QtCharts/QStackedBarSeries>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct WindowCharts : ::testing::Test {
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;
    // Wednesday 5.10., Saturday 8.10., Wednesday 12.10.2011.
    std::vector<DrawRecord> records{makeDraw(QDate(2011, 10, 5), {5, 6, 7, 8, 30, 31}, 11),
                                    makeDraw(QDate(2011, 10, 8), {10, 20, 30, 40, 45, 49}, 11),
                                    makeDraw(QDate(2011, 10, 12), {1, 2, 3, 4, 5, 6}, 7)};
    void SetUp() override {
        dir.writeHistory(records);
        f = std::make_unique<FormFixture>(dir, false);
        form().controls().DateTimePicker2->setDate(QDate(2011, 10, 1));
        form().controls().DateTimePicker1->setDate(QDate(2011, 10, 12));
        form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet1);
    }
    TForm1& form() { return *f->form; }
    BarChartModel* chart() { return form().controls().Chart1->model(); }
};

} // namespace

TEST_F(WindowCharts, RunSearchesFromEveryControl) {
    form().controls().Button2->click();
    EXPECT_EQ(form().controls().PageControl1->currentWidget(), form().controls().TabSheet5);
    EXPECT_EQ(chart()->series2()->count(), 48);
    EXPECT_EQ(chart()->bottomTitle(),
              QStringLiteral("Bei 3 Ziehungen wurden 9 Paare gefunden! Häufigkeit = 1.Zahl "
                             "des Paares (2 x 5 => 2 x 5-6)"));
    form().controls().SpeedButton1->click();
    EXPECT_EQ(chart()->series2()->count(), 47);
    form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet1);
    emit form().controls().Label69->clicked();
    EXPECT_EQ(form().controls().PageControl1->currentWidget(), form().controls().TabSheet5);
    EXPECT_EQ(chart()->series2()->count(), 49);
    EXPECT_TRUE(chart()->leftAxis()->isAutomatic());
    EXPECT_EQ(chart()->bottomTitle(),
              QStringLiteral("Bei 3 Ziehungen wurden 4 Vierer gefunden! Häufigkeit = 1.Zahl "
                             "des Vierers (1x 5 => 1x 5-6-7-8)"));
}

TEST_F(WindowCharts, OverdueAndCrossSumsAndTheirMissingFileRules) {
    form().controls().SpeedButton23->click();
    EXPECT_EQ(chart()->series2()->yValue(0), 1);  // 1 in the last draw
    EXPECT_EQ(chart()->series2()->yValue(9), 2);  // 10 in the one before
    EXPECT_EQ(chart()->series2()->yValue(47), 4); // 48 never drawn
    form().controls().SpeedButton9->click();
    EXPECT_EQ(chart()->series2()->bar(0).x, 21);
    EXPECT_EQ(chart()->bottomTitle(),
              QStringLiteral("Quersummenverteilung     Ziehungen: 3    Quersumme: 101"));

    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    form().controls().Button5->click(); // not reported: every bar 1
    EXPECT_TRUE(f->platform.dialogs->errors().isEmpty());
    EXPECT_EQ(chart()->series2()->yValue(20), 1);
    form().controls().SpeedButton9->click(); // reported
    EXPECT_EQ(f->platform.dialogs->errors().size(), 1);
}

TEST_F(WindowCharts, TheStartDateIsLabelledAndRedrawsTheChartShown) {
    const Form1Ui& ui = form().controls();
    EXPECT_EQ(ui.LabelStatisticsFrom->text(), QStringLiteral("Statistik ab:"));
    EXPECT_EQ(ui.LabelStatisticsFrom->buddy(), ui.DateTimePicker2);
    ui.SpeedButton9->click();
    EXPECT_TRUE(chart()->bottomTitle().contains(QStringLiteral("Ziehungen: 3 "))) << chart()->bottomTitle().toStdString();
    // Draws after the 6th: the Saturday and the Wednesday after it.
    ui.DateTimePicker2->setDate(QDate(2011, 10, 6));
    EXPECT_TRUE(chart()->bottomTitle().contains(QStringLiteral("Ziehungen: 2 "))) << chart()->bottomTitle().toStdString();
    // A start after the newest draw leaves nothing to count, and the chart says why.
    ui.DateTimePicker2->setDate(QDate(2011, 10, 20));
    EXPECT_EQ(chart()->bottomTitle(),
              QStringLiteral("Keine Ziehung ab dem 20.10.2011: die neueste gespeicherte Ziehung ist vom 12.10.2011. "
                             "Wählen Sie unter „Statistik ab“ ein früheres Datum."));
    // The tips' numbers do not depend on the start date: that chart stays.
    ui.Button6->click();
    ui.DateTimePicker2->setDate(QDate(2011, 10, 1));
    EXPECT_EQ(chart()->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
}

TEST_F(WindowCharts, PointingAtABarShowsItsValue) {
    const Form1Ui& ui = form().controls();
    ui.SpeedButton2->click(); // frequencies: 5 was drawn on the 5th and the 12th
    BarChartView* view = ui.Chart1;
    view->refresh();
    QBarSet* set = view->barSets().begin()->second;
    emit view->barSeries()->hovered(true, 4, set);
    EXPECT_EQ(view->toolTip(), QStringLiteral("5: 2"));
    emit view->barSeries()->hovered(false, 4, set);
    EXPECT_TRUE(view->toolTip().isEmpty());
    EXPECT_TRUE(view->barText(49).isEmpty());
}

TEST_F(WindowCharts, TipDistributionCountsTheList) {
    form().controls().ListBox1->addItems(
        {QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("01,10,20,30,40,49:Normal")});
    form().controls().Button6->click();
    EXPECT_EQ(chart()->series2()->yValue(0), 2);
    EXPECT_EQ(chart()->series2()->yValue(9), 1);
    EXPECT_EQ(chart()->series2()->yValue(10), 0);
    EXPECT_EQ(chart()->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
}

TEST_F(WindowCharts, TipTestReportsEveryDrawReachingTheThreshold) {
    form().controls().ListBox1->addItem(QStringLiteral("05,06,07,10,20,30:Normal"));
    form().SpeedButton5Click();
    const QString drawLine = form().controls().Label29->text();
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("3"));
    form().controls().SpeedButton4->click();
    // The input box names the draws it will go through, in the player's date format.
    ASSERT_FALSE(f->platform.dialogs->shown.empty());
    const QString asked = f->platform.dialogs->shown.front().text;
    EXPECT_TRUE(asked.contains(QStringLiteral("Tipp-Test der Ziehungen vom 01.10.11 bis 12.10.11"))) << asked.toStdString();
    const QStringList messages = f->platform.dialogs->messages();
    ASSERT_EQ(messages.size(), 3); // two hits, then the summary
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Ein Treffer am: ")));
    EXPECT_TRUE(messages[2].startsWith(QStringLiteral("Suche beendet: 3 Ziehungen geprüft.")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("05.10.")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("08.10.")));
    // The draw the player was looking at is back, with its own line and hits; ten empty bars.
    EXPECT_EQ(form().currentDraw().date, records[2].date);
    EXPECT_EQ(form().controls().Label29->text(), drawLine);
    EXPECT_TRUE(drawLine.endsWith(QStringLiteral("  1  2  3  4  5  6   + 7"))) << drawLine.toStdString();
    EXPECT_EQ(form().controls().Label13->text(), QStringLiteral("Quersumme: 21"));
    EXPECT_EQ(form().controls().ListBox2->count(), 1);
    EXPECT_EQ(chart()->series2()->count(), 10);

    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("drei"));
    form().controls().SpeedButton4->click();
    ASSERT_EQ(f->platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f->platform.dialogs->errors()[0].contains(QStringLiteral("drei")));
}

TEST_F(WindowCharts, TheTipTestStopsAtItsButtonAndHoldsOtherActionsBack) {
    form().controls().ListBox1->addItem(QStringLiteral("05,06,07,10,20,30:Normal"));
    const QString caption = form().controls().SpeedButton4->text();
    const QString titleBefore = chart()->bottomTitle();
    bool pressed = false;
    f->platform.dialogs->onShown = [&](const FakeDialogs::Shown& shown) {
        if (pressed || shown.kind != QStringLiteral("message")) return;
        pressed = true;
        // While the first hit is shown: another action waits, the button stops the test.
        form().controls().Button6->click();
        form().controls().SpeedButton4->click();
    };
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("3"));
    form().controls().SpeedButton4->click();
    const QStringList messages = f->platform.dialogs->messages();
    ASSERT_EQ(messages.size(), 2) << messages.join(QStringLiteral("\n--\n")).toStdString();
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Suche abgebrochen nach 1 geprüften Ziehung.")))
        << messages[1].toStdString();
    EXPECT_EQ(chart()->bottomTitle(), titleBefore); // the tip distribution did not run
    EXPECT_EQ(form().controls().SpeedButton4->text(), caption);

    // Afterwards the button starts a new test, and other actions run again.
    f->platform.dialogs->onShown = nullptr;
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("3"));
    form().controls().SpeedButton4->click();
    EXPECT_TRUE(f->platform.dialogs->messages().last().startsWith(QStringLiteral("Suche beendet: 3 Ziehungen geprüft.")));
    form().controls().Button6->click();
    EXPECT_EQ(chart()->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
}

TEST_F(WindowCharts, HistoryChecksOverTheirWindows) {
    // The whole draw of 8.10. inside the window: a five-hit match exists.
    EXPECT_FALSE(form().Secheroderfuenfer(QStringLiteral("10,20,30,40,45,49,"), 5));
    EXPECT_EQ(form().currentDraw().date, records[1].date); // stopped on that draw
    EXPECT_EQ(form().ticketResult().hits, 6);
    // The from date is outside the window.
    form().controls().DateTimePicker2->setDate(QDate(2011, 10, 8));
    EXPECT_TRUE(form().Secheroderfuenfer(QStringLiteral("10,20,30,40,45,49,"), 5));
    EXPECT_EQ(form().currentDraw().date, records[2].date); // the last draw examined

    // Recent window: 2 draws with both boxes = 14 days back from 12.10.
    EXPECT_FALSE(form().kurzzeitCheck(QStringLiteral("5,6,7,8,30,31,"), 6, 2));
    form().controls().CheckBox16->setChecked(false); // 3.5 * 2 = 7 days: 5.10. lies outside
    EXPECT_TRUE(form().kurzzeitCheck(QStringLiteral("5,6,7,8,30,31,"), 6, 2));
}

TEST_F(WindowCharts, HistoryCheckSeesTheFileAsItIsNow) {
    EXPECT_TRUE(form().Secheroderfuenfer(QStringLiteral("11,12,13,14,15,16,"), 4));
    auto changed = records;
    changed[1] = makeDraw(QDate(2011, 10, 8), {11, 12, 13, 14, 40, 41});
    dir.writeHistory(changed); // same size, rewritten in place
    EXPECT_FALSE(form().Secheroderfuenfer(QStringLiteral("11,12,13,14,15,16,"), 4));
}

TEST_F(WindowCharts, HistoryCheckUnderAReducedSystemTakesTheBestRow) {
    dir.installBesideFiles();
    form().setSelectorText(QStringLiteral("VEW:609"));
    form().ComboBox1Change();
    ASSERT_GT(form().systemTable().rowCount(), 0);
    // Three winning numbers of 12.10. among the nine: some row of the wheel holds all three.
    EXPECT_FALSE(form().Secheroderfuenfer(QStringLiteral("1,2,3,40,41,42,43,44,46,"), 3));
    EXPECT_TRUE(form().Secheroderfuenfer(QStringLiteral("1,2,39,40,41,42,43,44,46,"), 3));
}

TEST(TipSearch, EveryHitNamesItsTipsTheSearchStopsWhenAskedAndSumsUpPerTip) {
    TestProgramDir dir;
    const auto records = twelveDraws();
    dir.writeHistory(records);
    FormFixture f(dir, false);
    f->controls().DateTimePicker2->setDate(QDate(2011, 1, 1));
    f->controls().DateTimePicker1->setDate(DayCount::toDate(records.back().date));
    // Tip 1 reaches 3 on the first draw, tip 3 on the third, tip 2 never (2 at most).
    f->controls().ListBox1->addItems({QStringLiteral("01,10,19,40,41,42:Normal"), QStringLiteral("02,04,06,08,11,13:Normal"),
                              QStringLiteral("03,12,21,44,45,46:Normal")});
    auto& dialogs = *f.platform.dialogs;
    f->SpeedButton5Click();
    const double browsed = f->currentDraw().date;
    ASSERT_EQ(browsed, records.back().date);

    // Without stopping: one box per draw that reached 3, each naming the tip lines that did.
    dialogs.inputAnswers.push_back(QStringLiteral("3"));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton4")));
    QStringList shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 3) << shown.join(QStringLiteral("\n--\n")).toStdString();
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Ein Treffer am: 05.01.11")));
    EXPECT_TRUE(shown[0].contains(QStringLiteral("Tipp 1: 01,10,19,40,41,42:Normal  (3 Richtige)")));
    EXPECT_FALSE(shown[0].contains(QStringLiteral("Tipp 2")));
    EXPECT_TRUE(shown[1].contains(QStringLiteral("Tipp 3: 03,12,21,44,45,46:Normal  (3 Richtige)")));
    EXPECT_EQ(dialogs.lastStopCaption, QStringLiteral("Suche beenden"));
    const QString summary = shown[2];
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Suche beendet: 12 Ziehungen geprüft."))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Ziehungen mit mindestens 3 Richtigen: 2")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 1 (01,10,19,40,41,42:Normal): 1 Treffer")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 2 (02,04,06,08,11,13:Normal): 0 Treffer")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 3 (03,12,21,44,45,46:Normal): 1 Treffer")));

    // Threshold 2 hits on many draws; stopping at the first box ends the search there.
    dialogs.shown.clear();
    dialogs.inputAnswers.push_back(QStringLiteral("2"));
    dialogs.continueAnswers.push_back(false);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton4")));
    shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2) << shown.join(QStringLiteral("\n--\n")).toStdString();
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("Suche abgebrochen nach 1 geprüften Ziehung.")))
        << shown[1].toStdString();
    // Stopped on the first draw, the search still puts back the draw that was shown before.
    EXPECT_EQ(f->currentDraw().date, browsed);
}

TEST(ChartView, LowestBarVisibleWholeTicksAndTheModelsLimitsUnchanged) {
    TestProgramDir dir;
    dir.installRealHistory();
    FormFixture f(dir, true); // on screen at the designed size
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet5);
    f->controls().DateTimePicker2->setDate(QDate(1986, 9, 7));
    f->controls().DateTimePicker1->setDate(QDate(2025, 8, 30));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton2")));
    BarChartView* view = f->controls().Chart1;
    ASSERT_NE(view, nullptr);
    view->refresh();
    FormFixture::processEvents();
    const BarChartModel* model = view->model();

    // The generator reads the model: its limits are the smallest and largest count, exactly.
    double lowest = model->series2()->yValue(0), highest = lowest;
    int lowestIndex = 0;
    for (int i = 0; i < model->series2()->count(); ++i) {
        if (model->series2()->yValue(i) < lowest) lowest = model->series2()->yValue(i), lowestIndex = i;
        highest = std::max(highest, model->series2()->yValue(i));
    }
    EXPECT_EQ(model->leftAxis()->minimum(), lowest);
    EXPECT_EQ(model->leftAxis()->maximum(), highest);

    // The drawn axis starts at 0, so the bars compare by their heights; zoomed (a setting kept
    // for the next start) it starts below the lowest bar. Either way it ends at or above the
    // highest, with whole ticks.
    QValueAxis* y = view->valueAxis();
    EXPECT_EQ(y->min(), 0);
    EXPECT_GE(y->max(), highest);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("ChartZoom")));
    view->refresh();
    EXPECT_TRUE(f->collectSettings().chartZoom);
    EXPECT_GT(y->min(), 0);
    EXPECT_LT(y->min(), lowest);
    EXPECT_GE(y->max(), highest);
    EXPECT_EQ(y->tickType(), QValueAxis::TicksDynamic);
    EXPECT_GE(y->tickInterval(), 1);
    EXPECT_EQ(y->tickInterval(), std::round(y->tickInterval()));
    EXPECT_EQ(y->min(), std::round(y->min()));
    QChart* chart = view->chart();
    const QPointF top = chart->mapToPosition(QPointF(lowestIndex, lowest), view->barSeries());
    const QPointF base = chart->mapToPosition(QPointF(lowestIndex, y->min()), view->barSeries());
    EXPECT_GE(base.y() - top.y(), 4.0) << "lowest bar " << lowest << " of number " << lowestIndex + 1;

    // Primes are striped (no colour needed) and the legend explains it.
    ASSERT_TRUE(view->barSets().count(BarColours::Red));
    EXPECT_EQ(view->barSets().at(BarColours::Red)->brush().style(), Qt::TexturePattern);
    EXPECT_TRUE(chart->legend()->isVisible());

    // The cross sums: labels of 100 and more, none cut off to "…".
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton9")));
    view->refresh();
    const QStringList labels = view->categoryAxis()->categoriesLabels();
    ASSERT_FALSE(labels.isEmpty());
    const int n = model->series2()->count();
    const double width = chart->plotArea().width();
    const double perLabel = width / (labels.size() + 1);
    const QFontMetricsF metrics(view->categoryAxis()->labelsFont());
    for (const QString& l : labels) EXPECT_LE(metrics.horizontalAdvance(l), perLabel - 8) << l.toStdString();
    EXPECT_GT(n, 100);
    EXPECT_FALSE(chart->legend()->isVisible());

    // Tick and range rules alone.
    const auto r = BarChartView::displayRange(385, 460, true);
    EXPECT_LT(r.min, 385);
    EXPECT_GT(r.min, 0);
    EXPECT_GE(r.max, 460);
    EXPECT_EQ(std::fmod(r.min, r.step), 0);
    // Not zoomed, the same bars stand on 0.
    const auto fromZero = BarChartView::displayRange(385, 460, false);
    EXPECT_EQ(fromZero.min, 0);
    EXPECT_GE(fromZero.max, 460);
    EXPECT_EQ(BarChartView::displayRange(0, 4, true).step, 1);
    EXPECT_EQ(BarChartView::displayRange(0, 4, true).min, 0);
    EXPECT_EQ(BarChartView::displayRange(0, 0, false).max, 1);
    EXPECT_LE(BarChartView::displayRange(-3, 5, false).min, -3); // a negative bar stays inside
}

TEST(ChartView, ExportWritesAValidPngAndSvg) {
    TestProgramDir dir;
    dir.installRealHistory();
    FormFixture f(dir, true);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet5);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton2")));
    FormFixture::processEvents();
    auto& dialogs = *f.platform.dialogs;

    const QString png = dir.file(QStringLiteral("chart.png"));
    dialogs.saveAnswers.push_back(png);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("DiagrammPNG")));
    EXPECT_EQ(dialogs.fileRequests.back().defaultSuffix, QStringLiteral("png"));
    EXPECT_TRUE(readBytes(png).startsWith("\x89PNG\r\n\x1a\n"));
    QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), f->controls().Chart1->size() * 2);
    // Not a blank picture: green bars are in it.
    int green = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (QColor(image.pixel(x, y)).green() > 120 && QColor(image.pixel(x, y)).red() < 60) ++green;
    EXPECT_GT(green, 100);

    const QString svg = dir.file(QStringLiteral("chart.svg"));
    dialogs.saveAnswers.push_back(svg);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("DiagrammSVG")));
    QXmlStreamReader xml(readBytes(svg));
    int elements = 0;
    bool svgRoot = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (elements++ == 0) svgRoot = xml.name() == QLatin1String("svg");
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(svgRoot);
    EXPECT_GT(elements, 50);
    EXPECT_TRUE(readBytes(svg).contains("Zahlenverteilung"));

    // A file that cannot be written is reported.
    dialogs.saveAnswers.push_back(dir.file(QStringLiteral("missing/folder/chart.png")));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("DiagrammPNG")));
    EXPECT_EQ(dialogs.errors().size(), 1);
}
