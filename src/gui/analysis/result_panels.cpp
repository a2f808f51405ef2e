// The quotient, composition-series and conjugacy-class panels, and the
// registration of this folder's panels.
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/analysis/subgroups.h"
#include "core/catalogue/catalogue.h"
#include "core/group/errors.h"
#include "core/text/markup.h"
#include "gui/analysis/analysis_panels.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace at = analysis_text;

namespace {

QString Caption(const std::string& text) { return QString::fromStdString(text); }

// The panel's title (its first line) in bold.
std::vector<std::string> BoldTitle(std::vector<std::string> lines) {
    if (!lines.empty()) lines.front() = "|%b|" + lines.front() + "|/b|";
    return lines;
}

// A markup text laid out once (pieces with their offsets, boldness and
// widths) and then drawn in many places: the cells of a large table would
// otherwise be split and measured once per cell.
struct MarkupStamp {
    struct Piece {
        QString text;
        long dx = 0, dy = 0;
        bool bold = false;
    };
    std::vector<Piece> pieces;
    long width = 0;

    MarkupStamp(PictureBox& box, const std::string& text) {
        constexpr long kShift = 80;  // as the renderer raises and lowers
        bool bold = false;
        long x = 0, last = 0;
        for (const markup::Token& t : markup::Tokenize(text)) {
            if (t.kind == markup::TokenKind::BoldOn) bold = true;
            if (t.kind == markup::TokenKind::BoldOff) bold = false;
            if (t.kind != markup::TokenKind::Text) continue;
            const bool stacked = t.placement == markup::Placement::Stacked;
            const long dy = t.placement == markup::Placement::Lowered    ? kShift
                            : t.placement == markup::Placement::Baseline ? 0
                                                                         : -kShift;
            Piece p{QString::fromStdString(t.text), stacked ? last : x, dy, bold};
            last = p.dx;
            box.setFontBold(bold);
            if (!stacked) x += std::lround(box.textWidth(p.text));
            pieces.push_back(std::move(p));
        }
        box.setFontBold(false);
        width = x;
    }
    void draw(PictureBox& box, long x, long y) const {
        for (const Piece& p : pieces) {
            box.setFontBold(p.bold);
            box.drawText(static_cast<double>(x + p.dx), static_cast<double>(y + p.dy), p.text);
        }
        box.setFontBold(false);
    }
};

}  // namespace

// ---- quotient ------------------------------------------------------------------

QuotientPanel::QuotientPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgShowQuotientGroup"), QStringLiteral("Quotient Group"), false,
                     parent),
      normal_(input.other) {
    if (!group_) redraw();
}

void QuotientPanel::analyse() {
    note_.clear();
    if (group_ && normal_ && IsNormalSubgroup(*group_, *normal_)) {
        Job job(*this);
        if (!job) return;
        note_ = QuotientNote(context().workbench.catalogue, group_, normal_, progress());
        if (job.abandoned()) return;
    }
    ready_ = true;
    redraw();
}

std::vector<std::string> QuotientPanel::lines(bool originalNames) {
    listing_ = {};
    if (!group_ || !normal_ || !IsNormalSubgroup(*group_, *normal_)) return {"No normal subgroup is selected."};
    if (!ready_) return {};
    try {
        listing_ = BuildQuotientListing(group_, normal_, originalNames, registrar());
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
        return {};
    }
    setWindowTitle(Caption(markup::StripMarkup(listing_.quotient->GroupID()) + " Quotient Group"));
    std::vector<std::string> out = at::QuotientHeading(*group_, *normal_, listing_, originalNames, note_);
    for (const QuotientCoset& c : listing_.cosets) out.push_back("      " + c.name + "  " + at::CosetElementsText(c));
    out.emplace_back();
    tableLine_ = static_cast<long>(out.size());
    out.emplace_back(std::string("          ") + at::kQuotientTableTitle);
    return out;
}

