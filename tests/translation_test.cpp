// Translation files: reading entries (trimming, truncation, the UTF-16 companion), applying
// them to the windows by control class, the language menu and start-up, the template writer,
// and the three files shipped beside the program.
#include "base/SettingsStore.h"
#include "base/TextFile.h"
#include "gui/InlineFields.h"
#include "gui/TForm6.h"
#include "gui/WindowTexts.h"
#include "i18n/Translation.h"
#include "support/FileBytes.h"
#include "support/PageGeometry.h"
#include "support/TestPlatform.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringEncoder>
#include <gtest/gtest.h>

using Translation::Entry;

namespace {

// A translation file of the given lines, CR LF after each.
void writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    writeBytes(path, text.toUtf8());
}

// Every caption, hint and character set of every window, by window and control name.
QStringList snapshot(TForm1& form) {
    QStringList out{form.windowTitle()};
    for (QWidget* window : form.ownedWindows())
        for (const auto& c : WindowTexts::components(window))
            out << window->objectName() + QLatin1Char('.') + c.object->objectName() + QLatin1Char('|') +
                       WindowTexts::caption(c) + QLatin1Char('|') + WindowTexts::hint(c) + QLatin1Char('|') +
                       QString::number(WindowTexts::charset(c));
    return out;
}

int charsetOf(QObject* o) {
    return o->property(WindowTexts::CharsetProperty).isValid()
               ? o->property(WindowTexts::CharsetProperty).toInt()
               : WindowTexts::BaseCharset;
}

struct TranslationWindow : ::testing::Test {
    TestProgramDir dir;
    std::unique_ptr<FormFixture> f;
    QString file;
    void SetUp() override {
        f = std::make_unique<FormFixture>(dir, false);
        file = dir.file(QStringLiteral("test.txt"));
    }
    TForm1& form() { return *f->form; }
    void apply(const QStringList& lines) {
        writeLines(file, lines);
        form().setTranslationFile(file);
        form().Dateiladen1Click();
    }
};

} // namespace

// ---- Reading ----

TEST(TranslationFile, EntriesOfFiveLinesTrimmedNamesExactTextsAndATruncatedLastEntry) {
    const QStringList lines = {QStringLiteral("  Form1 "), QStringLiteral("\tLabel22  "),
                               QStringLiteral("  Tips  "), QStringLiteral(" hint "),
                               QStringLiteral("161"),      QStringLiteral("Form6"),
                               QStringLiteral("BitBtn3"),  QStringLiteral("&Change")};
    const auto entries = Translation::parse(lines, nullptr);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].window, QStringLiteral("Form1"));
    EXPECT_EQ(entries[0].component, QStringLiteral("Label22"));
    EXPECT_EQ(entries[0].caption, QStringLiteral("  Tips  "));
    EXPECT_EQ(entries[0].hint, QStringLiteral(" hint "));
    EXPECT_EQ(Translation::charsetNumber(entries[0]), 161);
    // The missing hint and character set read as empty lines.
    EXPECT_EQ(entries[1].caption, QStringLiteral("&Change"));
    EXPECT_EQ(entries[1].hint, QString());
    EXPECT_FALSE(Translation::charsetNumber(entries[1]).has_value());
}

TEST(TranslationFile, FirstEntryWinsAndNamesCompareExactly) {
    const auto entries = Translation::parse({"Form1", "Label22", "first", "", "161", "Form1", "Label22",
                                             "second", "", "161", "form1", "Label61", "lower", "", "161"},
                                            nullptr);
    ASSERT_NE(Translation::find(entries, "Form1", "Label22"), nullptr);
    EXPECT_EQ(Translation::find(entries, "Form1", "Label22")->caption, QStringLiteral("first"));
    EXPECT_EQ(Translation::find(entries, "Form1", "Label61"), nullptr);
    EXPECT_EQ(Translation::find(entries, "Form6", "Label22"), nullptr);
    EXPECT_FALSE(Translation::charsetNumber({{}, {}, {}, {}, QStringLiteral("x")}).has_value());
    EXPECT_EQ(Translation::charsetNumber({{}, {}, {}, {}, QStringLiteral(" 0 ")}), 0);
}

