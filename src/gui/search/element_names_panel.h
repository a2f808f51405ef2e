#pragma once
// dlgChangeElementNames: names of the search's elements 1..15 for tables
// typed by hand.

#include <array>

#include "gui/common/panel.h"

class QLineEdit;

namespace quorix {
class CayleySearch;
}

namespace quorix::gui {

// Shared with the search panel: whether some name differs from its code and
// the length of the longest name.
struct ElementNameState {
    bool customNamesInUse = false;
    int longestNameLength = 0;
};

class ElementNamesPanel : public Panel {
    Q_OBJECT
public:
    ElementNamesPanel(AppContext& context, CayleySearch& search, ElementNameState& state, QWidget* parent = nullptr);

    QLineEdit* box(int k) const { return boxes_[static_cast<std::size_t>(k)]; }
    // OK: checks, stores and closes; false when a name was refused.
    bool store();

protected:
    void showEvent(QShowEvent* e) override;

private:
    CayleySearch& search_;
    ElementNameState& state_;
    std::array<QLineEdit*, 15> boxes_{};
};

}  // namespace quorix::gui
