// OLE dates as text in the user's language, with the names and separators the system keeps for it.
#pragma once

#include <string>
#include <string_view>

// The date through a pattern of FormatOleDate (base/date_pattern.h), in UTF-8, with the user
// locale's day and month names and its date and time separators.
std::string FormatOleDate(double oleDate, std::string_view pattern);