TEST(TranslationFile, TheCompanionReplacesCaptionsAndHintsEntryByEntry) {
    TestProgramDir dir;
    QDir().mkpath(dir.path());
    const QString path = dir.file(QStringLiteral("gr.txt"));
    writeLines(path, {"Form1", "Label22", "??????", "ignored", "161", "Form1", "Label61", "x", "y", "161"});
    // Only the first entry's lines: the second reads empty texts.
    writeBytes(path + QStringLiteral(".trans"),
               Translation::encodeCompanion({QStringLiteral("Αριθμός στηλών"), QStringLiteral("Υπόδειξη")}));
    EXPECT_TRUE(readBytes(path + QStringLiteral(".trans")).startsWith("\xFF\xFE"));
    const auto entries = Translation::read(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].caption, QStringLiteral("Αριθμός στηλών"));
    EXPECT_EQ(entries[0].hint, QStringLiteral("Υπόδειξη"));
    EXPECT_EQ(entries[1].caption, QString());
    EXPECT_EQ(entries[1].hint, QString());
    EXPECT_EQ(entries[1].charset, QStringLiteral("161"));
}

// ---- Applying ----

TEST_F(TranslationWindow, AnEntryReachesOnlyItsOwnWindowsControl) {
    auto* formBox = form().controls().CheckBox1;
    const QString formText = formBox->text();
    auto* choiceBox = new QCheckBox(QStringLiteral("1"), form().form6());
    choiceBox->setObjectName(QStringLiteral("CheckBox1"));

    apply({"Form1", "CheckBox1", "Prefer numbers that often form pairs", "often together", "0"});
    EXPECT_EQ(formBox->text(), QStringLiteral("Prefer numbers that often form pairs"));
    EXPECT_EQ(formBox->toolTip(), QStringLiteral("often together"));
    EXPECT_EQ(charsetOf(formBox), 0);
    EXPECT_EQ(choiceBox->text(), QStringLiteral("1"));

    // The last entry names the number window's box: the main window's keeps the text it has.
    formBox->setText(formText);
    apply({"Form1", "Label22", "Number of tips", "", "161", "Form6", "CheckBox1", "one", "weight", "161"});
    EXPECT_EQ(formBox->text(), formText);
    EXPECT_EQ(choiceBox->text(), QStringLiteral("one"));
    EXPECT_EQ(form().controls().Label22->text(), QStringLiteral("Number of tips"));

    // Of two entries for one control the first is applied; a window name differing in case
    // names another window.
    apply({"form1", "Label22", "lower case", "", "161", "Form1", "Label22", "first", "", "161", "Form1", "Label22",
           "second", "", "161"});
    EXPECT_EQ(form().controls().Label22->text(), QStringLiteral("first"));
}

