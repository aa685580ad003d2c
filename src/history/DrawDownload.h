#pragma once
#include "history/DrawRecord.h"
#include "net/HttpClient.h"

#include <QDate>
#include <QString>
#include <QUrl>
#include <array>
#include <optional>

// What the update run needs from the window. The run calls these on the user-interface thread,
// also from inside a request while events are being processed.
class DrawDownloadView {
public:
    virtual ~DrawDownloadView() = default;

    // Start of a run: disable the start controls, show the stop button.
    virtual void runStarted() = 0;
    // End of a run, in every case, after the history file has been closed: enable the start
    // controls, hide the stop button, copy the draw text to the Lottotipp tab, re-enable and run
    // the evaluation. An error that ended the run is in DrawDownloadResult::error; the window
    // shows it after this call returns.
    virtual void runEnded() = 0;

    // The request date lives in the date picker of the Datenbank tab during the run; the picker
    // may refuse a date (the run goes on with its own date then).
    virtual double requestDate() const = 0;
    virtual bool setRequestDate(double dayCount) = 0;
    virtual QDate today() const = 0;
    // Polled before every request: the stop button was pressed.
    virtual bool stopRequested() const = 0;

    // The proxy edits, read before every request.
    virtual QString proxyHostText() const = 0;
    virtual QString proxyPortText() const = 0;

    // Status bar panel 0 (progress) and 1.
    virtual void setStatusText(int panel, const QString& text) = 0;
    // The date of the draw being received becomes the current draw's date.
    virtual void setCurrentDrawDate(double dayCount) = 0;
    // The received draw, as the Datenbank tab shows it.
    virtual void setDrawText(const QString& text) = 0;
    // After a stored draw: its cross-sum text and the draw text for the Lottotipp tab.
    virtual void setCrossSumText(const QString& text) = 0;
    virtual void setTipDrawText(const QString& text) = 0;
};

struct DrawDownloadResult {
    int requests = 0;   // requests sent
    int stored = 0;     // draws appended to the history
    int failed = 0;     // failed requests (connection, status, time-out)
    int noDraw = 0;     // answers without a draw (empty body)
    int incomplete = 0; // draws whose sixth number was not yet known
    int rejected = 0;   // answers that are no valid draw
    bool stopped = false;
    bool refused = false; // a run was already going on
    // The error that ended the run early (a conversion error, the history file); empty when the
    // run went to its end or was stopped.
    QString error;
};

// One answer of the results server, split into its seven fields.
struct DrawAnswer {
    std::array<int, 6> numbers{};
    int additional = 0;
    int unreadableField = 0; // 2 to 6: the first field that was no number (and counts as 0)

    // Field 1 is the text before the first comma, fields 2 to 6 the texts between the next
    // commas (a text that is no number counts as 0), field 7 all the rest. Fields 1 and 7 must
    // be whole numbers, optionally after blanks, with nothing after them: throws
    // ConversionError otherwise.
    static DrawAnswer parse(const QString& body);

    // Empty for a draw that may be stored: six distinct numbers 1 to 49 and an additional
    // number 0 (none) or 1 to 49 that is not among them. Otherwise the reason, in German.
    QString invalidReason() const;
};

// The update of the draw history from the results server: one request per draw day after the
// newest stored draw up to today, each complete draw appended at once.
class DrawDownload {
public:
    static constexpr const char* DefaultServer = "http://127.0.0.1:8049";
    static constexpr const char* RequestPath = "/zahlen/velmora.asp";

    // serverAddress: scheme://host:port of the results server.
    DrawDownload(HttpGetter& http, QString historyPath, QUrl serverAddress);

    // A server address as the user gives it: "http://host[:port]" or "https://...", nothing
    // after the authority but an optional "/". Empty result for anything else.
    static std::optional<QUrl> parseServerAddress(const QString& text);
    // The address of the request for a date: the server address + RequestPath + "?Datum=yyyymmdd".
    static QUrl requestUrl(const QUrl& serverAddress, double dayCount);
    // The next request date: Sunday and Wednesday +3, Saturday +4; Monday and Tuesday move to
    // the next Wednesday, Thursday and Friday to the next Saturday.
    static double nextDrawDay(double dayCount);
    // "DDD dd.mm.yy", three blanks, each number after two blanks, "  +  ", the additional number.
    static QString drawText(double dayCount, const DrawAnswer& answer);

    const QUrl& serverAddress() const { return m_server; }
    bool running() const { return m_running; }

    // Runs the update to its end. Never throws an AppError: an error that ends the run is
    // returned in the result after the view's runEnded().
    DrawDownloadResult run(DrawDownloadView& view);
    // Ends a running update at once, abandoning the request under way (for closing the window;
    // the stop button only asks the run to end after the current request).
    void abort();

private:
    void runRequests(DrawDownloadView& view, DrawDownloadResult& result);

    HttpGetter& m_http;
    QString m_historyPath;
    QUrl m_server;
    bool m_running = false;
    bool m_abort = false;
};
