// The messages' language: every window, message and input box in English and Greek without a
// German text, the switch at once (texts already on screen included), German unchanged, the
// language menu readable from any language; and the keyboard and screen-reader side: names for
// every control that takes the focus, clickable labels that work from the keyboard.
#include "base/DayCount.h"
#include "base/SettingsStore.h"
#include "generator/PreferencePool.h"
#include "gui/AnalysisReport.h"
#include "gui/Controls.h"
#include "gui/Language.h"
#include "gui/TForm3.h"
#include "gui/TForm6.h"
#include "gui/WindowTexts.h"
#include "i18n/Translation.h"
#include "stats/BarChartModel.h"
#include "support/TestPlatform.h"
#include "support/Trigger.h"
#include "gui/BarChartView.h"
#include "gui/ScreenReaderNames.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QCategoryAxis>
#include <QBarSet>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <set>

namespace {

// Sixteen draws of August and September 2025, on Wednesdays and Saturdays.
std::vector<DrawRecord> recentDraws() {
    std::vector<DrawRecord> out;
    QDate date(2025, 7, 5); // a Saturday
    for (int i = 0; i < 16; ++i) {
        const int b = 1 + (i * 5) % 40;
        out.push_back(makeDraw(date, {b, b + 2, b + 4, b + 6, b + 7, b + 9}, 49 - i));
        date = date.addDays(date.dayOfWeek() == 6 ? 4 : 3);
    }
    return out;
}

// The short weekday name of a draw date in a language, with the blank after it.
QString shortDay(QLocale::Language language, double dayCount) {
    return QLocale(language).dayName(DayCount::toDate(dayCount).dayOfWeek(), QLocale::ShortFormat) +
           QLatin1Char(' ');
}

struct Message {
    QString source;
    QString translation;
};

// The messages of a catalogue (.ts) of the source tree.
std::vector<Message> catalogue(const char* file) {
    QFile f(QStringLiteral(QUINTARA_SOURCE_DIR "/translations/") + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file;
    std::vector<Message> out;
    QXmlStreamReader xml(&f);
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) m.source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            m.translation = xml.readElementText();
            out.push_back(m);
        }
    }
    return out;
}

// Pieces of German that must not show in the other language: the words between the
// placeholders of every message the catalogue translates differently, and the captions and
// hints of the German translation file that the language's file replaces.
QStringList germanPieces(const char* catalogueFile, const QString& languageFile) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QStringList pieces;
    auto add = [&](const QString& german, const QString& other) {
        for (QString piece : german.split(placeholder)) {
            piece = piece.trimmed();
            // Short pieces ("QS:", "Min") are no sure sign of German.
            if (piece.size() >= 8 && !other.contains(piece)) pieces << piece;
        }
    };
    for (const Message& m : catalogue(catalogueFile))
        if (m.source != m.translation) add(m.source, m.translation);
    const auto de = Translation::read(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/land/Bezeich_de.txt"));
    const auto other = Translation::read(languageFile);
    for (const auto& e : de) {
        const Translation::Entry* o = Translation::find(other, e.window, e.component);
        if (!o) continue;
        if (e.caption != o->caption) add(e.caption, o->caption);
        if (e.hint != o->hint) add(e.hint, o->hint);
    }
    pieces.removeDuplicates();
    return pieces;
}

// Every text a window shows: its title, the texts and hints of its widgets, pages, menus,
// status panels and chart titles.
QStringList textsOf(QWidget* window) {
    QStringList out{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->toolTip().isEmpty()) out << w->toolTip();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            out << combo->currentText();
            for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        }
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i) << tabs->tabToolTip(i);
        if (auto* menu = qobject_cast<QMenuBar*>(w))
            for (QAction* a : menu->findChildren<QAction*>()) out << a->text() << a->statusTip();
    }
    for (BarChartModel* chart : window->findChildren<BarChartModel*>()) out << chart->bottomTitle();
    return out;
}

