#include "support/PageGeometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// The controls a page shows, each with its rectangle in page coordinates; composite controls
// (spin boxes, combo boxes, lists, the chart) count as one.
void collectControls(QWidget* parent, QList<QWidget*>& out) {
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isHidden() || qobject_cast<QTabWidget*>(w)) continue;
        const bool composite = qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                               qobject_cast<QAbstractItemView*>(w) || qobject_cast<QGraphicsView*>(w);
        if (composite || qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QLineEdit*>(w))
            out << w;
        if (!composite) collectControls(w, out);
    }
}

} // namespace

void expectNothingCutOffOrOverlapping(QWidget* page) {
    SCOPED_TRACE(page->objectName().toStdString());
    QList<QWidget*> controls;
    collectControls(page, controls);
    ASSERT_FALSE(controls.isEmpty());
    auto rectOf = [page](QWidget* w) { return QRect(w->mapTo(page, QPoint(0, 0)), w->size()); };
    for (QWidget* w : controls) {
        const std::string name = w->objectName().toStdString();
        EXPECT_TRUE(page->rect().contains(rectOf(w))) << name << " leaves the page";
        const auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            EXPECT_GE(w->height(), label->heightForWidth(w->width())) << name << " is cut off";
        } else {
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name << " is cut off";
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name << " is cut off";
        }
    }
    for (QWidget* a : controls)
        for (QWidget* b : controls)
            if (a < b && !a->isAncestorOf(b) && !b->isAncestorOf(a)) {
                EXPECT_FALSE(rectOf(a).intersects(rectOf(b)))
                    << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
            }
}
