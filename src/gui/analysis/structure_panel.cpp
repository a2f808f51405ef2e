#include "gui/analysis/structure_panel.h"

#include <QPushButton>
#include <exception>

#include "core/storage/group_register.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

StructurePanel::StructurePanel(AppContext& context, const PanelInput& input, const QString& name,
                               const QString& caption, bool chooser, QWidget* parent)
    : TextPanel(context, name, caption, parent), group_(input.group) {
    textTop_ = 1300;
    // Right of Choose Group and OK, which stay visible (disabled) during a job.
    createProcessingFrame(3600, 100, 5200, 900);
    if (chooser) {
        cmdChooseGroup_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 300, 300, 1600);
        connect(cmdChooseGroup_, &QPushButton::clicked, this, [this] { chooseAndAnalyse(); });
    }
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 2100, 300, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    if (group_) startWhenShown([this] { analyse(); });
}

void StructurePanel::openOnGroup(const QString& name, PanelInput input) {
    if (!stillRegistered(group_)) return;
    input.group = group_;
    openPanel(name, input);
}

GroupRegistrar StructurePanel::registrar() {
    return storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); });
}

void StructurePanel::redraw() { refresh(); }

void StructurePanel::afterPrint() { drawMore(originalNames()); }

void StructurePanel::drawMore(bool) {
    if (group_ || !cmdChooseGroup_) {
        if (cmdChooseGroup_) moveTw(cmdChooseGroup_, 300, 300);
        moveTw(cmdOK_, cmdChooseGroup_ ? 2100 : 300, 300);
        return;
    }
    // The empty form: the text, Choose Group right after it, then OK.
    PictureBox& box = *pictureBox();
    const long width = MarkupTextWidth(box, emptyFormText());
    moveTw(cmdChooseGroup_, textLeft_ + width, textTop_ - 60);
    moveTw(cmdOK_, textLeft_ + width + 1900, textTop_ - 60);
}

void StructurePanel::chooseAndAnalyse() {
    const std::optional<int> chosen = chooseGroup();
    if (!chosen || *chosen < 1 || *chosen > groupRegister().Count()) {
        close();
        return;
    }
    group_ = groupRegister().At(*chosen);
    analyse();
}

}  // namespace quorix::gui