// Runs the common actions of every page, collecting the texts of the windows and of every box
// and dialog they show.
QStringList walkEveryWindow(FormFixture& f) {
    TForm1& form = *f.form;
    FakeDialogs& dialogs = *f.platform.dialogs;
    QStringList seen;
    auto look = [&](QWidget* window) { seen << textsOf(window); };
    auto everyPage = [&] {
        for (int i = 0; i < form.controls().PageControl1->count(); ++i) {
            form.controls().PageControl1->setCurrentIndex(i);
            FormFixture::processEvents();
            look(&form);
        }
    };
    everyPage();
    // Messages and input boxes.
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    triggerControl(&form, QStringLiteral("SpeedEdit")); // no tip chosen
    triggerControl(&form, QStringLiteral("SpeedButton13"));
    dialogs.inputAnswers.push_back(QStringLiteral("x"));
    triggerControl(&form, QStringLiteral("SpeedButton4")); // tip test, a wrong answer
    dialogs.inputAnswers.push_back(QStringLiteral("x"));
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet4);
    triggerControl(&form, QStringLiteral("BitBtn9")); // historic analysis, a wrong lucky number
    // Charts, each with its title.
    for (const char* chart : {"Button2", "Button3", "Button4", "Button5", "SpeedButton9", "Button6"}) {
        form.controls().PageControl1->setCurrentWidget(chart[0] == 'S' ? form.controls().TabSheet5 : form.controls().TabSheet4);
        if (QLatin1String(chart) == QLatin1String("Button6")) form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
        triggerControl(&form, QLatin1String(chart));
        look(&form);
    }
    // A generation run, the full system and a reduced system in the status bar.
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    triggerControl(&form, QStringLiteral("BitBtn4"));
    look(&form);
    form.controls().ComboBox1->setCurrentText(QStringLiteral("Voll"));
    form.ComboBox1Change();
    look(&form);
    form.controls().UpDown18->setPosition(8);
    form.UpDown18Click();
    look(&form);
    form.controls().UpDown18->setPosition(6);
    form.UpDown18Click();
    form.setSelectorText(QStringLiteral("VEW:609"));
    form.ComboBox1Change();
    look(&form);
    // File dialogs: their filters.
    triggerControl(&form, QStringLiteral("SpeedButton15"));
    triggerControl(&form, QStringLiteral("InDateispeichern1"));
    // The draw entry and the number choice window, seen while they are open.
    dialogs.modalAnswers.push_back([&](QDialog* d) {
        look(d);
        return int(QDialog::Rejected);
    });
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet4);
    triggerControl(&form, QStringLiteral("BitBtn8"));
    if (form.controls().ListBox1->count() > 0) {
        form.controls().ListBox1->setCurrentRow(0);
        dialogs.modalAnswers.push_back([&](QDialog* d) {
            look(d);
            if (auto* choice = qobject_cast<TForm6*>(d)) {
                // The random pick's caption while it runs.
                choice->BitBtn4->click();
                choice->Timer1Timer();
                look(d);
            }
            return int(QDialog::Rejected);
        });
        form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
        triggerControl(&form, QStringLiteral("SpeedEdit"));
    }
    if (form.form6()) look(form.form6());
    everyPage();
    for (const auto& s : dialogs.shown) seen << s.text;
    for (const auto& r : dialogs.fileRequests) seen << r.filter;
    return seen;
}

struct Language_ : ::testing::Test {
    TestProgramDir dir;
    void SetUp() override {
        dir.installBesideFiles();
        dir.writeHistory(recentDraws());
    }
};

} // namespace

TEST_F(Language_, EveryWindowAndBoxShowsNoGermanInEnglishOrGreek) {
    struct Case {
        const char* item;
        const char* catalogueFile;
        const char* languageFile;
    };
    for (const Case& c : {Case{"Englichen1", "quintara_en.ts", "Bezeich_en.txt"},
                          Case{"Grichisch1", "quintara_el.ts", "Bezeich_gr.txt"}}) {
        SCOPED_TRACE(c.item);
        storeLanguage(QLatin1String(c.item));
        FormFixture f(dir);
        // Chosen in the menu as well: at start-up the translation file reaches the main window
        // only, the menu item every window.
        triggerControl(f.form.get(), QLatin1String(c.item));
        const QStringList pieces = germanPieces(c.catalogueFile, dir.file(QStringLiteral("land/") + c.languageFile));
        ASSERT_GT(pieces.size(), 100);
        const QStringList seen = walkEveryWindow(f);
        ASSERT_GT(seen.size(), 500);
        // The walk reached the boxes and charts it meant to.
        EXPECT_GE(f.platform.dialogs->shown.size(), 4u);
        EXPECT_FALSE(f->controls().Chart1->model()->bottomTitle().isEmpty());
        std::set<QString> found;
        for (const QString& text : seen)
            for (const QString& piece : pieces)
                if (text.contains(piece)) found.insert(piece + QStringLiteral("  <in>  ") + text);
        for (const QString& hit : found) ADD_FAILURE() << "German text: " << hit.toStdString();
    }
}

TEST_F(Language_, GermanShowsEveryMessageAsBuiltIn) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    EXPECT_EQ(Language::current(), Language::Id::German);
    triggerControl(f.form.get(), QStringLiteral("SpeedEdit"));
    triggerControl(f.form.get(), QStringLiteral("SpeedButton13"));
    f->runSearch(2);
    const auto& shown = f.platform.dialogs->shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, QStringLiteral("Wählen Sie zuerst einen Tipp aus"));
    EXPECT_TRUE(shown[1].text.startsWith(
        QStringLiteral("Ihre Glückszahl (1-99999999)?|Geben Sie Ihre GlücksZahl für den Zufallsgenerator ein!|")));
    EXPECT_TRUE(f->controls().Chart1->model()->bottomTitle().startsWith(QStringLiteral("Bei ")));
    EXPECT_TRUE(f->controls().Chart1->model()->bottomTitle().contains(QStringLiteral(" Ziehungen wurden ")));
    EXPECT_TRUE(f->controls().Label29->text().startsWith(shortDay(QLocale::German, f->currentDraw().date)));
}

