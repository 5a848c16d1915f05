// The regular constraint of one line in CNF, with the automaton's state after each cell written
// in order encoding.
#include "solver/line_automaton_clauses.h"

#include <algorithm>
#include <cadical.hpp>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

// States in reading order: gap 0, the cells of run 0, gap 1, ..., the last gap. A gap reads any
// number of empty cells and leaves on a filled one; a run's cell leads on to the next with a
// filled cell, and its last cell to the following gap with an empty one. Reading never goes back,
// and moves on at most one state per cell.
enum class StateKind : std::uint8_t { Gap, RunCell, RunEnd };

constexpr int Dead = -1;

class LineAutomaton {
public:
    explicit LineAutomaton(std::span<const int> runs) {
        for (int run : runs) {
            Kinds.push_back(StateKind::Gap);
            Kinds.insert(Kinds.end(), static_cast<std::size_t>(run - 1), StateKind::RunCell);
            Kinds.push_back(StateKind::RunEnd);
        }
        Kinds.push_back(StateKind::Gap);
    }

    int StateCount() const { return static_cast<int>(Kinds.size()); }
    // The state after reading one cell, or Dead.
    int Next(int state, bool filled) const {
        switch (Kinds[state]) {
        case StateKind::Gap:
            return !filled ? state : state + 1 < StateCount() ? state + 1 : Dead;
        case StateKind::RunCell:
            return filled ? state + 1 : Dead;
        case StateKind::RunEnd:
            return filled ? Dead : state + 1;
        }
        return Dead;
    }
    // The cell just read was filled exactly when the state reached is one of a run's cells.
    bool ReadFilled(int state) const { return Kinds[state] != StateKind::Gap; }
    bool MustMoveOn(int state) const { return Kinds[state] != StateKind::Gap; }
    // The line may end in the last gap or right at the end of the last run.
    bool Accepts(int state) const {
        return state == StateCount() - 1 || (StateCount() > 1 && state == StateCount() - 2);
    }

private:
    std::vector<StateKind> Kinds;
};

// Literals that may be constants: a clause with a true one is dropped, false ones are left out.
constexpr int True = 0x7fffffff;
constexpr int False = -True;

void AddClause(CaDiCaL::Solver& solver, std::initializer_list<int> literals) {
    for (int literal : literals)
        if (literal == True)
            return;
    for (int literal : literals)
        if (literal != False)
            solver.add(literal);
    solver.add(0);
}

} // namespace

int AddLineAutomaton(CaDiCaL::Solver& solver, std::span<const int> runs, const LineState& known,
                     std::span<const int> cellVariables, int nextVariable) {
    const LineAutomaton automaton(runs);
    const int states = automaton.StateCount();
    const int length = static_cast<int>(cellVariables.size());
    auto index = [states](int position, int state) {
        return static_cast<std::size_t>(position) * states + state;
    };
    auto allows = [&known](int position, bool filled) {
        return ((filled ? known.Empty : known.Filled) & CellBit(position)) == 0;
    };

    // The states reachable after each number of cells from the line's start, kept only where the
    // line's end can still be reached from them.
    std::vector<std::uint8_t> live(static_cast<std::size_t>(length + 1) * states);
    live[index(0, 0)] = 1;
    for (int position = 0; position < length; ++position)
        for (int state = 0; state < states; ++state)
            for (bool filled : {false, true})
                if (live[index(position, state)] != 0 && allows(position, filled))
                    if (const int next = automaton.Next(state, filled); next != Dead)
                        live[index(position + 1, next)] = 1;
    for (int state = 0; state < states; ++state)
        live[index(length, state)] &= automaton.Accepts(state) ? 1 : 0;
    for (int position = length - 1; position >= 0; --position) {
        for (int state = 0; state < states; ++state) {
            bool leads = false;
            for (bool filled : {false, true}) {
                const int next = automaton.Next(state, filled);
                leads = leads || (allows(position, filled) && next != Dead &&
                                  live[index(position + 1, next)] != 0);
            }
            live[index(position, state)] &= leads ? 1 : 0;
        }
    }

    // atLeast(p, s): "after p cells the state is s or later". Below the lowest live state it is
    // true, above the highest false; only the states between get variables.
    std::vector<int> lowest(static_cast<std::size_t>(length) + 1, states);
    std::vector<int> highest(static_cast<std::size_t>(length) + 1, -1);
    std::vector<int> firstVariable(static_cast<std::size_t>(length) + 1);
    for (int position = 0; position <= length; ++position) {
        for (int state = 0; state < states; ++state) {
            if (live[index(position, state)] != 0) {
                lowest[position] = std::min(lowest[position], state);
                highest[position] = std::max(highest[position], state);
            }
        }
        firstVariable[position] = nextVariable - lowest[position] - 1;
        nextVariable += std::max(highest[position] - lowest[position], 0);
    }
    auto atLeast = [&](int position, int state) {
        if (state <= lowest[position])
            return True;
        if (state > highest[position])
            return False;
        return firstVariable[position] + state;
    };

    for (int position = 0; position <= length; ++position) {
        for (int state = lowest[position] + 1; state <= highest[position]; ++state) {
            AddClause(solver, {-atLeast(position, state + 1), atLeast(position, state)});
            // A state between the lowest and highest that cannot occur here.
            if (live[index(position, state)] == 0)
                AddClause(solver, {-atLeast(position, state), atLeast(position, state + 1)});
        }
    }
    for (int position = 0; position < length; ++position) {
        const int cell = cellVariables[position];
        const int after = position + 1;
        for (int state = lowest[position]; state <= highest[after]; ++state) {
            // Never back, at most one state on, and a run's states always move on.
            AddClause(solver, {-atLeast(position, state), atLeast(after, state)});
            AddClause(solver, {-atLeast(after, state + 1), atLeast(position, state)});
            if (state < states - 1 && automaton.MustMoveOn(state))
                AddClause(solver, {-atLeast(position, state), atLeast(position, state + 1),
                                   atLeast(after, state + 1)});
        }
        // The state reached says what the cell was.
        for (int state = lowest[after]; state <= highest[after]; ++state)
            AddClause(solver, {-atLeast(after, state), atLeast(after, state + 1),
                               automaton.ReadFilled(state) ? cell : -cell});
    }
    return nextVariable;
}
