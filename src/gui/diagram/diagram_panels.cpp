#include "gui/diagram/diagram_panels.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <algorithm>

#include "core/analysis/subgroups.h"
#include "core/display/table_export.h"
#include "core/text/file_io.h"
#include "core/text/markup.h"
#include "gui/common/picture_box.h"
#include "gui/common/panel_registry.h"
#include "gui/diagram/diagram_scene.h"

namespace quorix::gui {

namespace {

constexpr long kSideLeft = 8900;
constexpr long kDiagramSideWidth = 2800;

QString Plain(const std::string& markup) { return QString::fromStdString(markup::PlainText(markup)); }

// A group ID as window titles write it everywhere ("D4", "Aut(S3)").
QString DiagramTitleName(const std::string& id) { return QString::fromStdString(markup::StripMarkup(id)); }

// The same as a file name: blanks and characters a file name should not hold left out.
QString DiagramFileName(const std::string& id) {
    QString name;
    for (const QChar c : DiagramTitleName(id))
        if (c.isLetterOrNumber() || QStringLiteral("()-+_.,").contains(c)) name += c;
    return name.isEmpty() ? QStringLiteral("diagram") : name;
}

bool WriteText(const QString& file, const std::string& text, std::string& error) {
    try {
        text::WriteFileAtomically(file.toStdString(), text);
        return true;
    } catch (const text::FileError& e) {
        error = e.what();
        return false;
    }
}

}  // namespace

diagram::Layout CayleyDiagramLayoutFor(const Group& g, diagram::Layout wanted) {
    return wanted == diagram::Layout::Force && g.order() > kForceLayoutMaxOrder ? diagram::Layout::Rings : wanted;
}

// ---- the common part ----------------------------------------------------------

DiagramPanelBase::DiagramPanelBase(AppContext& context, const QString& name, const QString& caption, QWidget* parent)
    : Panel(context, name, caption, parent) {
    addFileMenu([this](QMenu* m) {
        QAction* save = m->addAction(QStringLiteral("Save &Diagram As..."));
        save->setObjectName(QStringLiteral("mnuSaveDiagram"));
        connect(save, &QAction::triggered, this, [this] {
            if (!group_) return;
            const QString file =
                saveFileDialog(QStringLiteral("Save Diagram"),
                               QStringLiteral("PNG picture (*.png);;SVG picture (*.svg);;TikZ for LaTeX (*.tex)"),
                               DiagramFileName(group_->GroupID()) + QStringLiteral(".png"));
            if (!file.isEmpty()) saveDiagram(file);
        });
        QAction* copy = m->addAction(QStringLiteral("Copy as &TikZ"));
        copy->setObjectName(QStringLiteral("mnuCopyTikz"));
        connect(copy, &QAction::triggered, this, [this] {
            if (group_) QApplication::clipboard()->setText(tikz());
        });
    });
    addHelpMenu();
    // 787 x 560 pixels: the whole panel fits an 800 x 600 screen.
    setClientSizeTw(11800, 8400);
    QPushButton* choose = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 100, 100, 1600);
    QPushButton* zoomIn = addButton(QStringLiteral("cmdZoomIn"), QStringLiteral("Zoom &In"), 1800, 100, 1100);
    QPushButton* zoomOut = addButton(QStringLiteral("cmdZoomOut"), QStringLiteral("Zoom &Out"), 3000, 100, 1100);
    QPushButton* ok = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 4200, 100, 900);
    scene_ = new DiagramScene(this);
    view_ = addControl<DiagramView>(QStringLiteral("picDiagram"), 100, kTop, kSideLeft - 200, 7700);
    view_->setScene(scene_);
    connect(choose, &QPushButton::clicked, this, [this] {
        if (const std::optional<int> chosen = chooseGroup()) showGroup(groupRegister().At(*chosen));
    });
    connect(zoomIn, &QPushButton::clicked, this, [this] { view_->zoomBy(1.25); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { view_->zoomBy(1 / 1.25); });
    connect(ok, &QPushButton::clicked, this, [this] { close(); });
}

QString DiagramPanelBase::tikz() const { return QString::fromStdString(diagram::ToTikz(scene_->picture())); }

bool DiagramPanelBase::saveDiagram(const QString& file) {
    const diagram::Picture picture = scene_->picture();
    bool ok = false;
    std::string error;
    if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        ok = WriteText(file, diagram::ToSvg(picture), error);
    else if (file.endsWith(QStringLiteral(".tex"), Qt::CaseInsensitive) ||
             file.endsWith(QStringLiteral(".tikz"), Qt::CaseInsensitive))
        ok = WriteText(file, diagram::ToTikz(picture), error);
    else
        ok = WritePng(file, scene_->toImage(2.0), &error);
    if (!ok) host().Message(error.empty() ? "The diagram could not be written to " + file.toStdString() + "." : error);
    return ok;
}

