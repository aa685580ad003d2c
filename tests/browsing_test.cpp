#include "base/DayCount.h"
#include "history/DrawBrowsing.h"
#include "support/TestPlatform.h"

#include <gtest/gtest.h>

using DrawBrowsing::WeekdayRule;

namespace {

// Wednesday 5 January 2011, then alternately Saturday and Wednesday: even indices are
// Wednesdays, odd ones Saturdays.
std::vector<DrawRecord> alternating(int count) {
    std::vector<DrawRecord> out;
    QDate d(2011, 1, 5);
    for (int i = 0; i < count; ++i) {
        out.push_back(makeDraw(d, {1, 2, 3, 4, 5, 6}, 7));
        d = d.addDays(i % 2 == 0 ? 3 : 4);
    }
    return out;
}

std::vector<DrawRecord> onDates(std::initializer_list<QDate> dates) {
    std::vector<DrawRecord> out;
    for (const QDate& d : dates) out.push_back(makeDraw(d, {1, 2, 3, 4, 5, 6}, 7));
    return out;
}

constexpr WeekdayRule Both{true, true};
constexpr WeekdayRule NoSaturdays{false, true};
constexpr WeekdayRule NoWednesdays{true, false};
constexpr WeekdayRule Neither{false, false};

} // namespace

TEST(Browsing, StepsOneDrawWithBothWeekdays) {
    const auto h = alternating(20);
    ASSERT_EQ(DayCount::weekday(h[10].date), DayCount::Wednesday);
    ASSERT_EQ(DayCount::weekday(h[9].date), DayCount::Saturday);

    auto s = DrawBrowsing::back(h, 5, Both);
    EXPECT_EQ(s.index, 4);
    EXPECT_EQ(s.visits, 1);
    EXPECT_EQ(s.checks, 1);
    EXPECT_EQ(DrawBrowsing::forward(h, 4, Both).index, 5);

    // At either end the step shows the same draw again.
    EXPECT_EQ(DrawBrowsing::back(h, 0, Both).index, 0);
    EXPECT_EQ(DrawBrowsing::forward(h, 19, Both).index, 19);
    // An index left over from a longer history starts from the last draw.
    EXPECT_EQ(DrawBrowsing::back(h, 25, Both).index, 19);
    EXPECT_EQ(DrawBrowsing::forward(h, 25, Both).index, 19);
}

TEST(Browsing, StepsOverSwitchedOffWeekdays) {
    const auto h = alternating(21); // the last draw (20) is a Wednesday
    auto s = DrawBrowsing::back(h, 10, NoSaturdays);
    EXPECT_EQ(s.index, 8);
    EXPECT_EQ(s.visits, 2);
    EXPECT_EQ(s.checks, 2);
    EXPECT_EQ(DrawBrowsing::forward(h, 8, NoSaturdays).index, 10);

    // The last draw is stepped over: the step turns back to the Saturday before it.
    s = DrawBrowsing::forward(h, 19, NoWednesdays);
    EXPECT_EQ(s.index, 19);
    EXPECT_EQ(s.visits, 2);
    EXPECT_EQ(DrawBrowsing::forward(h, 17, NoWednesdays).index, 19);

    // The first draw (a Wednesday) is stepped over backwards: the step ends on it.
    s = DrawBrowsing::back(h, 1, NoWednesdays);
    EXPECT_EQ(s.index, 0);
    EXPECT_EQ(s.visits, 1);
}

TEST(Browsing, EndsWhenNoDrawPassesTheRule) {
    const auto h = alternating(20);
    auto s = DrawBrowsing::back(h, 10, Neither);
    EXPECT_EQ(s.index, 0);
    EXPECT_EQ(s.visits, 10);
    s = DrawBrowsing::forward(h, 10, Neither);
    EXPECT_EQ(s.index, 19);
    EXPECT_EQ(s.visits, 11); // 11..19, turned back to 18, then 19 once more

    // The last two draws are both Wednesdays and stepped over.
    const auto twoWednesdays = onDates({QDate(2011, 1, 1), QDate(2011, 1, 5), QDate(2011, 1, 12)});
    s = DrawBrowsing::forward(twoWednesdays, 0, NoWednesdays);
    EXPECT_EQ(s.index, 2);

    // A one-draw history that is stepped over.
    const auto single = onDates({QDate(2011, 1, 5)});
    EXPECT_EQ(DrawBrowsing::forward(single, 0, NoWednesdays).index, 0);
    EXPECT_EQ(DrawBrowsing::back(single, 0, NoWednesdays).index, 0);
}

TEST(Browsing, OtherWeekdaysAndEmptyHistory) {
    // A Tuesday draw is never stepped over.
    const auto h = onDates({QDate(2011, 1, 4), QDate(2011, 1, 5), QDate(2011, 1, 8)});
    EXPECT_EQ(DrawBrowsing::back(h, 2, Neither).index, 0);
    EXPECT_EQ(DrawBrowsing::back(h, 2, Neither).visits, 2);
    EXPECT_EQ(DrawBrowsing::forward(h, 0, Neither).index, 2);

    const std::vector<DrawRecord> none;
    auto s = DrawBrowsing::back(none, 3, Both);
    EXPECT_FALSE(s.index.has_value());
    EXPECT_EQ(s.checks, 1);
    s = DrawBrowsing::forward(none, 3, Both);
    EXPECT_FALSE(s.index.has_value());
    EXPECT_EQ(s.checks, 0);
}
