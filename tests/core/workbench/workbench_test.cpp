// The workbench: what one panel computes, the next one finds.

#include <gtest/gtest.h>

#include "core/compare/comparison.h"
#include "core/workbench/workbench.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

TEST(Workbench, StructureAnalysisAndPanelsShareOneSubgroupList) {
    Workbench bench;
    Progress progress;
    GroupPtr g = spec("S4");
    const SubgroupListResult r = bench.Structure().FindAllSubgroups(g, progress);
    EXPECT_EQ(r.subgroups.size(), 30u);
    EXPECT_EQ(bench.subgroups.AnalysedGroup(), g);
    // The list the panel asks for next is answered from the cache.
    EXPECT_FALSE(bench.subgroups.FindAllSubgroups(g, progress).halted);
    EXPECT_EQ(bench.subgroups.Subgroup(1), r.subgroups.front());
    EXPECT_TRUE(bench.Structure().IsCenter(g, bench.subgroups.Subgroup(1), progress));
}

TEST(Workbench, ComparisonLeavesItsMappingForTheDisplays) {
    Workbench bench;
    Progress progress;
    GroupPtr s5 = spec("S5"), other = spec("perm:21345,23451");
    const ComparisonResult r = CompareGroups(s5, other, bench.Structure(), bench.homomorphism, {}, progress);
    ASSERT_TRUE(r.isomorphic);
    EXPECT_EQ(ParseMappingText(bench.homomorphism.mappingText), r.isomorphism);
}

}  // namespace
}  // namespace quorix::testing
