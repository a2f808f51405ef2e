#pragma once
// dlgMultiplicativeGroups: the group of units modulo n, chosen by its modulus
// or looked up by its order (every modulus n up to 4k + 10 with phi(n) = k,
// at most 20), each listed group with its own "Generate Group" button.

#include <array>

#include "gui/generators/generator_panel.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class MultiplicativePanel : public GeneratorPanel {
    Q_OBJECT
public:
    static constexpr int kButtons = 21;  // 0: modulus mode, 1..20: order mode

    explicit MultiplicativePanel(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* input() const { return txtParam_; }
    QRadioButton* modulusOption() const { return optModulus_; }
    QRadioButton* orderOption() const { return optOrder_; }
    QPushButton* generateButton(int index) const { return cmdGenerate_[static_cast<std::size_t>(index)]; }
    // The modulus a button generates (0 while the button is hidden).
    int modulusOf(int index) const { return moduli_[static_cast<std::size_t>(index)]; }

    void compute();
    void generateGroup(int index);

private:
    void drawPrompt();
    void hideResults();
    void showModulus(int n);
    void showOrder(int k);
    void offer(int index, int modulus, long y);

    QRadioButton* optModulus_ = nullptr;
    QRadioButton* optOrder_ = nullptr;
    QLineEdit* txtParam_ = nullptr;
    std::array<QPushButton*, kButtons> cmdGenerate_{};
    std::array<int, kButtons> moduli_{};
};

}  // namespace quorix::gui
