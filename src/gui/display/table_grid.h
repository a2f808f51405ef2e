#pragma once
// The Cayley table of a large group as a coloured grid: one block of pixels
// per cell in the colour of the cell's element (the colours of the coloured
// table), the header row and column included. TableGridView shows it with
// zoom (Ctrl+wheel, zoomIn/zoomOut/zoomToFit) and scroll bars, painting only
// the cells in view, and writes the element names into the cells once they
// are large enough to hold them.

#include <QAbstractScrollArea>
#include <QImage>
#include <QRgb>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/group/group.h"

namespace quorix::gui {

class TableGrid {
public:
    // The table of g (which outlives the grid) in the row and column order
    // and naming a panel shows it (by the cosets of `organiseBy` when
    // given). Throws InvalidArgument when organiseBy is not a subgroup of g.
    TableGrid(const Group& g, bool originalNames, const std::optional<ElementSet>& organiseBy);

    const Group& group() const { return *group_; }
    // Cells a side: the header row (column) and one per element.
    int cells() const { return static_cast<int>(columns_.size()); }
    // The position of the element in a cell (row 0 and column 0 the
    // headers), 0 for the corner.
    int element(int row, int column) const {
        if (row == 0) return columns_[static_cast<std::size_t>(column)];
        if (column == 0) return rows_[static_cast<std::size_t>(row)];
        return group_->mul(rows_[static_cast<std::size_t>(row)], columns_[static_cast<std::size_t>(column)]);
    }
    // Colours and names by position (0: the corner, white and unnamed).
    QRgb fill(int position) const { return fill_[static_cast<std::size_t>(position)]; }
    QRgb ink(int position) const { return ink_[static_cast<std::size_t>(position)]; }
    const QString& name(int position) const { return names_[static_cast<std::size_t>(position)]; }
    // Rows and columns come in blocks of this many (cosets), 0 when not.
    int blockSize() const { return blockSize_; }
    const std::vector<std::string>& caption() const { return caption_; }

    // The cells from `first` (row and column) on, `count` a side, at
    // `side` x `side` pixels: a block of pixels per cell, or a cell per
    // pixel sampled where there are more cells than pixels.
    QImage image(int side, int first = 0, int count = -1) const;

private:
    const Group* group_;
    std::vector<int> rows_, columns_;  // [0] the header's corner
    std::vector<QRgb> fill_, ink_;
    std::vector<QString> names_;
    int blockSize_ = 0;
    std::vector<std::string> caption_;
};

// The side in pixels at which a grid of `cells` is printed: whole blocks
// of pixels per cell up to kGridSidePx, then kGridSidePx.
inline constexpr int kGridSidePx = 440;
int GridPrintSide(int cells);

class TableGridView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TableGridView(QWidget* parent = nullptr);

    void setGrid(std::shared_ptr<const TableGrid> grid);
    const TableGrid* grid() const { return grid_.get(); }
    // Pixels a cell side; the smallest shows the whole grid.
    double cellPixels() const { return cell_; }
    double fitPixels() const;
    double maxPixels() const;
    // Cells from this size on show their element's name.
    double namePixels() const { return namePx_; }
    bool namesShown() const { return grid_ && cell_ >= namePx_; }
    // Zoom keeps the point `anchor` (viewport pixels; default the middle)
    // where it is.
    void setCellPixels(double px, std::optional<QPointF> anchor = std::nullopt);
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    // The cell (row, column) under a viewport point; nullopt off the grid.
    std::optional<std::pair<int, int>> cellAt(QPointF point) const;

signals:
    void zoomChanged(double cellPixels);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void updateScrollBars();
    std::shared_ptr<const TableGrid> grid_;
    double cell_ = 1;
    double namePx_ = 24;
};

}  // namespace quorix::gui
