#include "core/display/table_export.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/text/markup.h"

namespace quorix {

namespace {

std::string HexOf(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", r, g, b);
    return buf;
}

std::uint8_t Channel(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

double Linear(std::uint8_t c) {
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return 0.2126 * Linear(r) + 0.7152 * Linear(g) + 0.0722 * Linear(b);
}

std::string LatexEscape(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\backslash ";
                break;
            case '{':
                out += "\\{";
                break;
            case '}':
                out += "\\}";
                break;
            case '#':
            case '$':
            case '%':
            case '&':
            case '_':
                out += '\\';
                out += c;
                break;
            case '^':
                out += "\\hat{}";
                break;
            case '~':
                out += "\\sim ";
                break;
            default:
                out += c;
        }
    }
    return out;
}

bool BlockEnd(const TableLayout& layout, std::size_t index) {
    return layout.blockSize > 0 && (index + 1) % static_cast<std::size_t>(layout.blockSize) == 0 &&
           index + 1 < layout.rows.size();
}

}  // namespace

std::string TableColour::Hex() const { return HexOf(red, green, blue); }
std::string TableColour::TextHex() const { return HexOf(textRed, textGreen, textBlue); }

double ContrastRatio(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t r2, std::uint8_t g2,
                     std::uint8_t b2) {
    const double l1 = Luminance(r1, g1, b1), l2 = Luminance(r2, g2, b2);
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

std::vector<TableColour> ElementColours(int n) {
    std::vector<TableColour> out;
    if (n <= 0) return out;
    out.reserve(static_cast<std::size_t>(n));
    // Light, fairly saturated backgrounds (HSL lightness 0.82): every hue
    // keeps black text well readable.
    constexpr double kSaturation = 0.75, kLightness = 0.82;
    for (int k = 0; k < n; ++k) {
        TableColour c;
        c.hue = 360.0 * k / n;
        const double chroma = (1 - std::abs(2 * kLightness - 1)) * kSaturation;
        const double hp = c.hue / 60.0;
        const double x = chroma * (1 - std::abs(std::fmod(hp, 2.0) - 1));
        double r = 0, g = 0, b = 0;
        if (hp < 1)
            r = chroma, g = x;
        else if (hp < 2)
            r = x, g = chroma;
        else if (hp < 3)
            g = chroma, b = x;
        else if (hp < 4)
            g = x, b = chroma;
        else if (hp < 5)
            r = x, b = chroma;
        else
            r = chroma, b = x;
        const double m = kLightness - chroma / 2;
        c.red = Channel(r + m);
        c.green = Channel(g + m);
        c.blue = Channel(b + m);
        out.push_back(c);
    }
    return out;
}

TableLayout MakeTableLayout(const Group& g, const TableOptions& options) {
    TableLayout out;
    const int n = g.order();
    std::vector<int> base(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) base[static_cast<std::size_t>(i - 1)] = options.originalNames ? g.positionOf(i) : i;
    out.names.assign(static_cast<std::size_t>(n) + 1, std::string());
    for (int k = 1; k <= n; ++k)
        out.names[static_cast<std::size_t>(k)] = options.originalNames ? g.sourceName(g.sourceOf(k)) : g.name(k);
    if (options.colours) {
        const std::vector<TableColour> colours = ElementColours(n);
        out.colours.assign(static_cast<std::size_t>(n) + 1, TableColour{});
        for (std::size_t i = 0; i < base.size(); ++i) out.colours[static_cast<std::size_t>(base[i])] = colours[i];
    }
    if (options.organiseBy && n > 0) {
        CosetOrder order = OrderByCosets(g, *options.organiseBy, base);
        out.rows = order.rows;
        out.columns = order.columns;
        out.blockSize = order.blockSize;
        out.caption.push_back("Rows in left cosets gH, columns in right cosets Hg of a subgroup H of order " +
                              std::to_string(order.blockSize) + " (" + std::to_string(order.BlockCount()) +
                              " cosets).");
        if (order.blocksFormTable)
            out.caption.push_back(
                "H is normal: every block holds one coset, and the blocks form the table of the "
                "quotient group of order " +
                std::to_string(order.BlockCount()) + ".");
        else
            out.caption.push_back("H is not normal: left and right cosets differ, and the blocks form no table.");
        out.cosets = std::move(order);
    } else {
        out.rows = base;
        out.columns = base;
    }
    return out;
}

std::string MarkupToLatex(std::string_view text) {
    std::string out;
    for (const markup::Token& t : markup::Tokenize(text)) {
        if (t.kind != markup::TokenKind::Text) continue;
        const std::string body = LatexEscape(t.text);
        switch (t.placement) {
            case markup::Placement::Baseline:
                out += body;
                break;
            case markup::Placement::Lowered:
                out += "_{" + body + "}";
                break;
            case markup::Placement::Raised:
            case markup::Placement::Stacked:
                out += "^{" + body + "}";
                break;
        }
    }
    return out.empty() ? std::string("{}") : out;
}

std::string TableLatex(const Group& g, const TableLayout& layout) {
    std::string spec = "c|";
    for (std::size_t j = 0; j < layout.columns.size(); ++j) {
        spec += 'c';
        if (BlockEnd(layout, j)) spec += '|';
    }
    const bool coloured = !layout.colours.empty();
    auto cell = [&](int position) {
        std::string s;
        if (coloured) s += "\\cellcolor[HTML]{" + layout.colours[static_cast<std::size_t>(position)].Hex() + "}";
        return s + "$" + MarkupToLatex(layout.names[static_cast<std::size_t>(position)]) + "$";
    };
    std::string out;
    if (coloured) out += "% \\cellcolor needs \\usepackage[table]{xcolor}\n";
    out += "\\begin{tabular}{" + spec + "}\n";
    out += "$\\cdot$";
    for (int c : layout.columns) out += " & " + cell(c);
    out += " \\\\\n\\hline\n";
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
        const int r = layout.rows[i];
        out += cell(r);
        for (int c : layout.columns) out += " & " + cell(g.mul(r, c));
        out += " \\\\\n";
        if (BlockEnd(layout, i)) out += "\\hline\n";
    }
    out += "\\end{tabular}\n";
    return out;
}

