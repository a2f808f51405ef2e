#pragma once
// State the panels of one run share (it lives in the AppContext).

#include <optional>
#include <string>

#include "core/group/group.h"

namespace quorix::gui {

// What a mapping display (isomorphism, homomorphism, automorphism) shows:
// set by the panel that opens it, read at each of its rebuilds.
struct MappingDisplayInput {
    GroupPtr group1, group2;  // the automorphism display uses group1 only
    std::string code;         // automorphism code ("1324")
};

struct GuiState {
    // Drag scrolling of picture boxes; the initial value comes from the
    // preferences at start-up.
    bool scrollingEnabled = true;
    bool savedScrolling = true;  // kept while the processing indicator shows
    bool dragging = false;
    long dragStartX = 0;
    long dragStartY = 0;

    // The group the next analysis panel works on (a register position);
    // none: the panel opens empty and waits for its Choose Group button.
    std::optional<int> selectedGroup;

    // The subgroup (positions in the selected group) by whose cosets the
    // next Show Group panel orders its table's rows and columns; none: the
    // group's own order. The panel that opens Show Group sets it and Show
    // Group takes it (and clears it) when it opens.
    std::optional<ElementSet> organiseBy;

    // The groups of the next mapping display (the mapping text itself is
    // the workbench's shared one).
    MappingDisplayInput mapping;

    // Notices: "NotAnError" while a notice (not an error) is being shown, and
    // the do-not-show-again box of the last notice closed with OK.
    std::string messageKind;
    bool doNotShowAgain = false;
};

}  // namespace quorix::gui
