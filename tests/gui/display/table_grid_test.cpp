// The colour grid of a large table: cells in the coloured table's colours,
// the printed picture and the zoomable view in step, names once zoomed in.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "core/display/table_export.h"
#include "gui/common/picture_box.h"
#include "gui/display/show_group_panel.h"
#include "gui/display/table_grid.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class ColourGrid : public quorix::testing::GuiTest {
protected:
    ColourGrid() { ctx.groups.SetAutosave(false); }
};

const PictureBox::Piece* ImagePiece(const PictureBox& box) {
    for (const PictureBox::Piece& p : box.pieces())
        if (p.kind == PictureBox::Piece::Image) return &p;
    return nullptr;
}

}  // namespace

TEST_F(ColourGrid, LargeTablePrintsAndZoomsInTheColoursOfTheColouredTable) {
    add("S5", "S|@5|");
    add("D60", "D|@60|");
    ShowGroupPanel p(ctx, on(1));
    p.show();
    ASSERT_EQ(p.drawnFormat(), TableFormat::ColourGrid);
    const Group& g = *p.group();
    TableOptions options;
    options.colours = true;
    options.originalNames = p.originalNames();
    const TableLayout layout = MakeTableLayout(g, options);
    const auto colourOf = [&](int position) {
        const TableColour& c = layout.colours[static_cast<std::size_t>(position)];
        return qRgb(c.red, c.green, c.blue);
    };

    // The printed grid: whole blocks of pixels, every cell in its product's colour.
    const PictureBox::Piece* piece = ImagePiece(*p.pictureBox());
    ASSERT_NE(piece, nullptr);
    const int block = GridPrintSide(121) / 121;
    ASSERT_GE(block, 2);
    ASSERT_EQ(piece->image.width(), 121 * block);
    for (int i = 0; i <= 120; ++i)
        for (int j = 0; j <= 120; ++j) {
            if (i == 0 && j == 0) continue;
            const int k = i == 0   ? layout.columns[static_cast<std::size_t>(j - 1)]
                          : j == 0 ? layout.rows[static_cast<std::size_t>(i - 1)]
                                   : g.mul(layout.rows[static_cast<std::size_t>(i - 1)],
                                           layout.columns[static_cast<std::size_t>(j - 1)]);
            ASSERT_EQ(piece->image.pixel(j * block + block / 2, i * block + block / 2), colourOf(k))
                << "cell " << i << "," << j;
        }
    // A PNG keeps the grid (and at least one pixel per cell).
    const QString png = dir.filePath("s5.png");
    ASSERT_TRUE(p.pictureBox()->savePng(png));
    EXPECT_GE(QImage(png).width(), 121);
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S5-grid"));

    // The view lies over the printed grid and starts with the whole table.
    TableGridView& view = *p.gridView();
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.grid()->cells(), 121);
    EXPECT_DOUBLE_EQ(view.cellPixels(), view.fitPixels());
    EXPECT_FALSE(view.namesShown());
    const auto viewPixel = [&](int row, int column) {
        const QImage shot = view.viewport()->grab().toImage();
        const double c = view.cellPixels();
        return shot.pixel(static_cast<int>((column + 0.5) * c) - view.horizontalScrollBar()->value(),
                          static_cast<int>((row + 0.5) * c) - view.verticalScrollBar()->value());
    };
    EXPECT_EQ(viewPixel(5, 7), colourOf(g.mul(layout.rows[4], layout.columns[6])));
    // Ctrl+wheel zooms about the pointer; the buttons zoom until the names show.
    const double fit = view.cellPixels();
    QWheelEvent wheel(QPointF(10, 10), view.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_GT(view.cellPixels(), fit);
    for (int i = 0; i < 10 && !view.namesShown(); ++i) p.findChild<QPushButton*>("cmdZoomIn")->click();
    EXPECT_TRUE(view.namesShown());
    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(0);
    EXPECT_EQ(viewPixel(1, 1), colourOf(g.mul(layout.rows[0], layout.columns[0])));
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S5-grid-zoomed"));
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S5-grid-middle"));
    p.findChild<QPushButton*>("cmdZoomFit")->click();
    EXPECT_DOUBLE_EQ(view.cellPixels(), fit);

    // The names' grid stays on the menu; back to Default is the colour grid.
    p.findChild<QAction*>("mnuRowAndColumnFormat")->trigger();
    EXPECT_EQ(p.drawnFormat(), TableFormat::RowAndColumn);
    EXPECT_TRUE(view.isHidden());
    p.findChild<QAction*>("mnuDefaultFormat")->trigger();
    EXPECT_EQ(p.drawnFormat(), TableFormat::ColourGrid);

    ShowGroupPanel d(ctx, on(2));
    d.show();
    EXPECT_EQ(d.drawnFormat(), TableFormat::ColourGrid);
    quorix::testing::snapshot(d, QStringLiteral("dlgShowGroup-D60-grid"));
}

TEST_F(ColourGrid, S6IsAlwaysAGridWithItsMappingInPages) {
    add("S6", "S|@6|");
    ShowGroupPanel p(ctx, on(1));
    p.show();
    // Even the Row and Column format: 518,400 names would not be read.
    p.findChild<QAction*>("mnuRowAndColumnFormat")->trigger();
    ASSERT_EQ(p.drawnFormat(), TableFormat::ColourGrid);
    EXPECT_EQ(p.gridView()->grid()->cells(), 721);
    // The picture keeps a pixel per cell (its PNG as far as the PNG bounds
    // allow the whole panel's picture).
    const PictureBox::Piece* piece = ImagePiece(*p.pictureBox());
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->image.width(), 721);
    const QString png = dir.filePath("s6.png");
    ASSERT_TRUE(p.pictureBox()->savePng(png));
    EXPECT_FALSE(QImage(png).isNull());
    // 720 mapping lines: two pages.
    auto* pager = p.findChild<QFrame*>("frameMappingPager");
    ASSERT_TRUE(pager && pager->isVisible());
    EXPECT_EQ(pager->findChild<QLabel*>("lblPage")->text(), "Lines 1 to 500 of 720");
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S6-grid"));
    pager->findChild<QPushButton*>("cmdNextPage")->click();
    EXPECT_EQ(pager->findChild<QLabel*>("lblPage")->text(), "Lines 501 to 720 of 720");
    EXPECT_FALSE(p.pictureBox()->plainText().contains(QString::fromStdString(p.group()->sourceName(2) + " = ")));
}
