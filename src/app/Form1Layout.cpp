#include "app/Form1Ui.h"
#include "app/TForm1.h"
#include "base/BuildInfo.h"
#include "base/DayCount.h"
#include "gui/Language.h"
#include "gui/StandardIcon.h"
#include "generator/ProgramSettings.h"
#include "tips/TipLine.h"
#include "gui/InlineFields.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(const char* name, QAnyStringView text, QWidget* parent) {
    auto* l = named(new QLabel(text.toString(), parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void heading(QBoxLayout* box, const char* name, QAnyStringView text) {
    QLabel* l = label(name, text, box->parentWidget());
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    box->addWidget(l);
}

QLabel* note(const char* name, QAnyStringView text, QWidget* parent) {
    QLabel* l = label(name, text, parent);
    l->setWordWrap(true);
    return l;
}

QCheckBox* checkBox(const char* name, QAnyStringView text, bool checked, QWidget* parent) {
    auto* box = named(new QCheckBox(text.toString(), parent), name);
    box->setChecked(checked);
    return box;
}

// Spin n (UpDown<n>) with its limits and built-in position; the settings give it its position.
UpDown* spin(int n, const char* edit, QWidget* parent, const QString& editHint = {}) {
    const ProgramSettings::SpinLimits limits = ProgramSettings::spinLimits(n);
    auto* s = new UpDown(QStringLiteral("UpDown%1").arg(n), QLatin1String(edit), limits.minimum, limits.maximum,
                         limits.position, parent);
    if (!editHint.isEmpty()) s->edit()->setToolTip(editHint);
    return s;
}

QToolButton* speedButton(const char* name, QAnyStringView text, QAnyStringView hint, QWidget* parent) {
    auto* b = named(new QToolButton(parent), name);
    b->setText(text.toString());
    b->setToolTip(hint.toString());
    return b;
}

QToolButton* iconButton(const char* name, const QIcon& icon, QAnyStringView hint, QWidget* parent) {
    QToolButton* b = speedButton(name, {}, hint, parent);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    return b;
}

QPushButton* button(const char* name, QAnyStringView text, QAnyStringView hint, QWidget* parent) {
    auto* b = named(new QPushButton(text.toString(), parent), name);
    b->setToolTip(hint.toString());
    b->setAutoDefault(false);
    return b;
}

// A label that acts when clicked: plain text under a pointing hand.
ClickLabel* clickLabel(const char* name, QAnyStringView text, QWidget* parent) {
    auto* l = new ClickLabel(QLatin1String(name), text.toString(), parent);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// A tab page that asks for no room until it is first shown. A tab widget measures every page,
// and the word-wrapped notes would make that a text layout of every caption at start, with only
// the first page on screen; once shown, the page asks again and the tab widget grows to fit it.
class TabPage : public QWidget {
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return m_shown ? QWidget::sizeHint() : QSize(0, 0); }
    QSize minimumSizeHint() const override { return m_shown ? QWidget::minimumSizeHint() : QSize(0, 0); }
    bool hasHeightForWidth() const override { return m_shown && QWidget::hasHeightForWidth(); }
    int heightForWidth(int width) const override { return m_shown ? QWidget::heightForWidth(width) : -1; }

protected:
    void showEvent(QShowEvent* event) override {
        if (!m_shown) {
            m_shown = true;
            updateGeometry();
        }
        QWidget::showEvent(event);
    }

private:
    bool m_shown = false;
};

QWidget* page(QTabWidget* tabs, const char* name, QAnyStringView caption) {
    auto* w = named(new TabPage(tabs), name);
    tabs->addTab(w, caption.toString());
    return w;
}

// Three small bars: the buttons and notes that open a chart.
// Drawn at every size a screen's scale may ask for, so it stays sharp on high-DPI screens.
QIcon chartIcon() {
    QIcon icon;
    for (int scale : {1, 2, 3, 4}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(scale, scale);
        painter.fillRect(2, 8, 3, 7, QColor(0, 128, 0));
        painter.fillRect(7, 3, 3, 12, QColor(200, 0, 0));
        painter.fillRect(12, 6, 3, 9, QColor(0, 128, 0));
        painter.fillRect(0, 15, 16, 1, Qt::black);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A printer: paper coming out of a grey body.
QIcon printerIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 8, 5);
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(1, 6, 14, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 8, 5);
    painter.drawLine(6, 12, 10, 12);
    return QIcon(pixmap);
}

// A white panel holding a label whose letters stand one per line.
ClickLabel* letterBanner(Panel* panel, const char* name, const QString& text) {
    ClickLabel* letters = clickLabel(name, text, panel);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    panel->setPalette(p);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setCursor(Qt::PointingHandCursor);

    letters->setWordWrap(true);
    letters->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont f = letters->font();
    f.setBold(true);
    letters->setFont(f);
    QPalette lp = letters->palette();
    lp.setColor(QPalette::WindowText, Qt::blue);
    letters->setPalette(lp);
    // Narrow enough that every blank breaks the line, so one letter stands per line.
    letters->setFixedWidth(letters->fontMetrics().horizontalAdvance(QLatin1Char('W')) + 2);

    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(1, 4, 1, 4);
    box->addWidget(letters, 1, Qt::AlignHCenter);
    return letters;
}

// The draw in large bold type on a sunken field.
QLabel* drawLabel(const char* name, QPalette::ColorRole background, QWidget* parent) {
    QLabel* l = label(name, {}, parent);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 15 / 13);
    f.setBold(true);
    l->setFont(f);
    l->setAutoFillBackground(true);
    l->setBackgroundRole(background);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumHeight(l->fontMetrics().height() + 6);
    return l;
}

QVBoxLayout* column(QWidget* owner, int marginX, int marginY, int spacing) {
    auto* box = new QVBoxLayout(owner);
    box->setContentsMargins(marginX, marginY, marginX, marginY);
    box->setSpacing(spacing);
    return box;
}

void addWidgets(QBoxLayout* box, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) box->addWidget(w);
}

