#pragma once
// Plain text for the terminal. Markup reads back unambiguously: exponents
// (a whole number between bars right after a letter) as "^" ("A|2|B" is
// "A^2B"), subscripts as "_" ("N|@1|A" is "N_1A"),
// where a subscript that ends a name (a blank, punctuation, the "x" of a
// direct product or the end of the line follows) loses its "_" ("S|@3|" is
// "S3", "Inn(S|@3|)" is "Inn(S3)", "Z|@2|xZ|@4|" is "Z2xZ4"), stacked
// superscripts as "^" ("Z|@8|^*|" is "Z_8^*"); the raised product dot
// " |.| " stays " . "; bold and italics are dropped.

#include <string>
#include <string_view>
#include <vector>

namespace quorix::cli {

std::string PlainName(std::string_view text);

void PrintPlainLines(const std::vector<std::string>& lines);

// Rows of cells as lines whose columns line up: each column as wide as its
// widest cell, `gap` blanks between columns, no trailing blanks.
std::vector<std::string> AlignColumns(const std::vector<std::vector<std::string>>& rows, std::size_t gap = 3);

}  // namespace quorix::cli
