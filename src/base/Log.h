#pragma once
// What the program says on standard error: one logging category per subsystem, warnings on by
// default, debug and info off; QT_LOGGING_RULES changes that. There is no log file.
#include <QLoggingCategory>
#include <exception>

// The update of the draw history from a results server ("quintara.update").
Q_DECLARE_LOGGING_CATEGORY(logUpdate)
// The program's files: the history file, the atomic writer, tip files, prize tables
// ("quintara.files").
Q_DECLARE_LOGGING_CATEGORY(logFiles)
// The draw results server and its mirror ("quintara.server").
Q_DECLARE_LOGGING_CATEGORY(logServer)

// A failure about to be shown to the player: a FileError goes to "quintara.files"; other errors
// (a number mistyped) are the player's and not written.
void logShownFailure(const std::exception& error);
