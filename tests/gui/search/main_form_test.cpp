// The search panel driven as a user would: menus and buttons by name, keys
// typed into the grid, message boxes and modal panels answered by script.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>

#include "core/search/cayley_search.h"
#include "gui/common/app_context.h"
#include "gui/panels.h"
#include "gui/common/browser_panel.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"
#include "gui/gui_test_env.h"
#include "gui/search/element_names_panel.h"
#include "gui/search/grid_rules.h"
#include "gui/search/main_form.h"
#include "gui/search/optimizing_rules_panel.h"
#include "gui/storage/notice_panel.h"
#include "support/fake_host.h"

using namespace quorix;
using namespace quorix::gui;
using quorix::testing::FakeHost;

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        quorix::testing::guiApp();
        RegisterAllPanels(ctx.panels);
        ctx.dialogs.inputBox = [this](const QString&, const QString& title,
                                      const QString& proposal) -> std::optional<QString> {
            inputTitles.push_back(title);
            proposals.push_back(proposal);
            if (answers.empty()) return std::nullopt;
            QString a = answers.front();
            answers.pop_front();
            return a;
        };
        ctx.dialogs.runModal = [this](QDialog& d) {
            modalPanels.push_back(d.objectName());
            if (modalScript) modalScript(d);
        };
        form = std::make_unique<MainForm>(ctx);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        form->timer()->stop();
        form.reset();
    }

    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(QString::fromLatin1(name)); }
    void menu(const char* name) { form->action(QString::fromLatin1(name))->trigger(); }
    // Get Next Solution, and the search's end when it runs on the worker.
    void getNext() {
        QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
        EXPECT_TRUE(quorix::testing::settle(*form));
    }
    void setOrder(int order) {
        answers.push_back(QString::number(order));
        menu("mnuChangeGroupOrder");
    }
    std::vector<std::string> registeredIds() {
        std::vector<std::string> ids;
        for (const GroupPtr& g : ctx.groups.Groups()) ids.push_back(g->GroupID());
        return ids;
    }
    QString rowText(int row) {
        QStringList cells;
        for (int j = 1; j <= form->search().SearchOrder(); ++j) cells << form->cell(row, j)->text();
        return cells.join(' ');
    }

    QTemporaryDir dir;
    FakeHost host;
    AppContext ctx{dir.path().toStdString(), host};
    std::unique_ptr<MainForm> form;
    std::deque<QString> answers;
    std::vector<QString> inputTitles, proposals, modalPanels;
    std::function<void(QDialog&)> modalScript;
};

}  // namespace

TEST_F(MainFormTest, StartsWithDefaultsWhenThereIsNoPreferenceFile) {
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm"));
    EXPECT_EQ(form->findChild<QLabel*>("labelGroupOrder")->text(), "Group order:  6");
    EXPECT_TRUE(form->action("mnuVeryFastTrace")->isChecked());
    EXPECT_EQ(form->timer()->interval(), 10);
    EXPECT_FALSE(form->findChild<QCheckBox*>("chkIncludeIsomorphisms")->isChecked());
    EXPECT_TRUE(ctx.gui.scrollingEnabled);
    EXPECT_TRUE(button("cmdHalt")->isHidden());
    EXPECT_EQ(rowText(1), "1 a b c d e");
    EXPECT_EQ(form->cell(2, 2)->text(), "");
    EXPECT_TRUE(form->cell(6, 6)->isVisible());
    EXPECT_FALSE(form->cell(7, 7)->isVisible());
    EXPECT_TRUE(form->findChild<QLabel*>("labelRow_5")->isVisible());
    EXPECT_FALSE(form->findChild<QLabel*>("labelRow_6")->isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir.filePath("QuorixPreferences.bas").toStdString()));

    // Grid pitches: 720 twips between columns, 360 between rows.
    const QPoint a = form->cell(2, 2)->pos(), b = form->cell(3, 3)->pos();
    EXPECT_EQ(b.x() - a.x(), TwipsToPx(720));
    EXPECT_EQ(b.y() - a.y(), TwipsToPx(360));
}

