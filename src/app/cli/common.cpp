#include "cli/common.h"
#include "cli/verbs/permutation_facts.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <utility>
#include <iostream>

#include "core/group/group_spec.h"
#include "core/presentation/presented_group.h"
#include "core/text/markup.h"
#include "core/text/text.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

void RunContext::show(const std::string& text) const { std::cerr << text << "\n"; }

void RunContext::finish() {
    for (auto& [dir, open] : registers_)
        if (open.damage)
            for (const std::string& text : std::exchange(open.damage, std::nullopt)->Messages()) show(text);
}

storage::GroupRegister& RunContext::openRegister(const std::string& dir, bool writable) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) throw UsageError("register directory '" + dir + "' does not exist");
    const std::filesystem::path key = std::filesystem::weakly_canonical(dir, ec);
    OpenRegister& open = registers_[ec ? std::filesystem::path(dir) : key];
    if (!open.reg) {
        open.reg = std::make_unique<storage::GroupRegister>(dir);
        open.reg->SetReadOnly(!writable);
        open.reg->SetLockWaitNotice([this] { show(storage::kRegisterWaitMessage); });
        storage::LoadReport report = open.reg->LoadGroupRegister();
        // A file that cannot be read at all ends the run with its one message.
        if (!report.fileProblem.empty()) throw storage::StorageError(report.Messages().back());
        if (report.damaged && !writable) {
            // Said once the run knows whether the file gets rebuilt.
            report.emptyIds = 0;
            open.damage = std::move(report);
        } else {
            for (const std::string& text : report.Messages()) show(text);
            if (report.writeError) exitCode = 1;
        }
    } else if (writable && open.reg->ReadOnly()) {
        open.reg->SetReadOnly(false);
        if (open.damage) {
            storage::LoadReport report = *std::exchange(open.damage, std::nullopt);
            report.readOnly = false;
            report.backedUp = open.reg->BackupRegisterFile();
            show(report.Messages().front());
            if (report.backedUp) show(storage::BackupMessage(true));
            open.reg->RewriteRegisterFile();
            show(storage::kRebuiltMessage);
        }
    }
    return *open.reg;
}

GroupPtr ResolveGroupSpec(RunContext& run, const std::string& spec, const std::optional<std::string>& registerDir) {
    if (registerDir) {
        const storage::GroupRegister& reg = run.openRegister(*registerDir);
        if (GroupPtr g = reg.FindRegisteredGroup(spec)) return g;
        for (const GroupPtr& g : reg.Groups())
            if (markup::StripMarkup(g->GroupID()) == spec || PlainName(g->GroupID()) == spec) return g;
    }
    try {
        return MakeGroupFromDescription(spec);
    } catch (const InvalidArgument& e) {
        if ((spec.rfind("Aut(", 0) == 0 || spec.rfind("Inn(", 0) == 0) && spec.back() == ')')
            throw UsageError("'" + spec + "': " + spec.substr(0, 3) +
                             "(SPEC) is taken by the view verb only (quorix-report view '" + spec +
                             "'); the automorphisms verb lists the automorphisms of SPEC");
        if (const perm::PermGroupPtr large = LargePermGroup(spec))
            throw UsageError(
                TooLargeForTable("'" + spec + "'", large->Order().fits_slong_p() ? large->Order().get_si() : 0));
        if (registerDir)
            throw UsageError("'" + spec + "' is neither a registered group nor a group description: " + e.what());
        throw UsageError(e.what());
    }
}

GroupRegistrar RegistrarFor(RunContext& run, const std::optional<std::string>& registerDir, bool save) {
    if (!save) return {};
    if (!registerDir) throw UsageError("--save needs --register DIR");
    storage::GroupRegister& reg = run.openRegister(*registerDir, true);
    GroupRegistrar registrar = storage::RegistrarOf(reg);
    // Write failures end the run; what the register learnt about the file
    // on the way is shown.
    registrar.registerGroup = [&reg, &run, next = registrar.registerGroup](const GroupPtr& g, const std::string& id) {
        next(g, id);
        for (const std::string& text : reg.TakeNotices()) run.show(text);
    };
    return registrar;
}

void AddSpecArgument(CLI::App* cmd, std::string& spec) { cmd->add_option("SPEC", spec, kSpecHelp)->required(); }

void AddRegisterOption(CLI::App* cmd, std::optional<std::string>& dir) {
    cmd->add_option("--register", dir, "Directory of the group register file");
}

namespace {

CLI::Option* NamesAFile(CLI::Option* option) {
    option->type_name("FILE");
    option->check(CLI::Validator(
        [](const std::string& text) { return text.empty() ? std::string("needs a file name, not ''") : std::string(); },
        "FILE", "a file name"));
    return option;
}

}  // namespace

CLI::Option* AddFileOption(CLI::App* cmd, const std::string& name, std::string& file, const std::string& description) {
    return NamesAFile(cmd->add_option(name, file, description));
}

CLI::Option* AddFileOption(CLI::App* cmd, const std::string& name, std::optional<std::string>& file,
                           const std::string& description) {
    return NamesAFile(cmd->add_option(name, file, description));
}

std::optional<int> ParseDecimal(std::string_view text) { return text::ParseDigits(text); }

CLI::Option* AddDecimalOption(CLI::App* cmd, const std::string& name, int& value, const std::string& description) {
    auto* option = cmd->add_option_function<std::string>(
        name,
        [&value, name](const std::string& text) {
            const std::optional<int> v = ParseDecimal(text);
            if (!v) throw CLI::ValidationError(name, "'" + text + "' is not a whole number in decimal digits");
            value = *v;
        },
        description);
    option->type_name("INT");
    return option;
}

}  // namespace quorix::cli
