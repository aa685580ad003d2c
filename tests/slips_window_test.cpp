// Slips recorded from the tip list with the button beside it, and checked by the window itself
// when an update or a manual entry brings the draws they cover.
//
// The slips window through the real main window: two slips over three draws with the prize
// tables kept beside the history, its filters, totals, the hits of a row, editing, deleting
// and the CSV export.
#include "base/DayCount.h"
#include "evaluation/Slips.h"
#include "gui/BarChartView.h"
#include "gui/SlipsWindow.h"
#include "gui/TForm3.h"
#include "history/PrizeTable.h"
#include "support/Awaiting.h"
#include "support/FakeOperator.h"
#include "support/FileBytes.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <set>

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
    ASSERT_TRUE(waitUntil([&] { return !f->downloadRunning(); }));
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
    // The player types the draw in on its evening.
    f.platform.clock->date = QDate(2025, 9, 3);
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

// ---- The slips window ----
namespace {

const QDate Sat(2025, 8, 23), Wed(2025, 8, 27), Sat2(2025, 8, 30);

DrawPrizes prizes(const QDate& date, double three, double four) {
    DrawPrizes d;
    d.date = date;
    // The operator's category ids: 1 six, 10 five with the additional number, 2 five, 3 four, 4 three.
    d.tiers = {{1, 6, false, 0, 0, 0, 0}, {10, 5, true, 60000, 1, 0, 0}, {2, 5, false, 1500, 3, 0, 0},
               {3, 4, false, four, 90, 0, 0}, {4, 3, false, three, 2000, 0, 0}};
    return d;
}

class SlipsWindowTest : public ::testing::Test {
protected:
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;

    // History to 2025-08-30; the draw of 08-27 has no prize table. A single tip with three hits
    // on 08-23 and 08-27, and a full system of eight with three hits (ten 3s) on 08-23 and four
    // (six 4s, sixteen 3s) on 08-27; nothing on 08-30.
    void SetUp() override {
        dir.installBesideFiles();
        dir.writeHistory({makeDraw(QDate(2025, 8, 20), {1, 2, 3, 4, 5, 6}, 7),
                          makeDraw(Sat, {1, 2, 3, 10, 11, 12}, 13), makeDraw(Wed, {1, 2, 3, 4, 20, 21}, 22),
                          makeDraw(Sat2, {30, 31, 32, 33, 34, 35}, 36)});
        PrizeTable table;
        table.merge(prizes(Sat, 2.0, 40.0));
        table.merge(prizes(Sat2, 1.5, 35.0));
        table.write(PrizeTable::companionPath(dir.file(QStringLiteral("ZahlenGR.dat"))));
        Slips::SlipBook book;
        book.add({{}, QStringLiteral("Einzel"), {QStringLiteral("01,02,03,40,41,42:Normal")}, Sat, 3, 0.5});
        book.add({{}, QStringLiteral("System, acht"), {QStringLiteral("01,02,03,04,05,06,07,08:Vollsystem")}, Sat, 3, 0.5});
        ASSERT_EQ(book.save(slipsFile()), QString());
        storeLanguage(QStringLiteral("Deutsch1"));
        f = std::make_unique<FormFixture>(dir);
    }
    QString slipsFile() const { return dir.file(QStringLiteral("ZahlenGR.scheine.csv")); }
    TForm1& form() { return *f->form; }
    FakeDialogs& dialogs() { return *f->platform.dialogs; }
    template <class W> W* control(SlipsWindow* w, const char* name) {
        W* c = w->findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(c) << name;
        return c;
    }
    SlipsWindow* open() {
        form().controls().PageControl1->setCurrentWidget(form().controls().TabSheet4);
        EXPECT_TRUE(triggerControl(&form(), QStringLiteral("SlipsOpenButton")));
        auto* w = form().findChild<SlipsWindow*>(QStringLiteral("TFormSlips"));
        EXPECT_TRUE(w && w->isVisible());
        return w;
    }
    QStringList row(SlipsWindow* w, int r) {
        const QAbstractItemModel* m = control<QTableView>(w, "SlipTable")->model();
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->data(m->index(r, c)).toString();
        return cells;
    }
    int rows(SlipsWindow* w) { return control<QTableView>(w, "SlipTable")->model()->rowCount(); }
    void select(SlipsWindow* w, int r) { control<QTableView>(w, "SlipTable")->selectRow(r); }
};

} // namespace

