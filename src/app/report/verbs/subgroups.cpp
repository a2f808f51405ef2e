// quorix-report subgroups SPEC [--original] [--no-limit] [--classes]: the
// subgroup list as the subgroup panel shows it, optionally followed by the
// subgroup conjugacy classes.

#include <CLI/CLI.hpp>

#include <iostream>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/panel_text.h"
#include "core/analysis/subgroups.h"
#include "report/common.h"
#include "report/verb.h"
#include "report/verbs/analysis_common.h"

namespace quorix::report {

namespace {

void setupSubgroups(CLI::App& app) {
    auto* cmd = app.add_subcommand("subgroups", "List a group's subgroups with normality, centralizers and normalizers");
    struct Options {
        std::string spec;
        bool original = false;
        bool save = false;
        bool noLimit = false;
        bool classes = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    addSpecArgument(cmd, opts->spec);
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    cmd->add_flag("--no-limit", opts->noLimit, "List every subgroup (the panel stops at 60)");
    cmd->add_flag("--classes", opts->classes, "Also print the subgroup conjugacy classes (complete lists only)");
    addRegisterOption(cmd, opts->registerDir);
    cmd->add_flag("--save", opts->save, "Register the derived groups in the --register directory");
    cmd->callback([opts] {
        GroupPtr g = resolveGroupSpec(opts->spec, opts->registerDir);
        SubgroupLogic logic;
        Progress progress;
        if (logic.FindAllSubgroups(g, progress, opts->noLimit ? 0 : kSubgroupPanelLimit).limitReached)
            std::cerr << LimitReachedMessage(kSubgroupPanelLimit) << "\n";
        std::vector<std::string> ids = logic.NameAndRegister(RegistrarFor(opts->registerDir, opts->save));
        PrintPlainLines(analysis_text::SubgroupPanelLines(logic, ids, opts->original));
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

}  // namespace

QUORIX_REPORT_VERB(setupSubgroups)

}  // namespace quorix::report
