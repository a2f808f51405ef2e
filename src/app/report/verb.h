#pragma once
// The command-line tool's verbs. Each verb lives in its own file under
// verbs/ and registers a setup function that adds a CLI11 subcommand:
//
//   static void setupFoo(CLI::App& app) { auto* cmd = app.add_subcommand(...); ... }
//   QUORIX_REPORT_VERB(setupFoo)
//
// A verb's callback reports bad input by throwing UsageError (one line on
// stderr, exit code 2).

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace quorix::report {

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

using VerbSetup = void (*)(CLI::App&);

std::vector<VerbSetup>& verbRegistry();

inline bool registerVerb(VerbSetup setup) {
    verbRegistry().push_back(setup);
    return true;
}

// Exit code a verb's callback wants main to return (0 unless set).
int& verbExitCode();

}  // namespace quorix::report

#define QUORIX_REPORT_VERB(fn) \
    [[maybe_unused]] static const bool quorix_verb_registered_##fn = ::quorix::report::registerVerb(&fn);
