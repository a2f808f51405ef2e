#include "core/counting/enumerated_group.h"

#include <algorithm>
#include <string>

#include "core/group/errors.h"

namespace quorix::counting {

EnumeratedGroup::EnumeratedGroup(int degree, const std::vector<Permutation>& generators) : degree_(degree) {
    elements_.push_back(IdentityPermutation(degree));
    index_.emplace(elements_[0], 0);
    std::vector<Permutation> gens;
    for (const Permutation& g : generators) {
        if (g.degree() != degree)
            throw InvalidArgument("a generator moves " + std::to_string(g.degree()) + " points, not " +
                                  std::to_string(degree));
        if (IsIdentity(g) || std::find(gens.begin(), gens.end(), g) != gens.end()) continue;
        gens.push_back(g);
    }
    // Breadth first from the identity: every element is some x * g.
    for (std::size_t next = 0; next < elements_.size(); ++next) {
        for (const Permutation& g : gens) {
            Permutation p = Compose(elements_[next], g);
            if (index_.contains(p)) continue;
            if (elements_.size() == kMaxEnumeratedOrder)
                throw InvalidArgument("the group has more than " + std::to_string(kMaxEnumeratedOrder) +
                                      " elements; counting lists every element, so it stops there");
            index_.emplace(p, elements_.size());
            elements_.push_back(std::move(p));
        }
    }
    for (const Permutation& g : gens) generators_.push_back(index_.at(g));

    // A class is the orbit of its first element under conjugation by the
    // generators.
    std::vector<bool> classed(elements_.size(), false);
    std::vector<Permutation> inverses;
    for (const Permutation& g : gens) inverses.push_back(Inverse(g));
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        if (classed[i]) continue;
        ConjugacyClass c;
        c.members.push_back(i);
        classed[i] = true;
        for (std::size_t k = 0; k < c.members.size(); ++k)
            for (std::size_t s = 0; s < gens.size(); ++s) {
                const std::size_t j = index_.at(Compose(gens[s], Compose(elements_[c.members[k]], inverses[s])));
                if (classed[j]) continue;
                classed[j] = true;
                c.members.push_back(j);
            }
        std::sort(c.members.begin(), c.members.end());
        classes_.push_back(std::move(c));
    }
}

long EnumeratedGroup::IndexOf(const Permutation& p) const {
    auto it = index_.find(p);
    return it == index_.end() ? -1 : static_cast<long>(it->second);
}

}  // namespace quorix::counting
