#include "base/BuildInfo.h"
#include "base/Random.h"
#include "base/SettingsStore.h"
#include "app/TForm1.h"
#include "gui/Controls.h"
#include "gui/TForm6.h"
#include "gui/WindowTexts.h"
#include "history/DrawDownload.h"
#include "i18n/Translation.h"
#include "stats/Statistics.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"
#include "gui/ScreenReaderNames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MainWindow, FirstStartOnAnEmptyProgramDirectory) {
    TestProgramDir dir;
    FormFixture f(dir);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->activated());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Quintara for Greece"));
    // The draw lookup reports the missing history, then the frequency chart fails at the open.
    const auto& shown = f.platform.dialogs->shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].kind, QStringLiteral("message"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
    EXPECT_EQ(shown[1].kind, QStringLiteral("error"));
    EXPECT_TRUE(shown[1].text.contains(QStringLiteral("ZahlenGR.dat")));
    EXPECT_EQ(f->controls().Chart1->model()->series2()->count(), 0);
    EXPECT_EQ(f->controls().ListBox1->count(), 0);
    EXPECT_EQ(f->controls().DateTimePicker1->date(), f.platform.clock->date);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ZahlenGR.dat"))));
}

TEST(MainWindow, ProgramDirectoryAlwaysEndsInOneSeparator) {
    TestProgramDir dir;
    TestPlatform platform;
    QString withoutSlash = dir.path();
    withoutSlash.chop(1);
    TForm1 form(withoutSlash, platform.platform());
    EXPECT_EQ(form.programDirectory(), dir.path());
    EXPECT_EQ(form.historyPath(), dir.path() + QStringLiteral("ZahlenGR.dat"));
    EXPECT_EQ(form.winSoundFile(), dir.path() + QStringLiteral("yippee.wav"));
    TForm1 again(dir.path(), platform.platform());
    EXPECT_EQ(again.programDirectory(), dir.path());
}

