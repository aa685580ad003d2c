#include "app/TForm1.h"
#include "gui/AnalysisReport.h"

#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/Log.h"
#include "base/Random.h"
#include "base/SafeFile.h"
#include "base/SettingsStore.h"
#include "base/Tr.h"
#include "gui/Language.h"
#include "gui/TForm6.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "tips/TipFiles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

TForm1::TForm1(const QString& programDirectory, Platform platform, QWidget* parent)
    : TForm1(Paths::portable(programDirectory), std::move(platform), parent) {}

TForm1::TForm1(Paths paths, Platform platform, QWidget* parent)
    : QMainWindow(parent), m_paths(std::move(paths)), m_platform(std::move(platform)),
      m_systemTables(m_paths.dataDirectory()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quintara for Greece"));
    QFont base(QStringLiteral("Arial"));
    // The desktop's text size (the designed 13 pixels at the usual 96 dpi), not fixed pixels.
    base.setPointSizeF(QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 9.75);
    setFont(base);
    ui.build(this);
    resize(565, 450 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    connectControls();
    FormCreate();
}

TForm6* TForm1::form6() {
    if (!m_form6) m_form6 = new TForm6(m_platform, this);
    return m_form6;
}

TForm1::~TForm1() {
    // A run still going on is dropped before the state its end would report to.
    m_download.reset();
    // The messages' catalogues belong to the window that chose them.
    if (Language::current() != Language::Id::German) Language::select(Language::Id::German);
}

DrawHistory TForm1::history() const {
    return DrawHistory(historyPath());
}

void TForm1::connectControls() {
    bind(ui.Beenden1, &QAction::triggered, [this] { close(); });
    bind(ui.BitBtn5, &QPushButton::clicked, [this] { close(); });
    const auto openMakerPage = [this] {
        m_platform.shell->open(QStringLiteral("https://brenlow.example/quintara/"));
    };
    bind(ui.Label43, &ClickLabel::clicked, openMakerPage);
    bind(ui.Label44, &ClickLabel::clicked, openMakerPage);
    bind(ui.Panel9, &Panel::clicked, openMakerPage);
    bind(ui.Panel10, &Panel::clicked, openMakerPage);
    bind(ui.DateTimePicker2, &QDateEdit::dateChanged, [this] {
        if (const auto again = m_chartStatistic) again();
    });
    bind(ui.ChartZoom, &QCheckBox::toggled, [this] { ui.Chart1->setZoomed(ui.ChartZoom->isChecked()); });
    bind(ui.Handbuch1, &QAction::triggered, &TForm1::Handbuch1Click);
    bind(ui.UeberQuintara1, &QAction::triggered, [this] { showMessage(aboutText()); });
    bind(ui.SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    bind(ui.BitBtn6, &QPushButton::clicked, &TForm1::BitBtn4Click);
    bind(ui.SpeedButton5, &QToolButton::clicked, &TForm1::SpeedButton5Click);
    bind(ui.SpeedButton6, &QToolButton::clicked, [this] { browse(false); });
    bind(ui.SpeedButton7, &QToolButton::clicked, [this] { browse(true); });
    bind(ui.BitBtn8, &QPushButton::clicked, &TForm1::BitBtn8Click);

    // Three starters of the draw download; the stop button works while the run holds the window.
    bind(ui.BitBtn1, &QPushButton::clicked, &TForm1::QuintaraClick);
    bind(ui.SpeedButton10, &QToolButton::clicked, &TForm1::QuintaraClick);
    bind(ui.Aktualisieren1, &QAction::triggered, &TForm1::QuintaraClick);
    bind(ui.SpeedButton8, &QToolButton::clicked, &TForm1::SpeedButton8Click, true);

    bind(ui.Button2, &QPushButton::clicked, [this] { runSearch(2); });
    bind(ui.SpeedButton22, &QToolButton::clicked, [this] { runSearch(2); });
    bind(ui.Button3, &QPushButton::clicked, [this] { runSearch(3); });
    bind(ui.SpeedButton1, &QToolButton::clicked, [this] { runSearch(3); });
    bind(ui.Button4, &QPushButton::clicked, [this] { runSearch(4); });
    bind(ui.SpeedButton3, &QToolButton::clicked, [this] { runSearch(4); });
    bind(ui.Button5, &QPushButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton23, &QToolButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);
    bind(ui.Button6, &QPushButton::clicked, &TForm1::Button6Click);
    bind(ui.SpeedButton4, &QToolButton::clicked, &TForm1::SpeedButton4Click, true);
    bind(ui.DiagrammPNG, &QToolButton::clicked, [this] { exportChart(false); });
    bind(ui.DiagrammSVG, &QToolButton::clicked, [this] { exportChart(true); });

    bind(ui.SpeedButton13, &QToolButton::clicked, &TForm1::SpeedButton13Click);
    bind(ui.BitBtn9, &QPushButton::clicked, &TForm1::BitBtn9Click, true);

    for (ClickLabel* link : {ui.Label52, ui.Label54, ui.Label56})
        connect(link, &ClickLabel::clicked, this,
                [this, link] { runAction([this, link] { m_platform.shell->open(link->text()); }); });
    // Option shortcuts to the charts: the chart page first, then the statistic.
    const auto onChartPage = [this](std::function<void()> statistic) {
        return [this, statistic = std::move(statistic)] {
            showChartPage();
            statistic();
        };
    };
    const auto runsOnChartPage = [this, onChartPage](int runLength) {
        return onChartPage([this, runLength] { runSearch(runLength); });
    };
    bind(ui.SpeedButton20, &QToolButton::clicked, onChartPage([this] { SpeedButton2Click(); }));
    bind(ui.Label66, &ClickLabel::clicked, runsOnChartPage(2));
    bind(ui.SpeedButton17, &QToolButton::clicked, runsOnChartPage(2));
    bind(ui.Label75, &ClickLabel::clicked, runsOnChartPage(3));
    bind(ui.SpeedButton18, &QToolButton::clicked, runsOnChartPage(3));
    bind(ui.Label69, &ClickLabel::clicked, runsOnChartPage(4));
    bind(ui.SpeedButton19, &QToolButton::clicked, runsOnChartPage(4));
    bind(ui.SpeedButton21, &QToolButton::clicked, &TForm1::Button5Click);
    bind(ui.Label74, &ClickLabel::clicked, onChartPage([this] { SpeedButton9Click(); }));

    // Only the mouse moves the limits: typed values and restored settings are left alone.
    connect(ui.UpDown3, &UpDown::mousePressed, this,
            [this] { ui.UpDown1->setMaximum(ui.UpDown3->position()); });
    connect(ui.UpDown1, &UpDown::mouseReleased, this,
            [this] { ui.UpDown3->setMinimum(ui.UpDown1->position()); });
    // Even and odd minimums never exceed six together.
    const auto capEven = [this] { ui.UpDown16->setMaximum(6 - ui.UpDown17->position()); };
    connect(ui.UpDown16, &UpDown::mouseReleased, this, capEven);
    connect(ui.UpDown17, &UpDown::mousePressed, this, capEven);
    connect(ui.UpDown17, &UpDown::mouseReleased, this,
            [this] { ui.UpDown17->setMaximum(6 - ui.UpDown16->position()); });

    const std::pair<UpDown*, const char*> shares[] = {
        {ui.UpDown12, QT_TRANSLATE_NOOP("TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend "
                                                  "von der am häufigsten Gezogenen verwendet.")},
        {ui.UpDown14, QT_TRANSLATE_NOOP("TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend "
                                                  "von der am seltesten Gezogenen verwendet.")},
        {ui.UpDown13, QT_TRANSLATE_NOOP("TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend "
                                                  "von der am längsten Ausstehenden verwendet.")}};
    for (const auto& [spin, text] : shares)
        connect(spin, &UpDown::clicked, this,
                [this, spin = spin, text = text] { ui.Label76->setText(tr(text).arg(spin->position())); });

    // The position before the step.
    connect(ui.UpDown7, &UpDown::changing, this, [this] { m_maxRuns = ui.UpDown7->position() * 1000; });

    // System bets: the change step runs on the user's picks and edits only.
    bind(ui.UpDown18, &UpDown::clicked, &TForm1::UpDown18Click);
    bind(ui.UpDown18, &UpDown::typed, &TForm1::UpDown18Click);
    bind(ui.ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Change);
    bind(ui.ComboBox1->lineEdit(), &QLineEdit::textEdited, &TForm1::ComboBox1Change);
    // The stake beside the tip list follows the price of a row and the draw days it is for.
    bind(ui.Edit3, &QLineEdit::textChanged, &TForm1::showTipListStake, true);
    bind(ui.Edit4, &QLineEdit::textChanged, &TForm1::showTipListStake, true);
    bind(ui.CheckBox16, &QCheckBox::toggled, &TForm1::showTipListStake, true);
    bind(ui.CheckBox17, &QCheckBox::toggled, &TForm1::showTipListStake, true);

    bind(ui.BitBtn4, &QPushButton::clicked, &TForm1::Label28Click);
    bind(ui.SpeedEdit, &QToolButton::clicked, &TForm1::SpeedEditClick);
    bind(ui.SpeedButton11, &QToolButton::clicked, &TForm1::clearTipListWithUndo);
    bind(ui.TippsZurueck, &QToolButton::clicked, &TForm1::undoTipListClear);
    // Tips entering the list from anywhere end the chance to undo the last clear.
    connect(ui.ListBox1->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!m_clearedTips.isEmpty()) forgetClearedTips();
    });
    // Selections are mirrored even while a run holds the other actions back; the lists being
    // emptied (row -1) are left alone.
    for (const auto& lists : {std::pair{ui.ListBox1, ui.ListBox2}, std::pair{ui.ListBox2, ui.ListBox1}})
        connect(lists.first, &QListWidget::currentRowChanged, this, [this, to = lists.second](int row) {
            if (row < 0 || m_mirroringSelection) return;
            m_mirroringSelection = true;
            to->setCurrentRow(row);
            m_mirroringSelection = false;
        });
    bind(ui.SpeedButton15, &QToolButton::clicked, &TForm1::SpeedButton15Click);
    bind(ui.SpeedButton16, &QToolButton::clicked, &TForm1::SpeedButton16Click);
    bind(ui.BitBtn7, &QPushButton::clicked, &TForm1::BitBtn7Click);
    bind(ui.TippDruck, &QToolButton::clicked, &TForm1::TippDruckClick);
    bind(ui.SlipSaveButton, &QPushButton::clicked, &TForm1::SlipSaveButtonClick);
    bind(ui.SlipsOpenButton, &QPushButton::clicked, &TForm1::SlipsOpenButtonClick);
    bind(ui.MenuSlips, &QAction::triggered, &TForm1::SlipsOpenButtonClick);
    bind(ui.AnalysisReportButton, &QPushButton::clicked, [this] { report()->showInside(this); }, true);

    bind(ui.Deutsch1, &QAction::triggered, &TForm1::Deutsch1Click);
    bind(ui.Englichen1, &QAction::triggered, &TForm1::Englichen1Click);
    bind(ui.Grichisch1, &QAction::triggered, &TForm1::Grichisch1Click);
    bind(ui.Dateiladen1, &QAction::triggered, &TForm1::Dateiladen1Click);
    bind(ui.InDateispeichern1, &QAction::triggered, &TForm1::InDateispeichern1Click);
}

