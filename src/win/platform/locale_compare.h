// Ordering texts the way the user's language sorts them, for the sortable list columns.
#pragma once

#include <string_view>

// Negative, zero or positive as a sorts before, equal to or after b in the user's locale, case
// included (the system's own comparison, as lstrcmpW makes it). Texts the locale cannot tell
// apart are ordered by their UTF-16 code units, so only identical texts compare equal.
int LocaleCompare(std::wstring_view a, std::wstring_view b);
