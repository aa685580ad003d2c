// The report window through the real main window: chance beside the historic analysis and the
// tip test, the rules, the reduced-system report and CSV in and out.
#include "base/DayCount.h"
#include "gui/AnalysisReport.h"
#include "history/DrawCsv.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Report : public ::testing::Test {
protected:
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;
    void SetUp() override {
        dir.installRealHistory();
        dir.installBesideFiles();
        storeLanguage(QStringLiteral("Deutsch1"));
        f = std::make_unique<FormFixture>(dir);
    }
    TForm1& form() { return *f->form; }
    FakeDialogs& dialogs() { return *f->platform.dialogs; }
    AnalysisReport* open() {
        form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
        EXPECT_TRUE(triggerControl(&form(), QStringLiteral("AnalysisReportButton")));
        AnalysisReport* r = form().findChild<AnalysisReport*>(QStringLiteral("AnalysisReport"));
        EXPECT_TRUE(r && r->isVisible());
        return r;
    }
};

} // namespace

TEST_F(Report, HistoricAnalysisIsShownBesideChanceWithItsSeed) {
    form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
    form().controls().DateTimePicker1->setDate(QDate(2025, 6, 1));
    dialogs().inputAnswers.push_back(QStringLiteral("4711"));
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("BitBtn9")));
    // The summary box stays as it was: one message ending in the step count.
    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages().last().contains(QStringLiteral(" Ziehungen")));

    AnalysisReport* r = form().findChild<AnalysisReport*>(QStringLiteral("AnalysisReport"));
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->isVisible());
    const AnalysisReport::ChanceView& view = r->chance();
    ASSERT_GT(view.draws, 20);
    EXPECT_EQ(view.simulation.seed, 4711u);
    EXPECT_EQ(view.simulation.players.size(), 1000u);
    ASSERT_TRUE(view.expected);
    // Six single tips per draw: the exact expectation of threes is 6 * draws * 0.01765.
    EXPECT_NEAR((*view.expected)[Chance::Three], 6 * view.draws * 246820.0 / 13983816.0, 1e-9);
    // The generator's own hits are those of the summary: the threes of every step.
    const QString text = r->chanceText->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Startwert (Seed) 4711"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Insgesamt:"))) << text.toStdString();
    // The fee fields give the stake: 0,50 per row and draw on one day, 1,00 a week on both.
    EXPECT_TRUE(text.contains(QStringLiteral("Einsatz"))) << text.toStdString();
    EXPECT_GT(view.money.stake, 0.0);
    EXPECT_LE(view.money.stake, 0.5 * 6 * view.draws);
    // No dividends are kept yet: wins are reported as unknown, never valued.
    EXPECT_DOUBLE_EQ(view.money.knownReturn, 0.0);
    EXPECT_EQ(r->chanceTable->item(Chance::Three, 0)->text().toLongLong(), view.actual[Chance::Three]);
    EXPECT_TRUE(r->chanceCsv().startsWith("stufe,ergebnis,erwartet"));

    // All runs of the analysis count their candidates.
    EXPECT_GT(form().reportedRuleCounts().candidates, 0);
    EXPECT_EQ(form().reportedRuleCounts().rejected() + form().reportedRuleCounts().passed,
              form().reportedRuleCounts().candidates);

    // The same lucky number gives the same comparison.
    const auto first = view.simulation.bands;
    form().controls().DateTimePicker1->setDate(QDate(2025, 6, 1));
    form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
    dialogs().inputAnswers.push_back(QStringLiteral("4711"));
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("BitBtn9")));
    for (int l = 0; l < Chance::LevelCount; ++l)
        EXPECT_EQ(r->chance().simulation.bands[l].median, first[l].median);
}