TEST(MainWindow, WindowsAreCreatedMainFirstAndTheRandomSeedComesFromTheClock) {
    TestProgramDir dir;
    TestPlatform platform;
    platform.clock->count = 0x1234567890ULL;
    TForm1 form(dir.path(), platform.platform());
    ASSERT_NE(form.form6(), nullptr);
    EXPECT_EQ(form.form6()->objectName(), QStringLiteral("Form6"));
    EXPECT_EQ(form.form6()->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
    EXPECT_EQ(Rng::seed(), 0x34567890u);
    EXPECT_EQ(form.maxRuns(), 100000);
    EXPECT_TRUE(form.evaluationEnabled());
}

namespace {

// What the number choice window shows: title, button captions and hints.
QStringList shownTexts(TForm6* window) {
    QStringList texts{window->windowTitle()};
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        texts << b->objectName() + QLatin1Char('=') + b->text() + QLatin1Char('|') + b->toolTip();
    return texts;
}

} // namespace

TEST(MainWindow, NumberChoiceWindowIsMadeOnFirstUseAndFollowsTheLanguageAsIfMadeAtStart) {
    TestProgramDir dir;
    dir.installBesideFiles();
    TestPlatform platform;
    // Made before the switch, as it was at start-up...
    TForm1 early(dir.path(), platform.platform());
    TForm6* earlyChoice = early.form6();
    ASSERT_TRUE(triggerControl(&early, QStringLiteral("Englichen1")));
    const QStringList expected = shownTexts(earlyChoice);
    ASSERT_TRUE(triggerControl(&early, QStringLiteral("Deutsch1")));

    // ... and not made until the switch needs it: the same texts.
    TForm1 form(dir.path(), platform.platform());
    EXPECT_EQ(form.findChild<TForm6*>(), nullptr);
    ASSERT_TRUE(triggerControl(&form, QStringLiteral("Englichen1")));
    TForm6* choice = form.findChild<TForm6*>();
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(form.form6(), choice);
    EXPECT_EQ(shownTexts(choice), expected);
    EXPECT_NE(choice->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
    ASSERT_TRUE(triggerControl(&form, QStringLiteral("Deutsch1")));
    EXPECT_EQ(choice->windowTitle(), QStringLiteral("Welche Zahlen für die Berechnung"));
}

TEST(MainWindow, ActivationShowsTheNewestDrawAndTheFrequencyChart) {
    TestProgramDir dir;
    dir.installRealHistory();
    FormFixture f(dir);
    EXPECT_TRUE(f.platform.dialogs->shown.empty());
    // Today lies after the last draw (Saturday 30.08.2025: 7 37 9 33 36 30).
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2025, 8, 30));
    EXPECT_TRUE(f->controls().Label29->text().endsWith(QStringLiteral(" 30.08.25    7  37  9  33  36  30   + 0")))
        << f->controls().Label29->text().toStdString();
    EXPECT_EQ(f->controls().Label35->text(), f->controls().Label29->text());
    EXPECT_EQ(f->controls().Label13->text(), QStringLiteral("Quersumme: 152"));
    EXPECT_EQ(f->currentDraw().index, 3448);

    BarChartModel* chart = f->controls().Chart1->model();
    ASSERT_EQ(chart->series2()->count(), 49);
    EXPECT_TRUE(chart->series2()->isActive());
    EXPECT_FALSE(chart->series1()->isActive());
    double total = 0, lo = 1e9, hi = 0;
    for (int i = 0; i < 49; ++i) {
        const Bar& bar = chart->series2()->bar(i);
        EXPECT_EQ(bar.x, i + 1);
        EXPECT_EQ(bar.colour, Statistics::isRedNumber(i + 1) ? BarColours::Red : BarColours::Green);
        total += bar.y;
        lo = std::min(lo, bar.y);
        hi = std::max(hi, bar.y);
    }
    EXPECT_EQ(total, 6 * 3449);
    EXPECT_FALSE(chart->leftAxis()->isAutomatic());
    EXPECT_EQ(chart->leftAxis()->minimum(), lo);
    EXPECT_EQ(chart->leftAxis()->maximum(), hi);
    EXPECT_TRUE(chart->bottomTitle().startsWith(
        QStringLiteral("Zahlenverteilung     Ziehungen: 3449    Quersumme: ")));

    // Closing and showing again does not run the activation a second time.
    f->controls().Chart1->model()->prepareStatistic();
    f->hide();
    f->show();
    FormFixture::processEvents();
    EXPECT_EQ(chart->series2()->count(), 0);
}

TEST(MainWindow, FrequencyWindowFollowsThePickersAndWeekdayBoxes) {
    TestProgramDir dir;
    dir.writeHistory({makeDraw(QDate(2011, 10, 12), {1, 2, 3, 4, 5, 6}),
                      makeDraw(QDate(2011, 10, 15), {1, 12, 13, 14, 15, 16}),
                      makeDraw(QDate(2011, 10, 19), {1, 32, 33, 34, 35, 36})});
    FormFixture f(dir, false);
    f->controls().DateTimePicker2->setDate(QDate(2011, 10, 15));
    f->controls().DateTimePicker1->setDate(QDate(2011, 10, 19));
    f->controls().CheckBox17->setChecked(false);
    f->controls().PageControl1->setCurrentWidget(f->controls().TabSheet1);
    f->controls().SpeedButton20->click();
    EXPECT_EQ(f->controls().PageControl1->currentWidget(), f->controls().TabSheet5);
    BarChartModel* chart = f->controls().Chart1->model();
    EXPECT_EQ(chart->bottomTitle(), QStringLiteral("Zahlenverteilung     Ziehungen: 1    Quersumme: 71"));
    EXPECT_EQ(chart->series2()->yValue(0), 1);
    EXPECT_EQ(chart->series2()->yValue(11), 1);
    EXPECT_EQ(chart->series2()->yValue(31), 0);
    EXPECT_EQ(chart->leftAxis()->minimum(), 0);
    EXPECT_EQ(chart->leftAxis()->maximum(), 1);
}

