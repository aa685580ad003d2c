#include "app/TForm1.h"
#include "gui/AnalysisReport.h"

#include "base/Errors.h"
#include "base/Log.h"
#include "base/Random.h"
#include "base/SafeFile.h"
#include "base/SettingsStore.h"
#include "base/Tr.h"
#include "gui/Controls.h"
#include "gui/Language.h"
#include "gui/TForm6.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "tips/TipFiles.h"
#include "gui/ScreenReaderNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {
// The maker's information page opened by the banner labels.
const QString kMakerInfoPage = QStringLiteral("https://brenlow.example/quintara/");
} // namespace

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
    // A run still going on is dropped with the window; what it stored stays.
    m_download.reset();
    // The messages' catalogues belong to the window that chose them.
    if (Language::current() != Language::Id::German) Language::select(Language::Id::German);
}

DrawHistory TForm1::history() const {
    return DrawHistory(historyPath());
}

HistorySnapshot& TForm1::historySnapshot() {
    const QString path = historyPath();
    if (!m_historySnapshot || m_historySnapshot->path() != path)
        m_historySnapshot = std::make_unique<HistorySnapshot>(path);
    return *m_historySnapshot;
}

void TForm1::connectControls() {
    bind(ui.Beenden1, &QAction::triggered, &TForm1::Beenden1Click);
    bind(ui.BitBtn5, &QPushButton::clicked, &TForm1::Beenden1Click);
    bind(ui.Label43, &ClickLabel::clicked, &TForm1::Label43Click);
    bind(ui.Label44, &ClickLabel::clicked, &TForm1::Label43Click);
    // The banner panels answer a click like their labels.
    bind(ui.Panel9, &Panel::clicked, &TForm1::Label43Click);
    bind(ui.Panel10, &Panel::clicked, &TForm1::Label43Click);
    bind(ui.DateTimePicker2, &QDateEdit::dateChanged, &TForm1::DateTimePicker2Change);
    bind(ui.ChartZoom, &QCheckBox::toggled, &TForm1::ChartZoomClick);
    bind(ui.Handbuch1, &QAction::triggered, &TForm1::Handbuch1Click);
    bind(ui.UeberQuintara1, &QAction::triggered, &TForm1::UeberQuintara1Click);
    bind(ui.SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    bind(ui.BitBtn6, &QPushButton::clicked, &TForm1::BitBtn4Click);
    bind(ui.SpeedButton5, &QToolButton::clicked, &TForm1::SpeedButton5Click);
    bind(ui.SpeedButton6, &QToolButton::clicked, &TForm1::SpeedButton6Click);
    bind(ui.SpeedButton7, &QToolButton::clicked, &TForm1::SpeedButton7Click);
    bind(ui.BitBtn8, &QPushButton::clicked, &TForm1::BitBtn8Click);

    // Draw download: three starters, one stop button that works while the run holds the window.
    bind(ui.BitBtn1, &QPushButton::clicked, &TForm1::QuintaraClick);
    bind(ui.SpeedButton10, &QToolButton::clicked, &TForm1::QuintaraClick);
    bind(ui.Aktualisieren1, &QAction::triggered, &TForm1::QuintaraClick);
    bind(ui.SpeedButton8, &QToolButton::clicked, &TForm1::SpeedButton8Click, true);

    // Statistics and their shortcuts.
    bind(ui.Button2, &QPushButton::clicked, &TForm1::Button2Click);
    bind(ui.SpeedButton22, &QToolButton::clicked, &TForm1::Button2Click);
    bind(ui.Button3, &QPushButton::clicked, &TForm1::Button3Click);
    bind(ui.SpeedButton1, &QToolButton::clicked, &TForm1::Button3Click);
    bind(ui.Button4, &QPushButton::clicked, &TForm1::Button4Click);
    bind(ui.SpeedButton3, &QToolButton::clicked, &TForm1::Button4Click);
    bind(ui.Button5, &QPushButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton23, &QToolButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);
    bind(ui.Button6, &QPushButton::clicked, &TForm1::Button6Click);
    bind(ui.SpeedButton4, &QToolButton::clicked, &TForm1::SpeedButton4Click, true);
    bind(ui.DiagrammPNG, &QToolButton::clicked, &TForm1::DiagrammPNGClick);
    bind(ui.DiagrammSVG, &QToolButton::clicked, &TForm1::DiagrammSVGClick);

    bind(ui.SpeedButton13, &QToolButton::clicked, &TForm1::SpeedButton13Click);
    bind(ui.BitBtn9, &QPushButton::clicked, &TForm1::BitBtn9Click, true);

    // Links of the internet page.
    for (ClickLabel* link : {ui.Label52, ui.Label54, ui.Label56})
        connect(link, &ClickLabel::clicked, this,
                [this, link] { runAction([this, link] { Label52Click(link); }); });
    // Option shortcuts to the charts.
    bind(ui.SpeedButton20, &QToolButton::clicked, &TForm1::SpeedButton20Click);
    bind(ui.Label66, &ClickLabel::clicked, &TForm1::Label66Click);
    bind(ui.SpeedButton17, &QToolButton::clicked, &TForm1::Label66Click);
    bind(ui.Label75, &ClickLabel::clicked, &TForm1::Label75Click);
    bind(ui.SpeedButton18, &QToolButton::clicked, &TForm1::Label75Click);
    bind(ui.Label69, &ClickLabel::clicked, &TForm1::Label69Click);
    bind(ui.SpeedButton19, &QToolButton::clicked, &TForm1::Label69Click);
    bind(ui.SpeedButton21, &QToolButton::clicked, &TForm1::SpeedButton21Click);
    bind(ui.Label74, &ClickLabel::clicked, &TForm1::Label74Click);
    connectOptions();

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

    // Tip files and translation.
    connectTipFiles();
    connectSlips();
    connectLanguage();

    connectGenerator();
    connectReport();
    connectSlipsWindow();
}

void TForm1::FormCreate() {
    Rng::setSeed(static_cast<std::uint32_t>(m_platform.clock->counter()));
    // An installed program keeps the player's files in a directory of their own, made (and
    // given the bundled history) on the first start.
    runAction([this] { m_paths.prepareUserDirectory(); });
    m_maxRuns = 100000;
    m_evaluationEnabled = false;

    // Temporary files of a run that was killed mid-write: the file they were meant to replace
    // is whole, so they are only clutter (and one of them would hold a stale history). Removed
    // before anything of this run can write one.
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

    m_winSoundFile = m_paths.winSoundPath();
    ui.DateTimePicker1->trySetDate(m_platform.clock->today());
    // Also names the controls for screen readers; the number choice window is named when it
    // is made (form6()).
    applyStartupLanguage();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        // Runs once the window is on screen, as the first activation does.
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
}

void TForm1::FormActivate() {
    checkHistoryDamage();
    // An error shown by one step ends the activation; the later steps are skipped.
    if (!runAction([this] { UpDown18Click(); })) return;
    if (!runAction([this] { SpeedButton5Click(); })) return;
    if (!runAction([this] { SpeedButton2Click(); })) return;
    runAction([this] { restoreStoredSystem(); });
    if (m_platform.updateAtStart) QTimer::singleShot(0, this, &TForm1::startUpUpdate);
}

bool TForm1::FormClose() {
    if (m_closed) return true;
    // The tips are saved even when the settings fail: they are the user's work, the settings
    // come back as defaults at worst.
    QStringList failures;
    bool tipsLost = false;
    try {
        collectSettings().save();
    } catch (const std::exception& e) {
        logShownFailure(e);
        failures << errorText(e);
    }
    try {
        saveTipList();
    } catch (const std::exception& e) {
        logShownFailure(e);
        failures << errorText(e);
        tipsLost = true;
    }
    if (!failures.isEmpty() && !offerToKeepTips(failures.join(QStringLiteral("\n\n")), tipsLost)) return false;
    m_closed = true;
    return true;
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
    // Every round needs an answer of the user; Cancel and No end it.
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
    if (FormClose())
        event->accept();
    else
        event->ignore();
}

void TForm1::Beenden1Click() {
    close();
}

void TForm1::Label43Click() {
    m_platform.shell->open(kMakerInfoPage);
}

void TForm1::Label52Click(QObject* sender) {
    if (auto* label = qobject_cast<QLabel*>(sender)) m_platform.shell->open(label->text());
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