TEST_F(Report, AFailedRunNamesTheRuleThatRejectedMost) {
    form().controls().UpDown2->setPosition(200);
    form().controls().UpDown15->setPosition(100);
    form().controls().UpDown7->setPosition(1);
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("BitBtn4")));
    EXPECT_EQ(form().controls().StatusBar1->panelText(1),
              QStringLiteral("Ändern Sie die Parameter um alle Tipps zuberechnen"));
    ASSERT_FALSE(dialogs().messages().isEmpty());
    EXPECT_TRUE(dialogs().messages().last().contains(QStringLiteral("„Quersumme“")))
        << dialogs().messages().last().toStdString();
    // Rule 3 (no runs of three) comes first; every other candidate fails the cross sum.
    const RuleCounts& counts = form().reportedRuleCounts();
    EXPECT_EQ(counts.candidates, 1000);
    EXPECT_EQ(counts.rejectedBy[3] + counts.rejectedBy[4], 1000);
    EXPECT_GT(counts.rejectedBy[4], 900);

    AnalysisReport* r = open();
    EXPECT_TRUE(r->ruleTable->item(3, 1)->text().startsWith(
        QLocale().toString(static_cast<qlonglong>(counts.rejectedBy[4]))))
        << r->ruleTable->item(3, 1)->text().toStdString();
    // The back-test over the real draws of the window: the cross sum rule rejects a share.
    r->tabs->setCurrentWidget(r->rulePage);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("RuleBackTest")));
    EXPECT_FALSE(r->ruleTable->item(3, 2)->text().isEmpty());
    EXPECT_TRUE(r->ruleCsv().contains("\r\nregel,name,verworfen,ziehungen,anteil\r\n"));
}

TEST_F(Report, WheelPageShowsTheGuaranteeOfAShippedTable) {
    AnalysisReport* r = open();
    r->tabs->setCurrentWidget(r->wheelPage);
    r->wheelCode->setCurrentText(QStringLiteral("710"));
    ASSERT_TRUE(triggerControl(r, QStringLiteral("WheelShow")));
    const QString text = r->wheelText->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("21 Reihen aus 10 Basiszahlen"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("4 richtige unter den Basiszahlen: mindestens 4 Treffer")))
        << text.toStdString();

    // A table of the player's own with a bad line is refused with the line named.
    const QString own = dir.file(QStringLiteral("mine.txt"));
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("xxxxxx---\r\nxxx-xx---\r\n");
    file.close();
    dialogs().openAnswers.push_back(own);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("WheelOpen")));
    ASSERT_FALSE(dialogs().errors().isEmpty());
    EXPECT_TRUE(dialogs().errors().last().startsWith(QStringLiteral("Zeile 2:")))
        << dialogs().errors().last().toStdString();
}

