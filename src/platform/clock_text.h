// The two-digit pieces that clock texts such as "01:02:05" and "100:00:00" are built from.
#pragma once

#include <string>

// The number as printf's "%2.2d" writes it: at least two digits, zero-padded, a minus sign
// before the digits ("-01"), and more digits when the number needs them ("100").
std::string TwoDigits(int value);
