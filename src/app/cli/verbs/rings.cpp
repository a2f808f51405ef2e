// quorix-report rings SPEC [--json] | rings --order N [--json]: every
// associative ring, up to isomorphism, whose additive group is the given
// abelian group (or any abelian group of order N), with its multiplication
// table and properties.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

#include "core/rings/rings.h"
#include "core/text/markup.h"
#include "cli/common.h"
#include "cli/interrupt.h"
#include "cli/json_output.h"
#include "cli/plain_text.h"
#include "cli/verb.h"

namespace quorix::cli {

namespace {

struct GroupRings {
    GroupPtr group;
    RingList list;
};

std::vector<std::vector<std::string>> tableNames(const Group& g, const Ring& r) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : r.table) {
        std::vector<std::string> names;
        for (int k : row) names.push_back(PlainName(g.name(k)));
        rows.push_back(std::move(names));
    }
    return rows;
}

nlohmann::json propertiesJson(const RingProperties& p) {
    return {{"has_one", p.hasOne},
            {"commutative", p.commutative},
            {"zero_ring", p.zeroRing},
            {"division_ring", p.divisionRing},
            {"field", p.field},
            {"units", p.units},
            {"idempotents", p.idempotents},
            {"nilpotents", p.nilpotents},
            {"characteristic", p.characteristic},
            {"cyclic", p.cyclicWithOne},
            {"product_of_cyclic", p.productOfCyclic},
            {"kind", RingKindText(p)}};
}

std::string yesNo(bool b) { return b ? "yes" : "no"; }

void printRings(const std::vector<GroupRings>& all) {
    for (const auto& [g, list] : all) {
        const std::string id = PlainName(g->GroupID());
        std::cout << "The abelian group " << id << " carries " << list.rings.size() << " ring(s) up to isomorphism, "
                  << list.WithOne() << " with a one, " << list.Commutative() << " commutative"
                  << (list.halted ? " (halted: the list is incomplete)" : "") << ".\n"
                  << "Elements carry the group's names: its identity " << PlainName(g->name(1))
                  << " is the ring's zero.\n";
        int number = 0;
        for (const auto& r : list.rings) {
            const auto& p = r.properties;
            const std::string kind = RingKindText(p);
            std::cout << "\nRing " << ++number << (kind.empty() ? "" : " (" + kind + ")") << ": one " << yesNo(p.hasOne)
                      << ", commutative " << yesNo(p.commutative) << ", zero ring " << yesNo(p.zeroRing)
                      << ", division ring " << yesNo(p.divisionRing) << ", units " << p.units << ", idempotents "
                      << p.idempotents << ", nilpotents " << p.nilpotents << ", characteristic " << p.characteristic
                      << "\n";
            auto rows = tableNames(*g, r);
            std::vector<std::vector<std::string>> cells;
            std::vector<std::string> header{"*"};
            for (int k = 1; k <= g->order(); ++k) header.push_back(PlainName(g->name(k)));
            cells.push_back(header);
            for (std::size_t a = 0; a < rows.size(); ++a) {
                rows[a].insert(rows[a].begin(), header[a + 1]);
                cells.push_back(rows[a]);
            }
            for (const auto& line : AlignColumns(cells, 1)) std::cout << "  " << line << "\n";
        }
        std::cout << "\n";
    }
}

nlohmann::json ringsJson(const std::vector<GroupRings>& all) {
    nlohmann::json rings = nlohmann::json::array();
    std::size_t count = 0;
    int withOne = 0;
    int commutative = 0;
    bool halted = false;
    for (const auto& [g, list] : all) {
        count += list.rings.size();
        withOne += list.WithOne();
        commutative += list.Commutative();
        halted = halted || list.halted;
        for (const auto& r : list.rings)
            rings.push_back({{"group", markup::StripMarkup(g->GroupID())},
                             {"table", tableNames(*g, r)},
                             {"properties", propertiesJson(r.properties)}});
    }
    return {
        {"count", count}, {"with_one", withOne}, {"commutative", commutative}, {"halted", halted}, {"rings", rings}};
}

}  // namespace

void SetupRings(CLI::App& app, RunContext& run) {
    auto* cmd = app.add_subcommand(
        "rings",
        "List the associative rings on an abelian group (or on every abelian group of order N), order 20 or less");
    struct Options {
        std::string spec;
        int order = 0;
        bool json = false;
        std::optional<std::string> registerDir;
    };
    auto opts = std::make_shared<Options>();
    auto* spec = cmd->add_option("SPEC", opts->spec, kSpecHelp);
    auto* order = AddDecimalOption(cmd, "--order", opts->order, "Every abelian group of this order instead of SPEC");
    spec->excludes(order);
    cmd->add_flag("--json", opts->json, "Print one JSON object");
    AddRegisterOption(cmd, opts->registerDir);
    cmd->callback([opts, order, &run] {
        std::vector<GroupPtr> groups;
        if (order->count() > 0) {
            if (opts->order < 1 || opts->order > kMaxRingOrder)
                throw UsageError("rings --order takes an order from 1 to " + std::to_string(kMaxRingOrder));
            groups = AbelianGroupsOfOrder(opts->order);
        } else {
            if (opts->spec.empty()) throw UsageError("rings needs a SPEC or --order N");
            GroupPtr g = ResolveGroupSpec(run, opts->spec, opts->registerDir);
            if (!g->Abelian())
                throw UsageError("rings needs an abelian group; " + PlainName(g->GroupID()) + " is not abelian");
            if (g->Order() > kMaxRingOrder)
                throw UsageError("rings takes groups of order " + std::to_string(kMaxRingOrder) + " or less; " +
                                 PlainName(g->GroupID()) + " has order " + std::to_string(g->Order()));
            groups.push_back(g);
        }
        std::vector<GroupRings> all;
        Progress progress;
        InterruptWatch watch(progress);
        for (const auto& g : groups) {
            GroupRings entry{g, FindAssociativeRings(*g, progress)};
            const bool halted = entry.list.halted;
            all.push_back(std::move(entry));
            if (halted) break;
        }
        if (opts->json)
            PrintJson(ringsJson(all));
        else
            printRings(all);
    });
}

}  // namespace quorix::cli
