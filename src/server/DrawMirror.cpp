#include "server/DrawMirror.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "base/Log.h"
#include "history/OperatorResults.h"
#include "history/PrizeTable.h"
#include "net/HttpClient.h"
#include "server/DrawServer.h"

#include <QDateTime>
#include <QTimer>
#include <algorithm>
#include <utility>

// The mirror as the update run sees it: no window, today in Greece, nothing to show but the end.
class MirrorView : public DrawDownloadView {
public:
    explicit MirrorView(const DrawMirror::Options& options)
        : m_start(DayCount::fromDate(options.since) - 1), m_proxy(options.proxy) {}
    // An empty history starts on `since`: the run asks from the day after this one.
    double requestDate() const override { return m_start; }
    bool setRequestDate(double) override { return true; }
    QDate today() const override { return OperatorResults::greekDate(QDateTime::currentMSecsSinceEpoch()); }
    bool stopRequested() const override { return false; }
    QString proxyHostText() const override { return m_proxy.host; }
    QString proxyPortText() const override { return QString::number(m_proxy.port); }

private:
    double m_start;
    HttpProxy m_proxy;
};

DrawMirror::DrawMirror(QString historyPath, DrawSource upstream, DrawServer& server, Options options,
                       QObject* parent)
    : QObject(parent), m_path(std::move(historyPath)), m_upstream(std::move(upstream)), m_server(server),
      m_options(std::move(options)), m_http(new HttpClient(this)), m_timer(new QTimer(this)) {
    m_http->setTimeout(m_options.timeout);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &DrawMirror::update);
}

// The run goes before the client it uses (a child, deleted after the members).
DrawMirror::~DrawMirror() = default;

std::chrono::milliseconds DrawMirror::nextDelay(const Options& options, int failures) {
    if (failures <= 0) return options.period;
    auto delay = options.retryMin;
    for (int i = 1; i < failures && delay < options.period; ++i) delay *= 2;
    return std::min(delay, options.period);
}

void DrawMirror::update() {
    if (m_download && m_download->running()) return;
    m_timer->stop();
    m_download = std::make_unique<DrawDownload>(*m_http, m_path, m_upstream);
    m_download->setPrizeTablePath(PrizeTable::companionPath(m_path));
    m_view = std::make_unique<MirrorView>(m_options);
    m_download->start(*m_view, [this](const DrawDownloadResult& result) { ended(result); });
}

void DrawMirror::ended(const DrawDownloadResult& result) {
    const bool failed = !result.error.isEmpty() || !result.endReason.isEmpty() || (result.failed > 0 && result.stored == 0);
    m_failures = failed ? m_failures + 1 : 0;
    if (m_failures > 0)
        qCWarning(logServer).noquote() << "update from" << m_upstream.address.toString() << "failed" << m_failures
                                       << "time(s) in a row:" << result.summaryText();
    try {
        m_server.replaceDraws(DrawTable::fromFile(m_path));
    } catch (const AppError& e) {
        // The server keeps what it served; the next update tries again.
        qCWarning(logServer).noquote() << "still serving the earlier draws:" << e.message();
    }
    const auto next = nextDelay(m_options, m_failures);
    m_timer->start(next);
    emit updated(result, next);
}

// The meta-object code stays in this object file, so a program that links the library without
// using the class does not pull it in (and Qt Network with it).
#include "moc_DrawMirror.cpp" // NOLINT(bugprone-suspicious-include): moc's code for this file's classes
