#pragma once
// dlgGroupList: the list of generated groups, which doubles as the "Choose
// Group" dialog of every analysis panel (chooser mode).

#include <map>
#include <optional>
#include <string>

#include "gui/common/panel.h"

class QListWidget;
class QPushButton;

namespace quorix::gui {

class SortBox;

class GroupListPanel : public Panel {
    Q_OBJECT
public:
    enum class Mode { List, Choose };
    // The list entries hold the register position under Qt::UserRole and,
    // for a group of order 20 or less, its catalogue note (markup) here.
    static constexpr int kNoteRole = Qt::UserRole + 1;
    GroupListPanel(AppContext& context, Mode mode = Mode::List, QWidget* parent = nullptr);

    bool chooserMode() const { return chooser_; }
    QListWidget* list() const { return list_; }
    // The register position the user chose (chooser mode); none until then
    // and after Cancel.
    std::optional<int> chosen() const { return chosen_; }

    // Clears the picture box and the list and fills them again.
    void reload();

protected:
    void changeEvent(QEvent* e) override;

private:
    void choose();
    // Opens the group display on the list's current group.
    void showGroup();
    // Fills notes_ for the register's groups of order 20 or less, searching
    // the catalogue (with the processing indicator) where it has not yet.
    void nameGroups();

    bool chooser_ = false;
    std::optional<int> chosen_;
    SortBox* sort_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* cmdChoose_ = nullptr;
    QPushButton* cmdShow_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    RegisterSnapshot listed_;
    // The catalogue note shown after each small group's ID, kept across
    // reloads; a halted identification leaves its group out.
    std::map<GroupPtr, std::string> notes_;
};

// The choose protocol: the list modally in chooser mode; the chosen
// register position, none for Cancel.
std::optional<int> ChooseGroup(AppContext& context, QWidget* parent = nullptr);

// Registers the panels of this folder (group list and chooser, deletion,
// preferences, notice) with the program's catalogue.
void RegisterStoragePanels(PanelRegistry& registry);

}  // namespace quorix::gui
