#include "tips/TipLine.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<QString> slotTexts(const ParsedTicket& t, int from, int to) {
    std::vector<QString> out;
    for (int k = from; k <= to; ++k) out.push_back(t.slotText(k));
    return out;
}

} // namespace

TEST(TicketParse, SingleTipLineFillsSlotsCodeAndSelector) {
    ParsedTicket t;
    const auto shown = t.parse(u"01,02,03,04,05,06:Normal");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, QStringLiteral("Normal"));
    EXPECT_EQ(t.count, 6);
    EXPECT_EQ(t.systemCode, QStringLiteral("Normal"));
    EXPECT_EQ(slotTexts(t, 1, 6), (std::vector<QString>{"01", "02", "03", "04", "05", "06"}));
    // Slot 0 and the slots beyond the line hold "0".
    EXPECT_EQ(t.slotText(0), QStringLiteral("0"));
    EXPECT_EQ(t.slotText(7), QStringLiteral("0"));
    EXPECT_EQ(t.slotText(26), QStringLiteral("0"));
    EXPECT_TRUE(t.numbers[1].numeric);
    EXPECT_EQ(t.numbers[1].value, 1);
    EXPECT_EQ(t.numbers[6].value, 6);
}

TEST(TicketParse, LineWithoutColonKeepsCodeAndSelector) {
    ParsedTicket t;
    t.parse(u"01,02,03,04,05,06,07,08,09:609");
    const auto shown = t.parse(u"05,12,19,27,33,41");
    EXPECT_FALSE(shown.has_value());
    EXPECT_EQ(t.systemCode, QStringLiteral("609"));
    EXPECT_EQ(t.count, 6);
    EXPECT_EQ(slotTexts(t, 1, 6), (std::vector<QString>{"05", "12", "19", "27", "33", "41"}));
    // The longer line before leaves nothing behind.
    EXPECT_EQ(t.slotText(7), QStringLiteral("0"));
    EXPECT_EQ(t.slotText(9), QStringLiteral("0"));
}

TEST(TicketParse, EmptyLineGivesNoFieldsAndLeavesSelector) {
    ParsedTicket t;
    t.parse(u"01,02,03,04,05,06:Normal");
    EXPECT_FALSE(t.parse(u"").has_value());
    EXPECT_EQ(t.count, 0);
    for (int k = 0; k < ParsedTicket::SlotCount; ++k) EXPECT_EQ(t.slotText(k), QStringLiteral("0")) << k;
    EXPECT_EQ(t.systemCode, QStringLiteral("Normal"));
}

TEST(TicketParse, ColonAtEndMeansEmptyReducedCode) {
    ParsedTicket t;
    t.parse(u"01,02,03,04,05,06:Normal");
    const auto shown = t.parse(u"05,12,19,27,33,41:");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, QStringLiteral("VEW:"));
    EXPECT_EQ(t.systemCode, QString());
    EXPECT_EQ(t.count, 6);

    // A lone ":" still yields one (empty) field.
    t.parse(u":");
    EXPECT_EQ(t.count, 1);
    EXPECT_EQ(t.slotText(1), QString());
    EXPECT_FALSE(t.numbers[1].numeric);
}

TEST(TicketParse, BlanksBeforeAFieldGoThoseBeforeItsCommaStay) {
    ParsedTicket t;
    t.parse(u"5, 12 ,19");
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(slotTexts(t, 1, 3), (std::vector<QString>{"5", "12 ", "19"}));
    EXPECT_TRUE(t.numbers[1].numeric);
    EXPECT_FALSE(t.numbers[2].numeric); // the trailing blank makes it fail conversion
    EXPECT_TRUE(t.numbers[3].numeric);

    // Tabs and other control characters count as blanks.
    t.parse(u"\t07,\r\n 08 :Normal");
    EXPECT_EQ(slotTexts(t, 1, 2), (std::vector<QString>{"07", "08 "}));
}

TEST(TicketParse, EmptyFieldsCountAndFail) {
    ParsedTicket t;
    t.parse(u"01,,03, :Normal");
    EXPECT_EQ(t.count, 4);
    EXPECT_EQ(slotTexts(t, 1, 4), (std::vector<QString>{"01", "", "03", ""}));
    EXPECT_FALSE(t.numbers[2].numeric);
    EXPECT_FALSE(t.numbers[4].numeric);

    // A comma at the end of the line gives a final empty field.
    t.parse(u"3,12,17,25,33,41,");
    EXPECT_EQ(t.count, 7);
    EXPECT_EQ(t.slotText(7), QString());
}

TEST(TicketParse, MoreThanTwentySixFieldsKeepTheFirst) {
    QStringList fields;
    for (int i = 1; i <= 30; ++i) fields << QString::asprintf("%.2d", i);
    ParsedTicket t;
    t.parse(fields.join(QLatin1Char(',')) + QStringLiteral(":Normal"));
    EXPECT_EQ(t.count, 26);
    for (int k = 1; k <= 26; ++k) EXPECT_EQ(t.numbers[k].value, k);
}