// ---- Cayley diagram -----------------------------------------------------------

CayleyDiagramPanel::CayleyDiagramPanel(AppContext& context, GroupPtr group, QWidget* parent)
    : DiagramPanelBase(context, QStringLiteral("dlgCayleyDiagram"), QStringLiteral("Cayley Diagram"), parent) {
    addLabel(QStringLiteral("lblLayout"), QStringLiteral("Layout:"), 5300, 160, 700, 300);
    cboLayout_ = addControl<QComboBox>(QStringLiteral("cboLayout"), 6000, 100, 1500, 360);
    cboLayout_->addItems({QStringLiteral("Rings"), QStringLiteral("Grid"), QStringLiteral("Force")});
    createProcessingFrame(7500, 0, 4200, 550);

    addLabel(QStringLiteral("lblGenerators"), QStringLiteral("Generators (in order):"), kSideLeft, kTop,
             kDiagramSideWidth, 300);
    lstGenerators_ =
        addControl<QListWidget>(QStringLiteral("lstGenerators"), kSideLeft, kTop + 300, kDiagramSideWidth, 2100);
    lstGenerators_->setToolTip(QStringLiteral("Tick the generators; the first one's cycles are the circles"));
    addLabel(QStringLiteral("lblElements"), QStringLiteral("Element:"), kSideLeft, kTop + 2500, kDiagramSideWidth, 300);
    lstElements_ =
        addControl<QListWidget>(QStringLiteral("lstElements"), kSideLeft, kTop + 2800, kDiagramSideWidth, 1700);
    addLabel(QStringLiteral("lblSubgroup"), QStringLiteral("Colour by cosets of:"), kSideLeft, kTop + 4600,
             kDiagramSideWidth, 300);
    cboSubgroup_ = addControl<QComboBox>(QStringLiteral("cboSubgroup"), kSideLeft, kTop + 4900, kDiagramSideWidth, 360);
    optLeft_ = addControl<QRadioButton>(QStringLiteral("optLeftCosets"), kSideLeft, kTop + 5350, 1300, 300);
    optLeft_->setText(QStringLiteral("Left gH"));
    optLeft_->setChecked(true);
    optRight_ = addControl<QRadioButton>(QStringLiteral("optRightCosets"), kSideLeft + 1400, kTop + 5350, 1400, 300);
    optRight_->setText(QStringLiteral("Right Hg"));
    lblNote_ = addLabel(QStringLiteral("lblNote"), QString(), kSideLeft, kTop + 5800, kDiagramSideWidth, 1900);
    lblNote_->setWordWrap(true);
    lblNote_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    connect(cboLayout_, &QComboBox::currentIndexChanged, this,
            [this](int i) { setLayout(static_cast<diagram::Layout>(i)); });
    connect(lstGenerators_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) return;
        const int k = item->data(Qt::UserRole).toInt();
        std::vector<int> next = generators_;
        if (item->checkState() == Qt::Checked)
            next.push_back(k);
        else
            next.erase(std::remove(next.begin(), next.end(), k), next.end());
        setGenerators(next);
    });
    connect(lstElements_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) selectElement(row + 1);
    });
    connect(cboSubgroup_, &QComboBox::currentIndexChanged, this,
            [this](int i) { colourByCosets(i - 1, optLeft_->isChecked()); });
    connect(optLeft_, &QRadioButton::toggled, this,
            [this](bool left) { colourByCosets(cboSubgroup_->currentIndex() - 1, left); });
    scene_->onNodeClicked = [this](int node) { selectElement(node + 1); };
    // The subgroups are a job with Halt: it starts once the panel is on the screen.
    group_ = group;
    if (group) startWhenShown([this, group] { showGroup(group); });
}

