// Comparing groups, the mapping displays and the automorphism panel: the
// results and buttons of each comparison kind, halting, the displays' lists
// and calculators, and the automorphism listing with Aut(G) / Inn(G).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>

#include "core/compare/solution_analysis.h"
#include "gui/common/picture_box.h"
#include "gui/compare/compare_panels.h"
#include "gui/gui_test_env.h"
#include "support/groups.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class Compare : public quorix::testing::GuiTest {
protected:
    Compare() { ctx.groups.SetAutosave(false); }

    // The visible display panel of that name that opened last.
    static MappingPanel* display(const char* name) {
        MappingPanel* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) found = qobject_cast<MappingPanel*>(w);
        return found;
    }
    static QString text(Panel& p) { return p.pictureBox()->plainText(); }

    // Clicks every pair of a display's calculator and checks the product shown.
    static void checkCalculator(MappingPanel& p, int index) {
        const TableCalculator& c = p.calculator(index);
        ASSERT_FALSE(c.listA->isHidden());
        const Group& g = *p.group(index);
        for (int a = 0; a < g.order(); ++a)
            for (int b = 0; b < g.order(); ++b) {
                c.listA->setCurrentRow(a);
                c.listB->setCurrentRow(b);
                emit c.listB->itemClicked(c.listB->item(b));
                ASSERT_EQ(c.output->text().toStdString(), TableProductText(g, a + 1, b + 1, p.originalNames(index)));
            }
    }
};

}  // namespace

TEST_F(Compare, S3AgainstItsRowGroupIsIsomorphicAndTheDisplayShowsRows) {
    add("S3", "S|@3|");
    ctx.groups.RegisterGroup(GetPermutationGroup(*ctx.groups.At(1), "row"), "Rows(S|@3|)");
    CompareGroupsPanel p(ctx);
    p.show();
    p.setSlot(1, 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setSlot(2, 1);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(p.result().isomorphic);
    EXPECT_TRUE(text(p).contains("is isomorphically equivalent to"));
    ASSERT_FALSE(p.isomorphismButton(0)->isHidden());
    quorix::testing::snapshot(p, QStringLiteral("dlgCompareGroups-S3-Rows"));
    p.isomorphismButton(0)->click();
    MappingPanel* d = display("dlgShowIsomorphism");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->images().size(), 7u);
    const QString shown = text(*d);
    EXPECT_EQ(shown.count(QStringLiteral("(from Row #")), 6);
    EXPECT_TRUE(shown.contains("(from Row #6):"));
    quorix::testing::snapshot(*d, QStringLiteral("dlgShowIsomorphism-S3"));
    // Colours on both tables; cosets of a subgroup of order 3 only on group 1's.
    d->setColours(true);
    ElementSet rotations;
    rotations.set(1);
    for (int k = 2; k <= 6; ++k)
        if (d->group(1)->elementOrder(k) == 3) rotations.set(static_cast<std::size_t>(k));
    d->setOrganiseBy(rotations);
    EXPECT_EQ(text(*d).count(QStringLiteral("the blocks form the table of the quotient group of order 2")), 1);
    quorix::testing::snapshot(*d, QStringLiteral("dlgShowIsomorphism-S3-cosets"));
    d->setColours(false);
    d->setOrganiseBy(ElementSet{});
    // Every calculator product is the table's, in either naming.
    d->setTableFormat(TableFormat::Calculator);
    checkCalculator(*d, 1);
    d->setOriginalNames(2, false);
    checkCalculator(*d, 2);
    quorix::testing::snapshot(*d, QStringLiteral("dlgShowIsomorphism-S3-calculator"));
    d->close();
}

