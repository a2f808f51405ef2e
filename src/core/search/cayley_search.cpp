// Search state, element codes and names, the odometer and the search step.

#include "core/search/cayley_search.h"

#include <cmath>

#include "core/host/host.h"

namespace quorix {

namespace {

const std::array<std::string, 23> kCodes = [] {
    std::array<std::string, 23> c{};
    c[1] = "1";
    for (int k = 2; k <= 22; ++k) c[static_cast<std::size_t>(k)] = std::string(1, static_cast<char>(95 + k));
    return c;
}();

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

}  // namespace

CayleySearch::CayleySearch() {
    for (int k = 1; k <= kMaxOrder; ++k) names_[idx(k)] = priorNames_[idx(k)] = kCodes[idx(k)];
    resetTable();
}

// ---------------------------------------------------------------- codes and names

std::string CayleySearch::elementCode(int k) {
    if (k < 1 || k > 21) return {};
    return kCodes[idx(k)];
}

const std::string& CayleySearch::elementName(int k) const {
    if (k >= 1 && k <= kMaxOrder) return names_[idx(k)];
    if (k == 21) return kCodes[21];
    return kCodes[0];
}

const std::string& CayleySearch::priorElementName(int k) const {
    if (k >= 1 && k <= kMaxOrder) return priorNames_[idx(k)];
    return kCodes[0];
}

void CayleySearch::setElementNames(const std::array<std::string, kSize>& names) {
    priorNames_ = names_;
    for (int k = 1; k <= kMaxOrder; ++k) names_[idx(k)] = names[idx(k)];
}

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

std::string CayleySearch::nameToCode(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kMaxOrder; ++k)
        if (names_[idx(k)] == name) return kCodes[idx(k)];
    return "?" + name;
}

std::string CayleySearch::translateName(const std::string& name) const {
    if (name.empty()) return {};
    for (int k = 1; k <= kMaxOrder; ++k)
        if (priorNames_[idx(k)] == name) return names_[idx(k)];
    return name;
}

std::string CayleySearch::entryText(int value) {
    if (value >= 1 && value <= 21) return kCodes[idx(value)];
    return {};
}

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

void CayleySearch::setTraceMode(int mode) {
    if (mode < kTraceByStep || mode > kTraceOff) throw InvalidArgument("unknown trace mode");
    traceMode_ = mode;
}

bool CayleySearch::setupTrace(const std::string& modeName) {
    if (modeName == "Trace by step") {
        traceMode_ = kTraceByStep;
    } else if (modeName == "Fast trace") {
        traceMode_ = kTraceTimed;
        timerIntervalMs_ = 100;
    } else if (modeName == "Very fast trace") {
        traceMode_ = kTraceTimed;
        timerIntervalMs_ = 10;
    } else if (modeName == "Trace off") {
        traceMode_ = kTraceOff;
    } else {
        showMessage("Program error (setupTrace)");
        return false;
    }
    return true;
}

bool CayleySearch::ruleEnabled(int rule) const {
    return rule >= 0 && rule < kRuleCount && ruleEnabled_[idx(rule)];
}

void CayleySearch::setRuleEnabled(int rule, bool on) {
    if (rule < 0 || rule >= kRuleCount) throw InvalidArgument("unknown optimizing rule");
    ruleEnabled_[idx(rule)] = on;
}

bool CayleySearch::ruleActive(int rule) const {
    return rule >= 0 && rule < kRuleCount && ruleActive_[idx(rule)];
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
    tableFinished_ = false;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j)
            if (trial_[idx(i)][idx(j)] == 0) ++emptyCellCount_;
    setupRules();
    fastConfigured_ = false;
    yieldInterval_ = static_cast<int>(std::nearbyint(32000.0 / (n_ * n_)));
    searchRow_ = searchColumn_ = branchRow_ = branchColumn_ = 2;
}

void CayleySearch::moveToFirstEmpty() {
    for (int i = 2; i <= n_; ++i)
        for (int j = 2; j <= n_; ++j)
            if (trial_[idx(i)][idx(j)] == 0) {
                searchRow_ = i;
                searchColumn_ = j;
                return;
            }
    searchRow_ = n_ + 1;
    searchColumn_ = 2;
}

