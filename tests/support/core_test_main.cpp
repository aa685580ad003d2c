#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Entry of the tests of the core library: an event loop for the network parts, no widgets.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
