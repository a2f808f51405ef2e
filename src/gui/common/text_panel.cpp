#include "gui/common/text_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/text_pages.h"
#include "gui/common/twips.h"

namespace quorix::gui {

TextPanel::TextPanel(AppContext& context, const QString& name, const QString& caption, QWidget* parent)
    : Panel(context, name, caption, parent) {
    addFileMenu();
    QMenu* format = menuBar()->addMenu(QStringLiteral("F&ormat"));
    format->setObjectName(QStringLiteral("mnuFormat"));
    auto* names = new QActionGroup(format);
    mnuOriginal_ = format->addAction(QStringLiteral("&Original Element Names"));
    mnuOriginal_->setObjectName(QStringLiteral("mnuOriginal"));
    mnuReductive_ = format->addAction(QStringLiteral("&Reductive-Mapping Names"));
    mnuReductive_->setObjectName(QStringLiteral("mnuReductive"));
    for (QAction* a : {mnuOriginal_, mnuReductive_}) {
        a->setCheckable(true);
        names->addAction(a);
        connect(a, &QAction::triggered, this, [this] { refresh(); });
    }
    addPreferencesMenu();
    addScrollingMenu();
    addHelpMenu();
    setClientSizeTw(9000, 6000);
    createPictureBox();
    const PanelEntry* entry = context.panels.find(name);
    const bool reductive = entry && entry->panelDefault && preferences().ReductiveNames(*entry->panelDefault);
    (reductive ? mnuReductive_ : mnuOriginal_)->setChecked(true);
    const auto turn = [this](int by) {
        if (by > 0)
            showPage(page_ + 1);
        else if (page_ > 0)
            showPage(page_ - 1);
    };
    pagerAbove_ = new TextPager(client(), QStringLiteral("framePagerAbove"), turn);
    pagerBelow_ = new TextPager(client(), QStringLiteral("framePagerBelow"), turn);
}

std::size_t TextPanel::pageCount() const { return paged() ? TextPageCount(items_.size()) : 1; }

void TextPanel::showPage(std::size_t page) {
    page_ = std::min(page, pageCount() - 1);
    const std::vector<TextItem> items = items_;
    printItems(items);
    afterPrint();
    // The new page from its top.
    if (auto* area = qobject_cast<QScrollArea*>(client()->parentWidget()->parentWidget()))
        area->verticalScrollBar()->setValue(0);
}

bool TextPanel::originalNames() const { return mnuOriginal_->isChecked(); }

void TextPanel::setOriginalNames(bool original) {
    (original ? mnuOriginal_ : mnuReductive_)->setChecked(true);
    refresh();
}

std::vector<TextItem> TextPanel::layout(bool originalNames) {
    std::vector<TextItem> items;
    for (std::string& line : lines(originalNames))
        items.push_back(TextItem{.text = std::move(line), .below = lineStep_});
    return items;
}

namespace {

// The "=" column of the run of Equals items that starts at `first`: a
// little right of the widest left part.
long EqualsColumn(PictureBox& box, const std::vector<TextItem>& items, std::size_t first, long left) {
    long column = 0;
    for (std::size_t i = first; i < items.size() && items[i].kind == TextItem::Kind::Equals; ++i)
        column = std::max(column, left + items[i].x + MarkupAdvance(box, items[i].text));
    return column + 150;
}

}  // namespace

void TextPanel::printItems(const std::vector<TextItem>& whole) {
    using Kind = TextItem::Kind;
    clearPanel();
    placements_.clear();
    if (whole.size() != items_.size()) page_ = 0;
    items_ = whole;
    const bool paging = pageCount() > 1;
    page_ = std::min(page_, pageCount() - 1);
    const std::vector<TextItem> pageItems = paging ? TextPageItems(whole, page_) : std::vector<TextItem>{};
    const std::vector<TextItem>& items = paging ? pageItems : whole;
    pagerAbove_->hide();
    pagerBelow_->hide();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const double size = box.fontSize();
    ps.bold = false;
    // Long lines break where the screen ends (the window grows that far),
    // the last piece before the break and a scroll bar included.
    ps.breakColumn = std::clamp(screenClientWidthTw() - 2400, 6000L, 29000L);
    long y = textTop_, left = textLeft_, lastEnd = textLeft_, equals = 0;
    if (paging) {
        pagerAbove_->showPage(whole.size(), page_);
        Panel::moveTw(pagerAbove_, box.leftTw() + textLeft_, box.topTw() + textTop_ - 100);
        y += TextPager::kHeightTw + 200;
    }
    // The flow of columns: its top, the lowest line and the rightmost x reached.
    bool flowing = false;
    long top = 0, lowest = 0, rightmost = 0, gap = 0;
    int columns = 0;
    const auto print = [&](long x, const std::string& text, const std::string& breakText = {}) {
        ps.x = x;
        ps.y = y;
        PrintMarkup(box, text, breakText);
        y = ps.y;
        return ps.x;
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TextItem& it = items[i];
        const std::size_t drawn = box.pieces().size();
        if (i > 0) y += it.below;
        if (flowing && it.heading && y > top + kColumnDepth) {
            left = rightmost + 1000;
            y = top + gap;
            ++columns;
        } else if (flowing && !it.continued.empty() && y > top + kColumnDepth + 1000) {
            left = rightmost + 1000;
            y = top + gap;
            ++columns;
            rightmost = std::max(rightmost, print(left, it.continued));
            y += it.below;
        }
        long x = left + it.x;
        if (it.below == 0 && it.after >= 0) x = std::max(x, lastEnd + it.after);
        TextPlacement at{x, y, x};
        switch (it.kind) {
            case Kind::Line:
                at.endX = print(x, it.text, it.breakText);
                break;
            case Kind::Title:
                box.setFontSize(size * 1.5);
                ps.bold = true;
                at.endX = print(x, it.text);
                ps.bold = false;
                box.setFontSize(size);
                break;
            case Kind::Rule:
                box.drawLine(static_cast<double>(x), static_cast<double>(y), static_cast<double>(x + it.width),
                             static_cast<double>(y));
                at.endX = x + it.width;
                if (box.onPrinted) box.onPrinted(at.endX, y);
                break;
            case Kind::Equals: {
                if (i == 0 || items[i - 1].kind != Kind::Equals) equals = EqualsColumn(box, items, i, left);
                print(it.alignRight ? equals - MarkupAdvance(box, " " + it.text) : x, it.text);
                const long sum = print(equals, "= ");
                at.endX = print(sum, it.right, it.breakText);
                break;
            }
            case Kind::TwoRow: {
                // "(" upper over lower ")": the rows a line apart around the
                // line's middle, the parentheses 1.8 times as large.
                const long after = print(x, it.text);
                const long row = std::lround(box.textHeight());
                box.setFontSize(size * 1.8);
                const long lift = (std::lround(box.textHeight()) - row) / 2 + row / 2;
                const long line = y;
                y = line - lift;
                const long inner = print(after, "(");
                box.setFontSize(size);
                y = line - row / 2;
                long end = print(inner, it.upper);
                y = line + row / 2;
                end = std::max(end, print(inner, it.lower));
                box.setFontSize(size * 1.8);
                y = line - lift;
                const long close = print(end, ")");
                box.setFontSize(size);
                y = line;
                at.endX = print(close, it.right);
                break;
            }
            case Kind::Columns:
                flowing = true;
                top = lowest = y;
                // A new column starts as far below the top as the first one.
                gap = i + 1 < items.size() ? items[i + 1].below : 0;
                rightmost = left;
                columns = 1;
                break;
            case Kind::ColumnsEnd:
                flowing = false;
                left = textLeft_;
                y = lowest;
                if (columns > 1) {
                    // A rule under all the columns.
                    y += 250;
                    box.drawLine(static_cast<double>(left), static_cast<double>(y), static_cast<double>(rightmost),
                                 static_cast<double>(y));
                }
                at = {left, y, left};
                break;
        }
        if (flowing) {
            lowest = std::max(lowest, y);
            rightmost = std::max(rightmost, at.endX);
        }
        lastEnd = at.endX;
        placements_.push_back(at);
        if (it.breakText.empty() || !box.onPrinted) continue;
        // A broken line reached further right than where it ended: the panel
        // grows to show its widest part.
        double reach = 0;
        for (std::size_t k = drawn; k < box.pieces().size(); ++k)
            reach = std::max(reach, box.pieces()[k].bounds.right());
        box.onPrinted(std::lround(PxToTwips(reach)), y);
    }
    if (paging) {
        // The second row under the page, where its reader arrives.
        const long below = std::lround(PxToTwips(box.pictureSize().height())) + 200;
        pagerBelow_->showPage(whole.size(), page_);
        Panel::moveTw(pagerBelow_, box.leftTw() + textLeft_, box.topTw() + below);
        if (box.onPrinted) box.onPrinted(textLeft_ + 6800, below + TextPager::kHeightTw);
    }
}

void TextPanel::refresh() {
    printItems(layout(originalNames()));
    afterPrint();
}

}  // namespace quorix::gui