QHBoxLayout* row(QBoxLayout* parent, std::initializer_list<QWidget*> widgets = {}) {
    auto* r = new QHBoxLayout;
    r->setSpacing(4);
    parent->addLayout(r);
    addWidgets(r, widgets);
    return r;
}

void gridRow(QGridLayout* grid, int row, std::initializer_list<QWidget*> widgets) {
    int column = 0;
    for (QWidget* w : widgets) grid->addWidget(w, row, column++);
}

// A check box whose caption leaves blank runs for its number fields.
QCheckBox* sentence(QBoxLayout* box, const char* name, QAnyStringView text, bool checked,
                    const QList<QWidget*>& fields) {
    QCheckBox* b = checkBox(name, text, checked, box->parentWidget());
    new InlineFields(b, fields);
    box->addWidget(b);
    return b;
}

// A sentence with one number field: spin n, made before its check box.
QCheckBox* sentence(QBoxLayout* box, UpDown*& field, int n, const char* edit, const char* name,
                    QAnyStringView text, bool checked) {
    field = spin(n, edit, box->parentWidget());
    return sentence(box, name, text, checked, {field});
}

} // namespace

void Form1Ui::build(TForm1* form) {
    QMenuBar* bar = form->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Beenden1 = named(bar->addAction(QStringLiteral("&Beenden")), "Beenden1");
    Aktualisieren1 = named(bar->addAction(QStringLiteral("&Aktualisieren")), "Aktualisieren1");
    Sprache1 = named(bar->addMenu(QStringLiteral("Sprache / Language")), "Sprache1");
    Sprache1->menuAction()->setObjectName(QStringLiteral("Sprache1"));
    Deutsch1 = named(Sprache1->addAction(QStringLiteral("Deutsch")), "Deutsch1");
    Englichen1 = named(Sprache1->addAction(QStringLiteral("Englisch")), "Englichen1");
    Grichisch1 = named(Sprache1->addAction(QStringLiteral("Griechisch")), "Grichisch1");
    for (QAction* a : {Deutsch1, Englichen1, Grichisch1}) a->setCheckable(true);
    // Each language also in its own name, so the way back is readable from any language.
    Deutsch1->setProperty(OwnNameProperty, Language::ownName(Language::Id::German));
    Englichen1->setProperty(OwnNameProperty, Language::ownName(Language::Id::English));
    Grichisch1->setProperty(OwnNameProperty, Language::ownName(Language::Id::Greek));
    showOwnNames(Sprache1);
    N1 = named(Sprache1->addSeparator(), "N1");
    Dateiladen1 = named(Sprache1->addAction(QStringLiteral("Datei laden")), "Dateiladen1");
    InDateispeichern1 = named(Sprache1->addAction(QStringLiteral("Datei speichern")), "InDateispeichern1");
    MenuSlips = named(bar->addAction(QString()), "MenuSlips");
    Hilfe1 = named(bar->addMenu(QStringLiteral("Hilfe")), "Hilfe1");
    Hilfe1->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    Handbuch1 = named(Hilfe1->addAction(QStringLiteral("Handbuch")), "Handbuch1");
    UeberQuintara1 = named(Hilfe1->addAction(QStringLiteral("Über Quintara GR")), "UeberQuintara1");

    StatusBar1 = new PanelStatusBar(QStringLiteral("StatusBar1"), {150, 50}, form);
    form->setStatusBar(StatusBar1);

    PageControl1 = named(new QTabWidget(form), "PageControl1");
    form->setCentralWidget(PageControl1);
    TabSheet1 = page(PageControl1, "TabSheet1", "Lottotipp");
    TabSheet6 = page(PageControl1, "TabSheet6", "Optionen");
    TabSheet5 = page(PageControl1, "TabSheet5", "Diagramm");
    TabSheet4 = page(PageControl1, "TabSheet4", "Datenbank");
    TabSheet3 = page(PageControl1, "TabSheet3", "Internet-Optionen");

    {
        auto* box = new QVBoxLayout(TabSheet6);
        box->setContentsMargins(4, 4, 4, 4);
        PageControl2 = named(new QTabWidget(TabSheet6), "PageControl2");
        box->addWidget(PageControl2);
        TabSheet8 = page(PageControl2, "TabSheet8", "Statistisch");
        TabSheet9 = page(PageControl2, "TabSheet9", "Schein Optimierung");
        TabSheet10 = page(PageControl2, "TabSheet10", "Mathematisch");
        TabSheet11 = page(PageControl2, "TabSheet11", "Allgemein");
    }

    buildLottotipp();
    buildStatistisch();
    buildScheinOptimierung();
    buildMathematisch();
    buildAllgemein();
    buildDiagramm();
    buildDatenbank();
    buildInternetOptionen();
    translateOwnTexts();
}

