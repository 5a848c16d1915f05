// The eleven colour roles of the board and the built-in scheme.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// A Windows colour value, 0x00BBGGRR: red in the low byte.
using ColourValue = std::int32_t;

constexpr ColourValue RgbColour(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}

// The roles in their fixed order; every array of eleven colours is indexed by it.
enum class ColourRole {
    WindowBackground,
    CentralBoard,
    LeftAndTopBoard,
    SingleLine,
    DoubleLine,
    ExcludedCell,
    MarkedCell,
    FinalisedCell,
    FinalisedAxisFont,
    MarkedAxisFont,
    NormalAxisFont,
};
constexpr std::size_t ColourRoleCount = 11;

using ColourSet = std::array<ColourValue, ColourRoleCount>;

// "Window Background", "Central Board", ...: the registry value names of a stored scheme.
std::string_view ColourRoleName(ColourRole role);
// A role as the preferences dialog's element list shows it: its name, but "Single Line " with the
// blank it was designed with.
std::string ElementListEntry(ColourRole role);

extern const ColourSet DefaultScheme;

// The two entries of the scheme list that are not stored schemes: the board's colours in force and
// DefaultScheme.
inline constexpr std::string_view CurrentSchemeEntry = "[Current]";
inline constexpr std::string_view DefaultSchemeEntry = "[Default]";
