// How long the game's per-load work on the largest puzzle takes: clues and the two file formats.
#include "model/derive_clues.h"
#include "model/puzzle_file.h"
#include "model/saved_game_file.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

GameState LargestGame(int historyRecords) {
    GameState game;
    game.Puzzle.Signature = PuzzleSignature;
    game.Puzzle.Width = MaxGridSide;
    game.Puzzle.Height = MaxGridSide;
    std::mt19937 random(7);
    for (std::uint16_t& cell : game.Puzzle.Solution.Cells)
        cell = random() % 2;
    for (int i = 0; i < historyRecords; ++i)
        game.History.push_back({0, i % MaxGridSide, i / MaxGridSide % MaxGridSide, 0, 1});
    game.HistoryIndex = historyRecords - 1;
    return game;
}

void DeriveCluesLargest(benchmark::State& state) {
    GameState game = LargestGame(0);
    for (auto _ : state) {
        game.ClearPlayState();
        DeriveClues(game);
        benchmark::DoNotOptimize(game.RowClueSlots);
    }
}
BENCHMARK(DeriveCluesLargest);

void DecodeGamePuzzleLargest(benchmark::State& state) {
    std::vector<std::uint8_t> bytes(PuzzleRecordSize);
    EncodePuzzleRecord(LargestGame(0).Puzzle, std::span(bytes).first<PuzzleRecordSize>());
    PuzzleRecord record;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeGamePuzzle(bytes, record));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(DecodeGamePuzzleLargest);

void SavedGameRoundTrip(benchmark::State& state) {
    const GameState game = LargestGame(static_cast<int>(state.range(0)));
    SavedGame saved;
    for (auto _ : state) {
        const std::vector<std::uint8_t> bytes = EncodeSavedGame(game);
        benchmark::DoNotOptimize(DecodeSavedGame(bytes, saved));
    }
}
BENCHMARK(SavedGameRoundTrip)->Arg(0)->Arg(10000)->Arg(1000000);

} // namespace
