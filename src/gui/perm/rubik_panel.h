#pragma once
// dlgRubiksCube: the 3x3x3 cube's group on its 48 movable facelets. The
// net shows the current position in colour; moves are clicked or typed
// (R U R' U2, also R^-1); a position typed as a permutation of the facelets
// is checked for reachability and shown when reachable; Solve writes a word
// in the moves that brings the position back (not the shortest; its length
// is said) and plays it.

#include <QWidget>

#include "core/perm/perm_spec.h"
#include "gui/common/panel.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace quorix::gui {

class CubeNet : public QWidget {
    Q_OBJECT
public:
    explicit CubeNet(QWidget* parent = nullptr) : QWidget(parent) {}
    void setState(const perm::Perm& state) {
        state_ = state;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    perm::Perm state_ = perm::Identity(48);
};

class RubikPanel : public Panel {
    Q_OBJECT
public:
    explicit RubikPanel(AppContext& context, QWidget* parent = nullptr);

    const perm::Perm& state() const { return state_; }
    // Applies moves such as "R U R' U2"; false (after a message) for bad text.
    bool applyMoves(const QString& text);
    void checkTypedState();
    void solve();
    void reset();

private:
    void setState(perm::Perm state);

    perm::PermSpec spec_;
    perm::PermGroupPtr cube_;
    std::shared_ptr<perm::StabilizerChain> words_;
    perm::Perm state_ = perm::Identity(48);
    CubeNet* net_ = nullptr;
    QLineEdit* txtMoves_ = nullptr;
    QLineEdit* txtState_ = nullptr;
    QPlainTextEdit* txtOutput_ = nullptr;
};

class PanelRegistry;
void RegisterRubikPanel(PanelRegistry& registry);

}  // namespace quorix::gui
