// quorix-report compare SPEC SPEC [--json]: isomorphism for equal orders;
// otherwise a homomorphism from the larger group onto the smaller one and the
// subgroups of the larger one isomorphic to the smaller.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <map>
#include <optional>

#include "core/compare/comparison.h"
#include "core/compare/homomorphism.h"
#include "core/workbench/workbench.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

nlohmann::json comparisonJson(const ComparisonResult& r, const GroupPtr& g1, const GroupPtr& g2) {
    nlohmann::json j;
    j["groups"] = {markup::StripMarkup(g1->GroupID()), markup::StripMarkup(g2->GroupID())};
    j["orders"] = {g1->Order(), g2->Order()};
    j["isomorphic"] = nullptr;
    j["homomorphism"] = nullptr;
    j["mapping"] = nullptr;
    nlohmann::json subgroups = nlohmann::json::array();
    if (r.equalOrders) {
        j["isomorphic"] = r.isomorphic;
        if (r.isomorphic) j["mapping"] = r.isomorphism;
    } else {
        j["homomorphism"] = r.homomorphism;
        j["source"] = markup::StripMarkup(r.source->GroupID());
        j["target"] = markup::StripMarkup(r.target->GroupID());
        if (r.homomorphism) j["mapping"] = ParseMappingText(r.homomorphismText);
        for (const auto& m : r.listing.isomorphic) subgroups.push_back(markup::StripMarkup(m.name));
        j["partial"] = r.listing.partial;
    }
    j["isomorphic_subgroups"] = subgroups;
    return j;
}

void PrintComparison(const ComparisonResult& r) {
    for (const std::string& line : r.lines) std::cout << PlainName(line) << "\n";
    if (r.equalOrders && r.isomorphic)
        std::cout << "Mapping (image of each element of the first group, by index): " << MappingText(r.isomorphism)
                  << "\n";
    if (!r.equalOrders && r.homomorphism)
        std::cout << "First homomorphism (image of each element of the larger group, by index): " << r.homomorphismText
                  << "\n";
}

}  // namespace

void SetupCompare(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand(
        "compare", "Compare two groups: isomorphism, homomorphism onto the smaller, isomorphic subgroups");
    struct Options {
        std::string spec1, spec2;
        bool json = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    cmd->add_option("SPEC1", opts->spec1, std::string("first group: ") + kSpecHelp)->required();
    cmd->add_option("SPEC2", opts->spec2, "second group, as SPEC1")->required();
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g1 = ResolveGroupSpec(run, opts->spec1, opts->registerDir);
        GroupPtr g2 = ResolveGroupSpec(run, opts->spec2, opts->registerDir);
        // The subgroups the comparison registers live for this run only.
        auto registered = std::make_shared<std::map<std::string, GroupPtr>>();
        GroupRegistrar registrar{[registered](const GroupPtr& g, const std::string& id) { (*registered)[id] = g; },
                                 [registered](const std::string& id) {
                                     auto it = registered->find(id);
                                     return it == registered->end() ? nullptr : it->second;
                                 }};
        Progress progress;
        EngineStructure structure;
        SharedHomomorphism homomorphism;
        ComparisonResult r = CompareGroups(g1, g2, structure, homomorphism, registrar, progress);
        if (r.halted) {
            std::cerr << kCompareHaltedMessage << "\n";
            run.exitCode = 1;
            return;
        }
        if (opts->json)
            PrintJson(comparisonJson(r, g1, g2));
        else
            PrintComparison(r);
    });
}

}  // namespace quorix::cli