TEST_F(Language_, ASwitchTranslatesWhatIsOnScreenAtOnceAndBackExactly) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    TForm1& form = *f.form;
    form.runSearch(3);
    form.setSelectorText(QStringLiteral("Vollsystem"));
    form.controls().UpDown18->setPosition(8);
    form.ComboBox1Change();
    const QString title = form.controls().Chart1->model()->bottomTitle();
    const QString panel = form.controls().StatusBar1->panelText(1);
    const QString draw = form.controls().Label29->text();
    const QString crossSum = form.controls().Label13->text();
    ASSERT_EQ(panel, QStringLiteral("28 Tippreihen pro Tipp!"));
    ASSERT_TRUE(crossSum.startsWith(QStringLiteral("Quersumme: ")));

    triggerControl(&form, QStringLiteral("Englichen1"));
    EXPECT_EQ(form.controls().StatusBar1->panelText(1), QStringLiteral("28 lines per tip!"));
    EXPECT_TRUE(form.controls().Chart1->model()->bottomTitle().contains(QStringLiteral(" runs of three found in ")))
        << form.controls().Chart1->model()->bottomTitle().toStdString();
    EXPECT_TRUE(form.controls().Label29->text().startsWith(shortDay(QLocale::English, form.currentDraw().date)))
        << form.controls().Label29->text().toStdString();
    EXPECT_EQ(form.controls().Label13->text(), QStringLiteral("Sum: ") + crossSum.mid(11));
    // A message shown after the switch is English too.
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
    triggerControl(&form, QStringLiteral("SpeedEdit"));
    EXPECT_EQ(f.platform.dialogs->messages().last(), QStringLiteral("Select a tip first"));

    triggerControl(&form, QStringLiteral("Grichisch1"));
    EXPECT_EQ(form.controls().StatusBar1->panelText(1), QStringLiteral("28 στήλες ανά σύστημα!"));
    EXPECT_TRUE(form.controls().Label29->text().startsWith(shortDay(QLocale::Greek, form.currentDraw().date)));
    EXPECT_TRUE(form.controls().Chart1->model()->bottomTitle().contains(QStringLiteral(" κληρώσεις βρέθηκαν ")));

    triggerControl(&form, QStringLiteral("Deutsch1"));
    EXPECT_EQ(form.controls().Chart1->model()->bottomTitle(), title);
    EXPECT_EQ(form.controls().StatusBar1->panelText(1), panel);
    EXPECT_EQ(form.controls().Label29->text(), draw);
    EXPECT_EQ(form.controls().Label13->text(), crossSum);
}

TEST(Retranslator, FindsTheMessageAndItsValuesWhateverTheirOrder) {
    const Language::Retranslator shown({
        {"Statistics", "Bei %1 Ziehungen wurden %2 Paare gefunden! Häufigkeit = 1.Zahl des Paares (%3 x 5 => %3 x 5-6)"},
        {"SystemChoice", "%1 Tippreihen pro Tipp!"},
        {"SystemChoice", "%1Tippreihen pro Tipp!"},
    });
    // No catalogue is loaded: the message comes back as it was, values and all.
    const QString title =
        QStringLiteral("Bei 16 Ziehungen wurden 9 Paare gefunden! Häufigkeit = 1.Zahl des Paares (2 x 5 => 2 x 5-6)");
    EXPECT_EQ(shown.retranslate(title), title);
    EXPECT_EQ(shown.retranslate(QStringLiteral("12Tippreihen pro Tipp!")), QStringLiteral("12Tippreihen pro Tipp!"));
    // A text of no listed message, or one that only resembles it, stays.
    EXPECT_EQ(shown.retranslate(QStringLiteral("Tipps wurden neu berechnet")),
              QStringLiteral("Tipps wurden neu berechnet"));
    const QString wrong = QStringLiteral("Bei 16 Ziehungen wurden 9 Paare gefunden! Häufigkeit = 1.Zahl des Paares (2 x 5 => 3 x 5-6)");
    EXPECT_EQ(shown.retranslate(wrong), wrong);

    Language::select(Language::Id::English);
    const Language::Retranslator english(
        QList<Language::Retranslator::Message>{{"SystemChoice", "%1 Tippreihen pro Tipp!"}});
    Language::select(Language::Id::Greek);
    EXPECT_EQ(english.retranslate(QStringLiteral("84 lines per tip!")), QStringLiteral("84 στήλες ανά σύστημα!"));
    Language::select(Language::Id::German);
}

