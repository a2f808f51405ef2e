#include "gui/rings/rings_panel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "core/storage/group_register.h"
#include "gui/common/app_context.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"
#include "gui/rings/operation_table.h"

namespace quorix::gui {

namespace {

constexpr long kRingLeft = 100;
constexpr long kTop = 100;
constexpr long kEntryStep = 420;
constexpr long kRingButtonWidth = 900;

std::string Count(int n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "Z_6" in the program's markup: "Z|@6|".
std::string KindMarkup(const std::string& kind) {
    std::string out;
    for (std::size_t i = 0; i < kind.size(); ++i) {
        if (kind.compare(i, 2, "Z_") != 0) {
            out += kind[i];
            continue;
        }
        std::size_t end = i + 2;
        while (end < kind.size() && kind[end] >= '0' && kind[end] <= '9') ++end;
        out += "Z|@" + kind.substr(i + 2, end - i - 2) + "|";
        i = end - 1;
    }
    return out;
}

std::string EntryText(int number, const RingProperties& p) {
    std::string text = "|%b|Ring " + std::to_string(number) + "|/b|";
    const std::string kind = RingKindText(p);
    if (!kind.empty()) text += " (" + KindMarkup(kind) + ")";
    std::vector<std::string> facts;
    if (p.zeroRing) facts.emplace_back("zero ring");
    facts.emplace_back(p.hasOne ? "with one" : "without one");
    facts.emplace_back(p.commutative ? "commutative" : "not commutative");
    if (p.divisionRing) facts.emplace_back(p.field ? "field" : "division ring");
    facts.push_back(Count(p.units, "unit", "units"));
    facts.push_back(Count(p.idempotents, "idempotent", "idempotents"));
    facts.push_back(Count(p.nilpotents, "nilpotent", "nilpotents"));
    facts.push_back("characteristic " + std::to_string(p.characteristic));
    text += ":";
    for (std::size_t i = 0; i < facts.size(); ++i) text += (i == 0 ? " " : ", ") + facts[i];
    return text;
}

}  // namespace

RingsPanel::RingsPanel(AppContext& context, const PanelInput& input, QWidget* parent)
    : Panel(context, QStringLiteral("dlgAssociativeRings"), QStringLiteral("Associative Rings"), parent),
      group_(input.group) {
    addFileMenu();
    QMenu* names = menuBar()->addMenu(QStringLiteral("&Names"));
    names->setObjectName(QStringLiteral("mnuNames"));
    mnuRingNames_ = names->addAction(QStringLiteral("&Ring Names (0 and 1)"));
    mnuRingNames_->setObjectName(QStringLiteral("mnuRingNames"));
    mnuGroupNames_ = names->addAction(QStringLiteral("&Group's Names"));
    mnuGroupNames_->setObjectName(QStringLiteral("mnuGroupNames"));
    for (QAction* a : {mnuRingNames_, mnuGroupNames_}) a->setCheckable(true);
    mnuRingNames_->setChecked(true);
    connect(mnuRingNames_, &QAction::triggered, this, [this] { setRingNames(true); });
    connect(mnuGroupNames_, &QAction::triggered, this, [this] { setRingNames(false); });
    addScrollingMenu();
    addHelpMenu();
    setClientSizeTw(9000, 5000);
    createPictureBox();
    createProcessingFrame(300, 500, 5200, 900);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    draw();
    startWhenShown([this] { findRings(); });
}

std::string RingsPanel::summary() const {
    if (!finished_) return {};
    std::string text = "The abelian group |%b|" + group_->GroupID() + "|/b| carries " +
                       Count(static_cast<int>(list_.rings.size()), "ring", "rings") + " up to isomorphism, " +
                       std::to_string(list_.WithOne()) + " with a one, " + std::to_string(list_.Commutative()) +
                       " commutative";
    return text + (list_.halted ? " (halted: the list is incomplete)." : ".");
}

void RingsPanel::findRings() {
    if (started_ || !group_ || !group_->Abelian() || group_->order() > kMaxRingOrder) return;
    started_ = true;
    runJob(
        QStringLiteral("finding the rings . . ."),
        [group = group_](Progress& progress) { return FindAssociativeRings(*group, progress); },
        [this](RingList found) {
            list_ = std::move(found);
            finished_ = true;
            for (std::size_t i = 0; i < list_.rings.size(); ++i) {
                auto* b = addButton(QStringLiteral("cmdShowRing%1").arg(i + 1), QStringLiteral("Table"), 0, 0,
                                    kRingButtonWidth, 330);
                b->setToolTip(QStringLiteral("Show the multiplication table of ring %1").arg(i + 1));
                connect(b, &QPushButton::clicked, this, [this, i] { showRing(static_cast<int>(i)); });
                b->show();
                ringButtons_.push_back(b);
            }
            draw();
        });
}

void RingsPanel::showRing(int index) {
    if (index < 0 || index >= static_cast<int>(list_.rings.size())) return;
    shown_ = index;
    // The one: the element e with e x = x e = x for every x.
    const Ring& ring = list_.rings[static_cast<std::size_t>(index)];
    const int n = group_->order();
    one_ = 0;
    for (int e = 1; e <= n && one_ == 0; ++e) {
        bool one = true;
        for (int x = 1; x <= n && one; ++x)
            one = ring.table[static_cast<std::size_t>(e - 1)][static_cast<std::size_t>(x - 1)] == x &&
                  ring.table[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(e - 1)] == x;
        if (one) one_ = e;
    }
    draw();
}

void RingsPanel::setRingNames(bool ringNames) {
    ringNames_ = ringNames;
    mnuRingNames_->setChecked(ringNames);
    mnuGroupNames_->setChecked(!ringNames);
    draw();
}

std::string RingsPanel::elementName(int a) const {
    if (ringNames_ && a == 1) return "0";
    // In the zero ring 0 = 1: the zero keeps its name.
    if (ringNames_ && a == one_) return "1";
    return group_->name(a);
}

void RingsPanel::draw() {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.x = kRingLeft;
    ps.y = kTop;
    long bottom = kTop + 300;
    if (!group_) {
        PrintMarkup(box, "No group is selected.");
    } else if (!group_->Abelian()) {
        PrintMarkup(box, "Rings need an abelian group; |%b|" + group_->GroupID() + "|/b| is not abelian.");
    } else if (group_->order() > kMaxRingOrder) {
        PrintMarkup(box, "Rings are found for groups of order " + std::to_string(kMaxRingOrder) + " or less.");
    } else if (!finished_) {
        PrintMarkup(box, "Finding the rings on |%b|" + group_->GroupID() + "|/b| . . .");
    } else {
        PrintMarkup(box, summary());
        long right = ps.x;
        ps.x = kRingLeft;
        ps.y = kTop + 300;
        PrintMarkup(box,
                    ringNames_
                        ? std::string("In the tables 0 is the ring's zero (the group's identity " + group_->name(1) +
                                      ") and 1 its one; the other elements keep the "
                                      "group's names (Names menu).")
                        : "Elements carry the group's names: its identity " + group_->name(1) + " is the ring's zero.");
        right = std::max(right, ps.x);
        long y = kTop + 800;
        // The ring asked for: its multiplication beside the addition, above the list.
        if (shown_ >= 0) {
            const Ring& ring = list_.rings[static_cast<std::size_t>(shown_)];
            ps.x = kRingLeft + 100;
            ps.y = y;
            const auto name = [this](int a) { return elementName(a); };
            const Group& g = *group_;
            const PrintedTable sum = PrintOperationTable(
                box, g, [&g](int a, int b) { return g.mul(a, b); }, name, "Addition");
            // Beside the addition when both fit in the panel's width, else below it.
            const long width = sum.right - (kRingLeft + 100);
            const bool beside = sum.right + 600 + width <= std::max(clientWidthTw(), 9000L);
            ps.x = beside ? sum.right + 600 : kRingLeft + 100;
            ps.y = beside ? y : sum.bottom + 500;
            const PrintedTable product = PrintOperationTable(
                box, *group_,
                [&ring](int a, int b) {
                    return ring.table[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)];
                },
                name, "Multiplication of ring " + std::to_string(shown_ + 1));
            y = std::max(sum.bottom, product.bottom) + 500;
            right = std::max(right, product.right);
        }
        for (std::size_t i = 0; i < list_.rings.size(); ++i) {
            moveTw(ringButtons_[i], box.leftTw() + kRingLeft, box.topTw() + y - 40);
            ps.x = kRingLeft + kRingButtonWidth + 150;
            ps.y = y;
            PrintMarkup(box, EntryText(static_cast<int>(i) + 1, list_.rings[i].properties));
            right = std::max(right, ps.x);
            y += kEntryStep;
        }
        bottom = y;
        const long needW = right + 300;
        if (clientWidthTw() < needW) setClientSizeTw(needW, clientHeightTw());
    }
    moveTw(cmdOK_, box.leftTw() + kRingLeft, box.topTw() + bottom + 200);
    const long needH = bottom + 800;
    if (clientHeightTw() < needH) setClientSizeTw(clientWidthTw(), needH);
}

void RegisterRingsPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgAssociativeRings"), QStringLiteral("Associative Rings"), std::nullopt, QString(),
                  QString(), false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new RingsPanel(c, in, parent);
                  }});
}

}  // namespace quorix::gui
