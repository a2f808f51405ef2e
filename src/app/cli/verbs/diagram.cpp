// quorix-report diagram SPEC [--generators a,b,...] [--layout rings|grid|force]
// [--svg FILE] [--png FILE] [--tikz] [--json] [--original]: the Cayley
// diagram for chosen generators (a small generating set by default).
// quorix-report cyclegraph SPEC [--svg FILE] [--png FILE] [--tikz] [--json]
// [--original]: the cycle graph, one cycle per maximal cyclic subgroup.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/png_picture.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

// The position of an element given by its name as the tool prints it, with
// its markup, or by its original name.
int ElementByName(const Group& g, const std::string& name) {
    for (int k = 1; k <= g.order(); ++k)
        if (name == g.name(k) || name == markup::StripMarkup(g.name(k)) || name == PlainName(g.name(k)) ||
            name == g.sourceName(g.sourceOf(k)))
            return k;
    throw UsageError("'" + name + "' is not an element of " + PlainName(g.GroupID()));
}

// Names separated by commas; a comma inside parentheses belongs to a
// permutation such as (1,2,3).
std::vector<int> ParseGenerators(const Group& g, const std::string& text) {
    std::vector<int> out;
    std::string item;
    int depth = 0;
    auto take = [&] {
        const std::string name(text::TrimBlanks(item));
        if (name.empty()) throw UsageError("--generators has an empty name in '" + text + "'");
        out.push_back(ElementByName(g, name));
        item.clear();
    };
    for (char c : text) {
        depth += c == '(' ? 1 : (c == ')' ? -1 : 0);
        if (c == ',' && depth == 0)
            take();
        else
            item += c;
    }
    take();
    return out;
}

struct PictureOptions {
    std::string spec, svg, png;
    bool tikz = false, json = false, original = false;
    std::optional<std::string> registerDir;
};

void AddPictureOptions(CLI::App* cmd, PictureOptions& o) {
    AddSpecArgument(cmd, o.spec);
    AddFileOption(cmd, "--svg", o.svg, "Write the picture as SVG to FILE");
    AddFileOption(cmd, "--png", o.png, "Write the picture as PNG to FILE");
    cmd->add_flag("--tikz", o.tikz, "Print the picture as a TikZ picture for LaTeX");
    cmd->add_flag("--json", o.json, "Print one JSON object");
    cmd->add_flag("--original", o.original, "Label the elements with their original names");
    AddRegisterOption(cmd, o.registerDir);
}

// Refuses, before any work, files that cannot be written.
void CheckTargets(const PictureOptions& o) {
    if (!o.svg.empty()) text::CheckWritableTarget(o.svg);
    if (!o.png.empty()) text::CheckWritableTarget(o.png);
}

void WritePicture(const PictureOptions& o, const diagram::Picture& picture) {
    if (!o.svg.empty()) text::WriteFileAtomically(o.svg, diagram::ToSvg(picture));
    if (!o.png.empty()) {
        const std::string error = WritePicturePng(picture, o.png);
        if (!error.empty()) throw text::FileError(error);
    }
    if (o.tikz) std::cout << diagram::ToTikz(picture);
}

nlohmann::json NodesJson(const Group& g, const diagram::Picture& picture) {
    nlohmann::json nodes = nlohmann::json::array();
    for (const diagram::PictureNode& n : picture.nodes)
        nodes.push_back({{"element", PlainName(g.name(n.position))},
                         {"original", markup::PlainText(g.sourceName(g.sourceOf(n.position)))},
                         {"x", n.at.x},
                         {"y", n.at.y}});
    return nodes;
}

}  // namespace

