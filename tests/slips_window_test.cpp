// Slips recorded from the tip list with the button beside it, and checked by the window itself
// when an update or a manual entry brings the draws they cover.
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "gui/TForm3.h"
#include "support/FakeOperator.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

std::vector<DrawRecord> upTo(const QDate& last) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : realHistory())
        if (r.date <= DayCount::fromDate(last)) out.push_back(r);
    return out;
}

// Answers the slip dialog with a number of draws and a name; `shown` gets what it proposed.
std::function<int(QDialog*)> slipAnswer(int draws, const QString& name, QStringList* shown = nullptr) {
    return [=](QDialog* d) {
        auto* spin = d->findChild<QSpinBox*>(QStringLiteral("SlipDraws"));
        auto* edit = d->findChild<QLineEdit*>(QStringLiteral("SlipName"));
        if (!spin || !edit) return int(QDialog::Rejected);
        if (shown) *shown << edit->text() << QString::number(spin->maximum());
        spin->setValue(draws);
        edit->setText(name);
        return int(QDialog::Accepted);
    };
}

std::vector<Slips::Slip> slipsIn(const QString& path) {
    Slips::SlipBook book;
    EXPECT_TRUE(book.load(path).error.isEmpty());
    return book.slips();
}

// Draws of 23, 27 and 30 August 2025: 20 28 31 33 44 49 | 2 7 25 26 28 44 | 7 9 30 33 36 37.
const QString ThreeOn23 = QStringLiteral("03,05,11,20,31,49:Normal");
const QString Blank = QStringLiteral("10,12,14,16,18,22:Normal");
const QString FourOn27 = QStringLiteral("02,07,25,26,40,41,42:007"); // 3 fours, 4 threes on the 27th

} // namespace

TEST(SlipWindow, RecordedSlipsAreCheckedByTheNextUpdateAndEntry) {
    TestProgramDir dir;
    dir.installBesideFiles();
    dir.writeHistory(upTo(QDate(2025, 8, 20)));
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    f.platform.clock->date = QDate(2025, 8, 21);
    const Form1Ui& ui = f->controls();
    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    ui.ListBox1->clear();
    ui.ListBox1->addItems({ThreeOn23, Blank, FourOn27});
    ui.Edit4->setText(QStringLiteral("1,00")); // per week for both draw days: 0.50 per column and draw

    // The whole list, from the next Saturday on; the name is proposed as that date.
    QStringList proposed;
    f.platform.dialogs->modalAnswers.push_back(slipAnswer(3, QStringLiteral("Büro"), &proposed));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SlipSaveButton")));
    EXPECT_EQ(proposed, (QStringList{QStringLiteral("23.08.2025"), QString::number(Slips::MaxDraws)}));
    // Only the selected tip.
    ui.ListBox1->setCurrentRow(0);
    f.platform.dialogs->modalAnswers.push_back(slipAnswer(3, {}));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SlipSaveButton")));
    // Cancelled: nothing stored.
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SlipSaveButton")));

    std::vector<Slips::Slip> slips = slipsIn(f->slipsPath());
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].lines, (QStringList{ThreeOn23, Blank, FourOn27}));
    EXPECT_EQ(slips[0].name, QStringLiteral("Büro"));
    EXPECT_EQ(slips[0].firstDraw, QDate(2025, 8, 23));
    EXPECT_EQ(slips[0].draws, 3);
    EXPECT_DOUBLE_EQ(slips[0].pricePerColumn, 0.5);
    EXPECT_EQ(slips[1].lines, QStringList{ThreeOn23});
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());

    // The update brings 23, 27 and 30 August with their prize tables (3 hits 1.50 €, 4 hits 30 €).
    FakeOperator fake(upTo(QDate(2025, 8, 30)));
    ui.DrawServerEdit->setText(fake.base());
    f.platform.clock->date = QDate(2025, 9, 1);
    f.platform.sound->played.clear();
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SpeedButton10")));
    const QString panel = ui.StatusBar1->panelText(0);
    EXPECT_TRUE(panel.contains(QStringLiteral("2 Scheine geprüft: 3 × 4 Richtige, 6 × 3 Richtige, 99,00 €")))
        << panel.toStdString();
    // Once for the checked slips; none of the list's tips wins on the newest draw itself.
    EXPECT_EQ(f.platform.sound->played, QStringList{f->winSoundFile()});

    // A slip for the next draw the operator announced, checked when the draw is typed in: its
    // prize table is not known, so neither are the winnings.
    ui.ListBox1->setCurrentRow(2);
    f.platform.dialogs->modalAnswers.push_back(slipAnswer(1, QStringLiteral("Mittwoch")));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SlipSaveButton")));
    slips = slipsIn(f->slipsPath());
    ASSERT_EQ(slips.size(), 3u);
    EXPECT_EQ(slips[2].firstDraw, QDate(2025, 9, 3));
    f.platform.dialogs->modalAnswers.push_back([](QDialog* d) {
        auto* entry = qobject_cast<TForm3*>(d);
        entry->DateTimePicker1->setDate(QDate(2025, 9, 3));
        const std::array<int, 6> numbers{2, 7, 25, 26, 40, 41};
        for (int i = 1; i <= 6; ++i) entry->number(i)->setPosition(numbers[static_cast<std::size_t>(i - 1)]);
        entry->UpDown7->setPosition(0);
        return int(QDialog::Accepted);
    });
    f.platform.sound->played.clear();
    f->BitBtn8Click();
    EXPECT_TRUE(ui.StatusBar1->panelText(0).startsWith(
        QStringLiteral("1 Schein geprüft: 1 × 6 Richtige, 6 × 5 Richtige, unbekannt")))
        << ui.StatusBar1->panelText(0).toStdString();
    EXPECT_TRUE(f.platform.sound->played.contains(f->winSoundFile()));

    // An entry that adds nothing checks nothing again.
    f.platform.dialogs->modalAnswers.push_back([](QDialog*) { return int(QDialog::Rejected); });
    f->BitBtn8Click();
    EXPECT_FALSE(ui.StatusBar1->panelText(0).contains(QStringLiteral("geprüft")));

    // The announced draw is stored now: the next slip starts on the Saturday after it, and a
    // CSV import that brings that draw checks it.
    ui.ListBox1->setCurrentRow(0);
    f.platform.dialogs->modalAnswers.push_back(slipAnswer(2, QStringLiteral("Samstag")));
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("SlipSaveButton")));
    EXPECT_EQ(slipsIn(f->slipsPath()).back().firstDraw, QDate(2025, 9, 6));
    const QString csv = dir.file(QStringLiteral("neu.csv"));
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("date,n1,n2,n3,n4,n5,n6,additional\n2025-09-06,3,5,11,20,31,49,\n");
    file.close();
    f.platform.dialogs->openAnswers.push_back(csv);
    f->historyImportClick();
    EXPECT_TRUE(ui.StatusBar1->panelText(0).startsWith(QStringLiteral("1 Schein geprüft: 1 × 6 Richtige, unbekannt")))
        << ui.StatusBar1->panelText(0).toStdString();
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());
}
