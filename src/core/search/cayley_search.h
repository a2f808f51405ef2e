#pragma once
// The Cayley-table search: finds every group of order n (1..20) by filling an
// n x n multiplication table cell by cell.
//
// One CayleySearch object holds the whole state of one search: the trial,
// work and reason tables, the odometer position, the counters and flags, and
// its parts: the element names (element_names.h), the optimizing rules
// (optimizing_rules.h) and the solution list (solution_list.h). The tables
// and codes are in cayley_search.cpp, the odometer and the search step in
// odometer.cpp, the fill with the rules' tests in fill_logic.cpp. A SearchRun
// (search_run.h) drives it. The desktop program keeps one object for the
// whole run.
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
// Indices above n are "not an element of this table": CodeIndex answers n+1
// for them, exactly as for an empty or foreign entry.
//
// The product i*j stands at (i, j). Row 1 and column 1 always hold the
// identity's row and column.
//
// Driving the search
// ------------------
// A SearchRun (search_run.h) runs Get Next Solution, the timer ticks of the
// timed modes and Check on this state and tells its caller what to show;
// the panel keeps its controls and the grid and refreshes the grid from
// TrialText / WorkText / IsInference / Reason. Reaching the user is the
// caller's: the engine returns conflict texts, refusals (LastRecord().error)
// and the messages of impossible fills (TakeMessages()).
//
// In Trace off, FindNext yields to its Progress after every YieldInterval()
// fills and stops (StepReady set, the table possibly incomplete) when a stop
// was requested. Trace by step and the timed modes never yield. In Trace by
// step every non-contradictory trial stops the search and nothing is
// committed; the deduced cells are in the work table with their reasons.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/group/group.h"
#include "core/host/progress.h"
#include "core/search/element_names.h"
#include "core/search/incremental_fill.h"
#include "core/search/optimizing_rules.h"
#include "core/search/solution_list.h"

namespace quorix {

// The three trace modes of the search.
enum class TraceMode {
    ByStep = 1,  // every non-contradictory trial is shown, reasons stored
    Timed = 2,   // Fast trace / Very fast trace: one FindNext per timer tick
    Off = 3,     // runs to the next complete table, yielding now and then
};

// Counters of one search, for reports and benchmarks.
struct SearchStats {
    long long trials = 0;          // AdvanceCell calls that set a value
    long long fills = 0;           // fills run by FindNext
    long long completeTables = 0;  // non-contradictory trials that left no empty cell
};

class CayleySearch {
public:
    static constexpr int kMaxOrder = 20;
    static constexpr int kSize = kMaxOrder + 1;  // table dimension (slot 0 unused)
    static constexpr int kMaxSolutions = SolutionList::kMaxSolutions;
    static constexpr int kRuleCount = OptimizingRules::kRuleCount;
    static constexpr std::uint8_t kForeign = 64;  // a text that names no element
    using Table = std::array<std::array<std::uint8_t, kSize>, kSize>;

    // Element codes and names set, all optimizing rules on, Trace off,
    // order 1, table reset, no solutions.
    CayleySearch();

    // ---- element codes and names ----------------------------------------
    // The code of element k: "1" for k = 1, the character 95 + k for
    // k = 2..21 ("a".."s", and "t" one past the last element).
    static std::string ElementCode(int k) { return ElementCodeText(k); }
    // Display name of element k (1..20); the code for k above 20.
    const std::string& ElementName(int k) const { return names_.Name(k); }
    const std::string& PriorElementName(int k) const { return names_.PriorName(k); }
    // Renaming: the current names become the prior names and names[k]
    // (k = 1..20; names[0] unused) the current ones.
    void SetElementNames(const ElementNames::List& names) { names_.Rename(names); }
    // Index 1..n of a code; n + 1 for anything else (empty text included).
    int CodeIndex(const std::string& code) const;
    // Display name of a table text: "" -> "", "?x" -> "x", code -> its name.
    std::string CodeToName(const std::string& code) const;
    // Code of the first element (1..20) named exactly so; "?" + name if none.
    std::string NameToCode(const std::string& name) const { return names_.NameToCode(name); }
    // The current name of the first element whose prior name is `name`.
    std::string TranslateName(const std::string& name) const { return names_.Translate(name); }

