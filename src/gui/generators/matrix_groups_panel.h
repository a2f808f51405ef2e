#pragma once
// dlgMatrixGroups: GL(2,p), SL(2,p), PSL(2,p) or PGL(2,p) for a typed prime
// p; the group's order is shown as p is typed, so a group too large to
// build is seen before Generate is pressed.

#include <array>

#include "core/group/families.h"
#include "gui/generators/generator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class MatrixGroupsPanel : public GeneratorPanel {
    Q_OBJECT
public:
    explicit MatrixGroupsPanel(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* primeBox() const { return txtPrime_; }
    QRadioButton* kindButton(MatrixGroupKind kind) const { return options_[static_cast<std::size_t>(kind)]; }
    QPushButton* generateButton() const { return generate_; }
    QLabel* orderLabel() const { return lblOrder_; }

    MatrixGroupKind chosenKind() const;
    // Validates p, generates and registers the chosen group.
    void generateGroup();

private:
    void showOrder();

    std::array<QRadioButton*, 4> options_{};
    QLineEdit* txtPrime_ = nullptr;
    QLabel* lblOrder_ = nullptr;
    QPushButton* generate_ = nullptr;
};

}  // namespace quorix::gui
