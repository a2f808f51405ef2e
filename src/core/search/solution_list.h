#pragma once
// The solution list: every complete table of the search (or checked by hand)
// becomes a Group, is classified against the solutions stored before it, and
// unless it is a dropped duplicate is counted, stored (the first 100) and
// registered under its ID.

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix {

// Receives the solutions that the list registers. The group register (or the
// command-line tool) implements it; the search does not depend on it.
class SolutionRegistrar {
public:
    virtual ~SolutionRegistrar() = default;
    // Registers the group under the ID (the group's GroupID is already set).
    virtual void RegisterSolution(const GroupPtr& group, const std::string& id) = 0;
    // The number part of the newest "Manual" ID known to the register; a
    // manually entered solution takes the next number.
    virtual int LastManualNumber() const = 0;
    virtual void SetLastManualNumber(int number) = 0;
};

// What recording the newest complete table did.
struct RecordResult {
    bool generated = false;  // the table became a Group (false: refused, see error)
    bool kept = false;       // counted as a solution (false: isomorphic duplicate dropped)
    bool stored = false;     // kept within the first 100 solutions
    int isomorphIndex = 0;   // slot of the first earlier isomorphic solution, 0 if none
    GroupPtr group;          // the new group (also when dropped)
    std::string id;          // the ID it was registered under ("" when dropped)
    std::string error;       // why the group model refused the table
};

class SolutionList {
public:
    static constexpr int kMaxSolutions = 100;

    // How the new solution is named: "Manual<n>-<m>" for a table entered by
    // hand, "Group #<n>(<k>)" with isomorphic equivalents, else "Group #<n>-<k>".
    struct Naming {
        int order = 1;
        bool manual = false;
        bool includeIsomorphs = false;
    };
    // Records a complete table (rows of element texts).
    RecordResult Record(const CayleyTable& table, const Naming& naming, SolutionRegistrar* registrar);

    // First slot whose solution is isomorphic to the group, 0 if none.
    int FindIsomorph(const Group& group) const;
    int Count() const { return count_; }
    int StoredCount() const { return static_cast<int>(solutions_.size()); }
    // Count back to 0 (the list is replaced by the next search).
    void Clear();
    const GroupPtr& Solution(int slot) const;  // slot 1..StoredCount()
    int IsomorphOf(int slot) const;            // 0 or the earlier slot
    int IsomorphIndex() const { return isomorphIndex_; }
    const RecordResult& Last() const { return last_; }
    // Manually entered tables stored since start-up.
    int ManualCount() const { return manualCount_; }

private:
    std::vector<GroupPtr> solutions_;  // slots 1..100 at [0..99]
    std::vector<int> isomorphOf_;      // same slots
    int count_ = 0;
    int isomorphIndex_ = 0;
    int manualCount_ = 0;
    RecordResult last_;
};

}  // namespace quorix
