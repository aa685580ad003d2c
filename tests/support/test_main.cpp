#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test program runs with a real QApplication on the offscreen platform, so widget
// tests and domain tests share one entry point.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
