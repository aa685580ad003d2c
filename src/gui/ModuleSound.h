#pragma once
#include "gui/Sound.h"

#include <QStringList>
#include <memory>

// The program's sound: forwards to the sound module (quintara_sound.so, see gui/WavSound.h),
// loaded on the first sound that has a file to play. The module is looked for once; when none
// of the places holds a usable one, the program stays silent, as on a machine without audio.
class ModuleSound : public Sound {
public:
    // Looks in the program's own places (moduleFilesFor the running program's directory).
    ModuleSound();
    // Looks in these files, in order (tests).
    explicit ModuleSound(QStringList moduleFiles);
    ~ModuleSound() override;

    void play(const QString& wavPath) override;

    // Where a program in programDirectory finds the module: beside it (the build tree, a
    // portable copy), then in the installed library directory relative to it.
    static QStringList moduleFilesFor(const QString& programDirectory);
    // The module file that was loaded; empty before the first sound or when none was usable.
    const QString& loadedFrom() const { return m_loadedFrom; }

private:
    void load();

    QStringList m_files;
    bool m_looked = false;
    QString m_loadedFrom;
    std::unique_ptr<Sound> m_sound;
};
