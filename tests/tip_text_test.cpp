// The tip text "Tipp.txt": title with the next draw, tickets with their headers, the tips
// numbered within each ticket, and the button that writes and opens it.
#include "base/DayCount.h"
#include "gui/TipPrint.h"
#include "support/FileBytes.h"
#include "evaluation/Winnings.h"
#include "gui/Language.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"
#include "tips/TipFiles.h"
#include "tips/TipLine.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <bit>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

QStringList tips(int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("%1,11,19,27,35,44:Normal").arg(i, 2, 10, QLatin1Char('0'));
    return out;
}

double day(int y, int m, int d) {
    return DayCount::fromDate(QDate(y, m, d));
}

const QString kTilde = QStringLiteral("~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~");

} // namespace

TEST(TipText, ThirteenTipsAtThreePerTicketMakeFiveTicketsTheLastWithOneTip) {
    const QStringList list = tips(13);
    const QStringList text = TipFiles::tipText(list, 3, day(2025, 9, 3));
    QStringList expected = {QStringLiteral("Quintara Tipp für Mittwoch 03.09.25"), kTilde};
    for (int ticket = 1; ticket <= 5; ++ticket) {
        expected << QStringLiteral(" ") << QStringLiteral("%1. Lotto-Schein").arg(ticket);
        for (int n = 1; n <= 3 && (ticket - 1) * 3 + n <= 13; ++n)
            expected << QStringLiteral(" %1. Tipp:  ").arg(n) + list[(ticket - 1) * 3 + n - 1];
    }
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.size(), 2 + 5 * 2 + 13);
    EXPECT_EQ(text.last(), QStringLiteral(" 1. Tipp:  13,11,19,27,35,44:Normal"));
}

TEST(TipText, OneTipPerTicketGivesEveryTipItsOwnHeaderAndTwelveNumberTwoPlaces) {
    const QStringList text = TipFiles::tipText(tips(4), 1, day(2025, 9, 6));
    EXPECT_EQ(text.first(), QStringLiteral("Quintara Tipp für Samstag 06.09.25"));
    ASSERT_EQ(text.size(), 2 + 4 * 3);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(text[2 + 3 * p], QStringLiteral(" "));
        EXPECT_EQ(text[3 + 3 * p], QStringLiteral("%1. Lotto-Schein").arg(p + 1));
        EXPECT_TRUE(text[4 + 3 * p].startsWith(QStringLiteral(" 1. Tipp:  ")))
            << text[4 + 3 * p].toStdString();
    }
    // Two-digit tip numbers stand right-aligned in the same two places.
    const QStringList twelve = TipFiles::tipText(tips(12), 12, day(2025, 9, 6));
    EXPECT_EQ(twelve[4], QStringLiteral(" 1. Tipp:  01,11,19,27,35,44:Normal"));
    EXPECT_EQ(twelve.last(), QStringLiteral("12. Tipp:  12,11,19,27,35,44:Normal"));
}

TEST(TipText, AnEmptyListHoldsTitleAndTildeLineOnly) {
    EXPECT_EQ(TipFiles::tipText({}, 6, day(2025, 9, 3)),
              (QStringList{QStringLiteral("Quintara Tipp für Mittwoch 03.09.25"), kTilde}));
    EXPECT_EQ(kTilde.size(), 39);
}

TEST(TipText, TheNextDrawFollowsAWednesdayByThreeDaysAnyOtherDayByFour) {
    EXPECT_EQ(TipFiles::nextDrawDate(day(2025, 8, 27)), day(2025, 8, 30)); // Wednesday -> Saturday
    EXPECT_EQ(TipFiles::nextDrawDate(day(2025, 8, 30)), day(2025, 9, 3));  // Saturday -> Wednesday
    EXPECT_EQ(TipFiles::nextDrawDate(day(2025, 8, 31)), day(2025, 9, 4));  // Sunday -> Thursday
    EXPECT_EQ(TipFiles::nextDrawDate(day(2024, 12, 28)), day(2025, 1, 1)); // across a year end
}

