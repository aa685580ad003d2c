#pragma once
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

// A tip travels through the program only as text: two-digit numbers joined by ",", then ":"
// and the system designation ("Normal", "007".."012" or a reduced-system code), e.g.
//   03,11,17,25,38,44:Normal     02,05,09,14,21,30,41:007     01,04,08,15,16,23,30,42,47:609
// Every check parses the line again, so the parser must be cheap and must accept any text.

// One number field of a parsed line, cut to its first Width characters. The value is worked
// out once at parse time so that the checks, which run very often, never convert text.
struct TicketSlot {
    static constexpr int Width = 5;

    std::array<char16_t, Width> chars{};
    std::uint8_t length = 0;
    // An optional sign and digits, nothing else: "12 " and "" are no number.
    bool numeric = false;
    int value = 0;

    void assign(QStringView text);
    QString text() const { return QStringView(chars.data(), length).toString(); }
};

// The parsed form of the last line handed to the parser. Slot 0 is never filled; slots the
// parse does not reach hold "0".
struct ParsedTicket {
    static constexpr int SlotCount = 27;
    static constexpr int MaxFields = 26;
    static constexpr int MaxCodeLength = 27;

    std::array<TicketSlot, SlotCount> numbers;
    int count = 0;
    // What followed the ":" of the last line that had one (at most 27 characters).
    QString systemCode;

    ParsedTicket();

    // Splits the line into its fields; never fails. A line with ":" sets systemCode and returns
    // the text the system selector must show afterwards; a line without ":" leaves systemCode
    // alone and returns nothing, so the selector's current text decides how it is checked.
    std::optional<QString> parse(QStringView line);

    QString slotText(int k) const { return numbers[k].text(); }

private:
    int m_filled = 0; // slots 1..m_filled differ from "0" since the last parse
};

namespace TipLine {

inline const QString Normal = QStringLiteral("Normal");
inline const QString FullSystem = QStringLiteral("Vollsystem");
inline const QString ReducedPrefix = QStringLiteral("VEW:");

// "Normal", "Vollsystem" (also for the codes "007".."012"), otherwise "VEW:" and the code.
QString selectorTextForCode(const QString& code);

// Removes blanks and control characters at both ends (everything up to U+0020).
QStringView trimmed(QStringView text);
bool isBlank(QStringView text);

// At least two digits each, joined by ",".
QString formatNumbers(std::span<const int> numbers);

// The designation a new line gets: "Vollsystem" "007".."012" for n = 7..12, else ""; any other
// text what follows its first ":", or the whole text ("VEW:609" -> "609").
QString designation(const QString& selectorText, int n);

// numbers ":" designation.
QString makeLine(std::span<const int> numbers, const QString& selectorText);

} // namespace TipLine
