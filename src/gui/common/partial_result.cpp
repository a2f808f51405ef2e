#include "gui/common/partial_result.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "gui/common/twips.h"

namespace quorix::gui {

namespace {
constexpr int kNoteMargin = 8;
}

PartialResultNote::PartialResultNote(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("framePartial"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblPartial"));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hide();
}

void PartialResultNote::showNote(const QString& text, long widthTw) {
    // The offers of the last note go (no button runs now: their clicks are queued).
    for (QPushButton* b : findChildren<QPushButton*>()) delete b;
    offers_.clear();
    label_->setText(text);
    resize(TwipsToPx(widthTw), height());
    show();
    fit();
}

void PartialResultNote::fit() {
    // The wrapped text, then the offers in a row under it.
    const int inner = width() - 2 * kNoteMargin;
    const int textHeight =
        label_->fontMetrics().boundingRect(QRect(0, 0, inner, 100000), Qt::TextWordWrap, label_->text()).height();
    label_->setGeometry(kNoteMargin, kNoteMargin, inner, textHeight);
    int x = kNoteMargin, rowHeight = 0;
    const int y = kNoteMargin + textHeight + 6;
    for (QPushButton* b : offers_) {
        const QSize hint = b->sizeHint();
        b->setGeometry(x, y, hint.width(), hint.height());
        x += hint.width() + 8;
        rowHeight = std::max(rowHeight, hint.height());
    }
    resize(width(), y + rowHeight + kNoteMargin);
}

QPushButton* PartialResultNote::addOffer(const QString& name, const QString& caption, std::function<void()> action) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    // Queued: the action may print the panel again, which replaces this note's offers.
    connect(
        b, &QPushButton::clicked, this, [action = std::move(action)] { action(); }, Qt::QueuedConnection);
    b->show();
    offers_.push_back(b);
    fit();
    return b;
}

QString PartialResultNote::text() const { return label_->text(); }

}  // namespace quorix::gui
