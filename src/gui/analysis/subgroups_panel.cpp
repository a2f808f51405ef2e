#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/analysis/subgroups.h"
#include "core/catalogue/catalogue.h"
#include "core/text/markup.h"
#include "gui/analysis/analysis_panels.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/partial_result.h"
#include "gui/common/picture_box.h"
#include "gui/common/text_pages.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace at = analysis_text;

namespace {

constexpr long kTitleY = 1300;
constexpr long kRowStep = 300;

void PrintAt(PictureBox& box, long x, long y, const std::string& text, bool bold = false) {
    PrintState& ps = box.printState();
    ps.x = x;
    ps.y = y;
    ps.bold = bold;
    PrintMarkup(box, text);
    ps.bold = false;
}

}  // namespace

SubgroupsPanel::SubgroupsPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : StructurePanel(context, input, QStringLiteral("dlgSubgroups"), QStringLiteral("Subgroups"), true, parent),
      logic_(std::make_shared<SubgroupLogic>()) {
    cmdShowSGConjugacyClasses_ = addButton(QStringLiteral("cmdShowSGConjugacyClasses"),
                                           QStringLiteral("Show Subgroup Conjugacy Classes"), 0, 0, 3300, 300);
    cmdShowSGConjugacyClasses_->hide();
    connect(cmdShowSGConjugacyClasses_, &QPushButton::clicked, this, [this] { openSubgroupClasses(); });
    cmdOrganiseTable_ =
        addButton(QStringLiteral("cmdOrganiseTable"), QStringLiteral("Table by Cosets"), 0, 0, 1800, 300);
    cmdOrganiseTable_->setToolTip(
        QStringLiteral("Shows the group's table organised by the cosets of the subgroup "
                       "selected in the normalizer calculator."));
    cmdOrganiseTable_->hide();
    connect(cmdOrganiseTable_, &QPushButton::clicked, this, [this] { openOrganisedTable(); });
    if (!context.panels.find(QStringLiteral("dlgShowGroup"))) {
        cmdOrganiseTable_->setEnabled(false);
        cmdOrganiseTable_->setToolTip(QStringLiteral("The group display is not available in this version."));
    }
    cmdShowLattice_ = addButton(QStringLiteral("cmdShowLattice"), QStringLiteral("Show Lattice"), 0, 0, 1600, 300);
    cmdShowLattice_->hide();
    if (const PanelEntry* e = context.panels.find(QStringLiteral("dlgSubgroupLattice")); !e || !e->create) {
        cmdShowLattice_->setEnabled(false);
        cmdShowLattice_->setToolTip(QStringLiteral("Not available in this version."));
    }
    connect(cmdShowLattice_, &QPushButton::clicked, this,
            [this] { openOnGroup(QStringLiteral("dlgSubgroupLattice"), {}); });
    partialNote_ = new PartialResultNote(client());
    lstElements_ = addControl<QListWidget>(QStringLiteral("lstElements"), 0, 0, 1000, 1000);
    lstSubgroups_ = addControl<QListWidget>(QStringLiteral("lstSubgroups"), 0, 0, 1000, 1000);
    pager_ = new TextPager(client(), QStringLiteral("framePager"), [this](int by) {
        if (by < 0 && page_ == 0) return;
        page_ = by < 0 ? page_ - 1 : page_ + 1;
        redraw();
    });
    lstElements_->hide();
    lstSubgroups_->hide();
    for (QListWidget* list : {lstElements_, lstSubgroups_})
        connect(list, &QListWidget::currentRowChanged, this, [this] { redraw(); });

    redraw();
}

void SubgroupsPanel::analyse() {
    setWindowTitle(QString::fromStdString(at::SubgroupsCaption(group_->GroupID())));
    halted_ = partial_ = limitReached_ = false;
    const int limit = wholeList_ ? 0 : kSubgroupPanelLimit;
    wholeList_ = false;
    subgroups_.clear();
    ids_.clear();
    notes_.clear();
    rowsReady_[0] = rowsReady_[1] = false;
    listsNaming_ = -1;
    redraw();

    // A list of its own, filled on the worker and shown once it is complete.
    logic_ = std::make_shared<SubgroupLogic>();
    auto logic = std::make_shared<SubgroupLogic>();
    runJob(
        QString::fromLatin1(at::kSubgroupsFinding),
        [logic, group = group_, limit](Progress& progress) { return logic->FindAllSubgroups(group, progress, limit); },
        [this, logic](const SubgroupSearchOutcome& outcome) {
            limitReached_ = outcome.limitReached;
            if (outcome.limitReached) host().Message(LimitReachedMessage(kSubgroupPanelLimit));
            if (outcome.halted) {
                if (host().AskYesNo(KeepSubgroupsQuestion(logic->SubgroupCount()), kHaltingTitle))
                    logic->KeepPartialList();
                else
                    halted_ = true;
            }
            if (halted_) {
                redraw();
                return;
            }
            logic_ = logic;
            ids_ = logic->NameAndRegister(registrar());
            subgroups_ = logic->Subgroups();
            partial_ = logic->PartialList() || outcome.halted;
            // The catalogue names of the small subgroups; Halt leaves the rest without.
            runJob(
                QString::fromLatin1(at::kSubgroupsPreparing),
                [&catalogue = context().workbench.catalogue, subgroups = subgroups_](Progress& progress) {
                    return CatalogueNotes(catalogue, subgroups, progress);
                },
                [this](std::vector<std::string> notes) {
                    notes_ = std::move(notes);
                    rowsReady_[0] = rowsReady_[1] = false;
                    redraw();
                });
            redraw();
        });
}

