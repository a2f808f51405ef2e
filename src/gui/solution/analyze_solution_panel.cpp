#include "gui/solution/analyze_solution_panel.h"

#include <QDir>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <map>

#include "core/storage/text_file.h"
#include "core/display/views.h"
#include "core/storage/group_register.h"
#include "core/text/markup.h"
#include "gui/common/app_context.h"
#include "gui/common/browser_panel.h"
#include "gui/common/deferred_registrar.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/panel_registry.h"
#include "gui/common/picture_box.h"
#include "gui/common/view_job.h"
#include "gui/diagram/diagram_panels.h"
#include "gui/search/main_form.h"

namespace quorix::gui {

namespace {

const QString kNotAvailable = QStringLiteral("This panel is not available in this version.");

bool Available(const AppContext& c, const QString& name) {
    const PanelEntry* e = c.panels.find(name);
    return e && e->create;
}

// n / 2 to the nearest integer, ties to even.
int HalfOrder(int n) {
    const int floor = n / 2;
    if (n % 2 == 0) return floor;
    return floor % 2 == 0 ? floor : floor + 1;
}

}  // namespace

AnalyzeSolutionPanel::AnalyzeSolutionPanel(AppContext& context, GroupPtr solution, GroupPtr earlier, QWidget* parent,
                                           const NameToCode& nameToCode)
    : Panel(context, QStringLiteral("dlgAnalyzeSolution"), QStringLiteral("Analysis"), parent),
      solution_(std::move(solution)),
      earlier_(std::move(earlier)) {
    buildStandardMenus(false, true);
    setClientSizeTw(9500, 7000);
    createPictureBox();
    cmdShowIsomorphism_ =
        addButton(QStringLiteral("cmdShowIsomorphism"), QStringLiteral("Show &Isomorphism"), 0, 0, 1900);
    if (Available(context, QStringLiteral("dlgShowIsomorphism")))
        connect(cmdShowIsomorphism_, &QPushButton::clicked, this, [this] { showIsomorphism(earlier_); });
    else
        markUnavailable(cmdShowIsomorphism_, kNotAvailable);
    cmdSubgroups_ = panelButton(QStringLiteral("cmdSubgroups"), QStringLiteral("Show &Subgroups"),
                                QStringLiteral("dlgSubgroups"), 2400);
    cmdShowGraph_ = addButton(QStringLiteral("cmdShowGraph"), QStringLiteral("Show &Graph"), 0, 0, 2400);
    // The fixed layouts where the group has one, its Cayley diagram otherwise.
    connect(cmdShowGraph_, &QPushButton::clicked, this, [this] {
        if (graphKind_ != 0 && Available(this->context(), QStringLiteral("dlgGraph")))
            openForSolution(QStringLiteral("dlgGraph"));
        else if (solution_)
            OpenCayleyDiagram(this->context(), solution_, this);
    });
    cmdCayleyDiagram_ = addButton(QStringLiteral("cmdCayleyDiagram"), QStringLiteral("Cayley &Diagram"), 0, 0, 2400);
    connect(cmdCayleyDiagram_, &QPushButton::clicked, this, [this] {
        if (solution_) OpenCayleyDiagram(this->context(), solution_, this);
    });
    cmdShowCompositionSeries_ =
        panelButton(QStringLiteral("cmdShowCompositionSeries"), QStringLiteral("Show &Composition Series"),
                    QStringLiteral("dlgShowCompositionSeries"), 2400);
    cmdFindAssociativeRings_ =
        panelButton(QStringLiteral("cmdFindAssociativeRings"), QStringLiteral("Find Corresponding Associative &Rings"),
                    QStringLiteral("dlgAssociativeRings"), 3400);
    cmdOK_ = addButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), 0, 0, 1200);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { close(); });
    for (QPushButton* b : {cmdShowIsomorphism_, cmdSubgroups_, cmdShowGraph_, cmdCayleyDiagram_,
                           cmdShowCompositionSeries_, cmdFindAssociativeRings_})
        b->hide();
    if (solution_) startWhenShown([this, nameToCode] { analyse(nameToCode); });
}

QPushButton* AnalyzeSolutionPanel::panelButton(const QString& name, const QString& caption, const QString& target,
                                               long width) {
    QPushButton* b = addButton(name, caption, 0, 0, width);
    if (Available(context(), target))
        connect(b, &QPushButton::clicked, this, [this, target] { openForSolution(target); });
    else
        markUnavailable(b, kNotAvailable);
    return b;
}

void AnalyzeSolutionPanel::markUnavailable(QPushButton* button, const QString& reason) {
    button->setEnabled(false);
    button->setToolTip(reason);
}

void AnalyzeSolutionPanel::openForSolution(const QString& name) {
    if (!stillRegistered(solution_)) return;
    PanelInput input;
    input.group = solution_;
    openPanel(name, input);
}

