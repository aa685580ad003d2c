#include "gui/AnalysisReport.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "gui/Dialogs.h"
#include "tips/SystemTable.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

QTableWidgetItem* cell(const QString& text, bool right = true) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (right) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString euro(double v) {
    return QLocale().toString(v, 'f', 2) + QStringLiteral(" €");
}

// "Einsatz 312,00 €, Gewinn 45,50 €, Saldo −266,50 €" and, where wins have no known dividend,
// that they are not valued.
QString moneyText(const Chance::Money& m) {
    if (m.knownReturn == 0 && m.unknownWins > 0)
        return AnalysisReport::tr(
                   "Einsatz %1; Gewinne: unbekannt – für %2 Gewinnreihen ist keine Quote gespeichert.")
            .arg(euro(m.stake))
            .arg(m.unknownWins);
    QString text = AnalysisReport::tr("Einsatz %1, Gewinn %2, Saldo %3")
                       .arg(euro(m.stake), euro(m.knownReturn), euro(m.balance()));
    if (m.unknownWins > 0)
        text +=
            AnalysisReport::tr(" (ohne %1 Gewinnreihen, deren Quote nicht bekannt ist)").arg(m.unknownWins);
    return text;
}

} // namespace

AnalysisReport::AnalysisReport(const Paths& paths, std::shared_ptr<Dialogs> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_paths(paths), m_dialogs(std::move(dialogs)) {
    setObjectName(QStringLiteral("AnalysisReport"));
    resize(760, 520);
    auto* box = new QVBoxLayout(this);
    tabs = named(new QTabWidget(this), "AnalysisTabs");
    box->addWidget(tabs);

    // Each page is a tab with a column of controls; setTexts() names the tabs.
    const auto page = [this](QWidget*& widget, const char* name) {
        widget = named(new QWidget, name);
        tabs->addTab(widget, QString());
        return new QVBoxLayout(widget);
    };

    QVBoxLayout* chanceColumn = page(chancePage, "ChancePage");
    chanceTitle = named(new QLabel(chancePage), "ChanceTitle");
    chanceTitle->setWordWrap(true);
    chanceTable = named(new QTableWidget(Chance::LevelCount, 6, chancePage), "ChanceTable");
    // The value columns as wide as their headers in any language; the verdict takes the rest.
    for (int c = 0; c < 5; ++c) chanceTable->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    chanceTable->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);
    chanceTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    chanceText = named(new QPlainTextEdit(chancePage), "ChanceText");
    chanceText->setReadOnly(true);
    auto* chanceBar = new QHBoxLayout;
    chanceProgress = named(new QProgressBar(chancePage), "ChanceProgress");
    chanceProgress->setValue(0);
    chanceStop = named(new QPushButton(chancePage), "ChanceStop");
    chanceCopy = named(new QPushButton(chancePage), "ChanceCopy");
    chanceSave = named(new QPushButton(chancePage), "ChanceSave");
    chanceBar->addWidget(chanceProgress, 1);
    for (QPushButton* b : {chanceStop, chanceCopy, chanceSave}) {
        b->setEnabled(false);
        chanceBar->addWidget(b);
    }
    chanceColumn->addWidget(chanceTitle);
    chanceColumn->addWidget(chanceTable, 2);
    chanceColumn->addWidget(chanceText, 1);
    chanceColumn->addLayout(chanceBar);

    QVBoxLayout* ruleColumn = page(rulePage, "RulePage");
    ruleTitle = named(new QLabel(rulePage), "RuleTitle");
    ruleTitle->setWordWrap(true);
    ruleTable = named(new QTableWidget(RuleCounts::Rules, 4, rulePage), "RuleTable");
    // The rule names are as wide as they are in every language; the numbers take the rest.
    ruleTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ruleTable->horizontalHeader()->setStretchLastSection(true);
    ruleTable->setTextElideMode(Qt::ElideNone);
    ruleTable->verticalHeader()->hide();
    ruleTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 1; r <= RuleCounts::Rules; ++r)
        for (int c = 0; c < 4; ++c) ruleTable->setItem(r - 1, c, cell(QString(), c > 0));
    auto* ruleBar = new QHBoxLayout;
    ruleBackTest = named(new QPushButton(rulePage), "RuleBackTest");
    ruleCopy = named(new QPushButton(rulePage), "RuleCopy");
    ruleSave = named(new QPushButton(rulePage), "RuleSave");
    ruleBar->addWidget(ruleBackTest);
    ruleBar->addStretch();
    ruleBar->addWidget(ruleCopy);
    ruleBar->addWidget(ruleSave);
    ruleColumn->addWidget(ruleTitle);
    ruleColumn->addWidget(ruleTable, 1);
    ruleColumn->addLayout(ruleBar);

    QVBoxLayout* wheelColumn = page(wheelPage, "WheelPage");
    auto* wheelBar = new QHBoxLayout;
    wheelCode = named(new QComboBox(wheelPage), "WheelCode");
    wheelShow = named(new QPushButton(wheelPage), "WheelShow");
    wheelOpen = named(new QPushButton(wheelPage), "WheelOpen");
    m_wheelLabel = new QLabel(wheelPage);
    wheelBar->addWidget(m_wheelLabel);
    wheelBar->addWidget(wheelCode);
    wheelBar->addWidget(wheelShow);
    wheelBar->addStretch();
    wheelBar->addWidget(wheelOpen);
    wheelText = named(new QPlainTextEdit(wheelPage), "WheelText");
    wheelText->setReadOnly(true);
    wheelText->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    wheelText->setFont(mono);
    wheelColumn->addLayout(wheelBar);
    wheelColumn->addWidget(wheelText, 1);

    QVBoxLayout* dataColumn = page(dataPage, "DataPage");
    historyExport = named(new QPushButton(dataPage), "HistoryExport");
    historyImport = named(new QPushButton(dataPage), "HistoryImport");
    tipsExport = named(new QPushButton(dataPage), "TipsExport");
    dataText = named(new QLabel(dataPage), "DataText");
    dataText->setWordWrap(true);
    for (QPushButton* b : {historyExport, historyImport, tipsExport}) {
        auto* h = new QHBoxLayout;
        h->addWidget(b);
        h->addStretch();
        dataColumn->addLayout(h);
    }
    dataColumn->addWidget(dataText);
    dataColumn->addStretch();
    setTexts();

    const QDir vew(m_paths.dataDirectory() + QStringLiteral("vew"));
    for (const QString& file : vew.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        wheelCode->addItem(file.chopped(4));
    connect(wheelShow, &QPushButton::clicked, this, [this] {
        const QString code = wheelCode->currentText();
        if (!code.isEmpty()) reported([this, &code] { showWheel(code, false); });
    });
    connect(wheelOpen, &QPushButton::clicked, this, [this] {
        const QString path = m_dialogs->openFileName(
            this, {tr("VEW-Tabelle|*.txt"), QStringLiteral("txt"), {}, m_paths.dialogDirectory()});
        if (!path.isEmpty()) reported([this, &path] { showWheel(path, true); });
    });
    connect(chanceCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(QString::fromUtf8(chanceCsv())); });
    connect(chanceSave, &QPushButton::clicked, this,
            [this] { saveCsv(chanceCsv(), QStringLiteral("zufallsvergleich.csv")); });
    connect(ruleCopy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(QString::fromUtf8(ruleCsv())); });
    connect(ruleSave, &QPushButton::clicked, this, [this] { saveCsv(ruleCsv(), QStringLiteral("regeln.csv")); });
}

