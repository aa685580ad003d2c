#pragma once
#include <QDialog>

// The number choice window "Welche Zahlen für die Berechnung".
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);
};
