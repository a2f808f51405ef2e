#include "cli/plain_text.h"

#include <algorithm>
#include <iostream>

#include "core/text/markup.h"

namespace quorix::cli {

namespace {

// A character after a subscript that continues the name, so that the
// subscript needs its "_" to read back. The "x" of a direct product starts
// the next factor ("Z2xZ4" reads as the description it was made from).
bool ContinuesName(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'w') || c == 'y' || c == 'z' ||
           c == '^' || c == '_';
}

// A segment of its own that is a whole number, as exponents are.
bool IsExponent(std::string_view seg) {
    if (!seg.empty() && seg[0] == '-') seg.remove_prefix(1);
    return !seg.empty() && seg.find_first_not_of("0123456789") == std::string_view::npos;
}

// A character an exponent can be attached to.
bool EndsName(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ')'; }

}  // namespace

std::string PlainName(std::string_view text) {
    // The segments are read by what they hold rather than by the raised /
    // baseline alternation, which the panel texts do not keep exact around
    // subscripts and bold codes ("|%b|N|@1|/b| ... {1, A|2|}").
    std::string out;
    std::size_t pendingSubscript = std::string::npos;  // where the last subscript's "_" went
    for (const std::string& seg : markup::SplitSegments(text)) {
        if (seg == "%b" || seg == "/b" || seg == "%i" || seg == "/i" || seg.empty()) continue;
        std::string piece;
        bool subscript = false;
        if (seg[0] == '@') {
            if (seg.size() == 1) continue;
            piece = "_" + seg.substr(1);
            subscript = true;
        } else if (seg[0] == '^') {
            if (seg.size() == 1) continue;
            piece = seg;
        } else if (IsExponent(seg) && !out.empty() && EndsName(out.back())) {
            piece = "^" + seg;
        } else {
            piece = seg;
        }
        if (pendingSubscript != std::string::npos && !ContinuesName(piece[0])) out.erase(pendingSubscript, 1);
        pendingSubscript = subscript ? out.size() : std::string::npos;
        out += piece;
    }
    if (pendingSubscript != std::string::npos) out.erase(pendingSubscript, 1);
    return out;
}

void PrintPlainLines(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) std::cout << PlainName(l) << "\n";
}

std::vector<std::string> AlignColumns(const std::vector<std::vector<std::string>>& rows, std::size_t gap) {
    // Widths in characters: UTF-8 continuation bytes take no column.
    auto width = [](const std::string& s) {
        return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    };
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        if (widths.size() < row.size()) widths.resize(row.size(), 0);
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], width(row[c]));
    }
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - width(row[c]) + gap, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quorix::cli
