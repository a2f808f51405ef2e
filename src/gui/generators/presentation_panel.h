#pragma once
// dlgPresentationGroups: a group typed as generators and relations, the way
// a textbook writes it. Generate runs the coset enumeration (with the
// processing indicator and Halt), then shows the order found, compared with
// the order the user expected when one is typed, and the elements as their
// shortest words, and registers the group as "Pres<order>-<number>".

#include <optional>

#include "gui/generators/generator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorix::gui {

class PresentationPanel : public GeneratorPanel {
    Q_OBJECT
public:
    explicit PresentationPanel(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* presentationBox() const { return txtPresentation_; }
    QLineEdit* expectedOrderBox() const { return txtExpectedOrder_; }
    QPushButton* generateButton() const { return generate_; }

    // Validates the input, enumerates, shows the result and registers.
    void generateGroup();

private:
    // The empty result; `refused`: the typed presentation was not accepted.
    void drawPrompt(bool refused = false);
    void drawResult(const Group& g, std::optional<int> expected);

    QLineEdit* txtPresentation_ = nullptr;
    QLineEdit* txtExpectedOrder_ = nullptr;
    QPushButton* generate_ = nullptr;
};

}  // namespace quorix::gui
