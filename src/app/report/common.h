#pragma once
// Helpers shared by the verbs of quorix-report.

#include <optional>
#include <string>

#include "core/group/group.h"
#include "core/storage/group_register.h"

namespace CLI {
class App;
}

namespace quorix::report {

// The SPEC argument every group verb takes (required).
void addSpecArgument(CLI::App* cmd, std::string& spec);
// --register DIR: where the group register file lives.
void addRegisterOption(CLI::App* cmd, std::optional<std::string>& dir);


// A SPEC of the command line (see MakeGroupFromSpec) or, when a register
// directory is given, the ID of a registered group (as written in the file
// or with its markup stripped). Throws UsageError for anything else.
GroupPtr resolveGroupSpec(const std::string& spec, const std::optional<std::string>& registerDir);

// The register kept in `dir`, loaded on first use and shared by every later
// call for the same directory. Read-only unless `writable` is set (a verb
// that registers groups asks for that); a damaged file found while read-only
// is reported and left alone, and rebuilt once the register turns writable.
// Throws UsageError when `dir` is not a directory.
storage::GroupRegister& openRegister(const std::string& dir, bool writable = false);

}  // namespace quorix::report