void CayleyDiagramPanel::showGroup(const GroupPtr& group) {
    group_ = group;
    setWindowTitle(DiagramTitleName(group_->GroupID()) + QStringLiteral(" Cayley Diagram"));
    if (group_->order() > kCayleyDiagramPanelMaxOrder) {
        generators_.clear();
        subgroups_.clear();
        diagram_ = {};
        scene_->setPicture({});
        lstGenerators_->clear();
        lstElements_->clear();
        cboSubgroup_->clear();
        lblNote_->setText(QStringLiteral("The Cayley diagram of %1 (%2 elements) is too large to draw here: this "
                                         "panel draws groups of up to %3 elements. The command-line tool writes it "
                                         "as SVG, PNG or TikZ: quorix-report diagram SPEC --svg FILE.")
                              .arg(DiagramTitleName(group_->GroupID()))
                              .arg(group_->order())
                              .arg(kCayleyDiagramPanelMaxOrder));
        return;
    }
    generators_ = diagram::SmallGeneratingSet(*group_);
    // The force layout only where it is drawn at once.
    if (auto* model = qobject_cast<QStandardItemModel*>(cboLayout_->model())) {
        QStandardItem* force = model->item(static_cast<int>(diagram::Layout::Force));
        const bool offered = CayleyDiagramLayoutFor(*group_, diagram::Layout::Force) == diagram::Layout::Force;
        force->setEnabled(offered);
        force->setToolTip(
            offered ? QString() : QStringLiteral("Offered for groups of up to %1 elements.").arg(kForceLayoutMaxOrder));
    }
    layout_ = CayleyDiagramLayoutFor(*group_, layout_);
    {
        const QSignalBlocker block(cboLayout_);
        cboLayout_->setCurrentIndex(static_cast<int>(layout_));
    }
    subgroups_.clear();
    fillLists();
    rebuild();
    findSubgroups();
}

void CayleyDiagramPanel::findSubgroups() {
    // The list behind "Colour by cosets of", found while the diagram is
    // already shown: one job, with Halt.
    runJob(
        QStringLiteral("Finding the subgroups..."),
        [group = group_](Progress& progress) {
            SubgroupLogic logic;
            if (logic.FindAllSubgroups(group, progress).halted) return std::optional<std::vector<ElementSet>>();
            return std::optional<std::vector<ElementSet>>(logic.Memberships());
        },
        [this, group = group_](std::optional<std::vector<ElementSet>> found) {
            if (!found || group != group_) return;
            subgroups_ = std::move(*found);
            fillSubgroupList();
        });
}

void CayleyDiagramPanel::fillLists() {
    filling_ = true;
    lstGenerators_->clear();
    lstElements_->clear();
    cboSubgroup_->clear();
    cboSubgroup_->addItem(QStringLiteral("(none: element colours)"));
    for (int k = 1; k <= group_->order(); ++k) {
        const QString name = Plain(group_->name(k));
        lstElements_->addItem(name);
        if (k == 1) continue;
        auto* item = new QListWidgetItem(QStringLiteral("%1   (order %2)").arg(name).arg(group_->elementOrder(k)),
                                         lstGenerators_);
        item->setData(Qt::UserRole, k);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(std::find(generators_.begin(), generators_.end(), k) != generators_.end() ? Qt::Checked
                                                                                                      : Qt::Unchecked);
    }
    filling_ = false;
}

void CayleyDiagramPanel::fillSubgroupList() {
    filling_ = true;
    for (const ElementSet& h : subgroups_) {
        QStringList names;
        for (int k = 1; k <= group_->order() && names.size() < 6; ++k)
            if (h.test(static_cast<std::size_t>(k))) names << Plain(group_->name(k));
        const int order = static_cast<int>(h.count());
        cboSubgroup_->addItem(QStringLiteral("order %1: {%2%3}")
                                  .arg(order)
                                  .arg(names.join(QStringLiteral(", ")))
                                  .arg(order > 6 ? QStringLiteral(", ...") : QString()));
    }
    filling_ = false;
}

