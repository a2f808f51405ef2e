// Search state: codes and texts of the table entries, the trial table, the
// start values, the solutions recorded and the glue of the incremental fill.

#include "core/search/cayley_search.h"

#include <cassert>
#include <cmath>

namespace quorix {

namespace {

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

}  // namespace

CayleySearch::CayleySearch() { resetTable(); }

// ---------------------------------------------------------------- codes and names

int CayleySearch::codeIndex(const std::string& code) const {
    if (code.size() != 1) return n_ + 1;
    return indexOfCharacter(static_cast<unsigned char>(code[0]));
}

int CayleySearch::indexOfCharacter(int ch) const {
    if (ch == '1') return 1;
    if (ch >= 97 && ch <= 95 + n_) return ch - 95;
    return n_ + 1;
}

std::string CayleySearch::codeToName(const std::string& code) const {
    if (code.empty()) return {};
    if (code[0] == '?') return code.substr(1);
    return elementName(codeIndex(code));
}

std::string CayleySearch::entryText(int value) { return ElementCodeText(value); }

std::string CayleySearch::trialText(int i, int j) const {
    const int v = trial(i, j);
    return v == kForeign ? foreign_[idx(i)][idx(j)] : entryText(v);
}

std::string CayleySearch::workText(int i, int j) const {
    const int v = work(i, j);
    return v == kForeign ? foreign_[idx(i)][idx(j)] : entryText(v);
}

// ---------------------------------------------------------------- modes and switches

void CayleySearch::setSearchOrder(int n) {
    if (n < 1 || n > kMaxOrder) throw InvalidArgument("the search order must be 1..20");
    n_ = n;
    resetTable();
}

bool CayleySearch::setupTrace(const std::string& modeName) {
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
        assert(!"setupTrace: unknown trace mode name");
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- trial table access

void CayleySearch::setTrialCell(int i, int j, std::uint8_t value) {
    std::uint8_t& cell = trial_[idx(i)][idx(j)];
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

void CayleySearch::setTrialText(int i, int j, const std::string& text) {
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
    foreign_[idx(i)][idx(j)] = v == kForeign ? text : std::string();
    setTrialCell(i, j, v);
}

void CayleySearch::clearInferences() {
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) work_[idx(i)][idx(j)] = 0;
}

bool CayleySearch::isInference(int i, int j) const {
    return reasonsStored() && trial(i, j) == 0 && work(i, j) != 0;
}

void CayleySearch::readGrid(const std::function<std::string(int, int)>& cellText) {
    if (reasonsStored()) clearInferences();
    emptyCellCount_ = 0;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) {
            std::string text = cellText(i, j);
            if (manualEntry_) text = nameToCode(trimmed(text));
            setTrialText(i, j, text);
            if (trial(i, j) == 0) ++emptyCellCount_;
        }
}

// ---------------------------------------------------------------- search routines

void CayleySearch::resetTable() {
    emptyCellCount_ = 0;
    codeSum_ = 0;
    for (int i = 1; i <= kMaxOrder; ++i) {
        for (int j = 1; j <= kMaxOrder; ++j) {
            trial_[idx(i)][idx(j)] = 0;
            work_[idx(i)][idx(j)] = 0;
            foreign_[idx(i)][idx(j)].clear();
            reason_[idx(i)][idx(j)].clear();
        }
        if (i <= n_) {
            trial_[idx(i)][1] = static_cast<std::uint8_t>(i);
            trial_[1][idx(i)] = static_cast<std::uint8_t>(i);
            codeSum_ += i == 1 ? '1' : 95 + i;
        }
    }
    searchedFilled_ = 0;
    firstChanged_ = 0;
    firstEmptyHint_ = 0;
    tableFinished_ = false;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j)
            if (trial_[idx(i)][idx(j)] == 0) ++emptyCellCount_;
    setupRules();
    fastConfigured_ = false;
    yieldInterval_ = static_cast<int>(std::nearbyint(32000.0 / (n_ * n_)));
    searchRow_ = searchColumn_ = branchRow_ = branchColumn_ = 2;
}

// ---------------------------------------------------------------- rules

void CayleySearch::setupRules() {
    rules_.setup(n_, includeIsomorphs_, manualEntry_);
    fastConfigured_ = false;
}

void CayleySearch::noteSolutionRules() {
    const int count = solutions_.count();
    const bool cyclic = rules_.active(2) && count >= 1 && count <= kMaxSolutions && solutions_.solution(count) &&
                        solutions_.solution(count)->Cyclic();
    if (rules_.noteSolution(count, cyclic)) fastConfigured_ = false;
}

// ---------------------------------------------------------------- solutions

const RecordResult& CayleySearch::recordSolution(SolutionRegistrar* registrar) {
    CayleyTable& table = tableBuffer_;
    table.resize(static_cast<std::size_t>(n_));
    for (int i = 1; i <= n_; ++i) {
        auto& row = table[static_cast<std::size_t>(i - 1)];
        row.resize(static_cast<std::size_t>(n_));
        for (int j = 1; j <= n_; ++j) {
            const int v = trial(i, j);
            std::string& cell = row[static_cast<std::size_t>(j - 1)];
            if (manualEntry_)
                cell = codeToName(trialText(i, j));
            else if (v == kForeign)
                cell = foreign_[idx(i)][idx(j)];
            else
                cell.assign(ElementCodeText(v));
        }
    }
    solutions_.record(table, {n_, manualEntry_, includeIsomorphs_}, registrar);
    return solutions_.last();
}

// ---------------------------------------------------------------- fast fill glue

void CayleySearch::configureFastFill() {
    IncrementalFill::Rules r;
    r.n = n_;
    r.elementOrders = rules_.active(0);
    r.cyclicOnly = rules_.active(2) && rules_.cyclicFound();
    r.maxOrder = rules_.largestProperDivisor();
    r.blocks = rules_.active(3);
    for (const SubgroupBlock& b : rules_.blocks()) r.blockList.push_back({b.first, b.last, b.order});
    fast_.configure(r);
    fastConfigured_ = true;
    firstChanged_ = 0;
}

void CayleySearch::fastFill() {
    if (!fastConfigured_) {
        // The incremental fill builds on the identity's row and column; a
        // table read in with anything else there gets the full passes.
        identityIntact_ = true;
        for (int k = 1; k <= n_; ++k)
            if (trial_[1][idx(k)] != k || trial_[idx(k)][1] != k) identityIntact_ = false;
        configureFastFill();
    }
    if (!identityIntact_) {
        fillTable();
        return;
    }
    conflictFound_ = false;
    conflictMessage_.clear();
    const bool ok = fast_.fill(trial_, firstChanged_, searchedFilled_);
    firstChanged_ = (n_ - 1) * (n_ - 1);
    if (ok) {
        work_ = fast_.table();
    } else {
        conflictFound_ = true;
        conflictMessage_ = "Contradiction";
    }
}

}  // namespace quorix