    // ---- order, modes and switches ---------------------------------------
    int SearchOrder() const { return n_; }
    // Sets n (1..20, others refused with InvalidArgument) and resets the table.
    void SetSearchOrder(int n);
    TraceMode CurrentTraceMode() const { return traceMode_; }
    void SetTraceMode(TraceMode mode) { traceMode_ = mode; }
    // Sets the trace mode by its menu caption ("Trace by step", "Fast trace",
    // "Very fast trace", "Trace off"); no other name is ever passed (false
    // and nothing changed if one were).
    bool SetupTrace(const std::string& modeName);
    // Timer interval of the timed modes: 100 (Fast trace) or 10 ms (Very fast).
    int TimerIntervalMs() const { return timerIntervalMs_; }
    bool ManualEntry() const { return manualEntry_; }
    void SetManualEntry(bool on) { manualEntry_ = on; }
    bool IncludeIsomorphs() const { return includeIsomorphs_; }
    // Takes effect at the next ResetTable and the next recorded solution.
    void SetIncludeIsomorphs(bool on) { includeIsomorphs_ = on; }
    // The user's switches of the five optimizing rules (take effect at the
    // next ResetTable).
    bool RuleEnabled(int rule) const { return rules_.Enabled(rule); }
    void SetRuleEnabled(int rule, bool on) { rules_.SetEnabled(rule, on); }
    // The rules in force for the current order and mode (set by SetupRules).
    bool RuleActive(int rule) const { return rules_.Active(rule); }
    // Reasons are kept (and shown) in manual entry mode and in Trace by step.
    bool ReasonsStored() const { return manualEntry_ || traceMode_ == TraceMode::ByStep; }

    // ---- tables ------------------------------------------------------------
    const Table& TrialTable() const { return trial_; }
    const Table& WorkTable() const { return work_; }
    int Trial(int i, int j) const { return trial_[Idx(i)][Idx(j)]; }
    int Work(int i, int j) const { return work_[Idx(i)][Idx(j)]; }
    // Texts of entries: "" empty, a code, or "?" + foreign text.
    std::string TrialText(int i, int j) const;
    std::string WorkText(int i, int j) const;
    const std::string& Reason(int i, int j) const { return reason_[Idx(i)][Idx(j)]; }
    // Text of a code value (0 -> "", 1..21 -> the code); foreign entries
    // have their text per cell (TrialText / WorkText).
    static std::string EntryText(int value);
    // Writes a table text ("" / code / "?" + text) into the trial table.
    void SetTrialText(int i, int j, const std::string& text);
    // ReadGrid: clears the inferences when reasons are stored, then reads
    // cells (i, j), i, j = 1..n, from cellText; in manual entry mode the text
    // is trimmed and passed through NameToCode. Counts the empty cells.
    void ReadGrid(const std::function<std::string(int, int)>& cellText);
    // Empties the work table inside n x n (the panel clears its red cells).
    void ClearInferences();
    // True when the panel shows the work entry in red: the trial entry is
    // empty, the work entry is not and reasons are stored.
    bool IsInference(int i, int j) const;

    // ---- search state --------------------------------------------------------
    int EmptyCellCount() const { return emptyCellCount_; }
    bool Complete() const { return emptyCellCount_ == 0; }
    int CodeSum() const { return codeSum_; }
    int SearchRow() const { return searchRow_; }
    int SearchColumn() const { return searchColumn_; }
    int BranchRow() const { return branchRow_; }
    int BranchColumn() const { return branchColumn_; }
    bool AdvanceOk() const { return advanceOk_; }
    bool StepReady() const { return stepReady_; }
    bool TableFinished() const { return tableFinished_; }
    bool ConflictFound() const { return conflictFound_; }
    const std::string& ConflictMessage() const { return conflictMessage_; }
    bool InferenceMade() const { return inferenceMade_; }
    int YieldInterval() const { return yieldInterval_; }
    const SearchStats& Stats() const { return stats_; }
    void ClearStats() { stats_ = {}; }

    // ---- search routines ---------------------------------------------------------
    // Start values for order n: identity row and column, everything else
    // empty, rules in force derived (SetupRules), yield interval set.
    void ResetTable();
    void MoveToFirstEmpty();
    void AdvanceCell();
    void CommitInferences();
    // After a complete table: fills the cells after the branch cell with the
    // last code so that the next FindNext carries back to the branch cell.
    void PrepareContinue();
    // One search call; returns with StepReady() set (trace step, complete
    // table or a stop requested through the progress object) or clear
    // (search exhausted).
    void FindNext(Progress& progress);
    void FindNext();  // never stopped