TEST_F(MainFormTest, MenusInTheirOrderWithUnbuiltPanelsDisabled) {
    QStringList titles;
    for (QAction* a : form->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Options", "Special Groups", "&Preferences", "&Analysis Tools", "&Help"}));
    EXPECT_TRUE(form->action("mnuSubgroups")->isEnabled());
    EXPECT_TRUE(form->action("mnuAutomorphismGroups")->isEnabled());
    EXPECT_TRUE(form->action("mnuCompareGroups")->isEnabled());
}

TEST_F(MainFormTest, TraceOffFindsBothGroupsOfOrderFourThenEnds) {
    setOrder(4);
    EXPECT_EQ(form->findChild<QLabel*>("labelGroupOrder")->text(), "Group order:  4");
    EXPECT_EQ(proposals.back(), "06");  // the preference order is proposed
    menu("mnuTraceOff");
    EXPECT_TRUE(form->action("mnuTraceOff")->isChecked());

    getNext();
    EXPECT_EQ(registeredIds(), (std::vector<std::string>{"Group #4-1"}));
    EXPECT_EQ(form->search().EmptyCellCount(), 0);
    EXPECT_FALSE(rowText(2).contains(' ' + QString() + ' '));
    EXPECT_TRUE(button("cmdGetNextSolution")->isEnabled());
    EXPECT_TRUE(button("cmdHalt")->isHidden());

    getNext();
    EXPECT_EQ(registeredIds(), (std::vector<std::string>{"Group #4-1", "Group #4-2"}));
    EXPECT_TRUE(host.questions.empty());
    // Each solution is announced; the announcement of the one before closes.
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* n = qobject_cast<NoticePanel*>(w); n && n->isVisible()) {
            shown << n->picbox()->plainText();
            quorix::testing::snapshot(*n, QStringLiteral("dlgError-generated"));
        }
    EXPECT_EQ(shown, (QStringList{"Group  Group #4-2  has been generated."}));

    getNext();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0],
              "End of Solutions: No more solutions found.\nDo you want to create a Summary View file?");
    // Answered No: a reset table in manual entry mode.
    EXPECT_TRUE(form->search().ManualEntry());
    EXPECT_EQ(form->cell(2, 2)->text(), "");
    EXPECT_EQ(form->search().SolutionCount(), 0);
    EXPECT_TRUE(button("cmdCheck")->isEnabled());
    EXPECT_TRUE(button("cmdCheck")->isDefault());
}

TEST(MainFormStart, UnreadablePreferencesAreSaidAndTheDefaultsUsed) {
    quorix::testing::guiApp();
    QTemporaryDir dir;
    FakeHost host;
    AppContext ctx{dir.path().toStdString(), host};
    RegisterAllPanels(ctx.panels);
    // A folder where the preferences file belongs cannot be read as one.
    ASSERT_TRUE(QDir(dir.path()).mkdir("QuorixPreferences.bas"));
    MainForm form(ctx);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].starts_with("The preferences were not read ("));
    EXPECT_TRUE(host.messages[0].ends_with("is not a regular file); the defaults are used."));
    EXPECT_EQ(form.search().SearchOrder(), 6);
}

TEST_F(MainFormTest, TraceByStepShowsDeducedCellsInRedWithReasons) {
    setOrder(4);
    menu("mnuTraceByStep");
    EXPECT_EQ(button("cmdGetNextSolution")->text(), "&Get Next Step");
    bool sawRed = false;
    for (int step = 0; step < 30 && !sawRed; ++step) {
        QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
        for (int i = 2; i <= 4; ++i)
            for (int j = 2; j <= 4; ++j) {
                QLineEdit* c = form->cell(i, j);
                if (c->palette().color(QPalette::Text) == QColor(255, 0, 0)) {
                    sawRed = true;
                    EXPECT_FALSE(c->text().isEmpty());
                    EXPECT_FALSE(c->toolTip().isEmpty());
                    EXPECT_TRUE(form->search().IsInference(i, j));
                    EXPECT_EQ(c->toolTip().toStdString(), form->search().Reason(i, j));
                }
            }
    }
    EXPECT_TRUE(sawRed);
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm-trace-by-step"));
    // Other modes clear the red cells.
    menu("mnuTraceOff");
    for (int i = 2; i <= 4; ++i)
        for (int j = 2; j <= 4; ++j) EXPECT_NE(form->cell(i, j)->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(MainFormTest, VeryFastTraceRunsFromTheTimerUntilASolution) {
    setOrder(3);
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    EXPECT_FALSE(button("cmdHalt")->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ctx.groups.Count() == 1; }, 5000));
    EXPECT_EQ(registeredIds(), (std::vector<std::string>{"Group #3-1"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return button("cmdHalt")->isHidden(); }, 1000));
    EXPECT_TRUE(button("cmdGetNextSolution")->isEnabled());
}