TEST(Retranslator, OneRetranslatorServesManyTextsInAnyOrder) {
    const auto tr = [](const char* context, const char* source, const QString& value) {
        return QCoreApplication::translate(context, source).arg(value);
    };
    Language::select(Language::Id::English);
    const Language::Retranslator english({
        {"SystemChoice", "%1 Tippreihen pro Tipp!"},
        {"Matching", "Max-Gewinn %1er"},
        {"DrawDownload", "Quersumme: %1"},
    });
    const QString lines = tr("SystemChoice", "%1 Tippreihen pro Tipp!", QStringLiteral("84"));
    const QString win = tr("Matching", "Max-Gewinn %1er", QStringLiteral("5"));
    const QString sum = tr("DrawDownload", "Quersumme: %1", QStringLiteral("152"));
    Language::select(Language::Id::Greek);
    // The last message first, then the others, each twice, with an unknown text between.
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(english.retranslate(sum), tr("DrawDownload", "Quersumme: %1", QStringLiteral("152")));
        EXPECT_EQ(english.retranslate(QStringLiteral("nothing known")), QStringLiteral("nothing known"));
        EXPECT_EQ(english.retranslate(lines), tr("SystemChoice", "%1 Tippreihen pro Tipp!", QStringLiteral("84")));
        EXPECT_EQ(english.retranslate(win), tr("Matching", "Max-Gewinn %1er", QStringLiteral("5")));
    }
    EXPECT_NE(english.retranslate(lines), lines);
    Language::select(Language::Id::German);
}

TEST_F(Language_, EachLanguageItemShowsItsOwnNameButKeepsItsCaption) {
    FormFixture f(dir); // Greek, as a first start
    const Form1Ui& ui = f->controls();
    EXPECT_EQ(shownMenuText(ui.Deutsch1), QStringLiteral("Γερμανικά\tDeutsch"));
    EXPECT_EQ(shownMenuText(ui.Englichen1), QStringLiteral("Αγγλικά\tEnglish"));
    EXPECT_EQ(shownMenuText(ui.Grichisch1), QStringLiteral("Ελληνικά"));
    f->Deutsch1Click();
    EXPECT_EQ(shownMenuText(ui.Deutsch1), QStringLiteral("Deutsch"));
    EXPECT_EQ(shownMenuText(ui.Englichen1), QStringLiteral("Englisch\tEnglish"));
    EXPECT_EQ(shownMenuText(ui.Grichisch1), QStringLiteral("Griechisch\tΕλληνικά"));
    // The caption is what a translation file sets and a template writes.
    EXPECT_EQ(ui.Englichen1->text(), QStringLiteral("Englisch"));
    // A caption that is the language's own name shows it once.
    f->Englichen1Click();
    EXPECT_EQ(shownMenuText(ui.Deutsch1), QStringLiteral("German\tDeutsch"));
    EXPECT_EQ(shownMenuText(ui.Englichen1), QStringLiteral("English"));
    // The open menu draws the names: it is wide enough for caption and name side by side.
    QMenu* menu = ui.Sprache1;
    menu->popup(QPoint(0, 0));
    FormFixture::processEvents();
    const QFontMetrics metrics(menu->font());
    EXPECT_GT(menu->actionGeometry(ui.Grichisch1).width(),
              metrics.horizontalAdvance(QStringLiteral("Greek")) + metrics.horizontalAdvance(QStringLiteral("Ελληνικά")));
    menu->hide();
}

TEST_F(Language_, TheLanguageNamesAreDrawnWholeBesideTheCaptions) {
    storeLanguage(QStringLiteral("Englichen1"));
    FormFixture f(dir);
    QMenu* menu = f->controls().Sprache1;
    menu->popup(QPoint(0, 0));
    FormFixture::processEvents();
    const QImage image = menu->grab().toImage();
    const QFontMetrics metrics(menu->font());
    for (QAction* item : {f->controls().Deutsch1, f->controls().Grichisch1}) {
        SCOPED_TRACE(item->objectName().toStdString());
        const QString own = shownMenuText(item).section(QLatin1Char('\t'), 1);
        ASSERT_FALSE(own.isEmpty());
        // The item's row inside the menu's frame: columns holding ink, and the last run of
        // them, the own name.
        const QRect row = menu->actionGeometry(item).adjusted(3, 0, -3, 0);
        const QColor paper = image.pixelColor(row.left(), row.top() + 1);
        std::vector<int> inked;
        for (int x = row.left(); x <= row.right(); ++x)
            for (int y = row.top() + 1; y < row.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.lightness() - paper.lightness()) > 80) {
                    inked.push_back(x);
                    break;
                }
            }
        ASSERT_FALSE(inked.empty());
        const int gap = metrics.horizontalAdvance(QStringLiteral("MM"));
        std::size_t start = inked.size() - 1;
        while (start > 0 && inked[start] - inked[start - 1] < gap) --start;
        const int drawn = inked.back() - inked[start] + 1;
        EXPECT_GE(drawn, metrics.horizontalAdvance(own) * 8 / 10) << own.toStdString();
        // Whole, not run into the menu's edge.
        EXPECT_LT(inked.back(), row.right() - 2);
    }
    menu->hide();
}

