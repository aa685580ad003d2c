#pragma once
#include "gui/Sound.h"

#include <memory>

class QSoundEffect;

// Sound through Qt Multimedia, the one user of it. The sound effect is made on the first sound
// that has a file to play.
class WavSound : public Sound {
public:
    WavSound();
    ~WavSound() override;
    void play(const QString& wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
