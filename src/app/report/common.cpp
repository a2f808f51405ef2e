#include "report/common.h"

#include "core/group/group_spec.h"
#include "report/verb.h"

namespace quorix::report {

GroupPtr resolveGroupSpec(const std::string& spec, const std::optional<std::string>& /*registerDir*/) {
    try {
        return MakeGroupFromSpec(spec);
    } catch (const InvalidArgument& e) {
        throw UsageError(e.what());
    }
}

}  // namespace quorix::report
