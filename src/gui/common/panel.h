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
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/host/progress.h"
#include "gui/common/app_context.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
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
    // Resizes the window so that the client area gets this size; the window
    // stops at the screen's edges and the client area scrolls.
    void setClientSizeTw(long width, long height);
    // The part of the client area the window shows (without scroll bars).
    long visibleWidthTw() const;
    long visibleHeightTw() const;
    // The widest client area the screen holds (with the window's frame).
    long screenClientWidthTw() const;
    // Keeps the window with its frame inside the screen's available area:
    // no larger than it, and moved (the title bar first) where it stands out.
    // Every resize through setClientSizeTw and every show does this.
    void keepOnScreen();

    // Controls that follow the window: on every resize a control keeps its
    // distance to the right (FollowRight) or bottom (FollowBottom) edge, or
    // grows and shrinks with the window (FollowWidth, FollowHeight), taken
    // from where it stands now and the client size asked for. A panel with
    // such controls fits its window instead of scrolling, as long as they
    // can shrink.
    enum Follow { FollowRight = 1, FollowBottom = 2, FollowWidth = 4, FollowHeight = 8 };
    void followWindow(QWidget* control, int follow);
    // Makes the window large enough (within the screen) for `area` to show
    // its whole content.
    void growToShow(QScrollArea* area);
    // Off for a panel that scrolls inside itself (the main window's grid):
    // the client area then always fits the window.
    void setContentScrolls(bool scrolls);
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
    // The picture box in a scroll area of its own (named `areaName`, placed
    // in twips), the two on the area's white: for a drawing that scrolls
    // inside the panel instead of with it.
    QScrollArea* createScrolledPictureBox(const QString& areaName, long left, long top, long width, long height);
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

    // ---- long work -----------------------------------------------------------
    // frameProcessing with labelProcessing and cmdHalt, hidden until a job
    // shows it.
    QFrame* createProcessingFrame(long left, long top, long width = 4500, long height = 1000);

    // The one way a panel runs long work:
    //
    //     runJob(tr("Finding subgroups..."), {chkOption},
    //            [group = group_](Progress& progress) { return Engine(*group, progress); },
    //            [this](Result result) { show(result); });
    //
    // `compute` runs on a worker thread with inputs it owns (captured by
    // value: group pointers, numbers, strings; never `this`, a widget, the
    // host, the register or a file) and the job's Progress, whose stop Halt
    // and closing the panel request; it returns its result by value.
    // `apply` runs afterwards on the GUI thread with that result: it
    // registers, asks, draws and writes. While the job runs, the processing
    // indicator shows (the frame, or the label and cmdHalt of a panel without
    // one) with the texts the computation reports, every other command
    // button and the widgets named are disabled and drag scrolling is off;
    // all of it returns to how it was before `apply` runs, so `apply` may
    // start the next job. False (and nothing runs) when a job already runs.
    // A panel closed during the job closes at once and its `apply` never
    // runs; bad input (InvalidArgument) or a file error thrown by `compute`
    // is told to the user instead of `apply`; anything else reaches the
    // application as a program error.
    template <class Compute, class Apply>
    bool runJob(const QString& text, const std::vector<QWidget*>& disable, Compute compute, Apply apply) {
        using Result = std::invoke_result_t<Compute&, Progress&>;
        static_assert(!std::is_void_v<Result>, "a job's computation returns its result");
        return startJob(
            text, disable,
            [compute = std::move(compute)](Progress& progress) mutable -> std::shared_ptr<void> {
                return std::make_shared<Result>(compute(progress));
            },
            [apply = std::move(apply)](const std::shared_ptr<void>& result) mutable {
                apply(std::move(*static_cast<Result*>(result.get())));
            });
    }
    template <class Compute, class Apply>
    bool runJob(const QString& text, Compute compute, Apply apply) {
        return runJob(text, {}, std::move(compute), std::move(apply));
    }
    bool jobRunning() const { return jobRunning_; }
    // Called on the worker, for the jobs started from now on, at every
    // progress report (with its text) and every yield point (with ""), with
    // the job's Progress: a test stops a job at a chosen point this way (the
    // hook may only look at the text and request the stop).
    using WorkerHook = std::function<void(const std::string&, Progress&)>;
    void setWorkerHook(WorkerHook hook) { workerHook_ = std::move(hook); }
    // Halt: requests the stop of the running job (nothing when none runs).
    void haltJob();
    // Runs `work` once the panel is shown and Qt's event loop has had its
    // turn; a panel that opens with a group starts its computation this way.
    void startWhenShown(std::function<void()> work);
    // A start asked for by startWhenShown has not run yet.
    bool startPending() const { return startPending_; }

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
    // Opens a registered panel by name with its input (see PanelRegistry::open).
    Panel* openPanel(const QString& name, const PanelInput& input = {});
    // True when `group` is still in the register; otherwise tells the user
    // that it was deleted, and the caller does nothing with it.
    bool stillRegistered(const GroupPtr& group) const;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
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
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    // The client size the panel asked for; the client area grows past it
    // to the window and to whatever it holds.
    QSize content_;
    bool contentScrolls_ = true;
    bool fitPending_ = false;
    void fitClient();
    // The frame around the client geometry (title bar, borders).
    QMargins frameExtent() const;
    // A second window of the same panel does not cover the first exactly.
    void standClearOfTwin();
    struct Follower {
        QPointer<QWidget> widget;
        QRect home;  // its geometry at the client size asked for
        int follow = 0;
    };
    std::vector<Follower> followers_;
    QSize followBase_;  // the client size the followers' homes belong to
    void placeFollowers();
    PictureBox* picBox_ = nullptr;
    QAction* scrollingAction_ = nullptr;
    QAction* savePictureAction_ = nullptr;
    // The running job: its stop flag (shared with the worker), what it put
    // aside to restore, and its apply.
    using JobCompute = std::function<std::shared_ptr<void>(Progress&)>;
    using JobApply = std::function<void(const std::shared_ptr<void>&)>;
    bool startJob(const QString& text, const std::vector<QWidget*>& disable, JobCompute compute, JobApply apply);
    void endJob(const std::shared_ptr<void>& result, std::exception_ptr error);
    void showJobText(const QString& text);
    struct Saved {
        QPointer<QWidget> widget;
        bool enabled;
        bool visible;
    };
    std::vector<Saved> jobSaved_;
    bool jobScrolling_ = false;
    std::shared_ptr<Progress> jobProgress_;
    JobApply jobApply_;
    WorkerHook workerHook_;
    bool jobRunning_ = false;
    bool closing_ = false;
    bool startPending_ = false;
};

}  // namespace quorix::gui
