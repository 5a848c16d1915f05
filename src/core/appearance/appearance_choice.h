// What the preferences dialog hands the main window: its colours and the remembered scheme.
#pragma once

#include "appearance/colour_scheme.h"

#include <string>

// The main window's colours in force and the name of the scheme ColorSet remembers.
struct AppearanceChoice {
    ColourSet BoardColours;
    std::string ActiveSchemeName;
};
