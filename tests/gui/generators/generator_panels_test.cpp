// The panels that build named groups, driven through their controls: the
// messages for bad input, what they register, the view they write.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui/common/browser_panel.h"
#include "core/storage/temp_dir.h"
#include "gui/common/picture_box.h"
#include "gui/generators/direct_products_panel.h"
#include "gui/generators/multiplicative_panel.h"
#include "gui/generators/permutation_panel.h"
#include "gui/generators/single_number_panel.h"
#include "gui/gui_test_env.h"
#include "gui/storage/group_list_panel.h"
#include "gui/storage/notice_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class GeneratorPanels : public quorix::testing::GuiTest {
protected:
    GeneratorPanels() {
        ctx.groups.SetAutosave(false);
        // No view file chosen: the panels show the group-generated notice.
        ctx.dialogs.saveFile = [](const QString&, const QString&, const QString&) { return QString(); };
    }

    // Closes what a generation left open (the notice or the browser).
    static void closeResult(GeneratorPanel& p) {
        if (p.generatedNotice()) p.generatedNotice()->close();
        if (p.viewBrowser()) p.viewBrowser()->close();
    }
    std::string lastId() const { return ctx.groups.Empty() ? "" : ctx.groups.At(ctx.groups.Count())->GroupID(); }
    // The text drawn in the last modal notice.
    QString noticeText;
    void recordNotices() {
        script = [this](QDialog& d) {
            if (auto* n = dynamic_cast<NoticePanel*>(&d)) {
                noticeText = n->picbox()->plainText();
                quorix::testing::snapshot(*n, "dlgPermutationGroups-notice");
            }
        };
    }
};

}  // namespace

TEST_F(GeneratorPanels, SingleNumberPanelsValidateThenRegister) {
    SingleNumberPanel s(ctx, SingleNumberPanel::Family::Symmetric);
    QTest::keyClicks(s.input(), "abc");
    EXPECT_EQ(s.findChild<QLabel*>("lblID2")->text(), "abc");
    s.generateButton()->click();
    s.input()->setText("8");
    s.generateButton()->click();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Degree must be numeric.", "Degree must be in range 1-7."}));
    EXPECT_TRUE(ctx.groups.Empty());
    s.input()->setText("4");
    s.generateButton()->click();
    EXPECT_EQ(lastId(), "S|@4|");
    ASSERT_TRUE(s.generatedNotice());
    EXPECT_EQ(s.generatedNotice()->picbox()->plainText(), "Group  S 4  has been generated.");
    quorix::testing::snapshot(s, "dlgSymmetricGroups");
    closeResult(s);

    SingleNumberPanel a(ctx, SingleNumberPanel::Family::Alternating);
    EXPECT_FALSE(a.findChild<QWidget*>("cmdHalt"));
    a.input()->setText("5");
    a.generateButton()->click();
    EXPECT_EQ(ctx.groups.At(2)->Order(), 60);
    quorix::testing::snapshot(a, "dlgAlternatingGroups");
    closeResult(a);

    SingleNumberPanel z(ctx, SingleNumberPanel::Family::Additive);
    z.input()->setText("5041");
    z.generateButton()->click();
    EXPECT_EQ(host.messages.back(), "Modulus must be in range 1-5040.");
    z.input()->setText("120");
    z.generateButton()->click();
    EXPECT_EQ(lastId(), "Z|@120|");
    quorix::testing::snapshot(z, "dlgAdditiveGroups");
    closeResult(z);
}

TEST_F(GeneratorPanels, MultiplicativeByModulusAndByOrder) {
    MultiplicativePanel p(ctx);
    p.input()->setText("1");
    p.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_EQ(host.messages.back(), "Modulus must be in range 1-100000.");
    p.input()->setText("10007");
    p.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_TRUE(p.generateButton(0)->isHidden());  // phi(10007) = 10006
    EXPECT_TRUE(p.pictureBox()->plainText().contains(")=10006 elements."));
    quorix::testing::snapshot(p, "dlgMultiplicativeGroups-modulus");
    // Button 0 builds the modulus typed, not the one computed last.
    p.input()->setText("7");
    p.findChild<QPushButton*>("cmdCompute")->click();
    p.input()->setText("9");
    p.generateButton(0)->click();
    EXPECT_EQ(lastId(), "Z|@9|^*|");
    closeResult(p);

    p.orderOption()->click();
    p.input()->setText("3");
    p.findChild<QPushButton*>("cmdCompute")->click();
    EXPECT_TRUE(p.pictureBox()->plainText().contains("No multiplicative groups found."));
    EXPECT_TRUE(p.generateButton(1)->isHidden());
    p.input()->setText("4");
    p.findChild<QPushButton*>("cmdCompute")->click();
    std::vector<int> listed;
    for (int i = 1; i < MultiplicativePanel::kButtons; ++i)
        if (!p.generateButton(i)->isHidden()) listed.push_back(p.modulusOf(i));
    EXPECT_EQ(listed, (std::vector<int>{5, 8, 10, 12}));
    quorix::testing::snapshot(p, "dlgMultiplicativeGroups");
    p.generateButton(2)->click();
    EXPECT_EQ(lastId(), "Z|@8|^*|");
    closeResult(p);
}

