#include "app/TForm1.h"
#include "i18n/Translation.h"
#include "gui/WindowTexts.h"

#include <QFileInfo>
#include <QMenu>

namespace {

const QString kGerman = QStringLiteral("Bezeich_de.txt");
const QString kEnglish = QStringLiteral("Bezeich_en.txt");
const QString kGreek = QStringLiteral("Bezeich_gr.txt");
// English and Greek show the program's international name.
const QString kInternationalTitle = QStringLiteral("Quintara for Greece");

} // namespace

void TForm1::connectLanguage() {
    bind(ui.Deutsch1, &QAction::triggered, &TForm1::Deutsch1Click);
    bind(ui.Englichen1, &QAction::triggered, &TForm1::Englichen1Click);
    bind(ui.Grichisch1, &QAction::triggered, &TForm1::Grichisch1Click);
    bind(ui.Dateiladen1, &QAction::triggered, &TForm1::Dateiladen1Click);
    bind(ui.InDateispeichern1, &QAction::triggered, &TForm1::InDateispeichern1Click);
}

void TForm1::applyStartupLanguage() {
    // A later checked item wins over an earlier one, so two stored checks end with the last.
    if (ui.Deutsch1->isChecked()) OpenDialog1FileName = m_paths.translationPath(kGerman);
    if (ui.Englichen1->isChecked()) OpenDialog1FileName = m_paths.translationPath(kEnglish);
    if (ui.Grichisch1->isChecked()) OpenDialog1FileName = m_paths.translationPath(kGreek);
    runAction([this] { Dateiladen1Click(); });
}

void TForm1::selectLanguage(QAction* item, const QString& file) {
    OpenDialog1FileName = m_paths.translationPath(file);
    for (QAction* language : {ui.Deutsch1, ui.Englichen1, ui.Grichisch1})
        language->setChecked(language == item);
    if (item != ui.Deutsch1) setWindowTitle(kInternationalTitle);
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
    if (OpenDialog1FileName.isEmpty() || !QFileInfo::exists(OpenDialog1FileName)) return;
    const std::vector<Translation::Entry> entries = Translation::read(OpenDialog1FileName);
    for (QWidget* window : ownedWindows()) WindowTexts::apply(window, entries);
}

void TForm1::InDateispeichern1Click() {
    const QString path = m_platform.dialogs->saveFileName(
        this, {QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt"), {}, m_paths.dialogDirectory()});
    if (path.isEmpty()) return;
    std::vector<Translation::Entry> entries;
    for (QWidget* window : ownedWindows()) {
        auto more = WindowTexts::templateEntries(window);
        entries.insert(entries.end(), more.begin(), more.end());
    }
    Translation::writeTemplate(path, entries);
}
