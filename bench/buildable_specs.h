#pragma once
// The SPECs of the groups the benchmarks run over: cyclic, unit, symmetric
// and alternating groups, and direct products of two or more small factors,
// all of order at most 120.

#include <string>
#include <vector>

#include "core/group/math_functions.h"

namespace quorix::bench {

inline std::vector<std::string> BuildableSpecs() {
    std::vector<std::string> specs;
    for (int n = 1; n <= 120; ++n) specs.push_back("Z" + std::to_string(n));
    for (int n = 3; n <= 1000; ++n)
        if (MathFunctions::EulerPhi(n) <= 120) specs.push_back("U" + std::to_string(n));
    for (int d = 1; d <= 5; ++d) {
        specs.push_back("S" + std::to_string(d));
        specs.push_back("A" + std::to_string(d));
    }
    struct Atom {
        std::string spec;
        int order;
    };
    std::vector<Atom> atoms;
    for (int n = 2; n <= 60; ++n) atoms.push_back({"Z" + std::to_string(n), n});
    atoms.push_back({"S3", 6});
    atoms.push_back({"A4", 12});
    atoms.push_back({"S4", 24});
    atoms.push_back({"A5", 60});
    atoms.push_back({"U8", 4});
    atoms.push_back({"U15", 8});
    for (std::size_t i = 0; i < atoms.size(); ++i)
        for (std::size_t j = i; j < atoms.size(); ++j)
            if (atoms[i].order * atoms[j].order <= 120) specs.push_back(atoms[i].spec + "x" + atoms[j].spec);
    for (const char* s :
         {"Z2xZ2xZ2",       "Z2xZ2xZ2xZ2",       "Z2xZ2xZ2xZ2xZ2", "Z2xZ2xZ2xZ2xZ2xZ2", "Z2xZ2xZ2xZ3", "Z2xZ2xZ2xZ2xZ3",
          "Z2xZ2xZ2xZ2xZ6", "Z2xZ2xZ2xZ2xZ2xZ3", "Z2xZ2xZ2xZ5",    "Z2xZ2xZ2xZ15",      "Z3xZ3xZ3",    "Z3xZ3xZ3xZ2",
          "Z3xZ3xZ3xZ4",    "Z4xZ4xZ4",          "Z2xZ2xS3",       "Z2xZ2xA4",          "Z2xZ2xZ2xS3", "Z2xS3xS3",
          "Z2xZ2xS4",       "Z2xZ2xZ2xA4",       "S3xS3xZ3"})
        specs.push_back(s);
    return specs;
}

}  // namespace quorix::bench
