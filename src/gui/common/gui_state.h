#pragma once
// Program-wide state shared by the panels.

#include <string>

namespace quorix::gui {

struct GuiState {
    // Drag scrolling of picture boxes; the initial value comes from the
    // preferences at start-up.
    bool scrollingEnabled = true;
    bool savedScrolling = true;    // kept while the processing indicator shows
    bool dragging = false;
    long dragStartX = 0;
    long dragStartY = 0;

    // The group the next panel works on: a register position, -1 none yet,
    // -999 no choice made (the chooser's sentinel).
    int selectedGroup = -1;

    // Notices: "NotAnError" while a notice (not an error) is being shown, and
    // the do-not-show-again box of the last notice closed with OK.
    std::string messageKind;
    bool doNotShowAgain = false;
};

GuiState& guiState();

inline constexpr int kNoChoice = -999;

}  // namespace quorix::gui
