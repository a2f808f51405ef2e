#include "gui/common/gui_state.h"

namespace quorix::gui {

GuiState& guiState() {
    static GuiState state;
    return state;
}

}  // namespace quorix::gui
