#pragma once
// The associative rings on the selected abelian group (order 20 or less):
// a summary, one entry per ring with its properties, and for the ring asked
// for its multiplication table beside the group's addition table.

#include <QString>
#include <vector>

#include "core/rings/rings.h"
#include "gui/common/panel.h"

class QAction;
class QPushButton;

namespace quorix::gui {

class PanelRegistry;

class RingsPanel : public Panel {
    Q_OBJECT
public:
    RingsPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);

    const GroupPtr& group() const { return group_; }
    const RingList& rings() const { return list_; }
    bool finished() const { return finished_; }
    // The summary line in markup (empty before the search ends).
    std::string summary() const;
    // Shows the tables of the ring at `index` (0-based) beside the list.
    void showRing(int index);
    // Finds the rings (the panel starts it once it is shown).
    void findRings();
    // Ring names (0 for the zero, 1 for the one) or the group's names.
    void setRingNames(bool ringNames);
    // The markup name of reductive position a in the ring shown.
    std::string elementName(int a) const;

private:
    void draw();

    GroupPtr group_;
    RingList list_;
    bool started_ = false;
    bool finished_ = false;
    int shown_ = -1;
    int one_ = 0;  // position of the shown ring's one, 0 when it has none
    bool ringNames_ = true;
    QAction* mnuRingNames_ = nullptr;
    QAction* mnuGroupNames_ = nullptr;
    std::vector<QPushButton*> ringButtons_;
    QPushButton* cmdOK_ = nullptr;
};

// Registers dlgAssociativeRings.
void RegisterRingsPanels(PanelRegistry& registry);

}  // namespace quorix::gui
