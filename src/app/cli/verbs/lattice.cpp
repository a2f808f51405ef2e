// quorix-report identify SPEC... [--json]: the catalogue number and name of
// groups of order at most 20.
// quorix-report lattice SPEC [--classes] [--json] [--dot FILE] [--svg FILE] [--tikz]:
// the subgroup lattice, as text, JSON, a Graphviz graph, an SVG or a TikZ picture.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/catalogue/catalogue.h"
#include "core/lattice/lattice.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

void WriteFile(const std::string& path, const std::string& text) { text::WriteFileAtomically(path, text); }

}  // namespace

void SetupIdentify(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand(
        "identify", "Catalogue number (#n-k of the search of order n) and name of groups of order up to 20");
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
        std::vector<GroupPtr> groups;
        for (const std::string& s : opts->specs) groups.push_back(ResolveGroupSpec(run, s, opts->registerDir));
        Progress progress;
        InterruptWatch interrupt(progress);
        for (const GroupPtr& g : groups) {
            const std::optional<CatalogueEntry> e = run.workbench.catalogue.Identify(*g, progress);
            if (progress.Stopped()) {
                run.exitCode = 130;
                return;
            }
            const std::string id = PlainName(g->GroupID());
            if (opts->json) {
                nlohmann::json j = {{"id", id}, {"order", g->Order()}, {"catalogue", nullptr}, {"name", nullptr}};
                if (e) j["catalogue"] = e->Label(), j["name"] = markup::PlainText(e->name);
                PrintJson(j);
            } else if (e) {
                std::cout << id << ": " << e->Label() << " " << markup::PlainText(e->name) << "\n";
            } else {
                std::cout << id << ": order " << g->Order() << ", not catalogued (orders up to 20 only)\n";
            }
        }
    });
}

void SetupLattice(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("lattice",
                                   "The subgroup lattice: subgroups, their maximal subgroups, classes of conjugates");
    struct Options {
        std::string spec;
        bool classes = false;
        bool json = false;
        bool tikz = false;
        std::optional<std::string> dot, svg, registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--classes", opts->classes, "One node per class of conjugate subgroups");
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    AddFileOption(cmd, "--dot", opts->dot, "Write the lattice as a Graphviz graph to FILE");
    AddFileOption(cmd, "--svg", opts->svg, "Write the lattice as an SVG picture to FILE");
    cmd->add_flag("--tikz", opts->tikz, "Print the lattice as a TikZ picture for LaTeX");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        if (opts->tikz && opts->json) throw UsageError("--tikz and --json exclude each other");
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        Progress progress;
        InterruptWatch interrupt(progress);
        lattice::Lattice lat =
            lattice::BuildLattice(*g, opts->classes ? lattice::View::ClassesOnly : lattice::View::Subgroups, progress);
        if (!lat.halted) lattice::NameNodes(lat, g, run.workbench.catalogue, progress);
        if (lat.halted || progress.Stopped()) {
            std::cerr << "Lattice halted.\n";
            run.exitCode = 130;
            return;
        }
        if (opts->dot) WriteFile(*opts->dot, lattice::ToDot(lat, *g, g->GroupID()));
        if (opts->svg) WriteFile(*opts->svg, lattice::ToSvg(lat, *g, g->GroupID()));
        if (opts->tikz) {
            std::cout << lattice::ToTikz(lat, g->GroupID());
            return;
        }
        if (opts->json) {
            nlohmann::json nodes = nlohmann::json::array(), edges = nlohmann::json::array();
            for (std::size_t i = 0; i < lat.nodes.size(); ++i) {
                const lattice::Node& n = lat.nodes[i];
                nlohmann::json j = {
                    {"id", i},
                    {"order", n.order},
                    {"normal", n.normal},
                    {"class", n.subgroupClass},
                    {"name", n.name.empty() ? nlohmann::json() : nlohmann::json(markup::PlainText(n.name))},
                    {"catalogue", n.catalogue.empty() ? nlohmann::json() : nlohmann::json(n.catalogue)},
                    {"elements", lattice::NodeElements(*g, n)},
                    {"x", n.x},
                    {"y", n.y},
                    {"width", n.width},
                    {"height", n.height}};
                if (lat.classesOnly) j["class_size"] = n.classSize;
                nodes.push_back(j);
            }
            for (const auto& [a, b] : lat.edges) edges.push_back({a, b});
            // Each edge's line as drawn, in twips: [[x, y], ...].
            nlohmann::json routes = nlohmann::json::array();
            for (const std::vector<lattice::Point>& route : lat.routes) {
                nlohmann::json points = nlohmann::json::array();
                for (const lattice::Point& p : route) points.push_back({p.x, p.y});
                routes.push_back(points);
            }
            PrintJson({{"id", PlainName(g->GroupID())},
                       {"order", g->Order()},
                       {"classes_only", lat.classesOnly},
                       {"subgroups", lat.subgroupCount},
                       {"subgroup_classes", lat.classCount},
                       {"nodes", nodes},
                       {"edges", edges},
                       {"routes", routes}},
                      2);
            return;
        }
        std::cout << "Subgroup lattice of " << PlainName(g->GroupID()) << ": " << lat.subgroupCount << " subgroups in "
                  << lat.classCount << " classes of conjugates" << (lat.classesOnly ? " (one node per class)" : "")
                  << "\n";
        for (std::size_t i = 0; i < lat.nodes.size(); ++i) {
            const lattice::Node& n = lat.nodes[i];
            std::cout << "  " << i << ": order " << n.order;
            if (!n.name.empty()) std::cout << " " << n.catalogue << " " << markup::PlainText(n.name);
            if (n.normal) std::cout << " normal";
            std::cout << ", class " << n.subgroupClass;
            if (lat.classesOnly) std::cout << " (" << n.classSize << " conjugates)";
            std::cout << ", maximal subgroups:";
            for (const auto& [a, b] : lat.edges)
                if (a == static_cast<int>(i)) std::cout << " " << b;
            std::cout << "\n";
        }
    });
}

}  // namespace quorix::cli
