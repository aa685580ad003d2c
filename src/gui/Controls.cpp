#include "gui/Controls.h"

#include "base/DayCount.h"

#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <functional>

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
    // The date shown already: setting it again would only lay out the same text anew.
    if (date != this->date()) setDate(date);
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

ClickLabel::ClickLabel(const QString& name, const QString& text, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
}

namespace {

// QLabel makes its text document when the text is set or measured while the label takes focus;
// within this scope the label counts as one that takes none.
class AsPlainLabel {
public:
    explicit AsPlainLabel(const QLabel* label)
        : m_label(const_cast<QLabel*>(label)), m_policy(label->focusPolicy()) {
        m_label->setFocusPolicy(Qt::NoFocus);
    }
    ~AsPlainLabel() { m_label->setFocusPolicy(m_policy); }
    AsPlainLabel(const AsPlainLabel&) = delete;
    AsPlainLabel& operator=(const AsPlainLabel&) = delete;

private:
    QLabel* m_label;
    Qt::FocusPolicy m_policy;
};

} // namespace

void ClickLabel::setText(const QString& text) {
    const AsPlainLabel plain(this);
    QLabel::setText(text);
}

QSize ClickLabel::sizeHint() const {
    const AsPlainLabel plain(this);
    return QLabel::sizeHint();
}

QSize ClickLabel::minimumSizeHint() const {
    const AsPlainLabel plain(this);
    return QLabel::minimumSizeHint();
}

int ClickLabel::heightForWidth(int width) const {
    const AsPlainLabel plain(this);
    return QLabel::heightForWidth(width);
}

bool ClickLabel::event(QEvent* event) {
    if (event->type() == QEvent::Polish) {
        const AsPlainLabel plain(this);
        return QLabel::event(event);
    }
    return QLabel::event(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event) {
    // QLabel would make the document to move between links; plain text has none.
    QFrame::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier) break;
        event->accept();
        emit clicked();
        return;
    default:
        break;
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
    // A host not on screen is placed when it is shown: the captions of pages never opened are
    // not measured, and a translation applied meanwhile is measured once.
    if (!m_host->isVisible()) return;
    const QString text = hostText(m_host);
    const int left = textLeft(m_host);
    if (!m_measured || text != m_placedText || left != m_measuredLeft || m_host->font() != m_measuredFont) {
        m_runs = blankRuns(m_host);
        m_textEnd = left + QFontMetrics(m_host->font()).horizontalAdvance(text);
        m_measuredFont = m_host->font();
        m_measuredLeft = left;
        m_measured = true;
    }
    m_placedText = text;
    const QList<QPair<int, int>>& runs = m_runs;
    int after = m_textEnd + 2 * kFieldGap;
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

namespace {

QString spoken(QString text) {
    text.remove(QLatin1Char('&'));
    return text.simplified();
}

QString ownText(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return spoken(button->text());
    if (auto* label = qobject_cast<QLabel*>(w)) return spoken(label->text());
    return {};
}

// The label standing before the widget in its layout: left of it in a row, or above it.
QString labelBefore(QWidget* w) {
    QWidget* parent = w->parentWidget();
    if (!parent || !parent->layout()) return {};
    // The layout that holds the widget, searched through the nested layouts.
    std::function<QLayout*(QLayout*)> holder = [&](QLayout* layout) -> QLayout* {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (item->widget() == w) return layout;
            if (item->layout())
                if (QLayout* inner = holder(item->layout())) return inner;
        }
        return nullptr;
    };
    QLayout* layout = holder(parent->layout());
    if (!layout) return {};
    const int index = layout->indexOf(w);
    auto textOf = [](QLayoutItem* item) {
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        return label && label->isVisibleTo(label->parentWidget()) ? spoken(label->text()) : QString();
    };
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        for (int c = column - 1; c >= 0; --c)
            if (const QString t = textOf(grid->itemAtPosition(row, c)); !t.isEmpty()) return t;
        if (row > 0)
            if (const QString t = textOf(grid->itemAtPosition(row - 1, column)); !t.isEmpty()) return t;
        return {};
    }
    for (int i = index - 1; i >= 0; --i)
        if (const QString t = textOf(layout->itemAt(i)); !t.isEmpty()) return t;
    return {};
}

