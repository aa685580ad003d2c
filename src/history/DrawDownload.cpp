#include "history/DrawDownload.h"

#include "base/BuildInfo.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawHistory.h"
#include "history/NextDraw.h"
#include "history/PrizeTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <set>
#include <cmath>
#include <utility>

namespace {

QString dateText(double dayCount) {
    return DayCount::toDate(dayCount).toString(QStringLiteral("dd.MM.yyyy"));
}
QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString progressText(const QDate& reached, int stored) {
    if (stored == 0)
        return QCoreApplication::translate("DrawDownload", "Stand %1: noch keine neue Ziehung gespeichert").arg(dateText(reached));
    if (stored == 1)
        return QCoreApplication::translate("DrawDownload", "Stand %1: 1 neue Ziehung gespeichert").arg(dateText(reached));
    return QCoreApplication::translate("DrawDownload", "Stand %1: %2 neue Ziehungen gespeichert").arg(dateText(reached)).arg(stored);
}

// A failed request in words: the transport error as the client words it, or the HTTP status.
QString failureWords(int status, const QString& text) {
    if (status > 0) return QCoreApplication::translate("DrawDownload", "der Server antwortete mit HTTP-Status %1").arg(text);
    return text;
}

const char* const kNoWarranty = QT_TRANSLATE_NOOP("DrawDownload", "Keine Gewähr für die Richtigkeit der Zahlen!");

// Blanks before the number are fine, anything after it is not: a trailing line break means the
// server sent something other than the agreed answer.
bool toFieldInt(const QString& text, int& value) {
    QStringView number(text);
    while (number.startsWith(QLatin1Char(' '))) number = number.mid(1);
    const QStringView digits = number.startsWith(QLatin1Char('+')) || number.startsWith(QLatin1Char('-')) ? number.mid(1) : number;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return false;
    bool ok = false;
    value = number.toInt(&ok, 10);
    return ok;
}

int requiredField(const QString& text) {
    int value = 0;
    if (!toFieldInt(text, value))
        throw ConversionError(QCoreApplication::translate("DrawDownload", "'%1' ist kein gültiger Integerwert").arg(text));
    return value;
}

// The text before the next comma; empty when there is none.
QString beforeComma(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    return comma < 0 ? QString() : text.left(comma);
}

// Drops the text up to and including the next comma; nothing when there is none.
QString afterComma(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    return comma < 0 ? text : text.mid(comma + 1);
}

// A drawn operator's draw as a results server's answer; empty when it may be stored, otherwise why
// not, in words.
QString drawProblem(const OperatorDraw& draw, DrawAnswer& answer) {
    for (size_t i = 0; i < 6 && i < draw.numbers.size(); ++i) answer.numbers[i] = draw.numbers[i];
    answer.additional = draw.bonus.empty() ? 0 : draw.bonus.front();
    if (draw.numbers.size() != 6 || draw.bonus.size() > 1)
        return QCoreApplication::translate("DrawDownload", "%1 Gewinnzahlen und %2 Zusatzzahlen statt 6 und höchstens 1")
            .arg(draw.numbers.size())
            .arg(draw.bonus.size());
    return answer.invalidReason();
}

QString rejectedText(double day, const QString& invalid) {
    return QCoreApplication::translate("DrawDownload", "Antwort für den %1 verworfen: %2").arg(dateText(day), invalid);
}

// A draw to store, over `record` so that its reserved bytes carry over.
DrawRecord recordOf(DrawRecord record, double day, const DrawAnswer& answer) {
    record.date = day;
    for (int i = 0; i < 6; ++i) record.numbers[i] = static_cast<std::uint8_t>(answer.numbers[i]);
    record.additional = static_cast<std::uint8_t>(answer.additional);
    record.eighth = 0;
    return record;
}

// An http or https address without user, port 0, query or fragment, its scheme in lower case.
std::optional<QUrl> plainWebAddress(const QString& text) {
    QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return {};
    if (url.host().isEmpty() || url.port() == 0 || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) return {};
    url.setScheme(scheme);
    return url;
}

} // namespace