TEST_F(Report, HistoryCsvRoundTripAndImportWithBadLines) {
    AnalysisReport* r = open();
    r->tabs->setCurrentWidget(r->dataPage);
    const QByteArray before = [&] {
        QFile h(dir.file(QStringLiteral("ZahlenGR.dat")));
        h.open(QIODevice::ReadOnly);
        return h.readAll();
    }();
    const QString csv = dir.file(QStringLiteral("out.csv"));
    dialogs().saveAnswers.push_back(csv);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("HistoryExport")));
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    QFile bundled(QStringLiteral(QUINTARA_SOURCE_DIR "/data/greek-lotto-6-49.csv"));
    ASSERT_TRUE(bundled.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), bundled.readAll());

    // A file with one new draw, one changed draw and two bad lines; the replacement is asked
    // for, and "No" leaves the history alone.
    const QString in = dir.file(QStringLiteral("in.csv"));
    QFile inFile(in);
    ASSERT_TRUE(inFile.open(QIODevice::WriteOnly));
    inFile.write("date,n1,n2,n3,n4,n5,n6,additional\n2025-09-03,1,2,3,4,5,6,\n2025-08-30,7,37,9,33,36,31,\n"
                 "2025-09-06,1,1,2,3,4,5,\nnonsense\n");
    inFile.close();
    dialogs().openAnswers.push_back(in);
    dialogs().questionAnswers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("HistoryImport")));
    ASSERT_EQ(dialogs().questions().size(), 1);
    QFile h(dir.file(QStringLiteral("ZahlenGR.dat")));
    ASSERT_TRUE(h.open(QIODevice::ReadOnly));
    EXPECT_EQ(h.readAll(), before);
    h.close();

    dialogs().openAnswers.push_back(in);
    dialogs().questionAnswers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("HistoryImport")));
    EXPECT_TRUE(dialogs().messages().last().startsWith(
        QStringLiteral("1 Ziehungen hinzugefügt, 1 ersetzt, 0 unverändert, 2 Zeilen abgelehnt.")))
        << dialogs().messages().last().toStdString();
    const std::vector<DrawRecord> after = dir.readHistory();
    ASSERT_EQ(after.size() * DrawRecord::Size, static_cast<std::size_t>(before.size()) + DrawRecord::Size);
    EXPECT_EQ(DayCount::toDate(after.back().date), QDate(2025, 9, 3));
    EXPECT_EQ(after[after.size() - 2].numbers[5], 31);

    // The tip list as CSV.
    form().controls().ListBox1->clear();
    form().controls().ListBox1->addItem(QStringLiteral("01,08,15,22,29,36:Normal"));
    const QString tips = dir.file(QStringLiteral("tipps.csv"));
    dialogs().saveAnswers.push_back(tips);
    ASSERT_TRUE(triggerControl(r, QStringLiteral("TipsExport")));
    QFile t(tips);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), QByteArray("tipp,system,zahlen\r\n1,Normal,1,8,15,22,29,36\r\n"));
}

TEST_F(Report, AWinningLineShowsItsAmountWhereTheDividendIsKnown) {
    // The newest draw, 30.08.2025: 7, 37, 9, 33, 36, 30.
    MemoryDividends dividends;
    dividends.set({2025, 8, 30}, {{4, false, 35.5}, {3, false, 1.5}});
    form().setDividendSource(&dividends);
    form().controls().ListBox1->clear();
    form().controls().ListBox1->addItems({QStringLiteral("07,09,33,36,01,02:Normal"),
                                  QStringLiteral("07,09,33,01,02,03:Normal"),
                                  QStringLiteral("01,02,03,04,05,06:Normal")});
    form().controls().DateTimePicker1->setDate(QDate(2025, 8, 30));
    form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SpeedButton5")));
    ASSERT_EQ(form().controls().ListBox2->count(), 3);
    EXPECT_EQ(form().controls().ListBox2->item(0)->text(), QStringLiteral("4  1 × 4er = 35,50 €"));
    EXPECT_EQ(form().controls().ListBox2->item(0)->toolTip(), QStringLiteral("Gewinn: 35,50 €"));
    EXPECT_EQ(form().controls().ListBox2->item(1)->toolTip(), QStringLiteral("Gewinn: 1,50 €"));
    EXPECT_TRUE(form().controls().ListBox2->item(2)->toolTip().isEmpty());

    // A draw without known dividends says so instead of guessing.
    form().setDividendSource(nullptr);
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SpeedButton5")));
    EXPECT_EQ(form().controls().ListBox2->item(0)->toolTip(), QStringLiteral("Gewinn: Quote unbekannt"));
}

