#pragma once
// dlgDeleteList: the user builds a Delete List from the Retain List; every
// group derived from a moved group follows it, flagged "****".

#include "gui/common/panel.h"

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace quorix::gui {

class DeleteListPanel : public Panel {
    Q_OBJECT
public:
    explicit DeleteListPanel(QWidget* parent = nullptr);

    QListWidget* retainList() const { return retain_; }
    QListWidget* deleteList() const { return deletes_; }

    // The user's clicks.
    void moveToDeleteList(QListWidgetItem* item);
    void moveToRetainList(QListWidgetItem* item);
    void deleteSelectedGroups();
    void reload();

private:
    QString entryText(const char* flag, int position) const;
    std::vector<int> currentOrder(bool& complete) const;

    QGroupBox* sortFrame_ = nullptr;
    QRadioButton* optAlphabetical_ = nullptr;
    QRadioButton* optGenerated_ = nullptr;
    QListWidget* retain_ = nullptr;
    QListWidget* deletes_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

DeleteListPanel* OpenDeleteList();

}  // namespace quorix::gui
