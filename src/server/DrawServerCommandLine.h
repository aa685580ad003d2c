#pragma once
// The command line of the draw server program: its options with their help texts, and the
// messages about wrong values, in the language of the installed message catalogues.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

struct DrawServerCommandLine {
    QCommandLineOption version;
    QCommandLineOption file;
    QCommandLineOption port;
    QCommandLineOption bind;
    QCommandLineOption verbose;
    QCommandLineOption upstream;
    QCommandLineOption period;
    QCommandLineOption since;

    DrawServerCommandLine();
    // The description, the help option and every option above.
    void addTo(QCommandLineParser& parser) const;

    // "quintara-drawserver: " and the message, for the error output.
    static QString fileRequiredText();
    static QString invalidValueText(const QCommandLineOption& option, const QString& value);
    static QString mirrorNeedsDatFileText();
    static QString cannotListenText(const QString& address, unsigned port, const QString& reason);
    static QString fileInUseText(const QString& file, qint64 holderPid);
};
