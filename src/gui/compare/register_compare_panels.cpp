#include "gui/common/panel_registry.h"
#include "gui/compare/compare_panels.h"

namespace quorix::gui {

void RegisterComparePanels(PanelRegistry& registry) {
    using storage::PanelDefault;
    registry.add(
        {QStringLiteral("dlgCompareGroups"), QStringLiteral("Group Comparison"), PanelDefault::GroupComparison,
         QStringLiteral("&Analysis Tools/Compare Groups..."), QStringLiteral("mnuCompareGroups"), false,
         [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new CompareGroupsPanel(c, parent); },
         QString(), 20});
    registry.add({QStringLiteral("dlgShowIsomorphism"), QStringLiteral("Isomorphism"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Isomorphism, in, parent);
                  }});
    registry.add({QStringLiteral("dlgShowHomomorphism"), QStringLiteral("Homomorphism"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Homomorphism, in, parent);
                  }});
    registry.add({QStringLiteral("dlgShowAutomorphism"), QStringLiteral("Automorphism"), PanelDefault::Automorphism,
                  QString(), QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Automorphism, in, parent);
                  }});
    registry.add({QStringLiteral("dlgAutomorphismGroups"), QStringLiteral("Automorphism Group Analyzer"),
                  PanelDefault::CreateViews, QStringLiteral("Special Groups/Automorphism Groups..."),
                  QStringLiteral("mnuAutomorphismGroups"), false,
                  [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
                      return new AutomorphismGroupsPanel(c, parent);
                  },
                  QString(), 100});
}

}  // namespace quorix::gui
