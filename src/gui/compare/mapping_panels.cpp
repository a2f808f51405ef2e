#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "core/analysis/coset_order.h"
#include "core/compare/mapping_display.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"
#include "gui/compare/compare_panels.h"
#include "gui/display/organise_dialog.h"

namespace quorix::gui {

namespace {

constexpr const char* kDot = "|%b|.|/b|";

// The raised dot of the operation sentences: 40 twips above the line.
void PrintDot(PictureBox& box) {
    PrintState& ps = box.printState();
    ps.y -= 40;
    PrintMarkup(box, kDot);
    ps.y += 40;
}

QString PanelName(MappingPanel::Kind kind) {
    switch (kind) {
        case MappingPanel::Kind::Isomorphism:
            return QStringLiteral("dlgShowIsomorphism");
        case MappingPanel::Kind::Homomorphism:
            return QStringLiteral("dlgShowHomomorphism");
        case MappingPanel::Kind::Automorphism:
            break;
    }
    return QStringLiteral("dlgShowAutomorphism");
}

QString Caption(MappingPanel::Kind kind) {
    switch (kind) {
        case MappingPanel::Kind::Isomorphism:
            return QStringLiteral("Isomorphism");
        case MappingPanel::Kind::Homomorphism:
            return QStringLiteral("Homomorphism");
        case MappingPanel::Kind::Automorphism:
            break;
    }
    return QStringLiteral("Automorphism");
}

}  // namespace

void PrintAutomorphismCode(PictureBox& box, const std::string& code) {
    PrintState& ps = box.printState();
    const double size = box.fontSize();
    const bool bold = ps.bold;
    ps.bold = false;
    const long y = ps.y;
    box.setFontSize(size * 1.8);
    ps.y = y - 60;
    PrintMarkup(box, "(");
    box.setFontSize(size);
    ps.y = y - 40;
    const long left = ps.x;
    PrintMarkup(box, SymbolRow(static_cast<int>(code.size())));
    const long right = ps.x;
    ps.x = left;
    ps.y = y - 40 + 150 + 40;
    std::string compact;
    for (char c : code)
        if (c != ' ') compact += c;
    PrintMarkup(box, compact);
    ps.x = std::max(right, ps.x);
    box.setFontSize(size * 1.8);
    ps.y = y - 60;
    PrintMarkup(box, ")");
    box.setFontSize(size);
    ps.y = y;
    ps.bold = bold;
}

MappingPanel::MappingPanel(AppContext& context, Kind kind, const PanelInput& input, QWidget* parent)
    : Panel(context, PanelName(kind), Caption(kind), parent), kind_(kind), input_(input) {
    addFileMenu();
    TableMenu::Handlers handlers;
    handlers.format = [this](TableFormat f) { setTableFormat(f); };
    handlers.colours = [this](bool on) { setColours(on); };
    handlers.organise = [this] {
        ChooseOrganisingSubgroup(*this, groups_[0], original_[0], [this](std::optional<ElementSet> chosen) {
            if (chosen)
                setOrganiseBy(*chosen);
            else
                syncMenus();
        });
    };
    handlers.copyLatex = [this] { copyLatex(); };
    tableMenu_ = TableMenu::Add(menuBar(), QStringLiteral("&Table Format"), QStringLiteral("mnuTableFormat"), handlers);
    for (int g = 1; g <= tableCount(); ++g) {
        const QString suffix = kind_ == Kind::Automorphism ? QString() : QString::number(g);
        QMenu* menu = menuBar()->addMenu(kind_ == Kind::Automorphism ? QStringLiteral("&Names")
                                                                     : QStringLiteral("Group &%1 Names").arg(g));
        menu->setObjectName(QStringLiteral("mnuNames") + suffix);
        mnuOriginal_[g - 1] = menu->addAction(QStringLiteral("&Original Element Names"));
        mnuOriginal_[g - 1]->setObjectName(QStringLiteral("mnuOriginal") + suffix);
        mnuReductive_[g - 1] = menu->addAction(QStringLiteral("&Reductive-Mapping Names"));
        mnuReductive_[g - 1]->setObjectName(QStringLiteral("mnuReductive") + suffix);
        mnuOriginal_[g - 1]->setCheckable(true);
        mnuReductive_[g - 1]->setCheckable(true);
        connect(mnuOriginal_[g - 1], &QAction::triggered, this, [this, g] { setOriginalNames(g, true); });
        connect(mnuReductive_[g - 1], &QAction::triggered, this, [this, g] { setOriginalNames(g, false); });
    }
    addPreferencesMenu();
    addScrollingMenu();
    addHelpMenu();

    setClientSizeTw(11000, 7000);
    createPictureBox();
    for (int t = 0; t < tableCount(); ++t) {
        calc_[t] = TableCalculator::Create(client());
        if (kind_ != Kind::Automorphism) {
            const QString n = QString::number(t + 1);
            calc_[t].listA->setObjectName(QStringLiteral("lstElement%1A").arg(n));
            calc_[t].listB->setObjectName(QStringLiteral("lstElement%1B").arg(n));
            calc_[t].output->setObjectName(QStringLiteral("txtOut%1").arg(n));
        }
        for (QListWidget* list : {calc_[t].listA, calc_[t].listB})
            connect(list, &QListWidget::itemClicked, this, [this, t] { calculatorClicked(t + 1); });
    }
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("&OK"), 0, 0, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });

    if (kind_ == Kind::Automorphism) original_[0] = !preferences().ReductiveNames(storage::PanelDefault::Automorphism);
    syncMenus();
    build();
}

