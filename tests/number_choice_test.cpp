#include "base/Random.h"
#include "gui/TForm6.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <set>

namespace {

struct NumberChoice : ::testing::Test {
    TestProgramDir dir;
    TestPlatform platform;
    std::unique_ptr<TForm6> form = std::make_unique<TForm6>(platform.platform());
    FakeDialogs& dialogs() { return *platform.dialogs; }
    QString listFile() { return dir.file(QStringLiteral("liste.hlw")); }

    QByteArray save() {
        dialogs().saveAnswers.push_back(listFile());
        form->SpeedButton1->click();
        QFile f(listFile());
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    void load(const QByteArray& content) {
        QFile f(listFile());
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        f.close();
        dialogs().openAnswers.push_back(listFile());
        form->SpeedButton2->click();
    }
    std::set<int> ticked() const {
        std::set<int> out;
        for (int n = 1; n <= 49; ++n)
            if (form->box(n)->isChecked()) out.insert(n);
        return out;
    }
};

} // namespace

TEST_F(NumberChoice, InitialStateAndBoxLookup) {
    QDir().mkpath(dir.path());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
    for (int n = 1; n <= 49; ++n) {
        QCheckBox* b = form->findChild<QCheckBox*>(QStringLiteral("CheckBox") + QString::number(n));
        ASSERT_EQ(b, form->box(n));
        EXPECT_EQ(b->text(), QString::number(n));
        EXPECT_TRUE(b->isChecked());
        EXPECT_TRUE(form->hint(n).isEmpty());
        EXPECT_EQ(form->boxColour(n), TForm6::BoxColour::Normal);
    }
    EXPECT_TRUE(form->BitBtn4->isHidden());
    EXPECT_FALSE(form->BitBtn3->isHidden());
    EXPECT_EQ(form->Timer1->interval(), 25);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->SpeedButton1->toolTip(), QStringLiteral("Speichern der Liste"));
    EXPECT_EQ(form->SpeedButton2->toolTip(), QStringLiteral("Laden der Liste"));

    // The three buttons close with their modal results.
    form->BitBtn3->click();
    EXPECT_EQ(form->result(), TForm6::mrRetry);
    form->BitBtn2->click();
    EXPECT_EQ(form->result(), TForm6::mrAbort);
    form->BitBtn1->click();
    EXPECT_EQ(form->result(), TForm6::mrOk);
}

TEST_F(NumberChoice, SaveWritesOneLinePerNumber) {
    QDir().mkpath(dir.path());
    // The initial state: every number chosen with weight 1, written back into the hints.
    EXPECT_EQ(save(), QByteArray("1\r\n").repeated(49));
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(form->hint(n), QStringLiteral("1"));
    ASSERT_EQ(dialogs().fileRequests.size(), 1u);
    EXPECT_EQ(dialogs().fileRequests[0].filter, QStringLiteral("Werteliste|*.hlw"));
    EXPECT_EQ(dialogs().fileRequests[0].defaultSuffix, QStringLiteral("hlw"));
    EXPECT_EQ(dialogs().fileRequests[0].proposedName, QStringLiteral("20250901.hlw"));

    // As the generator presets it: weights, and unticked numbers not in the pool.
    for (int n = 1; n <= 49; ++n) {
        form->box(n)->setChecked(n % 3 != 0);
        form->setHint(n, n % 3 != 0 ? QString::number(n % 5 + 1) : QStringLiteral("0"));
    }
    QByteArray expected;
    for (int n = 1; n <= 49; ++n)
        expected += (n % 3 != 0 ? QByteArray::number(n % 5 + 1) : QByteArray()) + "\r\n";
    EXPECT_EQ(save(), expected);

    // Cancelling writes nothing.
    QFile::remove(listFile());
    form->SpeedButton1->click();
    EXPECT_FALSE(QFile::exists(listFile()));
}