TEST_F(Compare, HomomorphismsOntoTheSmallerGroupWithResume) {
    add("Z6", "Z|@6|");
    add("Z4", "Z|@4|");
    add("S4", "S|@4|");
    add("S3", "S|@3|");
    CompareGroupsPanel p(ctx);
    p.show();
    p.setSlot(1, 1);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setSlot(2, 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_FALSE(p.result().homomorphism);
    EXPECT_TRUE(text(p).contains("There does not exist any homomorphism from")) << text(p).toStdString();
    EXPECT_TRUE(p.homomorphismButton()->isHidden());

    p.setSlot(1, 4);  // S3 vs S4: the larger one is the source
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setSlot(2, 3);
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_TRUE(p.result().homomorphism);
    EXPECT_EQ(p.result().source, ctx.groups.At(3));
    quorix::testing::snapshot(p, QStringLiteral("dlgCompareGroups-S4-S3"));
    p.homomorphismButton()->click();
    MappingPanel* d = display("dlgShowHomomorphism");
    ASSERT_NE(d, nullptr);
    const std::vector<int> first = d->images();
    EXPECT_EQ(first.size(), 25u);
    EXPECT_TRUE(text(*d).contains("is a 4-to-one mapping")) << text(*d).toStdString();
    EXPECT_TRUE(text(*d).contains("(its kernel has order 4):"));
    quorix::testing::snapshot(*d, QStringLiteral("dlgShowHomomorphism-S4-S3"));
    d->close();
    ASSERT_TRUE(p.nextHomomorphism());
    ASSERT_TRUE(quorix::testing::settle(p));
    d = display("dlgShowHomomorphism");
    ASSERT_NE(d, nullptr);
    EXPECT_GT(d->images(), first);  // the next one in lexicographic order
    d->close();
}

TEST_F(Compare, IsomorphicSubgroupsAreListedUpToTen) {
    add("Z2xZ4", "Z|@2|xZ|@4|");
    add("Z8", "Z|@8|");
    add("Z4", "Z|@4|");
    add("Z2xZ2xZ2xZ2", "E16");
    add("Z2", "Z|@2|");
    add("perm:23451,21345", "S5'");  // S5 with its elements in another order
    CompareGroupsPanel p(ctx);
    p.show();
    p.setSlot(1, 1);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setSlot(2, 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(text(p).contains("The two groups are not isomorphically equivalent."));
    p.setSlot(2, 3);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.result().listing.Found(), 2);
    EXPECT_TRUE(text(p).contains("to the following subgroups of"));
    // Each isomorphic subgroup carries the catalogue name of Z4.
    EXPECT_EQ(p.pictureBox()->plainText(QString()).count(QRegularExpression(QStringLiteral(R"(\[#4-\d Z4\])"))), 2);
    EXPECT_FALSE(p.isomorphismButton(2)->isHidden());
    p.isomorphismButton(2)->click();
    MappingPanel* d = display("dlgShowIsomorphism");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->group(1), ctx.groups.At(3));
    EXPECT_EQ(d->images().size(), 5u);
    d->close();

    p.setSlot(1, 4);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setSlot(2, 5);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.result().listing.Found(), 15);
    EXPECT_EQ(text(p).count(QStringLiteral("(limit of 10 isomorphisms displayed)")), 1);
    EXPECT_FALSE(p.isomorphismButton(10)->isHidden());
    EXPECT_NE(ctx.groups.FindRegisteredGroup("Subgroup2-15(E16)"), nullptr);
    quorix::testing::snapshot(p, QStringLiteral("dlgCompareGroups-limit"));
}

TEST_F(Compare, HaltLeavesAUsablePanel) {
    add("S5", "S|@5|");
    add("Z2xA5", "Z|@2|xA|@5|");
    add("Z2", "Z|@2|");
    add("perm:23451,21345", "S5'");  // S5 with its elements in another order
    CompareGroupsPanel p(ctx);
    p.show();
    p.setSlot(1, 1);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setWorkerHook([](const std::string&, quorix::Progress& progress) { progress.RequestStop(); });
    p.setSlot(2, 2);
    ASSERT_TRUE(quorix::testing::settle(p));
    p.setWorkerHook({});
    EXPECT_TRUE(p.result().halted);
    EXPECT_EQ(host.messages.back(), kCompareHaltedMessage);
    EXPECT_TRUE(p.findChild<QPushButton*>("cmdChooseGroup_0")->isEnabled());
    p.setSlot(2, 3);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(p.result().homomorphism);
    EXPECT_FALSE(p.result().halted);
    // Above order 20 the display follows the mapping the search found.
    p.setSlot(2, 4);
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_TRUE(p.result().isomorphic);
    p.isomorphismButton(0)->click();
    MappingPanel* d = display("dlgShowIsomorphism");
    ASSERT_NE(d, nullptr);
    std::vector<int> expected{0};
    expected.insert(expected.end(), p.result().isomorphism.begin(), p.result().isomorphism.end());
    EXPECT_EQ(d->images(), expected);
    d->close();
}

