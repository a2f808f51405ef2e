// The graph panel: which layout each group gets, what reaches the picture
// box, the group display's Show Graph button, and groups without a layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "gui/common/picture_box.h"
#include "gui/graph/graph_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class Graph : public quorix::testing::GuiTest {
protected:
    Graph() { ctx.groups.SetAutosave(false); }

    int count(const GraphPanel& p, PictureBox::Piece::Kind kind) {
        int c = 0;
        for (const auto& piece : p.pictureBox()->pieces()) c += piece.kind == kind;
        return c;
    }
};

}  // namespace

TEST_F(Graph, ThreeKindsAreDrawnThroughThePictureBox) {
    add("Z8", "Z|@8|");
    add("perm:23451,15432", "D|@5|");
    add("Z2xZ6", "Z|@2|xZ|@6|");
    struct Case { int position, kind, nodes; const char* grab; };
    for (const Case& c : {Case{1, 1, 8, "dlgGraph-Z8"}, Case{2, 2, 10, "dlgGraph-D10"}, Case{3, 3, 12, "dlgGraph-Z2xZ6"}}) {
        ctx.gui.selectedGroup = c.position;
        GraphPanel p(ctx);
        p.show();
        EXPECT_EQ(p.choice().kind, c.kind) << c.grab;
        EXPECT_EQ(count(p, PictureBox::Piece::Circle), c.nodes);
        EXPECT_EQ(static_cast<std::size_t>(count(p, PictureBox::Piece::Line)), p.layout().lines.size());
        EXPECT_TRUE(p.windowTitle().endsWith("Graphic Representation"));
        quorix::testing::snapshot(p, QString::fromLatin1(c.grab));
    }
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ctx.groups.Count(), 3);   // choosing the layout registers nothing
}

TEST_F(Graph, GroupWithoutLayoutShowsTheNoticeAndAnEmptyPicture) {
    add("S4", "S|@4|");
    ctx.gui.selectedGroup = 1;
    GraphPanel p(ctx);
    EXPECT_EQ(p.choice().kind, 0);
    EXPECT_TRUE(p.pictureBox()->pieces().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "Graph not yet implemented.");
}

TEST_F(Graph, GroupDisplayOpensTheGraphOfItsGroup) {
    add("Z4", "Z|@4|");
    add("S3", "S|@3|");
    ctx.gui.selectedGroup = 1;
    auto* show = ctx.panels.open("dlgShowGroup", ctx);
    ASSERT_NE(show, nullptr);
    ctx.gui.selectedGroup = 2;   // changed elsewhere meanwhile
    show->findChild<QPushButton*>("cmdShowGraph")->click();
    GraphPanel* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<GraphPanel*>(w)) opened = g;
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->group()->GroupID(), "Z|@4|");
    EXPECT_EQ(opened->choice().kind, 1);
    opened->close();
    show->close();
}
