#pragma once
// The common frame of the structure-analysis panels: a text panel on one
// group, with OK, an optional Choose Group button (the empty form waits for
// it), the processing indicator, and a hook that draws what the text lines
// alone do not (buttons, list boxes, tables) after every print.

#include <string>
#include <vector>

#include "core/analysis/registrar.h"
#include "core/group/group.h"
#include "gui/common/panel_registry.h"
#include "gui/common/text_panel.h"

class QPushButton;

namespace quorix::gui {

class StructurePanel : public TextPanel {
    Q_OBJECT
public:
    // With a group in `input`, the panel computes once it is shown; without
    // one it waits for Choose Group (when it has the button).
    StructurePanel(AppContext& context, const PanelInput& input, const QString& name, const QString& caption,
                   bool chooser, QWidget* parent = nullptr);

    const GroupPtr& group() const { return group_; }
    // Prints the panel again (lines, then the extras).
    void redraw();
    // The Choose Group button: the chooser, then analyse() on the chosen
    // group; Cancel closes the panel.
    void chooseAndAnalyse();

protected:
    // Registers derived groups in the program's register.
    GroupRegistrar registrar();
    // Runs the panel's computation on group() (set before).
    virtual void analyse() = 0;
    // Draws after the lines; the default places the buttons.
    virtual void drawMore(bool originalNames);
    void afterPrint() override;
    // The empty form's text ("... for group... "), printed on the first line
    // with Choose Group after it.
    virtual std::string emptyFormText() const { return {}; }
    // Opens another panel on this panel's group, when the group is still
    // registered (see Panel::stillRegistered).
    void openOnGroup(const QString& name, PanelInput input);

    GroupPtr group_;
    QPushButton* cmdChooseGroup_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

}  // namespace quorix::gui
