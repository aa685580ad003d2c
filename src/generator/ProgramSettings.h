#pragma once
// Every value the program keeps in its settings key between runs, with its default; read once
// at start-up and written once at shutdown.
//
// The value names and kinds are those players' settings already hold:
// "Chekcbox<n>" (spelled so) and "UpDown<n>" as integers, texts as strings, "Preis" and
// "DateTimePicker2" as 8-byte little-endian doubles.
#include <QString>

#include <array>

class SettingsStore;

struct ProgramSettings {
    // The check boxes whose state is kept, in the order of the key ("Chekcbox<n>").
    static constexpr std::array<int, 26> StoredCheckBoxes = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                             14, 15, 18, 19, 20, 22, 23, 24, 25, 26, 27, 30, 31};
    // The spins UpDown1 ... UpDown22, all kept ("UpDown<n>").
    static constexpr int SpinCount = 22;
    struct SpinLimits {
        int minimum;
        int maximum;
        int position; // the built-in one
    };
    // Limits and built-in position of spin n (1 ... SpinCount).
    static SpinLimits spinLimits(int n);
    // The earliest from date of the statistics, and the built-in one (7 September 1986).
    static double earliestFromDate();

    ProgramSettings();

    // The state of CheckBox<n>; a box that is not kept is never checked here.
    bool checkBox(int n) const;
    void setCheckBox(int n, bool checked);
    // The position of UpDown<n>, always within its limits.
    int spin(int n) const { return m_spins.at(static_cast<std::size_t>(n)); }
    void setSpin(int n, int position);

    int neuerSchein = 0; // only kept and written back
    bool deutsch1 = false;
    bool englichen1 = false;
    bool grichisch1 = true;
    int land = 3;     // only kept and written back
    int tippTop = 39; // only kept and written back
    int tippLeft = 47;
    // The entry of the system selector every activation selects; -1 when none was selected.
    int system = 0;
    double preis = 0.0; // only kept and written back
    bool browser = true; // CheckBox21 "Linkseite aktivieren"
    QString fileNameEdit; // the download file; load() puts the player's "Lotto.html" in when empty
    QString urlEdit;      // the lottery operator's home page
    QString proxyHostEdit;
    QString proxyPortEdit = QStringLiteral("80");
    QString spielername;
    QString einpreis = QStringLiteral("0,50");  // fee for one draw day
    QString zweipreis = QStringLiteral("1,00"); // fee for both draw days
    QString passwort;                           // kept in plain text, as it always was
    double dateTimePicker2;                     // from date of the statistics, a day count
    QString drawServer;                         // scheme, host and port of the draw results server
    bool updateAtStart = true;    // update by itself at start when a draw is missing
    bool serverQuestion = false;  // the player was asked once whether to leave the old local server
    bool chartZoom = false;       // the chart's value axis zoomed onto the bars instead of from 0
    QString saveDirectory;        // where the player last saved a file; empty: not yet

    // A value absent or of another kind keeps its default; an empty download file becomes
    // `downloadFile`, an empty proxy host sets the port to "80".
    static ProgramSettings load(const SettingsStore& key, const QString& downloadFile);
    // The program's key (SettingsStore::ProgramKey).
    static ProgramSettings load(const QString& downloadFile);

    // Every value in the order the program always wrote them, then the key's unknown values.
    void writeTo(SettingsStore& key) const;
    // Throws FileError when the key cannot be written.
    void save() const;

private:
    std::array<bool, 32> m_checkBoxes{};
    std::array<int, SpinCount + 1> m_spins{};
};
