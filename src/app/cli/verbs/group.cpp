// quorix-report group SPEC [--json]: a group's elements and Cayley table.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iomanip>
#include <iostream>

#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

nlohmann::json groupJson(const Group& g) {
    nlohmann::json elements = nlohmann::json::array();
    nlohmann::json table = nlohmann::json::array();
    for (int k = 1; k <= g.order(); ++k) {
        elements.push_back({{"position", k},
                            {"source", g.sourceName(g.sourceOf(k))},
                            {"name", g.name(k)},
                            {"plain", markup::PlainText(g.name(k))},
                            {"order", g.elementOrder(k)}});
        nlohmann::json row = nlohmann::json::array();
        for (int j = 1; j <= g.order(); ++j) row.push_back(markup::PlainText(g.name(g.mul(k, j))));
        table.push_back(row);
    }
    return {{"id", markup::StripMarkup(g.GroupID())},
            {"order", g.order()},
            {"method", static_cast<int>(g.MethodOfGeneration())},
            {"elements", elements},
            {"table", table}};
}

void PrintGroup(const Group& g) {
    std::cout << "Group " << PlainName(g.GroupID()) << " (ID " << markup::StripMarkup(g.GroupID()) << "), order "
              << g.order() << "\n\n";
    std::size_t wSource = 8, wName = 4;
    for (int k = 1; k <= g.order(); ++k) {
        wSource = std::max(wSource, g.sourceName(g.sourceOf(k)).size());
        wName = std::max(wName, PlainName(g.name(k)).size());
    }
    std::cout << std::left << std::setw(static_cast<int>(wSource) + 2) << "original"
              << std::setw(static_cast<int>(wName) + 2) << "name"
              << "order\n";
    for (int k = 1; k <= g.order(); ++k)
        std::cout << std::setw(static_cast<int>(wSource) + 2) << g.sourceName(g.sourceOf(k))
                  << std::setw(static_cast<int>(wName) + 2) << PlainName(g.name(k)) << g.elementOrder(k) << "\n";
    std::cout << "\nCayley table (row times column):\n";
    const int w = static_cast<int>(wName) + 1;
    std::cout << std::setw(w) << ""
              << " |";
    for (int j = 1; j <= g.order(); ++j) std::cout << std::setw(w) << PlainName(g.name(j));
    std::cout << "\n"
              << std::string(static_cast<std::size_t>(w) + 2 + static_cast<std::size_t>(w * g.order()), '-') << "\n";
    for (int i = 1; i <= g.order(); ++i) {
        std::cout << std::setw(w) << PlainName(g.name(i)) << " |";
        for (int j = 1; j <= g.order(); ++j) std::cout << std::setw(w) << PlainName(g.name(g.mul(i, j)));
        std::cout << "\n";
    }
}

}  // namespace

void SetupGroup(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand(
        "group", "Print a group: its elements (original and reductive names, orders) and Cayley table");
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
        if (opts->json)
            PrintJson(groupJson(*g));
        else
            PrintGroup(*g);
    });
}

}  // namespace quorix::cli
