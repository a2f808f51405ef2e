// quorix-report count / cycleindex / colourings OBJECT|SPEC: colourings up to
// symmetry. count gives the Burnside table and the number of different
// colourings with K colours (or with given numbers of each colour),
// cycleindex the cycle index, colourings one colouring of each orbit.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>

#include "core/counting/burnside.h"
#include "core/counting/colouring_list.h"
#include "core/counting/symmetry_object.h"
#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

using namespace quorix::counting;

struct CountingOptions {
    std::string subject;
    std::optional<int> colours;
    std::string weights;
    bool reflections = false;
    bool json = false;
    std::optional<std::string> registerDir;
};

void AddSubject(CLI::App* cmd, CountingOptions& o) {
    cmd->add_option(
           "OBJECT", o.subject,
           std::string("What is coloured: ") + kObjectHelp + "; or a group " + kSpecHelp + " acting on its points")
        ->required();
    cmd->add_flag("--reflections", o.reflections,
                  "The full symmetry group: necklaces may be turned over, solids reflected");
    AddRegisterOption(cmd, o.registerDir);
}

// The number K of --colours K.
int ParseColours(const std::string& text) {
    const std::optional<int> k = ParseDecimal(text);
    if (!k || *k < 1) throw UsageError("--colours needs a whole number of at least 1, not '" + text + "'");
    return *k;
}

void AddColours(CLI::App* cmd, CountingOptions& o) {
    cmd->add_option_function<std::string>(
        "--colours,--colors", [&o](const std::string& text) { o.colours = ParseColours(text); },
        "The number of colours K");
}

SymmetryObject Subject(RunContext& run, const CountingOptions& o) {
    if (IsObjectName(o.subject) || o.reflections) return MakeSymmetryObject(o.subject, o.reflections);
    GroupPtr g = ResolveGroupSpec(run, o.subject, o.registerDir);
    return ObjectFromGroup(*g, o.subject);
}

// The numbers of each colour from "--weights 3,2,1"; empty without it.
std::vector<int> Weights(const CountingOptions& o) {
    std::vector<int> numbers;
    if (o.weights.empty()) return numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = o.weights.find(',', start);
        const std::string item =
            o.weights.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::optional<int> a = ParseDecimal(item);
        if (!a) throw UsageError("--weights lists whole numbers separated by commas, not '" + o.weights + "'");
        numbers.push_back(*a);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (o.colours && *o.colours != static_cast<int>(numbers.size()))
        throw UsageError("--weights gives " + std::to_string(numbers.size()) + " numbers for " +
                         std::to_string(*o.colours) + " colours");
    return numbers;
}

int ColoursOf(const CountingOptions& o, const std::vector<int>& numbers) {
    if (!numbers.empty()) return static_cast<int>(numbers.size());
    if (!o.colours) throw UsageError("give the number of colours with --colours K (or the numbers with --weights)");
    return *o.colours;
}

// Below 2^53 a JSON number, else its decimal digits.
nlohmann::json JsonNumber(const mpz_class& n) {
    if (n >= 0 && mpz_sizeinbase(n.get_mpz_t(), 2) <= 53) return nlohmann::json(std::stoull(n.get_str()));
    return nlohmann::json(n.get_str());
}

void PrintHeader(const SymmetryObject& object) { std::cout << object.name << ": " << object.description << "\n"; }

}  // namespace

void SetupCount(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("count", "Colourings up to symmetry: the Burnside table and the number of orbits");
    auto opts = std::make_shared<CountingOptions>();
    AddSubject(cmd, *opts);
    AddColours(cmd, *opts);
    cmd->add_option("--weights", opts->weights,
                    "The number of points of each colour, a,b,...: Polya's count with exactly these numbers");
    cmd->add_flag("--json", opts->json, "JSON: count (a number below 2^53, else a decimal string) and the table");
    cmd->callback([opts, &run] {
        const std::vector<int> numbers = Weights(*opts);
        const int colours = ColoursOf(*opts, numbers);
        const SymmetryObject object = Subject(run, *opts);
        const EnumeratedGroup& g = *object.group;
        const BurnsideTable table =
            numbers.empty() ? CountColourings(g, colours) : CountColouringsWithNumbers(g, numbers);
        if (opts->json) {
            nlohmann::json rows = nlohmann::json::array();
            for (const BurnsideRow& row : table.rows)
                rows.push_back({{"class_size", row.classSize},
                                {"representative", CycleNotation(g.element(row.representative))},
                                {"cycle_type", CycleTypeText(row.cycleType)},
                                {"cycles", row.cycles},
                                {"fixed", JsonNumber(row.fixed)}});
            nlohmann::json j = {{"object", object.name},
                                {"description", object.description},
                                {"points", g.degree()},
                                {"group_order", g.order()},
                                {"colours", colours},
                                {"count", JsonNumber(table.count)},
                                {"burnside", rows},
                                {"total", JsonNumber(table.total)},
                                {"cycle_index", CycleIndexText(CycleIndex(g), g.order())}};
            if (!numbers.empty()) j["weights"] = numbers;
            PrintJson(j);
            return;
        }
        PrintHeader(object);
        std::cout << "Group of order " << g.order() << " on " << g.degree() << " points, " << colours << " colour"
                  << (colours == 1 ? "" : "s");
        if (!numbers.empty()) {
            std::cout << " used";
            for (std::size_t i = 0; i < numbers.size(); ++i) std::cout << (i ? ", " : " ") << numbers[i];
            std::cout << " times";
        }
        std::cout << "\n\n";
        std::vector<std::vector<std::string>> lines{{"class size", "representative", "cycle type", "fixed colourings"}};
        for (const BurnsideRow& row : table.rows)
            lines.push_back({std::to_string(row.classSize), CycleNotation(g.element(row.representative)),
                             CycleTypeText(row.cycleType), row.fixed.get_str()});
        std::vector<std::size_t> width(4, 0);
        for (const auto& line : lines)
            for (std::size_t c = 0; c < 4; ++c) width[c] = std::max(width[c], line[c].size());
        for (const auto& line : lines) {
            std::string text;
            for (std::size_t c = 0; c < 4; ++c)
                text += line[c] + (c == 3 ? "" : std::string(width[c] - line[c].size() + 2, ' '));
            std::cout << text << "\n";
        }
        std::cout << "\nBurnside: " << BurnsideSumText(table) << "\n";
        std::cout << table.count.get_str() << " different colouring" << (table.count == 1 ? "" : "s") << "\n";
    });
}

