// OLE Automation dates, the days since 30 December 1899 that files and the registry store.
#pragma once

#include <optional>

// A wall-clock date and time with no time zone, to the millisecond.
struct CivilDateTime {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;

    bool operator==(const CivilDateTime&) const = default;
};

// The integer part counts days from 30 December 1899 and the fraction is the time of day. For a
// negative value the fraction still moves forward from midnight: -1.25 is 29 December 1899 06:00.
// The time is rounded to the nearest millisecond, which may carry into the next day. NaN,
// infinities and anything outside 1 January 100 .. 31 December 9999 give no date.
std::optional<CivilDateTime> CivilFromOleDate(double oleDate);

// The inverse; a field out of its range (31 February, hour 24, year 10000) gives no value.
std::optional<double> OleDateFromCivil(const CivilDateTime& civil);

// The local wall-clock date and time now, as the game stamps records and new puzzles.
double OleDateNow();
