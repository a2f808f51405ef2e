#include "gui/graph/graph_panel.h"

#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "core/compare/solution_analysis.h"
#include "core/text/markup.h"
#include "gui/common/app_context.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {

QColor ToQColor(const graph::Colour& c) { return QColor(c.red, c.green, c.blue); }

// A mid grey on which the white and cyan arrows and the black names all show.
const QColor kGraphBackground(128, 128, 128);

}  // namespace

GraphChoice ChooseCayleyGraph(const GroupPtr& g, AppContext& context) {
    if (!g || g->order() == 0) return {};
    if (g->Cyclic()) return {1, 0, 0};
    if (g->Dihedral() || g->order() == 4) return {2, 0, 0};
    if (g->order() <= 20) {
        for (const NamedGroupEntry& e : RecogniseNamedGroups(g, GroupRegistrar{}, context.workbench.namedGroups)) {
            if (e.kind == NamedGroupKind::DirectProduct && e.group->NumberOfComponents() == 2)
                return {3, e.group->Suborder(1), e.group->Suborder(2)};
        }
    }
    return {};
}

GraphPanel::GraphPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : Panel(context, QStringLiteral("dlgGraph"), QStringLiteral("Graphic Representation"), parent),
      group_(input.group) {
    buildStandardMenus(false, true);
    setClientSizeTw(9000, 6000);
    createPictureBox();
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 0, 0, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });

    if (group_) {
        setWindowTitle(QString::fromStdString(markup::StripMarkup(group_->GroupID())) +
                       QStringLiteral(" Graphic Representation"));
        choice_ = ChooseCayleyGraph(group_, context);
    }
    draw();
    if (!layout_.message.empty()) host().Message(layout_.message);
}

void GraphPanel::draw() {
    clearPanel();
    PictureBox& box = *pictureBox();
    QPalette pal = box.palette();
    pal.setColor(QPalette::Window, kGraphBackground);
    box.setPalette(pal);
    box.setFontBold(true);
    box.printState().bold = true;

    std::vector<std::string> names;
    if (group_)
        for (int k = 1; k <= group_->order(); ++k) names.push_back(group_->Element(k));
    layout_ = graph::LayOutCayleyGraph(choice_.kind, names, choice_.m, choice_.k,
                                       [&box](const std::string& s) { return MarkupTextWidth(box, s); });
    long right = 0, bottom = 0;
    for (const graph::Circle& c : layout_.circles) {
        box.setForeColor(ToQColor(c.colour));
        box.drawCircle(c.x, c.y, c.radius);
        right = std::max(right, c.x + c.radius);
        bottom = std::max(bottom, c.y + c.radius);
    }
    for (const graph::Line& l : layout_.lines) {
        box.setForeColor(ToQColor(l.colour));
        box.drawLine(l.x1, l.y1, l.x2, l.y2);
        right = std::max({right, l.x1, l.x2});
        bottom = std::max({bottom, l.y1, l.y2});
    }
    PrintState& ps = box.printState();
    for (const graph::Label& t : layout_.labels) {
        box.setForeColor(ToQColor(t.colour));
        ps.x = t.x;
        ps.y = t.y;
        ps.bold = true;
        PrintMarkup(box, t.text);
    }
    box.setForeColor(Qt::black);
    const long okTop = std::max(bottom + 400, 600L);
    moveTw(cmdOK_, box.leftTw() + 300, box.topTw() + okTop);
    const long needW = std::max(right + 600, 4000L), needH = okTop + 700;
    if (clientWidthTw() < needW || clientHeightTw() < needH)
        setClientSizeTw(std::max(clientWidthTw(), needW), std::max(clientHeightTw(), needH));
}

void RegisterGraphPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgGraph"), QStringLiteral("Graphic Representation"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new GraphPanel(c, in, parent);
                  }});
}

}  // namespace quorix::gui
