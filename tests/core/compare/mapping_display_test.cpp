#include <gtest/gtest.h>

#include "core/compare/automorphisms.h"
#include "core/compare/homomorphism.h"
#include "core/compare/mapping_display.h"
#include "core/compare/solution_analysis.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::spec;

TEST(MappingDisplay, ImagesFromEachSource) {
    auto s3 = spec("S3"), d3 = testing::dihedral(3);
    auto images = IsomorphismImages(*s3, *d3, "ignored below order 21");
    ASSERT_EQ(images.size(), 7u);
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            EXPECT_EQ(images[static_cast<std::size_t>(s3->srcMul(x, y))],
                      d3->srcMul(images[static_cast<std::size_t>(x)], images[static_cast<std::size_t>(y)]));
    EXPECT_TRUE(IsomorphismImages(*spec("Z4"), *spec("Z2xZ2"), "").empty());

    auto s4 = spec("S4"), other = spec("S4");
    std::string text;
    SharedHomomorphism shared;
    ASSERT_TRUE(FindHomomorphism(shared, *s4, *other, text, false));
    EXPECT_EQ(IsomorphismImages(*s4, *other, text).size(), 25u);
    EXPECT_TRUE(IsomorphismImages(*s4, *other, "1 2").empty());

    EXPECT_EQ(MappingImages("1 1 2 2"), (std::vector<int>{0, 1, 1, 2, 2}));
    EXPECT_EQ(AutomorphismImages("1A3"), (std::vector<int>{0, 1, 10, 3}));
}

TEST(MappingDisplay, ColumnsAndRowDescriptions) {
    EXPECT_EQ(FirstColumnLength(10), 10);
    EXPECT_EQ(FirstColumnLength(11), 5);
    EXPECT_EQ(FirstColumnLength(12), 6);
    auto z3 = spec("Z3");
    auto rows = GetPermutationGroup(*z3, "row");
    rows->SetGroupID("Rows(Z3)");
    EXPECT_EQ(RowColumnDescription(*rows, *z3, 2), "120 (from Row #2):       ");
    rows->SetGroupID("Columns(Z3)");
    EXPECT_EQ(RowColumnDescription(*rows, *z3, 3), "201 (from Column #3):       ");
    EXPECT_EQ(RowColumnDescription(*z3, *z3, 1), "");
}

}  // namespace
}  // namespace quorix
