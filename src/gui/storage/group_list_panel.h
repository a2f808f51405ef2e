#pragma once
// dlgGroupList: the list of generated groups, which doubles as the "Choose
// Group" dialog of every analysis panel (chooser mode, entered when the
// selected group is -999 on load).

#include "gui/common/panel.h"

class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class GroupListPanel : public Panel {
    Q_OBJECT
public:
    explicit GroupListPanel(QWidget* parent = nullptr);

    bool chooserMode() const { return chooser_; }
    QListWidget* list() const { return list_; }

    // Clears the picture box and the list and fills them again.
    void reload();

private:
    void choose();

    bool chooser_ = false;
    QGroupBox* sortFrame_ = nullptr;
    QRadioButton* optAlphabetical_ = nullptr;
    QRadioButton* optGenerated_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* cmdChoose_ = nullptr;
    QPushButton* cmdShow_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

// The register positions in the order a list shows them.
std::vector<int> ListedPositions(bool sequenceGenerated, bool& complete);

// The choose protocol: selected group -999, the list modally, the answer.
int ChooseGroup();

// Opens the list in list mode, modeless.
GroupListPanel* OpenGroupList();

}  // namespace quorix::gui
