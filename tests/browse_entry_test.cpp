#include "app/TForm1.h"
#include "history/DrawHistory.h"
#include "gui/TForm3.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Wednesdays and Saturdays alternating from Wednesday 5 January 2011.
std::vector<DrawRecord> alternating(int count) {
    std::vector<DrawRecord> records;
    QDate date(2011, 1, 5);
    for (int i = 0; i < count; ++i) {
        records.push_back(
            makeDraw(date, {1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 45}, 46));
        date = date.addDays(date.dayOfWeek() == Qt::Wednesday ? 3 : 4);
    }
    return records;
}

struct Browsing : ::testing::Test {
    TestProgramDir dir;
    std::vector<DrawRecord> records = alternating(12);
    std::unique_ptr<FormFixture> f;
    void SetUp() override {
        dir.writeHistory(records);
        f = std::make_unique<FormFixture>(dir, false);
    }
    void showIndex(int index) {
        (*f)->controls().DateTimePicker1->setDate(DayCount::toDate(records[index].date));
        (*f)->SpeedButton5Click();
        ASSERT_EQ((*f)->currentDraw().index, index);
    }
    TForm1& form() { return *f->form; }
};

} // namespace

TEST_F(Browsing, StepsBackAndForthAndStopsAtBothEnds) {
    showIndex(5);
    form().controls().SpeedButton6->click();
    EXPECT_EQ(form().currentDraw().index, 4);
    EXPECT_EQ(form().currentDraw().date, records[4].date);
    EXPECT_EQ(form().controls().DateTimePicker1->date(), DayCount::toDate(records[4].date));
    form().controls().SpeedButton7->click();
    EXPECT_EQ(form().currentDraw().index, 5);

    showIndex(0);
    form().browse(false);
    EXPECT_EQ(form().currentDraw().index, 0);
    EXPECT_EQ(form().currentDraw().date, records[0].date);

    showIndex(11);
    form().browse(true);
    EXPECT_EQ(form().currentDraw().index, 11);
    EXPECT_EQ(form().currentDraw().date, records[11].date);
}

TEST_F(Browsing, DrawTextOfAStep) {
    showIndex(3);
    form().browse(false);
    const DrawRecord& r = records[2];
    const QString expected =
        DayCount::shortWeekdayText(r.date) + QStringLiteral("    3  4  5  6  7  45   +  46");
    EXPECT_EQ(form().controls().Label29->text(), expected);
    EXPECT_EQ(form().controls().Label35->text(), expected);
    EXPECT_EQ(form().controls().Label13->text(), QStringLiteral("Quersumme: 70"));
}

TEST_F(Browsing, SwitchedOffWeekdaysAreSteppedOver) {
    // Index 10 is a Wednesday (even indices); Saturdays off: back skips index 9.
    showIndex(10);
    form().controls().CheckBox16->setChecked(false);
    form().browse(false);
    EXPECT_EQ(form().currentDraw().index, 8);

    // Wednesdays off, the last draw (index 11) is a Saturday: forward lands on it directly.
    form().controls().CheckBox16->setChecked(true);
    form().controls().CheckBox17->setChecked(false);
    showIndex(9);
    form().browse(true);
    EXPECT_EQ(form().currentDraw().index, 11);
}

TEST_F(Browsing, LastDrawSteppedOverReturnsToTheOneBefore) {
    // Drop the final Saturday so the last draw is a Wednesday.
    records.pop_back();
    dir.writeHistory(records);
    form().controls().CheckBox17->setChecked(false);
    showIndex(9); // Saturday
    form().browse(true);
    EXPECT_EQ(form().currentDraw().index, 9);
    EXPECT_EQ(form().currentDraw().date, records[9].date);
}

TEST_F(Browsing, BothBoxesOffNeverLoops) {
    showIndex(6);
    form().controls().CheckBox16->setChecked(false);
    form().controls().CheckBox17->setChecked(false);
    form().browse(false);
    EXPECT_EQ(form().currentDraw().index, 0);
    form().browse(true);
    EXPECT_EQ(form().currentDraw().index, 11);
}

TEST_F(Browsing, MissingHistoryLeavesTheCurrentDraw) {
    showIndex(4);
    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    form().controls().SpeedButton6->click();
    EXPECT_EQ(form().currentDraw().index, 4);
    EXPECT_EQ(f->platform.dialogs->errors().size(), 1);
}

namespace {

struct Entry : ::testing::Test {
    TestProgramDir dir;
    std::vector<DrawRecord> records{makeDraw(QDate(2011, 10, 5), {1, 2, 3, 4, 5, 6}, 7, 2),
                                    makeDraw(QDate(2011, 10, 12), {3, 9, 17, 22, 35, 48}, 20, 5)};
    void SetUp() override {
        records[1].reserved[3] = 0x55;
        dir.writeHistory(records);
    }
    // Answers the entry dialog with a date and six numbers (or cancels with an empty date).
    static std::function<int(QDialog*)> answer(QDate date, std::array<int, 6> numbers,
                                               QStringList* prefill = nullptr) {
        return [=](QDialog* d) {
            auto* dialog = qobject_cast<TForm3*>(d);
            if (prefill) {
                *prefill << dialog->windowTitle() << dialog->DateTimePicker1->date().toString(Qt::ISODate);
                for (int i = 1; i <= 6; ++i) *prefill << QString::number(dialog->number(i)->position());
            }
            if (!date.isValid()) return int(QDialog::Rejected);
            dialog->DateTimePicker1->setDate(date);
            for (int i = 1; i <= 6; ++i) dialog->number(i)->setPosition(numbers[i - 1]);
            return int(QDialog::Accepted);
        };
    }
};

} // namespace

