#include "app/TForm1.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "gui/TForm3.h"
#include "history/DrawEntry.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class Entry : public ::testing::Test {
protected:
    void SetUp() override {
        h = history();
        dir.writeHistory({makeDraw(QDate(2011, 10, 5), {1, 5, 9, 20, 30, 44}, 12, 3),
                          makeDraw(QDate(2011, 10, 8), {2, 6, 10, 21, 31, 45}, 13, 4),
                          makeDraw(QDate(2011, 10, 12), {3, 9, 17, 22, 35, 48}, 14, 5)});
    }
    DrawHistory history() const { return DrawHistory(dir.file(QStringLiteral("ZahlenGR.dat"))); }
    DrawHistory h{QString()};
    DrawRecord entered(const QDate& date, std::array<int, 6> numbers) {
        DrawRecord r = DrawEntry::begin(history()).working;
        r.date = DayCount::fromDate(date);
        for (int i = 0; i < 6; ++i) r.numbers[static_cast<size_t>(i)] = static_cast<std::uint8_t>(numbers[i]);
        DrawEntry::sortNumbers(r);
        return r;
    }
    TestProgramDir dir;
};

} // namespace

TEST_F(Entry, StartsFromTheNewestDraw) {
    const auto start = DrawEntry::begin(history());
    ASSERT_TRUE(start.newest.has_value());
    EXPECT_EQ(start.lastDate, DayCount::fromDate(QDate(2011, 10, 12)));
    EXPECT_EQ(start.working.numbers, (std::array<std::uint8_t, 6>{3, 9, 17, 22, 35, 48}));
}

TEST_F(Entry, LaterDrawIsAppendedSortedWithTheHiddenFieldsOfTheNewest) {
    const DrawRecord r = entered(QDate(2011, 10, 15), {40, 2, 33, 2, 18, 7});
    const double last = DrawEntry::store(h, r, DrawEntry::begin(history()).lastDate);
    EXPECT_EQ(last, r.date);
    const auto stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[3].numbers, (std::array<std::uint8_t, 6>{2, 2, 7, 18, 33, 40}));
    EXPECT_EQ(stored[3].additional, 14);
    EXPECT_EQ(stored[3].eighth, 5);
}

TEST_F(Entry, SameDateReplacesAndEarlierDateIsInserted) {
    const double newest = DayCount::fromDate(QDate(2011, 10, 12));
    DrawRecord r = entered(QDate(2011, 10, 8), {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    auto stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].numbers, (std::array<std::uint8_t, 6>{1, 2, 3, 4, 5, 6}));

    r = entered(QDate(2011, 10, 10), {7, 8, 9, 10, 11, 12});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[2].date, r.date);
    EXPECT_EQ(stored[3].date, newest);

    // The newest draw itself is replaced in place.
    r = entered(QDate(2011, 10, 12), {11, 12, 13, 14, 15, 16});
    EXPECT_EQ(DrawEntry::store(h, r, newest), newest);
    stored = dir.readHistory();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[3].numbers[0], 11);
}

TEST_F(Entry, MissingHistoryIsCreatedEmpty) {
    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    const auto start = DrawEntry::begin(history());
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("ZahlenGR.dat"))));
    EXPECT_FALSE(start.newest.has_value());
    EXPECT_EQ(start.lastDate, 0.0);
    const DrawRecord r = entered(QDate(2002, 7, 9), {49, 49, 49, 49, 49, 49});
    DrawEntry::store(h, r, start.lastDate);
    ASSERT_EQ(dir.readHistory().size(), 1u);
}

TEST_F(Entry, FailedWritesThrowAndKeepTheHistory) {
    const auto before = dir.readHistory();
    // The rewrite cannot create its temporary file.
    QDir().mkpath(history().insertTempPath());
    const DrawRecord r = entered(QDate(2011, 10, 8), {1, 2, 3, 4, 5, 6});
    EXPECT_THROW(DrawEntry::store(h, r, DayCount::fromDate(QDate(2011, 10, 12))), FileError);
    EXPECT_EQ(dir.readHistory(), before);

    // The append cannot open the file.
    DrawHistory nowhere(dir.file(QStringLiteral("missing/ZahlenGR.dat")));
    EXPECT_THROW(DrawEntry::store(nowhere, r, 0.0), FileError);
}