TEST_F(TranslationWindow, EditFieldsTakeHintAndCharacterSetOnlyAndOtherControlsNothing) {
    form().controls().FileNameEdit->setText(QStringLiteral("/tmp/Lotto.html"));
    const QString title = form().windowTitle();
    apply({"Form1", "FileNameEdit", "not the text", "where the download goes", "0",
           // The edit of an up-down spin is an edit field of its own; the spin is left alone.
           "Form1", "Edit85", "x", "percent hint", "0", "Form1", "UpDown12", "u", "spin hint", "0",
           // Lists, combo boxes, date pickers and the window itself are left alone.
           "Form1", "ListBox1", "list", "list hint", "0", "Form1", "ComboBox1", "combo", "combo hint", "0",
           "Form1", "DateTimePicker1", "date", "date hint", "0", "Form1", "Form1", "Title", "", "0"});
    EXPECT_EQ(form().controls().FileNameEdit->text(), QStringLiteral("/tmp/Lotto.html"));
    EXPECT_EQ(form().controls().FileNameEdit->toolTip(), QStringLiteral("where the download goes"));
    EXPECT_EQ(charsetOf(form().controls().FileNameEdit), 0);
    EXPECT_EQ(form().controls().UpDown12->edit()->toolTip(), QStringLiteral("percent hint"));
    EXPECT_EQ(form().controls().UpDown12->edit()->text(), QStringLiteral("30"));
    EXPECT_TRUE(form().controls().UpDown12->toolTip().isEmpty());
    EXPECT_TRUE(form().controls().ListBox1->toolTip().isEmpty());
    EXPECT_TRUE(form().controls().ComboBox1->toolTip().isEmpty());
    EXPECT_EQ(form().controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_TRUE(form().controls().DateTimePicker1->toolTip().isEmpty());
    EXPECT_EQ(form().windowTitle(), title);
}

TEST_F(TranslationWindow, ANonNumericCharacterSetStopsAfterCaptionAndHint) {
    apply({"Form1", "Label22", "Number of tips", "how many", "x", "Form1", "Label61", "Numbers per tip", "",
           "0"});
    EXPECT_EQ(form().controls().Label22->text(), QStringLiteral("Number of tips"));
    EXPECT_EQ(form().controls().Label22->toolTip(), QStringLiteral("how many"));
    EXPECT_EQ(charsetOf(form().controls().Label22), WindowTexts::BaseCharset);
    EXPECT_EQ(form().controls().Label61->text(), QStringLiteral("Numbers per tip"));
    EXPECT_EQ(charsetOf(form().controls().Label61), 0);
}

TEST_F(TranslationWindow, MenuItemsTabSheetsPanelsAndButtons) {
    apply({"Form1",    "Beenden1",
           "E&xit",    "Ends the program",
           "0",        "Form1",
           "N1",       "-",
           "",         "0",
           "Form1",    "TabSheet4",
           "Database", "The draws",
           "0",        "Form1",
           "Panel12",  "Tips",
           "",         "0",
           "Form1",    "SpeedButton15",
           "",         "Save the tips",
           "0",        "Form1",
           "BitBtn4",  "Calculate tips",
           "",         "0"});
    EXPECT_EQ(form().controls().Beenden1->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(form().controls().Beenden1->statusTip(), QStringLiteral("Ends the program"));
    EXPECT_TRUE(form().controls().N1->isSeparator());
    const int page = form().controls().PageControl1->indexOf(form().controls().TabSheet4);
    EXPECT_EQ(form().controls().PageControl1->tabText(page), QStringLiteral("Database"));
    EXPECT_EQ(form().controls().PageControl1->tabToolTip(page), QStringLiteral("The draws"));
    EXPECT_EQ(form().controls().Panel12->caption(), QStringLiteral("Tips"));
    EXPECT_EQ(form().controls().SpeedButton15->toolTip(), QStringLiteral("Save the tips"));
    EXPECT_EQ(form().controls().BitBtn4->text(), QStringLiteral("Calculate tips"));
}

TEST_F(TranslationWindow, AMissingFileChangesNothingAndShowsNothing) {
    const QStringList before = snapshot(form());
    form().setTranslationFile(dir.file(QStringLiteral("land/none.txt")));
    form().Dateiladen1Click();
    EXPECT_EQ(snapshot(form()), before);
    EXPECT_TRUE(f->platform.dialogs->shown.empty());
}

// ---- Language menu and start-up ----

TEST(LanguageMenu, ItemsSelectTheirFileCheckThemselvesAndSetTheTitle) {
    TestProgramDir dir;
    dir.installBesideFiles();
    FormFixture f(dir, false);
    f->setWindowTitle(QStringLiteral("changed"));
    f->Deutsch1Click();
    EXPECT_EQ(f->translationFile(), dir.file(QStringLiteral("land/Bezeich_de.txt")));
    EXPECT_TRUE(f->controls().Deutsch1->isChecked());
    EXPECT_FALSE(f->controls().Englichen1->isChecked());
    EXPECT_FALSE(f->controls().Grichisch1->isChecked());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("changed"));
    EXPECT_EQ(f->controls().BitBtn4->text(), QStringLiteral("Tipps berechnen"));

    f->Englichen1Click();
    EXPECT_EQ(f->translationFile(), dir.file(QStringLiteral("land/Bezeich_en.txt")));
    EXPECT_TRUE(f->controls().Englichen1->isChecked());
    EXPECT_FALSE(f->controls().Deutsch1->isChecked());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Quintara for Greece"));
    EXPECT_EQ(f->controls().BitBtn4->text(), QStringLiteral("Calculate tips"));

    // A click on the checked item through the menu leaves it checked.
    f->controls().Grichisch1->trigger();
    f->controls().Grichisch1->trigger();
    EXPECT_TRUE(f->controls().Grichisch1->isChecked());
    EXPECT_FALSE(f->controls().Englichen1->isChecked());
    EXPECT_EQ(f->controls().BitBtn4->text(), QStringLiteral("Υπολογισμός στηλών"));
}

TEST(LanguageMenu, StartUpTranslatesTheMainWindowOnlyAndTheMenuEveryWindow) {
    TestProgramDir dir;
    dir.installBesideFiles();
    FormFixture f(dir, false); // Greek is the language of a first start
    EXPECT_TRUE(f->controls().Grichisch1->isChecked());
    EXPECT_EQ(f->controls().BitBtn5->text(), QStringLiteral("Κλείσιμο"));
    EXPECT_EQ(f->controls().PageControl1->tabText(0), QStringLiteral("Στήλες Λόττο"));
    // A control of the number choice window, as that window names it.
    auto* change = new QPushButton(QStringLiteral("&Ändern"), f->form6());
    change->setObjectName(QStringLiteral("BitBtn3"));
    f->Dateiladen1Click();
    EXPECT_EQ(change->text(), QStringLiteral("&Αλλαγή"));
    f->Deutsch1Click();
    EXPECT_EQ(change->text(), QStringLiteral("&Ändern"));
}

TEST(LanguageMenu, OfTwoStoredChecksTheLaterItemWins) {
    auto startWith = [](bool de, bool en, bool gr) {
        TestProgramDir dir;
        dir.installBesideFiles();
        SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
        key.writeInteger(QStringLiteral("Deutsch1"), de);
        key.writeInteger(QStringLiteral("Englichen1"), en);
        key.writeInteger(QStringLiteral("Grichisch1"), gr);
        key.save();
        FormFixture f(dir, false);
        return f->controls().BitBtn5->text();
    };
    EXPECT_EQ(startWith(true, true, false), QStringLiteral("Close"));
    EXPECT_EQ(startWith(true, true, true), QStringLiteral("Κλείσιμο"));
    EXPECT_EQ(startWith(true, false, false), QStringLiteral("Schließen"));
}

// ---- Templates ----

TEST_F(TranslationWindow, ATemplateAppliedChangesNothingAndKeepsCharacterSets) {
    apply({"Form1", "Label22", "Anzahl der Tipps", "", "0"});
    const QStringList before = snapshot(form());
    const QString path = dir.file(QStringLiteral("template.txt"));
    f->platform.dialogs->saveAnswers.push_back(path);
    form().InDateispeichern1Click();
    EXPECT_EQ(f->platform.dialogs->fileRequests.back().filter, QStringLiteral("Textdatei|*.txt"));
    EXPECT_EQ(f->platform.dialogs->fileRequests.back().defaultSuffix, QStringLiteral("txt"));

    const QStringList lines = TextFile::readLines(path);
    ASSERT_EQ(lines.size() % 5, 0);
    const auto entries = Translation::read(path);
    const QStringList companion = TextFile::readLines(path + QStringLiteral(".trans"));
    EXPECT_EQ(companion.size(), 2 * static_cast<qsizetype>(entries.size()));
    EXPECT_TRUE(readBytes(path + QStringLiteral(".trans")).startsWith("\xFF\xFE"));
    auto entry = [&](const char* name) { return Translation::find(entries, "Form1", name); };
    ASSERT_NE(entry("Label22"), nullptr);
    EXPECT_EQ(entry("Label22")->charset, QStringLiteral("0"));
    EXPECT_EQ(entry("Label61")->charset, QStringLiteral("161"));
    EXPECT_EQ(entry("Beenden1")->charset, QStringLiteral("1"));
    // An edit writes its hint in the caption line.
    EXPECT_EQ(entry("Edit85")->caption, form().controls().UpDown12->edit()->toolTip());
    EXPECT_EQ(entry("Edit85")->hint, form().controls().UpDown12->edit()->toolTip());
    EXPECT_EQ(entry("ListBox1"), nullptr);
    EXPECT_EQ(entry("StatusBar1Panel0"), nullptr);
    EXPECT_EQ(entry("Panel14")->caption, form().controls().Panel14->caption()); // leading blanks kept

    form().setTranslationFile(path);
    form().Dateiladen1Click();
    EXPECT_EQ(snapshot(form()), before);

    // Cancelled: nothing is written.
    QFile::remove(path);
    form().InDateispeichern1Click();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TranslationWindow, AGreekTemplateKeepsItsLettersThroughTheCompanion) {
    dir.installBesideFiles();
    form().Grichisch1Click();
    const QStringList greek = snapshot(form());
    const QString path = dir.file(QStringLiteral("greek.txt"));
    f->platform.dialogs->saveAnswers.push_back(path);
    form().InDateispeichern1Click();
    // Spoil the narrow file's texts: the companion alone carries them.
    QStringList lines = TextFile::readLines(path);
    for (qsizetype i = 0; i < lines.size(); i += 5) lines[i + 2] = lines[i + 3] = QStringLiteral("?");
    writeLines(path, lines);

    form().Deutsch1Click();
    ASSERT_NE(snapshot(form()), greek);
    form().setTranslationFile(path);
    form().Dateiladen1Click();
    EXPECT_EQ(snapshot(form()), greek);
}

TEST_F(TranslationWindow, FailuresToWriteEitherFileAreReported) {
    QDir().mkpath(dir.file(QStringLiteral("a.txt")));
    f->platform.dialogs->saveAnswers.push_back(dir.file(QStringLiteral("a.txt")));
    EXPECT_FALSE(form().runAction([this] { form().InDateispeichern1Click(); }));
    QDir().mkpath(dir.file(QStringLiteral("b.txt.trans")));
    f->platform.dialogs->saveAnswers.push_back(dir.file(QStringLiteral("b.txt")));
    EXPECT_FALSE(form().runAction([this] { form().InDateispeichern1Click(); }));
    const QStringList errors = f->platform.dialogs->errors();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("a.txt")));
    EXPECT_TRUE(errors[1].contains(QStringLiteral("b.txt.trans")));
}