TEST_F(NumberChoice, LoadTicksFromTheLinesAndRoundTrips) {
    QDir().mkpath(dir.path());
    // Ten lines: the numbers after them are unticked with weight 1.
    load("3\r\n\r\n1\r\nx\r\n\r\n2\r\n\r\n\r\n\r\n7\r\n");
    EXPECT_EQ(ticked(), (std::set<int>{1, 3, 4, 6, 10}));
    EXPECT_EQ(form->hint(1), QStringLiteral("3"));
    EXPECT_EQ(form->hint(2), QStringLiteral("1"));
    EXPECT_EQ(form->hint(4), QStringLiteral("x")); // taken as it is; the pool rebuild rejects it
    EXPECT_EQ(form->hint(10), QStringLiteral("7"));
    for (int n = 11; n <= 49; ++n) EXPECT_EQ(form->hint(n), QStringLiteral("1"));

    // What is saved loads back to the same boxes and weights, in a fresh window too.
    form->box(30)->setChecked(true);
    form->setHint(30, QStringLiteral("12"));
    const QByteArray saved = save();
    const std::set<int> before = ticked();
    form = std::make_unique<TForm6>(platform.platform());
    dialogs().openAnswers.push_back(listFile());
    form->SpeedButton2->click();
    EXPECT_EQ(ticked(), before);
    EXPECT_EQ(form->hint(30), QStringLiteral("12"));
    EXPECT_EQ(save(), saved);

    // LF line ends and a byte-order mark are read as well.
    load("\xEF\xBB\xBF"
         "5\n\n6");
    EXPECT_EQ(ticked(), (std::set<int>{1, 3}));
    EXPECT_EQ(form->hint(3), QStringLiteral("6"));
}

TEST_F(NumberChoice, UnreadableFileIsReportedAndChangesNothing) {
    QDir().mkpath(dir.path());
    form->box(5)->setChecked(false);
    dialogs().openAnswers.push_back(dir.file(QStringLiteral("fehlt.hlw")));
    form->SpeedButton2->click();
    ASSERT_EQ(dialogs().errors().size(), 1);
    EXPECT_TRUE(dialogs().errors()[0].contains(QStringLiteral("fehlt.hlw")));
    EXPECT_EQ(ticked().size(), 48u);
    EXPECT_TRUE(form->hint(1).isEmpty());

    // Cancelling the open dialog does nothing.
    form->SpeedButton2->click();
    EXPECT_EQ(dialogs().errors().size(), 1);
    EXPECT_EQ(ticked().size(), 48u);
}

TEST_F(NumberChoice, RandomPickFixesOneNumberPerPress) {
    Rng::setSeed(2024);
    form->PickCount = 6;
    QStringList captions;
    form->BitBtn4->click();
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_TRUE(ticked().empty());
    for (int press = 2; press <= 7; ++press) {
        // A few ticks between presses: the fixed numbers stay, the others change.
        std::vector<int> fixedBefore(form->PickedNumbers.begin() + 1,
                                     form->PickedNumbers.begin() + form->PickIndex);
        for (int tick = 0; tick < 3; ++tick) {
            form->Timer1Timer();
            const std::set<int> t = ticked();
            EXPECT_EQ(t.size(), 6u);
            for (int n = 1; n <= 49; ++n)
                EXPECT_EQ(form->boxColour(n),
                          t.count(n) ? TForm6::BoxColour::Picked : TForm6::BoxColour::Neutral);
            for (std::size_t i = 0; i < fixedBefore.size(); ++i)
                EXPECT_EQ(form->PickedNumbers[i + 1], fixedBefore[i]);
        }
        captions << form->BitBtn4->text();
        form->BitBtn4->click();
    }
    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("1 Stopp"), QStringLiteral("2 Stopp"), QStringLiteral("3 Stopp"),
                           QStringLiteral("4 Stopp"), QStringLiteral("5 Stopp"), QStringLiteral("6 Stopp")}));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->BitBtn4->text(), QStringLiteral("Zufall"));
    EXPECT_EQ(form->PickIndex, 1);
    const std::set<int> picked = ticked();
    EXPECT_EQ(picked.size(), 6u);
    EXPECT_EQ(picked, std::set<int>(form->PickedNumbers.begin() + 1, form->PickedNumbers.begin() + 7));
    // The pick draws from the program's random sequence.
    EXPECT_NE(Rng::seed(), 2024u);
}

TEST_F(NumberChoice, ClosingStopsAndResetsThePick) {
    form->PickCount = 6;
    form->BitBtn4->click();
    form->Timer1Timer();
    form->BitBtn4->click();
    form->BitBtn4->click();
    ASSERT_EQ(form->PickIndex, 3);
    const std::set<int> shown = ticked();
    form->reject();
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->BitBtn4->text(), QStringLiteral("Zufall"));
    EXPECT_EQ(form->PickIndex, 1);
    // The boxes stay as they were.
    EXPECT_EQ(ticked(), shown);

    // Shown through the dialog adapter, the pick is reset however the window was answered.
    form->BitBtn4->click();
    form->BitBtn4->click();
    dialogs().modalAnswers.push_back([](QDialog*) { return int(TForm6::mrOk); });
    EXPECT_EQ(form->execute(), TForm6::mrOk);
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->PickIndex, 1);
}
