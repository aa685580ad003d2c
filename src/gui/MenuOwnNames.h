#pragma once
#include <QString>

class QAction;
class QMenu;

// Menu items with this property (a language's name in that language) show it in the menu's
// right-hand column ("Englisch      English") when their caption differs from it. The caption
// itself stays as a translation file sets it.
inline constexpr const char* OwnNameProperty = "ownName";
void showOwnNames(QMenu* menu);
// What the menu shows for an item: the caption, and after a tab the own name when it shows.
QString shownMenuText(const QAction* item);
