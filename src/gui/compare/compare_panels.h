#pragma once
// The comparison of two groups (isomorphism, homomorphism onto the smaller,
// isomorphic subgroups), the three mapping displays and the automorphism
// group analyzer.
//
// A mapping display gets its groups and mapping as its input when it opens:
//   dlgShowIsomorphism  : group, other (equal orders; above order 20 also
//                         mapping, the images joined by commas)
//   dlgShowHomomorphism : group (source), other (target), mapping
//   dlgShowAutomorphism : group and mapping (the automorphism's code)

#include <QPointer>
#include <string>
#include <vector>

#include "core/compare/automorphisms.h"
#include "core/compare/comparison.h"
#include "gui/common/panel.h"
#include "gui/display/cayley_table.h"

class QAction;
class QCheckBox;
class QPushButton;

namespace quorix::gui {

class PanelRegistry;
class PictureBox;

// dlgCompareGroups.
class CompareGroupsPanel : public Panel {
    Q_OBJECT
public:
    explicit CompareGroupsPanel(AppContext& context, QWidget* parent = nullptr);

    // Puts a register group into slot 1 or 2 (as the chooser would) and runs
    // the comparison when both are filled.
    void setSlot(int slot, int position);
    void restart();
    void setOriginalNames(bool original);
    bool originalNames() const { return original_; }
    const GroupPtr& slot(int slot) const { return slots_[slot - 1]; }
    const ComparisonResult& result() const { return result_; }
    // cmdShowIsomorphism_0..10 and cmdShowHomomorphism.
    QPushButton* isomorphismButton(int index) const { return cmdShowIsomorphism_[index]; }
    QPushButton* homomorphismButton() const { return cmdShowHomomorphism_; }
    // Resumes the homomorphism search after the mapping shown, as the
    // panel's job: at its end the next mapping is shown, or (the Next button
    // hidden) the user told there is none. False when there was nothing to
    // resume or a job already runs.
    bool nextHomomorphism();

private:
    void layoutHeader();
    void printTitle();
    void compare();
    void showComparison(const std::string& note);
    bool showNextHomomorphism(bool found, bool halted, const std::string& text);
    void redisplay();
    void chooseSlot(int index);
    void showIsomorphism(int index);
    void showHomomorphism();
    void syncMenus();

    GroupPtr slots_[2];
    bool original_ = true;
    ComparisonResult result_;
    // The comparison's search, whose mapping text the displays show.
    SharedHomomorphism homomorphism_;
    // The resumable search behind Next Homomorphism, apart from the
    // comparison's, which each comparison restarts.
    SharedHomomorphism next_;
    bool nextStarted_ = false;
    int homomorphismsShown_ = 1;
    QPushButton* cmdChooseGroup_[2] = {};
    QPushButton* cmdShowIsomorphism_[kMaxIsomorphicSubgroupsShown + 1] = {};
    QPushButton* cmdShowHomomorphism_ = nullptr;
    QPushButton* cmdNextHomomorphism_ = nullptr;
    QPushButton* cmdRestart_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QAction* mnuOriginal_ = nullptr;
    QAction* mnuReductive_ = nullptr;
};

// dlgShowIsomorphism, dlgShowHomomorphism and dlgShowAutomorphism.
class MappingPanel : public Panel {
    Q_OBJECT
public:
    enum class Kind { Isomorphism, Homomorphism, Automorphism };
    // input: group (the first group; the automorphism's group), other (the
    // second group), mapping (the images joined by commas; the
    // automorphism's code).
    MappingPanel(AppContext& context, Kind kind, const PanelInput& input, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    void setTableFormat(TableFormat format);
    // Name mode of group 1 or 2 (the automorphism panel has only group 1).
    void setOriginalNames(int group, bool original);
    bool originalNames(int group) const { return original_[group - 1]; }
    // Images (source indices of group 2) of group 1's elements; slot 0 unused,
    // empty when nothing could be shown.
    const std::vector<int>& images() const { return images_; }
    const GroupPtr& group(int index) const { return groups_[index - 1]; }
    const TableCalculator& calculator(int index) const { return calc_[index - 1]; }
    // Colours of both tables; coset blocks of group 1's table (positions of
    // group 1; an empty set: its own order).
    void setColours(bool on);
    void setOrganiseBy(const ElementSet& subgroup);
    const TableStyle& tableStyle() const { return style_; }

private:
    void build();
    void copyLatex();
    // The style of table `index` (1 or 2) as drawn now.
    TableStyle styleOf(int index) const;
    void readInputs();
    void syncMenus();
    void calculatorClicked(int index);
    int tableCount() const { return kind_ == Kind::Automorphism ? 1 : 2; }

    Kind kind_;
    PanelInput input_;
    GroupPtr groups_[2];
    std::string code_;
    std::vector<int> images_;
    TableFormat format_ = TableFormat::Default;
    bool original_[2] = {true, true};
    TableCalculator calc_[2];
    TableStyle style_;
    GroupPtr organised_;  // the group style_.organiseBy belongs to
    TableMenu tableMenu_;
    QPushButton* cmdOK_ = nullptr;
    QAction* mnuOriginal_[2] = {};
    QAction* mnuReductive_[2] = {};
};

// dlgAutomorphismGroups.
class AutomorphismGroupsPanel : public Panel {
    Q_OBJECT
public:
    explicit AutomorphismGroupsPanel(AppContext& context, QWidget* parent = nullptr);

    // Takes the register group at `position` (as the chooser would); false
    // when it was refused (order 16 or more).
    bool setGroup(int position);
    const GroupPtr& group() const { return group_; }
    const AutomorphismList& list() const { return list_; }
    // The Show Automorphism buttons shown, in print order, tagged with the code.
    const std::vector<QPushButton*>& showButtons() const { return shown_; }
    // Builds and registers Aut(G) or Inn(G); null when there is nothing to build.
    GroupPtr generate(AutomorphismKind kind);

private:
    void printHeader();
    void printList();
    void printAutomorphism(const std::string& code);
    QPushButton* showButton(int index);
    void showAutomorphism(const QString& code);

    GroupPtr group_;
    AutomorphismList list_;
    std::vector<QPushButton*> buttons_;  // created on demand, reused
    std::vector<QPushButton*> shown_;
    QPushButton* cmdChooseGroup_ = nullptr;
    QPushButton* cmdGenerateAuto_ = nullptr;
    QPushButton* cmdGenerateInner_ = nullptr;
    QCheckBox* chkCreateAutoView_ = nullptr;
    QCheckBox* chkCreateInnerView_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
};

// An automorphism in two-row form at the print position: "(" and ")" at 1.8
// times the font size around the symbol row with the code under it; x ends
// after the ")".
void PrintAutomorphismCode(PictureBox& box, const std::string& code);

// Registers the comparison, mapping and automorphism panels.
void RegisterComparePanels(PanelRegistry& registry);

}  // namespace quorix::gui
