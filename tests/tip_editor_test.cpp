#include "app/TForm1.h"
#include "gui/TForm6.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

struct TipEditor : ::testing::Test {
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;

    void SetUp() override {
        dir.installBesideFiles();
        // The texts checked below are the German ones; without a choice the window starts Greek.
        storeLanguage(QStringLiteral("Deutsch1"));
        dir.writeHistory({makeDraw(QDate(2025, 8, 27), {3, 11, 17, 25, 38, 45}, 44)});
        f = std::make_unique<FormFixture>(dir);
    }
    TForm1& form() { return *f->form; }
    FakeDialogs& dialogs() { return *f->platform.dialogs; }

    // Edits item `index`; the window's answer changes the boxes (numbers to tick and untick)
    // and closes with `result`.
    void edit(int index, std::vector<int> tick, std::vector<int> untick, int result = TForm6::mrOk) {
        form().controls().ListBox1->setCurrentRow(index);
        dialogs().modalAnswers.push_back([=](QDialog* d) {
            auto* chooser = static_cast<TForm6*>(d);
            for (int n : tick) chooser->box(n)->setChecked(true);
            for (int n : untick) chooser->box(n)->setChecked(false);
            return result;
        });
        form().controls().SpeedEdit->click();
    }
    QString line(int index) { return form().controls().ListBox1->item(index)->text(); }
};

} // namespace

TEST_F(TipEditor, PreparesTheWindowAndKeepsANormalLineNormal) {
    form().controls().ListBox1->addItems(
        {QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("03,11,17,25,38,44:Normal")});
    form().controls().ListBox1->setCurrentRow(1);
    TForm6* chooser = form().form6();
    bool prepared = false;
    dialogs().modalAnswers.push_back([&](QDialog* d) {
        EXPECT_EQ(d, chooser);
        EXPECT_TRUE(chooser->BitBtn3->isHidden());
        EXPECT_FALSE(chooser->BitBtn4->isHidden());
        EXPECT_EQ(chooser->PickCount, 6);
        for (int n = 1; n <= 49; ++n) {
            const bool inTip = n == 3 || n == 11 || n == 17 || n == 25 || n == 38 || n == 44;
            EXPECT_EQ(chooser->box(n)->isChecked(), inTip) << n;
            EXPECT_EQ(chooser->boxColour(n), inTip ? TForm6::BoxColour::Picked : TForm6::BoxColour::Neutral);
        }
        prepared = true;
        chooser->box(45)->setChecked(true);
        return int(TForm6::mrOk);
    });
    form().controls().SpeedEdit->click();
    ASSERT_TRUE(prepared);
    EXPECT_EQ(line(1), QStringLiteral("03,11,17,25,38,44,45:Normal"));
    EXPECT_EQ(line(0), QStringLiteral("01,02,03,04,05,06:Normal"));
    // Afterwards: the window back in its generator form, the hit list rebuilt for the new line.
    EXPECT_FALSE(chooser->BitBtn3->isHidden());
    EXPECT_TRUE(chooser->BitBtn4->isHidden());
    EXPECT_EQ(chooser->boxColour(45), TForm6::BoxColour::Neutral);
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
    ASSERT_EQ(form().controls().ListBox2->count(), 2);
    EXPECT_EQ(form().controls().ListBox2->item(1)->text(), QStringLiteral("6"));
}

TEST_F(TipEditor, DesignationsOfSystemLines) {
    form().controls().ListBox1->addItems({QStringLiteral("02,05,09,14,21,30,41:007"),
                                  QStringLiteral("02,05,09,14,21,30,41,44:008"),
                                  QStringLiteral("01,04,08,15,16,23,30,42,47:609")});
    edit(0, {}, {9});
    EXPECT_EQ(line(0), QStringLiteral("02,05,14,21,30,41:"));
    edit(1, {1, 49}, {});
    EXPECT_EQ(line(1), QStringLiteral("01,02,05,09,14,21,30,41,44,49:010"));
    edit(2, {2, 3}, {});
    EXPECT_EQ(line(2), QStringLiteral("01,02,03,04,08,15,16,23,30,42,47:609"));
    edit(2, {}, {1, 2, 3, 4, 8});
    EXPECT_EQ(line(2), QStringLiteral("15,16,23,30,42,47:609"));
}

TEST_F(TipEditor, TwelveNumbersAtMostNoneAtLeastAndCancel) {
    form().controls().ListBox1->addItem(QStringLiteral("03,11,17,25,38,44:Normal"));
    edit(0, {1, 2, 4, 5, 6, 7, 8, 9, 10}, {});
    EXPECT_EQ(line(0), QStringLiteral("01,02,03,04,05,06,07,08,09,10,11,17:Normal"));
    edit(0, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 17, 25, 38, 44});
    EXPECT_EQ(line(0), QStringLiteral(":Normal"));

    form().controls().ListBox1->item(0)->setText(QStringLiteral("03,11,17,25,38,44:Normal"));
    form().controls().ListBox2->clear();
    edit(0, {1}, {3}, TForm6::mrAbort);
    EXPECT_EQ(line(0), QStringLiteral("03,11,17,25,38,44:Normal"));
    // The list is checked again whatever the outcome.
    EXPECT_EQ(form().controls().ListBox2->count(), 1);
    EXPECT_FALSE(form().form6()->BitBtn3->isHidden());
}