TEST(DrawRule, OneRuleForTheUpdateAndTheEntry) {
    using Kind = DrawNumbersProblem::Kind;
    EXPECT_FALSE(checkDrawNumbers({1, 2, 3, 4, 5, 49}, 0));
    EXPECT_FALSE(checkDrawNumbers({1, 2, 3, 4, 5, 49}, 7));
    EXPECT_EQ(checkDrawNumbers({5, 7, 30, 33, 33, 36}, 12),
              (DrawNumbersProblem{Kind::NumberRepeated, 5, 33, 4}));
    EXPECT_EQ(checkDrawNumbers({5, 0, 30, 33, 34, 36}, 12), (DrawNumbersProblem{Kind::NumberOutOfRange, 2, 0}));
    EXPECT_EQ(checkDrawNumbers({5, 7, 30, 33, 34, 50}, 12), (DrawNumbersProblem{Kind::NumberOutOfRange, 6, 50}));
    EXPECT_EQ(checkDrawNumbers({5, 7, 30, 33, 34, 36}, 50),
              (DrawNumbersProblem{Kind::AdditionalOutOfRange, 7, 50}));
    EXPECT_EQ(checkDrawNumbers({5, 7, 30, 33, 34, 36}, 30),
              (DrawNumbersProblem{Kind::AdditionalAmongNumbers, 7, 30, 3}));

    // The entry words it for the player and names the field; an empty field is named too.
    auto texts = [](std::array<int, 6> n) {
        std::array<QString, 6> t;
        for (int i = 0; i < 6; ++i) t[i] = QString::number(n[i]);
        return t;
    };
    const auto repeated = DrawEntry::check(texts({5, 7, 30, 33, 33, 36}), 12);
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->field, 5);
    EXPECT_TRUE(repeated->message.contains(QStringLiteral("5. Zahl (33)"))) << repeated->message.toStdString();
    std::array<QString, 6> cleared = texts({5, 7, 30, 33, 34, 36});
    cleared[2].clear();
    const auto empty = DrawEntry::check(cleared, 12);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->field, 3);
    EXPECT_FALSE(DrawEntry::check(texts({5, 7, 30, 33, 34, 36}), 12));
}

namespace {

struct EntryDialog : ::testing::Test {
    TestProgramDir dir;
    // The newest stored draw, 09.08.2025, additional number 12.
    std::vector<DrawRecord> records{makeDraw(QDate(2025, 8, 6), {1, 2, 3, 4, 5, 6}, 7),
                                    makeDraw(QDate(2025, 8, 9), {5, 7, 30, 33, 35, 36}, 12)};
    void SetUp() override { dir.writeHistory(records); }

    // Types into the dialog's fields as the player does (an empty text clears a field), then OK.
    static std::function<int(QDialog*)> typed(QDate date, std::array<QString, 6> fields) {
        return [=](QDialog* d) {
            auto* dialog = qobject_cast<TForm3*>(d);
            dialog->DateTimePicker1->setDate(date);
            for (int i = 1; i <= 6; ++i) {
                QLineEdit* edit = dialog->number(i)->edit();
                edit->selectAll();
                edit->insert(fields[i - 1]);
            }
            return int(QDialog::Accepted);
        };
    }
};

} // namespace

