#pragma once
// The Cayley-table search: finds every group of order n (1..20) by filling an
// n x n multiplication table cell by cell.
//
// One CayleySearch object holds the whole state of one search: the element
// codes and display names, the trial, work and reason tables, the odometer
// position, the counters and flags shared with the search panel, the
// optimizing rules (switches and rules in force, subgroup blocks, the row-2
// bound) and the solution list. There is one search at a time; the desktop
// program keeps one object for the whole run.
//
// Representation
// --------------
// Tables are fixed 21 x 21 arrays of small integers indexed [row][column]
// with 1-based rows and columns (slot 0 unused); an entry is
//   0            empty (not yet determined),
//   1 .. 20      the element of that index, shown as its code: 1 -> "1",
//                2 -> "a", 3 -> "b", ..., 20 -> "s",
//   21           the code "t" one past the last element; the fill can only
//                write it from a table that holds foreign text (manual entry),
//   kForeign     a text that names no element (typed in manual entry, kept
//                as "?" followed by the text, or any other text read into
//                the table); the text is kept per cell and the entry behaves
//                as an undetermined, invalid entry in the fill.
// Indices above n are "not an element of this table": codeIndex answers n+1
// for them, exactly as for an empty or foreign entry.
//
// The product i*j stands at (i, j). Row 1 and column 1 always hold the
// identity's row and column.
//
// How the search panel drives the engine
// --------------------------------------
//   start-up:     setTraceMode / setupTrace, setSearchOrder(n) (runs resetTable)
//   Get Next Solution (Trace by step / Trace off):
//                 prepareContinue(); loop { findNext(); if (!stepReady()) end
//                 of solutions; else afterStep-logic: if complete() ->
//                 recordSolution(); ... }   (getNextSolution() below is the
//                 Trace off loop ready-made)
//   Fast / Very fast trace: the panel's timer calls findNext() once per tick
//                 (timerIntervalMs() gives the interval).
//   after a stored solution is shown: noteSolutionRules().
//   Check:        readGrid(...), fillTable(), then conflictFound() /
//                 conflictMessage(), complete() -> recordSolution().
// In Trace off, findNext yields to the user interface through
// host().pumpEvents() every yieldInterval() trials and stops (stepReady set)
// when host().haltRequested() is set; the panel clears the halt flag.
//
// The engine never shows anything itself except program-error messages,
// which go through showMessage().

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/group/group.h"
#include "core/search/incremental_fill.h"

namespace quorix {

// The three trace modes of the search (traceMode).
enum TraceMode : int {
    kTraceByStep = 1,  // every non-contradictory trial is shown, reasons stored
    kTraceTimed = 2,   // Fast trace / Very fast trace: one findNext per timer tick
    kTraceOff = 3,     // runs to the next complete table, yielding now and then
};

// Receives the solutions that recordSolution registers. The group register
// (or the command-line tool) implements it; the search does not depend on it.
class SolutionRegistrar {
public:
    virtual ~SolutionRegistrar() = default;
    // Registers the group under the ID (the group's GroupID is already set).
    virtual void registerSolution(const GroupPtr& group, const std::string& id) = 0;
    // The number part of the newest "Manual" ID known to the register; a
    // manually entered solution takes the next number.
    virtual int lastManualNumber() const = 0;
    virtual void setLastManualNumber(int number) = 0;
};

// What recordSolution did with the newest complete table.
struct RecordResult {
    bool generated = false;  // the table became a Group (false: refused, message shown)
    bool kept = false;       // counted as a solution (false: isomorphic duplicate dropped)
    bool stored = false;     // kept within the first 100 solutions (in solutionList)
    int isomorphIndex = 0;   // slot of the first earlier isomorphic solution, 0 if none
    GroupPtr group;          // the new group (also when dropped)
    std::string id;          // the ID it was registered under ("" when dropped)
};

// Counters of one search, for reports and benchmarks.
struct SearchStats {
    long long trials = 0;          // advanceCell calls that set a value
    long long fills = 0;           // fills run by findNext
    long long completeTables = 0;  // non-contradictory trials that left no empty cell
};

class CayleySearch {
public:
    static constexpr int kMaxOrder = 20;
    static constexpr int kSize = kMaxOrder + 1;  // table dimension (slot 0 unused)
    static constexpr int kMaxSolutions = 100;
    static constexpr int kRuleCount = 5;
    static constexpr std::uint8_t kForeign = 64;  // a text that names no element
    using Table = std::array<std::array<std::uint8_t, kSize>, kSize>;

