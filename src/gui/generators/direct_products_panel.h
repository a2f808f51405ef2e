#pragma once
// dlgDirectProducts: up to six components, each a typed modulus (an additive
// group) or a registered group chosen from the list; the product is built
// from left to right and only the final product is registered.

#include <array>

#include "gui/generators/generator_panel.h"

class QLineEdit;
class QPushButton;

namespace quorix::gui {

class DirectProductsPanel : public GeneratorPanel {
    Q_OBJECT
public:
    static constexpr int kRows = 6;

    explicit DirectProductsPanel(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* modulusBox(int row) const { return txtModulus_[static_cast<std::size_t>(row)]; }
    const GroupPtr& chosenGroup(int row) const { return chosen_[static_cast<std::size_t>(row)]; }
    // The row's component: the chooser's answer (a register position), which
    // clears the row's modulus.
    void chooseComponent(int row);
    void setChosenGroup(int row, const GroupPtr& group);
    void clearComponents();
    void compute();

protected:
    void changeEvent(QEvent* e) override;

private:
    void redraw();

    std::array<QLineEdit*, kRows> txtModulus_{};
    std::array<GroupPtr, kRows> chosen_{};
};

}  // namespace quorix::gui