const std::vector<at::SubgroupRow>& SubgroupsPanel::rows(bool originalNames) {
    const int k = originalNames ? 1 : 0;
    if (!rowsReady_[k]) {
        rows_[k] = at::SubgroupRows(*logic_, ids_, originalNames, notes_);
        rowsReady_[k] = true;
    }
    return rows_[k];
}

std::vector<std::string> SubgroupsPanel::lines(bool) {
    if (!group_) return {emptyFormText()};
    if (halted_) return {at::kSubgroupsHalted};
    return {};
}

QPushButton* SubgroupsPanel::quotientButton(int index) {
    while (static_cast<int>(quotientButtons_.size()) <= index) {
        const int i = static_cast<int>(quotientButtons_.size());
        QPushButton* b = addButton(QStringLiteral("cmdShowQuotientGroup_%1").arg(i),
                                   QStringLiteral("Show Quotient Group"), 0, 0, 1900, 300);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { openQuotient(i); });
        quotientButtons_.push_back(b);
    }
    return quotientButtons_[static_cast<std::size_t>(index)];
}

void SubgroupsPanel::showAllSubgroups() {
    if (!group_ || jobRunning() || !stillRegistered(group_)) return;
    wholeList_ = true;
    analyse();
}

void SubgroupsPanel::drawMore(bool originalNames) {
    StructurePanel::drawMore(originalNames);
    partialNote_->hide();
    pager_->hide();
    for (QPushButton* b : quotientButtons_) b->hide();
    cmdShowSGConjugacyClasses_->hide();
    cmdOrganiseTable_->hide();
    cmdShowLattice_->hide();
    if (!group_ || halted_ || (subgroups_.empty() && !partial_)) {
        lstElements_->hide();
        lstSubgroups_->hide();
        if (!group_) {
            // "(limit of 60 subgroups)" after Choose Group, then OK.
            PictureBox& box = *pictureBox();
            const long after = textLeft_ + MarkupTextWidth(box, emptyFormText()) + 1600 + 200;
            PrintAt(box, after, textTop_, at::SubgroupsLimitText(kSubgroupPanelLimit));
            moveTw(cmdOK_, box.printState().x + 300, textTop_ - 60);
        }
        return;
    }
    drawList(originalNames);
}