TEST_F(MainFormTest, HaltStopsATimedRun) {
    setOrder(8);
    menu("mnuFastTrace");
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->search().EmptyCellCount() < 49; }));
    QTest::mouseClick(button("cmdHalt"), Qt::LeftButton);
    EXPECT_TRUE(button("cmdHalt")->isHidden());
    // The next tick sees the request, clears it and stops the timer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->timer()->isActive(); }, 2000));
    EXPECT_TRUE(button("cmdGetNextSolution")->isEnabled());
    EXPECT_GT(form->search().EmptyCellCount(), 0);
}

TEST_F(MainFormTest, HaltDuringTraceOffStopsAtTheNextYield) {
    // The search runs on a worker; its first yield stops it.
    std::atomic<int> yields{0};
    form->setWorkerHook([&yields](const std::string&, quorix::Progress& progress) {
        if (++yields == 1) progress.RequestStop();
    });
    setOrder(16);
    menu("mnuTraceOff");
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    // A click on Restart while the search runs must not reset its table.
    button("cmdRefresh")->click();
    ASSERT_TRUE(quorix::testing::settle(*form));
    EXPECT_EQ(yields, 1);
    EXPECT_TRUE(button("cmdHalt")->isHidden());
    EXPECT_TRUE(form->findChild<QLabel*>("labelProcessing")->isHidden());
    EXPECT_TRUE(button("cmdGetNextSolution")->isEnabled());
    EXPECT_EQ(ctx.groups.Count(), 0);
    EXPECT_GT(form->search().EmptyCellCount(), 0);
    EXPECT_FALSE(form->cell(2, 2)->text().isEmpty());  // the halted table is shown
}

