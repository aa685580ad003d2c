#pragma once
// Waiting in a test for what the program does asynchronously: each helper starts the work and
// runs a local event loop (bounded) until its outcome arrives. The loopback servers of the test
// keep answering meanwhile. A wait that runs out fails the test and abandons the work.
#include "history/DrawDownload.h"
#include "net/HttpGetter.h"

#include <chrono>
#include <functional>

class DrawMirror;

// The outcome of one GET.
HttpResult fetch(HttpGetter& client, const QUrl& url, const HttpProxy& proxy = {}, const HttpHeaders& headers = {});
// An update run from its start to its end.
DrawDownloadResult runToEnd(DrawDownload& download, DrawDownloadView& view);
// One update of the mirror, as it reports it.
DrawDownloadResult updateOnce(DrawMirror& mirror);
// Runs events until `done` holds; false when it still does not after the limit.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::minutes(5));
