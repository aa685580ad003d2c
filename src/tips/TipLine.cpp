#include "tips/TipLine.h"

#include <QStringList>
#include <algorithm>

namespace {

bool isTrimmable(QChar c) {
    return c.unicode() <= 0x20;
}

// "0", what a slot holds where a parse does not reach.
constexpr TicketSlot ZeroSlot{{u'0'}, 1, true, 0};

} // namespace

void TicketSlot::assign(QStringView text) {
    const qsizetype n = std::min<qsizetype>(text.size(), Width);
    for (qsizetype i = 0; i < n; ++i) chars[i] = text[i].unicode();
    length = static_cast<std::uint8_t>(n);

    // Five characters hold at most a sign and four digits, so the value never overflows.
    numeric = false;
    value = 0;
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (chars[i] == u'+' || chars[i] == u'-')) {
        negative = chars[i] == u'-';
        ++i;
    }
    if (i == n) return;
    int v = 0;
    for (; i < n; ++i) {
        const char16_t c = chars[i];
        if (c < u'0' || c > u'9') return;
        v = v * 10 + (c - u'0');
    }
    numeric = true;
    value = negative ? -v : v;
}

ParsedTicket::ParsedTicket() {
    numbers.fill(ZeroSlot);
}

std::optional<QString> ParsedTicket::parse(QStringView line) {
    // Slots the previous parse filled go back to "0"; the others still hold it.
    for (int k = 1; k <= m_filled; ++k) numbers[k] = ZeroSlot;
    m_filled = 0;
    count = 0;

    if (line.isEmpty()) return std::nullopt;

    std::optional<QString> selector;
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        systemCode = line.mid(colon + 1, MaxCodeLength).toString();
        selector = TipLine::selectorTextForCode(systemCode);
        line = line.left(colon);
    }

    // The line behaves as if one "," were appended: the last field ends at the end of the line.
    // Fields are taken from the left; blanks and control characters before a field go, those
    // before its "," stay part of it.
    const QChar* p = line.data();
    const QChar* const end = p + line.size();
    int i = 0;
    while (i < MaxFields) {
        ++i;
        while (p < end && isTrimmable(*p)) ++p;
        const QChar* fieldEnd = p;
        while (fieldEnd < end && *fieldEnd != QLatin1Char(',')) ++fieldEnd;
        numbers[i].assign(QStringView(p, fieldEnd));
        if (fieldEnd == end) break; // that was the appended ","
        p = fieldEnd + 1;
    }
    count = i;
    m_filled = i;
    return selector;
}

namespace TipLine {

QString selectorTextForCode(const QString& code) {
    static const QStringList fullCodes{FullSystem,         QStringLiteral("007"), QStringLiteral("008"),
                                       QStringLiteral("009"), QStringLiteral("010"), QStringLiteral("011"),
                                       QStringLiteral("012")};
    if (code == Normal) return Normal;
    if (fullCodes.contains(code)) return FullSystem;
    return ReducedPrefix + code;
}

QStringView trimmed(QStringView text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isTrimmable(text[b])) ++b;
    while (e > b && isTrimmable(text[e - 1])) --e;
    return text.mid(b, e - b);
}

bool isBlank(QStringView text) {
    return trimmed(text).isEmpty();
}

QString formatNumbers(std::span<const int> numbers) {
    QString out;
    out.reserve(static_cast<qsizetype>(numbers.size()) * 3);
    for (const int n : numbers) {
        if (!out.isEmpty()) out += QLatin1Char(',');
        if (n >= 0 && n <= 99) {
            // What "%.2d" gives for these, without formatting through printf.
            out += QLatin1Char(static_cast<char>('0' + n / 10));
            out += QLatin1Char(static_cast<char>('0' + n % 10));
        } else {
            out += QString::asprintf("%.2d", n);
        }
    }
    return out;
}

QString designation(const QString& selectorText, int n) {
    if (selectorText == FullSystem) return n >= 7 && n <= 12 ? QString::asprintf("%.3d", n) : QString();
    const qsizetype colon = selectorText.indexOf(QLatin1Char(':'));
    return colon >= 0 ? selectorText.mid(colon + 1) : selectorText;
}

QString makeLine(std::span<const int> numbers, const QString& selectorText) {
    return formatNumbers(numbers) + QLatin1Char(':') +
           designation(selectorText, static_cast<int>(numbers.size()));
}

} // namespace TipLine