TEST(MainWindow, DeleteRemovesTheCurrentDrawAndTakesTheNextOne) {
    TestProgramDir dir;
    const std::vector<DrawRecord> records{makeDraw(QDate(2011, 10, 5), {1, 2, 3, 4, 5, 6}, 7),
                                          makeDraw(QDate(2011, 10, 8), {8, 9, 10, 11, 12, 13}, 14),
                                          makeDraw(QDate(2011, 10, 12), {3, 9, 17, 22, 35, 48}, 20)};
    dir.writeHistory(records);
    FormFixture f(dir, false);
    f->controls().DateTimePicker1->setDate(QDate(2011, 10, 7));
    f->SpeedButton5Click();
    EXPECT_EQ(f->currentDraw().date, records[1].date);
    EXPECT_EQ(f->currentDraw().index, 1);

    // Deleting asks first, naming the draw.
    f.platform.dialogs->questionAnswers.push_back(Dialogs::Answer::Yes);
    f->controls().BitBtn6->click();
    ASSERT_EQ(f.platform.dialogs->questions().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->questions()[0].startsWith(QStringLiteral("Die Ziehung vom 08.10.2011 löschen?")));
    EXPECT_EQ(dir.readHistory(), (std::vector<DrawRecord>{records[0], records[2]}));
    // The picker still holds 08.10.; the next later draw is shown.
    EXPECT_EQ(f->currentDraw().date, records[2].date);
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2011, 10, 12));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MainWindow, DeleteWithoutHistoryReportsTheFileErrorAndRestoresTheCursor) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    f.platform.dialogs->questionAnswers.push_back(Dialogs::Answer::Yes);
    f->controls().BitBtn6->click();
    ASSERT_EQ(f.platform.dialogs->errors().size(), 1);
    EXPECT_TRUE(f.platform.dialogs->errors()[0].contains(QStringLiteral("nicht gefunden")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("Zahlen.da~"))));
}

TEST(MainWindow, DrawLookupBlanksFollowWhereTheDrawWasTaken) {
    TestProgramDir dir;
    const std::vector<DrawRecord> two{makeDraw(QDate(2011, 1, 5), {1, 2, 3, 4, 5, 6}, 7),
                                      makeDraw(QDate(2011, 1, 8), {11, 12, 13, 14, 15, 16}, 17)};
    dir.writeHistory(two);
    FormFixture f(dir, false);
    // On or before the first of two draws: taken on the first read, three blanks.
    f->controls().DateTimePicker1->setDate(QDate(2011, 1, 1));
    f->SpeedButton5Click();
    EXPECT_EQ(f->currentDraw().index, 0);
    EXPECT_TRUE(f->controls().Label29->text().endsWith(QStringLiteral(" 05.01.11     1  2  3  4  5  6   + 7")))
        << f->controls().Label29->text().toStdString();
    // Between the draws: the later one.
    f->controls().DateTimePicker1->setDate(QDate(2011, 1, 6));
    f->SpeedButton5Click();
    EXPECT_EQ(f->controls().DateTimePicker1->date(), QDate(2011, 1, 8));
    EXPECT_EQ(f->currentDraw().index, 1);
    EXPECT_TRUE(f->controls().Label29->text().endsWith(QStringLiteral(" 08.01.11    11  12  13  14  15  16   + 17")));
    EXPECT_EQ(f->controls().Label13->text(), QStringLiteral("Quersumme: 81"));

    // A history of a single draw takes it again at the end: two blanks.
    dir.writeHistory({two[0]});
    f->controls().DateTimePicker1->setDate(QDate(2011, 1, 1));
    f->SpeedButton5Click();
    EXPECT_TRUE(f->controls().Label29->text().endsWith(QStringLiteral(" 05.01.11    1  2  3  4  5  6   + 7")));
}

TEST(MainWindow, BannerAndLinkLabelsOpenTheirAddresses) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    emit f->controls().Label43->clicked();
    emit f->controls().Label52->clicked();
    ASSERT_EQ(f.platform.shell->opened.size(), 2);
    EXPECT_TRUE(f.platform.shell->opened[0].contains(QStringLiteral("brenlow.example")));
    EXPECT_EQ(f.platform.shell->opened[1], f->controls().Label52->text());
}

