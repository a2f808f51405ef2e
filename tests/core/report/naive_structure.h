#pragma once
// A brute-force structure analysis for the view tests: subgroups as joins of
// cyclic subgroups, normality by conjugation, the composition series by the
// largest proper normal subgroup.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/compare/structure.h"
#include "core/group/math_functions.h"

namespace quorix::testing {

class NaiveStructure : public StructureAnalysis {
public:
    SubgroupListResult FindAllSubgroups(const GroupPtr& g) override {
        ++subgroupRuns;
        SubgroupListResult r;
        for (const ElementSet& s : Sets(*g)) r.subgroups.push_back(Make(g, s));
        return r;
    }
    bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) override {
        ElementSet s = Members(*g, *h);
        for (int x = 1; x <= g->order(); ++x)
            for (int y = 1; y <= g->order(); ++y)
                if (s[static_cast<std::size_t>(y)] && !s[static_cast<std::size_t>(g->mul(g->mul(x, y), g->inv(x)))]) return false;
        return true;
    }
    bool IsCenter(const GroupPtr& g, const GroupPtr& h) override {
        ElementSet s = Members(*g, *h);
        for (int x = 1; x <= g->order(); ++x) {
            bool central = true;
            for (int y = 1; y <= g->order() && central; ++y) central = g->mul(x, y) == g->mul(y, x);
            if (central != s[static_cast<std::size_t>(x)]) return false;
        }
        return true;
    }
    std::vector<GroupPtr> CompositionSeries(const GroupPtr& g) override {
        std::vector<GroupPtr> series{g};
        GroupPtr cur = g;
        while (cur->order() > 1) {
            GroupPtr best;
            for (const GroupPtr& h : FindAllSubgroups(cur).subgroups)
                if (h->order() < cur->order() && IsNormalSubgroup(cur, h) && (!best || h->order() > best->order())) best = h;
            series.push_back(best);
            cur = best;
        }
        return series;
    }
    std::string CycleNotation(const std::string& p) override {
        std::string out;
        std::vector<bool> seen(p.size() + 1, false);
        for (int s = 1; s <= static_cast<int>(p.size()); ++s) {
            if (seen[static_cast<std::size_t>(s)]) continue;
            seen[static_cast<std::size_t>(s)] = true;
            if (!out.empty()) out += ' ';
            const int next = MathFunctions::PermutationDigitValue(p[static_cast<std::size_t>(s - 1)]);
            if (next == s) continue;
            out += '(';
            out += MathFunctions::PermutationDigitChar(s);
            for (int t = next; t != s; t = MathFunctions::PermutationDigitValue(p[static_cast<std::size_t>(t - 1)])) {
                seen[static_cast<std::size_t>(t)] = true;
                out += MathFunctions::PermutationDigitChar(t);
            }
            out += ')';
        }
        return out.empty() ? "(1)" : out;
    }

    int subgroupRuns = 0;

private:
    static ElementSet Members(const Group& g, const Group& h) {
        ElementSet s;
        for (int k = 1; k <= h.order(); ++k) {
            const int i = g.sourceIndexOfName(h.sourceName(k));
            if (i > 0) s.set(static_cast<std::size_t>(g.positionOf(i)));
        }
        return s;
    }
    static ElementSet Close(const Group& g, ElementSet s) {
        bool grown = true;
        while (grown) {
            grown = false;
            for (int a = 1; a <= g.order(); ++a)
                for (int b = 1; b <= g.order(); ++b)
                    if (s[static_cast<std::size_t>(a)] && s[static_cast<std::size_t>(b)] &&
                        !s[static_cast<std::size_t>(g.mul(a, b))]) {
                        s.set(static_cast<std::size_t>(g.mul(a, b)));
                        grown = true;
                    }
        }
        return s;
    }
    static std::vector<ElementSet> Sets(const Group& g) {
        std::vector<ElementSet> all;
        auto known = [&](const ElementSet& s) { return std::find(all.begin(), all.end(), s) != all.end(); };
        for (int x = 1; x <= g.order(); ++x) {
            ElementSet s;
            s.set(1);
            s.set(static_cast<std::size_t>(x));
            s = Close(g, s);
            if (!known(s)) all.push_back(s);
        }
        for (std::size_t i = 0; i < all.size(); ++i)
            for (std::size_t j = 0; j < i; ++j) {
                ElementSet s = Close(g, all[i] | all[j]);
                if (!known(s)) all.push_back(s);
            }
        std::stable_sort(all.begin(), all.end(), [](const ElementSet& a, const ElementSet& b) { return a.count() < b.count(); });
        return all;
    }
    static GroupPtr Make(const GroupPtr& g, const ElementSet& s) {
        GroupPtr h = Group::Create();
        h->GenerateSubgroup(g, s);
        return h;
    }
};

}  // namespace quorix::testing
