// The solution list: complete tables become groups, are classified against
// the earlier solutions and registered.

#include <algorithm>

#include "core/host/host.h"
#include "core/search/cayley_search.h"

namespace quorix {

void CayleySearch::clearSolutions() {
    solutions_.clear();
    solutionIsomorph_.clear();
    solutionCount_ = 0;
    isomorphIndex_ = 0;
}

const GroupPtr& CayleySearch::solution(int slot) const {
    if (slot < 1 || slot > static_cast<int>(solutions_.size())) throw InvalidArgument("no solution in slot " + std::to_string(slot));
    return solutions_[static_cast<std::size_t>(slot - 1)];
}

int CayleySearch::solutionIsomorph(int slot) const {
    if (slot < 1 || slot > static_cast<int>(solutionIsomorph_.size())) throw InvalidArgument("no solution in slot " + std::to_string(slot));
    return solutionIsomorph_[static_cast<std::size_t>(slot - 1)];
}

int CayleySearch::findIsomorph(const Group& group) {
    for (std::size_t k = 0; k < solutions_.size(); ++k)
        if (solutions_[k]->IsIsomorphic(group)) return static_cast<int>(k) + 1;
    return 0;
}

RecordResult CayleySearch::recordSolution(SolutionRegistrar* registrar) {
    RecordResult result;
    CayleyTable table(static_cast<std::size_t>(n_), std::vector<std::string>(static_cast<std::size_t>(n_)));
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) {
            std::string text = trialText(i, j);
            if (manualEntry_) text = codeToName(text);
            table[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = std::move(text);
        }
    GroupPtr group = Group::Create();
    try {
        group->Generate(table);
    } catch (const InvalidArgument& e) {
        showMessage(e.what());
        return result;
    }
    result.generated = true;
    result.group = group;

    isomorphIndex_ = findIsomorph(*group);
    result.isomorphIndex = isomorphIndex_;
    if (isomorphIndex_ > 0 && !includeIsomorphs_) return result;

    result.kept = true;
    ++solutionCount_;
    if (solutionCount_ <= kMaxSolutions) {
        solutions_.push_back(group);
        solutionIsomorph_.push_back(isomorphIndex_);
        result.stored = true;
    }

    std::string id;
    if (manualEntry_) {
        if (registrar) manualSolutionCount_ = std::max(manualSolutionCount_, registrar->lastManualNumber());
        ++manualSolutionCount_;
        if (registrar) registrar->setLastManualNumber(manualSolutionCount_);
        id = "Manual" + std::to_string(n_) + "-" + std::to_string(manualSolutionCount_);
    } else if (includeIsomorphs_) {
        id = "Group #" + std::to_string(n_) + "(" + std::to_string(solutionCount_) + ")";
    } else {
        id = "Group #" + std::to_string(n_) + "-" + std::to_string(solutionCount_);
    }
    group->SetGroupID(id);
    result.id = id;
    if (registrar) registrar->registerSolution(group, id);
    return result;
}

}  // namespace quorix
