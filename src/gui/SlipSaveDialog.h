#pragma once
#include <QDate>
#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

// Asks what a slip recorded as played needs besides its tips: for how many draws it is valid
// (1 to 10, from the next draw on) and its name. Shows the first draw and what one draw costs.
class SlipSaveDialog : public QDialog {
    Q_OBJECT
public:
    SlipSaveDialog(const QDate& firstDraw, int columns, double stakePerDraw, QWidget* parent = nullptr);

    QSpinBox* SlipDraws = nullptr; // draws the slip is valid for
    QLineEdit* SlipName = nullptr; // prefilled with the first draw's date
    QLabel* SlipInfo = nullptr;    // first draw, columns and stake per draw

    int draws() const;
    QString name() const;
};
