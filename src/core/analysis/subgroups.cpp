#include "core/analysis/subgroups.h"

#include "core/group/math_functions.h"
#include "core/host/host.h"

namespace quorix {

bool IsNormalSubgroup(const Group& g, const Group& h) {
    if (!g.IsGenerated() || !h.IsGenerated()) return false;
    ElementSet m = MembershipInParent(g, h);
    if (SetSize(m) != h.order()) return false;
    return IsNormalSet(g, m, GeneratorsOf(g));
}

std::string FormatSubgroupElements(const Group& h, const Group& g, bool originalNames) {
    std::string text = "{";
    for (int k = 1; k <= h.order(); ++k) {
        if (k > 1) text += ", ";
        if (originalNames) {
            text += h.sourceName(k);
        } else {
            int idx = g.sourceIndexOfName(h.sourceName(k));
            if (idx >= 1) text += g.mappedName(idx);
        }
    }
    return text + "}";
}

void SortSubgroups(const Group& g, std::vector<GroupPtr>& list, std::vector<ElementSet>* memberships) {
    const std::size_t count = list.size();
    // The comparison key of every subgroup: g's position of each of its own
    // reductive names, -1 for a name g does not have.
    std::vector<std::vector<int>> keys(count);
    for (std::size_t s = 0; s < count; ++s) {
        const Group& h = *list[s];
        keys[s].resize(static_cast<std::size_t>(h.order()) + 1, 0);
        for (int p = 1; p <= h.order(); ++p) keys[s][static_cast<std::size_t>(p)] = g.positionOfName(h.name(p));
    }
    auto mustSwap = [&](std::size_t i, std::size_t j) {
        const int oi = list[i]->order(), oj = list[j]->order();
        if (oi != oj) return oi > oj;
        for (int p = 1; p <= oi; ++p) {
            int ki = keys[i][static_cast<std::size_t>(p)], kj = keys[j][static_cast<std::size_t>(p)];
            if (ki != kj) return ki < kj;
        }
        return false;
    };
    for (std::size_t i = 0; i + 1 < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (!mustSwap(i, j)) continue;
            std::swap(list[i], list[j]);
            std::swap(keys[i], keys[j]);
            if (memberships) std::swap((*memberships)[i], (*memberships)[j]);
        }
    }
}

std::vector<std::string> SubgroupIDs(const std::vector<GroupPtr>& list, const std::string& groupId) {
    std::vector<std::string> ids;
    int previousOrder = -1, sequence = 0;
    for (const GroupPtr& h : list) {
        sequence = h->order() == previousOrder ? sequence + 1 : 1;
        previousOrder = h->order();
        ids.push_back("Subgroup" + std::to_string(h->order()) + "-" + std::to_string(sequence) + "(" + groupId + ")");
    }
    return ids;
}

std::string ShortSubgroupName(const std::string& id) {
    std::size_t cut = id.find('(');
    return cut == std::string::npos ? id : id.substr(0, cut);
}

// ---- SubgroupLogic ----------------------------------------------------------

SubgroupLogic& subgroupLogic() {
    static SubgroupLogic logic;
    return logic;
}

void SubgroupLogic::Reset() {
    analysed_.reset();
    cached_.reset();
    list_.clear();
    members_.clear();
    partial_ = false;
    centreKnown_ = commutatorKnown_ = generatorsKnown_ = false;
}

const GroupPtr& SubgroupLogic::Subgroup(int s) const {
    if (s < 1 || s > SubgroupCount())
        throw InvalidArgument("Subgroup: no list entry " + std::to_string(s));
    return list_[static_cast<std::size_t>(s - 1)];
}

void SubgroupLogic::FindAllSubgroups(const GroupPtr& g, int limit) {
    if (!g || !g->IsGenerated()) throw InvalidArgument("FindAllSubgroups: no generated group");
    partial_ = false;
    if (cached_) {
        if (cached_ == g) return;
        cached_.reset();
    }
    analysed_ = g;
    list_.clear();
    members_.clear();
    centreKnown_ = commutatorKnown_ = generatorsKnown_ = false;

    Host& h = host();
    h.pumpEvents();
    if (h.haltRequested()) return;

    SubgroupSetsResult found = EnumerateSubgroupSets(*g, limit);
    // Subgroups found before a halt are kept; a halt while they are being
    // built stops the building.
    for (const ElementSet& m : found.sets) {
        if (!found.halted && h.haltRequested()) break;
        h.setProcessingText(std::to_string(list_.size() + 1) + " subgroup(s) found...");
        GroupPtr s = Group::Create();
        s->GenerateSubgroup(g, m);
        list_.push_back(std::move(s));
        members_.push_back(m);
        h.pumpEvents();
    }
    if (found.limitReached && !h.haltRequested()) {
        showMessage("Limit of " + std::to_string(limit) + " reached.");
        partial_ = true;
    }
    h.pumpEvents();
    if (h.haltRequested()) {
        partial_ = true;
        if (!h.askYesNo("Do you wish to continue with the " + std::to_string(list_.size()) +
                            " subgroups found so far?",
                        "Halting..."))
            return;
        h.setHaltRequested(false);
    }
    SortSubgroups(*g, list_, &members_);
    if (!partial_) cached_ = g;
}

