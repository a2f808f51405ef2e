#include "gui/common/panel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QChildEvent>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>

#include "core/group/errors.h"
#include "core/group/group.h"
#include "core/host/host.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"
#include "gui/common/browser_panel.h"
#include "gui/common/job_pool.h"
#include "gui/common/layout_math.h"
#include "gui/common/picture_box.h"
#include "gui/common/qt_host.h"
#include "gui/common/twips.h"

namespace quorix::gui {

Panel::Panel(AppContext& context, const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout_->setMenuBar(menuBar_);
    // The client area scrolls when the panel's content is larger than the
    // window (which never grows past the screen): scroll bars and the wheel,
    // beside the picture box's drag.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrClient"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("client"));
    scroll_->setWidget(client_);
    client_->installEventFilter(this);
    layout_->addWidget(scroll_);
}

Panel::~Panel() {
    // A worker still running goes on with what it owns; its end finds no panel.
    if (jobProgress_) jobProgress_->RequestStop();
}

// ---- layout ------------------------------------------------------------------

void Panel::placeTw(QWidget* w, long left, long top, long width, long height) {
    w->setGeometry(TwipsToPx(left), TwipsToPx(top), std::max(1, TwipsToPx(width)), std::max(1, TwipsToPx(height)));
}

void Panel::moveTw(QWidget* w, long left, long top) { w->move(TwipsToPx(left), TwipsToPx(top)); }

long Panel::clientWidthTw() const { return std::lround(PxToTwips(client_->width())); }
long Panel::clientHeightTw() const { return std::lround(PxToTwips(client_->height())); }

void Panel::setClientSizeTw(long width, long height) {
    const int w = TwipsToPx(width), h = TwipsToPx(height);
    content_ = QSize(w, h);
    const int menuH = menuBar_->isVisible() || !menuBar_->actions().isEmpty() ? menuBar_->sizeHint().height() : 0;
    int tw = w, th = h + menuH;
    if (QScreen* s = screen()) {
        // Never larger than the screen with the frame: what does not fit scrolls.
        const QRect avail = s->availableGeometry();
        const QMargins m = frameExtent();
        tw = std::min(tw, avail.width() - m.left() - m.right());
        th = std::min(th, avail.height() - m.top() - m.bottom());
    }
    resize(tw, th);
    // Without a window manager the layout settles only on the next event; set
    // the client size at once so that callers measure what they asked for.
    scroll_->resize(tw, th - menuH);
    placeFollowers();
    fitClient();
    keepOnScreen();
}

long Panel::visibleWidthTw() const { return std::lround(PxToTwips(scroll_->maximumViewportSize().width())); }
long Panel::screenClientWidthTw() const {
    QScreen* s = screen();
    if (!s) return clientWidthTw();
    const QMargins m = frameExtent();
    return std::lround(PxToTwips(s->availableGeometry().width() - m.left() - m.right()));
}

long Panel::visibleHeightTw() const { return std::lround(PxToTwips(scroll_->maximumViewportSize().height())); }

QMargins Panel::frameExtent() const {
    QMargins m;
    if (QWindow* w = windowHandle()) m = w->frameMargins();
    if (m.isNull() && isVisible()) {
        const QRect inner = geometry(), outer = frameGeometry();
        m = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                     outer.bottom() - inner.bottom());
    }
    return m;
}

void Panel::keepOnScreen() {
    if (!isWindow() || isMaximized() || isFullScreen()) return;
    QScreen* s = screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    const QMargins m = frameExtent();
    const int w = std::min(width(), avail.width() - m.left() - m.right());
    const int h = std::min(height(), avail.height() - m.top() - m.bottom());
    if (w != width() || h != height()) resize(w, h);
    // Only a window on the screen has a place to keep; one not shown yet is
    // placed when it is shown.
    if (!isVisible()) return;
    QRect frame(pos(), QSize(w + m.left() + m.right(), h + m.top() + m.bottom()));
    if (frame.right() > avail.right()) frame.moveRight(avail.right());
    if (frame.bottom() > avail.bottom()) frame.moveBottom(avail.bottom());
    // Left and top last: the title bar stays in reach whatever happens.
    if (frame.left() < avail.left()) frame.moveLeft(avail.left());
    if (frame.top() < avail.top()) frame.moveTop(avail.top());
    if (frame.topLeft() != pos()) move(frame.topLeft());
}

