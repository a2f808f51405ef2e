// quorix-report subgroups SPEC [--original] [--no-limit] [--classes]: the
// subgroup list as the subgroup panel shows it, optionally followed by the
// subgroup conjugacy classes.

#include <CLI/CLI.hpp>

#include <iostream>

#include "core/analysis/conjugacy_classes.h"
#include "core/display/panel_text.h"
#include "core/analysis/subgroups.h"
#include "cli/common.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

namespace {

// The subgroup panel's lines, its table in aligned columns.
std::vector<std::string> SubgroupListLines(SubgroupLogic& logic, const std::vector<std::string>& ids, bool original) {
    std::vector<std::string> lines = analysis_text::SubgroupPanelLines(logic, ids, original);
    const std::vector<analysis_text::SubgroupRow> rows = analysis_text::SubgroupRows(logic, ids, original);
    std::vector<std::vector<std::string>> cells{{"Subgroup ID", "Order", "Normal Subgroup?", "Elements"}};
    for (const analysis_text::SubgroupRow& r : rows) {
        std::string normal = r.normal ? "Yes" : "No";
        if (r.centre) normal += "(1)";
        if (r.commutator) normal += "(2)";
        cells.push_back({PlainName(r.id), std::to_string(r.order), normal, PlainName(r.elements)});
    }
    // Lines 1 .. rows.size() + 1 are the headings and the rows.
    std::vector<std::string> table = AlignColumns(cells);
    lines.erase(lines.begin() + 1, lines.begin() + 2 + static_cast<std::ptrdiff_t>(rows.size()));
    lines.insert(lines.begin() + 1, table.begin(), table.end());
    return lines;
}

}  // namespace

void SetupSubgroups(CLI::App& app, RunContext& run) {
    auto* cmd =
        app.add_subcommand("subgroups", "List a group's subgroups with normality, centralizers and normalizers");
    struct Options {
        std::string spec;
        bool original = false;
        bool save = false;
        bool noLimit = false;
        bool classes = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    cmd->add_flag("--no-limit", opts->noLimit, "List every subgroup (the panel stops at 60)");
    cmd->add_flag("--classes", opts->classes, "Also print the subgroup conjugacy classes (complete lists only)");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->add_flag("--save", opts->save, "Register the derived groups in the --register directory");
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        SubgroupLogic logic;
        Progress progress;
        if (logic.FindAllSubgroups(g, progress, opts->noLimit ? 0 : kSubgroupPanelLimit).limitReached)
            std::cerr << LimitReachedMessage(kSubgroupPanelLimit) << "\n";
        std::vector<std::string> ids = logic.NameAndRegister(RegistrarFor(run, opts->registerDir, opts->save));
        PrintPlainLines(SubgroupListLines(logic, ids, opts->original));
        if (!opts->classes) return;
        if (logic.PartialList()) {
            std::cout << "\n(no subgroup conjugacy classes for a partial list)\n";
            return;
        }
        std::vector<std::string> names;
        for (const std::string& id : ids) names.push_back(ShortSubgroupName(id));
        SubgroupClasses classes = ComputeSubgroupConjugacyClasses(*g, logic.Memberships(), progress);
        std::cout << "\n";
        PrintPlainLines(analysis_text::SubgroupClassesPanelLines(*g, names, classes, opts->original));
    });
}

}  // namespace quorix::cli