TEST_F(Entry, PrefillsTheNewestDrawAndAppendsANewerOneSorted) {
    FormFixture f(dir, false);
    QStringList prefill;
    // Six distinct numbers (a repeated one is refused, see protect_test).
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 15), {40, 2, 33, 12, 18, 7}, &prefill));
    f->BitBtn8Click();
    // The date proposed is the draw day after the newest draw, the one most likely missing.
    EXPECT_EQ(prefill, (QStringList{QStringLiteral("Zahlen der Ziehung eingeben"),
                                    QStringLiteral("2011-10-15"), "3", "9", "17", "22", "35", "48"}));
    const auto after = dir.readHistory();
    ASSERT_EQ(after.size(), 3u);
    DrawRecord expected = makeDraw(QDate(2011, 10, 15), {2, 7, 12, 18, 33, 40}, 20, 5);
    expected.reserved = records[1].reserved;
    EXPECT_EQ(after[2], expected);
    EXPECT_EQ(f->currentDraw().date, expected.date);
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2011, 10, 15));
}

TEST_F(Entry, ADrawAfterTodayIsRefusedAndTheProposalNeverLiesAhead) {
    FormFixture f(dir, false);
    // Thursday after the newest draw: the next draw day (Saturday) lies ahead, so the entry
    // proposes the last draw day up to today.
    f.platform.clock->date = QDate(2011, 10, 13);
    QStringList prefill;
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 14), {1, 2, 3, 4, 5, 6}, &prefill));
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(), {}));
    const auto before = dir.readHistory();
    f->BitBtn8Click();
    EXPECT_EQ(prefill.value(1), QStringLiteral("2011-10-12"));
    EXPECT_EQ(dir.readHistory(), before);
    // Refused with a message; the dialog came back and was cancelled.
    EXPECT_EQ(f.platform.dialogs->modalCount, 2);
    ASSERT_EQ(f.platform.dialogs->messages().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->messages()[0].startsWith(
        QStringLiteral("Die Ziehung vom 14.10.2011 liegt nach dem heutigen Tag (13.10.2011)")));

    // Today itself may be entered.
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 13), {1, 2, 3, 4, 5, 6}));
    f->BitBtn8Click();
    EXPECT_EQ(dir.readHistory().back().date, DayCount::fromDate(QDate(2011, 10, 13)));
}

TEST(EntryProposal, FollowsTheDrawCalendar) {
    const DrawRecord saturday = makeDraw(QDate(2025, 8, 30), {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(DrawEntry::proposedDate(saturday, QDate(2025, 9, 10)), QDate(2025, 9, 3)); // Wednesday after
    EXPECT_EQ(DrawEntry::proposedDate(saturday, QDate(2025, 9, 3)), QDate(2025, 9, 3));
    EXPECT_EQ(DrawEntry::proposedDate(saturday, QDate(2025, 9, 2)), QDate(2025, 8, 30));
}

TEST_F(Entry, SameDateReplacesAndEarlierDateInserts) {
    FormFixture f(dir, false);
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 12), {10, 11, 12, 13, 14, 15}));
    f.platform.dialogs->questionAnswers.push_back(Dialogs::Answer::Yes); // replace the stored draw
    f->BitBtn8Click();
    auto after = dir.readHistory();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[1].numbers, (std::array<std::uint8_t, 6>{10, 11, 12, 13, 14, 15}));

    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 8), {21, 22, 23, 24, 25, 26}));
    f->BitBtn8Click();
    after = dir.readHistory();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].date, DayCount::fromDate(QDate(2011, 10, 8)));
    // The newest draw stays the newest and is shown afterwards.
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2011, 10, 12));
    EXPECT_EQ(f->currentDraw().date, records[1].date);
}

TEST_F(Entry, CancelLeavesTheFileAndShowsTheNewestDraw) {
    FormFixture f(dir, false);
    f->controls().DateTimePicker1->setDate(QDate(2011, 10, 1));
    const auto before = dir.readHistory();
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(), {}));
    f->BitBtn8Click();
    EXPECT_EQ(dir.readHistory(), before);
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2011, 10, 12));
}

TEST_F(Entry, EmptyHistoryKeepsBuiltInValuesAndMissingFileIsCreated) {
    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    FormFixture f(dir, false);
    QStringList prefill;
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(), {}, &prefill));
    f->BitBtn8Click();
    EXPECT_EQ(prefill.mid(1),
              (QStringList{QStringLiteral("2002-07-09"), "49", "49", "49", "49", "49", "49"}));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("ZahlenGR.dat"))));
}

TEST_F(Entry, AFailedWriteIsReportedAndTheHistoryStays) {
    FormFixture f(dir, false);
    const auto before = dir.readHistory();
    QDir().mkpath(dir.file(QStringLiteral("ZahlenGR.dat~")));
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 8), {21, 22, 23, 24, 25, 26}));
    f->BitBtn8Click();
    EXPECT_EQ(dir.readHistory(), before);
    ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->errors()[0].startsWith(
        QStringLiteral("Die Ziehung vom 08.10.2011 wurde nicht gespeichert.")));
}

TEST_F(Entry, ADrawWithoutAdditionalNumberKeepsZero) {
    records[1].additional = 0;
    dir.writeHistory(records);
    FormFixture f(dir, false);
    f.platform.dialogs->modalAnswers.push_back(answer(QDate(2011, 10, 15), {1, 2, 3, 4, 5, 6}));
    f->BitBtn8Click();
    EXPECT_EQ(dir.readHistory().back().additional, 0);
}
