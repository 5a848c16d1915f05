#include "platform/locale_compare.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

int LocaleCompare(std::wstring_view a, std::wstring_view b) {
    const int byLocale =
        CompareStringW(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                       static_cast<int>(b.size()));
    if (byLocale == CSTR_LESS_THAN)
        return -1;
    if (byLocale == CSTR_GREATER_THAN)
        return 1;
    const int order = a.compare(b);
    return (order > 0) - (order < 0);
}
