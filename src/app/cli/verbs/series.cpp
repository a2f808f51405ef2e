// quorix-report series SPEC [--original]: the composition series, its
// factors and solvability, as the composition-series panel shows them.

#include <CLI/CLI.hpp>

#include "core/analysis/composition_series.h"
#include "core/display/panel_text.h"
#include "cli/common.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

void SetupSeries(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("series", "Composition series, composition factors and solvability");
    struct Options {
        std::string spec;
        bool original = false;
        bool save = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->add_flag("--save", opts->save, "Register the derived groups in the --register directory");
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        CompositionSeriesState state;
        Progress progress;
        state.ComputeCompositionSeries(g, progress);
        state.NameAndRegister(RegistrarFor(run, opts->registerDir, opts->save));
        PrintPlainLines(analysis_text::SeriesPanelLines(state.Series(), opts->original));
    });
}

}  // namespace quorix::cli
