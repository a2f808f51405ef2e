#include "gui/common/layout_math.h"

#include <gtest/gtest.h>

using namespace quorix::gui::layout;

TEST(LayoutMath, PanelGrowsToPrintPositionUntil31000) {
    EXPECT_EQ(GrownExtent(5000, 3000), 5000);  // never shrinks
    EXPECT_EQ(GrownExtent(5000, 4500), 5500);
    EXPECT_EQ(GrownExtent(5000, 30999), 31999);
    EXPECT_EQ(GrownExtent(5000, 31000), 5000);  // stops near the 16-bit limit
}

TEST(LayoutMath, ResizeWidensUncoveredBoxButNotBeyond20000) {
    EXPECT_EQ(ResizedBoxExtent(0, 25000, 9000), 25000);      // still covers
    EXPECT_EQ(ResizedBoxExtent(-3000, 10000, 9000), 12000);  // left edge scrolled away
    EXPECT_EQ(ResizedBoxExtent(0, 1000, 40000), 20000);
}

TEST(LayoutMath, DragDeadZoneIsTenTwipsEachWay) {
    EXPECT_FALSE(ClampDrag(0, 0, 30000, 30000, 9000, 6000, 500, 500, 510, 490).move);
    DragMove m = ClampDrag(-2000, -2000, 30000, 30000, 9000, 6000, 500, 500, 511, 500);
    EXPECT_TRUE(m.move);
    EXPECT_EQ(m.dx, 11);
    EXPECT_EQ(m.dy, 0);
}

TEST(LayoutMath, DragStopsAtPanelEdges) {
    // Box 30000 wide at 0 in a 9000 panel: a drag left of 25000 stops where
    // the right edges meet (dx = 9000 - 30000 = -21000).
    DragMove left = ClampDrag(0, 0, 30000, 30000, 9000, 6000, 26000, 500, 1000, 500);
    EXPECT_EQ(left.dx, -21000);
    // A drag right from left -500 stops at 0.
    DragMove right = ClampDrag(-500, 0, 30000, 30000, 9000, 6000, 100, 100, 2100, 100);
    EXPECT_EQ(right.dx, 500);
    // The same vertically.
    DragMove up = ClampDrag(0, -1000, 30000, 27000, 9000, 6000, 100, 25000, 100, 100);
    EXPECT_EQ(up.dy, 6000 - (-1000) - 27000);
    DragMove down = ClampDrag(0, -1000, 30000, 27000, 9000, 6000, 100, 100, 100, 5000);
    EXPECT_EQ(down.dy, 1000);
    // Inside the limits the move is the pointer's offset.
    DragMove free = ClampDrag(-5000, -5000, 30000, 30000, 9000, 6000, 100, 100, 600, 300);
    EXPECT_EQ(free.dx, 500);
    EXPECT_EQ(free.dy, 200);
}
