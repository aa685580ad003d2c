// The main window's controls by name: captions, hints, hidden controls, pages, menu, and a
// geometry check of every page at the designed size.
#include "gui/WindowTexts.h"
#include "i18n/Translation.h"
#include "support/PageGeometry.h"
#include "support/TestPlatform.h"
#include "gui/InlineFields.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QGraphicsView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The German texts as shipped: switching back to German applies this file, so the captions and
// hints built into the window must be exactly its texts, blank runs included.
std::vector<Translation::Entry> germanTexts() {
    return Translation::read(QStringLiteral(QUINTARA_SOURCE_DIR "/data/beside/land/Bezeich_de.txt"));
}

// Controls that start hidden; every other control of the German file is visible.
const QStringList kHiddenAtStart = {
    QStringLiteral("Label16"), QStringLiteral("UpDown8"), QStringLiteral("Label21"), QStringLiteral("URLEdit"),
    QStringLiteral("Label26"), QStringLiteral("Edit2"), QStringLiteral("Label25"), QStringLiteral("MaskEdit1"),
    QStringLiteral("Memo1"), QStringLiteral("SpeedButton8"), QStringLiteral("CheckBox29")};

// Each spin with the edit that carries its number.
const std::pair<int, const char*> kSpinEdits[] = {
    {1, "Edit88"},  {2, "Edit37"},  {3, "Edit39"},  {4, "Edit40"},  {5, "Edit41"},  {6, "Edit42"},
    {7, "Edit55"},  {8, "Edit80"},  {9, "Edit1"},   {10, "Edit83"}, {11, "Edit84"}, {12, "Edit85"},
    {13, "Edit86"}, {14, "Edit87"}, {15, "Edit38"}, {16, "Edit89"}, {17, "Edit90"}, {18, "Edit5"},
    {19, "Edit91"}, {20, "Edit92"}, {21, "Edit6"},  {22, "Edit7"}};

// Sentences and the spins standing in their blank runs, in run order.
const std::pair<const char*, std::vector<int>> kSentences[] = {
    {"CheckBox3", {3}},         {"CheckBox24", {1}},  {"CheckBox4", {4}},       {"CheckBox5", {5}},
    {"CheckBox23", {11}},       {"CheckBox9", {6}},   {"CheckBox30", {19, 20}}, {"CheckBox31", {21, 22}},
    {"LabelCrossSum", {2, 15}}, {"CheckBox22", {10}}, {"CheckBox25", {16}},     {"CheckBox26", {17}}};

struct LayoutTest : ::testing::Test {
    TestProgramDir dir;
    FormFixture f{dir, true};
    TForm1* form = f.form.get();

    QWidget* widget(const char* name) const { return form->findChild<QWidget*>(QLatin1String(name)); }
    UpDown* spin(int n) const { return form->findChild<UpDown*>(QStringLiteral("UpDown%1").arg(n)); }
};

} // namespace

TEST_F(LayoutTest, CaptionsAndHintsAreExact) {
    const std::vector<Translation::Entry> german = germanTexts();
    int checked = 0;
    for (const WindowTexts::Component& c : WindowTexts::components(form)) {
        const QString name = c.object->objectName();
        const Translation::Entry* e = Translation::find(german, QStringLiteral("Form1"), name);
        if (!e) continue;
        ++checked;
        // An edit's text is data: only its hint is a text of the window.
        if (c.kind != WindowTexts::Kind::Edit) {
            EXPECT_EQ(WindowTexts::caption(c), e->caption) << name.toStdString();
        }
        EXPECT_EQ(WindowTexts::hint(c), e->hint) << name.toStdString();
    }
    EXPECT_GE(checked, 100);
    EXPECT_TRUE(form->controls().SpeedButton10->toolTip().startsWith(
        QStringLiteral("Aktualisieren der Lottozahlen aus dem Internet")));
    // The built-in entries of the selector; the first activation's size step then offers only
    // the kind that fits the size.
    {
        TestProgramDir fresh;
        FormFixture unshown(fresh, false);
        QStringList entries;
        for (int i = 0; i < unshown->controls().ComboBox1->count(); ++i)
            entries << unshown->controls().ComboBox1->itemText(i);
        EXPECT_EQ(entries.join(QLatin1Char(' ')),
                  QStringLiteral("Normal Voll 609 610 612 616 622 626 710 711 712"));
    }
    EXPECT_EQ(form->controls().ComboBox1->count(), 1);
    EXPECT_EQ(form->controls().ComboBox1->currentText(), QStringLiteral("Normal"));
    EXPECT_EQ(form->controls().FileNameEdit->objectName(), QStringLiteral("FileNameEdit"));
    EXPECT_EQ(form->controls().Edit3->text(), QStringLiteral("0,50"));
}

