#include "app/TForm1.h"
#include "base/BuildInfo.h"
#include "base/Paths.h"
#include "base/SettingsStore.h"
#include "gui/Language.h"
#include "gui/StandardIcon.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationVersion(BuildInfo::version());
    // Lets the desktop match the windows to the menu entry (on Wayland too).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brenlow.quintara"));
    QApplication::setWindowIcon(programIcon());

    // The help speaks the language the player chose last; on a first start the system's
    // (German, English or Greek), else Greek as the window does. The window selects its
    // language again from the same settings.
    Language::select(Language::startLanguage(SettingsStore::openKey(SettingsStore::ProgramKey),
                                             MessageCatalogues::ofSystem()));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Quintara GR – Tipps für das griechische Lotto 6 aus 49"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption server(
        QStringLiteral("server"),
        QCoreApplication::translate("CommandLine",
                                    "Adresse des Ziehungsservers für diesen Programmlauf, z. B. %1")
            .arg(QStringLiteral("http://127.0.0.1:8049")),
        QCoreApplication::translate("CommandLine", "Adresse"));
    parser.addOption(server);
    parser.process(app);

    // The files are found from the program file, whatever the working directory: beside it for
    // a portable copy, in the install tree and the player's data directory when installed.
    TForm1 form(Paths::forProgram(QApplication::applicationDirPath()), Platform::system());
    if (parser.isSet(server)) form.setServerOverride(parser.value(server));
    form.show();
    return app.exec();
}
