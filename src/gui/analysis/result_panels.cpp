// The quotient, composition-series and conjugacy-class panels, and the
// registration of this folder's panels.
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/analysis/subgroups.h"
#include "core/catalogue/catalogue.h"
#include "core/characters/character_text.h"
#include "core/group/errors.h"
#include "core/group/math_functions.h"
#include "core/text/markup.h"
#include "gui/analysis/analysis_panels.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace at = analysis_text;

namespace {

QString Caption(const std::string& text) { return QString::fromStdString(text); }

// The class equation picture starts below the list of normal subgroups.
constexpr long kPictureOffset = 550;

using ItemKind = TextItem::Kind;

// A line of a panel's text `below` the previous one, `x` right of the margin.
TextItem ResultLine(std::string text, long x = 0, long below = 300, std::string breakText = {}) {
    return TextItem{.text = std::move(text), .x = x, .below = below, .breakText = std::move(breakText)};
}

// The panel's title: bold, larger.
TextItem ResultTitle(std::string text) { return TextItem{.kind = ItemKind::Title, .text = std::move(text)}; }

// How a permutation is abbreviated: the two-row form of points over values,
// then its row of values.
void AddPermutationNote(std::vector<TextItem>& items, int degree) {
    const at::PermutationNote note = at::MakePermutationNote(degree);
    items.push_back(TextItem{.kind = ItemKind::TwoRow,
                             .text = note.prefix,
                             .x = 300,
                             .below = 500,
                             .right = note.suffix,
                             .upper = note.points,
                             .lower = note.values});
}

// Heading and the three sums of a class equation or counting equation, the
// "=" in one column, the sums wrapped at their blanks. The number on the
// second line starts under the first line's words, or (numberBeforeEquals)
// stands right before its "=".
void AddEquation(std::vector<TextItem>& items, const at::EquationText& e, bool numberBeforeEquals) {
    items.push_back(ResultLine(e.heading, 0, 400));
    const auto row = [&items](const std::string& left, const std::string& sum, long below, bool alignRight) {
        items.push_back(TextItem{.kind = ItemKind::Equals,
                                 .text = left,
                                 .x = 400,
                                 .below = below,
                                 .breakText = " ",
                                 .right = sum,
                                 .alignRight = alignRight});
    };
    row(e.left1, e.sum1, 300, false);
    row(e.left2, e.sum2, 250, numberBeforeEquals);
    row({}, e.sum3, 250, false);
}

// The end of a flow of classes: the summary below the lowest line, or the
// halt message.
void AddClassesEnd(std::vector<TextItem>& items, bool halted, const char* haltedText,
                   const std::vector<std::string>& summary) {
    items.push_back(TextItem{.kind = ItemKind::ColumnsEnd, .below = 0});
    if (halted) {
        items.push_back(ResultLine(haltedText, 0, 250));
        return;
    }
    long below = 450;
    for (const std::string& line : summary) {
        items.push_back(ResultLine(line, 0, below));
        below = 250;
    }
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
    if (!group_ || !normal_ || !IsNormalSubgroup(*group_, *normal_)) {
        ready_ = true;
        redraw();
        return;
    }
    runJob(
        {},
        [group = group_, normal = normal_, &catalogue = context().workbench.catalogue](Progress& progress) {
            return QuotientNote(catalogue, group, normal, progress);
        },
        [this](std::string note) {
            note_ = std::move(note);
            ready_ = true;
            redraw();
        });
}

std::vector<TextItem> QuotientPanel::layout(bool originalNames) {
    listing_ = {};
    if (!group_ || !normal_ || !IsNormalSubgroup(*group_, *normal_))
        return {ResultLine("No normal subgroup is selected.")};
    if (!ready_) return {};
    try {
        listing_ = BuildQuotientListing(group_, normal_, originalNames, registrar());
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
        return {};
    }
    setWindowTitle(Caption(markup::StripMarkup(listing_.quotient->GroupID()) + " Quotient Group"));
    const std::vector<std::string> heading = at::QuotientHeading(*group_, *normal_, listing_, originalNames, note_);
    std::vector<TextItem> items{ResultLine(heading[0], 0, 0, ","), ResultLine(heading[1], 250, 350, ",")};
    // The cosets' names, then "=" and their elements in one column.
    for (const QuotientCoset& c : listing_.cosets)
        items.push_back(TextItem{.kind = ItemKind::Equals,
                                 .text = c.name,
                                 .x = 500,
                                 .below = 350,
                                 .breakText = ",",
                                 .right = at::CosetElementsText(c).substr(2)});  // without its "= "
    items.push_back(ResultLine(at::kQuotientTableTitle, 1400, 600));
    return items;
}

void QuotientPanel::drawMore(bool originalNames) {
    StructurePanel::drawMore(originalNames);
    if (!listing_.quotient) return;
    PictureBox& box = *pictureBox();
    // The table starts on its title's line, right of the title.
    const long y0 = placements().back().y;
    const long x0 = placements().back().endX + 300;
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
    // The panel grows as far as it may; a larger table scrolls.
    constexpr long kGrowthLimit = 30000;
    if (box.onPrinted)
        box.onPrinted(std::min(static_cast<long>(right), kGrowthLimit),
                      std::min(static_cast<long>(bottom), kGrowthLimit));
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
    struct Outcome {
        std::shared_ptr<CompositionSeriesState> state;
        std::vector<std::string> factorNotes;
        bool halted = false;
    };
    runJob(
        {},
        [group = group_, &catalogue = context().workbench.catalogue](Progress& progress) {
            Outcome out{std::make_shared<CompositionSeriesState>(), {}, false};
            out.state->ComputeCompositionSeries(group, progress);
            out.halted = progress.Stopped() || out.state->SeriesGroup() != group;
            if (out.halted) return out;
            // The factors are simple: those of order 20 or less are the cyclic
            // groups of prime order. Halt leaves the rest without a name.
            const CompositionSeries& series = out.state->Series();
            out.factorNotes.assign(series.terms.size(), std::string());
            for (std::size_t i = 1; i < series.terms.size() && !progress.Stopped(); ++i)
                out.factorNotes[i] = QuotientNote(catalogue, series.terms[i - 1], series.terms[i], progress);
            return out;
        },
        [this](Outcome out) {
            if (out.halted) {
                halted_ = true;
            } else {
                state_ = std::move(*out.state);
                state_.NameAndRegister(registrar());
                series_ = state_.Series();
                factorNotes_ = std::move(out.factorNotes);
                ready_ = true;
            }
            redraw();
        });
}

std::vector<TextItem> SeriesPanel::layout(bool originalNames) {
    if (!group_) return {ResultLine(emptyFormText())};
    if (halted_) return {ResultLine(at::kCalculationHalted)};
    if (!ready_) return {};
    const Group& g = *series_.terms[0];
    std::vector<TextItem> items{ResultTitle(at::SeriesTitle(g.GroupID())),
                                ResultLine(at::SeriesTopLine(g, originalNames), 0, 550, ","),
                                ResultLine(at::OrderLine(g.order()), 900, 250)};
    bool allPrime = true;
    for (int i = 1; i <= series_.Length(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Group& term = *series_.terms[k];
        const int factor = series_.factors[k];
        allPrime = allPrime && MathFunctions::IsPrime(factor);
        items.push_back(ResultLine(at::SeriesTermLine(i, term, g, originalNames), 0, 400, ","));
        items.push_back(ResultLine(at::OrderLine(term.order()), 900, 250));
        items.push_back(
            TextItem{.text = at::CompositionFactorLine(series_.terms[k - 1]->order(), term.order(), factor,
                                                       k < factorNotes_.size() ? factorNotes_[k] : std::string()),
                     .x = 2400,
                     .below = 0,
                     .after = 300});
    }
    long below = 400;
    for (std::string& line : at::SeriesConclusion(g.GroupID(), allPrime)) {
        items.push_back(ResultLine(std::move(line), 0, below));
        below = 250;
    }
    return items;
}

// ---- conjugacy classes ----------------------------------------------------------------

ClassesPanel::ClassesPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgShowConjugacyClasses"), QStringLiteral("Conjugacy Classes"),
                     true, parent) {
    cboNormalSubgroup_ = addControl<QComboBox>(QStringLiteral("cboNormalSubgroup"), 300, 1250, 5400, 360);
    cboNormalSubgroup_->setToolTip(QStringLiteral("Colour a normal subgroup as a union of classes in the picture"));
    cboNormalSubgroup_->hide();
    connect(cboNormalSubgroup_, &QComboBox::activated, this, [this](int index) { markNormalSubgroup(index); });
    redraw();
}

void ClassesPanel::analyse() {
    setWindowTitle(Caption(at::ClassesCaption(group_->GroupID())));
    ready_ = false;
    computing_ = true;
    redraw();
    computing_ = false;
    compute(originalNames());
}

namespace {

// The classes with their element sets and the normal subgroups made of them.
struct ClassesOutcome {
    ConjugacyClasses classes;
    std::vector<ElementSet> classSets;
    std::vector<ElementSet> normals;
};

}  // namespace

void ClassesPanel::compute(bool originalNames) {
    runJob(
        {},
        [group = group_, originalNames](Progress& progress) {
            ClassesOutcome out{ComputeConjugacyClasses(*group, originalNames, progress), {}, {}};
            if (out.classes.halted) return out;
            for (const ConjugacyClass& c : out.classes.classes) {
                ElementSet set;
                for (const ConjugateElement& m : c.members)
                    set.set(static_cast<std::size_t>(originalNames ? group->positionOf(m.element) : m.element));
                out.classSets.push_back(set);
            }
            out.normals = NormalSubgroupsFromClasses(*group, out.classSets, kSubgroupPanelLimit);
            return out;
        },
        [this, group = group_](ClassesOutcome out) {
            if (group != group_) return;
            // The subgroup marked stays marked in the other naming.
            const int marked = cboNormalSubgroup_->currentIndex();
            const ElementSet previous = marked >= 1 ? normals_[static_cast<std::size_t>(marked - 1)] : ElementSet{};
            classes_ = std::move(out.classes);
            classSets_ = std::move(out.classSets);
            normals_ = std::move(out.normals);
            ready_ = true;
            const QSignalBlocker block(cboNormalSubgroup_);
            cboNormalSubgroup_->clear();
            cboNormalSubgroup_->addItem(QStringLiteral("Mark a normal subgroup..."));
            for (const ElementSet& n : normals_) {
                QString sizes;
                for (const ElementSet& c : classSets_)
                    if ((c & n) == c)
                        sizes += (sizes.isEmpty() ? QString() : QStringLiteral(" + ")) + QString::number(c.count());
                cboNormalSubgroup_->addItem(
                    QStringLiteral("Normal subgroup of order %1 = %2").arg(n.count()).arg(sizes));
                if (marked >= 1 && n == previous) cboNormalSubgroup_->setCurrentIndex(cboNormalSubgroup_->count() - 1);
            }
            redraw();
        });
}

std::vector<TextItem> ClassesPanel::layout(bool originalNames) {
    textTop_ = 1300;
    if (!group_) return {ResultLine(emptyFormText())};
    if (computing_) return {};
    // The classes follow the index order of the naming, so a new naming
    // computes them again.
    if (!ready_) return {};
    if (classes_.sourceIndices != originalNames) {
        // The other naming: drawn again when its classes are there.
        compute(originalNames);
        return {};
    }
    if (!classSets_.empty()) textTop_ += kPictureOffset + classEquationPicture(textTop_ + kPictureOffset, false) + 300;
    const Group& g = *group_;
    const bool source = classes_.sourceIndices;
    const bool permutations = at::ShowsPermutations(g, source);
    std::vector<TextItem> items{ResultTitle(at::ClassesTitle(g.GroupID()))};
    if (permutations) AddPermutationNote(items, g.Degree());
    items.push_back(TextItem{.kind = ItemKind::Columns, .below = 400});
    for (const ConjugacyClass& c : classes_.classes) {
        const std::string rep = at::ElementName(g, c.representative, source);
        items.push_back(TextItem{.text = at::ClassHeading(rep, false), .below = 100, .heading = true});
        for (const ConjugateElement& m : c.members) {
            items.push_back(TextItem{
                .text = at::ClassMemberLine(g, c, m, source), .x = 300, .continued = at::ClassHeading(rep, true)});
            if (!permutations) continue;
            items.push_back(ResultLine(at::CycleLine(g, m.element), 300));
            items.push_back(TextItem{.text = at::PartitionText(g, m.element), .x = 2900, .below = 0, .after = 500});
        }
        items.push_back(TextItem{.kind = ItemKind::Rule});
    }
    AddClassesEnd(items, classes_.halted, at::kClassesHalted, at::ClassSummary(g.GroupID()));
    if (!classes_.halted) AddEquation(items, at::ClassEquation(g, classes_), false);
    return items;
}

void ClassesPanel::markNormalSubgroup(int index) {
    if (index < 0 || index > static_cast<int>(normals_.size())) return;
    if (cboNormalSubgroup_->currentIndex() != index) cboNormalSubgroup_->setCurrentIndex(index);
    redraw();
}

void ClassesPanel::drawMore(bool originalNames) {
    StructurePanel::drawMore(originalNames);
    cboNormalSubgroup_->setVisible(!classSets_.empty());
    if (!classSets_.empty()) classEquationPicture(1300 + kPictureOffset, true);
}

long ClassesPanel::classEquationPicture(long top, bool draw) {
    PictureBox& box = *pictureBox();
    const Group& g = *group_;
    const int n = g.order();
    const long cell = n <= 24 ? 240 : (n <= 60 ? 180 : 150);
    const long maxRight = 10800, left = 300, gap = 250;
    const int marked = cboNormalSubgroup_->currentIndex();
    const ElementSet normal = marked >= 1 ? normals_[static_cast<std::size_t>(marked - 1)] : ElementSet{};
    const QColor centreColour(90, 165, 90), classColour(110, 150, 205), markedColour(235, 145, 40);
    const double fontSize = box.fontSize();
    long y = top;
    if (draw) {
        box.setFontBold(true);
        box.drawText(left, y, QStringLiteral("The class equation: a block per class, a square per element"));
        box.setFontBold(false);
    }
    y += 350;
    // The centre's classes first, framed apart, then the others.
    std::vector<std::size_t> order;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t c = 0; c < classSets_.size(); ++c)
            if ((classSets_[c].count() == 1) == (pass == 0)) order.push_back(c);
    long x = left, rowTop = y, rowBottom = y, centreRight = left;
    const long labelHeight = 520;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::size_t c = order[i];
        const long size = static_cast<long>(classSets_[c].count());
        const long cols = static_cast<long>(std::ceil(std::sqrt(static_cast<double>(size))));
        const long rows = (size + cols - 1) / cols;
        const std::string name = "Cl(" +
                                 (classes_.sourceIndices ? g.sourceName(classes_.classes[c].representative)
                                                         : g.name(classes_.classes[c].representative)) +
                                 ")";
        box.setFontSize(fontSize * 0.85);
        const long labelWidth = MarkupTextWidth(box, name);
        const long slot = std::max(cols * cell, labelWidth);
        const bool firstOutside = size > 1 && (i == 0 || classSets_[order[i - 1]].count() == 1);
        if (firstOutside && i > 0) x += 2 * gap;  // the centre apart
        if (x + slot > maxRight && x > left) {
            x = left;
            rowTop = rowBottom + gap;
        }
        if (draw) {
            const bool inNormal = marked >= 1 && (classSets_[c] & normal) == classSets_[c];
            const QColor fill = inNormal ? markedColour : (size == 1 ? centreColour : classColour);
            const long bx = x + (slot - cols * cell) / 2;
            for (long e = 0; e < size; ++e)
                box.fillRect(bx + (e % cols) * cell + 15, rowTop + (e / cols) * cell + 15, cell - 30, cell - 30, fill);
            const QString count = QString::number(size);
            box.drawText(x + (slot - box.textWidth(count)) / 2.0, rowTop + rows * cell + 20, count);
            PrintState& ps = box.printState();
            ps.x = x + (slot - labelWidth) / 2;
            ps.y = rowTop + rows * cell + 250;
            PrintMarkup(box, name);
        }
        box.setFontSize(fontSize);
        if (size == 1) centreRight = x + slot;
        rowBottom = std::max(rowBottom, rowTop + rows * cell + labelHeight);
        x += slot + gap;
    }
    if (draw && order.size() > 0 && classSets_[order[0]].count() == 1) {
        // A frame around the centre's classes (they lead the first row).
        const long frameBottom = y + cell + labelHeight;
        box.setForeColor(centreColour.darker());
        box.drawLine(left - 80, y - 80, centreRight + 80, y - 80);
        box.drawLine(left - 80, frameBottom, centreRight + 80, frameBottom);
        box.drawLine(left - 80, y - 80, left - 80, frameBottom);
        box.drawLine(centreRight + 80, y - 80, centreRight + 80, frameBottom);
        box.drawText(left - 40, frameBottom + 20, QStringLiteral("Z(G)"));
        box.setForeColor(Qt::black);
    }
    y = rowBottom + 300;
    if (draw) {
        QString sum;
        int centre = 0;
        for (std::size_t c : order) {
            centre += classSets_[c].count() == 1;
            sum += (sum.isEmpty() ? QString() : QStringLiteral(" + ")) + QString::number(classSets_[c].count());
        }
        box.drawText(left, y,
                     QStringLiteral("o(G) = o(Z(G)) + the sizes of the other classes:   %1 = %2   (centre: %3)")
                         .arg(n)
                         .arg(sum)
                         .arg(centre));
        if (marked >= 1) {
            box.setForeColor(markedColour.darker());
            box.drawText(left, y + 280,
                         QStringLiteral("%1: a union of classes whose order divides %2.")
                             .arg(cboNormalSubgroup_->currentText())
                             .arg(n));
            box.setForeColor(Qt::black);
        }
    }
    return y + 600 - top;
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
    // The subgroup panel hands over this group's complete list; anything
    // else is enumerated again, on a list of the job's own.
    const bool handedOver = logic_->AnalysedGroup() == group_ && !logic_->PartialList();
    std::shared_ptr<SubgroupLogic> logic = handedOver ? logic_ : std::make_shared<SubgroupLogic>();
    runJob(
        {},
        [logic, handedOver, group = group_](Progress& progress) {
            const bool halted = !handedOver && logic->FindAllSubgroups(group, progress).halted;
            if (halted) logic->KeepPartialList();
            return halted;
        },
        [this, logic, handedOver](bool halted) {
            logic_ = logic;
            if (!handedOver) logic->NameAndRegister(registrar());
            names_.clear();
            for (const GroupPtr& h : logic->Subgroups()) names_.push_back(ShortSubgroupName(h->GroupID()));
            if (halted) {
                // Halt stops the whole computation: the classes are not sought.
                classes_ = {};
                classes_.halted = true;
                notes_.clear();
                ready_ = true;
                redraw();
                return;
            }
            struct Outcome {
                SubgroupClasses classes;
                std::vector<std::string> notes;
            };
            runJob(
                {},
                // Copies of the list: a list handed over stays its panel's.
                [members = logic->Memberships(), subgroups = logic->Subgroups(), group = group_,
                 &catalogue = context().workbench.catalogue, count = names_.size()](Progress& progress) {
                    Outcome out{ComputeSubgroupConjugacyClasses(*group, members, progress), {}};
                    // A class's heading names its representative: conjugates are
                    // isomorphic, so one note serves the class.
                    out.notes.assign(count, std::string());
                    for (const SubgroupClass& c : out.classes.classes) {
                        if (progress.Stopped()) break;
                        const std::size_t r = static_cast<std::size_t>(c.representative - 1);
                        out.notes[r] = CatalogueNote(catalogue, *subgroups[r], progress);
                    }
                    return out;
                },
                [this](Outcome out) {
                    classes_ = std::move(out.classes);
                    notes_ = std::move(out.notes);
                    ready_ = true;
                    redraw();
                });
        });
}