void Panel::standClearOfTwin() {
    constexpr int kStep = 32;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || w->objectName() != objectName() || !qobject_cast<Panel*>(w)) continue;
        if (w->pos() != pos()) continue;
        // Down and right of the other, or up and left where the screen ends.
        const QPoint from = pos();
        move(from + QPoint(kStep, kStep));
        keepOnScreen();
        if (pos() == from) move(from - QPoint(kStep, kStep));
        keepOnScreen();
        return;
    }
}

void Panel::followWindow(QWidget* control, int follow) {
    if (!control) return;
    if (followers_.empty()) followBase_ = content_;
    followers_.push_back({control, control->geometry(), follow});
    placeFollowers();
}

void Panel::placeFollowers() {
    if (followers_.empty()) return;
    const QSize view = scroll_->maximumViewportSize();
    const int dx = view.width() - followBase_.width(), dy = view.height() - followBase_.height();
    for (const Follower& f : followers_) {
        if (!f.widget) continue;
        QRect r = f.home;
        // A control that shrinks keeps at least half its size.
        const int grow = f.follow & FollowWidth ? std::max(dx, -r.width() / 2) : 0;
        const int tall = f.follow & FollowHeight ? std::max(dy, -r.height() / 2) : 0;
        r.setWidth(r.width() + grow);
        r.setHeight(r.height() + tall);
        // What stands right of or below a control that follows the window moves with its edge.
        if (f.follow & FollowRight) r.moveLeft(r.left() + std::max(dx, -f.home.left() / 2));
        if (f.follow & FollowBottom) r.moveTop(r.top() + std::max(dy, -f.home.top() / 2));
        if (r != f.widget->geometry()) f.widget->setGeometry(r);
    }
}

void Panel::growToShow(QScrollArea* area) {
    if (!area || !area->widget()) return;
    const QSize want = area->widget()->size(), view = area->viewport()->size();
    const int dx = std::max(0, want.width() - view.width()), dy = std::max(0, want.height() - view.height());
    if (dx == 0 && dy == 0) return;
    const QSize now = scroll_->maximumViewportSize();
    setClientSizeTw(std::lround(PxToTwips(std::max(now.width(), content_.width()) + dx)),
                    std::lround(PxToTwips(std::max(now.height(), content_.height()) + dy)));
}

void Panel::setContentScrolls(bool scrolls) {
    contentScrolls_ = scrolls;
    scroll_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    fitClient();
}

void Panel::fitClient() {
    fitPending_ = false;
    const QSize view = scroll_->maximumViewportSize();
    // A panel whose controls follow the window fits it; any other keeps at
    // least the size it asked for.
    QSize size = followers_.empty() ? content_.expandedTo(view) : view;
    if (contentScrolls_) {
        // Every control, and what the picture box shows, stays in reach.
        for (QWidget* w : client_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w->isHidden()) continue;
            const QRect r = w == picBox_ ? QRect(w->pos(), picBox_->pictureSize()) : w->geometry();
            size = size.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
        }
    } else {
        size = view;
    }
    if (client_->size() != size) client_->resize(size);
}

