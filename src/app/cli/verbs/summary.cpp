// quorix-report summary N [-o FILE]: runs the Cayley-table search for order N
// to its end (Trace off) and appends the Summary View of the stored
// solutions, with the named groups each one is isomorphic to.

#include <CLI/CLI.hpp>

#include <iostream>
#include <algorithm>
#include <map>
#include <optional>

#include "core/group/table_order.h"
#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "cli/common.h"
#include "cli/verb.h"
#include "cli/view_file.h"

namespace quorix::cli {

namespace {

class MemorySolutions : public SolutionRegistrar {
public:
    void RegisterSolution(const GroupPtr& group, const std::string& id) override { groups[id] = group; }
    int LastManualNumber() const override { return manual; }
    void SetLastManualNumber(int number) override { manual = number; }
    std::map<std::string, GroupPtr> groups;
    int manual = 0;
};

}  // namespace

void SetupSummary(CLI::App& app, RunContext& run) {
    auto* cmd =
        app.add_subcommand("summary", "Find every group of order N and append the Summary View of the solutions");
    struct Options {
        int order = 0;
        std::optional<std::string> file;
        std::optional<std::string> components;
        std::optional<std::string> preferencesDir;
        bool includeIsomorphs = false;
    };
    auto opts = std::make_shared<Options>();
    AddDecimalOption(cmd, "N", opts->order, "Group order, 1 to 20")->required();
    AddFileOption(cmd, "-o,--output", opts->file, "View file (appended to; default GroupSummary.html)");
    cmd->add_option("--preferences", opts->preferencesDir,
                    "Directory of the preferences file (its view components are the default)");
    cmd->add_option("--components", opts->components, "Seven 0/1 characters (default 1011000)");
    cmd->add_flag("--include-isomorphs", opts->includeIsomorphs, "Keep solutions isomorphic to earlier ones");
    cmd->callback([opts, &run] {
        if (opts->order < 1 || opts->order > CayleySearch::kMaxOrder) throw UsageError(kOrderMessage);
        ViewFileRequest request{ViewKind::Summary, opts->file, opts->components, opts->preferencesDir, ""};
        ViewComponents(request);
        MemorySolutions solutions;
        CayleySearch search;
        search.SetIncludeIsomorphs(opts->includeIsomorphs);
        search.SetSearchOrder(opts->order);
        SearchRun searchRun(search, &solutions);
        Progress progress;
        for (;;) {
            if (!searchRun.Start()) break;
            const SearchOutcome r = searchRun.Run(progress);
            if (r == SearchOutcome::Halted) {
                std::cerr << "Search halted.\n";
                run.exitCode = 1;
                return;
            }
            if (r == SearchOutcome::Refused) continue;
            if (r != SearchOutcome::Solution && r != SearchOutcome::OverLimit) break;
            searchRun.SolutionShown();
        }
        std::vector<SummarySolution> list;
        const int stored = std::min(search.SolutionCount(), CayleySearch::kMaxSolutions);
        for (int slot = 1; slot <= stored; ++slot)
            list.push_back({search.Solution(slot), search.SolutionIsomorph(slot)});

        auto registered = std::make_shared<std::map<std::string, GroupPtr>>(solutions.groups);
        GroupRegistrar registrar;
        registrar.registerGroup = [registered](const GroupPtr& g, const std::string& id) { (*registered)[id] = g; };
        request.printedBefore = std::to_string(search.SolutionCount()) + " solution(s); ";
        WriteViewFile(request, run, registrar, [&](const std::string& path, const ViewOptions& options) {
            return WriteSummaryView(opts->order, list, path, options);
        });
    });
}

}  // namespace quorix::cli