TEST_F(Report, TheMoneyOfEachTierOfA2022DrawFromAPrizeFileOfTheOldMapping) {
    // The draw of 7 May 2022: 46, 3, 14, 8, 2, 6 and the additional number 36. Its prize file as
    // earlier versions wrote it: categories placed by their order (1, 2, 3, 4, 10 as 6, 5 + 1,
    // 5, 4, 3 hits), so each line's hits were wrong but its category id right.
    const QString path = form().prizeTablePath();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("date,drawId,category,hits,additional,dividend,winners,fixed,jackpot\r\n"
                "2022-05-07,2130,1,6,0,0,0,0,2512345.6\r\n"
                "2022-05-07,2130,2,5,1,1520.5,12,0,0\r\n"
                "2022-05-07,2130,3,5,0,35.75,900,0,0\r\n"
                "2022-05-07,2130,4,4,0,1.5,20000,1,0\r\n"
                "2022-05-07,2130,10,3,0,48765.25,2,0,0\r\n");
    }
    form().controls().ListBox1->clear();
    form().controls().ListBox1->addItems({QStringLiteral("46,03,14,08,02,01:Normal"),  // 5
                                  QStringLiteral("46,03,14,08,02,36:Normal"),  // 5 + additional number
                                  QStringLiteral("46,03,14,08,01,07:Normal"),  // 4
                                  QStringLiteral("46,03,14,01,07,09:Normal"),  // 3
                                  QStringLiteral("46,03,14,08,36,07:Normal")}); // 4 + additional: a 4
    form().controls().DateTimePicker1->setDate(QDate(2022, 5, 7));
    form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SpeedButton5")));
    ASSERT_EQ(form().controls().ListBox2->count(), 5);
    EXPECT_EQ(form().controls().ListBox2->item(0)->toolTip(), QStringLiteral("Gewinn: 1.520,50 €"));
    EXPECT_EQ(form().controls().ListBox2->item(1)->toolTip(), QStringLiteral("Gewinn: 48.765,25 €"));
    EXPECT_EQ(form().controls().ListBox2->item(2)->toolTip(), QStringLiteral("Gewinn: 35,75 €"));
    EXPECT_EQ(form().controls().ListBox2->item(3)->toolTip(), QStringLiteral("Gewinn: 1,50 €"));
    EXPECT_EQ(form().controls().ListBox2->item(4)->toolTip(), QStringLiteral("Gewinn: 35,75 €"));
    // The file now holds the right hits.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("2022-05-07,2130,10,5,1,48765.25,2,0.00,0\r\n"));
    f.close();

    // A tier whose id we do not know pays nothing: its win is "unknown", never another tier's.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("date,drawId,category,hits,additional,dividend,winners,fixed,jackpot\r\n"
            "2022-05-07,2130,1,6,0,0,0,0.00,2512345.6\r\n"
            "2022-05-07,2130,13,4,0,35.75,900,0.00,0\r\n");
    f.close();
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SpeedButton5")));
    EXPECT_EQ(form().controls().ListBox2->item(2)->toolTip(), QStringLiteral("Gewinn: Quote unbekannt"));
}

TEST_F(Report, OpensInsideTheScreenClosesWithEscapeAndShowsWholeRuleNames) {
    const QRect room = form().screen()->availableGeometry();
    // The main window near the screen's lower right corner: centred over it the report
    // would hang out of the screen.
    form().move(room.right() - form().width() / 2, room.bottom() - form().height() / 2);
    AnalysisReport* r = open();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(room.contains(r->frameGeometry())) << r->frameGeometry().x() << "," << r->frameGeometry().y();

    for (const char* language : {"Deutsch1", "Grichisch1"}) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(triggerControl(&form(), QLatin1String(language)));
        r->tabs->setCurrentWidget(r->rulePage);
        QApplication::processEvents();
        const QFontMetrics metrics(r->ruleTable->font());
        for (int row = 0; row < r->ruleTable->rowCount(); ++row) {
            const QString name = r->ruleTable->item(row, 0)->text();
            EXPECT_GE(r->ruleTable->columnWidth(0), metrics.horizontalAdvance(name)) << name.toStdString();
        }
    }

    QTest::keyClick(r->ruleTable, Qt::Key_Escape);
    EXPECT_FALSE(r->isVisible());
    // Opened again it comes back where the player left it.
    const QPoint where = room.topLeft() + QPoint(5, 5);
    r->move(where);
    open();
    EXPECT_EQ(r->pos(), where);
}