bool Panel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::ChildAdded) {
        if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) w->installEventFilter(this);
    } else if (watched != client_ && watched->parent() == client_) {
        const QEvent::Type t = event->type();
        if ((t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show) && !fitPending_) {
            // Once the panel has placed everything.
            fitPending_ = true;
            QMetaObject::invokeMethod(
                this, [this] { fitClient(); }, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPushButton* Panel::addButton(const QString& name, const QString& caption, long left, long top, long width, long height,
                              QWidget* container) {
    auto* b = addControl<QPushButton>(name, left, top, width, height, container);
    b->setText(caption);
    b->setAutoDefault(false);
    return b;
}

QLabel* Panel::addLabel(const QString& name, const QString& caption, long left, long top, long width, long height,
                        QWidget* container) {
    auto* l = addControl<QLabel>(name, left, top, width, height, container);
    l->setText(caption);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// ---- menus -------------------------------------------------------------------

namespace {
QAction* AddNamed(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}
}  // namespace

QMenu* Panel::addFileMenu(const std::function<void(QMenu*)>& extra) {
    QMenu* m = menuBar_->addMenu(QStringLiteral("&File"));
    m->setObjectName(QStringLiteral("mnuFile"));
    connect(AddNamed(m, QStringLiteral("mnuSaveScreen"), QStringLiteral("&Save screen to clipboard")),
            &QAction::triggered, this, [this] { saveScreenToClipboard(); });
    savePictureAction_ = AddNamed(m, QStringLiteral("mnuSavePicture"), QStringLiteral("Save &Picture As..."));
    savePictureAction_->setVisible(picBox_ != nullptr);
    connect(savePictureAction_, &QAction::triggered, this, [this] { savePicture(); });
    if (extra) extra(m);
    m->addSeparator();
    connect(AddNamed(m, QStringLiteral("mnuExitScreen"), QStringLiteral("&Exit Screen")), &QAction::triggered, this,
            [this] { close(); });
    connect(AddNamed(m, QStringLiteral("mnuExitApplication"), QStringLiteral("Exit &Application")), &QAction::triggered,
            this, [this] { exitApplication(); });
    return m;
}

QAction* Panel::addPreferencesMenu() {
    QAction* a = menuBar_->addAction(QStringLiteral("&Preferences"));
    a->setObjectName(QStringLiteral("mnuPreferences"));
    connect(a, &QAction::triggered, this, [this] {
        openPanel(QStringLiteral("dlgPreferences"));
        applyScrollingState();
    });
    return a;
}

QMenu* Panel::addScrollingMenu() {
    QMenu* m = menuBar_->addMenu(QStringLiteral("&Scrolling"));
    m->setObjectName(QStringLiteral("mnuScrolling"));
    scrollingAction_ = AddNamed(m, QStringLiteral("mnuEnableScrolling"), QStringLiteral("&Scrolling Enabled"));
    scrollingAction_->setCheckable(true);
    scrollingAction_->setChecked(guiState().scrollingEnabled);
    connect(scrollingAction_, &QAction::triggered, this, [this] { toggleScrolling(); });
    connect(AddNamed(m, QStringLiteral("mnuUndoScrolling"), QStringLiteral("&Undo Scrolling")), &QAction::triggered,
            this, [this] { undoScrolling(); });
    return m;
}

QMenu* Panel::addHelpMenu(bool mainScreen) {
    QMenu* m = menuBar_->addMenu(QStringLiteral("&Help"));
    m->setObjectName(QStringLiteral("mnuHelp"));
    connect(AddNamed(m, QStringLiteral("mnuAbout"), QStringLiteral("&About QUORIX...")), &QAction::triggered, this,
            [this] { showAbout(); });
    QAction* self = mainScreen ? AddNamed(m, QStringLiteral("mnuThisScreen"), QStringLiteral("&This Screen..."))
                               : AddNamed(m, QStringLiteral("mnuThisPanel"), QStringLiteral("&This Panel..."));
    connect(self, &QAction::triggered, this, [this] { showHelpForThisPanel(); });
    connect(AddNamed(m, QStringLiteral("mnuContents"), QStringLiteral("&Contents...")), &QAction::triggered, this,
            [this] { showHelpContents(); });
    return m;
}

void Panel::buildStandardMenus(bool preferences, bool scrolling) {
    addFileMenu();
    if (preferences) addPreferencesMenu();
    if (scrolling) addScrollingMenu();
    addHelpMenu();
}

QAction* Panel::action(const QString& name) const { return findChild<QAction*>(name); }

// ---- picture box ---------------------------------------------------------------

PictureBox* Panel::createPictureBox(const QString& name) {
    picBox_ = new PictureBox(client_);
    picBox_->setObjectName(name);
    picBox_->lower();
    picBox_->onMouseDown = [this](long x, long y) { beginDrag(x, y); };
    picBox_->onMouseMove = [this](long x, long y) { dragPicture(x, y); };
    picBox_->onMouseUp = [this](long, long) { endDrag(); };
    picBox_->onPrinted = [this](long x, long y) {
        const long w = clientWidthTw(), h = clientHeightTw();
        const long nw = layout::GrownExtent(w, x), nh = layout::GrownExtent(h, y);
        if (nw != w || nh != h) setClientSizeTw(nw, nh);
    };
    initPictureBox();
    if (savePictureAction_) savePictureAction_->setVisible(true);
    return picBox_;
}

QScrollArea* Panel::createScrolledPictureBox(const QString& areaName, long left, long top, long width, long height) {
    PictureBox* box = createPictureBox();
    box->setBackgroundRole(QPalette::Base);
    auto* area = addControl<QScrollArea>(areaName, left, top, width, height);
    area->setWidget(box);
    area->setWidgetResizable(false);
    area->setBackgroundRole(QPalette::Base);
    return area;
}

void Panel::initPictureBox() {
    if (!picBox_) return;
    picBox_->setGeometryTw(0, 0, clientWidthTw() + 20000, clientHeightTw() + 20000);
    picBox_->setBackgroundRole(QPalette::Window);
    picBox_->setFontName(kPictureFontName);
    applyScrollingState();
}

void Panel::resizePictureBox() {
    if (!picBox_) return;
    // Never smaller than what it shows.
    const QSize picture = picBox_->pictureSize();
    const long w = std::max(layout::ResizedBoxExtent(picBox_->leftTw(), picBox_->widthTw(), clientWidthTw()),
                            std::lround(PxToTwips(picture.width())));
    const long h = std::max(layout::ResizedBoxExtent(picBox_->topTw(), picBox_->heightTw(), clientHeightTw()),
                            std::lround(PxToTwips(picture.height())));
    if (w != picBox_->widthTw() || h != picBox_->heightTw())
        picBox_->setGeometryTw(picBox_->leftTw(), picBox_->topTw(), w, h);
}

void Panel::clearPanel() {
    if (!picBox_) return;
    undoScrolling();
    picBox_->clear();
    picBox_->move(0, 0);
}

QList<QWidget*> Panel::movableControls() const {
    return client_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}

void Panel::moveControlsBy(long dx, long dy) {
    const int px = TwipsToPx(static_cast<double>(dx)), py = TwipsToPx(static_cast<double>(dy));
    if (px == 0 && py == 0) return;
    for (QWidget* w : movableControls()) w->move(w->x() + px, w->y() + py);
}

void Panel::beginDrag(long x, long y) {
    GuiState& st = guiState();
    if (!st.scrollingEnabled) return;
    st.dragging = true;
    st.dragStartX = x;
    st.dragStartY = y;
}

void Panel::dragPicture(long x, long y) {
    GuiState& st = guiState();
    if (!st.dragging || !picBox_) return;
    const layout::DragMove m =
        layout::ClampDrag(picBox_->leftTw(), picBox_->topTw(), picBox_->widthTw(), picBox_->heightTw(), clientWidthTw(),
                          clientHeightTw(), st.dragStartX, st.dragStartY, x, y);
    if (m.move) moveControlsBy(m.dx, m.dy);
}

void Panel::endDrag() { guiState().dragging = false; }

void Panel::toggleScrolling() {
    guiState().scrollingEnabled = !guiState().scrollingEnabled;
    applyScrollingState();
}

void Panel::applyScrollingState() {
    const bool on = guiState().scrollingEnabled;
    if (scrollingAction_) scrollingAction_->setChecked(on);
    if (picBox_) {
        if (on)
            picBox_->setCursor(Qt::OpenHandCursor);
        else
            picBox_->unsetCursor();
    }
}

void Panel::undoScrolling() {
    if (!picBox_) return;
    const int ox = -picBox_->x(), oy = -picBox_->y();
    if (ox == 0 && oy == 0) return;
    for (QWidget* w : movableControls()) w->move(w->x() + ox, w->y() + oy);
}

// ---- processing indicator ------------------------------------------------------

QFrame* Panel::createProcessingFrame(long left, long top, long width, long height) {
    auto* frame = addControl<QFrame>(QStringLiteral("frameProcessing"), left, top, width, height);
    frame->setFrameShape(QFrame::Box);
    // Opaque: nothing behind it shows through its text.
    frame->setAutoFillBackground(true);
    auto* label = addLabel(QStringLiteral("labelProcessing"), QStringLiteral("processing . . ."), 120, 120,
                           width - 1900, height - 240, frame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* halt = addButton(QStringLiteral("cmdHalt"), QStringLiteral("&Halt"), width - 1620, (height - 375) / 2, 1500,
                           375, frame);
    connect(halt, &QPushButton::clicked, this, [this] { haltJob(); });
    frame->hide();
    return frame;
}

namespace {

// What a running job and its panel share: the panel, seen only on the GUI
// thread (it is gone when the panel was deleted), and the newest progress
// text, handed over under the lock (one queued call at a time carries it).
struct JobLink {
    QPointer<Panel> panel;
    std::mutex mutex;
    std::string text;
    bool posted = false;
};

}  // namespace

bool Panel::startJob(const QString& text, const std::vector<QWidget*>& disable, JobCompute compute, JobApply apply) {
    if (jobRunning_) return false;
    jobRunning_ = true;
    jobSaved_.clear();
    // Shown or hidden by the panel itself (isVisible() is false for every
    // widget of a window not on the screen yet).
    auto keep = [this](QWidget* w) { jobSaved_.push_back({w, w->isEnabled(), !w->isHidden()}); };
    auto* frame = findChild<QFrame*>(QStringLiteral("frameProcessing"));
    auto* label = findChild<QLabel*>(QStringLiteral("labelProcessing"));
    auto* halt = findChild<QPushButton*>(QStringLiteral("cmdHalt"));
    for (QWidget* w : std::initializer_list<QWidget*>{frame, label, halt})
        if (w) keep(w);
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->objectName().startsWith(QLatin1String("cmd")) && b != halt) {
            keep(b);
            b->setEnabled(false);
        }
    for (QWidget* w : disable)
        if (w) {
            keep(w);
            w->setEnabled(false);
        }
    if (label) label->setText(text.isEmpty() ? QStringLiteral("processing . . .") : text);
    if (frame) {
        frame->show();
        frame->raise();
    } else if (label) {
        label->show();
        label->raise();
    }
    if (halt) {
        halt->setEnabled(true);
        halt->show();
        halt->raise();
    }
    GuiState& st = guiState();
    jobScrolling_ = st.scrollingEnabled;
    st.scrollingEnabled = false;
    st.dragging = false;

    auto progress = std::make_shared<Progress>();
    auto link = std::make_shared<JobLink>();
    link->panel = this;
    JobPool* pool = &context().jobs;
    std::weak_ptr<Progress> self = progress;
    if (workerHook_)
        progress->SetYield([hook = workerHook_, self] {
            if (const auto running = self.lock()) hook({}, *running);
        });
    progress->SetReport([link, pool, hook = workerHook_, self](const std::string& report) {
        if (hook)
            if (const auto running = self.lock()) hook(report, *running);
        const std::lock_guard lock(link->mutex);
        link->text = report;
        if (link->posted) return;
        link->posted = true;
        pool->post([link] {
            QString shown;
            {
                const std::lock_guard lock(link->mutex);
                shown = QString::fromStdString(link->text);
                link->posted = false;
            }
            if (Panel* panel = link->panel) panel->showJobText(shown);
        });
    });
    jobProgress_ = progress;
    jobApply_ = std::move(apply);
    pool->start(progress, [compute = std::move(compute), progress, link, pool]() mutable {
        std::shared_ptr<void> result;
        std::exception_ptr error;
        try {
            result = compute(*progress);
        } catch (...) {
            error = std::current_exception();
        }
        // The inputs go here, not on the GUI thread.
        compute = nullptr;
        pool->post([link, result = std::move(result), error] {
            if (Panel* panel = link->panel) panel->endJob(result, error);
        });
    });
    return true;
}

void Panel::showJobText(const QString& text) {
    if (!jobRunning_) return;
    if (auto* label = findChild<QLabel*>(QStringLiteral("labelProcessing"))) label->setText(text);
}

void Panel::endJob(const std::shared_ptr<void>& result, std::exception_ptr error) {
    // Restored in reverse, so that a widget kept twice ends as it began.
    for (auto it = jobSaved_.rbegin(); it != jobSaved_.rend(); ++it)
        if (it->widget) {
            it->widget->setEnabled(it->enabled);
            it->widget->setVisible(it->visible);
        }
    jobSaved_.clear();
    guiState().scrollingEnabled = jobScrolling_;
    jobProgress_.reset();
    JobApply apply = std::move(jobApply_);
    jobApply_ = nullptr;
    jobRunning_ = false;
    if (closing_) {
        // Closed during the job: its result is not wanted.
        closing_ = false;
        return;
    }
    if (error) {
        try {
            std::rethrow_exception(error);
        } catch (const InvalidArgument& e) {
            host().Message(e.what());
            return;
        } catch (const text::FileError& e) {
            host().Message(e.what());
            return;
        }
    }
    apply(result);
}

void Panel::haltJob() {
    if (jobProgress_) jobProgress_->RequestStop();
}

void Panel::startWhenShown(std::function<void()> work) {
    startPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, work = std::move(work)] {
            // A panel closed before its start does not start.
            if (!startPending_) return;
            startPending_ = false;
            work();
        },
        Qt::QueuedConnection);
}

// ---- common routines -------------------------------------------------------------

bool Panel::savePicture() {
    if (!picBox_) return false;
    const QString proposed = objectName().startsWith(QStringLiteral("dlg")) ? objectName().mid(3) : objectName();
    QString path =
        saveFileDialog(QStringLiteral("Save Picture As"), QStringLiteral("PNG image (*.png);;SVG image (*.svg)"),
                       proposed + QStringLiteral(".png"));
    if (path.isEmpty()) return false;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg")) path += QStringLiteral(".png");
    if (picBox_->pictureSize().isEmpty()) {
        host().Message("There is no picture to save.");
        return false;
    }
    std::string error;
    const bool ok = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                        ? picBox_->saveSvg(path, windowTitle(), &error)
                        : picBox_->savePng(path, &error);
    if (!ok) host().Message(error.empty() ? "The picture could not be written to " + path.toStdString() + "." : error);
    return ok;
}

void Panel::saveScreenToClipboard() {
    const bool wasMaximized = isMaximized();
    if (wasMaximized) showNormal();
    const QSize oldSize = size();
    if (QScreen* s = screen())
        if (height() > s->availableGeometry().height()) resize(width(), s->availableGeometry().height());

    QList<QWidget*> hidden;
    for (QWidget* w : movableControls()) {
        const bool kind = qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w);
        if (kind && w->isVisible()) {
            w->hide();
            hidden << w;
        }
    }
    client_->repaint();
    const QPixmap image = client_->grab();
    if (QClipboard* cb = QGuiApplication::clipboard()) cb->setPixmap(image);
    for (QWidget* w : hidden) w->show();
    resize(oldSize);
    if (wasMaximized) showMaximized();
    host().Message(
        "Screen saved to clipboard.  It can now be pasted to another application, such as MS Word.\n\n"
        "For best results, use F2 to obtain screen images.");
}

void Panel::showTitledMessage(const QString& title, const QString& text) const {
    if (dynamic_cast<QtHost*>(&host())) {
        QMessageBox::information(const_cast<Panel*>(this), title, text);
        return;
    }
    host().Message(text.toStdString());
}

void Panel::showAbout() {
    showTitledMessage(QStringLiteral("About QUORIX"),
                      QStringLiteral("QUORIX\n"
                                     "A workbench for finding, building and analysing finite groups.\n"
                                     "2026, the QUORIX authors"));
}

void Panel::showHelpForThisPanel() { showHelp(panelName()); }

void Panel::showHelpContents() { showHelp(QString()); }

void Panel::showHelp(const QString& anchor) {
    auto* help = new BrowserPanel(context(), BrowserPanel::Kind::Help, HelpPagePath(), anchor);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void Panel::reductiveNamesNote(const Group& group) {
    const std::string& id = group.GroupID();
    if (id.rfind("Subgroup", 0) == 0 || id.rfind("N|@", 0) == 0)
        host().Message(
            "NOTE:  Element names in this subgroup's reductive mapping may differ from the names on the "
            "Subgroup List and Composition Series panels, which use the parent group's reductive mapping.");
}

std::optional<int> Panel::chooseGroup() {
    const auto& chooser = context().panels.chooser;
    Q_ASSERT(chooser);
    return chooser(context(), this);
}

Panel* Panel::openPanel(const QString& name, const PanelInput& input) {
    return context().panels.open(name, context(), this, input);
}

bool Panel::stillRegistered(const GroupPtr& group) const {
    if (!group) return false;
    // By its ID: a group registered again under the same ID (an equal
    // group) still counts.
    if (groupRegister().RegisterIndex(*group) >= 1) return true;
    host().Message("The group " + markup::StripMarkup(group->GroupID()) +
                   " is no longer in the register (it was deleted). Choose a group again.");
    return false;
}

// ---- events --------------------------------------------------------------------

void Panel::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    placeFollowers();
    fitClient();
    resizePictureBox();
}

void Panel::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    keepOnScreen();
    standClearOfTwin();
}

void Panel::keyPressEvent(QKeyEvent* e) {
    // Escape does not close a panel; Enter goes to the default button only.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Panel::closeEvent(QCloseEvent* e) {
    if (jobRunning_) {
        // The panel closes at once; the worker stops and its result is
        // dropped (see endJob).
        closing_ = true;
        haltJob();
    }
    startPending_ = false;
    emit closed();
    QDialog::closeEvent(e);
}

}  // namespace quorix::gui
