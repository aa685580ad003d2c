#include "gui/Platform.h"

#include "gui/TipPrint.h"
#include "net/HttpClient.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <chrono>

namespace {

class SystemClock : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    std::uint64_t counter() const override {
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
};

class DesktopShell : public Shell {
public:
    bool open(const QString& addressOrFile) override {
        QUrl url(addressOrFile);
        if (url.scheme().isEmpty() || QFileInfo::exists(addressOrFile)) url = QUrl::fromLocalFile(addressOrFile);
        return QDesktopServices::openUrl(url);
    }
};

} // namespace

WavSound::WavSound() = default;
WavSound::~WavSound() = default;

void WavSound::play(const QString& wavPath) {
    if (!QFileInfo::exists(wavPath)) return;
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(wavPath);
    m_effect->stop();
    if (m_effect->source() != url) m_effect->setSource(url);
    m_effect->play();
}

Platform Platform::system() {
    Platform p;
    p.dialogs = std::make_shared<WidgetDialogs>();
    p.clock = std::make_shared<SystemClock>();
    p.sound = std::make_shared<WavSound>();
    p.shell = std::make_shared<DesktopShell>();
    p.printing = std::make_shared<Printing>();
    p.http = [] { return std::unique_ptr<HttpGetter>(std::make_unique<HttpClient>()); };
    return p;
}
