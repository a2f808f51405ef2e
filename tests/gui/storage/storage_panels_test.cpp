// The group list, the chooser, the deletion panel and the preferences panel
// driven through their controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/storage/preferences.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/gui_test_env.h"
#include "gui/storage/delete_list_panel.h"
#include "gui/storage/group_list_panel.h"
#include "gui/storage/group_order.h"
#include "gui/storage/notice_panel.h"
#include "gui/storage/preferences_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class StoragePanels : public quorix::testing::GuiTest {
protected:
    StoragePanels() { ctx.groups.SetAutosave(false); }

    static QStringList texts(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    static void click(QListWidget* list, const QString& text) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().mid(4) == text) {
                emit list->itemClicked(list->item(i));
                return;
            }
        ADD_FAILURE() << "no entry " << text.toStdString();
    }
};

}  // namespace

TEST(GroupOrder, DerivedFromNeedsDelimitersAtTheFirstOccurrence) {
    EXPECT_TRUE(DerivesFrom("S|@3|xZ|@2|", "S|@3|"));
    EXPECT_TRUE(DerivesFrom("Z|@2|xS|@3|", "S|@3|"));
    EXPECT_TRUE(DerivesFrom("Subgroup2-1(S|@3|)", "S|@3|"));
    EXPECT_TRUE(DerivesFrom("Aut(Group #4-1)", "Group #4-1"));
    EXPECT_TRUE(DerivesFrom("Group #4-1/Subgroup2-1(Group #4-1)", "Group #4-1"));
    EXPECT_TRUE(DerivesFrom("Group #4-1", "Group #4-1"));
    EXPECT_FALSE(DerivesFrom("Group #4-12", "Group #4-1"));
    EXPECT_FALSE(DerivesFrom("Manual4-1x", "anual4-1x"));
    // Only the first occurrence counts.
    EXPECT_FALSE(DerivesFrom("Group #4-12(Group #4-1)", "Group #4-1"));
    EXPECT_FALSE(DerivesFrom("Z|@6|", ""));
}

TEST(GroupOrder, AlphabeticalOrderIsNaturalOrderOfTheShownNamesWithoutDuplicates) {
    bool complete = false;
    const std::vector<std::string> ids = {"Z|@60|", "Subgroup3-1(Z|@6|)", "Z|@12|", "S|@3|", "Z|@6|", "Z|@2|"};
    EXPECT_EQ(AlphabeticalPositions(ids, complete), (std::vector<int>{4, 2, 6, 5, 3, 1}));
    EXPECT_TRUE(complete);
    const std::vector<std::string> dup = {"B", "A", "B"};
    EXPECT_EQ(AlphabeticalPositions(dup, complete), (std::vector<int>{2, 1}));
    EXPECT_FALSE(complete);
    EXPECT_TRUE(AlphabeticalPositions({}, complete).empty());
    EXPECT_TRUE(complete);
}

TEST_F(StoragePanels, ChooserReturnsTheChosenPositionOrNothing) {
    add("S3", "S|@3|");
    add("Z4", "Z|@4|");
    add("Z2", "A-first");
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        ASSERT_TRUE(quorix::testing::settle(p));  // the catalogue notes
        EXPECT_TRUE(p.chooserMode());
        EXPECT_EQ(p.windowTitle(), "Choose Group");
        EXPECT_EQ(p.findChild<QPushButton*>("cmdOK")->text(), "&Cancel");
        EXPECT_TRUE(p.pictureBox()->plainText().startsWith("Choose a group:"));
        EXPECT_EQ(texts(p.list()), (QStringList{"S3", "Z4", "A-first"}));  // sequence generated
        quorix::testing::snapshot(p, QStringLiteral("dlgGroupList-chooser"));
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    EXPECT_EQ(ChooseGroup(ctx), std::nullopt);
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        p.findChild<QRadioButton*>("optAlphabeticalSequence")->click();
        EXPECT_EQ(texts(p.list()), (QStringList{"A-first", "S3", "Z4"}));
        p.list()->setCurrentRow(1);
        p.findChild<QPushButton*>("cmdChooseGroup")->click();
    };
    EXPECT_EQ(ChooseGroup(ctx), 1);
    EXPECT_EQ(modal.size(), 2u);
}

