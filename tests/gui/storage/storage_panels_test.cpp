// The group list, the chooser, the deletion panel and the preferences panel
// driven through their controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/group/group_spec.h"
#include "gui/common/app_context.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/common/picture_box.h"
#include "gui/gui_test_env.h"
#include "gui/storage/delete_list_panel.h"
#include "gui/storage/group_list_panel.h"
#include "gui/storage/group_order.h"
#include "gui/storage/notice_panel.h"
#include "gui/storage/preferences_panel.h"
#include "support/fake_host.h"

using namespace quorix;
using namespace quorix::gui;
using quorix::testing::FakeHost;

namespace {

class StoragePanels : public ::testing::Test {
protected:
    void SetUp() override {
        quorix::testing::guiApp();
        guiState() = GuiState{};
        dialogHooks() = DialogHooks{};
        dialogHooks().runModal = [this](QDialog& d) {
            modal.push_back(d.objectName());
            if (script) script(d);
        };
        resetAppContext(dir.path().toStdString());
        groupRegister().SetAutosave(false);
    }
    void TearDown() override { dialogHooks() = DialogHooks{}; }

    void add(const char* spec, const std::string& id) { groupRegister().RegisterGroup(MakeGroupFromSpec(spec), id); }
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

    QTemporaryDir dir;
    FakeHost host;
    std::vector<QString> modal;
    std::function<void(QDialog&)> script;
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

TEST(GroupOrder, AlphabeticalScanMatchesASortAndDetectsDuplicates) {
    bool complete = false;
    const std::vector<std::string> ids = {"Z|@4|", "S|@3|", "Group #4-2", "Group #4-1", "A|@4|", "a"};
    EXPECT_EQ(AlphabeticalPositions(ids, complete), (std::vector<int>{5, 4, 3, 2, 1, 6}));
    EXPECT_TRUE(complete);
    const std::vector<std::string> dup = {"B", "A", "B"};
    EXPECT_EQ(AlphabeticalPositions(dup, complete), (std::vector<int>{2, 1}));
    EXPECT_FALSE(complete);
    EXPECT_TRUE(AlphabeticalPositions({}, complete).empty());
    EXPECT_TRUE(complete);
}

TEST_F(StoragePanels, ChooserReturnsTheChosenPositionOrMinus999) {
    add("S3", "S|@3|");
    add("Z4", "Z|@4|");
    add("Z2", "A-first");
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        EXPECT_TRUE(p.chooserMode());
        EXPECT_EQ(p.windowTitle(), "Choose Group");
        EXPECT_EQ(p.findChild<QPushButton*>("cmdOK")->text(), "&Cancel");
        EXPECT_TRUE(p.pictureBox()->plainText().startsWith("Choose a group:"));
        EXPECT_EQ(texts(p.list()), (QStringList{"S3", "Z4", "A-first"}));   // sequence generated
        quorix::testing::snapshot(p, QStringLiteral("dlgGroupList-chooser"));
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    EXPECT_EQ(ChooseGroup(), kNoChoice);
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        p.findChild<QRadioButton*>("optAlphabeticalSequence")->click();
        EXPECT_EQ(texts(p.list()), (QStringList{"A-first", "S3", "Z4"}));
        p.list()->setCurrentRow(1);
        p.findChild<QPushButton*>("cmdChooseGroup")->click();
    };
    EXPECT_EQ(ChooseGroup(), 1);
    EXPECT_EQ(modal.size(), 2u);
}

TEST_F(StoragePanels, ListModeHasNoChooseButtonAndShowGroupExplainsItself) {
    add("S3", "S|@3|");
    guiState().selectedGroup = 0;
    GroupListPanel p;
    EXPECT_FALSE(p.chooserMode());
    EXPECT_TRUE(p.pictureBox()->plainText().startsWith("GENERATED GROUP LIST:"));
    EXPECT_TRUE(p.findChild<QPushButton*>("cmdChooseGroup")->isHidden());
    QPushButton* show = p.findChild<QPushButton*>("cmdShowGroup");
    EXPECT_FALSE(show->isEnabled());
    EXPECT_FALSE(show->toolTip().isEmpty());
    EXPECT_EQ(p.list()->currentRow(), 0);
}

TEST_F(StoragePanels, EmptyRegisterGivesNoListAndNoChoice) {
    script = [](QDialog& d) {
        auto& p = dynamic_cast<GroupListPanel&>(d);
        EXPECT_TRUE(p.pictureBox()->plainText().contains("No groups have been generated."));
        EXPECT_TRUE(p.list()->isHidden());
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    EXPECT_EQ(ChooseGroup(), kNoChoice);
}

TEST_F(StoragePanels, DeletingABaseGroupDragsItsDerivedGroupsAlong) {
    add("S3", "S|@3|");                       // 1
    add("Z2", "Z|@2|");                       // 2
    add("S3xZ2", "S|@3|xZ|@2|");              // 3
    add("Z3", "Subgroup3-1(S|@3|)");          // 4
    add("Z4", "S|@30|");                      // 5: only begins alike
    add("Z5", "Group #5-1");                  // 6
    add("Z6", "Z|@6|");                       // 7
    int notices = 0;
    script = [&](QDialog& d) {
        auto& n = dynamic_cast<NoticePanel&>(d);
        ++notices;
        EXPECT_TRUE(n.picbox()->plainText().contains("have also been added to the Delete List"));
        n.okButton()->click();
    };
    DeleteListPanel p;
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
    EXPECT_EQ(groupRegister().Count(), 7);
    EXPECT_EQ(host.questions.back(),
              "Group Deletion: Do you really want to delete all of the groups in the Delete List?");
    host.answers = {true};
    p.findChild<QPushButton*>("cmdDelete")->click();
    std::vector<std::string> left;
    for (const GroupPtr& g : groupRegister().Groups()) left.push_back(g->GroupID());
    EXPECT_EQ(left, (std::vector<std::string>{"Z|@2|", "S|@3|xZ|@2|", "S|@30|", "Group #5-1", "Z|@6|"}));
    EXPECT_EQ(host.messages.back(), "All selected groups have been deleted.");
    EXPECT_EQ(p.deleteList()->count(), 0);
    EXPECT_EQ(p.retainList()->count(), 5);

    host.messages.clear();
    p.findChild<QPushButton*>("cmdDelete")->click();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"There are no groups in the Delete List."}));
}

