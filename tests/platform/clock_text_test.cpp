// The two-digit pieces of clock texts against what printf's "%2.2d" writes.
#include "base/clock_text.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(ClockText, TwoDigitsWritesWhatPrintfWrites) {
    const struct {
        int Value;
        const char* Text;
    } cases[] = {
        {0, "00"},
        {5, "05"},
        {59, "59"},
        {100, "100"},
        {-1, "-01"},
        {-12, "-12"},
        {-100, "-100"},
        {INT_MAX, "2147483647"},
        {INT_MIN, "-2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TwoDigits(c.Value), c.Text) << c.Value;
}

} // namespace
