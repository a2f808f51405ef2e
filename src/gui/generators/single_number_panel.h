#pragma once
// dlgSymmetricGroups, dlgAlternatingGroups, dlgAdditiveGroups,
// dlgDihedralGroups and dlgDicyclicGroups: one typed number (degree,
// modulus or n), the group's ID shown as it is typed, and the button that
// generates and registers the group.

#include "gui/generators/generator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorix::gui {

class SingleNumberPanel : public GeneratorPanel {
    Q_OBJECT
public:
    enum class Family { Symmetric, Alternating, Additive, Dihedral, Dicyclic };
    SingleNumberPanel(AppContext& context, Family family, QWidget* parent = nullptr);

    QLineEdit* input() const { return input_; }
    QPushButton* generateButton() const { return generate_; }

    // Validates the typed number, generates and registers the group.
    void generateGroup();

private:
    Family family_;
    QLineEdit* input_ = nullptr;
    QLabel* lblID2_ = nullptr;
    QPushButton* generate_ = nullptr;
};

}  // namespace quorix::gui
