#include "gui/common/text_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

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
}

bool TextPanel::originalNames() const { return mnuOriginal_->isChecked(); }

void TextPanel::setOriginalNames(bool original) {
    (original ? mnuOriginal_ : mnuReductive_)->setChecked(true);
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

void TextPanel::refresh() {
    printLines(lines(originalNames()));
    afterPrint();
}

}  // namespace quorix::gui
