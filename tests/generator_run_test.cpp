#include "base/DayCount.h"
#include "base/Random.h"
#include "base/Rounding.h"
#include "app/TForm1.h"
#include "gui/TForm6.h"
#include "generator/TipGenerator.h"
#include "support/TestPlatform.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {

// 120 draws on alternating Wednesdays and Saturdays of 2024, six different numbers and a
// different additional number each, from a generator of their own (the program's random
// sequence stays untouched).
std::vector<DrawRecord> smallHistory() {
    std::vector<DrawRecord> out;
    std::uint32_t s = 777;
    QDate date(2024, 1, 3);
    for (int i = 0; i < 120; ++i) {
        std::array<int, 7> v{};
        std::set<int> used;
        for (int& x : v) {
            do {
                s = Rng::next(s);
                x = static_cast<int>(Rng::scale(s, 49)) + 1;
            } while (!used.insert(x).second);
        }
        out.push_back(makeDraw(date, {v[0], v[1], v[2], v[3], v[4], v[5]}, v[6]));
        date = date.addDays(date.dayOfWeek() == Qt::Wednesday ? 3 : 4);
    }
    return out;
}

struct Tip {
    std::vector<int> numbers;
    QString designation;
};

Tip parse(const QString& line) {
    static const QRegularExpression form(QStringLiteral("^((?:\\d\\d,)*\\d\\d)?:(.*)$"));
    const auto m = form.match(line);
    EXPECT_TRUE(m.hasMatch()) << line.toStdString();
    Tip tip;
    if (!m.captured(1).isEmpty())
        for (const QString& field : m.captured(1).split(QLatin1Char(',')))
            tip.numbers.push_back(field.toInt());
    tip.designation = m.captured(2);
    return tip;
}

int common(const std::vector<int>& a, const std::vector<int>& b) {
    int c = 0;
    for (int x : a) c += std::count(b.begin(), b.end(), x);
    return c;
}

int winningHits(const std::vector<int>& tip, const DrawRecord& r) {
    return common(tip, std::vector<int>(r.numbers.begin(), r.numbers.end()));
}

int recentHits(const std::vector<int>& tip, const DrawRecord& r) {
    std::vector<int> seven(r.numbers.begin(), r.numbers.end());
    seven.push_back(r.additional);
    return common(tip, seven);
}

struct GenerationRun : ::testing::Test {
    TestProgramDir dir;
    std::vector<DrawRecord> history = smallHistory();
    std::unique_ptr<FormFixture> f;

    void SetUp() override {
        dir.installBesideFiles();
        // The texts checked below are the German ones; without a choice the window starts Greek.
        storeLanguage(QStringLiteral("Deutsch1"));
        dir.writeHistory(history);
        f = std::make_unique<FormFixture>(dir);
        ASSERT_TRUE(f->platform.dialogs->shown.empty());
        ASSERT_EQ(form().currentDraw().date, history.back().date);
    }
    TForm1& form() { return *f->form; }
    FakeDialogs& dialogs() { return *f->platform.dialogs; }
    QStringList run(std::uint32_t seed) {
        Rng::setSeed(seed);
        form().controls().BitBtn4->click();
        return form().tipLines();
    }
    QString status(int panel) { return form().controls().StatusBar1->panelText(panel); }
};

} // namespace