void SubgroupsPanel::drawList(bool originalNames) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const std::string& gid = group_->GroupID();
    box.setFontBold(true);
    const long b = MarkupTextWidth(box, at::SubgroupsIdColumnSample(gid)) + 50;
    box.setFontBold(false);

    const double size = box.fontSize();
    box.setFontSize(size * 1.5);
    PrintAt(box, 50, kTitleY, at::SubgroupsTitle(gid, partial_));
    box.setFontSize(size);
    if (!partial_) {
        moveTw(cmdShowSGConjugacyClasses_, box.leftTw() + ps.x + 1500, box.topTw() + kTitleY);
        cmdShowSGConjugacyClasses_->show();
        moveTw(cmdShowLattice_, box.leftTw() + ps.x + 1500 + 3500, box.topTw() + kTitleY);
        cmdShowLattice_->show();
    }
    // A partial list says what it holds and offers the whole one.
    long top = kTitleY;
    if (partial_) {
        std::vector<int> orders;
        for (const GroupPtr& s : subgroups_) orders.push_back(s->order());
        partialNote_->showNote(
            QString::fromStdString(at::SubgroupsPartialNote(orders, limitReached_, kSubgroupPanelLimit)), 9000);
        partialNote_->addOffer(QStringLiteral("cmdShowAllSubgroups"), QString::fromLatin1(at::kSubgroupsShowAll),
                               [this] { showAllSubgroups(); });
        QPushButton* lattice = partialNote_->addOffer(
            QStringLiteral("cmdPartialShowLattice"), QString::fromLatin1(at::kSubgroupsShowLattice),
            [this] { openOnGroup(QStringLiteral("dlgSubgroupLattice"), {}); });
        lattice->setEnabled(cmdShowLattice_->isEnabled());
        moveTw(partialNote_, box.leftTw() + 50, box.topTw() + kTitleY + 450);
        partialNote_->raise();
        top += std::lround(PxToTwips(partialNote_->height())) + 300;
    }
    const std::vector<at::SubgroupRow>& list = rows(originalNames);
    // The catalogue names, when any subgroup has one, stand in a column
    // before the elements.
    long noteWidth = 0;
    for (const at::SubgroupRow& r : list) noteWidth = std::max<long>(noteWidth, MarkupTextWidth(box, r.note));
    const long notesX = b + 4500;
    long elementsX = notesX;
    if (noteWidth > 0) {
        // Wide enough for the notes and for the heading, which the elements' heading follows.
        box.setFontBold(true);
        const long heading = MarkupTextWidth(box, at::kSubgroupsNoteHeading);
        box.setFontBold(false);
        elementsX += std::max(noteWidth + 300, heading - 200);
    }

    // A long list (the whole list of a large group) a page at a time.
    if (list.size() != pagedRows_) page_ = 0;
    pagedRows_ = list.size();
    page_ = std::min(page_, TextPageCount(list.size()) - 1);
    std::size_t first = 0, end = list.size();
    if (TextPageCount(list.size()) > 1) {
        first = page_ * kTextPageItems;
        end = std::min(list.size(), first + kTextPageItems);
        pager_->showPage(list.size(), page_);
        moveTw(pager_, box.leftTw() + 50, box.topTw() + top + 450);
        top += 500;
    }

    const std::vector<std::string> h = at::SubgroupsHeadings();
    PrintAt(box, 250, top + 750, h[0], true);
    PrintAt(box, b + 200, top + 500, h[1], true);
    PrintAt(box, b + 1400, top + 500, h[2], true);
    PrintAt(box, b + 350, top + 750, h[3], true);
    PrintAt(box, b + 1250, top + 750, h[4], true);
    if (noteWidth > 0) PrintAt(box, notesX + 50, top + 750, at::kSubgroupsNoteHeading, true);
    PrintAt(box, elementsX + 500, top + 750, h[5], true);

    long y = top + 1050;
    bool centre = false, commutator = false;
    for (std::size_t i = first; i < end; ++i, y += kRowStep) {
        const at::SubgroupRow& r = list[i];
        PrintAt(box, 50, y, r.id, true);
        PrintAt(box, b + 450, y, std::to_string(r.order));
        PrintAt(box, b + 1500, y, r.normal ? "Yes" : "No");
        if (r.normal) {
            QPushButton* button = quotientButton(static_cast<int>(i));
            moveTw(button, box.leftTw() + b + 2500, box.topTw() + y - 30);
            button->show();
        }
        if (r.centre) PrintAt(box, ps.x, y - 50, "(1)");
        if (r.commutator) PrintAt(box, ps.x, y - 50, "(2)");
        centre = centre || r.centre;
        commutator = commutator || r.commutator;
        if (!r.note.empty()) PrintAt(box, notesX, y, r.note);
        PrintAt(box, elementsX, y, r.elements);
    }
    if (centre) {
        y += 200;
        PrintAt(box, 50, y, "(1)");
        PrintAt(box, ps.x, y + 50, at::CentreNote(gid));
        y += 300;
    }
    if (commutator) {
        y += 200;
        PrintAt(box, 50, y, "(2)");
        PrintAt(box, ps.x, y + 50, at::CommutatorNote(gid));
        y += 300;
    }
    if (partial_) {
        lstElements_->hide();
        lstSubgroups_->hide();
        return;
    }
    drawCalculators(originalNames, y);
}

