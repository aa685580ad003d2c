#include "gui/WindowTexts.h"

#include "gui/Controls.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <optional>

namespace WindowTexts {

namespace {

// Qt names its own inner widgets "qt_..."; they are no controls of the program.
bool named(const QObject* o) {
    const QString name = o->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QTabWidget* tabsOfPage(const QObject* o) {
    const auto* page = qobject_cast<const QWidget*>(o);
    if (!page) return nullptr;
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(const_cast<QWidget*>(page)) >= 0 ? tabs : nullptr;
}

std::optional<Kind> classify(QObject* o) {
    if (auto* action = qobject_cast<QAction*>(o)) {
        if (qobject_cast<QMenu*>(action->parent()) || qobject_cast<QMenuBar*>(action->parent()))
            return Kind::MenuItem;
        return std::nullopt;
    }
    if (qobject_cast<QLabel*>(o)) return Kind::Label;
    if (qobject_cast<QAbstractButton*>(o)) return Kind::Button;
    if (tabsOfPage(o)) return Kind::TabSheet;
    if (qobject_cast<QGroupBox*>(o)) return Kind::RadioGroup;
    if (qobject_cast<QLineEdit*>(o)) return Kind::Edit;
    return std::nullopt;
}

// Controls whose inner parts are theirs alone: nothing inside them is translated.
bool closed(QObject* o) {
    return qobject_cast<QAbstractSpinBox*>(o) || qobject_cast<QComboBox*>(o) || qobject_cast<QTabBar*>(o) ||
           qobject_cast<QAbstractScrollArea*>(o) || qobject_cast<QStatusBar*>(o) ||
           qobject_cast<QCalendarWidget*>(o);
}

// A stacked widget reorders its children as pages are shown; its pages count in page order.
QObjectList childrenInOrder(QObject* parent) {
    auto* stack = qobject_cast<QStackedWidget*>(parent);
    if (!stack) return parent->children();
    QObjectList ordered;
    for (int i = 0; i < stack->count(); ++i) ordered << stack->widget(i);
    for (QObject* child : parent->children())
        if (!ordered.contains(child)) ordered << child;
    return ordered;
}

void collect(QObject* parent, QList<Component>& out) {
    for (QObject* child : childrenInOrder(parent)) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Other windows are translated on their own; a menu is a popup window of this one.
        if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget)) continue;
        if (named(child))
            if (const auto kind = classify(child)) out.push_back({child, *kind});
        if (auto* spin = qobject_cast<UpDown*>(child)) {
            // The edit of an up-down spin is an edit field of its own.
            if (named(spin->edit())) out.push_back({spin->edit(), Kind::Edit});
            continue;
        }
        if (widget && !closed(widget)) collect(widget, out);
    }
}

// A tab page has its caption and hint in its tab widget; every other kind in properties.
int pageIndex(const Component& c) {
    return tabsOfPage(c.object)->indexOf(static_cast<QWidget*>(c.object));
}

const char* captionProperty(Kind kind) {
    return kind == Kind::RadioGroup ? "title" : "text";
}

const char* hintProperty(Kind kind) {
    return kind == Kind::MenuItem ? "statusTip" : "toolTip";
}

bool isSeparator(const Component& c) {
    const auto* action = qobject_cast<const QAction*>(c.object);
    return action && action->isSeparator();
}

void setCaption(const Component& c, const QString& text) {
    if (c.kind == Kind::TabSheet)
        tabsOfPage(c.object)->setTabText(pageIndex(c), text);
    else if (auto* click = qobject_cast<ClickLabel*>(c.object))
        click->setText(text);
    else if (c.kind != Kind::Edit && !isSeparator(c))
        c.object->setProperty(captionProperty(c.kind), text);
}

void setHint(const Component& c, const QString& text) {
    if (c.kind == Kind::TabSheet)
        tabsOfPage(c.object)->setTabToolTip(pageIndex(c), text);
    else
        c.object->setProperty(hintProperty(c.kind), text);
}

} // namespace

QList<Component> components(QWidget* window) {
    QList<Component> out;
    collect(window, out);
    return out;
}

QString caption(const Component& c) {
    if (c.kind == Kind::TabSheet) return tabsOfPage(c.object)->tabText(pageIndex(c));
    if (c.kind == Kind::Edit) return {};
    if (isSeparator(c)) return QStringLiteral("-");
    return c.object->property(captionProperty(c.kind)).toString();
}

QString hint(const Component& c) {
    if (c.kind == Kind::TabSheet) return tabsOfPage(c.object)->tabToolTip(pageIndex(c));
    return c.object->property(hintProperty(c.kind)).toString();
}

int charset(const Component& c) {
    if (c.kind == Kind::MenuItem) return MenuCharset;
    bool ok = false;
    const int value = c.object->property(CharsetProperty).toInt(&ok);
    return ok ? value : BaseCharset;
}

void apply(QWidget* window, const std::vector<Translation::Entry>& entries) {
    // The first entry for each control of this window, looked up by name.
    const QString windowName = window->objectName();
    QHash<QString, const Translation::Entry*> first;
    for (const Translation::Entry& e : entries)
        if (e.window == windowName && !first.contains(e.component)) first.insert(e.component, &e);
    for (const Component& c : components(window)) {
        const Translation::Entry* entry = first.value(c.object->objectName());
        if (!entry) continue;
        setCaption(c, entry->caption);
        setHint(c, entry->hint);
        const auto number = Translation::charsetNumber(*entry);
        if (number && c.kind != Kind::MenuItem) c.object->setProperty(CharsetProperty, *number);
    }
}

std::vector<Translation::Entry> templateEntries(QWidget* window) {
    std::vector<Translation::Entry> entries;
    for (const Component& c : components(window)) {
        Translation::Entry e;
        e.window = window->objectName();
        e.component = c.object->objectName();
        e.hint = hint(c);
        e.caption = c.kind == Kind::Edit ? e.hint : caption(c);
        e.charset = QString::number(charset(c));
        entries.push_back(std::move(e));
    }
    return entries;
}

} // namespace WindowTexts
