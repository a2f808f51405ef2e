#pragma once
// State of the user interface that lasts for the whole run (it lives in the
// AppContext). Panels get what they work on as their input when they open
// (PanelInput), never through this.

namespace quorix::gui {

struct GuiState {
    // Drag scrolling of picture boxes; the initial value comes from the
    // preferences at start-up.
    bool scrollingEnabled = true;
    bool dragging = false;
    long dragStartX = 0;
    long dragStartY = 0;

    // The user ticked "Do not show this message again." on the notice about
    // derived groups added to the Delete List.
    bool derivedNoticeOff = false;
};

}  // namespace quorix::gui