void QuotientPanel::drawMore(bool originalNames) {
    StructurePanel::drawMore(originalNames);
    if (!listing_.quotient) return;
    PictureBox& box = *pictureBox();
    const long y0 = textTop_ + lineStep_ * tableLine_;
    const long x0 = textLeft_ + MarkupTextWidth(box, std::string("          ") + at::kQuotientTableTitle) + 300;
    const std::size_t n = listing_.cosets.size();
    std::vector<MarkupStamp> names;
    names.reserve(n);
    long widest = 0;
    for (const QuotientCoset& c : listing_.cosets) widest = std::max(widest, names.emplace_back(box, c.name).width);
    const long col = widest + 300;
    for (std::size_t j = 0; j < n; ++j) names[j].draw(box, x0 + col * static_cast<long>(j + 1), y0);
    for (std::size_t i = 0; i < n; ++i) {
        const long y = y0 + lineStep_ * static_cast<long>(i + 1);
        names[i].draw(box, x0, y);
        for (std::size_t j = 0; j < n; ++j)
            names[static_cast<std::size_t>(listing_.table[i][j])].draw(box, x0 + col * static_cast<long>(j + 1), y);
    }
    const double right = static_cast<double>(x0 + col * static_cast<long>(n + 1));
    const double bottom = static_cast<double>(y0 + lineStep_ * static_cast<long>(n + 1));
    box.drawLine(static_cast<double>(x0), static_cast<double>(y0 + lineStep_ - 20), right,
                 static_cast<double>(y0 + lineStep_ - 20));
    box.drawLine(static_cast<double>(x0 + col - 120), static_cast<double>(y0), static_cast<double>(x0 + col - 120),
                 bottom);
    if (box.onPrinted) box.onPrinted(static_cast<long>(right), static_cast<long>(bottom));
}

// ---- composition series ------------------------------------------------------------

SeriesPanel::SeriesPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgShowCompositionSeries"), QStringLiteral("Composition Series"),
                     true, parent) {
    redraw();
}

void SeriesPanel::analyse() {
    setWindowTitle(Caption(at::SeriesCaption(group_->GroupID())));
    ready_ = halted_ = false;
    redraw();
    factorNotes_.clear();
    {
        Job job(*this);
        if (!job) return;
        state_.ComputeCompositionSeries(group_, progress());
        if (job.abandoned()) return;
        if (progress().Stopped() || state_.SeriesGroup() != group_) {
            halted_ = true;
        } else {
            state_.NameAndRegister(registrar());
            series_ = state_.Series();
            ready_ = true;
            // The factors are simple: those of order 20 or less are the cyclic
            // groups of prime order. Halt leaves the rest without a name.
            factorNotes_.assign(series_.terms.size(), std::string());
            for (std::size_t i = 1; i < series_.terms.size() && !progress().Stopped(); ++i)
                factorNotes_[i] =
                    QuotientNote(context().workbench.catalogue, series_.terms[i - 1], series_.terms[i], progress());
        }
        if (job.abandoned()) return;
    }
    redraw();
}

std::vector<std::string> SeriesPanel::lines(bool originalNames) {
    if (!group_) return {emptyFormText()};
    if (halted_) return {at::kCalculationHalted};
    if (!ready_) return {};
    return BoldTitle(at::SeriesPanelLines(series_, originalNames, factorNotes_));
}

// ---- conjugacy classes ----------------------------------------------------------------

ClassesPanel::ClassesPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgShowConjugacyClasses"), QStringLiteral("Conjugacy Classes"),
                     true, parent) {
    redraw();
}

void ClassesPanel::analyse() {
    setWindowTitle(Caption(at::ClassesCaption(group_->GroupID())));
    ready_ = false;
    computing_ = true;
    redraw();
    computing_ = false;
    if (compute(originalNames())) redraw();
}

bool ClassesPanel::compute(bool originalNames) {
    Job job(*this);
    if (!job) return false;
    ConjugacyClasses classes = ComputeConjugacyClasses(*group_, originalNames, progress());
    if (job.abandoned()) return false;
    classes_ = std::move(classes);
    ready_ = true;
    return true;
}

