#pragma once
// dlgCharacterTable: the character table of a group drawn in the picture
// box, with the legend of its symbols and its own checks; a click selects a
// character, whose kernel Show Kernel opens in the group display.
// dlgSylowSubgroups: the Sylow subgroups of a group, one prime a paragraph,
// every conjugate on request.

#include "core/characters/character_table.h"
#include "core/characters/sylow.h"
#include "core/group/group.h"
#include "gui/analysis/structure_panel.h"
#include "gui/common/panel.h"

class QCheckBox;
class QPushButton;
class QScrollArea;

namespace quorix::gui {

class PanelRegistry;

class CharacterTablePanel : public Panel {
    Q_OBJECT
public:
    // An empty group waits for Choose Group.
    explicit CharacterTablePanel(AppContext& context, GroupPtr group = nullptr, QWidget* parent = nullptr);

    const CharacterTable& table() const { return table_; }
    int selectedCharacter() const { return selected_; }
    // Computes and draws the table of g.
    void showGroup(const GroupPtr& g);
    // Selects a character (-1: none), as a click on its row does.
    void selectCharacter(int index);
    // The character whose row holds the point (twips of the picture box), -1 if none.
    int characterAt(long x, long y) const;
    // The table as the Copy Table as LaTeX button puts it on the clipboard.
    std::string latex() const;

private:
    void draw();
    void showKernel();

    GroupPtr group_;
    CharacterTable table_;
    int selected_ = -1;
    long rowsTop_ = 0, rowsBottom_ = 0;  // twips of the character rows
    QScrollArea* scroll_ = nullptr;
    QPushButton* cmdChooseGroup_ = nullptr;
    QPushButton* cmdShowKernel_ = nullptr;
    QPushButton* cmdCopyLatex_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

class SylowPanel : public StructurePanel {
    Q_OBJECT
public:
    SylowPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    const std::vector<SylowSubgroups>& sylow() const { return sylow_; }

protected:
    void analyse() override;
    std::vector<std::string> lines(bool originalNames) override;
    std::vector<TextItem> layout(bool originalNames) override;
    void drawMore(bool originalNames) override;
    std::string emptyFormText() const override { return "Sylow Subgroups for group... "; }

private:
    std::vector<SylowSubgroups> sylow_;
    std::vector<std::string> notes_;  // catalogue note of each prime's subgroup
    QCheckBox* chkAllConjugates_ = nullptr;
};

void RegisterCharactersPanels(PanelRegistry& registry);

}  // namespace quorix::gui
