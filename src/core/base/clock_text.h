// Clock texts such as "01:02:05" and "100:00:00", and the hours, minutes and seconds they show.
#pragma once

#include <string>

// The number as printf's "%2.2d" writes it: at least two digits, zero-padded, a minus sign
// before the digits ("-01"), and more digits when the number needs them ("100").
std::string TwoDigits(int value);

struct ClockParts {
    int Hours = 0; // however many
    int Minutes = 0;
    int Seconds = 0;
};

ClockParts SplitSeconds(int seconds);

// "hh:mm:ss", each part as TwoDigits writes it.
std::string ClockText(int seconds);
