#pragma once
#include <QIcon>
#include <QStyle>

// The style's standard icon, asked of the style only when the icon is first drawn (or its
// sizes are asked for). The style decodes every size of a standard icon when asked; a window
// full of buttons would pay for that at start-up although most pages are not shown yet.
// The icon counts as not null without asking the style: every standard icon the program uses
// exists in the styles Qt ships.
QIcon standardIcon(QStyle::StandardPixmap which);

// The program's icon: the installed theme's when there is one, else the copies built into the
// program as bare pixels (":/icons/quintara-16.rgba", -32 and -64, see quintara_window_icon).
// Nothing is decoded for them, and no image reader is asked: one left to guess the format
// would load every image format plugin, Qt SVG with them, before the first window shows.
QIcon programIcon();