TEST_F(GenerationRun, DefaultsGiveSixTipsThatKeepEveryRule) {
    const QStringList lines = run(20250901);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(status(1), QStringLiteral("Tipps wurden neu berechnet"));
    EXPECT_TRUE(dialogs().shown.empty());

    const std::size_t last = history.size() - 1;
    const double to = history[last].date;
    std::vector<Tip> tips;
    for (const QString& line : lines) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^(\\d\\d,){5}\\d\\d:Normal$")).match(line).hasMatch())
            << line.toStdString();
        const Tip tip = parse(line);
        ASSERT_EQ(tip.numbers.size(), 6u);
        EXPECT_TRUE(std::is_sorted(tip.numbers.begin(), tip.numbers.end()));
        EXPECT_EQ(std::set<int>(tip.numbers.begin(), tip.numbers.end()).size(), 6u);
        int sum = 0;
        for (int k = 0; k < 6; ++k) {
            sum += tip.numbers[static_cast<std::size_t>(k)];
            if (k >= 2) {
                EXPECT_FALSE(tip.numbers[k - 1] == tip.numbers[k - 2] + 1 &&
                             tip.numbers[k] == tip.numbers[k - 2] + 2);
            }
        }
        EXPECT_GE(sum, 125);
        EXPECT_LE(sum, 175);
        EXPECT_EQ(recentHits(tip.numbers, history[last]), 0);
        EXPECT_LE(recentHits(tip.numbers, history[last - 1]), 1);
        EXPECT_LE(recentHits(tip.numbers, history[last - 2]), 2);
        for (const DrawRecord& r : history) {
            const int hits = winningHits(tip.numbers, r);
            EXPECT_LT(hits, 5);
            if (r.date > to - 280) {
                EXPECT_LT(hits, 4);
            }
            if (r.date > to - 70) {
                EXPECT_LT(hits, 3);
            }
        }
        tips.push_back(tip);
    }
    for (std::size_t i = 0; i < tips.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) {
            const int c = common(tips[i].numbers, tips[j].numbers);
            EXPECT_GE(c, 2) << i << " " << j;
            EXPECT_LE(c, 4) << i << " " << j;
        }

    // The same seed, history, options and (emptied) list give the same tips.
    EXPECT_EQ(run(20250901), lines);
    EXPECT_NE(run(1), lines);
}

TEST_F(GenerationRun, WindowAndDomainCodeDrawTheSameTips) {
    const QStringList lines = run(4242);
    ASSERT_EQ(lines.size(), 6);

    const DrawFilter filter{form().controls().DateTimePicker2->dayCount(), history.back().date, true, true};
    const RecentDraws recent = RecentDraws::fromHistory(history, history.back().date, {true, true});
    PreferencePool pool;
    const HistoryRecords records = HistoryRecords::of(history);
    HistoryPoolSource source(records, filter);
    ASSERT_EQ(buildPool(pool, PoolOptions{}, recent, source), PoolOutcome::Ready);

    struct Collect : RecordHistoryChecks {
        using RecordHistoryChecks::RecordHistoryChecks;
        QStringList lines;
        void accepted(int, const CandidateTip& tip) override {
            const std::vector<int> v(tip.pos.begin() + 1, tip.pos.begin() + 7);
            lines << TipLine::makeLine(v, TipLine::Normal);
        }
    };
    const std::shared_ptr<const HistoryRecords> reading = HistoryRecords::read(dir.file(QStringLiteral("ZahlenGR.dat")));
    Collect hooks(*reading, filter);
    RuleOptions options;
    auto state = std::make_unique<GenerationState>();
    Rng::setSeed(4242);
    EXPECT_EQ(generateTips(pool, recent, 6, 0, 6, options, *state, hooks, Rng::program()), GenerationResult::Complete);
    EXPECT_EQ(hooks.lines, lines);

    // The run without the window on one reading of the file: the same tips, and the same hits
    // on the draw as the window's hit list.
    std::vector<int> windowHits;
    for (int i = 0; i < form().controls().ListBox2->count(); ++i)
        windowHits.push_back(form().controls().ListBox2->item(i)->text().section(QLatin1Char(' '), 0, 0).toInt());
    Rng::setSeed(4242);
    RuleOptions again;
    const HistoryRun run = runOnHistory(*reading, filter, PoolOptions{}, again, 6, 6, *state, Rng::program());
    EXPECT_EQ(run.pool, PoolOutcome::Ready);
    EXPECT_EQ(run.result, GenerationResult::Complete);
    EXPECT_EQ(run.lines, lines);
    EXPECT_EQ(run.check.lineHits, windowHits);
    EXPECT_GE(run.historyChecks, 6); // every accepted tip passed the all-time check at least
}

