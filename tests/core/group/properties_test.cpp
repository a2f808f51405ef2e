// Properties that every generated group must have, checked across the zoo of
// groups up to order 120, and the well-known facts the program reports.

#include <gtest/gtest.h>

#include <map>
#include <cctype>
#include <set>

#include "core/group/group.h"
#include "core/group/group_spec.h"
#include "support/groups.h"

using namespace quorix;
using namespace quorix::testing;

namespace {

void checkInvariants(const std::string& label, const Group& g) {
    SCOPED_TRACE(label);
    const int n = g.Order();
    EXPECT_EQ(checkGroupAxioms(g), "");
    EXPECT_EQ(g.Element(1), "1");
    EXPECT_EQ(g.sourceOf(1), 1);
    std::set<int> images;
    std::set<std::string> names, sources;
    for (int k = 1; k <= n; ++k) {
        images.insert(g.sourceOf(k));
        EXPECT_EQ(g.positionOf(g.sourceOf(k)), k);
        names.insert(g.Element(k));
        sources.insert(g.SourceElement(k));
        EXPECT_EQ(g.ElementIndex(g.Element(k)), k);
        EXPECT_EQ(g.SourceElementIndex(g.SourceElement(k)), k);
        // The order is the first power that gives the identity, and divides n.
        int y = k, p = 1;
        while (y != 1) {
            y = g.mul(y, k);
            ++p;
        }
        EXPECT_EQ(g.elementOrder(k), p);
        EXPECT_EQ(n % p, 0);
        // The checked lookups agree with the tables, in both index spaces.
        const int i = g.sourceOf(k);
        EXPECT_EQ(g.SourceElementOrder(i), p);
        EXPECT_EQ(g.MappedSourceElement(k), g.SourceElement(i));
        EXPECT_EQ(g.MappedElement(i), g.Element(k));
        EXPECT_EQ(g.ElementInverseIndex(k), g.inv(k));
        EXPECT_EQ(g.srcMul(i, g.SourceElementInverseIndex(i)), 1);
        EXPECT_EQ(g.SourceElementInverse(i), g.SourceElement(g.srcInv(i)));
        // Position and source spaces agree.
        for (int j = 1; j <= n; j += (n > 30 ? 7 : 1)) {
            EXPECT_EQ(g.Product(k, j), g.MappedElement(g.srcMul(g.sourceOf(k), g.sourceOf(j))));
            EXPECT_EQ(g.SourceProduct(k, j), g.SourceElement(g.srcMul(k, j)));
        }
    }
    EXPECT_EQ(static_cast<int>(images.size()), n);
    EXPECT_EQ(*images.begin(), 1);
    EXPECT_EQ(*images.rbegin(), n);
    EXPECT_EQ(static_cast<int>(names.size()), n);
    EXPECT_EQ(static_cast<int>(sources.size()), n);
}

}  // namespace

// Every group the tests can build up to order 120, one test case each.
const std::vector<NamedGroup>& allGroups() {
    static const std::vector<NamedGroup> groups = [] {
        auto g = zoo(120);
        for (const char* s : {"Z2xZ3xZ4", "Z2xZ2xZ2xZ3", "A5xZ2", "perm:23451,21345"}) g.push_back({s, spec(s)});
        return g;
    }();
    return groups;
}

class EveryGroup : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EveryGroup, KeepsTheInvariantsOfGeneration) {
    const auto& [label, g] = allGroups()[GetParam()];
    checkInvariants(label, *g);
    if (g->order() <= 20) {
        std::mt19937 rng(static_cast<unsigned>(GetParam()));
        checkInvariants(label + " as a shuffled table", *shuffledCopy(*g, rng));
    }
}

INSTANTIATE_TEST_SUITE_P(Zoo, EveryGroup, ::testing::Range<std::size_t>(0, allGroups().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             std::string name = allGroups()[info.param].label;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(GroupInvariants, ZooCoversEveryFamily) {
    std::set<GenerationMethod> methods;
    for (const auto& [label, g] : allGroups()) methods.insert(g->MethodOfGeneration());
    EXPECT_EQ(methods, (std::set<GenerationMethod>{GenerationMethod::CayleyTable, GenerationMethod::Symmetric,
                                                   GenerationMethod::Additive, GenerationMethod::Multiplicative,
                                                   GenerationMethod::Alternating, GenerationMethod::Permutational,
                                                   GenerationMethod::DirectProduct}));
    EXPECT_GT(allGroups().size(), 250u);
}

TEST(GroupProperties, AbelianCyclicDihedral) {
    EXPECT_FALSE(spec("S3")->Abelian());
    EXPECT_FALSE(spec("Z6")->Dihedral());
    EXPECT_TRUE(spec("Z6")->Cyclic());
    EXPECT_TRUE(spec("Z6")->Abelian());
    EXPECT_FALSE(quaternion()->Cyclic());
    for (int n = 3; n <= 10; ++n) EXPECT_TRUE(dihedral(n)->Dihedral()) << n;
    EXPECT_FALSE(spec("Z2xZ2")->Dihedral());  // order below 6
    EXPECT_FALSE(spec("Z2xZ4")->Cyclic());
    EXPECT_TRUE(spec("Z3xZ4")->Cyclic());
    EXPECT_TRUE(spec("Z2")->Cyclic());
    EXPECT_TRUE(spec("Z1")->Cyclic());
    EXPECT_TRUE(spec("U9")->Cyclic());
    EXPECT_FALSE(spec("U8")->Cyclic());
    EXPECT_FALSE(spec("A4")->Dihedral());
}

TEST(GroupProperties, PropertiesRefuseBeforeGeneration) {
    Group g;
    EXPECT_THROW(g.Abelian(), InvalidArgument);
    EXPECT_THROW(g.Cyclic(), InvalidArgument);
    EXPECT_THROW(g.Dihedral(), InvalidArgument);
    EXPECT_THROW(g.NumberOfComponents(), InvalidArgument);
    EXPECT_THROW(g.IsIsomorphic(*spec("Z2")), InvalidArgument);
}