TEST_F(MainFormTest, TypedKeysAreFilteredAndTheCursorMovesOn) {
    setOrder(3);
    QLineEdit* c22 = form->cell(2, 2);
    c22->setFocus();
    QTest::keyClick(c22, Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(c22->text(), "b");
    EXPECT_TRUE(form->search().ManualEntry());
    EXPECT_FALSE(button("cmdGetNextSolution")->isEnabled());
    QLineEdit* c23 = form->cell(2, 3);
    EXPECT_TRUE(c23->hasFocus());
    QTest::keyClick(c23, Qt::Key_D);
    EXPECT_EQ(c23->text(), "");
    EXPECT_TRUE(c23->hasFocus());
    QTest::keyClick(c23, Qt::Key_1);
    EXPECT_EQ(c23->text(), "1");
    EXPECT_TRUE(form->cell(3, 2)->hasFocus());  // from column n to the next row
}

TEST_F(MainFormTest, CheckReportsTheFirstFailureOrRegistersAManualGroup) {
    struct Case {
        int n;
        std::vector<const char*> rows;
        std::vector<std::string> messages, ids;
    };
    // A loop that is not a group (every element squares to 1), then Z2.
    for (const Case& c : {Case{5, {"1abcd", "a1cdb", "bd1ac", "cbd1a", "dcab1"}, {"(aa)b does not equal a(ab)"}, {}},
                          Case{2, {"1a", "a1"}, {}, {"Manual2-1"}}}) {
        host.messages.clear();
        setOrder(c.n);
        for (int i = 2; i <= c.n; ++i)
            for (int j = 2; j <= c.n; ++j) {
                form->cell(i, j)->setFocus();
                QTest::keyClick(form->cell(i, j), c.rows[static_cast<std::size_t>(i - 1)][j - 1]);
            }
        QTest::mouseClick(button("cmdCheck"), Qt::LeftButton);
        EXPECT_EQ(host.messages, c.messages) << c.n;
        EXPECT_EQ(registeredIds(), c.ids) << c.n;
    }
}

TEST_F(MainFormTest, CheckOfAPartialTableShowsTheNoticeUntilSuppressed) {
    setOrder(3);
    form->cell(2, 2)->setFocus();
    QTest::keyClick(form->cell(2, 2), 'b');
    int notices = 0;
    modalScript = [&](QDialog& d) {
        auto& n = dynamic_cast<NoticePanel&>(d);
        ++notices;
        EXPECT_TRUE(n.picbox()->plainText().contains("No errors found."));
        n.doNotShowAgain()->setChecked(true);
        n.okButton()->click();
    };
    QTest::mouseClick(button("cmdCheck"), Qt::LeftButton);
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(form->noticeSuppressed());
    // The deduced entries are shown in red.
    EXPECT_EQ(form->cell(2, 3)->palette().color(QPalette::Text), QColor(255, 0, 0));
    QTest::mouseClick(button("cmdCheck"), Qt::LeftButton);
    EXPECT_EQ(notices, 1);
}

TEST_F(MainFormTest, ChangeGroupOrderRejectsOutOfRangeAndNonNumericAnswers) {
    answers = {"21", "abc", "5"};
    menu("mnuChangeGroupOrder");
    EXPECT_EQ(inputTitles.size(), 3u);
    EXPECT_EQ(inputTitles[0], "Change Group Order");
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Order must be an integer from 1 to 20.",
                                                       "Order must be an integer from 1 to 20."}));
    EXPECT_EQ(form->search().SearchOrder(), 5);
    EXPECT_EQ(form->findChild<QLabel*>("labelGroupOrder")->text(), "Group order:  5");
    answers = {"20"};
    menu("mnuChangeGroupOrder");
    EXPECT_TRUE(form->cell(20, 20)->isVisible());
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm-20"));
    answers = {"5"};
    menu("mnuChangeGroupOrder");
    // Cancel keeps the order.
    answers.clear();
    menu("mnuChangeGroupOrder");
    EXPECT_EQ(form->search().SearchOrder(), 5);
}

TEST_F(MainFormTest, SummaryViewIsWrittenAndShownAtItsAnchor) {
    const QString path = dir.filePath(QStringLiteral("Summary.html"));
    QString proposedPath;
    ctx.dialogs.saveFile = [&](const QString&, const QString&, const QString& proposed) {
        proposedPath = proposed;
        return path;
    };
    setOrder(4);
    menu("mnuTraceOff");
    for (int press = 0; press < 2; ++press) getNext();
    host.answers = {true};
    getNext();
    EXPECT_TRUE(proposedPath.endsWith("GroupSummary.html"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(html.contains("GROUPS OF ORDER 4"));
    BrowserPanel* browser = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<BrowserPanel*>(w); b && b->objectName() == "dlgBrowser" && b->isVisible())
            browser = b;
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->path(), path);
    EXPECT_EQ(browser->anchor().size(), 14);
    EXPECT_TRUE(html.contains("<a name='" + browser->anchor() + "'>"));
    browser->close();
    EXPECT_TRUE(form->search().ManualEntry());

    // A cancelled dialog writes nothing.
    QFile::remove(path);
    ctx.dialogs.saveFile = [](const QString&, const QString&, const QString&) { return QString(); };
    for (int press = 0; press < 2; ++press) getNext();
    host.answers = {true};
    getNext();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(MainFormTest, OptimizingRulesAskBeforeRestarting) {
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<OptimizingRulesPanel&>(d);
        quorix::testing::snapshot(p, QStringLiteral("dlgOptimizingRules"));
        // The rule text is the box's caption: a click on it toggles the box.
        QCheckBox* box = p.findChild<QCheckBox*>("chkOptRule_2");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
        EXPECT_FALSE(box->isChecked());
        host.answers = {false};
        p.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_FALSE(p.rulesChanged());
        EXPECT_TRUE(form->search().RuleEnabled(2));
        host.answers = {true};
        p.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_TRUE(p.rulesChanged());
    };
    form->cell(2, 2)->setFocus();
    QTest::keyClick(form->cell(2, 2), 'a');
    menu("mnuSetOptimizingRules");
    EXPECT_EQ(modalPanels, (std::vector<QString>{"dlgOptimizingRules"}));
    EXPECT_FALSE(form->search().RuleEnabled(2));
    EXPECT_EQ(form->cell(2, 2)->text(), "");  // restarted
}

