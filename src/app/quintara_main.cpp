#include "app/TForm1.h"
#include "base/BuildInfo.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "base/ProgramLock.h"
#include "base/SettingsStore.h"
#include "gui/Language.h"
#include "gui/StandardIcon.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>

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
    const Paths paths = Paths::forProgram(QApplication::applicationDirPath());
    try {
        paths.makeUserDirectory();
    } catch (const FileError&) {
        // The window says so when it starts; without the directory nothing can be written.
    }
    ProgramLock lock(paths.lockPath());
    if (lock.state() == ProgramLock::State::HeldElsewhere) {
        // Another start holds the player's files: it is asked to bring its window forward, and this
        // one opens no window, so nothing of the two can overwrite the other's draws or tips.
        const bool shown = lock.askHolderToShow(5000);
        const QString text =
            shown ? QCoreApplication::translate("Start", "Quintara GR ist bereits geöffnet. Das geöffnete "
                                                         "Fenster wurde nach vorn geholt.")
                  : QCoreApplication::translate("Start", "Quintara GR ist mit den Daten in \"%1\" bereits "
                                                         "geöffnet (Prozess %2), antwortet aber nicht. Ein "
                                                         "zweites Fenster wird nicht geöffnet, damit keine "
                                                         "Ziehungen und Tipps verloren gehen.")
                        .arg(paths.userDirectory())
                        .arg(lock.holderPid());
        std::fprintf(stderr, "%s\n", qPrintable(text));
        QMessageBox::information(nullptr, QApplication::applicationDisplayName(), text);
        return shown ? 0 : 1;
    }
    lock.listen();

    TForm1 form(paths, Platform::system());
    if (parser.isSet(server)) form.setServerOverride(parser.value(server));
    QObject::connect(&lock, &ProgramLock::showRequested, &form, [&form] {
        if (form.isMinimized()) form.showNormal();
        form.raise();
        form.activateWindow();
    });
    form.show();
    return app.exec();
}
