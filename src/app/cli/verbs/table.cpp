// quorix-report table SPEC [--latex] [--tikz] [--svg FILE] [--png FILE] [--colours]
// [--by SUBGROUP] [--original] [--json]: a group's Cayley table, plain by
// default, as a LaTeX tabular or as an SVG or PNG picture; --by orders rows by the left and columns by
// the right cosets of a subgroup.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/analysis/subgroups.h"
#include "core/display/table_export.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/png_picture.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

bool NameMatches(const std::string& wanted, const std::string& name) {
    return wanted == name || wanted == markup::StripMarkup(name) || wanted == PlainName(name);
}

// A subgroup ID of the subgroup list ("Subgroup4-2") or element names
// separated by commas ("1,A,A^2"): the subgroup's positions in g.
ElementSet ResolveSubgroup(const GroupPtr& g, const std::string& text) {
    SubgroupLogic logic;
    Progress progress;
    logic.FindAllSubgroups(g, progress);
    const std::vector<std::string> ids = logic.NameAndRegister({});
    for (std::size_t s = 0; s < ids.size(); ++s)
        if (NameMatches(text, ids[s]) || text == ShortSubgroupName(ids[s])) return logic.Memberships()[s];
    ElementSet set;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        std::string item = text.substr(start, end - start);
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        int found = 0;
        for (int k = 1; k <= g->order() && found == 0; ++k)
            if (NameMatches(item, g->name(k)) || item == g->sourceName(g->sourceOf(k))) found = k;
        if (found == 0)
            throw UsageError("'" + item + "' is neither a subgroup ID nor an element of " + PlainName(g->GroupID()));
        set.set(static_cast<std::size_t>(found));
        start = end + 1;
    }
    const int size = static_cast<int>(set.count());
    for (const ElementSet& m : logic.Memberships())
        if (m == set) return set;
    throw UsageError("the " + std::to_string(size) + " elements given are not a subgroup of " +
                     PlainName(g->GroupID()));
}

// The table in aligned columns, "|" and a dashed line between coset blocks.
std::vector<std::string> PlainTable(const Group& g, const TableLayout& layout) {
    const auto name = [&](int k) { return PlainName(layout.names[static_cast<std::size_t>(k)]); };
    std::size_t w = 1;
    for (int k : layout.rows) w = std::max(w, name(k).size());
    const std::size_t block = layout.blockSize > 0 ? static_cast<std::size_t>(layout.blockSize) : layout.rows.size();
    const auto pad = [w](std::string s) { return s + std::string(w + 1 - std::min(w, s.size()), ' '); };
    const auto line = [&](const std::string& head, const auto& cell) {
        std::string l = pad(head) + "|";
        for (std::size_t j = 0; j < layout.columns.size(); ++j) {
            if (j > 0 && j % block == 0) l += "| ";
            l += " " + pad(cell(layout.columns[j]));
        }
        while (!l.empty() && l.back() == ' ') l.pop_back();
        return l;
    };
    std::vector<std::string> lines{line("", [&](int c) { return name(c); })};
    const std::size_t width = lines.front().size();
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        if (i % block == 0) lines.push_back(std::string(width, '-'));
        const int r = layout.rows[i];
        lines.push_back(line(name(r), [&](int c) { return name(g.mul(r, c)); }));
    }
    for (const std::string& c : layout.caption) lines.push_back(c);
    return lines;
}

nlohmann::json TableJson(const Group& g, const TableLayout& layout) {
    const auto name = [&](int k) { return PlainName(layout.names[static_cast<std::size_t>(k)]); };
    nlohmann::json rows = nlohmann::json::array(), columns = nlohmann::json::array(), table = nlohmann::json::array();
    for (int c : layout.columns) columns.push_back(name(c));
    for (int r : layout.rows) {
        rows.push_back(name(r));
        nlohmann::json line = nlohmann::json::array();
        for (int c : layout.columns) line.push_back(name(g.mul(r, c)));
        table.push_back(line);
    }
    nlohmann::json j = {{"id", markup::StripMarkup(g.GroupID())},
                        {"order", g.order()},
                        {"rows", rows},
                        {"columns", columns},
                        {"table", table},
                        {"caption", layout.caption}};
    if (layout.cosets) {
        j["blockSize"] = layout.cosets->blockSize;
        j["blocksFormTable"] = layout.cosets->blocksFormTable;
        j["blockTable"] = layout.cosets->blockTable;
    }
    if (!layout.colours.empty()) {
        nlohmann::json colours = nlohmann::json::object();
        for (int r : layout.rows) {
            const TableColour& c = layout.colours[static_cast<std::size_t>(r)];
            colours[name(r)] = {{"hue", c.hue}, {"background", "#" + c.Hex()}, {"text", "#" + c.TextHex()}};
        }
        j["colours"] = colours;
    }
    return j;
}

}  // namespace

void SetupTable(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("table", "A group's Cayley table: plain, LaTeX or SVG, coloured or by cosets");
    struct Options {
        std::string spec;
        bool latex = false;
        bool tikz = false;
        bool json = false;
        bool colours = false;
        bool original = false;
        std::string svg;
        std::string png;
        std::string by;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--latex", opts->latex, "Print the table as a LaTeX tabular");
    cmd->add_flag("--tikz", opts->tikz, "Print the table as a TikZ picture for LaTeX");
    AddFileOption(cmd, "--svg", opts->svg, "Write the table as an SVG picture to FILE");
    AddFileOption(cmd, "--png", opts->png, "Write the table as a PNG picture to FILE");
    cmd->add_flag("--colours,--colors", opts->colours, "Give every element its own colour");
    cmd->add_option("--by", opts->by,
                    "Rows by left, columns by right cosets of a subgroup: an ID as the subgroups verb lists it "
                    "(Subgroup4-2) or element names separated by commas (1,A,A^2)")
        ->type_name("SUBGROUP");
    cmd->add_flag("--original", opts->original, "Original element names in their original order");
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, cmd, &run] {
        if (cmd->count("--by") != 0 && opts->by.empty())
            throw UsageError("--by needs a subgroup: an ID or element names separated by commas");
        if (static_cast<int>(opts->latex) + static_cast<int>(opts->json) + static_cast<int>(opts->tikz) > 1)
            throw UsageError("--latex, --tikz and --json exclude each other");
        if (!opts->png.empty() && !PngAvailable()) throw UsageError(RunDrawingBuild(run.arguments));
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        TableOptions options;
        options.originalNames = opts->original;
        options.colours = opts->colours;
        if (!opts->by.empty()) options.organiseBy = ResolveSubgroup(g, opts->by);
        const TableLayout layout = MakeTableLayout(*g, options);
        if (!opts->svg.empty()) text::WriteFileAtomically(opts->svg, TableSvg(*g, layout, g->GroupID()));
        if (!opts->png.empty()) {
            const std::string error =
                WriteTablePng(*g, g->GroupID(), options.originalNames, options.colours, options.organiseBy, opts->png);
            if (!error.empty()) throw text::FileError(error);
        }
        if (opts->json)
            PrintJson(TableJson(*g, layout));
        else if (opts->latex)
            std::cout << TableLatex(*g, layout);
        else if (opts->tikz)
            std::cout << TableTikz(*g, layout);
        else if (opts->svg.empty() && opts->png.empty())
            for (const std::string& line : PlainTable(*g, layout)) std::cout << line << "\n";
    });
}

}  // namespace quorix::cli