DrawAnswer DrawAnswer::parse(const QString& body) {
    DrawAnswer answer;
    QString rest = body;
    answer.numbers[0] = requiredField(beforeComma(rest));
    for (int i = 1; i < 6; ++i) {
        rest = afterComma(rest);
        if (!toFieldInt(beforeComma(rest), answer.numbers[i]) && answer.unreadableField == 0) answer.unreadableField = i + 1;
    }
    rest = afterComma(rest);
    answer.additional = requiredField(rest);
    return answer;
}

QString DrawAnswer::invalidReason() const {
    if (unreadableField != 0) return QCoreApplication::translate("DrawDownload", "das %1. Feld ist keine Zahl").arg(unreadableField);
    const auto problem = checkDrawNumbers(numbers, additional);
    if (!problem) return {};
    switch (problem->kind) {
    case DrawNumbersProblem::Kind::NumberOutOfRange:
        return QCoreApplication::translate("DrawDownload", "die %1. Zahl %2 liegt nicht zwischen 1 und 49").arg(problem->field).arg(problem->value);
    case DrawNumbersProblem::Kind::NumberRepeated:
        return QCoreApplication::translate("DrawDownload", "die Zahl %1 kommt mehrfach vor").arg(problem->value);
    case DrawNumbersProblem::Kind::AdditionalOutOfRange:
        return QCoreApplication::translate("DrawDownload", "die Zusatzzahl %1 liegt nicht zwischen 1 und 49").arg(problem->value);
    case DrawNumbersProblem::Kind::AdditionalAmongNumbers:
        return QCoreApplication::translate("DrawDownload", "die Zusatzzahl %1 ist schon eine der Gewinnzahlen").arg(problem->value);
    }
    return {};
}

QString DrawDownloadResult::summaryText() const {
    QStringList parts;
    if (stored == 0)
        parts << QCoreApplication::translate("DrawDownload", "Keine neue Ziehung gespeichert.");
    else if (stored == 1)
        parts << QCoreApplication::translate("DrawDownload", "1 neue Ziehung gespeichert, vom %1.").arg(dateText(newestStored));
    else
        parts << QCoreApplication::translate("DrawDownload", "%1 neue Ziehungen gespeichert, die neueste vom %2.").arg(stored).arg(dateText(newestStored));
    if (!error.isEmpty())
        parts << QCoreApplication::translate("DrawDownload", "Abgebrochen: %1").arg(error);
    else if (stopped)
        parts << QCoreApplication::translate("DrawDownload", "Die Aktualisierung wurde angehalten.");
    if (!endReason.isEmpty()) parts << QCoreApplication::translate("DrawDownload", "Grund: %1.").arg(endReason);
    if (endReason.isEmpty() && failed > 0) {
        const QString why = failureWords(failureStatus, failureText);
        parts << (failed == 1 ? QCoreApplication::translate("DrawDownload", "1 Anfrage fehlgeschlagen: %1.").arg(why)
                              : QCoreApplication::translate("DrawDownload", "%1 Anfragen fehlgeschlagen, zuletzt: %2.").arg(failed).arg(why));
    }
    if (holesFilled == 1)
        parts << QCoreApplication::translate("DrawDownload", "1 fehlende Ziehung nachgetragen.");
    else if (holesFilled > 1)
        parts << QCoreApplication::translate("DrawDownload", "%1 fehlende Ziehungen nachgetragen.").arg(holesFilled);
    if (tablesFilled == 1)
        parts << QCoreApplication::translate("DrawDownload", "Die Quoten von 1 gespeicherten Ziehung nachgeholt.");
    else if (tablesFilled > 1)
        parts << QCoreApplication::translate("DrawDownload", "Die Quoten von %1 gespeicherten Ziehungen nachgeholt.").arg(tablesFilled);
    if (!prizeError.isEmpty())
        parts << QCoreApplication::translate("DrawDownload", "Die Quoten konnten nicht gespeichert werden: %1 Die nächste Aktualisierung holt sie nach.").arg(prizeError);
    if (rejected > 0) parts << QCoreApplication::translate("DrawDownload", "%1 unbrauchbare Antworten verworfen.").arg(rejected);
    parts << prizeNotes;
    if (stored == 0 && holesFilled == 0 && tablesFilled == 0 && error.isEmpty() && !stopped && endReason.isEmpty() &&
        failed == 0 && rejected == 0 && prizeError.isEmpty())
        parts << QCoreApplication::translate("DrawDownload", "Die Ziehungsdaten sind auf dem neuesten Stand.");
    return parts.join(QLatin1Char(' '));
}

