#pragma once
#include "gui/Platform.h"

#include <QCheckBox>
#include <QDialog>
#include <QHash>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

// The number choice window "Welche Zahlen für die Berechnung": the 49 numbers as check boxes,
// each with its weight as hint. The generator lets the user edit its pool here; the tip editor
// chooses the numbers of one tip here, with a random pick that the user stops number by number.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    // Modal results besides Accepted (OK) and Rejected (window closed).
    enum ModalResult { mrOk = QDialog::Accepted, mrAbort = 3, mrRetry = 4 };
    enum class BoxColour { Normal, Neutral, Picked };

    explicit TForm6(Platform platform, QWidget* parent = nullptr);

    // Box n (1..49) for number n.
    QCheckBox* box(int n) const { return m_boxes[static_cast<std::size_t>(n)]; }
    QString hint(int n) const { return box(n)->toolTip(); }
    void setHint(int n, const QString& text) { box(n)->setToolTip(text); }
    BoxColour boxColour(int n) const { return m_colours[static_cast<std::size_t>(n)]; }
    void setBoxColour(int n, BoxColour colour);

    QPushButton* BitBtn1 = nullptr;      // OK
    QPushButton* BitBtn2 = nullptr;      // Abort
    QPushButton* BitBtn3 = nullptr;      // "&Ändern" (Retry)
    QPushButton* BitBtn4 = nullptr;      // "&Zufall": the random pick
    QToolButton* SpeedButton1 = nullptr; // save the list
    QToolButton* SpeedButton2 = nullptr; // load the list
    QTimer* Timer1 = nullptr;
    QLabel* Question = nullptr; // the window's caption, shown whole above the numbers

    // The random pick: positions 1..26 of PickedNumbers; PickIndex is the first position not yet
    // fixed; PickCount how many numbers the pick chooses (set by the caller).
    std::array<std::int32_t, 27> PickedNumbers{};
    std::int32_t PickIndex = 1;
    std::int32_t PickCount = 0;

    void SpeedButton1Click(); // save as number list file
    void SpeedButton2Click(); // load a number list file
    void BitBtn4Click();      // start, fix one more number, stop
    void Timer1Timer();

    // Shows the window modally through the dialog adapter and returns the modal result. The
    // pick is reset on every way the window closes.
    int execute();

    void done(int result) override;

    // The hint OK and "&Ändern" show while their own hints are empty: what each of them does.
    QString explanation(const QWidget* button) const { return m_explanations.value(button); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resetPick();
    void untickAllNeutral();
    void runAction(void (TForm6::*operation)());

    Platform m_platform;
    QHash<const QWidget*, QString> m_explanations;
    std::array<QCheckBox*, 50> m_boxes{};
    std::array<BoxColour, 50> m_colours{};
};
