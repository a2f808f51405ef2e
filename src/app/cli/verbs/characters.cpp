// quorix-report characters SPEC [--original] [--json | --latex]: the character table,
// exact, with degrees, Frobenius–Schur indicators, kernels, real and rational
// characters, the legend of its symbols and the table's own checks.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/characters/character_table.h"
#include "core/characters/character_text.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

namespace {

std::string ClassElementName(const Group& g, int position, bool original) {
    return PlainName(original ? g.sourceName(g.sourceOf(position)) : g.name(position));
}

std::string CharacterYesNo(bool b) { return b ? "yes" : "no"; }

// "4 = 1a+2b": the kernel's order and the classes it is made of.
std::string KernelText(const CharacterTable& t, const Character& chi) {
    std::string classes;
    for (const CharacterClass& cls : t.classes)
        if ((cls.members & chi.kernel) == cls.members) classes += (classes.empty() ? "" : "+") + cls.label;
    return std::to_string(chi.kernelOrder) + " = " + classes;
}

nlohmann::json CharacterTableJson(const Group& g, const CharacterTable& t, bool original) {
    nlohmann::json classes = nlohmann::json::array();
    for (const CharacterClass& cls : t.classes)
        classes.push_back({{"label", cls.label},
                           {"representative", ClassElementName(g, cls.representative, original)},
                           {"size", cls.size},
                           {"order", cls.elementOrder},
                           {"centralizer", cls.centralizerOrder}});
    nlohmann::json characters = nlohmann::json::array();
    for (const Character& chi : t.characters) {
        nlohmann::json values = nlohmann::json::array();
        for (const Cyclotomic& v : chi.values)
            values.push_back({{"exact", v.Text()}, {"re", v.Real()}, {"im", v.Imag()}});
        nlohmann::json kernel = nlohmann::json::array();
        for (int x = 1; x <= g.order(); ++x)
            if (chi.kernel.test(static_cast<std::size_t>(x))) kernel.push_back(ClassElementName(g, x, original));
        characters.push_back({{"degree", chi.degree},
                              {"indicator", chi.indicator},
                              {"kernel_order", chi.kernelOrder},
                              {"kernel", kernel},
                              {"real", chi.real},
                              {"rational", chi.rational},
                              {"values", values}});
    }
    return {{"group", PlainName(g.GroupID())},
            {"order", t.groupOrder},
            {"classes", classes},
            {"characters", characters},
            {"legend", CharacterLegend(t)},
            {"checks",
             {{"sum_of_squared_degrees", t.checks.sumOfSquaredDegrees},
              {"row_orthogonality", t.checks.rowOrthogonality},
              {"column_orthogonality", t.checks.columnOrthogonality}}}};
}

void PrintCharacterTable(const Group& g, const CharacterTable& t, bool original) {
    std::cout << "Character table of " << PlainName(g.GroupID()) << " (order " << t.groupOrder << ", "
              << t.classes.size() << " classes)\n\n";
    std::vector<std::vector<std::string>> head{
        {"class"}, {"representative"}, {"size"}, {"element order"}, {"centralizer"}};
    for (const CharacterClass& cls : t.classes) {
        head[0].push_back(cls.label);
        head[1].push_back(ClassElementName(g, cls.representative, original));
        head[2].push_back(std::to_string(cls.size));
        head[3].push_back(std::to_string(cls.elementOrder));
        head[4].push_back(std::to_string(cls.centralizerOrder));
    }
    PrintPlainLines(AlignColumns(head));
    std::cout << "\n";
    std::vector<std::vector<std::string>> rows{{""}};
    for (const CharacterClass& cls : t.classes) rows[0].push_back(cls.label);
    for (const char* h : {"degree", "ind", "kernel", "real", "rational"}) rows[0].push_back(h);
    for (std::size_t c = 0; c < t.characters.size(); ++c) {
        const Character& chi = t.characters[c];
        std::vector<std::string> row{"χ_" + std::to_string(c + 1)};
        for (const Cyclotomic& v : chi.values) row.push_back(v.Text());
        row.insert(row.end(), {std::to_string(chi.degree), IndicatorText(chi.indicator), KernelText(t, chi),
                               CharacterYesNo(chi.real), CharacterYesNo(chi.rational)});
        rows.push_back(std::move(row));
    }
    PrintPlainLines(AlignColumns(rows));
    const std::vector<std::string> legend = CharacterLegend(t);
    if (!legend.empty()) {
        std::cout << "\nLegend:\n";
        for (const std::string& line : legend) std::cout << "  " << line << "\n";
    }
    std::cout << "\nChecks:\n";
    for (const std::string& line : CharacterCheckLines(t)) std::cout << "  " << line << "\n";
}

}  // namespace

void SetupCharacters(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("characters", "Character table: exact values, indicators, kernels and checks");
    struct Options {
        std::string spec;
        bool original = false;
        bool json = false;
        bool latex = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    cmd->add_flag("--json", opts->json, "One JSON object");
    cmd->add_flag("--latex", opts->latex, "The table as a LaTeX tabular, with the legend");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        Progress progress;
        const CharacterTable t = ComputeCharacterTable(*g, progress);
        if (opts->json) {
            PrintJson(CharacterTableJson(*g, t, opts->original));
        } else if (opts->latex) {
            std::vector<std::string> representatives;
            for (const CharacterClass& cls : t.classes)
                representatives.push_back(ClassElementName(*g, cls.representative, opts->original));
            std::cout << CharacterTableLatex(t, representatives);
        } else {
            PrintCharacterTable(*g, t, opts->original);
        }
        if (!t.checks.Pass(t.groupOrder)) run.exitCode = 1;
    });
}

}  // namespace quorix::cli