    // Element codes and names set, all optimizing rules on, Trace off,
    // order 1, table reset, no solutions.
    CayleySearch();

    // ---- element codes and names ----------------------------------------
    // The code of element k: "1" for k = 1, the character 95 + k for
    // k = 2..21 ("a".."s", and "t" one past the last element).
    static std::string elementCode(int k);
    // Display name of element k (1..20); the code for k above 20.
    const std::string& elementName(int k) const;
    const std::string& priorElementName(int k) const;
    // Renaming: the current names become the prior names and names[k]
    // (k = 1..20; names[0] unused) the current ones.
    void setElementNames(const std::array<std::string, kSize>& names);
    // Index 1..n of a code; n + 1 for anything else (empty text included).
    int codeIndex(const std::string& code) const;
    // Display name of a table text: "" -> "", "?x" -> "x", code -> its name.
    std::string codeToName(const std::string& code) const;
    // Code of the first element (1..20) named exactly so; "?" + name if none.
    std::string nameToCode(const std::string& name) const;
    // The current name of the first element whose prior name is `name`.
    std::string translateName(const std::string& name) const;

    // ---- order, modes and switches ---------------------------------------
    int searchOrder() const { return n_; }
    // Sets n (1..20, others refused with InvalidArgument) and resets the table.
    void setSearchOrder(int n);
    int traceMode() const { return traceMode_; }
    void setTraceMode(int mode);  // kTraceByStep, kTraceTimed or kTraceOff
    // Sets the trace mode by its menu caption ("Trace by step", "Fast trace",
    // "Very fast trace", "Trace off"); anything else shows
    // "Program error (setupTrace)" and changes nothing. Returns whether the
    // name was known.
    bool setupTrace(const std::string& modeName);
    // Timer interval of the timed modes: 100 (Fast trace) or 10 ms (Very fast).
    int timerIntervalMs() const { return timerIntervalMs_; }
    bool manualEntry() const { return manualEntry_; }
    void setManualEntry(bool on) { manualEntry_ = on; }
    bool includeIsomorphs() const { return includeIsomorphs_; }
    // Takes effect at the next resetTable and the next recorded solution.
    void setIncludeIsomorphs(bool on) { includeIsomorphs_ = on; }
    // The user's switches of the five optimizing rules (take effect at the
    // next resetTable).
    bool ruleEnabled(int rule) const;
    void setRuleEnabled(int rule, bool on);
    // The rules in force for the current order and mode (set by setupRules).
    bool ruleActive(int rule) const;
    // Reasons are kept (and shown) in manual entry mode and in Trace by step.
    bool reasonsStored() const { return manualEntry_ || traceMode_ == kTraceByStep; }

    // ---- tables ------------------------------------------------------------
    const Table& trialTable() const { return trial_; }
    const Table& workTable() const { return work_; }
    int trial(int i, int j) const { return trial_[idx(i)][idx(j)]; }
    int work(int i, int j) const { return work_[idx(i)][idx(j)]; }
    // Texts of entries: "" empty, a code, or "?" + foreign text.
    std::string trialText(int i, int j) const;
    std::string workText(int i, int j) const;
    const std::string& reason(int i, int j) const { return reason_[idx(i)][idx(j)]; }
    // Text of a code value (0 -> "", 1..21 -> the code); foreign entries
    // have their text per cell (trialText / workText).
    static std::string entryText(int value);
    // Writes a table text ("" / code / "?" + text) into the trial table.
    void setTrialText(int i, int j, const std::string& text);
    // readGrid: clears the inferences when reasons are stored, then reads
    // cells (i, j), i, j = 1..n, from cellText; in manual entry mode the text
    // is trimmed and passed through nameToCode. Counts the empty cells.
    void readGrid(const std::function<std::string(int, int)>& cellText);
    // Empties the work table inside n x n (the panel clears its red cells).
    void clearInferences();
    // True when the panel shows the work entry in red: the trial entry is
    // empty, the work entry is not and reasons are stored.
    bool isInference(int i, int j) const;

