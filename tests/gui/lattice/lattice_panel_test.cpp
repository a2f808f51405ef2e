// The lattice panel: drawing, selecting a node, the view toggle and the
// buttons that hand the subgroup to Show Group.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <set>
#include <tuple>

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
    add("Z2xZ2xZ2", "Z|@2|^3");
    add("PSL(2,7)", "PSL(2,7)");
    // More than 100 subgroups (S5 156, PSL(2,7) 179): one node per class.
    for (const auto& [position, name, nodes] : {std::tuple{2, "S5", 19u}, {3, "Z2xZ2xZ2", 16u}, {4, "PSL(2,7)", 15u}}) {
        LatticePanel other(ctx, on(position));
        other.show();
        ASSERT_TRUE(quorix::testing::settle(other));
        EXPECT_EQ(other.layout().nodes.size(), nodes);
        quorix::testing::snapshot(other, QStringLiteral("dlgSubgroupLattice-") + QLatin1String(name));
    }
    LatticePanel p(ctx, on(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(p.layout().nodes.size(), 30u);
    int boxes = 0;
    for (const auto& piece : p.pictureBox()->pieces()) boxes += piece.kind == PictureBox::Piece::Rect;
    EXPECT_EQ(boxes, 30);
    // The lines are the layout's routes, bends and all.
    std::set<std::tuple<double, double, double, double>> lines;
    for (const auto& piece : p.pictureBox()->pieces())
        if (piece.kind == PictureBox::Piece::Line) lines.emplace(piece.x, piece.y, piece.x2, piece.y2);
    for (const auto& route : p.layout().routes)
        for (std::size_t i = 0; i + 1 < route.size(); ++i)
            EXPECT_TRUE(lines.count({route[i].x, route[i].y, route[i + 1].x, route[i + 1].y}));

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
    EXPECT_EQ(ctx.groups.Count(), 4);  // shown, not registered a second time
    bool subgroupShown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* show = qobject_cast<ShowGroupPanel*>(w); show && show->isVisible() && show->group())
            subgroupShown = subgroupShown || show->group()->Order() == 4;
    EXPECT_TRUE(subgroupShown);

    p.findChild<QCheckBox*>("chkClasses")->setChecked(true);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.layout().nodes.size(), 11u);
    EXPECT_EQ(p.selectedNode(), -1);
    quorix::testing::snapshot(p, QStringLiteral("dlgSubgroupLattice-S4-classes"));
}
