#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "stats/HistorySnapshot.h"
#include "stats/Statistics.h"
#include "support/TestPlatform.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One draw: 4 15 23 31 38 45 + 12.
struct WindowEvaluation : ::testing::Test {
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;
    void SetUp() override {
        dir.installBesideFiles();
        // The texts checked below are the German ones; without a choice the window starts Greek.
        storeLanguage(QStringLiteral("Deutsch1"));
        dir.writeHistory({makeDraw(QDate(2011, 10, 12), {4, 15, 23, 31, 38, 45}, 12)});
        f = std::make_unique<FormFixture>(dir, true);
    }
    TForm1& form() { return *f->form; }
    QStringList hitList() {
        QStringList out;
        for (int i = 0; i < form().controls().ListBox2->count(); ++i) out << form().controls().ListBox2->item(i)->text();
        return out;
    }
    void setTips(const QStringList& lines) {
        form().controls().ListBox1->clear();
        form().controls().ListBox1->addItems(lines);
    }
};

} // namespace

TEST_F(WindowEvaluation, HitListStatusSoundAndTally) {
    setTips({QStringLiteral("04,15,23,31,38,12:Normal"), QStringLiteral("   "),
             QStringLiteral("01,02,03,04,15,23:Normal"), QStringLiteral("04,15,23,31,01,12:Normal"),
             QStringLiteral("04,15,23,31,38,45:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 6);
    // The blank line is gone; every other line has its entry.
    EXPECT_EQ(form().controls().ListBox1->count(), 4);
    EXPECT_EQ(hitList(), (QStringList{"5 + Z", "3", "4", "6"}));
    EXPECT_EQ(form().controls().StatusBar1->panelText(0), QStringLiteral("Max-Gewinn 6er"));
    EXPECT_EQ(f->platform.sound->played.size(), 4);
    EXPECT_EQ(f->platform.sound->played.front(), dir.file(QStringLiteral("yippee.wav")));
    EXPECT_EQ(form().hitTally().count(5, true), 1);
    EXPECT_EQ(form().hitTally().count(4, true), 1);
    EXPECT_EQ(form().hitTally().count(6, false), 1);

    setTips({QStringLiteral("01,02,03,04,05,06:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 1);
    EXPECT_EQ(form().controls().StatusBar1->panelText(0), QString());

    // Switched off (a generation run): nothing is evaluated, the lists stay.
    form().setEvaluationEnabled(false);
    setTips({QStringLiteral("04,15,23,31,38,45:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 0);
    EXPECT_EQ(hitList(), QStringList{"1"});
    form().setEvaluationEnabled(true);
}

TEST_F(WindowEvaluation, LinesSetTheSelectorAndLinesWithoutColonFollowIt) {
    setTips({QStringLiteral("04,15,23,31,38,45,12,01:008"), QStringLiteral("04,15,23,31,38,45,12")});
    form().Komplettcheck();
    // The full system line shows "Vollsystem"; the line after it is counted the same way.
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Vollsystem"));
    EXPECT_EQ(hitList(), (QStringList{"6", "6"}));
}

TEST_F(WindowEvaluation, ReducedSystemUsesTheShippedTable) {
    // 609 guarantees three hits when three winning numbers are among the nine.
    form().Zettelcheck(QStringLiteral("04,15,23,01,02,03,05,06,07:609"));
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("VEW:609"));
    // The table is loaded by the selector's change step when the user picks or types it; the
    // line has no designation, so the selector's text decides how it is counted.
    setTips({QStringLiteral("04,15,23,01,02,03,05,06,07")});
    QLineEdit* edit = form().controls().ComboBox1->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("VEW:609"));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("vew/609.txt"))));
    EXPECT_GT(form().systemTable().rowCount(), 0) << form().controls().StatusBar1->panelText(1).toStdString();
    EXPECT_EQ(form().controls().StatusBar1->panelText(1),
              QString::number(form().systemTable().rowCount()) + QStringLiteral("Tippreihen pro Tipp!"));
    EXPECT_EQ(hitList(), QStringList{"3"});
}

TEST_F(WindowEvaluation, SizeStepOffersTheKindThatFits) {
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(form().controls().StatusBar1->panelText(1), QStringLiteral("Wählen Sie Ihre Spielsystem"));
    form().controls().UpDown18->stepUp(); // as an arrow click
    EXPECT_EQ(form().controls().UpDown18->position(), 7);
    EXPECT_EQ(form().controls().ComboBox1->count(), 1);
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Vollsystem"));
    EXPECT_EQ(form().systemTable().rowCount(), 7);
    EXPECT_EQ(form().controls().StatusBar1->panelText(1), QStringLiteral("7 Tippreihen pro Tipp!"));
    EXPECT_EQ(form().controls().UpDown8->maximum(), 3);
    form().controls().UpDown18->stepDown();
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(form().controls().UpDown8->position(), 3);
    EXPECT_EQ(form().controls().UpDown8->maximum(), 6);
    EXPECT_EQ(form().systemTable().rowCount(), 7);
}

TEST(WindowEvaluationStart, MissingHistoryAtActivationAndTheStoredSystem) {
    TestProgramDir dir;
    FormFixture f(dir, true);
    // The draw lookup's message, then the chart's file error; the selector keeps its entry.
    EXPECT_EQ(f.platform.dialogs->messages(),
              QStringList{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")});
    EXPECT_EQ(f->controls().ComboBox1->currentText(), QStringLiteral("Normal"));
}

namespace {

// The chart shows exactly the frequencies of these records under the window's filter.
void expectFrequencyChartOf(TForm1& form, const std::vector<DrawRecord>& records) {
    const Statistics::NumberFrequencies expected = Statistics::numberFrequencies(records, form.drawFilter());
    const BarSeries* bars = form.controls().Chart1->model()->series2();
    ASSERT_EQ(bars->count(), 49);
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(bars->yValue(n - 1), expected.count[n]) << n;
}

} // namespace

// At start-up one reading of the history serves the damage check, the draw shown and the
// frequency chart; a repaired file is read again and shown as repaired.
TEST(WindowEvaluationStart, OneReadingOfTheHistoryServesTheWholeActivation) {
    const std::vector<DrawRecord> real = realHistory();
    {
        TestProgramDir dir;
        QDir().mkpath(dir.path());
        // Written by the program's own writer: the snapshot trusts it however young it is.
        DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))).replaceAll(real);
        FormFixture f(dir, true);
        EXPECT_TRUE(f.platform.dialogs->questions().isEmpty());
        EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
        EXPECT_EQ(f->historySnapshot().loadCount(), 1u);
        EXPECT_FALSE(f->controls().Label29->text().isEmpty());
        EXPECT_NE(std::find_if(real.begin(), real.end(),
                               [&](const DrawRecord& r) { return r.date == f->currentDraw().date; }),
                  real.end());
        expectFrequencyChartOf(*f.form, real);
    }
    // A record that is no draw (a number twice) between two draws: reported, and counted in
    // the chart until repaired.
    std::vector<DrawRecord> damaged = real;
    DrawRecord garbage = real[1000];
    garbage.date += 1;
    garbage.numbers[1] = garbage.numbers[0];
    damaged.insert(damaged.begin() + 1001, garbage);
    for (const Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
        TestProgramDir dir;
        QDir().mkpath(dir.path());
        DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))).replaceAll(damaged);
        FormFixture f(dir, false);
        f.platform.dialogs->questionAnswers = {answer};
        f->show();
        FormFixture::processEvents();
        const QStringList asked = f.platform.dialogs->questions();
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked[0].contains(QStringLiteral("1 von %1").arg(damaged.size()))) << asked[0].toStdString();
        EXPECT_TRUE(asked[0].contains(QStringLiteral("Position 1002"))) << asked[0].toStdString();
        if (answer == Dialogs::Answer::No) {
            EXPECT_EQ(f->historySnapshot().loadCount(), 1u);
            expectFrequencyChartOf(*f.form, damaged);
        } else {
            ASSERT_EQ(dir.readHistory(), real);
            // The repaired file has a new stamp: read once more, and the chart shows it.
            EXPECT_EQ(f->historySnapshot().loadCount(), 2u);
            EXPECT_EQ(f->historySnapshot().records()->records, real);
            expectFrequencyChartOf(*f.form, real);
        }
        EXPECT_NE(Statistics::numberFrequencies(damaged, f->drawFilter()).count,
                  Statistics::numberFrequencies(real, f->drawFilter()).count);
    }
}