TEST_F(Language_, AChartShownAcrossASwitchKeepsItsBarsAndTakesTheNewTitle) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    TForm1& form = *f.form;
    form.controls().ListBox1->addItems({QStringLiteral("01,02,03,04,05,06,07,08:008"),
                                        QStringLiteral("01,10,20,30,40,49:Normal")});
    form.Button6Click();
    BarChartView* view = form.controls().Chart1;
    FormFixture::processEvents();
    auto heights = [&] {
        std::vector<double> out;
        for (const auto& [colour, set] : view->barSets())
            for (int i = 0; i < set->count(); ++i) out.push_back(set->at(i));
        return out;
    };
    const std::vector<double> before = heights();
    ASSERT_EQ(std::count(before.begin(), before.end(), 2.0), 1); // number 1 in both lines
    for (const char* item : {"Englichen1", "Grichisch1", "Deutsch1"}) {
        SCOPED_TRACE(item);
        triggerControl(&form, QLatin1String(item));
        FormFixture::processEvents();
        EXPECT_EQ(view->model()->series2()->count(), 49);
        EXPECT_EQ(heights(), before);
        EXPECT_EQ(view->categoryAxis()->titleText(), view->model()->bottomTitle());
    }
    triggerControl(&form, QStringLiteral("Englichen1"));
    FormFixture::processEvents();
    EXPECT_EQ(view->model()->bottomTitle(),
              QCoreApplication::translate("Statistics", "Zahlenverteilung des Tippes"));
    EXPECT_NE(view->model()->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
}

TEST_F(Language_, EveryControlThatTakesTheFocusHasANameInEveryLanguage) {
    for (const char* item : {"Deutsch1", "Englichen1", "Grichisch1"}) {
        SCOPED_TRACE(item);
        storeLanguage(QLatin1String(item));
        FormFixture f(dir);
        QList<QWidget*> windows{f.form.get(), f->form6()};
        auto* entry = new TForm3(f.form.get());
        windows << entry;
        int checked = 0;
        for (QWidget* window : windows)
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!takesFocus(w)) continue;
                ++checked;
                EXPECT_FALSE(screenReaderName(w).trimmed().isEmpty())
                    << window->objectName().toStdString() << "." << w->objectName().toStdString() << " ("
                    << w->metaObject()->className() << ")";
            }
        EXPECT_GT(checked, 150);
        delete entry;
    }
    // A field is named after the sentence it stands in, in the language shown.
    storeLanguage(QStringLiteral("Grichisch1"));
    FormFixture f(dir);
    EXPECT_EQ(screenReaderName(f->controls().UpDown9), QStringLiteral("Αριθμός στηλών"));
}

TEST_F(Language_, ClickableLabelsWorkFromTheKeyboard) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    TForm1& form = *f.form;
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet3);
    FormFixture::processEvents();
    // The link is reached with Tab like any control and opened with Space or Enter.
    EXPECT_NE(form.controls().Label52->focusPolicy() & Qt::TabFocus, 0);
    form.controls().Label52->setFocus();
    QTest::keyClick(form.controls().Label52, Qt::Key_Space);
    QTest::keyClick(form.controls().Label54, Qt::Key_Return);
    // Other keys do nothing.
    QTest::keyClick(form.controls().Label52, Qt::Key_A);
    EXPECT_EQ(f.platform.shell->opened, (QStringList{form.controls().Label52->text(), form.controls().Label54->text()}));
    // A chart shortcut of the options pages shows its chart.
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet6);
    QTest::keyClick(form.controls().Label66, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form.controls().PageControl1->currentWidget(), form.controls().TabSheet5);
    EXPECT_TRUE(form.controls().Chart1->model()->bottomTitle().contains(QStringLiteral("Paare")));
}