void AnalysisReport::saveCsv(const QByteArray& csv, const QString& proposedName) {
    const QString path = m_dialogs->saveFile(
        this, {tr("CSV-Datei|*.csv"), QStringLiteral("csv"), proposedName, m_paths.dialogDirectory()});
    if (!path.isEmpty()) reported([&] { TextFile::writeBytesAtomic(path, csv); });
}

void AnalysisReport::showInside(const QWidget* over) {
    if (!m_placed) {
        m_placed = true;
        const QRect room = over->screen()->availableGeometry();
        // Before its first show the window has no frame yet; it gets one like the main window's.
        const QSize frame = over->frameGeometry().size() - over->size();
        // Wide enough for the rule table's columns where the screen allows it.
        const int wanted = ruleTable->horizontalHeader()->length() + ruleTable->verticalScrollBar()->sizeHint().width() + 48;
        const QSize inner = QSize(std::max(width(), wanted), height()).boundedTo(room.size() - frame);
        resize(inner);
        QRect outer(QPoint(0, 0), inner + frame);
        outer.moveCenter(over->frameGeometry().center());
        outer.moveLeft(std::clamp(outer.left(), room.left(), room.left() + room.width() - outer.width()));
        outer.moveTop(std::clamp(outer.top(), room.top(), room.top() + room.height() - outer.height()));
        move(outer.topLeft());
    }
    show();
    raise();
    activateWindow();
}

