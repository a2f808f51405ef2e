#include "gui/common/text_panel.h"

#include <QGroupBox>
#include <QRadioButton>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

TextPanel::TextPanel(AppContext& context, const QString& name, const QString& caption, QWidget* parent)
    : Panel(context, name, caption, parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(9000, 6000);
    createPictureBox();
    namesFrame_ = addControl<QGroupBox>(QStringLiteral("fraElementNames"), 5700, 100, 3100, 900);
    namesFrame_->setTitle(QStringLiteral("Element Names"));
    optOriginal_ = addControl<QRadioButton>(QStringLiteral("optOriginalNames"), 120, 260, 2900, 280, namesFrame_);
    optOriginal_->setText(QStringLiteral("Original Element Names"));
    optReductive_ = addControl<QRadioButton>(QStringLiteral("optReductiveNames"), 120, 560, 2900, 280, namesFrame_);
    optReductive_->setText(QStringLiteral("Reductive-Mapping Names"));
    const PanelEntry* entry = context.panels.find(name);
    const bool reductive = entry && entry->panelDefault && preferences().ReductiveNames(*entry->panelDefault);
    (reductive ? optReductive_ : optOriginal_)->setChecked(true);
    connect(optOriginal_, &QRadioButton::clicked, this, [this] { refresh(); });
    connect(optReductive_, &QRadioButton::clicked, this, [this] { refresh(); });
}

bool TextPanel::originalNames() const { return optOriginal_->isChecked(); }

void TextPanel::setOriginalNames(bool original) {
    (original ? optOriginal_ : optReductive_)->setChecked(true);
    refresh();
}

void TextPanel::printLines(const std::vector<std::string>& text) {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.y = textTop_;
    for (const std::string& line : text) {
        ps.x = textLeft_;
        if (!line.empty()) PrintMarkup(box, line);
        ps.y += lineStep_;
    }
}

void TextPanel::refresh() { printLines(lines(originalNames())); }

}  // namespace quorix::gui
