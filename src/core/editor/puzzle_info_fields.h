// The puzzle information dialog's fields as both programs show and take them: the sizes and levels
// it offers, how many characters can be typed into its texts and how its date reads.
#pragma once

#include <string>
#include <string_view>

namespace PuzzleInfoField {
constexpr int MinSide = 16;
constexpr int MaxSide = 64;
constexpr int MaxLevel = 10;
// A name or a creator fills its field in the file. Comments stop one short of their 255, a line
// break counting as the two characters (CR LF) it is stored as.
constexpr int MaxNameLength = 80;
constexpr int MaxTypedComments = 254;
// The creation date, for FormatOleDate: weekday and month named in full, then the time.
constexpr std::string_view DatePattern = "dddd dd mmmm yyyy hh:nn";
} // namespace PuzzleInfoField

// A puzzle's side as a spin box shows it: within the sizes the dialog offers.
int ShownSide(int side);
// A puzzle's level as the slider stands for it: within 0..MaxLevel. The panel beside the slider
// shows the level unclamped.
int ShownLevel(int level);
// The comments as a system's multi-line text box shows them: each line break, whether CR LF, a
// lone CR or a lone LF, as CR LF.
std::string CommentsShown(std::string_view comments);
