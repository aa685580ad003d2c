#pragma once
#include "gui/Controls.h"

#include "history/DrawEntry.h"

#include <QDialog>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>

// The manual draw entry "Zahlen der Ziehung eingeben": the draw date and six numbers, with the
// additional number and the eighth byte carried over unseen from the newest stored draw.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    DatePicker* DateTimePicker1;
    QLabel* Label1;
    UpDown* UpDown7;      // additional number, hidden
    UpDown* UpDown8;      // eighth number byte, hidden
    QPushButton* BitBtn1; // "Abbruch"
    QPushButton* BitBtn2; // "OK"

    UpDown* number(int i) const { return m_numbers[static_cast<std::size_t>(i - 1)]; } // 1 to 6
    // Today's date: a draw after it is refused. Invalid: no date is refused.
    QDate today;

    // What keeps the typed-in draw from being stored, naming the field; none when it may be.
    std::optional<DrawEntry::FieldProblem> problem() const;
    // Puts the cursor into the field (0: the date; 7: the additional number, which is then
    // shown, since the player can correct it only there).
    void markProblem(int field);
    // Tells the player what is wrong; OK keeps the dialog open while there is a problem.
    std::function<void(const QString&)> reportProblem;

public slots:
    void accept() override;

private:
    std::array<UpDown*, 6> m_numbers{};
};
