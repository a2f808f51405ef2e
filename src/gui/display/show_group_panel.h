#pragma once
// dlgShowGroup: a group's order, its Cayley table (grid or calculator, in
// original or reductive-mapping names) and its reductive mapping.

#include "core/group/group.h"
#include "gui/common/panel.h"
#include "gui/display/cayley_table.h"

class QAction;
class QPushButton;

namespace quorix::gui {

class PanelRegistry;
class TableGridView;
class TextPager;

// The graph panel lays its nodes out in rows: a larger group's Show Graph
// opens its Cayley diagram instead.
inline constexpr int kMaxRowGraphOrder = 120;

// Which Cayley graph suits the group: 1 cyclic, 2 dihedral or Klein
// four-group (up to kMaxRowGraphOrder elements), 3 a direct product of two
// factors (orders up to 20), 0 none.
int CayleyGraphKind(const GroupPtr& g, AppContext& context);

class ShowGroupPanel : public Panel {
    Q_OBJECT
public:
    // Shows the register entry at the selected group (empty when none).
    ShowGroupPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);

    const GroupPtr& group() const { return group_; }
    TableFormat tableFormat() const { return format_; }
    // The format actually drawn (Default resolved).
    TableFormat drawnFormat() const { return drawn_; }
    bool originalNames() const { return original_; }
    int graphKind() const { return graphKind_; }
    void setTableFormat(TableFormat format);
    void setOriginalNames(bool original);
    const TableCalculator& calculator() const { return calc_; }
    // The zoomable colour grid (picTableGrid), shown in that format.
    TableGridView* gridView() const { return gridView_; }
    // Colours and coset blocks of the grid.
    const TableStyle& tableStyle() const { return style_; }
    void setColours(bool on);
    // Rows and columns by the cosets of this subgroup (positions of the
    // group; an empty set: the group's own order). A set that is no
    // subgroup is refused with a message (false).
    bool setOrganiseBy(const ElementSet& subgroup, bool redraw = true);

private:
    void draw();
    void syncMenus();
    void chooseOrganisingSubgroup();
    void copyLatex();

    GroupPtr group_;
    TableFormat format_ = TableFormat::Default;
    TableFormat drawn_ = TableFormat::Default;
    bool original_ = false;
    int graphKind_ = 0;
    TableCalculator calc_;
    TableGridView* gridView_ = nullptr;
    QPushButton* cmdZoomIn_ = nullptr;
    QPushButton* cmdZoomOut_ = nullptr;
    QPushButton* cmdZoomFit_ = nullptr;
    // The reductive mapping of a large group, a page at a time.
    TextPager* mappingPager_ = nullptr;
    std::size_t mappingPage_ = 0;
    TableStyle style_;
    TableMenu tableMenu_;
    QPushButton* cmdShowGraph_ = nullptr;
    QPushButton* cmdCayleyDiagram_ = nullptr;
    QPushButton* cmdFindAssociativeRings_ = nullptr;
    QPushButton* cmdCharacterTable_ = nullptr;
    QPushButton* cmdSylowSubgroups_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QAction* mnuOriginal_ = nullptr;
    QAction* mnuReductive_ = nullptr;
};

// Registers the display panels with the program's catalogue.
void RegisterDisplayPanels(PanelRegistry& registry);

}  // namespace quorix::gui
