#include "gui/display/table_grid.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/display/table_export.h"
#include "core/text/markup.h"

namespace quorix::gui {

namespace {

// Zoom steps of the buttons and of one wheel notch.
constexpr double kZoomStep = 2.0;
constexpr double kWheelStep = 1.25;
// The largest cell, unless names need more.
constexpr double kMaxCellPx = 64;

}  // namespace

TableGrid::TableGrid(const Group& g, bool originalNames, const std::optional<ElementSet>& organiseBy) : group_(&g) {
    TableOptions options;
    options.originalNames = originalNames;
    options.colours = true;
    options.organiseBy = organiseBy;
    const TableLayout layout = MakeTableLayout(*group_, options);
    rows_.reserve(layout.rows.size() + 1);
    rows_.push_back(0);
    rows_.insert(rows_.end(), layout.rows.begin(), layout.rows.end());
    columns_.reserve(layout.columns.size() + 1);
    columns_.push_back(0);
    columns_.insert(columns_.end(), layout.columns.begin(), layout.columns.end());
    const std::size_t n = layout.names.size();
    fill_.assign(n, qRgb(255, 255, 255));
    ink_.assign(n, qRgb(0, 0, 0));
    names_.assign(n, QString());
    for (std::size_t k = 1; k < n; ++k) {
        const TableColour& c = layout.colours[k];
        fill_[k] = qRgb(c.red, c.green, c.blue);
        ink_[k] = qRgb(c.textRed, c.textGreen, c.textBlue);
        names_[k] = QString::fromStdString(markup::StripMarkup(layout.names[k]));
    }
    blockSize_ = layout.blockSize;
    caption_ = layout.caption;
}

QImage TableGrid::image(int side, int first, int count) const {
    if (count < 0) count = cells() - first;
    QImage out(std::max(1, side), std::max(1, side), QImage::Format_RGB32);
    // The cell of each pixel column, once for all rows.
    std::vector<int> cellOf(static_cast<std::size_t>(out.width()));
    for (int x = 0; x < out.width(); ++x)
        cellOf[static_cast<std::size_t>(x)] = first + static_cast<int>(static_cast<long long>(x) * count / out.width());
    int lastRow = -1;
    for (int y = 0; y < out.height(); ++y) {
        const int row = cellOf[static_cast<std::size_t>(y)];
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (row == lastRow) {
            std::copy_n(reinterpret_cast<const QRgb*>(out.constScanLine(y - 1)), out.width(), line);
            continue;
        }
        lastRow = row;
        for (int x = 0; x < out.width(); ++x) line[x] = fill(element(row, cellOf[static_cast<std::size_t>(x)]));
    }
    return out;
}

int GridPrintSide(int cells) {
    if (cells <= 0) return 1;
    return cells >= kGridSidePx ? kGridSidePx : kGridSidePx / cells * cells;
}

// ---- the view ------------------------------------------------------------------

TableGridView::TableGridView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("picTableGrid"));
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
}

void TableGridView::setGrid(std::shared_ptr<const TableGrid> grid) {
    grid_ = std::move(grid);
    double widest = 0;
    if (grid_) {
        const QFontMetricsF metrics(font());
        for (int k = 1; k < grid_->cells(); ++k) widest = std::max(widest, metrics.horizontalAdvance(grid_->name(k)));
        namePx_ = std::max(metrics.height() + 4, widest + 8);
    }
    cell_ = fitPixels();
    updateScrollBars();
    viewport()->update();
    emit zoomChanged(cell_);
}

double TableGridView::fitPixels() const {
    if (!grid_) return 1;
    // The whole area, without the scroll bars that the whole grid does not need.
    const QSize v = contentsRect().size();
    return std::max(1, std::min(v.width(), v.height())) / static_cast<double>(grid_->cells());
}

double TableGridView::maxPixels() const { return std::max({kMaxCellPx, namePx_, fitPixels()}); }