TEST_F(SlipsWindowTest, ShowsEveryDrawOfBothSlipsWithItsTierWinningsAndTotals) {
    SlipsWindow* w = open();
    ASSERT_TRUE(w);
    ASSERT_EQ(rows(w), 6);
    EXPECT_EQ(row(w, 0).join(QLatin1Char('|')), QStringLiteral("23.08.25|Einzel|1|0,50 €|3 Richtige|2,00 €"));
    // No prize table for 08-27: a win there is never valued.
    EXPECT_EQ(row(w, 1).join(QLatin1Char('|')), QStringLiteral("27.08.25|Einzel|1|0,50 €|3 Richtige|unbekannt"));
    EXPECT_EQ(row(w, 2).join(QLatin1Char('|')), QStringLiteral("30.08.25|Einzel|1|0,50 €|–|0,00 €"));
    EXPECT_EQ(row(w, 3).join(QLatin1Char('|')),
              QStringLiteral("23.08.25|System, acht|28|14,00 €|3 Richtige|20,00 €"));
    EXPECT_EQ(row(w, 4).join(QLatin1Char('|')),
              QStringLiteral("27.08.25|System, acht|28|14,00 €|4 Richtige|unbekannt"));

    // 43.50 € staked, 22 € known, 23 winning columns unknown; no average without every dividend.
    const QString totals = control<QLabel>(w, "SlipTotals")->text();
    EXPECT_TRUE(totals.startsWith(QStringLiteral("Einsatz 43,50 €, Gewinn 22,00 € + unbekannt, Saldo -21,50 €")))
        << totals.toStdString();
    EXPECT_TRUE(totals.contains(QStringLiteral("ohne 23 Gewinnreihe"))) << totals.toStdString();
    EXPECT_TRUE(totals.contains(QStringLiteral("im Mittel unbekannt"))) << totals.toStdString();

    // The balance after each draw date, both slips together (known part): +7.50, -7.00, -21.50.
    const BarSeries* bars = control<BarChartView>(w, "SlipBalanceChart")->model()->series2();
    ASSERT_EQ(bars->count(), 3);
    EXPECT_DOUBLE_EQ(bars->yValue(0), 7.5);
    EXPECT_DOUBLE_EQ(bars->yValue(1), -7.0);
    EXPECT_DOUBLE_EQ(bars->yValue(2), -21.5);

    // The menu item opens the same window again.
    w->hide();
    EXPECT_TRUE(triggerControl(&form(), QStringLiteral("MenuSlips")));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SlipsWindowTest, ASelectedRowShowsEveryColumnWithTheWinningNumbersBold) {
    SlipsWindow* w = open();
    select(w, 4); // the full system on 08-27: 1, 2, 3, 4 of its numbers drawn
    auto* detail = control<QTextBrowser>(w, "SlipDetail");
    const QString text = detail->toPlainText();
    EXPECT_EQ(text.count(QStringLiteral("4 Richtige")), 6) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("3 Richtige")), 16) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("28."))) << text.toStdString();
    std::set<QString> bold, plain;
    for (QTextBlock b = detail->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const bool isBold = it.fragment().charFormat().fontWeight() >= QFont::Bold;
            for (const QString& t : it.fragment().text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (t.size() == 2 && t[0].isDigit() && t[1].isDigit()) (isBold ? bold : plain).insert(t);
        }
    EXPECT_EQ(bold, (std::set<QString>{"01", "02", "03", "04"}));
    EXPECT_TRUE(plain.count(QStringLiteral("05")) && plain.count(QStringLiteral("08")));
}