TEST_F(MainFormTest, ElementNamesRefuseDuplicatesAndDriveLongerCells) {
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<ElementNamesPanel&>(d);
        quorix::testing::snapshot(p, QStringLiteral("dlgChangeElementNames"));
        p.box(0)->setText("E");
        p.box(3)->setText("e");
        p.findChild<QPushButton*>("cmdOK")->click();
        EXPECT_EQ(host.messages.back(), "Duplicate element names not allowed.");
        p.box(0)->setText("u");
        p.box(1)->setText("r");
        p.box(2)->setText("rr");
        p.box(3)->setText("  ");
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    menu("mnuSetElementNames");
    EXPECT_TRUE(form->nameState().customNamesInUse);
    EXPECT_EQ(form->nameState().longestNameLength, 2);
    EXPECT_EQ(form->search().ElementName(4), "c");
    EXPECT_EQ(form->cell(1, 1)->text(), "u");
    EXPECT_EQ(form->cell(1, 2)->text(), "r");
    EXPECT_EQ(form->findChild<QLabel*>("labelColumn_2")->text(), "rr");
    // Cells are wider: 200 * 2 + 15 < 615, so the pitch stays 720; the first
    // column moves to max(520, 255) + 225.
    EXPECT_EQ(form->cell(2, 2)->x() - form->cell(2, 1)->x(), TwipsToPx(720));
    EXPECT_EQ(form->cell(1, 1)->x(), TwipsToPx(745));
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm-names"));
}

TEST_F(MainFormTest, RevertThenCancelKeepsNamesAndEmptyBoxesRestoreCodes) {
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<ElementNamesPanel&>(d);
        p.box(1)->setText("r");
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    menu("mnuSetElementNames");
    ASSERT_EQ(form->search().ElementName(2), "r");
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<ElementNamesPanel&>(d);
        p.findChild<QPushButton*>("cmdRevertToDefaultNames")->click();
        EXPECT_EQ(p.box(1)->text(), "a");
        p.findChild<QPushButton*>("cmdExit")->click();
    };
    menu("mnuSetElementNames");
    EXPECT_EQ(form->search().ElementName(2), "r");
    EXPECT_TRUE(form->nameState().customNamesInUse);
    EXPECT_EQ(form->cell(1, 2)->text(), "r");
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<ElementNamesPanel&>(d);
        for (int k = 0; k < 15; ++k) p.box(k)->clear();
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    menu("mnuSetElementNames");
    EXPECT_EQ(form->search().ElementName(2), "a");
    EXPECT_FALSE(form->nameState().customNamesInUse);
    EXPECT_EQ(form->cell(1, 2)->text(), "a");
}

TEST_F(MainFormTest, CustomNamesAdvanceAtFullLengthAndRefuseUnknownNames) {
    setOrder(3);
    modalScript = [&](QDialog& d) {
        auto& p = dynamic_cast<ElementNamesPanel&>(d);
        p.box(0)->setText("u");
        p.box(1)->setText("r");
        p.box(2)->setText("rr");
        p.findChild<QPushButton*>("cmdOK")->click();
    };
    menu("mnuSetElementNames");
    QLineEdit* c22 = form->cell(2, 2);
    c22->setFocus();
    QTest::keyClicks(c22, "RR");
    EXPECT_TRUE(form->cell(2, 3)->hasFocus());
    EXPECT_EQ(c22->text(), "rr");  // spelled as the element's name
    QLineEdit* c23 = form->cell(2, 3);
    QTest::keyClicks(c23, "x");
    form->cell(3, 2)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Invalid element."}));
    EXPECT_TRUE(c23->hasFocus());
}