QString contextName(QWidget* w) {
    if (!w->toolTip().isEmpty()) return spoken(w->toolTip());
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        if (auto* edit = spin->findChild<QLineEdit*>(); edit && !edit->toolTip().isEmpty())
            return spoken(edit->toolTip());
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i) pages << spoken(tabs->tabText(i));
        return pages.join(QStringLiteral(", "));
    }
    // A field inside a sentence: the sentence is its name.
    if (QWidget* host = w->parentWidget()) {
        if (qobject_cast<QLabel*>(host) || qobject_cast<QAbstractButton*>(host))
            if (const QString t = ownText(host); !t.isEmpty()) return t;
    }
    if (const QString t = labelBefore(w); !t.isEmpty()) return t;
    // A control on a captioned panel, or whose parent has a hint.
    for (QWidget* up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (const QString t = ownText(up); !t.isEmpty()) return t;
        if (!up->toolTip().isEmpty()) return spoken(up->toolTip());
        // The page it stands on.
        auto* stack = qobject_cast<QStackedWidget*>(up->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
            if (const int i = tabs->indexOf(up); i >= 0) return spoken(tabs->tabText(i));
    }
    return spoken(w->window()->windowTitle());
}

} // namespace

bool takesFocus(const QWidget* w) {
    if (w->focusPolicy() == Qt::NoFocus) return false;
    // The parts of a spin box or combo box (its edit, its list) belong to that control, which
    // carries the name.
    for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up)) return false;
    return true;
}

void nameForScreenReaders(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!takesFocus(w)) continue;
        // Names this function gave earlier are renewed; names given elsewhere stay.
        const bool ours = w->property("generatedAccessibleName").toBool();
        if (!w->accessibleName().isEmpty() && !ours) continue;
        QString name = ownText(w);
        if (!name.isEmpty()) {
            if (ours) w->setAccessibleName(QString());
            w->setProperty("generatedAccessibleName", false);
            continue; // its own caption names it
        }
        name = contextName(w);
        if (name.isEmpty()) continue;
        w->setAccessibleName(name);
        w->setProperty("generatedAccessibleName", true);
    }
}

QString screenReaderName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

namespace {

// Draws the own name of a language item where a menu draws shortcuts.
class OwnNameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (element == CE_MenuItem && item && menu) {
            for (QAction* action : menu->actions()) {
                if (menu->actionGeometry(action) != item->rect) continue;
                QStyleOptionMenuItem own(*item);
                own.text = shownMenuText(action);
                QProxyStyle::drawControl(element, &own, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        const auto* menu = qobject_cast<const QMenu*>(widget);
        if (type == CT_MenuItem && menu) {
            // Room for the widest own name beside every item.
            int widest = 0;
            for (QAction* action : menu->actions()) {
                const QString own = shownMenuText(action).section(QLatin1Char('\t'), 1);
                widest = std::max(widest, option->fontMetrics.horizontalAdvance(own));
            }
            if (widest > 0) s.rwidth() += widest + option->fontMetrics.horizontalAdvance(QStringLiteral("MMM"));
        }
        return s;
    }
};

} // namespace

QString shownMenuText(const QAction* item) {
    const QString own = item->property(OwnNameProperty).toString();
    QString caption = item->text();
    QString bare = caption;
    bare.remove(QLatin1Char('&'));
    if (own.isEmpty() || bare.contains(own, Qt::CaseInsensitive)) return caption;
    return caption + QLatin1Char('\t') + own;
}

void showOwnNames(QMenu* menu) {
    auto* style = new OwnNameStyle;
    style->setParent(menu);
    menu->setStyle(style);
}