TEST_F(SlipsWindowTest, FiltersKeepTheWinsOrTheFinishedSlips) {
    SlipsWindow* w = open();
    auto* filter = control<QComboBox>(w, "SlipFilter");
    filter->setCurrentIndex(3); // wins
    ASSERT_EQ(rows(w), 4);
    for (int r = 0; r < 4; ++r) EXPECT_NE(row(w, r)[4], QStringLiteral("–"));
    // The totals follow the rows shown: the draws without a win are not staked here.
    EXPECT_TRUE(control<QLabel>(w, "SlipTotals")->text().startsWith(QStringLiteral("Einsatz 29,00 €")));
    filter->setCurrentIndex(1); // open: both slips have all three draws drawn
    EXPECT_EQ(rows(w), 0);
    filter->setCurrentIndex(2);
    EXPECT_EQ(rows(w), 6);
}

TEST_F(SlipsWindowTest, DeleteAsksFirstAndSavesTheBookWithoutTheSlip) {
    SlipsWindow* w = open();
    const QByteArray before = readBytes(slipsFile());
    select(w, 3);
    dialogs().questionAnswers.push_back(Dialogs::Answer::No);
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipDelete")));
    ASSERT_EQ(dialogs().questions().size(), 1);
    EXPECT_TRUE(dialogs().questions()[0].contains(QStringLiteral("„System, acht“"))) << dialogs().questions()[0].toStdString();
    EXPECT_EQ(readBytes(slipsFile()), before);
    EXPECT_EQ(rows(w), 6);

    dialogs().questionAnswers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipDelete")));
    EXPECT_EQ(rows(w), 3);
    Slips::SlipBook book;
    ASSERT_EQ(book.load(slipsFile()).error, QString());
    ASSERT_EQ(book.slips().size(), 1u);
    EXPECT_EQ(book.slips()[0].name, QStringLiteral("Einzel"));
    EXPECT_TRUE(dialogs().errors().isEmpty());
}

