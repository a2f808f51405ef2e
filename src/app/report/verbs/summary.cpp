// quorix-report summary N [-o FILE]: runs the Cayley-table search for order N
// to its end (Trace off) and appends the Summary View of the stored
// solutions, with the named groups each one is isomorphic to.

#include <CLI/CLI.hpp>

#include <iostream>
#include <algorithm>
#include <map>
#include <optional>

#include "core/host/host.h"
#include "core/report/html.h"
#include "core/report/views.h"
#include "core/storage/preferences.h"
#include "core/search/cayley_search.h"
#include "report/common.h"
#include "report/verb.h"

namespace quorix::report {

namespace {

class MemorySolutions : public SolutionRegistrar {
public:
    void registerSolution(const GroupPtr& group, const std::string& id) override { groups[id] = group; }
    int lastManualNumber() const override { return manual; }
    void setLastManualNumber(int number) override { manual = number; }
    std::map<std::string, GroupPtr> groups;
    int manual = 0;
};

}  // namespace

void setupSummary(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("summary", "Find every group of order N and append the Summary View of the solutions");
    struct Options {
        int order = 0;
        std::optional<std::string> file;
        std::optional<std::string> components;
        std::optional<std::string> preferencesDir;
        bool includeIsomorphs = false;
    };
    auto opts = std::make_shared<Options>();
    addDecimalOption(cmd, "N", opts->order, "Group order, 1 to 20")->required();
    cmd->add_option("-o,--output", opts->file, "View file (appended to; default GroupSummary.html)");
    cmd->add_option("--preferences", opts->preferencesDir, "Directory of the preferences file (its view components are the default)");
    cmd->add_option("--components", opts->components, "Seven 0/1 characters (default 1011000)");
    cmd->add_flag("--include-isomorphs", opts->includeIsomorphs, "Keep solutions isomorphic to earlier ones");
    cmd->callback([opts, &run] {
        if (opts->order < 1 || opts->order > CayleySearch::kMaxOrder) throw UsageError("Order must be an integer from 1 to 20.");
        ViewOptions options;
        std::string defaults = DefaultViewComponents(ViewKind::Summary);
        if (opts->preferencesDir) {
            storage::Preferences prefs;
            prefs.Load(*opts->preferencesDir);
            defaults = prefs.String(ViewComponentPreference(ViewKind::Summary) - 1);
        }
        options.components = opts->components.value_or(defaults);
        if (options.components.size() != 7 || options.components.find_first_not_of("01") != std::string::npos)
            throw UsageError("--components takes seven characters 0 or 1, such as 1011000");

        MemorySolutions solutions;
        CayleySearch search;
        search.setIncludeIsomorphs(opts->includeIsomorphs);
        search.setSearchOrder(opts->order);
        for (;;) {
            const auto r = search.getNextSolution(&solutions);
            if (r == CayleySearch::RunResult::Halted) {
                std::cerr << "Search halted.\n";
                run.exitCode = 1;
                return;
            }
            if (r != CayleySearch::RunResult::SolutionStored) break;
            search.noteSolutionRules();
        }
        std::vector<SummarySolution> list;
        const int stored = std::min(search.solutionCount(), CayleySearch::kMaxSolutions);
        for (int slot = 1; slot <= stored; ++slot) list.push_back({search.solution(slot), search.solutionIsomorph(slot)});

        auto registered = std::make_shared<std::map<std::string, GroupPtr>>(solutions.groups);
        options.registrar.registerGroup = [registered](const GroupPtr& g, const std::string& id) { (*registered)[id] = g; };
        options.analysis = &EngineStructure();
        const std::string path = opts->file.value_or(DefaultViewFileName(ViewKind::Summary));
        bool complete = false;
        try {
            complete = WriteSummaryView(opts->order, list, path, options);
        } catch (const InvalidArgument& e) {
            throw UsageError(e.what());
        }
        if (!complete) {
            host().setHaltRequested(false);
            std::cerr << kViewHaltedMessage << "\n";
            run.exitCode = 1;
        }
        std::cout << search.solutionCount() << " solution(s); " << path << "#" << CurrentAnchor() << "\n";
    });
}

}  // namespace quorix::report