std::optional<DrawSource> DrawSource::parse(const QString& text) {
    if (const auto perDate = DrawDownload::parseServerAddress(text)) return DrawSource{PerDate, *perDate};
    const std::optional<QUrl> url = plainWebAddress(text);
    if (!url) return {};
    QString path = url->path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    if (path.isEmpty()) return {};
    QUrl address = url->adjusted(QUrl::StripTrailingSlash);
    address.setPath(path);
    return DrawSource{Operator, address};
}

DrawDownload::DrawDownload(HttpGetter& http, QString historyPath, DrawSource source)
    : m_http(http), m_historyPath(std::move(historyPath)), m_source(std::move(source)) {
    m_pauseTimer.setSingleShot(true);
    QObject::connect(&m_pauseTimer, &QTimer::timeout, [this] { step([this] { requestPage(); }); });
}

std::optional<QUrl> DrawDownload::parseServerAddress(const QString& text) {
    const std::optional<QUrl> url = plainWebAddress(text);
    if (!url || (!url->path().isEmpty() && url->path() != QLatin1String("/"))) return {};
    return url->adjusted(QUrl::RemovePath);
}

QUrl DrawDownload::requestUrl(const QUrl& serverAddress, double dayCount) {
    QUrl url = serverAddress;
    url.setPath(QString::fromLatin1(RequestPath));
    url.setQuery(QStringLiteral("Datum=") + DayCount::compactText(dayCount));
    return url;
}

double DrawDownload::nextRequestDate(double dayCount) {
    // Every calendar day: a draw moved by a holiday may fall on any weekday, and a day without
    // a draw costs one empty answer.
    return dayCount + 1;
}

QString DrawDownload::drawText(double dayCount, const DrawAnswer& answer) {
    QString text = DayCount::shortWeekdayText(dayCount) + QStringLiteral("   ");
    for (int n : answer.numbers) text += QStringLiteral("  ") + QString::number(n);
    return text + QStringLiteral("  +  ") + QString::number(answer.additional);
}

DrawDownload::~DrawDownload() {
    if (!m_running) return;
    // Nothing of the run is called any more: the answer handlers see that it has ended.
    m_running = false;
    m_http.abort();
}

void DrawDownload::send(const QUrl& url, const HttpHeaders& headers, const QString& status,
                        void (DrawDownload::*handler)(const HttpResult&)) {
    if (m_abort || m_view->stopRequested()) {
        stop();
        return;
    }
    const int port = toInt(m_view->proxyPortText());
    HttpProxy proxy;
    proxy.host = m_view->proxyHostText().trimmed();
    if (!proxy.host.isEmpty()) {
        if (port < 1 || port > 65535)
            throw ConversionError(QCoreApplication::translate("DrawDownload", "Der Proxy-Port %1 liegt nicht zwischen 1 und 65535").arg(port));
        proxy.port = static_cast<quint16>(port);
    }
    m_view->setStatusText(0, status);
    ++m_result.requests;
    m_http.get(url, proxy, headers, [this, handler](const HttpResult& answer) {
        if (!m_running) return;
        step([&] {
            // An abandoned request is the stop button's (or the window's) doing.
            if (m_abort || answer.aborted)
                stop();
            else
                (this->*handler)(answer);
        });
    });
}

