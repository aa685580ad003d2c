#include "base/Log.h"

#include "base/Errors.h"

Q_LOGGING_CATEGORY(logUpdate, "quintara.update", QtWarningMsg)
Q_LOGGING_CATEGORY(logFiles, "quintara.files", QtWarningMsg)
Q_LOGGING_CATEGORY(logServer, "quintara.server", QtWarningMsg)

void logShownFailure(const std::exception& error) {
    if (const auto* file = dynamic_cast<const FileError*>(&error)) qCWarning(logFiles).noquote() << file->message();
}
