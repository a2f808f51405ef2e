#pragma once
// The engine state that several panels (or the verbs of one command-line
// run) share: the group whose subgroups were last listed, its composition
// series, the homomorphism search with its mapping text, and what the
// analyses of search solutions keep. The desktop program creates one for the
// whole run, the command-line tool one per run, each test its own; whoever
// needs it is handed it.

#include <string>

#include "core/analysis/composition_series.h"
#include "core/analysis/subgroups.h"
#include "core/catalogue/catalogue.h"
#include "core/compare/homomorphism.h"
#include "core/compare/solution_analysis.h"
#include "core/compare/structure.h"
#include "core/display/views.h"

namespace quorix {

class Workbench {
public:
    Workbench() = default;
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    // The cached group and its subgroup list (subgroup, quotient and
    // subgroup-class panels, comparison, views).
    SubgroupLogic subgroups;
    // The cached composition series.
    CompositionSeriesState series;
    // The homomorphism search and the mapping text it shares.
    SharedHomomorphism homomorphism;
    // Solvability of the last solution analysed, the named groups compared.
    SolutionAnalysisCache namedGroups;
    // The search solutions of each order up to 20 that catalogue names
    // point to, searched once per order on first use.
    Catalogue catalogue;

    // The structure analysis over this workbench's subgroup list.
    StructureAnalysis& Structure() { return structure_; }

    // View options over this workbench's engine.
    ViewOptions MakeViewOptions(std::string components, GroupRegistrar registrar, Progress* progress = nullptr);

private:
    EngineStructure structure_{subgroups};
};

}  // namespace quorix
