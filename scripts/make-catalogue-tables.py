#!/usr/bin/env python3
"""Writes src/core/catalogue/catalogue_tables.cpp: the Cayley tables of the
groups the search finds for orders 1..20 with its default rules, in the order
found. Usage: scripts/make-catalogue-tables.py build/src/app/quorix-report
A test checks the written tables against the search itself."""
import json, subprocess, sys

tool = sys.argv[1]
lines = []
for n in range(1, 21):
    out = subprocess.run([tool, "search", str(n), "--json"], check=True, capture_output=True, text=True).stdout
    for s in json.loads(out)["solutions"]:
        cells = "".join("".join(row) for row in s["table"])
        assert len(cells) == n * n
        lines.append('    "%s",  // %s' % (cells, s["id"]))
src = """// Written by scripts/make-catalogue-tables.py from the search's own output; the
// catalogue test checks every table against a fresh search.
// The Cayley table of each group the search of orders 1..20 finds with its
// default rules, in the order found: n*n element names ("1", "a", "b", ...)
// row by row.

#include "core/catalogue/catalogue_tables.h"

namespace quorix {

namespace {

// clang-format off
constexpr std::string_view kTables[] = {
%s
};
// clang-format on

}  // namespace

std::span<const std::string_view> CatalogueTables() { return kTables; }

}  // namespace quorix
""" % "\n".join(lines)
open("src/core/catalogue/catalogue_tables.cpp", "w").write(src)
