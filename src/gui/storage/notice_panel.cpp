#include "gui/storage/notice_panel.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "core/group/group.h"
#include "gui/common/layout_math.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {
constexpr long kButtonWidth = 1215;
constexpr long kButtonHeight = 375;
constexpr long kCheckBoxWidth = 300;  // the box alone; its caption is a label beside it

// A click on the caption toggles the box, as on a check box's own text.
class CaptionClicks : public QObject {
public:
    CaptionClicks(QCheckBox* box, QObject* parent) : QObject(parent), box_(box) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) box_->toggle();
        return QObject::eventFilter(watched, event);
    }

private:
    QCheckBox* box_;
};
}  // namespace

NoticePanel::NoticePanel(AppContext& context, Kind kind, QWidget* parent)
    : Panel(context, QStringLiteral("dlgError"), QStringLiteral("Error"), parent) {
    if (kind == Kind::Notice) setWindowTitle(QStringLiteral("QUORIX"));
    createPictureBox(QStringLiteral("picbox"));
    // The notice keeps the size its routines give it.
    pictureBox()->onPrinted = nullptr;
    pictureBox()->onMouseDown = nullptr;
    pictureBox()->setCursor(Qt::ArrowCursor);
    ok_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 700, 1400, kButtonWidth, kButtonHeight);
    ok_->setDefault(true);
    check_ = addControl<QCheckBox>(QStringLiteral("chkDoNotShowAgain"), 100, 1300, kCheckBoxWidth, 300);
    checkCaption_ = addLabel(QStringLiteral("labelDoNotShowAgain"), QStringLiteral("Do not show this message again."),
                             100 + kCheckBoxWidth, 1300, 2100, 600);
    checkCaption_->installEventFilter(new CaptionClicks(check_, checkCaption_));
    check_->hide();
    checkCaption_->hide();
    connect(ok_, &QPushButton::clicked, this, [this] {
        doNotShowAgainChosen_ = check_->isChecked();
        accept();
        close();
    });
    setPanelSizeTw(2600, 2100);
}

void NoticePanel::setPanelSizeTw(long width, long height) {
    setClientSizeTw(width, height);
    pictureBox()->setGeometryTw(0, 0, width, height);
}

void NoticePanel::showDoNotShowAgain(long left, long top) {
    moveTw(check_, left, top);
    placeTw(checkCaption_, left + kCheckBoxWidth, top + 20, clientWidthTw() - left - kCheckBoxWidth - 100, 600);
    check_->show();
    checkCaption_->show();
    check_->raise();
    checkCaption_->raise();
}

NoticePanel* ShowGroupGeneratedNotice(AppContext& context, const Group& group) {
    auto* notice = new NoticePanel(context, NoticePanel::Kind::Notice);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    PictureBox& box = *notice->picbox();
    notice->setPanelSizeTw(4000, 2500);
    PrintState& ps = box.printState();
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

bool ShowMessageNotice(AppContext& context, const QString& text) {
    NoticePanel notice(context, NoticePanel::Kind::Notice);
    PictureBox& box = *notice.picbox();
    box.setFontBold(false);
    const long textWidth = std::lround(box.textWidth(text));
    QRect screen(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry();
    const layout::NoticeLayout l = layout::LayoutMessageNotice(textWidth, std::lround(PxToTwips(screen.width())),
                                                               std::lround(PxToTwips(screen.height())), kButtonWidth);
    notice.setPanelSizeTw(l.width, l.height);
    notice.move(TwipsToPx(l.left), TwipsToPx(l.top));
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.x = l.textX;
    ps.y = l.textY;
    PrintMarkup(box, text.toStdString());
    Panel::moveTw(notice.okButton(), l.okLeft, l.okTop);
    notice.showDoNotShowAgain(l.checkLeft, l.checkTop);
    context.dialogs.showModal(notice);
    return notice.doNotShowAgainChosen();
}

bool ShowTwoLineNotice(AppContext& context, const QString& first, const QString& second) {
    NoticePanel notice(context, NoticePanel::Kind::Notice);
    PictureBox& box = *notice.picbox();
    notice.setPanelSizeTw(2600, 2500);
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.x = 100;
    ps.y = 700;
    PrintMarkup(box, first.toStdString());
    long width = ps.x;
    ps.x = 100;
    ps.y = 900;
    PrintMarkup(box, second.toStdString());
    width = std::max({width, ps.x, 2100L}) + 500;
    notice.setPanelSizeTw(width, 2500);
    Panel::moveTw(notice.okButton(), width / 2 - kButtonWidth / 2, 1300);
    notice.showDoNotShowAgain(100, 1850);
    context.dialogs.showModal(notice);
    return notice.doNotShowAgainChosen();
}

}  // namespace quorix::gui
