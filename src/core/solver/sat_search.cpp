// The SAT back end over CaDiCaL, used incrementally: one formula, solved twice.
#include "solver/sat_search.h"

#include "solver/line_automaton_clauses.h"
#include "solver/tree_search.h"

#include <algorithm>
#include <cadical.hpp>
#include <climits>
#include <vector>

namespace {

class CancelTerminator : public CaDiCaL::Terminator {
public:
    explicit CancelTerminator(const SearchNodes& nodes) : Nodes(nodes) {}
    bool terminate() override { return Nodes.Cancelled(); }

private:
    const SearchNodes& Nodes;
};

enum class SatAnswer { Solved, Unsolvable, GaveUp };

// Cell variables are the grid's cell indices plus one.
int CellVariable(int cell) {
    return cell + 1;
}

void AddUnit(CaDiCaL::Solver& solver, int literal) {
    solver.add(literal);
    solver.add(0);
}

SatAnswer Solve(CaDiCaL::Solver& solver, SearchNodes& nodes) {
    if (!nodes.Spend())
        return SatAnswer::GaveUp;
    if (const auto left = nodes.Left())
        solver.limit("conflicts", static_cast<int>(std::min<std::uint64_t>(*left, INT_MAX)));
    switch (solver.solve()) {
    case 10:
        return SatAnswer::Solved;
    case 20:
        return SatAnswer::Unsolvable;
    default:
        return SatAnswer::GaveUp;
    }
}

Picture SolutionOf(CaDiCaL::Solver& solver, const SolverGrid& grid) {
    Picture picture = Picture::Blank(grid.Width(), grid.Height());
    for (int cell = 0; cell < grid.CellCount(); ++cell)
        picture.Cells[cell] = solver.val(CellVariable(cell)) > 0 ? 1 : 0;
    return picture;
}

} // namespace

void SearchSat(SolverGrid& grid, SearchNodes& nodes, SolveReport& report, SatSettings settings) {
    CaDiCaL::Solver solver;
    if (settings == SatSettings::QuickFirstSolution) {
        solver.set("chrono", 0);
        solver.set("ternary", 0);
        solver.set("probe", 0);
    }
    CancelTerminator terminator(nodes);
    solver.connect_terminator(&terminator);

    std::vector<int> open;
    for (int cell = 0; cell < grid.CellCount(); ++cell) {
        const LineCell value = grid.At(cell);
        if (value == LineCell::Unknown)
            open.push_back(cell);
        else
            AddUnit(solver, value == LineCell::Filled ? CellVariable(cell) : -CellVariable(cell));
    }
    int nextVariable = CellVariable(grid.CellCount());
    std::vector<int> cells;
    for (int line = 0; line < grid.LineCount(); ++line) {
        cells.clear();
        for (int position = 0; position < grid.LineLength(line); ++position)
            cells.push_back(CellVariable(grid.CellOf(line, position)));
        nextVariable =
            AddLineAutomaton(solver, grid.Runs(line), grid.Line(line), cells, nextVariable);
    }

    report.Outcome = Verdict::Unknown;
    const SatAnswer first = Solve(solver, nodes);
    if (first != SatAnswer::Solved) {
        report.Outcome = first == SatAnswer::Unsolvable ? Verdict::None : Verdict::Unknown;
        return;
    }
    report.First = SolutionOf(solver, grid);
    // CaDiCaL can take far longer to rule out the first solution than a search from it takes to
    // find a neighbour.
    if (SearchNearSolution(grid, nodes, *report.First, report))
        return;
    for (int cell : open)
        solver.add(report.First->Cells[cell] != 0 ? -CellVariable(cell) : CellVariable(cell));
    solver.add(0);
    const SatAnswer second = Solve(solver, nodes);
    if (second == SatAnswer::Unsolvable) {
        report.Outcome = Verdict::UniqueBySearch;
    } else if (second == SatAnswer::Solved) {
        report.Second = SolutionOf(solver, grid);
        report.Outcome = Verdict::Several;
    }
}
