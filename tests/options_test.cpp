// The generator options that act on each other: spin limits moved by the mouse, the
// percentage label and the attempt limit.
#include "support/TestPlatform.h"

#include <QStyleOptionSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

enum class Arrow { Up, Down };

QPoint arrowCentre(UpDown* spin, Arrow arrow) {
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.rect = spin->rect();
    option.frame = spin->hasFrame();
    option.buttonSymbols = spin->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const auto control = arrow == Arrow::Up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    return spin->style()->subControlRect(QStyle::CC_SpinBox, &option, control, spin).center();
}

void press(UpDown* spin, Arrow arrow) {
    QTest::mousePress(spin, Qt::LeftButton, {}, arrowCentre(spin, arrow));
}
void release(UpDown* spin, Arrow arrow) {
    QTest::mouseRelease(spin, Qt::LeftButton, {}, arrowCentre(spin, arrow));
}
void click(UpDown* spin, Arrow arrow) {
    press(spin, arrow);
    release(spin, arrow);
}

std::pair<int, int> limits(const UpDown* spin) {
    return {spin->minimum(), spin->maximum()};
}

struct OptionsTest : ::testing::Test {
    TestProgramDir dir;
    FormFixture f{dir, false};
    const Form1Ui& ui = f.form->controls();
};

} // namespace

TEST_F(OptionsTest, MatchSpinsLimitEachOtherOnTheMouseOnly) {
    ui.UpDown3->setPosition(3);
    click(ui.UpDown3, Arrow::Down);
    EXPECT_EQ(ui.UpDown3->position(), 2);
    EXPECT_EQ(limits(ui.UpDown1), std::make_pair(0, 2));

    // Pressing on the minimum moves nothing; releasing sets the maximum's lower limit.
    press(ui.UpDown1, Arrow::Down);
    EXPECT_EQ(ui.UpDown1->position(), 1);
    EXPECT_EQ(limits(ui.UpDown3), std::make_pair(0, 5));
    release(ui.UpDown1, Arrow::Down);
    EXPECT_EQ(limits(ui.UpDown3), std::make_pair(1, 5));

    // Keys and code change positions without moving any limit.
    QTest::keyClick(ui.UpDown3, Qt::Key_Up);
    ui.UpDown1->setPosition(0);
    EXPECT_EQ(ui.UpDown3->position(), 3);
    EXPECT_EQ(limits(ui.UpDown1), std::make_pair(0, 2));
    EXPECT_EQ(limits(ui.UpDown3), std::make_pair(1, 5));
}

TEST_F(OptionsTest, EvenAndOddMinimumsNeverExceedSixTogether) {
    ui.UpDown17->setPosition(4);
    click(ui.UpDown16, Arrow::Up);
    EXPECT_EQ(limits(ui.UpDown16), std::make_pair(0, 2));
    EXPECT_EQ(ui.UpDown16->position(), 2);

    press(ui.UpDown17, Arrow::Up); // odd 5: even may be 1 at most
    EXPECT_EQ(ui.UpDown17->position(), 5);
    EXPECT_EQ(limits(ui.UpDown16), std::make_pair(0, 1));
    EXPECT_EQ(ui.UpDown16->position(), 1);
    release(ui.UpDown17, Arrow::Up);
    EXPECT_EQ(limits(ui.UpDown17), std::make_pair(0, 5));
}

TEST_F(OptionsTest, PercentageLabelExplainsTheClickedBand) {
    const QString start = QStringLiteral("Für die Tippberechnung werden die ersten ");
    ui.UpDown14->setPosition(34);
    click(ui.UpDown14, Arrow::Up);
    EXPECT_EQ(ui.Label76->text(),
              start + QStringLiteral("35% ausgehend von der am seltesten Gezogenen verwendet."));

    ui.UpDown12->setPosition(75);
    QTest::keyClick(ui.UpDown12, Qt::Key_Down);
    EXPECT_EQ(ui.Label76->text(),
              start + QStringLiteral("74% ausgehend von der am häufigsten Gezogenen verwendet."));

    QTest::keyClick(ui.UpDown13, Qt::Key_Up);
    EXPECT_EQ(ui.Label76->text(),
              start + QStringLiteral("31% ausgehend von der am längsten Ausstehenden verwendet."));

    // A position set by code (the settings, a typed value) leaves the text.
    ui.UpDown12->setPosition(10);
    EXPECT_TRUE(ui.Label76->text().startsWith(start + QStringLiteral("31%")));
}

TEST_F(OptionsTest, MaxRunsFollowsUpDown7FromThePositionBeforeEachStep) {
    EXPECT_EQ(f->maxRuns(), 100000);
    QTest::keyClick(ui.UpDown7, Qt::Key_Up);
    EXPECT_EQ(ui.UpDown7->position(), 101);
    EXPECT_EQ(f->maxRuns(), 100000);
    click(ui.UpDown7, Arrow::Up);
    EXPECT_EQ(f->maxRuns(), 101000);
    ui.UpDown7->setPosition(5); // typed or restored: no step, no change
    EXPECT_EQ(f->maxRuns(), 101000);
}

TEST(OptionsShortcuts, FrequencyButtonShowsTheChartPage) {
    TestProgramDir dir;
    dir.installRealHistory();
    FormFixture f(dir, false);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet6);
    f->controls().SpeedButton20->click();
    EXPECT_EQ(f->controls().PageControl1->currentWidget(), f->controls().TabSheet5);
    EXPECT_EQ(f->controls().Chart1->model()->series2()->count(), 49);
}
