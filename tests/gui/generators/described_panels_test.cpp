// The panels of the dihedral, dicyclic and matrix groups and of groups from
// generators and relations, driven through their controls.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/generators/matrix_groups_panel.h"
#include "gui/generators/presentation_panel.h"
#include "gui/generators/single_number_panel.h"
#include "gui/gui_test_env.h"
#include "gui/storage/notice_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class DescribedPanels : public quorix::testing::GuiTest {
protected:
    DescribedPanels() {
        ctx.groups.SetAutosave(false);
        ctx.dialogs.saveFile = [](const QString&, const QString&, const QString&) { return QString(); };
    }
    static void closeNotice(GeneratorPanel& p) {
        if (p.generatedNotice()) p.generatedNotice()->close();
    }
    std::string lastId() const { return ctx.groups.Empty() ? "" : ctx.groups.At(ctx.groups.Count())->GroupID(); }
};

}  // namespace

TEST_F(DescribedPanels, DihedralAndDicyclicPanelsCheckTheirRange) {
    SingleNumberPanel d(ctx, SingleNumberPanel::Family::Dihedral);
    d.input()->setText("2521");
    d.generateButton()->click();
    d.input()->setText("4");
    d.generateButton()->click();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"n must be in range 1-2520."}));
    EXPECT_EQ(lastId(), "D|@4|");
    EXPECT_EQ(ctx.groups.At(1)->Order(), 8);
    quorix::testing::snapshot(d, "dlgDihedralGroups");
    closeNotice(d);

    SingleNumberPanel q(ctx, SingleNumberPanel::Family::Dicyclic);
    q.input()->setText("1");
    q.generateButton()->click();
    EXPECT_EQ(host.messages.back(), "n must be in range 2-1260.");
    q.input()->setText("3");
    q.generateButton()->click();
    EXPECT_EQ(lastId(), "Dic|@3|");
    quorix::testing::snapshot(q, "dlgDicyclicGroups");
    closeNotice(q);
}

TEST_F(DescribedPanels, MatrixPanelShowsTheOrderBeforeGenerating) {
    MatrixGroupsPanel m(ctx);
    m.primeBox()->setText("11");
    EXPECT_EQ(m.orderLabel()->text(), "GL(2,11) has 13200 elements: too many (at most 5040).");
    m.generateButton()->click();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"GL(2,11) has 13200 elements; a group may have at most 5040."}));
    m.primeBox()->setText("5");
    m.kindButton(MatrixGroupKind::PSL)->setChecked(true);
    EXPECT_EQ(m.orderLabel()->text(), "PSL(2,5) has 60 elements.");
    quorix::testing::snapshot(m, "dlgMatrixGroups");
    m.generateButton()->click();
    EXPECT_EQ(lastId(), "PSL|@2|(5)");
    closeNotice(m);
    m.primeBox()->setText("4");
    m.generateButton()->click();
    EXPECT_EQ(host.messages.back(), "p must be a prime.");
    EXPECT_EQ(ctx.groups.Count(), 1);
}

TEST_F(DescribedPanels, PresentationPanelShowsTheOrderAndRefusesBadInput) {
    PresentationPanel p(ctx);
    p.generateButton()->click();
    p.presentationBox()->setText("<a,b | a^4, b^2, c>");
    p.generateButton()->click();
    p.presentationBox()->setText("<a,b | ab = ba>");
    p.generateButton()->click();
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0], "Enter a presentation such as <a,b | a^4, b^2, (ab)^2>.");
    EXPECT_EQ(host.messages[1].rfind("Relation 3 uses 'c'", 0), 0u);
    EXPECT_EQ(host.messages[2].rfind("The presentation defines an infinite group", 0), 0u);
    EXPECT_TRUE(ctx.groups.Empty());

    // The dihedral group of order 6 meant, an exponent mistyped: S4.
    p.presentationBox()->setText("<a,b | a^3, b^2, (ab)^4>");
    p.expectedOrderBox()->setText("6");
    p.generateButton()->click();
    EXPECT_EQ(lastId(), "Pres24-1");
    quorix::testing::snapshot(p, "dlgPresentationGroups-unexpected");
    EXPECT_NE(p.pictureBox()->plainText().indexOf("you expected 6"), -1) << p.pictureBox()->plainText().toStdString();
    closeNotice(p);
    p.presentationBox()->setText("<a,b | a^4, b^2, (ab)^2>");
    p.expectedOrderBox()->setText("8");
    p.generateButton()->click();
    closeNotice(p);  // no notice left open for the tests after this one
    p.generateButton()->click();
    EXPECT_EQ(lastId(), "Pres8-2");
    EXPECT_NE(p.pictureBox()->plainText().indexOf("as expected"), -1);
    quorix::testing::snapshot(p, "dlgPresentationGroups");
    closeNotice(p);
}

TEST_F(DescribedPanels, ARefusedPresentationLeavesNoOldResultUnderIt) {
    PresentationPanel p(ctx);
    p.show();
    p.presentationBox()->setText("<a,b | a^2, b^3, (ab)^5>");
    p.expectedOrderBox()->setText("60");
    p.generateButton()->click();
    EXPECT_TRUE(p.pictureBox()->plainText().contains("(as expected)"));
    closeNotice(p);
    // The long words of A5 stand in columns apart: the widest is narrower
    // than the step from the column of "1" to that of "a".
    const PictureBox::Piece *one = nullptr, *a = nullptr;
    for (const PictureBox::Piece& piece : p.pictureBox()->pieces()) {
        if (piece.text == "1" && !one) one = &piece;
        if (piece.text == "a" && !a) a = &piece;
    }
    ASSERT_TRUE(one && a);
    const GroupPtr g = ctx.groups.At(ctx.groups.Count());
    long widest = 0;
    for (int i = 1; i <= g->order(); ++i)
        widest = std::max<long>(widest, MarkupTextWidth(*p.pictureBox(), g->sourceName(i)));
    EXPECT_LT(widest + 100, a->x - one->x);
    // Each refusal, of the typo or of the expected order, clears the result.
    for (const auto& [text, expected] : std::vector<std::pair<const char*, const char*>>{
             {"(ab^5>", "60"}, {"<a,b | a^2, b^3, (ab)^5", "60"}, {"<a,b | a^2, b^3, (ab)^5>", "x"}}) {
        p.presentationBox()->setText("<a,b | a^2, b^3, (ab)^5>");
        p.expectedOrderBox()->setText("60");
        p.generateButton()->click();
        closeNotice(p);
        p.presentationBox()->setText(text);
        p.expectedOrderBox()->setText(expected);
        p.generateButton()->click();
        const QString shown = p.pictureBox()->plainText();
        EXPECT_FALSE(shown.contains("Order 60")) << text;
        EXPECT_TRUE(shown.contains("was not accepted")) << text;
    }
}
