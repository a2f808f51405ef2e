// Search state: codes and texts of the table entries, the trial table, the
// start values, the solutions recorded and the glue of the incremental fill.

#include "core/search/cayley_search.h"

#include <cassert>
#include <cmath>

namespace quorix {

namespace {

std::string Trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

}  // namespace

CayleySearch::CayleySearch() { ResetTable(); }

// ---------------------------------------------------------------- codes and names

int CayleySearch::CodeIndex(const std::string& code) const {
    if (code.size() != 1) return n_ + 1;
    return IndexOfCharacter(static_cast<unsigned char>(code[0]));
}

int CayleySearch::IndexOfCharacter(int ch) const {
    if (ch == '1') return 1;
    if (ch >= 97 && ch <= 95 + n_) return ch - 95;
    return n_ + 1;
}

std::string CayleySearch::CodeToName(const std::string& code) const {
    if (code.empty()) return {};
    if (code[0] == '?') return code.substr(1);
    return ElementName(CodeIndex(code));
}

std::string CayleySearch::EntryText(int value) { return ElementCodeText(value); }

std::string CayleySearch::TrialText(int i, int j) const {
    const int v = Trial(i, j);
    return v == kForeign ? foreign_[Idx(i)][Idx(j)] : EntryText(v);
}

std::string CayleySearch::WorkText(int i, int j) const {
    const int v = Work(i, j);
    return v == kForeign ? foreign_[Idx(i)][Idx(j)] : EntryText(v);
}

// ---------------------------------------------------------------- modes and switches

void CayleySearch::SetSearchOrder(int n) {
    if (n < 1 || n > kMaxOrder) throw InvalidArgument("the search order must be 1..20");
    n_ = n;
    ResetTable();
}

bool CayleySearch::SetupTrace(const std::string& modeName) {
    if (modeName == "Trace by step") {
        traceMode_ = TraceMode::ByStep;
    } else if (modeName == "Fast trace") {
        traceMode_ = TraceMode::Timed;
        timerIntervalMs_ = 100;
    } else if (modeName == "Very fast trace") {
        traceMode_ = TraceMode::Timed;
        timerIntervalMs_ = 10;
    } else if (modeName == "Trace off") {
        traceMode_ = TraceMode::Off;
    } else {
        assert(!"SetupTrace: unknown trace mode name");
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- trial table access

void CayleySearch::SetTrialCell(int i, int j, std::uint8_t value) {
    std::uint8_t& cell = trial_[Idx(i)][Idx(j)];
    const bool searched = i >= 2 && j >= 2 && i <= n_ && j <= n_;
    if (searched) {
        if (cell == 0 && value != 0) ++searchedFilled_;
        if (cell != 0 && value == 0) --searchedFilled_;
        const int p = (i - 2) * (n_ - 1) + (j - 2);
        if (p < firstChanged_) firstChanged_ = p;
        if (value == 0) {
            if (p < firstEmptyHint_) firstEmptyHint_ = p;
        } else if (p == firstEmptyHint_) {
            ++firstEmptyHint_;
        }
    } else if (cell != value) {
        firstChanged_ = 0;
        fastConfigured_ = false;  // the identity's row or column changed
    }
    cell = value;
}

void CayleySearch::SetTrialText(int i, int j, const std::string& text) {
    if (i < 1 || j < 1 || i > kMaxOrder || j > kMaxOrder) throw InvalidArgument("table position out of range");
    std::uint8_t v = 0;
    if (text.empty()) {
        v = 0;
    } else if (text == "1") {
        v = 1;
    } else if (text.size() == 1 && text[0] >= 'a' && text[0] <= 't') {
        v = static_cast<std::uint8_t>(text[0] - 95);
    } else {
        v = kForeign;
    }
    foreign_[Idx(i)][Idx(j)] = v == kForeign ? text : std::string();
    SetTrialCell(i, j, v);
}

void CayleySearch::ClearInferences() {
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) work_[Idx(i)][Idx(j)] = 0;
}

bool CayleySearch::IsInference(int i, int j) const { return ReasonsStored() && Trial(i, j) == 0 && Work(i, j) != 0; }

void CayleySearch::ReadGrid(const std::function<std::string(int, int)>& cellText) {
    if (ReasonsStored()) ClearInferences();
    emptyCellCount_ = 0;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) {
            std::string text = cellText(i, j);
            if (manualEntry_) text = NameToCode(Trimmed(text));
            SetTrialText(i, j, text);
            if (Trial(i, j) == 0) ++emptyCellCount_;
        }
}

// ---------------------------------------------------------------- search routines

void CayleySearch::ResetTable() {
    emptyCellCount_ = 0;
    codeSum_ = 0;
    for (int i = 1; i <= kMaxOrder; ++i) {
        for (int j = 1; j <= kMaxOrder; ++j) {
            trial_[Idx(i)][Idx(j)] = 0;
            work_[Idx(i)][Idx(j)] = 0;
            foreign_[Idx(i)][Idx(j)].clear();
            reason_[Idx(i)][Idx(j)].clear();
        }
        if (i <= n_) {
            trial_[Idx(i)][1] = static_cast<std::uint8_t>(i);
            trial_[1][Idx(i)] = static_cast<std::uint8_t>(i);
            codeSum_ += i == 1 ? '1' : 95 + i;
        }
    }
    searchedFilled_ = 0;
    firstChanged_ = 0;
    firstEmptyHint_ = 0;
    tableFinished_ = false;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j)
            if (trial_[Idx(i)][Idx(j)] == 0) ++emptyCellCount_;
    SetupRules();
    fastConfigured_ = false;
    yieldInterval_ = static_cast<int>(std::nearbyint(32000.0 / (n_ * n_)));
    searchRow_ = searchColumn_ = branchRow_ = branchColumn_ = 2;
}

