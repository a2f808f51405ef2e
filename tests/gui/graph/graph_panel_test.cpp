// The graph panel: the layout each group gets, what reaches the picture box,
// groups without a layout, and the group display's Show Graph button.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "gui/common/picture_box.h"
#include "gui/graph/graph_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

class Graph : public quorix::testing::GuiTest {};

TEST_F(Graph, KindsAreChosenAndPaintedAndOthersGetTheNotice) {
    ctx.groups.SetAutosave(false);
    add("Z8", "Z|@8|");
    add("perm:23451,15432", "D|@5|");
    add("Z2xZ6", "Z|@2|xZ|@6|");
    add("S4", "S|@4|");
    const char* grabs[] = {"dlgGraph-Z8", "dlgGraph-D10", "dlgGraph-Z2xZ6"};
    for (int position = 1; position <= 4; ++position) {
        GraphPanel p(ctx, on(position));
        p.show();
        EXPECT_EQ(p.choice().kind, position % 4);  // S4 has no layout
        int circles = 0, lines = 0;
        for (const auto& piece : p.pictureBox()->pieces()) {
            circles += piece.kind == PictureBox::Piece::Circle;
            lines += piece.kind == PictureBox::Piece::Line;
        }
        EXPECT_EQ(circles, position == 4 ? 0 : ctx.groups.At(position)->order());
        EXPECT_EQ(static_cast<std::size_t>(lines), p.layout().lines.size());
        if (position < 4) quorix::testing::snapshot(p, QString::fromLatin1(grabs[position - 1]));
    }
    EXPECT_EQ(host.messages, std::vector<std::string>{"Graph not yet implemented."});
    EXPECT_EQ(ctx.groups.Count(), 4);  // choosing the layout registers nothing

    Panel* show = ctx.panels.open("dlgShowGroup", ctx, nullptr, on(1));
    show->findChild<QPushButton*>("cmdShowGraph")->click();
    GraphPanel* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* g = qobject_cast<GraphPanel*>(w); g && g->isVisible()) opened = g;
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->group(), ctx.groups.At(1));
    opened->close();
    show->close();
}