TEST_F(SlipsWindowTest, EditChangesDrawsAndPriceAndTheChecksFollow) {
    SlipsWindow* w = open();
    select(w, 0);
    dialogs().modalAnswers.push_back([](QDialog* d) {
        d->findChild<QLineEdit*>(QStringLiteral("SlipEditName"))->setText(QStringLiteral("Solo"));
        d->findChild<QSpinBox*>(QStringLiteral("SlipEditDraws"))->setValue(1);
        d->findChild<QDoubleSpinBox*>(QStringLiteral("SlipEditPrice"))->setValue(1.0);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipEdit")));
    ASSERT_EQ(rows(w), 4);
    EXPECT_EQ(row(w, 0).join(QLatin1Char('|')), QStringLiteral("23.08.25|Solo|1|1,00 €|3 Richtige|2,00 €"));
    Slips::SlipBook book;
    ASSERT_EQ(book.load(slipsFile()).error, QString());
    EXPECT_EQ(book.slips()[0].draws, 1);
    EXPECT_EQ(book.slips()[0].id, QStringLiteral("1"));
    // A cancelled edit changes nothing.
    const QByteArray before = readBytes(slipsFile());
    select(w, 1);
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipEdit")));
    EXPECT_EQ(readBytes(slipsFile()), before);
}

TEST_F(SlipsWindowTest, ExportWritesTheRowsShownAsCsv) {
    SlipsWindow* w = open();
    const QString path = dir.file(QStringLiteral("export.csv"));
    dialogs().saveAnswers.push_back(path);
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipExport")));
    EXPECT_EQ(readBytes(path), QByteArray("datum,schein,spalten,einsatz,gewinnklasse,gewinn,ohne_quote\r\n"
                                          "2025-08-23,Einzel,1,0.50,3,2.00,0\r\n"
                                          "2025-08-27,Einzel,1,0.50,3,0.00,1\r\n"
                                          "2025-08-30,Einzel,1,0.50,,0.00,0\r\n"
                                          "2025-08-23,\"System, acht\",28,14.00,3,20.00,0\r\n"
                                          "2025-08-27,\"System, acht\",28,14.00,4,0.00,22\r\n"
                                          "2025-08-30,\"System, acht\",28,14.00,,0.00,0\r\n"));
    // A file that cannot be written is reported, never half written.
    const auto errors = dialogs().errors().size();
    dialogs().saveAnswers.push_back(dir.file(QStringLiteral("no/such/dir/x.csv")));
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipExport")));
    EXPECT_EQ(dialogs().errors().size(), errors + 1);
}

TEST_F(SlipsWindowTest, FollowsTheLanguageMenu) {
    SlipsWindow* w = open();
    form().Englichen1Click();
    FormFixture::processEvents();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("My slips"));
    const QAbstractItemModel* m = control<QTableView>(w, "SlipTable")->model();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Date"));
    EXPECT_EQ(row(w, 1)[5], QStringLiteral("unknown"));
    EXPECT_EQ(form().controls().SlipsOpenButton->text(), QStringLiteral("My slips"));
}

TEST_F(SlipsWindowTest, AnOpenWindowFollowsANewSlipAndTheDrawThatChecksIt) {
    SlipsWindow* w = open();
    const Form1Ui& ui = form().controls();
    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    ui.ListBox1->clear();
    ui.ListBox1->addItem(QStringLiteral("02,07,25,26,40,41:Normal"));
    dialogs().modalAnswers.push_back([](QDialog* d) {
        d->findChild<QSpinBox*>(QStringLiteral("SlipDraws"))->setValue(1);
        d->findChild<QLineEdit*>(QStringLiteral("SlipName"))->setText(QStringLiteral("Neu"));
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(triggerControl(&form(), QStringLiteral("SlipSaveButton")));
    ASSERT_EQ(rows(w), 7);
    EXPECT_EQ(row(w, 6).join(QLatin1Char('|')), QStringLiteral("03.09.25|Neu|1|0,50 €|offen|offen"));

    dialogs().modalAnswers.push_back([](QDialog* d) {
        auto* entry = qobject_cast<TForm3*>(d);
        entry->DateTimePicker1->setDate(QDate(2025, 9, 3));
        const std::array<int, 6> numbers{2, 7, 25, 30, 31, 32};
        for (int i = 1; i <= 6; ++i) entry->number(i)->setPosition(numbers[static_cast<std::size_t>(i - 1)]);
        entry->UpDown7->setPosition(0);
        return int(QDialog::Accepted);
    });
    f->platform.clock->date = QDate(2025, 9, 3);
    form().BitBtn8Click();
    ASSERT_EQ(rows(w), 7);
    // No prize table for the typed-in draw: the three hits are a win of unknown value.
    EXPECT_EQ(row(w, 6).join(QLatin1Char('|')), QStringLiteral("03.09.25|Neu|1|0,50 €|3 Richtige|unbekannt"));
}

TEST_F(SlipsWindowTest, ADamagedLineIsNamedAndKeptAndPrintingShowsThePreview) {
    {
        QFile file(slipsFile());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("kaputt;ohne;Sinn\r\n");
    }
    SlipsWindow* w = open();
    EXPECT_EQ(rows(w), 6);
    auto* note = control<QLabel>(w, "SlipFileNote");
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("1 Zeile(n) der Scheindatei sind beschädigt"))) << note->text().toStdString();
    // A change of the book writes the damaged line back as it was.
    select(w, 0);
    dialogs().questionAnswers.push_back(Dialogs::Answer::Yes);
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipDelete")));
    EXPECT_TRUE(readBytes(slipsFile()).contains("kaputt;ohne;Sinn\r\n"));

    QString title;
    dialogs().modalAnswers.push_back([&title](QDialog* d) {
        title = d->windowTitle();
        return int(QDialog::Rejected);
    });
    ASSERT_TRUE(triggerControl(w, QStringLiteral("SlipPrint")));
    EXPECT_EQ(title, QStringLiteral("Druckvorschau: Meine Scheine"));
}
