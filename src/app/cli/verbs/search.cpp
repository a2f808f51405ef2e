// quorix-report search N: finds the groups of order N as the search panel's
// Get Next Solution does in Trace off, pressed until the search ends, the
// --max-solutions count is reached or Ctrl+C stops it. When stderr is a
// terminal it shows how far the search has come.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <chrono>
#include <ctime>
#include <iostream>
#include <optional>
#include <unistd.h>

#include "core/group/table_order.h"
#include "core/host/progress.h"
#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

struct SearchOptions {
    int order = 0;
    bool includeIsomorphs = false;
    std::string rules = "11111";
    std::optional<std::string> registerDir;
    std::optional<int> maxSolutions;
    bool stats = false;
    bool json = false;
};

struct FoundSolution {
    std::string id;
    int isomorphOf = 0;
    std::vector<std::vector<std::string>> table;
};

// Why the search ended before the search space was exhausted.
enum class Stop { None, MaxSolutions, Interrupted };

// Registers the solutions in the group register kept in a directory (the
// register file is appended to as each solution is registered).
class RegisterSolutions : public SolutionRegistrar {
public:
    explicit RegisterSolutions(storage::GroupRegister& reg) : reg_(reg) {}
    void RegisterSolution(const GroupPtr& group, const std::string& id) override { reg_.RegisterGroup(group, id); }
    int LastManualNumber() const override { return reg_.LastManualNumber(); }
    void SetLastManualNumber(int number) override { reg_.SetLastManualNumber(number); }

private:
    storage::GroupRegister& reg_;
};

