#include "core/report/html.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/group/errors.h"
#include "core/text/markup.h"

namespace quorix {

std::string MarkupToHtml(std::string_view text) {
    std::string out;
    bool superscript = false;
    for (const std::string& piece : markup::SplitSegments(text)) {
        if (piece == "%b") {
            out += "<b>";
        } else if (piece == "/b") {
            out += "</b>";
        } else if (piece == "%i") {
            out += "<i>";
        } else if (piece == "/i") {
            out += "</i>";
        } else if (!piece.empty() && piece[0] == '@') {
            out += "<sub>" + piece.substr(1) + "</sub>";
            continue;  // a subscript leaves the exponent state alone
        } else if (!piece.empty() && piece[0] == '^') {
            out += "<sup>" + piece.substr(1) + "</sup>";
        } else if (!piece.empty()) {
            out += superscript ? "<sup>" + piece + "</sup>" : piece;
        }
        superscript = !superscript;
    }
    return out;
}

namespace {
std::string& anchorValue() {
    static std::string anchor;
    return anchor;
}
}  // namespace

std::string AnchorFor(int year, int month, int day, int hour, int minute, int second) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
    return buf;
}

std::string Anchor() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    anchorValue() = AnchorFor(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return "<a name='" + anchorValue() + "'>";
}

const std::string& CurrentAnchor() { return anchorValue(); }
void ClearAnchor() { anchorValue().clear(); }

ViewFile::ViewFile(const std::string& path) : out_(path, std::ios::app | std::ios::binary) {
    if (!out_) throw InvalidArgument("cannot write the view file " + path);
}

void ViewFile::WriteLine(std::string_view text) {
    out_ << text << "\n";
}

void ViewFile::Close() {
    out_.close();
}

}  // namespace quorix
