#include "core/display/html.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "core/group/errors.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"

namespace quorix {

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string MarkupToHtml(std::string_view text) {
    // The placements the picture box draws: a subscript ends a raised run.
    std::string out;
    for (const markup::Token& t : markup::Tokenize(text)) {
        switch (t.kind) {
            case markup::TokenKind::BoldOn:
                out += "<b>";
                break;
            case markup::TokenKind::BoldOff:
                out += "</b>";
                break;
            case markup::TokenKind::ItalicOn:
                out += "<i>";
                break;
            case markup::TokenKind::ItalicOff:
                out += "</i>";
                break;
            case markup::TokenKind::Text:
                switch (t.placement) {
                    case markup::Placement::Baseline:
                        out += Escaped(t.text);
                        break;
                    case markup::Placement::Lowered:
                        out += "<sub>" + Escaped(t.text) + "</sub>";
                        break;
                    case markup::Placement::Raised:
                    case markup::Placement::Stacked:
                        out += "<sup>" + Escaped(t.text) + "</sup>";
                        break;
                }
                break;
        }
    }
    return out;
}

std::string AnchorFor(int year, int month, int day, int hour, int minute, int second) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
    return buf;
}

std::string AnchorNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    return AnchorFor(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

std::string AnchorTag(const std::string& anchor) { return "<a name='" + anchor + "'>"; }

ViewFile::ViewFile(const std::string& path, bool replace, bool deferred) : path_(path), replace_(replace) {
    if (!deferred) text::CheckWritableTarget(path_);
}

void ViewFile::WriteLine(std::string_view line) {
    text_ += line;
    text_ += '\n';
}

void ViewFile::Close() {
    if (replace_)
        text::WriteFileAtomically(path_, text_);
    else
        text::AppendFileAtomically(path_, text_);
    text_.clear();
}

std::string ViewFile::TakeText() { return std::exchange(text_, std::string()); }

void WriteViewDocument(const std::string& path, const std::string& text, bool replace) {
    text::CheckWritableTarget(path);
    if (replace)
        text::WriteFileAtomically(path, text);
    else
        text::AppendFileAtomically(path, text);
}

}  // namespace quorix