TEST_F(StoragePanels, ListModeHasNoChooseButtonAndShowGroupOpensTheDisplay) {
    add("S3", "S|@3|");
    add("Z4", "Z|@4|");
    add("S5", "S|@5|");
    GroupListPanel p(ctx);
    ASSERT_TRUE(quorix::testing::settle(p));  // the catalogue notes
    EXPECT_FALSE(p.chooserMode());
    // The catalogue note follows the ID of a group of order 20 or less.
    auto note = [&p](int row) { return p.list()->item(row)->data(GroupListPanel::kNoteRole).toString(); };
    EXPECT_TRUE(note(0).contains(QRegularExpression(QStringLiteral(R"(^ \[#6-\d+ D\|@3\|\]$)"))))
        << note(0).toStdString();
    EXPECT_TRUE(note(2).isEmpty());
    EXPECT_TRUE(p.pictureBox()->plainText().startsWith("GENERATED GROUP LIST:"));
    EXPECT_TRUE(p.findChild<QPushButton*>("cmdChooseGroup")->isHidden());
    EXPECT_EQ(p.list()->currentRow(), 0);
    p.list()->setCurrentRow(1);
    p.findChild<QPushButton*>("cmdShowGroup")->click();
    Panel* shown = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "dlgShowGroup" && w->isVisible()) shown = qobject_cast<Panel*>(w);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->pictureBox()->plainText().contains("Z|@4|") ||
                shown->pictureBox()->plainText().contains("has 4 elements"));
    shown->close();
}

TEST_F(StoragePanels, EmptyRegisterGivesNoListAndNoChoice) {
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        EXPECT_TRUE(p.pictureBox()->plainText().contains("No groups have been generated."));
        EXPECT_TRUE(p.list()->isHidden());
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    EXPECT_EQ(ChooseGroup(ctx), std::nullopt);
}

TEST_F(StoragePanels, DeletingABaseGroupDragsItsDerivedGroupsAlong) {
    add("S3", "S|@3|");               // 1
    add("Z2", "Z|@2|");               // 2
    add("S3xZ2", "S|@3|xZ|@2|");      // 3
    add("Z3", "Subgroup3-1(S|@3|)");  // 4
    add("Z4", "S|@30|");              // 5: only begins alike
    add("Z5", "Group #5-1");          // 6
    add("Z6", "Z|@6|");               // 7
    int notices = 0;
    script = [&](QDialog& d) {
        auto& n = dynamic_cast<NoticePanel&>(d);
        ++notices;
        EXPECT_TRUE(n.picbox()->plainText().contains("have also been added to the Delete List"));
        n.okButton()->click();
    };
    DeleteListPanel p(ctx);
    EXPECT_EQ(texts(p.retainList()).size(), 7);
    EXPECT_EQ(p.retainList()->item(0)->text(), "    S3");

    click(p.retainList(), "S3");
    EXPECT_EQ(texts(p.deleteList()), (QStringList{"****S3xZ2", "****Subgroup3-1(S3)", "    S3"}));
    EXPECT_EQ(texts(p.retainList()), (QStringList{"    Z2", "    S30", "    Group #5-1", "    Z6"}));
    EXPECT_EQ(notices, 1);
    quorix::testing::snapshot(p, QStringLiteral("dlgDeleteList"));

    // The base cannot go back while groups derived from it are listed.
    click(p.deleteList(), "S3");
    EXPECT_EQ(host.messages, (std::vector<std::string>{"S3xZ2 must be removed from Delete List first."}));
    EXPECT_EQ(p.deleteList()->count(), 3);
    // A derived group may go back; it returns to its place.
    click(p.deleteList(), "S3xZ2");
    EXPECT_EQ(texts(p.retainList()), (QStringList{"    Z2", "    S3xZ2", "    S30", "    Group #5-1", "    Z6"}));

    // No: nothing happens. Yes: exactly the listed groups go.
    host.answers = {false};
    p.findChild<QPushButton*>("cmdDelete")->click();
    EXPECT_EQ(ctx.groups.Count(), 7);
    EXPECT_EQ(host.questions.back(),
              "Group Deletion: Do you really want to delete all of the groups in the Delete List?");
    host.answers = {true};
    p.findChild<QPushButton*>("cmdDelete")->click();
    std::vector<std::string> left;
    for (const GroupPtr& g : ctx.groups.Groups()) left.push_back(g->GroupID());
    EXPECT_EQ(left, (std::vector<std::string>{"Z|@2|", "S|@3|xZ|@2|", "S|@30|", "Group #5-1", "Z|@6|"}));
    EXPECT_EQ(host.messages.back(), "All selected groups have been deleted.");
    EXPECT_EQ(p.deleteList()->count(), 0);
    EXPECT_EQ(p.retainList()->count(), 5);

    host.messages.clear();
    p.findChild<QPushButton*>("cmdDelete")->click();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"There are no groups in the Delete List."}));
}

TEST_F(StoragePanels, AStaleDeletePanelRebuildsItsListsInsteadOfFailing) {
    add("S3", "S|@3|");
    add("Z2", "Z|@2|");
    add("Z4", "Z|@4|");
    DeleteListPanel stale(ctx), other(ctx);
    click(other.retainList(), "Z2");
    host.answers = {true};
    other.findChild<QPushButton*>("cmdDelete")->click();
    ASSERT_EQ(ctx.groups.Count(), 2);

    // The first click on the stale panel only brings its lists up to date.
    click(stale.retainList(), "Z4");
    EXPECT_EQ(texts(stale.retainList()), (QStringList{"    S3", "    Z4"}));
    EXPECT_EQ(stale.deleteList()->count(), 0);
    click(stale.retainList(), "Z4");
    EXPECT_EQ(texts(stale.deleteList()), (QStringList{"    Z4"}));
    // Registered elsewhere: the Delete List is built again before it is used.
    add("Z5", "Z|@5|");
    host.answers = {true};
    stale.findChild<QPushButton*>("cmdDelete")->click();
    EXPECT_EQ(ctx.groups.Count(), 3);
    EXPECT_EQ(stale.retainList()->count(), 3);
}