    // ---- search state --------------------------------------------------------
    int emptyCellCount() const { return emptyCellCount_; }
    bool complete() const { return emptyCellCount_ == 0; }
    int codeSum() const { return codeSum_; }
    int searchRow() const { return searchRow_; }
    int searchColumn() const { return searchColumn_; }
    int branchRow() const { return branchRow_; }
    int branchColumn() const { return branchColumn_; }
    bool advanceOk() const { return advanceOk_; }
    bool stepReady() const { return stepReady_; }
    void setStepReady(bool ready) { stepReady_ = ready; }
    bool tableFinished() const { return tableFinished_; }
    bool conflictFound() const { return conflictFound_; }
    const std::string& conflictMessage() const { return conflictMessage_; }
    bool inferenceMade() const { return inferenceMade_; }
    int yieldInterval() const { return yieldInterval_; }
    int yieldCounter() const { return yieldCounter_; }
    void setYieldCounter(int c) { yieldCounter_ = c; }
    const SearchStats& stats() const { return stats_; }
    void clearStats() { stats_ = {}; }

    // ---- search routines ---------------------------------------------------------
    // Start values for order n: identity row and column, everything else
    // empty, rules in force derived (setupRules), yield interval set.
    void resetTable();
    void moveToFirstEmpty();
    void advanceCell();
    void commitInferences();
    // After a complete table: fills the cells after the branch cell with the
    // last code so that the next findNext carries back to the branch cell.
    void prepareContinue();
    // One search call; returns with stepReady() set (trace step, complete
    // table or halt) or clear (search exhausted).
    void findNext();

    // ---- fill (axioms and rules) -----------------------------------------------
    // The full fill: row, column, associativity and rule passes in cycles until
    // nothing new follows or a contradiction is met. Reasons are stored when
    // reasonsStored(). Check and Trace by step use it.
    void fillTable();
    void addInference(int row, int column, int index, const std::string& reason);
    void reportConflict(const std::string& text);
    // Order of element x through the work table: 0 = not yet determined;
    // reports "<name> does not have finite order" (and answers 0) when the
    // powers never reach the identity.
    int elementOrder(int x);

    // ---- optimizing rules ----------------------------------------------------------
    void setupRules();
    bool precheckRules() const;  // true: reject the trial
    void checkRules();
    // After the newest solution was shown: rule 2 notes a cyclic solution,
    // rule 4 ends the search after the second solution.
    void noteSolutionRules();
    bool allSolutionsFound() const { return allSolutionsFound_; }
    bool cyclicFound() const { return cyclicFound_; }
    int largestProperDivisor() const { return largestProperDivisor_; }
    struct SubgroupBlock {
        int first = 0, last = 0, order = 0, codeSum = 0;
    };
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    const SubgroupBlock& block(int k) const { return blocks_[static_cast<std::size_t>(k - 1)]; }  // k = 1..blockCount
    // The row-2 bound: index of the last value tried at (2, j).
    int rowTwoSuccessor(int j) const { return rowTwoSuccessor_[idx(j)]; }

    // ---- solution list ------------------------------------------------------------------
    // Turns the complete trial table into a Group, classifies it against the
    // stored solutions and, unless it is a dropped duplicate, counts it,
    // stores it (first 100) and registers it under its ID.
    RecordResult recordSolution(SolutionRegistrar* registrar = nullptr);
    // First slot whose solution is isomorphic to the group, 0 if none.
    int findIsomorph(const Group& group);
    int solutionCount() const { return solutionCount_; }
    // Solution count back to 0 (the list is replaced by the next search).
    void clearSolutions();
    const GroupPtr& solution(int slot) const;            // slot 1..min(count, 100)
    int solutionIsomorph(int slot) const;                // 0 or the earlier slot
    int isomorphIndex() const { return isomorphIndex_; }
    int manualSolutionCount() const { return manualSolutionCount_; }
    void setManualSolutionCount(int c) { manualSolutionCount_ = c; }

