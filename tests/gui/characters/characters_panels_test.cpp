// The character table and Sylow panels: drawing, selecting a character, its
// kernel in the group display, the LaTeX copy, the menus and the group
// display's buttons that open them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>

#include "core/group/group_spec.h"
#include "gui/characters/characters_panels.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class CharactersPanels : public quorix::testing::GuiTest {
protected:
    CharactersPanels() { ctx.groups.SetAutosave(false); }
    // The panel of that name a button opened, once its work is done.
    static QWidget* openedPanel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) {
                if (auto* p = qobject_cast<Panel*>(w)) {
                    EXPECT_TRUE(quorix::testing::settle(*p));
                }
                return w;
            }
        return nullptr;
    }
};

TEST_F(CharactersPanels, TableSelectsACharacterAndShowsItsKernel) {
    {
        CharacterTablePanel empty(ctx);
        EXPECT_TRUE(empty.pictureBox()->plainText().contains("Choose a group."));
        EXPECT_FALSE(empty.findChild<QPushButton*>("cmdShowKernel")->isEnabled());
    }
    add("S4", "S|@4|");
    CharacterTablePanel p(ctx, ctx.groups.At(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(p.table().characters.size(), 5u);
    const QString text = p.pictureBox()->plainText();
    EXPECT_TRUE(text.contains("✓ Sum of squared degrees: 1² + 1² + 2² + 3² + 3² = 24 = |G|"));
    EXPECT_FALSE(text.contains("✗"));
    quorix::testing::snapshot(p, QStringLiteral("dlgCharacterTable-S4"));

    // A click on the third row selects the character of degree 2 (kernel V4).
    long y = 0;
    while (p.characterAt(0, y) != 2 && y < 20000) y += 50;
    p.selectCharacter(p.characterAt(0, y));
    ASSERT_EQ(p.selectedCharacter(), 2);
    p.findChild<QPushButton*>("cmdShowKernel")->click();
    ASSERT_EQ(ctx.groups.Count(), 2);
    EXPECT_EQ(ctx.groups.At(2)->Order(), 4);
    QWidget* display = openedPanel("dlgShowGroup");
    ASSERT_NE(display, nullptr);
    display->close();

    p.findChild<QPushButton*>("cmdCopyLatex")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), p.latex());
    EXPECT_NE(p.latex().find("\\chi_{5}"), std::string::npos);
}

TEST_F(CharactersPanels, GL25HasTwentyFourCharactersThatPassTheChecks) {
    add("GL(2,5)", "GL(2,5)");
    CharacterTablePanel p(ctx, ctx.groups.At(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table().characters.size(), 24u);  // q² - 1 classes
    const QString text = p.pictureBox()->plainText();
    EXPECT_TRUE(text.contains("= 480 = |G|"));
    EXPECT_FALSE(text.contains("✗"));
    quorix::testing::snapshot(p, QStringLiteral("dlgCharacterTable-GL25"));
}

TEST_F(CharactersPanels, QuaternionTableHasItsLegendFreeIndicator) {
    add("perm:12345678,25836147,34567812", "Q|@8|");
    CharacterTablePanel p(ctx, ctx.groups.At(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.table().characters.back().indicator, -1);
    add("Z5", "Z|@5|");
    p.showGroup(ctx.groups.At(2));
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(p.pictureBox()->plainText().contains("ζ₅ = e^(2πi/5)"));
    quorix::testing::snapshot(p, QStringLiteral("dlgCharacterTable-Z5"));
}

TEST_F(CharactersPanels, SylowPanelListsConjugatesOnRequest) {
    add("S4", "S|@4|");
    SylowPanel p(ctx, on(1));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    ASSERT_EQ(p.sylow().size(), 2u);
    EXPECT_TRUE(p.sylow()[0].conjugates.empty());
    const QString text = p.pictureBox()->plainText();
    EXPECT_TRUE(text.contains("≡ 1 (mod 2), and 3 divides 24/8 = 3"));
    EXPECT_TRUE(text.contains("Not normal: its normalizer has order 8 and index 3."));
    EXPECT_TRUE(text.contains("[#8-3 D"));
    p.findChild<QCheckBox*>("chkAllConjugates")->setChecked(true);
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.sylow()[1].conjugates.size(), 4u);
    quorix::testing::snapshot(p, QStringLiteral("dlgSylowSubgroups-S4"));
}

TEST_F(CharactersPanels, MenusAndTheGroupDisplayOpenThem) {
    for (const char* name : {"dlgCharacterTable", "dlgSylowSubgroups"}) {
        const PanelEntry* e = ctx.panels.find(QString::fromLatin1(name));
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->menuPath.startsWith("&Analysis Tools/"));
    }
    add("S3", "S|@3|");
    ShowGroupPanel display(ctx, on(1));
    display.show();
    for (const char* button : {"cmdCharacterTable", "cmdSylowSubgroups"}) {
        QPushButton* b = display.findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr);
        EXPECT_TRUE(b->isVisible());
        b->click();
    }
    auto* table = dynamic_cast<CharacterTablePanel*>(openedPanel("dlgCharacterTable"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->table().characters.size(), 3u);
    auto* sylow = dynamic_cast<SylowPanel*>(openedPanel("dlgSylowSubgroups"));
    ASSERT_NE(sylow, nullptr);
    EXPECT_EQ(sylow->sylow().size(), 2u);
    table->close();
    sylow->close();
}

}  // namespace
