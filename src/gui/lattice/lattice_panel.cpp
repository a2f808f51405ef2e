#include "gui/lattice/lattice_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/text/markup.h"
#include "gui/common/app_context.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"
#include "gui/common/twips.h"

namespace quorix::gui {

namespace {

constexpr long kToolbarHeight = 900;
constexpr long kSideWidth = 2700;
const QColor kSelectionColour(220, 0, 0);

QColor ToQColor(const lattice::Colour& c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

LatticePanel::LatticePanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : Panel(context, QStringLiteral("dlgSubgroupLattice"), QStringLiteral("Subgroup Lattice"), parent) {
    buildStandardMenus(false, false);
    setClientSizeTw(11200, 9000);
    cmdChooseGroup_ = addButton(QStringLiteral("cmdChooseGroup"), QStringLiteral("&Choose Group"), 100, 100, 1600);
    chkClasses_ = addControl<QCheckBox>(QStringLiteral("chkClasses"), 1850, 120, 2300, 330);
    chkClasses_->setText(QStringLiteral("Classes only"));
    chkClasses_->setToolTip(QStringLiteral("One node per class of conjugate subgroups"));
    cmdZoomIn_ = addButton(QStringLiteral("cmdZoomIn"), QStringLiteral("Zoom &In"), 4200, 100, 1200);
    cmdZoomOut_ = addButton(QStringLiteral("cmdZoomOut"), QStringLiteral("Zoom &Out"), 5500, 100, 1200);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 6800, 100, 1000);
    createProcessingFrame(8000, 0, 4500, 850);

    // The drawing scrolls and zooms inside its own area: it never resizes
    // the window.
    scroll_ = createScrolledPictureBox(QStringLiteral("scrLattice"), 100, kToolbarHeight, 8200, 8000);
    pictureBox()->onPrinted = nullptr;
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // a narrow lattice stands in the middle

    lblSelected_ = addLabel(QStringLiteral("lblSelected"), QStringLiteral("Choose a group."), 8400, kToolbarHeight,
                            kSideWidth, 700);
    lblSelected_->setWordWrap(true);
    lstElements_ = addControl<QListWidget>(QStringLiteral("lstElements"), 8400, kToolbarHeight + 750, kSideWidth, 5800);
    cmdShowGroup_ = addButton(QStringLiteral("cmdShowGroup"), QStringLiteral("Show &Group"), 8400, 7650, kSideWidth);
    cmdOrganise_ =
        addButton(QStringLiteral("cmdOrganiseByIt"), QStringLiteral("Organise &Table by It"), 8400, 8100, kSideWidth);
    const bool showGroupAvailable = context.panels.find(QStringLiteral("dlgShowGroup")) &&
                                    context.panels.find(QStringLiteral("dlgShowGroup"))->create;
    for (QPushButton* b : {cmdShowGroup_, cmdOrganise_}) {
        b->setEnabled(false);
        if (!showGroupAvailable) b->setToolTip(QStringLiteral("Not available in this version."));
    }
    // The drawing takes what the window gives; the side column keeps to its
    // right edge, its buttons to the bottom.
    followWindow(scroll_, FollowWidth | FollowHeight);
    followWindow(lblSelected_, FollowRight);
    followWindow(lstElements_, FollowRight | FollowHeight);
    followWindow(cmdShowGroup_, FollowRight | FollowBottom);
    followWindow(cmdOrganise_, FollowRight | FollowBottom);

    connect(cmdChooseGroup_, &QPushButton::clicked, this, [this] {
        if (const std::optional<int> chosen = chooseGroup()) showGroup(groupRegister().At(*chosen));
    });
    connect(chkClasses_, &QCheckBox::toggled, this, [this] {
        classesChosen_ = true;
        build();
    });
    connect(cmdZoomIn_, &QPushButton::clicked, this, [this] { setZoom(zoom_ * 1.25); });
    connect(cmdZoomOut_, &QPushButton::clicked, this, [this] { setZoom(zoom_ / 1.25); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    connect(cmdShowGroup_, &QPushButton::clicked, this, [this] { showSubgroupGroup(); });
    connect(cmdOrganise_, &QPushButton::clicked, this, [this] { organiseBySubgroup(); });
    pictureBox()->onMouseDown = [this](long x, long y) { selectNode(nodeAt(x, y)); };

    draw();
    if (input.group) startWhenShown([this, g = input.group] { showGroup(g); });
}

void LatticePanel::showGroup(const GroupPtr& group) {
    group_ = group;
    classesChosen_ = false;
    setWindowTitle(QString::fromStdString(markup::StripMarkup(group_->GroupID())) +
                   QStringLiteral(" Subgroup Lattice"));
    build();
}

void LatticePanel::build() {
    if (!group_) return;
    selected_ = -1;
    const lattice::View view = !classesChosen_            ? lattice::View::Automatic
                               : chkClasses_->isChecked() ? lattice::View::ClassesOnly
                                                          : lattice::View::Subgroups;
    runJob(
        QStringLiteral("Finding the subgroups..."), {chkClasses_},
        [group = group_, view, &catalogue = context().workbench.catalogue](Progress& progress) {
            lattice::Lattice built = lattice::BuildLattice(*group, view, progress);
            if (!built.halted) lattice::NameNodes(built, group, catalogue, progress);
            return built;
        },
        [this, group = group_](lattice::Lattice built) {
            if (group != group_) return;
            lattice_ = std::move(built);
            showLattice();
        });
}

void LatticePanel::showLattice() {
    {
        const QSignalBlocker block(chkClasses_);
        chkClasses_->setChecked(lattice_.classesOnly);
    }
    if (lattice_.halted) lblSelected_->setText(QStringLiteral("Halted."));
    selectNode(-1);
    // Start at the top with the group's box in the middle.
    QScrollBar* h = scroll_->horizontalScrollBar();
    h->setValue((h->maximum() + h->minimum()) / 2);
    for (const lattice::Node& n : lattice_.nodes)
        if (n.layer == 0) h->setValue(TwipsToPx(n.x * zoom_) - scroll_->viewport()->width() / 2);
    scroll_->verticalScrollBar()->setValue(0);
    // The whole lattice where the screen has room for it.
    growToShow(scroll_);
}

void LatticePanel::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    draw();
}

int LatticePanel::nodeAt(long x, long y) const {
    for (std::size_t i = 0; i < lattice_.nodes.size(); ++i) {
        const lattice::Node& n = lattice_.nodes[i];
        if (std::abs(x - n.x * zoom_) <= n.width * zoom_ / 2 && std::abs(y - n.y * zoom_) <= n.height * zoom_ / 2)
            return static_cast<int>(i);
    }
    return -1;
}

void LatticePanel::selectNode(int node) {
    selected_ = node >= 0 && node < static_cast<int>(lattice_.nodes.size()) ? node : -1;
    lstElements_->clear();
    const bool chosen = selected_ >= 0;
    const PanelEntry* show = context().panels.find(QStringLiteral("dlgShowGroup"));
    for (QPushButton* b : {cmdShowGroup_, cmdOrganise_}) b->setEnabled(chosen && show && show->create);
    if (chosen) {
        const lattice::Node& n = lattice_.nodes[static_cast<std::size_t>(selected_)];
        QString text = QStringLiteral("Order %1").arg(n.order);
        if (!n.name.empty())
            text += QStringLiteral(", %1 %2").arg(QString::fromStdString(n.catalogue),
                                                  QString::fromStdString(markup::StripMarkup(n.name)));
        text += n.normal ? QStringLiteral(", normal") : QStringLiteral(", %1 conjugates").arg(n.classSize);
        lblSelected_->setText(text);
        for (const std::string& e : lattice::NodeElements(*group_, n)) lstElements_->addItem(QString::fromStdString(e));
    } else if (!lattice_.halted) {
        const auto count = [](int n, const char* one, const char* many) {
            return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
        };
        lblSelected_->setText(group_ ? QStringLiteral("%1 in %2. Click a subgroup.")
                                           .arg(count(lattice_.subgroupCount, "subgroup", "subgroups"),
                                                count(lattice_.classCount, "class", "classes"))
                                     : QStringLiteral("Choose a group."));
    }
    draw();
}

namespace {

// The outline of a rectangle, `inset` twips inside the given one.
void DrawOutline(PictureBox& box, double left, double top, double width, double height, double inset) {
    const double l = left + inset, t = top + inset, r = left + width - inset, b = top + height - inset;
    box.drawLine(l, t, r, t);
    box.drawLine(r, t, r, b);
    box.drawLine(r, b, l, b);
    box.drawLine(l, b, l, t);
}

// How far a name's exponents rise above its line and its subscripts drop
// below it (twips).
std::pair<double, double> ShiftRoom(const std::string& name) {
    double above = 0, below = 0;
    for (const markup::Token& t : markup::Tokenize(name)) {
        if (t.placement == markup::Placement::Raised || t.placement == markup::Placement::Stacked) above = kMarkupShift;
        if (t.placement == markup::Placement::Lowered) below = kMarkupShift;
    }
    return {above, below};
}

}  // namespace

void LatticePanel::draw() {
    PictureBox& box = *pictureBox();
    box.clear();
    box.printState() = PrintState{};
    const double z = zoom_;
    box.setFixedSize(std::max(200, TwipsToPx(lattice_.width * z) + 2),
                     std::max(200, TwipsToPx(lattice_.height * z) + 2));
    const double size = box.fontSize();
    box.setForeColor(QColor(110, 110, 110));
    for (const std::vector<lattice::Point>& route : lattice_.routes)
        for (std::size_t i = 0; i + 1 < route.size(); ++i)
            box.drawLine(route[i].x * z, route[i].y * z, route[i + 1].x * z, route[i + 1].y * z);
    // Each box holds its order and, below it, its name; the font follows the
    // zoom and shrinks further where a label would not fit its box.
    const double padding = 60 * z;
    for (std::size_t i = 0; i < lattice_.nodes.size(); ++i) {
        const lattice::Node& n = lattice_.nodes[i];
        const double w = n.width * z, h = n.height * z;
        const double left = n.x * z - w / 2, top = n.y * z - h / 2;
        box.fillRect(left, top, w, h, ToQColor(n.colour));
        box.setForeColor(Qt::black);
        DrawOutline(box, left, top, w, h, 0);
        if (n.normal) DrawOutline(box, left, top, w, h, 30 * z);
        if (static_cast<int>(i) == selected_) {
            box.setForeColor(kSelectionColour);
            for (double ring = 30; ring <= 75; ring += 15) DrawOutline(box, left, top, w, h, -ring);
            box.setForeColor(Qt::black);
        }
        const QString orderText = QString::fromStdString(lattice::OrderText(lattice_, n));
        box.setFontBold(n.normal);
        box.setFontSize(size * z);
        while (box.fontSize() > 3 && box.textWidth(orderText) > w - 2 * padding) box.setFontSize(box.fontSize() - 0.25);
        const double orderSize = box.fontSize();
        const double orderHeight = box.textHeight();
        if (n.name.empty()) {
            box.drawText(n.x * z - box.textWidth(orderText) / 2, n.y * z - orderHeight / 2, orderText);
        } else {
            box.setFontBold(false);
            box.setFontSize(size * z * 0.9);
            while (box.fontSize() > 3 && MarkupTextWidth(box, n.name) > w - 2 * padding)
                box.setFontSize(box.fontSize() - 0.25);
            // The two lines in the middle of the box, with room for the
            // name's exponents above it and its subscripts below.
            const auto [above, below] = ShiftRoom(n.name);
            const double nameHeight = above + box.textHeight() + below;
            const double orderTop = n.y * z - (orderHeight + nameHeight) / 2;
            PrintState& ps = box.printState();
            ps.x = static_cast<long>(n.x * z - MarkupTextWidth(box, n.name) / 2.0);
            ps.y = static_cast<long>(orderTop + orderHeight + above);
            ps.bold = false;
            PrintMarkup(box, n.name);
            box.setFontBold(n.normal);
            box.setFontSize(orderSize);
            box.drawText(n.x * z - box.textWidth(orderText) / 2, orderTop, orderText);
        }
        box.setFontBold(false);
        box.setFontSize(size);
    }
    box.update();
}

void LatticePanel::showSubgroupGroup() {
    if (selected_ < 0 || !stillRegistered(group_)) return;
    const lattice::Node& n = lattice_.nodes[static_cast<std::size_t>(selected_)];
    GroupPtr h = Group::Create();
    h->GenerateSubgroup(group_, n.members);
    int index = 1;
    for (int s = 0; s < selected_; ++s) index += lattice_.nodes[static_cast<std::size_t>(s)].order == n.order ? 1 : 0;
    const std::string id =
        "Lattice" + std::to_string(n.order) + "-" + std::to_string(index) + "(" + group_->GroupID() + ")";
    h->SetGroupID(id);
    // Shown, not registered: the subgroup panel registers subgroups by their
    // own names, and a second copy would only crowd the group list.
    PanelInput input;
    input.group = h;
    openPanel(QStringLiteral("dlgShowGroup"), input);
}

void LatticePanel::organiseBySubgroup() {
    if (selected_ < 0 || !stillRegistered(group_)) return;
    PanelInput input;
    input.group = group_;
    input.organiseBy = lattice_.nodes[static_cast<std::size_t>(selected_)].members;
    openPanel(QStringLiteral("dlgShowGroup"), input);
}

void RegisterLatticePanels(PanelRegistry& registry) {
    registry.add(
        {QStringLiteral("dlgSubgroupLattice"), QStringLiteral("Subgroup Lattice"), std::nullopt,
         QStringLiteral("&Analysis Tools/Subgroup &Lattice..."), QStringLiteral("mnuSubgroupLattice"), false,
         [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* { return new LatticePanel(c, in, parent); },
         QString(), 60});
}

}  // namespace quorix::gui
