// Conflict learning over the cells: line and clause propagation, analysis to the first unique
// implication point, activity-based decisions with saved phases, Luby restarts and the deletion
// of the least active learnt clauses.
#include "solver/learning_search.h"

#include "solver/cell_activity.h"
#include "solver/line_reason.h"
#include "solver/tree_search.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace {

// A literal is 2 * cell for the cell filled and 2 * cell + 1 for it empty.
int LiteralOf(int cell, LineCell value) {
    return 2 * cell + (value == LineCell::Empty ? 1 : 0);
}
int CellOfLiteral(int literal) {
    return literal / 2;
}
LineCell ValueOfLiteral(int literal) {
    return literal % 2 == 0 ? LineCell::Filled : LineCell::Empty;
}
LineCell Other(LineCell value) {
    return value == LineCell::Filled ? LineCell::Empty : LineCell::Filled;
}

// Conflicts in the shortest stretch between restarts; stretches follow the Luby sequence.
constexpr int RestartUnit = 100;
// Learnt clauses kept before the first deletion, and the growth of that limit after each.
constexpr std::size_t FirstLearntLimit = 2000;
constexpr double LearntLimitGrowth = 1.1;
// Clauses whose literals span this few decision levels are kept for good.
constexpr int KeptLbd = 2;
constexpr double ClauseDecayFactor = 1.0 / 0.999;
constexpr double ClauseRescaleAbove = 1e20;

// 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ... for index 0, 1, 2, ...
std::uint64_t Luby(std::uint64_t index) {
    std::uint64_t size = 1;
    int power = 0;
    while (size < index + 1) {
        ++power;
        size = 2 * size + 1;
    }
    while (size - 1 != index) {
        size = (size - 1) / 2;
        --power;
        index %= size;
    }
    return std::uint64_t{1} << power;
}

struct Clause {
    std::vector<int> Literals; // empty for a free slot; the first two are watched
    double Activity = 0.0;
    int Lbd = 0;
    bool Learnt = false;
};

enum class Propagation { Consistent, Conflict, Cancelled };
enum class Outcome { Solution, Exhausted, Stopped };

class LearningSearch {
public:
    LearningSearch(SolverGrid& grid, SearchNodes& nodes, const LearningOptions& options)
        : Grid(grid), Nodes(nodes), Options(options), Activity(grid.CellCount()), Level(Cells(), 0),
          Position(Cells(), 0), ReasonClause(Cells(), -1), Phase(Cells(), LineCell::Filled),
          Seen(Cells(), 0), Watches(2 * Cells()) {
        Record();
        ClauseHead = Recorded;
    }

    void Run(SolveReport& report) {
        const std::size_t rootMark = Grid.TrailMark();
        report.Outcome = Verdict::Unknown;
        Decide(report);
        Backjump(0);
        Grid.Undo(rootMark);
    }

private:
    std::size_t Cells() const { return static_cast<std::size_t>(Grid.CellCount()); }
    int CurrentLevel() const { return static_cast<int>(LevelMarks.size()); }
    int TrailAt(std::size_t index) const { return Grid.TrailSince(index)[0]; }
    bool IsTrue(int literal) const {
        return Grid.At(CellOfLiteral(literal)) == ValueOfLiteral(literal);
    }
    bool IsFalse(int literal) const {
        return Grid.At(CellOfLiteral(literal)) == Other(ValueOfLiteral(literal));
    }
    // The literal that is false now for a known cell.
    int FalseLiteralOf(int cell) const { return LiteralOf(cell, Other(Grid.At(cell))); }

    void Decide(SolveReport& report) {
        const Outcome first = Solve();
        if (first != Outcome::Solution) {
            report.Outcome = first == Outcome::Exhausted ? Verdict::None : Verdict::Unknown;
            return;
        }
        report.First = Grid.ToPicture();
        // Propagation from the decisions is sound for every solution, so they alone tell this
        // solution from all the others.
        std::vector<int> exclusion;
        for (std::size_t mark : LevelMarks)
            exclusion.push_back(FalseLiteralOf(TrailAt(mark)));
        Backjump(0);
        if ((Options.LookNearFirst && SearchNearSolution(Grid, Nodes, *report.First, report)) ||
            Grid.Cancelled())
            return;
        AfterFirst = true;
        if (exclusion.empty()) {
            report.Outcome = Verdict::UniqueBySearch;
            return;
        }
        if (exclusion.size() == 1)
            AssignRecorded(CellOfLiteral(exclusion[0]), ValueOfLiteral(exclusion[0]), -1);
        else
            AddClause(std::move(exclusion), false, 0);
        const Outcome second = Solve();
        if (second == Outcome::Exhausted) {
            report.Outcome = Verdict::UniqueBySearch;
        } else if (second == Outcome::Solution) {
            report.Second = Grid.ToPicture();
            report.Outcome = Verdict::Several;
        }
    }