void MappingPanel::syncMenus() {
    tableMenu_.sync(format_, styleOf(1));
    for (int g = 0; g < tableCount(); ++g) {
        mnuOriginal_[g]->setChecked(original_[g]);
        mnuReductive_[g]->setChecked(!original_[g]);
    }
}

void MappingPanel::setTableFormat(TableFormat format) {
    format_ = format;
    syncMenus();
    build();
}

void MappingPanel::setColours(bool on) {
    style_.colours = on;
    syncMenus();
    build();
}

void MappingPanel::setOrganiseBy(const ElementSet& subgroup) {
    style_.organiseBy.reset();
    organised_.reset();
    if (!subgroup.none() && groups_[0]) {
        try {
            OrderByCosets(*groups_[0], subgroup);
            style_.organiseBy = subgroup;
            organised_ = groups_[0];
            format_ = TableFormat::RowAndColumn;
        } catch (const InvalidArgument& e) {
            host().Message(std::string("The table cannot be organised by these elements: ") + e.what() + ".");
        }
    }
    syncMenus();
    build();
}

TableStyle MappingPanel::styleOf(int index) const {
    TableStyle style;
    style.colours = style_.colours;
    // Coset blocks only for group 1, and only while it is the group they were chosen for.
    if (index == 1 && organised_ && organised_ == groups_[0]) style.organiseBy = style_.organiseBy;
    return style;
}

void MappingPanel::copyLatex() {
    std::string latex;
    for (int t = 1; t <= tableCount(); ++t)
        if (groups_[t - 1] && !images_.empty())
            latex += (latex.empty() ? "" : "\n") + CayleyTableLatex(*groups_[t - 1], original_[t - 1], styleOf(t));
    if (latex.empty()) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(QString::fromStdString(latex));
}

void MappingPanel::setOriginalNames(int group, bool original) {
    if (group < 1 || group > tableCount()) return;
    original_[group - 1] = original;
    syncMenus();
    build();
}

void MappingPanel::calculatorClicked(int index) {
    const GroupPtr& g = groups_[index - 1];
    if (g) calc_[index - 1].update(*g, original_[index - 1]);
}

void MappingPanel::readInputs() {
    groups_[0] = input_.group;
    groups_[1] = kind_ == Kind::Automorphism ? input_.group : input_.other;
    code_ = input_.mapping;
    images_.clear();
    if (!groups_[0] || !groups_[1]) return;
    const std::string& text = input_.mapping;
    switch (kind_) {
        case Kind::Isomorphism:
            images_ = IsomorphismImages(*groups_[0], *groups_[1], text);
            break;
        case Kind::Homomorphism:
            images_ = MappingImages(text);
            break;
        case Kind::Automorphism:
            images_ = AutomorphismImages(code_);
            break;
    }
    // A mapping that does not fit the groups (changed by another search) shows nothing.
    const int n = groups_[0]->order(), m = groups_[1]->order();
    bool fits = static_cast<int>(images_.size()) == n + 1;
    for (std::size_t i = 1; fits && i < images_.size(); ++i) fits = images_[i] >= 1 && images_[i] <= m;
    if (!fits) images_.clear();
}