// The bundled real history with the built-in options: the window's run and the run without the
// window give the tips these seeds have always given.
TEST(GenerationOnRealHistory, SeedsGiveTheirTipsThroughWindowAndDomainCode) {
    TestProgramDir dir;
    dir.installBesideFiles();
    storeLanguage(QStringLiteral("Deutsch1"));
    dir.installRealHistory();
    FormFixture f(dir);
    TForm1& form = *f.form;
    const DrawFilter filter{form.controls().DateTimePicker2->dayCount(), form.currentDraw().date, true, true};
    const std::shared_ptr<const HistoryRecords> reading = HistoryRecords::read(dir.file(QStringLiteral("ZahlenGR.dat")));
    auto state = std::make_unique<GenerationState>();

    const std::vector<std::pair<std::uint32_t, QStringList>> pinned{
        {11,
         {QStringLiteral("11,12,22,40,42,45:Normal"), QStringLiteral("05,12,32,34,44,45:Normal"),
          QStringLiteral("03,05,22,24,45,46:Normal"), QStringLiteral("11,22,24,32,34,43:Normal"),
          QStringLiteral("05,11,18,22,43,44:Normal"), QStringLiteral("11,17,22,34,42,45:Normal")}},
        {777,
         {QStringLiteral("10,11,22,24,45,47:Normal"), QStringLiteral("01,11,12,24,42,46:Normal"),
          QStringLiteral("08,10,11,32,43,46:Normal"), QStringLiteral("08,11,15,22,42,44:Normal"),
          QStringLiteral("10,11,20,42,45,46:Normal"), QStringLiteral("04,11,14,22,43,46:Normal")}},
        {222,
         {QStringLiteral("12,20,22,24,40,47:Normal"), QStringLiteral("05,17,20,25,42,47:Normal"),
          QStringLiteral("05,10,16,20,45,47:Normal"), QStringLiteral("05,17,20,32,43,47:Normal"),
          QStringLiteral("05,18,20,35,46,47:Normal"), QStringLiteral("04,10,20,34,42,47:Normal")}},
    };
    for (const auto& [seed, expected] : pinned) {
        Rng::setSeed(seed);
        form.controls().BitBtn4->click();
        EXPECT_EQ(form.tipLines(), expected) << "window, seed " << seed;
        std::vector<int> windowHits;
        for (int i = 0; i < form.controls().ListBox2->count(); ++i)
            windowHits.push_back(form.controls().ListBox2->item(i)->text().section(QLatin1Char(' '), 0, 0).toInt());

        Rng::setSeed(seed);
        RuleOptions options;
        const HistoryRun run = runOnHistory(*reading, filter, PoolOptions{}, options, 6, 6, *state, Rng::program());
        EXPECT_EQ(run.result, GenerationResult::Complete);
        EXPECT_EQ(run.lines, expected) << "domain, seed " << seed;
        EXPECT_EQ(run.check.lineHits, windowHits) << seed;
    }
}

TEST_F(GenerationRun, EndsOnTheDrawOfTheChosenDateWithItsHitList) {
    // A draw in the middle of the history is chosen.
    const DrawRecord& chosen = history[60];
    form().controls().DateTimePicker1->setDate(DayCount::toDate(chosen.date).addDays(-1));
    form().SpeedButton5Click();
    // A kept tip with three numbers of the chosen draw.
    std::vector<int> kept(chosen.numbers.begin(), chosen.numbers.begin() + 3);
    for (int n = 1; kept.size() < 6; ++n)
        if (std::count(chosen.numbers.begin(), chosen.numbers.end(), n) == 0 && n != chosen.additional)
            kept.push_back(n);
    form().controls().CheckBox28->setChecked(false);
    form().controls().ListBox1->addItem(TipLine::makeLine(kept, TipLine::Normal));
    // No 3-er anywhere in the history: the candidates fail the all-time check on some past draw
    // until the attempts run out, the last one too.
    form().controls().UpDown6->setPosition(3);
    form().controls().UpDown7->setPosition(1);
    run(99);
    ASSERT_EQ(status(1), QStringLiteral("Ändern Sie die Parameter um alle Tipps zuberechnen"));
    ASSERT_EQ(form().controls().ListBox1->count(), 1);
    EXPECT_EQ(form().currentDraw().date, chosen.date);
    EXPECT_EQ(form().controls().DateTimePicker1->date(), DayCount::toDate(chosen.date));
    EXPECT_TRUE(form().controls().Label35->text().contains(
        DayCount::toDate(chosen.date).toString(QStringLiteral("dd.MM.yy"))));
    ASSERT_EQ(form().controls().ListBox2->count(), 1);
    EXPECT_EQ(form().controls().ListBox2->item(0)->text(), QStringLiteral("3"));
    EXPECT_EQ(status(0), QStringLiteral("Max-Gewinn 3er"));
    EXPECT_EQ(form().controls().UpDown6->position(), 3);
}