void SetupDiagram(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("diagram", "The Cayley diagram of a group for chosen generators");
    struct Options : PictureOptions {
        std::string generators, layout = "rings";
    };
    auto opts = std::make_shared<Options>();
    AddPictureOptions(cmd, *opts);
    cmd->add_option("--generators", opts->generators,
                    "Element names separated by commas (default: a small generating set); elements that do not "
                    "generate the group show the cosets of the subgroup they generate")
        ->type_name("a,b,...");
    cmd->add_option("--layout", opts->layout, "rings (default), grid or force")->type_name("LAYOUT");
    cmd->callback([opts, &run] {
        if (opts->tikz && opts->json) throw UsageError("--tikz and --json exclude each other");
        if (!opts->png.empty() && !PngAvailable()) throw UsageError(RunDrawingBuild(run.arguments));
        CheckTargets(*opts);
        diagram::DiagramOptions options;
        try {
            options.layout = diagram::ParseLayout(opts->layout);
        } catch (const InvalidArgument& e) {
            throw UsageError(std::string("--layout: ") + e.what());
        }
        options.originalNames = opts->original;
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        const std::vector<int> generators =
            opts->generators.empty() ? diagram::SmallGeneratingSet(*g) : ParseGenerators(*g, opts->generators);
        diagram::CayleyDiagram d;
        try {
            d = diagram::BuildCayleyDiagram(*g, generators, options);
        } catch (const InvalidArgument& e) {
            throw UsageError(PlainName(e.what()));
        }
        WritePicture(*opts, d.picture);
        nlohmann::json names = nlohmann::json::array();
        for (int s : d.generators) names.push_back(PlainName(g->name(s)));
        if (opts->json) {
            nlohmann::json edges = nlohmann::json::array();
            for (const diagram::DiagramEdge& e : d.edges)
                edges.push_back({{"source", PlainName(g->name(e.source))},
                                 {"target", PlainName(g->name(e.target))},
                                 {"generator", PlainName(g->name(d.generators[static_cast<std::size_t>(e.generator)]))},
                                 {"directed", !e.undirected}});
            PrintJson({{"id", PlainName(g->GroupID())},
                       {"order", g->order()},
                       {"generators", names},
                       {"layout", opts->layout},
                       {"subgroup_order", d.subgroupOrder},
                       {"generates", d.generatesGroup},
                       {"nodes", NodesJson(*g, d.picture)},
                       {"edges", edges}},
                      2);
        } else if (!opts->tikz && opts->svg.empty() && opts->png.empty()) {
            std::cout << "Cayley diagram of " << PlainName(g->GroupID()) << ": " << g->order() << " nodes, "
                      << d.edges.size() << " edges; generators";
            for (const auto& n : names) std::cout << " " << n.get<std::string>();
            std::cout << "\n";
            if (!d.generatesGroup)
                std::cout << "They generate a subgroup of order " << d.subgroupOrder
                          << " only: " << g->order() / d.subgroupOrder << " left cosets.\n";
        }
    });
}

void SetupCycleGraph(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("cyclegraph", "The cycle graph of a group: its maximal cyclic subgroups as cycles");
    auto opts = std::make_shared<PictureOptions>();
    AddPictureOptions(cmd, *opts);
    cmd->callback([opts, &run] {
        if (opts->tikz && opts->json) throw UsageError("--tikz and --json exclude each other");
        if (!opts->png.empty() && !PngAvailable()) throw UsageError(RunDrawingBuild(run.arguments));
        CheckTargets(*opts);
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        const diagram::CycleGraph c = diagram::BuildCycleGraph(*g, opts->original);
        WritePicture(*opts, c.picture);
        nlohmann::json cycles = nlohmann::json::array();
        for (const std::vector<int>& cycle : c.cycles) {
            nlohmann::json names = nlohmann::json::array();
            for (int k : cycle) names.push_back(PlainName(opts->original ? g->sourceName(g->sourceOf(k)) : g->name(k)));
            cycles.push_back(names);
        }
        if (opts->json) {
            PrintJson({{"id", PlainName(g->GroupID())},
                       {"order", g->order()},
                       {"cycles", cycles},
                       {"nodes", NodesJson(*g, c.picture)}},
                      2);
        } else if (!opts->tikz && opts->svg.empty() && opts->png.empty()) {
            std::cout << "Cycle graph of " << PlainName(g->GroupID()) << ": " << c.cycles.size()
                      << " maximal cyclic subgroups\n";
            for (const nlohmann::json& cycle : cycles) {
                std::cout << " ";
                for (const auto& n : cycle) std::cout << " " << n.get<std::string>();
                std::cout << "\n";
            }
        }
    });
}

}  // namespace quorix::cli
