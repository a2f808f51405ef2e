#include "gui/generators/generator_panel.h"

#include <QCheckBox>
#include <QDir>
#include <cmath>
#include <exception>
#include <limits>

#include "core/storage/text_file.h"
#include "core/storage/group_register.h"
#include "core/storage/preferences.h"
#include "gui/common/browser_panel.h"
#include "gui/common/view_job.h"
#include "gui/common/panel_registry.h"
#include "gui/generators/direct_products_panel.h"
#include "gui/generators/matrix_groups_panel.h"
#include "gui/generators/multiplicative_panel.h"
#include "gui/generators/permutation_panel.h"
#include "gui/generators/presentation_panel.h"
#include "gui/generators/single_number_panel.h"
#include "gui/storage/notice_panel.h"

namespace quorix::gui {

std::optional<long> TypedNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    if (v != std::floor(v) || std::fabs(v) > 1e9) return std::numeric_limits<long>::min();
    return static_cast<long>(v);
}

GeneratorPanel::GeneratorPanel(AppContext& context, const QString& name, const QString& caption, ViewKind view,
                               QWidget* parent)
    : Panel(context, name, caption, parent), view_(view) {}

std::optional<int> GeneratorPanel::checkedNumber(const QString& text, int low, int high, const char* notNumeric,
                                                 const char* outOfRange) const {
    const std::optional<long> n = TypedNumber(text);
    if (!n) {
        host().Message(notNumeric);
        return std::nullopt;
    }
    if (*n < low || *n > high) {
        host().Message(outOfRange);
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

QCheckBox* GeneratorPanel::addCreateViewBox(long left, long top) {
    chkCreateView_ = addControl<QCheckBox>(QStringLiteral("chkCreateView"), left, top, 1800, 300);
    chkCreateView_->setText(QStringLiteral("Create View"));
    chkCreateView_->setChecked(preferences().CreateViews());
    return chkCreateView_;
}

bool GeneratorPanel::generate(const std::function<void()>& build) {
    try {
        build();
        return true;
    } catch (const InvalidArgument& e) {
        host().Message(e.what());
        return false;
    }
}

bool GeneratorPanel::generateAsJob(std::function<GroupPtr(Progress&)> build, std::function<void(const GroupPtr&)> done,
                                   const std::vector<QWidget*>& disable, const QString& text) {
    return runJob(
        text, disable,
        [build = std::move(build)](Progress& progress) {
            GroupPtr g = build(progress);
            return std::pair<GroupPtr, bool>(std::move(g), progress.Stopped());
        },
        [this, done = std::move(done)](const std::pair<GroupPtr, bool>& built) {
            if (built.second) {
                host().Message("Generate process halted.");
                return;
            }
            if (built.first) done(built.first);
        });
}

GroupRegistrar GeneratorPanel::registrar() {
    return storage::RegistrarOf(groupRegister(), [this](const std::string& text) { host().Message(text); });
}

void GeneratorPanel::registerAndPresent(const GroupPtr& group, const std::string& id) {
    // A failed write of the register file is reported; the group stays
    // registered for this run.
    registrar().Register(group, id);
    if (!(chkCreateView_ && chkCreateView_->isChecked() && writeView(group)))
        notice_ = ShowGroupGeneratedNotice(context(), *group);
}

bool GeneratorPanel::writeView(const GroupPtr& group) {
    const QString proposed =
        QDir(QString::fromStdString(context().directory.string()))
            .filePath(QString::fromStdString(viewFileName_.empty() ? DefaultViewFileName(view_) : viewFileName_));
    const QString path = saveFileDialog(windowTitle(), QStringLiteral("*.html (*.html)"), proposed);
    if (path.isEmpty()) return false;  // no view: the notice tells what was registered
    const std::string components = preferences().String(ViewComponentPreference(view_) - 1);
    RunViewJob(
        *this, path, components,
        [group, kind = view_, target = path.toStdString()](const ViewOptions& options) {
            return WriteGroupView(kind, group, target, options);
        },
        [this](BrowserPanel* browser) { browser_ = browser; });
    return true;
}

void RegisterGeneratorPanels(PanelRegistry& registry) {
    // In the menu's order.
    int order = 0;
    const auto add = [&registry, &order](const char* name, const char* caption, const char* entry, const char* action,
                                         auto make) {
        registry.add({QString::fromLatin1(name), QString::fromLatin1(caption), storage::PanelDefault::CreateViews,
                      QStringLiteral("Special Groups/") + QString::fromLatin1(entry), QString::fromLatin1(action),
                      false, make, QString(), order += 10});
    };
    add("dlgSymmetricGroups", "Symmetric Group Analyzer", "&Symmetric Groups...", "mnuSymmetricGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
            return new SingleNumberPanel(c, SingleNumberPanel::Family::Symmetric, parent);
        });
    add("dlgAlternatingGroups", "Alternating Group Analyzer", "Alternating Groups...", "mnuAlternatingGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
            return new SingleNumberPanel(c, SingleNumberPanel::Family::Alternating, parent);
        });
    add("dlgPermutationGroups", "Permutation Group Analyzer", "&Other Permutation Groups...", "mnuPermutationGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new PermutationPanel(c, parent); });
    add("dlgAdditiveGroups", "Additive Integer Modulo n Group Analyzer", "Additive Integer Groups Modulo n...",
        "mnuAdditiveGroups", [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
            return new SingleNumberPanel(c, SingleNumberPanel::Family::Additive, parent);
        });
    add("dlgMultiplicativeGroups", "Multiplicative Integer Modulo n Group Analyzer",
        "&Multiplicative Integer Groups Modulo n...", "mnuMultiplicativeGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new MultiplicativePanel(c, parent); });
    add("dlgDirectProducts", "Direct Product Group Analyzer", "&Direct Product Groups...", "mnuDirectProducts",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new DirectProductsPanel(c, parent); });
    add("dlgDihedralGroups", "Dihedral Group Analyzer", "D&ihedral Groups...", "mnuDihedralGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
            return new SingleNumberPanel(c, SingleNumberPanel::Family::Dihedral, parent);
        });
    add("dlgDicyclicGroups", "Dicyclic Group Analyzer", "Di&cyclic Groups...", "mnuDicyclicGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* {
            return new SingleNumberPanel(c, SingleNumberPanel::Family::Dicyclic, parent);
        });
    add("dlgMatrixGroups", "Matrix Group Analyzer", "Ma&trix Groups...", "mnuMatrixGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new MatrixGroupsPanel(c, parent); });
    add("dlgPresentationGroups", "Group from Generators and Relations", "Group from &Generators and Relations...",
        "mnuPresentationGroups",
        [](AppContext& c, const PanelInput&, QWidget* parent) -> Panel* { return new PresentationPanel(c, parent); });
}

}  // namespace quorix::gui