void AnalysisReport::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AnalysisReport::reported(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        m_dialogs->error(this, errorText(e));
    }
}

void AnalysisReport::showWheel(const QString& code, bool ownTable) {
    m_wheelShown = {code, ownTable};
    const std::optional<QString> path =
        ownTable ? std::optional<QString>(code) : SystemChoice::tablePath(m_paths.dataDirectory(), code);
    if (!path) return;
    try {
        const WheelReport::Report w = WheelReport::analyseFile(*path);
        QStringList text = WheelReport::describe(w);
        if (ownTable) {
            text.prepend(*path);
        } else {
            text.prepend(tr("VEW %1 (%2)").arg(code, *path));
            text << QString() << tr("Reihen:");
            for (std::size_t i = 0; i < w.rows.size(); ++i)
                text << QStringLiteral("%1  %2").arg(i + 1, 4).arg(w.rows[i]);
        }
        wheelText->setPlainText(text.join(QLatin1Char('\n')));
    } catch (const AppError& e) {
        wheelText->setPlainText(ownTable ? tr("%1: Tabelle fehlerhaft. %2").arg(*path, e.message())
                                         : tr("VEW %1: Tabelle fehlerhaft. %2").arg(code, e.message()));
        throw;
    }
}

void AnalysisReport::setTexts() {
    setWindowTitle(tr("Auswertung"));
    const QStringList tabTexts = {tr("Zufallsvergleich"), tr("Regeln"), tr("VEW-Systeme"), tr("Daten")};
    for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, tabTexts[i]);

    if (!m_chanceStarted)
        chanceTitle->setText(
            tr("Noch kein Vergleich: starten Sie die historische Analyse oder den Tipp-Test."));
    chanceTable->setHorizontalHeaderLabels(
        {tr("Ergebnis"), tr("Zufall erwartet"), tr("Zufall Median"), tr("5 %"), tr("95 %"), tr("Bewertung")});
    QStringList levels;
    for (int l = 0; l < Chance::LevelCount; ++l) levels << Chance::levelName(l);
    chanceTable->setVerticalHeaderLabels(levels);
    chanceProgress->setFormat(m_chanceStarted ? tr("Zufallsspieler %v von %m") : QStringLiteral("%p%"));
    chanceStop->setText(tr("Anhalten"));
    for (QPushButton* copy : {chanceCopy, ruleCopy}) copy->setText(tr("Als CSV kopieren"));
    for (QPushButton* save : {chanceSave, ruleSave}) save->setText(tr("Als CSV speichern …"));

    if (!m_countsTitle) ruleTitle->setText(tr("Noch kein Lauf des Generators."));
    ruleTable->setHorizontalHeaderLabels(
        {tr("Regel"), tr("verwarf Kandidaten"), tr("verwarf echte Ziehungen"), tr("Anteil der Ziehungen")});
    for (int r = 1; r <= RuleCounts::Rules; ++r)
        ruleTable->item(r - 1, 0)->setText(QStringLiteral("%1. %2").arg(r).arg(RuleReport::ruleName(r)));
    ruleBackTest->setText(tr("Regeln an echten Ziehungen prüfen"));

    wheelShow->setText(tr("Bericht anzeigen"));
    wheelOpen->setText(tr("Eigene Tabelle prüfen …"));
    m_wheelLabel->setText(tr("VEW-System:"));

    historyExport->setText(tr("Ziehungen als CSV exportieren …"));
    historyImport->setText(tr("Ziehungen aus CSV importieren …"));
    tipsExport->setText(tr("Tippliste als CSV exportieren …"));
    // The format help, unless the page shows what an export or import did.
    const QString help = tr("CSV-Format der Ziehungen: date,n1,n2,n3,n4,n5,n6,additional (Datum JJJJ-MM-TT, "
                            "Zusatzzahl leer, wenn es keine gab). Beim Import wird jede Zeile wie beim "
                            "Aktualisieren geprüft; Ziehungen gleichen Datums werden ersetzt.");
    if (dataText->text().isEmpty() || dataText->text() == m_dataHelp) dataText->setText(help);
    m_dataHelp = help;
}

