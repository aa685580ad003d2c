#include "gui/ModuleSound.h"

#include "gui/ProgramModule.h"

#include <QFileInfo>

ModuleSound::ModuleSound() = default;

ModuleSound::ModuleSound(QStringList moduleFiles) : m_files(std::move(moduleFiles)), m_looked(false) {}

// The sound is deleted while its module stays loaded: QLibrary never unloads on destruction.
ModuleSound::~ModuleSound() = default;

QStringList ModuleSound::moduleFilesFor(const QString& programDirectory) {
    return ProgramModule::filesFor(QStringLiteral("sound"), programDirectory);
}

void ModuleSound::load() {
    m_looked = true;
    using Create = Sound* (*)();
    QString file;
    const auto create = reinterpret_cast<Create>(ProgramModule::resolve(
        m_files.isEmpty() ? ProgramModule::filesFor(QStringLiteral("sound")) : m_files,
        "quintara_create_sound", &file));
    if (create) m_sound.reset(create());
    if (m_sound) m_loadedFrom = file;
}

void ModuleSound::play(const QString& wavPath) {
    // No file, no sound: the module is not worth loading for it.
    if (!QFileInfo::exists(wavPath)) return;
    if (!m_looked) load();
    if (m_sound) m_sound->play(wavPath);
}
