#include "gui/ModuleSound.h"

#include "base/BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

const char* const CreateSymbol = "quintara_create_sound";

QString moduleFileName() {
    return QStringLiteral("quintara_sound.so");
}

} // namespace

ModuleSound::ModuleSound() = default;

ModuleSound::ModuleSound(QStringList moduleFiles) : m_files(std::move(moduleFiles)), m_looked(false) {}

// The sound is deleted while its module stays loaded: QLibrary never unloads on destruction.
ModuleSound::~ModuleSound() = default;

QStringList ModuleSound::moduleFilesFor(const QString& programDirectory) {
    const QString program = QDir::cleanPath(programDirectory);
    return {program + QLatin1Char('/') + moduleFileName(),
            QDir::cleanPath(program + QLatin1Char('/') + BuildInfo::moduleDirectoryFromProgram()) +
                QLatin1Char('/') + moduleFileName()};
}

void ModuleSound::load() {
    m_looked = true;
    const QStringList files =
        m_files.isEmpty() ? moduleFilesFor(QCoreApplication::applicationDirPath()) : m_files;
    for (const QString& file : files) {
        if (!QFileInfo(file).isFile()) continue;
        QLibrary library(file);
        using Create = Sound* (*)();
        const auto create = reinterpret_cast<Create>(library.resolve(CreateSymbol));
        if (!create) continue;
        m_sound.reset(create());
        if (!m_sound) continue;
        m_loadedFrom = file;
        return;
    }
}

void ModuleSound::play(const QString& wavPath) {
    // No file, no sound: the module is not worth loading for it.
    if (!QFileInfo::exists(wavPath)) return;
    if (!m_looked) load();
    if (m_sound) m_sound->play(wavPath);
}
