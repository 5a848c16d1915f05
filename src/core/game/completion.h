// The texts the player reads when the puzzle is solved.
#pragma once

#include <string>

struct GameState;

// Hours, minutes and seconds in words, leaving out each zero part; "No time" for none at all.
// Every count takes the plural word, 1 included, as players have always seen it.
std::string DurationText(int seconds);

// The congratulations dialog's text: the puzzle's level and the time it took.
std::string CongratulationsText(const GameState& game);
