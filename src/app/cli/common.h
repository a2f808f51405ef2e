#pragma once
// What the verbs of quorix-report share: the run's context, group SPECs,
// the register, and decimal numbers on the command line.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/group/group.h"
#include "core/group/registrar.h"
#include "core/storage/group_register.h"
#include "core/workbench/workbench.h"
#include "cli/console_host.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace quorix::cli {

// Everything one run of the tool keeps, created in main() and handed to
// every verb: the engine's host, the registers opened so far and the exit
// code. There is no other state.
class RunContext {
public:
    RunContext() = default;
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    // The exit code main returns when the verb ends normally (0 unless set).
    int exitCode = 0;
    // The command line as given, for handing the run to the drawing build.
    std::vector<std::string> arguments;

    ConsoleHost& host() { return host_; }
    // A text for the user: one line on stderr.
    void show(const std::string& text) const;

    // The register kept in `dir`, loaded on first use and shared by every
    // later call for the same directory. Read-only unless `writable` is set
    // (a verb that registers groups asks for that); a damaged file found
    // while read-only is reported and left alone, and rebuilt once the
    // register turns writable; either way it is said once. Throws
    // UsageError when `dir` is not a directory, StorageError when its file
    // cannot be read (no regular file, too large) or its rebuild fails.
    storage::GroupRegister& openRegister(const std::string& dir, bool writable = false);
    // Says what is still to be said about the registers (damage found and
    // left alone); main calls it when the verb has ended.
    void finish();

    // The engine state the verbs of this run share.
    Workbench workbench;

private:
    struct OpenRegister {
        std::unique_ptr<storage::GroupRegister> reg;
        // Found damaged while read-only and not yet rebuilt: said at the end
        // of the run, or replaced by what the rebuild says.
        std::optional<storage::LoadReport> damage;
    };

    ConsoleHost host_;
    std::map<std::filesystem::path, OpenRegister> registers_;
};

// The SPEC argument every group verb takes (required).
// What a SPEC may be, for the help of every verb that takes one.
inline constexpr const char* kSpecHelp =
    "S<d>, A<d>, Z<n>, U<n>, D<n>, Dic<n>, Q8, GL(2,p), SL(2,p), PSL(2,p), PGL(2,p), perm:<p1>,<p2>,..., "
    "products joined by x, a presentation '<a,b | a^2, b^3, (ab)^5>' (quote it in the shell), or a registered ID";
void AddSpecArgument(CLI::App* cmd, std::string& spec);
// --register DIR: where the group register file lives.
void AddRegisterOption(CLI::App* cmd, std::optional<std::string>& dir);

// An option that names a file to write: given, it must not be empty (a
// usage error, alike for every verb).
CLI::Option* AddFileOption(CLI::App* cmd, const std::string& name, std::string& file, const std::string& description);
CLI::Option* AddFileOption(CLI::App* cmd, const std::string& name, std::optional<std::string>& file,
                           const std::string& description);

// A whole number written in decimal digits only ("010" is ten; signs, blanks,
// "0x10" and numbers beyond int are refused).
std::optional<int> ParseDecimal(std::string_view text);
// An option or positional that takes such a number; anything else is a
// usage error.
CLI::Option* AddDecimalOption(CLI::App* cmd, const std::string& name, int& value, const std::string& description);

// A SPEC of the command line (see MakeGroupFromSpec) or, when a register
// directory is given, the ID of a registered group (as written in the file,
// with its markup stripped, or as the tool prints it). Throws UsageError for
// anything else.
GroupPtr ResolveGroupSpec(RunContext& run, const std::string& spec, const std::optional<std::string>& registerDir);

// With --save, the groups a verb derives (subgroups, series terms,
// quotients) are registered in the --register directory, as the panels
// register them; without it nothing is written.
GroupRegistrar RegistrarFor(RunContext& run, const std::optional<std::string>& registerDir, bool save);

}  // namespace quorix::cli
