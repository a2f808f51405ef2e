#pragma once
// Registers every panel of the program in the catalogue the menus and the
// common panel code read. Each area of panels adds its own entries.

namespace quorix::gui {

class PanelRegistry;

void RegisterAllPanels(PanelRegistry& registry);

}  // namespace quorix::gui
