#pragma once
// dlgOptimizingRules: the five switches of the search's optimizing rules.

#include <array>

#include "gui/common/panel.h"

class QCheckBox;

namespace quorix {
class CayleySearch;
}

namespace quorix::gui {

class OptimizingRulesPanel : public Panel {
    Q_OBJECT
public:
    OptimizingRulesPanel(AppContext& context, CayleySearch& search, QWidget* parent = nullptr);
    // The panel was closed with OK (and the question answered Yes).
    bool rulesChanged() const { return rulesChanged_; }

private:
    CayleySearch& search_;
    std::array<QCheckBox*, 5> boxes_{};
    bool rulesChanged_ = false;
};

}  // namespace quorix::gui
