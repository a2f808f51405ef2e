// The solution list: complete tables become groups, are classified against
// the earlier solutions and registered.

#include "core/search/solution_list.h"

#include <algorithm>

namespace quorix {

void SolutionList::Clear() {
    solutions_.clear();
    isomorphOf_.clear();
    count_ = 0;
    isomorphIndex_ = 0;
}

const GroupPtr& SolutionList::Solution(int slot) const {
    if (slot < 1 || slot > StoredCount()) throw InvalidArgument("no solution in slot " + std::to_string(slot));
    return solutions_[static_cast<std::size_t>(slot - 1)];
}

int SolutionList::IsomorphOf(int slot) const {
    if (slot < 1 || slot > StoredCount()) throw InvalidArgument("no solution in slot " + std::to_string(slot));
    return isomorphOf_[static_cast<std::size_t>(slot - 1)];
}

int SolutionList::FindIsomorph(const Group& group) const {
    for (std::size_t k = 0; k < solutions_.size(); ++k)
        if (solutions_[k]->IsIsomorphic(group)) return static_cast<int>(k) + 1;
    return 0;
}

RecordResult SolutionList::Record(const CayleyTable& table, const Naming& naming, SolutionRegistrar* registrar) {
    RecordResult result;
    GroupPtr group = Group::Create();
    try {
        group->Generate(table);
    } catch (const InvalidArgument& e) {
        result.error = e.what();
        last_ = result;
        return result;
    }
    result.generated = true;
    result.group = group;

    isomorphIndex_ = FindIsomorph(*group);
    result.isomorphIndex = isomorphIndex_;
    if (isomorphIndex_ > 0 && !naming.includeIsomorphs) {
        last_ = result;
        return result;
    }

    result.kept = true;
    ++count_;
    if (count_ <= kMaxSolutions) {
        solutions_.push_back(group);
        isomorphOf_.push_back(isomorphIndex_);
        result.stored = true;
    }

    const std::string n = std::to_string(naming.order);
    std::string id;
    if (naming.manual) {
        if (registrar) manualCount_ = std::max(manualCount_, registrar->LastManualNumber());
        ++manualCount_;
        if (registrar) registrar->SetLastManualNumber(manualCount_);
        id = "Manual" + n + "-" + std::to_string(manualCount_);
    } else if (naming.includeIsomorphs) {
        id = "Group #" + n + "(" + std::to_string(count_) + ")";
    } else {
        id = "Group #" + n + "-" + std::to_string(count_);
    }
    group->SetGroupID(id);
    result.id = id;
    if (registrar) registrar->RegisterSolution(group, id);
    last_ = result;
    return result;
}

}  // namespace quorix