void TForm1::FormCreate() {
    Rng::setSeed(static_cast<std::uint32_t>(m_platform.clock->counter()));
    // An installed program makes the player's directory, with the bundled history, on the first start.
    runAction([this] { m_paths.prepareUserDirectory(); });

    // Temporary files of a run killed mid-write go before anything of this run can write one.
    SafeFile::removeStaleTemporaries(programDirectory());
    if (const QString historyDir = QFileInfo(historyPath()).absolutePath() + QLatin1Char('/');
        historyDir != programDirectory())
        SafeFile::removeStaleTemporaries(historyDir);
    SafeFile::removeStaleTemporaries(
        QFileInfo(SettingsStore::filePathForKey(SettingsStore::ProgramKey)).absolutePath());

    const SettingsStore store = SettingsStore::openKey(SettingsStore::ProgramKey);
    if (!store.unreadReason().isEmpty())
        showError(tr("Die gespeicherten Einstellungen werden nicht übernommen; es gelten die Vorgaben. %1")
                      .arg(store.unreadReason()));
    applySettings(ProgramSettings::load(store, m_paths.downloadFilePath()));
    m_evaluationEnabled = true;
    m_maxRuns = ui.UpDown7->position() * 1000;

    restoreTipList();

    ui.DateTimePicker1->trySetDate(m_platform.clock->today());
    applyStartupLanguage(); // also names the controls for screen readers
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
}