void SetupCycleIndex(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("cycleindex", "The cycle index of a group acting on points, exact coefficients");
    auto opts = std::make_shared<CountingOptions>();
    AddSubject(cmd, *opts);
    cmd->add_flag("--json", opts->json, "JSON: the terms with their coefficients as fractions");
    cmd->callback([opts, &run] {
        const SymmetryObject object = Subject(run, *opts);
        const EnumeratedGroup& g = *object.group;
        const std::vector<CycleIndexTerm> terms = CycleIndex(g);
        if (opts->json) {
            nlohmann::json list = nlohmann::json::array();
            for (const CycleIndexTerm& t : terms)
                list.push_back({{"coefficient", t.coefficient.get_str()},
                                {"monomial", MonomialText(t.cycleType)},
                                {"cycle_type", CycleTypeText(t.cycleType)},
                                {"elements", t.elements}});
            PrintJson({{"object", object.name},
                       {"points", g.degree()},
                       {"group_order", g.order()},
                       {"cycle_index", CycleIndexText(terms, g.order())},
                       {"terms", list}});
            return;
        }
        PrintHeader(object);
        std::cout << "Z = " << CycleIndexText(terms, g.order()) << "\n";
    });
}

// One colouring of each orbit, as `colourings` and `orbits ... --colours K` list them.
static void ListOrbitColourings(RunContext& run, const CountingOptions& opts) {
    const std::vector<int> numbers = Weights(opts);
    const int colours = ColoursOf(opts, numbers);
    const SymmetryObject object = Subject(run, opts);
    const EnumeratedGroup& g = *object.group;
    Progress progress;
    ColouringList list;
    {
        InterruptWatch interrupt(progress);
        list = ListColourings(g, colours, numbers, progress);
    }
    if (list.halted) run.exitCode = 130;
    if (opts.json) {
        nlohmann::json items = nlohmann::json::array();
        for (const ListedColouring& c : list.colourings) {
            std::vector<int> shown;
            for (int x : c.colours) shown.push_back(x + 1);
            items.push_back({{"colours", shown}, {"orbit_size", c.orbitSize}, {"stabilizer_order", c.stabilizerOrder}});
        }
        PrintJson({{"object", object.name},
                   {"group_order", g.order()},
                   {"colours", colours},
                   {"count", list.colourings.size()},
                   {"halted", list.halted},
                   {"colourings", items}});
        return;
    }
    PrintHeader(object);
    for (const ListedColouring& c : list.colourings) {
        std::string text;
        for (int x : c.colours) text += (colours > 9 && !text.empty() ? " " : "") + std::to_string(x + 1);
        std::cout << text << "  orbit " << c.orbitSize << " x stabilizer " << c.stabilizerOrder << " = " << g.order()
                  << "\n";
    }
    std::cout << list.colourings.size() << " different colouring" << (list.colourings.size() == 1 ? "" : "s")
              << (list.halted ? " listed before the stop" : "") << "\n";
}

void SetupColourings(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand("colourings", "One colouring of each orbit (up to 10,000), least first");
    auto opts = std::make_shared<CountingOptions>();
    AddSubject(cmd, *opts);
    AddColours(cmd, *opts);
    cmd->add_option("--weights", opts->weights, "Only colourings with these numbers of points of each colour");
    cmd->add_flag("--json", opts->json, "JSON: the colourings (colours numbered from 1) with orbit and stabilizer");
    cmd->callback([opts, &run] { ListOrbitColourings(run, *opts); });
}

void ListColouringOrbits(RunContext& run, const std::string& subject, const std::string& colours,
                         const std::string& weights, bool reflections, bool json) {
    CountingOptions o;
    o.subject = subject;
    if (!colours.empty()) o.colours = ParseColours(colours);
    o.weights = weights;
    o.reflections = reflections;
    o.json = json;
    ListOrbitColourings(run, o);
}

}  // namespace quorix::cli
