#pragma once
#include "i18n/Translation.h"

#include <QList>
#include <QString>
#include <vector>

class QObject;
class QWidget;

// The controls of a window that a translation file speaks of, and how each kind of control
// carries its caption, hint and font character set.
namespace WindowTexts {

// In the order a template writer tries them: the first that fits a control names its kind.
enum class Kind {
    MenuItem,    // named QAction of a menu bar or menu; hint = status tip, no font
    Label,       // QLabel, Panel included
    Button,      // push, tool and check buttons, radio buttons
    TabSheet,   // a page of a QTabWidget: caption = tab text, hint = tab tooltip
    RadioGroup, // QGroupBox
    Edit,       // QLineEdit, the edits of up-down spins included: hint only, its text is data
};

struct Component {
    QObject* object;
    Kind kind;
};

// The font character set has no effect on Qt's fonts; it is kept in this property so that a
// template writes back what a translation set. A control without one has the window's base
// font set, Greek (161).
inline constexpr const char* CharsetProperty = "fontCharset";
inline constexpr int BaseCharset = 161;
// Menu items have no font; templates write this number for them.
inline constexpr int MenuCharset = 1;

// The named controls of the window that take part, in layout order (a control before what it
// holds, siblings in creation order). Lists, combo boxes, date pickers, charts, memos and the
// status bar are left out with everything inside them, and so are other windows.
QList<Component> components(QWidget* window);

QString caption(const Component& c);
QString hint(const Component& c);
int charset(const Component& c);

// Gives each control of the window that has an entry its caption (not for edits), hint and
// character set (when the entry's line is a whole number; not for menu items). The window's
// own caption is never touched.
void apply(QWidget* window, const std::vector<Translation::Entry>& entries);

// One entry per control of the window, as a template holds them: an edit writes its hint in
// the caption line, a menu item the character set 1.
std::vector<Translation::Entry> templateEntries(QWidget* window);

} // namespace WindowTexts
