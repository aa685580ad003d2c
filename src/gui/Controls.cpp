#include "gui/Controls.h"

#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

UpDown::UpDown(const QString& upDownName, const QString& editName, int minimum, int maximum, int position,
               QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(upDownName);
    lineEdit()->setObjectName(editName);
    setRange(minimum, maximum);
    setValue(position);
    setAccelerated(true);
    // The edit tells of a keystroke before the spin box reads the text; the value it reads
    // then was typed. Connected after the spin box's own reading, so the flag is cleared last.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typing = true; });
    connect(this, &QSpinBox::valueChanged, this, [this] {
        if (m_typing) emit typed();
    });
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] { m_typing = false; });
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
    emit changing();
    QSpinBox::stepBy(steps);
    emit clicked();
}

DatePicker::DatePicker(const QString& name, const QDate& earliest, const QDate& initial, QWidget* parent)
    : QDateEdit(parent) {
    setObjectName(name);
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setMinimumDate(earliest);
    setDate(initial);
}

bool DatePicker::trySetDate(const QDate& date) {
    if (!date.isValid() || date < minimumDate() || date > maximumDate()) return false;
    // The date shown already: setting it again would only lay out the same text anew.
    if (date != this->date()) setDate(date);
    return true;
}

PanelStatusBar::PanelStatusBar(const QString& name, const QVector<int>& widths, QWidget* parent)
    : QStatusBar(parent), m_widths(widths) {
    setObjectName(name);
    setSizeGripEnabled(false);
    for (int i = 0; i < widths.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("%1Panel%2").arg(name).arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        const bool first = i == 0;
        if (first)
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        else
            label->setFixedWidth(widths[i]);
        addWidget(label, first ? 1 : 0);
        m_panels.push_back(label);
    }
}

void PanelStatusBar::setPanelText(int index, const QString& text) {
    QLabel* label = m_panels.at(index);
    label->setText(text);
    // The first panel gets whatever the others leave; they keep room for their text, up to a
    // limit, so that a long one cannot squeeze the first panel to nothing.
    constexpr int MostForOthers = 260;
    if (index > 0) label->setFixedWidth(std::clamp(label->sizeHint().width(), m_widths.at(index), MostForOthers));
}

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
}

namespace {

// QLabel makes its text document when the text is set or measured while the label takes focus;
// until the guard ends, the label counts as one that takes none.
auto asPlain(const QLabel* label) {
    auto* plain = const_cast<QLabel*>(label);
    const Qt::FocusPolicy policy = plain->focusPolicy();
    plain->setFocusPolicy(Qt::NoFocus);
    return qScopeGuard([plain, policy] { plain->setFocusPolicy(policy); });
}

// A left-button release inside the widget is its click, handled there: a panel under a label
// must not answer the same click.
bool acceptClick(const QWidget* widget, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !widget->rect().contains(event->position().toPoint()))
        return false;
    event->accept();
    return true;
}

} // namespace

void ClickLabel::setText(const QString& text) {
    const auto plain = asPlain(this);
    QLabel::setText(text);
}

QSize ClickLabel::sizeHint() const {
    const auto plain = asPlain(this);
    return QLabel::sizeHint();
}

QSize ClickLabel::minimumSizeHint() const {
    const auto plain = asPlain(this);
    return QLabel::minimumSizeHint();
}

int ClickLabel::heightForWidth(int width) const {
    const auto plain = asPlain(this);
    return QLabel::heightForWidth(width);
}

bool ClickLabel::event(QEvent* event) {
    if (event->type() != QEvent::Polish) return QLabel::event(event);
    const auto plain = asPlain(this);
    return QLabel::event(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event) {
    // QLabel would make the document to move between links; plain text has none.
    QFrame::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (acceptClick(this, event)) emit clicked();
}

Panel::Panel(const QString& name, const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(4);
}

QSize Panel::sizeHint() const {
    const QSize own = QLabel::sizeHint();
    return layout() ? own.expandedTo(layout()->totalSizeHint()) : own;
}

QSize Panel::minimumSizeHint() const {
    // Without a caption only the frame needs room.
    const QSize own =
        text().isEmpty() ? QSize(2 * frameWidth(), 2 * frameWidth()) : QLabel::minimumSizeHint();
    return layout() ? own.expandedTo(layout()->totalMinimumSize()) : own;
}

void Panel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (acceptClick(this, event)) emit clicked();
}
