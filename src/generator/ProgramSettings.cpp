#include "generator/ProgramSettings.h"

#include "base/DayCount.h"
#include "base/SettingsStore.h"
#include "history/DrawDownload.h"

#include <QDate>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// {minimum, maximum, built-in position} of UpDown1 ... UpDown22.
constexpr std::array<ProgramSettings::SpinLimits, ProgramSettings::SpinCount> kSpins = {{
    {0, 5, 2},    {21, 279, 125}, {0, 5, 4},   {0, 5, 0},   {0, 5, 1},   {3, 6, 5},      {1, 10000, 100}, {1, 12, 6},
    {1, 960, 6},  {0, 6, 2},      {0, 5, 2},   {5, 75, 30}, {5, 75, 30}, {5, 75, 30},    {21, 279, 175},  {0, 6, 2},
    {0, 6, 2},    {6, 11, 6},     {2, 6, 4},   {4, 128, 40}, {2, 6, 3},  {4, 128, 10},
}};

// The kept check boxes that are checked until the player changes them.
constexpr int kCheckedBoxes[] = {3, 4, 5, 9, 10, 14, 18, 23, 24, 30, 31};

// The texts written one after the other, in the order of the key.
constexpr std::pair<const char*, QString ProgramSettings::*> kTexts[] = {
    {"FileNameEdit", &ProgramSettings::fileNameEdit},   {"URLEdit", &ProgramSettings::urlEdit},
    {"ProxyHostEdit", &ProgramSettings::proxyHostEdit}, {"ProxyPortEdit", &ProgramSettings::proxyPortEdit},
    {"Spielername", &ProgramSettings::spielername},     {"EINPREIS", &ProgramSettings::einpreis},
    {"ZWEIPREIS", &ProgramSettings::zweipreis},         {"Passwort", &ProgramSettings::passwort},
};

QString checkBoxValue(int n) {
    return QStringLiteral("Chekcbox%1").arg(n);
}
QString spinValue(int n) {
    return QStringLiteral("UpDown%1").arg(n);
}

bool isKept(int n) {
    return std::ranges::find(ProgramSettings::StoredCheckBoxes, n) != ProgramSettings::StoredCheckBoxes.end();
}

QByteArray doubleBytes(double value) {
    QByteArray bytes(8, '\0');
    qToLittleEndian(std::bit_cast<quint64>(value), bytes.data());
    return bytes;
}

// An 8-byte binary value as a double; nothing for any other kind or size.
std::optional<double> readDouble(const SettingsStore& key, const QString& name) {
    if (key.kind(name) != SettingsStore::Kind::Binary) return std::nullopt;
    const QByteArray bytes = key.readBinary(name);
    if (bytes.size() != 8) return std::nullopt;
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes.constData()));
}

std::optional<qint32> readInteger(const SettingsStore& key, const QString& name) {
    if (key.kind(name) != SettingsStore::Kind::Integer) return std::nullopt;
    return key.readInteger(name);
}

std::optional<QString> readText(const SettingsStore& key, const QString& name) {
    if (key.kind(name) != SettingsStore::Kind::Text) return std::nullopt;
    return key.readString(name);
}

// A day count from the earliest from date up to the last day of year 9999; anything else
// (damage, NaN, infinities) is refused.
bool usableFromDate(double dayCount) {
    return std::isfinite(dayCount) && dayCount >= ProgramSettings::earliestFromDate() && dayCount < 2958466.0;
}

} // namespace

ProgramSettings::SpinLimits ProgramSettings::spinLimits(int n) {
    return kSpins.at(static_cast<std::size_t>(n - 1));
}

double ProgramSettings::earliestFromDate() {
    return DayCount::fromDate(QDate(1986, 9, 7));
}

ProgramSettings::ProgramSettings()
    : urlEdit(QStringLiteral("https://lottery-operator.example/")), dateTimePicker2(earliestFromDate()),
      drawServer(QString::fromLatin1(DrawDownload::DefaultServer)) {
    for (const int n : kCheckedBoxes) m_checkBoxes.at(static_cast<std::size_t>(n)) = true;
    for (int n = 1; n <= SpinCount; ++n) m_spins.at(static_cast<std::size_t>(n)) = spinLimits(n).position;
}

bool ProgramSettings::checkBox(int n) const {
    return n >= 0 && n < static_cast<int>(m_checkBoxes.size()) && m_checkBoxes.at(static_cast<std::size_t>(n));
}

void ProgramSettings::setCheckBox(int n, bool checked) {
    if (isKept(n)) m_checkBoxes.at(static_cast<std::size_t>(n)) = checked;
}

void ProgramSettings::setSpin(int n, int position) {
    const SpinLimits limits = spinLimits(n);
    m_spins.at(static_cast<std::size_t>(n)) = std::clamp(position, limits.minimum, limits.maximum);
}

