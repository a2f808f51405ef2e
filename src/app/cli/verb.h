#pragma once
// The command-line tool's verbs. Each verb lives in its own file under
// verbs/ and has a setup function, listed in main.cpp, that adds a CLI11
// subcommand whose callback works through the run's context:
//
//   void SetupFoo(CLI::App& app, RunContext& run) { auto* cmd = app.add_subcommand(...); ... }
//
// A verb's callback reports bad input by throwing UsageError (one line on
// stderr, exit code 2) and sets run.exitCode for other outcomes.

#include <stdexcept>
#include <string>

namespace CLI {
class App;
}

namespace quorix::cli {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

class RunContext;

using VerbSetup = void (*)(CLI::App&, RunContext&);

// `orbits OBJECT --colours K`: one colouring of each orbit, as `colourings`
// lists them (colours and weights as typed; a usage error when bad).
void ListColouringOrbits(RunContext& run, const std::string& subject, const std::string& colours,
                         const std::string& weights, bool reflections, bool json);

void SetupAutomorphisms(CLI::App& app, RunContext& run);
void SetupCharacters(CLI::App& app, RunContext& run);
void SetupClasses(CLI::App& app, RunContext& run);
void SetupColourings(CLI::App& app, RunContext& run);
void SetupCompare(CLI::App& app, RunContext& run);
void SetupCount(CLI::App& app, RunContext& run);
void SetupCycleGraph(CLI::App& app, RunContext& run);
void SetupCycleIndex(CLI::App& app, RunContext& run);
void SetupDiagram(CLI::App& app, RunContext& run);
void SetupFacts(CLI::App& app, RunContext& run);
void SetupGroup(CLI::App& app, RunContext& run);
void SetupIdentify(CLI::App& app, RunContext& run);
void SetupLattice(CLI::App& app, RunContext& run);
void SetupList(CLI::App& app, RunContext& run);
void SetupPermutations(CLI::App& app, RunContext& run);
void SetupQuotient(CLI::App& app, RunContext& run);
void SetupRings(CLI::App& app, RunContext& run);
void SetupSearch(CLI::App& app, RunContext& run);
void SetupSeries(CLI::App& app, RunContext& run);
void SetupSubgroups(CLI::App& app, RunContext& run);
void SetupSummary(CLI::App& app, RunContext& run);
void SetupSylow(CLI::App& app, RunContext& run);
void SetupTable(CLI::App& app, RunContext& run);
void SetupView(CLI::App& app, RunContext& run);

}  // namespace quorix::cli
