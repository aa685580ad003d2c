// The settings of the main window: read at start-up straight into the controls (into those of
// the later pages when they are built), written once at shutdown. A value that is absent, or
// stored with another kind than the one below, leaves its control in its built-in state;
// nothing here stops the start-up.
#include "base/SettingsStore.h"
#include "app/TForm1.h"

#include <QtEndian>
#include <bit>
#include <cmath>

namespace {

// The check boxes that are stored, in the order of reading and writing. The values are
// spelled "Chekcbox<n>".
constexpr int kStoredCheckBoxes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                     14, 15, 18, 19, 20, 22, 23, 24, 25, 26, 27, 30, 31};
constexpr int kUpDownCount = 22;

QString checkBoxValue(int n) {
    return QStringLiteral("Chekcbox%1").arg(n);
}
QString upDownValue(int n) {
    return QStringLiteral("UpDown%1").arg(n);
}

QByteArray doubleBytes(double value) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), bytes.data());
    return bytes;
}

// An 8-byte binary value as a double; nothing for any other kind or size.
std::optional<double> readDouble(const SettingsStore& store, const QString& name) {
    if (store.kind(name) != SettingsStore::Kind::Binary) return std::nullopt;
    const QByteArray bytes = store.readBinary(name);
    if (bytes.size() != 8) return std::nullopt;
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes.constData()));
}

std::optional<qint32> readInteger(const SettingsStore& store, const QString& name) {
    if (store.kind(name) != SettingsStore::Kind::Integer) return std::nullopt;
    return store.readInteger(name);
}

std::optional<QString> readText(const SettingsStore& store, const QString& name) {
    if (store.kind(name) != SettingsStore::Kind::Text) return std::nullopt;
    return store.readString(name);
}

// Day counts a date picker can hold at all (years 1 to 9999); others are damage.
bool plausibleDayCount(double dayCount) {
    return std::isfinite(dayCount) && dayCount > -693594.0 && dayCount < 2958466.0;
}

// The option check boxes and spins the settings keep, found by name. A control that is not
// there (renamed) is skipped: its value is neither read nor written.
QCheckBox* storedCheckBox(const QWidget* within, int n) {
    return within->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
}
UpDown* storedUpDown(const QWidget* within, int n) {
    return within->findChild<UpDown*>(QStringLiteral("UpDown%1").arg(n));
}

// Where the stored check boxes and spins of a part of the settings are: the pages built at
// once hold those of the start (the later pages are empty then), the later pages the rest.
QList<QWidget*> settingsPlaces(const Form1Ui& ui, TForm1::SettingsPart part) {
    if (part == TForm1::SettingsPart::LaterPages) return ui.laterPages();
    return {ui.PageControl1};
}

} // namespace

void TForm1::loadSettings(SettingsPart part) {
    const SettingsStore store = SettingsStore::openKey(SettingsStore::ProgramKey);
    const QList<QWidget*> places = settingsPlaces(ui, part);

    for (const int n : kStoredCheckBoxes)
        for (const QWidget* place : places)
            if (auto* box = storedCheckBox(place, n))
                if (const auto v = readInteger(store, checkBoxValue(n))) box->setChecked(*v != 0);
    for (int n = 1; n <= kUpDownCount; ++n) {
        // The spin keeps its position within its limits.
        for (const QWidget* place : places)
            if (auto* spin = storedUpDown(place, n))
                if (const auto v = readInteger(store, upDownValue(n))) spin->setPosition(*v);
        // The maximum of matches with other tips is never below the minimum.
        if (n == 3 && ui.UpDown3 && ui.UpDown3->position() < ui.UpDown1->position())
            ui.UpDown3->setPosition(ui.UpDown1->position());
    }
    if (part == SettingsPart::LaterPages) {
        loadLaterPageTexts(store);
        return;
    }

    if (const auto v = readInteger(store, QStringLiteral("NeuerSchein"))) NeuerSchein = *v;

    // The language items are always set: an absent flag takes its default, so a first start
    // selects Greek.
    ui.Deutsch1->setChecked(readInteger(store, QStringLiteral("Deutsch1")).value_or(0) != 0);
    ui.Englichen1->setChecked(readInteger(store, QStringLiteral("Englichen1")).value_or(0) != 0);
    ui.Grichisch1->setChecked(readInteger(store, QStringLiteral("Grichisch1")).value_or(1) != 0);

    if (const auto v = readInteger(store, QStringLiteral("Land"))) Land = *v;
    if (const auto v = readInteger(store, QStringLiteral("ServerQuestion"))) m_serverQuestionAsked = *v != 0;
    if (const auto v = readInteger(store, QStringLiteral("TippTop"))) TippTop = *v;
    if (const auto v = readInteger(store, QStringLiteral("TippLeft"))) TippLeft = *v;
    if (const auto v = readInteger(store, QStringLiteral("System"))) StoredSystem = *v;
    if (const auto v = readDouble(store, QStringLiteral("Preis"))) Preis = *v;
    EvaluationEnabled = true;

    // A date the picker refuses (before its earliest date) leaves the built-in date.
    if (const auto day = readDouble(store, QStringLiteral("DateTimePicker2")); day && plausibleDayCount(*day))
        ui.DateTimePicker2->trySetDayCount(*day);
}

