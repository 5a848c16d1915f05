// OLE Automation dates, the days since 30 December 1899 that files and the registry store.
#include "base/ole_date.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

using namespace std::chrono;

constexpr std::int64_t MillisecondsPerDay = 86'400'000;
constexpr sys_days OleEpoch = 1899y / December / 30;
constexpr year_month_day FirstDay = 100y / January / 1;
constexpr year_month_day LastDay = 9999y / December / 31;

bool InRange(const year_month_day& date) {
    return date >= FirstDay && date <= LastDay;
}

} // namespace

std::optional<CivilDateTime> CivilFromOleDate(double oleDate) {
    // The first day is -657434 and the last ends before 2958466. Rejecting anything a day or
    // more beyond them here keeps the integer conversions below defined; the exact bounds are
    // checked once rounding has settled the day.
    if (!(oleDate > -657436.0 && oleDate < 2958467.0))
        return std::nullopt;
    const double wholeDays = std::trunc(oleDate);
    const double fraction = std::fabs(oleDate - wholeDays);
    auto dayNumber = static_cast<std::int64_t>(wholeDays);
    auto millisecondOfDay = std::llround(fraction * static_cast<double>(MillisecondsPerDay));
    if (millisecondOfDay == MillisecondsPerDay) {
        ++dayNumber;
        millisecondOfDay = 0;
    }
    const year_month_day date{OleEpoch + days{dayNumber}};
    if (!InRange(date))
        return std::nullopt;
    const hh_mm_ss time{milliseconds{millisecondOfDay}};
    return CivilDateTime{static_cast<int>(date.year()),
                         static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day())),
                         static_cast<int>(time.hours().count()),
                         static_cast<int>(time.minutes().count()),
                         static_cast<int>(time.seconds().count()),
                         static_cast<int>(time.subseconds().count())};
}

std::optional<double> OleDateFromCivil(const CivilDateTime& civil) {
    // Fields are checked before any conversion to unsigned so that a negative month or day
    // cannot wrap into a valid one.
    if (civil.Year < 100 || civil.Year > 9999 || civil.Month < 1 || civil.Month > 12 ||
        civil.Day < 1 || civil.Day > 31)
        return std::nullopt;
    const year_month_day date{year{civil.Year}, month{static_cast<unsigned>(civil.Month)},
                              std::chrono::day{static_cast<unsigned>(civil.Day)}};
    if (!date.ok() || civil.Hour < 0 || civil.Hour > 23 || civil.Minute < 0 || civil.Minute > 59 ||
        civil.Second < 0 || civil.Second > 59 || civil.Millisecond < 0 || civil.Millisecond > 999)
        return std::nullopt;
    const auto wholeDays = static_cast<double>((sys_days{date} - OleEpoch).count());
    const auto millisecondOfDay =
        ((civil.Hour * 60 + civil.Minute) * 60 + civil.Second) * 1000 + civil.Millisecond;
    const double fraction =
        static_cast<double>(millisecondOfDay) / static_cast<double>(MillisecondsPerDay);
    return wholeDays < 0 ? wholeDays - fraction : wholeDays + fraction;
}

double OleDateNow() {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const CivilDateTime civil{.Year = local.tm_year + 1900,
                              .Month = local.tm_mon + 1,
                              .Day = local.tm_mday,
                              .Hour = local.tm_hour,
                              .Minute = local.tm_min,
                              .Second = local.tm_sec};
    return OleDateFromCivil(civil).value_or(0.0);
}
