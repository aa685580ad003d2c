#include "app/TForm1.h"
#include "base/DayCount.h"
#include "i18n/Translation.h"
#include "gui/AnalysisReport.h"
#include "gui/Language.h"
#include "gui/TForm6.h"
#include "gui/WindowTexts.h"
#include "gui/ScreenReaderNames.h"

#include <QFileInfo>
#include <QLocale>

namespace {

const QString kGerman = QStringLiteral("Bezeich_de.txt");
const QString kEnglish = QStringLiteral("Bezeich_en.txt");
const QString kGreek = QStringLiteral("Bezeich_gr.txt");

} // namespace

void TForm1::applyStartupLanguage() {
    // A later checked item wins over an earlier one, so two stored checks end with the last.
    if (ui.Deutsch1->isChecked()) m_translationFile = m_paths.translationPath(kGerman);
    if (ui.Englichen1->isChecked()) m_translationFile = m_paths.translationPath(kEnglish);
    if (ui.Grichisch1->isChecked()) m_translationFile = m_paths.translationPath(kGreek);
    selectMessageLanguage();
    bool named = false;
    runAction([this, &named] { named = applyTranslationFile(); });
    // Without a translation the controls are named in their built-in texts.
    if (!named) nameForScreenReaders(this);
}

void TForm1::selectMessageLanguage() {
    // Messages follow the captions: without the translation file the window stays German.
    Language::Id id = Language::Id::German;
    if (!m_translationFile.isEmpty() && QFileInfo::exists(m_translationFile)) {
        if (m_translationFile.endsWith(kEnglish)) id = Language::Id::English;
        if (m_translationFile.endsWith(kGreek)) id = Language::Id::Greek;
    }
    const QLocale before;
    // Every message that may stay on screen after the action that showed it.
    const Language::Retranslator shown({
        {"SystemChoice", "Wählen Sie Ihre Spielsystem"},
        {"SystemChoice", "%1 Tippreihen pro Tipp!"},
        {"SystemChoice", "%1Tippreihen pro Tipp!"},
        {"Matching", "Max-Gewinn %1er"},
        {"DrawDownload", "Keine Gewähr für die Richtigkeit der Zahlen!"},
        {"DrawDownload", "Received %1 bytes"},
        {"DrawDownload", "Antwort für den %1 verworfen: %2"},
        {"DrawDownload", "Quersumme: %1"},
        {"TForm1", "Quersumme: %1"},
        {"TipTest", "Quersummer: %1"},
        {"TForm1", "Beginn der Tippberechnung"},
        {"TForm1", "Tipps wurden neu berechnet"},
        {"TForm1", "Ändern Sie die Parameter um alle Tipps zuberechnen"},
        {"TipGenerator", "%1 Reihen getestet"},
        {"TipGenerator", "%1.Tipp:  %2 QS: %3"},
        {"HistoricAnalysis", "GlücksZahl %1 gesetzt"},
        {"PreferencePool", "Berechnung der benachbarten Zahlen der letzten Ziehung"},
        {"PreferencePool", "Berechnung der Paarbildung"},
        {"PreferencePool", "Berechnung der Dreiergruppenbildung"},
        {"PreferencePool", "Berechnung der Vierergruppenbildung"},
        {"PreferencePool", "Berechnung der Zahlenverteilung"},
        {"PreferencePool", "Berechnung der der Ausstehenden Zahlen"},
        // Two blanks before "Max" first: the one-blank form would take the first blank as a value's.
        {"PreferencePool", "Min: %1  Max: %2  %3"},
        {"PreferencePool", "Min: %1 Max: %2  %3"},
        {"Statistics", "Zahlenverteilung     Ziehungen: %1    Quersumme: %2"},
        {"Statistics", "Quersummenverteilung     Ziehungen: %1    Quersumme: %2"},
        {"Statistics", "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?"},
        {"Statistics", "Zahlenverteilung des Tippes"},
        {"Statistics", "Keine Ziehung ab dem %1: die neueste gespeicherte Ziehung ist vom %2. "
                       "Wählen Sie unter „Statistik ab“ ein früheres Datum."},
        {"Statistics", "Bei %1 Ziehungen wurden %2 Paare gefunden! Häufigkeit = 1.Zahl des Paares (%3 x 5 => %3 x 5-6)"},
        {"Statistics",
         "Bei %1 Ziehungen wurden %2 Dreier gefunden! Häufigkeit = 1.Zahl des Dreiers (%3 x 5 => %3 x 5-6-7)"},
        {"Statistics",
         "Bei %1 Ziehungen wurden %2 Vierer gefunden! Häufigkeit = 1.Zahl des Vierers (%3x 5 => %3x 5-6-7-8)"},
        {"TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend von der am häufigsten Gezogenen verwendet."},
        {"TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend von der am seltesten Gezogenen verwendet."},
        {"TForm1", "Für die Tippberechnung werden die ersten %1% ausgehend von der am längsten Ausstehenden verwendet."},
        {"TForm6", "Welche Zahlen für die Berechnung"},
        {"TForm1", "Zahlen für Berechnung wählen"},
        // Titles of the report window.
        {"TForm1", "Letzter Lauf des Generators:"},
        {"TForm1", "Alle Läufe der historischen Analyse:"},
        {"TForm1", "Historische Analyse ab %1: %2 Ziehungen, %3 Tipps je Ziehung, Glückszahl %4"},
        {"TForm1", "Tipp-Test vom %1 bis %2: %3 Ziehungen, %4 Tipps"},
        {"TForm1", "%1 Ziehungen nach %2 exportiert."},
        {"TForm1", "Import abgebrochen; die Ziehungen bleiben unverändert."},
        {"TForm1", "Tippliste nach %1 exportiert."},
    });
    Language::select(id);
    ui.translateOwnTexts();
    showTipListStake();
    if (m_activated) Komplettcheck(false);
    m_reportCountsTitle = shown.retranslate(m_reportCountsTitle);
    if (m_report) m_report->retranslate([&shown](const QString& text) { return shown.retranslate(text); });
    for (int panel = 0; panel < 2; ++panel)
        ui.StatusBar1->setPanelText(panel, shown.retranslate(ui.StatusBar1->panelText(panel)));
    ui.Label13->setText(shown.retranslate(ui.Label13->text()));
    showNextDraw();
    ui.Label76->setText(shown.retranslate(ui.Label76->text()));
    BarChartModel* chart = ui.Chart1->model();
    chart->setBottomTitle(shown.retranslate(chart->bottomTitle()));
    if (m_form6) m_form6->setWindowTitle(shown.retranslate(m_form6->windowTitle()));
    // The draw lines begin with the weekday of the draw.
    if (m_currentDraw.date > 0) {
        const int day = DayCount::toDate(m_currentDraw.date).dayOfWeek();
        const QString old = before.dayName(day, QLocale::ShortFormat) + QLatin1Char(' ');
        const QString now = QLocale().dayName(day, QLocale::ShortFormat) + QLatin1Char(' ');
        for (QLabel* label : {ui.Label29, ui.Label35})
            if (label->text().startsWith(old)) label->setText(now + label->text().mid(old.size()));
    }
}