TEST_F(StoragePanels, PreferencesRefuseOrder21AndWriteNothing) {
    const auto file = std::filesystem::path(dir.path().toStdString()) / "QuorixPreferences.bas";
    PreferencesPanel p;
    auto* tabs = p.findChild<QTabWidget*>();
    ASSERT_EQ(tabs->count(), 12);
    EXPECT_EQ(tabs->tabText(0), "General Defaults");
    EXPECT_EQ(tabs->tabText(11), "Panel Defaults (3)");
    auto* order = p.findChild<QLineEdit*>("txtGroupOrder");
    EXPECT_EQ(order->text().toInt(), 6);
    EXPECT_EQ(p.findChild<QComboBox*>("cboTraceOptions")->currentIndex(), 2);
    EXPECT_TRUE(p.findChild<QRadioButton*>("optSLreductiveNames")->isChecked());
    EXPECT_TRUE(p.findChild<QCheckBox*>("chkSGcreateViews")->isChecked());
    quorix::testing::snapshot(p, QStringLiteral("dlgPreferences"));

    for (const char* bad : {"21", "abc"}) {
        order->setText(QString::fromLatin1(bad));
        p.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_EQ(host.messages.back(), "Order must be an integer from 1 to 20.");
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_EQ(preferences().String(0), "062011");

    // A view component alone: saved, no restart message.
    order->setText("6");
    host.messages.clear();
    p.findChild<QCheckBox*>("chkSumm5")->setChecked(true);
    p.findChild<QPushButton*>("cmdApply")->click();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(preferences().String(2), "1011100");

    // The general defaults: the restart message.
    order->setText("12");
    p.findChild<QComboBox*>("cboTraceOptions")->setCurrentIndex(3);
    p.findChild<QRadioButton*>("optGGLalphabeticalSequence")->setChecked(true);
    p.findChild<QPushButton*>("cmdApply")->click();
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"Changes to General System Defaults will take effect when QUORIX is restarted."}));
    EXPECT_EQ(preferences().String(0), "123011");
    EXPECT_EQ(preferences().String(1), "OGAOROR1ROR");
    std::ifstream in(file);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first.substr(0, 6), "123011");
}
