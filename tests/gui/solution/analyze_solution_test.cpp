// The analysis panel the search opens for each new solution: properties, the
// named groups listed, the heading of an isomorphic solution, and its buttons
// opening their panels for the solution.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "gui/analysis/structure_panel.h"
#include "gui/common/picture_box.h"
#include "gui/graph/graph_panel.h"
#include "gui/rings/rings_panel.h"
#include "gui/gui_test_env.h"
#include "gui/search/main_form.h"
#include "gui/solution/analyze_solution_panel.h"

using namespace quorix;
using namespace quorix::gui;

namespace {

class AnalyzeSolution : public quorix::testing::GuiTest {
protected:
    AnalyzeSolution() { ctx.groups.SetAutosave(false); }
    ~AnalyzeSolution() override {
        form.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Panel*>(w) && w->isVisible()) w->close();
    }

    // A main window searching the groups of an order in Trace off.
    void startSearch(int order) {
        ctx.dialogs.inputBox = [order](const QString&, const QString&, const QString&) -> std::optional<QString> {
            return QString::number(order);
        };
        form = std::make_unique<MainForm>(ctx);
        form->setAnalysisOpener(OpenSolutionAnalysis);
        form->show();
        form->action(QStringLiteral("mnuChangeGroupOrder"))->trigger();
        form->action(QStringLiteral("mnuTraceOff"))->trigger();
    }
    // The analysis of the next solution, the only one shown (null at the end).
    AnalyzeSolutionPanel* next() {
        const int before = form->search().SolutionCount();
        form->getNextSolution();
        EXPECT_TRUE(quorix::testing::settle(*form));
        if (form->search().SolutionCount() <= before) return nullptr;
        std::vector<AnalyzeSolutionPanel*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<AnalyzeSolutionPanel*>(w); p && p->isVisible()) shown.push_back(p);
        if (shown.size() != 1) return nullptr;
        EXPECT_TRUE(quorix::testing::settle(*shown[0]));
        return shown[0];
    }
    static QString text(const Panel& p) { return p.pictureBox()->plainText(); }
    static bool lists(const AnalyzeSolutionPanel& p, NamedGroupKind kind) {
        return std::any_of(p.namedGroups().begin(), p.namedGroups().end(),
                           [kind](const NamedGroupEntry& e) { return e.kind == kind; });
    }

    std::unique_ptr<MainForm> form;
};

}  // namespace

TEST_F(AnalyzeSolution, OrderFourIsCyclicOnceAndTheKleinGroupOnce) {
    startSearch(4);
    QStringList kinds;
    for (int i = 0; i < 2; ++i) {
        AnalyzeSolutionPanel* p = next();  // the analysis before it has closed
        ASSERT_NE(p, nullptr);
        const bool cyclic = text(*p).contains("Cyclic?  Yes");
        EXPECT_EQ(lists(*p, NamedGroupKind::Additive), cyclic);
        EXPECT_EQ(text(*p).contains("This is the Klein four-group."), !cyclic);
        EXPECT_EQ(p->graphKind(), cyclic ? 1 : 2);
        kinds << (cyclic ? "cyclic" : "klein");
        quorix::testing::snapshot(*p, "dlgAnalyzeSolution-4-" + kinds.back());
    }
    kinds.sort();
    EXPECT_EQ(kinds, (QStringList{"cyclic", "klein"}));
}

