// quorix-report quotient SPEC SUBGROUP-ID [--original]: the right cosets of
// a normal subgroup and the quotient's table, as the quotient panel shows
// them. SUBGROUP-ID names an entry of the subgroup list ("Subgroup3-1",
// with or without its "(...)" part).

#include <CLI/CLI.hpp>

#include "core/analysis/panel_text.h"
#include "core/analysis/quotient.h"
#include "core/analysis/subgroups.h"
#include "core/text/markup.h"
#include "report/common.h"
#include "report/verb.h"
#include "report/verbs/analysis_common.h"

namespace quorix::report {

namespace {

void setupQuotient(CLI::App& app) {
    auto* cmd = app.add_subcommand("quotient", "Quotient group by a normal subgroup: cosets and table");
    struct Options {
        std::string spec;
        std::string subgroup;
        bool original = false;
        bool save = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    addSpecArgument(cmd, opts->spec);
    cmd->add_option("SUBGROUP-ID", opts->subgroup, "A normal subgroup as listed by the subgroups verb, e.g. Subgroup3-1")
        ->required();
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    addRegisterOption(cmd, opts->registerDir);
    cmd->add_flag("--save", opts->save, "Register the derived groups in the --register directory");
    cmd->callback([opts] {
        GroupPtr g = resolveGroupSpec(opts->spec, opts->registerDir);
        SubgroupLogic logic;
        Progress progress;
        logic.FindAllSubgroups(g, progress);
        std::vector<std::string> ids = logic.NameAndRegister({});
        int chosen = 0;
        for (std::size_t s = 0; s < ids.size() && chosen == 0; ++s) {
            const std::string& id = ids[s];
            if (opts->subgroup == id || opts->subgroup == markup::StripMarkup(id) || opts->subgroup == PlainLine(id) ||
                opts->subgroup == ShortSubgroupName(id))
                chosen = static_cast<int>(s) + 1;
        }
        if (chosen == 0) throw UsageError("'" + opts->subgroup + "' is not a subgroup ID of " + PlainLine(g->GroupID()));
        if (!logic.IsNormal(chosen))
            throw UsageError("'" + opts->subgroup + "' is not a normal subgroup of " + PlainLine(g->GroupID()));
        const GroupPtr& n = logic.Subgroup(chosen);
        QuotientListing q = BuildQuotientListing(g, n, opts->original, RegistrarFor(opts->registerDir, opts->save));
        PrintPlainLines(analysis_text::QuotientPanelLines(*g, *n, q, opts->original));
    });
}

}  // namespace

QUORIX_REPORT_VERB(setupQuotient)

}  // namespace quorix::report