TEST(GridRules, NextCellWrapsAndKeysAndOrderAnswersAreFiltered) {
    using grid::CellIndex;
    for (auto [from, n, to] : {std::tuple{CellIndex(2, 2), 4, CellIndex(2, 3)},
                               {CellIndex(3, 5), 5, CellIndex(4, 2)},
                               {CellIndex(5, 5), 5, CellIndex(2, 2)},
                               {CellIndex(20, 20), 20, 21},
                               {CellIndex(2, 2), 2, 21}})
        EXPECT_EQ(grid::NextCellIndex(from, n), to) << from << " of " << n;
    for (auto [key, n, out] :
         {std::tuple{'B', 3, 'b'}, {'1', 1, '1'}, {'c', 3, '\0'}, {'s', 20, 's'}, {'t', 20, '\0'}, {'?', 20, '\0'}})
        EXPECT_EQ(grid::FilterCodeKey(key, n).value_or('\0'), out) << key << " of " << n;
}

TEST_F(MainFormTest, ControlsThatResetTheTableFirstStopATimedRun) {
    setOrder(8);
    menu("mnuFastTrace");
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->search().EmptyCellCount() < 49; }));
    QTest::mouseClick(button("cmdRefresh"), Qt::LeftButton);
    EXPECT_FALSE(form->timer()->isActive());
    EXPECT_TRUE(button("cmdHalt")->isHidden());
    QCoreApplication::processEvents();  // no tick is left to come
    EXPECT_EQ(ctx.groups.Count(), 0);
    EXPECT_EQ(form->cell(2, 2)->text(), "");
    EXPECT_EQ(form->search().EmptyCellCount(), 49);

    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    ASSERT_TRUE(form->timer()->isActive());
    setOrder(4);
    EXPECT_FALSE(form->timer()->isActive());
    EXPECT_EQ(form->search().EmptyCellCount(), 9);
}

TEST_F(MainFormTest, ATraceModeChosenDuringATraceOffRunTakesEffectWhenItEnds) {
    setOrder(16);
    menu("mnuTraceOff");
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    ASSERT_TRUE(form->jobRunning());
    menu("mnuTraceByStep");
    ASSERT_TRUE(quorix::testing::settle(*form));
    EXPECT_TRUE(form->action("mnuTraceByStep")->isChecked());
    EXPECT_FALSE(form->action("mnuTraceOff")->isChecked());
    EXPECT_EQ(button("cmdGetNextSolution")->text(), "&Get Next Step");
    EXPECT_EQ(registeredIds().size(), 1u);  // the run found its solution
    // The next press makes one step, as Trace by step does.
    getNext();
    EXPECT_TRUE(form->search().ReasonsStored());
    EXPECT_TRUE(button("cmdGetNextSolution")->isEnabled());
}

TEST_F(MainFormTest, PastedTextPassesTheKeyFilter) {
    setOrder(3);
    QLineEdit* c22 = form->cell(2, 2);
    c22->setFocus();
    for (const char* text : {"zz", "c", "ab"}) {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        QTest::keyClick(c22, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c22->text(), "") << text;
    }
    QApplication::clipboard()->setText(QStringLiteral("B"));
    QTest::keyClick(c22, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c22->text(), "b");
    EXPECT_TRUE(form->search().ManualEntry());
    EXPECT_FALSE(button("cmdGetNextSolution")->isEnabled());
}

TEST_F(MainFormTest, TheHundredAndFirstSolutionIsReportedOverTheLimit) {
    setOrder(7);  // 120 labelled cyclic tables
    menu("mnuTraceOff");
    form->findChild<QCheckBox*>("chkIncludeIsomorphisms")->setChecked(true);
    button("cmdRefresh")->click();
    for (int press = 0; press < 101; ++press) getNext();
    EXPECT_EQ(registeredIds().back(), "Group #7(101)");
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Maximum of 100 solutions exceeded"}));
}

