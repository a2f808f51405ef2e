#pragma once
// dlgMainForm: the main window, where the search for all groups of order n
// runs. Its grid (CayleyGrid) shows the Cayley table; the search is stepped
// or run in one of four trace modes, a table can be typed and checked, and
// every other panel is reached through the menus.

#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "gui/common/panel.h"
#include "gui/search/cayley_grid.h"
#include "gui/search/element_names_panel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace quorix::gui {

class MainForm : public Panel {
    Q_OBJECT
public:
    explicit MainForm(AppContext& context, QWidget* parent = nullptr);
    ~MainForm() override;

    CayleySearch& search() { return search_; }
    QLineEdit* cell(int row, int column) const { return grid_->cell(row, column); }
    QLineEdit* cellAt(int index) const { return grid_->cellAt(index); }
    QTimer* timer() const { return timer_; }
    const ElementNameState& nameState() const { return names_; }
    bool noticeSuppressed() const { return noticeSuppressed_; }

    // The flows of the buttons and menus.
    void getNextSolution();
    void halt();
    void check();
    void restart();
    void changeGroupOrder();
    void setupTrace(const QString& modeName);
    void setElementNames();
    void setOptimizingRules();

    // Opens the panel that describes the newest solution and returns it (the
    // panel closes the one opened before it). Without an opener the
    // group-generated notice stands in.
    using AnalysisOpener = std::function<QWidget*(MainForm&, const GroupPtr&)>;
    void setAnalysisOpener(AnalysisOpener opener) { analysisOpener_ = std::move(opener); }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr long kGridAreaTop = 930;  // twips: the scrolled grid starts below the buttons
    void placeGridScroll();
    void fitFrameToScreen();
    void buildMenus();
    void buildControls();
    void load();
    void layoutGrid(bool translate);
    void resetTable();
    // The grid after the engine's ResetTable: no red cells, the table shown,
    // Get Next Solution, Check, the check box and Set Element Names enabled.
    void showResetTable();
    // After a run or tick: the refusal message, and the analysis of a solution.
    void showSolution(SearchOutcome outcome);
    void showTable();
    void clearInferences();
    void setManualEntry(bool on);
    void timerTick();
    void endOfSolutions();
    void endProcessing();
    // Stops a timer-driven run as Halt does, before a control changes the table.
    void stopTimedRun();
    void writeSummaryView();
    void showOutcome(SearchOutcome outcome);
    void showAnalysis();
    void focusCell(int index);
    void setOrderCaption();
    int n() const { return search_.SearchOrder(); }

    bool cellKeyPress(int index, QKeyEvent* e);
    void beginManualEdit();
    // The tool tip of a cell that shows no reason: why typing is refused, if it is.
    QString cellHint() const;
    void updateHint(QWidget* control);
    void cellFocusIn(int index);
    void cellFocusOut(int index);
    void cellTextChanged(int index);

    CayleySearch search_;
    std::unique_ptr<SolutionRegistrar> registrar_;
    SearchRun run_;
    AnalysisOpener analysisOpener_;
    ElementNameState names_;
    CayleyGrid* grid_ = nullptr;
    QLabel* labelGroupOrder_ = nullptr;
    QLabel* labelProcessing_ = nullptr;
    QPushButton* cmdGetNext_ = nullptr;
    QPushButton* cmdCheck_ = nullptr;
    QPushButton* cmdRefresh_ = nullptr;
    QPushButton* cmdHalt_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QCheckBox* chkIncludeIsomorphisms_ = nullptr;
    QTimer* timer_ = nullptr;
    QAction* mnuSetElementNames_ = nullptr;

    QPointer<QWidget> analysis_;  // the panel showing the newest solution
    bool cellEdited_ = false;
    QString cellTextOnFocus_;
    bool noticeSuppressed_ = false;
    bool refocusing_ = false;
    // A Trace off search runs on the worker (on a copy of search_): handlers
    // that would reset the table wait for it; a trace mode chosen meanwhile
    // is set up when it ends.
    bool inSearch_ = false;
    std::optional<QString> traceChosen_;
    // The stop of the timed modes' ticks (and of Trace by step's step).
    Progress tick_;
};

}  // namespace quorix::gui
