#include "app/TForm1.h"
#include "base/BuildInfo.h"
#include "base/Paths.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationVersion(BuildInfo::version());
    // Lets the desktop match the windows to the menu entry (on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brenlow.quintara"));
    // The installed theme's icon when there is one, else the copy built into the program.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("quintara"), QIcon(QStringLiteral(":/icons/quintara.png"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quintara GR – Tipps für das griechische Lotto 6 aus 49"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption server(
        QStringLiteral("server"),
        QStringLiteral("Adresse des Ziehungsservers für diesen Programmlauf, z. B. http://127.0.0.1:8049"),
        QStringLiteral("address"));
    parser.addOption(server);
    parser.process(app);

    // The files are found from the program file, whatever the working directory: beside it for
    // a portable copy, in the install tree and the player's data directory when installed.
    TForm1 form(Paths::forProgram(QApplication::applicationDirPath()), Platform::system());
    if (parser.isSet(server)) form.setServerOverride(parser.value(server));
    form.show();
    return app.exec();
}