TEST_F(MainFormTest, ActivationPutsTheCursorBackOnTheFirstCell) {
    setOrder(4);
    form->cell(3, 3)->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->cell(2, 2)->hasFocus());
}

TEST_F(MainFormTest, OrderTwentyScrollsOnAnEightHundredBySixHundredScreen) {
    setOrder(20);
    // The window stays on the screen (the test screen is 800 wide); on an
    // 800 x 600 screen it is at most that big, and the grid scrolls.
    EXPECT_LE(form->frameGeometry().width(), form->screen()->availableGeometry().width());
    const QRect inner = form->geometry(), outer = form->frameGeometry();
    form->resize(800 - (outer.width() - inner.width()), 600 - (outer.height() - inner.height()));
    QApplication::processEvents();
    auto* scroll = form->findChild<QScrollArea*>("gridScroll");
    ASSERT_NE(scroll, nullptr);
    QLineEdit* last = form->cell(20, 20);
    ASSERT_TRUE(scroll->widget()->isAncestorOf(last));
    scroll->ensureWidgetVisible(last);
    EXPECT_TRUE(
        scroll->viewport()->rect().contains(QRect(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size())));
    EXPECT_LE(QRect(scroll->mapTo(form.get(), QPoint(0, 0)), scroll->size()).bottom(), form->height());
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm-20-800x600"));
}

TEST_F(MainFormTest, TheProcessingNoticeHidesNoPartOfTheGridOrTheButtons) {
    setOrder(16);
    menu("mnuTraceOff");
    // Held at its first yield until the notice has been looked at.
    std::atomic<bool> looked{false};
    form->setWorkerHook([&looked](const std::string&, quorix::Progress& progress) {
        while (!looked) std::this_thread::yield();
        progress.RequestStop();
    });
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    auto* label = form->findChild<QLabel*>("labelProcessing");
    EXPECT_TRUE(label->isVisible());
    quorix::testing::snapshot(*form, QStringLiteral("dlgMainForm-processing"));
    const QRect notice(label->mapToGlobal(QPoint(0, 0)), label->size());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        const bool watched = name.startsWith("Text1_") || name.startsWith("label") || name.startsWith("cmd");
        if (w == label || !watched || !w->isVisible()) continue;
        EXPECT_FALSE(notice.intersects(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()))) << name.toStdString();
    }
    looked = true;
    EXPECT_TRUE(quorix::testing::settle(*form));
}

TEST_F(MainFormTest, DisabledControlsSayWhatMakesThemAvailable) {
    setOrder(4);
    menu("mnuTraceByStep");
    QTest::mouseClick(button("cmdGetNextSolution"), Qt::LeftButton);
    const QString byHand = "Press Restart to enter a table by hand.";
    auto* box = form->findChild<QCheckBox*>("chkIncludeIsomorphisms");
    ASSERT_FALSE(button("cmdCheck")->isEnabled());
    EXPECT_EQ(button("cmdCheck")->toolTip(), byHand);
    EXPECT_EQ(box->toolTip(), "Press Restart to change this option.");
    EXPECT_EQ(form->action("mnuSetElementNames")->toolTip(), "Press Restart to rename the elements.");
    int plainCells = 0;
    for (int i = 2; i <= 4; ++i)
        for (int j = 2; j <= 4; ++j)
            if (!form->search().IsInference(i, j)) {
                ++plainCells;
                EXPECT_EQ(form->cell(i, j)->toolTip(), byHand) << i << "," << j;
            }
    EXPECT_GT(plainCells, 0);

    button("cmdRefresh")->click();
    EXPECT_TRUE(button("cmdCheck")->toolTip().isEmpty());
    EXPECT_TRUE(box->toolTip().isEmpty());
    EXPECT_TRUE(form->cell(3, 3)->toolTip().isEmpty());
    form->cell(2, 2)->setFocus();
    QTest::keyClick(form->cell(2, 2), 'a');
    EXPECT_EQ(button("cmdGetNextSolution")->toolTip(), "Press Restart to search from an empty table.");
}