TEST(TipText, TheButtonWritesTippTxtWithCrLfKeepsItInTheMemoAndOpensIt) {
    TestProgramDir dir;
    dir.writeHistory({makeDraw(QDate(2025, 8, 30), {3, 11, 19, 27, 35, 40}, 44)});
    FormFixture f(dir, true);
    const QString path = dir.file(QStringLiteral("Tipp.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    f->controls().Memo1->setPlainText(QStringLiteral("earlier content"));
    f->controls().ListBox1->addItems(tips(4));
    f->controls().UpDown8->setPosition(3);
    f->BitBtn7Click();

    // The current draw is Saturday 30.08.25, so the tips are for Wednesday 03.09.25.
    const QStringList expected = TipFiles::tipText(tips(4), 3, day(2025, 9, 3));
    EXPECT_EQ(expected[0], QStringLiteral("Quintara Tipp für Mittwoch 03.09.25"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(f->controls().Memo1->toPlainText(), expected.join(QLatin1Char('\n')));
    EXPECT_EQ(f.platform.shell->opened, QStringList{path});
    EXPECT_TRUE(f.platform.dialogs->shown.empty());
}

TEST(TipText, TipTextReportsAFailedOpenAndThePreviewSavesAPdfWithTheTips) {
    TestProgramDir dir;
    dir.writeHistory({makeDraw(QDate(2025, 8, 6), {1, 2, 3, 4, 5, 6}, 7),
                      makeDraw(QDate(2025, 8, 9), {5, 7, 30, 33, 35, 36}, 12)});
    FormFixture f(dir, false);
    const QStringList tips{QStringLiteral("01,02,03,04,05,06:Normal"), QStringLiteral("05,07,30,33,35,36:Normal"),
                           QStringLiteral("11,17,23,29,41,47:Normal")};
    f->controls().ListBox1->addItems(tips);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet1);
    auto& dialogs = *f.platform.dialogs;

    f.platform.shell->succeeds = false;
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn7")));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("Tipp.txt"))) << dialogs.messages()[0].toStdString();
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("Tipp.txt"))));
    f.platform.shell->succeeds = true;
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("BitBtn7")));
    EXPECT_EQ(dialogs.messages().size(), 1);

    // The preview: its tool bar saves the pages as a PDF.
    const QString pdf = dir.file(QStringLiteral("Tipp.pdf"));
    dialogs.saveAnswers.push_back(pdf);
    bool preview = false;
    dialogs.modalAnswers.push_back([&](QDialog* d) {
        auto* p = qobject_cast<TipPrintPreview*>(d);
        preview = p != nullptr;
        if (!p) return int(QDialog::Rejected);
        EXPECT_EQ(p->tipText().first(), f->tipText().first());
        auto* save = p->findChild<QAction*>(QStringLiteral("AlsPdfSpeichern"));
        EXPECT_NE(save, nullptr);
        if (save) save->trigger();
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("TippDruck")));
    EXPECT_TRUE(preview);
    EXPECT_EQ(dialogs.fileRequests.back().filter, QStringLiteral("PDF-Dokument|*.pdf"));
    ASSERT_TRUE(readBytes(pdf).startsWith("%PDF"));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(content.contains(f->tipText().first())) << content.toStdString();
    for (const QString& tip : tips) EXPECT_TRUE(content.contains(tip)) << tip.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("1. Lotto-Schein")));
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

// ---- The slips: reduced systems as their rows, full systems as one system column ----

namespace {

const QString kVewDir = QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/");
const QString k610 = QStringLiteral("03,07,11,15,19,23,27,31,35,40:610");

std::uint64_t marks(std::initializer_list<int> numbers) {
    std::uint64_t m = 0;
    for (int n : numbers) m |= std::uint64_t{1} << n;
    return m;
}

QStringList slipText(const QStringList& lines, int perTicket, std::optional<double> price = 0.5) {
    SystemTableSet tables(kVewDir);
    return TipFiles::text(TipFiles::sheet(SlipTips::of(lines, tables, Chance::TipShape{}, price), perTicket,
                                          day(2025, 9, 3)));
}

} // namespace

TEST(SlipText, AReducedSystemIsWrittenAsTheSixNumberRowsOfItsOwnTable) {
    SystemTableSet tables(kVewDir);
    const std::vector<TipFiles::SlipTip> tips = SlipTips::of({k610}, tables, Chance::TipShape{}, 0.5);
    // The table 610 has ten rows; each marks six of the ten positions.
    ASSERT_EQ(tips.size(), 10u);
    for (const TipFiles::SlipTip& tip : tips) {
        EXPECT_EQ(std::popcount(tip.numbers), 6) << tip.line.toStdString();
        EXPECT_EQ(tip.numbers & ~marks({3, 7, 11, 15, 19, 23, 27, 31, 35, 40}), 0u);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^(\\d\\d,){5}\\d\\d:Normal$")).match(tip.line).hasMatch())
            << tip.line.toStdString();
    }
    // Rows "xxxxxx----", "xx--xxxx--" and the last, "--xxx-xxx-", by hand.
    EXPECT_EQ(tips[0].line, QStringLiteral("03,07,11,15,19,23:Normal"));
    EXPECT_EQ(tips[1].line, QStringLiteral("03,07,19,23,27,31:Normal"));
    EXPECT_EQ(tips[9].line, QStringLiteral("11,15,19,27,31,35:Normal"));
    EXPECT_EQ(tips[9].numbers, marks({11, 15, 19, 27, 31, 35}));
    EXPECT_EQ(tips[0].note, QStringLiteral("10 Reihen aus ") + k610);
    EXPECT_TRUE(tips[1].note.isEmpty());

    // In the tip text the rows fill the slips: six to a slip here, so ten rows take two.
    const QStringList text = slipText({k610, QStringLiteral("05,07,30,33,35,36:Normal")}, 6);
    QStringList expected = {QStringLiteral("Quintara Tipp für Mittwoch 03.09.25"), kTilde, QStringLiteral(" "),
                            QStringLiteral("1. Lotto-Schein"), QStringLiteral(" 1. Tipp:  03,07,11,15,19,23:Normal"),
                            QStringLiteral("           10 Reihen aus ") + k610};
    for (int r = 1; r < 6; ++r) expected << QStringLiteral("%1. Tipp:  ").arg(r + 1, 2) + tips[r].line;
    expected << QStringLiteral(" ") << QStringLiteral("2. Lotto-Schein");
    for (int r = 6; r < 10; ++r) expected << QStringLiteral("%1. Tipp:  ").arg(r - 5, 2) + tips[r].line;
    expected << QStringLiteral(" 5. Tipp:  05,07,30,33,35,36:Normal");
    EXPECT_EQ(text, expected);
}