void TForm1::selectLanguage(QAction* item, const QString& file) {
    // The number choice window is made first, so that it changes from the start-up language too.
    form6();
    m_translationFile = m_paths.translationPath(file);
    for (QAction* language : {ui.Deutsch1, ui.Englichen1, ui.Grichisch1})
        language->setChecked(language == item);
    if (item != ui.Deutsch1) setWindowTitle(QStringLiteral("Quintara for Greece")); // the international name
    selectMessageLanguage();
    Dateiladen1Click();
}

void TForm1::Deutsch1Click() {
    selectLanguage(ui.Deutsch1, kGerman);
}

void TForm1::Englichen1Click() {
    selectLanguage(ui.Englichen1, kEnglish);
}

void TForm1::Grichisch1Click() {
    selectLanguage(ui.Grichisch1, kGreek);
}

QList<QWidget*> TForm1::ownedWindows() {
    form6();
    return windowsMadeSoFar();
}

QList<QWidget*> TForm1::windowsMadeSoFar() {
    QList<QWidget*> windows{this};
    // Children keep their creation order; the program's own windows are named (Form6, ...).
    for (QObject* child : children()) {
        auto* window = qobject_cast<QWidget*>(child);
        if (window && window->isWindow() && !qobject_cast<QMenu*>(window) && !window->objectName().isEmpty())
            windows << window;
    }
    return windows;
}

void TForm1::Dateiladen1Click() {
    form6();
    applyTranslationFile();
}

bool TForm1::applyTranslationFile() {
    if (m_translationFile.isEmpty() || !QFileInfo::exists(m_translationFile)) return false;
    const std::vector<Translation::Entry> entries = Translation::read(m_translationFile);
    for (QWidget* window : windowsMadeSoFar()) {
        WindowTexts::apply(window, entries);
        nameForScreenReaders(window);
    }
    // The file names the hit list's caption of hits alone; with winnings shown it says so.
    if (ui.hitListShowsMoney()) ui.showHitListCaption();
    return true;
}

void TForm1::InDateispeichern1Click() {
    const QString path = m_platform.dialogs->saveFile(
        this, {tr("Textdatei|*.txt"), QStringLiteral("txt"), {}, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    std::vector<Translation::Entry> entries;
    for (QWidget* window : ownedWindows()) {
        auto more = WindowTexts::templateEntries(window);
        entries.insert(entries.end(), more.begin(), more.end());
    }
    Translation::writeTemplate(path, entries);
}
