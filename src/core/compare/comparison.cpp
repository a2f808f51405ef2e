#include "core/compare/comparison.h"

#include "core/analysis/subgroups.h"
#include "core/compare/homomorphism.h"

namespace quorix {

SubgroupListing ListIsomorphicSubgroups(const GroupPtr& source, const GroupPtr& target,
                                        const SubgroupListResult& subgroups, const GroupRegistrar& registrar,
                                        SharedHomomorphism& shared, Progress& progress) {
    SubgroupListing out;
    out.partial = subgroups.partial;
    out.names = SubgroupIDs(subgroups.subgroups, source->GroupID());
    for (std::size_t i = 0; i < subgroups.subgroups.size(); ++i) {
        const GroupPtr& h = subgroups.subgroups[i];
        h->SetGroupID(out.names[i]);
        registrar.Register(h, out.names[i]);
        if (!TestIsomorphic(shared, *target, *h, &progress)) {
            if (progress.Stopped()) {
                out.halted = true;
                break;
            }
            continue;
        }
        std::string tag = out.names[i];
        if (h->Order() > kMaxTableOrder) tag += "!!" + shared.mappingText;
        out.isomorphic.push_back({out.names[i], h, tag});
    }
    return out;
}

ComparisonResult CompareGroups(const GroupPtr& group1, const GroupPtr& group2, StructureAnalysis& analysis,
                               SharedHomomorphism& shared, const GroupRegistrar& registrar, Progress& progress,
                               bool originalNames) {
    ComparisonResult r;
    const std::string a = group1->GroupID(), b = group2->GroupID();
    const int nA = group1->Order(), nB = group2->Order();
    r.lines.push_back("|%b|" + a + "|/b| has order " + std::to_string(nA) + ".");
    r.lines.push_back("|%b|" + b + "|/b| has order " + std::to_string(nB) + ".");
    auto halt = [&] {
        r.halted = true;
        return r;
    };
    r.equalOrders = nA == nB;
    if (r.equalOrders) {
        progress.Report("checking for isomorphism...");
        r.isomorphic = TestIsomorphic(shared, *group1, *group2, &progress);
        if (progress.Stopped()) return halt();
        if (r.isomorphic) {
            if (nA <= kMaxTableOrder) {
                const std::vector<int> images = group2->IsomorphismSourceMapping(*group1);
                if (!images.empty()) r.isomorphism.assign(images.begin() + 1, images.end());
            } else {
                r.isomorphism = ParseMappingText(shared.mappingText);
            }
            r.lines.push_back("|%b|" + a + "|/b| is isomorphically equivalent to |%b|" + b + "|/b|.");
        } else {
            r.lines.push_back("The two groups are not isomorphically equivalent.");
        }
        return r;
    }
    progress.Report("checking for homomorphism...");
    r.sourceSlot = nA <= nB ? 2 : 1;
    r.targetSlot = 3 - r.sourceSlot;
    r.source = r.sourceSlot == 1 ? group1 : group2;
    r.target = r.sourceSlot == 1 ? group2 : group1;
    const std::string s = r.source->GroupID(), t = r.target->GroupID();
    r.homomorphism = FindHomomorphism(shared, *r.source, *r.target, shared.mappingText, false, &progress);
    if (progress.Stopped()) return halt();
    if (r.homomorphism) {
        r.homomorphismText = shared.mappingText;
        r.lines.push_back("There exists at least one homomorphism from |%b|" + s + "|/b| onto |%b|" + t + "|/b|.");
    } else {
        r.lines.push_back("There does not exist any homomorphism from |%b|" + s + "|/b| onto |%b|" + t + "|/b|.");
    }
    progress.Report("checking for isomorphisms onto subgroups...");
    SubgroupListResult subgroups = analysis.FindAllSubgroups(r.source, progress);
    if (subgroups.halted || progress.Stopped()) return halt();
    progress.Report("checking for isomorphisms...");
    r.listing = ListIsomorphicSubgroups(r.source, r.target, subgroups, registrar, shared, progress);
    for (int k = 0; k < r.listing.Found(); ++k) {
        const IsomorphicSubgroup& m = r.listing.isomorphic[static_cast<std::size_t>(k)];
        if (k == 0)
            r.lines.push_back("|%b|" + t + "|/b| is isomorphically equivalent to the following subgroups of |%b|" + s +
                              "|/b|:");
        if (k == kMaxIsomorphicSubgroupsShown) r.lines.push_back("(limit of 10 isomorphisms displayed)");
        if (k < kMaxIsomorphicSubgroupsShown)
            r.lines.push_back("|%b|" + m.name +
                              "|/b| = " + FormatSubgroupElements(*m.subgroup, *r.source, originalNames));
    }
    if (r.listing.partial) r.lines.push_back("Search for subgroups of |%b|" + s + "|/b| was halted.");
    if (r.listing.Found() == 0) r.lines.push_back("No isomorphisms to subgroups of |%b|" + s + "|/b| were found.");
    if (r.listing.halted) return halt();
    return r;
}

}  // namespace quorix
