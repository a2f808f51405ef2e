#include "gui/common/panel_registry.h"
#include "gui/compare/compare_panels.h"

namespace quorix::gui {

void RegisterComparePanels(PanelRegistry& registry) {
    using storage::PanelDefault;
    registry.add({QStringLiteral("dlgCompareGroups"), QStringLiteral("Group Comparison"), PanelDefault::GroupComparison,
                  QStringLiteral("&Analysis Tools/Compare Groups..."), QStringLiteral("mnuCompareGroups"), false,
                  [](AppContext& c, QWidget* parent) -> Panel* { return new CompareGroupsPanel(c, parent); }});
    registry.add({QStringLiteral("dlgShowIsomorphism"), QStringLiteral("Isomorphism"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Isomorphism, parent);
                  }});
    registry.add({QStringLiteral("dlgShowHomomorphism"), QStringLiteral("Homomorphism"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Homomorphism, parent);
                  }});
    registry.add({QStringLiteral("dlgShowAutomorphism"), QStringLiteral("Automorphism"), PanelDefault::Automorphism,
                  QString(), QString(), false, [](AppContext& c, QWidget* parent) -> Panel* {
                      return new MappingPanel(c, MappingPanel::Kind::Automorphism, parent);
                  }});
    registry.add({QStringLiteral("dlgAutomorphismGroups"), QStringLiteral("Automorphism Group Analyzer"),
                  PanelDefault::CreateViews, QStringLiteral("Special Groups/Automorphism Groups..."),
                  QStringLiteral("mnuAutomorphismGroups"), false,
                  [](AppContext& c, QWidget* parent) -> Panel* { return new AutomorphismGroupsPanel(c, parent); }});
}

}  // namespace quorix::gui
