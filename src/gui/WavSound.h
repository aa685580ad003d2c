#pragma once
#include "gui/Platform.h"

#include <memory>

class QSoundEffect;

// Sound through Qt Multimedia. Created lazily, so a machine without audio costs nothing until
// a winning line asks for the sound.
class WavSound : public Sound {
public:
    WavSound();
    ~WavSound() override;
    void play(const QString& wavPath) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
