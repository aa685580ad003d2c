#pragma once
#include <QIcon>
#include <QStyle>

// The style's standard icon, asked of the style only when the icon is first drawn (or its
// sizes are asked for). The style decodes every size of a standard icon when asked; a window
// full of buttons would pay for that at start-up although most pages are not shown yet.
// The icon counts as not null without asking the style: every standard icon the program uses
// exists in the styles Qt ships.
QIcon standardIcon(QStyle::StandardPixmap which);
