#pragma once
// Helpers for the search tests: typing a table into the search as the grid
// would hand it over, pressing Get Next Solution, reading the trial table.

#include <sstream>
#include <string>
#include <vector>

#include "core/search/cayley_search.h"
#include "core/search/search_run.h"

namespace quorix::testing {

// Reads rows of blank-separated cell texts ("." for an empty cell) into the
// trial table through ReadGrid, in the current mode. Row 1 and column 1 may
// be given as "."; they read as the identity's row and column, as the grid
// shows them.
inline void typeTable(CayleySearch& s, const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        cells.emplace_back();
        for (std::string t; in >> t;) cells.back().push_back(t == "." ? std::string() : t);
    }
    s.ReadGrid([&](int i, int j) {
        const auto& r = cells.at(static_cast<std::size_t>(i - 1));
        std::string t = static_cast<std::size_t>(j - 1) < r.size() ? r[static_cast<std::size_t>(j - 1)] : std::string();
        if (t.empty() && (i == 1 || j == 1)) {
            const int k = i == 1 ? j : i;
            t = s.ManualEntry() ? s.ElementName(k) : CayleySearch::ElementCode(k);
        }
        return t;
    });
}

// A Check of order n: a reset table in manual entry mode or not, the rows
// typed in, and the fill run.
inline void check(CayleySearch& s, int n, const std::vector<std::string>& rows, bool manual = true) {
    s.SetManualEntry(manual);
    s.SetSearchOrder(n);
    typeTable(s, rows);
    s.FillTable();
}

// Get Next Solution in Trace off as the command-line tool presses it: a table
// the group model refuses is gone past.
enum class RunResult { SolutionStored, Halted, Exhausted };
inline RunResult getNextSolution(CayleySearch& s, SolutionRegistrar* registrar = nullptr, Progress* stop = nullptr) {
    SearchRun run(s, registrar);
    Progress never;
    Progress& progress = stop ? *stop : never;
    for (;;) {
        if (!run.Start()) return RunResult::Exhausted;
        switch (run.Run(progress)) {
            case SearchOutcome::Solution:
            case SearchOutcome::OverLimit:
                return RunResult::SolutionStored;
            case SearchOutcome::Refused:
                continue;
            case SearchOutcome::Halted:
                progress.ClearStop();
                return RunResult::Halted;
            default:
                return RunResult::Exhausted;
        }
    }
}

using Rows = std::vector<std::vector<int>>;

// The trial table as rows of element indices.
inline Rows tableOf(const CayleySearch& s) {
    Rows t;
    for (int i = 1; i <= s.SearchOrder(); ++i) {
        t.emplace_back();
        for (int j = 1; j <= s.SearchOrder(); ++j) t.back().push_back(s.Trial(i, j));
    }
    return t;
}

// Every kept solution's table and ID, Get Next Solution pressed until the
// end of the solutions (Trace off).
struct FoundSolutions {
    std::vector<Rows> tables;
    std::vector<std::string> ids;
};
inline FoundSolutions pressUntilEnd(CayleySearch& s) {
    FoundSolutions run;
    while (getNextSolution(s) == RunResult::SolutionStored) {
        run.tables.push_back(tableOf(s));
        run.ids.push_back(s.LastRecord().id);
        s.NoteSolutionRules();
    }
    return run;
}

}  // namespace quorix::testing