TEST(MainWindow, HelpMenuOpensTheManualAndTellsWhatTheProgramIs) {
    TestProgramDir dir;
    FormFixture f(dir, false);
    FakeDialogs& dialogs = *f.platform.dialogs;

    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("UeberQuintara1")));
    ASSERT_EQ(dialogs.messages().size(), 1);
    const QString about = dialogs.messages()[0];
    EXPECT_TRUE(about.startsWith(QStringLiteral("Quintara GR, Version ") + BuildInfo::version() + QLatin1Char('\n')));
    EXPECT_TRUE(about.contains(QStringLiteral("MIT-Lizenz")));
    EXPECT_TRUE(about.contains(QLatin1String(DrawDownload::DefaultServer)));

    // No manual beside the program: said so, nothing opened.
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("Handbuch1")));
    EXPECT_TRUE(f.platform.shell->opened.isEmpty());
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[1].contains(QStringLiteral("README.md")));

    // Beside the program it is opened by the desktop; without a handler the box names the file.
    QFile manual(dir.file(QStringLiteral("README.md")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("Handbuch1")));
    EXPECT_EQ(f.platform.shell->opened, QStringList{dir.file(QStringLiteral("README.md"))});
    EXPECT_EQ(dialogs.messages().size(), 2);
    f.platform.shell->succeeds = false;
    ASSERT_TRUE(triggerControl(f.form.get(), QStringLiteral("Handbuch1")));
    ASSERT_EQ(dialogs.messages().size(), 3);
    EXPECT_TRUE(dialogs.messages()[2].contains(QDir::toNativeSeparators(dir.file(QStringLiteral("README.md")))));
}

TEST(Paths, TheInstalledManualLiesInTheDocumentationFolder) {
    QTemporaryDir prefix;
    const QString data = prefix.filePath(QStringLiteral("share/quintara/"));
    const QString doc = prefix.filePath(QStringLiteral("share/doc/quintara/"));
    QDir().mkpath(data);
    QDir().mkpath(doc);
    const Paths paths = Paths::installed(prefix.filePath(QStringLiteral("bin")), data, prefix.filePath(QStringLiteral("user")));
    EXPECT_TRUE(paths.manualPath().isEmpty());
    QFile readme(doc + QStringLiteral("README.md"));
    ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
    readme.close();
    EXPECT_EQ(paths.manualPath(), QDir::cleanPath(doc + QStringLiteral("README.md")));
}

// ---- The option and internet pages at start-up ----

namespace {

void storeOptionPageSettings() {
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    key.writeInteger(QStringLiteral("Chekcbox2"), 1);
    key.writeInteger(QStringLiteral("UpDown7"), 55);
    key.writeInteger(QStringLiteral("UpDown1"), 4);
    key.writeInteger(QStringLiteral("UpDown3"), 2); // below the minimum: raised to it
    key.writeInteger(QStringLiteral("UpDown12"), 35);
    key.writeString(QStringLiteral("EINPREIS"), QStringLiteral("1,75"));
    key.writeString(QStringLiteral("Spielername"), QStringLiteral("Eleni"));
    key.writeString(QStringLiteral("Browser"), QStringLiteral("ja")); // the old text form
    key.writeString(QStringLiteral("DrawServer"), QStringLiteral("http://127.0.0.1:9"));
    key.save();
}

// The translation file's caption for each control of the part that has one (edits excepted).
int expectCaptionsOf(QWidget* window, QWidget* part, const std::vector<Translation::Entry>& entries) {
    int compared = 0;
    for (const WindowTexts::Component& c : WindowTexts::components(part)) {
        if (c.kind == WindowTexts::Kind::Edit) continue;
        for (const Translation::Entry& e : entries) {
            if (e.window != window->objectName() || e.component != c.object->objectName()) continue;
            EXPECT_EQ(WindowTexts::caption(c), e.caption) << e.component.toStdString();
            ++compared;
            break;
        }
    }
    return compared;
}

} // namespace

