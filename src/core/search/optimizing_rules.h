#pragma once
// The optimizing rules: theorems about finite groups that prune the search
// beyond the axioms. The user's five switches, the rules in force for an
// order and mode, the subgroup blocks of rule 3 and the row-2 bound they fix,
// and what the rules note about the solutions shown. The fill applies the
// rules' tests (CayleySearch::CheckRules).

#include <array>
#include <cstddef>
#include <vector>

namespace quorix {

class OptimizingRules {
public:
    static constexpr int kRuleCount = 5;
    static constexpr int kSize = 21;  // row-2 bound per column 1..20 (slot 0 unused)

    struct SubgroupBlock {
        int first = 0, last = 0, order = 0, codeSum = 0;
    };

    // The user's switches (all on at first); they take effect at the next setup.
    bool Enabled(int rule) const { return Valid(rule) && enabled_[At(rule)]; }
    void SetEnabled(int rule, bool on);  // rule 0..4, others refused with InvalidArgument
    // The rules in force since the last setup.
    bool Active(int rule) const { return Valid(rule) && active_[At(rule)]; }

    // The rules in force for order n: rule 1 only for even n, rules 1 to 4
    // not with isomorphic equivalents, rule 3 not for a prime n nor in manual
    // entry (its blocks replace rule 1), rule 4 for n = 2p. Also the blocks
    // and the row-2 bound; the cyclic group and the end of rule 4 forgotten.
    void Setup(int n, bool includeIsomorphs, bool manualEntry);

    // Rule 1 rejects a trial before its fill when a*a (cell (2,2)) is not 1.
    bool Rejects(int entryTwoTwo) const { return active_[1] && entryTwoTwo != 1; }

    // After a solution was shown: rule 2 notes that the newest (the count-th)
    // is cyclic, rule 4 ends the search at the second. True when the tests of
    // the fill changed (the cyclic group noted).
    bool NoteSolution(int count, bool newestCyclic);
    bool AllSolutionsFound() const { return allSolutionsFound_; }
    bool CyclicFound() const { return cyclicFound_; }
    // The largest divisor of n below n (n itself for n = 1), set while rule 2 is in force.
    int LargestProperDivisor() const { return largestProperDivisor_; }

    int BlockCount() const { return static_cast<int>(blocks_.size()); }
    const SubgroupBlock& Block(int k) const { return blocks_[static_cast<std::size_t>(k - 1)]; }  // k = 1..BlockCount
    const std::vector<SubgroupBlock>& Blocks() const { return blocks_; }
    // The first block (1-based) that holds element x, 0 if none.
    int FirstBlockOf(int x) const;
    // The row-2 bound: index of the last value tried at (2, j).
    int RowTwoSuccessor(int j) const { return rowTwoSuccessor_[At(j)]; }

private:
    static bool Valid(int rule) { return rule >= 0 && rule < kRuleCount; }
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }
    void SetupSubgroupBlocks(int n);

    std::array<bool, kRuleCount> enabled_{true, true, true, true, true};
    std::array<bool, kRuleCount> active_{};
    bool allSolutionsFound_ = false;
    bool cyclicFound_ = false;
    int largestProperDivisor_ = 1;
    std::vector<SubgroupBlock> blocks_;
    std::array<int, kSize> rowTwoSuccessor_{};
};

}  // namespace quorix
