// Two panels' jobs interleaved: while one yields to Qt's events, another
// panel's job runs to its end; each gives what it gives alone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

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
        aloneOuter = alone.result();
        CompareGroupsPanel other(ctx);
        other.setSlot(1, 3);
        other.setSlot(2, 4);
        aloneInner = other.result();
    }
    ASSERT_EQ(aloneOuter.listing.Found(), 5);
    ASSERT_EQ(aloneInner.listing.Found(), 6);

    CompareGroupsPanel outer(ctx), inner(ctx);
    outer.show();
    inner.show();
    bool innerRan = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* label = outer.findChild<QLabel*>(QStringLiteral("labelProcessing"));
        if (innerRan || !label || label->text() != QStringLiteral("checking for isomorphisms onto subgroups..."))
            return;
        innerRan = true;
        inner.setSlot(1, 3);
        inner.setSlot(2, 4);
    });
    poll.start();
    outer.setSlot(1, 1);
    outer.setSlot(2, 2);
    poll.stop();
    ASSERT_TRUE(innerRan);
    EXPECT_EQ(found(outer.result()), found(aloneOuter));
    EXPECT_EQ(outer.result().lines, aloneOuter.lines);
    EXPECT_EQ(found(inner.result()), found(aloneInner));
    EXPECT_EQ(inner.result().lines, aloneInner.lines);
}

}  // namespace
