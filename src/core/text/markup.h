#pragma once
// The markup language of all result text. A text is split at every "|" into
// segments: "%b"/"/b" bold on/off, "%i"/"/i" italic on/off, a segment
// starting with "@" is a subscript, one starting with "^" a superscript
// stacked over the previous piece, and a plain segment is drawn on the
// baseline or raised as an exponent by the alternation rule (the raised state
// flips after every segment unless the segment was lowered).
//
// This module interprets the segments without any notion of fonts or
// positions; the picture-box renderer and the HTML writer both read its
// tokens.

#include <string>
#include <string_view>
#include <vector>

#include "core/text/text.h"

namespace quorix::markup {

enum class TokenKind {
    BoldOn,
    BoldOff,
    ItalicOn,
    ItalicOff,
    Text,
};

enum class Placement {
    Baseline,
    Raised,   // exponent: drawn 80 twips higher, advances x
    Lowered,  // subscript: drawn 80 twips lower, advances x
    Stacked,  // drawn raised at the start of the previous piece, does not advance x
};

struct Token {
    TokenKind kind = TokenKind::Text;
    std::string text;  // Text only: without its "@" or "^"
    Placement placement = Placement::Baseline;
    bool italic = false;  // italic state in force for a Text token
};

// Splits at "|" (segments numbered from 0; an empty text gives one empty segment).
std::vector<std::string> SplitSegments(std::string_view text);

// When breakText is not empty, every occurrence of it is replaced by
// breakText + "||", so that a piece can be broken after a break point without
// changing the even/odd numbering of the segments.
std::string InsertBreakPoints(std::string_view text, std::string_view breakText);

// The tokens of a text in order. Empty text pieces are dropped (they still
// take part in the alternation). Bold codes are reported as tokens because
// the bold state is program-wide and lives in the caller.
std::vector<Token> Tokenize(std::string_view text);

// Removes, in this order, every "|%b|", every "|/b|", every remaining "|",
// every "^" and every "@". Italic codes stay, without their bars.
std::string StripMarkup(std::string_view text);

// A one-line plain rendering for terminals: exponents as "^2", subscripts as
// "_3", stacked superscripts as "^*", bold and italic dropped. "A|2|B" reads
// "A^2B" and "Z|@8|^*|" reads "Z_8^*".
std::string PlainText(std::string_view text);

// Text for XML and SVG: &, <, > and " as entities.
std::string XmlEscape(std::string_view text);

// SVG text content: subscripts and exponents as shifted, smaller tspans,
// bold and italic dropped, the rest escaped.
std::string SvgText(std::string_view text);

using text::ReplaceAll;

}  // namespace quorix::markup