TEST(OptionPages, HaveTheirSettingsTextsNamesAndHandlersBeforeTheWindowIsShown) {
    TestProgramDir dir;
    dir.installBesideFiles();
    storeOptionPageSettings();
    TestPlatform platform;
    TForm1 form(dir.path(), platform.platform());

    const Form1Ui& ui = form.controls();
    EXPECT_TRUE(ui.CheckBox2->isChecked());
    EXPECT_EQ(ui.UpDown7->position(), 55);
    EXPECT_EQ(form.maxRuns(), 55000);
    EXPECT_EQ(ui.UpDown1->position(), 4);
    EXPECT_EQ(ui.UpDown3->position(), 4);
    EXPECT_EQ(ui.Edit3->text(), QStringLiteral("1,75"));
    EXPECT_EQ(ui.Edit2->text(), QStringLiteral("Eleni"));
    EXPECT_TRUE(ui.CheckBox21->isChecked());
    EXPECT_EQ(ui.DrawServerEdit->text(), QStringLiteral("http://127.0.0.1:9"));
    // The start-up's own values where nothing is stored.
    EXPECT_EQ(ui.FileNameEdit->text(), form.paths().downloadFilePath());
    EXPECT_EQ(ui.ProxyPortEdit->text(), QStringLiteral("80"));

    // In the window's language (Greek on a first start), named for screen readers.
    const auto greek = Translation::read(form.paths().translationPath(QStringLiteral("Bezeich_gr.txt")));
    int compared = 0;
    for (QWidget* page : {ui.TabSheet6, ui.TabSheet3}) compared += expectCaptionsOf(&form, page, greek);
    EXPECT_GT(compared, 40);
    EXPECT_FALSE(screenReaderName(ui.UpDown7).isEmpty());
    EXPECT_EQ(ui.PageControl2->currentWidget(), ui.TabSheet8);

    // Their handlers are connected.
    emit ui.UpDown12->clicked();
    EXPECT_TRUE(ui.Label76->text().contains(QStringLiteral("35%"))) << ui.Label76->text().toStdString();
    form.close();
}

TEST(OptionPages, ClosingWritesTheirStoredValuesBack) {
    TestProgramDir dir;
    dir.installBesideFiles();
    storeOptionPageSettings();
    TestPlatform platform;
    {
        TForm1 form(dir.path(), platform.platform());
        EXPECT_TRUE(form.FormClose());
        EXPECT_TRUE(platform.dialogs->shown.empty());
    }
    const SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    // Written by the program (the values it keeps without other use come along)...
    EXPECT_EQ(key.kind(QStringLiteral("TippTop")), SettingsStore::Kind::Integer);
    // ... with the stored values of the option and internet pages.
    EXPECT_EQ(key.readInteger(QStringLiteral("Chekcbox2")), 1);
    EXPECT_EQ(key.readInteger(QStringLiteral("UpDown7")), 55);
    EXPECT_EQ(key.readInteger(QStringLiteral("UpDown1")), 4);
    EXPECT_EQ(key.readInteger(QStringLiteral("UpDown3")), 4);
    EXPECT_EQ(key.readInteger(QStringLiteral("UpDown12")), 35);
    EXPECT_EQ(key.readString(QStringLiteral("EINPREIS")), QStringLiteral("1,75"));
    EXPECT_EQ(key.readString(QStringLiteral("Spielername")), QStringLiteral("Eleni"));
    EXPECT_EQ(key.readInteger(QStringLiteral("Browser")), 1);
    EXPECT_EQ(key.readString(QStringLiteral("DrawServer")), QStringLiteral("http://127.0.0.1:9"));
}

TEST(OptionPages, TheLanguageMenuTranslatesThemWithTheRest) {
    TestProgramDir dir;
    dir.installBesideFiles();
    storeLanguage(QStringLiteral("Deutsch1"));
    TestPlatform platform;
    TForm1 form(dir.path(), platform.platform());
    ASSERT_TRUE(triggerControl(&form, QStringLiteral("Englichen1")));
    const auto english = Translation::read(form.paths().translationPath(QStringLiteral("Bezeich_en.txt")));
    int compared = 0;
    for (QWidget* page : {form.controls().TabSheet6, form.controls().TabSheet3})
        compared += expectCaptionsOf(&form, page, english);
    EXPECT_GT(compared, 40);
}
