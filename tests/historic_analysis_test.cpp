#include "base/DayCount.h"
#include "generator/HistoricAnalysis.h"
#include "support/Trigger.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

TEST(HistoricAnalysis, SummaryHasThirteenCountLinesInOrder) {
    HistoricAnalysis::Totals totals;
    HitTally tally;
    tally.add(TicketResult{3, false});
    tally.add(TicketResult{3, false});
    tally.add(TicketResult{5, true});
    totals.add(tally, DayCount::Saturday);
    totals.add(tally, DayCount::Sunday); // a holiday shift counts with Saturday
    HitTally other;
    other.add(TicketResult{0, true});
    totals.add(other, DayCount::Wednesday);
    totals.add(other, DayCount::Thursday);
    totals.steps = 4;

    const QStringList lines = totals.summary().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 13 + 2);
    EXPECT_EQ(lines[0], QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi."));
    EXPECT_EQ(lines[1], QStringLiteral("0er         => 0        => 0"));
    EXPECT_EQ(lines[2], QStringLiteral("0er + ZZ=> 0        => 2"));
    EXPECT_EQ(lines[7], QStringLiteral("3er         => 4        => 0"));
    EXPECT_EQ(lines[12], QStringLiteral("5er + ZZ=> 2        => 0"));
    EXPECT_EQ(lines[13], QStringLiteral("6er         => 0        => 0"));
    EXPECT_EQ(lines[14], QString());
    EXPECT_EQ(lines[15], QStringLiteral("Bei 4 Ziehungen"));
}

TEST(HistoricAnalysis, EmptyRunAndTexts) {
    HistoricAnalysis::Totals totals;
    EXPECT_TRUE(totals.summary().endsWith(QStringLiteral("\n\nBei 0 Ziehungen")));
    EXPECT_EQ(HistoricAnalysis::seedStatus(-17), QStringLiteral("GlücksZahl -17 gesetzt"));
    EXPECT_EQ(HistoricAnalysis::stepDays(true, true), 3);
    EXPECT_EQ(HistoricAnalysis::stepDays(true, false), 6);
    EXPECT_EQ(HistoricAnalysis::stepDays(false, false), 6);
}

#include "base/Random.h"
#include "app/TForm1.h"
#include "support/TestPlatform.h"

TEST(LuckyNumber, SetsTheSeedOrNothing) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    // A seed outside the box's range is proposed as a number of that range.
    Rng::setSeedSigned(-5);
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));
    f->controls().SpeedButton13->click();
    EXPECT_EQ(f.platform.dialogs->shown.back().text,
              QStringLiteral("Ihre Glückszahl (1-99999999)?|Geben Sie Ihre GlücksZahl für den Zufallsgenerator "
                             "ein!|94967334"));
    EXPECT_EQ(Rng::seed(), 4711u);
    EXPECT_EQ(f->controls().StatusBar1->panelText(1), QStringLiteral("GlücksZahl 4711 gesetzt"));
    EXPECT_EQ(HistoricAnalysis::luckyProposal(99999999u), 99999999);
    EXPECT_EQ(HistoricAnalysis::luckyProposal(0u), 1);
    EXPECT_EQ(HistoricAnalysis::luckyProposal(100000000u), 2);

    // Not a number: seed and status stay, and the player is told why.
    f->controls().StatusBar1->setPanelText(1, QStringLiteral("x"));
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("abc"));
    f->controls().SpeedButton13->click();
    EXPECT_EQ(Rng::seed(), 4711u);
    EXPECT_EQ(f->controls().StatusBar1->panelText(1), QStringLiteral("x"));
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
    ASSERT_EQ(f.platform.dialogs->messages().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->messages()[0].startsWith(QStringLiteral("„abc“ ist keine Zahl.")));

    // Cancelled: the proposal (the current seed, in range) is taken; no range check.
    f.platform.dialogs->inputAnswers.push_back(std::nullopt);
    f->controls().SpeedButton13->click();
    EXPECT_EQ(Rng::seed(), 4711u);
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("-123456789"));
    f->controls().SpeedButton13->click();
    EXPECT_EQ(Rng::seedSigned(), -123456789);
}

namespace {

struct Analysis : ::testing::Test {
    TestProgramDir dir;
    std::vector<DrawRecord> records = twelveDraws();
    std::unique_ptr<FormFixture> f;
    void SetUp() override {
        dir.writeHistory(records);
        f = std::make_unique<FormFixture>(dir, false);
        (*f)->controls().DateTimePicker2->setDate(QDate(2010, 1, 1));
        f->platform.clock->date = QDate(2011, 3, 1);
    }
    TForm1& form() { return *f->form; }
    static int column(const QStringList& lines, int which) {
        int sum = 0;
        for (int i = 1; i <= 13; ++i) sum += lines[i].split(QStringLiteral("=> "))[which].trimmed().toInt();
        return sum;
    }
};

} // namespace

