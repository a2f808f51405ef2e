// The permutation-group panel of any size, driven through its controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/gui_test_env.h"
#include "gui/perm/perm_group_panel.h"
#include "gui/perm/rubik_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class PermGroupPanelTest : public quorix::testing::GuiTest {
protected:
    template <class W>
    static W* child(QWidget& panel, const char* name) {
        return panel.findChild<W*>(QString::fromLatin1(name));
    }
    static QString result(QWidget& p) { return child<QPlainTextEdit>(p, "txtResult")->toPlainText(); }
};

}  // namespace

TEST_F(PermGroupPanelTest, CubeOrderMembershipWithWordAndRandomElement) {
    PermGroupPanel p(ctx);
    p.show();
    child<QComboBox>(p, "cboBuiltIn")->setCurrentText(QStringLiteral("Rubik"));
    child<QPushButton>(p, "cmdCompute")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(result(p).contains(QStringLiteral("43252003274489856000"))) << result(p).toStdString();
    EXPECT_TRUE(result(p).contains(QStringLiteral("2^27 * 3^14 * 5^3 * 7^2 * 11")));
    EXPECT_TRUE(result(p).contains(QStringLiteral("Centre order: 2")));
    quorix::testing::snapshot(p, "dlgLargePermutationGroups");

    child<QLineEdit>(p, "txtMember")->setText(QStringLiteral("(7,18)"));
    child<QPushButton>(p, "cmdTest")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(result(p).contains(QStringLiteral("is not in the group")));
    child<QLineEdit>(p, "txtMember")->setText(QStringLiteral("(7,18)(2,34)"));
    child<QPushButton>(p, "cmdTest")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(result(p).contains(QStringLiteral("letters"))) << result(p).toStdString();

    child<QPushButton>(p, "cmdRandom")->click();
    EXPECT_FALSE(child<QLineEdit>(p, "txtMember")->text().isEmpty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PermGroupPanelTest, TypedGeneratorsAndBadInput) {
    PermGroupPanel p(ctx);
    p.show();
    child<QLineEdit>(p, "txtGenerators")->setText(QStringLiteral("(1,2,3"));
    child<QPushButton>(p, "cmdCompute")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(p.group());
    child<QLineEdit>(p, "txtGenerators")->setText(QStringLiteral("(1,2,3,4,5,6,7,8,9,10), (1,2)"));
    child<QPushButton>(p, "cmdCompute")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(result(p).contains(QStringLiteral("3628800"))) << result(p).toStdString();
    EXPECT_TRUE(result(p).contains(QStringLiteral("Transitive: yes")));
}

TEST_F(PermGroupPanelTest, CubeMovesReachabilityAndSolve) {
    RubikPanel p(ctx);
    p.show();
    child<QPushButton>(p, "cmdMoveR")->click();
    child<QLineEdit>(p, "txtMoves")->setText(QStringLiteral("U R' U'"));
    child<QPushButton>(p, "cmdApply")->click();
    EXPECT_FALSE(perm::IsIdentity(p.state()));
    quorix::testing::snapshot(p, "dlgRubiksCube");
    child<QPushButton>(p, "cmdSolve")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(perm::IsIdentity(p.state()));
    EXPECT_TRUE(child<QPlainTextEdit>(p, "txtOutput")->toPlainText().contains(QStringLiteral("moves")));

    child<QLineEdit>(p, "txtState")->setText(QStringLiteral("(7,18)"));
    child<QPushButton>(p, "cmdCheck")->click();
    EXPECT_TRUE(child<QPlainTextEdit>(p, "txtOutput")->toPlainText().contains(QStringLiteral("cannot be reached")));
    child<QLineEdit>(p, "txtState")->setText(QStringLiteral("(7,18)(2,34)"));
    child<QPushButton>(p, "cmdCheck")->click();
    EXPECT_EQ(perm::CycleString(p.state()), "(2,34)(7,18)");
    child<QLineEdit>(p, "txtMoves")->setText(QStringLiteral("Q"));
    child<QPushButton>(p, "cmdApply")->click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(perm::CycleString(p.state()), "(2,34)(7,18)");  // unchanged by bad input
}