void SubgroupsPanel::drawCalculators(bool originalNames, long y) {
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    SubgroupLogic& logic = *logic_;
    const Group& g = *group_;
    const int n = g.order();
    const int naming = originalNames ? 1 : 0;
    if (listsNaming_ != naming) {
        const int keepE = std::max(0, lstElements_->currentRow());
        const int keepS = std::max(0, lstSubgroups_->currentRow());
        QSignalBlocker blockE(lstElements_), blockS(lstSubgroups_);
        lstElements_->clear();
        for (int i = 1; i <= n; ++i)
            lstElements_->addItem(
                QString::fromStdString(originalNames ? g.sourceName(i) : markup::StripMarkup(g.name(i))));
        lstSubgroups_->clear();
        for (const GroupPtr& s : subgroups_)
            lstSubgroups_->addItem(QString::fromStdString(ShortSubgroupName(s->GroupID())));
        lstElements_->setCurrentRow(std::min(keepE, n - 1));
        lstSubgroups_->setCurrentRow(std::min(keepS, static_cast<int>(subgroups_.size()) - 1));
        listsNaming_ = naming;
    }
    auto widest = [&](QListWidget* list) {
        double w = 0;
        for (int i = 0; i < list->count(); ++i) w = std::max(w, box.textWidth(list->item(i)->text()));
        return static_cast<long>(w);
    };

    // Centralizer calculator.
    y += 300;
    box.drawLine(50, static_cast<double>(y), 4050, static_cast<double>(y));
    const long heading = y + 100;
    PrintAt(box, 50, heading, at::kCentralizerCalculator);
    PrintAt(box, 250, heading + 300, at::kCentralizerPrompt);
    const long listTop = heading + 300;
    const long eWidth = widest(lstElements_) + 500;
    const long eHeight = n >= 10 ? 2000 : 230L * n + 60;
    placeTw(lstElements_, box.leftTw() + ps.x, box.topTw() + listTop, eWidth, eHeight);
    lstElements_->show();
    long right = ps.x + eWidth;
    const int row = lstElements_->currentRow();
    if (row >= 0) {
        const int x = originalNames ? g.positionOf(row + 1) : row + 1;
        const int s = logic.CentralizerIndex(x);
        if (s == 0) {
            host().Message("Program error (CentralizerIndex)");
        } else {
            const std::vector<std::string> answer = at::CentralizerAnswer(*logic.Subgroup(s));
            PrintAt(box, right + 200, listTop, answer[0]);
            const long end1 = ps.x;
            PrintAt(box, right + 500, listTop + 300, answer[1]);
            right = std::max({right, end1, ps.x});
        }
    }

    // Normalizer calculator, to the right.
    const long nx = right + 750;
    PrintAt(box, nx, heading, at::kNormalizerCalculator);
    PrintAt(box, nx + 200, heading + 300, at::kNormalizerPrompt);
    const int count = static_cast<int>(subgroups_.size());
    const long sWidth = static_cast<long>(1.3 * static_cast<double>(widest(lstSubgroups_))) + 500;
    const long sHeight = count < 10 ? 230L * count + 60 : 2000;
    const long sx = ps.x;
    placeTw(lstSubgroups_, box.leftTw() + sx, box.topTw() + listTop, sWidth, sHeight);
    lstSubgroups_->show();
    moveTw(cmdOrganiseTable_, box.leftTw() + sx, box.topTw() + listTop + sHeight + 100);
    cmdOrganiseTable_->show();
    const int srow = lstSubgroups_->currentRow();
    if (srow >= 0) {
        const int t = logic.NormalizerIndex(srow + 1);
        if (t == 0) {
            host().Message("Program error (NormalizerIndex)");
        } else {
            const std::vector<std::string> answer = at::NormalizerAnswer(*logic.Subgroup(t));
            PrintAt(box, sx + sWidth + 200, listTop, answer[0]);
            PrintAt(box, sx + sWidth + 500, listTop + 300, answer[1]);
        }
    }
    const long bottom = listTop + std::max(eHeight, sHeight + 400) + 400;
    if (clientHeightTw() < bottom) setClientSizeTw(clientWidthTw(), bottom);
}

void SubgroupsPanel::openQuotient(int index) {
    if (index < 0 || index >= static_cast<int>(subgroups_.size())) return;
    PanelInput input;
    input.other = subgroups_[static_cast<std::size_t>(index)];
    openOnGroup(QStringLiteral("dlgShowQuotientGroup"), input);
}

void SubgroupsPanel::openOrganisedTable() {
    const int row = lstSubgroups_->currentRow();
    const std::vector<ElementSet>& members = logic_->Memberships();
    if (row < 0 || row >= static_cast<int>(members.size())) return;
    PanelInput input;
    input.organiseBy = members[static_cast<std::size_t>(row)];
    openOnGroup(QStringLiteral("dlgShowGroup"), input);
}

void SubgroupsPanel::openSubgroupClasses() {
    if (partial_ || halted_) return;
    PanelInput input;
    input.subgroups = logic_;
    openOnGroup(QStringLiteral("dlgSubgroupConjugacyClasses"), input);
}

}  // namespace quorix::gui
