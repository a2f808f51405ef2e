#pragma once
// The notice panel dlgError: one or two lines of text with OK and, where the
// notice offers it, "Do not show this message again.".

#include <QString>

#include "gui/common/panel.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quorix {
class Group;
}

namespace quorix::gui {

class NoticePanel : public Panel {
    Q_OBJECT
public:
    // An error (caption "Error") or a notice that is not an error (caption
    // "QUORIX").
    enum class Kind { Error, Notice };
    explicit NoticePanel(AppContext& context, Kind kind = Kind::Error, QWidget* parent = nullptr);

    PictureBox* picbox() const { return pictureBox(); }
    QPushButton* okButton() const { return ok_; }
    QCheckBox* doNotShowAgain() const { return check_; }
    // The do-not-show-again box was ticked when OK closed the notice.
    bool doNotShowAgainChosen() const { return doNotShowAgainChosen_; }

    // Sizes the panel (client area, twips) and the picture box with it.
    void setPanelSizeTw(long width, long height);
    // Shows the check box with its caption (which wraps within the notice)
    // at the given place.
    void showDoNotShowAgain(long left, long top);

private:
    QPushButton* ok_ = nullptr;
    QCheckBox* check_ = nullptr;
    bool doNotShowAgainChosen_ = false;
    QLabel* checkCaption_ = nullptr;
};

// "Group <ID> has been generated." Modeless; the panel deletes itself on close.
NoticePanel* ShowGroupGeneratedNotice(AppContext& context, const Group& group);

// A centred one-line notice with the do-not-show-again box, shown modally.
// Returns the state of the box when OK was pressed (also kept in the
// ticked).
bool ShowMessageNotice(AppContext& context, const QString& text);

// Two lines at y = 700 and 900, modal, with the do-not-show-again box.
bool ShowTwoLineNotice(AppContext& context, const QString& first, const QString& second);

}  // namespace quorix::gui
