// quorix-report: the engine without the desktop, for scripts and checks.

#include <CLI/CLI.hpp>

#include <iostream>

#include "core/host/host.h"
#include "report/console_host.h"
#include "report/verb.h"

namespace quorix::report {

std::vector<VerbSetup>& verbRegistry() {
    static std::vector<VerbSetup> verbs;
    return verbs;
}

int& verbExitCode() {
    static int code = 0;
    return code;
}

}  // namespace quorix::report

int main(int argc, char** argv) {
    using namespace quorix::report;
    ConsoleHost consoleHost;
    quorix::setHost(&consoleHost);

    CLI::App app{"quorix-report: finds, builds and analyses finite groups without the desktop program"};
    app.require_subcommand(1);
    for (VerbSetup setup : verbRegistry()) setup(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    } catch (const UsageError& e) {
        std::cerr << "quorix-report: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quorix-report: " << e.what() << "\n";
        return 1;
    }
    return verbExitCode();
}
