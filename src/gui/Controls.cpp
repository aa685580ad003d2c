#include "gui/Controls.h"

#include "base/DayCount.h"

#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>

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
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // Handled here: a panel under the label must not answer the same click.
        event->accept();
        emit clicked();
    }
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
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
    }
}

namespace {

QString hostText(const QWidget* host) {
    return host->property("text").toString();
}

// Where the host draws the first character of its caption (left-aligned captions only).
int textLeft(const QWidget* host) {
    if (const auto* box = qobject_cast<const QCheckBox*>(host)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
    }
    if (const auto* label = qobject_cast<const QLabel*>(host)) {
        int indent = label->indent();
        if (indent < 0)
            indent =
                label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        return label->contentsRect().left() + label->margin() + indent;
    }
    return 0;
}

constexpr int kFieldGap = 3; // free pixels left between a field and the words around it

} // namespace

InlineFields::InlineFields(QWidget* host, const QList<QWidget*>& fields) : QObject(host), m_host(host) {
    int height = host->minimumHeight();
    for (QWidget* field : fields) {
        field->setParent(host);
        m_fields << field;
        height = std::max(height, field->sizeHint().height());
    }
    host->setMinimumHeight(height);
    host->installEventFilter(this);
    place();
}

QList<QPair<int, int>> InlineFields::blankRuns(const QWidget* host) {
    const QString text = hostText(host);
    const QFontMetrics metrics(host->font());
    const int left = textLeft(host);
    QList<QPair<int, int>> runs;
    for (qsizetype i = 0; i < text.size();) {
        if (text.at(i) != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && text.at(j) == QLatin1Char(' ')) ++j;
        if (j - i >= 2)
            runs.append({left + metrics.horizontalAdvance(text.left(i)),
                         left + metrics.horizontalAdvance(text.left(j))});
        i = j;
    }
    return runs;
}

void InlineFields::place() {
    m_placedText = hostText(m_host);
    const auto runs = blankRuns(m_host);
    const QFontMetrics metrics(m_host->font());
    int after = textLeft(m_host) + metrics.horizontalAdvance(m_placedText) + 2 * kFieldGap;
    for (int i = 0; i < m_fields.size(); ++i) {
        QWidget* field = m_fields[i];
        if (!field) continue;
        const int height = field->sizeHint().height();
        const int y = (m_host->height() - height) / 2;
        if (i < runs.size()) {
            // Centred in the run, keeping a gap to the words where the run is wide enough; a
            // field never shrinks below the room its digits and arrows need.
            const int run = runs[i].second - runs[i].first;
            const int width = std::max(run - 2 * kFieldGap, std::min(run, field->minimumSizeHint().width()));
            field->setGeometry(runs[i].first + (run - width) / 2, y, width, height);
        } else {
            const int width = field->sizeHint().width();
            field->setGeometry(after, y, width, height);
            after += width + 2 * kFieldGap;
        }
    }
}

bool InlineFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_host) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Polish:
            place();
            break;
        case QEvent::Paint:
            // A new caption (a translation) arrives without an event of its own.
            if (hostText(m_host) != m_placedText) place();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
