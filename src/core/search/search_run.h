#pragma once
// One run of the search as the search panel and the command-line tool drive
// it: Get Next Solution (or Get Next Step) starts it, the steps go on until
// something is to be shown, and the outcome tells the caller what to show.
//
//   Get Next Solution   if (!run.Start()) -> the end of the solutions (rule 4
//                       has seen both groups of order 2p); run.StartedNewSearch()
//                       tells that manual entry was left for a new automatic
//                       search (table reset, solutions cleared).
//                       Trace by step and Trace off: run.Run(progress).
//                       Fast and Very fast trace: a timer of
//                       search.TimerIntervalMs() calls run.Tick(progress) until
//                       an outcome other than Incomplete or Duplicate.
//   shown solution      run.SolutionShown() after the solution's panel opened.
//   Check               run.Check(cellText).
//   Restart and the end of the solutions
//                       run.Restart(): manual entry, table reset, no solutions.
//
// The stop comes from the Progress object: Trace off yields to it every
// search.YieldInterval() fills and ends with Halted when a stop was requested;
// a tick ends with Halted when the stop is already requested. The caller
// clears the request (progress.ClearStop()) when it has dealt with it.

#include <functional>
#include <string>

#include "core/host/progress.h"
#include "core/search/cayley_search.h"

namespace quorix {

// What one step or run of the search produced.
enum class SearchOutcome {
    Step,        // Trace by step: a non-contradictory trial to show (table incomplete)
    Incomplete,  // a step of the timed modes with an incomplete table; the run goes on
    Solution,    // a complete table kept and stored (search.LastRecord())
    OverLimit,   // a complete table kept past the first 100: counted and registered, not stored
    Duplicate,   // a complete table isomorphic to an earlier solution, dropped; the next step goes past it
    Refused,     // a complete table the group model refused (search.LastRecord().error)
    Halted,      // the progress object asked to stop; the table is incomplete
    Exhausted,   // no more solutions
};

// What Check found in the table read from the grid.
enum class CheckOutcome {
    Conflict,  // a contradiction (search.ConflictMessage())
    Complete,  // a complete table, recorded (search.LastRecord())
    Partial,   // no contradiction, cells still empty
};

class SearchRun {
public:
    explicit SearchRun(CayleySearch& search, SolutionRegistrar* registrar = nullptr)
        : search_(search), registrar_(registrar) {}

    // Get Next Solution pressed: false when rule 4 has already seen both
    // groups of order 2p (the caller ends the solutions at once). Otherwise
    // leaves manual entry for a new automatic search and prepares to go on
    // after the table shown last.
    bool Start();
    bool StartedNewSearch() const { return newSearch_; }

    // The steps of Trace off and Trace by step, until an outcome to show:
    // Solution, OverLimit, Refused, Step (Trace by step), Halted or Exhausted.
    // Dropped duplicates and, outside Trace by step, incomplete tables go on.
    // A trace mode chosen while the run yields takes effect at the next step;
    // Incomplete means that a timed mode was chosen: its timer goes on.
    SearchOutcome Run(Progress& progress);

    // One timer tick of the timed modes: Halted when a stop is requested,
    // else one step (Incomplete, Duplicate, Solution, OverLimit, Refused or
    // Exhausted).
    SearchOutcome Tick(Progress& progress);

    // After the newest solution was shown: the rules note it (rule 2 the
    // cyclic group, rule 4 the second of two).
    void SolutionShown() { search_.NoteSolutionRules(); }

    // Check: reads the grid, runs the full fill and records a complete table.
    CheckOutcome Check(const std::function<std::string(int, int)>& cellText);

    // Restart, and the reset after the end of the solutions: manual entry,
    // start values, no solutions.
    void Restart();

private:
    SearchOutcome Step(Progress& progress);
    SearchOutcome Classify(Progress& progress);

    CayleySearch& search_;
    SolutionRegistrar* registrar_;
    bool newSearch_ = false;
};

}  // namespace quorix
