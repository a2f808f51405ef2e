#pragma once
// Shared by facts and the permutation verbs.

#include <nlohmann/json.hpp>

#include <string>

#include "core/perm/perm_spec.h"

namespace quorix::cli {

// An exact number as JSON: an integer below 2^53, else a decimal string.
nlohmann::json BigNumberJson(const mpz_class& n);
// The permutation group of a description; UsageError for any other.
perm::PermGroupPtr ResolvePermGroup(const std::string& spec);
// The permutation group of a description when it has more elements than a
// table holds; null otherwise (also for descriptions of other groups).
perm::PermGroupPtr LargePermGroup(const std::string& spec);
// For perm: in cycle notation: the action's facts (degree, orbits,
// transitive, base, order_factorised) beside the table's.
void AddCycleNotationFacts(nlohmann::json& j, const std::string& spec);
void PrintPermutationFacts(const std::string& spec, const perm::PermGroup& g, bool json);

}  // namespace quorix::cli
