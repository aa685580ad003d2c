#pragma once
#include <QString>

// Plays a WAV file asynchronously; a new sound cuts off the one playing. A missing file or
// sound device stays silent.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavPath) = 0;
};
