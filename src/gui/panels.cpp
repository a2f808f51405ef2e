#include "gui/panels.h"

#include "gui/common/panel_registry.h"
#include "gui/generators/generator_panel.h"
#include "gui/storage/group_list_panel.h"

namespace quorix::gui {

void RegisterAllPanels(PanelRegistry& registry) {
    RegisterStoragePanels(registry);
    RegisterGeneratorPanels(registry);
}

}  // namespace quorix::gui
