#pragma once
// The base of the result panels that print the engine's markup lines into
// their picture box: standard menus with Preferences and Scrolling, and the
// option pair "Original Element Names" / "Reductive-Mapping Names", which
// starts from the panel's Panel Defaults letter (looked up in the panel
// registry under the panel's name) and prints the text again when toggled.

#include <string>
#include <vector>

#include "gui/common/panel.h"

class QGroupBox;
class QRadioButton;

namespace quorix::gui {

class TextPanel : public Panel {
    Q_OBJECT
public:
    TextPanel(AppContext& context, const QString& name, const QString& caption, QWidget* parent = nullptr);

    bool originalNames() const;
    // As a click on the option would: sets the option and prints again.
    void setOriginalNames(bool original);
    QGroupBox* namesFrame() const { return namesFrame_; }

    // Clears the picture box and prints the lines top down, one line step
    // apart; an empty line leaves a gap of one step.
    void printLines(const std::vector<std::string>& lines);
    // Prints the panel's text again in the names chosen.
    void refresh();

protected:
    // The panel's whole text, in markup, in the names asked for (empty
    // while there is nothing to show).
    virtual std::vector<std::string> lines(bool originalNames) = 0;

    long textLeft_ = 300;
    long textTop_ = 350;
    long lineStep_ = 300;

private:
    QGroupBox* namesFrame_ = nullptr;
    QRadioButton* optOriginal_ = nullptr;
    QRadioButton* optReductive_ = nullptr;
};

}  // namespace quorix::gui
