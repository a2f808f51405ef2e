#include "gui/analysis/structure_panel.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "core/storage/group_register.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

StructurePanel::StructurePanel(AppContext& context, const QString& name, const QString& caption, bool chooser,
                               QWidget* parent)
    : TextPanel(context, name, caption, parent) {
    textTop_ = 1300;
    createProcessingFrame(300, 100, 5200, 900);
    if (chooser) {
        cmdChooseGroup_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 300, 300, 1600);
        connect(cmdChooseGroup_, &QPushButton::clicked, this, [this] { chooseAndAnalyse(); });
    }
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 2100, 300, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    // The base prints the lines again when the naming changes; the extras follow.
    for (QRadioButton* option : namesFrame()->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::clicked, this, [this] { drawMore(originalNames()); });
}

GroupPtr StructurePanel::selectedEntry() const {
    const std::optional<int> selected = guiState().selectedGroup;
    if (!selected || *selected < 1 || *selected > groupRegister().Count()) return nullptr;
    return groupRegister().At(*selected);
}

GroupRegistrar StructurePanel::registrar() {
    return storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); });
}

void StructurePanel::clearHalt() { progress().ClearStop(); }

void StructurePanel::redraw() {
    refresh();
    drawMore(originalNames());
}

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
    guiState().selectedGroup = *chosen;
    group_ = groupRegister().At(*chosen);
    analyse();
}

}  // namespace quorix::gui
