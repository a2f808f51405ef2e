#include "gui/display/show_group_panel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "core/analysis/coset_order.h"
#include "core/compare/solution_analysis.h"
#include "core/rings/rings.h"
#include "core/text/markup.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/diagram/diagram_panels.h"
#include "gui/common/text_pages.h"
#include "gui/display/organise_dialog.h"
#include "gui/display/table_grid.h"

namespace quorix::gui {

namespace {

bool IsSubgroupId(const std::string& id) { return id.rfind("Subgroup", 0) == 0 || id.rfind("N|@", 0) == 0; }

}  // namespace

int CayleyGraphKind(const GroupPtr& g, AppContext& context) {
    if (!g || g->order() == 0 || g->order() > kMaxRowGraphOrder) return 0;
    if (g->Cyclic()) return 1;
    if (g->Dihedral() || g->order() == 4) return 2;
    if (g->order() <= kMaxTableOrder) {
        for (const NamedGroupEntry& e : RecogniseNamedGroups(g, GroupRegistrar{}, context.workbench.namedGroups))
            // The direct-product layout draws two factors.
            if (e.kind == NamedGroupKind::DirectProduct && e.group->NumberOfComponents() == 2) return 3;
    }
    return 0;
}

ShowGroupPanel::ShowGroupPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : Panel(context, QStringLiteral("dlgShowGroup"), QStringLiteral("Show Group"), parent), group_(input.group) {
    addFileMenu();
    TableMenu::Handlers handlers;
    handlers.format = [this](TableFormat f) { setTableFormat(f); };
    handlers.colours = [this](bool on) { setColours(on); };
    handlers.organise = [this] { chooseOrganisingSubgroup(); };
    handlers.copyLatex = [this] { copyLatex(); };
    tableMenu_ = TableMenu::Add(menuBar(), QStringLiteral("F&ormat"), QStringLiteral("mnuFormat"), handlers);
    QMenu* format = tableMenu_.menu;
    format->addSeparator();
    mnuOriginal_ = format->addAction(QStringLiteral("&Original Element Names"));
    mnuOriginal_->setObjectName(QStringLiteral("mnuOriginal"));
    mnuReductive_ = format->addAction(QStringLiteral("&Reductive-Mapping Names"));
    mnuReductive_->setObjectName(QStringLiteral("mnuReductive"));
    for (QAction* a : {mnuOriginal_, mnuReductive_}) a->setCheckable(true);
    connect(mnuOriginal_, &QAction::triggered, this, [this] { setOriginalNames(true); });
    connect(mnuReductive_, &QAction::triggered, this, [this] { setOriginalNames(false); });
    addPreferencesMenu();
    addScrollingMenu();
    addHelpMenu();

    setClientSizeTw(9000, 6000);
    createPictureBox();
    calc_ = TableCalculator::Create(client());
    for (QListWidget* list : {calc_.listA, calc_.listB})
        connect(list, &QListWidget::itemClicked, this, [this] {
            if (group_) calc_.update(*group_, original_);
        });
    gridView_ = new TableGridView(client());
    gridView_->setFrameShape(QFrame::NoFrame);
    gridView_->setToolTip(QStringLiteral("Ctrl+wheel zooms; the names show once the cells are large enough."));
    gridView_->hide();
    const auto zoomButton = [this](const char* name, const char* caption, const char* tip) {
        QPushButton* b = addButton(QString::fromLatin1(name), QString::fromLatin1(caption), 0, 0, 900);
        b->setToolTip(QString::fromLatin1(tip));
        b->hide();
        return b;
    };
    cmdZoomIn_ = zoomButton("cmdZoomIn", "Zoom &In", "Twice as large (Ctrl+wheel zooms too).");
    cmdZoomOut_ = zoomButton("cmdZoomOut", "Zoom O&ut", "Half as large.");
    cmdZoomFit_ = zoomButton("cmdZoomFit", "&Whole", "The whole table.");
    connect(cmdZoomIn_, &QPushButton::clicked, gridView_, &TableGridView::zoomIn);
    connect(cmdZoomOut_, &QPushButton::clicked, gridView_, &TableGridView::zoomOut);
    connect(cmdZoomFit_, &QPushButton::clicked, gridView_, &TableGridView::zoomToFit);
    connect(gridView_, &TableGridView::zoomChanged, this, [this](double px) {
        cmdZoomIn_->setEnabled(px < gridView_->maxPixels());
        cmdZoomOut_->setEnabled(px > gridView_->fitPixels());
        cmdZoomFit_->setEnabled(px > gridView_->fitPixels());
    });
    mappingPager_ = new TextPager(
        client(), QStringLiteral("frameMappingPager"),
        [this](int by) {
            if (by < 0 && mappingPage_ == 0) return;
            mappingPage_ = by < 0 ? mappingPage_ - 1 : mappingPage_ + 1;
            draw();
        },
        true);
    cmdShowGraph_ = addButton(QStringLiteral("cmdShowGraph"), QStringLiteral("Show &Graph"), 0, 0, 1500);
    const PanelEntry* graphEntry = context.panels.find(QStringLiteral("dlgGraph"));
    if (!graphEntry || !graphEntry->create) {
        cmdShowGraph_->setEnabled(false);
        cmdShowGraph_->setToolTip(QStringLiteral("The Cayley graph panel is not available in this version."));
    }
    connect(cmdShowGraph_, &QPushButton::clicked, this, [this] {
        if (!group_) return;
        if (graphKind_ == 0) {  // no fixed layout for this group: its Cayley diagram
            OpenCayleyDiagram(this->context(), group_, this);
            return;
        }
        PanelInput in;
        in.group = group_;
        openPanel(QStringLiteral("dlgGraph"), in);
    });
    cmdShowGraph_->hide();
    cmdCayleyDiagram_ = addButton(QStringLiteral("cmdCayleyDiagram"), QStringLiteral("Cayley &Diagram"), 0, 0, 1600);
    connect(cmdCayleyDiagram_, &QPushButton::clicked, this, [this] {
        if (group_) OpenCayleyDiagram(this->context(), group_, this);
    });
    cmdCayleyDiagram_->hide();
    cmdFindAssociativeRings_ =
        addButton(QStringLiteral("cmdFindAssociativeRings"), QStringLiteral("Associative &Rings"), 0, 0, 2000);
    const PanelEntry* ringsEntry = context.panels.find(QStringLiteral("dlgAssociativeRings"));
    if (!ringsEntry || !ringsEntry->create) {
        cmdFindAssociativeRings_->setEnabled(false);
        cmdFindAssociativeRings_->setToolTip(
            QStringLiteral("The associative rings panel is not available in this version."));
    }
    connect(cmdFindAssociativeRings_, &QPushButton::clicked, this, [this] {
        if (!group_) return;
        PanelInput in;
        in.group = group_;
        openPanel(QStringLiteral("dlgAssociativeRings"), in);
    });
    cmdFindAssociativeRings_->hide();
    // The character table and the Sylow subgroups of the group shown.
    auto analysisButton = [this, &context](const char* name, const char* caption, const char* panel) {
        QPushButton* b = addButton(QString::fromLatin1(name), QString::fromLatin1(caption), 0, 0, 2000);
        const QString panelName = QString::fromLatin1(panel);
        const PanelEntry* entry = context.panels.find(panelName);
        if (!entry || !entry->create) {
            b->setEnabled(false);
            b->setToolTip(QStringLiteral("Not available in this version."));
        }
        connect(b, &QPushButton::clicked, this, [this, panelName] {
            if (!group_) return;
            PanelInput in;
            in.group = group_;
            openPanel(panelName, in);
        });
        b->hide();
        return b;
    };
    cmdCharacterTable_ = analysisButton("cmdCharacterTable", "Character &Table", "dlgCharacterTable");
    cmdSylowSubgroups_ = analysisButton("cmdSylowSubgroups", "S&ylow Subgroups", "dlgSylowSubgroups");
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });

    original_ = !preferences().ReductiveNames(storage::PanelDefault::GroupDisplay);
    // A panel that opened this one may ask for a table organised by the
    // cosets of one of the group's subgroups.
    if (group_ && input.organiseBy) setOrganiseBy(*input.organiseBy, false);
    if (group_) {
        setWindowTitle(QString::fromStdString(markup::StripMarkup(group_->GroupID())));
        reductiveNamesNote(*group_);
        graphKind_ = CayleyGraphKind(group_, context);
    }
    syncMenus();
    draw();
}