void TForm1::loadLaterPageTexts(const SettingsStore& store) {
    auto text = [&store](const QString& name, QLineEdit* edit) {
        if (const auto value = readText(store, name)) edit->setText(*value);
    };
    text(QStringLiteral("Spielername"), ui.Edit2);
    text(QStringLiteral("Passwort"), ui.MaskEdit1);
    text(QStringLiteral("EINPREIS"), ui.Edit3);
    text(QStringLiteral("ZWEIPREIS"), ui.Edit4);

    // "Browser" was once stored as text; a non-empty text means checked.
    const QString browser = QStringLiteral("Browser");
    if (const auto v = readInteger(store, browser))
        ui.CheckBox21->setChecked(*v != 0);
    else if (const auto t = readText(store, browser); t && !t->isEmpty())
        ui.CheckBox21->setChecked(true);

    // Without a stored name the start-up puts "Lotto.html" of the player's files here,
    // instead of the built-in placeholder.
    if (const auto v = readText(store, QStringLiteral("FileNameEdit")))
        ui.FileNameEdit->setText(*v);
    else
        ui.FileNameEdit->clear();
    text(QStringLiteral("URLEdit"), ui.URLEdit);
    text(QStringLiteral("ProxyHostEdit"), ui.ProxyHostEdit);
    text(QStringLiteral("ProxyPortEdit"), ui.ProxyPortEdit);
    text(QStringLiteral("DrawServer"), ui.DrawServerEdit);
    if (const auto v = readInteger(store, QStringLiteral("UpdateAtStart"))) ui.UpdateAtStartCheck->setChecked(*v != 0);
}

void TForm1::saveSettings() {
    // Every setting is written back, those of pages not built yet too.
    buildLaterPages();
    // The key is written whole, in this order; values of the key that this program does not
    // know follow its own.
    const SettingsStore previous = SettingsStore::openKey(SettingsStore::ProgramKey);
    SettingsStore key = previous;
    key.clear();
    auto flag = [&key](const QString& name, bool on) { key.writeInteger(name, on ? 1 : 0); };

    key.writeInteger(QStringLiteral("NeuerSchein"), NeuerSchein);
    for (const int n : kStoredCheckBoxes)
        if (const auto* box = storedCheckBox(ui.PageControl1, n)) flag(checkBoxValue(n), box->isChecked());
    flag(QStringLiteral("Deutsch1"), ui.Deutsch1->isChecked());
    flag(QStringLiteral("Englichen1"), ui.Englichen1->isChecked());
    flag(QStringLiteral("Grichisch1"), ui.Grichisch1->isChecked());
    key.writeInteger(QStringLiteral("System"), ui.ComboBox1->currentIndex());
    key.writeInteger(QStringLiteral("TippTop"), TippTop);
    key.writeInteger(QStringLiteral("TippLeft"), TippLeft);
    for (int n = 1; n <= kUpDownCount; ++n)
        if (const auto* spin = storedUpDown(ui.PageControl1, n)) key.writeInteger(upDownValue(n), spin->position());
    key.writeBinary(QStringLiteral("Preis"), doubleBytes(Preis));
    flag(QStringLiteral("Browser"), ui.CheckBox21->isChecked());
    key.writeString(QStringLiteral("FileNameEdit"), ui.FileNameEdit->text());
    key.writeString(QStringLiteral("URLEdit"), ui.URLEdit->text());
    key.writeString(QStringLiteral("ProxyHostEdit"), ui.ProxyHostEdit->text());
    key.writeString(QStringLiteral("ProxyPortEdit"), ui.ProxyPortEdit->text());
    key.writeString(QStringLiteral("Spielername"), ui.Edit2->text());
    key.writeString(QStringLiteral("EINPREIS"), ui.Edit3->text());
    key.writeString(QStringLiteral("ZWEIPREIS"), ui.Edit4->text());
    key.writeString(QStringLiteral("Passwort"), ui.MaskEdit1->text());
    key.writeBinary(QStringLiteral("DateTimePicker2"), doubleBytes(ui.DateTimePicker2->dayCount()));
    key.writeInteger(QStringLiteral("Land"), Land);
    key.writeString(QStringLiteral("DrawServer"), ui.DrawServerEdit->text());
    flag(QStringLiteral("UpdateAtStart"), ui.UpdateAtStartCheck->isChecked());
    if (m_serverQuestionAsked) flag(QStringLiteral("ServerQuestion"), true);

    key.addMissingFrom(previous);
    key.save();
}
