#include "gui/display/cayley_table.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "core/display/panel_text.h"
#include "core/group/group.h"
#include "core/display/table_export.h"
#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/display/table_grid.h"

namespace quorix::gui {

namespace {

constexpr long kLineStep = 300;

bool IsPermutationGroup(const Group& g) {
    const GenerationMethod m = g.MethodOfGeneration();
    return m == GenerationMethod::Symmetric || m == GenerationMethod::Alternating ||
           m == GenerationMethod::Permutational;
}

// "*Each permutation (123 over 999) is abbreviated as 999.", the two rows
// drawn one above the other between large parentheses.
void PrintPermutationFootnote(PictureBox& box, int degree) {
    const analysis_text::PermutationNote note = analysis_text::MakePermutationNote(degree);
    PrintState& ps = box.printState();
    const long line = ps.y;
    PrintMarkup(box, "*Each permutation ");
    const double size = box.fontSize();
    box.setFontSize(size * 1.8);
    const long parenY = line - 110;
    box.drawText(static_cast<double>(ps.x), static_cast<double>(parenY), QStringLiteral("("));
    ps.x += static_cast<long>(box.textWidth(QStringLiteral("(")));
    box.setFontSize(size);
    const long rowsX = ps.x;
    box.drawText(static_cast<double>(rowsX), static_cast<double>(line - 75), QString::fromStdString(note.points));
    box.drawText(static_cast<double>(rowsX), static_cast<double>(line + 75), QString::fromStdString(note.values));
    ps.x = rowsX + static_cast<long>(std::max(box.textWidth(QString::fromStdString(note.points)),
                                              box.textWidth(QString::fromStdString(note.values))));
    box.setFontSize(size * 1.8);
    box.drawText(static_cast<double>(ps.x), static_cast<double>(parenY), QStringLiteral(")"));
    ps.x += static_cast<long>(box.textWidth(QStringLiteral(")")));
    box.setFontSize(size);
    ps.y = line;
    PrintMarkup(box, note.suffix);
}

}  // namespace

TableMenu TableMenu::Add(QMenuBar* bar, const QString& title, const QString& objectName, const Handlers& handlers) {
    TableMenu m;
    m.menu = bar->addMenu(title);
    m.menu->setObjectName(objectName);
    const char* names[kTableFormats][2] = {{"mnuDefaultFormat", "&Default Format"},
                                           {"mnuRowAndColumnFormat", "&Row and Column Format"},
                                           {"mnuCalculatorFormat", "&Calculator Format"},
                                           {"mnuColourGridFormat", "Colour &Grid Format"}};
    for (int i = 0; i < kTableFormats; ++i) {
        QAction* a = m.menu->addAction(QString::fromLatin1(names[i][1]));
        a->setObjectName(QString::fromLatin1(names[i][0]));
        a->setCheckable(true);
        QObject::connect(a, &QAction::triggered, m.menu, [f = handlers.format, i] { f(static_cast<TableFormat>(i)); });
        m.formats[i] = a;
    }
    m.menu->addSeparator();
    m.colours = m.menu->addAction(QStringLiteral("Co&lours"));
    m.colours->setObjectName(QStringLiteral("mnuColours"));
    m.colours->setCheckable(true);
    QObject::connect(m.colours, &QAction::triggered, m.menu, [f = handlers.colours](bool on) { f(on); });
    m.organise = m.menu->addAction(QStringLiteral("Or&ganise by Subgroup..."));
    m.organise->setObjectName(QStringLiteral("mnuOrganise"));
    m.organise->setCheckable(true);
    QObject::connect(m.organise, &QAction::triggered, m.menu, [f = handlers.organise] { f(); });
    m.copyLatex = m.menu->addAction(QStringLiteral("Copy Table as &LaTeX"));
    m.copyLatex->setObjectName(QStringLiteral("mnuCopyLatex"));
    QObject::connect(m.copyLatex, &QAction::triggered, m.menu, [f = handlers.copyLatex] { f(); });
    return m;
}

void TableMenu::sync(TableFormat format, const TableStyle& style) const {
    for (int i = 0; i < kTableFormats; ++i) formats[i]->setChecked(static_cast<int>(format) == i);
    colours->setChecked(style.colours);
    organise->setChecked(style.organiseBy.has_value());
}

std::string CayleyTableLatex(const Group& g, bool originalNames, const TableStyle& style) {
    TableOptions options;
    options.originalNames = originalNames;
    options.colours = style.colours;
    options.organiseBy = style.organiseBy;
    return TableLatex(g, MakeTableLayout(g, options));
}

TableCalculator TableCalculator::Create(QWidget* parent) {
    TableCalculator c;
    c.listA = new QListWidget(parent);
    c.listA->setObjectName(QStringLiteral("lstElementA"));
    c.listB = new QListWidget(parent);
    c.listB->setObjectName(QStringLiteral("lstElementB"));
    c.output = new QLineEdit(parent);
    c.output->setObjectName(QStringLiteral("txtOut"));
    c.output->setReadOnly(true);
    c.hide();
    return c;
}

void TableCalculator::hide() const {
    listA->hide();
    listB->hide();
    output->hide();
}

void TableCalculator::update(const Group& g, bool originalNames) const {
    const int a = listA->currentRow(), b = listB->currentRow();
    if (a < 0 || b < 0 || a >= g.order() || b >= g.order()) return;
    output->setText(QString::fromStdString(TableProductText(g, a + 1, b + 1, originalNames)));
}

std::string TableElementName(const Group& g, int index, bool originalNames) {
    return originalNames ? g.sourceName(index) : g.name(index);
}

std::string TableProductText(const Group& g, int a, int b, bool originalNames) {
    return originalNames ? g.sourceName(g.srcMul(a, b)) : markup::StripMarkup(g.name(g.mul(a, b)));
}

long TableColumnWidth(PictureBox& box, const Group& g, bool originalNames) {
    const bool bold = box.fontBold();
    box.setFontBold(true);
    double widest = 0;
    for (int i = 1; i <= g.order(); ++i)
        widest = std::max(
            widest, box.textWidth(QString::fromStdString(markup::StripMarkup(TableElementName(g, i, originalNames)))));
    box.setFontBold(bold);
    return static_cast<long>(widest) + 300;
}

TableFormat ResolveTableFormat(PictureBox& box, const Group& g, TableFormat format, bool originalNames) {
    if (format == TableFormat::RowAndColumn && g.order() > kMaxNamedGridOrder) return TableFormat::ColourGrid;
    if (format != TableFormat::Default) return format;
    if (g.order() > kMaxNamedGridOrder) return TableFormat::ColourGrid;
    if ((g.order() + 1) * TableColumnWidth(box, g, originalNames) <= kDefaultGridWidthLimit)
        return TableFormat::RowAndColumn;
    return g.order() > kColourGridFromOrder ? TableFormat::ColourGrid : TableFormat::Calculator;
}

PrintedTable PrintCayleyTable(PictureBox& box, const Group& g, TableFormat format, const std::string& title,
                              bool originalNames, const TableCalculator* calculator, const TableStyle& style) {
    PrintedTable out;
    const int n = g.order();
    if (calculator) calculator->hide();
    if (n <= 0) return out;
    PrintState& ps = box.printState();
    const long x0 = ps.x, y0 = ps.y;
    const bool footnote = !originalNames && IsPermutationGroup(g);
    out.format = ResolveTableFormat(box, g, format, originalNames);
    if (out.format == TableFormat::Calculator && !calculator)
        out.format = ResolveTableFormat(box, g, TableFormat::RowAndColumn, originalNames);

    ps.bold = true;
    PrintMarkup(box, title + (footnote ? "*" : ""));
    ps.bold = false;
    out.right = ps.x;

    if (out.format == TableFormat::ColourGrid) {
        auto grid = std::make_shared<const TableGrid>(g, originalNames, style.organiseBy);
        const int side = GridPrintSide(grid->cells());
        // One pixel per cell at most, so that a picture of the largest
        // table stays within the PNG bounds.
        const int pixels = std::min(std::max(side, grid->cells()), 3000);
        const double tpp = TwipsPerPixel();
        out.gridLeft = x0 - 80;
        out.gridTop = y0 + kLineStep;
        out.gridSide = std::lround(side * tpp);
        box.drawImage(static_cast<double>(out.gridLeft), static_cast<double>(out.gridTop),
                      static_cast<double>(out.gridSide), static_cast<double>(out.gridSide), grid->image(pixels));
        // The header's rules and those between coset blocks.
        const double cell = static_cast<double>(out.gridSide) / grid->cells();
        const double l = static_cast<double>(out.gridLeft), t = static_cast<double>(out.gridTop);
        const double r = l + static_cast<double>(out.gridSide), b = t + static_cast<double>(out.gridSide);
        const auto rule = [&](int k) {
            box.drawLine(l + k * cell, t, l + k * cell, b);
            box.drawLine(l, t + k * cell, r, t + k * cell);
        };
        rule(1);
        for (int k = grid->blockSize(); grid->blockSize() > 0 && k < n; k += grid->blockSize()) rule(k + 1);
        box.drawLine(l, t, r, t);
        box.drawLine(l, b, r, b);
        box.drawLine(l, t, l, b);
        box.drawLine(r, t, r, b);
        out.right = std::max(out.right, std::lround(r));
        out.bottom = std::lround(b);
        for (const std::string& line : grid->caption()) {
            ps.x = x0;
            ps.y = out.bottom + 150;
            PrintMarkup(box, line);
            out.right = std::max(out.right, ps.x);
            out.bottom = ps.y + 150;
        }
        out.grid = std::move(grid);
    } else if (out.format == TableFormat::RowAndColumn) {
        TableOptions options;
        options.originalNames = originalNames;
        options.colours = style.colours;
        options.organiseBy = style.organiseBy;
        const TableLayout layout = MakeTableLayout(g, options);
        const long col = TableColumnWidth(box, g, originalNames);
        const long top = y0 + kLineStep;
        const long right = x0 + col * (n + 1) - 100;
        const long bottom = top + kLineStep * (n + 1);
        const auto cellLeft = [&](int j) { return static_cast<double>(x0 + col * j - 120); };
        const auto cellTop = [&](int i) { return static_cast<double>(top + kLineStep * i - 20); };
        const auto print = [&](int i, int j, int position) {
            if (!layout.colours.empty()) {
                const TableColour& c = layout.colours[static_cast<std::size_t>(position)];
                const double l = j == 0 ? static_cast<double>(x0 - 80) : cellLeft(j);
                const double r = j == n ? static_cast<double>(right) : cellLeft(j + 1);
                box.fillRect(l, cellTop(i), r - l, kLineStep, QColor(c.red, c.green, c.blue));
                box.setForeColor(QColor(c.textRed, c.textGreen, c.textBlue));
            }
            ps.x = x0 + col * j;
            ps.y = top + kLineStep * i;
            PrintMarkup(box, layout.names[static_cast<std::size_t>(position)]);
        };
        const QColor ink = box.foreColor();
        for (int j = 1; j <= n; ++j) print(0, j, layout.columns[static_cast<std::size_t>(j - 1)]);
        for (int i = 1; i <= n; ++i) {
            const int r = layout.rows[static_cast<std::size_t>(i - 1)];
            print(i, 0, r);
            for (int j = 1; j <= n; ++j) print(i, j, g.mul(r, layout.columns[static_cast<std::size_t>(j - 1)]));
        }
        box.setForeColor(ink);
        const double rule = static_cast<double>(top + kLineStep - 20);
        box.drawLine(static_cast<double>(x0 - 80), rule, static_cast<double>(right), rule);
        box.drawLine(static_cast<double>(x0 + col - 120), static_cast<double>(top - 20),
                     static_cast<double>(x0 + col - 120), static_cast<double>(bottom));
        box.drawLine(static_cast<double>(x0 - 80), static_cast<double>(top - 20), static_cast<double>(right),
                     static_cast<double>(top - 20));
        box.drawLine(static_cast<double>(right), static_cast<double>(top - 20), static_cast<double>(right),
                     static_cast<double>(bottom));
        box.drawLine(static_cast<double>(x0 - 80), static_cast<double>(bottom), static_cast<double>(right),
                     static_cast<double>(bottom));
        box.drawLine(static_cast<double>(x0 - 80), static_cast<double>(top - 20), static_cast<double>(x0 - 80),
                     static_cast<double>(bottom));
        // Coset blocks: doubled lines between them.
        for (int b = layout.blockSize; layout.blockSize > 0 && b < n; b += layout.blockSize) {
            for (double d : {0.0, 15.0}) {
                box.drawLine(cellLeft(b + 1) - d, static_cast<double>(top - 20), cellLeft(b + 1) - d,
                             static_cast<double>(bottom));
                box.drawLine(static_cast<double>(x0 - 80), cellTop(b + 1) - d, static_cast<double>(right),
                             cellTop(b + 1) - d);
            }
        }
        out.right = std::max(out.right, right);
        out.bottom = bottom;
        for (const std::string& line : layout.caption) {
            ps.x = x0;
            ps.y = out.bottom + 150;
            PrintMarkup(box, line);
            out.right = std::max(out.right, ps.x);
            out.bottom = ps.y + 150;
        }
    } else {
        const long listW = n > 10 ? 2000 : 1300;
        const long listH = std::min(n, 10) * 230L + 120;
        const long top = y0 + kLineStep + 50;
        const long bx = box.leftTw(), by = box.topTw();
        calculator->listA->clear();
        calculator->listB->clear();
        for (int i = 1; i <= n; ++i) {
            const QString name = QString::fromStdString(markup::StripMarkup(TableElementName(g, i, originalNames)));
            calculator->listA->addItem(name);
            calculator->listB->addItem(name);
        }
        Panel::placeTw(calculator->listA, bx + x0, by + top, listW, listH);
        Panel::placeTw(calculator->listB, bx + x0 + listW + 150, by + top, listW, listH);
        ps.x = x0 + 2 * listW + 300;
        ps.y = top + 40;
        PrintMarkup(box, "= ");
        Panel::placeTw(calculator->output, bx + ps.x, by + top, std::max(listW, 1800L), 300);
        calculator->listA->setCurrentRow(0);
        calculator->listB->setCurrentRow(0);
        calculator->update(g, originalNames);
        calculator->listA->show();
        calculator->listB->show();
        calculator->output->show();
        out.right = std::max(out.right, ps.x + std::max(listW, 1800L));
        out.bottom = top + listH;
    }
    if (footnote) {
        ps.x = x0;
        ps.y = out.bottom + 350;
        PrintPermutationFootnote(box, g.Degree());
        out.right = std::max(out.right, ps.x);
        out.bottom = ps.y + 250;
    }
    ps.x = x0;
    ps.y = out.bottom + kLineStep;
    return out;
}

}  // namespace quorix::gui
