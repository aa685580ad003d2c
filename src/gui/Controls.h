#pragma once
#include "base/DayCount.h"

#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QVector>

class QLineEdit;

// An edit field with its up-down button: one spin box named after the up-down control, whose
// line edit carries the edit's name (both resolve by findChild). Mouse presses and releases on
// the arrows are reported, because some option limits move only on those events.
class UpDown : public QSpinBox {
    Q_OBJECT
public:
    UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum, int position,
           QWidget* parent = nullptr);

    QLineEdit* edit() const { return lineEdit(); }
    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }

signals:
    void mousePressed();
    void mouseReleased();
    // The user is about to step the position with the arrows or the arrow keys; position()
    // still holds the value before the step.
    void changing();
    // The user stepped the position with the arrows or the arrow keys.
    void clicked();
    // The user typed a new position into the edit (not stepped, not set from code).
    void typed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void stepBy(int steps) override;

private:
    // Between the edit's textEdited and its textChanged: a new value comes from typing.
    bool m_typing = false;
};

// A date picker with an earliest allowed date. Setting a date outside its range is refused
// (and reported), as the pickers of the program expect, instead of being clamped.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(const QString& name, const QDate& earliest, const QDate& initial, QWidget* parent = nullptr);

    bool trySetDate(const QDate& date);
    bool trySetDayCount(double dayCount) { return trySetDate(DayCount::toDate(dayCount)); }
    double dayCount() const { return DayCount::fromDate(date()); }
};

// The status bar with its text panels, each at least as wide as given. The first panel (progress
// and results) takes whatever room the window has beyond the others; the others are as wide as
// their texts (up to a limit). A text too long for its panel is cut, never widening the window.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    PanelStatusBar(const QString& name, const QVector<int>& widths, QWidget* parent = nullptr);

    QString panelText(int index) const { return m_panels.at(index)->text(); }
    void setPanelText(int index, const QString& text);
    QLabel* panel(int index) const { return m_panels.at(index); }

private:
    QVector<QLabel*> m_panels;
    QVector<int> m_widths;
};

// A label that reports clicks (banner and link labels, chart shortcuts). It takes the keyboard
// focus like a button and is clicked with Enter or Space; only then it shows a focus frame.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& name, const QString& text = {}, QWidget* parent = nullptr);

    // QLabel lays out the text of a label that takes focus as a rich-text document, a layout
    // on every size query; this caption is measured and drawn as any other label's.
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
};

// A panel: a framed area with an optional caption (text()) that other widgets may sit on, and
// that reports clicks like a label.
class Panel : public QLabel {
    Q_OBJECT
public:
    explicit Panel(const QString& name, const QString& caption = {}, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

    // Large enough for the caption and for the widgets its layout holds.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