void TForm1::FormActivate() {
    checkHistoryDamage();
    // An error shown by one step ends the activation; the later steps are skipped.
    for (const auto step : {&TForm1::UpDown18Click, &TForm1::SpeedButton5Click, &TForm1::SpeedButton2Click})
        if (!runAction([this, step] { (this->*step)(); })) return;
    runAction([this] { restoreStoredSystem(); });
    if (m_platform.updateAtStart) QTimer::singleShot(0, this, &TForm1::startUpUpdate);
}

bool TForm1::FormClose() {
    if (m_closed) return true;
    // The tips are saved even when the settings fail: the settings come back as defaults at worst.
    QStringList failures;
    const auto saved = [&failures](const std::function<void()>& save) {
        try {
            save();
            return true;
        } catch (const std::exception& e) {
            logShownFailure(e);
            failures << errorText(e);
            return false;
        }
    };
    saved([this] { collectSettings().save(); });
    const bool tipsLost = !saved([this] { saveTipList(); });
    m_closed = failures.isEmpty() || offerToKeepTips(failures.join(QStringLiteral("\n\n")), tipsLost);
    return m_closed;
}

bool TForm1::offerToKeepTips(const QString& failures, bool tipsLost) {
    if (!tipsLost) {
        const QString text = tr("Beim Beenden konnte nicht alles gespeichert werden:\n\n%1\n\n"
                                "Die Tippliste ist gespeichert. Trotzdem beenden?")
                                 .arg(failures);
        return m_platform.dialogs->question(this, text) == Dialogs::Answer::Yes;
    }
    const QString text = tr("Beim Beenden konnte nicht alles gespeichert werden:\n\n%1\n\n"
                            "Die Tippliste (%2 Tipps) ginge verloren. Möchten Sie sie an einem anderen "
                            "Ort speichern?\n\n„Ja“ wählt den Ort, „Nein“ beendet ohne die Tippliste, "
                            "„Abbrechen“ lässt das Programm geöffnet.")
                             .arg(failures)
                             .arg(ui.ListBox1->count());
    for (;;) {
        switch (m_platform.dialogs->question(this, text, true)) {
        case Dialogs::Answer::No:
            return true;
        case Dialogs::Answer::Cancel:
            return false;
        case Dialogs::Answer::Yes:
            break;
        }
        const QString path = m_platform.dialogs->saveFile(
            this, {translated("TipFiles", TipFiles::Filter), TipFiles::Suffix, QStringLiteral("tipps.") + TipFiles::Suffix,
                   m_paths.dialogDirectory()});
        if (path.isEmpty()) continue;
        try {
            TipFiles::write(path, tipLines());
            return true;
        } catch (const AppError& e) {
            logShownFailure(e);
            showError(e.message());
        }
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    m_analysisStop = true;
    m_chanceStop = true;
    // The report window goes with the main window, so the program ends.
    if (m_report) m_report->close();
    if (downloadRunning()) {
        ui.SpeedButton8->hide();
        m_download->abort();
    }
    event->setAccepted(FormClose());
}

bool TForm1::runAction(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        logShownFailure(e);
        showError(errorText(e));
    }
    return false;
}

