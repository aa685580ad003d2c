#pragma once
#include "history/DrawRecord.h"
#include "history/OperatorResults.h"
#include "net/HttpGetter.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

class HistoryAppender;

// What the update run needs from the window, called on the user-interface thread. What only
// shows does nothing unless overridden: the mirror has no window.
class DrawDownloadView {
public:
    virtual ~DrawDownloadView() = default;

    // Start of a run: disable the start controls, show the stop button.
    virtual void runStarted() {}
    // End of a run, in every case, after the history file has been closed.
    virtual void runEnded() {}

    // The date picker of the Datenbank tab; it may refuse a date.
    virtual double requestDate() const = 0;
    virtual bool setRequestDate(double dayCount) = 0;
    virtual QDate today() const = 0;
    // The stop button was pressed.
    virtual bool stopRequested() const = 0;
    // The proxy edits.
    virtual QString proxyHostText() const = 0;
    virtual QString proxyPortText() const = 0;

    // Status bar panel 0 (progress) and 1.
    virtual void setStatusText(int /*panel*/, const QString& /*text*/) {}
    // The draw being received: its date and its text on the Datenbank tab.
    virtual void setCurrentDrawDate(double /*dayCount*/) {}
    virtual void setDrawText(const QString& /*text*/) {}
    // After a stored draw: its cross sum and the draw text for the Lottotipp tab.
    virtual void setCrossSumText(const QString& /*text*/) {}
    virtual void setTipDrawText(const QString& /*text*/) {}
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
    QString error; // what ended the run early (a conversion error, the history file)
    // The last failed request: its HTTP status (0 for none) and what went wrong, in words.
    int failureStatus = 0;
    QString failureText;
    QString endReason; // why a range run ended before today (a failed or unreadable answer)
    double newestStored = 0; // the date of the newest draw stored by this run, 0 for none
    bool nextDrawStored = false; // the operator's announced next draw was stored
    QString prizeFileSetAside; // where an unreadable prize file was moved to
    QStringList prizeNotes;    // PrizeTable::notes()
    QString prizeError;        // why the prize tables could not be written
    int holesFilled = 0;  // draws missing between stored ones, put in by this run
    int tablesFilled = 0; // prize tables fetched for draws stored without one

    // What the run came to, in words, for the status bar.
    QString summaryText() const;
    // The run ended early, a request failed or an answer was no usable draw.
    bool wentWrong() const { return !error.isEmpty() || !endReason.isEmpty() || failed > 0 || rejected > 0; }
};

// Where the draws come from: a results server of the per-date protocol (scheme://host[:port],
// one request per day) or the operator's results service (an address with a path: the base of
// its draws of one game, e.g. https://api.opap.gr/draws/v3.0/5103).
struct DrawSource {
    enum Kind { PerDate, Operator };
    Kind kind = PerDate;
    QUrl address;

    // Empty for an address of neither form.
    static std::optional<DrawSource> parse(const QString& text);
};

// One answer of the results server, split into its seven fields.
struct DrawAnswer {
    std::array<int, 6> numbers{};
    int additional = 0;
    int unreadableField = 0; // 2 to 6: the first field that was no number (and counts as 0)

    // Field 1 is the text before the first comma, fields 2 to 6 the texts between the next
    // commas, field 7 all the rest. Fields 1 and 7 must be whole numbers, optionally after
    // blanks, with nothing after them: throws ConversionError otherwise.
    static DrawAnswer parse(const QString& body);

    // Empty for a draw that may be stored: six distinct numbers 1 to 49 and an additional
    // number 0 (none) or 1 to 49 that is not among them. Otherwise the reason, in German.
    QString invalidReason() const;
};

// The update of the draw history, each complete draw appended at once. The run is driven by
// the answers: start() sends the first request and returns, each answer's handler sends the
// next, pauses are timers, so the window handles its events (and the stop button) throughout.
// Per-date protocol: one request per calendar day after the newest stored draw up to today (draws
// moved from Wednesday or Saturday by a holiday fall on any weekday).
// Operator's service: the missing range in date windows, each window paged; a failed window ends
// the run, so no draw after a gap is ever stored. The prize tables go to the companion file, each
// window's before its draws are appended. Then the ranges asked again (recheckRanges): the draws
// missing there are put in, the missing prize tables stored. Last, the announced next draw goes
// to its own file.
class DrawDownload {
public:
    // Called once at the end of a run, after the view's runEnded().
    using Finished = std::function<void(const DrawDownloadResult&)>;

    // The source of a new installation: the operator's results of Lotto.
    static constexpr const char* DefaultServer = "https://api.opap.gr/draws/v3.0/5103";
    // Where quintara-drawserver listens unless told otherwise.
    static constexpr const char* LocalServer = "http://127.0.0.1:8049";
    static constexpr const char* RequestPath = "/zahlen/velmora.asp";
    // The longest date range asked for in one go (about a month, as the service's clients ask);
    // halved down to one day when the service refuses a range.
    static constexpr int MaxRangeDays = 31;
    // A per-date run ends after this many requests in a row that got no answer at all.
    static constexpr int DeadServerFailures = 5;
    static constexpr qint64 PerDateMaxBody = 64 * 1024;
    // A page of the service is a few kB; an answer beyond this is no page of draws.
    static constexpr qint64 OperatorMaxBody = 1024 * 1024;
    // Holes are looked for this far back from today. Older long gaps are the lottery's own
    // pauses (spring 2020, January 2021): asking for them at every update would cost requests
    // for ever.
    static constexpr int HoleLookbackDays = 366;

