// The verbs of permutation groups of any size:
//   orbits SPEC [--json]                    the orbits as lists of points
//   contains SPEC PERM... [--word] [--json] membership, with a word in the generators
//   stabilizer SPEC POINT... [--json]       the pointwise stabilizer
//   random SPEC [--count K] [--seed S]      uniformly random elements
// and the facts of a permutation group past the table limit (facts.cpp).

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/verb.h"
#include "cli/verbs/permutation_facts.h"
#include "core/group/errors.h"
#include "core/group/group.h"
#include "core/text/text.h"

namespace quorix::cli {

namespace {

constexpr const char* kPermSpecHelp =
    "A permutation group: S<d>, A<d> (d up to 1000), perm:<generators> (cycle or one-line notation), Rubik, "
    "Rubik2, M11, M12, M22, M23, M24";

perm::Perm ReadPermutation(const std::string& text) {
    try {
        return perm::IsCycleNotation(text) ? perm::ParseCycles(text) : perm::ParsePermutationList(text).at(0);
    } catch (const InvalidArgument& e) {
        throw UsageError(e.what());
    }
}

std::string PointList(const std::vector<perm::Point>& points) {
    std::string s;
    for (perm::Point p : points) s += (s.empty() ? "" : ", ") + std::to_string(p + 1);
    return s;
}

}  // namespace

nlohmann::json BigNumberJson(const mpz_class& n) {
    if (n >= 0 && mpz_sizeinbase(n.get_mpz_t(), 2) <= 53 && n != mpz_class("9007199254740992"))
        return nlohmann::json(n.get_ui());
    return nlohmann::json(n.get_str());
}

perm::PermGroupPtr ResolvePermGroup(const std::string& spec) {
    std::optional<perm::PermSpec> read;
    try {
        read = perm::ReadPermSpec(spec);
    } catch (const InvalidArgument& e) {
        throw UsageError(e.what());
    }
    if (!read)
        throw UsageError("'" + spec +
                         "' is not a permutation group (use S<d>, A<d>, perm:..., Rubik, Rubik2, M11, M12, M22, M23 or "
                         "M24)");
    Progress progress;
    InterruptWatch interrupt(progress);
    perm::PermGroupPtr g = perm::MakePermGroup(*read, progress);
    if (!g) throw UsageError("Halted.");
    return g;
}

perm::PermGroupPtr LargePermGroup(const std::string& spec) {
    std::optional<perm::PermSpec> read;
    try {
        read = perm::ReadPermSpec(spec);
    } catch (const InvalidArgument&) {
        return nullptr;
    }
    if (!read) return nullptr;
    Progress progress;
    perm::PermGroupPtr g = perm::MakePermGroup(*read, progress);
    return g && g->Order() > kMaxGroupOrder ? g : nullptr;
}

void AddCycleNotationFacts(nlohmann::json& j, const std::string& spec) {
    const std::string_view trimmed = text::TrimBlanks(spec);
    if (trimmed.substr(0, 5) != "perm:" || !perm::IsCycleNotation(trimmed)) return;
    const perm::PermGroupPtr g = ResolvePermGroup(spec);
    std::vector<std::size_t> lengths;
    for (const auto& o : g->Orbits()) lengths.push_back(o.size());
    std::vector<int> base;
    for (perm::Point b : g->Base()) base.push_back(b + 1);
    j["degree"] = g->degree();
    j["orbits"] = lengths;
    j["transitive"] = lengths.size() == 1;
    j["base"] = base;
    j["order_factorised"] = perm::FactorisedString(g->Order());
}

void PrintPermutationFacts(const std::string& spec, const perm::PermGroup& g, bool json) {
    Progress progress;
    InterruptWatch interrupt(progress);
    const auto orbits = g.Orbits();
    std::vector<std::size_t> lengths;
    for (const auto& o : orbits) lengths.push_back(o.size());
    const std::vector<mpz_class> series = g.DerivedSeriesOrders(progress);
    const std::optional<mpz_class> centre = g.CentreOrder(progress);
    if (series.empty() || !centre) throw UsageError("Halted.");
    const bool solvable = series.back() == 1;
    const mpz_class commutator = series.size() > 1 ? series[1] : series[0];
    std::vector<int> base;
    for (perm::Point b : g.Base()) base.push_back(b + 1);
    if (json) {
        nlohmann::json j = {{"id", spec},
                            {"order", BigNumberJson(g.Order())},
                            {"order_factorised", perm::FactorisedString(g.Order())},
                            {"degree", g.degree()},
                            {"orbits", lengths},
                            {"transitive", orbits.size() == 1},
                            {"abelian", g.IsAbelian()},
                            {"solvable", solvable},
                            {"center", BigNumberJson(*centre)},
                            {"commutator", BigNumberJson(commutator)},
                            {"base", base}};
        PrintJson(j);
        return;
    }
    std::string orbitText;
    for (std::size_t n : lengths) orbitText += (orbitText.empty() ? "" : ", ") + std::to_string(n);
    std::cout << "Group " << spec << " (permutation group of degree " << g.degree() << ")\n"
              << "  order: " << g.Order().get_str() << " = " << perm::FactorisedString(g.Order()) << "\n"
              << "  orbits: " << orbits.size() << " (lengths " << orbitText << ")\n"
              << "  transitive: " << (orbits.size() == 1 ? "yes" : "no") << "\n"
              << "  abelian: " << (g.IsAbelian() ? "yes" : "no") << "\n"
              << "  solvable: " << (solvable ? "yes" : "no") << "\n"
              << "  centre order: " << centre->get_str() << "\n"
              << "  commutator subgroup order: " << commutator.get_str() << "\n"
              << "  base: " << PointList(g.Base()) << "\n";
}

void SetupPermutations(CLI::App& app, RunContext& run) {
    {
        auto* cmd = app.add_subcommand(
            "orbits",
            "The orbits of a permutation group, as lists of points; with --colours K, one colouring of each orbit "
            "of the K-colourings of an object or group (as the colourings verb lists them)");
        struct OrbitOptions {
            std::string spec, colours, weights;
            bool json = false, reflections = false;
        };
        auto o = std::make_shared<OrbitOptions>();
        cmd->add_option("SPEC", o->spec, kPermSpecHelp)->required();
        cmd->add_flag("--json", o->json, "A JSON list of lists of points");
        cmd->add_option("--colours,--colors", o->colours, "List the orbits of the K-colourings instead");
        cmd->add_option("--weights", o->weights, "With --colours: only these numbers of points of each colour");
        cmd->add_flag("--reflections", o->reflections, "With --colours: the full symmetry group of an object");
        cmd->callback([o, &run] {
            if (!o->colours.empty() || !o->weights.empty()) {
                ListColouringOrbits(run, o->spec, o->colours, o->weights, o->reflections, o->json);
                return;
            }
            if (o->reflections) throw UsageError("--reflections goes with --colours");
            const std::string* spec = &o->spec;
            const bool* json = &o->json;
            const perm::PermGroupPtr g = ResolvePermGroup(*spec);
            const auto orbits = g->Orbits();
            if (*json) {
                nlohmann::json j = nlohmann::json::array();
                for (const auto& o : orbits) {
                    std::vector<int> points;
                    for (perm::Point p : o) points.push_back(p + 1);
                    j.push_back(points);
                }
                PrintJson(j);
                return;
            }
            for (const auto& o : orbits) std::cout << PointList(o) << "\n";
        });
    }
    {
        auto* cmd = app.add_subcommand("contains", "Whether permutations lie in a permutation group, with words");
        struct Options {
            std::string spec;
            std::vector<std::string> perms;
            bool word = false, json = false;
        };
        auto o = std::make_shared<Options>();
        cmd->add_option("SPEC", o->spec, kPermSpecHelp)->required();
        cmd->add_option("PERM", o->perms, "Permutations in cycle notation ((1,2)(3,4)) or one-line notation")
            ->required();
        cmd->add_flag("--word", o->word, "Write each member as a word in the group's generators");
        cmd->add_flag("--json", o->json, "A JSON list: booleans, or objects with the word");
        cmd->callback([o] {
            const perm::PermGroupPtr g = ResolvePermGroup(o->spec);
            std::vector<perm::Perm> perms;
            for (const std::string& p : o->perms) perms.push_back(ReadPermutation(p));
            Progress progress;
            std::unique_ptr<perm::StabilizerChain> words;
            if (o->word) words = g->WordChain(progress);
            nlohmann::json j = nlohmann::json::array();
            for (std::size_t i = 0; i < perms.size(); ++i) {
                const bool member = g->Contains(perms[i]);
                std::optional<std::string> word;
                std::size_t length = 0;
                if (member && words)
                    if (std::optional<perm::Word> w = words->WordOf(perms[i])) {
                        const perm::Word reduced = perm::ReduceWord(*w, g->GeneratorOrders());
                        length = reduced.size();
                        word = g->FormatWord(reduced);
                    }
                if (o->json) {
                    if (!o->word)
                        j.push_back(member);
                    else
                        j.push_back({{"member", member},
                                     {"word", word ? nlohmann::json(*word) : nlohmann::json()},
                                     {"length", word ? nlohmann::json(length) : nlohmann::json()}});
                    continue;
                }
                std::cout << o->perms[i] << ": " << (member ? "yes" : "no");
                if (member && o->word)
                    std::cout << (word ? " = " + *word + " (" + std::to_string(length) + " letters)"
                                       : " (no word: the group is too large for words)");
                std::cout << "\n";
            }
            if (o->json) PrintJson(j);
        });
    }
    {
        auto* cmd = app.add_subcommand("stabilizer", "The pointwise stabilizer of points in a permutation group");
        struct Options {
            std::string spec;
            std::vector<int> points;
            bool json = false;
        };
        auto o = std::make_shared<Options>();
        cmd->add_option("SPEC", o->spec, kPermSpecHelp)->required();
        cmd->add_option("POINT", o->points, "Points, from 1")->required();
        cmd->add_flag("--json", o->json, "One JSON object");
        cmd->callback([o] {
            const perm::PermGroupPtr g = ResolvePermGroup(o->spec);
            std::vector<perm::Point> points;
            for (int p : o->points) {
                if (p < 1 || p > g->degree())
                    throw UsageError("the point " + std::to_string(p) + " is not in 1-" + std::to_string(g->degree()));
                points.push_back(static_cast<perm::Point>(p - 1));
            }
            Progress progress;
            const perm::PermGroupPtr s = g->Stabilizer(points, progress);
            if (!s) throw UsageError("Halted.");
            std::vector<std::string> gens;
            for (const perm::Perm& p : s->generators()) gens.push_back(perm::CycleString(p));
            std::vector<std::size_t> lengths;
            for (const auto& orbit : s->Orbits()) lengths.push_back(orbit.size());
            if (o->json) {
                PrintJson({{"order", BigNumberJson(s->Order())},
                           {"order_factorised", perm::FactorisedString(s->Order())},
                           {"orbits", lengths},
                           {"generators", gens}});
                return;
            }
            std::cout << "order: " << s->Order().get_str() << " = " << perm::FactorisedString(s->Order()) << "\n";
            for (const std::string& text : gens) std::cout << "  " << text << "\n";
        });
    }
    {
        auto* cmd = app.add_subcommand("random", "Uniformly random elements of a permutation group");
        struct Options {
            std::string spec;
            int count = 1;
            std::uint64_t seed = 1;
        };
        auto o = std::make_shared<Options>();
        cmd->add_option("SPEC", o->spec, kPermSpecHelp)->required();
        cmd->add_option("--count", o->count, "How many (1-10000)")->check(CLI::Range(1, 10000));
        cmd->add_option("--seed", o->seed, "The seed: the same seed gives the same elements");
        cmd->callback([o] {
            const perm::PermGroupPtr g = ResolvePermGroup(o->spec);
            for (const perm::Perm& p : g->RandomElements(o->seed, o->count)) std::cout << perm::CycleString(p) << "\n";
        });
    }
}

}  // namespace quorix::cli
