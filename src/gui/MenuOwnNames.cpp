#include "gui/MenuOwnNames.h"

#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace {

// Width of the column the own names stand in: the widest of the menu's own names.
int ownNameWidth(const QMenu* menu, const QFontMetrics& metrics) {
    int widest = 0;
    for (QAction* action : menu->actions()) {
        const QString own = shownMenuText(action).section(QLatin1Char('\t'), 1);
        widest = std::max(widest, metrics.horizontalAdvance(own));
    }
    return widest;
}

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
                // The menu reserves the shortcut column for real shortcuts only (none here);
                // without this the styles draw the name from the item's right edge, cut.
                own.reservedShortcutWidth = std::max(item->reservedShortcutWidth,
                                                     ownNameWidth(menu, item->fontMetrics) + columnGap(item->fontMetrics));
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
            const int widest = ownNameWidth(menu, option->fontMetrics);
            if (widest > 0) s.rwidth() += widest + columnGap(option->fontMetrics);
        }
        return s;
    }

private:
    static int columnGap(const QFontMetrics& metrics) { return metrics.horizontalAdvance(QStringLiteral("MMM")); }
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
