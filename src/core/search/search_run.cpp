// One run of the search: Get Next Solution, the timer ticks, Check, Restart.

#include "core/search/search_run.h"

namespace quorix {

bool SearchRun::start() {
    newSearch_ = false;
    if (search_.allSolutionsFound()) {
        search_.stepReady_ = false;
        return false;
    }
    if (search_.manualEntry()) {
        search_.setManualEntry(false);
        search_.resetTable();
        search_.clearSolutions();
        newSearch_ = true;
    }
    search_.prepareContinue();
    search_.yieldCounter_ = 0;
    return true;
}

SearchOutcome SearchRun::step(Progress& progress) {
    // Past the duplicate shown by the step before.
    search_.prepareContinue();
    search_.findNext(progress);
    if (!search_.stepReady()) return SearchOutcome::Exhausted;
    if (search_.complete()) {
        const RecordResult& r = search_.recordSolution(registrar_);
        if (!r.generated) return SearchOutcome::Refused;
        if (!r.kept) return SearchOutcome::Duplicate;
        return r.stored ? SearchOutcome::Solution : SearchOutcome::OverLimit;
    }
    if (search_.traceMode() == TraceMode::ByStep) return SearchOutcome::Step;
    if (progress.Stopped()) return SearchOutcome::Halted;
    return SearchOutcome::Incomplete;
}

SearchOutcome SearchRun::run(Progress& progress) {
    for (;;) {
        if (search_.traceMode() == TraceMode::Timed) return SearchOutcome::Incomplete;
        const SearchOutcome outcome = step(progress);
        switch (outcome) {
            case SearchOutcome::Duplicate:
                if (search_.traceMode() == TraceMode::Off && progress.Stopped()) return SearchOutcome::Halted;
                break;
            case SearchOutcome::Incomplete: break;
            default: return outcome;
        }
    }
}

SearchOutcome SearchRun::tick(Progress& progress) {
    if (progress.Stopped()) return SearchOutcome::Halted;
    return step(progress);
}

CheckOutcome SearchRun::check(const std::function<std::string(int, int)>& cellText) {
    search_.readGrid(cellText);
    search_.fillTable();
    if (search_.conflictFound()) return CheckOutcome::Conflict;
    if (!search_.complete()) return CheckOutcome::Partial;
    search_.recordSolution(registrar_);
    return CheckOutcome::Complete;
}

void SearchRun::restart() {
    search_.setManualEntry(true);
    search_.resetTable();
    search_.clearSolutions();
}

}  // namespace quorix