TEST_F(GenerationRun, KeptTipsStayAndTakePartInTheTicketRule) {
    form().controls().CheckBox28->setChecked(false);
    const QStringList kept{QStringLiteral("01,08,15,22,29,36:Normal"),
                           QStringLiteral("02,09,16,23,30,37,44:007"),
                           QStringLiteral("03,10,17,24,31,38:Normal")};
    form().controls().ListBox1->addItems(kept);
    form().controls().UpDown9->setPosition(5);
    const QStringList lines = run(31337);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.mid(0, 3), kept);
    EXPECT_EQ(status(1), QStringLiteral("Tipps wurden neu berechnet"));
    EXPECT_EQ(form().controls().ListBox2->count(), 5);
    for (int i = 3; i < 5; ++i) {
        const Tip tip = parse(lines[i]);
        EXPECT_EQ(tip.designation, QStringLiteral("Normal"));
        for (int j = 0; j < i; ++j) {
            // The kept system tip is compared on its first six numbers.
            std::vector<int> other = parse(lines[j]).numbers;
            other.resize(6);
            const int c = common(tip.numbers, other);
            EXPECT_GE(c, 2) << lines[i].toStdString() << " vs " << lines[j].toStdString();
            EXPECT_LE(c, 4);
        }
    }

    // A list already as long as asked for gets no new tip but is evaluated.
    form().controls().ListBox2->clear();
    EXPECT_EQ(run(1), lines);
    EXPECT_EQ(form().controls().ListBox2->count(), 5);
    EXPECT_EQ(status(1), QStringLiteral("Tipps wurden neu berechnet"));
}

TEST_F(GenerationRun, ImpossibleCrossSumsEndAfterTheAttemptLimit) {
    form().controls().ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
    form().controls().UpDown2->setPosition(200);
    form().controls().UpDown15->setPosition(100);
    form().controls().UpDown7->setPosition(2);
    run(5);
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
    EXPECT_EQ(form().maxRuns(), 2000);
    EXPECT_EQ(form().generation().runCount, 2000);
    EXPECT_EQ(status(1), QStringLiteral("Ändern Sie die Parameter um alle Tipps zuberechnen"));
    EXPECT_TRUE(form().evaluationEnabled());
    EXPECT_FALSE(form().generating());

    // Kept tips stay when the list is not emptied first.
    form().controls().CheckBox28->setChecked(false);
    form().controls().ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
    run(5);
    EXPECT_EQ(form().tipLines(), QStringList{QStringLiteral("01,02,03,04,05,06:Normal")});
}

TEST_F(GenerationRun, ForcedPairIsDroppedAtHalfTheAttemptsAndRestoredAtTheEnd) {
    // Only odd numbers in the pool: no tip can hold a pair.
    form().controls().CheckBox20->setChecked(true);
    form().controls().CheckBox8->setChecked(true);
    form().controls().UpDown7->setPosition(1);
    dialogs().modalAnswers.push_back([](QDialog* d) {
        auto* chooser = static_cast<TForm6*>(d);
        for (int n = 1; n <= 49; ++n) chooser->box(n)->setChecked(n % 2 == 1);
        return int(TForm6::mrRetry);
    });
    std::vector<bool> states;
    QObject::connect(form().controls().CheckBox8, &QCheckBox::toggled, [&](bool on) { states.push_back(on); });
    const QStringList lines = run(8);
    ASSERT_EQ(lines.size(), 6);
    for (const QString& line : lines)
        for (int n : parse(line).numbers) EXPECT_EQ(n % 2, 1) << line.toStdString();
    EXPECT_EQ(states, (std::vector<bool>{false, true}));
    EXPECT_TRUE(form().controls().CheckBox8->isChecked());
    EXPECT_EQ(status(1), QStringLiteral("Tipps wurden neu berechnet"));
}