TEST_F(LayoutTest, EverySpinCarriesItsEditByName) {
    for (const auto& [n, edit] : kSpinEdits) {
        UpDown* s = spin(n);
        ASSERT_NE(s, nullptr) << n;
        EXPECT_EQ(form->findChild<QLineEdit*>(QLatin1String(edit)), s->edit()) << edit;
    }
}

TEST_F(LayoutTest, HiddenControlsExistHidden) {
    for (const char* name : {"Label16", "UpDown8", "Label21", "URLEdit", "Label26", "Edit2", "Label25",
                             "MaskEdit1", "Memo1", "SpeedButton8", "CheckBox29"}) {
        QWidget* w = widget(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(w->isHidden()) << name;
    }
    EXPECT_FALSE(form->controls().URLEdit->isEnabled());
    EXPECT_EQ(form->controls().MaskEdit1->echoMode(), QLineEdit::Password);
    for (const QString& name : kHiddenAtStart) {
        QWidget* w = form->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        EXPECT_TRUE(w->isHidden()) << name.toStdString();
    }
    // Pages other than the current one and the menus are hidden until shown.
    const std::vector<Translation::Entry> german = germanTexts();
    for (const WindowTexts::Component& c : WindowTexts::components(form)) {
        const QString name = c.object->objectName();
        auto* w = qobject_cast<QWidget*>(c.object);
        if (!w || qobject_cast<QMenu*>(w) || c.kind == WindowTexts::Kind::TabSheet || kHiddenAtStart.contains(name) ||
            !Translation::find(german, QStringLiteral("Form1"), name))
            continue;
        EXPECT_FALSE(w->isHidden()) << name.toStdString();
    }
}

TEST_F(LayoutTest, PagesMenuStatusBarAndWindow) {
    const Form1Ui& ui = form->controls();
    const QStringList pages = {QStringLiteral("Lottotipp"), QStringLiteral("Optionen"),
                               QStringLiteral("Diagramm"), QStringLiteral("Datenbank"),
                               QStringLiteral("Internet-Optionen")};
    const QList<QWidget*> sheets = {ui.TabSheet1, ui.TabSheet6, ui.TabSheet5, ui.TabSheet4, ui.TabSheet3};
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(ui.PageControl1->tabText(i), pages[i]);
        EXPECT_EQ(ui.PageControl1->widget(i), sheets[i]);
    }
    const QStringList subPages = {QStringLiteral("Statistisch"), QStringLiteral("Schein Optimierung"),
                                  QStringLiteral("Mathematisch"), QStringLiteral("Allgemein")};
    for (int i = 0; i < subPages.size(); ++i) EXPECT_EQ(ui.PageControl2->tabText(i), subPages[i]);
    EXPECT_EQ(ui.PageControl1->currentWidget(), ui.TabSheet1);
    EXPECT_EQ(ui.PageControl2->currentWidget(), ui.TabSheet8);

    QStringList menu;
    for (QAction* a : form->menuBar()->actions()) menu << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(menu.join(QLatin1Char(' ')),
              QStringLiteral("Beenden1=&Beenden Aktualisieren1=&Aktualisieren Sprache1=Sprache / Language "
                             "MenuSlips=Meine &Scheine "
                             "Hilfe1=&Hilfe"));
    QStringList help;
    for (QAction* a : ui.Hilfe1->actions()) help << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(help.join(QLatin1Char(' ')), QStringLiteral("Handbuch1=&Handbuch UeberQuintara1=Ü&ber Quintara GR"));
    QStringList language;
    for (QAction* a : ui.Sprache1->actions())
        language << a->objectName() + QLatin1Char('=') +
                        (a->isSeparator() ? QStringLiteral("-") : a->text()) +
                        (a->isCheckable() ? QStringLiteral("[x]") : QString());
    EXPECT_EQ(language.join(QLatin1Char(' ')),
              QStringLiteral("Deutsch1=Deutsch[x] Englichen1=Englisch[x] Grichisch1=Griechisch[x] N1=- "
                             "Dateiladen1=Datei laden InDateispeichern1=Datei speichern"));

    // The first panel takes the room the second leaves, and grows with the window.
    const int panel0 = ui.StatusBar1->panel(0)->width();
    EXPECT_GE(panel0, 150);
    EXPECT_GE(ui.StatusBar1->panel(1)->width(), 50);
    EXPECT_GE(panel0 + ui.StatusBar1->panel(1)->width(), 565 - 20);
    form->resize(form->width() + 200, form->height());
    QApplication::processEvents();
    EXPECT_GE(ui.StatusBar1->panel(0)->width(), panel0 + 190);
    form->resize(form->width() - 200, form->height());
    QApplication::processEvents();
    // The second panel shows a phase text whole; a very long one leaves the first its room.
    const QString phase = QStringLiteral("Tipps wurden neu berechnet");
    ui.StatusBar1->setPanelText(1, phase);
    QApplication::processEvents();
    EXPECT_GE(ui.StatusBar1->panel(1)->contentsRect().width(),
              ui.StatusBar1->panel(1)->fontMetrics().horizontalAdvance(phase));
    ui.StatusBar1->setPanelText(1, phase.repeated(6));
    QApplication::processEvents();
    EXPECT_GE(ui.StatusBar1->panel(0)->width(), 250);
    EXPECT_EQ(form->centralWidget()->width(), 565);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quintara for Greece"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(565, 450));
    EXPECT_EQ(form->font().family(), QStringLiteral("Arial"));
    // Sizes follow the desktop's text size (the designed 13 and 15 pixels are its proportions).
    EXPECT_EQ(form->font().pixelSize(), -1);
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), QApplication::font().pointSizeF());
    for (QLabel* draw : {ui.Label35, ui.Label29}) {
        EXPECT_TRUE(draw->font().bold());
        EXPECT_NEAR(draw->font().pointSizeF(), form->font().pointSizeF() * 15 / 13, 0.01);
    }
}

