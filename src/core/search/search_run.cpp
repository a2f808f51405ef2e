// One run of the search: Get Next Solution, the timer ticks, Check, Restart.

#include "core/search/search_run.h"

namespace quorix {

bool SearchRun::Start() {
    newSearch_ = false;
    if (search_.AllSolutionsFound()) {
        search_.stepReady_ = false;
        return false;
    }
    if (search_.ManualEntry()) {
        search_.SetManualEntry(false);
        search_.ResetTable();
        search_.ClearSolutions();
        newSearch_ = true;
    }
    search_.PrepareContinue();
    search_.yieldCounter_ = 0;
    return true;
}

SearchOutcome SearchRun::Step(Progress& progress) {
    // Past the duplicate shown by the step before.
    search_.PrepareContinue();
    search_.FindNext(progress);
    if (!search_.StepReady()) return SearchOutcome::Exhausted;
    if (search_.Complete()) {
        const RecordResult& r = search_.RecordSolution(registrar_);
        if (!r.generated) return SearchOutcome::Refused;
        if (!r.kept) return SearchOutcome::Duplicate;
        return r.stored ? SearchOutcome::Solution : SearchOutcome::OverLimit;
    }
    if (search_.CurrentTraceMode() == TraceMode::ByStep) return SearchOutcome::Step;
    if (progress.Stopped()) return SearchOutcome::Halted;
    return SearchOutcome::Incomplete;
}

SearchOutcome SearchRun::Run(Progress& progress) {
    for (;;) {
        if (search_.CurrentTraceMode() == TraceMode::Timed) return SearchOutcome::Incomplete;
        const SearchOutcome outcome = Step(progress);
        switch (outcome) {
            case SearchOutcome::Duplicate:
                if (search_.CurrentTraceMode() == TraceMode::Off && progress.Stopped()) return SearchOutcome::Halted;
                break;
            case SearchOutcome::Incomplete:
                break;
            default:
                return outcome;
        }
    }
}

SearchOutcome SearchRun::Tick(Progress& progress) {
    if (progress.Stopped()) return SearchOutcome::Halted;
    return Step(progress);
}

CheckOutcome SearchRun::Check(const std::function<std::string(int, int)>& cellText) {
    search_.ReadGrid(cellText);
    search_.FillTable();
    if (search_.ConflictFound()) return CheckOutcome::Conflict;
    if (!search_.Complete()) return CheckOutcome::Partial;
    search_.RecordSolution(registrar_);
    return CheckOutcome::Complete;
}

void SearchRun::Restart() {
    search_.SetManualEntry(true);
    search_.ResetTable();
    search_.ClearSolutions();
}

}  // namespace quorix
