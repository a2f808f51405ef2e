#pragma once
// Shared by the structure-analysis verbs: plain rendering of panel markup.

#include <iostream>
#include <string>
#include <vector>

#include "core/report/markup.h"

namespace quorix::report {

// Markup as one plain line, with the markup stripped ("A|2|B" reads "A2B",
// the raised product dot " |.| " reads " . ", italics are dropped).
inline std::string PlainLine(const std::string& text) {
    return markup::StripMarkup(markup::ReplaceAll(markup::ReplaceAll(text, "|%i|", ""), "|/i|", ""));
}

inline void PrintPlainLines(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) std::cout << PlainLine(l) << "\n";
}

}  // namespace quorix::report
