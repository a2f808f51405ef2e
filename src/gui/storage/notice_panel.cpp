#include "gui/storage/notice_panel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "core/group/group.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/common/layout_math.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {
constexpr long kButtonWidth = 1215;
constexpr long kButtonHeight = 375;
}  // namespace

NoticePanel::NoticePanel(QWidget* parent) : Panel(QStringLiteral("dlgError"), QStringLiteral("Error"), parent) {
    GuiState& st = guiState();
    if (st.messageKind == "NotAnError") {
        setWindowTitle(QStringLiteral("QUORIX"));
        st.messageKind.clear();
    }
    createPictureBox(QStringLiteral("picbox"));
    // The notice keeps the size its routines give it.
    pictureBox()->onPrinted = nullptr;
    pictureBox()->onMouseDown = nullptr;
    pictureBox()->setCursor(Qt::ArrowCursor);
    ok_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 700, 1400, kButtonWidth, kButtonHeight);
    ok_->setDefault(true);
    check_ = addControl<QCheckBox>(QStringLiteral("chkDoNotShowAgain"), 100, 1300, 3200, 300);
    check_->setText(QStringLiteral("Do not show this message again."));
    check_->hide();
    connect(ok_, &QPushButton::clicked, this, [this] {
        guiState().doNotShowAgain = check_->isChecked();
        accept();
        close();
    });
    setPanelSizeTw(2600, 2100);
}

void NoticePanel::setPanelSizeTw(long width, long height) {
    setClientSizeTw(width, height);
    pictureBox()->setGeometryTw(0, 0, width, height);
}

NoticePanel* ShowGroupGeneratedNotice(const Group& group) {
    guiState().messageKind = "NotAnError";
    auto* notice = new NoticePanel;
    notice->setAttribute(Qt::WA_DeleteOnClose);
    PictureBox& box = *notice->picbox();
    notice->setPanelSizeTw(4000, 2500);
    PrintState& ps = printState();
    ps.x = 100;
    ps.y = 600;
    ps.bold = false;
    PrintMarkup(box, "Group ");
    ps.bold = true;
    PrintMarkup(box, group.GroupID());
    ps.bold = false;
    PrintMarkup(box, " has been generated.");
    const long width = std::max(4000L, ps.x + 500);
    notice->setPanelSizeTw(width, 2500);
    Panel::moveTw(notice->okButton(), width / 2 - kButtonWidth / 2, 1300);
    notice->show();
    return notice;
}

namespace {
void placeCheck(NoticePanel& notice, long checkWidth) {
    QWidget* c = notice.doNotShowAgain();
    c->resize(twipsToPx(static_cast<double>(checkWidth)), c->height());
}
}  // namespace

bool ShowMessageNotice(const QString& text) {
    guiState().messageKind = "NotAnError";
    NoticePanel notice;
    PictureBox& box = *notice.picbox();
    printState().bold = false;
    box.setFontBold(false);
    const long textWidth = std::lround(box.textWidth(text));
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
    const long checkWidth = std::lround(pxToTwips(notice.doNotShowAgain()->sizeHint().width()));
    const layout::NoticeLayout l =
        layout::LayoutMessageNotice(textWidth, std::lround(pxToTwips(screen.width())),
                                    std::lround(pxToTwips(screen.height())), kButtonWidth, 100 + checkWidth + 100);
    placeCheck(notice, checkWidth);
    notice.setPanelSizeTw(l.width, l.height);
    notice.move(twipsToPx(l.left), twipsToPx(l.top));
    printState().x = l.textX;
    printState().y = l.textY;
    PrintMarkup(box, text.toStdString());
    Panel::moveTw(notice.okButton(), l.okLeft, l.okTop);
    Panel::moveTw(notice.doNotShowAgain(), l.checkLeft, l.checkTop);
    notice.doNotShowAgain()->show();
    guiState().doNotShowAgain = false;
    runModal(notice);
    return guiState().doNotShowAgain;
}

bool ShowTwoLineNotice(const QString& first, const QString& second) {
    guiState().messageKind = "NotAnError";
    NoticePanel notice;
    PictureBox& box = *notice.picbox();
    notice.setPanelSizeTw(2600, 2500);
    PrintState& ps = printState();
    ps.bold = false;
    ps.x = 100;
    ps.y = 700;
    PrintMarkup(box, first.toStdString());
    long width = ps.x;
    ps.x = 100;
    ps.y = 900;
    PrintMarkup(box, second.toStdString());
    const long checkWidth = std::lround(pxToTwips(notice.doNotShowAgain()->sizeHint().width()));
    placeCheck(notice, checkWidth);
    width = std::max({width, ps.x, 2100L, checkWidth + 100}) + 500;
    notice.setPanelSizeTw(width, 2500);
    Panel::moveTw(notice.okButton(), width / 2 - kButtonWidth / 2, 1300);
    Panel::moveTw(notice.doNotShowAgain(), 100, 1850);
    notice.doNotShowAgain()->show();
    guiState().doNotShowAgain = false;
    runModal(notice);
    return guiState().doNotShowAgain;
}

}  // namespace quorix::gui
