#pragma once
#include <QString>

// Where every file of the program is. There are two layouts:
//
// - Portable: everything lives in the program's own directory, the files shipped with the
//   program and the player's files alike (the build tree, a copy on a stick).
// - Installed: the shipped files (land/, vew/, yippee.wav, the bundled ZahlenGR.dat) are read
//   from the installed data directory (<prefix>/share/quintara), and the files the program
//   writes (ZahlenGR.dat, tipps.txt, Tipp.txt, Lotto.html, ...) live in the player's data
//   directory ($XDG_DATA_HOME/quintara, by default ~/.local/share/quintara).
//
// Nothing else composes a file name from the program directory; code that needs a file asks
// this class. Every directory it returns ends in "/".
class Paths {
public:
    enum class Layout { Portable, Installed };

    // File names of the player's files and of the shipped files.
    static const QString HistoryName;  // "ZahlenGR.dat"
    static const QString TipListName;  // "tipps.txt"
    static const QString TipTextName;  // "Tipp.txt"

    static Paths portable(const QString& programDirectory);
    static Paths installed(const QString& programDirectory, const QString& dataDirectory,
                           const QString& userDirectory);
    // Installed when the program sits in an install tree (the data directory exists at the
    // installed place relative to it) or when its directory cannot be written (then the shipped
    // files are read from beside the program); portable otherwise.
    static Paths forProgram(const QString& programDirectory);

    // $XDG_DATA_HOME/quintara/ when XDG_DATA_HOME is an absolute path, else
    // $HOME/.local/share/quintara/.
    static QString userDataHome();

    Layout layout() const { return m_layout; }
    const QString& programDirectory() const { return m_program; }
    // Shipped, read-only files.
    const QString& dataDirectory() const { return m_data; }
    // The player's files: the history, the tip list and everything else the program writes.
    const QString& userDirectory() const { return m_user; }

    QString historyPath() const { return m_user + HistoryName; }
    QString tipListPath() const { return m_user + TipListName; }
    QString tipTextPath() const { return m_user + TipTextName; }
    QString downloadFilePath() const { return m_user + QStringLiteral("Lotto.html"); }
    // The slips the player recorded as played (evaluation/Slips).
    QString slipsPath() const { return m_user + QStringLiteral("ZahlenGR.scheine.csv"); }
    // The history shipped with the program, copied to the player's directory once.
    QString bundledHistoryPath() const { return m_data + HistoryName; }
    QString winSoundPath() const { return m_data + QStringLiteral("yippee.wav"); }
    // The manual (README.md): installed in the documentation folder beside the data directory
    // (<prefix>/share/doc/quintara), else beside the shipped files. Empty when there is none.
    QString manualPath() const;
    // A translation file of land/ ("Bezeich_de.txt").
    QString translationPath(const QString& fileName) const;
    // Where file dialogs open: the player's directory when installed, the system's choice
    // (empty) when portable.
    QString dialogDirectory() const;

    // Readies the player's directory (installed layout only): makeUserDirectory(), then copies
    // the bundled history into it when it holds none. Throws FileError.
    void prepareUserDirectory() const;
    // Creates the player's directory with mode 0700 when missing. Throws FileError.
    void makeUserDirectory() const;
    // The lock that keeps a second program off the player's files (base/ProgramLock).
    QString lockPath() const;

private:
    Paths(Layout layout, QString program, QString data, QString user);

    Layout m_layout;
    QString m_program;
    QString m_data;
    QString m_user;
};