std::vector<TextItem> SubgroupClassesPanel::layout(bool originalNames) {
    if (!group_) return {ResultLine("No group is selected.")};
    if (!ready_) return {};
    const Group& g = *group_;
    std::vector<TextItem> items{ResultTitle(at::SubgroupClassesTitle(g.GroupID()))};
    if (at::ShowsPermutations(g, originalNames)) AddPermutationNote(items, g.Degree());
    items.push_back(TextItem{.kind = ItemKind::Columns, .below = 400});
    for (const SubgroupClass& c : classes_.classes) {
        const auto r = static_cast<std::size_t>(c.representative - 1);
        const std::string& rep = names_[r];
        items.push_back(TextItem{.text = at::SubgroupClassHeading(rep, false) + (r < notes_.size() ? notes_[r] : ""),
                                 .below = 100,
                                 .heading = true});
        for (const ConjugateSubgroup& m : c.members)
            items.push_back(TextItem{.text = at::SubgroupMemberLine(g, names_[static_cast<std::size_t>(m.subgroup - 1)],
                                                                    rep, m, originalNames),
                                     .x = 300,
                                     .continued = at::SubgroupClassHeading(rep, true)});
        items.push_back(TextItem{.kind = ItemKind::Rule});
    }
    AddClassesEnd(items, classes_.halted, at::kSubgroupClassesHalted, at::SubgroupClassSummary(g.GroupID()));
    if (!classes_.halted) AddEquation(items, at::SubgroupCountingEquation(g, names_, classes_), true);
    return items;
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
