#include "gui/storage/group_list_panel.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/sort_box.h"
#include "gui/common/twips.h"
#include "gui/storage/delete_list_panel.h"
#include "gui/storage/group_order.h"
#include "gui/storage/notice_panel.h"
#include "gui/storage/preferences_panel.h"

namespace quorix::gui {

namespace {
constexpr long kListLeft = 350;   // the list lines up with the heading
}  // namespace

GroupListPanel::GroupListPanel(AppContext& context, Mode mode, QWidget* parent)
    : Panel(context, QStringLiteral("dlgGroupList"), QStringLiteral("Generated Group List"), parent),
      chooser_(mode == Mode::Choose) {
    buildStandardMenus(true, true);
    setClientSizeTw(8400, 6000);
    createPictureBox();

    sort_ = new SortBox(preferences().SequenceGenerated(storage::PanelDefault::GroupList), client());
    placeTw(sort_, 5200, 100, 2900, 900);
    connect(sort_, &SortBox::changed, this, [this] { reload(); });

    list_ = addControl<QListWidget>(QStringLiteral("lstGroups"), kListLeft, 950, 3000, 3000);
    cmdChoose_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 0, 0, 1600);
    cmdShow_ = addButton(QStringLiteral("cmdShowGroup"), QStringLiteral("&Show Group"), 0, 0, 1600);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1600);
    connect(cmdShow_, &QPushButton::clicked, this, [this] { showGroup(); });

    if (chooser_) {
        setWindowTitle(QStringLiteral("Choose Group"));
        cmdOK_->setText(QStringLiteral("&Cancel"));
    }
    connect(cmdChoose_, &QPushButton::clicked, this, [this] { choose(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chooser_) choose();
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        chosen_.reset();
        close();
    });
    reload();
}

void GroupListPanel::reload() {
    undoScrolling();
    PictureBox& box = *pictureBox();
    box.clear();
    list_->clear();
    PrintState& ps = box.printState();
    ps.x = 350;
    ps.y = 350;
    ps.bold = true;
    PrintMarkup(box, chooser_ ? "Choose a group:" : "GENERATED GROUP LIST:");
    ps.bold = false;
    ps.y += 600;
    ps.x = kListLeft;

    const storage::GroupRegister& reg = groupRegister();
    listed_.take(reg);
    if (reg.Empty()) {
        PrintMarkup(box, "No groups have been generated.");
        list_->hide();
        cmdChoose_->hide();
        cmdShow_->hide();
        moveTw(cmdOK_, 350, ps.y + 600);
        return;
    }
    bool complete = true;
    const std::vector<int> positions = ListedPositions(reg, sort_->sequenceGenerated(), complete);
    if (!complete) host().Message("Program Error dlgGroupList");
    long widest = 0;
    for (int p : positions) {
        const QString text = QString::fromStdString(markup::StripMarkup(reg.At(p)->GroupID()));
        auto* item = new QListWidgetItem(text, list_);
        item->setData(Qt::UserRole, p);
        widest = std::max(widest, std::lround(pxToTwips(list_->fontMetrics().horizontalAdvance(text))));
    }
    const long rowH = std::lround(pxToTwips(list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 16));
    const long width = std::max(2000L, widest + 600);
    const long height = std::min<long>(static_cast<long>(positions.size()), 16) * rowH + 120;
    placeTw(list_, ps.x, ps.y, width, height);
    list_->show();
    list_->setCurrentRow(0);

    const long bx = ps.x + width + 300;
    long by = ps.y;
    if (chooser_) {
        cmdChoose_->show();
        moveTw(cmdChoose_, bx, by);
        by += 500;
    } else {
        cmdChoose_->hide();
    }
    cmdShow_->show();
    moveTw(cmdShow_, bx, by);
    moveTw(cmdOK_, bx, by + 500);
    const long needW = std::max(clientWidthTw(), bx + 1600 + 300);
    const long needH = std::max(clientHeightTw(), ps.y + height + 400);
    if (needW != clientWidthTw() || needH != clientHeightTw()) setClientSizeTw(needW, needH);
}

void GroupListPanel::changeEvent(QEvent* e) {
    Panel::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !listed_.current(groupRegister())) reload();
}

void GroupListPanel::choose() {
    // A list the register changed under is shown again before anything is chosen.
    if (!listed_.current(groupRegister())) {
        reload();
        return;
    }
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    chosen_ = item->data(Qt::UserRole).toInt();
    close();
}

void GroupListPanel::showGroup() {
    if (!listed_.current(groupRegister())) {
        reload();
        return;
    }
    QListWidgetItem* item = list_->currentItem();
    if (!item) return;
    guiState().selectedGroup = item->data(Qt::UserRole).toInt();
    openPanel(QStringLiteral("dlgShowGroup"));
}

std::optional<int> ChooseGroup(AppContext& context, QWidget* parent) {
    GroupListPanel panel(context, GroupListPanel::Mode::Choose, parent);
    context.dialogs.showModal(panel);
    return panel.chosen();
}

void RegisterStoragePanels(PanelRegistry& registry) {
    using storage::PanelDefault;
    registry.add({QStringLiteral("dlgGroupList"), QStringLiteral("Generated Group List"), PanelDefault::GroupList,
                  QStringLiteral("&Analysis Tools/&List Generated Groups..."), QStringLiteral("mnuListGeneratedGroups"),
                  false, [](AppContext& c, QWidget* parent) -> Panel* {
                      return new GroupListPanel(c, GroupListPanel::Mode::List, parent);
                  }});
    registry.add({QStringLiteral("dlgDeleteList"), QStringLiteral("Delete Selected Groups"),
                  PanelDefault::GroupDeletion, QStringLiteral("&File/Delete Selected Groups..."),
                  QStringLiteral("mnuDeleteSelectedGroups"), false,
                  [](AppContext& c, QWidget* parent) -> Panel* { return new DeleteListPanel(c, parent); }});
    registry.add({QStringLiteral("dlgPreferences"), QStringLiteral("Preferences"), std::nullopt,
                  QStringLiteral("&Preferences"), QStringLiteral("mnuPreferences"), true,
                  [](AppContext& c, QWidget* parent) -> Panel* { return new PreferencesPanel(c, parent); }});
    registry.add({QStringLiteral("dlgError"), QStringLiteral("Error"), std::nullopt, QString(), QString(), true,
                  [](AppContext& c, QWidget* parent) -> Panel* { return new NoticePanel(c, parent); }});
    registry.chooser = [](AppContext& c, QWidget* parent) { return ChooseGroup(c, parent); };
}

}  // namespace quorix::gui
