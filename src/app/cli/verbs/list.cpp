// quorix-report list --register DIR [GROUP...]: the groups of a register
// file, one per line: ID (markup stripped), generation method and order,
// tab-separated. With GROUP arguments only those are listed, each looked up
// as every verb looks up a group (registered ID, ID without markup, or a
// group description).

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <vector>

#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

void PrintEntry(const Group& g) {
    std::cout << PlainName(g.GroupID()) << '\t' << static_cast<int>(g.MethodOfGeneration()) << '\t' << g.order()
              << '\n';
}

}  // namespace

void SetupList(CLI::App& app, RunContext& run) {
    struct Options {
        std::string dir;
        std::vector<std::string> groups;
    };
    auto opt = std::make_shared<Options>();
    auto* cmd = app.add_subcommand("list", "List the groups registered in a register directory");
    cmd->add_option("--register", opt->dir, "Directory holding the register file")->required();
    cmd->add_option("groups", opt->groups, "Only these groups (IDs or descriptions)");
    cmd->callback([opt, &run] {
        const storage::GroupRegister& reg = run.openRegister(opt->dir);
        if (opt->groups.empty()) {
            for (const GroupPtr& g : reg.Groups()) PrintEntry(*g);
            return;
        }
        for (const std::string& s : opt->groups) PrintEntry(*ResolveGroupSpec(run, s, opt->dir));
    });
}

}  // namespace quorix::cli