void ShowGroupPanel::syncMenus() {
    tableMenu_.sync(format_, style_);
    mnuOriginal_->setChecked(original_);
    mnuReductive_->setChecked(!original_);
}

void ShowGroupPanel::setTableFormat(TableFormat format) {
    format_ = format;
    syncMenus();
    draw();
}

void ShowGroupPanel::setColours(bool on) {
    style_.colours = on;
    syncMenus();
    draw();
}

bool ShowGroupPanel::setOrganiseBy(const ElementSet& subgroup, bool redraw) {
    bool ok = true;
    if (subgroup.none() || !group_) {
        style_.organiseBy.reset();
    } else {
        try {
            OrderByCosets(*group_, subgroup);
            style_.organiseBy = subgroup;
            // The blocks need the grid: the calculator has none.
            format_ = TableFormat::RowAndColumn;
        } catch (const InvalidArgument& e) {
            host().Message(std::string("The table cannot be organised by these elements: ") + e.what() + ".");
            ok = false;
        }
    }
    if (redraw) {
        syncMenus();
        draw();
    }
    return ok;
}

void ShowGroupPanel::chooseOrganisingSubgroup() {
    ChooseOrganisingSubgroup(*this, group_, original_, [this](std::optional<ElementSet> chosen) {
        if (chosen)
            setOrganiseBy(*chosen, true);
        else
            syncMenus();
    });
}

void ShowGroupPanel::copyLatex() {
    if (!group_) return;
    if (group_->order() > kMaxNamedGridOrder) {
        host().Message("A table of more than " + std::to_string(kMaxNamedGridOrder) +
                       " elements is too large to copy as LaTeX.");
        return;
    }
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(CayleyTableLatex(*group_, original_, style_)));
}

