// The odometer over the searched cells and the search step: the visiting
// order, one odometer step, the commitment of deduced cells, continuing after
// a complete table, and FindNext in each trace mode.

#include "core/search/cayley_search.h"

namespace quorix {

void CayleySearch::MoveToFirstEmpty() {
    // Every searched cell before firstEmptyHint_ is filled.
    const int positions = (n_ - 1) * (n_ - 1);
    for (int p = firstEmptyHint_; p < positions; ++p) {
        const int i = p / (n_ - 1) + 2, j = p % (n_ - 1) + 2;
        if (trial_[Idx(i)][Idx(j)] == 0) {
            firstEmptyHint_ = p;
            searchRow_ = i;
            searchColumn_ = j;
            return;
        }
    }
    firstEmptyHint_ = positions;
    searchRow_ = n_ + 1;
    searchColumn_ = 2;
}

void CayleySearch::AdvanceCell() {
    advanceOk_ = false;
    bool exhausted = false;
    while (!advanceOk_ && !exhausted) {
        if (searchRow_ > n_) {
            searchRow_ = n_;
            searchColumn_ = n_;
        }
        const int value = trial_[Idx(searchRow_)][Idx(searchColumn_)];
        if (value == 0) {
            SetTrialCell(searchRow_, searchColumn_, 1);
            advanceOk_ = true;
            --emptyCellCount_;
            break;
        }
        bool may = value != n_;
        if (may && !includeIsomorphs_ && searchRow_ == 2 && searchColumn_ < n_ &&
            value == rules_.RowTwoSuccessor(searchColumn_))
            may = false;
        if (may) {
            // The next code after the value (an entry that is no code of this
            // table goes on as the code one past the last).
            SetTrialCell(searchRow_, searchColumn_, static_cast<std::uint8_t>(ValueIndex(value) + 1));
            advanceOk_ = true;
        } else {
            SetTrialCell(searchRow_, searchColumn_, 0);
            ++emptyCellCount_;
            if (searchColumn_ > 2) {
                --searchColumn_;
            } else if (searchRow_ == 2) {
                exhausted = true;
            } else {
                --searchRow_;
                searchColumn_ = n_;
            }
        }
    }
    if (advanceOk_) ++stats_.trials;
}

void CayleySearch::CommitInferences() {
    for (;;) {
        if (searchRow_ == n_ && searchColumn_ == n_) {
            tableFinished_ = true;
            return;
        }
        int i = searchRow_, j = searchColumn_ + 1;
        if (j > n_) {
            ++i;
            j = 2;
        }
        if (i > n_) return;  // position past the end: nothing follows
        const std::uint8_t v = work_[Idx(i)][Idx(j)];
        if (v == 0) return;
        searchRow_ = i;
        searchColumn_ = j;
        if (trial_[Idx(i)][Idx(j)] == 0) --emptyCellCount_;
        SetTrialCell(i, j, v);
    }
}

void CayleySearch::PrepareContinue() {
    if (!tableFinished_) return;
    tableFinished_ = false;
    int i = branchRow_, j = branchColumn_;
    for (;;) {
        ++j;
        if (j > n_) {
            ++i;
            j = 2;
        }
        if (i > n_) break;
        if (trial_[Idx(i)][Idx(j)] == 0) --emptyCellCount_;
        SetTrialCell(i, j, static_cast<std::uint8_t>(n_));
    }
}

void CayleySearch::FindNext() {
    Progress never;
    FindNext(never);
}

void CayleySearch::FindNext(Progress& progress) {
    if (n_ == 1) {
        stepReady_ = solutions_.Count() < 1;
        return;
    }
    stepReady_ = false;
    MoveToFirstEmpty();
    advanceOk_ = true;
    for (;;) {
        if (stepReady_ || !advanceOk_) return;
        AdvanceCell();
        if (!advanceOk_) continue;
        if (PrecheckRules()) {
            advanceOk_ = false;
            continue;
        }
        const int saveRow = searchRow_, saveColumn = searchColumn_;
        branchRow_ = searchRow_;
        branchColumn_ = searchColumn_;
        ++stats_.fills;
        const bool literal = fillEngine_ == FillEngine::Literal || ReasonsStored();
        if (literal) {
            FillTable();
        } else {
            FastFill();
        }
        searchRow_ = saveRow;
        searchColumn_ = saveColumn;
        if (!conflictFound_) {
            if (traceMode_ == TraceMode::ByStep) {
                stepReady_ = true;
            } else {
                CommitInferences();
                if (traceMode_ == TraceMode::Timed) {
                    stepReady_ = true;
                } else if (emptyCellCount_ == 0) {
                    stepReady_ = true;
                } else {
                    MoveToFirstEmpty();
                }
            }
            if (emptyCellCount_ == 0) ++stats_.completeTables;
        }
        if (traceMode_ == TraceMode::Off) {
            if (++yieldCounter_ > yieldInterval_) {
                if (progress.StopRequested()) stepReady_ = true;
                yieldCounter_ = 0;
            }
        }
    }
}

}  // namespace quorix