void AnalyzeSolutionPanel::showIsomorphism(const GroupPtr& other) {
    // From the group listed (or the earlier solution) to this solution, so
    // that the rows of a row or column group are described.
    if (!other || !stillRegistered(solution_)) return;
    PanelInput input;
    input.group = other;
    input.other = solution_;
    openPanel(QStringLiteral("dlgShowIsomorphism"), input);
}

void AnalyzeSolutionPanel::viewGroup(int index) {
    const GroupPtr& g = named_[static_cast<std::size_t>(index)].group;
    ViewKind kind = ViewKind::Permutation;
    if (!ViewKindOfGroup(*g, kind)) kind = ViewKind::Permutation;
    const QString proposed = QDir(QString::fromStdString(context().directory.string()))
                                 .filePath(QString::fromStdString(DefaultViewFileName(kind)));
    const QString path = saveFileDialog(windowTitle(), QStringLiteral("*.html (*.html)"), proposed);
    if (path.isEmpty()) return;
    RunViewJob(*this, path, preferences().String(ViewComponentPreference(kind) - 1),
               [kind, g, target = path.toStdString()](const ViewOptions& options) {
                   return WriteGroupView(kind, g, target, options);
               });
}

void AnalyzeSolutionPanel::analyse(const NameToCode& nameToCode) {
    // Solvability and the named groups on the worker; the element names'
    // search codes are looked up here, before.
    std::map<std::string, std::string> codes;
    if (nameToCode)
        for (int i = 1; i <= solution_->order(); ++i)
            codes.emplace(solution_->sourceName(i), nameToCode(solution_->sourceName(i)));
    struct Outcome {
        bool solvable = false;
        std::vector<NamedGroupEntry> named;
    };
    auto deferred = DeferredRegistrations::Of(groupRegister());
    runJob(
        QStringLiteral("processing . . ."),
        [solution = solution_, deferred, codes = std::move(codes), manual = static_cast<bool>(nameToCode),
         &namedGroups = context().workbench.namedGroups](Progress& progress) {
            Outcome out;
            EngineStructure structure;
            out.solvable = IsSolvable(solution, structure, namedGroups, progress);
            NameToCode lookup;
            if (manual)
                lookup = [&codes](const std::string& name) {
                    const auto it = codes.find(name);
                    return it == codes.end() ? name : it->second;
                };
            out.named = RecogniseNamedGroups(solution, deferred->registrar(), namedGroups, lookup);
            return out;
        },
        [this, deferred](Outcome out) {
            deferred->carryOut(
                storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); }));
            solvable_ = out.solvable;
            named_ = std::move(out.named);
            draw();
        });
}