TEST_F(GenerationRun, DesignationsFollowTheSystemSelector) {
    form().controls().UpDown18->setPosition(8);
    form().UpDown18Click();
    ASSERT_EQ(form().controls().ComboBox1->currentText(), TipLine::FullSystem);
    form().controls().UpDown9->setPosition(2);
    form().controls().CheckBox24->setChecked(false);
    form().controls().CheckBox9->setChecked(false);
    for (const QString& line : run(3)) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^(\\d\\d,){7}\\d\\d:008$")).match(line).hasMatch())
            << line.toStdString();
        int sum = 0;
        for (int n : parse(line).numbers) sum += n;
        const auto qs = roundHalfEven(sum * 6.0 / 8);
        EXPECT_GE(qs, 125);
        EXPECT_LE(qs, 175);
    }

    // The check after the selector change would set it back to the kind of the lines in the list.
    form().SpeedButton11Click();
    form().controls().UpDown18->setPosition(9);
    form().UpDown18Click();
    form().controls().ComboBox1->setEditText(QStringLiteral("VEW:609"));
    form().ComboBox1Change();
    ASSERT_GT(form().systemTable().rowCount(), 0);
    ASSERT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("VEW:609"));
    const QStringList lines = run(4);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_TRUE(line.endsWith(QStringLiteral(":609"))) << line.toStdString();
        EXPECT_EQ(parse(line).numbers.size(), 9u);
    }
}