    DrawDownload(HttpGetter& http, QString historyPath, DrawSource source);
    // A run still going on is dropped: the request is abandoned, nothing more is called.
    ~DrawDownload();
    DrawDownload(const DrawDownload&) = delete;
    DrawDownload& operator=(const DrawDownload&) = delete;

    // The prize tables of the operator's draws go here (PrizeTable); empty: not kept.
    void setPrizeTablePath(const QString& path) { m_prizePath = path; }
    // The next draw the operator announces goes here (NextDraw); empty: not asked for.
    void setNextDrawPath(const QString& path) { m_nextDrawPath = path; }
    // Pause before asking again after "429 Too Many Requests" or 502/503/504 when the answer
    // names no Retry-After; a Retry-After is honoured up to maxPause. At most two retries.
    void setRetryPause(std::chrono::milliseconds pause, std::chrono::milliseconds maxPause) {
        m_retryPause = pause;
        m_maxRetryPause = maxPause;
    }

    // A server address as the user gives it: "http://host[:port]" or "https://...", nothing
    // after the authority but an optional "/". Empty result for anything else.
    static std::optional<QUrl> parseServerAddress(const QString& text);
    // What every request to the operator's service sends: an agent naming the program and its
    // version ("Quintara-GR/1.0") and "Accept: application/json". The per-date protocol keeps
    // the client's own headers.
    static HttpHeaders operatorHeaders();
    // The address of the request for a date: the server address + RequestPath + "?Datum=yyyymmdd".
    static QUrl requestUrl(const QUrl& serverAddress, double dayCount);
    static double nextRequestDate(double dayCount);
    // "DDD dd.mm.yy", three blanks, each number after two blanks, "  +  ", the additional number.
    static QString drawText(double dayCount, const DrawAnswer& answer);
    // What an update from the operator asks for again, in date order, each range at most
    // MaxRangeDays long: the days after a stored draw up to the next one when they are more than
    // a week apart, where the later draw lies within HoleLookbackDays before today; and the
    // stored draws after the first one with a prize table that have none.
    static std::vector<std::pair<QDate, QDate>> recheckRanges(const std::vector<DrawRecord>& history,
                                                              const PrizeTable& prizes, const QDate& today);

    bool running() const { return m_running; }

    // Starts the update and returns at once; the view must live until the run has ended. An
    // error that ends the run is reported in the result. A start while a run goes on is refused:
    // `finished` gets a result with `refused` at once.
    void start(DrawDownloadView& view, Finished finished);
    // Ends a running update at once, abandoning the request under way; what was stored stays.
    // The run has ended (runEnded, finished) when this returns.
    void abort();

private:
    struct RangeFetch;

    // An error a step raises ends the run with that error.
    void step(const std::function<void()>& work);
    // The stop button ends the run instead; the answer goes to `handler` as the next step.
    void send(const QUrl& url, const HttpHeaders& headers, const QString& status,
              void (DrawDownload::*handler)(const HttpResult&));
    void begin();
    void stop();
    void end();
    void noteFailure(const HttpResult& answer);
    void append(double day, const DrawAnswer& answer, const QString& text);

    // Per-date protocol.
    void requestDate();
    void takeDateAnswer(const HttpResult& answer);
    // Operator's service.
    // The next window of the appends or, once they have reached today, the next range asked
    // again.
    void requestRange();
    void fetchRange(const QDate& from, const QDate& to);
    void requestPage();
    void takePage(const HttpResult& answer);
    // No answer, or an error status or object (`refused`: a shorter range may be accepted).
    void rangeFailed(const QString& reason, bool refused);
    // Ends the run before today; no draw after the range is stored.
    void giveUp(const QString& reason);
    void takeWindow(const RangeFetch& fetched);
    void takeRecheck(const RangeFetch& fetched);
    void notComplete(const QDate& date);
    void unusable(double day, const QString& invalid);
    // A failure to write is noted in the result and the run goes on.
    void savePrizes();
    void takeAnnounced(const HttpResult& answer);

    HttpGetter& m_http;
    QString m_historyPath;
    DrawSource m_source;
    QString m_prizePath;
    QString m_nextDrawPath;
    std::chrono::milliseconds m_retryPause{5000};
    std::chrono::milliseconds m_maxRetryPause{60000};
    bool m_running = false;
    bool m_abort = false;
    QTimer m_pauseTimer; // asks for the page again after a busy answer

    // The run under way.
    DrawDownloadView* m_view = nullptr;
    Finished m_finished;
    DrawDownloadResult m_result;
    // Held open for the appends, closed before the ranges asked again.
    std::unique_ptr<HistoryAppender> m_file;
    // The newest record: new ones are assembled over it, so its reserved bytes carry over.
    DrawRecord m_buffer;
    double m_date = 0; // the next date asked for, or the first day of the next window
    int m_unansweredInARow = 0;
    PrizeTable m_prizes;
    bool m_prizesChanged = false;
    int m_windowDays = MaxRangeDays;
    std::unique_ptr<RangeFetch> m_range;
    std::vector<std::pair<QDate, QDate>> m_recheck; // still to ask, the first one next
    std::set<double> m_storedDates;
};
