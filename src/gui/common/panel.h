#pragma once
// The base of every panel: a window whose controls sit at twip positions on
// a client area, with the standard menus (File, Preferences, Scrolling,
// Help), the scrollable picture box, the processing indicator with Halt,
// Save screen to clipboard, the About box and the help entry points.
// Every panel gets the program's AppContext in its constructor and reaches
// the register, the preferences, the shared state, the dialogs and the user
// (its host) only through it.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>

#include "core/host/progress.h"
#include "gui/common/app_context.h"

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
    Panel(AppContext& context, const QString& name, const QString& caption, QWidget* parent = nullptr);
    ~Panel() override;

    // ---- the program's context ---------------------------------------------
    AppContext& context() const { return context_; }
    Host& host() const { return context_.host; }
    storage::GroupRegister& groupRegister() const { return context_.groups; }
    storage::Preferences& preferences() const { return context_.preferences; }
    GuiState& guiState() const { return context_.gui; }
    // The dialogs, through the context's hooks.
    void runModal(QDialog& dialog) const { context_.dialogs.showModal(dialog); }
    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& proposal) const {
        return context_.dialogs.askText(prompt, title, proposal);
    }
    QString saveFileDialog(const QString& title, const QString& filter, const QString& proposedPath) const {
        return context_.dialogs.askSaveFile(title, filter, proposedPath);
    }
    void exitApplication() const { context_.dialogs.endProgram(); }
    // A message box with its own title (with a host other than the desktop
    // one the text goes to Host::message).
    void showTitledMessage(const QString& title, const QString& text) const;

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
    // Sets labelProcessing on the panel active on the screen, else on any
    // panel that shows its processing indicator.
    // The stop flag and progress reports of the job this panel runs: its
    // yield points let Qt handle events, its reports set labelProcessing,
    // and cmdHalt requests the stop. Clear it before starting a job.
    Progress& progress() { return progress_; }

    // ---- common routines ---------------------------------------------------
    void saveScreenToClipboard();
    // File > Save Picture As...: the whole picture box (not only its visible
    // part) as PNG or, for a name ending in .svg, SVG; the file name comes
    // from the save-file dialog hook. False when cancelled or not written.
    bool savePicture();
    void showAbout();
    void showHelpForThisPanel();
    void showHelpContents();
    void showHelp(const QString& anchor);
    // The note shown before a subgroup or series term is displayed.
    void reductiveNamesNote(const Group& group);
    // The choose protocol: the group list modally in chooser mode; the
    // chosen register position, none when the user cancelled.
    std::optional<int> chooseGroup();
    // Opens a registered panel by name (see PanelRegistry::open).
    Panel* openPanel(const QString& name);

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
    AppContext& context_;
    QVBoxLayout* layout_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    PictureBox* picBox_ = nullptr;
    QAction* scrollingAction_ = nullptr;
    QAction* savePictureAction_ = nullptr;
    Progress progress_;
};

}  // namespace quorix::gui