void TForm1::showError(const QString& text) {
    m_platform.dialogs->error(this, text);
}
void TForm1::showMessage(const QString& text) {
    m_platform.dialogs->message(this, text);
}

void TForm1::Handbuch1Click() {
    const QString manual = m_paths.manualPath();
    if (manual.isEmpty()) {
        showMessage(tr("Das Handbuch (README.md) liegt nicht bei diesem Programm."));
        return;
    }
    if (!m_platform.shell->open(manual))
        showMessage(tr("Das Handbuch liegt in %1, aber das System hat kein Programm, das die Datei öffnet.")
                        .arg(QDir::toNativeSeparators(manual)));
}

QString TForm1::aboutText() const {
    return tr("Quintara GR, Version %1\n"
              "Ein Programm für Spieler des griechischen Lotto 6 aus 49.\n\n"
              "Lizenz: MIT-Lizenz, Copyright (c) 2026 Brenlow. Das Programm darf frei benutzt, "
              "kopiert und verändert werden; es kommt ohne jede Gewähr.\n\n"
              "Datenquellen:\n"
              "• Neue Ziehungen und Quoten: der Ergebnisdienst des Lottoveranstalters (%2) oder der "
              "Ziehungsserver, der unter „Internet-Optionen“ eingestellt ist.\n"
              "• Mitgelieferte Ziehungen vom 05.12.1990 bis 30.08.2025: die vom Lottoveranstalter "
              "veröffentlichten Jahreslisten.\n\n"
              "Keine Gewähr für die Richtigkeit der Zahlen!")
        .arg(BuildInfo::version(), QString::fromLatin1(DrawDownload::DefaultServer));
}
