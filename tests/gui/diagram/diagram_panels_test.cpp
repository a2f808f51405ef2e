// The Cayley diagram and cycle graph panels: generators ticked in order,
// layouts, element and coset colouring, dragging, saving, and Show Graph
// falling back to the diagram.
#include <gtest/gtest.h>

#include <atomic>

#include <QAction>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "core/group/group_spec.h"
#include "gui/diagram/diagram_panels.h"
#include "gui/diagram/diagram_scene.h"
#include "gui/display/show_group_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix;
using namespace quorix::gui;

class DiagramGui : public quorix::testing::GuiTest {};

namespace {

GroupPtr Named(const char* spec, const char* id) {
    GroupPtr g = MakeGroupFromSpec(spec);
    g->SetGroupID(id);
    return g;
}

QListWidgetItem* GeneratorItem(QListWidget* list, int position) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == position) return list->item(i);
    return nullptr;
}

}  // namespace

TEST_F(DiagramGui, GeneratorsLayoutsSelectionCosetsAndSaving) {
    CayleyDiagramPanel p(ctx, Named("S4", "S|@4|"));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    const Group& g = *p.group();
    ASSERT_EQ(p.generators().size(), 2u);
    EXPECT_EQ(p.scene().nodeCount(), 24);
    quorix::testing::snapshot(p, QStringLiteral("dlgCayleyDiagram-S4"));

    // Ticking a third generator appends it; unticking the first leaves a
    // subgroup, and the note says so.
    auto* list = p.findChild<QListWidget*>("lstGenerators");
    int transposition = 0;
    for (const char* t : {"1324", "2134", "1243"}) {
        const int k = g.positionOf(g.SourceElementIndex(t));
        if (std::find(p.generators().begin(), p.generators().end(), k) == p.generators().end()) transposition = k;
    }
    GeneratorItem(list, transposition)->setCheckState(Qt::Checked);
    ASSERT_EQ(p.generators().size(), 3u);
    EXPECT_EQ(p.generators().back(), transposition);
    EXPECT_TRUE(p.diagram().generatesGroup);
    quorix::testing::snapshot(p, QStringLiteral("dlgCayleyDiagram-S4-three"));
    const std::vector<int> three = p.generators();
    for (int k : {three[1], three[2]}) GeneratorItem(list, k)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(p.generators().size(), 1u);
    EXPECT_FALSE(p.diagram().generatesGroup);
    EXPECT_TRUE(p.findChild<QLabel*>("lblNote")->text().contains(QStringLiteral("left cosets")));
    p.setGenerators(three);

    p.findChild<QComboBox*>("cboLayout")->setCurrentIndex(2);
    EXPECT_EQ(p.scene().nodeCount(), 24);

    // An element picked in the list is outlined; a click on a node picks it.
    p.findChild<QListWidget*>("lstElements")->setCurrentRow(5);
    EXPECT_EQ(p.scene().highlighted(), 5);
    p.scene().onNodeClicked(7);
    EXPECT_EQ(p.scene().highlighted(), 7);
    EXPECT_EQ(p.findChild<QListWidget*>("lstElements")->currentRow(), 7);

    // Colouring by the left cosets of a subgroup of order 3: x and xh share a colour.
    int index = -1;
    for (std::size_t s = 0; s < p.subgroups().size(); ++s)
        if (p.subgroups()[s].count() == 3) index = static_cast<int>(s);
    ASSERT_GE(index, 0);
    p.findChild<QComboBox*>("cboSubgroup")->setCurrentIndex(index + 1);
    const ElementSet& h = p.subgroups()[static_cast<std::size_t>(index)];
    int distinct = 0;
    for (int x = 1; x <= 24; ++x)
        for (int k = 1; k <= 24; ++k)
            if (h.test(static_cast<std::size_t>(k))) {
                EXPECT_EQ(p.scene().nodeFill(x - 1), p.scene().nodeFill(g.mul(x, k) - 1));
                distinct += p.scene().nodeFill(x - 1) != p.scene().nodeFill(0);
            }
    EXPECT_GT(distinct, 0);
    quorix::testing::snapshot(p, QStringLiteral("dlgCayleyDiagram-S4-cosets"));

    // A dragged node keeps its place in what is saved.
    p.scene().moveNode(0, QPointF(40, 60));
    EXPECT_EQ(p.scene().picture().nodes[0].at.x, 40);
    std::string dir = std::string(::testing::TempDir()) + "quorix_diagram_gui_XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    const QString base = QString::fromStdString(dir) + QStringLiteral("/s4");
    ASSERT_TRUE(p.saveDiagram(base + QStringLiteral(".png")));
    EXPECT_FALSE(QImage(base + QStringLiteral(".png")).isNull());
    // One dragged outside the frame stays inside the SVG's picture.
    const diagram::Picture framed = p.scene().picture();
    p.scene().moveNode(1, QPointF(framed.width + 60, -28));
    ASSERT_TRUE(p.saveDiagram(base + QStringLiteral(".svg")));
    QFile svg(base + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    const qsizetype at = text.indexOf(QStringLiteral("viewBox=\"")) + 9;
    const QStringList box = text.mid(at, text.indexOf(QLatin1Char('"'), at) - at).split(QLatin1Char(' '));
    ASSERT_EQ(box.size(), 4);
    EXPECT_LE(box[1].toDouble(), -28 - framed.nodeRadius);
    EXPECT_GE(box[0].toDouble() + box[2].toDouble(), framed.width + 60 + framed.nodeRadius);
    ASSERT_TRUE(p.saveDiagram(base + QStringLiteral(".tex")));
    EXPECT_TRUE(p.tikz().contains(QStringLiteral("\\begin{tikzpicture}")));
    EXPECT_FALSE(p.saveDiagram(QString::fromStdString(dir) + QStringLiteral("/missing/s4.svg")));
    EXPECT_EQ(host.messages.size(), 1u);
    std::filesystem::remove_all(dir);
}

TEST_F(DiagramGui, SubgroupsAreFoundOnceShownAndHaltKeepsTheDiagram) {
    CayleyDiagramPanel p(ctx, Named("S5", "S|@5|"));
    auto* subgroups = p.findChild<QComboBox*>("cboSubgroup");
    EXPECT_TRUE(p.startPending());
    EXPECT_EQ(subgroups->count(), 0);
    std::atomic<bool> halted{false};
    // Halt as soon as the enumeration reports.
    p.setWorkerHook([&halted](const std::string&, quorix::Progress& progress) {
        halted = true;
        progress.RequestStop();
    });
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_TRUE(halted);
    EXPECT_EQ(p.scene().nodeCount(), 120);
    EXPECT_TRUE(p.subgroups().empty());
    EXPECT_EQ(subgroups->count(), 1);  // "(none: element colours)"
}

TEST_F(DiagramGui, CycleGraphAndTheMenuEntries) {
    CycleGraphPanel c(ctx, Named("Z2xZ6", "Z|@2| x Z|@6|"));
    c.show();
    EXPECT_EQ(c.graph().cycles.size(), 3u);
    EXPECT_EQ(c.scene().nodeCount(), 12);
    quorix::testing::snapshot(c, QStringLiteral("dlgCycleGraph-Z2xZ6"));
    // Past their sizes both panels say so at once instead of drawing for
    // seconds; the force layout is not offered past its own.
    const GroupPtr s7 = Named("S7", "S|@7|");
    CycleGraphPanel big(ctx, s7);
    EXPECT_EQ(big.scene().nodeCount(), 0);
    EXPECT_TRUE(big.findChild<QLabel*>("lblNote")->text().contains("(5040 elements) is too large"));
    CayleyDiagramPanel diagram(ctx, s7);
    diagram.show();
    ASSERT_TRUE(quorix::testing::settle(diagram));
    EXPECT_EQ(diagram.scene().nodeCount(), 0);
    EXPECT_TRUE(diagram.findChild<QLabel*>("lblNote")->text().contains("(5040 elements) is too large"));
    quorix::testing::snapshot(diagram, QStringLiteral("dlgCayleyDiagram-S7"));
    EXPECT_EQ(CayleyDiagramLayoutFor(*Named("S5", "S|@5|"), diagram::Layout::Force), diagram::Layout::Force);
    EXPECT_EQ(CayleyDiagramLayoutFor(*s7, diagram::Layout::Force), diagram::Layout::Rings);
    for (const char* name : {"dlgCayleyDiagram", "dlgCycleGraph"}) {
        const PanelEntry* e = ctx.panels.find(QString::fromLatin1(name));
        ASSERT_TRUE(e && e->create) << name;
        EXPECT_TRUE(e->menuPath.startsWith(QStringLiteral("&Analysis Tools/"))) << name;
    }
}

TEST_F(DiagramGui, ShowGraphOpensTheDiagramWhereNoFixedLayoutFits) {
    add("S4", "S|@4|");
    ShowGroupPanel show(ctx, on(1));
    show.show();
    show.findChild<QPushButton*>("cmdShowGraph")->click();
    CayleyDiagramPanel* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CayleyDiagramPanel*>(w)) opened = d;
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->group()->order(), 24);
    opened->close();
}

TEST_F(DiagramGui, TitlesAndProposedFileNamesWriteTheGroupLikeEveryTitle) {
    QString proposed;
    ctx.dialogs.saveFile = [&proposed](const QString&, const QString&, const QString& name) {
        proposed = name;
        return QString();
    };
    CayleyDiagramPanel p(ctx, Named("D4", "D|@4|"));
    p.show();
    ASSERT_TRUE(quorix::testing::settle(p));
    EXPECT_EQ(p.windowTitle(), "D4 Cayley Diagram");
    p.findChild<QAction*>("mnuSaveDiagram")->trigger();
    EXPECT_EQ(proposed, "D4.png");
    CycleGraphPanel c(ctx, Named("Z2xZ6", "Z|@2| x Z|@6|"));
    EXPECT_EQ(c.windowTitle(), "Z2 x Z6 Cycle Graph");
}
