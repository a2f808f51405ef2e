// quorix-report quotient SPEC SUBGROUP-ID [--original]: the right cosets of
// a normal subgroup and the quotient's table, as the quotient panel shows
// them. SUBGROUP-ID names an entry of the subgroup list ("Subgroup3-1",
// with or without its "(...)" part).

#include <CLI/CLI.hpp>

#include "core/display/panel_text.h"
#include "core/analysis/quotient.h"
#include "core/analysis/subgroups.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/verb.h"
#include "cli/verbs/analysis_common.h"

namespace quorix::cli {

namespace {

// The quotient panel's lines, the table of G/N in aligned columns.
std::vector<std::string> QuotientLines(const Group& g, const Group& n, const QuotientListing& q, bool original) {
    std::vector<std::string> lines = analysis_text::QuotientPanelLines(g, n, q, original);
    std::vector<std::vector<std::string>> cells(1, std::vector<std::string>{""});
    for (const QuotientCoset& c : q.cosets) cells[0].push_back(PlainName(c.name));
    for (std::size_t i = 0; i < q.cosets.size(); ++i) {
        cells.push_back({PlainName(q.cosets[i].name) + " :"});
        for (int j : q.table[i]) cells.back().push_back(PlainName(q.cosets[static_cast<std::size_t>(j)].name));
    }
    // The last lines are the table's heading and rows.
    lines.resize(lines.size() - cells.size());
    for (std::string& l : AlignColumns(cells, 2)) lines.push_back(std::move(l));
    return lines;
}

}  // namespace

void SetupQuotient(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("quotient", "Quotient group by a normal subgroup: cosets and table");
    struct Options {
        std::string spec;
        std::string subgroup;
        bool original = false;
        bool save = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    AddSpecArgument(cmd, opts->spec);
    cmd->add_option("SUBGROUP-ID", opts->subgroup,
                    "A normal subgroup as listed by the subgroups verb, e.g. Subgroup3-1")
        ->required();
    cmd->add_flag("--original", opts->original, "Original element names instead of reductive-mapping names");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->add_flag("--save", opts->save, "Register the derived groups in the --register directory");
    cmd->callback([opts, &run] {
        GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
        SubgroupLogic logic;
        Progress progress;
        logic.FindAllSubgroups(g, progress);
        std::vector<std::string> ids = logic.NameAndRegister({});
        int chosen = 0;
        for (std::size_t s = 0; s < ids.size() && chosen == 0; ++s) {
            const std::string& id = ids[s];
            if (opts->subgroup == id || opts->subgroup == markup::StripMarkup(id) || opts->subgroup == PlainName(id) ||
                opts->subgroup == ShortSubgroupName(id))
                chosen = static_cast<int>(s) + 1;
        }
        if (chosen == 0)
            throw UsageError("'" + opts->subgroup + "' is not a subgroup ID of " + PlainName(g->GroupID()));
        if (!logic.IsNormal(chosen))
            throw UsageError("'" + opts->subgroup + "' is not a normal subgroup of " + PlainName(g->GroupID()));
        const GroupPtr& n = logic.Subgroup(chosen);
        QuotientListing q =
            BuildQuotientListing(g, n, opts->original, RegistrarFor(run, opts->registerDir, opts->save));
        PrintPlainLines(QuotientLines(*g, *n, q, opts->original));
    });
}

}  // namespace quorix::cli
