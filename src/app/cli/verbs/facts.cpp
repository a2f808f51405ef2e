// quorix-report facts SPEC... [--register DIR] [--json]: the structure of
// groups in a few numbers.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/analysis/facts.h"
#include "core/catalogue/catalogue.h"
#include "core/compare/automorphisms.h"
#include "core/compare/solution_analysis.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"
#include "cli/verbs/permutation_facts.h"

namespace quorix::cli {

namespace {

nlohmann::json FactsJson(const GroupFacts& f) {
    return {{"id", f.id},
            {"order", f.order},
            {"abelian", f.abelian},
            {"cyclic", f.cyclic},
            {"dihedral", f.dihedral},
            {"solvable", f.solvable},
            {"element_orders", f.elementOrders},
            {"subgroups", f.subgroups},
            {"normal", f.normal},
            {"subgroup_orders", f.subgroupOrders},
            {"center", f.center},
            {"commutator", f.commutator},
            {"classes", f.classes},
            {"class_sizes", f.classSizes},
            {"subgroup_classes", f.subgroupClasses},
            {"subgroup_class_sizes", f.subgroupClassSizes},
            {"composition_factors", f.compositionFactors}};
}

// Automorphism counts (order 15 or less) and the named groups the
// recognisers of the solution analysis find isomorphic.
void AddComparisonFacts(nlohmann::json& j, const GroupPtr& g, SolutionAnalysisCache& cache) {
    j["aut"] = nullptr;
    j["inn"] = nullptr;
    if (g->Order() <= kAutomorphismOrderLimit) {
        const AutomorphismCounts c = CountAutomorphisms(*g);
        j["aut"] = c.aut;
        j["inn"] = c.inn;
    }
    nlohmann::json ids = nlohmann::json::array();
    for (const NamedGroupEntry& e : RecogniseNamedGroups(g, GroupRegistrar{}, cache))
        ids.push_back(markup::StripMarkup(e.group->GroupID()));
    j["isomorphic_to"] = ids;
}

std::string YesNo(bool b) { return b ? "yes" : "no"; }

std::string PairsText(const std::vector<std::pair<int, int>>& pairs) {
    std::string s;
    for (auto [value, count] : pairs)
        s += (s.empty() ? "" : ", ") + std::to_string(value) + " (x" + std::to_string(count) + ")";
    return s;
}

std::string ListText(const std::vector<int>& values) {
    std::string s;
    for (int v : values) s += (s.empty() ? "" : ", ") + std::to_string(v);
    return s;
}

void PrintFacts(const GroupFacts& f, const std::string& displayName, const std::optional<CatalogueEntry>& entry) {
    std::cout << "Group " << displayName << " (ID " << f.id << ")\n";
    if (entry) std::cout << "  catalogue: " << entry->Label() << " " << markup::PlainText(entry->name) << "\n";
    std::cout << "  order: " << f.order << "\n"
              << "  abelian: " << YesNo(f.abelian) << "\n"
              << "  cyclic: " << YesNo(f.cyclic) << "\n"
              << "  dihedral: " << YesNo(f.dihedral) << (f.kleinFour ? " (Klein four-group)" : "") << "\n"
              << "  solvable: " << YesNo(f.solvable) << "\n"
              << "  element orders: " << PairsText(f.elementOrders) << "\n"
              << "  subgroups: " << f.subgroups << "\n"
              << "  normal subgroups: " << f.normal << "\n"
              << "  subgroup orders: " << PairsText(f.subgroupOrders) << "\n"
              << "  centre order: " << f.center << "\n"
              << "  commutator subgroup order: " << f.commutator << "\n"
              << "  conjugacy classes: " << f.classes << " (sizes " << ListText(f.classSizes) << ")\n"
              << "  subgroup conjugacy classes: " << f.subgroupClasses << " (sizes " << ListText(f.subgroupClassSizes)
              << ")\n"
              << "  composition factors: " << (f.compositionFactors.empty() ? "none" : ListText(f.compositionFactors))
              << "\n";
}

}  // namespace

void SetupFacts(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("facts", "Structure of groups: orders, subgroups, classes, composition factors");
    struct Options {
        std::vector<std::string> specs;
        bool json = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    cmd->add_option("SPEC", opts->specs, kSpecHelp)->required();
    cmd->add_flag("--json", opts->json, "One JSON object per group per line");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        // A permutation group past the table limit has the facts its stabilizer chain gives.
        std::vector<GroupPtr> groups;
        std::vector<perm::PermGroupPtr> large;
        for (const std::string& s : opts->specs) {
            large.push_back(opts->registerDir ? nullptr : LargePermGroup(s));
            groups.push_back(large.back() ? nullptr : ResolveGroupSpec(run, s, opts->registerDir));
        }
        bool first = true;

        for (std::size_t i = 0; i < groups.size(); ++i) {
            const GroupPtr& g = groups[i];
            if (large[i]) {
                if (!first && !opts->json) std::cout << "\n";
                PrintPermutationFacts(opts->specs[i], *large[i], opts->json);
                first = false;
                continue;
            }
            GroupFacts f = ComputeGroupFacts(g);
            Progress progress;
            const std::optional<CatalogueEntry> entry = run.workbench.catalogue.Identify(*g, progress);
            if (opts->json) {
                nlohmann::json j = FactsJson(f);
                j["catalogue"] = entry ? nlohmann::json(entry->Label()) : nlohmann::json();
                j["name"] = entry ? nlohmann::json(markup::PlainText(entry->name)) : nlohmann::json();
                AddComparisonFacts(j, g, run.workbench.namedGroups);
                if (!opts->registerDir) AddCycleNotationFacts(j, opts->specs[i]);
                PrintJson(j);
            } else {
                if (!first) std::cout << "\n";
                PrintFacts(f, PlainName(g->GroupID()), entry);
            }
            first = false;
        }
    });
}

}  // namespace quorix::cli
