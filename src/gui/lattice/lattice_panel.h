#pragma once
// dlgSubgroupLattice: the subgroup lattice of a registered group drawn in
// the picture box from the layout of core/lattice/lattice.h. A click on a
// node selects its subgroup: its elements are listed beside the picture, and
// Show Group / Organise Table by It open the group display for it.

#include "core/group/group.h"
#include "core/lattice/lattice.h"
#include "gui/common/panel.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace quorix::gui {

class PanelRegistry;

class LatticePanel : public Panel {
    Q_OBJECT
public:
    // Shows the lattice of the selected group, if one is selected.
    LatticePanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);

    const lattice::Lattice& layout() const { return lattice_; }
    int selectedNode() const { return selected_; }
    double zoom() const { return zoom_; }
    // Computes and draws the lattice of the register entry at `position`.
    void showGroup(const GroupPtr& group);
    // Selects a node (-1: none), as a click on it does.
    void selectNode(int node);
    // The node whose circle holds the point (twips of the picture box), -1 if none.
    int nodeAt(long x, long y) const;

private:
    void build();
    void showLattice();
    void draw();
    void setZoom(double zoom);
    void showSubgroupGroup();
    void organiseBySubgroup();

    GroupPtr group_;
    lattice::Lattice lattice_;
    bool classesChosen_ = false;  // the user toggled the view
    int selected_ = -1;
    double zoom_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    QPushButton* cmdChooseGroup_ = nullptr;
    QCheckBox* chkClasses_ = nullptr;
    QPushButton* cmdZoomIn_ = nullptr;
    QPushButton* cmdZoomOut_ = nullptr;
    QPushButton* cmdShowGroup_ = nullptr;
    QPushButton* cmdOrganise_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QLabel* lblSelected_ = nullptr;
    QListWidget* lstElements_ = nullptr;
};

void RegisterLatticePanels(PanelRegistry& registry);

}  // namespace quorix::gui
