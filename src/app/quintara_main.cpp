#include "app/TForm1.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

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

    // Every file of the program lives beside the executable, whatever the working directory.
    TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), Platform::system());
    if (parser.isSet(server)) form.setServerOverride(parser.value(server));
    form.show();
    return app.exec();
}
