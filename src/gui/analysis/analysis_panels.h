#pragma once
// The structure-analysis panels: subgroups, quotient, composition series,
// conjugacy classes of elements and of subgroups.

#include <memory>
#include <vector>

#include "core/analysis/composition_series.h"
#include "core/analysis/conjugacy_classes.h"
#include "core/display/panel_text.h"
#include "core/analysis/quotient.h"
#include "core/analysis/subgroups.h"
#include "gui/analysis/structure_panel.h"

class QComboBox;
class QListWidget;

namespace quorix::gui {

class PanelRegistry;
class PartialResultNote;
class TextPager;

// dlgSubgroups: the sorted subgroup list with normality, centre and
// commutator notes, the quotient buttons, the subgroup-class button and the
// centralizer and normalizer calculators.
class SubgroupsPanel : public StructurePanel {
    Q_OBJECT
public:
    SubgroupsPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    bool halted() const { return halted_; }
    bool partial() const { return partial_; }
    const std::vector<GroupPtr>& subgroups() const { return subgroups_; }
    // Lists the chosen group again without the panel's limit.
    void showAllSubgroups();

protected:
    void analyse() override;
    std::vector<std::string> lines(bool originalNames) override;
    void drawMore(bool originalNames) override;
    std::string emptyFormText() const override { return analysis_text::kSubgroupsEmptyForm; }

private:
    const std::vector<analysis_text::SubgroupRow>& rows(bool originalNames);
    void drawList(bool originalNames);
    void drawCalculators(bool originalNames, long y);
    QPushButton* quotientButton(int index);
    void openQuotient(int index);
    void openSubgroupClasses();
    // Show Group with the table by the cosets of the subgroup selected in
    // the normalizer calculator's list.
    void openOrganisedTable();

    // The subgroup list of this panel's group (shared with the panels it
    // opens on the list).
    std::shared_ptr<SubgroupLogic> logic_;
    bool halted_ = false;
    bool partial_ = false;
    bool limitReached_ = false;
    bool wholeList_ = false;  // the next listing has no limit
    PartialResultNote* partialNote_ = nullptr;
    std::vector<GroupPtr> subgroups_;
    std::vector<std::string> ids_;
    std::vector<std::string> notes_;  // catalogue note of each subgroup, "" when none
    std::vector<analysis_text::SubgroupRow> rows_[2];
    bool rowsReady_[2] = {false, false};
    std::vector<QPushButton*> quotientButtons_;
    QPushButton* cmdShowSGConjugacyClasses_ = nullptr;
    QPushButton* cmdOrganiseTable_ = nullptr;
    QPushButton* cmdShowLattice_ = nullptr;
    QListWidget* lstElements_ = nullptr;
    QListWidget* lstSubgroups_ = nullptr;
    int listsNaming_ = -1;  // naming the element list was filled in
    // A long list a page at a time (framePager).
    TextPager* pager_ = nullptr;
    std::size_t page_ = 0;
    std::size_t pagedRows_ = 0;  // rows of the list the page belongs to
};

// dlgShowQuotientGroup: G/N for the subgroup chosen on the subgroup panel.
class QuotientPanel : public StructurePanel {
    Q_OBJECT
public:
    QuotientPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    const QuotientListing& listing() const { return listing_; }

protected:
    void analyse() override;
    std::vector<TextItem> layout(bool originalNames) override;
    void drawMore(bool originalNames) override;
    // The quotient's table stands beside the last line of the cosets.
    bool paged() const override { return false; }

private:
    GroupPtr normal_;
    bool ready_ = false;
    std::string note_;  // catalogue note of G/N, "" when none
    QuotientListing listing_;
};

// dlgShowCompositionSeries.
class SeriesPanel : public StructurePanel {
    Q_OBJECT
public:
    SeriesPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    bool halted() const { return halted_; }
    const CompositionSeries& series() const { return series_; }

protected:
    void analyse() override;
    std::vector<TextItem> layout(bool originalNames) override;
    std::string emptyFormText() const override { return analysis_text::kSeriesEmptyForm; }

private:
    CompositionSeriesState state_;
    CompositionSeries series_;
    std::vector<std::string> factorNotes_;  // catalogue note of factor i (index 0 unused)
    bool ready_ = false;
    bool halted_ = false;
};

// dlgShowConjugacyClasses.
class ClassesPanel : public StructurePanel {
    Q_OBJECT
public:
    ClassesPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    const ConjugacyClasses& classes() const { return classes_; }

    // The class equation picture above the classes: one block per class, a
    // square per element, the centre's classes apart; the normal subgroup
    // chosen in cboNormalSubgroup (0: none) is coloured as a union of classes.
    const std::vector<ElementSet>& normalSubgroups() const { return normals_; }
    void markNormalSubgroup(int index);

protected:
    void analyse() override;
    std::vector<TextItem> layout(bool originalNames) override;
    void drawMore(bool originalNames) override;
    std::string emptyFormText() const override { return analysis_text::kClassesEmptyForm; }

private:
    // Computes the classes in the naming asked for as the panel's job;
    // false when it did not finish (a job already runs, or the panel closed).
    void compute(bool originalNames);
    // Lays out (draw false: only measures) the picture from `top`; returns its height.
    long classEquationPicture(long top, bool draw);
    ConjugacyClasses classes_;
    bool ready_ = false;
    bool computing_ = false;
    std::vector<ElementSet> classSets_;  // each class over positions
    std::vector<ElementSet> normals_;    // positions
    QComboBox* cboNormalSubgroup_ = nullptr;
};

// dlgSubgroupConjugacyClasses: classes of the subgroup list of the group the
// subgroup panel showed.
class SubgroupClassesPanel : public StructurePanel {
    Q_OBJECT
public:
    SubgroupClassesPanel(AppContext& context, const PanelInput& input, QWidget* parent = nullptr);
    const SubgroupClasses& classes() const { return classes_; }

protected:
    void analyse() override;
    std::vector<TextItem> layout(bool originalNames) override;

private:
    std::shared_ptr<SubgroupLogic> logic_;  // the subgroup panel's list, or one of its own
    std::vector<std::string> names_;
    std::vector<std::string> notes_;  // catalogue notes of the class representatives
    SubgroupClasses classes_;
    bool ready_ = false;
};

// Registers the panels of this folder with the program's catalogue.
void RegisterAnalysisPanels(PanelRegistry& registry);

}  // namespace quorix::gui
