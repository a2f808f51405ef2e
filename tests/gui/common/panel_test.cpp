// The panel base driven as a user would: menus found by name, drags with the
// mouse, the processing indicator, the clipboard, notices and the browser.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <cmath>
#include <optional>
#include <thread>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QScrollBar>
#include <QTextBrowser>

#include "gui/common/browser_panel.h"
#include "core/group/errors.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/text_panel.h"
#include "gui/common/panel.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/storage/notice_panel.h"
#include "gui/gui_test_env.h"

using namespace quorix::gui;

namespace {

using PanelTest = quorix::testing::GuiTest;

QStringList menuTitles(const Panel& p) {
    QStringList out;
    for (QAction* a : p.menuBar()->actions()) out << a->text();
    return out;
}

}  // namespace

TEST_F(PanelTest, StandardMenusInOrderWithTheirEntries) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(true, true);
    EXPECT_EQ(menuTitles(p), (QStringList{"&File", "&Preferences", "&Scrolling", "&Help"}));
    for (const char* name : {"mnuSaveScreen", "mnuExitScreen", "mnuExitApplication", "mnuPreferences",
                             "mnuEnableScrolling", "mnuUndoScrolling", "mnuAbout", "mnuThisPanel", "mnuContents"})
        EXPECT_NE(p.action(QString::fromLatin1(name)), nullptr) << name;

    Panel bare(ctx, QStringLiteral("dlgBare"), QStringLiteral("Bare"));
    bare.buildStandardMenus(false, false);
    EXPECT_EQ(menuTitles(bare), (QStringList{"&File", "&Help"}));
}

TEST_F(PanelTest, DragMovesBoxAndButtonsAndUndoRestoresThem) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(false, true);
    p.setClientSizeTw(6000, 4500);
    p.show();
    PictureBox* box = p.createPictureBox();
    QPushButton* b = p.addButton(QStringLiteral("cmdShowIsomorphism"), QStringLiteral("Show"), 3000, 2000);
    const QPoint buttonHome = b->pos();
    EXPECT_EQ(box->cursor().shape(), Qt::OpenHandCursor);

    // A move of 10 twips or less does nothing.
    p.beginDrag(3000, 3000);
    p.dragPicture(3010, 2990);
    EXPECT_EQ(box->pos(), QPoint(0, 0));
    // Dragging up-left moves box and button together.
    p.dragPicture(1500, 1500);
    p.endDrag();
    EXPECT_EQ(box->pos(), QPoint(TwipsToPx(-1500), TwipsToPx(-1500)));
    EXPECT_EQ(b->pos() - buttonHome, box->pos());
    // Dragging right stops with the left edge at 0.
    p.beginDrag(100, 100);
    p.dragPicture(9000, 100);
    p.endDrag();
    EXPECT_EQ(box->x(), 0);

    p.action(QStringLiteral("mnuUndoScrolling"))->trigger();
    EXPECT_EQ(box->pos(), QPoint(0, 0));
    EXPECT_EQ(b->pos(), buttonHome);
}

TEST_F(PanelTest, ScrollingDisabledStartsNoDragAndShowsArrow) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(false, true);
    PictureBox* box = p.createPictureBox();
    p.action(QStringLiteral("mnuEnableScrolling"))->trigger();
    EXPECT_FALSE(ctx.gui.scrollingEnabled);
    EXPECT_FALSE(p.action(QStringLiteral("mnuEnableScrolling"))->isChecked());
    EXPECT_NE(box->cursor().shape(), Qt::OpenHandCursor);
    p.beginDrag(1000, 1000);
    p.dragPicture(100, 100);
    EXPECT_EQ(box->pos(), QPoint(0, 0));
}

TEST_F(PanelTest, PrintingGrowsThePanel) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.setClientSizeTw(3000, 3000);
    PictureBox* box = p.createPictureBox();
    box->printState().x = 100;
    box->printState().y = 4000;
    PrintMarkup(*box, "a line far down");
    EXPECT_GE(p.clientHeightTw(), 4990);
}

namespace {

// A computation that reports, then runs until it is stopped.
int UntilStopped(quorix::Progress& progress) {
    progress.Report("5 subgroups found...");
    while (!progress.Stopped()) std::this_thread::yield();
    return 5;
}

}  // namespace

