// The lattice panel: drawing, selecting a node, the view toggle and the
// buttons that hand the subgroup to Show Group.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

#include "gui/common/picture_box.h"
#include "gui/lattice/lattice_panel.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

class LatticeGui : public quorix::testing::GuiTest {};

TEST_F(LatticeGui, DrawsSelectsTogglesAndHandsTheSubgroupOn) {
    ctx.groups.SetAutosave(false);
    add("S4", "S|@4|");
    add("S5", "S|@5|");
    {
        LatticePanel s5(ctx, on(2));
        s5.show();
        ASSERT_TRUE(quorix::testing::settle(s5));
        EXPECT_EQ(s5.layout().nodes.size(), 156u);
        quorix::testing::snapshot(s5, QStringLiteral("dlgSubgroupLattice-S5"));
    }
    LatticePanel p(ctx, on(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(p.layout().nodes.size(), 30u);
    int boxes = 0;
    for (const auto& piece : p.pictureBox()->pieces()) boxes += piece.kind == PictureBox::Piece::Rect;
    EXPECT_EQ(boxes, 30);

    // A click on the trivial subgroup's box selects it.
    int trivial = 0;
    for (std::size_t i = 0; i < p.layout().nodes.size(); ++i)
        if (p.layout().nodes[i].order == 1) trivial = static_cast<int>(i);
    const auto& node = p.layout().nodes[static_cast<std::size_t>(trivial)];
    EXPECT_EQ(p.nodeAt(node.x, node.y), trivial);
    EXPECT_EQ(p.nodeAt(0, 0), -1);
    p.selectNode(p.nodeAt(node.x, node.y));
    EXPECT_EQ(p.findChild<QListWidget*>("lstElements")->count(), 1);
    int v4 = -1;
    for (std::size_t i = 0; i < p.layout().nodes.size(); ++i)
        if (p.layout().nodes[i].order == 4 && p.layout().nodes[i].normal) v4 = static_cast<int>(i);
    ASSERT_GE(v4, 0);
    p.selectNode(v4);
    EXPECT_EQ(p.layout().nodes[static_cast<std::size_t>(v4)].name, "Z|@2| x Z|@2|");
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroupLattice-S4"));

    p.findChild<QPushButton*>("cmdOrganiseByIt")->click();
    p.findChild<QPushButton*>("cmdShowGroup")->click();
    EXPECT_EQ(ctx.groups.Count(), 2);  // shown, not registered a second time
    bool subgroupShown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* show = qobject_cast<ShowGroupPanel*>(w); show && show->isVisible() && show->group())
            subgroupShown = subgroupShown || show->group()->Order() == 4;
    EXPECT_TRUE(subgroupShown);

    p.findChild<QCheckBox*>("chkClasses")->setChecked(true);
    EXPECT_EQ(p.layout().nodes.size(), 11u);
    EXPECT_EQ(p.selectedNode(), -1);
}
