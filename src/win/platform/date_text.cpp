#include "platform/date_text.h"

#include "base/date_pattern.h"
#include "ui/wide_text.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

std::string LocaleText(LCTYPE item) {
    wchar_t text[80] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text, static_cast<int>(std::size(text))) == 0)
        return {};
    return Utf8(text);
}

class UserDateNames final : public DateNames {
public:
    // LOCALE_SDAYNAME1 is Monday, as dayOfWeek 1 is.
    std::string DayName(int dayOfWeek, NameLength length) const override {
        const LCTYPE first = length == NameLength::Long ? LOCALE_SDAYNAME1 : LOCALE_SABBREVDAYNAME1;
        return LocaleText(first + static_cast<LCTYPE>(dayOfWeek - 1));
    }
    std::string MonthName(int month, NameLength length) const override {
        const LCTYPE first =
            length == NameLength::Long ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1;
        return LocaleText(first + static_cast<LCTYPE>(month - 1));
    }
    std::string DateSeparator() const override { return LocaleText(LOCALE_SDATE); }
    std::string TimeSeparator() const override { return LocaleText(LOCALE_STIME); }
};

} // namespace

std::string FormatOleDate(double oleDate, std::string_view pattern) {
    return FormatOleDate(oleDate, pattern, UserDateNames());
}