std::string TableTikz(const Group& g, const TableLayout& layout) {
    std::size_t longest = 1;
    for (std::size_t k = 1; k < layout.names.size(); ++k)
        longest = std::max(longest, markup::StripMarkup(layout.names[k]).size());
    const int n = static_cast<int>(layout.rows.size());
    // Cells of 0.25 cm per character, the whole table at most 16 cm wide.
    const double cellW = std::min(0.25 * static_cast<double>(longest) + 0.35, 16.0 / (n + 1));
    const double cellH = std::min(0.55, cellW);
    auto num = [](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", v);
        return std::string(buf);
    };
    const char* font = cellW < 0.45 ? "\\tiny" : (cellW < 0.7 ? "\\scriptsize" : "\\small");
    std::string out = "% Needs \\usepackage{tikz}.\n\\begin{tikzpicture}[cell/.style={minimum width=" + num(cellW) +
                      "cm, minimum height=" + num(cellH) + "cm, inner sep=0pt, font=" + font + "}]\n";
    auto cell = [&](int col, int row, int position, bool head) {
        std::string style = "cell";
        if (!layout.colours.empty())
            style += ", fill={rgb,255:red," + std::to_string(layout.colours[static_cast<std::size_t>(position)].red) +
                     ";green," + std::to_string(layout.colours[static_cast<std::size_t>(position)].green) + ";blue," +
                     std::to_string(layout.colours[static_cast<std::size_t>(position)].blue) + "}";
        out += "\\node[" + style + "] at (" + num((col + 0.5) * cellW) + ", " + num(-(row + 0.5) * cellH) + ") {$" +
               (head ? "\\mathbf{" : "{") + MarkupToLatex(layout.names[static_cast<std::size_t>(position)]) + "}$};\n";
    };
    out += "\\node[cell] at (" + num(0.5 * cellW) + ", " + num(-0.5 * cellH) + ") {$\\cdot$};\n";
    for (int j = 0; j < n; ++j) cell(j + 1, 0, layout.columns[static_cast<std::size_t>(j)], true);
    for (int i = 0; i < n; ++i) {
        const int r = layout.rows[static_cast<std::size_t>(i)];
        cell(0, i + 1, r, true);
        for (int j = 0; j < n; ++j) cell(j + 1, i + 1, g.mul(r, layout.columns[static_cast<std::size_t>(j)]), false);
    }
    const std::string right = num((n + 1) * cellW), bottom = num(-(n + 1) * cellH);
    out += "\\draw (0, 0) rectangle (" + right + ", " + bottom + ");\n";
    out += "\\draw (" + num(cellW) + ", 0) -- (" + num(cellW) + ", " + bottom + ");\n";
    out += "\\draw (0, " + num(-cellH) + ") -- (" + right + ", " + num(-cellH) + ");\n";
    for (int i = 0; i < n; ++i)
        if (BlockEnd(layout, static_cast<std::size_t>(i))) {
            out += "\\draw[very thick] (" + num((i + 2) * cellW) + ", 0) -- (" + num((i + 2) * cellW) + ", " + bottom +
                   ");\n";
            out += "\\draw[very thick] (0, " + num(-(i + 2) * cellH) + ") -- (" + right + ", " + num(-(i + 2) * cellH) +
                   ");\n";
        }
    return out + "\\end{tikzpicture}\n";
}