void AnalysisReport::retranslate(const std::function<QString(const QString&)>& shownText) {
    setTexts();
    if (m_chanceShown) {
        m_chance.title = shownText(m_chance.title);
        showChance(m_chance);
    } else if (m_chanceStarted) {
        chanceTitle->setText(shownText(chanceTitle->text()));
    }
    if (m_countsTitle) showRuleCounts(shownText(*m_countsTitle), m_counts);
    if (m_backTest) showBackTest(*m_backTest);
    dataText->setText(shownText(dataText->text()));
    // The reduced-system report is made again, from the table it describes.
    if (m_wheelShown) {
        try {
            showWheel(m_wheelShown->first, m_wheelShown->second);
        } catch (const AppError&) {
            // The page names the fault in the new language; it was reported when first shown.
        }
    }
}

void AnalysisReport::startChance(const QString& title, int players) {
    tabs->setCurrentWidget(chancePage);
    m_chanceStarted = true;
    m_chanceShown = false;
    chanceTitle->setText(title);
    chanceProgress->setRange(0, players);
    chanceProgress->setValue(0);
    chanceProgress->setFormat(tr("Zufallsspieler %v von %m"));
    chanceStop->setEnabled(true);
    chanceCopy->setEnabled(false);
    chanceSave->setEnabled(false);
}

void AnalysisReport::showChance(const ChanceView& view) {
    m_chance = view;
    m_chanceStarted = true;
    m_chanceShown = true;
    chanceStop->setEnabled(false);
    chanceTitle->setText(view.title);
    const QLocale locale;
    const Chance::SimulationResult& sim = view.simulation;
    if (sim.stopped) {
        for (int l = 0; l < Chance::LevelCount; ++l)
            for (int c = 0; c < 6; ++c)
                chanceTable->setItem(
                    l, c,
                    cell(c == 0 ? QString::number(view.actual[static_cast<std::size_t>(l)]) : QString()));
        chanceText->setPlainText(tr("Der Zufallsvergleich wurde angehalten."));
        return;
    }
    QStringList lines;
    int better = 0;
    int worse = 0;
    for (int l = 0; l < Chance::LevelCount; ++l) {
        const auto i = static_cast<std::size_t>(l);
        const Chance::Band& b = sim.bands[i];
        const std::optional<double> e =
            view.expected ? std::optional<double>((*view.expected)[i]) : std::nullopt;
        const int where = Chance::compare(b, static_cast<double>(view.actual[i]));
        better += where > 0;
        worse += where < 0;
        chanceTable->setItem(l, 0, cell(QString::number(view.actual[i])));
        chanceTable->setItem(l, 1, cell(e ? locale.toString(*e, 'f', 2) : tr("nur simuliert")));
        chanceTable->setItem(l, 2, cell(locale.toString(b.median, 'f', 0)));
        chanceTable->setItem(l, 3, cell(locale.toString(b.low, 'f', 0)));
        chanceTable->setItem(l, 4, cell(locale.toString(b.high, 'f', 0)));
        chanceTable->setItem(l, 5,
                             cell(where == 0  ? tr("im Bereich des Zufalls")
                                  : where > 0 ? tr("besser als der Zufall")
                                              : tr("schlechter als der Zufall"),
                                  false));
        lines << Chance::sentence(l, view.actual[i], e, b);
    }
    QString verdict;
    if (better == 0 && worse == 0)
        verdict = tr("Insgesamt: Das Ergebnis liegt bei jeder Gewinnklasse im Bereich, den 90 % der "
                     "Zufallsspieler erreichen – "
                     "es ist nicht besser als zufällige Tipps.");
    else if (worse == 0)
        verdict = tr("Insgesamt: In %n Gewinnklasse(n) besser als 95 % der Zufallsspieler.", nullptr, better);
    else if (better == 0)
        verdict =
            tr("Insgesamt: In %n Gewinnklasse(n) schlechter als 95 % der Zufallsspieler.", nullptr, worse);
    else
        verdict = tr("Insgesamt: teils besser, teils schlechter als der Zufall.");
    lines.prepend(verdict);
    if (view.withMoney) {
        lines << tr("Geld der Tipps: %1").arg(moneyText(view.money));
        const Chance::Band& b = sim.balance;
        const bool known = std::ranges::all_of(sim.players, [](const auto& p) { return p.money.complete(); });
        if (known)
            lines << tr("Saldo der Zufallsspieler: Median %1, 90 % zwischen %2 und %3")
                         .arg(euro(b.median), euro(b.low), euro(b.high));
        else if (!sim.players.empty())
            lines << tr("Geld der Zufallsspieler: Einsatz %1 je Spieler; Gewinne unbekannt, weil Quoten "
                        "fehlen.")
                         .arg(euro(sim.players.front().money.stake));
    }
    lines
        << tr("%1 Ziehungen, %2 Zufallsspieler, Startwert (Seed) %3 – mit demselben Startwert wiederholbar.")
               .arg(view.draws)
               .arg(sim.players.size())
               .arg(sim.seed);
    chanceText->setPlainText(lines.join(QLatin1Char('\n')));
    chanceProgress->setValue(chanceProgress->maximum());
    chanceCopy->setEnabled(true);
    chanceSave->setEnabled(true);
}

