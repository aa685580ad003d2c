#include "history/DrawDownload.h"

#include "base/BuildInfo.h"
#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawHistory.h"
#include "history/NextDraw.h"
#include "history/PrizeTable.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <cmath>

namespace {

QString dateText(double dayCount) {
    return DayCount::toDate(dayCount).toString(QStringLiteral("dd.MM.yyyy"));
}
QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

// A failed request in words: the transport error as the client words it, or the HTTP status.
QString failureWords(int status, const QString& text) {
    if (status > 0) return QCoreApplication::translate("DrawDownload", "der Server antwortete mit HTTP-Status %1").arg(text);
    return text;
}

const char* const kNoWarranty = QT_TRANSLATE_NOOP("DrawDownload", "Keine Gewähr für die Richtigkeit der Zahlen!");

ConversionError notAnInteger(const QString& text) {
    return ConversionError(QCoreApplication::translate("DrawDownload", "'%1' ist kein gültiger Integerwert").arg(text));
}

// Blanks before the number are fine, anything after it is not: a trailing line break means the
// server sent something other than the agreed answer.
bool toFieldInt(const QString& text, int& value) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == QLatin1Char(' ')) ++start;
    const QStringView digits = QStringView(text).mid(start);
    qsizetype i = 0;
    if (i < digits.size() && (digits[i] == QLatin1Char('+') || digits[i] == QLatin1Char('-'))) ++i;
    if (i == digits.size()) return false;
    for (; i < digits.size(); ++i)
        if (digits[i] < QLatin1Char('0') || digits[i] > QLatin1Char('9')) return false;
    bool ok = false;
    const int v = digits.toInt(&ok, 10);
    if (!ok) return false;
    value = v;
    return true;
}

int requiredField(const QString& text) {
    int value = 0;
    if (!toFieldInt(text, value)) throw notAnInteger(text);
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

} // namespace