std::string TableSvg(const Group& g, const TableLayout& layout, const std::string& title) {
    std::size_t longest = 1;
    for (std::size_t k = 1; k < layout.names.size(); ++k)
        longest = std::max(longest, markup::StripMarkup(layout.names[k]).size());
    const int cellW = static_cast<int>(longest) * 9 + 16, cellH = 24, margin = 10, titleH = 30;
    const int n = static_cast<int>(layout.rows.size());
    const int left = margin, top = margin + titleH;
    const int width = 2 * margin + cellW * (n + 1);
    const int height = top + cellH * (n + 1) + margin + 20 * static_cast<int>(layout.caption.size());
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) + "\" height=\"" +
           std::to_string(height) + "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
           "\" font-family=\"sans-serif\" font-size=\"14\">\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
           "\" fill=\"white\"/>\n";
    out += "<text x=\"" + std::to_string(margin) + "\" y=\"" + std::to_string(margin + 18) +
           "\" font-weight=\"bold\">" + markup::XmlEscape(markup::PlainText(title)) + "</text>\n";
    auto cell = [&](int col, int row, int position, bool bold) {
        const int x = left + cellW * col, y = top + cellH * row;
        std::string fill = "none", ink = "000000";
        if (!layout.colours.empty()) {
            const TableColour& c = layout.colours[static_cast<std::size_t>(position)];
            fill = "#" + c.Hex();
            ink = c.TextHex();
        }
        if (fill != "none")
            out += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                   std::to_string(cellW) + "\" height=\"" + std::to_string(cellH) + "\" fill=\"" + fill + "\"/>\n";
        out += "<text x=\"" + std::to_string(x + cellW / 2) + "\" y=\"" + std::to_string(y + 17) +
               "\" text-anchor=\"middle\" fill=\"#" + ink + "\"" + (bold ? " font-weight=\"bold\"" : "") + ">" +
               markup::SvgText(layout.names[static_cast<std::size_t>(position)]) + "</text>\n";
    };
    for (int j = 0; j < n; ++j) cell(j + 1, 0, layout.columns[static_cast<std::size_t>(j)], true);
    for (int i = 0; i < n; ++i) {
        const int r = layout.rows[static_cast<std::size_t>(i)];
        cell(0, i + 1, r, true);
        for (int j = 0; j < n; ++j) cell(j + 1, i + 1, g.mul(r, layout.columns[static_cast<std::size_t>(j)]), false);
    }
    auto line = [&](int x1, int y1, int x2, int y2, int w) {
        out += "<line x1=\"" + std::to_string(x1) + "\" y1=\"" + std::to_string(y1) + "\" x2=\"" + std::to_string(x2) +
               "\" y2=\"" + std::to_string(y2) + "\" stroke=\"black\" stroke-width=\"" + std::to_string(w) + "\"/>\n";
    };
    const int right = left + cellW * (n + 1), bottom = top + cellH * (n + 1);
    out += "<rect x=\"" + std::to_string(left) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(right - left) + "\" height=\"" + std::to_string(bottom - top) +
           "\" fill=\"none\" stroke=\"black\"/>\n";
    line(left + cellW, top, left + cellW, bottom, 1);
    line(left, top + cellH, right, top + cellH, 1);
    for (int i = 0; i < n; ++i)
        if (BlockEnd(layout, static_cast<std::size_t>(i))) {
            line(left + cellW * (i + 2), top, left + cellW * (i + 2), bottom, 2);
            line(left, top + cellH * (i + 2), right, top + cellH * (i + 2), 2);
        }
    for (std::size_t c = 0; c < layout.caption.size(); ++c)
        out += "<text x=\"" + std::to_string(margin) + "\" y=\"" +
               std::to_string(bottom + 18 + 20 * static_cast<int>(c)) + "\">" + markup::XmlEscape(layout.caption[c]) +
               "</text>\n";
    out += "</svg>\n";
    return out;
}

}  // namespace quorix
