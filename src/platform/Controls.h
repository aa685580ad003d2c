#pragma once
#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QVector>

class QLineEdit;

// An edit field with its up-down button: one spin box named after the up-down control, whose
// line edit carries the edit's name (both resolve by findChild). The position is value(), the
// limits are minimum() and maximum(). Mouse presses and releases on the arrows are reported,
// because some option limits move only on those events.
class UpDown : public QSpinBox {
    Q_OBJECT
public:
    UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum, int position,
           QWidget* parent = nullptr);

    QLineEdit* edit() const;
    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }

signals:
    void mousePressed();
    void mouseReleased();
    // The user stepped the position with the arrows or the arrow keys.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void stepBy(int steps) override;
};

// A date picker with an earliest allowed date. Setting a date outside its range is refused
// (and reported), as the pickers of the program expect, instead of being clamped.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const QString& name, const QDate& earliest, const QDate& initial, QWidget* parent = nullptr);

    bool trySetDate(const QDate& date);
    bool trySetDayCount(double dayCount);
    double dayCount() const;
};

// The status bar with its text panels; panel widths as given, the last one stretching.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    PanelStatusBar(const QString& name, const QVector<int>& widths, QWidget* parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    QLabel* panel(int index) const { return m_panels.at(index); }

private:
    QVector<QLabel*> m_panels;
};

// A label that reports clicks (banner and link labels, chart shortcuts).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& name, const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