    Outcome Solve() {
        for (;;) {
            switch (Propagate()) {
            case Propagation::Cancelled:
                return Outcome::Stopped;
            case Propagation::Conflict:
                if (!Learn())
                    return Outcome::Exhausted;
                continue;
            case Propagation::Consistent:
                break;
            }
            if (Grid.Complete())
                return Outcome::Solution;
            if (ConflictsSinceRestart >= Luby(Restarts) * RestartUnit) {
                ++Restarts;
                ConflictsSinceRestart = 0;
                Backjump(0);
                continue;
            }
            if (LearntCount >= LearntLimit)
                ReduceLearnt();
            if (!Nodes.Spend())
                return Outcome::Stopped;
            const int cell = NextCell();
            LevelMarks.push_back(Grid.TrailMark());
            AssignRecorded(cell, Phase[cell], -1);
        }
    }

    int NextCell() {
        for (int cell = Activity.TakeMostActive(); cell >= 0; cell = Activity.TakeMostActive())
            if (Grid.At(cell) == LineCell::Unknown)
                return cell;
        return Grid.ChooseCell();
    }

    // Gives every cell set since the last call its level and place on the trail.
    void Record() {
        for (; Recorded < Grid.TrailMark(); ++Recorded) {
            const int cell = TrailAt(Recorded);
            Level[cell] = CurrentLevel();
            Position[cell] = Recorded;
            ReasonClause[cell] = -1;
        }
    }

    void AssignRecorded(int cell, LineCell value, int reason) {
        Record();
        Grid.Assign(cell, value);
        Record();
        ReasonClause[cell] = reason;
    }

    Propagation Propagate() {
        for (;;) {
            const bool linesHold = Grid.Propagate();
            Record();
            if (!linesHold) {
                if (Grid.Cancelled() || Grid.FailedLine() < 0)
                    return Propagation::Cancelled;
                ConflictLine = Grid.FailedLine();
                ConflictClause = -1;
                return Propagation::Conflict;
            }
            const std::size_t before = Grid.TrailMark();
            if (!PropagateClauses())
                return Propagation::Conflict;
            if (Grid.TrailMark() == before)
                return Propagation::Consistent;
        }
    }

    // Two watched literals per clause: a clause is looked at only when one of them turns false.
    bool PropagateClauses() {
        while (ClauseHead < Recorded) {
            const int falseLiteral = FalseLiteralOf(TrailAt(ClauseHead++));
            std::vector<int>& watchers = Watches[falseLiteral];
            std::size_t kept = 0;
            for (std::size_t i = 0; i < watchers.size(); ++i) {
                const int id = watchers[i];
                std::vector<int>& literals = Clauses[id].Literals;
                if (literals[0] == falseLiteral)
                    std::swap(literals[0], literals[1]);
                if (!IsTrue(literals[0]) && MoveWatch(id))
                    continue;
                watchers[kept++] = id;
                if (IsTrue(literals[0]))
                    continue;
                if (IsFalse(literals[0])) {
                    for (++i; i < watchers.size(); ++i)
                        watchers[kept++] = watchers[i];
                    watchers.resize(kept);
                    ConflictClause = id;
                    ConflictLine = -1;
                    return false;
                }
                AssignRecorded(CellOfLiteral(literals[0]), ValueOfLiteral(literals[0]), id);
            }
            watchers.resize(kept);
        }
        return true;
    }

    // Watches another literal of the clause in place of its false second one, if one is not false.
    bool MoveWatch(int id) {
        std::vector<int>& literals = Clauses[id].Literals;
        for (std::size_t k = 2; k < literals.size(); ++k) {
            if (!IsFalse(literals[k])) {
                std::swap(literals[1], literals[k]);
                Watches[literals[1]].push_back(id);
                return true;
            }
        }
        return false;
    }

