#include "gui/storage/delete_list_panel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/storage/text_file.h"
#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/sort_box.h"
#include "gui/storage/group_order.h"
#include "gui/storage/notice_panel.h"

namespace quorix::gui {

namespace {
int positionOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toInt(); }
}  // namespace

DeleteListPanel::DeleteListPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgDeleteList"), QStringLiteral("Delete Selected Groups"), parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(9000, 7300);
    createPictureBox();

    sort_ = new SortBox(preferences().SequenceGenerated(storage::PanelDefault::GroupDeletion), client());
    placeTw(sort_, 5650, 1350, 2900, 900);
    connect(sort_, &SortBox::changed, this, [this] { reload(); });

    addLabel(QStringLiteral("labelRetainList"), QStringLiteral("Retain List"), 350, 2350, 3800, 260);
    addLabel(QStringLiteral("labelDeleteList"), QStringLiteral("Delete List"), 4650, 2350, 3800, 260);
    retain_ = addControl<QListWidget>(QStringLiteral("lstGroups"), 350, 2650, 3900, 3800);
    deletes_ = addControl<QListWidget>(QStringLiteral("lstDeletes"), 4650, 2650, 3900, 3800);
    // A fixed-width font, so that the names after the blank and "****"
    // flags line up.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    retain_->setFont(fixed);
    deletes_->setFont(fixed);
    cmdDelete_ = addButton(QStringLiteral("cmdDelete"), QStringLiteral("Delete Selected Groups"), 350, 6650, 2600);
    cmdExit_ = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 3200, 6650, 1500);
    connect(retain_, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) { moveToDeleteList(it); });
    connect(deletes_, &QListWidget::itemClicked, this, [this](QListWidgetItem* it) { moveToRetainList(it); });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] { deleteSelectedGroups(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });
    reload();
}

QString DeleteListPanel::entryText(const char* flag, int position) const {
    return QString::fromLatin1(flag) + QString::fromStdString(markup::StripMarkup(idAt(position)));
}

std::vector<int> DeleteListPanel::currentOrder(bool& complete) const {
    return ListedPositions(groupRegister(), sort_->sequenceGenerated(), complete);
}

bool DeleteListPanel::listsCurrent() {
    if (listed_.current(groupRegister())) return true;
    reload();
    return false;
}

void DeleteListPanel::changeEvent(QEvent* e) {
    Panel::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) listsCurrent();
}

void DeleteListPanel::reload() {
    undoScrolling();
    PictureBox& box = *pictureBox();
    box.clear();
    retain_->clear();
    deletes_->clear();
    PrintState& ps = box.printState();
    ps.x = 350;
    ps.y = 350;
    ps.bold = true;
    PrintMarkup(box, "Build list of groups to be deleted:");
    ps.bold = false;
    ps.x = 350;
    ps.y += 500;
    PrintMarkup(box, "To move a group from the Retain List to the Delete List (or vice versa), click on its entry.");
    ps.x = 350;
    ps.y += 300;
    PrintMarkup(box, "When finished, click |%i|Delete Selected Groups|/i|.");

    listed_.take(groupRegister());
    if (groupRegister().Empty()) {
        ps.x = 350;
        ps.y = 2700;
        PrintMarkup(box, "No groups have been generated.");
        retain_->hide();
        deletes_->hide();
        return;
    }
    retain_->show();
    deletes_->show();
    bool complete = true;
    for (int p : currentOrder(complete)) {
        auto* item = new QListWidgetItem(entryText(kUserFlag, p), retain_);
        item->setData(Qt::UserRole, p);
    }
    if (!complete) host().Message("Program Error dlgDeleteList");
}

void DeleteListPanel::moveToDeleteList(QListWidgetItem* item) {
    if (!item || item->listWidget() != retain_ || !listsCurrent()) return;
    const int base = positionOf(item);
    const std::string& baseId = idAt(base);
    bool derivedMoved = false;
    for (int row = 0; row < retain_->count();) {
        QListWidgetItem* other = retain_->item(row);
        const int p = positionOf(other);
        if (other != item && DerivesFrom(idAt(p), baseId)) {
            delete retain_->takeItem(row);
            auto* moved = new QListWidgetItem(entryText(kDerivedFlag, p), deletes_);
            moved->setData(Qt::UserRole, p);
            derivedMoved = true;
        } else {
            ++row;
        }
    }
    delete retain_->takeItem(retain_->row(item));
    auto* moved = new QListWidgetItem(entryText(kUserFlag, base), deletes_);
    moved->setData(Qt::UserRole, base);
    if (derivedMoved && !guiState().derivedNoticeOff)
        guiState().derivedNoticeOff = ShowTwoLineNotice(
            context(), QStringLiteral("Groups derived from this group have also been added to the Delete List"),
            QStringLiteral("and are flagged by asterisks."));
}

void DeleteListPanel::moveToRetainList(QListWidgetItem* item) {
    if (!item || item->listWidget() != deletes_ || !listsCurrent()) return;
    const int base = positionOf(item);
    const std::string& baseId = idAt(base);
    for (int row = 0; row < deletes_->count(); ++row) {
        QListWidgetItem* other = deletes_->item(row);
        if (other == item) continue;
        const int p = positionOf(other);
        if (DerivesFrom(idAt(p), baseId)) {
            host().Message(markup::StripMarkup(idAt(p)) + " must be removed from Delete List first.");
            return;
        }
    }
    bool complete = true;
    const std::vector<int> order = currentOrder(complete);
    auto rank = [&](int p) {
        for (std::size_t i = 0; i < order.size(); ++i)
            if (order[i] == p) return static_cast<int>(i);
        return static_cast<int>(order.size());
    };
    const int myRank = rank(base);
    int insertAt = retain_->count();
    for (int row = 0; row < retain_->count(); ++row)
        if (rank(positionOf(retain_->item(row))) > myRank) {
            insertAt = row;
            break;
        }
    delete deletes_->takeItem(deletes_->row(item));
    auto* back = new QListWidgetItem(entryText(kUserFlag, base));
    back->setData(Qt::UserRole, base);
    retain_->insertItem(insertAt, back);
}

void DeleteListPanel::deleteSelectedGroups() {
    if (!listsCurrent()) return;
    if (deletes_->count() == 0) {
        host().Message("There are no groups in the Delete List.");
        return;
    }
    storage::GroupRegister& reg = groupRegister();
    const std::string question = reg.Autosave()
                                     ? "Do you really want to delete all of the groups in the Delete List permanently?"
                                     : "Do you really want to delete all of the groups in the Delete List?";
    if (!host().AskYesNo(question, storage::kDeletionTitle)) return;
    cmdDelete_->setEnabled(false);
    cmdExit_->setEnabled(false);
    sort_->setEnabled(false);
    std::vector<int> positions;
    for (int row = 0; row < deletes_->count(); ++row) positions.push_back(positionOf(deletes_->item(row)));
    try {
        if (reg.DeleteGroups(positions)) host().Message(storage::kBackupMessage);
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
    } catch (const storage::StorageError& e) {
        host().Message(e.what());
    }
    deletes_->clear();
    host().Message("All selected groups have been deleted.");
    reload();
    cmdDelete_->setEnabled(true);
    cmdExit_->setEnabled(true);
    sort_->setEnabled(true);
}

}  // namespace quorix::gui
