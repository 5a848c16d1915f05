// Completion texts built from the elapsed time and the puzzle's level.
#include "game/completion.h"

#include "model/game_state.h"
#include "base/clock_text.h"

std::string DurationText(int seconds) {
    const auto [hours, minutes, rest] = SplitSeconds(seconds);
    std::string text;
    if (hours > 0)
        text = std::to_string(hours) + " hours";
    if (!text.empty() && minutes > 0)
        text += ", ";
    if (minutes > 0)
        text += std::to_string(minutes) + " minutes";
    if (!text.empty() && rest > 0)
        text += " and ";
    if (rest > 0)
        text += std::to_string(rest) + " seconds";
    return text.empty() ? "No time" : text;
}

std::string CongratulationsText(const GameState& game) {
    return "Congratulations! You 've just completed a level " + std::to_string(game.Puzzle.Level) +
           " puzzle in " + DurationText(game.ElapsedSeconds);
}