// ---------------------------------------------------------------- rules

void CayleySearch::SetupRules() {
    rules_.Setup(n_, includeIsomorphs_, manualEntry_);
    fastConfigured_ = false;
}

void CayleySearch::NoteSolutionRules() {
    const int count = solutions_.Count();
    const bool cyclic = rules_.Active(2) && count >= 1 && count <= kMaxSolutions && solutions_.Solution(count) &&
                        solutions_.Solution(count)->Cyclic();
    if (rules_.NoteSolution(count, cyclic)) fastConfigured_ = false;
}

// ---------------------------------------------------------------- solutions

const RecordResult& CayleySearch::RecordSolution(SolutionRegistrar* registrar) {
    CayleyTable& table = tableBuffer_;
    table.resize(static_cast<std::size_t>(n_));
    for (int i = 1; i <= n_; ++i) {
        auto& row = table[static_cast<std::size_t>(i - 1)];
        row.resize(static_cast<std::size_t>(n_));
        for (int j = 1; j <= n_; ++j) {
            const int v = Trial(i, j);
            std::string& cell = row[static_cast<std::size_t>(j - 1)];
            if (manualEntry_)
                cell = CodeToName(TrialText(i, j));
            else if (v == kForeign)
                cell = foreign_[Idx(i)][Idx(j)];
            else
                cell.assign(ElementCodeText(v));
        }
    }
    solutions_.Record(table, {n_, manualEntry_, includeIsomorphs_}, registrar);
    return solutions_.Last();
}

// ---------------------------------------------------------------- fast fill glue

void CayleySearch::ConfigureFastFill() {
    IncrementalFill::Rules r;
    r.n = n_;
    r.elementOrders = rules_.Active(0);
    r.cyclicOnly = rules_.Active(2) && rules_.CyclicFound();
    r.maxOrder = rules_.LargestProperDivisor();
    r.blocks = rules_.Active(3);
    for (const SubgroupBlock& b : rules_.Blocks()) r.blockList.push_back({b.first, b.last, b.order});
    fast_.Configure(r);
    fastConfigured_ = true;
    firstChanged_ = 0;
}

void CayleySearch::FastFill() {
    if (!fastConfigured_) {
        // The incremental fill builds on the identity's row and column; a
        // table read in with anything else there gets the full passes.
        identityIntact_ = true;
        for (int k = 1; k <= n_; ++k)
            if (trial_[1][Idx(k)] != k || trial_[Idx(k)][1] != k) identityIntact_ = false;
        ConfigureFastFill();
    }
    if (!identityIntact_) {
        FillTable();
        return;
    }
    conflictFound_ = false;
    conflictMessage_.clear();
    const bool ok = fast_.Fill(trial_, firstChanged_, searchedFilled_);
    firstChanged_ = (n_ - 1) * (n_ - 1);
    if (ok) {
        work_ = fast_.DeducedTable();
    } else {
        conflictFound_ = true;
        conflictMessage_ = "Contradiction";
    }
}

}  // namespace quorix
