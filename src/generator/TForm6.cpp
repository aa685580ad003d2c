#include "generator/TForm6.h"

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
}
