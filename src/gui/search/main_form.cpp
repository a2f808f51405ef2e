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
#include <QTimer>

#include "core/compare/structure.h"
#include "core/host/host.h"
#include "core/report/html.h"
#include "core/report/views.h"
#include "core/storage/preferences.h"
#include "gui/common/app_context.h"
#include "gui/common/browser_panel.h"
#include "gui/common/dialogs.h"
#include "gui/common/gui_state.h"
#include "gui/search/grid_rules.h"
#include "gui/search/optimizing_rules_panel.h"
#include "gui/storage/delete_list_panel.h"
#include "gui/storage/group_list_panel.h"
#include "gui/storage/notice_panel.h"
#include "gui/storage/preferences_panel.h"

namespace quorix::gui {

namespace {

// Solutions of the search go into the program's register.
class RegisterSolutions : public SolutionRegistrar {
public:
    void registerSolution(const GroupPtr& group, const std::string& id) override {
        try {
            groupRegister().RegisterGroup(group, id);
        } catch (const std::exception& e) {
            host().message(e.what());
        }
    }
    int lastManualNumber() const override { return groupRegister().LastManualNumber(); }
    void setLastManualNumber(int number) override { groupRegister().SetLastManualNumber(number); }
};

RegisterSolutions& registrar() {
    static RegisterSolutions r;
    return r;
}

const QColor kDeducedColor(255, 0, 0);

void setCellColor(QLineEdit* cell, bool red) {
    QPalette pal = cell->palette();
    pal.setColor(QPalette::Text, red ? kDeducedColor : QColor(Qt::black));
    cell->setPalette(pal);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainForm::MainForm(QWidget* parent)
    : Panel(QStringLiteral("dlgMainForm"), QStringLiteral("QUORIX - Finite Group Workbench"), parent) {
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { timerTick(); });
    buildMenus();
    buildControls();
    load();
}

MainForm::~MainForm() = default;

QLineEdit* MainForm::cell(int row, int column) const { return cellAt(grid::CellIndex(row, column)); }

// ---- construction -------------------------------------------------------------------

void MainForm::buildMenus() {
    auto named = [](QMenu* m, const char* name, const char* caption) {
        QAction* a = m->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto unavailable = [](QAction* a) {
        a->setEnabled(false);
        a->setToolTip(QStringLiteral("Not available in this version."));
    };
    auto deleteEntries = [&](QMenu* m, const char* suffix) {
        QAction* all = named(m, (std::string("mnuDeleteAllGroups") + suffix).c_str(), "Delete All Groups...");
        connect(all, &QAction::triggered, this, [] {
            storage::GroupRegister& reg = groupRegister();
            if (!host().askYesNo(storage::DeleteAllQuestion(reg.Autosave()), storage::kDeletionTitle)) return;
            try {
                if (reg.DeleteAllGroups()) host().message(storage::kBackupMessage);
                host().message(storage::kAllDeletedMessage);
            } catch (const std::exception& e) {
                host().message(e.what());
            }
        });
        QAction* sel =
            named(m, (std::string("mnuDeleteSelectedGroups") + suffix).c_str(), "Delete Selected Groups...");
        connect(sel, &QAction::triggered, this, [] { OpenDeleteList(); });
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
    connect(named(options, "mnuChangeGroupOrder", "Change Group Order..."), &QAction::triggered, this,
            [this] { changeGroupOrder(); });
    mnuSetElementNames_ = named(options, "mnuSetElementNames", "Set Element Names...");
    connect(mnuSetElementNames_, &QAction::triggered, this, [this] { setElementNames(); });
    connect(named(options, "mnuSetOptimizingRules", "Set &Optimizing Rules..."), &QAction::triggered, this,
            [this] { setOptimizingRules(); });

    QMenu* special = menuBar()->addMenu(QStringLiteral("Special Groups"));
    special->setObjectName(QStringLiteral("mnuSpecialGroups"));
    special->setToolTipsVisible(true);
    unavailable(named(special, "mnuSymmetricGroups", "&Symmetric Groups..."));
    unavailable(named(special, "mnuAlternatingGroups", "Alternating Groups..."));
    unavailable(named(special, "mnuPermutationGroups", "&Other Permutation Groups..."));
    unavailable(named(special, "mnuAdditiveGroups", "Additive Integer Groups Modulo n..."));
    unavailable(named(special, "mnuMultiplicativeGroups", "&Multiplicative Integer Groups Modulo n..."));
    unavailable(named(special, "mnuDirectProducts", "&Direct Product Groups..."));
    unavailable(named(special, "mnuAutomorphismGroups", "Automorphism Groups..."));

    addPreferencesMenu();

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Analysis Tools"));
    tools->setObjectName(QStringLiteral("mnuAnalysisTools"));
    tools->setToolTipsVisible(true);
    connect(named(tools, "mnuListGeneratedGroups", "&List Generated Groups..."), &QAction::triggered, this,
            [] { OpenGroupList(); });
    unavailable(named(tools, "mnuCompareGroups", "Compare Groups..."));
    unavailable(named(tools, "mnuSubgroups", "&Subgroups..."));
    unavailable(named(tools, "mnuConjugacyClasses", "Conjugacy Classes..."));
    unavailable(named(tools, "mnuCompositionSeries", "&Composition Series..."));
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
    connect(chkIncludeIsomorphisms_, &QCheckBox::toggled, this,
            [this](bool on) { search_.setIncludeIsomorphs(on); });

    cmdGetNext_ = addButton(QStringLiteral("cmdGetNextSolution"), QStringLiteral("&Get Next Solution"), 480, 540, 2100);
    cmdCheck_ = addButton(QStringLiteral("cmdCheck"), QStringLiteral("&Check"), 2700, 540, 1200);
    cmdRefresh_ = addButton(QStringLiteral("cmdRefresh"), QStringLiteral("&Restart"), 4020, 540, 1200);
    cmdHalt_ = addButton(QStringLiteral("cmdHalt"), QStringLiteral("&Halt"), 5340, 540, 1200);
    cmdExit_ = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 6660, 540, 1200);
    cmdHalt_->hide();
    connect(cmdGetNext_, &QPushButton::clicked, this, [this] { getNextSolution(); });
    connect(cmdCheck_, &QPushButton::clicked, this, [this] { check(); });
    connect(cmdRefresh_, &QPushButton::clicked, this, [this] { restart(); });
    connect(cmdHalt_, &QPushButton::clicked, this, [this] { halt(); });
    connect(cmdExit_, &QPushButton::clicked, this, [] { exitApplication(); });

    for (int k = 0; k < 20; ++k) {
        auto* r = addLabel(QStringLiteral("labelRow_%1").arg(k), QString(), 0, 0, 400, 300);
        r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->setWordWrap(false);
        rowLabels_[static_cast<std::size_t>(k)] = r;
        auto* c = addLabel(QStringLiteral("labelColumn_%1").arg(k), QString(), 0, 0, 615, 300);
        c->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        c->setWordWrap(false);
        columnLabels_[static_cast<std::size_t>(k)] = c;
    }
    for (int index = 0; index < 400; ++index) {
        auto* cell = addControl<QLineEdit>(QStringLiteral("Text1_%1").arg(index), 0, 0, 615, grid::kCellHeight);
        cell->setAlignment(Qt::AlignCenter);
        cell->installEventFilter(this);
        cell->hide();
        connect(cell, &QLineEdit::textEdited, this, [this, index] { cellTextChanged(index); });
        cells_[static_cast<std::size_t>(index)] = cell;
    }
    // Row 1 and column 1 hold the identity's row and column.
    for (int k = 0; k < 20; ++k) {
        for (QLineEdit* fixed : {cell(1, k + 1), cell(k + 1, 1)}) {
            fixed->setReadOnly(true);
            fixed->setFocusPolicy(Qt::NoFocus);
            fixed->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
        }
    }
    labelProcessing_ = addLabel(QStringLiteral("labelProcessing"), QStringLiteral("processing . . ."), 2400, 1500,
                                4500, 500);
    labelProcessing_->setAlignment(Qt::AlignCenter);
    labelProcessing_->setFrameShape(QFrame::Box);
    labelProcessing_->setAutoFillBackground(true);
    labelProcessing_->hide();
}

// ---- start-up ------------------------------------------------------------------------

void MainForm::load() {
    AppContext& ctx = appContext();
    // 1. Preferences and the start-up defaults.
    ctx.preferences.Load(ctx.directory);
    const storage::StartupSettings st = ctx.preferences.DecodeStartup();
    search_.setSearchOrder(st.searchOrder);
    if (st.trace) setupTrace(QString::fromLatin1(storage::TraceOptionName(*st.trace)));
    {
        const QSignalBlocker block(chkIncludeIsomorphisms_);
        chkIncludeIsomorphisms_->setChecked(st.includeIsomorphs);
    }
    search_.setIncludeIsomorphs(st.includeIsomorphs);
    guiState().scrollingEnabled = st.scrollingEnabled;
    guiState().savedScrolling = st.scrollingEnabled;
    // 2. The register.
    search_.setManualSolutionCount(0);
    ctx.groups->SetAutosave(st.autosave);
    try {
        for (const std::string& text : ctx.groups->LoadGroupRegister().Messages()) host().message(text);
    } catch (const std::exception& e) {
        host().message(e.what());
    }
    // 3. Flags.
    host().setHaltRequested(false);
    cellEdited_ = false;
    noticeSuppressed_ = false;
    // 4.
    setOrderCaption();
    // 5. Codes and names, all rules on.
    std::array<std::string, CayleySearch::kSize> codes{};
    for (int k = 1; k <= CayleySearch::kMaxOrder; ++k) codes[static_cast<std::size_t>(k)] = CayleySearch::elementCode(k);
    search_.setElementNames(codes);
    search_.setElementNames(codes);   // prior names too
    names_ = ElementNameState{};
    for (int r = 0; r < CayleySearch::kRuleCount; ++r) search_.setRuleEnabled(r, true);
    // 6.
    layoutGrid(false);
    resetTable();
    search_.clearSolutions();
    setManualEntry(search_.manualEntry());
}

void MainForm::setOrderCaption() { labelGroupOrder_->setText(QStringLiteral("Group order:  %1").arg(n())); }

void MainForm::showEvent(QShowEvent* e) {
    Panel::showEvent(e);
    if (n() > 1) QTimer::singleShot(0, this, [this] { focusCell(21); });
}

void MainForm::closeEvent(QCloseEvent* e) {
    timer_->stop();
    Panel::closeEvent(e);
    QCoreApplication::quit();
}

// ---- grid ----------------------------------------------------------------------------------

void MainForm::layoutGrid(bool translate) {
    const bool manual = search_.manualEntry();
    const grid::Geometry g = grid::ComputeGeometry(manual, names_.longestNameLength);
    const int order = n();
    for (int i = 1; i <= grid::kGridSize; ++i) {
        for (int j = 1; j <= grid::kGridSize; ++j) {
            QLineEdit* c = cell(i, j);
            const int index = grid::CellIndex(i, j);
            placeTw(c, grid::CellLeft(g, j), grid::CellTop(i), g.cellWidth, grid::kCellHeight);
            c->setMaxLength(manual && g.maxLength == 0 ? 32767 : g.maxLength);
            if (translate)
                c->setText(q(search_.translateName(c->text().toStdString())));
            else
                c->clear();
            red_[static_cast<std::size_t>(index)] = false;
            setCellColor(c, false);
            c->setToolTip(QString());
            c->setVisible(i <= order && j <= order);
        }
    }
    for (int k = 0; k < grid::kGridSize; ++k) {
        QLabel* r = rowLabels_[static_cast<std::size_t>(k)];
        QLabel* c = columnLabels_[static_cast<std::size_t>(k)];
        const QString name = manual ? q(search_.elementName(k + 1)) : q(CayleySearch::elementCode(k + 1));
        r->setText(name);
        c->setText(name);
        placeTw(r, 0, grid::CellTop(k + 1), g.firstColumn - 120, grid::kCellHeight);
        placeTw(c, grid::CellLeft(g, k + 1), grid::kGridTop - grid::kRowPitch, g.cellWidth, grid::kCellHeight);
        r->setVisible(k < order);
        c->setVisible(k < order);
    }
    const long right = grid::CellLeft(g, order) + g.cellWidth + 480;
    const long bottom = grid::CellTop(order) + grid::kCellHeight + 480;
    setClientSizeTw(std::max(8300L, right), std::max(4300L, bottom));
}

void MainForm::showTable() {
    const int order = n();
    const bool manual = search_.manualEntry();
    const bool reasons = search_.reasonsStored();
    for (int i = 1; i <= order; ++i) {
        for (int j = 1; j <= order; ++j) {
            QLineEdit* c = cell(i, j);
            const auto index = static_cast<std::size_t>(grid::CellIndex(i, j));
            if (reasons && search_.isInference(i, j)) {
                const std::string w = search_.workText(i, j);
                c->setText(q(manual ? search_.codeToName(w) : w));
                setCellColor(c, true);
                c->setToolTip(q(search_.reason(i, j)));
                red_[index] = true;
            } else {
                const std::string t = search_.trialText(i, j);
                c->setText(q(manual ? search_.codeToName(t) : t));
                if (red_[index]) {
                    setCellColor(c, false);
                    c->setToolTip(QString());
                    red_[index] = false;
                }
            }
        }
    }
}

void MainForm::clearInferences() {
    search_.clearInferences();
    for (int index = 0; index < 400; ++index) {
        if (!red_[static_cast<std::size_t>(index)]) continue;
        QLineEdit* c = cellAt(index);
        c->clear();
        setCellColor(c, false);
        c->setToolTip(QString());
        red_[static_cast<std::size_t>(index)] = false;
    }
}

void MainForm::resetTable() {
    search_.resetTable();
    clearInferences();
    showTable();
    cmdGetNext_->setEnabled(true);
    cmdCheck_->setEnabled(true);
    chkIncludeIsomorphisms_->setEnabled(true);
    mnuSetElementNames_->setEnabled(true);
}

void MainForm::setManualEntry(bool on) {
    search_.setManualEntry(on);
    cmdCheck_->setDefault(on);
    cmdGetNext_->setDefault(!on);
}

void MainForm::focusCell(int index) {
    if (n() > 1) cellAt(index)->setFocus();
}

// ---- trace modes --------------------------------------------------------------------

void MainForm::setupTrace(const QString& modeName) {
    if (inSearch_) {
        // The mode in force keeps its check mark until the run ends.
        for (const char* name : {"mnuTraceByStep", "mnuFastTrace", "mnuVeryFastTrace", "mnuTraceOff"})
            action(QString::fromLatin1(name))->setChecked(false);
        action(QStringLiteral("mnuTraceOff"))->setChecked(true);
        return;
    }
    for (const char* name : {"mnuTraceByStep", "mnuFastTrace", "mnuVeryFastTrace", "mnuTraceOff"})
        action(QString::fromLatin1(name))->setChecked(false);
    cmdGetNext_->setText(QStringLiteral("&Get Next Solution"));
    if (!search_.setupTrace(modeName.toStdString())) return;
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
    timer_->setInterval(search_.timerIntervalMs());
}

// ---- the search ------------------------------------------------------------------------

void MainForm::getNextSolution() {
    if (inSearch_) return;
    if (search_.allSolutionsFound()) {
        search_.setStepReady(false);
        endOfSolutions();
        return;
    }
    if (search_.manualEntry()) {
        setManualEntry(false);
        layoutGrid(false);
        resetTable();
        search_.clearSolutions();
    } else {
        cmdGetNext_->setEnabled(false);
    }
    cmdCheck_->setEnabled(false);
    mnuSetElementNames_->setEnabled(false);
    chkIncludeIsomorphisms_->setEnabled(false);
    search_.prepareContinue();
    stop_ = false;

    const int mode = search_.traceMode();
    if (mode == kTraceTimed) {
        timer_->start();
        cmdHalt_->show();
        return;
    }
    if (mode == kTraceOff) {
        cmdHalt_->show();
        search_.setYieldCounter(0);
        labelProcessing_->show();
        labelProcessing_->raise();
        repaint();
    }
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(inSearch_);
    while (!stop_ && !(mode == kTraceOff && host().haltRequested())) {
        search_.findNext();
        if (!search_.stepReady()) {
            endOfSolutions();
            endProcessing();
            host().setHaltRequested(false);
            return;
        }
        afterStep();
    }
    endProcessing();
    host().setHaltRequested(false);
    if (stop_ && !(mode == kTraceByStep && !search_.complete())) {
        if (mode == kTraceOff) showTable();
        showAnalysis();
    }
}

void MainForm::afterStep() {
    if (!(search_.traceMode() == kTraceOff && !host().haltRequested())) showTable();
    if (search_.complete()) {
        const RecordResult r = search_.recordSolution(&registrar());
        if (r.isomorphIndex > 0 && !search_.includeIsomorphs()) {
            search_.prepareContinue();
            return;
        }
    } else if (search_.traceMode() != kTraceByStep) {
        return;
    }
    stop_ = true;
}

void MainForm::timerTick() {
    timer_->stop();
    bool ended = false;
    if (!stop_ && !host().haltRequested()) {
        search_.findNext();
        if (!search_.stepReady()) {
            endOfSolutions();
            ended = true;
        } else {
            afterStep();
        }
    }
    if (ended) return;
    if (!stop_ || !search_.complete()) {
        if (host().haltRequested()) {
            host().setHaltRequested(false);
            cmdGetNext_->setEnabled(true);
        } else {
            timer_->start();
        }
    } else {
        endProcessing();
        host().setHaltRequested(false);
        showAnalysis();
    }
}

void MainForm::halt() {
    host().setHaltRequested(true);
    cmdHalt_->hide();
    cmdCheck_->setDefault(true);
}

void MainForm::endProcessing() {
    labelProcessing_->hide();
    cmdHalt_->hide();
    if (!search_.manualEntry()) cmdGetNext_->setEnabled(true);
}

void MainForm::endOfSolutions() {
    host().setHaltRequested(false);
    cmdHalt_->hide();
    if (search_.traceMode() == kTraceTimed || search_.traceMode() == kTraceOff) showTable();
    if (search_.stepReady()) return;
    resetTable();
    const std::string question = "No more solutions found.\nDo you want to create a Summary View file?";
    if (host().askYesNo(question, "End of Solutions"))
        writeSummaryView();
    else
        focusCell(21);
    setManualEntry(true);
    layoutGrid(false);
    resetTable();
    search_.clearSolutions();
}

void MainForm::writeSummaryView() {
    const QString proposed =
        QDir(QString::fromStdString(appContext().directory.string())).filePath(QStringLiteral("GroupSummary.html"));
    const QString path = saveFileDialog(QStringLiteral("Summary View"), QStringLiteral("*.html (*.html)"), proposed);
    if (path.isEmpty()) return;

    ViewOptions options;
    options.components = preferences().String(storage::kSummaryView);
    options.registrar = storage::RegistrarOf(groupRegister(), [](const std::string& text) { host().message(text); });
    options.analysis = &EngineStructure();
    std::vector<SummarySolution> list;
    const int stored = std::min(search_.solutionCount(), CayleySearch::kMaxSolutions);
    for (int slot = 1; slot <= stored; ++slot) list.push_back({search_.solution(slot), search_.solutionIsomorph(slot)});

    labelProcessing_->setText(QStringLiteral("processing . . ."));
    labelProcessing_->show();
    labelProcessing_->raise();
    repaint();
    bool complete = true;
    try {
        complete = WriteSummaryView(n(), list, path.toStdString(), options);
    } catch (const std::exception& e) {
        host().message(e.what());
    }
    labelProcessing_->hide();
    if (!complete) {
        host().setHaltRequested(false);
        host().message(kViewHaltedMessage);
    }
    auto* browser = new BrowserPanel(BrowserPanel::Kind::View, path, QString::fromStdString(CurrentAnchor()));
    ClearAnchor();
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->show();
}

void MainForm::showAnalysis() {
    if (analysis_) analysis_->close();
    const int count = search_.solutionCount();
    if (count >= 1 && count <= CayleySearch::kMaxSolutions) {
        const GroupPtr& g = search_.solution(count);
        if (analysisOpener())
            analysis_ = analysisOpener()(*this, g);
        else
            analysis_ = ShowGroupGeneratedNotice(*g);
    }
    search_.noteSolutionRules();
}

MainForm::AnalysisOpener& MainForm::analysisOpener() {
    static AnalysisOpener opener;
    return opener;
}

// ---- Check, Restart, order, names, rules -----------------------------------------------

void MainForm::check() {
    if (inSearch_) return;
    if (search_.reasonsStored()) clearInferences();
    search_.readGrid([this](int i, int j) { return cell(i, j)->text().toStdString(); });
    search_.fillTable();
    showTable();
    if (search_.conflictFound()) {
        host().message(search_.conflictMessage());
    } else if (search_.complete()) {
        search_.recordSolution(&registrar());
        showAnalysis();
    } else if (!noticeSuppressed_) {
        noticeSuppressed_ = ShowMessageNotice(QStringLiteral("No errors found."));
    }
}

void MainForm::restart() {
    if (inSearch_) return;
    setManualEntry(true);
    layoutGrid(false);
    resetTable();
    focusCell(21);
    search_.clearSolutions();
}

void MainForm::changeGroupOrder() {
    if (inSearch_) return;
    const QString proposal = QString::fromStdString(preferences().String(storage::kGeneralDefaults).substr(0, 2));
    const QString prompt = QStringLiteral("Enter desired order (i. e., number of elements) for group.  Must be in "
                                          "range 1-20.");
    while (true) {
        const std::optional<QString> answer = inputBox(prompt, QStringLiteral("Change Group Order"), proposal);
        if (!answer || answer->trimmed().isEmpty()) return;
        const std::optional<int> order = grid::ParseOrderAnswer(answer->toStdString().c_str());
        if (order) {
            search_.setSearchOrder(*order);
            break;
        }
        host().message("Order must be an integer from 1 to 20.");
    }
    setOrderCaption();
    restart();
}

void MainForm::setElementNames() {
    if (inSearch_) return;
    {
        ElementNamesPanel panel(search_, names_, this);
        runModal(panel);
    }
    setManualEntry(true);
    layoutGrid(true);
    focusCell(21);
    search_.clearSolutions();
}

void MainForm::setOptimizingRules() {
    if (inSearch_) return;
    OptimizingRulesPanel panel(search_, this);
    runModal(panel);
    if (panel.rulesChanged()) restart();
}

// ---- typing into the grid --------------------------------------------------------------

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    auto* c = qobject_cast<QLineEdit*>(watched);
    if (!c) return Panel::eventFilter(watched, event);
    const auto it = std::find(cells_.begin(), cells_.end(), c);
    if (it == cells_.end()) return Panel::eventFilter(watched, event);
    const int index = static_cast<int>(it - cells_.begin());
    switch (event->type()) {
        case QEvent::KeyPress: return cellKeyPress(index, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn: cellFocusIn(index); break;
        case QEvent::FocusOut: cellFocusOut(index); break;
        default: break;
    }
    return Panel::eventFilter(watched, event);
}

bool MainForm::cellKeyPress(int index, QKeyEvent* e) {
    const QString typed = e->text();
    const bool backspace = e->key() == Qt::Key_Backspace;
    const bool character = backspace || (!typed.isEmpty() && typed.at(0).isPrint());
    if (!character || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    if (!cmdCheck_->isEnabled()) return true;
    setManualEntry(true);
    cmdGetNext_->setEnabled(false);
    cellEdited_ = true;
    if (search_.traceMode() == kTraceByStep) clearInferences();
    if (backspace || names_.customNamesInUse) return false;
    const std::optional<char> code = grid::FilterCodeKey(typed.at(0).toLatin1(), n());
    if (!code) return true;
    cellAt(index)->setText(QString(QChar::fromLatin1(*code)));
    focusCell(grid::NextCellIndex(index, n()));
    return true;
}

void MainForm::cellFocusIn(int index) {
    QLineEdit* c = cellAt(index);
    if (red_[static_cast<std::size_t>(index)]) {
        setCellColor(c, false);
        c->setToolTip(QString());
        red_[static_cast<std::size_t>(index)] = false;
    }
    cellTextOnFocus_ = c->text();
    QTimer::singleShot(0, c, [c] { c->selectAll(); });
}

void MainForm::cellTextChanged(int index) {
    if (!(names_.customNamesInUse && search_.manualEntry() && cellEdited_)) return;
    if (cellAt(index)->text().size() == names_.longestNameLength) focusCell(grid::NextCellIndex(index, n()));
}

bool MainForm::cellFocusOut(int index) {
    if (!cellEdited_ || refocusing_) return true;
    cellEdited_ = false;
    QLineEdit* c = cellAt(index);
    if (names_.customNamesInUse && search_.manualEntry()) {
        const QString text = c->text().trimmed();
        if (!text.isEmpty()) {
            int found = 0;
            for (int k = 1; k <= n() && !found; ++k)
                if (QString::fromStdString(search_.elementName(k)).compare(text, Qt::CaseInsensitive) == 0) found = k;
            if (!found) {
                host().message("Invalid element.");
                refocusing_ = true;
                QTimer::singleShot(0, c, [this, c] {
                    c->setFocus();
                    refocusing_ = false;
                });
                cellEdited_ = true;
                return false;
            }
            c->setText(q(search_.elementName(found)));
        }
    }
    if (c->text() != cellTextOnFocus_) clearInferences();
    return true;
}

}  // namespace quorix::gui