// ---- The files beside the program ----

namespace {

std::vector<Entry> shipped(const char* language) {
    return Translation::read(
        QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/land/Bezeich_%1.txt").arg(QLatin1String(language)));
}

} // namespace

TEST(ShippedTranslations, NameTheSameControlsAndTranslateEveryText) {
    const auto de = shipped("de");
    const auto en = shipped("en");
    const auto gr = shipped("gr");
    ASSERT_GT(de.size(), 100u);
    ASSERT_EQ(en.size(), de.size());
    ASSERT_EQ(gr.size(), de.size());
    const QByteArray enBytes =
        readBytes(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/land/Bezeich_en.txt"));
    EXPECT_TRUE(std::all_of(enBytes.begin(), enBytes.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 128; }));
    const QRegularExpression greekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
    int greekTexts = 0;
    for (size_t i = 0; i < de.size(); ++i) {
        SCOPED_TRACE((de[i].window + QLatin1Char('.') + de[i].component).toStdString());
        for (const auto* other : {&en[i], &gr[i]}) {
            EXPECT_EQ(other->window, de[i].window);
            EXPECT_EQ(other->component, de[i].component);
            EXPECT_EQ(other->charset, de[i].charset);
            EXPECT_EQ(other->caption.isEmpty(), de[i].caption.isEmpty());
            EXPECT_EQ(other->hint.isEmpty(), de[i].hint.isEmpty());
        }
        if (greekLetter.match(gr[i].caption + gr[i].hint).hasMatch()) ++greekTexts;
    }
    // Everything but the addresses, the banners, the separator and "OK" is Greek.
    EXPECT_GE(greekTexts, static_cast<int>(de.size()) - 8);
}

TEST(ShippedTranslations, GermanRestoresEveryBuiltInTextAfterEitherLanguage) {
    TestProgramDir dir;
    dir.installBesideFiles();
    TestPlatform platform;
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    key.writeInteger(QStringLiteral("Grichisch1"), 0);
    key.save();
    TForm1 form(dir.path(), platform.platform());
    const QStringList builtIn = snapshot(form);
    form.Englichen1Click();
    const QStringList english = snapshot(form);
    EXPECT_NE(english, builtIn);
    form.Deutsch1Click();
    EXPECT_EQ(snapshot(form), builtIn);
    form.Grichisch1Click();
    EXPECT_NE(snapshot(form), english);
    form.Deutsch1Click();
    EXPECT_EQ(snapshot(form), builtIn);
}

namespace {} // namespace

TEST(ShippedTranslations, EveryPageHoldsItsTranslatedTextsAtTheDesignedSize) {
    TestProgramDir dir;
    dir.installBesideFiles();
    FormFixture f(dir, true);
    for (auto select : {&TForm1::Englichen1Click, &TForm1::Grichisch1Click}) {
        ((*f.form).*select)();
        SCOPED_TRACE(f->controls().Deutsch1->text().toStdString());
        const Form1Ui& ui = f->controls();
        // Every tab shows its whole caption.
        auto expectWholeTabs = [](QTabWidget* tabs) {
            QTabBar* bar = tabs->tabBar();
            EXPECT_LE(bar->tabRect(bar->count() - 1).right(), tabs->width())
                << tabs->objectName().toStdString();
        };
        for (QWidget* page : {ui.TabSheet1, ui.TabSheet5, ui.TabSheet4, ui.TabSheet3}) {
            ui.PageControl1->setCurrentWidget(page);
            FormFixture::processEvents();
            expectNothingCutOffOrOverlapping(page);
        }
        expectWholeTabs(ui.PageControl1);
        ui.PageControl1->setCurrentWidget(ui.TabSheet6);
        for (QWidget* page : {ui.TabSheet8, ui.TabSheet9, ui.TabSheet10, ui.TabSheet11}) {
            ui.PageControl2->setCurrentWidget(page);
            FormFixture::processEvents();
            expectNothingCutOffOrOverlapping(page);
            // Each number field of a sentence still has a blank run of its own to stand in.
            for (auto* spin : page->findChildren<UpDown*>()) {
                QWidget* host = spin->parentWidget();
                if (!qobject_cast<QCheckBox*>(host) && !qobject_cast<QLabel*>(host)) continue;
                EXPECT_EQ(InlineFields::blankRuns(host).size(), host->findChildren<UpDown*>().size())
                    << host->objectName().toStdString();
            }
        }
        expectWholeTabs(ui.PageControl2);
        EXPECT_EQ(f->centralWidget()->size(), QSize(565, 450));
    }
}
