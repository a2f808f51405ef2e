#pragma once
// The engine state that several panels (or the verbs of one command-line
// run) share: what the analyses of search solutions keep and the catalogue.
// Neither is held by a job across a yield, so jobs that interleave (one
// yields, another runs in the meantime) cannot see each other's half-done
// work: what a job works on (a subgroup list, a series, a homomorphism
// search) is its own. The desktop program creates one for the whole run, the
// command-line tool one per run, each test its own; whoever needs it is
// handed it.

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/compare/solution_analysis.h"
#include "core/compare/structure.h"
#include "core/display/views.h"

namespace quorix {

class Workbench {
public:
    Workbench() = default;
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    // Solvability of the last solution analysed, the named groups compared.
    SolutionAnalysisCache namedGroups;
    // The search solutions of each order up to 20 that catalogue names
    // point to, searched once per order on first use.
    Catalogue catalogue;

    // View options over this workbench's caches, with a structure analysis
    // of their own.
    ViewOptions MakeViewOptions(std::string components, GroupRegistrar registrar, Progress* progress = nullptr);
};

}  // namespace quorix
