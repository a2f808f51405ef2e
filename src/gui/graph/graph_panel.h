#pragma once
// dlgGraph: the Cayley graph of the selected group, drawn in the picture box
// from the layout of core/display/cayley_graph.h.

#include "core/group/group.h"
#include "core/display/cayley_graph.h"
#include "gui/common/panel.h"

class QPushButton;

namespace quorix::gui {

class PanelRegistry;

// Which graph suits a group: kind 1 cyclic, 2 dihedral or Klein four-group,
// 3 a direct product of two cyclic factors of orders m and k (as found by
// the direct-product recogniser), 0 none.
struct GraphChoice {
    int kind = 0;
    int m = 0, k = 0;
};
GraphChoice ChooseCayleyGraph(const GroupPtr& g, AppContext& context);

class GraphPanel : public Panel {
    Q_OBJECT
public:
    // Draws the register entry at the selected group (empty when none).
    GraphPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);

    const GroupPtr& group() const { return group_; }
    const GraphChoice& choice() const { return choice_; }
    const graph::CayleyGraph& layout() const { return layout_; }

private:
    void draw();

    GroupPtr group_;
    GraphChoice choice_;
    graph::CayleyGraph layout_;
    QPushButton* cmdOK_ = nullptr;
};

void RegisterGraphPanels(PanelRegistry& registry);

}  // namespace quorix::gui
