// Writing OLE dates through the windows' date patterns.
#include "base/date_pattern.h"

#include "base/ole_date.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {

std::string Padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

int DayOfWeek(const CivilDateTime& civil) {
    using namespace std::chrono;
    const weekday day{sys_days{year{civil.Year} / civil.Month / civil.Day}};
    return static_cast<int>(day.iso_encoding());
}

struct PatternLetters {
    std::string_view Letters;
    std::string (*Write)(const CivilDateTime&, const DateNames&);
};

// Longer runs of a letter come before shorter ones so that "dddd" is not read as "dd" twice.
constexpr std::array<PatternLetters, 9> AllPatternLetters{{
    {"dddd", [](const CivilDateTime& c,
                const DateNames& n) { return n.DayName(DayOfWeek(c), NameLength::Long); }},
    {"ddd", [](const CivilDateTime& c,
               const DateNames& n) { return n.DayName(DayOfWeek(c), NameLength::Short); }},
    {"dd", [](const CivilDateTime& c, const DateNames&) { return Padded(c.Day, 2); }},
    {"mmmm", [](const CivilDateTime& c,
                const DateNames& n) { return n.MonthName(c.Month, NameLength::Long); }},
    {"mmm", [](const CivilDateTime& c,
               const DateNames& n) { return n.MonthName(c.Month, NameLength::Short); }},
    {"mm", [](const CivilDateTime& c, const DateNames&) { return Padded(c.Month, 2); }},
    {"yyyy", [](const CivilDateTime& c, const DateNames&) { return Padded(c.Year, 4); }},
    {"hh", [](const CivilDateTime& c, const DateNames&) { return Padded(c.Hour, 2); }},
    {"nn", [](const CivilDateTime& c, const DateNames&) { return Padded(c.Minute, 2); }},
}};

} // namespace

std::string FormatOleDate(double oleDate, std::string_view pattern, const DateNames& names) {
    const auto civil = CivilFromOleDate(oleDate);
    if (!civil)
        return {};
    std::string text;
    while (!pattern.empty()) {
        const auto letters =
            std::find_if(AllPatternLetters.begin(), AllPatternLetters.end(),
                         [&](const PatternLetters& p) { return pattern.starts_with(p.Letters); });
        if (letters != AllPatternLetters.end()) {
            text += letters->Write(*civil, names);
            pattern.remove_prefix(letters->Letters.size());
            continue;
        }
        const char c = pattern.front();
        if (c == '/')
            text += names.DateSeparator();
        else if (c == ':')
            text += names.TimeSeparator();
        else
            text += c;
        pattern.remove_prefix(1);
    }
    return text;
}