TEST_F(Language_, TheSelectorShowsTheFullSystemInTheLanguageWhileTipsKeepTheirDesignation) {
    struct Case {
        const char* item;
        const char* label;
        const char* rows;
    };
    for (const Case& c : {Case{"Englichen1", "Full system", "28 lines per tip!"},
                          Case{"Grichisch1", "Πλήρες", "28 στήλες ανά σύστημα!"}}) {
        SCOPED_TRACE(c.item);
        storeLanguage(QLatin1String(c.item));
        FormFixture f(dir);
        TForm1& form = *f.form;
        form.controls().UpDown18->setPosition(8);
        form.UpDown18Click();
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QString::fromUtf8(c.label));
        EXPECT_EQ(form.controls().ComboBox1->itemText(0), QString::fromUtf8(c.label));
        EXPECT_EQ(form.controls().selectorValue(), QStringLiteral("Vollsystem"));
        EXPECT_EQ(form.systemTable().rowCount(), 28);
        EXPECT_EQ(form.controls().StatusBar1->panelText(1), QString::fromUtf8(c.rows));

        // Generated tips are full systems of eight, written as such.
        form.controls().ListBox1->clear();
        form.controls().UpDown9->setPosition(2);
        form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet1);
        triggerControl(&form, QStringLiteral("BitBtn4"));
        ASSERT_GT(form.controls().ListBox1->count(), 0);
        for (int i = 0; i < form.controls().ListBox1->count(); ++i)
            EXPECT_TRUE(form.controls().ListBox1->item(i)->text().endsWith(QStringLiteral(":008")))
                << form.controls().ListBox1->item(i)->text().toStdString();
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QString::fromUtf8(c.label));

        // The label typed by hand is the full system as well.
        form.controls().ComboBox1->setEditText(QStringLiteral("VEW:609"));
        QLineEdit* edit = form.controls().ComboBox1->lineEdit();
        edit->clear();
        // Typed as a keyboard does (QTest::keyClicks knows Latin-1 only).
        for (const QChar ch : QString::fromUtf8(c.label)) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(edit, &press);
        }
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QString::fromUtf8(c.label));
        EXPECT_EQ(form.systemTable().rowCount(), 28);

        // A line without designation is counted as the line before it.
        const DrawRecord last = recentDraws().back();
        QStringList drawn;
        for (int k = 0; k < 6; ++k) drawn << QString::asprintf("%.2d", last.numbers[static_cast<std::size_t>(k)]);
        // With six numbers the list holds "Normal" only: the label alone stands for the full system.
        form.controls().UpDown18->setPosition(6);
        form.UpDown18Click();
        form.controls().ListBox1->clear();
        form.controls().ListBox1->addItems({drawn.join(QLatin1Char(',')) + QStringLiteral(",48,49:008"),
                                    drawn.join(QLatin1Char(',')) + QStringLiteral(",48,49")});
        // The last draw is the current one.
        ASSERT_TRUE(form.controls().DateTimePicker1->trySetDayCount(last.date));
        form.SpeedButton5Click();
        ASSERT_EQ(form.currentDraw().date, last.date);
        form.Komplettcheck();
        // The lines are counted by their own system; the selector keeps the player's choice.
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QStringLiteral("Normal"));
        ASSERT_EQ(form.controls().ListBox2->count(), 2);
        EXPECT_EQ(form.controls().ListBox2->item(0)->text(), form.controls().ListBox2->item(1)->text());
        // ... and so does the next check, which starts from what the selector shows.
        EXPECT_EQ(form.controls().selectorValue(), QStringLiteral("Normal"));
        const QString hits = form.controls().ListBox2->item(0)->text();
        delete form.controls().ListBox1->takeItem(0);
        form.Komplettcheck();
        ASSERT_EQ(form.controls().ListBox2->count(), 1);
        EXPECT_EQ(form.controls().ListBox2->item(0)->text(), hits);

        form.controls().UpDown18->setPosition(8);
        form.UpDown18Click();
        // The switch relabels what is shown, and only the full system.
        triggerControl(&form, QStringLiteral("Deutsch1"));
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QStringLiteral("Vollsystem"));
        EXPECT_EQ(form.controls().ComboBox1->itemText(0), QStringLiteral("Vollsystem"));
        triggerControl(&form, QLatin1String(c.item));
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QString::fromUtf8(c.label));
        form.setSelectorText(QStringLiteral("VEW:609"));
        triggerControl(&form, QStringLiteral("Deutsch1"));
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QStringLiteral("VEW:609"));
        EXPECT_EQ(form.controls().selectorValue(), QStringLiteral("VEW:609"));
        triggerControl(&form, QLatin1String(c.item));

        // The entry picked from the list is stored as its index, as before.
        form.controls().ComboBox1->setCurrentIndex(0);
        form.restoreStoredSystem();
        EXPECT_EQ(form.controls().ComboBox1->currentText(), QString::fromUtf8(c.label));
        EXPECT_EQ(form.controls().selectorValue(), QStringLiteral("Vollsystem"));
    }
}

TEST(PoolStatus, GermanAsBuiltInAndNoGermanInTheOtherLanguages) {
    Language::select(Language::Id::German);
    EXPECT_EQ(PoolBands::statusText(0, 30, 0), QStringLiteral("Min: 0  Max: 30  0"));
    EXPECT_EQ(PoolBands::statusText(70, 100, 10, true), QStringLiteral("Min: 70 Max: 100  10"));
    Language::select(Language::Id::English);
    EXPECT_EQ(PoolBands::statusText(0, 30, 0), QStringLiteral("Min: 0  Max: 30  0"));
    EXPECT_EQ(PoolBands::statusText(70, 100, 10, true), QStringLiteral("Min: 70 Max: 100  10"));
    Language::select(Language::Id::Greek);
    EXPECT_EQ(PoolBands::statusText(0, 30, 0), QStringLiteral("Ελάχ.: 0  Μέγ.: 30  0"));
    EXPECT_EQ(PoolBands::statusText(70, 100, 10, true), QStringLiteral("Ελάχ.: 70 Μέγ.: 100  10"));
    Language::select(Language::Id::German);
}

