#pragma once
#include "gui/Dialogs.h"
#include "gui/Printing.h"
#include "net/HttpGetter.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

class QSoundEffect;

// Today's date and the high-resolution counter that seeds the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual std::uint64_t counter() const = 0;
};

// Opens a web address or a file with the system's default handler. Returns false when no
// handler could be started.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QString& addressOrFile) = 0;
};

// Plays a WAV file asynchronously; a new sound cuts off the one playing. A missing file or
// sound device stays silent.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavPath) = 0;
};

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

// The replaceable adapters one main window uses; tests give fakes.
struct Platform {
    std::shared_ptr<Dialogs> dialogs;
    std::shared_ptr<Clock> clock;
    std::shared_ptr<Sound> sound;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<Printing> printing;
    // The HTTP client of the draw download, made on the first download.
    HttpGetterFactory http;
    // The window may update the draws by itself at start, as the player's setting says. Off for
    // windows that must never go online by themselves (tests, benchmarks).
    bool updateAtStart = true;

    // The real ones: the widget dialogs, the system clock, the win sound through Qt
    // Multimedia, the desktop's handlers, the tip's print preview and the Qt Network client.
    static Platform system();
};
