#include "history/DrawDownload.h"

#include "base/DayCount.h"
#include "base/Errors.h"
#include "history/DrawHistory.h"

#include <cmath>

namespace {

const QString kLoading = QStringLiteral("Loading");
const QString kNoWarranty = QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!");

ConversionError notAnInteger(const QString& text) {
    return ConversionError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
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
    if (unreadableField != 0) return QStringLiteral("das %1. Feld ist keine Zahl").arg(unreadableField);
    const auto problem = checkDrawNumbers(numbers, additional);
    if (!problem) return {};
    switch (problem->kind) {
    case DrawNumbersProblem::Kind::NumberOutOfRange:
        return QStringLiteral("die %1. Zahl %2 liegt nicht zwischen 1 und 49").arg(problem->field).arg(problem->value);
    case DrawNumbersProblem::Kind::NumberRepeated:
        return QStringLiteral("die Zahl %1 kommt mehrfach vor").arg(problem->value);
    case DrawNumbersProblem::Kind::AdditionalOutOfRange:
        return QStringLiteral("die Zusatzzahl %1 liegt nicht zwischen 1 und 49").arg(problem->value);
    case DrawNumbersProblem::Kind::AdditionalAmongNumbers:
        return QStringLiteral("die Zusatzzahl %1 ist schon eine der Gewinnzahlen").arg(problem->value);
    }
    return {};
}

DrawDownload::DrawDownload(HttpGetter& http, QString historyPath, QUrl serverAddress)
    : m_http(http), m_historyPath(std::move(historyPath)), m_server(std::move(serverAddress)) {}

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

double DrawDownload::nextDrawDay(double dayCount) {
    static constexpr int step[8] = {0,         /*Sun*/ 3, /*Mon*/ 2, /*Tue*/ 1, /*Wed*/ 3,
                                    /*Thu*/ 2, /*Fri*/ 1, /*Sat*/ 4};
    return dayCount + step[DayCount::weekday(dayCount)];
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
    date = nextDrawDay(date);
    view.setRequestDate(date);

    while (DayCount::fromDate(view.today()) >= date) {
        if (m_abort || view.stopRequested()) {
            result.stopped = true;
            break;
        }
        const int port = toInt(view.proxyPortText());
        HttpProxy proxy;
        proxy.host = view.proxyHostText().trimmed();
        if (!proxy.host.isEmpty()) {
            if (port < 1 || port > 65535)
                throw ConversionError(
                    QStringLiteral("Der Proxy-Port %1 liegt nicht zwischen 1 und 65535").arg(port));
            proxy.port = static_cast<quint16>(port);
        }

        view.setStatusText(0, kLoading);
        ++result.requests;
        const HttpResult answer = m_http.get(requestUrl(m_server, date), proxy);
        if (m_abort) {
            result.stopped = true;
            break;
        }
        if (!answer.succeeded()) {
            ++result.failed;
            view.setStatusText(0, answer.failureText());
        } else {
            view.setStatusText(0, QStringLiteral("Received %1 bytes").arg(answer.body.size()));
            view.setStatusText(1, kNoWarranty);
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
                        0, QStringLiteral("Antwort für den %1 verworfen: %2")
                               .arg(DayCount::toDate(date).toString(QStringLiteral("dd.MM.yyyy")), invalid));
                } else {
                    int sum = 0;
                    for (int n : draw.numbers) sum += n;
                    view.setCrossSumText(QStringLiteral("Quersumme: ") + QString::number(sum));
                    view.setTipDrawText(text);
                    buffer.eighth = 0;
                    file.append(buffer);
                    ++result.stored;
                }
            }
        }
        date = nextDrawDay(date);
        view.setRequestDate(date);
    }
    file.close();
}
