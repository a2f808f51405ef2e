// The group display: grid or calculator by the width rule, the calculator's
// products in both namings, and the reductive mapping beside the table.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui/common/picture_box.h"
#include "core/text/markup.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class ShowGroup : public quorix::testing::GuiTest {
protected:
    ShowGroup() { ctx.groups.SetAutosave(false); }
};

}  // namespace

TEST_F(ShowGroup, SmallGroupIsAGridAndS5HasACalculatorWithRightProducts) {
    add("Z2xZ4", "Z|@2|xZ|@4|");
    add("S5", "S|@5|");
    {
        ShowGroupPanel p(ctx, on(1));
        p.show();
        EXPECT_EQ(p.drawnFormat(), TableFormat::RowAndColumn);
        EXPECT_TRUE(p.calculator().listA->isHidden());
        const QString text = p.pictureBox()->plainText();
        EXPECT_TRUE(text.contains("has 8 elements:"));
        EXPECT_TRUE(text.contains("REDUCTIVE MAPPING:"));
        EXPECT_NE(p.graphKind(), 0);  // a direct product of two cyclic groups
        QPushButton* graph = p.findChild<QPushButton*>("cmdShowGraph");
        EXPECT_FALSE(graph->isHidden());
        EXPECT_TRUE(graph->isEnabled());
        quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-Z2xZ4"));
        p.findChild<QAction*>("mnuCalculatorFormat")->trigger();
        EXPECT_EQ(p.drawnFormat(), TableFormat::Calculator);
        p.findChild<QAction*>("mnuRowAndColumnFormat")->trigger();
        EXPECT_TRUE(p.calculator().listA->isHidden());
        EXPECT_TRUE(p.findChild<QLineEdit*>("txtOut")->isHidden());
    }
    ShowGroupPanel p(ctx, on(2));
    p.show();
    EXPECT_EQ(p.drawnFormat(), TableFormat::ColourGrid);  // see table_grid_test.cpp
    p.findChild<QAction*>("mnuCalculatorFormat")->trigger();
    EXPECT_EQ(p.drawnFormat(), TableFormat::Calculator);
    EXPECT_EQ(p.graphKind(), 0);
    QListWidget* a = p.findChild<QListWidget*>("lstElementA");
    QListWidget* b = p.findChild<QListWidget*>("lstElementB");
    QLineEdit* out = p.findChild<QLineEdit*>("txtOut");
    ASSERT_EQ(a->count(), 120);
    const Group& g = *p.group();
    auto pick = [&](int i, int j) {
        a->setCurrentRow(i);
        b->setCurrentRow(j);
        emit b->itemClicked(b->item(j));
        return out->text().toStdString();
    };
    p.setOriginalNames(true);
    EXPECT_EQ(a->item(7)->text().toStdString(), g.SourceElement(8));
    EXPECT_EQ(pick(7, 30), g.SourceProduct(8, 31));
    quorix::testing::snapshot(p, QStringLiteral("dlgShowGroup-S5"));
    p.setOriginalNames(false);
    EXPECT_EQ(pick(7, 30), markup::StripMarkup(g.Product(8, 31)));
    // Reductive names of a permutation group carry the abbreviation footnote.
    EXPECT_TRUE(p.pictureBox()->plainText().contains("is abbreviated as 99999."));
}
