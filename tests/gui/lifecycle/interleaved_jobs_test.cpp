// Two panels' jobs at once: while one panel's comparison runs on a worker,
// another panel's runs beside it; each gives what it gives alone.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gui/compare/compare_panels.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class InterleavedJobs : public quorix::testing::GuiTest {
protected:
    InterleavedJobs() {
        ctx.groups.SetAutosave(false);
        add("S5", "S|@5|");
        add("S4", "S|@4|");
        add("A5", "A|@5|");
        add("Z5", "Z|@5|");
    }
    // The isomorphic subgroups, then every subgroup listed.
    static std::vector<std::string> found(const ComparisonResult& r) {
        std::vector<std::string> names;
        for (const IsomorphicSubgroup& s : r.listing.isomorphic) names.push_back(s.name);
        names.insert(names.end(), r.listing.names.begin(), r.listing.names.end());
        return names;
    }
};

// S5 against S4 lists S5's 156 subgroups; in the middle of that listing a
// second Compare panel lists A5's against Z5.
TEST_F(InterleavedJobs, ComparisonsInTwoPanels) {
    ComparisonResult aloneOuter, aloneInner;
    {
        CompareGroupsPanel alone(ctx);
        alone.setSlot(1, 1);
        alone.setSlot(2, 2);
        ASSERT_TRUE(quorix::testing::settle(alone));
        aloneOuter = alone.result();
        CompareGroupsPanel other(ctx);
        other.setSlot(1, 3);
        other.setSlot(2, 4);
        ASSERT_TRUE(quorix::testing::settle(other));
        aloneInner = other.result();
    }
    ASSERT_EQ(aloneOuter.listing.Found(), 5);
    ASSERT_EQ(aloneInner.listing.Found(), 6);

    CompareGroupsPanel outer(ctx), inner(ctx);
    outer.show();
    inner.show();
    // The outer comparison waits in its subgroup listing until the inner one
    // has ended.
    std::atomic<bool> innerDone{false}, outerHeld{false};
    outer.setWorkerHook([&](const std::string& text, quorix::Progress&) {
        if (text != "checking for isomorphisms onto subgroups...") return;
        outerHeld = true;
        while (!innerDone) std::this_thread::yield();
    });
    outer.setSlot(1, 1);
    outer.setSlot(2, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return outerHeld.load(); }, 60000));
    inner.setSlot(1, 3);
    inner.setSlot(2, 4);
    ASSERT_TRUE(quorix::testing::settle(inner));
    EXPECT_TRUE(outer.jobRunning());
    innerDone = true;
    ASSERT_TRUE(quorix::testing::settle(outer));
    EXPECT_EQ(found(outer.result()), found(aloneOuter));
    EXPECT_EQ(outer.result().lines, aloneOuter.lines);
    EXPECT_EQ(found(inner.result()), found(aloneInner));
    EXPECT_EQ(inner.result().lines, aloneInner.lines);
}

}  // namespace