TEST_F(PanelTest, JobRunsOnAWorkerWithTheIndicatorRefusesReentryAndRestoresEverything) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    QPushButton* choose = p.addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("Choose"), 100, 100);
    QPushButton* off = p.addButton(QStringLiteral("cmdOff"), QStringLiteral("Off"), 100, 500);
    off->setEnabled(false);
    QCheckBox* box = p.addControl<QCheckBox>(QStringLiteral("chkThing"), 100, 900, 1000, 300);
    p.createProcessingFrame(100, 1300);
    auto* label = p.findChild<QLabel*>("labelProcessing");
    ctx.gui.scrollingEnabled = true;
    std::optional<int> applied;
    ASSERT_TRUE(p.runJob(QStringLiteral("determining subgroups..."), {box}, UntilStopped, [&](int found) {
        // Everything is back before the result is applied.
        EXPECT_FALSE(p.jobRunning());
        EXPECT_TRUE(choose->isEnabled() && ctx.gui.scrollingEnabled);
        applied = found;
    }));
    EXPECT_FALSE(choose->isEnabled() || box->isEnabled());
    EXPECT_FALSE(ctx.gui.scrollingEnabled);
    EXPECT_EQ(label->text(), "determining subgroups...");
    EXPECT_FALSE(p.findChild<QFrame*>("frameProcessing")->isHidden());
    EXPECT_FALSE(p.runJob(
        {}, [](quorix::Progress&) { return 0; }, [](int) { ADD_FAILURE(); }));  // one at a time
    // The worker's report reaches the label through the event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->text() == "5 subgroups found..."; }, 5000));
    EXPECT_FALSE(applied);
    p.findChild<QPushButton*>("cmdHalt")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return applied.has_value(); }, 5000));
    EXPECT_EQ(*applied, 5);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(choose->isHidden());  // the panel was never on the screen: still not hidden
    EXPECT_FALSE(off->isEnabled());    // as it was before the job
    EXPECT_TRUE(p.findChild<QFrame*>("frameProcessing")->isHidden());

    // Bad input found by the computation is told; nothing is applied.
    ASSERT_TRUE(p.runJob(
        {}, [](quorix::Progress&) -> int { throw quorix::InvalidArgument("bad input"); }, [](int) { ADD_FAILURE(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.jobRunning(); }, 5000));
    EXPECT_TRUE(choose->isEnabled());
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back(), "bad input");
}

TEST_F(PanelTest, ClosingDuringAJobClosesAtOnceStopsTheWorkerAndDropsItsResult) {
    QPointer<Panel> p = new Panel(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p->setAttribute(Qt::WA_DeleteOnClose);
    p->createProcessingFrame(100, 600);
    p->show();
    bool applied = false;
    p->startWhenShown([&] {
        p->runJob({}, UntilStopped, [&](int) { applied = true; });
        p->close();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.isNull(); }, 5000));
    // The worker stopped; its end, delivered after it, finds no panel.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ctx.jobs.running() == 0; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(applied);

    // A panel closed before its start never starts.
    auto* q = new Panel(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    q->setAttribute(Qt::WA_DeleteOnClose);
    q->show();
    bool started = false;
    q->startWhenShown([&] { started = true; });
    q->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(started);
}

TEST_F(PanelTest, SaveScreenPutsImageWithoutButtonsOnClipboard) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(false, false);
    p.setClientSizeTw(4000, 3000);
    QPushButton* b = p.addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 0, 0, 4000, 3000);
    b->setStyleSheet(QStringLiteral("background: rgb(255,0,0)"));
    auto* hiddenBefore = p.addControl<QCheckBox>(QStringLiteral("chkX"), 0, 0, 500, 300);
    hiddenBefore->hide();
    p.show();
    QGuiApplication::clipboard()->clear();
    p.action(QStringLiteral("mnuSaveScreen"))->trigger();
    const QImage img = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(img.isNull());
    EXPECT_NE(img.pixelColor(img.width() / 2, img.height() / 2), QColor(255, 0, 0));
    EXPECT_TRUE(b->isVisible());
    EXPECT_FALSE(hiddenBefore->isVisible());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "Screen saved to clipboard.  It can now be pasted to another application, such as MS Word.\n\n"
              "For best results, use F2 to obtain screen images.");
}

