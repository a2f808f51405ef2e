// quorix-report view SPEC [-o FILE] [--components 1011001]: appends the HTML
// view of a group's family to FILE (default: the family's view file in the
// current directory). "Aut(SPEC)" and "Inn(SPEC)" give the automorphism
// group views.

#include <CLI/CLI.hpp>

#include <iostream>
#include <map>
#include <optional>

#include "core/compare/automorphisms.h"
#include "core/text/markup.h"
#include "core/display/views.h"
#include "cli/common.h"
#include "cli/view_file.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

void SetupView(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand(
        "view", "Append the HTML view of a group (its family's view; Aut(SPEC)/Inn(SPEC) for automorphism groups)");
    struct Options {
        std::string spec;
        std::optional<std::string> file;
        std::optional<std::string> components;
        std::optional<std::string> preferencesDir;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    cmd->add_option("SPEC", opts->spec, std::string(kSpecHelp) + ", or Aut(SPEC), Inn(SPEC)")->required();
    AddFileOption(cmd, "-o,--output", opts->file, "View file (appended to)");
    cmd->add_option("--preferences", opts->preferencesDir,
                    "Directory of the preferences file (its view components are the default)");
    cmd->add_option("--components", opts->components,
                    "Seven 0/1 characters: listing, tables, properties, subgroups, quotients, series");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, &run] {
        auto registered = std::make_shared<std::map<std::string, GroupPtr>>();
        GroupRegistrar registrar{[registered](const GroupPtr& g, const std::string& id) { (*registered)[id] = g; },
                                 nullptr};

        GroupPtr g;
        ViewKind kind = ViewKind::Permutation;
        const std::string& spec = opts->spec;
        const bool aut = spec.rfind("Aut(", 0) == 0, inn = spec.rfind("Inn(", 0) == 0;
        if ((aut || inn) && (spec.size() <= 5 || spec.back() != ')'))
            throw UsageError("'" + spec + "' needs a group and a closing parenthesis, as in " + spec.substr(0, 4) +
                             "S3)");
        if (aut || inn) {
            GroupPtr base = ResolveGroupSpec(run, spec.substr(4, spec.size() - 5), opts->registerDir);
            if (base->Order() > kAutomorphismOrderLimit) throw UsageError(kAutomorphismOrderMessage);
            AutomorphismList list = ComputeAutomorphisms(*base);
            if (aut && !list.Complete())
                throw UsageError("Aut(" + PlainName(base->GroupID()) + ") has more than " +
                                 std::to_string(kAutomorphismListLimit) + " elements");
            g = GenerateAutomorphismGroup(*base, list, aut ? AutomorphismKind::Auto : AutomorphismKind::Inner,
                                          registrar);
            kind = ViewKind::Automorphism;
        } else {
            g = ResolveGroupSpec(run, spec, opts->registerDir);
            if (!ViewKindOfGroup(*g, kind))
                throw UsageError("no view for " + PlainName(g->GroupID()) +
                                 ": views are written for symmetric, "
                                 "alternating, permutation, additive, multiplicative and direct product groups");
            if (g->MethodOfGeneration() == GenerationMethod::Described && !opts->file)
                opts->file = "SpecialGroupView.html";
        }
        WriteViewFile({kind, opts->file, opts->components, opts->preferencesDir, ""}, run, registrar,
                      [&](const std::string& path, const ViewOptions& options) {
                          return WriteGroupView(kind, g, path, options);
                      });
    });
}

}  // namespace quorix::cli
