#include "support/Awaiting.h"

#include "server/DrawMirror.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using namespace std::chrono_literals;

namespace {

// Long enough for an update over the whole history (every append is synced to disk).
constexpr auto kLimit = 5min;

// Runs `loop` until `got` is set or the limit has passed; false for the latter.
template <class T>
bool wait(QEventLoop& loop, const std::optional<T>& got) {
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(kLimit);
    if (!got) loop.exec();
    return got.has_value();
}

} // namespace

HttpResult fetch(HttpGetter& client, const QUrl& url, const HttpProxy& proxy, const HttpHeaders& headers) {
    std::optional<HttpResult> got;
    QEventLoop loop;
    client.get(url, proxy, headers, [&](const HttpResult& result) {
        got = result;
        loop.quit();
    });
    if (!wait(loop, got)) {
        ADD_FAILURE() << "no outcome of the request for " << url.toString().toStdString();
        client.abort();
    }
    return got.value_or(HttpResult{});
}

DrawDownloadResult runToEnd(DrawDownload& download, DrawDownloadView& view) {
    std::optional<DrawDownloadResult> got;
    QEventLoop loop;
    download.start(view, [&](const DrawDownloadResult& result) {
        got = result;
        loop.quit();
    });
    if (!wait(loop, got)) {
        ADD_FAILURE() << "the update did not end";
        download.abort();
    }
    return got.value_or(DrawDownloadResult{});
}

DrawDownloadResult updateOnce(DrawMirror& mirror) {
    std::optional<DrawDownloadResult> got;
    QEventLoop loop;
    const auto connection = QObject::connect(&mirror, &DrawMirror::updated, &loop,
                                             [&](const DrawDownloadResult& result) {
                                                 got = result;
                                                 loop.quit();
                                             });
    mirror.update();
    if (!wait(loop, got)) ADD_FAILURE() << "the mirror's update did not end";
    QObject::disconnect(connection);
    return got.value_or(DrawDownloadResult{});
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    if (done()) return true;
    QEventLoop loop;
    // Checked after every pass of the loop, not after a sleep: each answer is taken at once.
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    check.start(1);
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
