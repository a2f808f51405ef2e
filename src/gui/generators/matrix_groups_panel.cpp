#include "gui/generators/matrix_groups_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/group/math_functions.h"

namespace quorix::gui {

namespace {

struct KindText {
    MatrixGroupKind kind;
    const char* name;
    const char* caption;
};

constexpr KindText kKinds[] = {
    {MatrixGroupKind::GL, "optGL", "GL(2,p): all invertible 2x2 matrices over Zp"},
    {MatrixGroupKind::SL, "optSL", "SL(2,p): the matrices of determinant 1"},
    {MatrixGroupKind::PSL, "optPSL", "PSL(2,p): SL(2,p) modulo -I"},
    {MatrixGroupKind::PGL, "optPGL", "PGL(2,p): GL(2,p) modulo the scalar matrices"},
};

QString Described(MatrixGroupKind kind, long p) {
    return QStringLiteral("%1(2,%2)").arg(QString::fromLatin1(MatrixGroupName(kind))).arg(p);
}

}  // namespace

MatrixGroupsPanel::MatrixGroupsPanel(AppContext& context, QWidget* parent)
    : GeneratorPanel(context, QStringLiteral("dlgMatrixGroups"), QStringLiteral("Matrix Group Analyzer"),
                     ViewKind::DirectProduct, parent) {
    setViewFileName("MatrixGroupView.html");
    buildStandardMenus(true, false);
    setClientSizeTw(7200, 5200);

    addLabel(QStringLiteral("lblPrompt"), QStringLiteral("Choose a group of 2x2 matrices over Zp:"), 300, 250, 6000,
             300);
    long top = 650;
    for (const KindText& k : kKinds) {
        auto* b = addControl<QRadioButton>(QString::fromLatin1(k.name), 500, top, 6400, 330);
        b->setText(QString::fromLatin1(k.caption));
        options_[static_cast<std::size_t>(k.kind)] = b;
        top += 380;
    }
    options_[0]->setChecked(true);
    addLabel(QStringLiteral("lblPrime"), QStringLiteral("Enter a prime p:"), 300, 2300, 3000, 300);
    txtPrime_ = addControl<QLineEdit>(QStringLiteral("txtPrime"), 3400, 2240, 800, 360);
    connect(txtPrime_, &QLineEdit::textChanged, this, [this] { showOrder(); });
    lblOrder_ = addLabel(QStringLiteral("lblOrder"), QString(), 300, 2800, 6600, 300);
    for (QRadioButton* b : options_) connect(b, &QRadioButton::toggled, this, [this] { showOrder(); });

    addCreateViewBox(300, 3300);
    generate_ = addButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Matrix Group"), 300, 3850, 3200);
    generate_->setDefault(true);
    auto* exit = addButton(QStringLiteral("cmdExit"), QStringLiteral("E&xit"), 3800, 3850, 1500);
    connect(generate_, &QPushButton::clicked, this, [this] { generateGroup(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    createProcessingFrame(300, 4300, 4500, 800);
    txtPrime_->setFocus();
}

MatrixGroupKind MatrixGroupsPanel::chosenKind() const {
    for (const KindText& k : kKinds)
        if (options_[static_cast<std::size_t>(k.kind)]->isChecked()) return k.kind;
    return MatrixGroupKind::GL;
}

void MatrixGroupsPanel::showOrder() {
    const std::optional<long> p = TypedNumber(txtPrime_->text());
    const long order = p && *p >= 2 && *p <= 1000 ? MatrixGroupOrder(chosenKind(), static_cast<int>(*p)) : 0;
    if (order == 0) {
        lblOrder_->clear();
        return;
    }
    lblOrder_->setText(order <= kMaxGroupOrder
                           ? QStringLiteral("%1 has %2 elements.").arg(Described(chosenKind(), *p)).arg(order)
                           : QStringLiteral("%1 has %2 elements: too many (at most %3).")
                                 .arg(Described(chosenKind(), *p))
                                 .arg(order)
                                 .arg(kMaxGroupOrder));
}

void MatrixGroupsPanel::generateGroup() {
    const std::optional<int> p = checkedNumber(txtPrime_->text(), 2, 1000, "p must be numeric.", "p must be a prime.");
    if (!p) return;
    if (!MathFunctions::IsPrime(*p)) {
        host().Message("p must be a prime.");
        return;
    }
    const long order = MatrixGroupOrder(chosenKind(), *p);
    if (order > kMaxGroupOrder) {
        host().Message(Described(chosenKind(), *p).toStdString() + " has " + std::to_string(order) +
                       " elements; a group may have at most " + std::to_string(kMaxGroupOrder) + ".");
        return;
    }
    GroupPtr g;
    if (generate([&] { g = MakeMatrixGroup(chosenKind(), *p); })) registerAndPresent(g);
}

}  // namespace quorix::gui
