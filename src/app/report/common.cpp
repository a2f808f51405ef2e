#include "report/common.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <map>
#include <memory>

#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "core/text/markup.h"
#include "report/verb.h"

namespace quorix::report {

namespace {

struct OpenRegister {
    std::unique_ptr<storage::GroupRegister> reg;
    bool damaged = false;   // found damaged while read-only, not yet rebuilt
};

std::map<std::filesystem::path, OpenRegister>& openRegisters() {
    static std::map<std::filesystem::path, OpenRegister> registers;
    return registers;
}

}  // namespace

storage::GroupRegister& openRegister(const std::string& dir, bool writable) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) throw UsageError("register directory '" + dir + "' does not exist");
    const std::filesystem::path key = std::filesystem::weakly_canonical(dir, ec);
    OpenRegister& open = openRegisters()[ec ? std::filesystem::path(dir) : key];
    if (!open.reg) {
        open.reg = std::make_unique<storage::GroupRegister>(dir);
        open.reg->SetReadOnly(!writable);
        open.damaged = !open.reg->LoadGroupRegister() && !writable;
    } else if (writable && open.reg->ReadOnly()) {
        open.reg->SetReadOnly(false);
        if (open.damaged) {
            open.reg->BackupRegisterFile();
            open.reg->RewriteRegisterFile();
            showMessage(storage::kRebuiltMessage);
            open.damaged = false;
        }
    }
    return *open.reg;
}

GroupPtr resolveGroupSpec(const std::string& spec, const std::optional<std::string>& registerDir) {
    if (registerDir) {
        const storage::GroupRegister& reg = openRegister(*registerDir);
        if (GroupPtr g = reg.FindRegisteredGroup(spec)) return g;
        for (const GroupPtr& g : reg.Groups())
            if (markup::StripMarkup(g->GroupID()) == spec) return g;
    }
    try {
        return MakeGroupFromSpec(spec);
    } catch (const InvalidArgument& e) {
        if (registerDir) throw UsageError("'" + spec + "' is neither a registered group nor a group description: " + e.what());
        throw UsageError(e.what());
    }
}

void addSpecArgument(CLI::App* cmd, std::string& spec) {
    cmd->add_option("SPEC", spec, "S<d>, A<d>, Z<n>, U<n>, perm:<p1>,<p2>,..., products joined by x, or a registered ID")
        ->required();
}

void addRegisterOption(CLI::App* cmd, std::optional<std::string>& dir) {
    cmd->add_option("--register", dir, "Directory of the group register file");
}

}  // namespace quorix::report