void TableGridView::setCellPixels(double px, std::optional<QPointF> anchor) {
    if (!grid_) return;
    px = std::clamp(px, fitPixels(), maxPixels());
    const QPointF at = anchor.value_or(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
    // The grid point under the anchor, in cells.
    const double cx = (horizontalScrollBar()->value() + at.x()) / cell_;
    const double cy = (verticalScrollBar()->value() + at.y()) / cell_;
    cell_ = px;
    updateScrollBars();
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(cx * cell_ - at.x())));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(cy * cell_ - at.y())));
    viewport()->update();
    emit zoomChanged(cell_);
}

void TableGridView::zoomIn() { setCellPixels(cell_ * kZoomStep); }
void TableGridView::zoomOut() { setCellPixels(cell_ / kZoomStep); }
void TableGridView::zoomToFit() { setCellPixels(fitPixels()); }

std::optional<std::pair<int, int>> TableGridView::cellAt(QPointF point) const {
    if (!grid_) return std::nullopt;
    const double x = horizontalScrollBar()->value() + point.x(), y = verticalScrollBar()->value() + point.y();
    const int column = static_cast<int>(std::floor(x / cell_)), row = static_cast<int>(std::floor(y / cell_));
    if (x < 0 || y < 0 || row >= grid_->cells() || column >= grid_->cells()) return std::nullopt;
    return std::pair{row, column};
}

void TableGridView::updateScrollBars() {
    const int content = grid_ ? static_cast<int>(std::ceil(cell_ * grid_->cells())) : 0;
    const QSize all = contentsRect().size();
    const QSize v = viewport()->size();
    const bool fits = content <= std::min(all.width(), all.height());
    horizontalScrollBar()->setRange(0, fits ? 0 : std::max(0, content - v.width()));
    verticalScrollBar()->setRange(0, fits ? 0 : std::max(0, content - v.height()));
    horizontalScrollBar()->setPageStep(v.width());
    verticalScrollBar()->setPageStep(v.height());
    horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(cell_)));
    verticalScrollBar()->setSingleStep(std::max(1, static_cast<int>(cell_)));
}

void TableGridView::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    // Never smaller than the whole grid.
    if (grid_ && cell_ < fitPixels()) cell_ = fitPixels();
    updateScrollBars();
}

void TableGridView::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(e);
        return;
    }
    const double notches = e->angleDelta().y() / 120.0;
    if (notches != 0) setCellPixels(cell_ * std::pow(kWheelStep, notches), e->position());
    e->accept();
}

