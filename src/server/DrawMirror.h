#pragma once
#include "history/DrawDownload.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class DrawServer;
class HttpClient;
class QTimer;

// Keeps a history file up to date from an upstream source (the operator's results service or
// another results server) and hands the draws to a DrawServer after every update: at start,
// then every period; after a failed update it tries again sooner, doubling the pause from
// retryMin up to the period.
//
// The history grows by appends of whole records and the server answers from the table in memory,
// which is replaced only after an update has finished, so a client never sees a half-written file.
class DrawMirror : public QObject {
    Q_OBJECT
public:
    struct Options {
        std::chrono::milliseconds period{std::chrono::hours(1)};
        std::chrono::milliseconds retryMin{std::chrono::minutes(1)};
        std::chrono::milliseconds timeout{std::chrono::seconds(30)};
        // Where an empty history starts (the first Lotto draw was on 5 December 1990).
        QDate since{1990, 12, 1};
        HttpProxy proxy;
    };

    DrawMirror(QString historyPath, DrawSource upstream, DrawServer& server, Options options,
               QObject* parent = nullptr);
    ~DrawMirror() override;

    // Starts one update now, unless one is going on. When it has ended the server serves the
    // file's draws, whatever the outcome, the next update is scheduled and `updated` says so.
    void update();

    // The pause before the next update after one that failed `failures` times in a row.
    static std::chrono::milliseconds nextDelay(const Options& options, int failures);
    int failuresInARow() const { return m_failures; }

signals:
    void updated(const DrawDownloadResult& result, std::chrono::milliseconds nextIn);

private:
    void ended(const DrawDownloadResult& result);

    QString m_path;
    DrawSource m_upstream;
    DrawServer& m_server;
    Options m_options;
    HttpClient* m_http;
    QTimer* m_timer;
    std::unique_ptr<class MirrorView> m_view;
    std::unique_ptr<DrawDownload> m_download;
    int m_failures = 0;
};
