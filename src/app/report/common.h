#pragma once
// Helpers shared by the verbs of quorix-report.

#include <optional>
#include <string>

#include "core/group/group.h"

namespace quorix::report {

// A SPEC of the command line (see MakeGroupFromSpec) or, when a register
// directory is given, the ID of a registered group (as written in the file
// or with its markup stripped). Throws UsageError for anything else.
GroupPtr resolveGroupSpec(const std::string& spec, const std::optional<std::string>& registerDir);

}  // namespace quorix::report