void AnalysisReport::showRuleCounts(const QString& title, const RuleCounts& counts) {
    m_counts = counts;
    m_countsTitle = title;
    const QLocale locale;
    ruleTitle->setText(title + QLatin1Char(' ') +
                       tr("%1 Kandidaten gezogen, %2 angenommen.")
                           .arg(locale.toString(static_cast<qlonglong>(counts.candidates)),
                                locale.toString(static_cast<qlonglong>(counts.passed))));
    for (int r = 1; r <= RuleCounts::Rules; ++r) {
        const std::int64_t n = counts.rejectedBy[static_cast<std::size_t>(r)];
        const double share = counts.candidates > 0 ? 100.0 * double(n) / double(counts.candidates) : 0;
        ruleTable->setItem(
            r - 1, 1,
            cell(QStringLiteral("%1 (%2 %)")
                     .arg(locale.toString(static_cast<qlonglong>(n)), locale.toString(share, 'f', 1))));
    }
}

void AnalysisReport::showBackTest(const RuleReport::BackTest& test) {
    m_backTest = test;
    const QLocale locale;
    for (int r = 1; r <= RuleCounts::Rules; ++r) {
        if (!test.enabled[static_cast<std::size_t>(r)]) {
            QTableWidgetItem* item = cell(r == 1 ? QStringLiteral("–") : tr("aus"));
            if (r == 1) item->setToolTip(tr("Die Regel vergleicht die Tipps eines Laufs untereinander."));
            ruleTable->setItem(r - 1, 2, item);
            ruleTable->setItem(r - 1, 3, cell(QString()));
            continue;
        }
        ruleTable->setItem(
            r - 1, 2, cell(tr("%1 von %2").arg(test.rejected[static_cast<std::size_t>(r)]).arg(test.draws)));
        ruleTable->setItem(r - 1, 3,
                           cell(locale.toString(100.0 * test.share(r), 'f', 1) + QStringLiteral(" %")));
    }
}

QByteArray AnalysisReport::ruleCsv() const {
    QByteArray out = m_counts.toCsv();
    if (m_backTest) out += "\r\n" + m_backTest->toCsv();
    return out;
}
