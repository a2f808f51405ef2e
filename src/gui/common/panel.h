#pragma once
// The base of every panel: a window whose controls sit at twip positions on
// a client area, with the standard menus (File, Preferences, Scrolling,
// Help), the scrollable picture box, the processing indicator with Halt,
// Save screen to clipboard, the About box and the help entry points.

#include <QDialog>
#include <QPointer>
#include <functional>

#include "core/host/progress.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace quorix {
class Group;
}

namespace quorix::gui {

class PictureBox;

class Panel : public QDialog {
    Q_OBJECT
public:
    // `name` is the panel's own name (object name, help anchor).
    Panel(const QString& name, const QString& caption, QWidget* parent = nullptr);
    ~Panel() override;

    QString panelName() const { return objectName(); }
    QWidget* client() const { return client_; }

    // ---- layout in twips on the client area ------------------------------
    static void placeTw(QWidget* w, long left, long top, long width, long height);
    static void moveTw(QWidget* w, long left, long top);
    long clientWidthTw() const;
    long clientHeightTw() const;
    // Resizes the window so that the client area gets this size.
    void setClientSizeTw(long width, long height);
    // Creates a control on the client area (or in `container`) with its name.
    template <class W>
    W* addControl(const QString& name, long left, long top, long width, long height, QWidget* container = nullptr) {
        auto* w = new W(container ? container : client_);
        w->setObjectName(name);
        placeTw(w, left, top, width, height);
        return w;
    }
    QPushButton* addButton(const QString& name, const QString& caption, long left, long top, long width = 1500,
                           long height = 375, QWidget* container = nullptr);
    QLabel* addLabel(const QString& name, const QString& caption, long left, long top, long width, long height,
                     QWidget* container = nullptr);

    // ---- standard menus, added in the order they are called --------------
    QMenuBar* menuBar() const { return menuBar_; }
    // File: "&Save screen to clipboard", then whatever `extra` adds, then
    // "&Exit Screen" and "&Exit Application".
    QMenu* addFileMenu(const std::function<void(QMenu*)>& extra = {});
    QAction* addPreferencesMenu();
    QMenu* addScrollingMenu();
    // Help: "&About QUORIX...", "&This Panel..." ("&This Screen..." on the
    // main panel) and "&Contents...".
    QMenu* addHelpMenu(bool mainScreen = false);
    // File, [Preferences], [Scrolling], Help.
    void buildStandardMenus(bool preferences, bool scrolling);
    QAction* action(const QString& name) const;

    // ---- picture box and drag scrolling -----------------------------------
    PictureBox* createPictureBox(const QString& name = QStringLiteral("picBox"));
    PictureBox* pictureBox() const { return picBox_; }
    void initPictureBox();
    void resizePictureBox();
    void clearPanel();
    void beginDrag(long x, long y);
    void dragPicture(long x, long y);
    void endDrag();
    void toggleScrolling();
    void applyScrollingState();
    void undoScrolling();

    // ---- processing indicator ---------------------------------------------
    // frameProcessing with labelProcessing and cmdHalt, hidden until used.
    QFrame* createProcessingFrame(long left, long top, long width = 4500, long height = 1000);
    void showProcessing(const QString& text = {});
    void hideProcessing();
    static void setActiveProcessingText(const QString& text);
    // The stop flag and progress reports of the job this panel runs: its
    // yield points let Qt handle events, its reports set labelProcessing,
    // and cmdHalt requests the stop. Clear it before starting a job.
    Progress& progress() { return progress_; }

    // ---- common routines ---------------------------------------------------
    void saveScreenToClipboard();
    static void showAbout();
    void showHelpForThisPanel();
    static void showHelpContents();
    static void showHelp(const QString& anchor);
    // The note shown before a subgroup or series term is displayed.
    static void reductiveNamesNote(const Group& group);
    // The choose protocol: -999, the group list modally, the chosen position
    // (or -999 for Cancel).
    static int chooseGroup();


signals:
    void closed();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Controls the drag and Undo Scrolling move: the direct children of the
    // client area (controls inside frames move with their frame).
    QList<QWidget*> movableControls() const;
    void moveControlsBy(long dx, long dy);

private:
    QVBoxLayout* layout_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    PictureBox* picBox_ = nullptr;
    QAction* scrollingAction_ = nullptr;
    Progress progress_;
    static QPointer<Panel> processingPanel_;
};

}  // namespace quorix::gui
