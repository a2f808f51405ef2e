#include "core/analysis/subgroups.h"

#include <algorithm>

#include "core/group/math_functions.h"

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
            // An element of a direct product is a tuple: "(123, 0)".
            const std::string& name = h.sourceName(k);
            if (name.find(',') == std::string::npos) {
                text += name;
            } else {
                text += '(';
                for (char c : name) text += c == ',' ? std::string(", ") : std::string(1, c);
                text += ')';
            }
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

void SubgroupLogic::Reset() {
    analysed_.reset();
    cached_.reset();
    list_.clear();
    members_.clear();
    partial_ = false;
    centreKnown_ = commutatorKnown_ = generatorsKnown_ = false;
}

const GroupPtr& SubgroupLogic::Subgroup(int s) const {
    if (s < 1 || s > SubgroupCount()) throw ProgramError("Subgroup: no list entry " + std::to_string(s));
    return list_[static_cast<std::size_t>(s - 1)];
}

SubgroupSearchOutcome SubgroupLogic::FindAllSubgroups(const GroupPtr& g, Progress& progress, int limit) {
    if (!g || !g->IsGenerated()) throw ProgramError("FindAllSubgroups: no generated group");
    SubgroupSearchOutcome outcome;
    partial_ = false;
    if (cached_) {
        if (cached_ == g) return outcome;
        cached_.reset();
    }
    analysed_ = g;
    list_.clear();
    members_.clear();
    centreKnown_ = commutatorKnown_ = generatorsKnown_ = false;
    if (progress.StopRequested()) {
        outcome.halted = true;
        return outcome;
    }

    SubgroupSetsResult found = EnumerateSubgroupSets(*g, progress, limit);
    // Subgroups found before a stop are kept; a stop while they are being
    // built stops the building.
    for (const ElementSet& m : found.sets) {
        if (!found.halted && progress.Stopped()) break;
        progress.Report(std::to_string(list_.size() + 1) + " subgroup(s) found...");
        GroupPtr s = Group::Create();
        s->GenerateSubgroup(g, m);
        list_.push_back(std::move(s));
        members_.push_back(m);
        progress.StopRequested();
    }
    if (found.limitReached && !progress.Stopped()) {
        outcome.limitReached = true;
        partial_ = true;
    }
    if (progress.StopRequested()) {
        partial_ = true;
        outcome.halted = true;
        return outcome;
    }
    SortSubgroups(*g, list_, &members_);
    if (!partial_) cached_ = g;
    return outcome;
}

void SubgroupLogic::KeepPartialList() {
    if (analysed_) SortSubgroups(*analysed_, list_, &members_);
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
    if (s < 1 || s > SubgroupCount()) throw ProgramError("IsNormal: no list entry " + std::to_string(s));
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
        return FindByMembership(c);
    }
    throw ProgramError("CentralizerIndex: no element " + std::to_string(x));
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
        return FindByMembership(normalizer);
    }
    throw ProgramError("NormalizerIndex: no list entry " + std::to_string(s));
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

ElementSet FindMaximalNormalSubgroupSet(const Group& g, Progress& progress) {
    const int n = g.order();
    if (n < 2) return {};
    // A normal subgroup is a union of conjugacy classes, so the normal
    // subgroups are the products of normal closures of single elements: far
    // fewer candidates than the subgroups the search order walks through.
    // The answer is the one the search meets first among the proper normal
    // subgroups of the largest order.
    std::vector<ElementSet> closures;
    ElementSet placed;
    placed.set(1);
    for (int x = 2; x <= n; ++x) {
        if (placed.test(static_cast<std::size_t>(x))) continue;
        if (progress.StopRequested()) return {};
        std::vector<int> conjugates;
        for (int a = 1; a <= n; ++a) {
            const int c = g.mul(g.mul(g.inv(a), x), a);
            if (!placed.test(static_cast<std::size_t>(c))) {
                placed.set(static_cast<std::size_t>(c));
                conjugates.push_back(c);
            }
        }
        const ElementSet closure = GeneratedSubgroup(g, conjugates);
        if (std::find(closures.begin(), closures.end(), closure) == closures.end()) closures.push_back(closure);
    }
    ElementSet trivial;
    trivial.set(1);
    std::vector<ElementSet> normal{trivial};
    for (const ElementSet& c : closures) {
        const std::size_t known = normal.size();
        for (std::size_t i = 0; i < known; ++i) {
            const ElementSet joined = normal[i] | c;
            std::vector<int> generators;
            for (int k = 2; k <= n; ++k)
                if (joined.test(static_cast<std::size_t>(k))) generators.push_back(k);
            const ElementSet product = SetSize(joined) == SetSize(c) ? c : GeneratedSubgroup(g, generators);
            if (std::find(normal.begin(), normal.end(), product) == normal.end()) normal.push_back(product);
        }
        if (progress.StopRequested()) return {};
    }
    ElementSet best;
    int bestOrder = 0;
    for (const ElementSet& m : normal) {
        const int c = SetSize(m);
        if (c >= n) continue;
        if (c > bestOrder || (c == bestOrder && PrecedesInSearchOrder(m, best))) {
            best = m;
            bestOrder = c;
        }
    }
    return best;
}

GroupPtr FindMaximalNormalSubgroup(const GroupPtr& g, Progress& progress) {
    if (!g || !g->IsGenerated()) throw ProgramError("FindMaximalNormalSubgroup: no generated group");
    const ElementSet best = FindMaximalNormalSubgroupSet(*g, progress);
    if (best.none()) return nullptr;
    GroupPtr s = Group::Create();
    s->GenerateSubgroup(g, best);
    return s;
}

}  // namespace quorix
