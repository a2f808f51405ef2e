#include "core/text/markup.h"

#include "core/text/text.h"

namespace quorix::markup {

std::vector<std::string> SplitSegments(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) {
            out.emplace_back(text.substr(start));
            return out;
        }
        out.emplace_back(text.substr(start, bar - start));
        start = bar + 1;
    }
}

std::string InsertBreakPoints(std::string_view text, std::string_view breakText) {
    if (breakText.empty()) return std::string(text);
    return ReplaceAll(text, breakText, std::string(breakText) + "||");
}

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> out;
    bool italic = false, raised = false, lowered = false;
    for (const std::string& seg : SplitSegments(text)) {
        if (seg == "%b") {
            out.push_back({TokenKind::BoldOn, {}, Placement::Baseline, italic});
        } else if (seg == "/b") {
            out.push_back({TokenKind::BoldOff, {}, Placement::Baseline, italic});
        } else if (seg == "%i") {
            italic = true;
            out.push_back({TokenKind::ItalicOn, {}, Placement::Baseline, italic});
        } else if (seg == "/i") {
            italic = false;
            out.push_back({TokenKind::ItalicOff, {}, Placement::Baseline, italic});
        } else {
            std::string piece = seg;
            bool stacked = false;
            if (!piece.empty() && piece[0] == '@') {
                lowered = true;
                raised = false;
                piece.erase(0, 1);
            } else if (!piece.empty() && piece[0] == '^') {
                lowered = false;
                raised = true;
                stacked = true;
                piece.erase(0, 1);
            }
            if (!piece.empty()) {
                Placement p = stacked   ? Placement::Stacked
                              : lowered ? Placement::Lowered
                              : raised  ? Placement::Raised
                                        : Placement::Baseline;
                out.push_back({TokenKind::Text, std::move(piece), p, italic});
            }
        }
        if (lowered)
            lowered = false;
        else
            raised = !raised;
    }
    return out;
}

std::string PlainText(std::string_view text) {
    std::string out;
    for (const Token& t : Tokenize(text)) {
        if (t.kind != TokenKind::Text) continue;
        switch (t.placement) {
            case Placement::Baseline:
                out += t.text;
                break;
            case Placement::Raised:
            case Placement::Stacked:
                out += "^" + t.text;
                break;
            case Placement::Lowered:
                out += "_" + t.text;
                break;
        }
    }
    return out;
}

std::string StripMarkup(std::string_view text) {
    std::string s = ReplaceAll(text, "|%b|", "");
    s = ReplaceAll(s, "|/b|", "");
    s = ReplaceAll(s, "|", "");
    s = ReplaceAll(s, "^", "");
    return ReplaceAll(s, "@", "");
}

std::string XmlEscape(std::string_view text) {
    std::string out;
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
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string SvgText(std::string_view text) {
    std::string out;
    for (const Token& t : Tokenize(text)) {
        if (t.kind != TokenKind::Text) continue;
        switch (t.placement) {
            case Placement::Baseline:
                out += XmlEscape(t.text);
                break;
            case Placement::Lowered:
                out += "<tspan baseline-shift=\"sub\" font-size=\"75%\">" + XmlEscape(t.text) + "</tspan>";
                break;
            case Placement::Raised:
            case Placement::Stacked:
                out += "<tspan baseline-shift=\"super\" font-size=\"75%\">" + XmlEscape(t.text) + "</tspan>";
                break;
        }
    }
    return out;
}

}  // namespace quorix::markup