std::vector<std::string> ClassesPanel::lines(bool originalNames) {
    if (!group_) return {emptyFormText()};
    if (computing_) return {};
    // The classes follow the index order of the naming, so a new naming
    // computes them again.
    if ((!ready_ || classes_.sourceIndices != originalNames) && !compute(originalNames)) return {};
    return BoldTitle(at::ClassesPanelLines(*group_, classes_));
}

// ---- subgroup conjugacy classes ------------------------------------------------------------

SubgroupClassesPanel::SubgroupClassesPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgSubgroupConjugacyClasses"),
                     QStringLiteral("Subgroup Conjugacy Classes"), false, parent),
      logic_(input.subgroups ? input.subgroups : std::make_shared<SubgroupLogic>()) {
    if (!group_) redraw();
}

void SubgroupClassesPanel::analyse() {
    setWindowTitle(Caption(at::SubgroupClassesCaption(group_->GroupID())));
    SubgroupLogic& logic = *logic_;
    {
        Job job(*this);
        if (!job) return;
        // The subgroup panel hands over this group's complete list; anything
        // else is enumerated again.
        if (logic.AnalysedGroup() != group_ || logic.PartialList()) {
            const SubgroupSearchOutcome outcome = logic.FindAllSubgroups(group_, progress());
            if (job.abandoned()) return;
            if (outcome.halted) logic.KeepPartialList();
            logic.NameAndRegister(registrar());
        }
        names_.clear();
        for (const GroupPtr& h : logic.Subgroups()) names_.push_back(ShortSubgroupName(h->GroupID()));
        classes_ = ComputeSubgroupConjugacyClasses(*group_, logic.Memberships(), progress());
        // A class's heading names its representative: conjugates are isomorphic,
        // so one note serves the class.
        notes_.assign(names_.size(), std::string());
        for (const SubgroupClass& c : classes_.classes) {
            if (progress().Stopped()) break;
            const std::size_t r = static_cast<std::size_t>(c.representative - 1);
            notes_[r] = CatalogueNote(context().workbench.catalogue, *logic.Subgroup(c.representative), progress());
        }
        if (job.abandoned()) return;
    }
    ready_ = true;
    redraw();
}

std::vector<std::string> SubgroupClassesPanel::lines(bool originalNames) {
    if (!group_) return {"No group is selected."};
    if (!ready_) return {};
    return BoldTitle(at::SubgroupClassesPanelLines(*group_, names_, classes_, originalNames, notes_));
}

// ---- registration -------------------------------------------------------------------------

void RegisterAnalysisPanels(PanelRegistry& registry) {
    using storage::PanelDefault;
    registry.add({QStringLiteral("dlgSubgroups"), QStringLiteral("Subgroups"), PanelDefault::Subgroup,
                  QStringLiteral("&Analysis Tools/&Subgroups..."), QStringLiteral("mnuSubgroups"), false,
                  [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new SubgroupsPanel(c, in, parent);
                  },
                  QString(), 30});
    registry.add({QStringLiteral("dlgShowQuotientGroup"), QStringLiteral("Quotient Group"), PanelDefault::QuotientGroup,
                  QString(), QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new QuotientPanel(c, in, parent);
                  }});
    registry.add(
        {QStringLiteral("dlgShowCompositionSeries"), QStringLiteral("Composition Series"),
         PanelDefault::CompositionSeries, QStringLiteral("&Analysis Tools/&Composition Series..."),
         QStringLiteral("mnuCompositionSeries"), false,
         [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* { return new SeriesPanel(c, in, parent); },
         QString(), 50});
    registry.add(
        {QStringLiteral("dlgShowConjugacyClasses"), QStringLiteral("Conjugacy Classes"), PanelDefault::ConjugacyClass,
         QStringLiteral("&Analysis Tools/Conjugacy Classes..."), QStringLiteral("mnuConjugacyClasses"), false,
         [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* { return new ClassesPanel(c, in, parent); },
         QString(), 40});
    registry.add({QStringLiteral("dlgSubgroupConjugacyClasses"), QStringLiteral("Subgroup Conjugacy Classes"),
                  PanelDefault::SubgroupConjugacyClass, QString(), QString(), false,
                  [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new SubgroupClassesPanel(c, in, parent);
                  }});
}

}  // namespace quorix::gui