void ShowGroupPanel::setOriginalNames(bool original) {
    original_ = original;
    syncMenus();
    draw();
}

void ShowGroupPanel::draw() {
    clearPanel();
    calc_.hide();
    for (QWidget* w : {static_cast<QWidget*>(gridView_), static_cast<QWidget*>(cmdZoomIn_),
                       static_cast<QWidget*>(cmdZoomOut_), static_cast<QWidget*>(cmdZoomFit_)})
        w->hide();
    mappingPager_->hide();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.x = 100;
    ps.y = 100;
    if (!group_) {
        PrintMarkup(box, "No group is selected.");
        moveTw(cmdOK_, 300, 600);
        return;
    }
    const Group& g = *group_;
    PrintMarkup(box, "Group |%b|" + g.GroupID() + "|/b| has " + std::to_string(g.order()) + " elements:");
    const long tableTop = ps.y + 550;
    ps.x = 200;
    ps.y = tableTop;
    const PrintedTable table = PrintCayleyTable(box, g, format_, ".", original_, &calc_, style_);
    drawn_ = table.format;
    long tableRight = table.right;
    if (table.grid) {
        // The zoomable grid over the printed one, the zoom buttons beside it.
        gridView_->setGrid(table.grid);
        placeTw(gridView_, box.leftTw() + table.gridLeft, box.topTw() + table.gridTop, table.gridSide, table.gridSide);
        gridView_->zoomToFit();
        gridView_->show();
        gridView_->raise();
        long y = table.gridTop;
        const long x = table.gridLeft + table.gridSide + 200;
        for (QPushButton* b : {cmdZoomIn_, cmdZoomOut_, cmdZoomFit_}) {
            moveTw(b, box.leftTw() + x, box.topTw() + y);
            b->show();
            y += 450;
        }
        tableRight = std::max(tableRight, x + 900);
    }

    // The reductive mapping beside the table.
    const bool sub = IsSubgroupId(g.GroupID());
    const long mapX = tableRight + 600;
    ps.x = mapX;
    ps.y = tableTop;
    ps.bold = true;
    PrintMarkup(box, sub ? "REDUCTIVE MAPPING:*" : "REDUCTIVE MAPPING:");
    ps.bold = false;
    long y = tableTop;
    // A long mapping a page at a time, under its pager.
    const std::size_t n = static_cast<std::size_t>(g.order());
    mappingPage_ = std::min(mappingPage_, TextPageCount(n) - 1);
    std::size_t first = 0, end = n;
    if (TextPageCount(n) > 1) {
        first = mappingPage_ * kTextPageItems;
        end = std::min(n, first + kTextPageItems);
        mappingPager_->showPage(n, mappingPage_);
        moveTw(mappingPager_, box.leftTw() + mapX, box.topTw() + y + 300);
        y += 900;
    }
    for (int i = static_cast<int>(first) + 1; i <= static_cast<int>(end); ++i) {
        y += 250;
        ps.x = mapX;
        ps.y = y;
        PrintMarkup(box, g.sourceName(i) + " = " + g.mappedName(i));
    }
    y += 400;
    if (sub) {
        ps.x = mapX;
        ps.y = y;
        PrintMarkup(box,
                    "*Element names assigned by this subgroup's reductive mapping may differ from the names on the");
        ps.x = mapX;
        ps.y = y + 250;
        PrintMarkup(box,
                    "Subgroup List and Composition Series panels, which use the parent group's reductive mapping.");
        y += 500;
    }
    const long bottom = std::max(table.bottom, y) + 300;
    long bx = 200;
    for (QPushButton* b : {cmdShowGraph_, cmdCayleyDiagram_}) {
        b->setVisible(true);
        moveTw(b, box.leftTw() + bx, box.topTw() + bottom);
        bx += b == cmdShowGraph_ ? 1700 : 1800;
    }
    const bool rings = g.Abelian() && g.order() <= kMaxRingOrder;
    cmdFindAssociativeRings_->setVisible(rings);
    if (rings) {
        moveTw(cmdFindAssociativeRings_, box.leftTw() + bx, box.topTw() + bottom);
        bx += 2200;
    }
    for (QPushButton* b : {cmdCharacterTable_, cmdSylowSubgroups_}) {
        b->show();
        moveTw(b, box.leftTw() + bx, box.topTw() + bottom);
        bx += 2200;
    }
    moveTw(cmdOK_, box.leftTw() + bx, box.topTw() + bottom);
    const long needH = bottom + 700;
    // The row of buttons, and the mapping's pager.
    const long needW = std::max(box.leftTw() + bx + 1400, mappingPager_->isHidden() ? 0L : box.leftTw() + mapX + 3500);
    if (clientHeightTw() < needH || clientWidthTw() < needW)
        setClientSizeTw(std::max(clientWidthTw(), needW), std::max(clientHeightTw(), needH));
}

void RegisterDisplayPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgShowGroup"), QStringLiteral("Show Group"), storage::PanelDefault::GroupDisplay,
                  QString(), QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new ShowGroupPanel(c, in, parent);
                  }});
}

}  // namespace quorix::gui