TEST_F(Language_, ThePoolStatusLeftOnScreenFollowsTheSwitch) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    TForm1& form = *f.form;
    // A run with every preference switched off ends on a band status of the pool.
    form.controls().StatusBar1->setPanelText(1, PoolBands::statusText(70, 100, 10, true));
    triggerControl(&form, QStringLiteral("Grichisch1"));
    EXPECT_EQ(form.controls().StatusBar1->panelText(1), QStringLiteral("Ελάχ.: 70 Μέγ.: 100  10"));
    form.controls().StatusBar1->setPanelText(1, PoolBands::statusText(0, 30, 0));
    triggerControl(&form, QStringLiteral("Deutsch1"));
    EXPECT_EQ(form.controls().StatusBar1->panelText(1), QStringLiteral("Min: 0  Max: 30  0"));
}

namespace {

// What the report window shows: its own texts and the cells and lines of its results.
QStringList reportTexts(AnalysisReport* r) {
    QStringList out = textsOf(r);
    for (QTableWidget* table : {r->chanceTable, r->ruleTable}) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (auto* h = table->horizontalHeaderItem(c)) out << h->text();
        for (int row = 0; row < table->rowCount(); ++row) {
            if (auto* h = table->verticalHeaderItem(row)) out << h->text();
            for (int c = 0; c < table->columnCount(); ++c)
                if (auto* item = table->item(row, c)) out << item->text() << item->toolTip();
        }
    }
    out << r->chanceText->toPlainText().split(QLatin1Char('\n')) << r->chanceProgress->format()
        << r->wheelText->toPlainText().split(QLatin1Char('\n'));
    return out;
}

} // namespace

TEST_F(Language_, TheOpenReportWindowSwitchesWithTheLanguageAndBackExactly) {
    storeLanguage(QStringLiteral("Deutsch1"));
    FormFixture f(dir);
    TForm1& form = *f.form;
    // A historic analysis over the draws fills the chance page and the rule counts.
    form.controls().PageControl1->setCurrentWidget(form.controls().TabSheet4);
    form.controls().DateTimePicker1->setDate(QDate(2025, 8, 1));
    f.platform.dialogs->inputAnswers.push_back(QStringLiteral("4711"));
    ASSERT_TRUE(triggerControl(&form, QStringLiteral("BitBtn9")));
    AnalysisReport* r = form.findChild<AnalysisReport*>(QStringLiteral("AnalysisReport"));
    ASSERT_TRUE(r && r->isVisible());
    ASSERT_GT(r->chance().draws, 0);
    ASSERT_GT(form.reportedRuleCounts().candidates, 0);
    RuleReport::BackTest back;
    back.draws = 16;
    back.enabled[2] = true;
    back.rejected[2] = 3;
    r->showBackTest(back);
    r->wheelCode->setCurrentText(QStringLiteral("609"));
    r->wheelShow->click();
    ASSERT_TRUE(r->wheelText->toPlainText().startsWith(QStringLiteral("VEW 609 ")));
    const QStringList german = reportTexts(r);
    const QString threes = r->chanceTable->item(Chance::Three, 0)->text();
    ASSERT_TRUE(r->chanceTitle->text().startsWith(QStringLiteral("Historische Analyse ab ")));

    struct Case {
        const char* item;
        const char* catalogueFile;
        const char* languageFile;
    };
    for (const Case& c : {Case{"Englichen1", "quintara_en.ts", "Bezeich_en.txt"},
                          Case{"Grichisch1", "quintara_el.ts", "Bezeich_gr.txt"}}) {
        SCOPED_TRACE(c.item);
        triggerControl(&form, QLatin1String(c.item));
        const QStringList pieces = germanPieces(c.catalogueFile, dir.file(QStringLiteral("land/") + c.languageFile));
        const QStringList shown = reportTexts(r);
        for (const QString& text : shown)
            for (const QString& piece : pieces)
                if (text.contains(piece)) ADD_FAILURE() << "German text: " << piece.toStdString() << " in " << text.toStdString();
        EXPECT_NE(r->windowTitle(), QStringLiteral("Auswertung"));
        EXPECT_FALSE(r->chanceTitle->text().startsWith(QStringLiteral("Historische Analyse")));
        // The results are the same numbers.
        EXPECT_EQ(r->chanceTable->item(Chance::Three, 0)->text(), threes);
    }
    triggerControl(&form, QStringLiteral("Deutsch1"));
    EXPECT_EQ(reportTexts(r), german);
}

