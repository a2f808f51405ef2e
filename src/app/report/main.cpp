// quorix-report: the engine without the desktop, for scripts and checks.

#include <CLI/CLI.hpp>

#include <iostream>

#include "report/common.h"
#include "report/verb.h"

namespace {

using namespace quorix::report;

constexpr VerbSetup kVerbs[] = {
    setupAutomorphisms, setupClasses, setupCompare, setupFacts,  setupGroup,     setupIdentify, setupLattice, setupList,
    setupQuotient,      setupRings,   setupSearch,  setupSeries, setupSubgroups, setupSummary,  setupTable,   setupView,
};

// A message on one line of stderr.
int fail(const std::string& what, int code) {
    std::string line = what;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::cerr << "quorix-report: " << line << "\n";
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    RunContext run;
    run.arguments.assign(argv, argv + argc);

    CLI::App app{
        "quorix-report: finds, builds and analyses finite groups without the desktop program.\n"
        "Put -- before a SPEC or ID that begins with \"-\": quorix-report group --register DIR -- -ID"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("quorix-report ") + QUORIX_VERSION);
    // A flag takes no value: "--original=2" is refused, not read as on.
    app.option_defaults()->disable_flag_override();
    for (VerbSetup setup : kVerbs) setup(app, run);

    int code = 0;
    try {
        app.parse(argc, argv);
        code = run.exitCode;
    } catch (const CLI::ParseError& e) {
        // --help and --version end the run normally; anything else is a
        // usage error like those of the verbs.
        code = e.get_exit_code() == 0 ? app.exit(e) : fail(e.what(), 2);
    } catch (const UsageError& e) {
        code = fail(e.what(), 2);
    } catch (const std::exception& e) {
        code = fail(e.what(), 1);
    }
    // Output that did not reach its file (a full disk, a closed pipe) is a
    // failure too.
    std::cout.flush();
    if (!std::cout && code == 0) code = fail("cannot write the output", 1);
    return code;
}