void DrawDownload::start(DrawDownloadView& view, Finished finished) {
    if (m_running) {
        DrawDownloadResult refused;
        refused.refused = true;
        if (finished) finished(refused);
        return;
    }
    m_running = true;
    m_abort = false;
    m_view = &view;
    m_finished = std::move(finished);
    m_result = DrawDownloadResult{};
    view.runStarted();
    step([this] { begin(); });
}

void DrawDownload::step(const std::function<void()>& work) {
    try {
        work();
    } catch (const AppError& e) {
        m_result.error = e.message();
        end();
    } catch (const std::exception& e) {
        // Nothing above the event loop could take it: the run ends and says what happened.
        m_result.error = QString::fromLocal8Bit(e.what());
        end();
    }
}

void DrawDownload::stop() {
    m_result.stopped = true;
    if (m_file) savePrizes();
    end();
}

void DrawDownload::end() {
    if (!m_running) return;
    m_running = false;
    m_pauseTimer.stop();
    m_http.abort(); // nothing is under way when a step ends the run; this only makes sure
    m_range.reset();
    m_file.reset();
    DrawDownloadView& view = *m_view;
    const Finished finished = std::exchange(m_finished, nullptr);
    const DrawDownloadResult result = m_result;
    view.runEnded();
    // The object may be gone after this call: nothing of it is touched afterwards.
    if (finished) finished(result);
}

void DrawDownload::abort() {
    if (!m_running) return;
    m_abort = true;
    if (m_pauseTimer.isActive()) {
        m_result.stopped = true;
        end();
        return;
    }
    // The answer handler takes the abandoned request as the stop and ends the run.
    m_http.abort();
}

void DrawDownload::begin() {
    m_file = std::make_unique<HistoryAppender>(m_historyPath);
    m_buffer = m_file->lastRecord().value_or(DrawRecord{});

    // The run keeps its own request date and only mirrors it into the picker: a picker that
    // refuses a date must not keep the run from moving on.
    double date = std::floor(m_view->requestDate());
    if (m_buffer.date > 0) {
        date = m_buffer.date;
        m_view->setRequestDate(date);
    }
    m_date = nextRequestDate(date);
    m_view->setRequestDate(m_date);

    if (m_source.kind == DrawSource::Operator) {
        m_http.setMaxBodySize(OperatorMaxBody);
        // A prize file that cannot be read is set aside rather than block the update.
        m_prizes = m_prizePath.isEmpty() ? PrizeTable{} : PrizeTable::readForUpdate(m_prizePath);
        m_prizesChanged = false;
        m_result.prizeFileSetAside = m_prizes.setAsidePath();
        m_result.prizeNotes = m_prizes.notes();
        m_windowDays = MaxRangeDays;
        requestRange();
        return;
    }
    m_http.setMaxBodySize(PerDateMaxBody);
    m_unansweredInARow = 0;
    requestDate();
}

void DrawDownload::noteFailure(const HttpResult& answer) {
    ++m_result.failed;
    m_result.failureStatus = answer.errorText.isEmpty() ? answer.statusCode : 0;
    m_result.failureText = answer.failureText();
    m_view->setStatusText(0, m_result.failureText);
}

void DrawDownload::append(double day, const DrawAnswer& answer, const QString& text) {
    m_buffer = recordOf(m_buffer, day, answer);
    m_view->setCrossSumText(QCoreApplication::translate("DrawDownload", "Quersumme: %1").arg(m_buffer.crossSum()));
    m_view->setTipDrawText(text);
    m_file->append(m_buffer);
    ++m_result.stored;
    m_result.newestStored = day;
}

void DrawDownload::requestDate() {
    if (DayCount::fromDate(m_view->today()) < m_date) {
        end();
        return;
    }
    send(requestUrl(m_source.address, m_date), {}, progressText(DayCount::toDate(m_date), m_result.stored),
         &DrawDownload::takeDateAnswer);
}