TEST_F(LayoutTest, NumberFieldsStandInTheBlankRunsOfTheirSentences) {
    form->controls().PageControl1->setCurrentWidget(form->controls().TabSheet6);
    for (QWidget* sub : {form->controls().TabSheet9, form->controls().TabSheet10}) {
        form->controls().PageControl2->setCurrentWidget(sub);
        FormFixture::processEvents();
    }
    for (const auto& [hostName, spins] : kSentences) {
        QWidget* host = widget(hostName);
        const auto runs = InlineFields::blankRuns(host);
        ASSERT_EQ(runs.size(), static_cast<qsizetype>(spins.size())) << hostName;
        for (size_t i = 0; i < spins.size(); ++i) {
            const QRect field = spin(spins[i])->geometry();
            EXPECT_EQ(spin(spins[i])->parentWidget(), host) << hostName;
            EXPECT_GE(field.left(), runs[i].first) << hostName;
            EXPECT_LE(field.right(), runs[i].second) << hostName;
            EXPECT_GE(field.width(), 36) << hostName; // room for the digits and the arrows
            EXPECT_TRUE(host->rect().contains(field)) << hostName;
        }
    }
    // A translated caption moves the field to the new run.
    form->controls().PageControl2->setCurrentWidget(form->controls().TabSheet9);
    FormFixture::processEvents();
    auto* box = form->controls().CheckBox3;
    box->setText(QStringLiteral("at most                 matches with other tips"));
    box->repaint();
    const auto runs = InlineFields::blankRuns(box);
    EXPECT_GE(form->controls().UpDown3->geometry().left(), runs[0].first);
    EXPECT_LE(form->controls().UpDown3->geometry().right(), runs[0].second);

    // A larger font widens the words before the run: the field moves with it, and back.
    const QFont before = box->font();
    QFont larger = before;
    larger.setPointSizeF(before.pointSizeF() * 1.5);
    box->setFont(larger);
    const auto wider = InlineFields::blankRuns(box);
    ASSERT_GT(wider[0].first, runs[0].first);
    EXPECT_GE(form->controls().UpDown3->geometry().left(), wider[0].first);
    EXPECT_LE(form->controls().UpDown3->geometry().right(), wider[0].second);
    box->setFont(before);
    EXPECT_GE(form->controls().UpDown3->geometry().left(), runs[0].first);
    EXPECT_LE(form->controls().UpDown3->geometry().right(), runs[0].second);
}

