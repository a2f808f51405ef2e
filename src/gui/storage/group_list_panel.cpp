#include "gui/storage/group_list_panel.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "core/host/host.h"
#include "core/text/markup.h"
#include "gui/common/app_context.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/storage/group_order.h"

namespace quorix::gui {

std::vector<int> ListedPositions(bool sequenceGenerated, bool& complete) {
    const storage::GroupRegister& reg = groupRegister();
    complete = true;
    if (sequenceGenerated) {
        std::vector<int> out;
        for (int p = 1; p <= reg.Count(); ++p) out.push_back(p);
        return out;
    }
    std::vector<std::string> ids;
    for (const GroupPtr& g : reg.Groups()) ids.push_back(g->GroupID());
    return AlphabeticalPositions(ids, complete);
}

GroupListPanel::GroupListPanel(QWidget* parent)
    : Panel(QStringLiteral("dlgGroupList"), QStringLiteral("Generated Group List"), parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(8400, 6000);
    createPictureBox();

    sortFrame_ = addControl<QGroupBox>(QStringLiteral("fraSortSequence"), 5200, 100, 2900, 900);
    sortFrame_->setTitle(QStringLiteral("Sort"));
    optAlphabetical_ = addControl<QRadioButton>(QStringLiteral("optAlphabeticalSequence"), 120, 260, 2700, 280, sortFrame_);
    optAlphabetical_->setText(QStringLiteral("Alphabetical sequence"));
    optGenerated_ = addControl<QRadioButton>(QStringLiteral("optSequenceGenerated"), 120, 560, 2700, 280, sortFrame_);
    optGenerated_->setText(QStringLiteral("Sequence generated"));
    if (preferences().SequenceGenerated(storage::PanelDefault::GroupList))
        optGenerated_->setChecked(true);
    else
        optAlphabetical_->setChecked(true);
    connect(optAlphabetical_, &QRadioButton::clicked, this, [this] { reload(); });
    connect(optGenerated_, &QRadioButton::clicked, this, [this] { reload(); });

    list_ = addControl<QListWidget>(QStringLiteral("lstGroups"), 50, 950, 3000, 3000);
    cmdChoose_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 0, 0, 1600);
    cmdShow_ = addButton(QStringLiteral("cmdShowGroup"), QStringLiteral("&Show Group"), 0, 0, 1600);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1600);
    cmdShow_->setEnabled(false);
    cmdShow_->setToolTip(QStringLiteral("The group display panel is not available in this version."));

    chooser_ = guiState().selectedGroup == kNoChoice;
    if (chooser_) {
        setWindowTitle(QStringLiteral("Choose Group"));
        cmdOK_->setText(QStringLiteral("&Cancel"));
    }
    connect(cmdChoose_, &QPushButton::clicked, this, [this] { choose(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (chooser_) choose();
    });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        if (chooser_) guiState().selectedGroup = kNoChoice;
        close();
    });
    reload();
}

void GroupListPanel::reload() {
    undoScrolling();
    PictureBox& box = *pictureBox();
    box.clear();
    list_->clear();
    PrintState& ps = printState();
    ps.x = 350;
    ps.y = 350;
    ps.bold = true;
    PrintMarkup(box, chooser_ ? "Choose a group:" : "GENERATED GROUP LIST:");
    ps.bold = false;
    ps.y += 600;
    ps.x = 50;

    const storage::GroupRegister& reg = groupRegister();
    if (reg.Empty()) {
        PrintMarkup(box, "No groups have been generated.");
        list_->hide();
        cmdChoose_->hide();
        cmdShow_->hide();
        moveTw(cmdOK_, 350, ps.y + 600);
        return;
    }
    bool complete = true;
    const std::vector<int> positions = ListedPositions(optGenerated_->isChecked(), complete);
    if (!complete) host().message("Program Error dlgGroupList");
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

void GroupListPanel::choose() {
    try {
        QListWidgetItem* item = list_->currentItem();
        if (!item) return;
        guiState().selectedGroup = item->data(Qt::UserRole).toInt();
    } catch (...) {
        host().message("Error intercepted");
    }
    close();
}

int ChooseGroup() {
    guiState().selectedGroup = kNoChoice;
    GroupListPanel panel;
    runModal(panel);
    return guiState().selectedGroup;
}

GroupListPanel* OpenGroupList() {
    guiState().selectedGroup = 0;
    auto* panel = new GroupListPanel;
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->show();
    return panel;
}

}  // namespace quorix::gui
