#include "gui/common/text_pages.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "gui/common/panel.h"

namespace quorix::gui {

namespace {

QString Grouped(std::size_t n) {
    QString digits = QString::number(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(','));
    return digits;
}

}  // namespace

std::size_t TextPageCount(std::size_t items) {
    return std::max<std::size_t>(1, (items + kTextPageItems - 1) / kTextPageItems);
}

std::vector<TextItem> TextPageItems(const std::vector<TextItem>& items, std::size_t page) {
    using Kind = TextItem::Kind;
    const std::size_t first = std::min(items.size(), page * kTextPageItems);
    const std::size_t end = std::min(items.size(), first + kTextPageItems);
    // The flow that the page starts inside.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t flow = kNone;
    for (std::size_t i = 0; i < first; ++i) {
        if (items[i].kind == Kind::Columns) flow = i;
        if (items[i].kind == Kind::ColumnsEnd) flow = kNone;
    }
    std::vector<TextItem> out;
    out.reserve(end - first + 3);
    if (flow != kNone) {
        out.push_back(items[flow]);
        if (first < end && !items[first].heading && !items[first].continued.empty())
            out.push_back(TextItem{.text = items[first].continued, .below = items[first].below, .heading = true});
    }
    bool open = flow != kNone;
    for (std::size_t i = first; i < end; ++i) {
        out.push_back(items[i]);
        if (items[i].kind == Kind::Columns) open = true;
        if (items[i].kind == Kind::ColumnsEnd) open = false;
    }
    if (open) out.push_back(TextItem{.kind = Kind::ColumnsEnd});
    return out;
}

QString TextPageCaption(std::size_t items, std::size_t page) {
    const std::size_t first = std::min(items, page * kTextPageItems);
    const std::size_t end = std::min(items, first + kTextPageItems);
    return QStringLiteral("Lines %1 to %2 of %3").arg(Grouped(first + 1), Grouped(end), Grouped(items));
}

TextPager::TextPager(QWidget* parent, const QString& name, std::function<void(int)> turn, bool narrow)
    : QFrame(parent) {
    setObjectName(name);
    previous_ = new QPushButton(QStringLiteral("&Previous Page"), this);
    previous_->setObjectName(QStringLiteral("cmdPreviousPage"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblPage"));
    label_->setAlignment(Qt::AlignCenter);
    next_ = new QPushButton(QStringLiteral("&Next Page"), this);
    next_->setObjectName(QStringLiteral("cmdNextPage"));
    if (narrow) {
        label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Panel::placeTw(label_, 0, 0, 3300, 300);
        Panel::placeTw(previous_, 0, 350, 1600, 375);
        Panel::placeTw(next_, 1700, 350, 1600, 375);
    } else {
        Panel::placeTw(previous_, 0, 0, 1600, 375);
        Panel::placeTw(label_, 1700, 0, 3400, 375);
        Panel::placeTw(next_, 5200, 0, 1600, 375);
    }
    connect(previous_, &QPushButton::clicked, this, [turn] { turn(-1); });
    connect(next_, &QPushButton::clicked, this, [turn] { turn(+1); });
    Panel::placeTw(this, 0, 0, narrow ? 3400 : 6900, narrow ? 750 : 400);
    hide();
}

void TextPager::showPage(std::size_t items, std::size_t page) {
    label_->setText(TextPageCaption(items, page));
    previous_->setEnabled(page > 0);
    next_->setEnabled(page + 1 < TextPageCount(items));
    show();
    raise();
}

}  // namespace quorix::gui
