#pragma once
#include "gui/Sound.h"

#include <memory>

class QSoundEffect;

// Sound through Qt Multimedia. This is the one user of Qt Multimedia and lives in the sound
// module (quintara_sound.so), which the program loads on the first sound (gui/ModuleSound.h):
// the multimedia libraries and the audio stack they pull in cost nothing at start-up.
class WavSound : public Sound {
public:
    WavSound();
    ~WavSound() override;
    void play(const QString& wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

// The module's one entry point, looked up by name. The caller owns the sound and deletes it
// while the module is still loaded (the program never unloads it).
extern "C" Q_DECL_EXPORT Sound* quintara_create_sound();
