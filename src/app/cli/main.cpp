// quorix-report: the engine without the desktop, for scripts and checks.

#include <CLI/CLI.hpp>

#include <iostream>

#include "core/group/errors.h"
#include "cli/common.h"
#include "cli/verb.h"

namespace {

using namespace quorix::cli;

constexpr VerbSetup kVerbs[] = {
    SetupAutomorphisms, SetupCharacters, SetupClasses,  SetupCompare,    SetupCycleGraph, SetupDiagram,
    SetupFacts,         SetupGroup,      SetupIdentify, SetupLattice,    SetupList,       SetupQuotient,
    SetupRings,         SetupSearch,     SetupSeries,   SetupSubgroups,  SetupSummary,    SetupSylow,
    SetupTable,         SetupView,       SetupCount,    SetupCycleIndex, SetupColourings, SetupPermutations,
};

// A message on one line of stderr.
int Fail(const std::string& what, int code) {
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
        "Put -- before a SPEC or ID that begins with \"-\": quorix-report group --register DIR -- -ID\n"
        "A SPEC is S<d>, A<d>, Z<n>, U<n>, D<n> (dihedral, order 2n), Dic<n> (dicyclic, order 4n), Q8,\n"
        "GL(2,p), SL(2,p), PSL(2,p), PGL(2,p), perm:<p1>,<p2>,..., a direct product joined by x (D4xZ2),\n"
        "or a presentation such as '<a,b | a^2, b^3, (ab)^5>' or '<a,b | a^7 = b^3 = 1, bab^-1 = a^2>'\n"
        "(single-letter generators; quote a presentation in the shell: it holds <, >, | and blanks)"};
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
        code = e.get_exit_code() == 0 ? app.exit(e) : Fail(e.what(), 2);
    } catch (const UsageError& e) {
        code = Fail(e.what(), 2);
    } catch (const quorix::InvalidArgument& e) {
        code = Fail(e.what(), 2);
    } catch (const quorix::ProgramError& e) {
        // A fault of the program, not of the input (sysexits' EX_SOFTWARE).
        code = Fail(std::string("program error (") + e.what() + ")", 70);
    } catch (const std::exception& e) {
        // Files that cannot be read or written.
        code = Fail(e.what(), 1);
    }
    run.finish();
    // Output that did not reach its file (a full disk, a closed pipe) is a
    // failure too.
    std::cout.flush();
    if (!std::cout && code == 0) code = Fail("cannot write the output", 1);
    return code;
}