    // ---- ready-made Trace off run of Get Next Solution -----------------------------------
    enum class RunResult { SolutionStored, Halted, Exhausted };
    // prepareContinue, then findNext until a complete table is kept, the
    // search ends or Halt is pressed; isomorphic duplicates are dropped
    // silently (prepareContinue and on). Clears the halt flag at the end.
    // Does not call noteSolutionRules (the caller does after showing the
    // solution) and does not reset the table when the search is exhausted.
    RunResult getNextSolution(SolutionRegistrar* registrar = nullptr);

    // ---- fill engine selection (tests and benchmarks) ---------------------------------------
    // Where reasons are not stored findNext uses an incremental fill that
    // reaches the same deduced table and the same contradiction outcome.
    enum class FillEngine {
        Automatic,  // incremental where reasons are not stored, else full passes
        Literal,    // always the full passes
        Verify,     // both; compares outcome and table, counts mismatches
    };
    void setFillEngine(FillEngine engine) { fillEngine_ = engine; }
    long long fillMismatches() const { return fillMismatches_; }
    long long fillsCompared() const { return fillsCompared_; }

private:
    static std::size_t idx(int i) { return static_cast<std::size_t>(i); }
    int weight(int i, int j) const;           // character code of work entry (i, j)
    bool sameWork(int i1, int j1, int i2, int j2) const;
    int indexOfCharacter(int ch) const;       // codeIndex of a one-character text
    int valueIndex(int value) const { return value >= 1 && value <= n_ ? value : n_ + 1; }
    std::string nm(int k) const { return elementName(k); }
    void setTrialCell(int i, int j, std::uint8_t value);
    void fastFill();
    void configureFastFill();
    bool validateEntries();
    void checkRows();
    void checkColumns();
    void checkAssociativity();
    bool associateTriple(int a, int b, int c);
    void checkElementOrders();
    void checkCyclicOnly();
    void checkSubgroupBlock(int k);
    void setupSubgroupBlocks();
    int firstBlockOf(int x) const;
    std::string position(int i, int j) const;

    int n_ = 1;
    std::array<std::string, kSize> names_{}, priorNames_{};
    Table trial_{}, work_{};
    std::array<std::array<std::string, kSize>, kSize> reason_{};
    std::array<std::array<std::string, kSize>, kSize> foreign_{};  // texts of foreign trial entries

    int emptyCellCount_ = 0;
    int codeSum_ = 0;
    int searchRow_ = 2, searchColumn_ = 2;
    int branchRow_ = 2, branchColumn_ = 2;
    bool advanceOk_ = false;
    bool stepReady_ = false;
    bool tableFinished_ = false;
    bool conflictFound_ = false;
    std::string conflictMessage_;
    bool inferenceMade_ = false;
    int traceMode_ = kTraceOff;
    int timerIntervalMs_ = 100;
    bool manualEntry_ = false;
    bool includeIsomorphs_ = false;
    int yieldCounter_ = 0;
    int yieldInterval_ = 32000;
    SearchStats stats_;

    // Optimizing rules.
    std::array<bool, kRuleCount> ruleEnabled_{true, true, true, true, true};
    std::array<bool, kRuleCount> ruleActive_{};
    bool allSolutionsFound_ = false;
    bool cyclicFound_ = false;
    int largestProperDivisor_ = 1;
    std::vector<SubgroupBlock> blocks_;
    std::array<int, kSize> rowTwoSuccessor_{};

    // Solutions.
    std::vector<GroupPtr> solutions_;       // slots 1..100 at [0..99]
    std::vector<int> solutionIsomorph_;     // same slots
    int solutionCount_ = 0;
    int isomorphIndex_ = 0;
    int manualSolutionCount_ = 0;

    // Incremental fill and what changed in the trial table since it last ran.
    IncrementalFill fast_;
    bool fastConfigured_ = false;
    int firstChanged_ = 0;     // lowest visiting-order position written since
    int searchedFilled_ = 0;   // non-empty searched cells of the trial table
    FillEngine fillEngine_ = FillEngine::Automatic;
    long long fillMismatches_ = 0;
    long long fillsCompared_ = 0;
};

}  // namespace quorix