TEST(SlipText, FullSystemsStayOneColumnWithRowsAndStakeAndSingleTipsStayAsTheyAre) {
    const QString full = QStringLiteral("01,02,03,04,05,06,07,08:008");
    const QString single = QStringLiteral("05,07,30,33,35,36:Normal");
    SystemTableSet tables(kVewDir);
    const std::vector<TipFiles::SlipTip> slips = SlipTips::of({full, single}, tables, Chance::TipShape{}, 0.5);
    ASSERT_EQ(slips.size(), 2u);
    EXPECT_EQ(slips[0].line, full);
    EXPECT_EQ(slips[0].numbers, marks({1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(slips[0].note, QStringLiteral("Vollsystem: 28 Reihen, Einsatz 14,00 €"));
    EXPECT_EQ(slips[1].line, single);
    EXPECT_TRUE(slips[1].note.isEmpty());
    // A stake without a known price is not guessed.
    EXPECT_EQ(slipText({full}, 6, std::nullopt).at(5),
              QStringLiteral("           Vollsystem: 28 Reihen, Einsatz unbekannt"));

    // A list of single tips gives the tip text the plain lines give, byte for byte.
    const QStringList plain = tips(13);
    EXPECT_EQ(slipText(plain, 3), TipFiles::tipText(plain, 3, day(2025, 9, 3)));

    // A line whose table is missing stays as it is and says so; a line that is no tip stays too.
    const QStringList odd = slipText({QStringLiteral("01,02,03,04,05,06,07,08,09,10:999"), QStringLiteral("hallo")}, 6);
    EXPECT_EQ(odd.mid(4), (QStringList{QStringLiteral(" 1. Tipp:  01,02,03,04,05,06,07,08,09,10:999"),
                                       QStringLiteral("           Tabelle 999 fehlt: das System kann nicht "
                                                      "aufgeschrieben werden"),
                                       QStringLiteral(" 2. Tipp:  hallo")}));
}

TEST(SlipText, TheWindowWritesAReducedSystemAsItsRowsWithNoTableLoadedBefore) {
    TestProgramDir dir;
    dir.installBesideFiles();
    dir.writeHistory({makeDraw(QDate(2025, 8, 30), {3, 11, 19, 27, 35, 40}, 44)});
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir, true);
    ASSERT_EQ(f->systemTable().rowCount(), 0);
    f->controls().ListBox1->addItem(k610);
    f->controls().UpDown8->setPosition(6);
    const QStringList text = f->tipText();
    // Six rows to a slip: ten rows take two slips.
    ASSERT_EQ(text.size(), 4 + 6 + 1 + 2 + 4) << text.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(text[4], QStringLiteral(" 1. Tipp:  03,07,11,15,19,23:Normal"));
    EXPECT_EQ(text.last(), QStringLiteral(" 4. Tipp:  11,15,19,27,31,35:Normal"));
}

TEST(SlipText, TheTextsFollowTheLanguage) {
    const QStringList list{QStringLiteral("01,02,03,04,05,06,07:007")};
    Language::select(Language::Id::English);
    const QStringList english = slipText(list, 6);
    Language::select(Language::Id::Greek);
    const QStringList greek = slipText(list, 6);
    Language::select(Language::Id::German);
    for (const QStringList& text : {english, greek}) {
        ASSERT_EQ(text.size(), 6);
        for (const char* german : {"Tipp", "Schein", "Reihen", "Einsatz", "Mittwoch"})
            EXPECT_FALSE(text.join(QLatin1Char('\n')).contains(QLatin1String(german)))
                << german << "\n" << text.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(text[4].endsWith(QStringLiteral("01,02,03,04,05,06,07:007")));
    }
    EXPECT_EQ(english[0], QStringLiteral("Quintara tip for Wednesday 03.09.25"));
    EXPECT_EQ(english[3], QStringLiteral("1. Lotto slip"));
    EXPECT_EQ(english[4], QStringLiteral(" 1. Tip:  01,02,03,04,05,06,07:007"));
}
