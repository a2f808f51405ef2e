// quorix-report group SPEC [--json] [--full-table]: a group's elements and
// Cayley table.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

// Past this order the table (n^2 products: 25 million for S7) is left out
// unless asked for; `table SPEC --png` draws it as a colour grid.
constexpr int kMaxPrintedTableOrder = 120;

bool TablePrinted(const Group& g, bool full) { return full || g.order() <= kMaxPrintedTableOrder; }

nlohmann::json groupJson(const Group& g, bool full) {
    nlohmann::json elements = nlohmann::json::array();
    std::vector<std::string> plain(static_cast<std::size_t>(g.order()) + 1);
    for (int k = 1; k <= g.order(); ++k) {
        plain[static_cast<std::size_t>(k)] = markup::PlainText(g.name(k));
        elements.push_back({{"position", k},
                            {"source", g.sourceName(g.sourceOf(k))},
                            {"name", g.name(k)},
                            {"plain", plain[static_cast<std::size_t>(k)]},
                            {"order", g.elementOrder(k)}});
    }
    nlohmann::json table = nullptr;
    if (TablePrinted(g, full)) {
        table = nlohmann::json::array();
        for (int k = 1; k <= g.order(); ++k) {
            nlohmann::json row = nlohmann::json::array();
            for (int j = 1; j <= g.order(); ++j) row.push_back(plain[static_cast<std::size_t>(g.mul(k, j))]);
            table.push_back(std::move(row));
        }
    }
    return {{"id", markup::StripMarkup(g.GroupID())},
            {"order", g.order()},
            {"method", static_cast<int>(g.MethodOfGeneration())},
            {"elements", elements},
            {"table", table}};
}

void PrintGroup(const Group& g, const std::string& spec, bool full) {
    std::cout << "Group " << PlainName(g.GroupID()) << " (ID " << markup::StripMarkup(g.GroupID()) << "), order "
              << g.order() << "\n\n";
    std::size_t wSource = 8, wName = 4;
    std::vector<std::string> names(static_cast<std::size_t>(g.order()) + 1);
    for (int k = 1; k <= g.order(); ++k) {
        names[static_cast<std::size_t>(k)] = PlainName(g.name(k));
        wSource = std::max(wSource, g.sourceName(g.sourceOf(k)).size());
        wName = std::max(wName, names[static_cast<std::size_t>(k)].size());
    }
    auto name = [&](int k) -> const std::string& { return names[static_cast<std::size_t>(k)]; };
    std::cout << std::left << std::setw(static_cast<int>(wSource) + 2) << "original"
              << std::setw(static_cast<int>(wName) + 2) << "name"
              << "order\n";
    for (int k = 1; k <= g.order(); ++k)
        std::cout << std::setw(static_cast<int>(wSource) + 2) << g.sourceName(g.sourceOf(k))
                  << std::setw(static_cast<int>(wName) + 2) << name(k) << g.elementOrder(k) << "\n";
    if (!TablePrinted(g, full)) {
        std::cout << "\nThe Cayley table (" << static_cast<long long>(g.order()) * g.order()
                  << " products) is not printed past " << kMaxPrintedTableOrder
                  << " elements: --full-table prints it, `quorix-report table " << spec
                  << " --png` draws it as a colour grid.\n";
        return;
    }
    std::cout << "\nCayley table (row times column):\n";
    const int w = static_cast<int>(wName) + 1;
    std::cout << std::setw(w) << ""
              << " |";
    for (int j = 1; j <= g.order(); ++j) std::cout << std::setw(w) << name(j);
    std::cout << "\n"
              << std::string(static_cast<std::size_t>(w) + 2 + static_cast<std::size_t>(w * g.order()), '-') << "\n";
    for (int i = 1; i <= g.order(); ++i) {
        std::cout << std::setw(w) << name(i) << " |";
        for (int j = 1; j <= g.order(); ++j) std::cout << std::setw(w) << name(g.mul(i, j));
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
        bool fullTable = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    cmd->add_flag("--full-table", opts->fullTable,
                  "Print the Cayley table also past " + std::to_string(kMaxPrintedTableOrder) + " elements");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        if (opts->json)
            PrintJson(groupJson(*g, opts->fullTable));
        else
            PrintGroup(*g, opts->spec, opts->fullTable);
    });
}

}  // namespace quorix::cli
