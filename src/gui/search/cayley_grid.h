#pragma once
// The search window's grid: 20 x 20 text boxes (Text1_0 .. Text1_399) with
// their row and column headings, in a scroll area below the window's
// buttons. The grid places its cells for an order and a naming, shows which
// cells the search deduced (red, with the reason as tool tip) and filters
// what is typed into a cell; what an entry means is the window's business,
// which the grid tells through its handlers.

#include <QScrollArea>
#include <array>
#include <functional>

#include "gui/search/grid_rules.h"

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace quorix::gui {

class CayleyGrid : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kCellCount = grid::kGridSize * grid::kGridSize;

    struct Handlers {
        // A key pressed in a cell; true when the handler consumed it.
        std::function<bool(int index, QKeyEvent* e)> keyPress;
        std::function<void(int index)> focusIn;
        std::function<void(int index)> focusOut;
        // Text that reached a cell by any means (typing, paste, drop).
        std::function<void(int index)> edited;
        // What a cell accepts: nothing while `editable` is false; any text
        // while `customNames` is true; else one of the first `order` codes.
        std::function<bool()> editable;
        std::function<bool()> customNames;
        std::function<int()> order;
    };

    // `top` is where the grid area starts on the window, in twips: cell
    // positions inside keep the window's twip layout.
    CayleyGrid(Handlers handlers, long top, QWidget* parent);

    QLineEdit* cell(int row, int column) const { return cellAt(grid::CellIndex(row, column)); }
    QLineEdit* cellAt(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    // The index of a cell of this grid, or -1.
    int indexOf(const QObject* object) const;

    // Places the cells and headings of order n (the others hidden); headings
    // holds the names of elements 1..20. Every cell loses its red mark and
    // gets `hint` as tool tip. Returns the right and bottom edge of what is
    // shown, in twips on the window.
    std::pair<long, long> arrange(const grid::Geometry& geometry, int order, bool unlimitedLength,
                                  const std::array<QString, grid::kGridSize>& headings, const QString& hint);

    bool isRed(int index) const { return red_[static_cast<std::size_t>(index)]; }
    // A deduced entry: red text, its reason as tool tip.
    void showDeduced(int index, const QString& text, const QString& reason);
    // A plain entry; a red cell turns black with `hint` as tool tip.
    void showPlain(int index, const QString& text, const QString& hint);
    // Clears the red mark of a cell, keeping its text.
    void unmark(int index, const QString& hint);
    // Empties every red cell.
    void clearDeduced(const QString& hint);
    // The tool tip of every cell that is neither red nor fixed.
    void setHint(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setRed(int index, bool red);

    Handlers handlers_;
    long top_;
    QWidget* area_ = nullptr;
    std::array<QLineEdit*, kCellCount> cells_{};
    std::array<bool, kCellCount> red_{};
    std::array<QLabel*, grid::kGridSize> rowLabels_{};
    std::array<QLabel*, grid::kGridSize> columnLabels_{};
};

}  // namespace quorix::gui