TEST_F(AnalyzeSolution, OrderSixNamesTheIsomorphAndListsS3WithRowAndColumnGroups) {
    startSearch(6);
    form->findChild<QCheckBox*>(QStringLiteral("chkIncludeIsomorphisms"))->setChecked(true);
    bool sawIsomorph = false, sawS3 = false;
    while (!(sawIsomorph && sawS3)) {
        AnalyzeSolutionPanel* p = next();
        ASSERT_NE(p, nullptr);
        const QString t = text(*p);
        if (form->search().SolutionIsomorph(form->search().SolutionCount()) == 1) {
            sawIsomorph = true;
            const QString first = QString::fromStdString(form->search().Solution(1)->GroupID());
            EXPECT_TRUE(t.contains("--isomorphically equivalent to " + first)) << t.toStdString();
            EXPECT_FALSE(p->findChild<QPushButton*>("cmdShowIsomorphism")->isHidden());
        }
        if (!sawS3 && t.contains("Abelian?  No")) {
            sawS3 = true;
            EXPECT_TRUE(t.contains("Dihedral?  Yes"));
            for (NamedGroupKind k : {NamedGroupKind::Symmetric, NamedGroupKind::Rows, NamedGroupKind::Columns})
                EXPECT_TRUE(lists(*p, k));
            EXPECT_TRUE(p->findChild<QPushButton*>("cmdFindAssociativeRings")->isHidden());
            quorix::testing::snapshot(*p, QStringLiteral("dlgAnalyzeSolution-6"));
        }
    }
}

TEST_F(AnalyzeSolution, OrderSixteenListsNoRowOrColumnGroups) {
    startSearch(16);
    int solutions = 0;
    while (AnalyzeSolutionPanel* p = next()) {
        EXPECT_FALSE(lists(*p, NamedGroupKind::Rows) || lists(*p, NamedGroupKind::Columns));
        if (++solutions == 5) quorix::testing::snapshot(*p, QStringLiteral("dlgAnalyzeSolution-16"));
    }
    EXPECT_EQ(solutions, 14);
}

TEST_F(AnalyzeSolution, ButtonsOpenTheirPanelsForTheSolution) {
    add("Z2xZ4", "Z|@2|xZ|@4|");
    add("perm:2341,4321", "D|@4|");
    add("S3", "S|@3|");
    {
        AnalyzeSolutionPanel abelian(ctx, ctx.groups.At(1), nullptr);
        abelian.show();
        ASSERT_TRUE(quorix::testing::settle(abelian));
        EXPECT_FALSE(lists(abelian, NamedGroupKind::Columns));  // it would equal the row group
        QPushButton* rings = abelian.findChild<QPushButton*>("cmdFindAssociativeRings");
        ASSERT_TRUE(!rings->isHidden() && rings->isEnabled());
        rings->click();
        bool opened = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* r = qobject_cast<RingsPanel*>(w); r && r->isVisible()) {
                opened = true;
                EXPECT_EQ(r->group(), abelian.solution());
            }
        EXPECT_TRUE(opened);
        quorix::testing::snapshot(abelian, QStringLiteral("dlgAnalyzeSolution-8-abelian"));
    }
    const GroupPtr d4 = ctx.groups.At(2);
    AnalyzeSolutionPanel p(ctx, d4, nullptr);
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    quorix::testing::snapshot(p, QStringLiteral("dlgAnalyzeSolution-8-dihedral"));
    for (const char* name : {"cmdSubgroups", "cmdShowCompositionSeries", "cmdShowGraph"})
        p.findChild<QPushButton*>(name)->click();
    int opened = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const QString n = w->objectName();
        if (!w->isVisible() || !(n == "dlgSubgroups" || n == "dlgShowCompositionSeries" || n == "dlgGraph")) continue;
        ++opened;
        if (auto* graph = qobject_cast<GraphPanel*>(w)) {
            EXPECT_EQ(graph->group(), d4);
        }
        if (auto* s = qobject_cast<StructurePanel*>(w)) {
            EXPECT_EQ(s->group(), d4);
        }
    }
    EXPECT_EQ(opened, 3);
    // Not built yet: disabled with a reason.
    if (!ctx.panels.find("dlgShowIsomorphism")) {
        QPushButton* iso = p.findChild<QPushButton*>("cmdShowIsoArray0");
        EXPECT_TRUE(!iso->isEnabled() && !iso->toolTip().isEmpty());
    }
    // View Group writes the listed group's view and shows it.
    ctx.dialogs.saveFile = [](const QString&, const QString&, const QString& proposed) { return proposed; };
    p.findChild<QPushButton*>("cmdShowGroupArray0")->click();
    ASSERT_TRUE(quorix::testing::settle(p));
    bool browser = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        browser = browser || (w->objectName() == "dlgBrowser" && w->isVisible());
    EXPECT_TRUE(browser);
}
