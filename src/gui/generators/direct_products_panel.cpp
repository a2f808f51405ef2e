#include "gui/generators/direct_products_panel.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {
constexpr long kRowTop = 1250;
constexpr long kRowHeight = 450;
constexpr long kIdTop = 5900;
}  // namespace

DirectProductsPanel::DirectProductsPanel(AppContext& context, QWidget* parent)
    : GeneratorPanel(context, QStringLiteral("dlgDirectProducts"), QStringLiteral("Direct Product Group Analyzer"),
                     ViewKind::DirectProduct, parent) {
    buildStandardMenus(true, true);
    setClientSizeTw(9800, 6700);
    createPictureBox();

    addLabel(QStringLiteral("Label1"), QStringLiteral("For each component group,"), 300, 150, 8000, 280);
    addLabel(QStringLiteral("Label2"),
             QStringLiteral("EITHER enter a modulus (2-60) if the component is an additive group,"), 300, 450, 8000,
             280);
    addLabel(QStringLiteral("Label3"), QStringLiteral("OR choose a previously generated group:"), 300, 750, 8000, 280);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int row = 0; row < kRows; ++row) {
        const long y = kRowTop + row * kRowHeight;
        auto* t = addControl<QLineEdit>(QStringLiteral("txtModulus%1").arg(row), 300, y, 800, 360);
        t->setValidator(digits);
        t->setMaxLength(4);
        connect(t, &QLineEdit::textChanged, this, [this, row](const QString& text) {
            if (!text.isEmpty()) chosen_[static_cast<std::size_t>(row)].reset();
            redraw();
        });
        txtModulus_[static_cast<std::size_t>(row)] = t;
        auto* choose = addButton(QStringLiteral("cmdChooseGroup%1").arg(row), QStringLiteral("Choose Group"), 1300,
                                 y - 10, 1600, 380);
        connect(choose, &QPushButton::clicked, this, [this, row] { chooseComponent(row); });
    }
    addLabel(QStringLiteral("Label4"),
             QStringLiteral("NOTE:  The product of the component group orders cannot exceed %1.").arg(kMaxGroupOrder),
             300, kRowTop + kRows * kRowHeight + 50, 8000, 280);
    const long buttons = kRowTop + kRows * kRowHeight + 500;
    auto* clear =
        addButton(QStringLiteral("cmdClearComponents"), QStringLiteral("Clear Components"), 300, buttons, 2000);
    auto* compute =
        addButton(QStringLiteral("cmdCompute"), QStringLiteral("&Generate Direct Product Group"), 2500, buttons, 3300);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 6000, buttons, 1500);
    compute->setDefault(true);
    addCreateViewBox(300, buttons + 550);
    createProcessingFrame(5000, kRowTop);
    connect(clear, &QPushButton::clicked, this, [this] { clearComponents(); });
    connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    redraw();
}

void DirectProductsPanel::changeEvent(QEvent* e) {
    GeneratorPanel::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) redraw();
}

void DirectProductsPanel::chooseComponent(int row) {
    const std::optional<int> position = chooseGroup();
    if (!position || *position < 1 || *position > groupRegister().Count()) return;
    setChosenGroup(row, groupRegister().At(*position));
}

void DirectProductsPanel::setChosenGroup(int row, const GroupPtr& group) {
    chosen_[static_cast<std::size_t>(row)] = group;
    txtModulus_[static_cast<std::size_t>(row)]->clear();
    redraw();
}

void DirectProductsPanel::clearComponents() {
    for (int row = 0; row < kRows; ++row) {
        txtModulus_[static_cast<std::size_t>(row)]->clear();
        chosen_[static_cast<std::size_t>(row)].reset();
    }
    redraw();
}

void DirectProductsPanel::redraw() {
    clearPanel();
    PictureBox& box = *pictureBox();
    PrintState& ps = box.printState();
    std::string id;
    for (int row = 0; row < kRows; ++row) {
        const std::string typed = txtModulus_[static_cast<std::size_t>(row)]->text().toStdString();
        const GroupPtr& g = chosen_[static_cast<std::size_t>(row)];
        std::string component;
        if (!typed.empty()) {
            component = "Z|@" + typed + "|";
        } else if (g) {
            component = g->GroupID();
            // The chosen group beside its row.
            ps.x = 3100;
            ps.y = kRowTop + row * kRowHeight + 40;
            ps.bold = false;
            PrintMarkup(box, component);
        }
        if (component.empty()) continue;
        if (!id.empty()) id += "x";
        id += component;
    }
    ps.x = 300;
    ps.y = kIdTop;
    ps.bold = true;
    PrintMarkup(box, "Group ID:  " + id);
    ps.bold = false;
}

void DirectProductsPanel::compute() {
    struct Component {
        int modulus = 0;  // 0: a chosen group
        GroupPtr group;
        long order = 0;
    };
    std::vector<Component> components;
    for (int row = 0; row < kRows; ++row) {
        const QString typed = txtModulus_[static_cast<std::size_t>(row)]->text().trimmed();
        const GroupPtr& g = chosen_[static_cast<std::size_t>(row)];
        if (!typed.isEmpty()) {
            const std::optional<long> n = TypedNumber(typed);
            components.push_back({0, nullptr, n.value_or(0)});
            components.back().modulus = static_cast<int>(std::clamp(n.value_or(0), 0L, 1000L));
        } else if (g) {
            components.push_back({0, g, g->Order()});
        }
    }
    if (components.size() < 2) {
        host().Message("At least two moduli must be entered.");
        return;
    }
    long product = 1;
    for (const Component& c : components) {
        if (c.order < 2 || c.order > 60) {
            host().Message("All component orders must be in range 2-60.");
            return;
        }
        product *= c.order;
    }
    if (product > kMaxGroupOrder) {
        host().Message("The product of the moduli cannot exceed " + std::to_string(kMaxGroupOrder) + ".");
        return;
    }

    GroupPtr result;
    const bool built = generateAsJob([&] {
        for (const Component& c : components) {
            if (progress().StopRequested()) return;
            GroupPtr next = c.group;
            if (!next) {
                next = Group::Create();
                next->GenerateAdditive(c.modulus);
            }
            if (!result) {
                result = next;
                continue;
            }
            GroupPtr p = Group::Create();
            p->GenerateDirectProduct(result, next);
            result = p;
        }
        progress().StopRequested();
    });
    if (!built) return;
    registerAndPresent(result);
    redraw();
}

}  // namespace quorix::gui