void DrawDownload::takeDateAnswer(const HttpResult& answer) {
    DrawDownloadView& view = *m_view;
    const double date = m_date;
    if (!answer.succeeded()) {
        noteFailure(answer);
        // No answer at all (refused, not found, timed out) again and again: the server is
        // not there, and asking for every remaining day would only wait out each failure.
        m_unansweredInARow = answer.statusCode == 0 ? m_unansweredInARow + 1 : 0;
        if (m_unansweredInARow >= DeadServerFailures) {
            m_result.endReason = QCoreApplication::translate("DrawDownload", "%1 Anfragen hintereinander blieben ohne Antwort, zuletzt: %2")
                                     .arg(DeadServerFailures)
                                     .arg(answer.failureText());
            end();
            return;
        }
    } else {
        m_unansweredInARow = 0;
        view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Received %1 bytes").arg(answer.body.size()));
        view.setStatusText(1, QCoreApplication::translate("DrawDownload", kNoWarranty));
        if (answer.body.isEmpty()) {
            ++m_result.noDraw;
        } else {
            view.setCurrentDrawDate(date);
            const DrawAnswer draw = DrawAnswer::parse(QString::fromLatin1(answer.body));
            const QString text = drawText(date, draw);
            view.setDrawText(text);
            const QString invalid = draw.invalidReason();
            if (draw.numbers[5] == 0) {
                // Not yet drawn or not yet published: the next run asks for this date again.
                ++m_result.incomplete;
            } else if (!invalid.isEmpty()) {
                // A garbled answer must not end up in the history that every statistic reads.
                ++m_result.rejected;
                view.setStatusText(0, rejectedText(date, invalid));
            } else {
                append(date, draw, text);
            }
        }
    }
    m_date = nextRequestDate(date);
    view.setRequestDate(m_date);
    requestDate();
}

