// The rings panel opened from the group display of an abelian group: the
// summary line, one entry per ring and a ring's tables on request.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include "gui/common/picture_box.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"
#include "gui/rings/rings_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class RingsPanelTest : public quorix::testing::GuiTest {
protected:
    RingsPanelTest() { ctx.groups.SetAutosave(false); }
    ~RingsPanelTest() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Panel*>(w) && w->isVisible()) w->close();
    }
};

}  // namespace

TEST_F(RingsPanelTest, GroupDisplayOpensTheRingsOfAnAbelianGroup) {
    add("Z2xZ2", "Z|@2|xZ|@2|");
    add("S3", "S|@3|");
    {
        ShowGroupPanel nonAbelian(ctx, on(2));
        EXPECT_TRUE(nonAbelian.findChild<QPushButton*>("cmdFindAssociativeRings")->isHidden());
    }
    ShowGroupPanel display(ctx, on(1));
    display.show();
    QPushButton* open = display.findChild<QPushButton*>("cmdFindAssociativeRings");
    ASSERT_FALSE(open->isHidden());
    open->click();
    RingsPanel* rings = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* r = qobject_cast<RingsPanel*>(w)) rings = r;
    ASSERT_NE(rings, nullptr);
    QTRY_VERIFY(rings->finished());
    const QString text = rings->pictureBox()->plainText(QString());
    EXPECT_TRUE(
        text.contains("The abelian group Z2xZ2 carries 8 rings up to isomorphism, 3 with a one, 6 commutative."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("the field of 4 elements"));
    quorix::testing::snapshot(*rings, QStringLiteral("dlgAssociativeRings-Z2xZ2"));
    int field = 0;
    while (!rings->rings().rings[static_cast<std::size_t>(field)].properties.field) ++field;
    rings->findChild<QPushButton*>(QStringLiteral("cmdShowRing%1").arg(field + 1))->click();
    EXPECT_TRUE(rings->pictureBox()->plainText().contains(QStringLiteral("Multiplication of ring %1").arg(field + 1)));
    // The zero reads 0 and the one 1; the group's names on request.
    EXPECT_EQ(rings->elementName(1), "0");
    int ones = 0;
    for (int a = 2; a <= 4; ++a) ones += rings->elementName(a) == "1";
    EXPECT_EQ(ones, 1);
    quorix::testing::snapshot(*rings, QStringLiteral("dlgAssociativeRings-Z2xZ2-field"));
    rings->findChild<QAction*>("mnuGroupNames")->trigger();
    EXPECT_EQ(rings->elementName(1), "1");
}

TEST_F(RingsPanelTest, ALongListStaysWithinReach) {
    add("Z2xZ2xZ2xZ2", "Z|@2|xZ|@2|xZ|@2|xZ|@2|");
    RingsPanel rings(ctx, on(1));
    rings.show();
    QTRY_VERIFY_WITH_TIMEOUT(rings.finished(), 600000);
    EXPECT_EQ(rings.rings().rings.size(), 120u);
    // The last ring's button and line lie inside the scrolled client.
    QCoreApplication::processEvents();
    const QWidget* last = rings.findChild<QPushButton*>(QStringLiteral("cmdShowRing120"));
    ASSERT_NE(last, nullptr);
    EXPECT_LE(last->geometry().bottom(), last->parentWidget()->height());
    EXPECT_GE(rings.pictureBox()->height(), rings.pictureBox()->pictureSize().height());
    quorix::testing::snapshot(rings, QStringLiteral("dlgAssociativeRings-Z2xZ2xZ2xZ2"));
}
