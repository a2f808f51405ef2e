#pragma once
// dlgCayleyDiagram: the Cayley diagram of a group for generators the user
// ticks, in the rings, grid or force layout; nodes can be dragged, an
// element picked in the list is outlined, and the cosets of a chosen
// subgroup can colour the nodes. dlgCycleGraph: the group's cycle graph.
// Both save PNG, SVG and TikZ and copy TikZ to the clipboard.

#include <vector>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "core/group/group.h"
#include "gui/common/panel.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class DiagramScene;
class DiagramView;
class PanelRegistry;

// The force layout places every pair of nodes, which outgrows a second past
// this many elements; a larger group is drawn in the rings layout instead.
inline constexpr int kForceLayoutMaxOrder = 200;
// The layout a Cayley diagram of g is drawn in when `wanted` is asked for.
diagram::Layout CayleyDiagramLayoutFor(const Group& g, diagram::Layout wanted);
// A Cayley diagram of more elements than this takes many seconds to draw
// and shows no more than a blur of its nodes: the panel says so instead.
inline constexpr int kCayleyDiagramPanelMaxOrder = 720;
// The cycle graph's picture grows with its cycles' arcs (S6: 70,000 pixels a
// side): past this many elements the panel says so instead of drawing it,
// and the command-line tool writes it (cyclegraph).
inline constexpr int kCycleGraphPanelMaxOrder = 400;

// What the two panels share: the view with its zoom buttons, Choose Group,
// and saving the picture.
class DiagramPanelBase : public Panel {
    Q_OBJECT
public:
    DiagramScene& scene() const { return *scene_; }
    DiagramView& view() const { return *view_; }
    const GroupPtr& group() const { return group_; }
    // Writes the picture as the file's extension says (.png, .svg, .tex/.tikz);
    // false, with a message, when it cannot.
    bool saveDiagram(const QString& file);
    QString tikz() const;

protected:
    DiagramPanelBase(AppContext& context, const QString& name, const QString& caption, QWidget* parent);
    virtual void showGroup(const GroupPtr& group) = 0;
    // The top of the area below the buttons, in twips.
    static constexpr long kTop = 600;

    GroupPtr group_;
    DiagramScene* scene_ = nullptr;
    DiagramView* view_ = nullptr;
};

class CayleyDiagramPanel : public DiagramPanelBase {
    Q_OBJECT
public:
    // Shows the diagram of `group` for a small generating set; an empty
    // group waits for Choose Group.
    CayleyDiagramPanel(AppContext& context, GroupPtr group, QWidget* parent = nullptr);

    void showGroup(const GroupPtr& group) override;
    // Reductive positions, in the order of the layout's chain.
    void setGenerators(const std::vector<int>& generators);
    const std::vector<int>& generators() const { return generators_; }
    void setLayout(diagram::Layout layout);
    const diagram::CayleyDiagram& diagram() const { return diagram_; }
    // Outlines the element's node (0: none) and selects it in the list.
    void selectElement(int position);
    // Colours the nodes by the left or right cosets of subgroup `index` of
    // the subgroup list (-1: the elements' own colours, as in the table).
    void colourByCosets(int index, bool left);
    const std::vector<ElementSet>& subgroups() const { return subgroups_; }

private:
    void rebuild();
    void fillLists();
    void fillSubgroupList();
    void findSubgroups();

    std::vector<int> generators_;
    diagram::Layout layout_ = diagram::Layout::Rings;
    diagram::CayleyDiagram diagram_;
    std::vector<ElementSet> subgroups_;
    bool filling_ = false;
    QPushButton* cmdChooseGroup_ = nullptr;
    QComboBox* cboLayout_ = nullptr;
    QListWidget* lstGenerators_ = nullptr;
    QListWidget* lstElements_ = nullptr;
    QComboBox* cboSubgroup_ = nullptr;
    QRadioButton* optLeft_ = nullptr;
    QRadioButton* optRight_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

class CycleGraphPanel : public DiagramPanelBase {
    Q_OBJECT
public:
    CycleGraphPanel(AppContext& context, GroupPtr group, QWidget* parent = nullptr);
    void showGroup(const GroupPtr& group) override;
    const diagram::CycleGraph& graph() const { return graph_; }

private:
    diagram::CycleGraph graph_;
    QLabel* lblNote_ = nullptr;
};

// Opens the Cayley diagram of a group in a window of its own (the group
// display's and the solution analysis's buttons).
void OpenCayleyDiagram(AppContext& context, const GroupPtr& group, QWidget* parent);

void RegisterDiagramPanels(PanelRegistry& registry);

}  // namespace quorix::gui