TEST_F(Compare, AutomorphismListsAndGeneratedGroups) {
    add("Z5", "Z|@5|");
    add("Z2xZ2xZ2", "C|@2|xC|@2|xC|@2|");
    ctx.groups.RegisterGroup(quorix::testing::quaternion(), "Q|@8|");
    add("S3", "S|@3|");
    add("Z16", "Z|@16|");
    add("Z15", "Z|@15|");
    AutomorphismGroupsPanel p(ctx);
    p.show();
    EXPECT_FALSE(p.setGroup(5));
    EXPECT_EQ(host.messages.back(), kAutomorphismOrderMessage);

    ASSERT_TRUE(p.setGroup(1));
    std::vector<std::string> codes;
    for (const AutomorphismEntry& e : p.list().entries) codes.push_back(e.code);
    EXPECT_EQ(codes, (std::vector<std::string>{"13524", "14253", "15432", "12345"}));  // outer first, then inner
    EXPECT_EQ(p.showButtons().size(), 4u);
    p.showButtons()[1]->click();  // the first outer one, after the identity
    MappingPanel* d = display("dlgShowAutomorphism");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->images(), (std::vector<int>{0, 1, 3, 5, 2, 4}));
    quorix::testing::snapshot(*d, QStringLiteral("dlgShowAutomorphism-Z5"));
    d->setTableFormat(TableFormat::Calculator);
    checkCalculator(*d, 1);
    d->close();

    ASSERT_TRUE(p.setGroup(2));
    EXPECT_FALSE(p.list().Complete());
    EXPECT_TRUE(text(p).contains("The first 120 automorphisms"));
    EXPECT_TRUE(p.findChild<QPushButton*>("cmdGenerateAuto")->isHidden());
    EXPECT_EQ(p.showButtons().size(), 121u);
    quorix::testing::snapshot(p, QStringLiteral("dlgAutomorphismGroups-Z2xZ2xZ2"));

    ASSERT_TRUE(p.setGroup(3));
    EXPECT_EQ(p.list().Count(), 24);
    EXPECT_EQ(p.list().innerCount, 4);
    quorix::testing::snapshot(p, QStringLiteral("dlgAutomorphismGroups-Q8"));

    ASSERT_TRUE(p.setGroup(6));  // order 15: images from the letters A to F
    // Three Show Automorphism buttons to a row: the panel grows to hold the third.
    for (QPushButton* b : p.showButtons())
        EXPECT_LE(b->geometry().right(), b->parentWidget()->width()) << b->objectName().toStdString();
    quorix::testing::snapshot(p, QStringLiteral("dlgAutomorphismGroups-Z15"));
    p.showButtons().back()->click();
    d = display("dlgShowAutomorphism");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->images().size(), 16u);
    EXPECT_EQ(*std::max_element(d->images().begin(), d->images().end()), 15);
    d->close();

    ASSERT_TRUE(p.setGroup(4));
    EXPECT_TRUE(text(p).contains("No other automorphisms found."));
    for (QCheckBox* c : p.findChildren<QCheckBox*>()) c->setChecked(false);
    const GroupPtr aut = p.generate(AutomorphismKind::Auto);
    const GroupPtr inn = p.generate(AutomorphismKind::Inner);
    ASSERT_TRUE(aut && inn);
    EXPECT_EQ(aut->order(), 6);
    EXPECT_EQ(inn->order(), 6);
    EXPECT_EQ(ctx.groups.FindRegisteredGroup("Aut(S|@3|)"), aut);
    EXPECT_EQ(ctx.groups.FindRegisteredGroup("Inn(S|@3|)"), inn);
}