TEST_F(GenerationRun, TheChartTheHistoryChecksEmptiedShowsTheNumbersOfTheNewSystemTips) {
    form().controls().UpDown18->setPosition(8);
    form().UpDown18Click();
    ASSERT_TRUE(form().controls().CheckBox9->isChecked()); // the history check runs
    const QStringList lines = run(11);
    ASSERT_EQ(lines.size(), 6);
    const BarChartModel* chart = form().controls().Chart1->model();
    EXPECT_EQ(chart->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
    ASSERT_EQ(chart->series2()->count(), 49);
    std::array<int, 50> count{};
    for (const QString& line : lines)
        for (int n : parse(line).numbers) ++count[n];
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(chart->series2()->yValue(n - 1), count[n]) << n;
}

TEST_F(GenerationRun, PoolShortageAndAbortEndTheRunWithoutTips) {
    form().controls().ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
    form().controls().CheckBox14->setChecked(false);
    form().controls().CheckBox10->setChecked(false);
    form().controls().CheckBox15->setChecked(true);
    run(1);
    EXPECT_EQ(dialogs().messages(), QStringList{TooFewNumbersText});
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
    EXPECT_EQ(form().controls().PageControl1->currentWidget(), form().controls().TabSheet6);
    EXPECT_EQ(form().controls().PageControl2->currentWidget(), form().controls().TabSheet8);
    EXPECT_TRUE(form().evaluationEnabled());

    // The editing window cancelled: no tips, no message.
    form().controls().CheckBox15->setChecked(false);
    form().controls().CheckBox20->setChecked(true);
    TForm6* before = form().form6();
    run(1);
    EXPECT_EQ(dialogs().modalCount, 1);
    EXPECT_EQ(dialogs().messages().size(), 1);
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
    EXPECT_NE(form().form6(), before);
    EXPECT_EQ(form().form6()->parent(), &form());

    // The edit leaves five numbers for six-number tips: the run ends instead of drawing forever.
    dialogs().modalAnswers.push_back([](QDialog* d) {
        auto* chooser = static_cast<TForm6*>(d);
        for (int n = 1; n <= 49; ++n) chooser->box(n)->setChecked(n >= 10 && n < 15);
        return int(TForm6::mrRetry);
    });
    run(1);
    EXPECT_EQ(dialogs().messages().size(), 2);
    EXPECT_EQ(dialogs().messages().back(), TooFewNumbersText);
    EXPECT_EQ(form().controls().ListBox1->count(), 0);

    // A weight that is no number ends the run with the conversion error.
    dialogs().modalAnswers.push_back([](QDialog* d) {
        static_cast<TForm6*>(d)->box(7)->setChecked(true);
        static_cast<TForm6*>(d)->setHint(7, QStringLiteral("x"));
        return int(TForm6::mrRetry);
    });
    run(1);
    ASSERT_EQ(dialogs().errors().size(), 1);
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
    EXPECT_TRUE(form().evaluationEnabled());
    EXPECT_FALSE(form().generating());
}

// A run works on the history as it was when it began: the file gone while the pool editor is
// open changes neither the tips nor their history checks, and shows no error.
TEST_F(GenerationRun, TheHistoryReadAtTheStartServesTheWholeRun) {
    const QStringList expected = run(31);
    ASSERT_EQ(expected.size(), 6);
    form().controls().CheckBox20->setChecked(true);
    dialogs().modalAnswers.push_back([&](QDialog*) {
        EXPECT_TRUE(QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat"))));
        return int(TForm6::mrOk);
    });
    EXPECT_EQ(run(31), expected);
    EXPECT_EQ(dialogs().modalCount, 1);
    EXPECT_TRUE(dialogs().errors().isEmpty());
    EXPECT_EQ(status(1), QStringLiteral("Tipps wurden neu berechnet"));
}

TEST_F(GenerationRun, OkInThePoolEditorTakesOnlyTheNumbersLeftTicked) {
    form().controls().CheckBox20->setChecked(true);
    std::set<int> unticked;
    dialogs().modalAnswers.push_back([&](QDialog* d) {
        auto* chooser = static_cast<TForm6*>(d);
        // The computed pool holds most numbers; the player takes away every third one.
        for (int n = 3; n <= 49; n += 3)
            if (chooser->box(n)->isChecked()) {
                chooser->box(n)->setChecked(false);
                unticked.insert(n);
            }
        chooser->BitBtn1->click();
        return chooser->result();
    });
    const QStringList lines = run(6);
    ASSERT_GE(unticked.size(), 10u);
    ASSERT_EQ(lines.size(), 6);
    for (const QString& line : lines)
        for (int n : parse(line).numbers) EXPECT_FALSE(unticked.count(n)) << n << " in " << line.toStdString();
}

TEST_F(GenerationRun, PoolEditorIsPresetFromThePoolAndHoldsBackASecondRun) {
    form().controls().CheckBox20->setChecked(true);
    std::array<int, 50> shownWeights{};
    bool busyInside = false;
    dialogs().modalAnswers.push_back([&](QDialog* d) {
        auto* chooser = static_cast<TForm6*>(d);
        for (int n = 1; n <= 49; ++n) {
            shownWeights[n] = chooser->hint(n).toInt();
            EXPECT_EQ(chooser->box(n)->isChecked(), shownWeights[n] > 0);
        }
        busyInside = form().generating() && !form().evaluationEnabled();
        // A click on the button while the run is in progress starts nothing.
        form().controls().BitBtn4->click();
        // Options the run puts back at its end.
        form().controls().UpDown4->setPosition(3);
        form().controls().UpDown6->setPosition(3);
        return int(TForm6::mrOk);
    });
    const QStringList lines = run(77);
    EXPECT_TRUE(busyInside);
    EXPECT_EQ(dialogs().modalCount, 1);
    ASSERT_EQ(lines.size(), 6);
    // The window shows the weights the statistics give, read back from its chart.
    const DrawFilter filter{form().controls().DateTimePicker2->dayCount(), history.back().date, true, true};
    PreferencePool pool;
    const HistoryRecords records = HistoryRecords::of(history);
    HistoryPoolSource source(records, filter);
    buildPool(pool, PoolOptions{}, RecentDraws::fromHistory(history, history.back().date, {true, true}),
              source);
    for (int n = 1; n <= 49; ++n) EXPECT_EQ(shownWeights[n], pool.weights()[n]) << n;
    // The last draw's numbers left the pool; every other number kept at least its base entry.
    const DrawRecord& last = history.back();
    for (int n = 1; n <= 49; ++n) {
        const bool inLast = std::count(last.numbers.begin(), last.numbers.end(), n) || n == last.additional;
        if (inLast)
            EXPECT_EQ(shownWeights[n], 0) << n;
        else
            EXPECT_GE(shownWeights[n], 1) << n;
    }
    // The user's changes of these options during the run are undone at its end.
    EXPECT_EQ(form().controls().UpDown4->position(), 0);
    EXPECT_EQ(form().controls().UpDown6->position(), 5);
}

TEST_F(GenerationRun, MissingHistoryEndsTheRunWithTheFileError) {
    QFile::remove(dir.file(QStringLiteral("ZahlenGR.dat")));
    form().controls().ListBox1->addItem(QStringLiteral("01,02,03,04,05,06:Normal"));
    run(1);
    EXPECT_FALSE(dialogs().errors().isEmpty());
    EXPECT_TRUE(form().evaluationEnabled());
    EXPECT_FALSE(form().generating());
    // Another action works again afterwards.
    form().controls().SpeedButton11->click();
    EXPECT_EQ(form().controls().ListBox1->count(), 0);
}