const std::vector<int>& SubgroupLogic::Generators() {
    if (!generatorsKnown_) {
        generators_ = analysed_ ? GeneratorsOf(*analysed_) : std::vector<int>{};
        generatorsKnown_ = true;
    }
    return generators_;
}

bool SubgroupLogic::IsCenter(const Group& h) {
    if (!analysed_) return false;
    if (!centreKnown_) {
        centre_ = CentreSet(*analysed_);
        centreKnown_ = true;
    }
    return MembershipInParent(*analysed_, h) == centre_;
}

bool SubgroupLogic::IsCommutatorSubgroup(const Group& h) {
    if (!analysed_) return false;
    if (!commutatorKnown_) {
        commutator_ = CommutatorSet(*analysed_);
        commutatorKnown_ = true;
    }
    return MembershipInParent(*analysed_, h) == commutator_;
}

bool SubgroupLogic::IsNormal(int s) {
    if (s < 1 || s > SubgroupCount()) throw InvalidArgument("IsNormal: no list entry " + std::to_string(s));
    return IsNormalSet(*analysed_, members_[static_cast<std::size_t>(s - 1)], Generators());
}

int SubgroupLogic::FindByMembership(const ElementSet& m) const {
    for (std::size_t s = 0; s < members_.size(); ++s)
        if (members_[s] == m) return static_cast<int>(s) + 1;
    return 0;
}

int SubgroupLogic::CentralizerIndex(int x) {
    const Group* g = analysed_.get();
    if (g && x >= 1 && x <= g->order()) {
        ElementSet c;
        for (int i = 1; i <= g->order(); ++i)
            if (g->mul(x, i) == g->mul(i, x)) c.set(static_cast<std::size_t>(i));
        if (int s = FindByMembership(c)) return s;
    }
    showMessage("Program error (CentralizerIndex)");
    return 0;
}

int SubgroupLogic::NormalizerIndex(int s) {
    const Group* g = analysed_.get();
    if (g && s >= 1 && s <= SubgroupCount()) {
        const ElementSet& h = members_[static_cast<std::size_t>(s - 1)];
        ElementSet normalizer;
        normalizer.set(1);
        for (int x = 2; x <= g->order(); ++x) {
            ElementSet left, right;
            for (int e = 1; e <= g->order(); ++e) {
                if (!h.test(static_cast<std::size_t>(e))) continue;
                left.set(static_cast<std::size_t>(g->mul(x, e)));
                right.set(static_cast<std::size_t>(g->mul(e, x)));
            }
            if (left == right) normalizer.set(static_cast<std::size_t>(x));
        }
        if (int t = FindByMembership(normalizer)) return t;
    }
    showMessage("Program error (NormalizerIndex)");
    return 0;
}

std::vector<std::string> SubgroupLogic::NameAndRegister(const GroupRegistrar& registrar) {
    std::vector<std::string> ids = SubgroupIDs(list_, analysed_ ? analysed_->GroupID() : std::string());
    for (std::size_t s = 0; s < list_.size(); ++s) {
        list_[s]->SetGroupID(ids[s]);
        registrar.Register(list_[s], ids[s]);
    }
    return ids;
}

// ---- maximal normal subgroup -------------------------------------------------

ElementSet FindMaximalNormalSubgroupSet(const Group& g) {
    const int target = MathFunctions::maxProperDivisor(g.order());
    SubgroupSetsResult found = EnumerateSubgroupSets(g);
    const std::vector<int> generators = GeneratorsOf(g);
    ElementSet best;
    int bestOrder = 0;
    for (const ElementSet& m : found.sets) {
        if (bestOrder == target) break;
        int c = SetSize(m);
        if (c < g.order() && c > bestOrder && IsNormalSet(g, m, generators)) {
            best = m;
            bestOrder = c;
        }
    }
    return best;
}

GroupPtr FindMaximalNormalSubgroup(const GroupPtr& g) {
    if (!g || !g->IsGenerated()) throw InvalidArgument("FindMaximalNormalSubgroup: no generated group");
    ElementSet best;
    try {
        best = FindMaximalNormalSubgroupSet(*g);
    } catch (const InvalidArgument&) {
        return nullptr;   // the trivial group, already reported
    }
    if (best.none()) return nullptr;
    GroupPtr s = Group::Create();
    s->GenerateSubgroup(g, best);
    return s;
}

}  // namespace quorix