TEST_F(Analysis, ReplaysEveryStepAndSplitsSaturdaysFromWednesdays) {
    form().controls().CheckBox20->setChecked(true);
    form().controls().DateTimePicker1->setDate(DayCount::toDate(records[9].date)); // a Saturday
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));
    form().controls().BitBtn9->click();

    const QStringList shown = f->platform.dialogs->messages();
    ASSERT_EQ(shown.size(), 1) << shown.join(QLatin1Char('|')).toStdString();
    const QStringList lines = shown[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 16);
    // Wednesday 9.3., Saturday 12.3., then the newest draw (12.3.) once more.
    EXPECT_EQ(lines[15], QStringLiteral("Bei 3 Ziehungen"));
    EXPECT_EQ(column(lines, 1), 12);
    EXPECT_EQ(column(lines, 2), 6);
    EXPECT_TRUE(form().controls().CheckBox20->isChecked());
    EXPECT_EQ(f->platform.dialogs->modalCount, 0); // no pool editing during the replay
    EXPECT_EQ(form().controls().StatusBar1->panelText(1).isEmpty(), false);
    EXPECT_EQ(form().controls().DateTimePicker1->date(), DayCount::toDate(records.back().date));
    EXPECT_EQ(form().controls().ListBox1->count(), 6);
    EXPECT_FALSE(form().analysisRunning());
}

TEST_F(Analysis, SameLuckyNumberSameSummary) {
    QStringList summaries;
    for (int i = 0; i < 2; ++i) {
        form().controls().DateTimePicker1->setDate(DayCount::toDate(records[8].date));
        f->platform.dialogs->inputAnswers.push_back(QStringLiteral("99"));
        form().BitBtn9Click();
        summaries << f->platform.dialogs->messages().last();
    }
    EXPECT_EQ(summaries[0], summaries[1]);
}

TEST_F(Analysis, StartOnTodayRunsNoStepAndBadNumberIsReported) {
    // The start date is today's: the loop never runs.
    form().controls().DateTimePicker1->setDate(QDate(2011, 3, 1));
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("5"));
    form().BitBtn9Click();
    EXPECT_TRUE(f->platform.dialogs->messages().last().endsWith(QStringLiteral("Bei 0 Ziehungen")));

    form().controls().CheckBox20->setChecked(true);
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("abc"));
    form().BitBtn9Click();
    EXPECT_EQ(f->platform.dialogs->messages().last(), QStringLiteral("Fehler bei Eingabe der ZufallsZahl"));
    EXPECT_TRUE(form().controls().CheckBox20->isChecked());
}

TEST_F(Analysis, TheButtonStopsARunningAnalysis) {
    form().controls().DateTimePicker1->setDate(DayCount::toDate(records[2].date));
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("1"));
    // Press the button again as soon as the first generation run has put its tips in the list.
    QObject::connect(form().controls().ListBox1->model(), &QAbstractItemModel::rowsInserted, [&] {
        if (form().analysisRunning()) form().controls().BitBtn9->click();
    });
    form().controls().BitBtn9->click();
    const QString summary = f->platform.dialogs->messages().last();
    EXPECT_TRUE(summary.endsWith(QStringLiteral("Bei 1 Ziehungen"))) << summary.toStdString();
    EXPECT_EQ(form().controls().BitBtn9->text(),
              QStringLiteral("Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"));
}

TEST(AnalysisWindow, ClosingTheWindowEndsTheAnalysisAndTheEventLoop) {
    TestProgramDir dir;
    const auto records = twelveDraws();
    dir.writeHistory(records);
    FormFixture f(dir, true); // on screen, as the player has it
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet4);
    f->controls().DateTimePicker2->setDate(QDate(2010, 1, 1));
    f.platform.clock->date = QDate(2011, 3, 1);
    f->controls().DateTimePicker1->setDate(DayCount::toDate(records[1].date));
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));

    // The player closes the window as soon as the first step has put its tips in the list.
    int steps = 0;
    QObject::connect(f->controls().ListBox1->model(), &QAbstractItemModel::rowsInserted, f.form.get(), [&] {
        if (f->analysisRunning() && steps++ == 0) QTimer::singleShot(0, f.form.get(), [&] { f->close(); });
    });
    QTimer::singleShot(0, f.form.get(), [&] { triggerControl(f.form.get(), QStringLiteral("BitBtn9")); });
    // Should the program stay alive, this ends the loop with another code.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(60000);
    const int code = QApplication::exec();
    guard.stop();

    EXPECT_EQ(code, 0);
    EXPECT_FALSE(f->analysisRunning());
    EXPECT_FALSE(f->isVisible());
    // No summary popped up for a window that was gone, and the analysis did not go on to the end.
    EXPECT_TRUE(f.platform.dialogs->messages().isEmpty()) << f.platform.dialogs->messages().join('|').toStdString();
    EXPECT_NE(f->controls().DateTimePicker1->date(), DayCount::toDate(records.back().date));
    // The shutdown saved the tips as they were when the window closed.
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("tipps.txt"))));
}

// Reduced-system lines in the list when the replay starts are checked by their own system; the
// tips of every step are made of the system the player chose, with as many numbers.
TEST_F(Analysis, TheReplaysTipsCarryTheChosenSystemWhateverTheListHeld) {
    dir.installBesideFiles();
    form().setEvaluationEnabled(true);
    form().controls().ListBox1->addItem(QStringLiteral("01,10,19,28,37,02,03,04,05,06:610"));
    form().controls().DateTimePicker1->setDate(DayCount::toDate(records[9].date));
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));
    form().BitBtn9Click();
    const QStringList lines = form().tipLines();
    ASSERT_EQ(lines.size(), 6);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.endsWith(QStringLiteral(":Normal"))) << line.toStdString();
        EXPECT_EQ(line.count(QLatin1Char(',')), 5) << line.toStdString();
    }
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
}
