// The two-digit clock pieces against what printf's "%2.2d" writes.
#include "platform/clock_text.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ClockText, TwoDigitsWritesWhatPrintfWrites) {
    const struct {
        int Value;
        const char* Text;
    } cases[] = {
        {0, "00"},    {5, "05"},     {59, "59"},    {100, "100"},
        {-1, "-01"},  {-12, "-12"}, {-100, "-100"}, {INT_MAX, "2147483647"},
        {INT_MIN, "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TwoDigits(c.Value), c.Text) << c.Value;
}

TEST(ClockText, PiecesMakeAClockPastOneHundredHours) {
    const auto clock = [](int seconds) {
        return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
               TwoDigits(seconds % 60);
    };
    EXPECT_EQ(clock(3725), "01:02:05");
    EXPECT_EQ(clock(360000), "100:00:00");
}

} // namespace
