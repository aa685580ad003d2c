#pragma once
#include "gui/Dialogs.h"
#include "gui/Printing.h"
#include "gui/Sound.h"
#include "net/HttpGetter.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

// Today's date and the high-resolution counter that seeds the random generator.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual std::uint64_t counter() const = 0;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
    std::uint64_t counter() const override;
};

// Opens a web address or a file with the system's default handler. Returns false when no
// handler could be started.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const QString& addressOrFile) = 0;
};

class DesktopShell : public Shell {
public:
    bool open(const QString& addressOrFile) override;
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
