#include "gui/ProgramModule.h"

#include "base/BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ProgramModule {

QStringList filesFor(const QString& name, const QString& programDirectory) {
    const QString file = QStringLiteral("quintara_%1.so").arg(name);
    const QString program = QDir::cleanPath(programDirectory);
    return {program + QLatin1Char('/') + file,
            QDir::cleanPath(program + QLatin1Char('/') + BuildInfo::moduleDirectoryFromProgram()) +
                QLatin1Char('/') + file};
}

QStringList filesFor(const QString& name) {
    return filesFor(name, QCoreApplication::applicationDirPath());
}

// QLibrary never unloads on destruction, so an entry point stays valid after `library` is gone.
QFunctionPointer resolve(const QStringList& files, const char* symbol, QString* loadedFrom) {
    if (loadedFrom) loadedFrom->clear();
    for (const QString& file : files) {
        if (!QFileInfo(file).isFile()) continue;
        QLibrary library(file);
        const QFunctionPointer entry = library.resolve(symbol);
        if (!entry) continue;
        if (loadedFrom) *loadedFrom = file;
        return entry;
    }
    return nullptr;
}

} // namespace ProgramModule