ProgramSettings ProgramSettings::load(const SettingsStore& key, const QString& downloadFile) {
    ProgramSettings s;
    auto integer = [&key](const QString& name, int& field) {
        if (const auto v = readInteger(key, name)) field = *v;
    };
    auto flag = [&key](const QString& name, bool& field) {
        if (const auto v = readInteger(key, name)) field = *v != 0;
    };
    auto text = [&key](const QString& name, QString& field) {
        if (const auto v = readText(key, name)) field = *v;
    };

    integer(QStringLiteral("NeuerSchein"), s.neuerSchein);
    for (const int n : StoredCheckBoxes)
        if (const auto v = readInteger(key, checkBoxValue(n))) s.setCheckBox(n, *v != 0);
    flag(QStringLiteral("Deutsch1"), s.deutsch1);
    flag(QStringLiteral("Englichen1"), s.englichen1);
    flag(QStringLiteral("Grichisch1"), s.grichisch1);
    integer(QStringLiteral("Land"), s.land);
    integer(QStringLiteral("TippTop"), s.tippTop);
    integer(QStringLiteral("TippLeft"), s.tippLeft);
    integer(QStringLiteral("System"), s.system);
    for (int n = 1; n <= SpinCount; ++n)
        if (const auto v = readInteger(key, spinValue(n))) s.setSpin(n, *v);
    // The maximum of matches with other tips is never below the minimum.
    s.setSpin(3, std::max(s.spin(3), s.spin(1)));

    for (const auto& [name, field] : kTexts) text(QString::fromLatin1(name), s.*field);
    if (const auto v = readDouble(key, QStringLiteral("Preis"))) s.preis = *v;

    // "Browser" was once stored as text; a non-empty text means checked.
    const QString browser = QStringLiteral("Browser");
    flag(browser, s.browser);
    if (const auto t = readText(key, browser); t && !t->isEmpty()) s.browser = true;

    if (const auto day = readDouble(key, QStringLiteral("DateTimePicker2")); day && usableFromDate(*day))
        s.dateTimePicker2 = *day;
    text(QStringLiteral("DrawServer"), s.drawServer);
    flag(QStringLiteral("UpdateAtStart"), s.updateAtStart);
    flag(QStringLiteral("ServerQuestion"), s.serverQuestion);
    flag(QStringLiteral("ChartZoom"), s.chartZoom);
    text(QStringLiteral("SaveDirectory"), s.saveDirectory);

    if (s.fileNameEdit.isEmpty()) s.fileNameEdit = downloadFile;
    if (s.proxyHostEdit.isEmpty()) s.proxyPortEdit = QStringLiteral("80");
    return s;
}

ProgramSettings ProgramSettings::load(const QString& downloadFile) {
    return load(SettingsStore::openKey(SettingsStore::ProgramKey), downloadFile);
}

void ProgramSettings::writeTo(SettingsStore& key) const {
    const SettingsStore previous = key;
    key.clear();
    auto flag = [&key](const QString& name, bool on) { key.writeInteger(name, on ? 1 : 0); };

    key.writeInteger(QStringLiteral("NeuerSchein"), neuerSchein);
    for (const int n : StoredCheckBoxes) flag(checkBoxValue(n), checkBox(n));
    flag(QStringLiteral("Deutsch1"), deutsch1);
    flag(QStringLiteral("Englichen1"), englichen1);
    flag(QStringLiteral("Grichisch1"), grichisch1);
    key.writeInteger(QStringLiteral("System"), system);
    key.writeInteger(QStringLiteral("TippTop"), tippTop);
    key.writeInteger(QStringLiteral("TippLeft"), tippLeft);
    for (int n = 1; n <= SpinCount; ++n) key.writeInteger(spinValue(n), spin(n));
    key.writeBinary(QStringLiteral("Preis"), doubleBytes(preis));
    flag(QStringLiteral("Browser"), browser);
    for (const auto& [name, field] : kTexts) key.writeString(QString::fromLatin1(name), this->*field);
    key.writeBinary(QStringLiteral("DateTimePicker2"), doubleBytes(dateTimePicker2));
    key.writeInteger(QStringLiteral("Land"), land);
    key.writeString(QStringLiteral("DrawServer"), drawServer);
    flag(QStringLiteral("UpdateAtStart"), updateAtStart);
    if (serverQuestion) flag(QStringLiteral("ServerQuestion"), true);
    // Written once they differ from a new installation's, so older keys keep their form; from
    // then on always, or the old value would come back as one of another program.
    if (chartZoom || previous.hasValue(QStringLiteral("ChartZoom"))) flag(QStringLiteral("ChartZoom"), chartZoom);
    if (!saveDirectory.isEmpty() || previous.hasValue(QStringLiteral("SaveDirectory")))
        key.writeString(QStringLiteral("SaveDirectory"), saveDirectory);

    key.addMissingFrom(previous);
}

void ProgramSettings::save() const {
    SettingsStore key = SettingsStore::openKey(SettingsStore::ProgramKey);
    writeTo(key);
    key.save();
}