// A page is measured once it is shown: before, it asks for no room; a window made as small as
// the first page allows grows to fit a larger page when that page is opened.
TEST_F(LayoutTest, PagesAskForRoomOnceShownAndTheWindowMakesIt) {
    QWidget* internet = form->controls().TabSheet3;
    EXPECT_EQ(internet->minimumSizeHint(), QSize(0, 0));
    EXPECT_FALSE(internet->hasHeightForWidth());

    form->resize(1, 1); // clamped to what the first page needs
    FormFixture::processEvents();
    const QSize small = form->size();
    form->controls().PageControl1->setCurrentWidget(internet);
    FormFixture::processEvents();
    const QSize needed = internet->minimumSizeHint();
    ASSERT_GT(needed.height(), 0);
    EXPECT_GE(internet->width(), needed.width());
    EXPECT_GE(internet->height(), needed.height());
    EXPECT_GE(form->height(), small.height());
    expectNothingCutOffOrOverlapping(internet);
}

TEST_F(LayoutTest, NothingOverlapsOrIsCutOffAtTheDesignedSize) {
    for (QWidget* page : {form->controls().TabSheet1, form->controls().TabSheet5, form->controls().TabSheet4, form->controls().TabSheet3}) {
        form->controls().PageControl1->setCurrentWidget(page);
        FormFixture::processEvents();
        expectNothingCutOffOrOverlapping(page);
    }
    form->controls().PageControl1->setCurrentWidget(form->controls().TabSheet6);
    for (QWidget* page : {form->controls().TabSheet8, form->controls().TabSheet9, form->controls().TabSheet10, form->controls().TabSheet11}) {
        form->controls().PageControl2->setCurrentWidget(page);
        FormFixture::processEvents();
        expectNothingCutOffOrOverlapping(page);
    }
    EXPECT_EQ(form->centralWidget()->size(), QSize(565, 450));
}

TEST_F(LayoutTest, LinksAndBannerOpenThroughTheShell) {
    auto& opened = f.platform.shell->opened;
    for (ClickLabel* link : {form->controls().Label52, form->controls().Label54, form->controls().Label56}) {
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        opened.clear();
        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_EQ(opened, QStringList{link->text()});
        EXPECT_TRUE(link->text().contains(QStringLiteral(".example")));
    }
    QStringList banner;
    opened.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{form->controls().Label43, form->controls().Label44, form->controls().Panel9,
                                                      form->controls().Panel10})
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(opened.size(), 4);
    EXPECT_EQ(opened.count(opened.first()), 4);
    EXPECT_TRUE(opened.first().startsWith(QStringLiteral("https://brenlow.example/")));
}

// Clickable labels take the keyboard focus but measure and wrap as plain labels, before and
// after a translation file gives them new captions; the banners stand one letter a line.
TEST_F(LayoutTest, ClickableLabelsTakeFocusAndMeasureAsPlainLabels) {
    auto expectPlain = [](ClickLabel* l) {
        EXPECT_NE(l->focusPolicy() & Qt::TabFocus, 0) << l->objectName().toStdString();
        QLabel plain(l->text());
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(l->font());
        plain.setWordWrap(l->wordWrap());
        plain.setAlignment(l->alignment());
        plain.setFrameStyle(l->frameStyle());
        plain.setMinimumSize(l->minimumSize());
        plain.setMaximumSize(l->maximumSize());
        EXPECT_EQ(l->sizeHint(), plain.sizeHint()) << l->objectName().toStdString();
        if (l->wordWrap()) {
            EXPECT_EQ(l->heightForWidth(120), plain.heightForWidth(120));
        }
        for (QObject* child : l->children())
            EXPECT_STRNE(child->metaObject()->className(), "QWidgetTextControl") << l->objectName().toStdString();
    };
    const QList<ClickLabel*> labels = form->findChildren<ClickLabel*>();
    ASSERT_GE(labels.size(), 9);
    for (ClickLabel* l : labels) expectPlain(l);

    const std::vector<Translation::Entry> entries{
        {QStringLiteral("Form1"), QStringLiteral("Label66"), QStringLiteral("A note that is long enough to wrap"), {}, {}},
        {QStringLiteral("Form1"), QStringLiteral("Label52"), QStringLiteral("https://brenlow.example/x"), {}, {}}};
    WindowTexts::apply(form, entries);
    EXPECT_EQ(form->controls().Label66->text(), QStringLiteral("A note that is long enough to wrap"));
    for (ClickLabel* l : labels) expectPlain(l);

    // A banner is narrow enough that every blank breaks its line: one letter a line.
    const QFontMetrics metrics(form->controls().Label43->font());
    EXPECT_GE(form->controls().Label43->heightForWidth(form->controls().Label43->width()),
              15 * metrics.lineSpacing() - metrics.leading());
}