TEST(TicketParse, LongFieldsAndCodesAreCut) {
    ParsedTicket t;
    t.parse(u"1234567,07:Normal");
    EXPECT_EQ(t.slotText(1), QStringLiteral("12345"));
    EXPECT_TRUE(t.numbers[1].numeric);
    EXPECT_EQ(t.numbers[1].value, 12345);
    t.parse(u"07abcdef,07:Normal");
    EXPECT_EQ(t.slotText(1), QStringLiteral("07abc"));
    EXPECT_FALSE(t.numbers[1].numeric);

    const QString code = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    const auto shown = t.parse(QStringLiteral("01,02:") + code);
    EXPECT_EQ(t.systemCode, code.left(27));
    EXPECT_EQ(*shown, QStringLiteral("VEW:") + code.left(27));
    // Only the first ":" separates; later ones belong to the code.
    t.parse(u"01:a:b");
    EXPECT_EQ(t.systemCode, QStringLiteral("a:b"));
}

TEST(TicketParse, SlotConversion) {
    struct Case {
        const char16_t* text;
        bool numeric;
        int value;
    };
    const Case cases[] = {{u"07", true, 7}, {u"+5", true, 5},   {u"-3", true, -3},  {u"0", true, 0},
                          {u"", false, 0},  {u"-", false, 0},   {u"12 ", false, 0}, {u"1a", false, 0},
                          {u"x", false, 0}, {u"+-1", false, 0}, {u"49", true, 49}};
    for (const Case& c : cases) {
        TicketSlot s;
        s.assign(QStringView(c.text));
        EXPECT_EQ(s.numeric, c.numeric) << QString::fromUtf16(c.text).toStdString();
        if (c.numeric) {
            EXPECT_EQ(s.value, c.value) << QString::fromUtf16(c.text).toStdString();
        }
    }
}

TEST(SelectorText, FollowsTheCodeExactly) {
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("Normal")), QStringLiteral("Normal"));
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("Vollsystem")), QStringLiteral("Vollsystem"));
    for (const char* code : {"007", "008", "009", "010", "011", "012"})
        EXPECT_EQ(TipLine::selectorTextForCode(QString::fromLatin1(code)), QStringLiteral("Vollsystem"))
            << code;
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("013")), QStringLiteral("VEW:013"));
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("006")), QStringLiteral("VEW:006"));
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("Voll")), QStringLiteral("VEW:Voll"));
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("normal")), QStringLiteral("VEW:normal"));
    EXPECT_EQ(TipLine::selectorTextForCode(QStringLiteral("12")), QStringLiteral("VEW:12"));

    ParsedTicket t;
    EXPECT_EQ(*t.parse(u"01,02,03,04,05,06,07,08,09,10,11,12:012"), QStringLiteral("Vollsystem"));
    EXPECT_EQ(t.count, 12);
}

TEST(TipLineWriter, NumbersDesignationAndLine) {
    const std::vector<int> six{3, 11, 17, 25, 38, 44};
    EXPECT_EQ(TipLine::formatNumbers(six), QStringLiteral("03,11,17,25,38,44"));
    EXPECT_EQ(TipLine::formatNumbers(std::vector<int>{}), QString());
    EXPECT_EQ(TipLine::formatNumbers(std::vector<int>{7}), QStringLiteral("07"));

    EXPECT_EQ(TipLine::designation(QStringLiteral("Normal"), 6), QStringLiteral("Normal"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("VEW:609"), 9), QStringLiteral("609"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("Normal:abc"), 6), QStringLiteral("abc"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("a:b:c"), 6), QStringLiteral("b:c"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("Vollsystem"), 7), QStringLiteral("007"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("Vollsystem"), 12), QStringLiteral("012"));
    EXPECT_EQ(TipLine::designation(QStringLiteral("Vollsystem"), 6), QString());
    EXPECT_EQ(TipLine::designation(QStringLiteral("Vollsystem"), 13), QString());

    EXPECT_EQ(TipLine::makeLine(six, QStringLiteral("Normal")), QStringLiteral("03,11,17,25,38,44:Normal"));
    const std::vector<int> eight{2, 5, 9, 14, 21, 30, 41, 49};
    EXPECT_EQ(TipLine::makeLine(eight, QStringLiteral("Vollsystem")),
              QStringLiteral("02,05,09,14,21,30,41,49:008"));

    // What a writer produces parses back to the same numbers and kind.
    ParsedTicket t;
    EXPECT_EQ(*t.parse(TipLine::makeLine(eight, QStringLiteral("Vollsystem"))), QStringLiteral("Vollsystem"));
    ASSERT_EQ(t.count, 8);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(t.numbers[k].value, eight[static_cast<size_t>(k - 1)]);
}

TEST(TipLineWriter, NumbersAreWrittenAsPrintfWritesThemWhateverTheirSize) {
    // Two digits at least: one-digit numbers get a leading zero, the rest keep every digit.
    const std::vector<int> values{0, 1, 9, 10, 49, 99, 100, 255, 1234, -1, -7, -10, -123};
    for (const int v : values)
        EXPECT_EQ(TipLine::formatNumbers(std::vector<int>{v}), QString::asprintf("%.2d", v)) << v;
    EXPECT_EQ(TipLine::formatNumbers(values), QStringLiteral("00,01,09,10,49,99,100,255,1234,-01,-07,-10,-123"));
}

TEST(TipLineWriter, BlankTest) {
    EXPECT_TRUE(TipLine::isBlank(u""));
    EXPECT_TRUE(TipLine::isBlank(u"  \t "));
    EXPECT_FALSE(TipLine::isBlank(u" 01 "));
    EXPECT_EQ(TipLine::trimmed(u" \t01,02 \r"), QStringLiteral("01,02"));
}
