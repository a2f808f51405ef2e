#pragma once
// The command-line tool's verbs. Each verb lives in its own file under
// verbs/ and has a setup function, listed in main.cpp, that adds a CLI11
// subcommand whose callback works through the run's context:
//
//   void setupFoo(CLI::App& app, RunContext& run) { auto* cmd = app.add_subcommand(...); ... }
//
// A verb's callback reports bad input by throwing UsageError (one line on
// stderr, exit code 2) and sets run.exitCode for other outcomes.

#include <stdexcept>
#include <string>

namespace CLI {
class App;
}

namespace quorix::report {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

class RunContext;

using VerbSetup = void (*)(CLI::App&, RunContext&);

void setupAutomorphisms(CLI::App& app, RunContext& run);
void setupClasses(CLI::App& app, RunContext& run);
void setupCompare(CLI::App& app, RunContext& run);
void setupCycleGraph(CLI::App& app, RunContext& run);
void setupDiagram(CLI::App& app, RunContext& run);
void setupFacts(CLI::App& app, RunContext& run);
void setupGroup(CLI::App& app, RunContext& run);
void setupIdentify(CLI::App& app, RunContext& run);
void setupLattice(CLI::App& app, RunContext& run);
void setupList(CLI::App& app, RunContext& run);
void setupQuotient(CLI::App& app, RunContext& run);
void setupRings(CLI::App& app, RunContext& run);
void setupSearch(CLI::App& app, RunContext& run);
void setupSeries(CLI::App& app, RunContext& run);
void setupSubgroups(CLI::App& app, RunContext& run);
void setupSummary(CLI::App& app, RunContext& run);
void setupTable(CLI::App& app, RunContext& run);
void setupView(CLI::App& app, RunContext& run);

}  // namespace quorix::report
