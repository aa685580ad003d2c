#pragma once
#include <QString>

class QWidget;

// Gives every control of the window that takes the keyboard focus a name for screen readers
// where its own text does not give one: its hint, else the caption of the sentence or the
// label it stands in or beside. Run again after the captions changed (a translation).
void nameForScreenReaders(QWidget* window);

// A control the keyboard can reach (the parts of a spin or combo box count as that box).
bool takesFocus(const QWidget* widget);

// The name a screen reader announces for a widget (its accessible name).
QString screenReaderName(QWidget* widget);
