#include "model/game_state.h"

void GameState::ClearPlayState() {
    PlayerGrid.Clear();
    RowClues.Clear();
    ColumnClues.Clear();
}
