// quorix-report search N: finds the groups of order N as the search panel's
// Get Next Solution does in Trace off, pressed until the search ends.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <iostream>
#include <optional>

#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "report/common.h"
#include "report/verb.h"

namespace quorix::report {

namespace {

struct SearchOptions {
    int order = 0;
    bool includeIsomorphs = false;
    std::string rules = "11111";
    std::optional<std::string> registerDir;
    bool stats = false;
    bool json = false;
};

struct FoundSolution {
    std::string id;
    int isomorphOf = 0;
    std::vector<std::vector<std::string>> table;
};

// Registers the solutions in the group register kept in a directory (the
// register file is appended to as each solution is registered).
class RegisterSolutions : public SolutionRegistrar {
public:
    explicit RegisterSolutions(storage::GroupRegister& reg) : reg_(reg) {}
    void registerSolution(const GroupPtr& group, const std::string& id) override { reg_.RegisterGroup(group, id); }
    int lastManualNumber() const override { return reg_.LastManualNumber(); }
    void setLastManualNumber(int number) override { reg_.SetLastManualNumber(number); }

private:
    storage::GroupRegister& reg_;
};

std::unique_ptr<SolutionRegistrar> makeRegistrar(const std::string& dir) {
    return std::make_unique<RegisterSolutions>(openRegister(dir, true));
}

void runSearch(const SearchOptions& o) {
    if (o.order < 1 || o.order > CayleySearch::kMaxOrder) throw UsageError("the order must be an integer from 1 to 20");
    if (o.rules.size() != CayleySearch::kRuleCount || o.rules.find_first_not_of("01") != std::string::npos)
        throw UsageError("--rules takes five digits 0 or 1 (rules 0 to 4), for example 11011");
    std::unique_ptr<SolutionRegistrar> registrar;
    if (o.registerDir) registrar = makeRegistrar(*o.registerDir);

    CayleySearch search;
    search.setTraceMode(TraceMode::Off);
    search.setIncludeIsomorphs(o.includeIsomorphs);
    for (int k = 0; k < CayleySearch::kRuleCount; ++k) search.setRuleEnabled(k, o.rules[static_cast<std::size_t>(k)] == '1');
    search.setSearchOrder(o.order);
    search.clearSolutions();
    search.clearStats();

    std::vector<FoundSolution> found;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    SearchRun run(search, registrar.get());
    Progress progress;
    for (;;) {
        if (!run.start()) break;
        const SearchOutcome outcome = run.run(progress);
        if (outcome == SearchOutcome::Refused) continue;  // gone past, as a dropped duplicate
        if (outcome != SearchOutcome::Solution && outcome != SearchOutcome::OverLimit) break;
        const RecordResult& r = search.lastRecord();
        if (r.stored) {
            FoundSolution f{r.id, r.isomorphIndex, {}};
            for (int i = 1; i <= o.order; ++i) {
                f.table.emplace_back();
                for (int j = 1; j <= o.order; ++j) f.table.back().push_back(search.trialText(i, j));
            }
            found.push_back(std::move(f));
        }
        run.solutionShown();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const SearchStats& st = search.stats();

    if (o.json) {
        nlohmann::json solutions = nlohmann::json::array();
        for (const FoundSolution& f : found) solutions.push_back({{"id", f.id}, {"isomorph_of", f.isomorphOf}, {"table", f.table}});
        nlohmann::json out = {{"order", o.order},
                              {"solutions", solutions},
                              {"stats",
                               {{"solution_count", search.solutionCount()},
                                {"trials", st.trials},
                                {"fills", st.fills},
                                {"complete_tables", st.completeTables},
                                {"seconds", seconds},
                                {"cpu_seconds", cpuSeconds}}}};
        std::cout << out.dump(2) << "\n";
        return;
    }
    for (const FoundSolution& f : found) {
        std::cout << f.id;
        if (f.isomorphOf > 0) std::cout << "  (isomorphic to solution " << f.isomorphOf << ")";
        std::cout << "\n";
        for (const auto& row : f.table) {
            for (std::size_t j = 0; j < row.size(); ++j) std::cout << (j ? " " : "") << row[j];
            std::cout << "\n";
        }
        std::cout << "\n";
    }
    std::cout << "Solutions: " << search.solutionCount();
    if (search.solutionCount() > CayleySearch::kMaxSolutions) std::cout << " (the first " << CayleySearch::kMaxSolutions << " stored)";
    std::cout << "\n";
    if (o.stats) {
        std::cout << "Trials: " << st.trials << "\n"
                  << "Fills: " << st.fills << "\n"
                  << "Complete tables: " << st.completeTables << "\n"
                  << "Time: " << seconds << " s (processor time " << cpuSeconds << " s)\n";
    }
}

void setupSearch(CLI::App& app) {
    auto opts = std::make_shared<SearchOptions>();
    auto* cmd = app.add_subcommand("search", "Find the groups of order N by the Cayley-table search (Trace off)");
    cmd->add_option("N", opts->order, "Group order, 1 to 20")->required();
    cmd->add_flag("--include-isomorphs", opts->includeIsomorphs, "Keep tables isomorphic to earlier solutions");
    cmd->add_option("--rules", opts->rules, "Optimizing rules 0..4 on (1) or off (0), default 11111");
    cmd->add_option("--register", opts->registerDir, "Register the solutions in the group register of DIR");
    cmd->add_flag("--stats", opts->stats, "Print trials, fills, complete tables and time");
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    cmd->callback([opts] { runSearch(*opts); });
}

}  // namespace

QUORIX_REPORT_VERB(setupSearch)

}  // namespace quorix::report
