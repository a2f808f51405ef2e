#include "gui/search/cayley_grid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "gui/common/panel.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {

// Whatever way text reaches a cell (typing, paste, drag and drop, input
// methods) passes here: while element codes are in use only one of the first
// n codes is accepted (a capital letter counts as the small one), and nothing
// while a search keeps the grid.
class CellValidator : public QValidator {
public:
    CellValidator(const CayleyGrid::Handlers& handlers, QObject* parent) : QValidator(parent), handlers_(handlers) {}
    State validate(QString& input, int&) const override {
        if (!handlers_.editable()) return Invalid;
        if (handlers_.customNames() || input.isEmpty()) return Acceptable;
        if (input.size() != 1 || input.at(0).unicode() > 127) return Invalid;
        const std::optional<char> code = grid::FilterCodeKey(input.at(0).toLatin1(), handlers_.order());
        if (!code) return Invalid;
        input = QString(QChar::fromLatin1(*code));
        return Acceptable;
    }

private:
    const CayleyGrid::Handlers& handlers_;
};

const QColor kDeducedColor(255, 0, 0);

void SetCellColor(QLineEdit* cell, bool red) {
    QPalette pal = cell->palette();
    pal.setColor(QPalette::Text, red ? kDeducedColor : QColor(Qt::black));
    cell->setPalette(pal);
}

QLabel* Heading(const QString& name, Qt::Alignment alignment, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setAlignment(alignment);
    l->setWordWrap(false);
    return l;
}

}  // namespace

CayleyGrid::CayleyGrid(Handlers handlers, long top, QWidget* parent)
    : QScrollArea(parent), handlers_(std::move(handlers)), top_(top) {
    setObjectName(QStringLiteral("gridScroll"));
    setFrameShape(QFrame::NoFrame);
    area_ = new QWidget;
    area_->setObjectName(QStringLiteral("gridArea"));
    setWidget(area_);
    for (int k = 0; k < grid::kGridSize; ++k) {
        rowLabels_[static_cast<std::size_t>(k)] =
            Heading(QStringLiteral("labelRow_%1").arg(k), Qt::AlignRight | Qt::AlignVCenter, area_);
        columnLabels_[static_cast<std::size_t>(k)] =
            Heading(QStringLiteral("labelColumn_%1").arg(k), Qt::AlignHCenter | Qt::AlignBottom, area_);
    }
    for (int index = 0; index < kCellCount; ++index) {
        auto* cell = new QLineEdit(area_);
        cell->setObjectName(QStringLiteral("Text1_%1").arg(index));
        cell->setAlignment(Qt::AlignCenter);
        cell->installEventFilter(this);
        cell->setValidator(new CellValidator(handlers_, cell));
        cell->hide();
        connect(cell, &QLineEdit::textEdited, this, [this, index] { handlers_.edited(index); });
        cells_[static_cast<std::size_t>(index)] = cell;
    }
    // Row 1 and column 1 hold the identity's row and column.
    for (int k = 1; k <= grid::kGridSize; ++k) {
        for (QLineEdit* fixed : {cell(1, k), cell(k, 1)}) {
            fixed->setReadOnly(true);
            fixed->setFocusPolicy(Qt::NoFocus);
            fixed->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
        }
    }
}

int CayleyGrid::indexOf(const QObject* object) const {
    const auto it = std::find(cells_.begin(), cells_.end(), object);
    return it == cells_.end() ? -1 : static_cast<int>(it - cells_.begin());
}

std::pair<long, long> CayleyGrid::arrange(const grid::Geometry& g, int order, bool unlimitedLength,
                                          const std::array<QString, grid::kGridSize>& headings, const QString& hint) {
    for (int i = 1; i <= grid::kGridSize; ++i) {
        for (int j = 1; j <= grid::kGridSize; ++j) {
            QLineEdit* c = cell(i, j);
            Panel::placeTw(c, grid::CellLeft(g, j), grid::CellTop(i) - top_, g.cellWidth, grid::kCellHeight);
            c->setMaxLength(unlimitedLength && g.maxLength == 0 ? 32767 : g.maxLength);
            setRed(grid::CellIndex(i, j), false);
            c->setToolTip(hint);
            c->setVisible(i <= order && j <= order);
        }
    }
    for (int k = 0; k < grid::kGridSize; ++k) {
        QLabel* r = rowLabels_[static_cast<std::size_t>(k)];
        QLabel* c = columnLabels_[static_cast<std::size_t>(k)];
        r->setText(headings[static_cast<std::size_t>(k)]);
        c->setText(headings[static_cast<std::size_t>(k)]);
        Panel::placeTw(r, 0, grid::CellTop(k + 1) - top_, g.firstColumn - 120, grid::kCellHeight);
        Panel::placeTw(c, grid::CellLeft(g, k + 1), grid::kGridTop - grid::kRowPitch - top_, g.cellWidth,
                       grid::kCellHeight);
        r->setVisible(k < order);
        c->setVisible(k < order);
    }
    const long right = grid::CellLeft(g, order) + g.cellWidth + 480;
    const long bottom = grid::CellTop(order) + grid::kCellHeight + 480;
    area_->resize(TwipsToPx(right), TwipsToPx(bottom - top_));
    return {right, bottom};
}

void CayleyGrid::setRed(int index, bool red) {
    red_[static_cast<std::size_t>(index)] = red;
    SetCellColor(cellAt(index), red);
}

void CayleyGrid::showDeduced(int index, const QString& text, const QString& reason) {
    QLineEdit* c = cellAt(index);
    c->setText(text);
    setRed(index, true);
    c->setToolTip(reason);
}

void CayleyGrid::showPlain(int index, const QString& text, const QString& hint) {
    cellAt(index)->setText(text);
    unmark(index, hint);
}

void CayleyGrid::unmark(int index, const QString& hint) {
    if (!isRed(index)) return;
    setRed(index, false);
    cellAt(index)->setToolTip(hint);
}

void CayleyGrid::clearDeduced(const QString& hint) {
    for (int index = 0; index < kCellCount; ++index) {
        if (!isRed(index)) continue;
        cellAt(index)->clear();
        unmark(index, hint);
    }
}

void CayleyGrid::setHint(const QString& hint) {
    for (int index = 0; index < kCellCount; ++index)
        if (!isRed(index) && !cellAt(index)->isReadOnly()) cellAt(index)->setToolTip(hint);
}

bool CayleyGrid::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index >= 0) {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (handlers_.keyPress(index, static_cast<QKeyEvent*>(event))) return true;
                break;
            case QEvent::FocusIn:
                handlers_.focusIn(index);
                break;
            case QEvent::FocusOut:
                handlers_.focusOut(index);
                break;
            default:
                break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace quorix::gui
