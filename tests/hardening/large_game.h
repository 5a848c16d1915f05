// A 64 by 64 puzzle and scripted play on it, for the tests that need games of realistic size.
#pragma once

#include "game/game_session.h"
#include "model/puzzle_record.h"
#include "support/puzzle_pictures.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

constexpr int LargeSide = 64;

// The same picture every time: the kill test's helper and the test itself build it apart.
inline PuzzleRecord LargePuzzle() {
    std::mt19937 random(64);
    std::vector<std::string> rows(LargeSide, std::string(LargeSide, '.'));
    for (std::string& row : rows)
        for (char& cell : row)
            cell = random() % 100 < 55 ? '#' : '.';
    PuzzleRecord puzzle = PuzzleFromPicture(rows);
    puzzle.Name.Assign("Large");
    puzzle.Level = 4;
    puzzle.PuzzleId = Guid{0x64646464, 0x64, 0x64, {6, 4, 6, 4, 6, 4, 6, 4}};
    return puzzle;
}

struct ScriptCounts {
    int Presses = 0;
    int Undos = 0;
    int Redos = 0;
};

// Moves as a player makes them on a running game: presses with either button on cells and clue
// slots, some undone, some of those redone. The player is anything with GameSession's Press, Undo
// and Redo; game is the game it plays, for the number of clue slots.
template <typename Player>
ScriptCounts PlayScript(Player& player, const GameState& game, std::mt19937& random, int moves) {
    ScriptCounts counts;
    for (int move = 0; move < moves; ++move) {
        const std::uint32_t roll = random() % 100;
        if (roll < 15) {
            player.Undo();
            ++counts.Undos;
            continue;
        }
        if (roll < 22) {
            player.Redo();
            ++counts.Redos;
            continue;
        }
        const ButtonKind kind = random() % 2 == 0 ? ButtonKind::Left : ButtonKind::Right;
        const int line = static_cast<int>(random() % LargeSide);
        const std::uint32_t where = random() % 10;
        BoardTarget target{BoardArea::GridCell, static_cast<int>(random() % LargeSide), line};
        if (where == 0 && game.RowClueSlots > 0)
            target = {BoardArea::RowClueSlot,
                      static_cast<int>(random() % static_cast<std::uint32_t>(game.RowClueSlots)),
                      line};
        else if (where == 1 && game.ColumnClueSlots > 0)
            target = {
                BoardArea::ColumnClueSlot, line,
                static_cast<int>(random() % static_cast<std::uint32_t>(game.ColumnClueSlots))};
        player.Press(target, kind);
        ++counts.Presses;
    }
    return counts;
}

// A running game of the large puzzle after the given number of scripted moves.
inline GameSession PlayedLargeGame(std::uint32_t seed, int moves) {
    GameSession session;
    session.LoadPuzzle(LargePuzzle());
    session.Start();
    std::mt19937 random(seed);
    PlayScript(session, session.Game(), random, moves);
    return session;
}