TEST_F(StoragePanels, ListsSortTheShownNamesNaturallyWithFlagsInAColumnAwayFromTheEdge) {
    for (const char* id : {"Z|@60|", "Subgroup3-1(Z|@6|)", "Z|@12|", "S|@3|", "Z|@6|"}) add("Z2", id);
    ctx.preferences.SetString(storage::kPanelDefaults, "OAAOROR1ROR");
    GroupListPanel list(ctx);
    EXPECT_EQ(texts(list.list()), (QStringList{"S3", "Subgroup3-1(Z6)", "Z6", "Z12", "Z60"}));
    EXPECT_GE(list.list()->x(), TwipsToPx(300));
    quorix::testing::snapshot(list, QStringLiteral("dlgGroupList"));

    script = [](QDialog& d) { dynamic_cast<NoticePanel&>(d).okButton()->click(); };
    DeleteListPanel del(ctx);
    click(del.retainList(), "Z6");
    EXPECT_EQ(texts(del.deleteList()), (QStringList{"****Subgroup3-1(Z6)", "    Z6"}));
    const QFontMetrics fm(del.deleteList()->font());
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("****")), fm.horizontalAdvance(QStringLiteral("    ")));
    quorix::testing::snapshot(del, QStringLiteral("dlgDeleteList-natural"));
}

TEST_F(StoragePanels, PreferencesRefuseOrder21AndWriteNothing) {
    const auto file = std::filesystem::path(dir.path().toStdString()) / "QuorixPreferences.bas";
    PreferencesPanel p(ctx);
    auto* tabs = p.findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 12);
    EXPECT_EQ(tabs->tabText(0), "General Defaults");
    EXPECT_EQ(tabs->tabText(11), "Panel Defaults (3)");
    auto* order = p.findChild<QLineEdit*>("txtGroupOrder");
    EXPECT_EQ(order->text().toInt(), 6);
    EXPECT_EQ(p.findChild<QComboBox*>("cboTraceOptions")->currentIndex(), 2);
    EXPECT_TRUE(p.findChild<QRadioButton*>("optSLreductiveNames")->isChecked());
    EXPECT_TRUE(p.findChild<QCheckBox*>("chkSGcreateViews")->isChecked());
    // Option pairs read left to right as listed: original before reductive
    // names, alphabetical before generated sequence.
    auto x = [&](const char* name) { return p.findChild<QRadioButton*>(name)->x(); };
    EXPECT_LT(x("optCGoriginalNames"), x("optCGreductiveNames"));
    EXPECT_LT(x("optDSGalphabeticalSequence"), x("optDSGsequenceGenerated"));
    EXPECT_LT(x("optGGLalphabeticalSequence"), x("optGGLsequenceGenerated"));
    EXPECT_TRUE(p.findChild<QWidget*>("fraPanel2")->toolTip().contains("Delete Selected Groups"));
    tabs->setCurrentIndex(10);
    quorix::testing::snapshot(p, QStringLiteral("dlgPreferences-panel-defaults-2"));
    tabs->setCurrentIndex(0);
    quorix::testing::snapshot(p, QStringLiteral("dlgPreferences"));

    for (const char* bad : {"21", "abc"}) {
        order->setText(QString::fromLatin1(bad));
        p.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_EQ(host.messages.back(), "Order must be an integer from 1 to 20.");
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_EQ(ctx.preferences.String(0), "062011");

    // A view component alone: saved, no restart message.
    order->setText("6");
    host.messages.clear();
    p.findChild<QCheckBox*>("chkSumm5")->setChecked(true);
    p.findChild<QPushButton*>("cmdApply")->click();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ctx.preferences.String(2), "1011100");

    // The general defaults: the restart message.
    order->setText("12");
    p.findChild<QComboBox*>("cboTraceOptions")->setCurrentIndex(3);
    p.findChild<QRadioButton*>("optGGLalphabeticalSequence")->setChecked(true);
    p.findChild<QPushButton*>("cmdApply")->click();
    EXPECT_EQ(
        host.messages,
        (std::vector<std::string>{"Changes to General System Defaults will take effect when QUORIX is restarted."}));
    EXPECT_EQ(ctx.preferences.String(0), "123011");
    EXPECT_EQ(ctx.preferences.String(1), "OGAOROR1ROR");
    std::ifstream in(file);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first.substr(0, 6), "123011");
}