TEST_F(EntryDialog, InvalidNumbersAreRefusedWithTheFieldNamedAndTheFileStays) {
    FormFixture f(dir, false);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet4);
    const QByteArray before = readBytes(dir.file(QStringLiteral("ZahlenGR.dat")));
    auto& dialogs = *f.platform.dialogs;
    // 33 twice; then a cleared field; then the hidden additional number (12) among the numbers.
    // Each OK brings the dialog back with the field named; the last answer cancels.
    int focusField = 0;
    dialogs.modalAnswers.push_back(typed(QDate(2025, 8, 9), {"5", "7", "30", "33", "33", "36"}));
    dialogs.modalAnswers.push_back([&](QDialog* d) {
        auto* dialog = qobject_cast<TForm3*>(d);
        const QWidget* focus = dialog->focusWidget();
        focusField = focus == dialog->number(5) || focus == dialog->number(5)->edit() ? 5 : -1;
        return typed(QDate(2025, 8, 13), {"5", "7", "", "33", "34", "36"})(d);
    });
    dialogs.modalAnswers.push_back(typed(QDate(2025, 8, 13), {"5", "7", "12", "33", "34", "36"}));
    dialogs.modalAnswers.push_back([&](QDialog* d) {
        auto* dialog = qobject_cast<TForm3*>(d);
        // The additional number is carried over unseen; to correct it, it is shown now.
        EXPECT_TRUE(dialog->UpDown7->isVisibleTo(dialog));
        EXPECT_TRUE(dialog->Label1->isVisibleTo(dialog));
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn8")));

    const QStringList shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 3) << shown.join('|').toStdString();
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Die 5. Zahl (33) steht schon als 4. Zahl da."))) << shown[0].toStdString();
    EXPECT_EQ(focusField, 5);
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("Die 3. Zahl fehlt."))) << shown[1].toStdString();
    EXPECT_TRUE(shown[2].startsWith(QStringLiteral("Die Zusatzzahl (12) steht schon als 3. Zahl da.")))
        << shown[2].toStdString();
    EXPECT_EQ(dialogs.modalCount, 4);
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("ZahlenGR.dat"))), before);
}

TEST_F(EntryDialog, ReplacingAStoredDrawAsksAndNoChangesNothing) {
    FormFixture f(dir, false);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet4);
    const QByteArray before = readBytes(dir.file(QStringLiteral("ZahlenGR.dat")));
    auto& dialogs = *f.platform.dialogs;
    dialogs.modalAnswers.push_back(typed(QDate(2025, 8, 9), {"5", "7", "30", "33", "34", "36"}));
    dialogs.questionAnswers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn8")));
    ASSERT_EQ(dialogs.questions().size(), 1);
    EXPECT_EQ(dialogs.questions()[0],
              QStringLiteral("Die Ziehung vom 09.08.2025 ersetzen?\n\nGespeichert: 5, 7, 30, 33, 35, 36 "
                             "(Zusatzzahl 12)\nNeu: 5, 7, 30, 33, 34, 36 (Zusatzzahl 12)"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("ZahlenGR.dat"))), before);

    // Yes replaces it.
    dialogs.modalAnswers.push_back(typed(QDate(2025, 8, 9), {"5", "7", "30", "33", "34", "36"}));
    dialogs.questionAnswers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn8")));
    const auto after = dir.readHistory();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[1].numbers, (std::array<std::uint8_t, 6>{5, 7, 30, 33, 34, 36}));
    // A new date asks nothing.
    dialogs.modalAnswers.push_back(typed(QDate(2025, 8, 13), {"1", "2", "3", "4", "5", "6"}));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn8")));
    EXPECT_EQ(dialogs.questions().size(), 2);
    EXPECT_EQ(dir.readHistory().size(), 3u);
}

TEST_F(EntryDialog, DeletingTheDrawAsksNamingItAndNoKeepsIt) {
    FormFixture f(dir, false);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet4);
    f->controls().DateTimePicker1->setDate(QDate(2025, 8, 9));
    f->SpeedButton5Click();
    const QByteArray before = readBytes(dir.file(QStringLiteral("ZahlenGR.dat")));
    auto& dialogs = *f.platform.dialogs;
    dialogs.questionAnswers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn6")));
    ASSERT_EQ(dialogs.questions().size(), 1);
    EXPECT_EQ(dialogs.questions()[0],
              QStringLiteral("Die Ziehung vom 09.08.2025 löschen?\n\n5, 7, 30, 33, 35, 36 (Zusatzzahl 12)"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("ZahlenGR.dat"))), before);

    dialogs.questionAnswers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn6")));
    EXPECT_EQ(dir.readHistory(), std::vector<DrawRecord>{records[0]});
}