void AnalyzeSolutionPanel::draw() {
    Group& g = *solution_;
    const int n = g.order();
    setWindowTitle(QString::fromStdString(markup::StripMarkup(g.GroupID())) + QStringLiteral(" Analysis"));
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    const long bl = box.leftTw(), bt = box.topTw();
    auto print = [&](long x, long y, const std::string& text, bool bold = false) {
        ps.x = x;
        ps.y = y;
        ps.bold = bold;
        PrintMarkup(box, text);
        ps.bold = false;
    };

    // Heading.
    if (earlier_) {
        print(100, 100, "Analysis of " + g.GroupID() + "--isomorphically equivalent to " + earlier_->GroupID() + ":",
              true);
        moveTw(cmdShowIsomorphism_, bl + ps.x + 300, bt + 50);
        cmdShowIsomorphism_->show();
    } else {
        print(100, 100, "Analysis of " + g.GroupID() + ":", true);
    }

    // Element orders in two columns, the identity left out.
    const int h = HalfOrder(n);
    for (int i = 2; i <= n; ++i) {
        const bool first = i <= h + 1;
        print(first ? 100 : 2000, 400 + 250L * (first ? i - 2 : i - h - 2),
              "Order of " + g.SourceElement(i) + " = " + std::to_string(g.SourceElementOrder(i)));
    }
    long y = (h + 1) * 250L + 100;

    // Reductive mapping.
    print(4000, 400, "REDUCTIVE MAPPING:");
    for (int i = 1; i <= n; ++i) {
        const bool first = i <= h + 1;
        print(first ? 4350 : 5350, 650 + 250L * (first ? i - 1 : i - h - 2),
              g.SourceElement(i) + " = " + g.MappedElement(i));
    }
    y = std::max(y, 650 + 250L * (h + 1) + 100);

    // Cayley table in reductive-mapping names.
    for (int j = 1; j <= n; ++j) print(750 + 700L * (j - 1), y, g.Element(j), true);
    y += 250;
    for (int i = 1; i <= n; ++i) {
        print(100, y, g.Element(i), true);
        for (int j = 1; j <= n; ++j) print(750 + 700L * (j - 1), y, g.Product(i, j));
        y += 300;
    }

    // Properties.
    y += 250;
    print(100, y, "GROUP PROPERTIES:", true);
    y += 250;
    const bool abelian = g.Abelian();
    print(300, y, abelian ? "Abelian?  Yes" : "Abelian?  No");
    if (abelian) {
        moveTw(cmdFindAssociativeRings_, bl + 2000, bt + y - 50);
        cmdFindAssociativeRings_->show();
    }
    y += 250;
    const bool cyclic = g.Cyclic();
    graphKind_ = cyclic ? 1 : 0;
    print(300, y, cyclic ? "Cyclic?  Yes" : "Cyclic?  No");
    y += 250;
    if (!cyclic && n == 4) {
        print(300, y, "This is the Klein four-group.");
        graphKind_ = 2;
    } else {
        const bool dihedral = g.Dihedral();
        if (dihedral) graphKind_ = 2;
        print(300, y, dihedral ? "Dihedral?  Yes" : "Dihedral?  No");
    }
    y += 250;
    print(300, y, solvable_ ? "Solvable?  Yes" : "Solvable?  No");
    moveTw(cmdShowCompositionSeries_, bl + 2000, bt + y - 50);
    cmdShowCompositionSeries_->show();
    const long propertiesTop = y - 1000;
    moveTw(cmdSubgroups_, bl + 6000, bt + propertiesTop + 200);
    cmdSubgroups_->show();
    y += 550;

    // Named groups.
    moveTw(cmdShowGraph_, bl + 6000, bt + propertiesTop + 650);
    cmdShowGraph_->show();
    moveTw(cmdCayleyDiagram_, bl + 6000, bt + propertiesTop + 1100);
    cmdCayleyDiagram_->show();
    const bool isoAvailable = Available(context(), QStringLiteral("dlgShowIsomorphism"));
    if (!named_.empty()) {
        y += 400;
        print(100, y, "This group is isomorphic to the following:");
        y += 400;
        for (std::size_t k = 0; k < named_.size(); ++k) {
            const NamedGroupEntry& e = named_[k];
            print(300, y, e.group->GroupID(), true);
            const long textX = ps.x;
            std::string entry = e.lines.empty() ? std::string() : e.lines[0];
            if (!entry.empty() && entry[0] != ' ') entry = "  " + entry;
            print(textX, y, entry);
            auto* view = addButton(QStringLiteral("cmdShowGroupArray%1").arg(k), QStringLiteral("View Group"),
                                   bl + 6200, bt + y - 50, 1300, 330);
            connect(view, &QPushButton::clicked, this, [this, k] { viewGroup(static_cast<int>(k)); });
            auto* iso = addButton(QStringLiteral("cmdShowIsoArray%1").arg(k), QStringLiteral("Show Isomorphism"),
                                  bl + 7550, bt + y - 50, 1850, 330);
            if (isoAvailable) {
                const GroupPtr other = e.group;
                connect(iso, &QPushButton::clicked, this, [this, other] { showIsomorphism(other); });
            } else {
                markUnavailable(iso, kNotAvailable);
            }
            for (std::size_t l = 1; l < e.lines.size(); ++l) {
                y += 250;
                print(textX + 200, y, e.lines[l]);
            }
            y += 400;
        }
    }
    moveTw(cmdOK_, bl + 300, bt + y + 100);
    const long needH = y + 700;
    if (clientHeightTw() < needH) setClientSizeTw(clientWidthTw(), needH);
}

QWidget* OpenSolutionAnalysis(MainForm& form, const GroupPtr& solution) {
    CayleySearch& search = form.search();
    GroupPtr earlier;
    const int count = std::min(search.SolutionCount(), CayleySearch::kMaxSolutions);
    for (int slot = count; slot >= 1; --slot) {
        if (search.Solution(slot) != solution) continue;
        const int iso = search.SolutionIsomorph(slot);
        if (iso >= 1) earlier = search.Solution(iso);
        break;
    }
    AnalyzeSolutionPanel::NameToCode nameToCode;
    if (search.ManualEntry()) nameToCode = [&search](const std::string& name) { return search.NameToCode(name); };
    auto* panel = new AnalyzeSolutionPanel(form.context(), solution, earlier, nullptr, nameToCode);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->show();
    return panel;
}

void RegisterSolutionPanels(PanelRegistry& registry) {
    registry.add({QStringLiteral("dlgAnalyzeSolution"), QStringLiteral("Analysis"), std::nullopt, QString(), QString(),
                  false, [](AppContext& c, const PanelInput& in, QWidget* parent) -> Panel* {
                      return new AnalyzeSolutionPanel(c, in.group, nullptr, parent);
                  }});
}

}  // namespace quorix::gui