    int AddClause(std::vector<int> literals, bool learnt, int lbd) {
        int id = 0;
        if (FreeSlots.empty()) {
            id = static_cast<int>(Clauses.size());
            Clauses.emplace_back();
        } else {
            id = FreeSlots.back();
            FreeSlots.pop_back();
        }
        Clause& clause = Clauses[id];
        clause.Literals = std::move(literals);
        clause.Activity = ClauseIncrement;
        clause.Lbd = lbd;
        clause.Learnt = learnt;
        LearntCount += learnt ? 1 : 0;
        Watches[clause.Literals[0]].push_back(id);
        Watches[clause.Literals[1]].push_back(id);
        return id;
    }

    void Backjump(int level) {
        if (CurrentLevel() <= level)
            return;
        const std::size_t mark = LevelMarks[level];
        for (int cell : Grid.TrailSince(mark)) {
            Phase[cell] = Grid.At(cell);
            Activity.Restore(cell);
        }
        Grid.Undo(mark);
        LevelMarks.resize(static_cast<std::size_t>(level));
        Recorded = mark;
        ClauseHead = std::min(ClauseHead, mark);
    }

    // The known cells a conflict or a forced cell follows from.
    std::vector<int> ConflictReason() {
        if (ConflictClause >= 0)
            return ClauseReason(ConflictClause, -1);
        return LineReason(ConflictLine, -1);
    }
    std::vector<int> ReasonOf(int cell) {
        if (ReasonClause[cell] >= 0)
            return ClauseReason(ReasonClause[cell], cell);
        const int line = Grid.SettledBy(cell);
        return line < 0 ? std::vector<int>{} : LineReason(line, cell);
    }

    std::vector<int> ClauseReason(int id, int forced) {
        Clause& clause = Clauses[id];
        clause.Activity += ClauseIncrement;
        if (clause.Activity > ClauseRescaleAbove) {
            for (Clause& each : Clauses)
                each.Activity /= ClauseRescaleAbove;
            ClauseIncrement /= ClauseRescaleAbove;
        }
        std::vector<int> cells;
        for (int literal : clause.Literals)
            if (CellOfLiteral(literal) != forced)
                cells.push_back(CellOfLiteral(literal));
        return cells;
    }

    // The line's cells known before the forced one (all of them for a conflict), shrunk by
    // dropping the latest first, so that what is left was known as early as can be.
    std::vector<int> LineReason(int line, int forced) {
        LineState known;
        LineConclusion conclusion;
        std::vector<int> dropOrder;
        for (int position = 0; position < Grid.LineLength(line); ++position) {
            const int cell = Grid.CellOf(line, position);
            const LineCell value = Grid.At(cell);
            if (cell == forced) {
                conclusion = {position, value};
                continue;
            }
            if (value == LineCell::Unknown || (forced >= 0 && Position[cell] > Position[forced]))
                continue;
            (value == LineCell::Filled ? known.Filled : known.Empty).Add(position);
            dropOrder.push_back(position);
        }
        std::ranges::sort(dropOrder, [&](int a, int b) {
            return Position[Grid.CellOf(line, a)] > Position[Grid.CellOf(line, b)];
        });
        const LineState reason =
            ShrinkLineReason(Grid.Runs(line), Grid.LineLength(line), known, dropOrder, conclusion);
        std::vector<int> cells;
        for (int position : dropOrder)
            if (reason.Filled.Has(position) || reason.Empty.Has(position))
                cells.push_back(Grid.CellOf(line, position));
        return cells;
    }

