#include "support/ModuleFiles.h"

#include <QFile>

namespace {

QByteArray maps() {
    QFile file(QStringLiteral("/proc/self/maps"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool libraryMapped(const char* name) {
    return maps().contains(name);
}

QStringList unusableModuleFiles(const QTemporaryDir& dir, const QString& name) {
    const QString notALibrary = dir.filePath(QStringLiteral("quintara_%1.so").arg(name));
    QFile f(notALibrary);
    if (f.open(QIODevice::WriteOnly)) f.write("not an ELF file\n");
    QString qtCore;
    for (const QByteArray& line : maps().split('\n')) {
        const int at = line.indexOf('/');
        if (at >= 0 && line.contains("libQt6Core.so")) qtCore = QString::fromLocal8Bit(line.mid(at));
    }
    return {dir.filePath(QStringLiteral("missing.so")), notALibrary, qtCore};
}
