// The counting panel: counts, weights, refusals and the pictures of one
// colouring per orbit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "gui/common/picture_box.h"
#include "gui/counting/counting_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

class CountingGui : public quorix::testing::GuiTest {};

namespace {

int Polygons(const CountingPanel& p) {
    int n = 0;
    for (const auto& piece : p.pictureBox()->pieces()) n += piece.kind == PictureBox::Piece::Polygon;
    return n;
}

}  // namespace

TEST_F(CountingGui, CountsDrawsAndRefuses) {
    CountingPanel p(ctx, {});
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    // The start counts necklace(6) with 2 colours: 14 necklaces.
    ASSERT_TRUE(p.table());
    EXPECT_EQ(p.table()->count, 14);

    p.findChild<QComboBox*>("cboObject")->setEditText("necklace(6)");
    p.findChild<QLineEdit*>("txtColours")->setText("3");
    p.findChild<QPushButton*>("cmdCount")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table()->count, 130);
    EXPECT_EQ(p.colourings().colourings.size(), 130u);
    EXPECT_TRUE(p.resultsText().contains("(1/6)(x1^6 + x2^3 + 2 x3^2 + 2 x6)")) << p.resultsText().toStdString();
    // The legend, then six beads for the numbering and for each necklace.
    EXPECT_EQ(Polygons(p), 3 + 6 * 131);
    quorix::testing::snapshot(p, QStringLiteral("dlgCountingColourings-necklace"));

    p.count("cube-faces", 3, "2,2,2");
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table()->count, 6);
    EXPECT_EQ(p.colourings().colourings.size(), 6u);
    EXPECT_EQ(Polygons(p), 3 + 6 * 7);
    quorix::testing::snapshot(p, QStringLiteral("dlgCountingColourings-cube"));

    // The nets of the twelve pentagons and the twenty triangles.
    p.count("dodecahedron-faces", 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table()->count, 96);
    quorix::testing::snapshot(p, QStringLiteral("dlgCountingColourings-dodecahedron"));
    p.count("icosahedron-vertices", 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table()->count, 96);
    quorix::testing::snapshot(p, QStringLiteral("dlgCountingColourings-icosahedron"));

    p.count("cube-edges", 2, {}, true);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.object()->group->order(), 48u);

    // Bad input: a message, the last result stays.
    const std::size_t messages = host.messages.size();
    p.count("Q8", 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.count("cube-faces", 3, "2,x");
    EXPECT_EQ(host.messages.size(), messages + 2);
    EXPECT_EQ(p.object()->name, "cube-edges");

    // Too many to draw: counted, not listed.
    p.count("icosahedron-faces", 30);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(p.colourings().colourings.empty());
    EXPECT_EQ(p.table()->count.get_str(), "5811307335000147841200324000");

    // Saved like every picture.
    p.count("bracelet(5)", 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    const QString svg = dir.filePath("bracelets.svg");
    ctx.dialogs.saveFile = [&svg](const QString&, const QString&, const QString&) { return svg; };
    ASSERT_TRUE(p.savePicture());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
}
