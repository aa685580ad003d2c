#pragma once
#include "gui/Controls.h"

#include <QDialog>
#include <QPushButton>

// The manual draw entry "Zahlen der Ziehung eingeben": the draw date and six numbers, with the
// additional number and the eighth byte carried over unseen from the newest stored draw.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    DatePicker* DateTimePicker1;
    UpDown* UpDown1;
    UpDown* UpDown2;
    UpDown* UpDown3;
    UpDown* UpDown4;
    UpDown* UpDown5;
    UpDown* UpDown6;
    QLabel* Label1;
    UpDown* UpDown7; // additional number, hidden
    QLabel* Label2;
    UpDown* UpDown8;      // eighth number byte, hidden
    QPushButton* BitBtn1; // "Abbruch"
    QPushButton* BitBtn2; // "OK"

    UpDown* number(int i) const; // 1 to 6
};
