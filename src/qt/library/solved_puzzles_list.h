// The list of solved puzzles as the main window shows it.
#pragma once

class SolvedPuzzlesList {
public:
    virtual ~SolvedPuzzlesList() = default;
    // Refills the list from the registry and shows it modally until the player closes it.
    virtual void ShowList() = 0;
};
