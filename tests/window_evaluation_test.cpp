#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "history/PrizeTable.h"
#include "stats/Statistics.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

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

TEST_F(WindowEvaluation, LinesWithoutColonFollowTheLineBeforeAndTheSelectorStays) {
    setTips({QStringLiteral("04,15,23,31,38,45,12,01:008"), QStringLiteral("04,15,23,31,38,45,12")});
    form().Komplettcheck();
    // The line after the full system is counted the same way; the selector keeps the player's
    // choice, the system new tips get.
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(hitList(), (QStringList{"6", "6"}));
}

TEST_F(WindowEvaluation, ReducedSystemUsesTheShippedTable) {
    // 609 guarantees three hits when three winning numbers are among the nine.
    form().Zettelcheck(QStringLiteral("04,15,23,01,02,03,05,06,07:609"));
    EXPECT_EQ(form().ticketResult().hits, 3);
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
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

// At start-up the damage check, the draw shown and the frequency chart see the history; a
// repaired file is shown as repaired.
TEST(WindowEvaluationStart, TheActivationChecksShowsAndChartsTheHistory) {
    const std::vector<DrawRecord> real = realHistory();
    {
        TestProgramDir dir;
        QDir().mkpath(dir.path());
        DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))).replaceAll(real);
        FormFixture f(dir, true);
        EXPECT_TRUE(f.platform.dialogs->questions().isEmpty());
        EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
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
            expectFrequencyChartOf(*f.form, damaged);
        } else {
            ASSERT_EQ(dir.readHistory(), real);
            expectFrequencyChartOf(*f.form, real);
        }
        EXPECT_NE(Statistics::numberFrequencies(damaged, f->drawFilter()).count,
                  Statistics::numberFrequencies(real, f->drawFilter()).count);
    }
}

namespace {

// One draw, 4 15 23 31 38 45 + 12, with the shipped tables and a prize table file written as
// the update keeps it beside the history.
struct SystemLines : WindowEvaluation {
    QStringList entries() {
        QStringList out;
        for (int i = 0; i < form().controls().ComboBox1->count(); ++i) out << form().controls().ComboBox1->itemText(i);
        return out;
    }
    void writePrizes(std::vector<PrizeTier> tiers) {
        PrizeTable table;
        table.merge({QDate(2011, 10, 12), 1200, std::move(tiers)});
        table.write(form().prizeTablePath());
    }
};

// Hand-checked against the table vew/610.txt: its fifth row (x-xx-x-xx-) holds the positions
// 1, 3, 4, 6, 8, 9, here 01 04 07 15 23 30, three winning numbers; its first row (xxxxxx----)
// the first six numbers.
const QStringList kReducedLines{
    QStringLiteral("01,02,04,07,08,15,20,23,30,40:610"), // 3
    QStringLiteral("01,02,03,05,06,07,08,09,10,11:610"), // 0
    QStringLiteral("04,15,23,31,01,02,03,05,06,07:610"), // 4
    QStringLiteral("01,02,04,07,08,15,20,23,30,40:999"), // no such table
};

} // namespace