void Form1Ui::buildLottotipp() {
    QWidget* p = TabSheet1;
    QVBoxLayout* pageBox = column(p, 4, 4, 4);

    // Draw line: the current draw with its arrows and cross sum, the weekday filter below.
    {
        auto* line = new QFrame(p);
        line->setFrameStyle(QFrame::Panel | QFrame::Raised);
        auto* grid = new QGridLayout(line);
        grid->setContentsMargins(4, 2, 4, 2);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(0);
        SpeedButton6 = speedButton("SpeedButton6", {}, {}, line);
        SpeedButton6->setArrowType(Qt::LeftArrow);
        Label35 = drawLabel("Label35", QPalette::ToolTipBase, line);
        Label35->setForegroundRole(QPalette::ToolTipText);
        SpeedButton7 = speedButton("SpeedButton7", {}, {}, line);
        SpeedButton7->setArrowType(Qt::RightArrow);
        Label13 = label("Label13", "Quersumme", line);
        Label13->setMinimumWidth(Label13->fontMetrics().horizontalAdvance(QStringLiteral("Quersumme: 279")));
        CheckBox16 = checkBox("CheckBox16", "Samstags Ziehungen", true, line);
        CheckBox17 = checkBox("CheckBox17", "Mitwoch Ziehungen", true, line);
        gridRow(grid, 0, {SpeedButton6, Label35, SpeedButton7, Label13});
        auto* weekdays = new QHBoxLayout;
        weekdays->setSpacing(16);
        addWidgets(weekdays, {CheckBox16, CheckBox17});
        weekdays->addStretch();
        grid->addLayout(weekdays, 1, 1, 1, 3);
        grid->setColumnStretch(1, 1);
        pageBox->addWidget(line);
    }

    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    pageBox->addLayout(middle, 1);

    // Left strip: the download button over the maker's banner.
    {
        auto* strip = new QVBoxLayout;
        strip->setSpacing(4);
        SpeedButton10 = iconButton("SpeedButton10", standardIcon(QStyle::SP_BrowserReload),
                                   "Aktualisieren der Lottozahlen aus dem Internet brenlow.example", p);
        Panel9 = new Panel(QStringLiteral("Panel9"), {}, p);
        Label43 = letterBanner(Panel9, "Label43", QStringLiteral("b r e n l o w . e x a m p l e"));
        Panel9->setFixedWidth(SpeedButton10->sizeHint().width());
        strip->addWidget(SpeedButton10);
        strip->addWidget(Panel9, 1);
        middle->addLayout(strip);
    }

    // Centre: the tip list under its header.
    int headerHeight = 0;
    {
        auto* centre = new QVBoxLayout;
        centre->setSpacing(0);
        Panel12 = new Panel(QStringLiteral("Panel12"), QStringLiteral("Spielreihen"), p);
        // The option of the generation run that empties this list stands under it.
        CheckBox28 = checkBox("CheckBox28", "Löschen vor neuer Berechnung", true, p);
        headerHeight = CheckBox28->sizeHint().height() + 2 * Panel12->frameWidth() + 2;
        Panel12->setFixedHeight(headerHeight);
        ListBox1 = named(new QListWidget(p), "ListBox1");
        TipListStake = note("TipListStake", {}, p);
        addWidgets(centre, {Panel12, ListBox1, TipListStake, CheckBox28});
        centre->setStretchFactor(ListBox1, 1);
        middle->addLayout(centre, 1);
    }

    // The hit list beside the tip list, one entry per tip: its hits and, with the draw's prize
    // table known, its tiers and euros; under it what the whole list won.
    {
        auto* hits = new QVBoxLayout;
        hits->setSpacing(0);
        Panel14 = new Panel(QStringLiteral("Panel14"), {}, p);
        Panel14->setFixedHeight(headerHeight);
        ListBox2 = named(new QListWidget(p), "ListBox2");
        ListBox2->setMinimumWidth(60);
        HitListTotal = note("HitListTotal", {}, p);
        addWidgets(hits, {Panel14, ListBox2, HitListTotal});
        hits->setStretchFactor(ListBox2, 1);
        middle->addLayout(hits, 1);
    }

    // Right block: the settings column and the product banner, level with the lists.
    {
        auto* block = new QWidget(p);
        QVBoxLayout* blockBox = column(block, 0, 0, 0);
        // An empty header, level with the lists' headers.
        auto* header = new QFrame(block);
        header->setFrameStyle(QFrame::Panel | QFrame::Raised);
        header->setFixedHeight(headerHeight);
        blockBox->addWidget(header);

        auto* columns = new QHBoxLayout;
        columns->setSpacing(0);
        blockBox->addLayout(columns, 1);

        auto* settings = new Panel(QStringLiteral("Panel13"), {}, block);
        QVBoxLayout* fields = column(settings, 3, 3, 2);
        Label22 = label("Label22", "Anzahl der Tipps", settings);
        UpDown9 = spin(9, "Edit1", settings);
        Label61 = label("Label61", "Zahlen pro Tipp", settings);
        UpDown18 = spin(18, "Edit5", settings);
        ComboBox1 = named(new QComboBox(settings), "ComboBox1");
        ComboBox1->setEditable(true);
        ComboBox1->setInsertPolicy(QComboBox::NoInsert);
        ComboBox1->addItems(
            QStringLiteral("Normal Voll 609 610 612 616 622 626 710 711 712").split(QLatin1Char(' ')));
        SpeedEdit = iconButton("SpeedEdit", standardIcon(QStyle::SP_FileDialogDetailedView),
                               "Zahlen des gewählten Tipps bearbeiten oder ändern", settings);
        SpeedButton11 =
            iconButton("SpeedButton11", standardIcon(QStyle::SP_TrashIcon), "Löschen aller Tipps", settings);
        TippsZurueck = iconButton("TippsZurueck", standardIcon(QStyle::SP_ArrowBack), {}, settings);
        TippsZurueck->hide();
        QLabel* perTicket = label("Label16", "Tipps pro Schein", settings);
        UpDown8 = spin(8, "Edit80", settings);
        perTicket->hide();
        UpDown8->hide();
        addWidgets(fields, {Label22, UpDown9});
        fields->addSpacing(4);
        addWidgets(fields, {Label61, UpDown18});
        fields->addSpacing(4);
        fields->addWidget(ComboBox1);
        fields->addSpacing(4);
        row(fields, {SpeedEdit, SpeedButton11, TippsZurueck})->addStretch();
        addWidgets(fields, {perTicket, UpDown8});
        fields->addStretch();
        columns->addWidget(settings);

        auto* gap = new Panel(QStringLiteral("Panel15"), {}, block);
        gap->setFixedWidth(6);
        columns->addWidget(gap);
        Panel10 = new Panel(QStringLiteral("Panel10"), {}, block);
        // The product name and version, one character per line ("Q u i n t a r a   G R   1 . 0").
        const QString product = QStringLiteral("Quintara GR ") + BuildInfo::version();
        Label44 = letterBanner(Panel10, "Label44",
                               product.split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
        columns->addWidget(Panel10);
        middle->addWidget(block);
    }

    // Bottom rows.
    SpeedButton15 = iconButton("SpeedButton15", standardIcon(QStyle::SP_DialogSaveButton),
                               "Speichern des berechneten Tipps in einer Datei", p);
    SpeedButton16 = iconButton("SpeedButton16", standardIcon(QStyle::SP_DialogOpenButton),
                               "Laden eines Tipps aus einer Datei", p);
    BitBtn7 = button("BitBtn7", "Tipp",
                     "Der Tipp wurd als Textgespeichert und angezeigt. Kann natürlich auch "
                     "gedrucktwerden und zur annahmestelle gebracht werden.",
                     p);
    BitBtn7->setIcon(standardIcon(QStyle::SP_FileIcon));
    TippDruck = iconButton("TippDruck", printerIcon(), {}, p);
    SlipSaveButton = button("SlipSaveButton", {}, {}, p);
    SlipSaveButton->setIcon(standardIcon(QStyle::SP_DialogApplyButton));
    SpeedButton4 = speedButton("SpeedButton4", "Tipps in DB suchen",
                               "Hier können Sie suchen ob dieser Tipp schon einmal gezagen würde", p);
    Button6 =
        button("Button6", "Tippverteilung", "Hier sehen Sie ein Diagramm der Zahlenverteilung des Tipps", p);
    row(pageBox, {SpeedButton15, SpeedButton16, BitBtn7, TippDruck, SlipSaveButton, SpeedButton4, Button6})
        ->addStretch();

    BitBtn4 = button("BitBtn4", "Tipps berechnen",
                     "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet", p);
    BitBtn4->setIcon(standardIcon(QStyle::SP_MediaPlay));
    SpeedButton13 =
        speedButton("SpeedButton13", "Glückszahl setzen",
                    "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren", p);
    BitBtn5 = button("BitBtn5", "Schließen", {}, p);
    BitBtn5->setIcon(standardIcon(QStyle::SP_DialogCloseButton));
    QHBoxLayout* second = row(pageBox, {BitBtn4, SpeedButton13});
    second->addStretch();
    second->addWidget(BitBtn5);

    // The tip text is assembled here; never shown.
    Memo1 = named(new QPlainTextEdit(p), "Memo1");
    Memo1->hide();
}

void Form1Ui::buildStatistisch() {
    QWidget* p = TabSheet8;
    QVBoxLayout* box = column(p, 8, 6, 4);
    heading(box, "LabelStatisticsHeading", "Zahlen für die Tipps über Statistik bevorzugen");
    Label76 =
        note("Label76",
             "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)", p);
    box->addWidget(Label76);

    const QString percentHint =
        QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");
    const QIcon chart = chartIcon();
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    CheckBox2 = checkBox("CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", false, p);
    UpDown12 = spin(12, "Edit85", p, percentHint);
    SpeedButton20 = iconButton("SpeedButton20", chart, {}, p);
    CheckBox14 = checkBox("CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", true, p);
    UpDown14 = spin(14, "Edit87", p, percentHint);
    CheckBox10 = checkBox("CheckBox10", "Zahlen die am längsten überfällig sind", true, p);
    UpDown13 = spin(13, "Edit86", p, percentHint);
    SpeedButton21 = iconButton("SpeedButton21", chart, {}, p);
    CheckBox1 = checkBox("CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", false, p);
    CheckBox11 = checkBox("CheckBox11", "seltensten", false, p);
    SpeedButton17 = iconButton("SpeedButton17", chart, {}, p);
    CheckBox6 = checkBox("CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false, p);
    CheckBox12 = checkBox("CheckBox12", "seltensten", false, p);
    SpeedButton18 = iconButton("SpeedButton18", chart, {}, p);
    CheckBox7 = checkBox("CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false, p);
    CheckBox13 = checkBox("CheckBox13", "seltensten", false, p);
    SpeedButton19 = iconButton("SpeedButton19", chart, {}, p);
    CheckBox19 = checkBox("CheckBox19", "benachbarte Zahlen der letzten Ziehung bevorzugen", false, p);

    gridRow(grid, 0, {CheckBox2, UpDown12});
    grid->addWidget(SpeedButton20, 0, 2, 2, 1, Qt::AlignVCenter);
    gridRow(grid, 1, {CheckBox14, UpDown14});
    gridRow(grid, 2, {CheckBox10, UpDown13, SpeedButton21});
    grid->setRowMinimumHeight(3, 8);
    gridRow(grid, 4, {CheckBox1, CheckBox11, SpeedButton17});
    gridRow(grid, 5, {CheckBox6, CheckBox12, SpeedButton18});
    gridRow(grid, 6, {CheckBox7, CheckBox13, SpeedButton19});
    grid->setRowMinimumHeight(7, 8);
    grid->addWidget(CheckBox19, 8, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    box->addLayout(grid);
    box->addStretch();

    box->addWidget(note("LabelStatisticsNote",
                        "Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die "
                        "Tippberechnung verwendet werden",
                        p));
}

void Form1Ui::buildScheinOptimierung() {
    QWidget* p = TabSheet9;
    QVBoxLayout* box = column(p, 8, 6, 3);
    heading(box, "LabelTicketHeading", "Optimierung der einzelnen Tipps miteinander im Schein ");
    CheckBox3 = sentence(box, UpDown3, 3, "Edit39", "CheckBox3",
                         "maximal                 Übereinstimmungen mit anderen Tipps", true);
    CheckBox24 = sentence(box, UpDown1, 1, "Edit88", "CheckBox24",
                          "minimal                  Übereinstimmungen mit anderen Tipps", true);
    CheckBox27 =
        checkBox("CheckBox27", "Min/Max: jeder Tipp muss mit jedem Tipp diese Bedingung erfüllen", false, p);
    box->addWidget(CheckBox27);

    box->addSpacing(10);
    heading(box, "LabelHistoryHeading", "Optimierung der einzelnen Tipps über die vergangenen Ziehungen");
    CheckBox4 = sentence(box, UpDown4, 4, "Edit40", "CheckBox4",
                         "maximal                 Zahl der letzten Ziehung zulassen", true);
    CheckBox5 = sentence(box, UpDown5, 5, "Edit41", "CheckBox5",
                         "maximal                 Zahl der vorletzten Ziehung zulassen", true);
    CheckBox23 = sentence(box, UpDown11, 11, "Edit84", "CheckBox23",
                          "maximal                 Zahl der vorvorletzten Ziehung zulassen", true);
    CheckBox9 = sentence(box, UpDown6, 6, "Edit42", "CheckBox9",
                         "Tipp darf noch keinen              er aus der Datenbank entsprechen", true);

    const QString recentCaption =
        QStringLiteral("Tipp darf keinen              er aus den letzten              Ziehungen sein");
    const QString recentHint = QStringLiteral("Tipp vor noch keinen Xer aus der Datenbank entsprechen, "
                                              "beginnen mit dem Datum  aus deer Diagrammübersicht");
    const QString hitsHint =
        QStringLiteral("Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
    const QString drawsHint =
        QStringLiteral("Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");
    UpDown19 = spin(19, "Edit91", p, hitsHint);
    UpDown20 = spin(20, "Edit92", p, drawsHint);
    CheckBox30 = sentence(box, "CheckBox30", recentCaption, true, {UpDown19, UpDown20});
    CheckBox30->setToolTip(recentHint);
    UpDown21 = spin(21, "Edit6", p, hitsHint);
    UpDown22 = spin(22, "Edit7", p, drawsHint);
    CheckBox31 = sentence(box, "CheckBox31", recentCaption, true, {UpDown21, UpDown22});
    CheckBox31->setToolTip(recentHint);
    box->addStretch();
}

void Form1Ui::buildMathematisch() {
    QWidget* p = TabSheet10;
    QVBoxLayout* box = column(p, 8, 6, 3);
    heading(box, "LabelMathHeading", "Diese Bedingungen werden in jeder Tippreihe berücksichtigt");
    box->addWidget(note("LabelCrossSumNote",
                        "Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder "
                        "39-41-43-46-47-49",
                        p));
    UpDown2 = spin(2, "Edit37", p);
    UpDown15 = spin(15, "Edit38", p);
    QLabel* crossSum =
        label("LabelCrossSum", "Quersummer von                  bis                     im Tipp zulassen", p);
    new InlineFields(crossSum, {UpDown2, UpDown15});
    box->addWidget(crossSum);
    Label74 = clickLabel(
        "Label74", "Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  ", p);
    box->addWidget(Label74);

    box->addSpacing(6);
    CheckBox22 = sentence(box, UpDown10, 10, "Edit83", "CheckBox22",
                          "mindestens               Primzahlen in jedem Tipp", false);
    CheckBox25 = sentence(box, UpDown16, 16, "Edit89", "CheckBox25",
                          "mindestens               gerade Zahlen in jedem Tipp", false);
    CheckBox26 = sentence(box, UpDown17, 17, "Edit90", "CheckBox26",
                          "mindestens               ungerade Zahlen in jedem Tipp", false);

    box->addSpacing(6);
    Label66 = clickLabel("Label66",
                         "Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden.", p);
    Label66->setWordWrap(true);
    box->addWidget(Label66);
    CheckBox8 = checkBox("CheckBox8", "eine Paarbildung pro Tipp erzwingen", false, p);
    box->addWidget(CheckBox8);

    box->addSpacing(6);
    {
        // "Dreier, " and "Vierer ..." read as one sentence; each half opens its own chart.
        auto* line = new QHBoxLayout;
        line->setSpacing(0);
        Label75 = clickLabel("Label75", "Dreier, ", p);
        Label69 = clickLabel("Label69",
                             "Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ sellten, können hier "
                             "ganz verhindert werden",
                             p);
        Label69->setWordWrap(true);
        line->addWidget(Label75, 0, Qt::AlignTop);
        line->addWidget(Label69, 1);
        box->addLayout(line);
    }
    CheckBox18 = checkBox("CheckBox18", "keine Dreie, Vierer... Gruppen", true, p);
    box->addWidget(CheckBox18);
    box->addStretch();
}

void Form1Ui::buildAllgemein() {
    QWidget* p = TabSheet11;
    QVBoxLayout* box = column(p, 8, 6, 4);
    CheckBox20 = checkBox("CheckBox20", "Liste bearbeiten", false, p);
    CheckBox15 = checkBox("CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", false, p);
    addWidgets(box, {CheckBox20, CheckBox15});
    box->addSpacing(10);
    QLabel* maxRuns = label("LabelMaxRuns", "Max.Berechnungsläufe", p);
    UpDown7 = spin(7, "Edit55", p);
    row(box, {maxRuns, UpDown7, label("LabelThousands", "Tausend", p)})->addStretch();
    QCheckBox* hidden = checkBox("CheckBox29", {}, false, p);
    hidden->hide();
    box->addWidget(hidden);
    box->addStretch();
}

void Form1Ui::buildDiagramm() {
    QWidget* p = TabSheet5;
    QVBoxLayout* box = column(p, 4, 4, 4);
    QHBoxLayout* strip = row(box);
    SpeedButton2 = iconButton("SpeedButton2", chartIcon(), "Häufigkeit der gezogenen Zahlen", p);
    SpeedButton9 = speedButton("SpeedButton9", "QS", "Verteilung der Quersumme der Ziehungen", p);
    SpeedButton22 = speedButton("SpeedButton22", "2er", {}, p);
    SpeedButton1 = speedButton("SpeedButton1", "3er", {}, p);
    SpeedButton3 = speedButton("SpeedButton3", "4er", {}, p);
    SpeedButton23 = speedButton("SpeedButton23", "Ausstehende", {}, p);
    DiagrammPNG = speedButton("DiagrammPNG", "PNG", {}, p);
    DiagrammSVG = speedButton("DiagrammSVG", "SVG", {}, p);
    const QDate earliest = DayCount::toDate(ProgramSettings::earliestFromDate());
    DateTimePicker2 = new DatePicker(QStringLiteral("DateTimePicker2"), earliest, earliest, p);
    LabelStatisticsFrom = label("LabelStatisticsFrom", {}, p);
    LabelStatisticsFrom->setBuddy(DateTimePicker2);
    addWidgets(strip, {SpeedButton2, SpeedButton9, SpeedButton22, SpeedButton1, SpeedButton3, SpeedButton23});
    strip->addStretch();
    strip->addWidget(LabelStatisticsFrom);
    strip->addSpacing(2);
    strip->addWidget(DateTimePicker2);
    // Tighter than the other rows: the named start date fits the designed width in every language.
    strip->setSpacing(1);
    Chart1 = named(new BarChartView(p), "Chart1");
    box->addWidget(Chart1, 1);
    // Below the chart: how its value axis is drawn, and saving it, where the row of statistics
    // has no room left.
    ChartZoom = checkBox("ChartZoom", {}, false, p);
    QHBoxLayout* exportRow = row(box, {ChartZoom});
    exportRow->addStretch();
    addWidgets(exportRow, {DiagrammPNG, DiagrammSVG});
}

void Form1Ui::buildDatenbank() {
    QWidget* p = TabSheet4;
    QVBoxLayout* box = column(p, 8, 8, 10);

    BitBtn1 = button("BitBtn1", "Datenbank aktualisieren", {}, p);
    BitBtn1->setIcon(standardIcon(QStyle::SP_BrowserReload));
    SpeedButton8 = iconButton("SpeedButton8", standardIcon(QStyle::SP_BrowserStop), "Stoppt das Einlesen", p);
    SpeedButton8->hide();
    row(box, {BitBtn1, SpeedButton8})->addStretch();

    Label29 = drawLabel("Label29", QPalette::HighlightedText, p);
    DateTimePicker1 =
        new DatePicker(QStringLiteral("DateTimePicker1"), QDate(1955, 10, 9), QDate::currentDate(), p);
    SpeedButton5 = iconButton("SpeedButton5", standardIcon(QStyle::SP_DialogApplyButton),
                              "Bewertung des Tipps für die Ziehung des gewählten Datums", p);
    row(box, {Label29, DateTimePicker1, SpeedButton5})->setStretchFactor(Label29, 1);

    NextDrawLabel = note("NextDrawLabel", {}, p);
    box->addWidget(NextDrawLabel);

    BitBtn6 = button("BitBtn6", "Löschen", {}, p);
    BitBtn8 = button("BitBtn8", "Eingeben", {}, p);
    row(box, {BitBtn6, BitBtn8})->addStretch();

    Button2 = button("Button2", "Paare suchen", {}, p);
    Button3 = button("Button3", "Dreier suchen", {}, p);
    Button4 = button("Button4", "Vierer suchen", {}, p);
    Button5 = button("Button5", "Ausstehende", {}, p);
    row(box, {Button2, Button3, Button4, Button5})->addStretch();

    BitBtn9 =
        button("BitBtn9", "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum", {}, p);
    AnalysisReportButton = button("AnalysisReportButton", {}, {}, p);
    SlipsOpenButton = button("SlipsOpenButton", {}, {}, p);
    for (QWidget* b : {BitBtn9, AnalysisReportButton, SlipsOpenButton}) row(box, {b})->addStretch();
    box->addStretch();
}

void Form1Ui::buildInternetOptionen() {
    QWidget* p = TabSheet3;
    QVBoxLayout* box = column(p, 8, 6, 3);

    // The edit lines take their texts from the settings.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    QLabel* fileLabel = label("Label12", "Temp-Datei für Internetabruf", p);
    FileNameEdit = named(new QLineEdit(p), "FileNameEdit");
    QLabel* hostLabel = label("Label10", "Proxy-Server", p);
    ProxyHostEdit = named(new QLineEdit(p), "ProxyHostEdit");
    QLabel* portLabel = label("Label11", "Porxy-Port", p);
    ProxyPortEdit = named(new QLineEdit(p), "ProxyPortEdit");
    ProxyPortEdit->setFixedWidth(ProxyPortEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                                 12);
    QLabel* serverLabel = label("LabelDrawServer", "Ziehungsserver (Adresse)", p);
    DrawServerEdit = named(new QLineEdit(p), "DrawServerEdit");
    grid->addWidget(fileLabel, 0, 0);
    grid->addWidget(FileNameEdit, 0, 1, 1, 3);
    gridRow(grid, 1, {hostLabel, ProxyHostEdit, portLabel, ProxyPortEdit});
    grid->addWidget(serverLabel, 2, 0);
    grid->addWidget(DrawServerEdit, 2, 1, 1, 3);
    UpdateAtStartCheck =
        checkBox("UpdateAtStartCheck", "Beim Start aktualisieren, wenn eine Ziehung fehlt", true, p);
    grid->addWidget(UpdateAtStartCheck, 3, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    box->addLayout(grid);

    box->addSpacing(6);
    box->addWidget(
        label("Label73", "Online-Tipp über Linkseite, notwendig falls Direktaufruf nicht funktioniert", p));
    CheckBox21 = checkBox("CheckBox21", "Linkseite aktivieren", true, p);
    box->addWidget(CheckBox21);

    // Each note with its link below it, indented: blue and underlined.
    auto link = [&](const char* name, QAnyStringView text, const char* linkName, QAnyStringView address) {
        box->addSpacing(4);
        box->addWidget(label(name, text, p));
        ClickLabel* l = clickLabel(linkName, address, p);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, QColor(Qt::blue));
        l->setPalette(palette);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        auto* r = new QHBoxLayout;
        r->addSpacing(16);
        r->addWidget(l);
        r->addStretch();
        box->addLayout(r);
        return l;
    };
    Label52 = link("Label51", "Updates und die neueste Version gibt es bei:", "Label52",
                   "https://brenlow.example/quintara/update");
    Label54 = link("Label53", "Die aktuellen Ziehungen und Quoten finden unter:", "Label54",
                   "https://lottery-operator.example/results");
    Label56 = link("Label55", "Weitere Programme für Lottospieler von Brenlow gibt es unter:", "Label56",
                   "https://brenlow.example/");

    box->addSpacing(8);
    QLabel* fees = label("Label46", "Bearb.gebühr:", p);
    QLabel* oneDay = label("Label47", "Sa.od.Mi.:", p);
    Edit3 = named(new QLineEdit(p), "Edit3");
    QLabel* bothDays = label("Label48", "Sa u.Mi:", p);
    Edit4 = named(new QLineEdit(p), "Edit4");
    for (QLineEdit* e : {Edit3, Edit4})
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 12);
    QHBoxLayout* feeRow = row(box, {fees});
    feeRow->addSpacing(8);
    addWidgets(feeRow, {oneDay, Edit3});
    feeRow->addSpacing(8);
    addWidgets(feeRow, {bothDays, Edit4});
    feeRow->addStretch();

    // Kept for the settings only; never shown.
    QLabel* source = label("Label21", "Internetquelle für Lottozahlenabruf", p);
    URLEdit = named(new QLineEdit(p), "URLEdit");
    URLEdit->setEnabled(false);
    QLabel* player = label("Label26", "Spielername", p);
    Edit2 = named(new QLineEdit(p), "Edit2");
    QLabel* password = label("Label25", "Passwort", p);
    MaskEdit1 = named(new QLineEdit(p), "MaskEdit1");
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // '*'
    for (QWidget* w : std::initializer_list<QWidget*>{source, URLEdit, player, Edit2, password, MaskEdit1}) {
        w->hide();
        box->addWidget(w);
    }
    box->addStretch();
}

void Form1Ui::translateOwnTexts() {
    TippDruck->setToolTip(QCoreApplication::translate("Form1", "Druckvorschau des Tipps als Seite: "
                                                               "drucken oder als PDF speichern"));
    TippsZurueck->setToolTip(
        QCoreApplication::translate("Form1", "Die eben gelöschten Tipps wiederherstellen (Rückgängig)"));
    SlipSaveButton->setText(QCoreApplication::translate("Form1", "Als gespielt speichern"));
    SlipSaveButton->setToolTip(QCoreApplication::translate(
        "Form1", "Die Tipps (oder die markierten Tipps) als gespielten Schein für die nächste Ziehung speichern"));
    DiagrammPNG->setToolTip(QCoreApplication::translate("Form1", "Das Diagramm als Bild (PNG) speichern"));
    DiagrammSVG->setToolTip(QCoreApplication::translate("Form1", "Das Diagramm als Zeichnung (SVG) speichern"));
    AnalysisReportButton->setText(
        QCoreApplication::translate("Form1", "Auswertung: Zufallsvergleich, Regeln, VEW-Systeme, CSV …"));
    SlipsOpenButton->setText(QCoreApplication::translate("Form1", "Meine Scheine"));
    SlipsOpenButton->setToolTip(QCoreApplication::translate(
        "Form1", "Die gespielten Scheine: Treffer, Gewinne und Saldo jeder geprüften Ziehung"));
    MenuSlips->setText(QCoreApplication::translate("Form1", "Meine &Scheine"));
    LabelStatisticsFrom->setText(QCoreApplication::translate("Form1", "Statistik ab:"));
    LabelStatisticsFrom->setToolTip(QCoreApplication::translate(
        "Form1", "Die Statistiken zählen die Ziehungen ab diesem Tag bis zum Datum der Auswertung"));
    ChartZoom->setText(QCoreApplication::translate("Form1", "Ausschnitt vergrößern"));
    ChartZoom->setToolTip(QCoreApplication::translate(
        "Form1", "Die Werteachse beginnt knapp unter dem kleinsten Balken statt bei 0: kleine Unterschiede "
                 "werden sichtbar, wirken aber größer, als sie sind"));
    Hilfe1->setTitle(QCoreApplication::translate("Form1", "&Hilfe"));
    Handbuch1->setText(QCoreApplication::translate("Form1", "&Handbuch"));
    UeberQuintara1->setText(QCoreApplication::translate("Form1", "Ü&ber Quintara GR"));

    showHitListCaption();
    // The full system's label; what the selector shows keeps its meaning across the switch.
    const QString shownValue = selectorValue();
    m_fullSystemLabel = QCoreApplication::translate("SystemChoice", "Vollsystem");
    for (int i = 0; i < ComboBox1->count(); ++i) {
        if (ComboBox1->itemData(i).toString() == TipLine::FullSystem)
            ComboBox1->setItemText(i, m_fullSystemLabel);
        if (const QVariant rows = ComboBox1->itemData(i, RowsRole); rows.isValid())
            ComboBox1->setItemData(i, SystemChoice::entryHint(rows.toInt()), Qt::ToolTipRole);
    }
    // Changing the current entry's text rewrites the edit field; it shows the same system again.
    if (ComboBox1->currentText() != selectorLabel(shownValue))
        ComboBox1->setEditText(selectorLabel(shownValue));
}

void Form1Ui::setHitListShowsMoney(bool money) {
    // Shown anew only on a change, so a translation file's caption stays while it is true.
    if (money == m_hitListShowsMoney) return;
    m_hitListShowsMoney = money;
    showHitListCaption();
}

void Form1Ui::showHitListCaption() {
    Panel14->setCaption(m_hitListShowsMoney ? QCoreApplication::translate("Form1", "Treffer und Gewinn")
                                            : QCoreApplication::translate("Form1", "Treffer"));
}

QString Form1Ui::selectorValue() const {
    const QString text = ComboBox1->currentText();
    const int index = ComboBox1->currentIndex();
    if (index >= 0 && text == ComboBox1->itemText(index)) {
        const QVariant value = ComboBox1->itemData(index);
        if (value.isValid()) return value.toString();
    }
    if (text == m_fullSystemLabel) return TipLine::FullSystem;
    return text;
}

QString Form1Ui::selectorLabel(const QString& value) const {
    if (value == TipLine::FullSystem) return m_fullSystemLabel;
    return value;
}
