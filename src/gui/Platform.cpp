#include "gui/Platform.h"

#include "gui/TipPrint.h"
#include "gui/WavSound.h"
#include "net/HttpClient.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <chrono>

QDate SystemClock::today() const {
    return QDate::currentDate();
}

std::uint64_t SystemClock::counter() const {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

bool DesktopShell::open(const QString& addressOrFile) {
    QUrl url(addressOrFile);
    if (url.scheme().isEmpty() || QFileInfo::exists(addressOrFile)) url = QUrl::fromLocalFile(addressOrFile);
    return QDesktopServices::openUrl(url);
}

Platform Platform::system() {
    Platform p;
    p.dialogs = std::make_shared<WidgetDialogs>();
    p.clock = std::make_shared<SystemClock>();
    p.sound = std::make_shared<WavSound>();
    p.shell = std::make_shared<DesktopShell>();
    p.printing = std::make_shared<TipPrinting>();
    p.http = [] { return std::unique_ptr<HttpGetter>(std::make_unique<HttpClient>()); };
    return p;
}
