#include "gui/perm/perm_group_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/group/errors.h"
#include "gui/common/panel_registry.h"

namespace quorix::gui {

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

PermGroupPanel::PermGroupPanel(AppContext& context, QWidget* parent)
    : Panel(context, QStringLiteral("dlgLargePermutationGroups"), QStringLiteral("Permutation Group (any size)"),
            parent) {
    buildStandardMenus(false, false);
    setClientSizeTw(11000, 8000);
    addLabel(QStringLiteral("lblBuiltIn"), QStringLiteral("Built-in group:"), 300, 300, 1800, 300);
    cboBuiltIn_ = addControl<QComboBox>(QStringLiteral("cboBuiltIn"), 2100, 240, 3000, 380);
    cboBuiltIn_->addItems({QStringLiteral("(generators below)"), QStringLiteral("Rubik"), QStringLiteral("Rubik2"),
                           QStringLiteral("M11"), QStringLiteral("M12"), QStringLiteral("M22"), QStringLiteral("M23"),
                           QStringLiteral("M24"), QStringLiteral("S100"), QStringLiteral("A15")});
    addLabel(QStringLiteral("lblGenerators"),
             QStringLiteral("Generators, separated by commas:  (1,2,3)(4,5), (1,2)   or one-line 23145"), 300, 800,
             10400, 300);
    txtGenerators_ = addControl<QLineEdit>(QStringLiteral("txtGenerators"), 300, 1150, 10400, 380);
    auto* compute = addButton(QStringLiteral("cmdCompute"), QStringLiteral("&Compute"), 300, 1700, 1800);
    compute->setDefault(true);
    connect(compute, &QPushButton::clicked, this, [this] { computeGroup(); });
    addLabel(QStringLiteral("lblMember"), QStringLiteral("Permutation to test:"), 300, 2300, 2400, 300);
    txtMember_ = addControl<QLineEdit>(QStringLiteral("txtMember"), 2700, 2240, 5000, 380);
    auto* test = addButton(QStringLiteral("cmdTest"), QStringLiteral("&Test"), 7900, 2240, 1300);
    connect(test, &QPushButton::clicked, this, [this] { testMember(); });
    auto* random = addButton(QStringLiteral("cmdRandom"), QStringLiteral("&Random Element"), 2300, 1700, 2200);
    connect(random, &QPushButton::clicked, this, [this] { showRandom(); });
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 4700, 1700, 1300);
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    createProcessingFrame(6200, 1500, 4500, 650);
    txtResult_ = addControl<QPlainTextEdit>(QStringLiteral("txtResult"), 300, 2850, 10400, 4900);
    txtResult_->setReadOnly(true);
    txtResult_->setPlainText(QStringLiteral("Pick a built-in group or type generators, then Compute."));
}

void PermGroupPanel::showResult(const QString& text) { txtResult_->setPlainText(text); }

