#pragma once
// What the program says on standard error for a terminal to see: one logging category per
// subsystem, warnings on by default, debug and info off. A failure the player is told about is
// also written there, so that it can be diagnosed after the fact; there is no log file.
// QT_LOGGING_RULES (e.g. "quintara.server.warning=false") changes what is written.
#include <QLoggingCategory>
#include <exception>

// The update of the draw history from a results server ("quintara.update").
Q_DECLARE_LOGGING_CATEGORY(logUpdate)
// The program's files: the history file, the atomic writer, tip files, prize tables
// ("quintara.files").
Q_DECLARE_LOGGING_CATEGORY(logFiles)
// The draw results server and its mirror ("quintara.server").
Q_DECLARE_LOGGING_CATEGORY(logServer)

// A failure about to be shown to the player, written to the category it belongs to: a file
// error (base/Errors.h) to "quintara.files"; other errors (a number mistyped) are the player's
// and not written.
void logShownFailure(const std::exception& error);
