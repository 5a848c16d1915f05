// Windows colour values (0x00BBGGRR) as the toolkit's colours.
#pragma once

#include "appearance/colour_scheme.h"

#include <QColor>

inline QColor ToQColor(ColourValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline ColourValue FromQColor(const QColor& colour) {
    return RgbColour(colour.red(), colour.green(), colour.blue());
}