TEST_F(PanelTest, MessageNoticeOffersDoNotShowAgain) {
    QString seenCaption;
    long seenWidth = 0;
    script = [&](QDialog& d) {
        auto& n = dynamic_cast<NoticePanel&>(d);
        seenCaption = n.windowTitle();
        seenWidth = n.clientWidthTw();
        EXPECT_TRUE(n.picbox()->plainText().contains("No errors found."));
        EXPECT_FALSE(n.doNotShowAgain()->isHidden());
        n.doNotShowAgain()->setChecked(true);
        quorix::testing::snapshot(n, QStringLiteral("dlgError"));
        n.okButton()->click();
    };
    EXPECT_TRUE(ShowMessageNotice(ctx, QStringLiteral("No errors found.")));
    EXPECT_EQ(seenCaption, "QUORIX");
    const long textWidth = std::lround(PictureBox().textWidth(QStringLiteral("No errors found.")));
    EXPECT_NEAR(seenWidth, std::max(2600L, textWidth + 1000), 15);

    // A short text still gets a notice at least 2600 wide with the text centred.
    script = [&](QDialog& d) {
        auto& n = dynamic_cast<NoticePanel&>(d);
        seenWidth = n.clientWidthTw();
        const auto& piece = n.picbox()->pieces().at(0);
        EXPECT_NEAR(piece.x + n.picbox()->textWidth(piece.text) / 2, seenWidth / 2, 10);
        n.okButton()->click();
    };
    ShowMessageNotice(ctx, QStringLiteral("Hi."));
    EXPECT_NEAR(seenWidth, 2600, 15);

    // Not ticked: the flag is false again.
    script = [&](QDialog& d) { dynamic_cast<NoticePanel&>(d).okButton()->click(); };
    EXPECT_FALSE(ShowMessageNotice(ctx, QStringLiteral("No errors found.")));

    // A notice opened without "NotAnError" keeps the caption "Error".
    NoticePanel plain(ctx);
    EXPECT_EQ(plain.windowTitle(), "Error");
    EXPECT_TRUE(plain.doNotShowAgain()->isHidden());
}

TEST_F(PanelTest, BrowserShowsFileAtAnchorAndF3Closes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("view.html"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray html = "<html><body><a name='20260101000000'></a><p>first view</p>";
    for (int i = 0; i < 200; ++i) html += "<p>line</p>";
    html += "<a name='20260101000100'></a><p>second view</p></body></html>";
    f.write(html);
    f.close();

    auto* b = new BrowserPanel(ctx, BrowserPanel::Kind::View, path, QStringLiteral("20260101000100"));
    b->setAttribute(Qt::WA_DeleteOnClose);
    b->show();
    QApplication::processEvents();
    EXPECT_EQ(b->objectName(), "dlgBrowser");
    EXPECT_TRUE(b->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(b->browser()->toPlainText().contains("second view"));
    EXPECT_EQ(b->browser()->source().fragment(), "20260101000100");
    EXPECT_GT(b->browser()->verticalScrollBar()->value(), 0);
    QPointer<BrowserPanel> alive(b);
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));
    QTest::keyClick(b->browser(), Qt::Key_F2);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("Screen saved to clipboard.", 0), 0u);
    QTest::keyClick(b->browser(), Qt::Key_F1);
    BrowserPanel* contents = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* bp = qobject_cast<BrowserPanel*>(w); bp && bp->objectName() == "dlgHelp" && bp->isVisible())
            contents = bp;
    ASSERT_NE(contents, nullptr);
    EXPECT_TRUE(contents->anchor().isEmpty());
    contents->close();
    b->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(b));
    QTest::keyClick(b->browser(), Qt::Key_F3);
    QApplication::processEvents();
    EXPECT_TRUE(alive.isNull() || !alive->isVisible());
}

TEST_F(PanelTest, HelpOpensAtPanelSection) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(false, false);
    p.action(QStringLiteral("mnuThisPanel"))->trigger();
    BrowserPanel* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* bp = qobject_cast<BrowserPanel*>(w); bp && bp->objectName() == "dlgHelp" && bp->isVisible())
            help = bp;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->anchor(), "dlgTest");
    EXPECT_TRUE(help->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(help->path().endsWith("pp/grp/QuorixHelp.html"));
    help->close();
}