    // Learns a clause from the conflict at the first unique implication point, jumps back to
    // where it forces its first literal and sets that; false when the conflict needs no decision.
    bool Learn() {
        ++ConflictsSinceRestart;
        std::vector<int> reason = ConflictReason();
        int conflictLevel = 0;
        for (int cell : reason)
            conflictLevel = std::max(conflictLevel, Level[cell]);
        if (conflictLevel == 0)
            return false;
        // A conflict found late, as a clause's, may lie wholly below the current level.
        Backjump(conflictLevel);

        std::vector<int> learnt{-1};
        int pathCount = 0;
        std::size_t index = Recorded;
        int uip = -1;
        for (;;) {
            for (int cell : reason) {
                if (Seen[cell] != 0 || Level[cell] == 0)
                    continue;
                Seen[cell] = 1;
                Activity.Bump(cell);
                if (Level[cell] == CurrentLevel())
                    ++pathCount;
                else
                    learnt.push_back(FalseLiteralOf(cell));
            }
            do
                uip = TrailAt(--index);
            while (Seen[uip] == 0);
            Seen[uip] = 0;
            if (--pathCount == 0)
                break;
            reason = ReasonOf(uip);
        }
        learnt[0] = FalseLiteralOf(uip);
        int backLevel = 0;
        for (std::size_t i = 1; i < learnt.size(); ++i) {
            const int cell = CellOfLiteral(learnt[i]);
            Seen[cell] = 0;
            if (Level[cell] > backLevel) {
                backLevel = Level[cell];
                std::swap(learnt[1], learnt[i]);
            }
        }
        if (Options.OnLearnt) {
            std::vector<CellLiteral> clause;
            for (int literal : learnt)
                clause.push_back({CellOfLiteral(literal), ValueOfLiteral(literal)});
            Options.OnLearnt(clause, AfterFirst);
        }
        const int lbd = LevelsSpanned(learnt);
        Backjump(backLevel);
        const LineCell value = ValueOfLiteral(learnt[0]);
        const int reasonClause = learnt.size() == 1 ? -1 : AddClause(std::move(learnt), true, lbd);
        AssignRecorded(uip, value, reasonClause);
        Activity.Decay();
        ClauseIncrement *= ClauseDecayFactor;
        return true;
    }

    int LevelsSpanned(const std::vector<int>& literals) {
        std::vector<int> levels;
        for (int literal : literals)
            levels.push_back(Level[CellOfLiteral(literal)]);
        std::ranges::sort(levels);
        // std::unique rather than its ranges form, which clang cannot build with GCC 12's library.
        return static_cast<int>(std::unique(levels.begin(), levels.end()) - levels.begin());
    }

    // Deletes the less active half of the learnt clauses that span several levels and are not
    // the reason for a known cell.
    void ReduceLearnt() {
        std::vector<int> candidates;
        for (int id = 0; id < static_cast<int>(Clauses.size()); ++id) {
            const Clause& clause = Clauses[id];
            if (clause.Learnt && !clause.Literals.empty() && clause.Lbd > KeptLbd &&
                !(ReasonClause[CellOfLiteral(clause.Literals[0])] == id &&
                  IsTrue(clause.Literals[0])))
                candidates.push_back(id);
        }
        std::ranges::sort(candidates,
                          [&](int a, int b) { return Clauses[a].Activity < Clauses[b].Activity; });
        candidates.resize(candidates.size() / 2);
        for (int id : candidates) {
            Clauses[id].Literals.clear();
            FreeSlots.push_back(id);
        }
        LearntCount -= candidates.size();
        for (std::vector<int>& watchers : Watches)
            std::erase_if(watchers, [&](int id) { return Clauses[id].Literals.empty(); });
        LearntLimit =
            static_cast<std::size_t>(static_cast<double>(LearntLimit) * LearntLimitGrowth);
    }

    SolverGrid& Grid;
    SearchNodes& Nodes;
    const LearningOptions& Options;
    CellActivity Activity;
    // For each known cell: its decision level, place on the trail and the clause that forced it
    // (-1 for a decision or a line's doing, which SolverGrid::SettledBy tells apart).
    std::vector<int> Level;
    std::vector<std::size_t> Position;
    std::vector<int> ReasonClause;
    std::vector<LineCell> Phase; // the value each cell last had, tried first when it is decided
    std::vector<std::uint8_t> Seen;
    std::vector<std::size_t> LevelMarks; // the trail mark at each decision
    std::size_t Recorded = 0;            // trail entries given a level
    std::size_t ClauseHead = 0;          // trail entries whose watches were visited
    std::vector<Clause> Clauses;
    std::vector<int> FreeSlots;
    std::vector<std::vector<int>> Watches; // clause ids by watched literal
    std::size_t LearntCount = 0;
    std::size_t LearntLimit = FirstLearntLimit;
    double ClauseIncrement = 1.0;
    int ConflictLine = -1;
    int ConflictClause = -1;
    std::uint64_t ConflictsSinceRestart = 0;
    std::uint64_t Restarts = 0;
    bool AfterFirst = false;
};

} // namespace

void SearchLearning(SolverGrid& grid, SearchNodes& nodes, SolveReport& report,
                    const LearningOptions& options) {
    LearningSearch(grid, nodes, options).Run(report);
}
