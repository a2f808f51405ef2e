// A text panel with a text of 20,000 lines prints one page at a time; a
// page inside a flow of classes keeps its columns and the class heading.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "gui/common/picture_box.h"
#include "gui/common/text_pages.h"
#include "gui/common/text_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix::gui;

namespace {

// Classes of 100 members each, flowing in columns.
class LongTextPanel : public TextPanel {
public:
    explicit LongTextPanel(AppContext& context) : TextPanel(context, QStringLiteral("dlgLongText"), "Long") {}
    std::vector<TextItem> layout(bool) override {
        std::vector<TextItem> items{TextItem{.kind = TextItem::Kind::Columns}};
        for (int c = 0; c < 200; ++c) {
            const std::string heading = "Class " + std::to_string(c + 1);
            items.push_back(TextItem{.text = heading, .heading = true});
            for (int m = 0; m < 99; ++m)
                items.push_back(TextItem{.text = "member " + std::to_string(c * 99 + m + 1),
                                         .continued = heading + " (continued)"});
        }
        items.push_back(TextItem{.kind = TextItem::Kind::ColumnsEnd});
        return items;
    }
};

class TextPages : public quorix::testing::GuiTest {};

}  // namespace

TEST_F(TextPages, LongTextOpensAPageAtATimeAndTurnsThroughAllOfIt) {
    LongTextPanel p(ctx);
    p.refresh();
    p.show();
    const std::size_t items = 200 * 100 + 2;
    ASSERT_EQ(p.pageCount(), TextPageCount(items));
    ASSERT_GT(p.pageCount(), 1u);
    // One page's worth of pieces, not the whole text's.
    EXPECT_LT(p.pictureBox()->pieces().size(), kTextPageItems + 10);
    auto* above = p.findChild<QFrame*>("framePagerAbove");
    auto* below = p.findChild<QFrame*>("framePagerBelow");
    ASSERT_TRUE(above && below);
    EXPECT_EQ(above->findChild<QLabel*>("lblPage")->text(), "Lines 1 to 500 of 20,002");
    EXPECT_FALSE(above->findChild<QPushButton*>("cmdPreviousPage")->isEnabled());
    EXPECT_GT(below->y(), p.pictureBox()->y() + p.pictureBox()->pictureSize().height() - 20);
    quorix::testing::snapshot(p, QStringLiteral("dlgLongText-page1"));

    below->findChild<QPushButton*>("cmdNextPage")->click();
    EXPECT_EQ(p.page(), 1u);
    // Page 2 starts at the last member of class 5: the columns open again
    // under its heading.
    const QString text = p.pictureBox()->plainText(QStringLiteral("\n"));
    EXPECT_TRUE(text.startsWith("Class 5 (continued)\nmember 495\nClass 6\n")) << text.left(80).toStdString();
    EXPECT_FALSE(text.contains("member 494\n"));
    quorix::testing::snapshot(p, QStringLiteral("dlgLongText-page2"));

    // The last page ends the flow and the text; Next is off there.
    p.showPage(1000);
    EXPECT_EQ(p.page(), p.pageCount() - 1);
    EXPECT_TRUE(p.pictureBox()->plainText().contains("member 19800"));
    EXPECT_FALSE(below->findChild<QPushButton*>("cmdNextPage")->isEnabled());
    above->findChild<QPushButton*>("cmdPreviousPage")->click();
    EXPECT_EQ(p.page(), p.pageCount() - 2);
}
