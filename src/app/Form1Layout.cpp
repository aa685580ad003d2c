#include "app/Form1Ui.h"
#include "app/TForm1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* speedButton(const char* name, const QString& text, const QString& hint, QWidget* parent) {
    auto* b = named(new QToolButton(parent), name);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

QWidget* page(QTabWidget* tabs, const char* name, const QString& caption) {
    auto* w = named(new QWidget(tabs), name);
    tabs->addTab(w, caption);
    return w;
}

} // namespace

void Form1Ui::build(TForm1* form) {
    QMenuBar* bar = form->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Beenden1 = named(bar->addAction(QStringLiteral("&Beenden")), "Beenden1");
    Aktualisieren1 = named(bar->addAction(QStringLiteral("&Aktualisieren")), "Aktualisieren1");
    Sprache1 = named(bar->addMenu(QStringLiteral("Sprache / Language")), "Sprache1");
    Deutsch1 = named(Sprache1->addAction(QStringLiteral("Deutsch")), "Deutsch1");
    Englichen1 = named(Sprache1->addAction(QStringLiteral("Englisch")), "Englichen1");
    Grichisch1 = named(Sprache1->addAction(QStringLiteral("Griechisch")), "Grichisch1");
    for (QAction* a : {Deutsch1, Englichen1, Grichisch1}) a->setCheckable(true);
    named(Sprache1->addSeparator(), "N1");
    Dateiladen1 = named(Sprache1->addAction(QStringLiteral("Datei laden")), "Dateiladen1");
    InDateispeichern1 = named(Sprache1->addAction(QStringLiteral("Datei speichern")), "InDateispeichern1");

    StatusBar1 = new PanelStatusBar(QStringLiteral("StatusBar1"), {150, 50}, form);
    form->setStatusBar(StatusBar1);

    PageControl1 = named(new QTabWidget(form), "PageControl1");
    form->setCentralWidget(PageControl1);
    TabSheet1 = page(PageControl1, "TabSheet1", QStringLiteral("Lottotipp"));
    TabSheet6 = page(PageControl1, "TabSheet6", QStringLiteral("Optionen"));
    TabSheet5 = page(PageControl1, "TabSheet5", QStringLiteral("Diagramm"));
    TabSheet4 = page(PageControl1, "TabSheet4", QStringLiteral("Datenbank"));
    TabSheet3 = page(PageControl1, "TabSheet3", QStringLiteral("Internet-Optionen"));

    // Lottotipp
    {
        auto* grid = new QGridLayout(TabSheet1);
        SpeedButton6 = speedButton("SpeedButton6", QStringLiteral("<"), {}, TabSheet1);
        SpeedButton7 = speedButton("SpeedButton7", QStringLiteral(">"), {}, TabSheet1);
        Label35 = named(new QLabel(TabSheet1), "Label35");
        Label13 = named(new QLabel(QStringLiteral("Quersumme"), TabSheet1), "Label13");
        CheckBox16 = named(new QCheckBox(QStringLiteral("Samstags Ziehungen"), TabSheet1), "CheckBox16");
        CheckBox17 = named(new QCheckBox(QStringLiteral("Mitwoch Ziehungen"), TabSheet1), "CheckBox17");
        CheckBox16->setChecked(true);
        CheckBox17->setChecked(true);
        Panel9 = named(new QFrame(TabSheet1), "Panel9");
        Label43 = new ClickLabel(QStringLiteral("Label43"), QStringLiteral("b r e n l o w"), Panel9);
        Panel10 = named(new QFrame(TabSheet1), "Panel10");
        Label44 = new ClickLabel(QStringLiteral("Label44"), QStringLiteral("Q u i n t a r a"), Panel10);
        ListBox1 = named(new QListWidget(TabSheet1), "ListBox1");
        ListBox2 = named(new QListWidget(TabSheet1), "ListBox2");
        UpDown9 = new UpDown(QStringLiteral("UpDown9"), QStringLiteral("Edit1"), 1, 960, 6, TabSheet1);
        UpDown18 = new UpDown(QStringLiteral("UpDown18"), QStringLiteral("Edit5"), 6, 11, 6, TabSheet1);
        UpDown8 = new UpDown(QStringLiteral("UpDown8"), QStringLiteral("Edit80"), 1, 12, 6, TabSheet1);
        UpDown8->hide();
        ComboBox1 = named(new QComboBox(TabSheet1), "ComboBox1");
        ComboBox1->setEditable(true);
        ComboBox1->addItems({QStringLiteral("Normal"), QStringLiteral("Voll"), QStringLiteral("609"),
                             QStringLiteral("610"), QStringLiteral("612"), QStringLiteral("616"),
                             QStringLiteral("622"), QStringLiteral("626"), QStringLiteral("710"),
                             QStringLiteral("711"), QStringLiteral("712")});
        ComboBox1->setEditText(QStringLiteral("Normal"));
        BitBtn5 = named(new QPushButton(QStringLiteral("Schließen"), TabSheet1), "BitBtn5");
        grid->addWidget(SpeedButton6, 0, 0);
        grid->addWidget(Label35, 0, 1, 1, 2);
        grid->addWidget(SpeedButton7, 0, 3);
        grid->addWidget(Label13, 0, 4);
        grid->addWidget(CheckBox16, 1, 1);
        grid->addWidget(CheckBox17, 1, 2);
        grid->addWidget(Panel9, 2, 0);
        grid->addWidget(ListBox1, 2, 1, 1, 2);
        grid->addWidget(ListBox2, 2, 3);
        grid->addWidget(Panel10, 2, 4);
        grid->addWidget(UpDown9, 3, 1);
        grid->addWidget(UpDown18, 3, 2);
        grid->addWidget(ComboBox1, 3, 3);
        grid->addWidget(BitBtn5, 4, 4);
    }

    // Optionen
    {
        auto* box = new QVBoxLayout(TabSheet6);
        PageControl2 = named(new QTabWidget(TabSheet6), "PageControl2");
        box->addWidget(PageControl2);
        TabSheet8 = page(PageControl2, "TabSheet8", QStringLiteral("Statistisch"));
        TabSheet9 = page(PageControl2, "TabSheet9", QStringLiteral("Schein Optimierung"));
        TabSheet10 = page(PageControl2, "TabSheet10", QStringLiteral("Mathematisch"));
        TabSheet11 = page(PageControl2, "TabSheet11", QStringLiteral("Allgemein"));
        SpeedButton20 = speedButton("SpeedButton20", QStringLiteral("..."), {}, TabSheet8);
        UpDown7 = new UpDown(QStringLiteral("UpDown7"), QStringLiteral("Edit55"), 1, 10000, 100, TabSheet11);
    }

    // Diagramm
    {
        auto* box = new QVBoxLayout(TabSheet5);
        auto* strip = new QHBoxLayout;
        SpeedButton2 = speedButton("SpeedButton2", QStringLiteral("1-49"),
                                   QStringLiteral("Häufigkeit der gezogenen Zahlen"), TabSheet5);
        DateTimePicker2 = new DatePicker(QStringLiteral("DateTimePicker2"), QDate(1986, 9, 7),
                                         QDate(1986, 9, 7), TabSheet5);
        strip->addWidget(SpeedButton2);
        strip->addStretch();
        strip->addWidget(DateTimePicker2);
        box->addLayout(strip);
        Chart1 = named(new BarChartView(TabSheet5), "Chart1");
        box->addWidget(Chart1);
    }

    // Datenbank
    {
        auto* grid = new QGridLayout(TabSheet4);
        Label29 = named(new QLabel(TabSheet4), "Label29");
        DateTimePicker1 = new DatePicker(QStringLiteral("DateTimePicker1"), QDate(1955, 10, 9),
                                         QDate::currentDate(), TabSheet4);
        SpeedButton5 = speedButton("SpeedButton5", QStringLiteral("OK"),
                                   QStringLiteral("Bewertung des Tipps für die Ziehung des gewählten Datums"),
                                   TabSheet4);
        BitBtn6 = named(new QPushButton(QStringLiteral("Löschen"), TabSheet4), "BitBtn6");
        grid->addWidget(Label29, 0, 0);
        grid->addWidget(DateTimePicker1, 0, 1);
        grid->addWidget(SpeedButton5, 0, 2);
        grid->addWidget(BitBtn6, 1, 0);
    }

    // Internet-Optionen
    {
        auto* grid = new QGridLayout(TabSheet3);
        FileNameEdit = named(new QLineEdit(QStringLiteral("Lotto.txt"), TabSheet3), "FileNameEdit");
        ProxyHostEdit = named(new QLineEdit(TabSheet3), "ProxyHostEdit");
        ProxyPortEdit = named(new QLineEdit(QStringLiteral("80"), TabSheet3), "ProxyPortEdit");
        Label52 = new ClickLabel(QStringLiteral("Label52"),
                                 QStringLiteral("https://brenlow.example/quintara/update"), TabSheet3);
        Label54 = new ClickLabel(QStringLiteral("Label54"),
                                 QStringLiteral("https://lottery-operator.example/results"), TabSheet3);
        Label56 =
            new ClickLabel(QStringLiteral("Label56"), QStringLiteral("https://brenlow.example/"), TabSheet3);
        grid->addWidget(FileNameEdit, 0, 0);
        grid->addWidget(ProxyHostEdit, 1, 0);
        grid->addWidget(ProxyPortEdit, 1, 1);
        grid->addWidget(Label52, 2, 0);
        grid->addWidget(Label54, 3, 0);
        grid->addWidget(Label56, 4, 0);
    }
}
