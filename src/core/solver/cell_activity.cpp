// A binary max-heap of cells by activity, with the increment growing instead of every score
// shrinking, and a rescale when the numbers grow too large.
#include "solver/cell_activity.h"

namespace {

// The growth per conflict of the increment: a bump made 100 conflicts ago counts for ~0.6 %.
constexpr double DecayFactor = 1.0 / 0.95;
constexpr double RescaleAbove = 1e100;

} // namespace

CellActivity::CellActivity(int cells)
    : Activity(static_cast<std::size_t>(cells), 0.0), IndexOf(static_cast<std::size_t>(cells)) {
    for (int cell = 0; cell < cells; ++cell) {
        IndexOf[cell] = cell;
        Heap.push_back(cell);
    }
}

void CellActivity::Bump(int cell) {
    Activity[cell] += Increment;
    if (Activity[cell] > RescaleAbove) {
        for (double& activity : Activity)
            activity /= RescaleAbove;
        Increment /= RescaleAbove;
    }
    if (IndexOf[cell] >= 0)
        MoveUp(IndexOf[cell]);
}

void CellActivity::Decay() {
    Increment *= DecayFactor;
}

void CellActivity::Restore(int cell) {
    if (IndexOf[cell] >= 0)
        return;
    IndexOf[cell] = static_cast<int>(Heap.size());
    Heap.push_back(cell);
    MoveUp(IndexOf[cell]);
}

int CellActivity::TakeMostActive() {
    if (Heap.empty())
        return -1;
    const int top = Heap.front();
    IndexOf[top] = -1;
    const int last = Heap.back();
    Heap.pop_back();
    if (!Heap.empty()) {
        Heap.front() = last;
        IndexOf[last] = 0;
        MoveDown(0);
    }
    return top;
}

void CellActivity::MoveUp(int index) {
    const int cell = Heap[index];
    while (index > 0 && Above(cell, Heap[(index - 1) / 2])) {
        Heap[index] = Heap[(index - 1) / 2];
        IndexOf[Heap[index]] = index;
        index = (index - 1) / 2;
    }
    Heap[index] = cell;
    IndexOf[cell] = index;
}

void CellActivity::MoveDown(int index) {
    const int cell = Heap[index];
    const int size = static_cast<int>(Heap.size());
    for (;;) {
        int child = 2 * index + 1;
        if (child >= size)
            break;
        if (child + 1 < size && Above(Heap[child + 1], Heap[child]))
            ++child;
        if (!Above(Heap[child], cell))
            break;
        Heap[index] = Heap[child];
        IndexOf[Heap[index]] = index;
        index = child;
    }
    Heap[index] = cell;
    IndexOf[cell] = index;
}