HttpHeaders DrawDownload::operatorHeaders() {
    return {{QByteArrayLiteral("User-Agent"), "Quintara-GR/" + BuildInfo::version().toUtf8()},
            {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")}};
}

struct DrawDownload::RangeFetch {
    QDate from;
    QDate to;
    int page = 0;
    int retries = 0;
    // A range holds at most one draw a day: a service that hands out more, or one draw twice,
    // is not answering what was asked (it may be repeating a page), and storing part of it
    // could leave a hole.
    std::set<qint64> seen;
    qint64 announcedTotal = -1;
    std::vector<OperatorDraw> draws;
};

void DrawDownload::fetchRange(const QDate& from, const QDate& to) {
    m_range = std::make_unique<RangeFetch>();
    m_range->from = from;
    m_range->to = to;
    requestPage();
}

void DrawDownload::requestPage() {
    const RangeFetch& r = *m_range;
    if (r.page >= 1000) {
        giveUp(QCoreApplication::translate("DrawDownload", "der Server liefert immer weitere Seiten für die Ziehungen ab dem %1").arg(dateText(r.from)));
        return;
    }
    send(OperatorResults::rangeUrl(m_source.address, r.from, r.to, r.page), operatorHeaders(),
         progressText(r.from, m_result.stored), &DrawDownload::takePage);
}

void DrawDownload::takePage(const HttpResult& answer) {
    RangeFetch& r = *m_range;
    const QString complaint = OperatorResults::serviceError(answer.body);
    if (!answer.succeeded()) {
        noteFailure(answer);
        const int status = m_result.failureStatus;
        // A busy service is not helped by more, shorter requests.
        const bool busy = status == 429 || status == 502 || status == 503 || status == 504;
        if (busy && r.retries < 2) {
            ++r.retries;
            auto wait = m_retryPause;
            if (answer.retryAfterSeconds >= 0) wait = std::chrono::milliseconds(qint64(answer.retryAfterSeconds) * 1000);
            wait = std::min(wait, m_maxRetryPause);
            m_view->setStatusText(0, QCoreApplication::translate("DrawDownload", "Der Server ist ausgelastet (%1); neuer Versuch in %2 s …")
                                         .arg(answer.failureText())
                                         .arg((wait.count() + 999) / 1000));
            m_pauseTimer.start(wait);
            return;
        }
        const QString words = failureWords(status, m_result.failureText);
        rangeFailed(complaint.isEmpty() ? words : words + QStringLiteral(" (") + complaint + QLatin1Char(')'),
                    status >= 400 && status < 600 && !busy);
        return;
    }
    r.retries = 0;
    if (!complaint.isEmpty()) {
        // An error object with status 200.
        ++m_result.failed;
        rangeFailed(complaint, true);
        return;
    }
    QString error;
    const OperatorPage parsed = OperatorResults::parsePage(answer.body, error);
    if (!error.isEmpty()) {
        ++m_result.rejected;
        const QString reason = QCoreApplication::translate("DrawDownload", "die Antwort für die Ziehungen ab dem %1 ist unbrauchbar: %2").arg(dateText(r.from), error);
        m_view->setStatusText(0, reason);
        giveUp(reason);
        return;
    }
    for (const OperatorDraw& draw : parsed.draws) {
        if (!r.seen.insert(draw.drawId).second) {
            giveUp(QCoreApplication::translate("DrawDownload", "der Dienst lieferte die Ziehung %1 mehrfach (Ziehungen ab dem %2)")
                       .arg(draw.drawId)
                       .arg(dateText(r.from)));
            return;
        }
    }
    r.draws.insert(r.draws.end(), parsed.draws.begin(), parsed.draws.end());
    if (qint64(r.draws.size()) > r.from.daysTo(r.to) + 1) {
        giveUp(QCoreApplication::translate("DrawDownload", "der Dienst lieferte mehr Ziehungen, als die Tage vom %1 bis %2 haben können")
                   .arg(dateText(r.from), dateText(r.to)));
        return;
    }
    if (parsed.totalElements >= 0) r.announcedTotal = parsed.totalElements;
    ++r.page;
    // The service may hand out fewer per page than asked for; it says how many in "size".
    const int pageSize = parsed.size > 0 ? parsed.size : OperatorResults::PageSize;
    const bool more = parsed.totalPages >= 0 ? r.page < parsed.totalPages
                      : parsed.last          ? false
                                             : int(parsed.draws.size()) >= pageSize;
    if (more && !parsed.draws.empty()) {
        requestPage();
        return;
    }
    if (r.announcedTotal >= 0 && r.announcedTotal != qint64(r.draws.size())) {
        giveUp(QCoreApplication::translate("DrawDownload", "der Dienst nannte %1 Ziehungen ab dem %2, lieferte aber %3")
                   .arg(r.announcedTotal)
                   .arg(dateText(r.from))
                   .arg(r.draws.size()));
        return;
    }
    // The fetch is over before its draws are taken: taking them may start the next one.
    const std::unique_ptr<RangeFetch> done = std::move(m_range);
    // The draws of the asked range in date order (the order of the answer is not relied on),
    // the first one of each date that is not cancelled.
    std::erase_if(r.draws, [&](const OperatorDraw& d) {
        return !d.date.isValid() || d.date < r.from || d.date > r.to || d.state() == OperatorDraw::State::Cancelled;
    });
    std::stable_sort(r.draws.begin(), r.draws.end(), [](const OperatorDraw& a, const OperatorDraw& b) {
        return a.date < b.date || (a.date == b.date && a.drawId < b.drawId);
    });
    r.draws.erase(std::unique(r.draws.begin(), r.draws.end(), [](const OperatorDraw& a, const OperatorDraw& b) { return a.date == b.date; }),
                  r.draws.end());
    if (m_file)
        takeWindow(r);
    else
        takeRecheck(r);
}

void DrawDownload::rangeFailed(const QString& reason, bool refused) {
    const RangeFetch& r = *m_range;
    if (refused && r.from < r.to) {
        m_windowDays = std::max(1, int(r.from.daysTo(r.to) + 1) / 2);
        requestRange();
        return;
    }
    giveUp(QCoreApplication::translate("DrawDownload", "die Ziehungen ab dem %1 kamen nicht an: %2").arg(dateText(r.from), reason));
}

void DrawDownload::giveUp(const QString& reason) {
    m_result.endReason = reason;
    if (m_file) savePrizes();
    end();
}

void DrawDownload::savePrizes() {
    m_result.prizeNotes = m_prizes.notes();
    if (!m_prizesChanged || m_prizePath.isEmpty() || !m_prizes.writable()) return;
    try {
        m_prizes.write(m_prizePath);
        m_prizesChanged = false;
    } catch (const FileError& e) {
        // The draws matter more than their tables: they are stored all the same. The next save
        // writes the whole table again.
        if (m_result.prizeError.isEmpty()) m_result.prizeError = e.message();
    }
}

void DrawDownload::requestRange() {
    if (m_file) {
        const double today = DayCount::fromDate(m_view->today());
        if (today >= m_date) {
            fetchRange(DayCount::toDate(m_date), DayCount::toDate(std::min(today, m_date + m_windowDays - 1)));
            return;
        }
        // The appends are done: the history is rewritten from here on.
        m_file.reset();
        const std::vector<DrawRecord> history = DrawHistory(m_historyPath).readAll();
        m_storedDates.clear();
        for (const DrawRecord& r : history) m_storedDates.insert(r.date);
        m_recheck = recheckRanges(history, m_prizes, m_view->today());
    }
    if (m_recheck.empty()) {
        if (m_nextDrawPath.isEmpty())
            end();
        else
            send(OperatorResults::announcedUrl(m_source.address), operatorHeaders(),
                 QCoreApplication::translate("DrawDownload", "Lade die nächste Ziehung …"), &DrawDownload::takeAnnounced);
        return;
    }
    const auto& [from, to] = m_recheck.front();
    fetchRange(from, std::min(to, from.addDays(m_windowDays - 1)));
}

void DrawDownload::takeWindow(const RangeFetch& fetched) {
    // The draws to append: up to the first one that cannot be taken, after which nothing is
    // stored (the next update starts again there).
    std::vector<std::pair<const OperatorDraw*, DrawAnswer>> taken;
    const OperatorDraw* stopAt = nullptr;
    DrawAnswer stopAnswer;
    QString invalid;
    for (const OperatorDraw& draw : fetched.draws) {
        if (DayCount::fromDate(draw.date) <= m_buffer.date) continue;
        DrawAnswer answer;
        if (draw.state() == OperatorDraw::State::NotYetDrawn || !(invalid = drawProblem(draw, answer)).isEmpty()) {
            stopAt = &draw;
            stopAnswer = answer;
            break;
        }
        taken.emplace_back(&draw, answer);
    }

    // Their prize tables first: a run that ends after an append (a full disk, a kill) leaves no
    // stored draw without its table.
    for (const auto& [draw, answer] : taken)
        if (!draw->tiers.empty()) {
            m_prizes.merge(draw->prizes());
            m_prizesChanged = true;
        }
    savePrizes();

    for (const auto& [draw, answer] : taken) {
        const double day = DayCount::fromDate(draw->date);
        m_view->setCurrentDrawDate(day);
        const QString text = drawText(day, answer);
        m_view->setDrawText(text);
        append(day, answer, text);
    }
    if (stopAt) {
        const double day = DayCount::fromDate(stopAt->date);
        if (invalid.isEmpty()) {
            // Not drawn or not published yet: nothing after it is stored either, so the next
            // update asks for this draw again and leaves no gap.
            notComplete(stopAt->date);
        } else {
            // Storing the later draws would leave this one out for good: the next update starts
            // again here.
            m_view->setCurrentDrawDate(day);
            m_view->setDrawText(drawText(day, stopAnswer));
            unusable(day, invalid);
        }
        m_view->setRequestDate(day);
        end();
        return;
    }
    m_view->setStatusText(1, QCoreApplication::translate("DrawDownload", kNoWarranty));
    m_view->setStatusText(0, progressText(fetched.to, m_result.stored));
    m_date = DayCount::fromDate(fetched.to) + 1;
    m_view->setRequestDate(m_date);
    requestRange();
}

void DrawDownload::notComplete(const QDate& date) {
    ++m_result.incomplete;
    m_view->setStatusText(0, QCoreApplication::translate("DrawDownload", "Die Ziehung vom %1 ist noch nicht vollständig").arg(dateText(date)));
}

void DrawDownload::unusable(double day, const QString& invalid) {
    ++m_result.rejected;
    m_view->setStatusText(0, rejectedText(day, invalid));
    m_result.endReason = QCoreApplication::translate("DrawDownload", "die Ziehung vom %1 ist unbrauchbar: %2").arg(dateText(day), invalid);
}

std::vector<std::pair<QDate, QDate>> DrawDownload::recheckRanges(const std::vector<DrawRecord>& history,
                                                                 const PrizeTable& prizes, const QDate& today) {
    const double last = DayCount::fromDate(today);
    std::set<double> days;
    for (size_t i = 1; i < history.size(); ++i) {
        const double before = history[i - 1].date;
        const double after = history[i].date;
        // Up to the later draw itself: its table comes along when it has none (a draw typed in).
        if (after - before > 7 && after >= last - HoleLookbackDays)
            for (double d = before + 1; d <= after && d <= last; ++d) days.insert(d);
    }
    if (prizes.size() > 0) {
        const double firstTable = DayCount::fromDate(prizes.draws().front().date);
        for (const DrawRecord& r : history)
            if (r.date > firstTable && r.date <= last && !prizes.find(DayCount::toDate(r.date))) days.insert(r.date);
    }
    // Days close together share a range: one request instead of one per day.
    std::vector<std::pair<QDate, QDate>> ranges;
    for (auto it = days.begin(); it != days.end();) {
        const double first = *it;
        double end = first;
        for (; it != days.end() && *it < first + MaxRangeDays; ++it) end = *it;
        ranges.emplace_back(DayCount::toDate(first), DayCount::toDate(end));
    }
    return ranges;
}

void DrawDownload::takeRecheck(const RangeFetch& fetched) {
    // A range is taken whole or not at all: a draw put in beside one left out would hide the
    // hole from the next update.
    std::vector<DrawRecord> missing;
    std::vector<DrawPrizes> tables;
    int storedTables = 0;
    for (const OperatorDraw& draw : fetched.draws) {
        const double day = DayCount::fromDate(draw.date);
        const bool stored = m_storedDates.count(day) > 0;
        const bool tableWanted = !m_prizePath.isEmpty() && !draw.tiers.empty() && !m_prizes.find(draw.date);
        if (stored && !tableWanted) continue;
        if (draw.state() == OperatorDraw::State::NotYetDrawn) {
            if (stored) continue;
            notComplete(draw.date);
            end();
            return;
        }
        if (stored) {
            // The history's draw stays as it is (it may have been typed in); only its table comes.
            tables.push_back(draw.prizes());
            ++storedTables;
            continue;
        }
        DrawAnswer answer;
        const QString invalid = drawProblem(draw, answer);
        if (!invalid.isEmpty()) {
            unusable(day, invalid);
            end();
            return;
        }
        missing.push_back(recordOf(m_buffer, day, answer));
        if (tableWanted) tables.push_back(draw.prizes());
    }
    // The tables first, as for the appends.
    for (const DrawPrizes& table : tables) m_prizes.merge(table);
    m_prizesChanged = m_prizesChanged || !tables.empty();
    savePrizes();
    m_result.tablesFilled += storedTables;
    if (!missing.empty()) {
        m_result.holesFilled += DrawHistory(m_historyPath).insertMissing(missing);
        for (const DrawRecord& r : missing) m_storedDates.insert(r.date);
    }

    auto& next = m_recheck.front();
    next.first = fetched.to.addDays(1);
    if (next.first > next.second) m_recheck.erase(m_recheck.begin());
    requestRange();
}

void DrawDownload::takeAnnounced(const HttpResult& answer) {
    // Without an answer the stored figure stays; the window shows its age.
    QString error;
    const std::optional<AnnouncedDraw> next =
        answer.succeeded() ? OperatorResults::parseAnnounced(answer.body, error) : std::nullopt;
    if (next) {
        NextDraw{m_view->today(), *next}.write(m_nextDrawPath);
        m_result.nextDrawStored = true;
    }
    end();
}
