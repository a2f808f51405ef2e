#pragma once
// Helpers for the search tests: typing a table into the search as the grid
// would hand it over.

#include <sstream>
#include <string>
#include <vector>

#include "core/search/cayley_search.h"
#include "core/search/search_run.h"

namespace quorix::testing {

// Reads rows of blank-separated cell texts ("." for an empty cell) into the
// trial table through readGrid, in the current mode. Row 1 and column 1 may
// be given as "."; they read as the identity's row and column, as the grid
// shows them.
inline void typeTable(CayleySearch& s, const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        cells.emplace_back();
        for (std::string t; in >> t;) cells.back().push_back(t == "." ? std::string() : t);
    }
    s.readGrid([&](int i, int j) {
        const auto& r = cells.at(static_cast<std::size_t>(i - 1));
        std::string t = static_cast<std::size_t>(j - 1) < r.size() ? r[static_cast<std::size_t>(j - 1)] : std::string();
        if (t.empty() && (i == 1 || j == 1)) {
            const int k = i == 1 ? j : i;
            t = s.manualEntry() ? s.elementName(k) : CayleySearch::elementCode(k);
        }
        return t;
    });
}

// A manual-entry Check of order n: manual mode, a reset table, the rows typed
// in, and the fill run.
inline void checkManual(CayleySearch& s, int n, const std::vector<std::string>& rows) {
    s.setManualEntry(true);
    s.setSearchOrder(n);
    typeTable(s, rows);
    s.fillTable();
}

// The same Check outside manual entry mode.
inline void checkAutomatic(CayleySearch& s, int n, const std::vector<std::string>& rows) {
    s.setManualEntry(false);
    s.setSearchOrder(n);
    typeTable(s, rows);
    s.fillTable();
}

// Get Next Solution in Trace off as the command-line tool presses it: a table
// the group model refuses is gone past.
enum class RunResult { SolutionStored, Halted, Exhausted };
inline RunResult getNextSolution(CayleySearch& s, SolutionRegistrar* registrar = nullptr, Progress* stop = nullptr) {
    SearchRun run(s, registrar);
    Progress never;
    Progress& progress = stop ? *stop : never;
    for (;;) {
        if (!run.start()) return RunResult::Exhausted;
        switch (run.run(progress)) {
            case SearchOutcome::Solution:
            case SearchOutcome::OverLimit: return RunResult::SolutionStored;
            case SearchOutcome::Refused: continue;
            case SearchOutcome::Halted: progress.clearStop(); return RunResult::Halted;
            default: return RunResult::Exhausted;
        }
    }
}

// A progress object that counts its yield points and asks to stop at the
// stopAt-th (never when negative).
struct CountingProgress {
    Progress progress;
    int yields = 0;
    int stopAt = -1;
    CountingProgress() {
        progress.setYield([this] {
            ++yields;
            if (stopAt >= 0 && yields >= stopAt) progress.requestStop();
        });
    }
};

}  // namespace quorix::testing
