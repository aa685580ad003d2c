// The settings of the main window: given to the controls once at start-up, taken back from
// them once at shutdown. What is read, its defaults and its rules are ProgramSettings'.
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
    ui.Edit2->setText(settings.spielername);
    ui.MaskEdit1->setText(settings.passwort);
    ui.Edit3->setText(settings.einpreis);
    ui.Edit4->setText(settings.zweipreis);
    ui.CheckBox21->setChecked(settings.browser);
    ui.FileNameEdit->setText(settings.fileNameEdit);
    ui.URLEdit->setText(settings.urlEdit);
    ui.ProxyHostEdit->setText(settings.proxyHostEdit);
    ui.ProxyPortEdit->setText(settings.proxyPortEdit);
    ui.DateTimePicker2->trySetDayCount(settings.dateTimePicker2);
    ui.DrawServerEdit->setText(settings.drawServer);
    ui.UpdateAtStartCheck->setChecked(settings.updateAtStart);
    m_serverQuestionAsked = settings.serverQuestion;
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
    settings.spielername = ui.Edit2->text();
    settings.passwort = ui.MaskEdit1->text();
    settings.einpreis = ui.Edit3->text();
    settings.zweipreis = ui.Edit4->text();
    settings.browser = ui.CheckBox21->isChecked();
    settings.fileNameEdit = ui.FileNameEdit->text();
    settings.urlEdit = ui.URLEdit->text();
    settings.proxyHostEdit = ui.ProxyHostEdit->text();
    settings.proxyPortEdit = ui.ProxyPortEdit->text();
    settings.dateTimePicker2 = ui.DateTimePicker2->dayCount();
    settings.drawServer = ui.DrawServerEdit->text();
    settings.updateAtStart = ui.UpdateAtStartCheck->isChecked();
    settings.serverQuestion = m_serverQuestionAsked;
    settings.chartZoom = ui.ChartZoom->isChecked();
    settings.saveDirectory = m_platform.dialogs->saveDirectory();
    return settings;
}
