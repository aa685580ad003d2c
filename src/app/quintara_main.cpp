#include "app/TForm1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quintara GR"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quintara GR"));
    // Every file of the program lives beside the executable, whatever the working directory.
    TForm1 form(QApplication::applicationDirPath() + QLatin1Char('/'), Platform::system());
    form.show();
    return app.exec();
}