DrawAnswer DrawAnswer::parse(const QString& body) {
    DrawAnswer answer;
    QString rest = body;
    answer.numbers[0] = requiredField(beforeComma(rest));
    for (int i = 1; i < 6; ++i) {
        rest = afterComma(rest);
        int value = 0;
        if (toFieldInt(beforeComma(rest), value)) {
            answer.numbers[i] = value;
        } else {
            answer.numbers[i] = 0;
            if (answer.unreadableField == 0) answer.unreadableField = i + 1;
        }
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

QString DrawDownload::progressText(const QDate& reached, int stored) {
    if (stored == 0)
        return QCoreApplication::translate("DrawDownload", "Stand %1: noch keine neue Ziehung gespeichert").arg(dateText(reached));
    if (stored == 1)
        return QCoreApplication::translate("DrawDownload", "Stand %1: 1 neue Ziehung gespeichert").arg(dateText(reached));
    return QCoreApplication::translate("DrawDownload", "Stand %1: %2 neue Ziehungen gespeichert").arg(dateText(reached)).arg(stored);
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
    if (rejected > 0) parts << QCoreApplication::translate("DrawDownload", "%1 unbrauchbare Antworten verworfen.").arg(rejected);
    if (!prizeFileSetAside.isEmpty())
        parts << QCoreApplication::translate("DrawDownload", "Die unlesbare Quotendatei liegt jetzt unter %1.").arg(prizeFileSetAside);
    if (stored == 0 && error.isEmpty() && !stopped && endReason.isEmpty() && failed == 0 && rejected == 0)
        parts << QCoreApplication::translate("DrawDownload", "Die Ziehungsdaten sind auf dem neuesten Stand.");
    return parts.join(QLatin1Char(' '));
}

std::optional<DrawSource> DrawSource::parse(const QString& text) {
    if (const auto perDate = DrawDownload::parseServerAddress(text)) return DrawSource{PerDate, *perDate};
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return {};
    if (url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) return {};
    if (url.port() == 0) return {};
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/'))) path.chop(1);
    if (path.isEmpty()) return {};
    QUrl address = url.adjusted(QUrl::StripTrailingSlash);
    address.setScheme(scheme);
    address.setPath(path);
    return DrawSource{Operator, address};
}

DrawDownload::DrawDownload(HttpGetter& http, QString historyPath, QUrl serverAddress)
    : DrawDownload(http, std::move(historyPath), DrawSource{DrawSource::PerDate, std::move(serverAddress)}) {}

DrawDownload::DrawDownload(HttpGetter& http, QString historyPath, DrawSource source)
    : m_http(http), m_historyPath(std::move(historyPath)), m_source(std::move(source)) {}

std::optional<QUrl> DrawDownload::parseServerAddress(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return {};
    if (url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) return {};
    if (!url.path().isEmpty() && url.path() != QLatin1String("/")) return {};
    QUrl address;
    address.setScheme(scheme);
    address.setHost(url.host());
    if (url.port() != -1) {
        if (url.port() < 1) return {};
        address.setPort(url.port());
    }
    return address;
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

void DrawDownload::abort() {
    if (!m_running) return;
    m_abort = true;
    m_http.abort();
    if (m_pauseLoop) m_pauseLoop->quit();
}

bool DrawDownload::pause(std::chrono::milliseconds time) {
    QEventLoop loop;
    m_pauseLoop = &loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
    m_pauseLoop = nullptr;
    return !m_abort;
}

HttpProxy DrawDownload::readProxy(DrawDownloadView& view) const {
    const int port = toInt(view.proxyPortText());
    HttpProxy proxy;
    proxy.host = view.proxyHostText().trimmed();
    if (!proxy.host.isEmpty()) {
        if (port < 1 || port > 65535)
            throw ConversionError(QCoreApplication::translate("DrawDownload", "Der Proxy-Port %1 liegt nicht zwischen 1 und 65535").arg(port));
        proxy.port = static_cast<quint16>(port);
    }
    return proxy;
}

DrawDownloadResult DrawDownload::run(DrawDownloadView& view) {
    DrawDownloadResult result;
    if (m_running) {
        result.refused = true;
        return result;
    }
    m_running = true;
    m_abort = false;
    view.runStarted();
    try {
        runRequests(view, result);
    } catch (const AppError& e) {
        result.error = e.message();
    } catch (...) {
        m_running = false;
        view.runEnded();
        throw;
    }
    m_running = false;
    view.runEnded();
    return result;
}

void DrawDownload::runRequests(DrawDownloadView& view, DrawDownloadResult& result) {
    // The appender closes the file on every way out, before the window's end-of-run steps.
    HistoryAppender file(m_historyPath);
    // New records are assembled over the newest one, so its reserved bytes carry over.
    DrawRecord buffer = file.lastRecord().value_or(DrawRecord{});

    // The run keeps its own request date and only mirrors it into the picker: a picker that
    // refuses a date must not keep the run from moving on.
    double date = std::floor(view.requestDate());
    if (buffer.date > 0) {
        date = buffer.date;
        view.setRequestDate(date);
    }
    date = nextRequestDate(date);
    view.setRequestDate(date);

    if (m_source.kind == DrawSource::Operator) {
        m_http.setMaxBodySize(OperatorMaxBody);
        runRanges(view, result, file, buffer, date);
        file.close();
        if (!result.stopped && result.endReason.isEmpty()) fetchAnnounced(view, result);
        return;
    }
    m_http.setMaxBodySize(PerDateMaxBody);
    int unansweredInARow = 0;
    while (DayCount::fromDate(view.today()) >= date) {
        if (m_abort || view.stopRequested()) {
            result.stopped = true;
            break;
        }
        const HttpProxy proxy = readProxy(view);

        view.setStatusText(0, progressText(DayCount::toDate(date), result.stored));
        ++result.requests;
        const HttpResult answer = m_http.get(requestUrl(m_source.address, date), proxy);
        if (m_abort || answer.aborted) {
            result.stopped = true;
            break;
        }
        if (!answer.succeeded()) {
            ++result.failed;
            result.failureStatus = answer.errorText.isEmpty() ? answer.statusCode : 0;
            result.failureText = answer.failureText();
            view.setStatusText(0, answer.failureText());
            // No answer at all (refused, not found, timed out) again and again: the server is
            // not there, and asking for every remaining day would only wait out each failure.
            unansweredInARow = answer.statusCode == 0 ? unansweredInARow + 1 : 0;
            if (unansweredInARow >= DeadServerFailures) {
                result.endReason = QCoreApplication::translate("DrawDownload", "%1 Anfragen hintereinander blieben ohne Antwort, zuletzt: %2")
                                       .arg(DeadServerFailures)
                                       .arg(answer.failureText());
                break;
            }
        } else {
            unansweredInARow = 0;
            view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Received %1 bytes").arg(answer.body.size()));
            view.setStatusText(1, QCoreApplication::translate("DrawDownload", kNoWarranty));
            if (answer.body.isEmpty()) {
                ++result.noDraw;
            } else {
                view.setCurrentDrawDate(date);
                const DrawAnswer draw = DrawAnswer::parse(QString::fromLatin1(answer.body));
                const QString text = drawText(date, draw);
                view.setDrawText(text);
                buffer.date = date;
                for (int i = 0; i < 6; ++i) buffer.numbers[i] = static_cast<std::uint8_t>(draw.numbers[i]);
                buffer.additional = static_cast<std::uint8_t>(draw.additional);
                const QString invalid = draw.invalidReason();
                if (draw.numbers[5] == 0) {
                    // Not yet drawn or not yet published: the next run asks for this date again.
                    ++result.incomplete;
                } else if (!invalid.isEmpty()) {
                    // A garbled answer must not end up in the history that every statistic reads.
                    ++result.rejected;
                    view.setStatusText(
                        0, QCoreApplication::translate("DrawDownload", "Antwort für den %1 verworfen: %2")
                               .arg(DayCount::toDate(date).toString(QStringLiteral("dd.MM.yyyy")), invalid));
                } else {
                    int sum = 0;
                    for (int n : draw.numbers) sum += n;
                    view.setCrossSumText(QCoreApplication::translate("DrawDownload", "Quersumme: %1").arg(sum));
                    view.setTipDrawText(text);
                    buffer.eighth = 0;
                    file.append(buffer);
                    ++result.stored;
                    result.newestStored = date;
                }
            }
        }
        date = nextRequestDate(date);
        view.setRequestDate(date);
    }
    file.close();
}

HttpHeaders DrawDownload::operatorHeaders() {
    return {{QByteArrayLiteral("User-Agent"), "Quintara-GR/" + BuildInfo::version().toUtf8()},
            {QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")}};
}

// What came of asking for one date range, all its pages.
struct DrawDownload::RangeAnswer {
    enum Kind {
        Complete, // every page arrived and was read
        Refused,  // an error status or an error object: a shorter range may be accepted
        Failed,   // no answer, or a service that stays busy: the run ends
        Unreadable, // an answer we do not understand: the run ends, `reason` says all
        Stopped,
    };
    Kind kind = Complete;
    std::vector<OperatorDraw> draws;
    QString reason; // Refused, Failed: why, in words
};

DrawDownload::RangeAnswer DrawDownload::fetchRange(DrawDownloadView& view, DrawDownloadResult& result,
                                                   const QDate& from, const QDate& to) {
    RangeAnswer out;
    const HttpHeaders headers = operatorHeaders();
    int retries = 0;
    // A range holds at most one draw a day: a service that hands out more, or one draw twice,
    // is not answering what was asked (it may be repeating a page), and storing part of it
    // could leave a hole.
    const qint64 mostDraws = from.daysTo(to) + 1;
    std::set<qint64> seen;
    qint64 announcedTotal = -1;
    for (int page = 0; page < 1000;) {
        if (m_abort || view.stopRequested()) {
            out.kind = RangeAnswer::Stopped;
            return out;
        }
        const HttpProxy proxy = readProxy(view);
        view.setStatusText(0, progressText(from, result.stored));
        ++result.requests;
        const HttpResult answer = m_http.get(OperatorResults::rangeUrl(m_source.address, from, to, page), proxy, headers);
        if (m_abort || answer.aborted) {
            out.kind = RangeAnswer::Stopped;
            return out;
        }
        const QString complaint = OperatorResults::serviceError(answer.body);
        if (!answer.succeeded()) {
            ++result.failed;
            result.failureStatus = answer.errorText.isEmpty() ? answer.statusCode : 0;
            result.failureText = answer.failureText();
            view.setStatusText(0, answer.failureText());
            const int status = result.failureStatus;
            if ((status == 429 || status == 502 || status == 503 || status == 504) && retries < 2) {
                ++retries;
                auto wait = m_retryPause;
                if (answer.retryAfterSeconds >= 0) wait = std::chrono::milliseconds(qint64(answer.retryAfterSeconds) * 1000);
                wait = std::min(wait, m_maxRetryPause);
                view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Der Server ist ausgelastet (%1); neuer Versuch in %2 s …")
                                          .arg(answer.failureText())
                                          .arg((wait.count() + 999) / 1000));
                if (!pause(wait)) {
                    out.kind = RangeAnswer::Stopped;
                    return out;
                }
                continue;
            }
            const QString words = failureWords(status, result.failureText);
            out.reason = complaint.isEmpty() ? words : words + QStringLiteral(" (") + complaint + QLatin1Char(')');
            // A busy service is not helped by more, shorter requests.
            const bool busy = status == 429 || status == 502 || status == 503 || status == 504;
            out.kind = status >= 400 && status < 600 && !busy ? RangeAnswer::Refused : RangeAnswer::Failed;
            return out;
        }
        retries = 0;
        if (!complaint.isEmpty()) {
            // An error object with status 200.
            ++result.failed;
            out.reason = complaint;
            out.kind = RangeAnswer::Refused;
            return out;
        }
        QString error;
        const OperatorPage parsed = OperatorResults::parsePage(answer.body, error);
        if (!error.isEmpty()) {
            ++result.rejected;
            out.reason = QCoreApplication::translate("DrawDownload", "die Antwort für die Ziehungen ab dem %1 ist unbrauchbar: %2").arg(dateText(from), error);
            view.setStatusText(0, out.reason);
            out.kind = RangeAnswer::Unreadable;
            return out;
        }
        for (const OperatorDraw& draw : parsed.draws) {
            if (!seen.insert(draw.drawId).second) {
                out.kind = RangeAnswer::Unreadable;
                out.reason = QCoreApplication::translate("DrawDownload", "der Dienst lieferte die Ziehung %1 mehrfach (Ziehungen ab dem %2)")
                                 .arg(draw.drawId)
                                 .arg(dateText(from));
                return out;
            }
        }
        out.draws.insert(out.draws.end(), parsed.draws.begin(), parsed.draws.end());
        if (qint64(out.draws.size()) > mostDraws) {
            out.kind = RangeAnswer::Unreadable;
            out.reason = QCoreApplication::translate("DrawDownload", "der Dienst lieferte mehr Ziehungen, als die Tage vom %1 bis %2 haben können")
                             .arg(dateText(from), dateText(to));
            return out;
        }
        if (parsed.totalElements >= 0) announcedTotal = parsed.totalElements;
        ++page;
        // The service may hand out fewer per page than asked for; it says how many in "size".
        const int pageSize = parsed.size > 0 ? parsed.size : OperatorResults::PageSize;
        const bool more = parsed.totalPages >= 0 ? page < parsed.totalPages
                          : parsed.last          ? false
                                                 : int(parsed.draws.size()) >= pageSize;
        if (!more || parsed.draws.empty()) {
            if (announcedTotal >= 0 && announcedTotal != qint64(out.draws.size())) {
                out.kind = RangeAnswer::Unreadable;
                out.reason = QCoreApplication::translate("DrawDownload", "der Dienst nannte %1 Ziehungen ab dem %2, lieferte aber %3")
                                 .arg(announcedTotal)
                                 .arg(dateText(from))
                                 .arg(out.draws.size());
            }
            return out;
        }
    }
    out.kind = RangeAnswer::Unreadable;
    out.reason = QCoreApplication::translate("DrawDownload", "der Server liefert immer weitere Seiten für die Ziehungen ab dem %1").arg(dateText(from));
    return out;
}

void DrawDownload::runRanges(DrawDownloadView& view, DrawDownloadResult& result, HistoryAppender& file,
                             DrawRecord& buffer, double date) {
    const double lastStored = file.lastRecord() ? file.lastRecord()->date : 0.0;
    PrizeTable prizes;
    bool prizesChanged = false;
    if (!m_prizePath.isEmpty()) {
        try {
            prizes = PrizeTable::readMending(m_prizePath);
        } catch (const FileError&) {
            // Unreadable or beyond every real size: set aside whole, never deleted, so that it
            // does not block this and every later update; the tables start afresh.
            QString aside = m_prizePath + QStringLiteral(".defekt");
            for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
                aside = m_prizePath + QStringLiteral(".defekt%1").arg(n);
            if (::rename(QFile::encodeName(m_prizePath).constData(), QFile::encodeName(aside).constData()) != 0) throw;
            result.prizeFileSetAside = aside;
        }
    }
    auto savePrizes = [&] {
        if (prizesChanged && !m_prizePath.isEmpty()) prizes.write(m_prizePath);
        prizesChanged = false;
    };

    int windowDays = MaxRangeDays;
    double newest = lastStored;
    while (DayCount::fromDate(view.today()) >= date) {
        const double today = DayCount::fromDate(view.today());
        const double windowEnd = std::min(today, date + windowDays - 1);
        const QDate from = DayCount::toDate(date);
        const QDate to = DayCount::toDate(windowEnd);

        // All pages of the window first: the order of the answers is not relied on.
        RangeAnswer got = fetchRange(view, result, from, to);
        if (got.kind == RangeAnswer::Stopped) {
            result.stopped = true;
            savePrizes();
            return;
        }
        const int days = int(windowEnd - date) + 1;
        if (got.kind == RangeAnswer::Refused && days > 1) {
            windowDays = std::max(1, days / 2);
            continue;
        }
        if (got.kind != RangeAnswer::Complete) {
            result.endReason = got.kind == RangeAnswer::Unreadable
                                   ? got.reason
                                   : QCoreApplication::translate("DrawDownload", "die Ziehungen ab dem %1 kamen nicht an: %2").arg(dateText(from), got.reason);
            savePrizes();
            return;
        }
        std::vector<OperatorDraw>& draws = got.draws;

        std::stable_sort(draws.begin(), draws.end(), [](const OperatorDraw& a, const OperatorDraw& b) {
            return a.date < b.date || (a.date == b.date && a.drawId < b.drawId);
        });
        for (const OperatorDraw& draw : draws) {
            const double day = DayCount::fromDate(draw.date);
            // Only the asked range, each date once, after what the history holds.
            if (!draw.date.isValid() || draw.date < from || draw.date > to || day <= newest) continue;
            const OperatorDraw::State state = draw.state();
            if (state == OperatorDraw::State::Cancelled) continue;
            if (state == OperatorDraw::State::NotYetDrawn) {
                // Not drawn or not published yet: nothing after it is stored either, so the next
                // update asks for this draw again and leaves no gap.
                ++result.incomplete;
                view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Die Ziehung vom %1 ist noch nicht vollständig").arg(dateText(draw.date)));
                const double reached = day;
                view.setRequestDate(reached);
                savePrizes();
                return;
            }
            DrawAnswer answer;
            bool shapeOk = draw.numbers.size() == 6 && draw.bonus.size() <= 1;
            for (size_t i = 0; i < 6 && i < draw.numbers.size(); ++i) answer.numbers[i] = draw.numbers[i];
            answer.additional = draw.bonus.empty() ? 0 : draw.bonus.front();
            const QString invalid = shapeOk ? answer.invalidReason()
                                            : QCoreApplication::translate("DrawDownload", "%1 Gewinnzahlen und %2 Zusatzzahlen statt 6 und höchstens 1")
                                                  .arg(draw.numbers.size())
                                                  .arg(draw.bonus.size());
            view.setCurrentDrawDate(day);
            const QString text = drawText(day, answer);
            view.setDrawText(text);
            if (!invalid.isEmpty()) {
                // Storing the later draws would leave this one out for good: the next update
                // starts again here.
                ++result.rejected;
                view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Antwort für den %1 verworfen: %2").arg(dateText(day), invalid));
                result.endReason = QCoreApplication::translate("DrawDownload", "die Ziehung vom %1 ist unbrauchbar: %2").arg(dateText(day), invalid);
                view.setRequestDate(day);
                savePrizes();
                return;
            }
            buffer.date = day;
            for (int i = 0; i < 6; ++i) buffer.numbers[i] = static_cast<std::uint8_t>(answer.numbers[i]);
            buffer.additional = static_cast<std::uint8_t>(answer.additional);
            buffer.eighth = 0;
            int sum = 0;
            for (int n : answer.numbers) sum += n;
            view.setCrossSumText(QCoreApplication::translate("DrawDownload", "Quersumme: %1").arg(sum));
            view.setTipDrawText(text);
            file.append(buffer);
            ++result.stored;
            result.newestStored = day;
            newest = day;
            if (!draw.tiers.empty()) {
                prizes.merge(draw.prizes());
                prizesChanged = true;
            }
        }
        view.setStatusText(1, QCoreApplication::translate("DrawDownload", kNoWarranty));
        view.setStatusText(0, progressText(to, result.stored));
        savePrizes();
        date = windowEnd + 1;
        view.setRequestDate(date);
    }
}

void DrawDownload::fetchAnnounced(DrawDownloadView& view, DrawDownloadResult& result) {
    if (m_nextDrawPath.isEmpty()) return;
    if (m_abort || view.stopRequested()) {
        result.stopped = true;
        return;
    }
    view.setStatusText(0, QCoreApplication::translate("DrawDownload", "Lade die nächste Ziehung …"));
    ++result.requests;
    const HttpResult answer = m_http.get(OperatorResults::announcedUrl(m_source.address), readProxy(view), operatorHeaders());
    if (m_abort || answer.aborted) {
        result.stopped = true;
        return;
    }
    // Without an answer the stored figure stays; the window shows its age.
    if (!answer.succeeded()) return;
    QString error;
    const std::optional<AnnouncedDraw> next = OperatorResults::parseAnnounced(answer.body, error);
    if (!next) return;
    NextDraw{view.today(), *next}.write(m_nextDrawPath);
    result.nextDrawStored = true;
}
