#include "gui/common/sort_box.h"

#include <QRadioButton>

#include "gui/common/panel.h"

namespace quorix::gui {

SortBox::SortBox(bool sequenceGenerated, QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraSortSequence"));
    setTitle(QStringLiteral("Sort"));
    alphabetical_ = new QRadioButton(QStringLiteral("Alphabetical sequence"), this);
    alphabetical_->setObjectName(QStringLiteral("optAlphabeticalSequence"));
    Panel::placeTw(alphabetical_, 120, 260, 2700, 280);
    generated_ = new QRadioButton(QStringLiteral("Sequence generated"), this);
    generated_->setObjectName(QStringLiteral("optSequenceGenerated"));
    Panel::placeTw(generated_, 120, 560, 2700, 280);
    (sequenceGenerated ? generated_ : alphabetical_)->setChecked(true);
    connect(alphabetical_, &QRadioButton::clicked, this, &SortBox::changed);
    connect(generated_, &QRadioButton::clicked, this, &SortBox::changed);
}

bool SortBox::sequenceGenerated() const { return generated_->isChecked(); }

}  // namespace quorix::gui
