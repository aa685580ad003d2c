#include "support/Trigger.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

bool usable(QWidget* widget, const QString& name) {
    if (!widget->isVisibleTo(widget->window())) {
        ADD_FAILURE() << "control " << name.toStdString() << " is hidden";
        return false;
    }
    if (!widget->isEnabled()) {
        ADD_FAILURE() << "control " << name.toStdString() << " is disabled";
        return false;
    }
    return true;
}

} // namespace

bool triggerControl(QWidget* root, const QString& name) {
    if (auto* button = root->findChild<QAbstractButton*>(name)) {
        if (!usable(button, name)) return false;
        button->click();
        return true;
    }
    if (auto* action = root->findChild<QAction*>(name)) {
        if (!action->isEnabled()) {
            ADD_FAILURE() << "action " << name.toStdString() << " is disabled";
            return false;
        }
        action->trigger();
        return true;
    }
    ADD_FAILURE() << "no button or action named " << name.toStdString();
    return false;
}

bool clickLabel(QWidget* root, const QString& name) {
    auto* label = root->findChild<QLabel*>(name);
    if (!label) {
        ADD_FAILURE() << "no label named " << name.toStdString();
        return false;
    }
    if (!usable(label, name)) return false;
    const QPointF centre = QRectF(label->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, label->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, label->mapToGlobal(centre),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
    return true;
}