bool TableGridView::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip && grid_) {
        auto* help = static_cast<QHelpEvent*>(e);
        const auto cell = cellAt(help->pos());
        if (cell && cell->first > 0 && cell->second > 0) {
            const TableGrid& g = *grid_;
            QToolTip::showText(help->globalPos(),
                               g.name(g.element(cell->first, 0)) + QStringLiteral(" \u00b7 ") +
                                   g.name(g.element(0, cell->second)) + QStringLiteral(" = ") +
                                   g.name(g.element(cell->first, cell->second)),
                               viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void TableGridView::paintEvent(QPaintEvent*) {
    if (!grid_) return;
    QPainter painter(viewport());
    const TableGrid& g = *grid_;
    const int sx = horizontalScrollBar()->value(), sy = verticalScrollBar()->value();
    const int content = static_cast<int>(std::ceil(cell_ * g.cells()));
    const int w = std::min(viewport()->width(), content - sx), h = std::min(viewport()->height(), content - sy);
    if (w <= 0 || h <= 0) return;
    // Scrolled away from the headers, they stay at the top and left edges
    // (over the first cells in view) once the cells are large enough to read.
    const bool frozen = cell_ >= 4;
    const bool headerRow = frozen && sy > 0, headerColumn = frozen && sx > 0;
    const double head = cell_;
    const auto cellOf = [this, &g](int px) { return std::min(g.cells() - 1, static_cast<int>(px / cell_)); };
    const auto rowAt = [&](int y) { return headerRow && y < head ? 0 : cellOf(sy + y); };
    const auto columnAt = [&](int x) { return headerColumn && x < head ? 0 : cellOf(sx + x); };
    // The cells in view, a pixel at a time: no more work than the viewport
    // has pixels, however large the table.
    QImage view(w, h, QImage::Format_RGB32);
    std::vector<int> columnOf(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x) columnOf[static_cast<std::size_t>(x)] = columnAt(x);
    int lastRow = -1;
    for (int y = 0; y < h; ++y) {
        const int row = rowAt(y);
        auto* line = reinterpret_cast<QRgb*>(view.scanLine(y));
        if (row == lastRow) {
            std::copy_n(reinterpret_cast<const QRgb*>(view.constScanLine(y - 1)), w, line);
            continue;
        }
        lastRow = row;
        for (int x = 0; x < w; ++x) line[x] = g.fill(g.element(row, columnOf[static_cast<std::size_t>(x)]));
    }
    painter.drawImage(0, 0, view);

    const int firstColumn = cellOf(sx), lastColumn = cellOf(sx + w - 1);
    const int firstRow = cellOf(sy), lastRowInView = cellOf(sy + h - 1);
    const auto edge = [this](int cell, int scroll) { return cell * cell_ - scroll; };
    // Thin lines between cells once they are large enough to tell apart.
    if (cell_ >= 8) {
        painter.setPen(QColor(0, 0, 0, 40));
        // Not through the frozen headers across them.
        painter.setClipRect(QRectF(headerColumn ? head : 0, 0, w, h));
        for (int c = firstColumn + 1; c <= lastColumn; ++c)
            painter.drawLine(QPointF(edge(c, sx), 0), QPointF(edge(c, sx), h));
        painter.setClipRect(QRectF(0, headerRow ? head : 0, w, h));
        for (int r = firstRow + 1; r <= lastRowInView; ++r)
            painter.drawLine(QPointF(0, edge(r, sy)), QPointF(w, edge(r, sy)));
        painter.setClipping(false);
    }
    // The names, the headers' last so that they cover the cells under them.
    if (namesShown()) {
        painter.setFont(font());
        const auto name = [&](int row, int column, double x, double y) {
            const int k = g.element(row, column);
            if (k == 0) return;
            painter.setPen(QColor(g.ink(k)));
            painter.drawText(QRectF(x, y, cell_, cell_), Qt::AlignCenter, g.name(k));
        };
        painter.setClipRect(QRectF(headerColumn ? head : 0, headerRow ? head : 0, w, h));
        for (int r = firstRow; r <= lastRowInView; ++r)
            for (int c = firstColumn; c <= lastColumn; ++c) name(r, c, edge(c, sx), edge(r, sy));
        painter.setClipping(false);
        if (headerRow)
            for (int c = firstColumn; c <= lastColumn; ++c) name(0, c, edge(c, sx), 0);
        if (headerColumn)
            for (int r = firstRow; r <= lastRowInView; ++r) name(r, 0, 0, edge(r, sy));
        if (headerRow && headerColumn) painter.fillRect(QRectF(0, 0, head, head), Qt::white);
    }
    // The rule under the header and the coset blocks' rules.
    painter.setPen(QPen(Qt::black, cell_ >= 4 ? 2 : 1));
    std::vector<int> rules{1};
    for (int b = g.blockSize(); b > 0 && b < g.cells() - 1; b += g.blockSize()) rules.push_back(b + 1);
    for (int r : rules) {
        painter.drawLine(QPointF(edge(r, sx), 0), QPointF(edge(r, sx), h));
        painter.drawLine(QPointF(0, edge(r, sy)), QPointF(w, edge(r, sy)));
    }
    if (headerColumn) painter.drawLine(QPointF(head, 0), QPointF(head, h));
    if (headerRow) painter.drawLine(QPointF(0, head), QPointF(w, head));
}

}  // namespace quorix::gui
