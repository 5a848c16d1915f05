#include "game/game_texts.h"

#include "model/puzzle_record.h"
#include "base/clock_text.h"
#include "base/code_page.h"

std::string FormatClock(int seconds) {
    return "Time: " + ClockText(seconds);
}

std::string LevelText(const PuzzleRecord& puzzle) {
    return "Level: " + std::to_string(puzzle.Level);
}

std::string CaptionText(GamePhase phase, const PuzzleRecord& puzzle) {
    if (phase == GamePhase::NoPuzzle)
        return "Quorvane [BETA]";
    return "Quorvane - " + Utf8FromCp1252(puzzle.Name.Text());
}

std::string PromptText(GamePhase phase, int elapsedSeconds) {
    switch (phase) {
    case GamePhase::NoPuzzle:
        return "Press F2 to start a new game";
    case GamePhase::Paused:
        return elapsedSeconds > 0 ? "Press F5 to resume game" : "Press F5 to start game";
    case GamePhase::Running:
    case GamePhase::Solved:
        break;
    }
    return "";
}