void MappingPanel::build() {
    clearPanel();
    for (const TableCalculator& c : calc_)
        if (c.listA) c.hide();
    readInputs();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    ps.bold = false;
    ps.x = 100;
    ps.y = 500;
    if (images_.empty()) {
        PrintMarkup(box, "There is no mapping to show.");
        moveTw(cmdOK_, box.leftTw() + 300, box.topTw() + 1000);
        return;
    }
    const Group& g1 = *groups_[0];
    const Group& g2 = *groups_[1];
    const std::string G1 = g1.GroupID(), G2 = g2.GroupID();
    const int n = g1.order();
    const bool original2 = kind_ == Kind::Automorphism ? original_[0] : original_[1];

    // Header.
    if (kind_ == Kind::Automorphism) {
        PrintMarkup(
            box, "Automorphism |%i|f|/i| is a one-to-one mapping of the elements of |%b|" + G1 + "|/b| onto itself,");
        ps.x = 100;
        ps.y += 250;
        PrintMarkup(box, "obtained by applying the permutation ");
        ps.y += 100;
        PrintAutomorphismCode(box, code_);
        ps.y -= 100;
        PrintMarkup(box, " to those elements:");
        ps.y += 250;
    } else {
        // A homomorphism onto a smaller group sends |G1|/|G2| elements to
        // each image: as many as its kernel has.
        const int m = g2.order(), perImage = m > 0 ? n / m : 1;
        const std::string mapping = perImage == 1 ? "one-to-one" : std::to_string(perImage) + "-to-one";
        PrintMarkup(box, std::string(kind_ == Kind::Isomorphism ? "Isomorphism" : "Homomorphism") + " |%i|f|/i| is a " +
                             mapping + " mapping of the elements of |%b|" + G1 + "|/b| onto");
        ps.x = 100;
        ps.y += 250;
        PrintMarkup(
            box, "the elements of |%b|" + G2 + "|/b|" +
                     (perImage == 1 ? std::string(":") : " (its kernel has order " + std::to_string(perImage) + "):"));
    }

    // The mapping list, in one column up to 10 elements, else two.
    const int first = FirstColumnLength(n);
    const long top = ps.y + 500;
    const long startX = kind_ == Kind::Automorphism ? 4000 : 3500;
    long columnX = startX, widest = startX, bottom = top;
    for (int i = 1; i <= n; ++i) {
        if (i == first + 1) columnX = widest + 400;
        const int row = i <= first ? i - 1 : i - first - 1;
        ps.y = top + 250L * row;
        bottom = std::max(bottom, ps.y);
        ps.x = columnX;
        // Row and column permutation groups say where each element comes from.
        const std::string description = kind_ == Kind::Isomorphism ? RowColumnDescription(g1, g2, i) : std::string();
        if (!description.empty()) {
            if (i <= first) ps.x = 1500;
            PrintMarkup(box, description);
            ps.x = std::max(ps.x, columnX);
        }
        const int image = images_[static_cast<std::size_t>(i)];
        PrintMarkup(box, "|%i|f|/i|(" + (original_[0] ? g1.sourceName(i) : g1.mappedName(i)) +
                             ") = " + (original2 ? g2.sourceName(image) : g2.mappedName(image)));
        if (i <= first) widest = std::max(widest, ps.x);
    }

    // The operation sentence.
    ps.x = 100;
    ps.y = bottom + 500;
    if (kind_ == Kind::Automorphism) {
        PrintMarkup(box, "Since |%i|f|/i| is an isomorphism, given any |%i|x|/i|, |%i|y|/i| in |%b|" + G1 + "|/b|,");
        ps.x = 2000;
        ps.y += 250;
        PrintMarkup(box, "|%i|f|/i|(|%i|x|/i|)");
        PrintDot(box);
        PrintMarkup(box, "|%i|f|/i|(|%i|y|/i|) = |%i|f|/i|(|%i|x|/i|");
        PrintDot(box);
        PrintMarkup(box, "|%i|y|/i|).  (See Cayley table below.)");
    } else {
        PrintMarkup(box, "If |%b|" + G1 + "|/b|'s operation is labeled ");
        PrintDot(box);
        PrintMarkup(box, " and |%b|" + G2 + "|/b|'s operation is ~, then given any");
        ps.x = 100;
        ps.y += 250;
        PrintMarkup(box, "|%i|x|/i|, |%i|y|/i| in |%b|" + G1 +
                             "|/b|, |%i|f|/i|(|%i|x|/i|)~|%i|f|/i|(|%i|y|/i|) = |%i|f|/i|(|%i|x|/i|");
        PrintDot(box);
        PrintMarkup(box, "|%i|y|/i|).  (See Cayley tables below.)");
    }

    // The tables.
    const long tableTop = ps.y + 800;
    ps.x = 300;
    ps.y = tableTop;
    PrintedTable t1 = PrintCayleyTable(box, g1, format_, ".", original_[0], &calc_[0], styleOf(1));
    long tablesBottom = t1.bottom, tablesRight = t1.right;
    if (kind_ != Kind::Automorphism) {
        ps.x = std::max(t1.right + 1100, 5200L);
        ps.y = tableTop;
        const PrintedTable t2 = PrintCayleyTable(box, g2, format_, "~", original_[1], &calc_[1], styleOf(2));
        tablesBottom = std::max(tablesBottom, t2.bottom);
        tablesRight = std::max(tablesRight, t2.right);
    }
    moveTw(cmdOK_, box.leftTw() + 300, box.topTw() + tablesBottom + 300);
    const long needH = std::max(clientHeightTw(), tablesBottom + 900);
    const long needW = std::max(clientWidthTw(), tablesRight + 400);
    if (needH != clientHeightTw() || needW != clientWidthTw()) setClientSizeTw(needW, needH);
}

}  // namespace quorix::gui
