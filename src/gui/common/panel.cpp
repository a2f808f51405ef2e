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
#include <QVBoxLayout>
#include <cmath>

#include "core/group/group.h"
#include "core/host/host.h"
#include "gui/common/browser_panel.h"
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
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    progress_.SetYield([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    progress_.SetReport([this](const std::string& text) {
        if (auto* label = findChild<QLabel*>(QStringLiteral("labelProcessing")))
            label->setText(QString::fromStdString(text));
    });
    layout_->addWidget(client_);
}

Panel::~Panel() = default;

// ---- layout ------------------------------------------------------------------

void Panel::placeTw(QWidget* w, long left, long top, long width, long height) {
    w->setGeometry(twipsToPx(left), twipsToPx(top), std::max(1, twipsToPx(width)), std::max(1, twipsToPx(height)));
}

void Panel::moveTw(QWidget* w, long left, long top) { w->move(twipsToPx(left), twipsToPx(top)); }

long Panel::clientWidthTw() const { return std::lround(pxToTwips(client_->width())); }
long Panel::clientHeightTw() const { return std::lround(pxToTwips(client_->height())); }

void Panel::setClientSizeTw(long width, long height) {
    const int w = twipsToPx(width), h = twipsToPx(height);
    const int menuH = menuBar_->isVisible() || !menuBar_->actions().isEmpty() ? menuBar_->sizeHint().height() : 0;
    int tw = w, th = h + menuH;
    if (QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        tw = std::min(tw, avail.width());
        th = std::min(th, avail.height());
    }
    resize(tw, th);
    // Without a window manager the layout settles only on the next event; set
    // the client size at once so that callers measure what they asked for.
    client_->resize(tw, th - menuH);
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
QAction* addNamed(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}
}  // namespace

QMenu* Panel::addFileMenu(const std::function<void(QMenu*)>& extra) {
    QMenu* m = menuBar_->addMenu(QStringLiteral("&File"));
    m->setObjectName(QStringLiteral("mnuFile"));
    connect(addNamed(m, QStringLiteral("mnuSaveScreen"), QStringLiteral("&Save screen to clipboard")),
            &QAction::triggered, this, [this] { saveScreenToClipboard(); });
    savePictureAction_ = addNamed(m, QStringLiteral("mnuSavePicture"), QStringLiteral("Save &Picture As..."));
    savePictureAction_->setVisible(picBox_ != nullptr);
    connect(savePictureAction_, &QAction::triggered, this, [this] { savePicture(); });
    if (extra) extra(m);
    m->addSeparator();
    connect(addNamed(m, QStringLiteral("mnuExitScreen"), QStringLiteral("&Exit Screen")), &QAction::triggered, this,
            [this] { close(); });
    connect(addNamed(m, QStringLiteral("mnuExitApplication"), QStringLiteral("Exit &Application")), &QAction::triggered,
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
    scrollingAction_ = addNamed(m, QStringLiteral("mnuEnableScrolling"), QStringLiteral("&Scrolling Enabled"));
    scrollingAction_->setCheckable(true);
    scrollingAction_->setChecked(guiState().scrollingEnabled);
    connect(scrollingAction_, &QAction::triggered, this, [this] { toggleScrolling(); });
    connect(addNamed(m, QStringLiteral("mnuUndoScrolling"), QStringLiteral("&Undo Scrolling")), &QAction::triggered,
            this, [this] { undoScrolling(); });
    return m;
}

QMenu* Panel::addHelpMenu(bool mainScreen) {
    QMenu* m = menuBar_->addMenu(QStringLiteral("&Help"));
    m->setObjectName(QStringLiteral("mnuHelp"));
    connect(addNamed(m, QStringLiteral("mnuAbout"), QStringLiteral("&About QUORIX...")), &QAction::triggered, this,
            [this] { showAbout(); });
    QAction* self = mainScreen ? addNamed(m, QStringLiteral("mnuThisScreen"), QStringLiteral("&This Screen..."))
                               : addNamed(m, QStringLiteral("mnuThisPanel"), QStringLiteral("&This Panel..."));
    connect(self, &QAction::triggered, this, [this] { showHelpForThisPanel(); });
    connect(addNamed(m, QStringLiteral("mnuContents"), QStringLiteral("&Contents...")), &QAction::triggered, this,
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

void Panel::initPictureBox() {
    if (!picBox_) return;
    picBox_->setGeometryTw(0, 0, clientWidthTw() + 20000, clientHeightTw() + 20000);
    picBox_->setBackgroundRole(QPalette::Window);
    picBox_->setFontName(kPictureFontName);
    applyScrollingState();
}

void Panel::resizePictureBox() {
    if (!picBox_) return;
    const long w = layout::ResizedBoxExtent(picBox_->leftTw(), picBox_->widthTw(), clientWidthTw());
    const long h = layout::ResizedBoxExtent(picBox_->topTw(), picBox_->heightTw(), clientHeightTw());
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
    const int px = twipsToPx(static_cast<double>(dx)), py = twipsToPx(static_cast<double>(dy));
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
    auto* label = addLabel(QStringLiteral("labelProcessing"), QStringLiteral("processing . . ."), 120, 120,
                           width - 1900, height - 240, frame);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* halt = addButton(QStringLiteral("cmdHalt"), QStringLiteral("&Halt"), width - 1620, (height - 375) / 2, 1500,
                           375, frame);
    connect(halt, &QPushButton::clicked, this, [this] { progress_.RequestStop(); });
    frame->hide();
    return frame;
}

void Panel::showProcessing(const QString& text) {
    if (auto* label = findChild<QLabel*>(QStringLiteral("labelProcessing")))
        label->setText(text.isEmpty() ? QStringLiteral("processing...") : text);
    if (auto* frame = findChild<QFrame*>(QStringLiteral("frameProcessing"))) {
        frame->show();
        frame->raise();
    }
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->objectName().startsWith(QLatin1String("cmd")) && b->objectName() != QLatin1String("cmdHalt"))
            b->setEnabled(false);
    GuiState& st = guiState();
    st.savedScrolling = st.scrollingEnabled;
    st.scrollingEnabled = false;
    repaint();
}

void Panel::hideProcessing() {
    if (auto* frame = findChild<QFrame*>(QStringLiteral("frameProcessing"))) frame->hide();
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->objectName().startsWith(QLatin1String("cmd")) && b->objectName() != QLatin1String("cmdHalt"))
            b->setEnabled(true);
    guiState().scrollingEnabled = guiState().savedScrolling;
    repaint();
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
    auto* help = new BrowserPanel(context(), BrowserPanel::Kind::Help, helpPagePath(), anchor);
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

Panel* Panel::openPanel(const QString& name) { return context().panels.open(name, context(), this); }

// ---- events --------------------------------------------------------------------

void Panel::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    resizePictureBox();
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
    emit closed();
    QDialog::closeEvent(e);
}

}  // namespace quorix::gui
