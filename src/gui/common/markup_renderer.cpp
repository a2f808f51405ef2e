#include "gui/common/markup_renderer.h"

#include <cmath>

#include "core/text/markup.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {
constexpr long kItalicGap = 65;  // gap added after italics when the font needs it
constexpr long kBreakLine = 300;
}  // namespace

void PrintMarkup(PictureBox& box, std::string_view text, std::string_view breakText) {
    PrintState& st = box.printState();
    const long startX = st.x;
    long line = st.y;
    const std::string prepared = markup::InsertBreakPoints(text, breakText);
    const QString brk = QString::fromStdString(std::string(breakText));
    long lastPieceStart = 0;

    for (const markup::Token& tok : markup::Tokenize(prepared)) {
        switch (tok.kind) {
            case markup::TokenKind::BoldOn:
                st.bold = true;
                continue;
            case markup::TokenKind::BoldOff:
                st.bold = false;
                continue;
            case markup::TokenKind::ItalicOn:
                continue;
            case markup::TokenKind::ItalicOff:
                if (!st.italicCorrection) st.x += kItalicGap;
                continue;
            case markup::TokenKind::Text:
                break;
        }
        box.setFontBold(st.bold);
        box.setFontItalic(tok.italic);
        box.setFontName(kPictureFontName);
        if (tok.italic)
            st.italicCorrection = 2 * box.textWidth(QStringLiteral("f")) > box.textWidth(QStringLiteral("ff"));

        const bool stacked = tok.placement == markup::Placement::Stacked;
        long y = line;
        if (tok.placement == markup::Placement::Raised || stacked) y = line - kMarkupShift;
        if (tok.placement == markup::Placement::Lowered) y = line + kMarkupShift;
        long drawX = stacked ? lastPieceStart : st.x;
        lastPieceStart = drawX;

        QString piece = QString::fromStdString(tok.text);
        if (!brk.isEmpty() && st.x > st.breakColumn && piece.contains(brk)) {
            const int cut = static_cast<int>(piece.indexOf(brk)) + 1;
            box.drawText(static_cast<double>(drawX), static_cast<double>(y), piece.left(cut));
            piece = piece.mid(cut);
            st.x = startX;
            line += kBreakLine;
            st.y += kBreakLine;
            y += kBreakLine;
            drawX = startX;
        }
        if (!piece.isEmpty()) box.drawText(static_cast<double>(drawX), static_cast<double>(y), piece);
        if (!stacked) st.x += std::lround(box.textWidth(piece));
    }
    box.setFontItalic(false);
    if (box.onPrinted) box.onPrinted(st.x, st.y);
}

long MarkupAdvance(PictureBox& box, std::string_view text) {
    const bool wasBold = box.fontBold(), wasItalic = box.fontItalic();
    bool bold = false;
    long x = 0;
    for (const markup::Token& tok : markup::Tokenize(text)) {
        if (tok.kind == markup::TokenKind::BoldOn) bold = true;
        if (tok.kind == markup::TokenKind::BoldOff) bold = false;
        if (tok.kind == markup::TokenKind::ItalicOff) {
            box.setFontItalic(true);
            if (2 * box.textWidth(QStringLiteral("f")) <= box.textWidth(QStringLiteral("ff"))) x += kItalicGap;
        }
        if (tok.kind != markup::TokenKind::Text || tok.placement == markup::Placement::Stacked) continue;
        box.setFontBold(bold);
        box.setFontItalic(tok.italic);
        x += std::lround(box.textWidth(QString::fromStdString(tok.text)));
    }
    box.setFontBold(wasBold);
    box.setFontItalic(wasItalic);
    return x;
}

int MarkupTextWidth(PictureBox& box, std::string_view text) {
    double total = 0;
    for (const std::string& seg : markup::SplitSegments(text))
        if (!seg.empty()) total += box.textWidth(QString::fromStdString(seg));
    return static_cast<int>(std::lround(total));
}

}  // namespace quorix::gui
