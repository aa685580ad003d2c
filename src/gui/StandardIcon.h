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
// program (":/icons/quintara-16.png", -32 and -64). Those are read by Qt's built-in PNG reader
// alone: a reader left to guess the format would load every image format plugin, Qt SVG with
// them, before the first window shows.
QIcon programIcon();
