// The smallest Qt Widgets program with a shown window, the yardstick of the start-up
// benchmark: built with the same compiler, flags and Qt as the program.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hallo Welt"));
    label.show();
    return app.exec();
}