TEST_F(TipEditor, NoSelectionOnlyTellsTheUser) {
    form().controls().ListBox1->addItem(QStringLiteral("03,11,17,25,38,44:Normal"));
    form().controls().SpeedEdit->click();
    EXPECT_EQ(dialogs().messages(), QStringList{QStringLiteral("Wählen Sie zuerst einen Tipp aus")});
    EXPECT_EQ(dialogs().modalCount, 0);
}

TEST_F(TipEditor, BadFieldsStopTheMarking) {
    form().controls().ListBox1->addItem(QStringLiteral("03,11,xx,25,38,44:Normal"));
    form().controls().ListBox1->setCurrentRow(0);
    std::vector<int> shown;
    dialogs().modalAnswers.push_back([&](QDialog* d) {
        for (int n = 1; n <= 49; ++n)
            if (static_cast<TForm6*>(d)->box(n)->isChecked()) shown.push_back(n);
        return int(QDialog::Rejected);
    });
    form().controls().SpeedEdit->click();
    EXPECT_EQ(shown, (std::vector<int>{3, 11}));
    EXPECT_TRUE(dialogs().errors().isEmpty());
}

TEST_F(TipEditor, ListsKeepTheSameSelectionAndClearTogether) {
    form().controls().ListBox1->addItems(
        {QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("07,08,09,10,11,12:Normal"),
         QStringLiteral("13,14,15,16,17,18:Normal"), QStringLiteral("19,20,21,22,23,24:Normal"),
         QStringLiteral("25,26,27,28,29,30:Normal")});
    form().Komplettcheck();
    ASSERT_EQ(form().controls().ListBox2->count(), 5);
    form().controls().ListBox2->setCurrentRow(4);
    EXPECT_EQ(form().controls().ListBox1->currentRow(), 4);
    form().controls().ListBox1->setCurrentRow(1);
    EXPECT_EQ(form().controls().ListBox2->currentRow(), 1);
    // Checking the list again empties and refills the hit list; the tip stays selected.
    form().Komplettcheck();
    EXPECT_EQ(form().controls().ListBox1->currentRow(), 1);

    form().controls().ListBox1->setCurrentRow(-1);
    form().controls().SpeedButton11->click();
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
    EXPECT_EQ(form().controls().ListBox2->count(), 0);
}

TEST_F(TipEditor, UsesTheWindowOfTheLastPoolEdit) {
    TForm6* first = form().form6();
    form().controls().CheckBox20->setChecked(true);
    form().controls().UpDown9->setPosition(1);
    form().controls().CheckBox9->setChecked(false);
    dialogs().modalAnswers.push_back([](QDialog*) { return int(TForm6::mrOk); });
    form().controls().BitBtn4->click();
    TForm6* fresh = form().form6();
    ASSERT_NE(fresh, first);
    ASSERT_EQ(form().controls().ListBox1->count(), 1);
    QDialog* used = nullptr;
    form().controls().ListBox1->setCurrentRow(0);
    dialogs().modalAnswers.push_back([&](QDialog* d) {
        used = d;
        return int(QDialog::Rejected);
    });
    form().controls().SpeedEdit->click();
    EXPECT_EQ(used, fresh);
}

TEST(TipList, TheBinClearsTheTipListWithAnUndo) {
    TestProgramDir dir;
    dir.writeHistory({makeDraw(QDate(2025, 8, 6), {1, 2, 3, 4, 5, 6}, 7),
                      makeDraw(QDate(2025, 8, 9), {5, 7, 30, 33, 35, 36}, 12)});
    FormFixture f(dir, false);
    const QStringList tips{QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("05,07,30,33,35,36:Normal")};
    f->controls().ListBox1->addItems(tips);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet1);
    EXPECT_TRUE(f->controls().TippsZurueck->isHidden());
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton11")));
    EXPECT_EQ(f->controls().ListBox1->count(), 0);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("TippsZurueck")));
    EXPECT_EQ(f->tipLines(), tips);
    EXPECT_EQ(f->controls().ListBox2->count(), 2); // checked again
    EXPECT_TRUE(f->controls().TippsZurueck->isHidden());

    // Once tips come in again the undo is gone (it would otherwise mix two lists).
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton11")));
    f->controls().ListBox1->addItem(tips[0]);
    EXPECT_TRUE(f->controls().TippsZurueck->isHidden());
    // An empty list offers nothing to undo.
    f->SpeedButton11Click();
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton11")));
    EXPECT_TRUE(f->controls().TippsZurueck->isHidden());
}
