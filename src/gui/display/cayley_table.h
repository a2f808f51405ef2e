#pragma once
// The Cayley table printer shared by the group display and the mapping
// panels: a full grid ("Row and Column") or, when the grid would be too wide
// or on request, a product calculator of two element lists and an output box,
// or for a large group a coloured grid of one block of pixels per cell.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/group/group.h"

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QWidget;

namespace quorix::gui {

class PictureBox;
class TableGrid;

enum class TableFormat { Default = 0, RowAndColumn = 1, Calculator = 2, ColourGrid = 3 };
inline constexpr int kTableFormats = 4;

// Default shows a group of more elements than this whose names do not fit
// as a colour grid (fewer: the calculator).
inline constexpr int kColourGridFromOrder = 30;
// A Row and Column grid of names is drawn up to this order; a larger table
// is always a colour grid.
inline constexpr int kMaxNamedGridOrder = 120;

// The calculator's controls (lstElementA, lstElementB, txtOut), children of
// the panel's client area; hidden while a grid is shown.
struct TableCalculator {
    QListWidget* listA = nullptr;
    QListWidget* listB = nullptr;
    QLineEdit* output = nullptr;
    // Creates the three controls on `parent`, hidden.
    static TableCalculator Create(QWidget* parent);
    void hide() const;
    // After a click in either list: the product of the two selected
    // elements goes to the output box; with one list unselected nothing
    // changes.
    void update(const Group& g, bool originalNames) const;
};

// How a Row and Column grid is drawn: each element on its own colour, and
// rows and columns in the cosets of a subgroup (positions of the group),
// with lines between the coset blocks and a caption below.
struct TableStyle {
    bool colours = false;
    std::optional<ElementSet> organiseBy;
};

// The table menu every table panel has: the four formats
// (mnuDefaultFormat, mnuRowAndColumnFormat, mnuCalculatorFormat,
// mnuColourGridFormat), Colours
// (mnuColours), Organise by Subgroup... (mnuOrganise) and Copy Table as
// LaTeX (mnuCopyLatex).
struct TableMenu {
    QMenu* menu = nullptr;
    QAction* formats[kTableFormats] = {};
    QAction* colours = nullptr;
    QAction* organise = nullptr;
    QAction* copyLatex = nullptr;
    struct Handlers {
        std::function<void(TableFormat)> format;
        std::function<void(bool)> colours;
        std::function<void()> organise;
        std::function<void()> copyLatex;
    };
    static TableMenu Add(QMenuBar* bar, const QString& title, const QString& objectName, const Handlers& handlers);
    void sync(TableFormat format, const TableStyle& style) const;
};

struct PrintedTable {
    TableFormat format = TableFormat::RowAndColumn;
    long right = 0;   // right edge reached, twips
    long bottom = 0;  // lowest point reached, twips
    // ColourGrid: the grid drawn (over g, which must outlive it) and where
    // (twips of the box, a square).
    std::shared_ptr<const TableGrid> grid;
    long gridLeft = 0, gridTop = 0, gridSide = 0;
};

// The grid width rule of the Default format.
inline constexpr long kDefaultGridWidthLimit = 6000;

// Column width: the bold width of the widest element name (markup removed)
// plus 300 twips.
long TableColumnWidth(PictureBox& box, const Group& g, bool originalNames);

// The format Default stands for with this group and naming.
TableFormat ResolveTableFormat(PictureBox& box, const Group& g, TableFormat format, bool originalNames);

// Element names in table order (source order with original names, reductive
// order otherwise), markup kept.
std::string TableElementName(const Group& g, int index, bool originalNames);
// The product of the a-th and b-th element in table order (1-based), with
// the markup removed, as the calculator shows it.
std::string TableProductText(const Group& g, int a, int b, bool originalNames);

// Prints the table of `g` at the box's print position (title line first) and
// leaves the print position at the left edge below the table. In the
// Calculator format the controls of `calculator` are filled and shown there
// (it may be null for a grid-only caller).
// Throws InvalidArgument when style.organiseBy is not a subgroup of g.
PrintedTable PrintCayleyTable(PictureBox& box, const Group& g, TableFormat format, const std::string& title,
                              bool originalNames, const TableCalculator* calculator, const TableStyle& style = {});

// The table of g as LaTeX, in the naming and style a panel shows it.
std::string CayleyTableLatex(const Group& g, bool originalNames, const TableStyle& style);

}  // namespace quorix::gui
