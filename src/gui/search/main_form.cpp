#include "gui/search/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "core/storage/text_file.h"
#include "core/compare/structure.h"
#include "core/host/host.h"
#include "core/group/table_order.h"
#include "core/display/html.h"
#include "core/display/views.h"
#include "core/storage/preferences.h"
#include "gui/common/browser_panel.h"
#include "gui/common/twips.h"
#include "gui/common/view_job.h"
#include "gui/search/grid_rules.h"
#include "gui/search/optimizing_rules_panel.h"
#include "gui/storage/notice_panel.h"

namespace quorix::gui {

namespace {

// Solutions of the search go into the program's register.
class RegisterSolutions : public SolutionRegistrar {
public:
    explicit RegisterSolutions(AppContext& context) : context_(context) {}
    void RegisterSolution(const GroupPtr& group, const std::string& id) override {
        try {
            context_.groups.RegisterGroup(group, id);
        } catch (const InvalidArgument& e) {
            context_.host.Message(e.what());
        } catch (const storage::StorageError& e) {
            context_.host.Message(e.what());
        }
    }
    int LastManualNumber() const override { return context_.groups.LastManualNumber(); }
    void SetLastManualNumber(int number) override { context_.groups.SetLastManualNumber(number); }

private:
    AppContext& context_;
};

// Why a control is disabled: the rules that disable them after a search step
// or a solution (and Get Next Solution after typing) name the way back.
const char* const kHintEnterByHand = "Press Restart to enter a table by hand.";
const char* const kHintIsomorphs = "Press Restart to change this option.";
const char* const kHintNames = "Press Restart to rename the elements.";
const char* const kHintSearch = "Press Restart to search from an empty table.";

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainForm::MainForm(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgMainForm"), QStringLiteral("QUORIX - Finite Group Workbench"), parent),
      registrar_(std::make_unique<RegisterSolutions>(context)),
      run_(search_, registrar_.get()) {
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { timerTick(); });
    // The grid scrolls inside the window.
    setContentScrolls(false);
    buildMenus();
    buildControls();
    load();
}

MainForm::~MainForm() {
    // The grid's handlers call into this window: the grid goes first, while
    // everything they touch is still there.
    delete grid_;
    grid_ = nullptr;
}

// ---- construction -------------------------------------------------------------------

void MainForm::buildMenus() {
    auto named = [](QMenu* m, const char* name, const char* caption) {
        QAction* a = m->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    // The entries of a menu that open panels, from the panel registry.
    auto panelEntries = [this](QMenu* m, const QString& menuPath) {
        const PanelRegistry& panels = context().panels;
        for (const PanelEntry* e : panels.menuEntries(menuPath)) panels.addMenuAction(m, e->name, context(), this);
    };
    auto deleteEntries = [&](QMenu* m, const char* suffix) {
        QAction* all = named(m, (std::string("mnuDeleteAllGroups") + suffix).c_str(), "Delete All Groups...");
        connect(all, &QAction::triggered, this, [this] {
            storage::GroupRegister& reg = groupRegister();
            if (!host().AskYesNo(storage::DeleteAllQuestion(reg.Autosave()), storage::kDeletionTitle)) return;
            try {
                if (reg.DeleteAllGroups()) host().Message(storage::kBackupMessage);
                host().Message(storage::kAllDeletedMessage);
            } catch (const InvalidArgument& e) {
                host().Message(e.what());
            } catch (const storage::StorageError& e) {
                host().Message(e.what());
            }
        });
        QAction* sel = named(m, (std::string("mnuDeleteSelectedGroups") + suffix).c_str(), "Delete Selected Groups...");
        connect(sel, &QAction::triggered, this, [this] { openPanel(QStringLiteral("dlgDeleteList")); });
    };

    addFileMenu([&](QMenu* m) { deleteEntries(m, ""); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    const std::pair<const char*, const char*> traces[] = {{"mnuTraceByStep", "Trace by step"},
                                                          {"mnuFastTrace", "Fast trace"},
                                                          {"mnuVeryFastTrace", "Very fast trace"},
                                                          {"mnuTraceOff", "Trace off"}};
    for (const auto& [name, caption] : traces) {
        QAction* a = named(options, name, caption);
        a->setCheckable(true);
        const QString mode = QString::fromLatin1(caption);
        connect(a, &QAction::triggered, this, [this, mode] {
            setupTrace(mode);
            if (mode != QLatin1String("Trace by step")) clearInferences();
        });
    }
    options->addSeparator();
    options->setToolTipsVisible(true);
    connect(named(options, "mnuChangeGroupOrder", "Change Group Order..."), &QAction::triggered, this,
            [this] { changeGroupOrder(); });
    mnuSetElementNames_ = named(options, "mnuSetElementNames", "Set Element Names...");
    connect(mnuSetElementNames_, &QAction::triggered, this, [this] { setElementNames(); });
    connect(mnuSetElementNames_, &QAction::changed, this, [this] {
        mnuSetElementNames_->setToolTip(mnuSetElementNames_->isEnabled() ? QString() : QString::fromLatin1(kHintNames));
    });
    connect(named(options, "mnuSetOptimizingRules", "Set &Optimizing Rules..."), &QAction::triggered, this,
            [this] { setOptimizingRules(); });

    QMenu* special = menuBar()->addMenu(QStringLiteral("Special Groups"));
    special->setObjectName(QStringLiteral("mnuSpecialGroups"));
    special->setToolTipsVisible(true);
    panelEntries(special, QStringLiteral("Special Groups"));

    addPreferencesMenu();

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Analysis Tools"));
    tools->setObjectName(QStringLiteral("mnuAnalysisTools"));
    tools->setToolTipsVisible(true);
    panelEntries(tools, QStringLiteral("&Analysis Tools"));
    tools->addSeparator();
    deleteEntries(tools, "2");

    addHelpMenu(true);
}

void MainForm::buildControls() {
    labelGroupOrder_ = addLabel(QStringLiteral("labelGroupOrder"), QString(), 480, 150, 2200, 300);
    labelGroupOrder_->setToolTip(
        QStringLiteral("Number of elements in the desired group (can be modified from the Options menu)"));
    chkIncludeIsomorphisms_ = addControl<QCheckBox>(QStringLiteral("chkIncludeIsomorphisms"), 2900, 120, 3600, 330);
    chkIncludeIsomorphisms_->setText(QStringLiteral("Include Isomorphic Equivalents"));
    connect(chkIncludeIsomorphisms_, &QCheckBox::toggled, this, [this](bool on) { search_.SetIncludeIsomorphs(on); });

    cmdGetNext_ = addButton(QStringLiteral("cmdGetNextSolution"), QStringLiteral("&Get Next Solution"), 480, 540, 2100);
    cmdCheck_ = addButton(QStringLiteral("cmdCheck"), QStringLiteral("&Check"), 2700, 540, 1200);
    cmdRefresh_ = addButton(QStringLiteral("cmdRefresh"), QStringLiteral("&Restart"), 4020, 540, 1200);
    cmdHalt_ = addButton(QStringLiteral("cmdHalt"), QStringLiteral("&Halt"), 5340, 540, 1200);
    cmdExit_ = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 6660, 540, 1200);
    cmdHalt_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdGetNext_, cmdCheck_, chkIncludeIsomorphisms_})
        w->installEventFilter(this);
    connect(cmdGetNext_, &QPushButton::clicked, this, [this] { getNextSolution(); });
    connect(cmdCheck_, &QPushButton::clicked, this, [this] { check(); });
    connect(cmdRefresh_, &QPushButton::clicked, this, [this] { restart(); });
    connect(cmdHalt_, &QPushButton::clicked, this, [this] { halt(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { exitApplication(); });

    // The grid and its headings scroll below the buttons, so that every order
    // fits a small screen; positions inside keep the twip layout.
    CayleyGrid::Handlers cells;
    cells.keyPress = [this](int index, QKeyEvent* e) { return cellKeyPress(index, e); };
    cells.focusIn = [this](int index) { cellFocusIn(index); };
    cells.focusOut = [this](int index) { cellFocusOut(index); };
    cells.edited = [this](int index) {
        // Text that arrived other than by a key (a paste, a drop) edits the table too.
        if (!cellEdited_) beginManualEdit();
        cellTextChanged(index);
    };
    cells.editable = [this] { return cmdCheck_->isEnabled(); };
    cells.customNames = [this] { return names_.customNamesInUse; };
    cells.order = [this] { return n(); };
    grid_ = new CayleyGrid(std::move(cells), kGridAreaTop, client());
    // Shown while a Trace off search runs, over the check box (disabled then),
    // clear of the grid.
    labelProcessing_ =
        addLabel(QStringLiteral("labelProcessing"), QStringLiteral("processing . . ."), 2900, 30, 4500, 500);
    labelProcessing_->setAlignment(Qt::AlignCenter);
    labelProcessing_->setFrameShape(QFrame::Box);
    labelProcessing_->setAutoFillBackground(true);
    labelProcessing_->hide();
}

// ---- start-up ------------------------------------------------------------------------

void MainForm::load() {
    AppContext& ctx = context();
    // 1. Preferences and the start-up defaults.
    ctx.preferences.Load(ctx.directory);
    if (!ctx.preferences.LoadProblem().empty())
        host().Message("The preferences were not read (" + ctx.preferences.LoadProblem() + "); the defaults are used.");
    const storage::StartupSettings st = ctx.preferences.DecodeStartup();
    search_.SetSearchOrder(st.searchOrder);
    if (st.trace) setupTrace(QString::fromLatin1(storage::TraceOptionName(*st.trace)));
    {
        const QSignalBlocker block(chkIncludeIsomorphisms_);
        chkIncludeIsomorphisms_->setChecked(st.includeIsomorphs);
    }
    search_.SetIncludeIsomorphs(st.includeIsomorphs);
    guiState().scrollingEnabled = st.scrollingEnabled;
    // 2. The register.
    ctx.groups.SetAutosave(st.autosave);
    try {
        for (const std::string& text : ctx.groups.LoadGroupRegister().Messages()) host().Message(text);
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
    } catch (const storage::StorageError& e) {
        host().Message(e.what());
    }
    // 3. Flags.
    tick_.ClearStop();
    cellEdited_ = false;
    noticeSuppressed_ = false;
    // 4.
    setOrderCaption();
    // 5. Codes and names, all rules on.
    std::array<std::string, CayleySearch::kSize> codes{};
    for (int k = 1; k <= CayleySearch::kMaxOrder; ++k)
        codes[static_cast<std::size_t>(k)] = CayleySearch::ElementCode(k);
    search_.SetElementNames(codes);
    search_.SetElementNames(codes);  // prior names too
    names_ = ElementNameState{};
    for (int r = 0; r < CayleySearch::kRuleCount; ++r) search_.SetRuleEnabled(r, true);
    // 6.
    layoutGrid(false);
    resetTable();
    search_.ClearSolutions();
    setManualEntry(search_.ManualEntry());
}

void MainForm::setOrderCaption() { labelGroupOrder_->setText(QStringLiteral("Group order:  %1").arg(n())); }

void MainForm::showEvent(QShowEvent* e) {
    Panel::showEvent(e);
    fitFrameToScreen();
    if (n() > 1) QTimer::singleShot(0, this, [this] { focusCell(21); });
}

bool MainForm::event(QEvent* e) {
    // On every activation the cursor goes back to (2,2), except while a cell
    // that refused its text takes the focus back.
    if (e->type() == QEvent::WindowActivate && !refocusing_ && n() > 1) focusCell(21);
    return Panel::event(e);
}

void MainForm::resizeEvent(QResizeEvent* e) {
    Panel::resizeEvent(e);
    placeGridScroll();
}

void MainForm::fitFrameToScreen() {
    // The window with its frame stays on the screen; the grid scrolls instead.
    keepOnScreen();
}

void MainForm::placeGridScroll() {
    if (!grid_) return;
    const int top = TwipsToPx(kGridAreaTop);
    grid_->setGeometry(0, top, client()->width(), std::max(1, client()->height() - top));
}

void MainForm::closeEvent(QCloseEvent* e) {
    timer_->stop();
    Panel::closeEvent(e);
    // During a Trace off search the window closes at once; the worker stops.
    if (e->isAccepted()) QCoreApplication::quit();
}

// ---- grid ----------------------------------------------------------------------------------

void MainForm::layoutGrid(bool translate) {
    const bool manual = search_.ManualEntry();
    const grid::Geometry g = grid::ComputeGeometry(manual, names_.longestNameLength);
    std::array<QString, grid::kGridSize> headings;
    for (int k = 0; k < grid::kGridSize; ++k)
        headings[static_cast<std::size_t>(k)] =
            manual ? q(search_.ElementName(k + 1)) : q(CayleySearch::ElementCode(k + 1));
    for (int index = 0; index < CayleyGrid::kCellCount; ++index) {
        QLineEdit* c = cellAt(index);
        if (translate)
            c->setText(q(search_.TranslateName(c->text().toStdString())));
        else
            c->clear();
    }
    const auto [right, bottom] = grid_->arrange(g, n(), manual, headings, cellHint());
    setClientSizeTw(std::max(8300L, right), std::max(4300L, bottom));
    fitFrameToScreen();
    placeGridScroll();
}

void MainForm::showTable() {
    const int order = n();
    const bool manual = search_.ManualEntry();
    const bool reasons = search_.ReasonsStored();
    for (int i = 1; i <= order; ++i) {
        for (int j = 1; j <= order; ++j) {
            const int index = grid::CellIndex(i, j);
            if (reasons && search_.IsInference(i, j)) {
                const std::string w = search_.WorkText(i, j);
                grid_->showDeduced(index, q(manual ? search_.CodeToName(w) : w), q(search_.Reason(i, j)));
            } else {
                const std::string t = search_.TrialText(i, j);
                grid_->showPlain(index, q(manual ? search_.CodeToName(t) : t), cellHint());
            }
        }
    }
}

void MainForm::clearInferences() {
    search_.ClearInferences();
    grid_->clearDeduced(cellHint());
}

void MainForm::resetTable() {
    search_.ResetTable();
    showResetTable();
}

void MainForm::showResetTable() {
    clearInferences();
    showTable();
    cmdGetNext_->setEnabled(true);
    cmdCheck_->setEnabled(true);
    chkIncludeIsomorphisms_->setEnabled(true);
    mnuSetElementNames_->setEnabled(true);
}

void MainForm::setManualEntry(bool on) {
    search_.SetManualEntry(on);
    cmdCheck_->setDefault(on);
    cmdGetNext_->setDefault(!on);
}

void MainForm::focusCell(int index) {
    if (n() > 1) cellAt(index)->setFocus();
}

// ---- trace modes --------------------------------------------------------------------

void MainForm::setupTrace(const QString& modeName) {
    // The search running on the worker has its own copy of the table.
    if (inSearch_) traceChosen_ = modeName;
    for (const char* name : {"mnuTraceByStep", "mnuFastTrace", "mnuVeryFastTrace", "mnuTraceOff"})
        action(QString::fromLatin1(name))->setChecked(false);
    cmdGetNext_->setText(QStringLiteral("&Get Next Solution"));
    if (!search_.SetupTrace(modeName.toStdString())) return;
    if (modeName == QLatin1String("Trace by step")) {
        action(QStringLiteral("mnuTraceByStep"))->setChecked(true);
        cmdGetNext_->setText(QStringLiteral("&Get Next Step"));
    } else if (modeName == QLatin1String("Fast trace")) {
        action(QStringLiteral("mnuFastTrace"))->setChecked(true);
    } else if (modeName == QLatin1String("Very fast trace")) {
        action(QStringLiteral("mnuVeryFastTrace"))->setChecked(true);
    } else {
        action(QStringLiteral("mnuTraceOff"))->setChecked(true);
    }
    timer_->setInterval(search_.TimerIntervalMs());
}

// ---- the search ------------------------------------------------------------------------

void MainForm::getNextSolution() {
    if (inSearch_) return;
    if (!run_.Start()) {
        endOfSolutions();
        return;
    }
    if (run_.StartedNewSearch()) {
        setManualEntry(false);
        layoutGrid(false);
        showResetTable();
    } else {
        cmdGetNext_->setEnabled(false);
    }
    cmdCheck_->setEnabled(false);
    mnuSetElementNames_->setEnabled(false);
    chkIncludeIsomorphisms_->setEnabled(false);
    tick_.ClearStop();

    if (search_.CurrentTraceMode() == TraceMode::Timed) {
        timer_->start();
        cmdHalt_->show();
        return;
    }
    if (search_.CurrentTraceMode() == TraceMode::ByStep) {
        // One step, here.
        showOutcome(run_.Run(tick_));
        return;
    }
    // Trace off: the search goes on on a copy of the table and its solutions,
    // on the worker; what it found replaces them when it ends.
    struct Searched {
        std::shared_ptr<CayleySearch> search;
        SearchOutcome outcome = SearchOutcome::Halted;
        std::vector<std::pair<GroupPtr, std::string>> solutions;
    };
    class Collect : public SolutionRegistrar {
    public:
        explicit Collect(int manual) : manual_(manual) {}
        void RegisterSolution(const GroupPtr& group, const std::string& id) override { found.emplace_back(group, id); }
        int LastManualNumber() const override { return manual_; }
        void SetLastManualNumber(int number) override { manual_ = number; }
        std::vector<std::pair<GroupPtr, std::string>> found;

    private:
        int manual_;
    };
    inSearch_ = true;
    const bool started = runJob(
        QStringLiteral("processing . . ."),
        [search = std::make_shared<CayleySearch>(search_),
         manual = groupRegister().LastManualNumber()](Progress& progress) {
            Collect collect(manual);
            SearchRun run(*search, &collect);
            const SearchOutcome outcome = run.Run(progress);
            return Searched{search, outcome, std::move(collect.found)};
        },
        [this](Searched searched) {
            inSearch_ = false;
            search_ = std::move(*searched.search);
            for (const auto& [group, id] : searched.solutions) registrar_->RegisterSolution(group, id);
            // A trace mode chosen while the search ran applies from now on.
            if (traceChosen_) setupTrace(*std::exchange(traceChosen_, std::nullopt));
            showOutcome(searched.outcome);
        });
    if (!started) inSearch_ = false;
}

void MainForm::showOutcome(SearchOutcome outcome) {
    if (outcome == SearchOutcome::Incomplete) {
        // A step of a timed mode: its timer goes on.
        cmdHalt_->show();
        cmdHalt_->setEnabled(true);
        timer_->start();
        return;
    }
    if (outcome == SearchOutcome::Halted) tick_.ClearStop();
    if (outcome == SearchOutcome::Exhausted) {
        endOfSolutions();
        endProcessing();
        return;
    }
    endProcessing();
    showTable();
    showSolution(outcome);
}

void MainForm::showSolution(SearchOutcome outcome) {
    if (outcome == SearchOutcome::Refused) host().Message(search_.LastRecord().error);
    if (outcome == SearchOutcome::Solution || outcome == SearchOutcome::OverLimit || outcome == SearchOutcome::Refused)
        showAnalysis();
}

void MainForm::timerTick() {
    timer_->stop();
    const SearchOutcome outcome = run_.Tick(tick_);
    switch (outcome) {
        case SearchOutcome::Exhausted:
            endOfSolutions();
            return;
        case SearchOutcome::Halted:
            tick_.ClearStop();
            cmdGetNext_->setEnabled(true);
            return;
        case SearchOutcome::Incomplete:
        case SearchOutcome::Duplicate:
            showTable();
            timer_->start();
            return;
        default:
            // A solution, or a step of Trace by step chosen while the timer ran.
            showTable();
            endProcessing();
            tick_.ClearStop();
            showSolution(outcome);
            return;
    }
}

void MainForm::halt() {
    tick_.RequestStop();
    haltJob();
    cmdHalt_->hide();
    cmdCheck_->setDefault(true);
}

void MainForm::endProcessing() {
    labelProcessing_->hide();
    cmdHalt_->hide();
    if (!search_.ManualEntry()) cmdGetNext_->setEnabled(true);
}

void MainForm::endOfSolutions() {
    tick_.ClearStop();
    cmdHalt_->hide();
    if (search_.CurrentTraceMode() != TraceMode::ByStep) showTable();
    resetTable();
    const std::string question = "No more solutions found.\nDo you want to create a Summary View file?";
    if (host().AskYesNo(question, "End of Solutions"))
        writeSummaryView();
    else
        focusCell(21);
    run_.Restart();
    setManualEntry(true);
    layoutGrid(false);
    showResetTable();
}

void MainForm::writeSummaryView() {
    const QString proposed =
        QDir(QString::fromStdString(context().directory.string())).filePath(QStringLiteral("GroupSummary.html"));
    const QString path = saveFileDialog(QStringLiteral("Summary View"), QStringLiteral("*.html (*.html)"), proposed);
    if (path.isEmpty()) return;

    std::vector<SummarySolution> list;
    const int stored = std::min(search_.SolutionCount(), CayleySearch::kMaxSolutions);
    for (int slot = 1; slot <= stored; ++slot) list.push_back({search_.Solution(slot), search_.SolutionIsomorph(slot)});
    RunViewJob(*this, path, preferences().String(storage::kSummaryView),
               [order = n(), list, target = path.toStdString()](const ViewOptions& options) {
                   return WriteSummaryView(order, list, target, options);
               });
}

void MainForm::showAnalysis() {
    if (analysis_) analysis_->close();
    const int count = search_.SolutionCount();
    if (count > CayleySearch::kMaxSolutions) {
        // The solution was counted and registered but not stored.
        host().Message("Maximum of 100 solutions exceeded");
    } else if (count >= 1) {
        const GroupPtr& g = search_.Solution(count);
        if (analysisOpener_)
            analysis_ = analysisOpener_(*this, g);
        else
            analysis_ = ShowGroupGeneratedNotice(context(), *g);
    }
    run_.SolutionShown();
}

// ---- Check, Restart, order, names, rules -----------------------------------------------

void MainForm::check() {
    if (inSearch_) return;
    if (search_.ReasonsStored()) clearInferences();
    const CheckOutcome outcome = run_.Check([this](int i, int j) { return cell(i, j)->text().toStdString(); });
    for (const std::string& m : search_.TakeMessages()) host().Message(m);
    showTable();
    if (outcome == CheckOutcome::Conflict) {
        host().Message(search_.ConflictMessage());
    } else if (outcome == CheckOutcome::Complete) {
        if (!search_.LastRecord().error.empty()) host().Message(search_.LastRecord().error);
        showAnalysis();
    } else if (!noticeSuppressed_) {
        noticeSuppressed_ = ShowMessageNotice(context(), QStringLiteral("No errors found."));
    }
}

void MainForm::stopTimedRun() {
    if (!timer_->isActive()) return;
    timer_->stop();
    halt();
    // What the next tick would have done with the request.
    tick_.ClearStop();
    cmdGetNext_->setEnabled(true);
}

void MainForm::restart() {
    if (inSearch_) return;
    stopTimedRun();
    run_.Restart();
    setManualEntry(true);
    layoutGrid(false);
    showResetTable();
    focusCell(21);
}

void MainForm::changeGroupOrder() {
    if (inSearch_) return;
    stopTimedRun();
    const QString proposal = QString::fromStdString(preferences().String(storage::kGeneralDefaults).substr(0, 2));
    const QString prompt = QStringLiteral(
        "Enter desired order (i. e., number of elements) for group.  Must be in "
        "range 1-20.");
    while (true) {
        const std::optional<QString> answer = inputBox(prompt, QStringLiteral("Change Group Order"), proposal);
        if (!answer || answer->trimmed().isEmpty()) return;
        const std::optional<int> order = ParseTableOrder(answer->toStdString());
        if (order) {
            search_.SetSearchOrder(*order);
            break;
        }
        host().Message(kOrderMessage);
    }
    setOrderCaption();
    restart();
}

void MainForm::setElementNames() {
    if (inSearch_) return;
    {
        ElementNamesPanel panel(context(), search_, names_, this);
        runModal(panel);
    }
    setManualEntry(true);
    layoutGrid(true);
    focusCell(21);
    search_.ClearSolutions();
}

void MainForm::setOptimizingRules() {
    if (inSearch_) return;
    stopTimedRun();
    OptimizingRulesPanel panel(context(), search_, this);
    runModal(panel);
    if (panel.rulesChanged()) restart();
}

// ---- typing into the grid --------------------------------------------------------------

QString MainForm::cellHint() const {
    return cmdCheck_->isEnabled() ? QString() : QString::fromLatin1(kHintEnterByHand);
}

void MainForm::updateHint(QWidget* control) {
    const char* hint = control == cmdCheck_ ? kHintEnterByHand : control == cmdGetNext_ ? kHintSearch : kHintIsomorphs;
    control->setToolTip(control->isEnabled() ? QString() : QString::fromLatin1(hint));
    if (control != cmdCheck_) return;
    // Typing into the grid follows Check.
    grid_->setHint(cellHint());
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange &&
        (watched == cmdCheck_ || watched == cmdGetNext_ || watched == chkIncludeIsomorphisms_))
        updateHint(static_cast<QWidget*>(watched));
    return Panel::eventFilter(watched, event);
}

bool MainForm::cellKeyPress(int index, QKeyEvent* e) {
    const QString typed = e->text();
    const bool backspace = e->key() == Qt::Key_Backspace;
    const bool character = backspace || (!typed.isEmpty() && typed.at(0).isPrint());
    if (!character || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    if (!cmdCheck_->isEnabled()) return true;
    beginManualEdit();
    if (backspace || names_.customNamesInUse) return false;
    const std::optional<char> code = grid::FilterCodeKey(typed.at(0).toLatin1(), n());
    if (!code) return true;
    cellAt(index)->setText(QString(QChar::fromLatin1(*code)));
    focusCell(grid::NextCellIndex(index, n()));
    return true;
}

void MainForm::beginManualEdit() {
    setManualEntry(true);
    cmdGetNext_->setEnabled(false);
    cellEdited_ = true;
    if (search_.CurrentTraceMode() == TraceMode::ByStep) clearInferences();
}

void MainForm::cellFocusIn(int index) {
    QLineEdit* c = cellAt(index);
    grid_->unmark(index, cellHint());
    cellTextOnFocus_ = c->text();
    QTimer::singleShot(0, c, [c] { c->selectAll(); });
}

void MainForm::cellTextChanged(int index) {
    if (!(names_.customNamesInUse && search_.ManualEntry() && cellEdited_)) return;
    if (cellAt(index)->text().size() == names_.longestNameLength) focusCell(grid::NextCellIndex(index, n()));
}

void MainForm::cellFocusOut(int index) {
    if (!cellEdited_ || refocusing_) return;
    cellEdited_ = false;
    QLineEdit* c = cellAt(index);
    if (names_.customNamesInUse && search_.ManualEntry()) {
        const QString text = c->text().trimmed();
        if (!text.isEmpty()) {
            int found = 0;
            for (int k = 1; k <= n() && !found; ++k)
                if (QString::fromStdString(search_.ElementName(k)).compare(text, Qt::CaseInsensitive) == 0) found = k;
            if (!found) {
                host().Message("Invalid element.");
                refocusing_ = true;
                QTimer::singleShot(0, c, [this, c] {
                    c->setFocus();
                    refocusing_ = false;
                });
                cellEdited_ = true;
                return;
            }
            c->setText(q(search_.ElementName(found)));
        }
    }
    if (c->text() != cellTextOnFocus_) clearInferences();
}

}  // namespace quorix::gui