// The progress line on a terminal, rewritten in place a few times a second.
class ProgressLine {
public:
    explicit ProgressLine(bool shown) : shown_(shown) {}
    ~ProgressLine() {
        if (written_) std::cerr << "\r\033[K" << std::flush;
    }
    void update(const CayleySearch& search, bool force = false) {
        if (!shown_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && written_ && now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        written_ = true;
        const SearchStats& st = search.Stats();
        std::cerr << "\rsearching order " << search.SearchOrder() << ": " << st.trials << " trials, "
                  << st.completeTables << " complete tables, " << search.SolutionCount()
                  << " solutions (Ctrl+C stops)\033[K" << std::flush;
    }

private:
    bool shown_;
    bool written_ = false;
    std::chrono::steady_clock::time_point last_;
};

void RunSearch(const SearchOptions& o, RunContext& run) {
    if (o.order < 1 || o.order > CayleySearch::kMaxOrder) throw UsageError(kOrderMessage);
    if (o.rules.size() != CayleySearch::kRuleCount || o.rules.find_first_not_of("01") != std::string::npos)
        throw UsageError("--rules takes five digits 0 or 1 (rules 0 to 4), for example 11011");
    if (o.maxSolutions && *o.maxSolutions < 1) throw UsageError("--max-solutions takes a count of at least 1");
    std::unique_ptr<SolutionRegistrar> registrar;
    if (o.registerDir) registrar = std::make_unique<RegisterSolutions>(run.openRegister(*o.registerDir, true));

    CayleySearch search;
    search.SetTraceMode(TraceMode::Off);
    search.SetIncludeIsomorphs(o.includeIsomorphs);
    for (int k = 0; k < CayleySearch::kRuleCount; ++k)
        search.SetRuleEnabled(k, o.rules[static_cast<std::size_t>(k)] == '1');
    search.SetSearchOrder(o.order);
    search.ClearSolutions();
    search.ClearStats();

    ProgressLine line(isatty(STDERR_FILENO) == 1);
    Progress progress([&line, &search] { line.update(search); });
    std::vector<FoundSolution> found;
    Stop stop = Stop::None;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    {
        InterruptWatch interrupt(progress);
        SearchRun searchRun(search, registrar.get());
        for (;;) {
            if (o.maxSolutions && search.SolutionCount() >= *o.maxSolutions) {
                stop = Stop::MaxSolutions;
                break;
            }
            if (!searchRun.Start()) break;
            const SearchOutcome outcome = searchRun.Run(progress);
            if (outcome == SearchOutcome::Halted || progress.Stopped()) stop = Stop::Interrupted;
            // A table the group model refuses is gone past, as a dropped duplicate.
            if (outcome == SearchOutcome::Refused && stop == Stop::None) continue;
            if (outcome != SearchOutcome::Solution && outcome != SearchOutcome::OverLimit) break;
            const RecordResult& r = search.LastRecord();
            if (r.stored) {
                FoundSolution f{r.id, r.isomorphIndex, {}};
                for (int i = 1; i <= o.order; ++i) {
                    f.table.emplace_back();
                    for (int j = 1; j <= o.order; ++j) f.table.back().push_back(search.TrialText(i, j));
                }
                found.push_back(std::move(f));
            }
            searchRun.SolutionShown();
            line.update(search, true);
            if (stop == Stop::Interrupted) break;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const SearchStats& st = search.Stats();
    if (stop == Stop::Interrupted) {
        std::cerr << "Search halted.\n";
        run.exitCode = 130;
    }

    if (o.json) {
        nlohmann::json solutions = nlohmann::json::array();
        for (const FoundSolution& f : found)
            solutions.push_back({{"id", f.id}, {"isomorph_of", f.isomorphOf}, {"table", f.table}});
        nlohmann::json out = {{"order", o.order},
                              {"solutions", solutions},
                              {"stats",
                               {{"solution_count", search.SolutionCount()},
                                {"trials", st.trials},
                                {"fills", st.fills},
                                {"complete_tables", st.completeTables},
                                {"seconds", seconds},
                                {"cpu_seconds", cpuSeconds}}}};
        if (stop != Stop::None) out["stopped"] = stop == Stop::Interrupted ? "interrupted" : "max-solutions";
        PrintJson(out, 2);
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
    std::cout << "Solutions: " << search.SolutionCount();
    if (search.SolutionCount() > CayleySearch::kMaxSolutions)
        std::cout << " (the first " << CayleySearch::kMaxSolutions << " stored)";
    if (stop == Stop::MaxSolutions) std::cout << " (stopped at --max-solutions)";
    if (stop == Stop::Interrupted) std::cout << " (search halted)";
    std::cout << "\n";
    if (o.stats) {
        std::cout << "Trials: " << st.trials << "\n"
                  << "Fills: " << st.fills << "\n"
                  << "Complete tables: " << st.completeTables << "\n"
                  << "Time: " << seconds << " s (processor time " << cpuSeconds << " s)\n";
    }
}

}  // namespace

void SetupSearch(CLI::App& app, RunContext& run) {
    auto opts = std::make_shared<SearchOptions>();
    auto maxSolutions = std::make_shared<int>(0);
    auto* cmd = app.add_subcommand("search", "Find the groups of order N by the Cayley-table search (Trace off)");
    AddDecimalOption(cmd, "N", opts->order, "Group order, 1 to 20")->required();
    cmd->add_flag("--include-isomorphs", opts->includeIsomorphs, "Keep tables isomorphic to earlier solutions");
    cmd->add_option("--rules", opts->rules, "Optimizing rules 0..4 on (1) or off (0), default 11111");
    cmd->add_option("--register", opts->registerDir, "Register the solutions in the group register of DIR");
    auto* max = AddDecimalOption(cmd, "--max-solutions", *maxSolutions, "Stop after K solutions");
    max->type_name("K");
    cmd->add_flag("--stats", opts->stats, "Print trials, fills, complete tables and time");
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    cmd->callback([opts, maxSolutions, max, &run] {
        if (max->count() > 0) opts->maxSolutions = *maxSolutions;
        RunSearch(*opts, run);
    });
}

}  // namespace quorix::cli