void CayleySearch::advanceCell() {
    advanceOk_ = false;
    bool exhausted = false;
    while (!advanceOk_ && !exhausted) {
        if (searchRow_ > n_) {
            searchRow_ = n_;
            searchColumn_ = n_;
        }
        const int value = trial_[idx(searchRow_)][idx(searchColumn_)];
        if (value == 0) {
            setTrialCell(searchRow_, searchColumn_, 1);
            advanceOk_ = true;
            --emptyCellCount_;
            break;
        }
        bool may = value != n_;
        if (may && !includeIsomorphs_ && searchRow_ == 2 && searchColumn_ < n_ &&
            value == rowTwoSuccessor_[idx(searchColumn_)])
            may = false;
        if (may) {
            // The next code after the value (an entry that is no code of this
            // table goes on as the code one past the last).
            setTrialCell(searchRow_, searchColumn_, static_cast<std::uint8_t>(valueIndex(value) + 1));
            advanceOk_ = true;
        } else {
            setTrialCell(searchRow_, searchColumn_, 0);
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

void CayleySearch::commitInferences() {
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
        const std::uint8_t v = work_[idx(i)][idx(j)];
        if (v == 0) return;
        searchRow_ = i;
        searchColumn_ = j;
        if (trial_[idx(i)][idx(j)] == 0) --emptyCellCount_;
        setTrialCell(i, j, v);
    }
}

void CayleySearch::prepareContinue() {
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
        if (trial_[idx(i)][idx(j)] == 0) --emptyCellCount_;
        setTrialCell(i, j, static_cast<std::uint8_t>(n_));
    }
}

void CayleySearch::findNext() {
    if (n_ == 1) {
        stepReady_ = solutionCount_ < 1;
        return;
    }
    stepReady_ = false;
    moveToFirstEmpty();
    advanceOk_ = true;
    for (;;) {
        if (stepReady_ || !advanceOk_) return;
        advanceCell();
        if (!advanceOk_) continue;
        if (precheckRules()) {
            advanceOk_ = false;
            continue;
        }
        const int saveRow = searchRow_, saveColumn = searchColumn_;
        branchRow_ = searchRow_;
        branchColumn_ = searchColumn_;
        ++stats_.fills;
        const bool literal = fillEngine_ == FillEngine::Literal || reasonsStored();
        if (literal) {
            fillTable();
        } else if (fillEngine_ == FillEngine::Verify) {
            fastFill();
            const bool fastConflict = conflictFound_;
            const Table fastTable = work_;
            fillTable();
            ++fillsCompared_;
            bool same = fastConflict == conflictFound_;
            if (same && !conflictFound_)
                for (int i = 1; i <= n_ && same; ++i)
                    for (int j = 1; j <= n_; ++j)
                        if (fastTable[idx(i)][idx(j)] != work_[idx(i)][idx(j)]) {
                            same = false;
                            break;
                        }
            if (!same) ++fillMismatches_;
        } else {
            fastFill();
        }
        searchRow_ = saveRow;
        searchColumn_ = saveColumn;
        if (!conflictFound_) {
            if (traceMode_ == kTraceByStep) {
                stepReady_ = true;
            } else {
                commitInferences();
                if (traceMode_ == kTraceTimed) {
                    stepReady_ = true;
                } else if (emptyCellCount_ == 0) {
                    stepReady_ = true;
                } else {
                    moveToFirstEmpty();
                }
            }
            if (emptyCellCount_ == 0) ++stats_.completeTables;
        }
        if (traceMode_ == kTraceOff) {
            if (++yieldCounter_ > yieldInterval_) {
                host().pumpEvents();
                if (host().haltRequested()) stepReady_ = true;
                yieldCounter_ = 0;
            }
        }
    }
}

CayleySearch::RunResult CayleySearch::getNextSolution(SolutionRegistrar* registrar) {
    if (allSolutionsFound_) {
        stepReady_ = false;
        return RunResult::Exhausted;
    }
    prepareContinue();
    yieldCounter_ = 0;
    RunResult result = RunResult::Halted;
    while (!host().haltRequested()) {
        findNext();
        if (!stepReady_) {
            result = RunResult::Exhausted;
            break;
        }
        if (emptyCellCount_ == 0) {
            const RecordResult r = recordSolution(registrar);
            if (r.kept || !r.generated) {
                result = RunResult::SolutionStored;
                break;
            }
            prepareContinue();
        }
    }
    host().setHaltRequested(false);
    return result;
}

// ---------------------------------------------------------------- fast fill glue

void CayleySearch::configureFastFill() {
    IncrementalFill::Rules r;
    r.n = n_;
    r.elementOrders = ruleActive_[0];
    r.cyclicOnly = ruleActive_[2] && cyclicFound_;
    r.maxOrder = largestProperDivisor_;
    r.blocks = ruleActive_[3];
    for (const SubgroupBlock& b : blocks_) r.blockList.push_back({b.first, b.last, b.order});
    fast_.configure(r);
    fastConfigured_ = true;
    firstChanged_ = 0;
}

void CayleySearch::fastFill() {
    conflictFound_ = false;
    conflictMessage_.clear();
    if (!fastConfigured_) configureFastFill();
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
