#pragma once
// dlgDeleteList: the user builds a Delete List from the Retain List; every
// group derived from a moved group follows it, flagged "****".

#include "gui/common/panel.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quorix::gui {

class SortBox;

class DeleteListPanel : public Panel {
    Q_OBJECT
public:
    explicit DeleteListPanel(AppContext& context, QWidget* parent = nullptr);

    QListWidget* retainList() const { return retain_; }
    QListWidget* deleteList() const { return deletes_; }

    // The user's clicks. Each first checks that the register still holds
    // the groups listed; when it changed under the panel (groups deleted or
    // registered elsewhere) the lists are built again and the click is void.
    void moveToDeleteList(QListWidgetItem* item);
    void moveToRetainList(QListWidgetItem* item);
    void deleteSelectedGroups();
    void reload();

protected:
    void changeEvent(QEvent* e) override;

private:
    bool listsCurrent();
    QString entryText(const char* flag, int position) const;
    const std::string& idAt(int position) const { return groupRegister().At(position)->GroupID(); }
    std::vector<int> currentOrder(bool& complete) const;

    SortBox* sort_ = nullptr;
    QListWidget* retain_ = nullptr;
    QListWidget* deletes_ = nullptr;
    QPushButton* cmdDelete_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    RegisterSnapshot listed_;
};

}  // namespace quorix::gui
