#include "app/DayCount.h"
#include "generator/HistoricAnalysis.h"

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

#include "app/Random.h"
#include "app/TForm1.h"
#include "support/TestPlatform.h"

TEST(LuckyNumber, SetsTheSeedOrNothing) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    Rng::setSeedSigned(-5);
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));
    f->ui.SpeedButton13->click();
    EXPECT_EQ(
        f.platform.dialogs->shown.back().text,
        QStringLiteral(
            "Ihre Glückszahl (1-99999999)?|Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!|-5"));
    EXPECT_EQ(Rng::seed(), 4711u);
    EXPECT_EQ(f->ui.StatusBar1->panelText(1), QStringLiteral("GlücksZahl 4711 gesetzt"));

    // Not a number: seed and status stay, silently.
    f->ui.StatusBar1->setPanelText(1, QStringLiteral("x"));
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("abc"));
    f->ui.SpeedButton13->click();
    EXPECT_EQ(Rng::seed(), 4711u);
    EXPECT_EQ(f->ui.StatusBar1->panelText(1), QStringLiteral("x"));
    EXPECT_TRUE(f.platform.dialogs->errors().isEmpty());

    // Cancelled: the proposal (the current seed) is taken; no range check.
    f.platform.dialogs->inputAnswers.push_back(std::nullopt);
    f->ui.SpeedButton13->click();
    EXPECT_EQ(Rng::seed(), 4711u);
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("-123456789"));
    f->ui.SpeedButton13->click();
    EXPECT_EQ(Rng::seedSigned(), -123456789);
}
