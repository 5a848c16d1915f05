// Conflict learning over the cells: line and clause propagation, analysis to the first unique
// implication point with the learnt clause minimised, activity-based decisions with saved phases,
// Luby restarts and the deletion of the least active learnt clauses.
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
          Position(Cells(), 0), SolveStart(Cells(), 0), ReasonClause(Cells(), -1),
          Phase(Cells(), LineCell::Filled), Seen(Cells(), 0), CachedReason(Cells()),
          ReasonCached(Cells(), 0), Watches(2 * Cells()) {
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
            ReasonCached[cell] = 0;
            // A line solve settles its cells one after another, and a line is solved again only
            // after one of its cells is set from elsewhere.
            const int line = Grid.SettledBy(cell);
            const int previous = Recorded > 0 ? TrailAt(Recorded - 1) : -1;
            SolveStart[cell] = line >= 0 && previous >= 0 && Grid.SettledBy(previous) == line
                                   ? SolveStart[previous]
                                   : Recorded;
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

    bool HasReason(int cell) const { return ReasonClause[cell] >= 0 || Grid.SettledBy(cell) >= 0; }

    // The known cells a conflict follows from, into Reason. A line's reasons leave out the cells
    // known at the root, which no learnt clause needs.
    void ConflictReason() {
        if (ConflictClause >= 0)
            ClauseReason(ConflictClause, -1, Reason);
        else
            LineReason(ConflictLine, -1, Reason);
    }
    // The known cells a forced cell follows from. They were all known before it, so they stay
    // its reason while it is known, and each is worked out once.
    const std::vector<int>& ReasonOf(int cell) {
        std::vector<int>& reason = CachedReason[cell];
        if (ReasonCached[cell] == 0) {
            ReasonCached[cell] = 1;
            if (ReasonClause[cell] >= 0)
                ClauseReason(ReasonClause[cell], cell, reason);
            else if (const int line = Grid.SettledBy(cell); line >= 0)
                LineReason(line, cell, reason);
            else
                reason.clear();
        }
        return reason;
    }

    void ClauseReason(int id, int forced, std::vector<int>& into) {
        Clause& clause = Clauses[id];
        clause.Activity += ClauseIncrement;
        if (clause.Activity > ClauseRescaleAbove) {
            for (Clause& each : Clauses)
                each.Activity /= ClauseRescaleAbove;
            ClauseIncrement /= ClauseRescaleAbove;
        }
        into.clear();
        for (int literal : clause.Literals)
            if (CellOfLiteral(literal) != forced)
                into.push_back(CellOfLiteral(literal));
    }

    // The line's cells known before the solve that forced the cell (all of them for a
    // conflict), shrunk by dropping the latest first, so that what is left was known as early as
    // can be. Cells known at the root are never dropped, since they cost a learnt clause nothing,
    // and are left out of what is given.
    void LineReason(int line, int forced, std::vector<int>& into) {
        const LineState& state = Grid.Line(line);
        const int first = Grid.CellOf(line, 0);
        const int stride = Grid.IsRow(line) ? 1 : Grid.Width();
        const std::size_t limit = forced < 0 ? Recorded : SolveStart[forced];
        LineConclusion conclusion;
        LineBits before = 0;
        Droppable.clear();
        for (LineBits known = state.Filled | state.Empty; known != 0; known &= known - 1) {
            const int position = LowestCell(known);
            const int cell = first + position * stride;
            if (cell == forced) {
                conclusion = {position, Grid.At(cell)};
            } else if (Position[cell] < limit) {
                before |= CellBit(position);
                if (Level[cell] > 0)
                    Droppable.emplace_back(Position[cell], position);
            }
        }
        std::ranges::sort(Droppable, std::ranges::greater{});
        DropOrder.clear();
        for (const auto& [trailPlace, position] : Droppable)
            DropOrder.push_back(position);
        const LineState reason =
            ShrinkLineReason(Grid.Runs(line), Grid.LineLength(line),
                             {state.Filled & before, state.Empty & before}, DropOrder, conclusion);
        into.clear();
        for (LineBits kept = reason.Filled | reason.Empty; kept != 0; kept &= kept - 1)
            if (const int cell = first + LowestCell(kept) * stride; Level[cell] > 0)
                into.push_back(cell);
    }

    // Learns a clause from the conflict at the first unique implication point, jumps back to
    // where it forces its first literal and sets that; false when the conflict needs no decision.
    bool Learn() {
        ++ConflictsSinceRestart;
        ConflictReason();
        int conflictLevel = 0;
        for (int cell : Reason)
            conflictLevel = std::max(conflictLevel, Level[cell]);
        if (conflictLevel == 0)
            return false;
        // A conflict found late, as a clause's, may lie wholly below the current level.
        Backjump(conflictLevel);

        std::vector<int> learnt{-1};
        int pathCount = 0;
        std::size_t index = Recorded;
        int uip = -1;
        const std::vector<int>* reason = &Reason;
        for (;;) {
            for (int cell : *reason) {
                if (Seen[cell] != 0 || Level[cell] == 0)
                    continue;
                Seen[cell] = 1;
                Activity.Bump(cell);
                if (Level[cell] == CurrentLevel()) {
                    ++pathCount;
                } else {
                    learnt.push_back(FalseLiteralOf(cell));
                    Marked.push_back(cell);
                }
            }
            do
                uip = TrailAt(--index);
            while (Seen[uip] == 0);
            Seen[uip] = 0;
            if (--pathCount == 0)
                break;
            reason = &ReasonOf(uip);
        }
        learnt[0] = FalseLiteralOf(uip);
        Minimise(learnt);
        for (int cell : Marked)
            Seen[cell] = 0;
        Marked.clear();
        int backLevel = 0;
        for (std::size_t i = 1; i < learnt.size(); ++i) {
            const int cell = CellOfLiteral(learnt[i]);
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

    static std::uint32_t LevelBit(int level) { return std::uint32_t{1} << (level & 31); }

    // Drops each literal that the others imply: every path back through the reasons from its
    // cell ends in cells of the clause or of the root level.
    void Minimise(std::vector<int>& learnt) {
        std::uint32_t levels = 0;
        for (std::size_t i = 1; i < learnt.size(); ++i)
            levels |= LevelBit(Level[CellOfLiteral(learnt[i])]);
        const int asserting = learnt[0];
        std::erase_if(learnt, [&](int literal) {
            const int cell = CellOfLiteral(literal);
            return literal != asserting && HasReason(cell) && Implied(cell, levels);
        });
    }

    bool Implied(int cell, std::uint32_t levels) {
        Pending.assign(1, cell);
        const std::size_t markedBefore = Marked.size();
        while (!Pending.empty()) {
            const int at = Pending.back();
            Pending.pop_back();
            for (int before : ReasonOf(at)) {
                if (Seen[before] != 0 || Level[before] == 0)
                    continue;
                // A cell of a level the clause does not span cannot be implied by it.
                if (!HasReason(before) || (LevelBit(Level[before]) & levels) == 0) {
                    for (std::size_t i = markedBefore; i < Marked.size(); ++i)
                        Seen[Marked[i]] = 0;
                    Marked.resize(markedBefore);
                    return false;
                }
                Seen[before] = 1;
                Marked.push_back(before);
                Pending.push_back(before);
            }
        }
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
    // For a cell a line settled, the place on the trail where that solve of the line began
    std::vector<std::size_t> SolveStart;
    std::vector<int> ReasonClause;
    std::vector<LineCell> Phase; // the value each cell last had, tried first when it is decided
    std::vector<std::uint8_t> Seen;
    std::vector<int> Reason;                    // the cells the conflict follows from
    std::vector<std::vector<int>> CachedReason; // each known cell's reason, once worked out
    std::vector<std::uint8_t> ReasonCached;     // whether it has been since the cell was set
    std::vector<int> Marked;                    // cells marked Seen below the conflict's level
    std::vector<int> Pending;                   // cells whose reasons are still to be followed
    std::vector<std::pair<std::size_t, int>> Droppable; // a line reason's cells, by trail place
    std::vector<int> DropOrder;                         // a line reason's known cells, latest first
    std::vector<std::size_t> LevelMarks;                // the trail mark at each decision
    std::size_t Recorded = 0;                           // trail entries given a level
    std::size_t ClauseHead = 0;                         // trail entries whose watches were visited
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
