#include "app/TForm1.h"

#include "base/Errors.h"
#include "base/Random.h"
#include "gui/TForm6.h"
#include "history/DrawDownload.h"
#include "history/DrawHistory.h"
#include "net/HttpClient.h"

#include <QApplication>
#include <QCloseEvent>
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
    : QMainWindow(parent), m_programDirectory(programDirectory), m_platform(std::move(platform)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quintara for Greece"));
    QFont base(QStringLiteral("Arial"));
    base.setPixelSize(13);
    setFont(base);
    ui.build(this);
    resize(565, 450 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    connectControls();
    connectOptions();
    FormCreate();
    // The number choice window is created after the main window, so the start-up translation
    // (which runs inside FormCreate) reaches the main window only.
    m_form6 = new TForm6(m_platform, this);
}

TForm1::~TForm1() {
    if (downloadRunning()) m_download->abort();
}

DrawHistory TForm1::history() const {
    return DrawHistory(historyPath());
}

void TForm1::connectControls() {
    bind(ui.Beenden1, &QAction::triggered, &TForm1::Beenden1Click);
    bind(ui.BitBtn5, &QPushButton::clicked, &TForm1::Beenden1Click);
    bind(ui.Label43, &ClickLabel::clicked, &TForm1::Label43Click);
    bind(ui.Label44, &ClickLabel::clicked, &TForm1::Label43Click);
    // The banner panels answer a click like their labels.
    bind(ui.Panel9, &Panel::clicked, &TForm1::Label43Click);
    bind(ui.Panel10, &Panel::clicked, &TForm1::Label43Click);
    for (ClickLabel* link : {ui.Label52, ui.Label54, ui.Label56})
        connect(link, &ClickLabel::clicked, this,
                [this, link] { runAction([this, link] { Label52Click(link); }); });
    bind(ui.SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    bind(ui.SpeedButton20, &QToolButton::clicked, &TForm1::SpeedButton20Click);
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
    bind(ui.Label66, &ClickLabel::clicked, &TForm1::Label66Click);
    bind(ui.SpeedButton17, &QToolButton::clicked, &TForm1::Label66Click);
    bind(ui.Label75, &ClickLabel::clicked, &TForm1::Label75Click);
    bind(ui.SpeedButton18, &QToolButton::clicked, &TForm1::Label75Click);
    bind(ui.Label69, &ClickLabel::clicked, &TForm1::Label69Click);
    bind(ui.SpeedButton19, &QToolButton::clicked, &TForm1::Label69Click);
    bind(ui.Button5, &QPushButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton23, &QToolButton::clicked, &TForm1::Button5Click);
    bind(ui.SpeedButton21, &QToolButton::clicked, &TForm1::SpeedButton21Click);
    bind(ui.SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);
    bind(ui.Label74, &ClickLabel::clicked, &TForm1::Label74Click);
    bind(ui.Button6, &QPushButton::clicked, &TForm1::Button6Click);
    bind(ui.SpeedButton4, &QToolButton::clicked, &TForm1::SpeedButton4Click);
    bind(ui.DiagrammPNG, &QToolButton::clicked, &TForm1::DiagrammPNGClick);
    bind(ui.DiagrammSVG, &QToolButton::clicked, &TForm1::DiagrammSVGClick);

    bind(ui.SpeedButton13, &QToolButton::clicked, &TForm1::SpeedButton13Click);
    bind(ui.BitBtn9, &QPushButton::clicked, &TForm1::BitBtn9Click, true);

    // System bets: the change step runs on the user's picks and edits only.
    bind(ui.UpDown18, &UpDown::clicked, &TForm1::UpDown18Click);
    bind(ui.ComboBox1, &QComboBox::activated, &TForm1::ComboBox1Change);
    bind(ui.ComboBox1->lineEdit(), &QLineEdit::textEdited, &TForm1::ComboBox1Change);

    // Tip files and translation.
    connectTipFiles();
    connectLanguage();

    connectGenerator();
}

void TForm1::FormCreate() {
    Rng::setSeed(static_cast<std::uint32_t>(m_platform.clock->counter()));
    if (!m_programDirectory.endsWith(QLatin1Char('/'))) m_programDirectory += QLatin1Char('/');
    MaxRuns = 100000;
    EvaluationEnabled = false;

    loadSettings();
    MaxRuns = ui.UpDown7->position() * 1000;
    if (ui.FileNameEdit->text().isEmpty())
        ui.FileNameEdit->setText(m_programDirectory + QStringLiteral("Lotto.html"));
    if (ui.ProxyHostEdit->text().isEmpty()) ui.ProxyPortEdit->setText(QStringLiteral("80"));

    restoreTipList();

    m_historyFileName = QStringLiteral("ZahlenGR.dat");
    m_winSoundFile = m_programDirectory + QStringLiteral("yippee.wav");
    ui.DateTimePicker1->trySetDate(m_platform.clock->today());
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
    // An error shown by one step ends the activation; the later steps are skipped.
    if (!runAction([this] { UpDown18Click(); })) return;
    if (!runAction([this] { SpeedButton5Click(); })) return;
    if (!runAction([this] { SpeedButton2Click(); })) return;
    runAction([this] { restoreStoredSystem(); });
}

void TForm1::FormClose() {
    if (m_closed) return;
    m_closed = true;
    // Shutdown never shows a message; a failing write skips the remaining ones.
    try {
        saveSettings();
        saveTipList();
    } catch (const std::exception&) {
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    m_analysisStop = true;
    if (downloadRunning()) {
        ui.SpeedButton8->hide();
        m_download->abort();
    }
    FormClose();
    event->accept();
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
    } catch (const AppError& e) {
        showError(e.message());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void TForm1::showError(const QString& text) {
    m_platform.dialogs->error(this, text);
}
void TForm1::showMessage(const QString& text) {
    m_platform.dialogs->message(this, text);
}
