#pragma once
// The associative rings on the selected abelian group (order 20 or less):
// a summary, one entry per ring with its properties, and for the ring asked
// for its multiplication table beside the group's addition table.

#include <QString>
#include <vector>

#include "core/rings/rings.h"
#include "gui/common/panel.h"

class QPushButton;

namespace quorix::gui {

class PanelRegistry;

class RingsPanel : public Panel {
    Q_OBJECT
public:
    explicit RingsPanel(AppContext& context, QWidget* parent = nullptr);

    const GroupPtr& group() const { return group_; }
    const RingList& rings() const { return list_; }
    bool finished() const { return finished_; }
    // The summary line in markup (empty before the search ends).
    std::string summary() const;
    // Shows the tables of the ring at `index` (0-based) beside the list.
    void showRing(int index);
    // Finds the rings (the panel starts it once it is shown).
    void findRings();

private:
    void draw();

    GroupPtr group_;
    RingList list_;
    bool started_ = false;
    bool finished_ = false;
    int shown_ = -1;
    std::vector<QPushButton*> ringButtons_;
    QPushButton* cmdOK_ = nullptr;
};

// Registers dlgAssociativeRings.
void RegisterRingsPanels(PanelRegistry& registry);

}  // namespace quorix::gui