    // ---- fill (axioms and rules) -----------------------------------------------
    // The full fill: row, column, associativity and rule passes in cycles until
    // nothing new follows or a contradiction is met. Reasons are stored when
    // ReasonsStored(). Check and Trace by step use it.
    void FillTable();
    void AddInference(int row, int column, int index, const std::string& reason);
    void ReportConflict(const std::string& text);
    // Messages for the user that a fill left (an inference over an entry that
    // holds a foreign text); the caller shows them. Returns and forgets them.
    std::vector<std::string> TakeMessages() { return std::exchange(messages_, {}); }
    // Order of element x through the work table: 0 = not yet determined;
    // reports "<name> does not have finite order" (and answers 0) when the
    // powers never reach the identity.
    int ElementOrder(int x);

    // ---- optimizing rules ----------------------------------------------------------
    // The rules in force for the current order and mode, the blocks and the row-2 bound.
    void SetupRules();
    bool PrecheckRules() const { return rules_.Rejects(trial_[2][2]); }  // true: reject the trial
    // The rule pass of the fill.
    void CheckRules();
    // After the newest solution was shown: rule 2 notes a cyclic solution,
    // rule 4 ends the search after the second solution.
    void NoteSolutionRules();
    const OptimizingRules& Rules() const { return rules_; }
    bool AllSolutionsFound() const { return rules_.AllSolutionsFound(); }
    bool CyclicFound() const { return rules_.CyclicFound(); }
    int LargestProperDivisor() const { return rules_.LargestProperDivisor(); }
    using SubgroupBlock = OptimizingRules::SubgroupBlock;
    int BlockCount() const { return rules_.BlockCount(); }
    const SubgroupBlock& Block(int k) const { return rules_.Block(k); }  // k = 1..BlockCount
    int RowTwoSuccessor(int j) const { return rules_.RowTwoSuccessor(j); }

    // ---- solution list ------------------------------------------------------------------
    // Turns the complete trial table into a Group and records it in the
    // solution list (named after the order and the mode).
    const RecordResult& RecordSolution(SolutionRegistrar* registrar = nullptr);
    const SolutionList& Solutions() const { return solutions_; }
    int SolutionCount() const { return solutions_.Count(); }
    void ClearSolutions() { solutions_.Clear(); }
    const GroupPtr& Solution(int slot) const { return solutions_.Solution(slot); }
    int SolutionIsomorph(int slot) const { return solutions_.IsomorphOf(slot); }
    const RecordResult& LastRecord() const { return solutions_.Last(); }

    // ---- fill engine selection (benchmarks) ----------------------------------------------
    // Where reasons are not stored FindNext uses an incremental fill that
    // reaches the same deduced table and the same contradiction outcome.
    enum class FillEngine {
        Automatic,  // incremental where reasons are not stored, else full passes
        Literal,    // always the full passes
    };
    void SetFillEngine(FillEngine engine) { fillEngine_ = engine; }

private:
    friend class SearchRun;  // starts runs: the step flag, the yield pacing

    static std::size_t Idx(int i) { return static_cast<std::size_t>(i); }
    int Weight(int i, int j) const;  // character code of work entry (i, j)
    bool SameWork(int i1, int j1, int i2, int j2) const;
    int IndexOfCharacter(int ch) const;  // CodeIndex of a one-character text
    int ValueIndex(int value) const { return value >= 1 && value <= n_ ? value : n_ + 1; }
    std::string Nm(int k) const { return ElementName(k); }
    void SetTrialCell(int i, int j, std::uint8_t value);
    void FastFill();
    void ConfigureFastFill();
    bool ValidateEntries();
    void CheckRows();
    void CheckColumns();
    void CheckAssociativity();
    bool AssociateTriple(int a, int b, int c);
    void CheckElementOrders();
    void CheckCyclicOnly();
    void CheckSubgroupBlock(int k);
    std::string Position(int i, int j) const;

    int n_ = 1;
    ElementNames names_;
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
    TraceMode traceMode_ = TraceMode::Off;
    int timerIntervalMs_ = 100;
    bool manualEntry_ = false;
    bool includeIsomorphs_ = false;
    int yieldCounter_ = 0;
    int yieldInterval_ = 32000;
    SearchStats stats_;

    OptimizingRules rules_;
    SolutionList solutions_;
    CayleyTable tableBuffer_;
    std::vector<std::string> messages_;

    // Incremental fill and what changed in the trial table since it last ran.
    IncrementalFill fast_;
    bool fastConfigured_ = false;
    bool identityIntact_ = true;  // row 1 and column 1 of the trial table are the identity's
    int firstChanged_ = 0;        // lowest visiting-order position written since
    int searchedFilled_ = 0;      // non-empty searched cells of the trial table
    int firstEmptyHint_ = 0;      // searched cells before this position are filled
    FillEngine fillEngine_ = FillEngine::Automatic;
};

}  // namespace quorix
