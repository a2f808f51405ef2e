#pragma once
// dlgLargePermutationGroups: a permutation group of any size, typed as
// generators (cycle or one-line notation) or picked from the built-ins (the
// cubes, the Mathieu groups, S<d>, A<d>). Compute shows the order
// factorised, the orbits, transitivity, the centre and commutator orders;
// Test says whether a typed permutation is in the group and gives a word
// for it in the generators; Random shows a uniformly random element. The
// group's work runs as the panel's job, with Halt.

#include <cstdint>

#include "core/perm/perm_spec.h"
#include "gui/common/panel.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quorix::gui {

class PermGroupPanel : public Panel {
    Q_OBJECT
public:
    explicit PermGroupPanel(AppContext& context, QWidget* parent = nullptr);

    // Reads the generators (or the built-in picked), builds the group and shows its facts.
    void computeGroup();
    void testMember();
    void showRandom();
    const perm::PermGroupPtr& group() const { return group_; }

private:
    void showResult(const QString& text);

    QComboBox* cboBuiltIn_ = nullptr;
    QLineEdit* txtGenerators_ = nullptr;
    QLineEdit* txtMember_ = nullptr;
    QPlainTextEdit* txtResult_ = nullptr;
    perm::PermGroupPtr group_;
    std::shared_ptr<perm::StabilizerChain> words_;
    std::uint64_t seed_ = 1;
};

}  // namespace quorix::gui

namespace quorix::gui {
class PanelRegistry;
void RegisterPermPanels(PanelRegistry& registry);
}  // namespace quorix::gui
