// OLE dates written through the date patterns the windows use, with names and separators from the
// user's language, which each system supplies.
#pragma once

#include <string>
#include <string_view>

enum class NameLength { Short, Long };

// The names and separators of one language, in UTF-8.
class DateNames {
public:
    virtual ~DateNames() = default;
    // dayOfWeek is 1 for Monday .. 7 for Sunday.
    virtual std::string DayName(int dayOfWeek, NameLength length) const = 0;
    // month is 1 .. 12.
    virtual std::string MonthName(int month, NameLength length) const = 0;
    virtual std::string DateSeparator() const = 0;
    virtual std::string TimeSeparator() const = 0;
};

// Writes the date through a pattern of these letters, copying everything else as is:
//   dd day 01..31, ddd / dddd short / full weekday name, mm month 01..12,
//   mmm / mmmm short / full month name, yyyy year, hh hour 00..23, nn minute 00..59.
// "/" and ":" become the language's date and time separators. Minutes are "nn" so that "mm" is
// always the month. A value that is no date (CivilFromOleDate) gives "".
std::string FormatOleDate(double oleDate, std::string_view pattern, const DateNames& names);
