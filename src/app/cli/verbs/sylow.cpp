// quorix-report sylow SPEC [--all] [--original] [--json]: for every prime p
// dividing |G| the Sylow p-subgroups: their order and number, one of them
// (with its catalogue name up to order 20), normality, and on request all.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/characters/sylow.h"
#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

namespace {

std::vector<std::string> SylowElementNames(const Group& g, const ElementSet& members, bool original) {
    std::vector<std::string> names;
    for (int x = 1; x <= g.order(); ++x)
        if (members.test(static_cast<std::size_t>(x)))
            names.push_back(PlainName(original ? g.sourceName(g.sourceOf(x)) : g.name(x)));
    return names;
}

std::string SylowSetText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : ", ") + n;
    return "{" + text + "}";
}

}  // namespace

void SetupSylow(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("sylow", "Sylow subgroups: order, number n_p, one of them, normality");
    struct Options {
        std::string spec;
        bool all = false;
        bool original = false;
        bool json = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--all", opts->all, "List every Sylow subgroup (the whole conjugacy class)");
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    cmd->add_flag("--json", opts->json, "A JSON list with one object per prime");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        Progress progress;
        InterruptWatch interrupt(progress);
        const SylowResult result = ComputeSylowSubgroups(*g, progress, opts->all);
        if (result.halted) {
            std::cerr << "Sylow subgroups halted.\n";
            run.exitCode = 130;
            return;
        }
        const std::vector<SylowSubgroups>& all = result.primes;
        nlohmann::json list = nlohmann::json::array();
        if (!opts->json)
            std::cout << "Sylow subgroups of " << PlainName(g->GroupID()) << " (order " << g->order() << ")\n";
        for (const SylowSubgroups& s : all) {
            // " [#8-3 D4]".
            const std::string note = PlainName(SubgroupCatalogueNote(run.workbench.catalogue, g, s.subgroup, progress));
            const std::vector<std::string> elements = SylowElementNames(*g, s.subgroup, opts->original);
            if (opts->json) {
                nlohmann::json j = {
                    {"p", s.prime},
                    {"order", s.order},
                    {"count", s.count},
                    {"normal", s.normal},
                    {"normalizer_order", s.normalizerOrder},
                    {"elements", elements},
                    {"catalogue", note.empty() ? nlohmann::json() : nlohmann::json(note.substr(2, note.size() - 3))}};
                if (opts->all) {
                    j["conjugates"] = nlohmann::json::array();
                    for (const ElementSet& c : s.conjugates)
                        j["conjugates"].push_back(SylowElementNames(*g, c, opts->original));
                }
                list.push_back(std::move(j));
                continue;
            }
            std::cout << "\np = " << s.prime << ": order " << s.prime << "^" << s.exponent << " = " << s.order << ", "
                      << (s.normal ? "normal" : "not normal") << ", normalizer of order " << s.normalizerOrder << "\n"
                      << "  " << SylowCountText(s, g->order()) << "\n"
                      << "  one of them: " << SylowSetText(elements) << note << "\n";
            for (std::size_t i = 0; i < s.conjugates.size(); ++i)
                std::cout << "  " << (i + 1) << ". "
                          << SylowSetText(SylowElementNames(*g, s.conjugates[i], opts->original)) << "\n";
        }
        if (opts->json) PrintJson(list);
    });
}

}  // namespace quorix::cli
