#include "gui/ScreenReaderNames.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>

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
    // The layout that holds the widget: the parent's or one nested in it (its child).
    QList<QLayout*> layouts = parent->layout()->findChildren<QLayout*>();
    layouts.prepend(parent->layout());
    const auto holder =
        std::find_if(layouts.cbegin(), layouts.cend(), [w](QLayout* l) { return l->indexOf(w) >= 0; });
    if (holder == layouts.cend()) return {};
    QLayout* layout = *holder;
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
    if (QWidget* host = w->parentWidget())
        if (const QString t = ownText(host); !t.isEmpty()) return t;
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