TEST(StartLanguage, TheStoredChoiceElseTheSystemsElseGreek) {
    SettingsStore store = SettingsStore::openFile(QStringLiteral("/nonexistent/settings.reg"));
    EXPECT_EQ(Language::startLanguage(store, std::nullopt), Language::Id::Greek);
    EXPECT_EQ(Language::startLanguage(store, Language::Id::German), Language::Id::German);
    EXPECT_EQ(Language::startLanguage(store, Language::Id::English), Language::Id::English);
    // As the window applies the items: the later checked one wins; Greek counts when absent.
    store.writeInteger(QStringLiteral("Deutsch1"), 1);
    EXPECT_EQ(Language::startLanguage(store, Language::Id::English), Language::Id::Greek);
    store.writeInteger(QStringLiteral("Grichisch1"), 0);
    EXPECT_EQ(Language::startLanguage(store, Language::Id::English), Language::Id::German);
    store.writeInteger(QStringLiteral("Englichen1"), 1);
    EXPECT_EQ(Language::startLanguage(store, Language::Id::German), Language::Id::English);
    // A value of another kind counts as absent.
    SettingsStore text = SettingsStore::openFile(QStringLiteral("/nonexistent/settings.reg"));
    text.writeString(QStringLiteral("Englichen1"), QStringLiteral("1"));
    EXPECT_EQ(Language::startLanguage(text, Language::Id::German), Language::Id::German);

    using MessageCatalogues::ofLocaleNames;
    EXPECT_EQ(ofLocaleNames({QStringLiteral("el_GR.UTF-8")}), Language::Id::Greek);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("de")}), Language::Id::German);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("en-US"), QStringLiteral("el")}), Language::Id::English);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("de_AT@euro")}), Language::Id::German);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("C.UTF-8")}), std::nullopt);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("fr_FR")}), std::nullopt);
    EXPECT_EQ(ofLocaleNames({QStringLiteral("dea")}), std::nullopt);
    EXPECT_EQ(ofLocaleNames({}), std::nullopt);
}

TEST(StartLanguage, SelectingTheInstalledLanguageAgainChangesNothing) {
    // The start selects its language for the help and again for the window.
    struct Counter : QObject {
        int changes = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::LanguageChange) ++changes;
            return false;
        }
    } counter;
    QWidget widget;
    widget.installEventFilter(&counter);
    Language::select(Language::Id::Greek);
    QCoreApplication::processEvents();
    const int afterFirst = counter.changes;
    EXPECT_GT(afterFirst, 0);
    const QString greek = QCoreApplication::translate("TForm1", "Quersumme: %1");
    Language::select(Language::Id::Greek);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.changes, afterFirst);
    EXPECT_EQ(QCoreApplication::translate("TForm1", "Quersumme: %1"), greek);
    EXPECT_NE(greek, QStringLiteral("Quersumme: %1"));
    // Another language still switches, and back.
    Language::select(Language::Id::German);
    QCoreApplication::processEvents();
    EXPECT_GT(counter.changes, afterFirst);
    EXPECT_EQ(QCoreApplication::translate("TForm1", "Quersumme: %1"), QStringLiteral("Quersumme: %1"));
}

namespace {

// Runs a built program with arguments and the system language given by LC_ALL; its standard output.
QString runProgram(const QString& program, const QStringList& args, const QString& lcAll) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), lcAll);
    env.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not end";
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST_F(Language_, TheProgramsHelpSpeaksThePlayersLanguage) {
    // Settings live in the test directory's configuration folder, which the child inherits.
    const QString program = QStringLiteral(QUINTARA_PROGRAM_DIR "/quintara");
    const QStringList help{QStringLiteral("--help")};
    // First start: the system's language where it is one of ours, else Greek as the window.
    const QString firstGreek = runProgram(program, help, QStringLiteral("C.UTF-8"));
    EXPECT_TRUE(firstGreek.contains(QStringLiteral("στήλες για το ελληνικό Λόττο 6 από 49"))) << firstGreek.toStdString();
    EXPECT_TRUE(firstGreek.contains(QStringLiteral("Χρήση: "))) << firstGreek.toStdString();
    EXPECT_TRUE(firstGreek.contains(QStringLiteral("--server <διεύθυνση>"))) << firstGreek.toStdString();
    EXPECT_TRUE(firstGreek.contains(QStringLiteral("Εμφανίζει πληροφορίες έκδοσης."))) << firstGreek.toStdString();
    const QString firstGerman = runProgram(program, help, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(firstGerman.contains(QStringLiteral("Quintara GR – Tipps für das griechische Lotto 6 aus 49")));
    EXPECT_TRUE(firstGerman.contains(QStringLiteral("--server <Adresse>  Adresse des Ziehungsservers für diesen")));
    EXPECT_TRUE(firstGerman.contains(QStringLiteral("Zeigt Versionsinformation an.")));
    // The help wrote no settings: the next start is a first start still.
    EXPECT_FALSE(QFile::exists(SettingsStore::filePathForKey(SettingsStore::ProgramKey)));

    // The player's last choice wins over the system's language.
    storeLanguage(QStringLiteral("Grichisch1"));
    const QString greek = runProgram(program, help, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(greek.contains(QStringLiteral("Διεύθυνση του διακομιστή κληρώσεων"))) << greek.toStdString();
    EXPECT_FALSE(greek.contains(QStringLiteral("Ziehungsserver"))) << greek.toStdString();
    EXPECT_FALSE(greek.contains(QStringLiteral("Displays"))) << greek.toStdString();
    storeLanguage(QStringLiteral("Englichen1"));
    const QString english = runProgram(program, help, QStringLiteral("el_GR.UTF-8"));
    EXPECT_TRUE(english.contains(QStringLiteral("Address of the draw server for this run of the program"))) << english.toStdString();
    EXPECT_TRUE(english.contains(QStringLiteral("Displays version information."))) << english.toStdString();
}
