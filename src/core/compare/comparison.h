#pragma once
// The comparison of two registered groups: isomorphic or not for equal
// orders; otherwise whether the larger maps onto the smaller, and which
// subgroups of the larger are isomorphic to the smaller. The result carries
// the sentences the comparison panel prints (in markup).

#include <string>
#include <vector>

#include "core/compare/homomorphism.h"
#include "core/compare/registrar.h"
#include "core/compare/structure.h"
#include "core/group/group.h"

namespace quorix {

inline constexpr int kMaxIsomorphicSubgroupsShown = 10;
inline constexpr const char* kCompareHaltedMessage = "Compare process halted.";

struct IsomorphicSubgroup {
    std::string name;  // "Subgroup4-2(G)"
    GroupPtr subgroup;
    std::string tag;  // the name, plus "!!" + mapping text above order 20
};

struct SubgroupListing {
    std::vector<std::string> names;              // every subgroup, in list order, all registered
    std::vector<IsomorphicSubgroup> isomorphic;  // every isomorphic one, in list order
    bool partial = false;                        // the enumeration was cut short
    bool halted = false;

    int Found() const { return static_cast<int>(isomorphic.size()); }
    bool LimitReached() const { return Found() > kMaxIsomorphicSubgroupsShown; }
};

// Names and registers every subgroup of source and tests each against target.
SubgroupListing ListIsomorphicSubgroups(const GroupPtr& source, const GroupPtr& target,
                                        const SubgroupListResult& subgroups, const GroupRegistrar& registrar,
                                        SharedHomomorphism& shared, Progress& progress);

struct ComparisonResult {
    bool equalOrders = false;
    bool isomorphic = false;
    std::vector<int> isomorphism;        // image (group 2 source index) of each source index of group 1
    int sourceSlot = 0, targetSlot = 0;  // 1 or 2; different orders only
    GroupPtr source, target;
    bool homomorphism = false;
    std::string homomorphismText;  // mapping text of the first homomorphism
    SubgroupListing listing;
    bool halted = false;
    // The panel's sentences in order, in markup (element sets in original or
    // reductive-mapping names as chosen).
    std::vector<std::string> lines;
};

// Runs the whole comparison, reporting its stages through `progress`. A
// requested stop ends it with halted set.
ComparisonResult CompareGroups(const GroupPtr& group1, const GroupPtr& group2, StructureAnalysis& analysis,
                               SharedHomomorphism& shared, const GroupRegistrar& registrar, Progress& progress,
                               bool originalNames = true);

}  // namespace quorix
