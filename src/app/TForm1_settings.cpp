// The settings: given to the controls at start-up, taken back from them at shutdown.
#include "app/TForm1.h"

namespace {

// The kept check boxes and spins, found by name. A control that is not there (renamed) is
// skipped: its value is neither shown nor taken back.
QCheckBox* storedCheckBox(const QWidget* within, int n) {
    return within->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
}
UpDown* storedUpDown(const QWidget* within, int n) {
    return within->findChild<UpDown*>(QStringLiteral("UpDown%1").arg(n));
}

// The kept text fields.
const std::pair<QLineEdit* Form1Ui::*, QString ProgramSettings::*> StoredTexts[] = {
    {&Form1Ui::Edit2, &ProgramSettings::spielername},
    {&Form1Ui::MaskEdit1, &ProgramSettings::passwort},
    {&Form1Ui::Edit3, &ProgramSettings::einpreis},
    {&Form1Ui::Edit4, &ProgramSettings::zweipreis},
    {&Form1Ui::FileNameEdit, &ProgramSettings::fileNameEdit},
    {&Form1Ui::URLEdit, &ProgramSettings::urlEdit},
    {&Form1Ui::ProxyHostEdit, &ProgramSettings::proxyHostEdit},
    {&Form1Ui::ProxyPortEdit, &ProgramSettings::proxyPortEdit},
    {&Form1Ui::DrawServerEdit, &ProgramSettings::drawServer},
};

} // namespace

void TForm1::applySettings(const ProgramSettings& settings) {
    m_settings = settings;
    for (const int n : ProgramSettings::StoredCheckBoxes)
        if (auto* box = storedCheckBox(ui.PageControl1, n)) box->setChecked(settings.checkBox(n));
    for (int n = 1; n <= ProgramSettings::SpinCount; ++n)
        if (auto* spin = storedUpDown(ui.PageControl1, n)) spin->setPosition(settings.spin(n));
    ui.Deutsch1->setChecked(settings.deutsch1);
    ui.Englichen1->setChecked(settings.englichen1);
    ui.Grichisch1->setChecked(settings.grichisch1);
    for (const auto& [edit, text] : StoredTexts) (ui.*edit)->setText(settings.*text);
    ui.CheckBox21->setChecked(settings.browser);
    ui.DateTimePicker2->trySetDayCount(settings.dateTimePicker2);
    ui.UpdateAtStartCheck->setChecked(settings.updateAtStart);
    ui.ChartZoom->setChecked(settings.chartZoom);
    ui.Chart1->setZoomed(settings.chartZoom);
    m_platform.dialogs->setSaveDirectory(settings.saveDirectory);
}

ProgramSettings TForm1::collectSettings() const {
    ProgramSettings settings = m_settings;
    for (const int n : ProgramSettings::StoredCheckBoxes)
        if (const auto* box = storedCheckBox(ui.PageControl1, n)) settings.setCheckBox(n, box->isChecked());
    for (int n = 1; n <= ProgramSettings::SpinCount; ++n)
        if (const auto* spin = storedUpDown(ui.PageControl1, n)) settings.setSpin(n, spin->position());
    settings.deutsch1 = ui.Deutsch1->isChecked();
    settings.englichen1 = ui.Englichen1->isChecked();
    settings.grichisch1 = ui.Grichisch1->isChecked();
    // The choice the player made since the activation selected the stored one.
    settings.system = ui.ComboBox1->currentIndex();
    for (const auto& [edit, text] : StoredTexts) settings.*text = (ui.*edit)->text();
    settings.browser = ui.CheckBox21->isChecked();
    settings.dateTimePicker2 = ui.DateTimePicker2->dayCount();
    settings.updateAtStart = ui.UpdateAtStartCheck->isChecked();
    settings.chartZoom = ui.ChartZoom->isChecked();
    settings.saveDirectory = m_platform.dialogs->saveDirectory();
    return settings;
}