void CayleyDiagramPanel::setGenerators(const std::vector<int>& generators) {
    generators_ = generators;
    if (!group_) return;
    filling_ = true;
    for (int i = 0; i < lstGenerators_->count(); ++i) {
        QListWidgetItem* item = lstGenerators_->item(i);
        const int k = item->data(Qt::UserRole).toInt();
        const auto at = std::find(generators_.begin(), generators_.end(), k);
        item->setCheckState(at != generators_.end() ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    rebuild();
}

void CayleyDiagramPanel::setLayout(diagram::Layout layout) {
    layout_ = group_ ? CayleyDiagramLayoutFor(*group_, layout) : layout;
    if (cboLayout_->currentIndex() != static_cast<int>(layout_)) {
        const QSignalBlocker block(cboLayout_);
        cboLayout_->setCurrentIndex(static_cast<int>(layout_));
    }
    if (group_) rebuild();
}

void CayleyDiagramPanel::rebuild() {
    diagram_ = diagram::BuildCayleyDiagram(*group_, generators_, {layout_, false});
    scene_->setPicture(diagram_.picture);
    QString note;
    if (generators_.empty())
        note = QStringLiteral("Tick at least one generator.");
    else if (!diagram_.generatesGroup)
        note = QString::fromStdString(diagram_.picture.notes.front());
    else
        note = QStringLiteral("%1 elements, %2 edges.").arg(group_->order()).arg(diagram_.edges.size());
    lblNote_->setText(note);
    colourByCosets(cboSubgroup_->currentIndex() - 1, optLeft_->isChecked());
    if (lstElements_->currentRow() >= 0) scene_->highlight(lstElements_->currentRow());
}

void CayleyDiagramPanel::selectElement(int position) {
    if (!group_) return;
    const int node = position >= 1 && position <= group_->order() ? position - 1 : -1;
    scene_->highlight(node);
    if (lstElements_->currentRow() != node) {
        filling_ = true;
        lstElements_->setCurrentRow(node);
        filling_ = false;
    }
}

void CayleyDiagramPanel::colourByCosets(int index, bool left) {
    if (!group_) return;
    if (index < 0 || index >= static_cast<int>(subgroups_.size())) {
        scene_->setNodeFills({});
        return;
    }
    const std::vector<int> coset = diagram::CosetNumbers(*group_, subgroups_[static_cast<std::size_t>(index)], left);
    const int count = *std::max_element(coset.begin(), coset.end()) + 1;
    const std::vector<TableColour> colours = ElementColours(count);
    std::vector<QColor> fills;
    for (int k = 1; k <= group_->order(); ++k) {
        const TableColour& c = colours[static_cast<std::size_t>(coset[static_cast<std::size_t>(k)])];
        fills.emplace_back(c.red, c.green, c.blue);
    }
    scene_->setNodeFills(fills);
}

// ---- cycle graph --------------------------------------------------------------

CycleGraphPanel::CycleGraphPanel(AppContext& context, GroupPtr group, QWidget* parent)
    : DiagramPanelBase(context, QStringLiteral("dlgCycleGraph"), QStringLiteral("Cycle Graph"), parent) {
    lblNote_ = addLabel(QStringLiteral("lblNote"), QString(), kSideLeft, kTop, kDiagramSideWidth, 3000);
    lblNote_->setWordWrap(true);
    lblNote_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    if (group) showGroup(group);
}

void CycleGraphPanel::showGroup(const GroupPtr& group) {
    group_ = group;
    setWindowTitle(DiagramTitleName(group_->GroupID()) + QStringLiteral(" Cycle Graph"));
    if (group_->order() > kCycleGraphPanelMaxOrder) {
        graph_ = {};
        scene_->setPicture({});
        lblNote_->setText(QStringLiteral("The cycle graph of %1 (%2 elements) is too large to draw here: this panel "
                                         "draws groups of up to %3 elements. The command-line tool writes it as "
                                         "SVG, PNG or TikZ: quorix-report cyclegraph SPEC --svg FILE.")
                              .arg(DiagramTitleName(group_->GroupID()))
                              .arg(group_->order())
                              .arg(kCycleGraphPanelMaxOrder));
        return;
    }
    graph_ = diagram::BuildCycleGraph(*group_);
    scene_->setPicture(graph_.picture);
    lblNote_->setText(QStringLiteral("Each maximal cyclic subgroup <g> is the cycle 1, g, g², ... back to 1; "
                                     "elements shared by several cycles are drawn once.\n\n%1 maximal cyclic "
                                     "subgroups.")
                          .arg(graph_.cycles.size()));
}

void OpenCayleyDiagram(AppContext& context, const GroupPtr& group, QWidget* parent) {
    PanelInput input;
    input.group = group;
    context.panels.open(QStringLiteral("dlgCayleyDiagram"), context, parent, input);
}

void RegisterDiagramPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgCayleyDiagram"), QStringLiteral("Cayley Diagram"), std::nullopt,
                  QStringLiteral("&Analysis Tools/Cayley &Diagram..."), QStringLiteral("mnuCayleyDiagram"), false,
                  [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new CayleyDiagramPanel(c, in.group, parent);
                  },
                  QString(), 90});
    registry.add({QStringLiteral("dlgCycleGraph"), QStringLiteral("Cycle Graph"), std::nullopt,
                  QStringLiteral("&Analysis Tools/C&ycle Graph..."), QStringLiteral("mnuCycleGraph"), false,
                  [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new CycleGraphPanel(c, in.group, parent);
                  },
                  QString(), 100});
}

}  // namespace quorix::gui
