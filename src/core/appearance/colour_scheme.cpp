// The built-in board colours and the names of their roles.
#include "appearance/colour_scheme.h"

namespace {

constexpr std::array<std::string_view, ColourRoleCount> RoleNames = {
    "Window Background",   "Central Board",    "Left & Top Board", "Single Line",
    "Double Line",         "Excluded Cell",    "Marked Cell",      "Finalised Cell",
    "Finalised Axis Font", "Marked Axis Font", "Normal Axis Font",
};

} // namespace

const ColourSet DefaultScheme = {
    RgbColour(177, 193, 197), RgbColour(255, 255, 217), RgbColour(192, 192, 192),
    RgbColour(158, 143, 184), RgbColour(121, 109, 70),  RgbColour(255, 0, 0),
    RgbColour(0, 128, 0),     RgbColour(0, 0, 0),       RgbColour(255, 0, 0),
    RgbColour(0, 128, 0),     RgbColour(0, 0, 0),
};

std::string_view ColourRoleName(ColourRole role) {
    return RoleNames.at(static_cast<std::size_t>(role));
}

std::string ElementListEntry(ColourRole role) {
    std::string entry(ColourRoleName(role));
    if (role == ColourRole::SingleLine)
        entry += ' ';
    return entry;
}