TEST_F(PanelTest, HelpPageHasASectionForEveryPanel) {
    const QString source = QStringLiteral(QUORIX_SOURCE_DIR "/src/app/quorix/help/QuorixHelp.html");
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    for (const char* name :
         {"dlgMainForm", "dlgOptimizingRules", "dlgChangeElementNames", "dlgPreferences", "dlgGroupList",
          "dlgDeleteList", "dlgError", "dlgBrowser", "dlgHelp", "dlgAnalyzeSolution", "dlgSubgroups",
          "dlgSymmetricGroups", "dlgCompareGroups", "dlgShowGroup", "dlgGraph", "dlgCountingColourings"})
        EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(QString::fromLatin1(name)))) << name;

    BrowserPanel help(ctx, BrowserPanel::Kind::Help, source, QStringLiteral("dlgDeleteList"));
    help.show();
    QApplication::processEvents();
    EXPECT_EQ(help.browser()->source().fragment(), "dlgDeleteList");
    EXPECT_GT(help.browser()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(help.browser()->toPlainText().contains("Retain List"));
    quorix::testing::snapshot(help, QStringLiteral("dlgHelp"));
}

TEST_F(PanelTest, AnExceptionThatReachesTheEventLoopIsShownAsAProgramError) {
    std::vector<QString> shown;
    quorix::testing::guiApp().setErrorReporter([&](const QString& text) { shown.push_back(text); });
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    QPushButton* b = p.addButton(QStringLiteral("cmdFails"), QStringLiteral("Fails"), 100, 100);
    QObject::connect(b, &QPushButton::clicked, [] { throw quorix::InvalidArgument("register position out of range"); });
    p.show();
    QTest::mouseClick(b, Qt::LeftButton);
    quorix::testing::failOnEscapedExceptions(quorix::testing::guiApp());
    EXPECT_EQ(shown, (std::vector<QString>{"Program error (register position out of range)"}));
    EXPECT_TRUE(p.isVisible());
}

TEST_F(PanelTest, PanelsOpenByNameThroughTheRegistry) {
    Panel p(ctx, QStringLiteral("dlgTest"), QStringLiteral("Test"));
    p.buildStandardMenus(true, false);
    p.action(QStringLiteral("mnuPreferences"))->trigger();
    EXPECT_EQ(modal, (std::vector<QString>{"dlgPreferences"}));

    ctx.panels.add({QStringLiteral("dlgSubgroups"),
                    QStringLiteral("Subgroups"),
                    quorix::storage::PanelDefault::Subgroup,
                    QStringLiteral("&Analysis Tools/&Subgroups..."),
                    QStringLiteral("mnuSubgroups"),
                    false,
                    {}});
    QMenu menu;
    QAction* later = ctx.panels.addMenuAction(&menu, QStringLiteral("dlgSubgroups"), ctx, &p);
    EXPECT_EQ(later->text(), "&Subgroups...");
    EXPECT_EQ(later->objectName(), "mnuSubgroups");
    EXPECT_FALSE(later->isEnabled());
    QAction* list = ctx.panels.addMenuAction(&menu, QStringLiteral("dlgGroupList"), ctx, &p);
    list->trigger();
    QPointer<QWidget> opened;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "dlgGroupList" && w->isVisible()) opened = w;
    ASSERT_TRUE(opened);
    opened->close();
}

namespace {
class TwoLines : public TextPanel {
public:
    explicit TwoLines(AppContext& c) : TextPanel(c, QStringLiteral("dlgSubgroups"), QStringLiteral("Subgroups")) {
        refresh();
    }

protected:
    std::vector<std::string> lines(bool original) override { return {original ? "(12)" : "|%b|A|/b|", "", "end"}; }
};
}  // namespace

TEST_F(PanelTest, TextPanelStartsFromItsPanelDefaultAndPrintsAgainWhenToggled) {
    ctx.panels.add({QStringLiteral("dlgSubgroups"),
                    QStringLiteral("Subgroups"),
                    quorix::storage::PanelDefault::Subgroup,
                    {},
                    {},
                    false,
                    {}});
    TwoLines reductive(ctx);  // the default: "R"
    EXPECT_FALSE(reductive.originalNames());
    EXPECT_EQ(reductive.pictureBox()->plainText(), "A end");
    reductive.findChild<QAction*>(QStringLiteral("mnuOriginal"))->trigger();
    EXPECT_EQ(reductive.pictureBox()->plainText(), "(12) end");
    EXPECT_EQ(reductive.pictureBox()->pieces().back().y, 350 + 2 * 300);

    ctx.preferences.SetString(quorix::storage::kPanelDefaults, "OGGOROR1OOR");
    EXPECT_TRUE(TwoLines(ctx).originalNames());
}
