#include "gui/panels.h"

#include "gui/analysis/analysis_panels.h"
#include "gui/characters/characters_panels.h"
#include "gui/common/panel_registry.h"
#include "gui/compare/compare_panels.h"
#include "gui/counting/counting_panel.h"
#include "gui/display/show_group_panel.h"
#include "gui/generators/generator_panel.h"
#include "gui/diagram/diagram_panels.h"
#include "gui/graph/graph_panel.h"
#include "gui/rings/rings_panel.h"
#include "gui/lattice/lattice_panel.h"
#include "gui/perm/perm_group_panel.h"
#include "gui/perm/rubik_panel.h"
#include "gui/solution/analyze_solution_panel.h"
#include "gui/storage/group_list_panel.h"

namespace quorix::gui {

void RegisterAllPanels(PanelRegistry& registry) {
    RegisterStoragePanels(registry);
    RegisterGeneratorPanels(registry);
    RegisterDisplayPanels(registry);
    RegisterAnalysisPanels(registry);
    RegisterCharactersPanels(registry);
    RegisterComparePanels(registry);
    RegisterGraphPanels(registry);
    RegisterDiagramPanels(registry);
    RegisterLatticePanels(registry);
    RegisterSolutionPanels(registry);
    RegisterRingsPanels(registry);
    RegisterCountingPanels(registry);
    RegisterPermPanels(registry);
    RegisterRubikPanel(registry);
}

}  // namespace quorix::gui