TEST_F(GeneratorPanels, PermutationGroupAutoGeneratesMissingProducts) {
    ctx.groups.SetLastPermNumber(4);
    PermutationPanel p(ctx);
    p.degreeBox()->setText("16");
    p.findChild<QPushButton*>("cmdContinue")->click();
    EXPECT_EQ(host.messages.back(), "Degree must be in range 1-15.");
    p.degreeBox()->setText("3");
    p.findChild<QPushButton*>("cmdContinue")->click();
    ASSERT_EQ(p.elementBoxes().size(), 6u);
    EXPECT_EQ(p.elementBoxes()[0]->text(), "123");
    EXPECT_TRUE(p.pictureBox()->plainText().contains("Perm3-5"));
    // Only the first three digits are taken; a full box moves on.
    QTest::keyClicks(p.elementBoxes()[1], "2x4a31");
    EXPECT_EQ(p.elementBoxes()[1]->text(), "231");
    p.findChild<QPushButton*>("cmdGenerate")->click();
    EXPECT_EQ(p.elementBoxes()[2]->text(), "312");
    EXPECT_EQ(p.markedElements(), (std::vector<int>{3}));
    EXPECT_EQ(lastId(), "Perm3-5");
    EXPECT_EQ(ctx.groups.LastPermNumber(), 5);
    quorix::testing::snapshot(p, "dlgPermutationGroups");
    closeResult(p);
    // Enter in the degree box starts over with the new degree; it registers nothing.
    p.degreeBox()->setText("4");
    QTest::keyClick(p.degreeBox(), Qt::Key_Return);
    EXPECT_EQ(p.elementBoxes().size(), 24u);
    EXPECT_EQ(lastId(), "Perm3-5");
    p.degreeBox()->setText("5");
    QTest::keyClick(p.degreeBox(), Qt::Key_Return);
    EXPECT_EQ(p.elementBoxes().size(), 120u);
    quorix::testing::snapshot(p, "dlgPermutationGroups-5");
}

TEST_F(GeneratorPanels, PermutationGroupRefusesBadOrIncompleteElements) {
    recordNotices();
    PermutationPanel p(ctx);
    p.degreeBox()->setText("3");
    p.findChild<QPushButton*>("cmdContinue")->click();
    p.autoGenerateOff()->click();
    p.elementBoxes()[1]->setText("12");
    p.findChild<QPushButton*>("cmdGenerate")->click();
    EXPECT_EQ(host.messages.back(), "Element #2 is invalid.");
    EXPECT_EQ(p.markedElements(), (std::vector<int>{2}));

    p.elementBoxes()[1]->setText("213");
    p.elementBoxes()[2]->setText("213");
    p.elementBoxes()[3]->setText("132");
    p.findChild<QPushButton*>("cmdGenerate")->click();
    EXPECT_EQ(host.messages.back(), "Duplicate Element #3 will be eliminated.");
    EXPECT_EQ(p.elementBoxes()[2]->text(), "132");  // the gap closed
    EXPECT_TRUE(noticeText.startsWith("Element")) << noticeText.toStdString();
    EXPECT_TRUE(noticeText.endsWith("is not among the elements.")) << noticeText.toStdString();
    EXPECT_TRUE(ctx.groups.Empty());

    p.findChild<QPushButton*>("cmdClearElements")->click();
    EXPECT_EQ(p.elementBoxes()[0]->text(), "123");
    EXPECT_TRUE(p.elementBoxes()[1]->text().isEmpty());
}

