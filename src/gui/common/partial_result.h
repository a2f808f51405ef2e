#pragma once
// How a panel shows a result too long to list: the part it lists stays,
// and a framed note under the title says what that part holds, keeps the
// reason it was cut (a limit, a halt) and offers the whole result or
// another view of it, one button each.

#include <QFrame>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace quorix::gui {

class PartialResultNote : public QFrame {
    Q_OBJECT
public:
    // Named framePartial on `parent` (a panel's client area), hidden.
    explicit PartialResultNote(QWidget* parent);

    // Shows the note with this text and no offers yet, `widthTw` twips wide.
    void showNote(const QString& text, long widthTw);
    // A button of the note (object name `name`) that runs `action`.
    QPushButton* addOffer(const QString& name, const QString& caption, std::function<void()> action);
    QString text() const;

private:
    void fit();
    QLabel* label_ = nullptr;
    std::vector<QPushButton*> offers_;
};

}  // namespace quorix::gui
