#include "core/analysis/subgroups.h"

#include <algorithm>
#include <unordered_set>

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
    positions_.clear();
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
    positions_.clear();
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
    positions_.clear();
    if (!partial_) cached_ = g;
    return outcome;
}

void SubgroupLogic::KeepPartialList() {
    if (analysed_) SortSubgroups(*analysed_, list_, &members_);
    positions_.clear();
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

int SubgroupLogic::FindByMembership(const ElementSet& m) {
    if (positions_.size() != members_.size()) {
        positions_.clear();
        for (std::size_t s = members_.size(); s-- > 0;) positions_[members_[s]] = static_cast<int>(s) + 1;
    }
    auto it = positions_.find(m);
    return it == positions_.end() ? 0 : it->second;
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
        // x normalizes H when it conjugates a generating set of H into H.
        std::vector<int> generators;
        ElementSet spanned;
        spanned.set(1);
        for (int e = 2; e <= g->order(); ++e)
            if (h.test(static_cast<std::size_t>(e)) && !spanned.test(static_cast<std::size_t>(e))) {
                generators.push_back(e);
                spanned = GeneratedSubgroup(*g, generators);
            }
        ElementSet normalizer;
        normalizer.set(1);
        for (int x = 2; x <= g->order(); ++x) {
            const int xi = g->inv(x);
            bool normalizes = true;
            for (std::size_t i = 0; i < generators.size() && normalizes; ++i)
                normalizes = h.test(static_cast<std::size_t>(g->mul(g->mul(xi, generators[i]), x)));
            if (normalizes) normalizer.set(static_cast<std::size_t>(x));
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

namespace {

// The smallest prime dividing |G : G'| (0 for a perfect group), with
// K = G'·G^p.
int SmallestAbelianQuotientPrime(const Group& g, const std::vector<int>& generators, ElementSet& k) {
    std::vector<int> seeds;
    for (int a : generators)
        for (int b : generators) seeds.push_back(g.mul(g.mul(g.mul(a, b), g.inv(a)), g.inv(b)));
    const int index = g.order() / SetSize(NormalClosure(g, seeds));
    if (index == 1) return 0;
    int p = 2;
    while (index % p != 0) ++p;
    for (int s : generators) {
        int power = 1;
        for (int t = 0; t < p; ++t) power = g.mul(power, s);
        seeds.push_back(power);
    }
    k = NormalClosure(g, seeds);
    return p;
}

// With p < 60 the proper normal subgroups of largest order are those of
// index p (a simple quotient is Z_q with q >= p or has at least 60
// elements): the kernels of the nonzero linear forms on G/K, K = G'·G^p, an
// elementary abelian p-group. The first of them in search order.
ElementSet FirstHyperplane(const Group& g, const std::vector<int>& generators, const ElementSet& k, int p,
                           Progress& progress) {
    const int n = g.order();
    std::vector<int> kElements;
    for (int x = 1; x <= n; ++x)
        if (k.test(static_cast<std::size_t>(x))) kElements.push_back(x);
    // A basis of G/K among the generators, and the coordinates of every element.
    std::vector<int> basis;
    ElementSet spanned = k;
    for (int s : generators) {
        if (spanned.test(static_cast<std::size_t>(s))) continue;
        basis.push_back(s);
        std::vector<int> seeds(kElements);
        seeds.insert(seeds.end(), basis.begin(), basis.end());
        spanned = GeneratedSubgroup(g, seeds);
    }
    const std::size_t r = basis.size();
    std::vector<std::vector<int>> coordinates(static_cast<std::size_t>(n) + 1, std::vector<int>(r, 0));
    std::vector<int> a(r, 0);
    for (bool more = true; more;) {
        int y = 1;
        for (std::size_t i = 0; i < r; ++i)
            for (int t = 0; t < a[i]; ++t) y = g.mul(y, basis[i]);
        for (int e : kElements) coordinates[static_cast<std::size_t>(g.mul(e, y))] = a;
        more = false;
        for (std::size_t i = 0; i < r && !more; ++i) {
            if (++a[i] < p)
                more = true;
            else
                a[i] = 0;
        }
    }
    // Forms up to a scalar: the first nonzero coefficient is 1.
    ElementSet best;
    std::vector<int> form(r, 0);
    for (std::size_t lead = 0; lead < r; ++lead) {
        std::fill(form.begin(), form.end(), 0);
        form[lead] = 1;
        for (bool more = true; more;) {
            if (progress.StopRequested()) return {};
            ElementSet kernel = ElementSet::ForOrder(n);
            for (int x = 1; x <= n; ++x) {
                int value = 0;
                for (std::size_t i = lead; i < r; ++i) value += form[i] * coordinates[static_cast<std::size_t>(x)][i];
                if (value % p == 0) kernel.set(static_cast<std::size_t>(x));
            }
            if (best.none() || PrecedesInSearchOrder(kernel, best)) best = std::move(kernel);
            more = false;
            for (std::size_t i = lead + 1; i < r && !more; ++i) {
                if (++form[i] < p)
                    more = true;
                else
                    form[i] = 0;
            }
        }
    }
    return best;
}

}  // namespace

ElementSet FindMaximalNormalSubgroupSet(const Group& g, Progress& progress) {
    const int n = g.order();
    if (n < 2) return {};
    const std::vector<int> generators = GeneratorsOf(g);
    ElementSet base;
    const int p = SmallestAbelianQuotientPrime(g, generators, base);
    if (p > 0 && p < 60) return FirstHyperplane(g, generators, base, p, progress);
    // A normal subgroup is a union of conjugacy classes, so the normal
    // subgroups are the products of normal closures of single elements: far
    // fewer candidates than the subgroups the search order walks through.
    // The answer is the one the search meets first among the proper normal
    // subgroups of the largest order.
    std::vector<ElementSet> closures;
    std::unordered_set<ElementSet> knownClosures;
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
        ElementSet closure = GeneratedSubgroup(g, conjugates);
        if (knownClosures.insert(closure).second) closures.push_back(std::move(closure));
    }
    ElementSet trivial;
    trivial.set(1);
    std::vector<ElementSet> normal{trivial};
    std::unordered_set<ElementSet> knownNormal{trivial};
    for (const ElementSet& c : closures) {
        const std::size_t known = normal.size();
        for (std::size_t i = 0; i < known; ++i) {
            const ElementSet joined = normal[i] | c;
            std::vector<int> spanning;
            for (int x = 2; x <= n; ++x)
                if (joined.test(static_cast<std::size_t>(x))) spanning.push_back(x);
            ElementSet product = SetSize(joined) == SetSize(c) ? c : GeneratedSubgroup(g, spanning);
            if (knownNormal.insert(product).second) normal.push_back(std::move(product));
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