TEST_F(GeneratorPanels, PermutationGroupTakesCycleNotation) {
    PermutationPanel p(ctx);
    p.degreeBox()->setText("4");
    p.findChild<QPushButton*>("cmdContinue")->click();
    QTest::keyClicks(p.elementBoxes()[1], "(1,2)(3,4)");
    EXPECT_EQ(p.elementBoxes()[1]->text(), "(1,2)(3,4)");  // a box holds a cycle
    p.elementBoxes()[2]->setText("(1,3)");
    p.findChild<QPushButton*>("cmdGenerate")->click();
    EXPECT_EQ(p.elementBoxes()[1]->text(), "2143");
    EXPECT_EQ(p.elementBoxes()[2]->text(), "3214");
    EXPECT_EQ(ctx.groups.At(ctx.groups.Count())->Order(), 8);
    closeResult(p);
    p.elementBoxes()[3]->setText("(1,5)");  // past the degree
    p.findChild<QPushButton*>("cmdGenerate")->click();
    EXPECT_EQ(host.messages.back(), "Element #4 is invalid.");
}

TEST_F(GeneratorPanels, DirectProductChecksOrdersAndBuildsLeftToRight) {
    add("Z2xZ10", "Z|@2|xZ|@10|");
    DirectProductsPanel p(ctx);
    QPushButton* compute = p.findChild<QPushButton*>("cmdCompute");
    QTest::keyClicks(p.modulusBox(0), "2a");
    EXPECT_EQ(p.modulusBox(0)->text(), "2");
    compute->click();
    EXPECT_EQ(host.messages.back(), "At least two moduli must be entered.");
    p.modulusBox(1)->setText("60");
    p.modulusBox(2)->setText("60");
    compute->click();
    EXPECT_EQ(host.messages.back(), "The product of the moduli cannot exceed 5040.");
    p.modulusBox(1)->setText("3");
    p.modulusBox(2)->setText("61");
    compute->click();
    EXPECT_EQ(host.messages.back(), "All component orders must be in range 2-60.");
    p.modulusBox(0)->setText("5");  // was "2"; restored below through the chooser
    script = [](QDialog& d) {
        auto& list = dynamic_cast<GroupListPanel&>(d);
        list.list()->setCurrentRow(0);
        list.findChild<QPushButton*>("cmdChooseGroup")->click();
    };
    p.findChild<QPushButton*>("cmdChooseGroup2")->click();
    p.modulusBox(0)->setText("2");
    EXPECT_TRUE(p.modulusBox(2)->text().isEmpty());
    EXPECT_TRUE(p.pictureBox()->plainText().contains("Group ID:  Z 2 xZ 3 xZ 2 xZ 10"));
    quorix::testing::snapshot(p, "dlgDirectProducts");
    // Halt pressed while the product is built: nothing is registered.
    p.progress().SetYield([&p] { p.progress().RequestStop(); });
    compute->click();
    EXPECT_EQ(host.messages.back(), "Generate process halted.");
    EXPECT_EQ(ctx.groups.Count(), 1);
    p.progress().SetYield({});
    compute->click();
    ASSERT_EQ(ctx.groups.Count(), 2);  // the intermediate product is not registered
    EXPECT_EQ(lastId(), "Z|@2|xZ|@3|xZ|@2|xZ|@10|");
    closeResult(p);
}

TEST_F(GeneratorPanels, CreateViewWritesTheChosenFileAndOpensItAtItsAnchor) {
    const QString file = dir.filePath("S3.html");
    QString proposed;
    ctx.dialogs.saveFile = [&](const QString&, const QString&, const QString& path) {
        proposed = path;
        return file;
    };
    SingleNumberPanel s(ctx, SingleNumberPanel::Family::Symmetric);
    s.createViewBox()->setChecked(true);
    s.input()->setText("3");
    s.generateButton()->click();
    EXPECT_TRUE(proposed.endsWith("/SymmetricGroupView.html"));
    // The view's content is the view writer's (tested with it); here the file
    // the panel chose and the anchor the browser opens.
    const std::string html = quorix::testing::readFile(file.toStdString());
    ASSERT_TRUE(s.viewBrowser());
    EXPECT_EQ(s.viewBrowser()->path(), file);
    EXPECT_FALSE(s.viewBrowser()->anchor().isEmpty());
    EXPECT_NE(html.find("<a name='" + s.viewBrowser()->anchor().toStdString() + "'>"), std::string::npos);
    EXPECT_FALSE(s.generatedNotice());
    closeResult(s);
}
