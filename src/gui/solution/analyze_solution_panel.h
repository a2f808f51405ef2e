#pragma once
// dlgAnalyzeSolution: the analysis of a solution of the search: element
// orders, reductive mapping, Cayley table, properties, the named groups it is
// isomorphic to, and buttons to the subgroup, composition-series, graph,
// isomorphism and view panels.

#include <functional>
#include <string>
#include <vector>

#include "core/compare/solution_analysis.h"
#include "core/group/group.h"
#include "gui/common/panel.h"

class QPushButton;

namespace quorix::gui {

class MainForm;
class PanelRegistry;

class AnalyzeSolutionPanel : public Panel {
    Q_OBJECT
public:
    // `earlier`: the earlier solution this one is isomorphic to, if any.
    // nameToCode turns typed element names back into search codes for the
    // row and column groups (a table entered by hand); used while constructing.
    using NameToCode = std::function<std::string(const std::string&)>;
    AnalyzeSolutionPanel(AppContext& context, GroupPtr solution, GroupPtr earlier, QWidget* parent = nullptr,
                         const NameToCode& nameToCode = {});

    const GroupPtr& solution() const { return solution_; }
    const std::vector<NamedGroupEntry>& namedGroups() const { return named_; }
    bool solvable() const { return solvable_; }
    int graphKind() const { return graphKind_; }

private:
    // Computes on the worker, then draws.
    void analyse(const NameToCode& nameToCode);
    void draw();
    // Opens the panel on the solution, while it is still registered.
    void openForSolution(const QString& name);
    void viewGroup(int index);
    void showIsomorphism(const GroupPtr& other);
    // Disabled with a tool tip saying why (a job puts it back as it was).
    void markUnavailable(QPushButton* button, const QString& reason);
    QPushButton* panelButton(const QString& name, const QString& caption, const QString& target, long width);

    GroupPtr solution_;
    GroupPtr earlier_;
    std::vector<NamedGroupEntry> named_;
    bool solvable_ = false;
    int graphKind_ = 0;
    QPushButton* cmdShowIsomorphism_ = nullptr;
    QPushButton* cmdSubgroups_ = nullptr;
    QPushButton* cmdShowGraph_ = nullptr;
    QPushButton* cmdCayleyDiagram_ = nullptr;
    QPushButton* cmdShowCompositionSeries_ = nullptr;
    QPushButton* cmdFindAssociativeRings_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

// The main window's analysis opener: a modeless analysis of the newest
// solution of its search (it closes the previous one itself).
QWidget* OpenSolutionAnalysis(MainForm& form, const GroupPtr& solution);

// Registers dlgAnalyzeSolution (for the selected group, no earlier isomorph).
void RegisterSolutionPanels(PanelRegistry& registry);

}  // namespace quorix::gui
