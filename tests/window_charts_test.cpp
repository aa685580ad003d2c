#include "app/TForm1.h"
#include "support/TestPlatform.h"

#include <QtCharts/QBarSet>
#include <QtCharts/QStackedBarSeries>

#include <QFile>
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
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("3"));
    form().controls().SpeedButton4->click();
    const QStringList messages = f->platform.dialogs->messages();
    ASSERT_EQ(messages.size(), 3); // two hits, then the summary
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Ein Treffer am: ")));
    EXPECT_TRUE(messages[2].startsWith(QStringLiteral("Suche beendet: 3 Ziehungen geprüft.")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("05.10.")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("08.10.")));
    // The labels and the current draw show the last draw of the window; ten empty bars.
    EXPECT_EQ(form().currentDraw().date, records[2].date);
    EXPECT_TRUE(form().controls().Label29->text().endsWith(QStringLiteral("    1  2  3  4  5  6")));
    EXPECT_EQ(form().controls().Label13->text(), QStringLiteral("Quersummer: 21"));
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
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Suche abgebrochen nach 1 geprüften Ziehungen.")))
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