TEST_F(SystemLines, ATipFileOfReducedLinesIsScoredByItsTablesOnAFreshStart) {
    // Nothing but "Normal" was ever chosen: no table is loaded.
    ASSERT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    ASSERT_EQ(form().systemTable().rowCount(), 0);
    QFile file(dir.file(QStringLiteral("vew-tipps.hlt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write((kReducedLines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    file.close();
    f->platform.dialogs->openAnswers.push_back(file.fileName());
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SpeedButton16")));

    EXPECT_EQ(hitList(), (QStringList{"3", "0", "4", "Tabelle 999 fehlt"}));
    EXPECT_EQ(form().controls().StatusBar1->panelText(0), QStringLiteral("Max-Gewinn 4er"));
    // The selector keeps the player's choice; new tips would still be single tips.
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    // Without a prize table the list shows hits only; the wins' money is not known.
    EXPECT_EQ(form().controls().Panel14->caption(), QStringLiteral("Treffer"));
    EXPECT_EQ(form().controls().HitListTotal->text(), QStringLiteral("Gewinn: unbekannt (Einsatz 15,00 €)"));
    // Three lines of ten rows at 0,50 € per row and draw; the line without a table costs nothing.
    EXPECT_EQ(form().controls().TipListStake->text(),
              QStringLiteral("Einsatz je Ziehung: 30 Reihe(n) × 0,50 € = 15,00 €; Tabelle 999 fehlt"));

    // The tip test over the same lines finds the threes and the four on the draw.
    form().controls().DateTimePicker2->setDate(QDate(2011, 1, 1));
    f->platform.dialogs->inputAnswers.push_back(QStringLiteral("3"));
    form().SpeedButton4Click();
    const QString summary = f->platform.dialogs->messages().last();
    EXPECT_TRUE(summary.contains(QStringLiteral("Ziehungen mit mindestens 3 Richtigen: 1"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 1 (") + kReducedLines[0] + QStringLiteral("): 1 Treffer")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 2 (") + kReducedLines[1] + QStringLiteral("): 0 Treffer")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Tipp 3 (") + kReducedLines[2] + QStringLiteral("): 1 Treffer")))
        << summary.toStdString();
}

TEST_F(SystemLines, TheSelectorListsTheReducedSystemsThatFitEachSize) {
    struct Size {
        int n;
        QStringList entries;
        QStringList hints;
    };
    const Size sizes[] = {
        {6, {"Normal"}, {"1 Tippreihe(n) pro Tipp"}},
        {7, {"Vollsystem"}, {"7 Tippreihe(n) pro Tipp"}},
        {8, {"Vollsystem"}, {"28 Tippreihe(n) pro Tipp"}},
        {9, {"Vollsystem", "VEW:609"}, {"84 Tippreihe(n) pro Tipp", "7 Tippreihe(n) pro Tipp"}},
        {10,
         {"Vollsystem", "VEW:610", "VEW:710"},
         {"210 Tippreihe(n) pro Tipp", "10 Tippreihe(n) pro Tipp", "21 Tippreihe(n) pro Tipp"}},
        {11, {"Vollsystem", "VEW:711"}, {"462 Tippreihe(n) pro Tipp", "34 Tippreihe(n) pro Tipp"}},
    };
    QComboBox* selector = form().controls().ComboBox1;
    for (const Size& size : sizes) {
        if (size.n > 6) form().controls().UpDown18->stepUp(); // as an arrow click
        ASSERT_EQ(form().controls().UpDown18->position(), size.n);
        EXPECT_EQ(entries(), size.entries) << size.n;
        QStringList hints;
        for (int i = 0; i < selector->count(); ++i) hints << selector->itemData(i, Qt::ToolTipRole).toString();
        EXPECT_EQ(hints, size.hints) << size.n;
        EXPECT_EQ(selector->currentText(), size.entries.front()) << size.n;
    }
    // The arrows stop at eleven.
    form().controls().UpDown18->stepUp();
    EXPECT_EQ(form().controls().UpDown18->position(), 11);
}

TEST_F(SystemLines, APickedOrTypedSystemMakesTheTipsAndStaysChosen) {
    // A size typed into the edit runs the size step as the arrows do.
    QLineEdit* size = form().controls().UpDown18->edit();
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("10"));
    EXPECT_EQ(form().controls().UpDown18->position(), 10);
    EXPECT_EQ(entries(), (QStringList{"Vollsystem", "VEW:610", "VEW:710"}));
    EXPECT_EQ(form().controls().StatusBar1->panelText(1), QStringLiteral("210 Tippreihen pro Tipp!"));

    // Picked from the list with the keyboard: the entry's text, its table loaded.
    QComboBox* selector = form().controls().ComboBox1;
    QTest::keyClick(selector, Qt::Key_Down);
    EXPECT_EQ(selector->currentText(), QStringLiteral("VEW:610"));
    EXPECT_EQ(form().systemTable().rowCount(), 10);
    EXPECT_EQ(form().controls().StatusBar1->panelText(1), QStringLiteral("10Tippreihen pro Tipp!"));
    form().Label28Click();
    ASSERT_GT(form().controls().ListBox1->count(), 0);
    for (const QString& line : form().tipLines()) {
        EXPECT_TRUE(line.endsWith(QStringLiteral(":610"))) << line.toStdString();
        EXPECT_EQ(line.count(QLatin1Char(',')), 9) << line.toStdString();
    }

    // Typed over with those tips in the list: the typed system stays in the selector.
    QLineEdit* edit = selector->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("VEW:710"));
    EXPECT_EQ(selector->currentText(), QStringLiteral("VEW:710"));
    EXPECT_EQ(form().systemTable().rowCount(), 21);
}

TEST_F(SystemLines, AFullSystemOfEightWithFourHitsShowsItsTiersAndEuros) {
    form().controls().UpDown18->setPosition(8);
    form().UpDown18Click();
    writePrizes({{1, 6, false, 0, 0, 0, 0}, {2, 5, false, 1500.0, 3, 0, 0}, {3, 4, false, 35.0, 90, 0, 0},
                 {4, 3, false, 1.5, 2000, 1.5, 0}});
    // Four winning numbers among the eight: 6 columns hold the four, 16 a three.
    setTips({QStringLiteral("01,02,03,04,05,15,23,31:008")});
    form().SpeedButton5Click();
    EXPECT_EQ(hitList(), QStringList{"4  6 × 4er, 16 × 3er = 234,00 €"});
    EXPECT_EQ(form().controls().Panel14->caption(), QStringLiteral("Treffer und Gewinn"));
    EXPECT_EQ(form().controls().HitListTotal->text(), QStringLiteral("Gewinn: 234,00 € (Einsatz 14,00 €)"));
    EXPECT_EQ(form().controls().TipListStake->text(),
              QStringLiteral("Einsatz je Ziehung: 28 Reihe(n) × 0,50 € = 14,00 €"));
    EXPECT_EQ(form().controls().ListBox2->item(0)->toolTip(), QStringLiteral("Gewinn: 234,00 €"));

    // A tier the table does not know is never guessed.
    writePrizes({{3, 4, false, 35.0, 90, 0, 0}});
    form().SpeedButton5Click();
    EXPECT_EQ(hitList(), QStringList{"4  6 × 4er, 16 × 3er = 210,00 € + unbekannt"});
    EXPECT_EQ(form().controls().HitListTotal->text(), QStringLiteral("Gewinn: 210,00 € + unbekannt (Einsatz 14,00 €)"));

    // The price per row follows the fee field of the draw days played.
    form().controls().CheckBox17->setChecked(false);
    form().controls().Edit3->setText(QStringLiteral("1,00"));
    EXPECT_EQ(form().controls().TipListStake->text(),
              QStringLiteral("Einsatz je Ziehung: 28 Reihe(n) × 1,00 € = 28,00 €"));

    // In another language the entries and their caption follow at once, without a win sound.
    const auto sounds = f->platform.sound->played.size();
    form().Englichen1Click();
    EXPECT_EQ(hitList(), QStringList{"4  6 × 4 hits, 16 × 3 hits = €210.00 + unknown"});
    EXPECT_EQ(form().controls().Panel14->caption(), QStringLiteral("Hits and winnings"));
    EXPECT_EQ(form().controls().TipListStake->text(), QStringLiteral("Stake per draw: 28 lines × €1.00 = €28.00"));
    EXPECT_EQ(f->platform.sound->played.size(), sounds);
}
