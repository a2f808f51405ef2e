// quorix-report automorphisms SPEC [--json]: every automorphism of a group of
// order at most 15 as a permutation code, the inner ones with the element
// that induces them, and the orders of Aut(G) and Inn(G).

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

#include "core/compare/automorphisms.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

void PrintAutomorphisms(const Group& g, const AutomorphismList& l) {
    const std::string id = PlainName(g.GroupID());
    const std::string symbols = SymbolRow(g.order());
    if (l.Complete())
        std::cout << "The " << l.Count() << " automorphisms of " << id << " are shown below.\n";
    else
        std::cout << "The first " << kAutomorphismListLimit << " automorphisms of " << id << " are shown below.\n";
    std::cout << "Each automorphism is a permutation of the elements " << symbols << " (in source order).\n\n";
    std::cout << "Inner Automorphisms:\n";
    int k = 0;
    for (const auto& e : l.entries) {
        if (!e.inner) continue;
        std::cout << "  " << e.code << "  maps each element x into zxz^-1, where z is the fixed element "
                  << l.representatives[static_cast<std::size_t>(k++)] << ".\n";
    }
    std::cout << "\nOther Automorphisms:\n";
    if (l.Count() == l.innerCount) std::cout << "  No other automorphisms found.\n";
    int shown = 0;
    for (const auto& e : l.entries) {
        if (e.inner || shown >= kAutomorphismListLimit) continue;
        std::cout << (shown % 3 == 0 ? "  " : "   ") << e.code;
        if (++shown % 3 == 0) std::cout << "\n";
    }
    if (shown % 3 != 0) std::cout << "\n";
    std::cout << "\n|Aut(" << id << ")| = "
              << (l.Complete() ? std::to_string(l.Count()) : "more than " + std::to_string(kAutomorphismListLimit))
              << "\n";
    std::cout << "|Inn(" << id << ")| = " << l.innerCount << "\n";
}

nlohmann::json automorphismsJson(const Group& g, const AutomorphismList& l) {
    nlohmann::json list = nlohmann::json::array();
    int k = 0;
    for (const auto& e : l.entries) {
        nlohmann::json entry = {{"code", e.code}, {"inner", e.inner}, {"representative", nullptr}};
        if (e.inner) entry["representative"] = l.representatives[static_cast<std::size_t>(k++)];
        list.push_back(entry);
    }
    nlohmann::json aut = nullptr;
    if (l.Complete()) aut = l.Count();
    return {
        {"id", markup::StripMarkup(g.GroupID())},
        {"order", g.order()},
        {"symbols", SymbolRow(g.order())},
        {"automorphisms", list},
        {"complete", l.Complete()},
        {"aut", aut},
        {"aut_text", l.Complete() ? std::to_string(l.Count()) : "more than " + std::to_string(kAutomorphismListLimit)},
        {"inn", l.innerCount}};
}

}  // namespace

void SetupAutomorphisms(CLI::App& app, RunContext& run) {
    auto* cmd =
        app.add_subcommand("automorphisms", "List the automorphisms of a group of order 15 or less, inner ones marked");
    struct Options {
        std::string spec;
        bool json = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        if (g->Order() > kAutomorphismOrderLimit) throw UsageError(kAutomorphismOrderMessage);
        AutomorphismList l = ComputeAutomorphisms(*g);
        if (opts->json)
            PrintJson(automorphismsJson(*g, l));
        else
            PrintAutomorphisms(*g, l);
    });
}

}  // namespace quorix::cli
