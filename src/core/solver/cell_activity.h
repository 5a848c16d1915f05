// Branching order for the learning search: cells ranked by how often they took part in recent
// conflicts, with older conflicts counting for less.
#pragma once

#include <vector>

class CellActivity {
public:
    explicit CellActivity(int cells);

    // Raises a cell that took part in a conflict by the current increment.
    void Bump(int cell);
    // Makes every earlier bump count for less than the ones to come.
    void Decay();
    // Puts a cell back among the candidates, when it becomes unknown again.
    void Restore(int cell);
    // Takes the most active candidate off the heap; -1 when there is none. Callers skip the
    // cells that are known by now, since known cells are only dropped lazily.
    int TakeMostActive();

private:
    bool Above(int a, int b) const { return Activity[a] > Activity[b]; }
    void MoveUp(int index);
    void MoveDown(int index);

    std::vector<double> Activity;
    std::vector<int> Heap;
    std::vector<int> IndexOf; // each cell's place in Heap, -1 when not in it
    double Increment = 1.0;
};
