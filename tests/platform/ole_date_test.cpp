// OLE dates to civil dates and back, including the values a damaged file may hold.
#include "base/ole_date.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

void PrintTo(const CivilDateTime& c, std::ostream* out) {
    *out << c.Year << '-' << c.Month << '-' << c.Day << ' ' << c.Hour << ':' << c.Minute << ':'
         << c.Second << '.' << c.Millisecond;
}

namespace {

constexpr double Millisecond = 1.0 / 86'400'000;

struct KnownDate {
    double OleDate;
    CivilDateTime Civil;
};

TEST(OleDate, KnownValuesGiveTheirCivilDates) {
    const KnownDate cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0}},
        {2.0, {1900, 1, 1, 0, 0, 0, 0}},
        // No Lotus leap day: 1900 has no 29 February.
        {61.0, {1900, 3, 1, 0, 0, 0, 0}},
        {36526.5, {2000, 1, 1, 12, 0, 0, 0}},
        {43890.75, {2020, 2, 29, 18, 0, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 0}},
        // Between -1 and 0 the day is the epoch itself and the fraction still runs forward.
        {-0.25, {1899, 12, 30, 6, 0, 0, 0}},
        {-657434.0, {100, 1, 1, 0, 0, 0, 0}},
        {2958465.5, {9999, 12, 31, 12, 0, 0, 0}},
        // A little under half a millisecond before midnight rounds into the next day ...
        {1.0 - 0.4 * Millisecond, {1899, 12, 31, 0, 0, 0, 0}},
        // ... and a little over half stays on the last millisecond of this one.
        {1.0 - 0.6 * Millisecond, {1899, 12, 30, 23, 59, 59, 999}},
        // Before the epoch the carry moves the day forward in time too.
        {-2.0 - (1.0 - 0.4 * Millisecond), {1899, 12, 29, 0, 0, 0, 0}},
        {-657434.0 - (1.0 - 0.4 * Millisecond), {100, 1, 2, 0, 0, 0, 0}},
        {36526.0 + (3723004.0 + 0.49) * Millisecond, {2000, 1, 1, 1, 2, 3, 4}},
    };
    for (const KnownDate& known : cases) {
        SCOPED_TRACE(known.OleDate);
        EXPECT_EQ(CivilFromOleDate(known.OleDate), known.Civil);
    }
}

TEST(OleDate, CivilDatesGiveTheirKnownValues) {
    const KnownDate cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0}},         {36526.5, {2000, 1, 1, 12, 0, 0, 0}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 0}},       {-657434.0, {100, 1, 1, 0, 0, 0, 0}},
        {2958465.75, {9999, 12, 31, 18, 0, 0, 0}},
    };
    for (const KnownDate& known : cases) {
        SCOPED_TRACE(known.OleDate);
        EXPECT_EQ(OleDateFromCivil(known.Civil), known.OleDate);
    }
}

TEST(OleDate, ValuesThatAreNoDateAreRefused) {
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    const double refused[] = {
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        Infinity,
        -Infinity,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        1e19,
        -1e19,
        -657435.0,                     // 31 December 99
        -657435.5,                     // noon on 31 December 99
        2958466.0,                     // 1 January 10000
        2958466.0 - 0.4 * Millisecond, // rounds up to 1 January 10000
    };
    for (const double value : refused) {
        SCOPED_TRACE(value);
        EXPECT_EQ(CivilFromOleDate(value), std::nullopt);
    }
}

TEST(OleDate, CivilFieldsOutOfRangeAreRefused) {
    const CivilDateTime refused[] = {
        {99, 12, 31, 23, 59, 59, 999}, {10000, 1, 1, 0, 0, 0, 0}, {2001, 0, 1, 0, 0, 0, 0},
        {2001, 13, 1, 0, 0, 0, 0},     {2001, -1, 1, 0, 0, 0, 0}, {2001, 2, 29, 0, 0, 0, 0},
        {1900, 2, 29, 0, 0, 0, 0},     {2001, 4, 31, 0, 0, 0, 0}, {2001, 1, 0, 0, 0, 0, 0},
        {2001, 1, -5, 0, 0, 0, 0},     {2001, 1, 1, 24, 0, 0, 0}, {2001, 1, 1, -1, 0, 0, 0},
        {2001, 1, 1, 0, 60, 0, 0},     {2001, 1, 1, 0, 0, 60, 0}, {2001, 1, 1, 0, 0, 0, 1000},
        {2001, 1, 1, 0, 0, 0, -1},
    };
    for (const CivilDateTime& civil : refused) {
        SCOPED_TRACE(::testing::PrintToString(civil));
        EXPECT_EQ(OleDateFromCivil(civil), std::nullopt);
    }
}

TEST(OleDate, CivilDatesSurviveTheRoundTripAcrossTheWholeRange) {
    // A prime step walks through every month, weekday and leap rule without visiting every day.
    for (int day = -657434; day <= 2958465; day += 997) {
        const auto civil = CivilFromOleDate(day);
        ASSERT_TRUE(civil) << day;
        for (const int millisecondOfDay : {0, 1, 43'200'000, 45'296'789, 86'399'999}) {
            CivilDateTime withTime = *civil;
            withTime.Hour = millisecondOfDay / 3'600'000;
            withTime.Minute = millisecondOfDay / 60'000 % 60;
            withTime.Second = millisecondOfDay / 1000 % 60;
            withTime.Millisecond = millisecondOfDay % 1000;
            const auto oleDate = OleDateFromCivil(withTime);
            ASSERT_TRUE(oleDate) << day;
            EXPECT_EQ(std::trunc(*oleDate), day);
            EXPECT_EQ(CivilFromOleDate(*oleDate), withTime) << *oleDate;
        }
    }
}

TEST(OleDate, ValuesComeBackWithinHalfAMillisecond) {
    for (double value = -657434.0; value < 2958466.0; value += 1234.567891) {
        const auto civil = CivilFromOleDate(value);
        ASSERT_TRUE(civil) << value;
        const auto back = OleDateFromCivil(*civil);
        ASSERT_TRUE(back) << value;
        // Before the epoch the fraction counts the other way, so compare days and times of day;
        // the returned value carries its own rounding on top of the half millisecond.
        EXPECT_EQ(std::trunc(*back), std::trunc(value)) << value;
        EXPECT_NEAR(std::fabs(*back - std::trunc(*back)), std::fabs(value - std::trunc(value)),
                    0.5 * Millisecond + std::fabs(value) * std::numeric_limits<double>::epsilon())
            << value;
    }
}

} // namespace
