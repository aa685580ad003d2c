#include "platform/Controls.h"

#include "app/DayCount.h"

#include <QLineEdit>
#include <QMouseEvent>

UpDown::UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum, int position,
               QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(upDownName);
    lineEdit()->setObjectName(editName);
    setRange(minimum, maximum);
    setValue(position);
    setAccelerated(true);
}

QLineEdit* UpDown::edit() const {
    return QSpinBox::lineEdit();
}

void UpDown::mousePressEvent(QMouseEvent* event) {
    QSpinBox::mousePressEvent(event);
    emit mousePressed();
}

void UpDown::mouseReleaseEvent(QMouseEvent* event) {
    QSpinBox::mouseReleaseEvent(event);
    emit mouseReleased();
}

void UpDown::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    emit clicked();
}

DatePicker::DatePicker(const QString& name, const QDate& earliest, const QDate& initial, QWidget* parent)
    : QDateEdit(parent) {
    setObjectName(name);
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setMinimumDate(earliest);
    setMaximumDate(QDate(9999, 12, 31));
    setDate(initial);
}

bool DatePicker::trySetDate(const QDate& date) {
    if (!date.isValid() || date < minimumDate() || date > maximumDate()) return false;
    setDate(date);
    return true;
}

bool DatePicker::trySetDayCount(double dayCount) {
    return trySetDate(DayCount::toDate(dayCount));
}

double DatePicker::dayCount() const {
    return DayCount::fromDate(date());
}

PanelStatusBar::PanelStatusBar(const QString& name, const QVector<int>& widths, QWidget* parent)
    : QStatusBar(parent) {
    setObjectName(name);
    setSizeGripEnabled(false);
    for (int i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("%1Panel%2").arg(name).arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        const bool last = i + 1 == widths.size();
        if (!last) label->setFixedWidth(widths[i]);
        addWidget(label, last ? 1 : 0);
        m_panels.push_back(label);
    }
}

QString PanelStatusBar::panelText(int index) const {
    return m_panels.at(index)->text();
}

void PanelStatusBar::setPanelText(int index, const QString& text) {
    m_panels.at(index)->setText(text);
}

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(name);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}
