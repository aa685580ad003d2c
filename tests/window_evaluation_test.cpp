#include "app/TForm1.h"
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
        for (int i = 0; i < form().ui.ListBox2->count(); ++i) out << form().ui.ListBox2->item(i)->text();
        return out;
    }
    void setTips(const QStringList& lines) {
        form().ui.ListBox1->clear();
        form().ui.ListBox1->addItems(lines);
    }
};

} // namespace

TEST_F(WindowEvaluation, HitListStatusSoundAndTally) {
    setTips({QStringLiteral("04,15,23,31,38,12:Normal"), QStringLiteral("   "),
             QStringLiteral("01,02,03,04,15,23:Normal"), QStringLiteral("04,15,23,31,01,12:Normal"),
             QStringLiteral("04,15,23,31,38,45:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 6);
    // The blank line is gone; every other line has its entry.
    EXPECT_EQ(form().ui.ListBox1->count(), 4);
    EXPECT_EQ(hitList(), (QStringList{"5 + Z", "3", "4", "6"}));
    EXPECT_EQ(form().ui.StatusBar1->panelText(0), QStringLiteral("Max-Gewinn 6er"));
    EXPECT_EQ(f->platform.sound->played.size(), 4);
    EXPECT_EQ(f->platform.sound->played.front(), dir.file(QStringLiteral("yippee.wav")));
    EXPECT_EQ(form().hitTally.count(5, true), 1);
    EXPECT_EQ(form().hitTally.count(4, true), 1);
    EXPECT_EQ(form().hitTally.count(6, false), 1);

    setTips({QStringLiteral("01,02,03,04,05,06:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 1);
    EXPECT_EQ(form().ui.StatusBar1->panelText(0), QString());

    // Switched off (a generation run): nothing is evaluated, the lists stay.
    form().EvaluationEnabled = false;
    setTips({QStringLiteral("04,15,23,31,38,45:Normal")});
    EXPECT_EQ(form().Komplettcheck(), 0);
    EXPECT_EQ(hitList(), QStringList{"1"});
    form().EvaluationEnabled = true;
}

TEST_F(WindowEvaluation, LinesSetTheSelectorAndLinesWithoutColonFollowIt) {
    setTips({QStringLiteral("04,15,23,31,38,45,12,01:008"), QStringLiteral("04,15,23,31,38,45,12")});
    form().Komplettcheck();
    // The full system line shows "Vollsystem"; the line after it is counted the same way.
    EXPECT_EQ(form().ui.ComboBox1->currentText(), QStringLiteral("Vollsystem"));
    EXPECT_EQ(hitList(), (QStringList{"6", "6"}));
}

TEST_F(WindowEvaluation, ReducedSystemUsesTheShippedTable) {
    // 609 guarantees three hits when three winning numbers are among the nine.
    form().Zettelcheck(QStringLiteral("04,15,23,01,02,03,05,06,07:609"));
    EXPECT_EQ(form().ui.ComboBox1->currentText(), QStringLiteral("VEW:609"));
    // The table is loaded by the selector's change step when the user picks or types it; the
    // line has no designation, so the selector's text decides how it is counted.
    setTips({QStringLiteral("04,15,23,01,02,03,05,06,07")});
    QLineEdit* edit = form().ui.ComboBox1->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("VEW:609"));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("vew/609.txt"))));
    EXPECT_GT(form().systemTable.rowCount(), 0) << form().ui.StatusBar1->panelText(1).toStdString();
    EXPECT_EQ(form().ui.StatusBar1->panelText(1),
              QString::number(form().systemTable.rowCount()) + QStringLiteral("Tippreihen pro Tipp!"));
    EXPECT_EQ(hitList(), QStringList{"3"});
}

TEST_F(WindowEvaluation, SizeStepOffersTheKindThatFits) {
    EXPECT_EQ(form().ui.ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(form().ui.StatusBar1->panelText(1), QStringLiteral("Wählen Sie Ihre Spielsystem"));
    form().ui.UpDown18->stepUp(); // as an arrow click
    EXPECT_EQ(form().ui.UpDown18->position(), 7);
    EXPECT_EQ(form().ui.ComboBox1->count(), 1);
    EXPECT_EQ(form().ui.ComboBox1->currentText(), QStringLiteral("Vollsystem"));
    EXPECT_EQ(form().systemTable.rowCount(), 7);
    EXPECT_EQ(form().ui.StatusBar1->panelText(1), QStringLiteral("7 Tippreihen pro Tipp!"));
    EXPECT_EQ(form().ui.UpDown8->maximum(), 3);
    form().ui.UpDown18->stepDown();
    EXPECT_EQ(form().ui.ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(form().ui.UpDown8->position(), 3);
    EXPECT_EQ(form().ui.UpDown8->maximum(), 6);
    EXPECT_EQ(form().systemTable.rowCount(), 7);
}

TEST(WindowEvaluationStart, MissingHistoryAtActivationAndTheStoredSystem) {
    TestProgramDir dir;
    FormFixture f(dir, true);
    // The draw lookup's message, then the chart's file error; the selector keeps its entry.
    EXPECT_EQ(f.platform.dialogs->messages(),
              QStringList{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")});
    EXPECT_EQ(f->ui.ComboBox1->currentText(), QStringLiteral("Normal"));
}
