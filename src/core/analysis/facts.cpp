#include "core/analysis/facts.h"

#include <algorithm>
#include <map>

#include "core/analysis/composition_series.h"
#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/subgroup_sets.h"
#include "core/text/markup.h"

namespace quorix {

namespace {

std::vector<std::pair<int, int>> Histogram(const std::vector<int>& values) {
    std::map<int, int> counts;
    for (int v : values) ++counts[v];
    return {counts.begin(), counts.end()};
}

}  // namespace

GroupFacts ComputeGroupFacts(const GroupPtr& gp) {
    if (!gp || !gp->IsGenerated()) throw ProgramError("ComputeGroupFacts: no generated group");
    const Group& g = *gp;
    GroupFacts f;
    f.id = markup::StripMarkup(g.GroupID());
    f.order = g.order();
    f.abelian = g.Abelian();
    f.cyclic = g.Cyclic();
    f.dihedral = g.Dihedral();
    f.kleinFour = f.order == 4 && !f.cyclic;

    std::vector<int> orders;
    for (int k = 1; k <= g.order(); ++k) orders.push_back(g.elementOrder(k));
    f.elementOrders = Histogram(orders);

    Progress unstoppable;
    const SubgroupClassSummaries found = EnumerateSubgroupClasses(g, unstoppable);
    std::map<int, int> byOrder;
    for (const SubgroupClassSummary& c : found.classes) {
        f.subgroups += c.size;
        f.normal += c.Normal() ? 1 : 0;
        byOrder[c.order] += c.size;
        f.subgroupClassSizes.push_back(c.size);
    }
    f.subgroupOrders.assign(byOrder.begin(), byOrder.end());
    std::sort(f.subgroupClassSizes.begin(), f.subgroupClassSizes.end());
    f.subgroupClasses = static_cast<int>(f.subgroupClassSizes.size());

    f.center = SetSize(CentreSet(g));
    // G' is the normal closure of the commutators of generators.
    const std::vector<int> generators = GeneratorsOf(g);
    std::vector<int> commutators;
    for (int a : generators)
        for (int b : generators) commutators.push_back(g.mul(g.mul(g.mul(a, b), g.inv(a)), g.inv(b)));
    f.commutator = SetSize(NormalClosure(g, commutators));

    f.classSizes = ConjugacyClassSizes(g);
    std::sort(f.classSizes.begin(), f.classSizes.end());
    f.classes = static_cast<int>(f.classSizes.size());

    const CompositionSeries series = BuildCompositionSeries(gp, unstoppable);
    f.compositionFactors.assign(series.factors.begin() + 1, series.factors.end());
    std::sort(f.compositionFactors.begin(), f.compositionFactors.end());
    f.solvable = series.solvable;
    return f;
}

}  // namespace quorix
