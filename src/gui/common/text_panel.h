#pragma once
// The base of the result panels that print the engine's markup lines into
// their picture box: File, Format, Preferences, Scrolling and Help menus;
// Format holds the pair "Original Element Names" / "Reductive-Mapping Names"
// (mnuOriginal, mnuReductive), which starts from the panel's Panel Defaults
// letter (looked up in the panel registry under the panel's name) and prints
// the text again when changed.

#include <string>
#include <vector>

#include "gui/common/panel.h"

class QAction;

namespace quorix::gui {

class TextPanel : public Panel {
    Q_OBJECT
public:
    TextPanel(AppContext& context, const QString& name, const QString& caption, QWidget* parent = nullptr);

    bool originalNames() const;
    // As the Format menu would: sets the naming and prints again.
    void setOriginalNames(bool original);

    // Clears the picture box and prints the lines top down, one line step
    // apart; an empty line leaves a gap of one step.
    void printLines(const std::vector<std::string>& lines);
    // Prints the panel's text again in the names chosen, then afterPrint().
    void refresh();

protected:
    // The panel's whole text, in markup, in the names asked for (empty
    // while there is nothing to show).
    virtual std::vector<std::string> lines(bool originalNames) = 0;
    // What the lines alone do not draw (buttons, lists, tables).
    virtual void afterPrint() {}

    long textLeft_ = 300;
    long textTop_ = 350;
    long lineStep_ = 300;

private:
    QAction* mnuOriginal_ = nullptr;
    QAction* mnuReductive_ = nullptr;
};

}  // namespace quorix::gui
