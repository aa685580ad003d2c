#include "gui/MenuOwnNames.h"

#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

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
