#pragma once
// Operates a control the way a user does: found by its object name, required to be visible and
// enabled, then clicked or triggered through its real signal wiring. A renamed, hidden, disabled
// or unconnected control fails the test instead of being bypassed.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

// Clicks the button (or triggers the action) named `name` below `root`. Returns false, with a
// test failure recorded, when there is no such enabled control.
bool triggerControl(QWidget* root, const QString& name);

// Clicks a clickable label (one whose mouse release starts an action) by object name.
bool clickLabel(QWidget* root, const QString& name);
