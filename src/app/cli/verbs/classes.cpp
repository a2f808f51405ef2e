// quorix-report classes SPEC [--original]: conjugacy classes with witnesses
// and the class equation, as the conjugacy-class panel shows them.

#include <CLI/CLI.hpp>

#include "core/analysis/conjugacy_classes.h"
#include "core/display/panel_text.h"
#include "cli/common.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

void SetupClasses(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("classes", "Conjugacy classes with conjugating witnesses and the class equation");
    struct Options {
        std::string spec;
        bool original = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--original", opts->original,
                  "Original element names in their own order (permutations also in cycle notation)");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        Progress progress;
        PrintPlainLines(analysis_text::ClassesPanelLines(*g, ComputeConjugacyClasses(*g, opts->original, progress)));
    });
}

}  // namespace quorix::cli
