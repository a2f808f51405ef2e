// Every panel with long work, closed in the middle of its job: the job
// stops, the panel closes once the engine has returned, nothing escapes and
// nothing is left behind. The main window closes during its searches.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "gui/compare/compare_panels.h"
#include "gui/generators/direct_products_panel.h"
#include "gui/gui_test_env.h"
#include "gui/search/main_form.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class CloseDuringJob : public quorix::testing::GuiTest {
protected:
    CloseDuringJob() {
        ctx.groups.SetAutosave(false);
        add("S5", "S|@5|");
        add("A5", "A|@5|");
        add("Z2xZ2xZ2xZ2", "Z|@2|xZ|@2|xZ|@2|xZ|@2|");
    }
    // Closes `panel` at the first chance its job gives Qt, starts the job,
    // and waits until the panel is gone.
    static void closeWhileWorking(Panel* panel, const std::function<void()>& start = {}) {
        ASSERT_NE(panel, nullptr);
        QPointer<Panel> alive(panel);
        QMetaObject::invokeMethod(
            panel, [panel] { panel->close(); }, Qt::QueuedConnection);
        if (start) start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 60000)) << panel->objectName().toStdString();
    }
    PanelInput onWith(int position, const GroupPtr& other) const {
        PanelInput in = on(position);
        in.other = other;
        return in;
    }
};

TEST_F(CloseDuringJob, PanelsThatStartOnAGroup) {
    for (const char* name :
         {"dlgSubgroups", "dlgShowCompositionSeries", "dlgShowConjugacyClasses", "dlgSubgroupConjugacyClasses",
          "dlgSubgroupLattice", "dlgAnalyzeSolution", "dlgCharacterTable", "dlgSylowSubgroups", "dlgCayleyDiagram"})
        closeWhileWorking(ctx.panels.open(QString::fromLatin1(name), ctx, nullptr, on(1)));
    closeWhileWorking(
        ctx.panels.open(QStringLiteral("dlgShowQuotientGroup"), ctx, nullptr, onWith(1, ctx.groups.At(2))));
    closeWhileWorking(ctx.panels.open(QStringLiteral("dlgAssociativeRings"), ctx, nullptr, on(3)));
    // Nothing was asked, and nothing derived was registered after the close.
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(CloseDuringJob, PanelsThatStartFromAButton) {
    auto* compare = dynamic_cast<CompareGroupsPanel*>(ctx.panels.open(QStringLiteral("dlgCompareGroups"), ctx));
    ASSERT_NE(compare, nullptr);
    compare->setSlot(1, 1);
    closeWhileWorking(compare, [compare] { compare->setSlot(2, 2); });

    auto* products = dynamic_cast<DirectProductsPanel*>(ctx.panels.open(QStringLiteral("dlgDirectProducts"), ctx));
    ASSERT_NE(products, nullptr);
    products->setChosenGroup(0, ctx.groups.At(1));
    products->setChosenGroup(1, ctx.groups.At(3));
    closeWhileWorking(products, [products] { products->compute(); });

    Panel* perm = ctx.panels.open(QStringLiteral("dlgPermutationGroups"), ctx);
    ASSERT_NE(perm, nullptr);
    perm->findChild<QLineEdit*>(QStringLiteral("txtParam"))->setText(QStringLiteral("5"));
    perm->findChild<QPushButton*>(QStringLiteral("cmdContinue"))->click();
    perm->findChild<QRadioButton*>(QStringLiteral("optAutoGenerateOn"))->click();
    perm->findChild<QLineEdit*>(QStringLiteral("txtElement1"))->setText(QStringLiteral("23451"));
    perm->findChild<QLineEdit*>(QStringLiteral("txtElement2"))->setText(QStringLiteral("21345"));
    closeWhileWorking(perm, [perm] { perm->findChild<QPushButton*>(QStringLiteral("cmdGenerate"))->click(); });

    Panel* presented = ctx.panels.open(QStringLiteral("dlgPresentationGroups"), ctx);
    ASSERT_NE(presented, nullptr);
    presented->findChild<QLineEdit*>(QStringLiteral("txtPresentation"))
        ->setText(QStringLiteral("<a,b | a^2, b^3>"));  // infinite: enumerates until stopped
    closeWhileWorking(presented,
                      [presented] { presented->findChild<QPushButton*>(QStringLiteral("cmdGenerate"))->click(); });
    EXPECT_EQ(ctx.groups.Count(), 3);  // nothing generated was registered
}

TEST_F(CloseDuringJob, MainWindowClosesDuringItsSearches) {
    for (const char* mode : {"mnuFastTrace", "mnuTraceOff"}) {
        QPointer<MainForm> form = new MainForm(ctx);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        form->action(QString::fromLatin1(mode))->trigger();
        QMetaObject::invokeMethod(
            form, [form] { form->close(); }, Qt::QueuedConnection);
        form->findChild<QPushButton*>(QStringLiteral("cmdGetNextSolution"))->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }, 60000)) << mode;
    }
}

}  // namespace