void PermGroupPanel::computeGroup() {
    const std::string typed = txtGenerators_->text().trimmed().toStdString();
    const std::string spec = cboBuiltIn_->currentIndex() > 0 ? cboBuiltIn_->currentText().toStdString()
                                                             : (typed.rfind("perm:", 0) == 0 ? typed : "perm:" + typed);
    if (cboBuiltIn_->currentIndex() == 0 && typed.empty()) {
        host().Message("Type generators or pick a built-in group.");
        return;
    }
    struct Built {
        perm::PermGroupPtr group;
        QString text;
    };
    runJob(
        QStringLiteral("Building the stabilizer chain..."), {txtGenerators_, txtMember_, cboBuiltIn_},
        [spec](Progress& progress) -> Built {
            const std::optional<perm::PermSpec> read = perm::ReadPermSpec(spec);
            perm::PermGroupPtr g = perm::MakePermGroup(*read, progress);
            if (!g) return {};
            const auto orbits = g->Orbits();
            QString orbitText;
            for (const auto& o : orbits) orbitText += (orbitText.isEmpty() ? "" : ", ") + QString::number(o.size());
            const std::optional<mpz_class> centre = g->CentreOrder(progress);
            if (!centre) return {};
            const std::vector<mpz_class> series = g->DerivedSeriesOrders(progress);
            if (series.empty()) return {};
            QString text = QStringLiteral(
                               "%1, degree %2\n\nOrder: %3\n     = %4\n\nOrbits: %5 (lengths %6)\nTransitive: %7\n"
                               "Abelian: %8\nSolvable: %9\n")
                               .arg(Qs(read->name))
                               .arg(g->degree())
                               .arg(Qs(g->Order().get_str()), Qs(perm::FactorisedString(g->Order())))
                               .arg(orbits.size())
                               .arg(orbitText, orbits.size() == 1 ? "yes" : "no", g->IsAbelian() ? "yes" : "no",
                                    series.back() == 1 ? "yes" : "no");
            text += QStringLiteral("Centre order: %1\nCommutator subgroup order: %2\n")
                        .arg(Qs(centre->get_str()), Qs((series.size() > 1 ? series[1] : series[0]).get_str()));
            if (g->degree() <= 100) {
                text += QStringLiteral("\nOrbits:\n");
                for (const auto& o : orbits) {
                    QString points;
                    for (perm::Point x : o) points += (points.isEmpty() ? "" : ", ") + QString::number(x + 1);
                    text += QStringLiteral("  {%1}\n").arg(points);
                }
            }
            text += QStringLiteral("\nGenerators:\n");
            for (std::size_t i = 0; i < g->generators().size(); ++i)
                text += QStringLiteral("  %1 = %2\n").arg(Qs(g->names()[i]), Qs(perm::CycleString(g->generators()[i])));
            return {g, text};
        },
        [this](const Built& built) {
            if (!built.group) return;
            group_ = built.group;
            words_.reset();
            showResult(built.text);
        });
}

void PermGroupPanel::testMember() {
    if (!group_) {
        host().Message("Compute a group first.");
        return;
    }
    const std::string typed = txtMember_->text().trimmed().toStdString();
    runJob(
        QStringLiteral("Writing the word..."), {txtGenerators_, txtMember_, cboBuiltIn_},
        [group = group_, words = words_, typed](Progress& progress) {
            std::pair<std::shared_ptr<perm::StabilizerChain>, QString> out{words, {}};
            const perm::Perm p =
                perm::IsCycleNotation(typed) ? perm::ParseCycles(typed) : perm::ParsePermutationList(typed).at(0);
            if (!group->Contains(p)) {
                out.second = QStringLiteral("%1 is not in the group.").arg(Qs(perm::CycleString(p)));
                return out;
            }
            if (!out.first) out.first = group->WordChain(progress);
            if (progress.Stopped()) return out;
            const std::optional<perm::Word> w = out.first ? out.first->WordOf(p) : std::nullopt;
            if (!w) {
                out.second = QStringLiteral("%1 is in the group (the group is too large for words).")
                                 .arg(Qs(perm::CycleString(p)));
                return out;
            }
            const perm::Word reduced = perm::ReduceWord(*w, group->GeneratorOrders());
            out.second =
                QStringLiteral("%1 is in the group:\n\n%2\n\n(a word of %3 letters, not necessarily the shortest)")
                    .arg(Qs(perm::CycleString(p)), Qs(group->FormatWord(reduced)))
                    .arg(reduced.size());
            return out;
        },
        [this, group = group_](const std::pair<std::shared_ptr<perm::StabilizerChain>, QString>& out) {
            if (group != group_) return;
            words_ = out.first;
            if (!out.second.isEmpty()) showResult(out.second);
        });
}

void PermGroupPanel::showRandom() {
    if (!group_) {
        host().Message("Compute a group first.");
        return;
    }
    const perm::Perm p = group_->RandomElements(seed_++, 1)[0];
    txtMember_->setText(Qs(perm::CycleString(p)));
    showResult(
        QStringLiteral("A random element (uniform):\n\n%1\n\nTest gives its word.").arg(Qs(perm::CycleString(p))));
}

void RegisterPermPanels(PanelRegistry& registry) {
    registry.add(
        {QStringLiteral("dlgLargePermutationGroups"), QStringLiteral("Permutation Group (any size)"), std::nullopt,
         QStringLiteral("Special Groups/Permutation Group (any size)..."), QStringLiteral("mnuLargePermutationGroups"),
         false,
         [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new PermGroupPanel(c, parent); },
         QString(), 25});
}

}  // namespace quorix::gui
